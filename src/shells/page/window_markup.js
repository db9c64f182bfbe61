// The window's controls as markup, written when the page is built from the
// core's layout and its start-up texts, so that the browser lays them out
// while it reads the page, and again by a page the core puts into another
// language: each caption and accessible name is decided here alone. Each control's outer element carries its name in
// data-control; the element that takes focus has the name as its id. The
// elements stand in the core's reading order, each caption next to the
// control it names, so that Tab and a screen reader's reading follow it.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { controlStyles, holderOf, spinReadingAttributes } = page;
  // One pass over the text, and none where nothing needs escaping (most
  // names and styles): a page in another language writes all of this as it starts.
  const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
  const escaper = (pattern) => {
    const every = new RegExp(pattern, 'g');
    return (text) => {
      const s = String(text);
      return pattern.test(s) ? s.replace(every, (c) => escapes[c]) : s;
    };
  };
  const escapeText = escaper(/[&<>]/);
  const escapeAttribute = escaper(/[&<>"]/);

  function attributes(pairs) {
    return Object.entries(pairs)
      .filter(([, value]) => value !== undefined && value !== null && value !== false)
      .map(([name, value]) => (value === true ? ` ${name}` : ` ${name}="${escapeAttribute(value)}"`))
      .join('');
  }

  const cssName = (property) => property.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`);
  const styleText = (style) => Object.entries(style).map(([property, value]) => `${cssName(property)}: ${value}`).join('; ');

  const buttonIcons = {
    full_screen: '<path d="M1 6V1h5M10 1h5v5M15 10v5h-5M6 15H1v-5" fill="none" stroke="#202020" stroke-width="2"/>',
    picture_button: '<path d="M1.5 3.5h13v10h-13z" fill="none" stroke="#202020"/>' +
      '<path d="M2.5 11l3.5-4 3 3 2-2 2.5 3" fill="none" stroke="#202020"/>',
    sound_button: '<path d="M2 6h3l4-3.5v11L5 10H2z" fill="#202020"/>' +
      '<path d="M11 5.5q2 2.5 0 5M12.8 3.5q3.6 4.5 0 9" fill="none" stroke="#202020"/>',
    voice_button: '<path d="M1.5 2.5h13v8h-7l-4 3.5v-3.5h-2z" fill="none" stroke="#202020"/>' +
      '<path d="M4 5.5h8M4 7.5h5" stroke="#202020"/>',
    // Three linked dots.
    share_button: '<path d="M11.5 3.5l-7 4.5 7 4.5" fill="none" stroke="#202020"/>' +
      '<circle cx="12" cy="3.5" r="2" fill="#202020"/><circle cx="4" cy="8" r="2" fill="#202020"/>' +
      '<circle cx="12" cy="12.5" r="2" fill="#202020"/>',
  };

  // `words`: the page's own words (its buttons').
  function windowMarkup(layout, texts, words) {
    const rows = layout.controls;
    const byName = new Map(rows.map((row) => [row.name, row]));
    const { styles } = controlStyles(layout);
    // Each holder's children, in the rows' order.
    const heldBy = new Map();
    for (const row of rows) {
      const holder = holderOf(row, byName);
      if (!heldBy.has(holder)) heldBy.set(holder, []);
      heldBy.get(holder).push(row);
    }

    function element(row) {
      const { name, caption, speech } = row;
      const style = { ...styles.get(name) };
      if (row.align && row.kind === 'label') style.textAlign = row.align;
      if (row.fore) style.color = row.fore;
      if (row.back) style.background = row.back;
      const about = speech.description && row.kind !== 'group' && row.kind !== 'label' && row.kind !== 'picture'
        ? `<span id="${escapeAttribute(`${name}_about`)}" class="unseen">${escapeText(speech.description)}</span>` : '';
      const describedBy = about ? `${name}_about` : undefined;
      const held = (heldBy.get(name) || []).map(element).join('');
      const outer = { 'data-control': name, style: styleText(style) };
      switch (row.kind) {
        case 'group':
          if (!caption) return `<div${attributes({ class: 'frame', id: name, ...outer })}></div>`;
          return `<div${attributes({ class: 'group nest', id: name, role: 'radiogroup', 'aria-labelledby': `${name}_title`, ...outer })}>` +
            `<span${attributes({ class: 'title caption', id: `${name}_title`, dir: row.dir })}>${escapeText(caption)}</span>${held}</div>`;
        case 'label':
          return `<div${attributes({ class: 'label caption', id: name, dir: row.dir, ...outer })}>${escapeText(texts.captions[name] ?? caption)}</div>`;
        case 'button':
          return `<button${attributes({ type: 'button', class: 'push caption', id: name, dir: row.dir, 'aria-label': speech.name || undefined,
            'aria-describedby': describedBy, ...outer })}>${escapeText(caption)}${about}</button>`;
        case 'option':
          return `<label${attributes({ class: 'option', ...outer })}><input${attributes({ type: 'radio', name: row.parent, id: name,
            checked: row.selected, 'aria-label': speech.name || undefined, 'aria-describedby': describedBy })}>` +
            `<span class="caption">${escapeText(caption)}</span>${about}</label>`;
        case 'spin':
          return `<div${attributes({ class: 'spin', id: name, tabindex: 0, role: 'spinbutton', ...spinReadingAttributes(texts.spins[name]),
            'aria-describedby': describedBy, ...outer })}>` +
            `<span class="up" aria-hidden="true"></span><span class="down" aria-hidden="true"></span>${about}</div>`;
        default:  // a picture: its canvas takes focus, and what it shows is described
          return `<div${attributes({ class: 'view nest', ...outer })}><canvas${attributes({ id: name, tabindex: 0, role: 'img',
            'aria-label': speech.name || undefined, 'aria-describedby': `${name}_description` })}></canvas>` +
            `<div${attributes({ id: `${name}_description`, class: 'unseen' })}>${escapeText(texts.views[name] ?? '')}</div>${held}</div>`;
      }
    }

    const inWindow = [...(heldBy.get(null) || [])].sort((a, b) => a.order - b.order);
    // The page's buttons, a switch's a toggle pressed while it is on, each with its icon.
    const buttonWords = new Map(words.buttons.map((button) => [button.name, button]));
    const button = ({ name }) => {
      const { label, tooltip, switch: isSwitch } = buttonWords.get(name);
      return `<button${attributes({ type: 'button', class: 'extra', id: name, 'aria-label': label, title: tooltip,
        'aria-pressed': isSwitch ? 'false' : undefined, style: styleText(styles.get(name)) })}>` +
        `<svg viewBox="0 0 16 16" aria-hidden="true">${buttonIcons[name]}</svg></button>`;
    };
    return [...inWindow.map(element), ...layout.buttons.map(button)].join('\n');
  }

  page.windowMarkup = windowMarkup;
})();

// The window's controls as elements, built from the core's layout rows:
// each control's element has the control's name as its id. Input on them
// becomes presses of the named control; nothing here decides what a press does.
'use strict';

// Where a layout font is missing, a font of the same kind stands in.
const GOTHIC = 'ＭＳ Ｐゴシック';
const familyOf = (name) => `"${name}", ${name === GOTHIC ? 'sans-serif' : 'serif'}`;

// `press(name, down)` is called for every press; `anchor` is the element
// before which the controls go.
function makeWindowControls(root, anchor, rows, press) {
  const controls = new Map();  // name -> { row, box: outer element, focus: the element that takes focus }
  let layout = { zoom: 1, controls: rows };

  // Elements: those inside a picture or an option group live in it; the
  // rest stand side by side in the window in focus order, each caption
  // next to the control it names, so that Tab and a screen reader's
  // reading follow the layout's tab order.
  function build(rows) {
    const byName = new Map(rows.map((row) => [row.name, row]));
    const nests = (row) => row.kind === 'picture' || (row.kind === 'frame' && row.caption !== '');
    const focusKey = new Map();
    for (const row of rows) {
      if (row.tab >= 0) focusKey.set(row.name, row.tab);
    }
    for (const row of rows.filter(nests)) {
      const tabs = rows.filter((r) => r.parent === row.name && r.tab >= 0).map((r) => r.tab);
      if (tabs.length) focusKey.set(row.name, Math.min(...tabs));
    }
    for (const [k, row] of rows.entries()) {
      if (focusKey.has(row.name)) continue;
      const siblings = rows.filter((r) => r.parent === row.parent && focusKey.has(r.name));
      const next = siblings.find((r) => rows.indexOf(r) > k);
      const previous = siblings.reverse().find((r) => rows.indexOf(r) < k);
      focusKey.set(row.name, next ? focusKey.get(next.name) - 0.5 : previous ? focusKey.get(previous.name) + 0.5 : -1);
    }
    const domParentOf = (row) => {
      const parent = byName.get(row.parent);
      return parent && nests(parent) ? parent.name : null;
    };
    for (const row of rows) controls.set(row.name, makeControl(row));
    const atTop = rows.filter((row) => !domParentOf(row));
    atTop.sort((a, b) => focusKey.get(a.name) - focusKey.get(b.name));
    for (const row of atTop) root.insertBefore(controls.get(row.name).box, anchor);
    for (const row of rows) {
      const parent = domParentOf(row);
      if (parent) controls.get(parent).box.append(controls.get(row.name).box);
    }
    for (const row of rows) controls.get(row.name).domParent = domParentOf(row);
    addFullScreenButton();
  }

  function makeControl(row) {
    const control = { row };
    const speech = row.speech;
    let box;
    let focus;
    switch (row.kind) {
      case 'frame':
        box = document.createElement('div');
        if (row.caption) {
          box.className = 'group nest';
          box.setAttribute('role', 'radiogroup');
          const title = document.createElement('span');
          title.className = 'title';
          title.id = `${row.name}_title`;
          title.textContent = row.caption;
          box.setAttribute('aria-labelledby', title.id);
          box.append(title);
          control.caption = title;
        } else {
          box.className = 'frame';
        }
        box.id = row.name;
        break;
      case 'label':
        box = document.createElement('div');
        box.className = 'label';
        box.id = row.name;
        box.textContent = row.caption;
        box.style.textAlign = row.align;
        control.caption = box;
        break;
      case 'button':
        box = focus = document.createElement('button');
        box.type = 'button';
        box.className = 'push';
        box.id = row.name;
        box.textContent = row.caption;
        control.caption = box;
        wirePushButton(box, row.name);
        break;
      case 'option': {
        box = document.createElement('label');
        box.className = 'option';
        focus = document.createElement('input');
        focus.type = 'radio';
        focus.name = row.parent;
        focus.id = row.name;
        focus.checked = row.selected;
        const caption = document.createElement('span');
        caption.textContent = row.caption;
        box.append(focus, caption);
        control.caption = caption;
        focus.addEventListener('change', () => { if (focus.checked) press(row.name, false); });
        break;
      }
      case 'spin':
        box = focus = document.createElement('div');
        box.className = 'spin';
        box.id = row.name;
        box.tabIndex = 0;
        box.setAttribute('role', 'spinbutton');
        box.innerHTML = '<span class="up" aria-hidden="true"></span><span class="down" aria-hidden="true"></span>';
        wireSpin(box, row.name);
        break;
      default: {  // a picture
        box = document.createElement('div');
        box.className = 'view nest';
        focus = document.createElement('canvas');
        focus.id = row.name;
        focus.tabIndex = 0;
        focus.setAttribute('role', 'img');
        const description = document.createElement('div');
        description.id = `${row.name}_description`;
        description.className = 'unseen';
        focus.setAttribute('aria-describedby', description.id);
        box.append(focus, description);
        break;
      }
    }
    if (speech.name && focus) focus.setAttribute('aria-label', speech.name);
    if (speech.description && focus && row.kind !== 'picture') {
      const described = document.createElement('span');
      described.id = `${row.name}_about`;
      described.className = 'unseen';
      described.textContent = speech.description;
      box.append(described);
      focus.setAttribute('aria-describedby', described.id);
    }
    if (row.fore) box.style.color = row.fore;
    if (row.back) box.style.background = row.back;
    control.box = box;
    control.focus = focus || box;
    return control;
  }

  // Positions, sizes and fonts at the zoom in force.
  let absolute = new Map();  // name -> the box's corner in the window

  function place() {
    absolute = new Map();
    for (const row of layout.controls) {
      const [x, y] = row.box;
      const parent = absolute.get(row.parent) || [0, 0];
      absolute.set(row.name, [parent[0] + x, parent[1] + y]);
    }
    // Styles are all written before anything is measured, so that the
    // browser lays the page out once.
    for (const row of layout.controls) {
      const control = controls.get(row.name);
      const [x, y] = absolute.get(row.name);
      const origin = control.domParent ? absolute.get(control.domParent) : [0, 0];
      const style = control.box.style;
      style.left = `${x - origin[0]}px`;
      style.top = `${y - origin[1]}px`;
      style.width = `${row.box[2]}px`;
      style.height = `${row.box[3]}px`;
      if (row.font) {
        style.fontSize = `${row.font.px}px`;  // what the option's indicator is sized by
        style.fontFamily = familyOf(row.font.family);
        style.fontStyle = row.font.italic ? 'italic' : 'normal';
        if (control.caption && control.caption !== control.box) control.caption.style.fontSize = '';
      }
      if (row.kind === 'spin') style.fontSize = `${row.box[3]}px`;
      if (row.kind === 'picture' && control.focus.width > 0) sizeCanvas(row.name);
    }
    // The full-screen button, which the layout has not, where the core puts it.
    const { parent, box: [left, top, width, height] } = layout.full_screen;
    const panel = absolute.get(parent);
    Object.assign(document.getElementById('full_screen').style, {
      left: `${panel[0] + left}px`,
      top: `${panel[1] + top}px`,
      width: `${width}px`,
      height: `${height}px`,
    });
    fitCaptions(layout.controls);
  }

  // Captions in their font at the zoom, or the largest size that shows them
  // whole; at the laid-out size exactly as laid out, whole or not. Each pass
  // measures every caption first and then shrinks those that overflow.
  function fitCaptions(rows) {
    if (layout.zoom === 1) return;
    let pending = rows.filter((row) => row.font).map((row) => {
      const control = controls.get(row.name);
      const element = control.caption || control.box;
      element.style.fontSize = `${row.font.px}px`;
      return { element, px: row.font.px };
    });
    for (let pass = 0; pass < 4 && pending.length; ++pass) {
      const measured = pending.map((p) => ({ ...p, room: p.element.clientWidth, need: p.element.scrollWidth }));
      pending = measured.filter((p) => p.room > 0 && p.need > p.room);
      for (const p of pending) {
        p.px = Math.max(1, Math.floor(p.px * (p.room / p.need) * 10) / 10);
        p.element.style.fontSize = `${p.px}px`;
      }
    }
  }

  // One canvas pixel to one device pixel: its size in CSS pixels is its
  // pixels over the device pixel ratio, its corner moved onto a device pixel.
  function sizeCanvas(name) {
    const canvas = controls.get(name).focus;
    const ratio = window.devicePixelRatio || 1;
    const [x, y] = absolute.get(name);
    canvas.style.width = `${canvas.width / ratio}px`;
    canvas.style.height = `${canvas.height / ratio}px`;
    const dx = (Math.round(x * ratio) - x * ratio) / ratio;
    const dy = (Math.round(y * ratio) - y * ratio) / ratio;
    canvas.style.transform = dx || dy ? `translate(${dx}px, ${dy}px)` : '';
  }

  function wirePushButton(button, name) {
    // A held key is one press; the button acts on the key going down, as on the desktop.
    button.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();
      if (event.repeat || event.ctrlKey || event.altKey || event.metaKey) return;
      button.classList.add('held');
      press(name, false);
    });
    button.addEventListener('keyup', (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();
      button.classList.remove('held');
    });
    button.addEventListener('blur', () => button.classList.remove('held'));
    button.addEventListener('click', () => press(name, false));
  }

  const FIRST_REPEAT_MS = 400;  // a deliberate click never repeats
  const REPEAT_MS = 80;         // then about twelve steps a second

  function wireSpin(spin, name) {
    let timer = 0;
    let held = null;
    const release = () => {
      clearTimeout(timer);
      if (held) held.classList.remove('held');
      held = null;
    };
    const repeat = (down, delay) => {
      timer = setTimeout(() => {
        press(name, down);
        repeat(down, REPEAT_MS);
      }, delay);
    };
    spin.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      spin.focus();
      const down = event.clientY - spin.getBoundingClientRect().top >= spin.clientHeight / 2;
      release();
      held = spin.children[down ? 1 : 0];
      held.classList.add('held');
      spin.setPointerCapture(event.pointerId);
      press(name, down);
      repeat(down, FIRST_REPEAT_MS);
    });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture', 'blur']) {
      spin.addEventListener(type, release);
    }
    spin.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
      event.preventDefault();
      press(name, event.key === 'ArrowDown');
    });
  }

  function addFullScreenButton() {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = 'full_screen';
    button.setAttribute('aria-label', 'Full screen');
    button.title = 'Full screen (F11)';
    button.innerHTML = '<svg viewBox="0 0 16 16" aria-hidden="true"><path d="M1 6V1h5M10 1h5v5M15 10v5h-5M6 15H1v-5" fill="none" stroke="#202020" stroke-width="2"/></svg>';
    button.addEventListener('click', () => {
      if (document.fullscreenElement) document.exitFullscreen();
      else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen().catch(() => {});
    });
    root.insertBefore(button, anchor);
  }

  build(rows);
  return {
    controls,
    place(newLayout) {
      layout = newLayout;
      for (const row of layout.controls) controls.get(row.name).row = row;
      place();
    },
    setCaption(name, text) {
      const control = controls.get(name);
      if (control.box.textContent === text) return;
      control.box.textContent = text;
      fitCaptions([control.row]);
    },
    sizeCanvas,
  };
}

// What the page says in words: the controls' captions and readings as the
// core changes them, the sentences for a screen reader, the refused setup,
// and the page's own words in the language the core chose.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { spinReadingAttributes, windowMarkup } = page;

  // `root`: the window's element; `ui`, once wired, the controls.
  function pageTexts(root) {
    const liveRegion = document.getElementById('announcements');
    let ui;

    function say(sentence) {
      const line = document.createElement('p');
      line.textContent = sentence;
      liveRegion.append(line);
      while (liveRegion.childElementCount > 4) liveRegion.firstElementChild.remove();
    }

    function showReadings(texts) {
      for (const [name, reading] of Object.entries(texts.spins || {})) {
        const spin = ui.controls.get(name).focus;
        for (const [attribute, value] of Object.entries(spinReadingAttributes(reading))) {
          if (value === null) spin.removeAttribute(attribute);
          else spin.setAttribute(attribute, value);
        }
      }
      for (const [name, description] of Object.entries(texts.views || {})) {
        document.getElementById(`${name}_description`).textContent = description;
      }
    }

    function showTexts(texts) {
      for (const [name, caption] of Object.entries(texts.captions)) ui.setCaption(name, caption);
      showReadings(texts);
      for (const sentence of texts.said || []) say(sentence);
    }

    // Another language than the page was built in: the controls written
    // again, as the build writes them, from the layout and texts in that
    // language, so that each caption and name is decided in one place; then
    // the page's own words outside them, and its language, from which a
    // screen reader picks its voice.
    function translate(layout, texts, words) {
      const first = root.querySelector(':scope > [data-control]');
      const after = document.getElementById('announcements');
      const range = document.createRange();
      range.setStartBefore(first);
      range.setEndBefore(after);
      range.deleteContents();
      after.before(range.createContextualFragment(windowMarkup(layout, texts, words)));
      document.documentElement.lang = words.lang;
      document.documentElement.dir = words.dir;
      document.title = words.title;
      root.setAttribute('aria-label', words.title);
      for (const close of document.querySelectorAll('#sound_notice button, #setup_notice button')) {
        close.setAttribute('aria-label', words.close);
      }
      document.getElementById('setup_notice_title').textContent = words.setup_refused;
    }

    function showRefused(sentences) {
      const notice = document.getElementById('setup_notice');
      const list = notice.querySelector('ul');
      for (const sentence of sentences) list.append(Object.assign(document.createElement('li'), { textContent: sentence }));
      notice.querySelector('button').addEventListener('click', () => { notice.hidden = true; });
      notice.hidden = false;
    }

    return { useControls: (controls) => { ui = controls; }, showTexts, showReadings, translate, showRefused };
  }

  page.pageTexts = pageTexts;
})();

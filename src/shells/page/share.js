// The share panel: the link of the setup on show with a copy button, its QR
// code where the page is served from a web site, the code of a frame that
// puts the page in a course page, and a lesson file: this page as it was
// built, with the setup in it. Every word comes from the core.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { isExtraKey } = page;
  // The page as built, taken before its script changes anything in it: a
  // lesson file is this with a setup added, so it is made without reading the
  // page's file (which a page opened from a file cannot).
  const builtPage = document.documentElement.cloneNode(true);

  // The address the page opens with: its own where that has a query, else the
  // setup a lesson file holds, which the core then checks as it checks any
  // address (a file edited by hand may hold anything: what is not JSON is
  // handed on as it stands, for the core to refuse field by field).
  function openingAddress() {
    const held = document.getElementById('lesson_setup');
    if (!held || location.search.length > 1) return location.href;
    let setup;
    try {
      setup = JSON.parse(held.textContent);
    } catch {
      setup = held.textContent.trim();
    }
    return setup ? `${location.href.split(/[?#]/)[0]}?${String(setup)}` : location.href;
  }

  // `button`: the share button, `label` its name (the panel's heading),
  // `tooltip` and `key` its tooltip and key; `words`: the page's words in its
  // language (words.share the panel's); `setupQuery()` the setup on show as a
  // query; `fileName()` a lesson file's name for it.
  function wireSharePanel({ button, label, tooltip, key, words, setupQuery, fileName }) {
    const w = words.share;
    const served = location.protocol === 'http:' || location.protocol === 'https:';
    let panel = null;
    let opener = null;

    const link = () => {
      const query = setupQuery();
      return `${location.href.split(/[?#]/)[0]}${query ? `?${query}` : ''}`;
    };
    // A frame as wide as the course page's column, in the page's laid-out
    // proportion. From a file, its address is the file's name beside the
    // course page, where the file is to be put: a file's own address would
    // open on the teacher's computer alone.
    const frameCode = () => {
      const [width, height] = w.frame_size;
      const quote = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
      const query = setupQuery();
      const src = served ? link() : `${location.pathname.split('/').pop()}${query ? `?${query}` : ''}`;
      return `<iframe src="${quote(src)}" title="${quote(words.title)}" width="${width}" height="${height}" ` +
        `style="width: 100%; height: auto; aspect-ratio: ${width} / ${height}; border: 0" ` +
        'allow="fullscreen; clipboard-write" allowfullscreen></iframe>';
    };

    function lessonFile() {
      const copy = builtPage.cloneNode(true);
      // What only the web site's copy of the page has (its manifest, icons and
      // worker), and a setup an earlier lesson held.
      for (const element of copy.querySelectorAll('[data-site], #lesson_setup')) element.remove();
      const setup = document.createElement('script');
      setup.type = 'application/json';
      setup.id = 'lesson_setup';
      setup.textContent = JSON.stringify(setupQuery()).replaceAll('<', '\\u003c');
      copy.querySelector('head').append(setup);
      return `<!doctype html>\n${copy.outerHTML}\n`;
    }

    function saveLesson() {
      const url = URL.createObjectURL(new Blob([lessonFile()], { type: 'text/html' }));
      const anchor = Object.assign(document.createElement('a'), { href: url, download: fileName() });
      anchor.click();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    const make = (tag, properties = {}, ...children) => {
      const element = Object.assign(document.createElement(tag), properties);
      element.append(...children);
      return element;
    };

    function build() {
      const heading = make('h2', { id: 'share_heading', textContent: label });
      const close = make('button', { type: 'button', className: 'share_close', textContent: '×' });
      close.setAttribute('aria-label', words.close);
      const status = make('p', { id: 'share_status', className: 'share_status' });
      status.setAttribute('role', 'status');
      // An address and markup read left to right in every language.
      const linkField = make('input', { id: 'share_link', readOnly: true, spellcheck: false, dir: 'ltr' });
      const frameField = make('textarea', { id: 'share_frame', readOnly: true, spellcheck: false, rows: 3, dir: 'ltr' });
      const copyButton = (id, text, field) => {
        const copyIt = make('button', { type: 'button', id, textContent: text });
        copyIt.addEventListener('click', () => copy(field, status));
        return copyIt;
      };
      const qr = served ? make('canvas', { id: 'share_qr' }) : null;
      if (qr) {
        qr.setAttribute('role', 'img');
        qr.setAttribute('aria-label', w.qr);
      }
      const qrPart = make('div', { className: 'share_qr' }, ...(qr ? [qr, make('p', { textContent: w.qr_hint })]
        : [make('p', { textContent: w.qr_from_file })]));
      const save = make('button', { type: 'button', id: 'share_save', textContent: w.save });
      const saveHint = make('p', { id: 'share_save_hint', textContent: w.save_hint });
      save.setAttribute('aria-describedby', saveHint.id);
      save.addEventListener('click', saveLesson);
      const dialog = make('dialog', { id: 'share_panel', className: 'share_panel' }, heading, close,
        make('div', { className: 'share_parts' }, qrPart, make('div', { className: 'share_texts' },
          make('label', { htmlFor: linkField.id, textContent: w.link }),
          make('div', { className: 'share_row' }, linkField, copyButton('share_copy_link', w.copy_link, linkField)),
          make('label', { htmlFor: frameField.id, textContent: w.frame }),
          make('div', { className: 'share_row' }, frameField, copyButton('share_copy_frame', w.copy_frame, frameField)),
          make('div', { className: 'share_row' }, save, saveHint))),
        status);
      dialog.setAttribute('aria-labelledby', heading.id);
      dialog.lang = words.lang;
      close.addEventListener('click', () => dialog.close());
      dialog.addEventListener('close', () => {
        status.textContent = '';
        if (opener && opener.isConnected) opener.focus();
      });
      // The page's own keys (Ctrl+C copies its picture) stay out of the panel;
      // Tab goes round inside it, and the share key closes it as Escape does.
      dialog.addEventListener('keydown', (event) => {
        event.stopPropagation();
        if (isShareKey(event)) {
          event.preventDefault();
          dialog.close();
        } else if (event.key === 'Tab') {
          const stops = [...dialog.querySelectorAll('button, input, textarea')];
          const [first, last] = [stops[0], stops[stops.length - 1]];
          if (event.shiftKey && document.activeElement === first) {
            event.preventDefault();
            last.focus();
          } else if (!event.shiftKey && document.activeElement === last) {
            event.preventDefault();
            first.focus();
          }
        }
      });
      document.body.append(dialog);
      return { dialog, linkField, frameField, qr };
    }

    async function copy(field, status) {
      status.textContent = '';
      try {
        await navigator.clipboard.writeText(field.value);
      } catch {
        // Where the clipboard is refused (a frame not allowed it): the text
        // selected, copied the old way if the browser still does.
        field.focus();
        field.select();
        if (!document.execCommand('copy')) return;
      }
      status.textContent = w.copied;
    }

    // The link's QR code, a whole number of device pixels a module, with the
    // quiet zone of four modules a reader needs.
    function drawQr(canvas, text) {
      qrcode.stringToBytes = qrcode.stringToBytesFuncs['UTF-8'];
      const code = qrcode(0, 'M');
      code.addData(text, 'Byte');
      code.make();
      const modules = code.getModuleCount() + 8;
      const ratio = window.devicePixelRatio || 1;
      const cell = Math.max(2, Math.round(4 * ratio));
      canvas.width = canvas.height = modules * cell;
      canvas.style.width = canvas.style.height = `${(modules * cell) / ratio}px`;
      const context = canvas.getContext('2d');
      context.fillStyle = '#fff';
      context.fillRect(0, 0, canvas.width, canvas.height);
      context.fillStyle = '#000';
      for (let row = 0; row < modules - 8; ++row) {
        for (let column = 0; column < modules - 8; ++column) {
          if (code.isDark(row, column)) context.fillRect((column + 4) * cell, (row + 4) * cell, cell, cell);
        }
      }
    }

    function open() {
      if (!panel) panel = build();
      const text = link();
      panel.linkField.value = text;
      panel.frameField.value = frameCode();
      if (panel.qr) drawQr(panel.qr, text);
      opener = document.activeElement;
      if (!panel.dialog.open) panel.dialog.showModal();
      panel.linkField.focus();
      panel.linkField.select();
    }

    const isShareKey = (event) => isExtraKey(event, key);
    button.setAttribute('aria-label', label);
    button.setAttribute('aria-haspopup', 'dialog');
    button.title = tooltip;
    button.addEventListener('click', open);
    document.addEventListener('keydown', (event) => {
      if (!isShareKey(event)) return;
      event.preventDefault();
      open();
    });
  }

  page.openingAddress = openingAddress;
  page.wireSharePanel = wireSharePanel;
})();

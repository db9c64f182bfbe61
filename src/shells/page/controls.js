// The window's controls, whose elements the page holds from its build (each
// control's outer element carries its name in data-control; the element that
// takes focus has the name as its id). Input on them becomes presses of the
// named control; nothing here decides what a press does.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { controlStyles, controlCorners } = page;
  // What a caption needs and the room it has, in CSS pixels: across, its
  // text against its own element (an option's text beside its indicator, a
  // group's title along its top); down, its line (the font's ascent and
  // descent, as the desktop measures it) against its control's box.
  const captionRange = document.createRange();
  function captionExtent(element, box) {
    const text = element.firstChild;
    let down = 0;
    if (text && text.nodeType === Node.TEXT_NODE) {
      captionRange.selectNodeContents(text);
      down = captionRange.getBoundingClientRect().height;
    }
    return { room: { across: element.clientWidth, down: box.clientHeight }, need: { across: element.scrollWidth, down } };
  }

  // Whether a key press is the key of one of the core's extras ("F8",
  // "Ctrl+S"), Ctrl being Command on a Mac; no other modifier held.
  function isExtraKey(event, portable) {
    const ctrl = portable.startsWith('Ctrl+');
    const key = ctrl ? portable.slice(5) : portable;
    return (event.ctrlKey || event.metaKey) === ctrl && !event.altKey && !event.shiftKey &&
      event.key.toLowerCase() === key.toLowerCase();
  }

  // `press(name, part)` is called for every press, part 'whole', 'up' or
  // 'down'; `captionSize` is the core's caption sizing search.
  function wireWindowControls(root, rows, press, captionSize) {
    const controls = new Map();  // name -> { row, box: outer element, focus: the element that takes focus, caption }
    let layout = { zoom: 1, controls: rows };

    const boxes = new Map([...root.querySelectorAll('[data-control]')].map((box) => [box.dataset.control, box]));
    for (const row of rows) {
      const box = boxes.get(row.name);
      const focus = document.getElementById(row.name) || box;
      const caption = box.classList.contains('caption') ? box : box.querySelector(':scope > .caption');
      controls.set(row.name, { row, box, focus, caption });
      if (row.kind === 'button') wirePushButton(focus, row);
      if (row.kind === 'spin') wireSpin(focus, row);
      if (row.kind === 'option') focus.addEventListener('change', () => { if (focus.checked) press(row.name, 'whole'); });
    }
    wireFullScreenButton(document.getElementById('full_screen'));

    // Positions, sizes and fonts at the zoom in force; `written` where the
    // elements have them already (as built, at the laid-out size); captions
    // fitted unless `fit` is false.
    let corners = new Map();  // name -> the box's corner in the window

    function place(written, fit) {
      const styles = written ? null : controlStyles(layout);
      corners = written ? controlCorners(layout) : styles.corners;
      // Styles are all written before anything is measured, so that the
      // browser lays the page out once.
      for (const row of layout.controls) {
        const control = controls.get(row.name);
        if (!written) {
          Object.assign(control.box.style, styles.styles.get(row.name));
          if (row.font && control.caption && control.caption !== control.box) control.caption.style.fontSize = '';
        }
        if (row.kind === 'picture' && control.focus.width > 0) sizeCanvas(row.name);
      }
      if (!written) {
        for (const { name } of layout.buttons) Object.assign(document.getElementById(name).style, styles.styles.get(name));
      }
      if (fit) {
        ++fitting;
        fitCaptions(layout.controls);
      }
    }

    // Captions in the size the core's search finds, from their laid-out size
    // and the zoom, a probe at a time: each pass sets every caption still
    // searching, then measures them all, so that the browser lays the page out
    // once a pass.
    function* captionPasses(rows) {
      let pending = rows.filter((row) => row.font).map((row) => {
        const control = controls.get(row.name);
        return { element: control.caption || control.box, box: control.box, probe: captionSize.first(row.name, row.font.px, layout.zoom) };
      });
      while (pending.length) {
        for (const p of pending) {
          const size = `${p.probe.size}px`;
          if (p.element.style.fontSize !== size) p.element.style.fontSize = size;
        }
        pending = pending.filter((p) => !p.probe.done);
        const measured = pending.map((p) => ({ p, ...captionExtent(p.element, p.box) }));
        for (const { p, room, need } of measured) {
          // An element not laid out has no room to measure: its caption stands.
          if (room.across === 0 || room.down === 0) {
            p.probe = captionSize.next(p.probe, true, 1);
            continue;
          }
          const fits = need.across <= room.across && need.down <= room.down;
          const ratio = Math.min(room.across / Math.max(need.across, 1e-9), room.down / Math.max(need.down, 1e-9));
          p.probe = captionSize.next(p.probe, fits, ratio);
        }
        yield;
      }
    }
    let fitting = 0;  // the latest fit of every caption: one begun later ends one that waits
    function fitCaptions(rows) {
      for (const pass of captionPasses(rows)) void pass;
    }
    // The same, a pass a task, so that no one task holds the page long.
    async function fitCaptionsAside(rows) {
      const mine = ++fitting;
      for (const pass of captionPasses(rows)) {
        void pass;
        await new Promise((resolve) => setTimeout(resolve, 0));
        if (mine !== fitting) return;
      }
    }

    // One canvas pixel to one device pixel: its size in CSS pixels is its
    // pixels over the device pixel ratio, its corner moved onto a device pixel.
    function sizeCanvas(name) {
      const canvas = controls.get(name).focus;
      const ratio = window.devicePixelRatio || 1;
      const [x, y] = corners.get(name);
      canvas.style.width = `${canvas.width / ratio}px`;
      canvas.style.height = `${canvas.height / ratio}px`;
      const dx = (Math.round(x * ratio) - x * ratio) / ratio;
      const dy = (Math.round(y * ratio) - y * ratio) / ratio;
      canvas.style.transform = dx || dy ? `translate(${dx}px, ${dy}px)` : '';
    }

    function wirePushButton(button, { name, held }) {
      // The button acts on the key going down, as on the desktop; whether a
      // held key presses again is the core's to say.
      button.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' && event.key !== ' ') return;
        event.preventDefault();
        if ((event.repeat && !held.key_repeats) || event.ctrlKey || event.altKey || event.metaKey) return;
        button.classList.add('held');
        press(name, 'whole');
      });
      button.addEventListener('keyup', (event) => {
        if (event.key !== 'Enter' && event.key !== ' ') return;
        event.preventDefault();
        button.classList.remove('held');
      });
      button.addEventListener('blur', () => button.classList.remove('held'));
      button.addEventListener('click', () => press(name, 'whole'));
    }

    // A held arrow repeats as the core says: after a first wait, then steadily.
    function wireSpin(spin, { name, held: rule }) {
      let timer = 0;
      let held = null;
      const release = () => {
        clearTimeout(timer);
        if (held) held.classList.remove('held');
        held = null;
      };
      const repeat = (part, delay) => {
        if (!rule.repeats) return;
        timer = setTimeout(() => {
          press(name, part);
          repeat(part, rule.repeat_ms);
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
        press(name, down ? 'down' : 'up');
        repeat(down ? 'down' : 'up', rule.first_repeat_ms);
      });
      for (const type of ['pointerup', 'pointercancel', 'lostpointercapture', 'blur']) {
        spin.addEventListener(type, release);
      }
      spin.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        if (event.repeat && !rule.key_repeats) return;
        press(name, event.key === 'ArrowDown' ? 'down' : 'up');
      });
    }

    function wireFullScreenButton(button) {
      button.addEventListener('click', () => {
        if (document.fullscreenElement) document.exitFullscreen();
        else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen().catch(() => {});
      });
    }

    return {
      controls,
      place(newLayout, { written = false, fit = true } = {}) {
        layout = newLayout;
        for (const row of layout.controls) controls.get(row.name).row = row;
        place(written, fit);
      },
      // Every caption fitted at the zoom in force, a pass a task; settles when done.
      fitAside: () => fitCaptionsAside(layout.controls),
      setCaption(name, text) {
        const control = controls.get(name);
        if (control.box.textContent === text) return;
        control.box.textContent = text;
        fitCaptions([control.row]);
      },
      sizeCanvas,
    };
  }

  page.isExtraKey = isExtraKey;
  page.wireWindowControls = wireWindowControls;
})();

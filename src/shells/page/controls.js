// The window's controls, whose elements the page holds from its build (each
// control's outer element carries its name in data-control; the element that
// takes focus has the name as its id). Input on them becomes presses of the
// named control; nothing here decides what a press does.
'use strict';

// `press(name, down)` is called for every press.
function wireWindowControls(root, rows, press) {
  const controls = new Map();  // name -> { row, box: outer element, focus: the element that takes focus, caption }
  let layout = { zoom: 1, controls: rows };

  const boxes = new Map([...root.querySelectorAll('[data-control]')].map((box) => [box.dataset.control, box]));
  for (const row of rows) {
    const box = boxes.get(row.name);
    const focus = document.getElementById(row.name) || box;
    const caption = box.classList.contains('caption') ? box : box.querySelector(':scope > .caption');
    controls.set(row.name, { row, box, focus, caption });
    if (row.kind === 'button') wirePushButton(focus, row.name);
    if (row.kind === 'spin') wireSpin(focus, row.name);
    if (row.kind === 'option') focus.addEventListener('change', () => { if (focus.checked) press(row.name, false); });
  }
  wireFullScreenButton(document.getElementById('full_screen'));

  // Positions, sizes and fonts at the zoom in force; `written` where the
  // elements have them already (as built, at the laid-out size).
  let corners = new Map();  // name -> the box's corner in the window

  function place(written) {
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
    if (!written) Object.assign(document.getElementById('full_screen').style, styles.styles.get('full_screen'));
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
    const [x, y] = corners.get(name);
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

  function wireFullScreenButton(button) {
    button.addEventListener('click', () => {
      if (document.fullscreenElement) document.exitFullscreen();
      else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen().catch(() => {});
    });
  }

  return {
    controls,
    place(newLayout, { written = false } = {}) {
      layout = newLayout;
      for (const row of layout.controls) controls.get(row.name).row = row;
      place(written);
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

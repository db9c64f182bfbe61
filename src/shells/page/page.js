// The page's shell over the core: it wires the controls the page was built
// with, turns input into presses of the core's controls, steps a run once
// per animation frame, and copies out the core's pixels and texts. What the
// program does, draws and says is decided in the core.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { coreApi, pageTexts, wireWindowControls, wireSoundAndVoice, wirePicture, addressKeeper, frameLoop, windowRoom,
    openingAddress, wireSharePanel } = page;

  // `hooks`: what tests and measurements read; `ready()` once the first frame
  // is painted in the captions' fonts; `onLanguage(tag)` hears the language.
  // The core starts, the controls are wired, the captions fitted and the
  // first frame shown in one short task, or two where the captions' faces
  // are still to load.
  async function start(core, { hooks, ready, onLanguage }) {
    const root = document.getElementById('window');
    root.classList.replace('unplaced', 'fitting');
    const api = coreApi(core);

    // The window's inner size, which the page fills with no scroll bars: read
    // without laying the page out first, as the element sizes would be.
    const viewport = () => [window.innerWidth, window.innerHeight];
    const early = window.viewportAtStart;
    const builtLayout = JSON.parse(document.getElementById('laid_out_layout').textContent);
    const room = windowRoom(root, builtLayout.touch_room);
    // The languages the browser asks for, most wanted first; a setup's own
    // (?lang=de) comes before them, and the core chooses among them.
    const ratioAtStart = window.devicePixelRatio || 1;
    api.start(...room(early && !early.resized ? early.size : viewport()), ratioAtStart, openingAddress(),
      (navigator.languages || [navigator.language]).filter(Boolean).join(','));
    const words = JSON.parse(api.wordsJson());
    onLanguage(words.lang);
    // The page is built in one language; the core may have chosen another.
    const translated = words.lang !== document.documentElement.lang;

    // The elements are in the page as built, placed for the laid-out size;
    // the core tells whether the layout in force differs from that one.
    let layout = builtLayout;
    const laidOut = api.placedAsBuilt() !== 0;
    const builtFaces = JSON.stringify(layout.controls.map((row) => row.font && row.font.families));
    if (!laidOut || translated) layout = JSON.parse(api.layoutJson());
    // A language may set its captions in faces of its own: then their styles are written.
    const sameFaces = builtFaces === JSON.stringify(layout.controls.map((row) => row.font && row.font.families));
    // The faces this language's captions use (the page carries every
    // language's). Those the page's script loaded as it was read
    // (early_faces.js) are in by now. Captions are fitted once
    // their faces are in: measured in stand-in fonts, they would be searched
    // for nothing (the fonts' block period hides the text until then).
    const families = new Set(layout.controls.flatMap((row) => (row.font ? row.font.families : [])));
    const faces = [...document.fonts].filter((face) => families.has(face.family.replace(/^"(.*)"$/, '$1')));
    const facesIn = faces.every((face) => face.status === 'loaded');
    // Any other is loaded while the controls are wired and translated.
    const facesLoaded = Promise.all(faces.map((face) => face.load().then(() => true, () => false)));
    // The views, in the core's order of them.
    const views = layout.controls.filter((row) => row.kind === 'picture').map((row) => row.name);
    const texts = pageTexts(root);
    // Another language than the page was built in, or an address with a
    // setup: the controls say what the core says now.
    const startTexts = translated || new URL(openingAddress()).search.length > 1 ? JSON.parse(api.readingsJson()) : null;
    if (translated) texts.translate(layout, startTexts, words);
    const ui = wireWindowControls(root, layout.controls, press, api.captionSize);
    texts.useControls(ui);
    if (startTexts) {
      if (!translated) texts.showTexts(startTexts);
      for (const name of startTexts.chosen) ui.controls.get(name).focus.checked = true;
    }
    ui.place(layout, { written: translated || (laidOut && sameFaces), fit: facesIn });
    // What the address asked for that was not taken is named in a notice.
    const refused = JSON.parse(api.setupRefused());
    if (refused.length) texts.showRefused(refused);

    const keepAddress = addressKeeper(api);
    const frames = frameLoop(api, {
      show,
      beforeFrame: () => tellSoundOutput(),
      onInterval: (ms) => display.add(ms),
      onFirstFrame() {
        hooks.firstFrameAt = performance.now();
        // A message posted now is taken once the browser has drawn this frame.
        const afterDrawing = new MessageChannel();
        afterDrawing.port1.onmessage = () => {
          hooks.firstFrameDrawnAt = performance.now();
          watchRatio();
          if ((window.devicePixelRatio || 1) !== ratioAtStart) refit();
          drawnInFonts();
        };
        afterDrawing.port2.postMessage(null);
      },
    });

    function press(name, part) {
      tellSoundOutput();
      if (api.press(name, layout.parts[part])) frames.pressDrewFrame();
      show();
      frames.request();
    }

    // The page's buttons' words and keys, the core's.
    const buttonWords = (name) => words.buttons.find((button) => button.name === name);
    const picture = wirePicture(api, buttonWords('picture_button').key, () => show());
    // The sound and the voice, off unless the address turns them on.
    const keys = { sound: buttonWords('sound_button').key, voice: buttonWords('voice_button').key };
    const ears = wireSoundAndVoice(api, keys, layout.switches, () => show());
    const { display, tellSoundOutput } = ears;

    // What the core has changed: the layout, the views' pixels, the texts,
    // the sound. Returns the changes.
    function show() {
      const changes = JSON.parse(api.takeChanges());
      frames.noteChanges(changes);
      ears.hear(changes);
      if (changes.layout) {
        layout = JSON.parse(api.layoutJson());
        ui.place(layout);
      }
      views.forEach(copyView);
      texts.showTexts(changes);
      if (!api.busy()) keepAddress();
      return changes;
    }

    function copyView(name, index) {
      const { pixels, width, height, x0, y0, x1, y1 } = api.view(index);
      const canvas = ui.controls.get(name).focus;
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        ui.sizeCanvas(name);
      }
      if (x1 <= x0 || y1 <= y0) return;
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0, x0, y0, x1 - x0, y1 - y0);
    }

    document.addEventListener('focusin', () => api.focusMoved());

    // A new viewport or device pixel ratio: the core fits the layout and
    // draws the views anew at the new resolution.
    function refit() {
      api.refit(...room(viewport()), window.devicePixelRatio || 1);
      frames.request();
    }
    window.addEventListener('resize', refit);
    // Watched from the first frame on (the query costs the start a
    // millisecond or two); a ratio changed before then is read as the page refits.
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        refit();
        watchRatio();
      }, { once: true });
    };

    wireSharePanel({ button: document.getElementById('share_button'), words, ...buttonWords('share_button'),
      setupQuery: () => api.setupQuery(), fileName: () => api.lessonFileName() });
    Object.assign(hooks, {
      busy: () => api.busy() !== 0,
      framesShown: frames.framesShown,
      frameTimes: frames.frameTimes,
      zoom: () => layout.zoom,
      sound: ears.hooks,
      picture: () => picture.png().then((png) => png.arrayBuffer()).then((bytes) => Array.from(new Uint8Array(bytes))),
    });
    // Ready means drawn, with the captions fitted in their own fonts: where
    // the fonts were not in before the first frame, they are fitted again
    // once they are, and the page is ready once a frame with them is
    // painted (until then, font-display: block hides them).
    let fittedInFonts = false;
    function drawnInFonts() {
      facesLoaded.then(() => {
        if (fittedInFonts) return undefined;
        ui.place(layout, { written: true, fit: false });
        return ui.fitAside();
      }).then(() => {
        requestAnimationFrame(() => {
          const painted = new MessageChannel();
          painted.port1.onmessage = () => ready();
          painted.port2.postMessage(null);
        });
      });
    }
    // Otherwise the captions are fitted once the faces are in; then the
    // first frame: the views (the texts at start-up are in the page as built).
    fittedInFonts = facesIn;
    if (!facesIn) {
      fittedInFonts = (await facesLoaded).every(Boolean);
      ui.place(layout, { written: true, fit: true });
    }
    api.takeChanges();
    views.forEach((name, index) => copyView(name, index));
    root.classList.remove('fitting');
    frames.request();
  }

  page.start = start;
})();

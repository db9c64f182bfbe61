// The page's shell over the core: it wires the controls the page was built
// with, turns input into presses of the core's controls, steps a run once
// per animation frame, and copies out the core's pixels and texts. What the
// program does, draws and says is decided in the core.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  const { coreApi, pageTexts, wireWindowControls, wireSoundAndVoice, wirePicture, addressKeeper, frameLoop } = page;

  // `hooks`: what tests and measurements read; `ready()` once the first frame
  // is painted in the captions' fonts; `onLanguage(tag)` hears the language.
  function start(core, { hooks, ready, onLanguage }) {
    const root = document.getElementById('window');
    const api = coreApi(core);

    // The window's inner size, which the page fills with no scroll bars: read
    // without laying the page out first, as the element sizes would be.
    const viewport = () => [window.innerWidth, window.innerHeight];
    const early = window.viewportAtStart;
    // The languages the browser asks for, most wanted first; a setup's own
    // (?lang=de) comes before them, and the core chooses among them.
    api.start(...(early && !early.resized ? early.size : viewport()), window.devicePixelRatio || 1, location.href,
      (navigator.languages || [navigator.language]).filter(Boolean).join(','));
    const words = JSON.parse(api.wordsJson());
    onLanguage(words.lang);
    // The page is built in one language; the core may have chosen another.
    const translated = words.lang !== document.documentElement.lang;

    // The elements are in the page as built, placed for the laid-out size;
    // the core tells whether the layout in force differs from that one.
    let layout = JSON.parse(document.getElementById('laid_out_layout').textContent);
    const laidOut = api.placedAsBuilt() !== 0;
    const builtFaces = JSON.stringify(layout.controls.map((row) => row.font && row.font.families));
    if (!laidOut || translated) layout = JSON.parse(api.layoutJson());
    // A language may set its captions in faces of its own: then their styles are written.
    const sameFaces = builtFaces === JSON.stringify(layout.controls.map((row) => row.font && row.font.families));
    // The views, in the core's order of them.
    const views = layout.controls.filter((row) => row.kind === 'picture').map((row) => row.name);
    const texts = pageTexts(root);
    // Another language than the page was built in, or an address with a
    // setup: the controls say what the core says now.
    const startTexts = translated || location.search.length > 1 ? JSON.parse(api.readingsJson()) : null;
    if (translated) texts.translate(layout, startTexts, words);
    const ui = wireWindowControls(root, layout.controls, press, api.captionSize);
    texts.useControls(ui);
    if (startTexts) {
      if (!translated) texts.showTexts(startTexts);
      for (const name of startTexts.chosen) ui.controls.get(name).focus.checked = true;
    }
    // Captions in another language are fitted once the fonts are in (below):
    // measured now, in stand-in fonts, they would be searched for nothing, at
    // the cost of the first frame; the fonts' block period hides the text
    // until they are in.
    ui.place(layout, { written: translated || (laidOut && sameFaces), fit: !translated });
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

    const picture = wirePicture(api, () => show());
    // The sound and the voice, off unless the address turns them on.
    const ears = wireSoundAndVoice(api, words.keys, layout.switches, () => show());
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
      api.refit(...viewport(), window.devicePixelRatio || 1);
      frames.request();
    }
    window.addEventListener('resize', refit);
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        refit();
        watchRatio();
      }, { once: true });
    };
    watchRatio();

    Object.assign(hooks, {
      busy: () => api.busy() !== 0,
      framesShown: frames.framesShown,
      frameTimes: frames.frameTimes,
      zoom: () => layout.zoom,
      sound: ears.hooks,
      picture: () => picture.png().then((png) => png.arrayBuffer()).then((bytes) => Array.from(new Uint8Array(bytes))),
    });
    // Ready means drawn. The browser asks for the embedded fonts as it lays
    // the captions out, so only once the first frame is drawn does
    // document.fonts.ready wait for them; then the captions are measured
    // again in their fonts, and the page is ready once a frame with them
    // is painted (until then, font-display: block hides them).
    function drawnInFonts() {
      document.fonts.ready.then(() => {
        ui.place(layout, { written: true });
        requestAnimationFrame(() => {
          const painted = new MessageChannel();
          painted.port1.onmessage = () => ready();
          painted.port2.postMessage(null);
        });
      });
    }
    // The first frame: the views; the texts at start-up are in the page as built.
    api.takeChanges();
    views.forEach((name, index) => copyView(name, index));
    root.classList.remove('unplaced');
    frames.request();
  }

  page.start = start;
})();

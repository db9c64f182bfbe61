// The page's shell over the core: it wires the controls the page was built
// with, turns input into presses of the core's controls, steps a run once
// per animation frame, and copies out the core's pixels and texts. What the
// program does, draws and says is decided in the core.
'use strict';

(() => {
  const root = document.getElementById('window');
  const liveRegion = document.getElementById('announcements');

  // A browser that cannot run the page's WebAssembly. The notice stands in
  // the page in every language, since no core runs to choose one.
  function refuse(reason) {
    const notice = document.getElementById('no_webassembly');
    if (reason) notice.append(Object.assign(document.createElement('p'), { textContent: `(${reason})` }));
    notice.hidden = false;
  }

  // Any other failure as the page starts says that it could not start, in
  // the language the core chose where it got that far (else in every
  // language), and leaves its cause in the console for whoever looks.
  let chosenLanguage;
  function couldNotStart(error) {
    console.error('angular-frequency: the page could not start:', error);
    const notice = document.getElementById('could_not_start');
    const own = [...notice.children].filter((p) => p.lang === chosenLanguage);
    if (own.length) for (const p of notice.children) p.hidden = !own.includes(p);
    notice.hidden = false;
  }
  const failed = (error) => {
    if (error instanceof WebAssembly.CompileError || error instanceof WebAssembly.LinkError) {
      console.error('angular-frequency: this browser cannot run the page\'s WebAssembly:', error);
      refuse(String(error.message || error));
    } else {
      couldNotStart(error);
    }
  };

  if (typeof WebAssembly !== 'object' || typeof createCore !== 'function') {
    refuse();
    return;
  }

  // The core's WebAssembly, kept in the page as base64.
  function coreBinary() {
    const text = document.getElementById('core_wasm').textContent;
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const bytes = atob(text);
    const binary = new Uint8Array(bytes.length);
    for (let k = 0; k < bytes.length; ++k) binary[k] = bytes.charCodeAt(k);
    return binary;
  }

  // For tests and measurements: `ready` settles once the first frame is drawn.
  let resolveReady;
  const hooks = { ready: new Promise((resolve) => { resolveReady = resolve; }), firstFrameAt: undefined, firstFrameDrawnAt: undefined };
  window.angularFrequency = hooks;

  // The core compiles while the browser paints the page as built; then it
  // starts, the controls are wired, the first frame is shown and the
  // captions are fitted, each in tasks of their own, so that no one task
  // holds the page long.
  const begin = (core) => start(core).catch(failed);
  const nextTask = () => new Promise((resolve) => setTimeout(resolve, 0));
  let core;
  try {
    core = createCore({ wasmBinary: coreBinary() });
  } catch (error) {
    failed(error);
    return;
  }
  if (typeof core.then === 'function') core.then(begin, failed);
  else begin(core);

  async function start(core) {
    const api = {
      start: core.cwrap('af_start', null, ['number', 'number', 'number', 'string', 'string']),
      wordsJson: core.cwrap('af_words_json', 'string', []),
      readingsJson: core.cwrap('af_readings_json', 'string', []),
      press: core.cwrap('af_press', 'number', ['string', 'number']),
      frameDue: core.cwrap('af_frame_due', null, ['number']),
      focusMoved: core.cwrap('af_focus_moved', null, []),
      refit: core.cwrap('af_refit', null, ['number', 'number', 'number']),
      busy: core.cwrap('af_busy', 'number', []),
      placedAsBuilt: core.cwrap('af_placed_as_built', 'number', []),
      layoutJson: core.cwrap('af_layout_json', 'string', []),
      takeChanges: core.cwrap('af_take_changes', 'string', []),
      viewPixels: core.cwrap('af_view_pixels', 'number', ['number']),
      setupRefused: core.cwrap('af_setup_refused', 'string', []),
      setupQuery: core.cwrap('af_setup_query', 'string', []),
      viewsPicture: core.cwrap('af_views_picture', 'number', []),
      pictureFileName: core.cwrap('af_picture_file_name', 'string', []),
      pictureTaken: core.cwrap('af_picture_taken', null, ['number']),
      lessonFileName: core.cwrap('af_lesson_file_name', 'string', []),
      captionFirst: core.cwrap('af_caption_first', 'number', ['string', 'number', 'number']),
      captionNext: core.cwrap('af_caption_next', 'number', ['number', 'number', 'number', 'number', 'number', 'number']),
      sound: core.cwrap('af_sound', 'number', []),
      soundOutput: core.cwrap('af_sound_output', null, ['number', 'number']),
      toggle: core.cwrap('af_toggle', null, ['number']),
      isOn: core.cwrap('af_is_on', 'number', ['number']),
      missing: core.cwrap('af_missing', null, ['number']),
    };
    const parts = { whole: 0, up: 1, down: 2 };
    // The core's caption sizing search: a probe is its stage, size, low and high, and whether it is done.
    const readProbe = (at) => {
      const [stage, size, low, high, done] = core.HEAPF64.subarray(at >> 3, (at >> 3) + 5);
      return { stage, size, low, high, done: done !== 0 };
    };
    const captionSize = {
      first: (name, px, zoom) => readProbe(api.captionFirst(name, px, zoom)),
      next: (probe, fits, roomOverNeed) =>
        readProbe(api.captionNext(probe.stage, probe.size, probe.low, probe.high, fits ? 1 : 0, roomOverNeed)),
    };

    // The window's inner size, which the page fills with no scroll bars: read
    // without laying the page out first, as the element sizes would be.
    const viewport = () => [window.innerWidth, window.innerHeight];
    const early = window.viewportAtStart;
    const builtLayout = document.getElementById('laid_out_layout').textContent;
    const room = windowRoom(root, JSON.parse(builtLayout).touch_room);
    // The languages the browser asks for, most wanted first; a setup's own
    // (?lang=de) comes before them, and the core chooses among them.
    api.start(...room(early && !early.resized ? early.size : viewport()), window.devicePixelRatio || 1, openingAddress(),
      (navigator.languages || [navigator.language]).filter(Boolean).join(','));
    const words = JSON.parse(api.wordsJson());
    chosenLanguage = words.lang;
    // The page is built in one language; the core may have chosen another.
    const translated = words.lang !== document.documentElement.lang;

    // The elements are in the page as built, placed for the laid-out size;
    // the core tells whether the layout in force differs from that one.
    let layout = JSON.parse(builtLayout);
    const laidOut = api.placedAsBuilt() !== 0;
    if (!laidOut || translated) layout = JSON.parse(api.layoutJson());
    // The views, in the core's order of them.
    const views = layout.controls.filter((row) => row.kind === 'picture').map((row) => row.name);
    await nextTask();
    const ui = wireWindowControls(root, layout.controls, press, captionSize);
    // Another language than the page was built in, or an address with a
    // setup: the controls say what the core says now.
    if (translated || new URL(openingAddress()).search.length > 1) {
      const texts = JSON.parse(api.readingsJson());
      if (translated) {
        ui.setTexts(layout.controls, texts.captions);
        showWords(words);
        showReadings(texts);
      } else {
        showTexts(texts);
      }
      for (const name of texts.chosen) ui.controls.get(name).focus.checked = true;
    }
    // Captions are fitted once the fonts are in (below): measured now, in
    // stand-in fonts, they would be searched for nothing; the fonts' block
    // period hides the text until they are in.
    ui.place(layout, { written: laidOut, fit: false });
    // What the address asked for that was not taken is named in a notice.
    const refused = JSON.parse(api.setupRefused());
    if (refused.length) showRefused(refused);

    // Frames: each animation frame puts at most one new frame of a run on show.
    let frameRequested = false;
    let frameOnShowUnseen = false;  // a press drew a run's first frame; it has not been shown yet
    let framesShown = 0;
    let framesDrawn = 0;  // drawn since the last animation frame
    let runShownAt = 0;  // the animation frame's time at which the run's first frame was shown
    let runBegan = false;  // a run's first frame is drawn, to be shown in this animation frame or the next
    const frameTimes = [];
    let lastFrameTime;

    function requestFrame() {
      if (frameRequested) return;
      frameRequested = true;
      requestAnimationFrame(onAnimationFrame);
    }

    function onAnimationFrame(time) {
      frameRequested = false;
      // A browser that falls behind may call back twice for one frame; the
      // frame on show keeps its place until a new one begins.
      if (time === lastFrameTime) {
        requestFrame();
        return;
      }
      if (lastFrameTime !== undefined) display.add(time - lastFrameTime);
      lastFrameTime = time;
      tellSoundOutput();
      if (frameOnShowUnseen) frameOnShowUnseen = false;
      else api.frameDue((time - runShownAt) / 1000);
      show();
      if (runBegan) {
        runBegan = false;
        runShownAt = time;
      }
      if (framesDrawn) {
        framesShown += framesDrawn;
        framesDrawn = 0;
        frameTimes.push(time);
      }
      if (hooks.firstFrameAt === undefined) {
        hooks.firstFrameAt = performance.now();
        // A message posted now is taken once the browser has drawn this frame.
        const afterDrawing = new MessageChannel();
        afterDrawing.port1.onmessage = () => {
          hooks.firstFrameDrawnAt = performance.now();
          resolveReady();
        };
        afterDrawing.port2.postMessage(null);
      }
      if (api.busy()) requestFrame();
    }

    function press(name, part) {
      tellSoundOutput();
      if (api.press(name, parts[part])) frameOnShowUnseen = true;
      show();
      requestFrame();
    }

    function showRefused(sentences) {
      const notice = document.getElementById('setup_notice');
      const list = notice.querySelector('ul');
      for (const sentence of sentences) {
        const item = document.createElement('li');
        item.textContent = sentence;
        list.append(item);
      }
      notice.querySelector('button').addEventListener('click', () => { notice.hidden = true; });
      notice.hidden = false;
    }

    // The address says the setup as it stands, so that copying it copies the
    // setup; one history entry, replaced, however many the changes.
    let addressQuery = location.search.slice(1);
    function keepAddress() {
      const query = api.setupQuery();
      if (query === addressQuery) return;
      addressQuery = query;
      try {
        history.replaceState(history.state, '', `${location.pathname}${query ? `?${query}` : ''}${location.hash}`);
      } catch {
        // Some browsers keep a page opened from a file at its address.
      }
    }

    // A picture of the three views as laid out, as a PNG: downloaded from the
    // picture button or Ctrl+S, copied with Ctrl+C where the browser allows.
    function picturePng() {
      const at = api.viewsPicture() >> 2;
      const [address, width, height] = core.HEAP32.subarray(at, at + 3);
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      const pixels = new Uint8ClampedArray(core.HEAPU8.buffer, address, width * height * 4).slice();
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
      return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    }
    function savePicture() {
      const name = api.pictureFileName();
      picturePng().then((png) => {
        if (!png) return;
        const link = document.createElement('a');
        link.download = name;
        link.href = URL.createObjectURL(png);
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        api.pictureTaken(1);
        show();
      });
    }
    function copyPicture() {
      if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem !== 'function') return false;
      navigator.clipboard.write([new ClipboardItem({ 'image/png': picturePng() })]).then(() => {
        api.pictureTaken(0);
        show();
      }, () => {});
      return true;
    }
    document.getElementById('picture_button').addEventListener('click', savePicture);
    const buttonWords = (name) => words.buttons.find((button) => button.name === name);
    document.addEventListener('keydown', (event) => {
      if (isExtraKey(event, buttonWords('picture_button').key)) {
        event.preventDefault();
        savePicture();
      } else if (isExtraKey(event, 'Ctrl+C') && !String(getSelection())) {
        if (copyPicture()) event.preventDefault();
      }
    });

    // The sound and the voice, off unless the address turns them on.
    const ears = wireSoundAndVoice(core, api, [buttonWords('sound_button').key, buttonWords('voice_button').key], () => show());
    const { display, tellSoundOutput } = ears;

    // What the core has changed: the layout, the views' pixels, the texts,
    // the sound. Returns the changes.
    function show() {
      const changes = JSON.parse(api.takeChanges());
      if (changes.run_began) runBegan = true;
      ears.hear(changes);
      if (changes.layout) {
        layout = JSON.parse(api.layoutJson());
        ui.place(layout);
      }
      views.forEach(copyView);
      showTexts(changes);
      framesDrawn += changes.frames;
      if (!api.busy()) keepAddress();
      return changes;
    }

    function copyView(name, index) {
      const at = api.viewPixels(index) >> 2;
      const heap = core.HEAP32;
      const [address, width, height, x0, y0, x1, y1] = heap.subarray(at, at + 7);
      const canvas = ui.controls.get(name).focus;
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        ui.sizeCanvas(name);
      }
      if (x1 <= x0 || y1 <= y0) return;
      const pixels = new Uint8ClampedArray(core.HEAPU8.buffer, address, width * height * 4);
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0, x0, y0, x1 - x0, y1 - y0);
    }

    function showTexts(texts) {
      for (const [name, caption] of Object.entries(texts.captions)) {
        ui.setCaption(name, caption);
      }
      showReadings(texts);
      for (const sentence of texts.said || []) say(sentence);
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

    // The page's own words, and its language, from which a screen reader
    // picks its voice.
    function showWords(words) {
      document.documentElement.lang = words.lang;
      document.title = words.title;
      root.setAttribute('aria-label', words.title);
      for (const { name, label, tooltip } of words.buttons) {
        const button = document.getElementById(name);
        button.setAttribute('aria-label', label);
        button.title = tooltip;
      }
      document.getElementById('sound_notice').querySelector('button').setAttribute('aria-label', words.close);
      const notice = document.getElementById('setup_notice');
      notice.querySelector('p').textContent = words.setup_refused;
      notice.querySelector('button').setAttribute('aria-label', words.close);
    }

    function say(sentence) {
      const line = document.createElement('p');
      line.textContent = sentence;
      liveRegion.append(line);
      while (liveRegion.childElementCount > 4) liveRegion.firstElementChild.remove();
    }

    document.addEventListener('focusin', () => api.focusMoved());

    // A new viewport or device pixel ratio: the core fits the layout and
    // draws the views anew at the new resolution.
    function refit() {
      api.refit(...room(viewport()), window.devicePixelRatio || 1);
      requestFrame();
    }
    window.addEventListener('resize', refit);
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        refit();
        watchRatio();
      }, { once: true });
    };
    watchRatio();

    wireSharePanel({ button: document.getElementById('share_button'), words, ...buttonWords('share_button'),
      setupQuery: () => api.setupQuery(), fileName: () => api.lessonFileName() });
    Object.assign(hooks, {
      busy: () => api.busy() !== 0,
      framesShown: () => framesShown,
      frameTimes: () => frameTimes.slice(),
      zoom: () => layout.zoom,
      sound: ears.hooks,
      picture: () => picturePng().then((png) => png.arrayBuffer()).then((bytes) => Array.from(new Uint8Array(bytes))),
    });
    // Ready means drawn, with the captions fitted in their own fonts: where
    // the fonts were not in before the first frame, they are fitted again
    // once they are, and the page is ready once a frame with them is
    // painted (until then, font-display: block hides them).
    let fittedInFonts = false;
    const firstFrameDrawn = resolveReady;
    resolveReady = () => document.fonts.ready.then(() => {
      if (fittedInFonts) return undefined;
      ui.place(layout, { written: true, fit: false });
      return ui.fitAside();
    }).then(() => {
      requestAnimationFrame(() => {
        const painted = new MessageChannel();
        painted.port1.onmessage = () => firstFrameDrawn();
        painted.port2.postMessage(null);
      });
    });
    // The captions fitted in their fonts (all in the page; loaded here, as
    // the browser would load a face only once some text on show needs it);
    // then the first frame: the views (the texts at start-up are in the
    // page as built).
    const faces = await Promise.all([...document.fonts].map((face) => face.load().then(() => true, () => false)));
    fittedInFonts = faces.every(Boolean);
    await ui.fitAside();
    await nextTask();
    api.takeChanges();
    views.forEach((name, index) => copyView(name, index));
    root.classList.remove('unplaced');
    requestFrame();
  }
})();

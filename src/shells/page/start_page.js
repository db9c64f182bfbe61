// The page's start: it refuses a browser that cannot run the core, compiles
// the core from the page, and starts the shell; any failure on the way says
// so in the page.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});

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
  function failed(error) {
    if (error instanceof WebAssembly.CompileError || error instanceof WebAssembly.LinkError) {
      console.error('angular-frequency: this browser cannot run the page\'s WebAssembly:', error);
      refuse(String(error.message || error));
    } else {
      couldNotStart(error);
    }
  }

  // The core's WebAssembly, kept in the page compressed, as base64: the
  // browser's own decompression gives it back.
  function coreBinary() {
    const text = document.getElementById('core_wasm').textContent;
    let packed;
    if (Uint8Array.fromBase64) {
      packed = Uint8Array.fromBase64(text);
    } else {
      const bytes = atob(text);
      packed = new Uint8Array(bytes.length);
      for (let k = 0; k < bytes.length; ++k) packed[k] = bytes.charCodeAt(k);
    }
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Response(stream).arrayBuffer().then((buffer) => new Uint8Array(buffer));
  }

  if (typeof WebAssembly !== 'object' || typeof createCore !== 'function') {
    refuse();
    return;
  }
  if (typeof DecompressionStream !== 'function') {
    refuse('DecompressionStream');
    return;
  }
  // For tests and measurements: `ready` settles once the first frame is drawn.
  let ready;
  const hooks = { ready: new Promise((resolve) => { ready = resolve; }), firstFrameAt: undefined, firstFrameDrawnAt: undefined };
  window.angularFrequency = hooks;

  // Once unpacked, the core compiles while the browser paints the page as
  // built; then the shell starts.
  const begin = (core) => page.start(core, { hooks, ready, onLanguage: (tag) => { chosenLanguage = tag; } }).catch(failed);
  coreBinary().then((wasmBinary) => {
    const core = createCore({ wasmBinary });
    if (typeof core.then === 'function') core.then(begin, failed);
    else begin(core);
  }).catch(failed);
})();

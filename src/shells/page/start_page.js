// The page's start: it refuses a browser that cannot run the core,
// instantiates the core compiled while the page was read, and starts the
// shell; any failure on the way says so in the page.
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

  if (typeof WebAssembly !== 'object' || typeof createCore !== 'function') {
    refuse();
    return;
  }
  // unpack_core.js starts nothing without the browser's decompressor.
  if (!page.compiledCore) {
    refuse('DecompressionStream');
    return;
  }
  // For tests and measurements: `ready` settles once the first frame is drawn.
  let ready;
  const hooks = { ready: new Promise((resolve) => { ready = resolve; }), firstFrameAt: undefined, firstFrameDrawnAt: undefined };
  window.angularFrequency = hooks;

  // The core, compiled while the page was read (unpack_core.js), is
  // instantiated with the imports the core's glue asks for; then the shell starts.
  const begin = (core) => page.start(core, { hooks, ready, onLanguage: (tag) => { chosenLanguage = tag; } }).catch(failed);
  const core = createCore({
    instantiateWasm(imports, receive) {
      page.compiledCore.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
        .catch(failed);
      return {};
    },
  });
  if (typeof core.then === 'function') core.then(begin, failed);
  else begin(core);
})();

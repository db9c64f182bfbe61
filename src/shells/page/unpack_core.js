// The core's WebAssembly, kept in the page compressed, as base64, is
// unpacked and compiled as soon as the parser has read it: the browser
// compiles it on threads of its own while the main thread reads the
// page's scripts and lays the page out. The page's start takes the
// compiled core from here (or the failure, which it reports).
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') return;

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
    // Written straight into the decompressor: a Blob's stream would go
    // through the browser's blob store and back, tasks later.
    const unpacking = new DecompressionStream('gzip');
    const writer = unpacking.writable.getWriter();
    // A fault in the data comes out of the reading side; the writer's own
    // promises would only repeat it.
    writer.write(packed).catch(() => {});
    writer.close().catch(() => {});
    return gathered(unpacking.readable.getReader());
  }

  // The stream's chunks in one buffer, read as each comes out: a Response
  // over the stream would gather them too, but tasks later (about 20 ms here).
  async function gathered(reader) {
    const chunks = [];
    let length = 0;
    for (let read = await reader.read(); !read.done; read = await reader.read()) {
      chunks.push(read.value);
      length += read.value.length;
    }
    const whole = new Uint8Array(length);
    let at = 0;
    for (const chunk of chunks) {
      whole.set(chunk, at);
      at += chunk.length;
    }
    return whole;
  }

  page.compiledCore = Promise.resolve().then(coreBinary).then((binary) => WebAssembly.compile(binary));
  // Taken by the page's start; until then a failure is not an unhandled one.
  page.compiledCore.catch(() => {});
})();

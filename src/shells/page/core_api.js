// The core's calls as the page makes them, and the records it hands back
// (a caption probe, a view's pixels, the picture, the samples) read out of
// its memory.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});

  function coreApi(core) {
    // A call that returns text, read with the browser's decoder: the glue's
    // own reader walks the text a byte at a time in script, which a layout's
    // JSON feels while the page starts.
    const decoder = new TextDecoder();
    const textCall = (name) => {
      const call = core.cwrap(name, 'number', []);
      return () => {
        const at = call();
        return decoder.decode(core.HEAPU8.subarray(at, core.HEAPU8.indexOf(0, at)));
      };
    };
    const api = {
      start: core.cwrap('af_start', null, ['number', 'number', 'number', 'string', 'string']),
      wordsJson: textCall('af_words_json'),
      readingsJson: textCall('af_readings_json'),
      press: core.cwrap('af_press', 'number', ['string', 'number']),
      frameDue: core.cwrap('af_frame_due', null, ['number']),
      focusMoved: core.cwrap('af_focus_moved', null, []),
      refit: core.cwrap('af_refit', null, ['number', 'number', 'number']),
      busy: core.cwrap('af_busy', 'number', []),
      placedAsBuilt: core.cwrap('af_placed_as_built', 'number', []),
      layoutJson: textCall('af_layout_json'),
      takeChanges: textCall('af_take_changes'),
      viewPixels: core.cwrap('af_view_pixels', 'number', ['number']),
      setupRefused: textCall('af_setup_refused'),
      setupQuery: textCall('af_setup_query'),
      viewsPicture: core.cwrap('af_views_picture', 'number', []),
      pictureFileName: textCall('af_picture_file_name'),
      pictureTaken: core.cwrap('af_picture_taken', null, ['number']),
      lessonFileName: textCall('af_lesson_file_name'),
      captionFirst: core.cwrap('af_caption_first', 'number', ['string', 'number', 'number']),
      captionNext: core.cwrap('af_caption_next', 'number', ['number', 'number', 'number', 'number', 'number', 'number']),
      sound: core.cwrap('af_sound', 'number', []),
      soundOutput: core.cwrap('af_sound_output', null, ['number', 'number']),
      toggle: core.cwrap('af_toggle', null, ['number']),
      isOn: core.cwrap('af_is_on', 'number', ['number']),
      missing: core.cwrap('af_missing', null, ['number']),
    };
    const int32s = (at, count) => core.HEAP32.subarray(at >> 2, (at >> 2) + count);

    // The caption sizing search: a probe is its stage, size, low and high,
    // and whether it is done; the stage goes back to the core as it came.
    const readProbe = (at) => {
      const [stage, size, low, high, done] = core.HEAPF64.subarray(at >> 3, (at >> 3) + 5);
      return { stage, size, low, high, done: done !== 0 };
    };
    api.captionSize = {
      first: (name, px, zoom) => readProbe(api.captionFirst(name, px, zoom)),
      next: (probe, fits, roomOverNeed) =>
        readProbe(api.captionNext(probe.stage, probe.size, probe.low, probe.high, fits ? 1 : 0, roomOverNeed)),
    };
    // A view's pixels (valid until the core draws again) and the rectangle they changed in.
    api.view = (index) => {
      const [address, width, height, x0, y0, x1, y1] = int32s(api.viewPixels(index), 7);
      return { pixels: new Uint8ClampedArray(core.HEAPU8.buffer, address, width * height * 4), width, height, x0, y0, x1, y1 };
    };
    // The three views as laid out, copied out of the core's memory.
    api.picture = () => {
      const [address, width, height] = int32s(api.viewsPicture(), 3);
      return { pixels: new Uint8ClampedArray(core.HEAPU8.buffer, address, width * height * 4).slice(), width, height };
    };
    // The samples of the last changes, 16-bit stereo.
    api.samples = () => {
      const [address, count] = int32s(api.sound(), 2);
      return new Int16Array(core.HEAPU8.buffer, address, count);
    };
    return api;
  }

  page.coreApi = coreApi;
})();

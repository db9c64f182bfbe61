// What a spin control tells assistive technology, from the core's reading of
// it; the build writes these attributes and the page keeps them up to date.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  // Attribute name -> value; null where the attribute must be absent (the time
  // has no upper bound, so no aria-valuemax).
  function spinReadingAttributes(reading) {
    return {
      'aria-label': reading.name,
      'aria-valuenow': reading.value,
      'aria-valuetext': reading.text,
      'aria-valuemin': reading.min,
      'aria-valuemax': reading.max,
    };
  }

  page.spinReadingAttributes = spinReadingAttributes;
})();

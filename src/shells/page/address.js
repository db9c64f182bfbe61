// The address says the setup as it stands, so that copying it copies the
// setup; one history entry, replaced, however many the changes.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});

  function addressKeeper(api) {
    let query = location.search.slice(1);
    return function keepAddress() {
      const now = api.setupQuery();
      if (now === query) return;
      query = now;
      try {
        history.replaceState(history.state, '', `${location.pathname}${now ? `?${now}` : ''}${location.hash}`);
      } catch {
        // Some browsers keep a page opened from a file at its address.
      }
    };
  }

  page.addressKeeper = addressKeeper;
})();

// Ready means drawn: when the page says it is ready, its embedded fonts are
// in and every caption and button label is laid out in them (the fonts are
// declared with font-display: block, so a caption whose font is still on its
// way is invisible).
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, waitFor, laidOut } from './page.mjs';

// In the page: what is wrong with the captions now.
function captionFaults() {
  const faults = [];
  if (document.fonts.status !== 'loaded') faults.push(`document.fonts ${document.fonts.status}`);
  const captions = [...document.querySelectorAll('.caption')];
  for (const element of captions) {
    const name = element.id || element.dataset.control;
    const text = [...element.childNodes].find((n) => n.nodeType === Node.TEXT_NODE && n.data.trim());
    if (!text) {
      faults.push(`${name}: no text`);
      continue;
    }
    const style = getComputedStyle(element);
    if (!document.fonts.check(`${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`, text.data)) {
      faults.push(`${name}: "${text.data}" in a font not yet loaded (${style.fontFamily})`);
    }
    const range = document.createRange();
    range.selectNodeContents(text);
    const box = range.getBoundingClientRect();
    if (!(box.width > 0 && box.height > 0) || style.visibility !== 'visible') faults.push(`${name}: "${text.data}" not shown`);
  }
  if (captions.length < 20) faults.push(`only ${captions.length} captions`);
  return faults;
}

// Before the page's script: notes the captions' faults in the same task in
// which the page's `ready` settles.
const atReady = `Object.defineProperty(window, 'angularFrequency', {
  configurable: true,
  set(hooks) {
    Object.defineProperty(window, 'angularFrequency', { value: hooks, writable: true, configurable: true });
    hooks.ready.then(() => { window.faultsAtReady = (${captionFaults})(); });
  },
});`;

for (const engine of engines()) {
  describe(`ready in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    // WebDriver classic runs no script before the page's own: there the
    // captions are read as soon as the test sees the page ready.
    const early = engine !== 'webkit';
    for (const [width, height] of [laidOut, [1000, 400], [500, 260]]) {
      test(`at ${width}x${height}: fonts loaded and captions shown at ready`, async () => {
        const session = await open(browser, { width, height, initScript: early ? atReady : undefined });
        const faults = early ? await waitFor(session, () => window.faultsAtReady) : await session.evaluate(captionFaults);
        await close(session);
        assert.deepEqual(faults, []);
      });
    }
  });
}

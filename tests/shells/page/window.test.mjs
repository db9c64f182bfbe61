// The page in odd surroundings: no network, tiny and huge viewports, a
// resize, a browser without WebAssembly.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { engines, launch, open, close, idle, act, framesShown, pause, waitFor, layoutRows, laidOut, twipsToPx, pagePath } from './page.mjs';
import { catalogue } from './po.mjs';

const views = ['circle_view', 'wave_view_1', 'wave_view_2'];
// Each view's size in layout pixels, from its row.
const viewSizes = views.map((id) => layoutRows.controls.find((row) => row.name === id).twips.slice(2).map(twipsToPx));

// Each view's canvas: its pixel size, its CSS size and how many pixels are
// not the first one's colour (a drawn view has axes, at least).
const canvases = (session) => session.evaluate((views) => views.map((id) => {
  const e = document.getElementById(id);
  const canvas = e.tagName === 'CANVAS' ? e : e.querySelector('canvas');
  const r = canvas.getBoundingClientRect();
  let drawn = 0;
  if (canvas.width && canvas.height) {
    const copy = Object.assign(document.createElement('canvas'), { width: canvas.width, height: canvas.height });
    const g = copy.getContext('2d');
    g.drawImage(canvas, 0, 0);
    const d = new Uint32Array(g.getImageData(0, 0, canvas.width, canvas.height).data.buffer);
    for (const p of d) drawn += p !== d[0];
  }
  return { id, width: canvas.width, height: canvas.height, cssWidth: r.width, cssHeight: r.height, drawn };
}), views);

// Each character outside ASCII is written as an escape, so that a browser
// reads the file as one-byte text (the language tests read the words back).
test('the page is ASCII alone', () => {
  const bytes = readFileSync(pagePath);
  const at = bytes.findIndex((byte) => byte > 0x7f);
  assert.equal(at, -1, `at byte ${at}: ${bytes.subarray(Math.max(0, at - 40), at + 8)}`);
});

for (const engine of engines()) {
  describe(`window in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    test('offline from file://, asking the network for nothing, the page draws and runs', async () => {
      const session = await open(browser);
      const first = await session.evaluate(() => window.angularFrequency.firstFrameAt);
      const start = await framesShown(session);
      await act(session, [['click', 'run_button']]);
      await idle(session);
      const frames = (await framesShown(session)) - start;
      await close(session);  // fails on a request
      assert.ok(first > 0, `first frame at ${first}`);
      assert.equal(frames, 101);
    });

    // viewport, device pixel ratio, zoom: clamped at a quarter, and at 8
    // canvas pixels to a layout pixel.
    for (const [width, height, ratio, zoom] of [[100, 60, 1, 0.25], [4000, 3000, 1, 4000 / laidOut[0]], [4000, 3000, 2, 4]]) {
      // MiniBrowser's window is no narrower than its toolbar.
      const narrow = { skip: engine === 'webkit' && width < 500 && 'no window that narrow' };
      test(`at ${width}x${height}, ratio ${ratio}: zoom ${zoom.toFixed(3)}, views drawn`, narrow, async () => {
        const session = await open(browser, { width, height, ratio });
        const seen = await session.evaluate(() => window.angularFrequency.zoom());
        const shown = await canvases(session);
        await close(session);
        assert.ok(Math.abs(seen - zoom) < 1e-9, `zoom ${seen}`);
        for (const [{ id, width: w, height: h, cssWidth, cssHeight, drawn }, [layoutWidth, layoutHeight]] of shown.map((c, k) => [c, viewSizes[k]])) {
          assert.ok(drawn > 0, `${id} blank (${w}x${h})`);
          assert.equal(w, Math.round(cssWidth * ratio), `${id} width`);
          assert.equal(h, Math.round(cssHeight * ratio), `${id} height`);
          assert.ok(w <= 8 * layoutWidth && h <= 8 * layoutHeight, `${id}: ${w}x${h}`);
        }
      });
    }

    test('a resize draws the views anew at the new size', async () => {
      const session = await open(browser);
      const before = await canvases(session);
      await session.resize(laidOut[0] * 2, laidOut[1] * 2);
      await waitFor(session, () => window.angularFrequency.zoom() === 2);
      await idle(session);
      await session.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
      const after = await canvases(session);
      await close(session);
      assert.deepEqual(before.map((c) => [c.width, c.height]), viewSizes);
      assert.deepEqual(after.map((c) => [c.width, c.height]), viewSizes.map(([w, h]) => [w * 2, h * 2]));
      for (const c of after) {
        assert.equal(c.cssWidth, c.width, c.id);
        // Drawn at the new size: more pixels drawn (lines twice as long, areas four times).
        const old = before.find((b) => b.id === c.id).drawn;
        assert.ok(c.drawn > 1.5 * old, `${c.id}: ${c.drawn} pixels drawn, ${old} before`);
      }
    });

    // WebDriver classic runs no script before the page's own.
    test('without WebAssembly a plain message and no exception', { skip: engine === 'webkit' && 'no script before the page\'s' }, async () => {
      const session = await open(browser, { ready: false, initScript: () => { delete globalThis.WebAssembly; } });
      const shown = () => {
        const message = document.getElementById('no_webassembly');
        return message.checkVisibility() && message.innerText;
      };
      const text = await waitFor(session, shown, null, 10000);
      await pause(500);
      await close(session);
      assert.ok(text.trim().length > 10, `message "${text}"`);
    });

    // The core's data damaged (as a copy cut short would be): it does not
    // unpack, and the page says it could not start rather than waiting.
    test('a core that does not unpack: the page could not start, said in every language',
      { skip: engine === 'webkit' && 'no script before the page\'s' }, async () => {
        const initScript = () => {
          new MutationObserver((changes, observer) => {
            const block = document.getElementById('core_wasm');
            // Whole once the parser has put in the element after it.
            if (!block || !block.nextElementSibling) return;
            block.textContent = btoa('not the core');
            observer.disconnect();
          }).observe(document, { childList: true, subtree: true });
        };
        const session = await open(browser, { ready: false, initScript });
        const seen = () => {
          const notice = document.getElementById('could_not_start');
          return notice.checkVisibility() && [...notice.children].filter((p) => p.checkVisibility()).length;
        };
        const shown = await waitFor(session, seen, null, 10000);
        const carried = await session.evaluate(() => document.querySelectorAll('#no_webassembly p[lang]').length);
        await close(session);
        assert.equal(shown, carried);
      });

    // A core that fails as the page starts: its call `failing` throws as
    // WebAssembly's traps do. The page says it could not start, in the
    // language the core chose where it got that far (else in every language
    // the page carries), and logs why.
    const couldNotStart = 'This page could not start. Reload it; if it still does not start, the browser\'s console says why.';
    for (const [failing, chosen] of [['af_placed_as_built', 'de'], ['af_start', null]]) {
      test(`a core failing in ${failing}: the page could not start, said in ${chosen ?? 'every language'}`,
        { skip: engine === 'webkit' && 'no script before the page\'s' }, async () => {
          const initScript = `(${(name) => {
            window.loggedErrors = [];
            const log = console.error.bind(console);
            console.error = (...args) => { window.loggedErrors.push(args.map(String).join(' ')); log(...args); };
            let real;
            const failing = (core) => {
              const cwrap = core.cwrap;
              core.cwrap = (called, ...rest) => (called === name
                ? () => { throw new WebAssembly.RuntimeError(`${name} trapped`); } : cwrap(called, ...rest));
              return core;
            };
            Object.defineProperty(window, 'createCore', {
              configurable: true,
              get: () => real && ((options) => {
                const core = real(options);
                return typeof core.then === 'function' ? core.then(failing) : failing(core);
              }),
              set: (value) => { real = value; },
            });
          }})(${JSON.stringify(failing)})`;
          const session = await open(browser, { ready: false, query: 'lang=de', initScript });
          const seen = () => {
            const notice = document.getElementById('could_not_start');
            return notice.checkVisibility() && {
              shown: [...notice.children].filter((p) => p.checkVisibility()).map((p) => p.lang),
              texts: [...notice.children].map((p) => p.textContent),
              carried: [...document.querySelectorAll('#no_webassembly p[lang]')].map((p) => p.lang),
              other: document.getElementById('no_webassembly').checkVisibility(),
              logged: window.loggedErrors.join('\n'),
            };
          };
          const got = await waitFor(session, seen, null, 10000);
          await close(session);
          assert.deepEqual(got.shown, chosen ? [chosen] : got.carried);
          assert.equal(got.other, false);
          const sentences = new Set(got.carried.map((tag) => catalogue(tag).said('', couldNotStart)));
          assert.deepEqual(new Set(got.texts), sentences, 'each language\'s sentence, as its catalogue says it');
          assert.match(got.logged, new RegExp(`could not start.*${failing} trapped`));
        });
    }
  });
}

// Every control where its layout row puts it: boxes worked out here from the
// rows' twips (as the core prints them), 15 twips to a CSS pixel at zoom 1,
// each child offset by its parents' boxes, against the elements' boxes as the
// engine lays them out.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, boxOf, layoutRows, laidOut, twipsToPx } from './page.mjs';

const rows = new Map(layoutRows.controls.map((row) => [row.name, row]));

// The box relative to #window at a zoom: each edge rounded to whole pixels
// at zoom 1, then scaled and rounded again; the spare room's offset is the
// top-level controls' alone.
function expectedBox(name, zoom, offset = [0, 0]) {
  const { parent, twips } = rows.get(name);
  const [x, y, width, height] = twips.map((t) => Math.round(twipsToPx(t) * zoom));
  const [px, py] = parent === 'window' ? offset : expectedBox(parent, zoom, offset);
  return [px + x, py + y, width, height];
}

async function boxes(session, names) {
  return session.evaluate((names) => {
    const origin = document.getElementById('window').getBoundingClientRect();
    return Object.fromEntries(names.map((name) => {
      // An option button's box is its label, around the radio input that has the name.
      const named = document.getElementById(name);
      const element = named && named.matches('input[type=radio]') ? named.closest('label') : named;
      if (!element) return [name, null];
      const r = element.getBoundingClientRect();
      return [name, [r.left - origin.left, r.top - origin.top, r.width, r.height]];
    }));
  }, names);
}

for (const engine of engines()) {
  describe(`control boxes in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    // viewport, zoom, offset, controls (all when none named)
    const [w, h] = laidOut;
    const wide = [1000, 400];
    const cases = [
      [laidOut, 1, [0, 0]],
      [[w * 2, h * 2], 2, [0, 0], ['control_panel', 'circle_view', 'range_label', 'time_step_0.002', 'omega2_spin', 'reset_button', 'wave_view_2', 'axis_label_2']],
      // Wider than the layout: the height decides the zoom, the spare width shared on both sides.
      [wide, wide[1] / h, [Math.round((wide[0] - w * wide[1] / h) / 2), 0], ['control_panel', 'time_spin', 'omega_step_0.1', 'wave_panel_2', 'wave_view_1', 'wave_caption_2']],
    ];
    for (const [[width, height], zoom, offset, names = [...rows.keys()]] of cases) {
      test(`at ${width}x${height}: zoom ${zoom.toFixed(3)}`, async () => {
        const session = await open(browser, { width, height });
        assert.ok(Math.abs((await session.evaluate(() => window.angularFrequency.zoom())) - zoom) < 1e-9, 'zoom');
        const seen = await boxes(session, names);
        const wrong = names.filter((name) => JSON.stringify(seen[name]) !== JSON.stringify(expectedBox(name, zoom, offset)))
          .map((name) => `${name}: ${JSON.stringify(seen[name])} on the page, ${JSON.stringify(expectedBox(name, zoom, offset))} expected`);
        await close(session);
        assert.deepEqual(wrong, []);
      });
    }

    test('#window fills the viewport', async () => {
      const session = await open(browser, { width: 700, height: 500 });
      const r = await boxOf(session, 'window');
      await close(session);
      assert.deepEqual([r.x, r.y, r.width, r.height], [0, 0, 700, 500]);
    });
  });
}

// Every control where the layout puts it: boxes worked out here from the
// layout's twips (copied by hand from src/core/model/layout.cpp), 15 twips to a
// CSS pixel at zoom 1, each child offset by its parents' boxes.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, boxOf } from './page.mjs';

// name, parent, left, top, width, height (twips)
const layout = [
  ['control_panel', 'window', 120, 0, 2775, 4695],
  ['wave_panel_1', 'window', 2880, 0, 6375, 2415],
  ['wave_panel_2', 'window', 2880, 2280, 6375, 2415],
  ['circle_view', 'control_panel', 360, 240, 2052, 2052],
  ['range_label', 'circle_view', 480, 0, 375, 255],
  ['time_caption', 'control_panel', 120, 2400, 252, 252],
  ['time_value', 'control_panel', 360, 2400, 492, 252],
  ['time_spin', 'control_panel', 960, 2400, 255, 255],
  ['r1_caption', 'control_panel', 120, 2760, 252, 252],
  ['r1_value', 'control_panel', 600, 2760, 252, 252],
  ['r1_spin', 'control_panel', 960, 2760, 255, 255],
  ['omega1_caption', 'control_panel', 1320, 2760, 375, 255],
  ['omega1_value', 'control_panel', 1680, 2760, 255, 255],
  ['omega1_pi', 'control_panel', 2040, 2760, 255, 255],
  ['omega1_spin', 'control_panel', 2400, 2760, 255, 255],
  ['r2_caption', 'control_panel', 120, 3120, 252, 252],
  ['r2_value', 'control_panel', 600, 3120, 252, 252],
  ['r2_spin', 'control_panel', 960, 3120, 255, 255],
  ['omega2_caption', 'control_panel', 1320, 3120, 375, 255],
  ['omega2_value', 'control_panel', 1680, 3120, 255, 255],
  ['omega2_pi', 'control_panel', 2040, 3120, 255, 255],
  ['omega2_spin', 'control_panel', 2400, 3120, 255, 255],
  ['run_button', 'control_panel', 120, 3720, 735, 375],
  ['reset_button', 'control_panel', 120, 4200, 732, 372],
  ['time_step_group', 'control_panel', 900, 3600, 915, 975],
  ['time_step_0.01', 'time_step_group', 120, 240, 735, 210],
  ['time_step_0.005', 'time_step_group', 120, 480, 735, 210],
  ['time_step_0.002', 'time_step_group', 120, 720, 735, 210],
  ['omega_step_group', 'control_panel', 1830, 3600, 915, 975],
  ['omega_step_1', 'omega_step_group', 120, 240, 735, 210],
  ['omega_step_0.5', 'omega_step_group', 120, 480, 735, 210],
  ['omega_step_0.1', 'omega_step_group', 120, 720, 735, 210],
  ['wave_view_1', 'wave_panel_1', 360, 240, 5892, 2052],
  ['axis_label_1', 'wave_view_1', 5160, 720, 612, 252],
  ['wave_caption_1', 'wave_panel_1', 0, 1200, 375, 255],
  ['wave_view_2', 'wave_panel_2', 360, 240, 5892, 2052],
  ['axis_label_2', 'wave_view_2', 5160, 720, 612, 252],
  ['wave_caption_2', 'wave_panel_2', 0, 1200, 375, 255],
];
const rows = new Map(layout.map((row) => [row[0], row]));

// The box relative to #window at a zoom: each edge rounded to whole pixels
// at zoom 1, then scaled and rounded again; the spare room's offset is the
// top-level controls' alone.
function expectedBox(name, zoom, offset = [0, 0]) {
  const [, parent, ...twips] = rows.get(name);
  const [x, y, width, height] = twips.map((t) => Math.round(Math.round(t / 15) * zoom));
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
    const cases = [
      [[622, 319], 1, [0, 0]],
      [[1244, 638], 2, [0, 0], ['control_panel', 'circle_view', 'range_label', 'time_step_0.002', 'omega2_spin', 'reset_button', 'wave_view_2', 'axis_label_2']],
      // Wider than the layout: zoom 400/319, the spare width shared on both sides.
      [[1000, 400], 400 / 319, [110, 0], ['control_panel', 'time_spin', 'omega_step_0.1', 'wave_panel_2', 'wave_view_1', 'wave_caption_2']],
    ];
    for (const [[width, height], zoom, offset, names = layout.map((row) => row[0])] of cases) {
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

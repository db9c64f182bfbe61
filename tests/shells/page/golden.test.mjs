// The views after acts done through the page's own controls, pixel for pixel
// against the reference images the native tests keep (tests/golden/), as
// shown: cut from a screenshot of the viewport, in every engine.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { decodePng, encodePng, crop } from './png.mjs';
import { engines, launch, open, close, idle, act, canvasPixels, deviceBox, goldenDir, outputDir, laidOutViews } from './page.mjs';

// The states of tests/core/model/golden_frames_test.cpp that a person can reach
// (not those shown halfway through a run), done with keys and clicks.
const states = {
  'start-up': [],
  'after-run-0.01': [['click', 'run_button']],
  'after-run-0.005': [['click', 'time_step_0.005'], ['key', 'run_button', 'Enter']],
  'after-run-0.002': [['click', 'time_step_0.002'], ['key', 'run_button', 'Space']],
  'r1-down': [['spin', 'r1_spin', 'down']],
  'w2-4.5-steps-13': [['click', 'omega_step_0.5'], ['key', 'omega2_spin', 'ArrowUp'], ['key', 'time_spin', 'ArrowUp', 13]],
  'steps-up-7-down-3': [['key', 'time_spin', 'ArrowUp', 7], ['key', 'time_spin', 'ArrowDown', 3]],
  'r1-15-r2-1': [['key', 'r1_spin', 'ArrowUp', 5], ['key', 'r2_spin', 'ArrowDown', 9]],
  'w1-10-w2-0.1-steps': [['key', 'omega1_spin', 'ArrowUp', 8], ['click', 'omega_step_0.1'],
    ['key', 'omega2_spin', 'ArrowDown', 39], ['spin', 'time_spin', 'up', 20]],
  'after-run-then-step': [['click', 'run_button'], ['key', 'time_spin', 'ArrowUp']],
  'reset-after-run-then-steps-30': [['click', 'run_button'], ['click', 'reset_button'], ['key', 'time_spin', 'ArrowUp', 30]],
};

// Stacked in the reference images in this order, at their laid-out sizes.
const views = laidOutViews.map(({ name, size: [width, height] }) => [name, width, height]);

function differing(actual, expected) {
  const diff = { width: actual.width, height: actual.height, data: new Uint8Array(actual.data.length).fill(255) };
  let count = 0;
  for (let i = 0; i < actual.data.length; i += 4) {
    // Alpha ignored: the screenshot is opaque, the references have none.
    if (actual.data[i] !== expected.data[i] || actual.data[i + 1] !== expected.data[i + 1] || actual.data[i + 2] !== expected.data[i + 2]) {
      ++count;
      diff.data.set([255, 0, 0, 255], i);
    }
  }
  return { count, diff };
}

for (const engine of engines()) {
  describe(`golden frames in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    for (const ratio of [1, 2]) {
      for (const [state, steps] of Object.entries(states)) {
        test(`${state}@${ratio}x`, async () => {
          const reference = decodePng(readFileSync(join(goldenDir, `${state}@${ratio}x.png`)));
          const session = await open(browser, { ratio });
          await act(session, steps);
          await idle(session);
          await session.evaluate(() => {
            const hide = document.createElement('style');
            hide.textContent = '#range_label, #axis_label_1, #axis_label_2 { visibility: hidden !important; }';
            document.head.append(hide);
            return new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
          });
          const screen = decodePng(await session.screenshot());
          const faults = [];
          let top = 0;
          for (const [view, width, height] of views) {
            const w = Math.round(width * ratio), h = Math.round(height * ratio);
            const box = await deviceBox(session, view, ratio);
            const actual = crop(screen, box.x, box.y, Math.min(box.width, screen.width - box.x), Math.min(box.height, screen.height - box.y));
            const expected = crop(reference, 0, top, w, h);
            top += h;
            const name = `${engine}-${state}@${ratio}x-${view}`;
            mkdirSync(outputDir, { recursive: true });
            if (actual.width !== w || actual.height !== h) {
              faults.push(`${name}: ${actual.width}x${actual.height} on screen, ${w}x${h} expected`);
              writeFileSync(join(outputDir, `${name}-actual.png`), encodePng(actual));
              continue;
            }
            const { count, diff } = differing(actual, expected);
            if (count) {
              // Whether the canvas holds the right pixels and shows them wrongly, or holds wrong ones.
              const held = differing(await canvasPixels(session, view), expected).count;
              writeFileSync(join(outputDir, `${name}-actual.png`), encodePng(actual));
              writeFileSync(join(outputDir, `${name}-diff.png`), encodePng(diff));
              faults.push(`${name}: ${count} pixels differ on screen, ${held} in the canvas (see ${join(outputDir, name)}-actual.png and -diff.png)`);
            }
          }
          await close(session);
          assert.deepEqual(faults, []);
        });
      }
    }
  });
}

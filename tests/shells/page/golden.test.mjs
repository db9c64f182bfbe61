// The views after acts done through the page's own controls, pixel for pixel
// against the reference images the native tests keep (tests/golden/), as
// shown: cut from a screenshot of the viewport, in every engine.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { goldenFaults } from './golden.mjs';
import { engines, launch, open, close, idle, act } from './page.mjs';

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

for (const engine of engines()) {
  describe(`golden frames in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    for (const ratio of [1, 2]) {
      for (const [state, steps] of Object.entries(states)) {
        test(`${state}@${ratio}x`, async () => {
          const session = await open(browser, { ratio });
          await act(session, steps);
          await idle(session);
          const faults = await goldenFaults(session, state, ratio, engine);
          await close(session);
          assert.deepEqual(faults, []);
        });
      }
    }
  });
}

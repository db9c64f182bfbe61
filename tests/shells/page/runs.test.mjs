// A run shows one second of time, one frame per animation frame; what is
// pressed during a run waits for its end; a held key is one press.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, idle, act, attribute, focus, framesShown, pause, waitFor } from './page.mjs';

const shown = (session) => session.evaluate(() => ({ frames: window.angularFrequency.framesShown(), times: window.angularFrequency.frameTimes() }));

for (const engine of engines()) {
  describe(`runs in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    for (const [step, frames] of [['0.01', 101], ['0.005', 201], ['0.002', 501]]) {
      test(`at a time step of ${step}: ${frames} frames, each in its own animation frame`, async () => {
        const session = await open(browser);
        await act(session, [['click', `time_step_${step}`]]);
        const before = await shown(session);
        await act(session, [['click', 'run_button']]);
        await idle(session);
        const after = await shown(session);
        await close(session);
        assert.equal(after.frames - before.frames, frames, 'frames shown');
        const times = after.times.slice(before.times.length);
        assert.equal(times.length, frames, 'frame times');
        const late = times.findIndex((t, k) => k > 0 && !(t > times[k - 1]));
        assert.equal(late, -1, `frame ${late} at ${times[late]} ms, after one at ${times[late - 1]} ms`);
      });
    }

    test('a click on a spin during a run is applied after its end', async () => {
      const session = await open(browser);
      // The frame count at each change of r1's reading.
      await session.evaluate(() => {
        const spin = document.getElementById('r1_spin');
        window.r1Changes = [];
        new MutationObserver((records) => {
          if (records.some((r) => r.oldValue !== spin.getAttribute('aria-valuenow'))) {
            window.r1Changes.push([window.angularFrequency.framesShown(), spin.getAttribute('aria-valuenow')]);
          }
        }).observe(spin, { attributes: true, attributeFilter: ['aria-valuenow'], attributeOldValue: true });
      });
      const start = await framesShown(session);
      await act(session, [['click', 'run_button']]);
      await waitFor(session, (start) => window.angularFrequency.framesShown() >= start + 10, start);
      await act(session, [['spin', 'r1_spin', 'up']]);
      const clickedAt = await framesShown(session);
      const during = await attribute(session, 'r1_spin', 'aria-valuenow');
      await idle(session);
      const changes = await session.evaluate(() => window.r1Changes);
      const reading = await session.evaluate(() => document.getElementById('r1_value').textContent);
      await close(session);
      assert.ok(clickedAt < start + 101, `the click came after the run (frame ${clickedAt - start})`);
      assert.equal(during, '10');
      assert.deepEqual(changes, [[start + 101, '11']]);
      assert.equal(reading.trim(), '11');
    });

    // WebKitWebDriver sends a held key's keydowns without `repeat`, as new presses.
    const held = { skip: engine === 'webkit' && 'WebKitWebDriver repeats no key' };
    for (const key of ['Enter', 'Space']) {
      test(`${key} held on ANIM is one run`, held, async () => {
        const session = await open(browser);
        await session.evaluate(() => {
          window.repeats = 0;
          addEventListener('keydown', (e) => { window.repeats += e.repeat; }, true);
        });
        const start = await framesShown(session);
        await focus(session, 'run_button');
        for (let k = 0; k < 12; ++k) {
          await session.keyDown(key);
          await pause(40);
        }
        await session.keyUp(key);
        await idle(session);
        const frames = (await framesShown(session)) - start;
        const repeats = await session.evaluate(() => window.repeats);
        await close(session);
        assert.ok(repeats >= 11, `only ${repeats} repeated keydowns`);
        assert.equal(frames, 101);
      });
    }
  });
}

// A run shows one second of time, one frame per animation frame; what is
// pressed during a run waits for its end; a held key is one press.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, close, idle, act, byId, framesShown } from './page.mjs';

const shown = (page) => page.evaluate(() => ({ frames: window.angularFrequency.framesShown(), times: window.angularFrequency.frameTimes() }));

describe('runs', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(() => browser.close());

  for (const [step, frames] of [['0.01', 101], ['0.005', 201], ['0.002', 501]]) {
    test(`at a time step of ${step}: ${frames} frames, each in its own animation frame`, async () => {
      const session = await open(browser);
      const { page } = session;
      await act(page, [['click', `time_step_${step}`]]);
      const before = await shown(page);
      await act(page, [['click', 'run_button']]);
      await idle(page);
      const after = await shown(page);
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
    const { page } = session;
    // The frame count at each change of r1's reading.
    await page.evaluate(() => {
      const spin = document.getElementById('r1_spin');
      window.r1Changes = [];
      new MutationObserver((records) => {
        if (records.some((r) => r.oldValue !== spin.getAttribute('aria-valuenow'))) {
          window.r1Changes.push([window.angularFrequency.framesShown(), spin.getAttribute('aria-valuenow')]);
        }
      }).observe(spin, { attributes: true, attributeFilter: ['aria-valuenow'], attributeOldValue: true });
    });
    const start = await framesShown(page);
    await act(page, [['click', 'run_button']]);
    await page.waitForFunction((start) => window.angularFrequency.framesShown() >= start + 10, start);
    await act(page, [['spin', 'r1_spin', 'up']]);
    const clickedAt = await framesShown(page);
    const during = await page.getAttribute(byId('r1_spin'), 'aria-valuenow');
    await idle(page);
    const changes = await page.evaluate(() => window.r1Changes);
    const reading = await page.textContent(byId('r1_value'));
    await close(session);
    assert.ok(clickedAt < start + 101, `the click came after the run (frame ${clickedAt - start})`);
    assert.equal(during, '10');
    assert.deepEqual(changes, [[start + 101, '11']]);
    assert.equal(reading.trim(), '11');
  });

  for (const key of ['Enter', 'Space']) {
    test(`${key} held on ANIM is one run`, async () => {
      const session = await open(browser);
      const { page } = session;
      await page.evaluate(() => {
        window.repeats = 0;
        addEventListener('keydown', (e) => { window.repeats += e.repeat; }, true);
      });
      const start = await framesShown(page);
      await page.focus(byId('run_button'));
      for (let k = 0; k < 12; ++k) {
        await page.keyboard.down(key);
        await page.waitForTimeout(40);
      }
      await page.keyboard.up(key);
      await idle(page);
      const frames = (await framesShown(page)) - start;
      const repeats = await page.evaluate(() => window.repeats);
      await close(session);
      assert.ok(repeats >= 11, `only ${repeats} repeated keydowns`);
      assert.equal(frames, 101);
    });
  }
});

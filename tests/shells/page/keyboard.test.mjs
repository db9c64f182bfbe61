// The page from the keyboard alone: Tab goes through the controls in the
// order of the rows' focus places, and every control does its act from keys.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, idle, focus, framesShown, valueNow, layoutRows } from './page.mjs';

const close_to = (a, b) => Math.abs(a - b) < 1e-6;

// The rows that take focus in the order of their places; a radio group is one
// stop, where its first option's place is, at its chosen option.
function tabStops() {
  const chosen = new Map(layoutRows.controls.filter((row) => row.selected).map((row) => [row.parent, row.name]));
  const stops = layoutRows.controls.filter((row) => row.focus >= 0).sort((a, b) => a.focus - b.focus)
    .map((row) => (row.kind === 'option' ? chosen.get(row.parent) : row.name));
  return stops.filter((name, k) => stops.indexOf(name) === k);
}

for (const engine of engines()) {
  describe(`keyboard in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    test('Tab follows the rows\' focus places', async () => {
      const session = await open(browser);
      const seen = [];
      for (let k = 0; k < 20; ++k) {
        await session.press('Tab');
        const id = await session.evaluate(() => document.activeElement?.closest('[id]')?.id ?? '');
        if (id && seen.includes(id)) break;
        if (id) seen.push(id);
      }
      await close(session);
      // The page's own buttons (full screen, picture, sound, voice, share) come after the window's controls.
      assert.deepEqual(seen, [...tabStops(), 'full_screen', 'picture_button', 'sound_button', 'voice_button', 'share_button'], `focus went ${seen.join(', ')}`);
    });

    test('spins step with the arrow keys', async () => {
      const session = await open(browser);
          const wrong = [];
      // spin, key, reading after (from r1 = r2 = 10, t = 0, ω1 = 2π, ω2 = 4π)
      for (const [spin, key, after] of [
        ['r1_spin', 'ArrowUp', 11], ['r1_spin', 'ArrowDown', 10], ['r1_spin', 'ArrowDown', 9],
        ['r2_spin', 'ArrowUp', 11],
        ['time_spin', 'ArrowUp', 0.01], ['time_spin', 'ArrowDown', 0], ['time_spin', 'ArrowDown', 0],
        ['omega1_spin', 'ArrowUp', 3], ['omega2_spin', 'ArrowDown', 3],
      ]) {
        await focus(session, spin);
        await session.press(key);
        const now = await valueNow(session, spin);
        if (!close_to(now, after)) wrong.push(`${spin} ${key}: ${now}, ${after} expected`);
      }
      await close(session);
      assert.deepEqual(wrong, []);
    });

    test('arrows choose the step, and the spins then step by it', async () => {
      const session = await open(browser);
          const checked = () => session.evaluate(() => [...document.querySelectorAll('input[type=radio]:checked')].map((e) => e.id).sort());
      await focus(session, 'time_step_0.01');
      await session.press('ArrowDown');
      await focus(session, 'omega_step_1');
      await session.press('ArrowDown');
      await session.press('ArrowDown');
      const chosen = await checked();
      // Each read at once: a change of ω starts time again from 0.
      const readings = [];
      for (const spin of ['time_spin', 'omega1_spin']) {
        await focus(session, spin);
        await session.press('ArrowUp');
        readings.push(await valueNow(session, spin));
      }
      await close(session);
      assert.deepEqual(chosen, ['omega_step_0.1', 'time_step_0.005']);
      assert.ok(close_to(readings[0], 0.005) && close_to(readings[1], 2.1), `t = ${readings[0]}, ω1 = ${readings[1]}`);
    });

    for (const key of ['Enter', 'Space']) {
      test(`${key} on ANIM runs, on RESET resets`, async () => {
        const session = await open(browser);
              const start = await framesShown(session);
        await focus(session, 'run_button');
        await session.press(key);
        await idle(session);
        const frames = (await framesShown(session)) - start;
        await focus(session, 'time_spin');
        for (let k = 0; k < 3; ++k) await session.press('ArrowUp');
        const stepped = await valueNow(session, 'time_spin');
        await focus(session, 'reset_button');
        await session.press(key);
        await idle(session);
        const afterReset = await valueNow(session, 'time_spin');
        await close(session);
        assert.equal(frames, 101);
        // A run ends at t = 0; three steps, then the reset takes time back to 0.
        assert.ok(close_to(stepped, 0.03), `t = ${stepped} after three steps`);
        assert.equal(afterReset, 0);
      });
    }
  });
}

// What assistive technology gets: no axe-core violations, spins with their
// values, readings spoken after a step, views named as images.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { engines, launch, open, close, attribute, focus, pause } from './page.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

for (const engine of engines(['chromium'])) {
  describe(`accessibility in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    test('axe-core finds no violations', async () => {
      const session = await open(browser);
      const violations = await session.evaluate(async (source) => {
        const script = document.createElement('script');
        script.textContent = source;
        document.head.append(script);
        return (await window.axe.run(document)).violations;
      }, axeSource);
      await close(session);
      assert.equal(violations.length, 0, JSON.stringify(violations, null, 2));
    });

    test('the spins tell their value and bounds', async () => {
      const session = await open(browser);
      const spins = await session.evaluate(() => ['time_spin', 'r1_spin', 'r2_spin', 'omega1_spin', 'omega2_spin'].map((id) => {
        const e = document.getElementById(id);
        return [id, e.getAttribute('role'), ...['aria-valuenow', 'aria-valuemin', 'aria-valuemax', 'aria-valuetext'].map((a) => e.getAttribute(a))];
      }));
      await close(session);
      // At start: t = 0 from 0 up, without end (no valuemax); lengths 10 within
      // 1..15; ω 2π and 4π up to 10π.
      const expected = { time_spin: [0, 0, null], r1_spin: [10, 1, 15], r2_spin: [10, 1, 15], omega1_spin: [2, undefined, 10], omega2_spin: [4, undefined, 10] };
      for (const [id, role, now, min, max, text] of spins) {
        const [eNow, eMin, eMax] = expected[id];
        assert.equal(role, 'spinbutton', id);
        assert.ok(now !== null && min !== null && (max !== null || eMax === null), `${id}: valuenow ${now}, valuemin ${min}, valuemax ${max}`);
        assert.ok(text && text.trim(), `${id}: no valuetext`);
        assert.equal(Number(now), eNow, `${id} valuenow`);
        if (eMin !== undefined) assert.equal(Number(min), eMin, `${id} valuemin`);
        assert.equal(max === null ? null : Number(max), eMax === undefined ? Number(max) : eMax, `${id} valuemax`);
        assert.ok(Number(min) <= Number(now) && (max === null || Number(now) <= Number(max)), `${id}: ${min} <= ${now} <= ${max}`);
      }
    });

    // spin, key, the new reading as it is written
    for (const [spin, key, reading] of [['r1_spin', 'ArrowUp', '11'], ['time_spin', 'ArrowUp', '0.01'], ['omega1_spin', 'ArrowUp', '3']]) {
      test(`a step of ${spin} is told: ${reading}`, async () => {
        const session = await open(browser);
        await focus(session, spin);
        await session.press(key);
        const told = () => session.evaluate((spin) => [document.getElementById('announcements').textContent,
          document.getElementById(spin).getAttribute('aria-valuetext')], spin);
        // The live region may be filled a moment later.
        let texts = await told();
        for (let k = 0; k < 20 && !texts.some((t) => t && t.includes(reading)); ++k) {
          await pause(50);
          texts = await told();
        }
        const live = await attribute(session, 'announcements', 'aria-live');
        await close(session);
        assert.equal(live, 'polite');
        assert.ok(texts.some((t) => t && t.includes(reading)), `announcements "${texts[0]}", valuetext "${texts[1]}"`);
      });
    }

    test('the views are named images', async () => {
      const session = await open(browser);
      const views = await session.evaluate(() => ['circle_view', 'wave_view_1', 'wave_view_2'].map((id) => {
        const e = document.getElementById(id);
        const text = (ids) => (ids || '').split(/\s+/).map((i) => document.getElementById(i)?.textContent ?? '').join(' ');
        return [id, e.getAttribute('role'), e.getAttribute('aria-label') || text(e.getAttribute('aria-labelledby')),
          e.getAttribute('aria-description') || text(e.getAttribute('aria-describedby')), e.tabIndex];
      }));
      await close(session);
      for (const [id, role, name, description, tabIndex] of views) {
        assert.equal(role, 'img', id);
        assert.ok((name || '').trim() || (description || '').trim(), `${id} has neither name nor description`);
        assert.ok(tabIndex >= 0, `${id} takes no focus`);
      }
    });
  });
}

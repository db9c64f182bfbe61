// A lesson prepared in advance: the page opens with the setup its address
// gives, names what it did not take in a notice, keeps its address up to
// date as the setup changes, and makes a picture of the views.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { engines, launch, open, close, idle, clickOn, attribute, waitFor, goldenDir, laidOutViews } from './page.mjs';
import { decodePng, crop } from './png.mjs';
import { catalogue } from './po.mjs';

const text = (session, id) => session.evaluate((id) => document.getElementById(id).textContent, id);

for (const engine of engines(['chromium'])) {
  describe(`a lesson's setup in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(async () => { await browser?.close(); });

    test('an address opens with its values and names what it did not take', async () => {
      const page = await open(browser, { query: 'r2=5&omega_step=0.5&omega2=2.5&time_step=0.003&%3Cb%3Ebold=1' });
      assert.equal(await text(page, 'r2_value'), '5');
      assert.equal(await text(page, 'omega2_value'), '2.5');
      assert.equal(await attribute(page, 'r2_spin', 'aria-valuenow'), '5');
      assert.equal(await page.evaluate(() => document.getElementById('omega_step_0.5').checked), true);
      assert.equal(await page.evaluate(() => document.getElementById('time_step_0.01').checked), true);
      const notice = await page.evaluate(() => {
        const n = document.getElementById('setup_notice');
        return { hidden: n.hidden, role: n.getAttribute('role'), items: [...n.querySelectorAll('li')].map((li) => li.textContent),
          markup: n.querySelector('ul').innerHTML };
      });
      assert.equal(notice.hidden, false);
      assert.equal(notice.role, 'status');
      assert.deepEqual(notice.items, ['time_step: must be 0.01, 0.005 or 0.002',
        '?b?bold: is not a setting; the settings are r1, r2, omega1, omega2, time_step, omega_step, t, lang, sound and voice']);
      assert.ok(!notice.markup.includes('<b>'), 'no markup from the address');
      await close(page);
    });

    test('what was not taken is said in the language the address chose', async () => {
      const page = await open(browser, { query: 'lang=de&time_step=0.003&r1=5' });
      assert.equal(await text(page, 'r1_value'), '5');
      // As the German catalogue words it, the choices written as in a link.
      const { said } = catalogue('de');
      const fill = (message, values) => Object.entries(values).reduce((t, [k, v]) => t.replace(`{${k}}`, v), said('', message));
      const choices = fill('{list} or {last}', { list: fill('{list}, {next}', { list: '0.01', next: '0.005' }), last: '0.002' });
      assert.deepEqual(await page.evaluate(() => [document.getElementById('setup_notice_title').textContent,
        ...[...document.querySelectorAll('#setup_notice li')].map((li) => li.textContent)]),
      [said('', 'This address asked for settings that were not taken:'),
        fill('{field}: {rule}', { field: 'time_step', rule: fill('must be {choices}', { choices }) })]);
      await close(page);
    });

    test('an over-long address is refused whole, and a plain one shows no notice', async () => {
      const long = await open(browser, { query: `r1=5&x=${'a'.repeat(3000)}` });
      assert.equal(await text(long, 'r1_value'), '10');
      assert.deepEqual(await long.evaluate(() => [...document.querySelectorAll('#setup_notice li')].map((li) => li.textContent)),
        ['the setup is longer than 2,000 characters, so none of it was taken']);
      await close(long);
      const plain = await open(browser);
      assert.equal(await plain.evaluate(() => document.getElementById('setup_notice').hidden), true);
      await close(plain);
    });

    test('each sentence is said once', async () => {
      const page = await open(browser, { query: 'r2=5' });
      await clickOn(page, 'reset_button');
      await idle(page);
      await waitFor(page, () => document.querySelectorAll('#announcements p').length > 0);
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('#announcements p')].map((p) => p.textContent)),
        ['time 0, traces cleared']);
      await close(page);
    });

    test('a click updates the address, replacing its history entry', async () => {
      const page = await open(browser, { query: 'r2=5' });
      const entries = await page.evaluate(() => history.length);
      await clickOn(page, 'r1_spin', 0.5, 0.25);
      await idle(page);
      await waitFor(page, () => location.search === '?r1=11&r2=5');
      assert.equal(await page.evaluate(() => history.length), entries, 'no entry added');
      await clickOn(page, 'r2_spin', 0.5, 0.75);
      await waitFor(page, () => location.search === '?r1=11&r2=4');
      await close(page);
    });

    test('the picture is the three views as laid out, as the reference images have them', async () => {
      const page = await open(browser, { query: 'r1=9' });
      const picture = decodePng(Buffer.from(await page.evaluate(() => window.angularFrequency.picture())));
      const reference = decodePng(readFileSync(join(goldenDir, 'r1-down@1x.png')));
      // Where each view stands in the picture (as the window lays them out,
      // from the top-left view's corner) and in the reference (stacked, circle
      // view on top).
      const left = Math.min(...laidOutViews.map(({ corner }) => corner[0]));
      const top = Math.min(...laidOutViews.map(({ corner }) => corner[1]));
      assert.equal(picture.width, Math.max(...laidOutViews.map(({ corner, size }) => corner[0] - left + size[0])));
      assert.equal(picture.height, Math.max(...laidOutViews.map(({ corner, size }) => corner[1] - top + size[1])));
      let row = 0;
      for (const { corner: [x, y], size: [width, height] } of laidOutViews) {
        const seen = Buffer.from(crop(picture, x - left, y - top, width, height).data);
        assert.ok(seen.equals(Buffer.from(crop(reference, 0, row, width, height).data)), `the view at ${x - left}, ${y - top}`);
        row += height;
      }
      await close(page);
    });
  });
}

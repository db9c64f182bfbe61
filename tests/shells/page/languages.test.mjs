// The page in the student's language: chosen by the link's ?lang= or the
// browser's languages, the document's lang set for the screen reader's
// voice, captions, readings and sentences from the catalogues. The texts
// below are written by hand.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, pageUrl, idle, byId, act } from './page.mjs';

// Opens the page offline with the browser's languages set by `locale` and
// the link's query, and waits for its first frame.
async function openIn(browser, { query = '', locale = 'en-US' } = {}) {
  const context = await browser.newContext({ viewport: { width: 622, height: 319 }, locale, offline: true });
  await context.route((url) => url.protocol !== 'file:' && url.protocol !== 'data:', (route) => route.abort());
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error));
  await page.goto(pageUrl + query);
  await page.waitForFunction(() => window.angularFrequency && window.angularFrequency.ready);
  await page.evaluate(() => window.angularFrequency.ready);
  return { page, context, errors };
}

const said = (page) => page.evaluate(() => [...document.querySelectorAll('#announcements p')].map((p) => p.textContent));
const valueText = (page, name) => page.getAttribute(byId(name), 'aria-valuetext');

describe('languages', () => {
  let browser;
  before(async () => { browser = await launch(); });
  after(() => browser.close());

  const cases = [
    {
      query: '?lang=ja', lang: 'ja', title: '角振動数', run: 'アニメ', option: '0.005',
      omega: '2 π ラジアン毎秒', stepped: '0.005秒',
      runEnd: '再生終了：ベクトル1は1回転、ベクトル2は2回転、時刻は0に戻りました',
    },
    {
      query: '?lang=de', lang: 'de', title: 'Kreisfrequenz', run: 'START', option: '0,005',
      omega: '2 π Radiant pro Sekunde', stepped: '0,005 Sekunden',
      runEnd: 'Lauf beendet: Vektor 1 hat sich einmal gedreht, Vektor 2 zweimal; Zeit zurück auf 0',
    },
  ];
  for (const c of cases) {
    test(`${c.query}: the page, its readings and its sentences in ${c.lang}`, async () => {
      const { page, context, errors } = await openIn(browser, { query: c.query });
      // Captions are fitted once the fonts are in.
      await page.evaluate(() => document.fonts.ready.then(() => new Promise((resolve) => requestAnimationFrame(resolve))));
      const start = await page.evaluate(() => ({
        lang: document.documentElement.lang, title: document.title,
        run: document.getElementById('run_button').firstChild.data,
        option: document.querySelector('[data-control="time_step_0.005"] .caption').textContent,
        // Every caption whole in its box.
        cut: [...document.querySelectorAll('.caption')].filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.textContent),
      }));
      const omega = await valueText(page, 'omega1_spin');
      await act(page, [['click', 'time_step_0.005'], ['key', 'time_spin', 'ArrowUp']]);
      const stepped = await valueText(page, 'time_spin');
      await act(page, [['click', 'run_button']]);
      await idle(page);
      await page.waitForTimeout(100);
      const sentences = await said(page);
      await context.close();
      assert.deepEqual(errors, []);
      assert.deepEqual(start, { lang: c.lang, title: c.title, run: c.run, option: c.option, cut: [] });
      assert.equal(omega, c.omega);
      assert.equal(stepped, c.stepped);
      assert.ok(sentences.includes(c.runEnd), `said: ${JSON.stringify(sentences)}`);
    });
  }

  // The browser's languages, most wanted first, when the link asks for none;
  // one the program does not speak gives English, the page as built.
  for (const [locale, ...expected] of [['fr-FR', 'fr', 'Pulsation', 'Plein écran'],
    ['es-MX', 'es', 'Frecuencia angular', 'Pantalla completa'], ['zh-CN', 'en', 'Angular Frequency', 'Full screen']]) {
    test(`a browser in ${locale} gets ${expected[0]}`, async () => {
      const { page, context } = await openIn(browser, { locale });
      const seen = await page.evaluate(() => [document.documentElement.lang, document.title,
        document.getElementById('full_screen').getAttribute('aria-label')]);
      await context.close();
      assert.deepEqual(seen, expected);
    });
  }
});

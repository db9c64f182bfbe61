// The page in the student's language: chosen by the link's ?lang= or the
// browser's languages, the document's lang set for the screen reader's
// voice, captions, readings and sentences from the catalogues. The texts
// below are written by hand.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, close, idle, clickOn, focus, attribute, pause } from './page.mjs';

const said = (session) => session.evaluate(() => [...document.querySelectorAll('#announcements p')].map((p) => p.textContent));

describe('languages', () => {
  let browser;
  before(async () => { browser = await launch('chromium'); });
  after(async () => { await browser?.close(); });

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
      const page = await open(browser, { query: c.query.slice(1), locale: 'en-US' });
      // Captions are fitted once the fonts are in.
      await page.evaluate(() => document.fonts.ready.then(() => new Promise((resolve) => requestAnimationFrame(resolve))));
      const start = await page.evaluate(() => ({
        lang: document.documentElement.lang, title: document.title,
        run: document.getElementById('run_button').firstChild.data,
        option: document.querySelector('[data-control="time_step_0.005"] .caption').textContent,
        // Every caption whole in its box.
        cut: [...document.querySelectorAll('.caption')].filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.textContent),
      }));
      const omega = await attribute(page, 'omega1_spin', 'aria-valuetext');
      await clickOn(page, 'time_step_0.005');
      await focus(page, 'time_spin');
      await page.press('ArrowUp');
      const stepped = await attribute(page, 'time_spin', 'aria-valuetext');
      await clickOn(page, 'run_button');
      await idle(page);
      await pause(100);
      const sentences = await said(page);
      await close(page);
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
      const page = await open(browser, { locale });
      const seen = await page.evaluate(() => [document.documentElement.lang, document.title,
        document.getElementById('full_screen').getAttribute('aria-label')]);
      await close(page);
      assert.deepEqual(seen, expected);
    });
  }
});

// The page in the student's language, every language the page carries:
// chosen by the link's ?lang= or the browser's languages, the document's
// lang (and dir) set for the screen reader's voice, captions, readings and
// sentences as the language's catalogue on disk says them (never words
// typed here), every caption whole in its box, and no control moved. With
// the languages made for tests: every caption shrinks and is never cut,
// notices stay inside the window, and right to left moves nothing.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, close, idle, clickOn, attribute, pause, pseudoPageUrl, laidOut } from './page.mjs';
import { catalogue, numeral } from './po.mjs';

const said = (session) => session.evaluate(() => [...document.querySelectorAll('#announcements p')].map((p) => p.textContent));

// What a page shows once its fonts are in: its language, every control's box,
// the captions a box cuts, and how the words read.
const shown = (session) => session.evaluate(() => document.fonts.ready.then(() => new Promise((resolve) => {
  requestAnimationFrame(() => resolve({
    lang: document.documentElement.lang, dir: document.documentElement.dir || 'ltr', title: document.title,
    run: document.getElementById('run_button').firstChild.data,
    runDir: document.getElementById('run_button').dir || 'ltr',
    optionDir: document.querySelector('[data-control="time_step_0.005"] .caption').dir || 'ltr',
    option: document.querySelector('[data-control="time_step_0.005"] .caption').textContent,
    indicatorFirst: document.getElementById('time_step_0.005').getBoundingClientRect().right <=
      document.querySelector('[data-control="time_step_0.005"] .caption').getBoundingClientRect().left,
    boxes: Object.fromEntries([...document.querySelectorAll('[data-control]')].map((e) => {
      const r = e.getBoundingClientRect();
      return [e.dataset.control, [r.left, r.top, r.width, r.height].map(Math.round)];
    })),
    cut: [...document.querySelectorAll('.caption')].filter((e) => e.scrollWidth > e.clientWidth + 0.5)
      .map((e) => `${e.id || e.parentElement.dataset.control}: ${e.textContent}`),
    // Captions whose fonts (the language's own faces among them) are not in.
    unloaded: [...document.querySelectorAll('.caption')].filter((e) => {
      const style = getComputedStyle(e);
      return !document.fonts.check(`${style.fontStyle} ${style.fontSize} ${style.fontFamily}`, e.textContent);
    }).map((e) => e.textContent),
    faces: getComputedStyle(document.getElementById('run_button')).fontFamily,
  }));
})));

describe('languages', () => {
  let browser, english, tags;
  before(async () => {
    browser = await launch('chromium');
    const page = await open(browser, { locale: 'en-US' });
    english = await shown(page);
    // Only the symbols that the layout sets as laid out at its own size,
    // though their italic ink reaches a fraction of a pixel past their boxes.
    assert.ok(english.cut.every((c) => /^(r|omega)[12]_caption: /.test(c)), english.cut.join(', '));
    // The languages the page carries: its notice for a browser without WebAssembly is in each.
    tags = await page.evaluate(() => [...document.querySelectorAll('#no_webassembly p[lang]')].map((p) => p.lang));
    await close(page);
  });
  after(async () => { await browser?.close(); });

  test('the page carries ten languages besides English, each with its catalogue', () => {
    assert.equal(tags[0], 'en');
    assert.equal(tags.length, 11, tags.join(' '));
    for (const tag of tags.slice(1)) assert.ok(catalogue(tag).found, `no catalogue for ${tag}`);
  });

  test('?lang= opens every language as its catalogue says, in the boxes of the English page', async () => {
    for (const tag of tags.slice(1)) {
      const { said: t } = catalogue(tag);
      const page = await open(browser, { query: `lang=${tag}`, locale: 'en-US' });
      const start = await shown(page);
      const omega = await attribute(page, 'omega1_spin', 'aria-valuetext');
      await clickOn(page, 'run_button');
      await idle(page);
      await pause(100);
      const sentences = await said(page);
      await close(page);
      const rtl = t('text direction', 'ltr') === 'rtl';
      assert.deepEqual({ lang: start.lang, dir: start.dir, title: start.title, run: start.run, runDir: start.runDir,
        optionDir: start.optionDir, option: start.option, indicatorFirst: start.indicatorFirst, cut: start.cut },
      { lang: tag, dir: rtl ? 'rtl' : 'ltr', title: t('', 'Angular Frequency'), run: t('caption', 'ANIM'),
        runDir: rtl ? 'rtl' : 'ltr', optionDir: 'ltr', option: numeral(t, '0.005'), indicatorFirst: true, cut: english.cut }, tag);
      assert.deepEqual(start.boxes, english.boxes, `${tag}: a control moved`);
      assert.deepEqual(start.unloaded, [], tag);
      // A language in a script of its own sets its words in its own face.
      assert.equal(start.faces.includes(`AF Caption ${tag}`), ['zh-CN', 'ko', 'ar'].includes(tag), `${tag}: ${start.faces}`);
      assert.equal(omega, t('', '{value} π radians per second').replace('{value}', numeral(t, '2')), tag);
      const runEnd = t('', 'run ended: vector 1 turned {turns_1}, vector 2 turned {turns_2}; time back to 0')
        .replace('{turns_1}', t('', 'once')).replace('{turns_2}', t('', 'twice'));
      assert.ok(sentences.includes(runEnd), `${tag} said: ${JSON.stringify(sentences)}`);
    }
  });

  // The browser's languages, most wanted first, when the link asks for none;
  // one the program does not speak gives English, the page as built.
  for (const [locale, expected] of [['fr-FR', 'fr'], ['es-MX', 'es-MX'], ['es-AR', 'es'], ['zh-CN', 'zh-CN'],
    ['pt-PT', 'pt-BR'], ['zh-TW', 'en']]) {
    test(`a browser in ${locale} gets ${expected}`, async () => {
      const page = await open(browser, { locale });
      const seen = await page.evaluate(() => [document.documentElement.lang, document.title,
        document.getElementById('full_screen').getAttribute('aria-label')]);
      await close(page);
      const { said: t } = catalogue(expected);
      assert.deepEqual(seen, [expected, t('', 'Angular Frequency'), t('menu', 'Full screen')]);
    });
  }

  test('half as long again, every caption shrinks and none is cut; its notice stays in the window', async () => {
    for (const [width, height] of [[622, 319], [311, 160], [1244, 638]]) {
      const page = await open(browser, { base: pseudoPageUrl, width, height, locale: 'en-US',
        query: 'lang=en-XA&r1=99&omega2=2.55&time_step=3&colour=red&t=-1' });
      const start = await shown(page);
      const notice = await page.evaluate(() => {
        const n = document.getElementById('setup_notice');
        const r = n.getBoundingClientRect();
        return { hidden: n.hidden, items: n.querySelectorAll('li').length, inside: r.left >= 0 && r.top >= 0 &&
          r.right <= innerWidth && r.bottom <= innerHeight, across: n.scrollWidth <= n.clientWidth,
          title: document.getElementById('setup_notice_title').textContent };
      });
      await close(page);
      assert.equal(start.lang, 'en-XA');
      // At the laid-out size the layout's symbols stand as in English, as laid out.
      assert.deepEqual(start.cut, width === laidOut[0] ? english.cut : [], `${width}x${height}`);
      assert.equal(notice.hidden, false);
      assert.ok(notice.items >= 5, JSON.stringify(notice));
      assert.ok(notice.title.startsWith('«'), notice.title);
      assert.ok(notice.inside && notice.across, `${width}x${height}: ${JSON.stringify(notice)}`);
    }
  });

  test('right to left, the words turn and nothing else does', async () => {
    const page = await open(browser, { base: pseudoPageUrl, query: 'lang=en-XB&time_step=3', locale: 'en-US' });
    const start = await shown(page);
    const notice = await page.evaluate(() => {
      const n = document.getElementById('setup_notice');
      const close = n.querySelector('button').getBoundingClientRect(), box = n.getBoundingClientRect();
      return { direction: getComputedStyle(n).direction, closeAtLeft: close.left - box.left < box.right - close.right };
    });
    await close(page);
    assert.deepEqual([start.lang, start.dir, start.runDir, start.optionDir, start.indicatorFirst, start.cut],
      ['en-XB', 'rtl', 'rtl', 'ltr', true, english.cut]);
    assert.deepEqual(start.boxes, english.boxes);
    assert.deepEqual(notice, { direction: 'rtl', closeAtLeft: true });
  });
});

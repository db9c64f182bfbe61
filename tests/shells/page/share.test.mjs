// The share panel: its QR code, cut from a screenshot, reads (with zbar, a
// decoder of its own) as the link of the setup on show; the panel keeps the
// keyboard inside until Escape; and "save this lesson" writes one file that
// holds the page's own program with the setup added, which opens set up
// from file:// in every engine, unless its address has a query of its own.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { decodePng, encodePng, crop } from './png.mjs';
import { goldenFaults } from './golden.mjs';
import { engines, launch, open, close, idle, clickOn, deviceBox, waitFor, pagePath, repo, outputDir } from './page.mjs';
import { serve } from './static_server.mjs';

const text = (session, id) => session.evaluate((id) => document.getElementById(id).textContent, id);
const panelOpen = (session) => waitFor(session, () => document.getElementById('share_panel')?.open);
// The program a page holds: its style and script elements, as written.
const program = (html) => [...html.matchAll(/<(script|style)\b[^>]*>[\s\S]*?<\/\1>/g)].map((m) => m[0]);

describe('the share panel in chromium', { skip: !engines(['chromium']).length }, () => {
  let browser, server;
  before(async () => {
    browser = await launch('chromium');
    server = await serve(join(repo, 'build/site'));
  });
  after(async () => {
    await server?.stop();
    await browser?.close();
  });

  test('its QR code reads as the link of the setup on show', async () => {
    const page = await open(browser, { address: server.url, query: 'r1=9' });
    await clickOn(page, 'r2_spin', 0.5, 0.75);
    await idle(page);
    await clickOn(page, 'share_button');
    await panelOpen(page);
    const link = `${server.url}?r1=9&r2=9`;
    assert.equal(await page.evaluate(() => document.getElementById('share_link').value), link);
    const box = await deviceBox(page, 'share_qr', 1);
    const file = join(outputDir, 'share-qr.png');
    mkdirSync(outputDir, { recursive: true });
    writeFileSync(file, encodePng(crop(decodePng(await page.screenshot()), box.x, box.y, box.width, box.height)));
    assert.equal(execFileSync('zbarimg', ['--raw', '-q', file], { encoding: 'utf8' }).trim(), link);
    await close(page);
  });

  test('open, in German, axe-core finds no violations', async () => {
    const page = await open(browser, { address: server.url, query: 'lang=de' });
    await page.press('F8');
    await panelOpen(page);
    const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    const found = await page.evaluate(async (source) => {
      document.head.append(Object.assign(document.createElement('script'), { textContent: source }));
      return { violations: (await window.axe.run(document)).violations, heading: document.getElementById('share_heading').textContent };
    }, axe);
    await close(page);
    assert.equal(found.heading, 'Diese Lektion teilen');
    assert.deepEqual(found.violations, []);
  });

  test('in Arabic its words read right to left, the link and the frame\'s code left to right', async () => {
    const page = await open(browser, { address: server.url, query: 'lang=ar' });
    await page.press('F8');
    await panelOpen(page);
    const seen = await page.evaluate(() => ['share_heading', 'share_link', 'share_frame']
      .map((id) => getComputedStyle(document.getElementById(id)).direction));
    await close(page);
    assert.deepEqual(seen, ['rtl', 'ltr', 'ltr']);
  });

  test('from a file it shows no QR code, and the keyboard stays in it until Escape', async () => {
    const page = await open(browser);
    await page.evaluate(() => document.getElementById('share_button').focus());
    await page.press('F8');
    await panelOpen(page);
    assert.equal(await page.evaluate(() => document.getElementById('share_qr')), null);
    // The frame's address is the file's name, for the file put beside the course page.
    assert.ok((await page.evaluate(() => document.getElementById('share_frame').value)).startsWith(`<iframe src="${basename(pagePath)}" `));
    const stops = [];
    for (let k = 0; k < 8; ++k) {
      await page.press('Tab');
      stops.push(await page.evaluate(() => (document.activeElement.closest('#share_panel') ? document.activeElement.id || 'close' : 'outside')));
    }
    assert.deepEqual(stops, ['share_copy_link', 'share_frame', 'share_copy_frame', 'share_save', 'close', 'share_link', 'share_copy_link', 'share_frame']);
    await page.press('Escape');
    await waitFor(page, () => !document.getElementById('share_panel').open);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'share_button');
    await close(page);
  });
});

// Lessons saved through the panel's button from the page opened from a
// file and from the site, each after a press that sets r1 = 9.
const lessons = [];
const lessonFolder = mkdtempSync(join(tmpdir(), 'af-lesson-'));
const expectedName = 'angular-frequency-r1-9-r2-10-omega1-2-omega2-4.html';

describe('a lesson saved', () => {
  after(() => rmSync(lessonFolder, { recursive: true, force: true }));
  before(async () => {
    const chromium = await launch('chromium');
    const server = await serve(join(repo, 'build/site'));
    for (const [source, address] of [['file', undefined], ['site', server.url]]) {
      const page = await open(chromium, { address });
      await clickOn(page, 'r1_spin', 0.5, 0.75);
      await idle(page);
      await page.press('F8');
      await panelOpen(page);
      const box = await page.evaluate(() => {
        const r = document.getElementById('share_save').getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2];
      });
      const { name, text: html } = await page.download(...box);
      await close(page);
      const path = join(lessonFolder, `${source}-${name}`);
      writeFileSync(path, html);
      lessons.push({ source, name, html, url: pathToFileURL(path).href });
    }
    await server.stop();
    await chromium.close();
  });

  test('is named for its setup and holds the page\'s program with only the setup added', () => {
    const built = program(readFileSync(pagePath, 'utf8'));
    for (const { source, name, html } of lessons) {
      assert.equal(name, expectedName, source);
      const held = program(html);
      // The setup's own element, by its tag (the page's script names it too).
      const isSetup = (element) => /^<script[^>]*\sid="lesson_setup"/.test(element);
      assert.deepEqual(held.filter((element) => !isSetup(element)), built, source);
      assert.deepEqual(held.filter(isSetup),
        ['<script type="application/json" id="lesson_setup">"r1=9"</script>'], source);
      assert.ok(!/<[a-z]+\b[^>]*\sdata-site\b/.test(html), `${source}: nothing of the site`);
    }
  });

  test('edited by hand, its setup is checked as an address\'s is', { skip: !engines(['chromium']).length }, async () => {
    const browser = await launch('chromium');
    const path = join(lessonFolder, 'edited.html');
    writeFileSync(path, lessons[0].html.replace('id="lesson_setup">"r1=9"<', 'id="lesson_setup">r1=99<'));
    const page = await open(browser, { address: pathToFileURL(path).href });
    const seen = await page.evaluate(() => [document.getElementById('r1_value').textContent, document.getElementById('setup_notice').hidden,
      [...document.querySelectorAll('#setup_notice li')].map((li) => li.textContent.split(':')[0])]);
    await close(page);
    await browser.close();
    assert.deepEqual(seen, ['10', false, ['r1']]);
  });

  for (const engine of engines()) {
    test(`opens set up from file:// in ${engine}, and a query of its own wins`, async () => {
      const browser = await launch(engine);
      const faults = [];
      for (const { source, url } of lessons) {
        const page = await open(browser, { address: url });
        faults.push(...await goldenFaults(page, 'r1-down', 1, `${engine}-lesson-${source}`));
        await close(page);
        const asked = await open(browser, { address: url, query: 'r2=3' });
        assert.deepEqual([await text(asked, 'r1_value'), await text(asked, 'r2_value')], ['10', '3'], source);
        await close(asked);
      }
      await browser.close();
      assert.deepEqual(faults, []);
    });
  }
});

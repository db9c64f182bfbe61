// The page as a web site (build/site/), served from 127.0.0.1 as a school's
// site would serve it: its worker keeps it for use offline, where it draws
// as ever; it installs as an app; a new upload takes over; and a course page
// on another port holds it in a frame that Tab reaches.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { goldenFaults } from './golden.mjs';
import { engines, launch, open, close, waitFor, waitReady, repo } from './page.mjs';
import { serve } from './static_server.mjs';

const siteDir = join(repo, 'build/site');
// Until the worker has the site's files and answers for this page.
const kept = (session) => waitFor(session, () => navigator.serviceWorker.ready
  .then((registration) => registration.active.state === 'activated' && !!navigator.serviceWorker.controller), null, 30000);

// Offline, the page opens with each setup as the reference images have it.
const offlineStates = [['', 'start-up'], ['?r1=9', 'r1-down']];

for (const engine of engines(['chromium'])) {
  describe(`the site in ${engine}`, () => {
    let browser, server;
    before(async () => {
      browser = await launch(engine);
      server = await serve(siteDir);
    });
    after(async () => {
      await server?.stop();
      await browser?.close();
    });

    test('its worker keeps it: with the network cut, it opens and draws as ever; and it is installable', async () => {
      const page = await open(browser, { address: server.url, persistent: true });
      await kept(page);
      assert.deepEqual((await page.cdp('Page.getInstallabilityErrors')).installabilityErrors, []);
      await page.offline(true);
      const faults = [];
      for (const [query, state] of offlineStates) {
        await page.goto(`${server.url}${query}`);
        await waitReady(page);
        faults.push(...await goldenFaults(page, state, 1, `${engine}-offline`));
      }
      await close(page);
      assert.deepEqual(faults, []);
    });

    test('in a folder of a site, a new version uploaded takes over at the next visit', async () => {
      // A copy of the site in a folder of the server's, then a site written
      // there by the build's own step from a page that differs by one element.
      const root = mkdtempSync(join(tmpdir(), 'af-site-'));
      const folder = join(root, 'physics');
      cpSync(siteDir, folder, { recursive: true });
      const copy = await serve(root);
      const page = await open(browser, { address: `${copy.url}physics/` });
      await kept(page);
      const built = join(repo, 'build/web');
      const newer = join(root, 'angular-frequency.html');
      writeFileSync(newer, readFileSync(join(built, 'angular-frequency.html'), 'utf8').replace('</head>', '<meta name="upload" content="2">\n</head>'));
      execFileSync('node', [join(repo, 'src/shells/page/build/write_site.mjs'), '--page', newer,
        '--words', join(built, 'src/shells/page/laid-out-page.txt'), '--icon', join(repo, 'data/org.angularfrequency.AngularFrequency.svg'),
        '--icons', join(repo, 'data/icons'), '--licences', join(built, 'angular-frequency-font-licences.txt'),
        '--worker', join(repo, 'src/shells/page/site/service_worker.js'), '--rsvg', 'rsvg-convert', '--out', folder]);
      const version = /const version = '([0-9a-f]+)'/.exec(readFileSync(join(folder, 'service-worker.js'), 'utf8'))[1];
      assert.notEqual(version, /const version = '([0-9a-f]+)'/.exec(readFileSync(join(siteDir, 'service-worker.js'), 'utf8'))[1]);
      // The visit that finds the new worker still shows the old page; the next the new one.
      await page.reload();
      await waitFor(page, (version) => caches.keys().then((names) => names.length === 1 && names[0].endsWith(`/physics/ ${version}`)), version, 30000);
      await page.reload();
      await waitReady(page);
      assert.equal(await page.evaluate(() => document.querySelector('meta[name="upload"]')?.content), '2');
      await close(page);
      await copy.stop();
      rmSync(root, { recursive: true, force: true });
    });

    test('in a course page\'s frame on another port, from the share panel\'s code: ready at the frame\'s size, with its setup, and reached by Tab', async () => {
      const source = await open(browser, { address: server.url, query: 'r1=9' });
      await source.press('F8');
      const snippet = await waitFor(source, () => document.getElementById('share_panel')?.open && document.getElementById('share_frame').value);
      await close(source);
      // In a column 700 px wide, the frame takes the page's laid-out proportion, 622 by 319.
      const course = await serve(siteDir, { pages: { '/course.html': '<!doctype html><html lang="en"><title>Course</title>' +
        `<body style="margin: 0"><button id="before">Before</button><div style="width: 700px">${snippet}</div></body></html>` } });
      const page = await open(browser, { address: `${course.url}course.html`, width: 800, height: 600, ready: false });
      await waitFor(page, () => !!document.querySelector('iframe').contentWindow);
      assert.deepEqual(await page.evaluate(() => [document.querySelector('iframe').clientWidth, document.querySelector('iframe').clientHeight]),
        [700, Math.round((700 * 319) / 622)]);
      const inFrame = (fn, arg) => page.frameEvaluate(fn, arg);
      await waitFor({ evaluate: inFrame }, () => {
        const hooks = window.angularFrequency;
        if (hooks) hooks.ready.then(() => { hooks.readySeen = true; });
        return hooks && hooks.readySeen;
      }, null, 30000);
      const fit = await inFrame(() => {
        const boxes = [...document.querySelectorAll('[data-control]')].map((e) => e.getBoundingClientRect());
        return { size: [innerWidth, innerHeight], right: Math.max(...boxes.map((b) => b.right)), bottom: Math.max(...boxes.map((b) => b.bottom)),
          r1: document.getElementById('r1_value').textContent };
      });
      const [width, height] = [700, Math.round((700 * 319) / 622)];
      assert.deepEqual(fit.size, [width, height]);
      assert.ok(fit.right <= width && fit.bottom <= height, `the window reaches ${fit.right} x ${fit.bottom}`);
      assert.ok(fit.right > 0.9 * width || fit.bottom > 0.9 * height, `the window fills only ${fit.right} x ${fit.bottom}`);
      assert.equal(fit.r1, '9');
      await page.evaluate(() => document.getElementById('before').focus());
      const reached = [];
      for (let k = 0; k < 8; ++k) {
        await page.press('Tab');
        reached.push(await inFrame(() => document.activeElement?.id));
      }
      assert.deepEqual(reached, ['circle_view', 'wave_view_1', 'run_button', 'reset_button', 'time_step_0.01', 'wave_view_2',
        'omega_step_1', 'time_spin']);
      await page.press('ArrowUp');
      assert.equal(await inFrame(() => document.getElementById('time_spin').getAttribute('aria-valuenow')), '0.01');
      await close(page);
      await course.stop();
    });
  });
}

// Where the engine keeps workers, the site works offline: the server gone, a reload opens it as ever.
for (const engine of engines(['firefox', 'webkit'])) {
  describe(`the site in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(async () => { await browser?.close(); });

    test('it opens, gets ready, and works offline where the engine keeps workers', async (t) => {
      const server = await serve(siteDir);
      const page = await open(browser, { address: `${server.url}?r1=9` });
      assert.equal(await page.evaluate(() => document.getElementById('r1_value').textContent), '9');
      if (!await page.evaluate(() => 'serviceWorker' in navigator && isSecureContext)) {
        t.skip(`${engine} keeps no workers here`);
      } else {
        await kept(page);
        await server.stop();
        await page.reload();
        await waitReady(page);
        assert.deepEqual(await goldenFaults(page, 'r1-down', 1, `${engine}-offline`), []);
      }
      await close(page);
      await server.stop();
    });
  });
}

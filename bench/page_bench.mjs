// The page's budget in a headless chromium, from one run:
//   start-up: navigation to the first frame drawn, the page against the same
//     page with the core left out (its elements, fonts and CSS, no script but
//     one that notes its first frame as the page's hooks do), median of 31
//     loads each; then the page in each language it carries (?lang=),
//     median of 11 loads each against the same page in that language
//     without the core (its captions in that language's faces). A
//     frame is drawn once the browser has laid it out and painted it: a
//     message posted from its animation frame is taken then. The start of
//     that animation frame is printed too;
//   runs: how long a run of 101, 201 and 501 frames takes against one frame
//     per animation frame, and the frames skipped or shown twice;
//   size: the file as it is and gzip-compressed;
//   pacing in each engine (chromium, firefox-esr, WebKitGTK, through the
//     tests' engine modules) at device pixel ratios 1 and 2: the time from
//     frame to frame during a run of 101 frames, the page's own script work
//     in each animation frame, and the frame-to-frame time of a page that
//     only puts a few new pixels into canvases of the views' sizes each frame.
// Usage: node bench/page_bench.mjs build/web/angular-frequency.html [engines]
// (engines: comma-separated; all three unless named)
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '..');
// The tests' packages: tests/shells/page/run installs them.
const { chromium } = createRequire(join(repo, 'tests/shells/page/package.json'))('playwright-core');

const pagePath = resolve(process.argv[2] || join(repo, 'build/web/angular-frequency.html'));
process.env.AF_PAGE = pagePath;
const engines = (process.argv[3] || 'chromium,firefox,webkit').split(',');
const canvasPagePath = join(dirname(pagePath), 'canvas-pacing.html');
const blankPath = join(dirname(pagePath), 'blank-page.html');
const LOADS = 31, REPEATS = 3;
// The laid-out size and the views' sizes, from the layout's rows beside the page.
const { laidOut, laidOutViews } = await import(pathToFileURL(join(repo, 'tests/shells/page/page.mjs')).href);
const [laidOutWidth, laidOutHeight] = laidOut;

const median = (values) => {
  const v = [...values].sort((a, b) => a - b);
  return v.length % 2 ? v[(v.length - 1) / 2] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
};

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--force-color-profile=srgb'],
});

async function open(path, query = '') {
  const context = await browser.newContext({ viewport: { width: laidOutWidth, height: laidOutHeight }, offline: true });
  await context.route((url) => url.protocol !== 'file:' && url.protocol !== 'data:', (route) => route.abort());
  const page = await context.newPage();
  await page.goto(pathToFileURL(path).href + query);
  return { page, context };
}

// Milliseconds from navigation to the first frame drawn, and to the start of its animation frame.
async function firstFrame(path, query = '') {
  const { page, context } = await open(path, query);
  await page.waitForFunction(() => window.angularFrequency && window.angularFrequency.firstFrameDrawnAt !== undefined);
  const at = await page.evaluate(() => [window.angularFrequency.firstFrameDrawnAt, window.angularFrequency.firstFrameAt]);
  await context.close();
  return at;
}

// The page with the core left out, made from the real page (opened with
// `query`) once its first frame is drawn: canvases blank, every script gone
// but one that notes performance.now() at the first animation frame as the
// page's hooks do. Returns its path.
async function writeBlankPage(query = '', path = blankPath) {
  const { page, context } = await open(pagePath, query);
  await page.evaluate(() => window.angularFrequency.ready);
  const html = await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    for (const script of copy.querySelectorAll('script')) script.remove();
    const note = document.createElement('script');
    note.textContent = 'window.angularFrequency={};requestAnimationFrame(()=>{const h=window.angularFrequency;' +
      'h.firstFrameAt=performance.now();const c=new MessageChannel();' +
      'c.port1.onmessage=()=>{h.firstFrameDrawnAt=performance.now()};c.port2.postMessage(null)});';
    copy.querySelector('body').append(note);
    return `<!doctype html>\n${copy.outerHTML}`;
  });
  await context.close();
  writeFileSync(path, html);
  return path;
}

// The animation frame interval over 121 callbacks: their span over the
// number of frames in it, each gap counted in whole median gaps (timestamps
// come rounded, so one gap alone is off by a fraction; a missed frame counts
// as the frames it spans).
async function frameInterval() {
  const { page, context } = await open(blankPath);
  const times = await page.evaluate(() => new Promise((done) => {
    const t = [];
    const tick = (now) => { t.push(now); if (t.length < 121) requestAnimationFrame(tick); else done(t); };
    requestAnimationFrame(tick);
  }));
  await context.close();
  const gaps = times.slice(1).map((t, k) => t - times[k]);
  const typical = median(gaps);
  return (times[times.length - 1] - times[0]) / gaps.reduce((n, gap) => n + Math.max(1, Math.round(gap / typical)), 0);
}

// One run at a time step: its frames' timestamps.
async function run(page, step) {
  await page.click(`[id="time_step_${step}"]`);
  const before = await page.evaluate(() => window.angularFrequency.frameTimes().length);
  await page.click('#run_button');
  await page.waitForFunction(() => !window.angularFrequency.busy(), null, { timeout: 120000 });
  return page.evaluate((n) => window.angularFrequency.frameTimes().slice(n), before);
}

const fmt = (x, digits = 1) => x.toFixed(digits);
const verdict = (ok) => (ok ? 'within budget' : 'OVER BUDGET');

// Alternate the two pages so that neither has the machine's quieter moments.
await writeBlankPage();
await firstFrame(pagePath);
await firstFrame(blankPath);
const pageTimes = [], blankTimes = [];
for (let k = 0; k < LOADS; ++k) {
  pageTimes.push(await firstFrame(pagePath));
  blankTimes.push(await firstFrame(blankPath));
}
const [pageMs, pageFrameMs] = [0, 1].map((k) => median(pageTimes.map((t) => t[k])));
const [blankMs, blankFrameMs] = [0, 1].map((k) => median(blankTimes.map((t) => t[k])));
console.log(`navigation to first frame drawn, median of ${LOADS} loads`);
console.log(`  page ${fmt(pageMs)} ms, page without the core ${fmt(blankMs)} ms, ratio ${fmt(pageMs / blankMs, 2)}` +
  ` (budget 1.25: ${verdict(pageMs / blankMs <= 1.25)})`);
console.log(`  (to the start of that frame: page ${fmt(pageFrameMs)} ms, without the core ${fmt(blankFrameMs)} ms,` +
  ` ratio ${fmt(pageFrameMs / blankFrameMs, 2)})`);
{
  // The languages the page carries: its notice for a browser without WebAssembly is in each.
  const { page, context } = await open(pagePath);
  const tags = await page.evaluate(() => [...document.querySelectorAll('#no_webassembly p[lang]')].map((p) => p.lang));
  await context.close();
  const loads = 11;
  console.log(`in each language (?lang=), median of ${loads} loads, against the page in that language without the core`);
  for (const tag of tags.filter((t) => t !== 'en')) {
    const blankInLanguage = await writeBlankPage(`?lang=${tag}`, join(dirname(pagePath), `blank-page-${tag}.html`));
    await firstFrame(blankInLanguage);
    const times = [], blanks = [];
    for (let k = 0; k < loads; ++k) {
      times.push((await firstFrame(pagePath, `?lang=${tag}`))[0]);
      blanks.push((await firstFrame(blankInLanguage))[0]);
    }
    const [ms, blank] = [median(times), median(blanks)];
    console.log(`  ${tag}: ${fmt(ms)} ms, without the core ${fmt(blank)} ms, ratio ${fmt(ms / blank, 2)}` +
      ` (budget 1.25: ${verdict(ms / blank <= 1.25)})`);
  }
}

const interval = await frameInterval();
console.log(`runs against the animation frame interval, ${fmt(interval, 2)} ms on a blank page; median of ${REPEATS}`);
{
  const { page, context } = await open(pagePath);
  await page.evaluate(() => window.angularFrequency.ready);
  for (const [step, frames] of [['0.01', 101], ['0.005', 201], ['0.002', 501]]) {
    const ratios = [], misses = [];
    let counts = [];
    for (let k = 0; k < REPEATS; ++k) {
      const times = await run(page, step);
      counts.push(times.length);
      // The run lasts from its first frame to the end of its last one's frame.
      ratios.push((times[times.length - 1] - times[0] + interval) / (frames * interval));
      // A gap of n intervals: n - 1 animation frames without a new frame.
      misses.push(times.slice(1).reduce((sum, t, i) => {
        const n = Math.round((t - times[i]) / interval);
        return sum + (n === 0 ? 1 : n - 1);
      }, 0));
    }
    const r = median(ratios);
    counts = [...new Set(counts)].join('/');
    console.log(`  step ${step}: ${counts} frames (of ${frames}), duration / (frames x interval) ${fmt(r, 4)}` +
      ` (budget within 1 %: ${verdict(Math.abs(r - 1) <= 0.01)}), frames skipped or shown twice ${misses.join(', ')}`);
  }
  await context.close();
}
await browser.close();

const bytes = statSync(pagePath).size;
const gzipped = gzipSync(readFileSync(pagePath), { level: 9 }).length;
console.log(`page size ${fmt(bytes / 1024)} KB (budget 450: ${verdict(bytes / 1024 <= 450)}),` +
  ` gzip ${fmt(gzipped / 1024)} KB (budget 200: ${verdict(gzipped / 1024 <= 200)})`);

// A page that only animates canvases of the views' sizes: each animation
// frame puts a small new patch into each, as a run's frame changes little.
const canvasPage = `<!doctype html><meta charset="utf-8"><body style="margin:0">
<script>
const r = devicePixelRatio, sizes = ${JSON.stringify(laidOutViews.map(({ size }) => size))}, times = [];
const canvases = sizes.map(([w, h]) => {
  const c = document.body.appendChild(document.createElement('canvas'));
  Object.assign(c, { width: Math.round(w * r), height: Math.round(h * r) });
  Object.assign(c.style, { width: w + 'px', height: h + 'px', display: 'block' });
  return c;
});
const images = canvases.map(() => new ImageData(8, 8));
window.animate = (frames) => new Promise((done) => {
  const tick = (now) => {
    times.push(now);
    images.forEach((image, k) => { image.data.fill(times.length * 37 % 256); canvases[k].getContext('2d').putImageData(image, times.length % 100, 0); });
    if (times.length < frames) requestAnimationFrame(tick); else done(times);
  };
  requestAnimationFrame(tick);
});
</script>`;

// In the page: wraps requestAnimationFrame so that each callback's own time is noted.
function noteWork() {
  const request = window.requestAnimationFrame.bind(window);
  window.frameWork = [];
  window.requestAnimationFrame = (callback) => request((now) => {
    const start = performance.now();
    callback(now);
    window.frameWork.push(performance.now() - start);
  });
}

const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(q * values.length))];
const gapsOf = (times) => times.slice(1).map((t, k) => t - times[k]);

writeFileSync(canvasPagePath, canvasPage);
const enginePage = await import(pathToFileURL(join(repo, 'tests/shells/page/page.mjs')).href);
console.log(`pacing in each engine during a run of 101 frames at a time step of 0.01, ${laidOutWidth}x${laidOutHeight} viewport, median of ` +
  `${REPEATS} runs: ms per frame (page's own work in a frame: median / 90th percentile); a canvas-only page's ms per frame`);
for (const engine of engines) {
  const browser = await enginePage.launch(engine);
  for (const ratio of [1, 2]) {
    const session = await enginePage.open(browser, { ratio });
    await session.evaluate(noteWork);
    const perFrame = [], work = [];
    for (let k = 0; k < REPEATS; ++k) {
      const before = await session.evaluate(() => [window.angularFrequency.frameTimes().length, window.frameWork.length]);
      await enginePage.act(session, [['click', 'run_button']]);
      await enginePage.idle(session);
      const [times, done] = await session.evaluate(([n, w]) => [window.angularFrequency.frameTimes().slice(n), window.frameWork.slice(w)], before);
      perFrame.push(median(gapsOf(times)));
      work.push(...done);
    }
    await enginePage.close(session);
    const blank = await browser.open({ url: pathToFileURL(canvasPagePath).href, width: laidOutWidth, height: laidOutHeight, ratio });
    const blankPerFrame = median(gapsOf(await blank.evaluate(() => window.animate(121))));
    await blank.close();
    console.log(`  ${engine} at ratio ${ratio}: ${fmt(median(perFrame))} ms per frame (work ${fmt(median(work), 2)} / ` +
      `${fmt(quantile(work, 0.9), 2)} ms); canvas-only page ${fmt(blankPerFrame)} ms per frame`);
  }
  await browser.close();
}

// The page as a web site (build/site/), served gzip-compressed from 127.0.0.1
// as static hosts serve it:
//   Lighthouse's scores in its mobile profile (simulated slow network and
//     a 4x slower processor), against the goals: accessibility 100, best
//     practices 100, SEO 90, performance 90; with every audit that fell short;
//     and, beside them, its scores in its desktop profile;
//   the first frame drawn, from navigation, median of 15 loads in headless
//     chromium, unthrottled and with the processor slowed 4x (the DevTools
//     protocol's CPU throttling), as on a school's cheapest laptop;
//   the site's size, and the page's, plain and compressed.
// Usage: node bench/site_bench.mjs [build/site]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const site = resolve(process.argv[2] || join(repo, 'build/site'));
// The tests' server and browser flags, and their packages (tests/shells/page/run installs them).
const { serve } = await import(join(repo, 'tests/shells/page/static_server.mjs'));
const { chromiumArgs } = await import(join(repo, 'tests/shells/page/engines/chromium.mjs'));
const { chromium } = createRequire(join(repo, 'tests/shells/page/package.json'))('playwright-core');
const LOADS = 15;
const fmt = (n) => n.toFixed(1);
const median = (values) => {
  const v = [...values].sort((a, b) => a - b);
  return v.length % 2 ? v[(v.length - 1) / 2] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
};

const server = await serve(site, { compress: true });
try {
  // Lighthouse, in a chromium of its own.
  const goals = { performance: 90, accessibility: 100, 'best-practices': 100, seo: 90 };
  const audit = async (config) => {
    const browser = await chromeLauncher.launch({ chromePath: '/usr/bin/chromium', chromeFlags: [...chromiumArgs, '--headless=new'] });
    try {
      return (await lighthouse(server.url, { port: browser.port, output: 'json', logLevel: 'error', onlyCategories: Object.keys(goals) }, config)).lhr;
    } finally {
      await browser.kill();
    }
  };
  const lhr = await audit(undefined);
  for (const [id, goal] of Object.entries(goals)) {
    const category = lhr.categories[id];
    const score = Math.round(category.score * 100);
    console.log(`lighthouse, mobile, ${category.title}: ${score} (goal ${goal}: ${score >= goal ? 'met' : 'NOT MET'})`);
    for (const { id: audit, weight } of category.auditRefs) {
      const result = lhr.audits[audit];
      if (weight > 0 && result.score !== null && result.score < 1) {
        console.log(`  ${audit}: ${Math.round(result.score * 100)}${result.displayValue ? ` (${result.displayValue})` : ''}`);
      }
    }
  }
  for (const metric of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'cumulative-layout-shift', 'speed-index']) {
    console.log(`  ${lhr.audits[metric].title}: ${lhr.audits[metric].displayValue}`);
  }
  if (lhr.runWarnings.length) console.log(`  warnings: ${lhr.runWarnings.join('; ')}`);
  const desktop = await audit(desktopConfig);
  console.log(`lighthouse, desktop: ${Object.keys(goals).map((id) => `${desktop.categories[id].title} ${Math.round(desktop.categories[id].score * 100)}`).join(', ')}`);

  // The first frame, unthrottled and with the processor slowed 4x.
  const headless = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs });
  const firstFrame = async (rate) => {
    const context = await headless.newContext({ viewport: { width: 622, height: 319 } });
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate });
    await page.goto(server.url);
    await page.waitForFunction(() => window.angularFrequency && window.angularFrequency.firstFrameDrawnAt !== undefined, null, { timeout: 60000 });
    const at = await page.evaluate(() => window.angularFrequency.firstFrameDrawnAt);
    await context.close();
    return at;
  };
  const frames = {};
  for (const rate of [1, 4]) {
    frames[rate] = [];
    for (let k = 0; k < LOADS; ++k) frames[rate].push(await firstFrame(rate));
  }
  await headless.close();
  console.log(`first frame drawn, served compressed, median of ${LOADS}: ${fmt(median(frames[1]))} ms unthrottled,` +
    ` ${fmt(median(frames[4]))} ms with the processor slowed 4x`);
} finally {
  await server.stop();
}

const files = readdirSync(site);
const sizes = files.map((file) => readFileSync(join(site, file)));
const plain = sizes.reduce((sum, bytes) => sum + bytes.length, 0);
const packed = sizes.reduce((sum, bytes) => sum + gzipSync(bytes, { level: 9 }).length, 0);
const page = readFileSync(join(site, 'index.html'));
console.log(`site: ${files.length} files, ${fmt(plain / 1024)} KB, gzip ${fmt(packed / 1024)} KB;` +
  ` its page ${fmt(statSync(join(site, 'index.html')).size / 1024)} KB, gzip ${fmt(gzipSync(page, { level: 9 }).length / 1024)} KB`);

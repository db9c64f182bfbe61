// Where a load of the page spends its time, in a headless chromium, for
// finding what to make faster (page_bench.mjs gives the budgets):
//   moments: medians over loads of when the page's stages happen, in ms from
//     navigation: the core's unpacking, compiling and instantiating (noted
//     by wrapping the browser's own calls before the page runs), parsing
//     done, the first animation frame and the first frame drawn;
//   main thread: one traced load's main-thread time by kind of work, from
//     navigation to the first frame drawn.
// The harness reads nothing from the page until its first frame is drawn,
// so that its own script does not run inside the load it measures.
// Usage: node bench/page_timeline.mjs [page.html] [query, e.g. ?lang=de] [loads]
import { readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = createRequire(join(repo, 'tests/shells/page/package.json'))('playwright-core');
const pagePath = resolve(process.argv[2] || join(repo, 'build/web/angular-frequency.html'));
const query = process.argv[3] || '';
const loads = Number(process.argv[4] || 15);

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--force-color-profile=srgb'],
});

// Runs in the page before its own script.
function noteMoments() {
  const moments = (globalThis.pageMoments = []);
  const note = (name) => moments.push([name, performance.now()]);
  const wasm = WebAssembly;
  for (const [call, name] of [['compile', 'compiled'], ['instantiate', 'instantiated']]) {
    const own = wasm[call];
    wasm[call] = (...args) => own.apply(wasm, args).then((result) => { note(name); return result; });
  }
  if (globalThis.DecompressionStream) {
    const Own = globalThis.DecompressionStream;
    globalThis.DecompressionStream = class extends Own { constructor(format) { note('unpacking'); super(format); } };
  }
  document.addEventListener('DOMContentLoaded', () => note('parsed'));
}

async function load(trace) {
  const context = await browser.newContext({ viewport: { width: 622, height: 319 }, offline: true });
  await context.addInitScript(noteMoments);
  const page = await context.newPage();
  if (trace) await browser.startTracing(page, { path: trace, categories: ['devtools.timeline', 'blink.user_timing', 'v8.wasm', 'v8'] });
  await page.goto(pathToFileURL(pagePath).href + query);
  let moments;
  do {
    await new Promise((done) => setTimeout(done, 250));
    moments = await page.evaluate(() => {
      const hooks = window.angularFrequency;
      return hooks && hooks.firstFrameDrawnAt !== undefined &&
        [...pageMoments, ['first animation frame', hooks.firstFrameAt], ['first frame drawn', hooks.firstFrameDrawnAt]];
    });
  } while (!moments);
  if (trace) await browser.stopTracing();
  await context.close();
  return moments;
}

const median = (values) => {
  const v = [...values].sort((a, b) => a - b);
  return v.length % 2 ? v[(v.length - 1) / 2] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
};

await load();
const byName = new Map();
for (let k = 0; k < loads; ++k) for (const [name, at] of await load()) byName.set(name, [...(byName.get(name) || []), at]);
console.log(`${pagePath.split('/').pop()}${query}: moments, median of ${loads} loads (ms from navigation)`);
for (const [name, times] of [...byName].sort((a, b) => median(a[1]) - median(b[1]))) {
  console.log(`  ${name.padEnd(24)} ${median(times).toFixed(1).padStart(7)}`);
}

// The renderer's main thread in one traced load, by the kind of its work:
// each event's own time, less the time of the events inside it.
const tracePath = join(tmpdir(), `page-timeline-${process.pid}.json`);
const drawnAt = (await load(tracePath)).at(-1)[1];
const events = JSON.parse(readFileSync(tracePath, 'utf8')).traceEvents;
rmSync(tracePath);
const navigation = events.find((e) => e.name === 'navigationStart' && e.cat.includes('blink.user_timing'));
const end = navigation.ts + drawnAt * 1000;
const main = events.filter((e) => e.ph === 'X' && e.pid === navigation.pid && e.tid === navigation.tid &&
  e.ts >= navigation.ts && e.ts < end).sort((a, b) => a.ts - b.ts || b.dur - a.dur);
const kinds = [
  [/CompileLazy/, 'core functions compiled on first call'], [/^wasm\./, 'core compiling, other'],
  [/^v8\.compile|Compile/, 'script compiling'], [/GC|Scavenge|MarkCompact/, 'garbage collection'],
  [/ParseHTML|Tokenizer|Preload|ScanAndPreload/, 'document parsing'], [/CSSParser|ParseStyleSheet/, 'style sheets parsed'],
  [/Style|LayoutTree|recalc/i, 'style'], [/Layout|layout/, 'layout'], [/Paint|Raster|Commit|Layerize/, 'paint and commit'],
  [/Font/, 'fonts'], [/Inflate|Decompress/, 'core unpacking'], [/v8\.run|FunctionCall|EvaluateScript|callFunction|RunMicrotasks/, 'script running'],
];
const own = new Map();
const open = [];
for (const e of main) {
  while (open.length && e.ts >= open.at(-1).ts + open.at(-1).dur) open.pop();
  if (open.length) open.at(-1).inner += Math.min(e.dur, open.at(-1).ts + open.at(-1).dur - e.ts);
  open.push(Object.assign(e, { inner: 0 }));
}
for (const e of main) {
  const kind = (kinds.find(([pattern]) => pattern.test(e.name)) || [null, 'other'])[1];
  own.set(kind, (own.get(kind) || 0) + Math.max(0, e.dur - e.inner) / 1000);
}
const busy = [...own.values()].reduce((sum, ms) => sum + ms, 0);
console.log(`main thread in one traced load, to its first frame drawn at ${drawnAt.toFixed(1)} ms: busy ${busy.toFixed(1)} ms`);
for (const [kind, ms] of [...own].sort((a, b) => b[1] - a[1])) console.log(`  ${kind.padEnd(40)} ${ms.toFixed(1).padStart(6)}`);
await browser.close();

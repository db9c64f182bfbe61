// The page in a browser engine, through the few operations the tests need
// (engines/*.mjs, one module per engine): open the page at a viewport size
// and device pixel ratio, evaluate script in it, press keys, click, take a
// screenshot. The helpers here are the same in every engine.
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
export const pagePath = resolve(process.env.AF_PAGE || join(repo, 'build/web/angular-frequency.html'));
export const pageUrl = pathToFileURL(pagePath).href;
// The same page built with the two languages made for tests (en-XA half as
// long again, en-XB right to left), beside it.
export const pseudoPageUrl = pathToFileURL(resolve(process.env.AF_PSEUDO_PAGE ||
  pagePath.replace(/\.html$/, '-pseudo.html'))).href;
export const outputDir = join(repo, 'build/web/test-output');
// The reference images of tests/core/model/golden_frames_test.cpp (another folder for a trial).
export const goldenDir = resolve(process.env.AF_GOLDEN || join(repo, 'tests/golden'));

// The layout's rows in twips, as the core prints them when the page is built
// (beside the page, or in the web build for a page from elsewhere), and the
// laid-out client area in CSS pixels, 15 twips to a pixel.
const rowsPath = [join(dirname(pagePath), 'layout-rows.json'), join(repo, 'build/web/layout-rows.json')].find(existsSync);
if (!rowsPath) throw new Error(`no layout-rows.json beside ${pagePath} or in build/web: build the page first`);
export const layoutRows = JSON.parse(readFileSync(rowsPath, 'utf8'));
export const twipsToPx = (twips) => Math.round(twips / 15);
export const laidOut = layoutRows.client_twips.map(twipsToPx);
// The views (picture controls, circle view first, in the rows' order): each
// one's corner in the window, its twips summed over its parents, and its
// size, in layout pixels.
export const laidOutViews = layoutRows.controls.filter((row) => row.kind === 'picture').map((view) => {
  let [x, y] = view.twips;
  for (let row = view; row.parent !== 'window';) {
    row = layoutRows.controls.find((r) => r.name === row.parent);
    x += row.twips[0];
    y += row.twips[1];
  }
  return { name: view.name, corner: [twipsToPx(x), twipsToPx(y)], size: view.twips.slice(2).map(twipsToPx) };
});

// The engines to test in: AF_ENGINES (comma-separated) or all three. A test
// file that runs in fewer names them.
const allEngines = ['chromium', 'firefox', 'webkit'];
const chosen = process.env.AF_ENGINES ? process.env.AF_ENGINES.split(',') : allEngines;
export const engines = (only = allEngines) => chosen.filter((engine) => only.includes(engine));

export async function launch(engine = 'chromium') {
  const module = await import(`./engines/${engine}.mjs`);
  return module.launch();
}

// The page, fresh, in `browser`. With `ready`, waits until the page says it
// is ready. `initScript` runs before the page's own scripts.
// `query` is the address's query, a lesson's setup; `locale` the browser's
// language, where the engine lets a test choose it (chromium). `address`
// opens another page than the one built (a site on 127.0.0.1, whose
// requests are then let through, or a lesson file); `persistent`, in a
// profile of its own (chromium), not an incognito one; `base` the page's
// address where it is another build's page (the test languages').
export async function open(browser, { width = laidOut[0], height = laidOut[1], ratio = 1, initScript, ready = true, query, locale, address, persistent, base = pageUrl } = {}) {
  const url = `${address ?? base}${query === undefined ? '' : `?${query}`}`;
  const served = url.startsWith('http://127.0.0.1:');
  const session = await browser.open({ url, width, height, ratio, initScript, locale, served, persistent });
  if (ready) await waitReady(session);
  return session;
}

// Waits until the page says it is ready (after opening, or going to another address).
export async function waitReady(session) {
  await waitFor(session, () => {
    const hooks = window.angularFrequency;
    if (hooks) hooks.ready.then(() => { hooks.readySeen = true; });
    return hooks && hooks.readySeen;
  }, null, 30000).catch(async (error) => {
    // Where start-up stopped.
    const state = await session.evaluate(() => ({
      hooks: !!window.angularFrequency, firstFrameAt: window.angularFrequency?.firstFrameAt,
      firstFrameDrawnAt: window.angularFrequency?.firstFrameDrawnAt, fonts: document.fonts.status,
      visibility: document.visibilityState, focus: document.hasFocus(), now: performance.now(),
    })).catch((e) => e.message);
    throw new Error(`${error.message}\nthe page: ${JSON.stringify(state)}`);
  });
}

// Closes the page; fails on any exception it let escape or any request it
// tried to make.
export async function close(session) {
  const { errors, blocked } = await session.close();
  if (errors.length) throw new Error(`the page threw:\n${errors.join('\n')}`);
  if (blocked.length) throw new Error(`the page asked the network for:\n${blocked.join('\n')}`);
}

export const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// Waits until `fn(arg)`, run in the page, gives something true; asked again
// every 16 ms from here, so that no call into the page lasts long.
export async function waitFor(session, fn, arg = null, timeout = 60000) {
  const end = Date.now() + timeout;
  for (;;) {
    let failure;
    try {
      const value = await session.evaluate(fn, arg);
      if (value) return value;
    } catch (error) {
      failure = error;
    }
    if (Date.now() > end) throw new Error(`waited ${timeout} ms for ${fn}${failure ? `: ${failure.message}` : ''}`);
    await pause(16);
  }
}

export const idle = (session) => waitFor(session, () => !window.angularFrequency.busy());
export const framesShown = (session) => session.evaluate(() => window.angularFrequency.framesShown());
export const attribute = (session, id, name) => session.evaluate(([id, name]) => document.getElementById(id).getAttribute(name), [id, name]);
export const valueNow = (session, id) => attribute(session, id, 'aria-valuenow').then(Number);
export const focus = (session, id) => session.evaluate((id) => document.getElementById(id).focus(), id);
// An element's box in the viewport's CSS pixels; with `part`, the box of the
// element inside it that the selector names.
export const boxOf = (session, id, part) => session.evaluate(([id, part]) => {
  const element = document.getElementById(id);
  const r = (part ? element.querySelector(part) : element).getBoundingClientRect();
  return { x: r.left, y: r.top, width: r.width, height: r.height };
}, [id, part ?? null]);

// Clicks the element at a fraction of its width and height (its middle unless told).
export async function clickOn(session, id, fx = 0.5, fy = 0.5) {
  const box = await boxOf(session, id);
  await session.click(box.x + box.width * fx, box.y + box.height * fy);
}

// Acts written as the tests' tables spell them:
//   ['key', control, key, times]  focus the control and press the key
//   ['click', control]            click it in the middle
//   ['spin', control, 'up'|'down', times]  click the spin's upper or lower half
export async function act(session, steps) {
  for (const [how, id, arg, times = 1] of steps) {
    if (how === 'key') {
      await focus(session, id);
      for (let k = 0; k < times; ++k) await session.press(arg);
    } else if (how === 'click') {
      await clickOn(session, id);
    } else if (how === 'spin') {
      for (let k = 0; k < times; ++k) await clickOn(session, id, 0.5, arg === 'up' ? 0.25 : 0.75);
    } else {
      throw new Error(`no such act: ${how}`);
    }
  }
}

// A canvas's own pixels (getImageData), as { width, height, data: RGBA }.
export async function canvasPixels(session, id) {
  const { width, height, base64 } = await session.evaluate((id) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let k = 0; k < data.length; k += 0x8000) text += String.fromCharCode(...data.subarray(k, k + 0x8000));
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  }, id);
  return { width, height, data: new Uint8Array(Buffer.from(base64, 'base64')) };
}

// An element's box in device pixels, as a screenshot has it.
export async function deviceBox(session, id, ratio, part) {
  const box = await boxOf(session, id, part);
  return { x: Math.round(box.x * ratio), y: Math.round(box.y * ratio), width: Math.round(box.width * ratio), height: Math.round(box.height * ratio) };
}

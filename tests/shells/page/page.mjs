// Opens the page in Debian's chromium, headless, offline, from file://.
import { chromium } from 'playwright-core';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
export const pagePath = resolve(process.env.AF_PAGE || join(repo, 'build/web/angular-frequency.html'));
export const pageUrl = pathToFileURL(pagePath).href;
export const outputDir = join(repo, 'build/web/test-output');
// The reference images of tests/core/model/golden_frames_test.cpp (another folder for a trial).
export const goldenDir = resolve(process.env.AF_GOLDEN || join(repo, 'tests/golden'));

// No sandbox (root in CI), no GPU (the same software pixels everywhere), and
// nothing that phones home.
export const chromiumArgs = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--force-color-profile=srgb',
];

export function launch() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs });
}

// A fresh context and the page in it. Every request that is not for a file:
// or data: URL is refused and kept in `blocked`; uncaught exceptions go to
// `errors`. With `ready`, waits until the first frame is drawn.
export async function open(browser, { width = 622, height = 319, ratio = 1, initScript, ready = true } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: ratio, offline: true });
  const blocked = [], errors = [];
  await context.route((url) => url.protocol !== 'file:' && url.protocol !== 'data:', (route) => {
    blocked.push(route.request().url());
    return route.abort();
  });
  if (initScript) await context.addInitScript(initScript);
  const page = await context.newPage();
  page.on('pageerror', (error) => errors.push(error));
  await page.goto(pageUrl);
  if (ready) {
    await page.waitForFunction(() => window.angularFrequency && window.angularFrequency.ready);
    await page.evaluate(() => window.angularFrequency.ready);
  }
  return { page, context, blocked, errors };
}

// Closes the context; fails on any exception the page let escape or any
// request it tried to make.
export async function close({ context, blocked, errors }) {
  await context.close();
  if (errors.length) throw new Error(`the page threw:\n${errors.map((e) => e.stack || e).join('\n')}`);
  if (blocked.length) throw new Error(`the page asked the network for:\n${blocked.join('\n')}`);
}

export const idle = (page) => page.waitForFunction(() => !window.angularFrequency.busy(), null, { timeout: 60000 });
export const framesShown = (page) => page.evaluate(() => window.angularFrequency.framesShown());

// An element by the layout's name; names with dots need the attribute form.
export const byId = (name) => `[id="${name}"]`;
// A view's canvas, whether the canvas carries the name or sits inside it.
export const canvasOf = (name) => `canvas${byId(name)}, ${byId(name)} canvas`;

export const valueNow = (page, name) => page.getAttribute(byId(name), 'aria-valuenow').then(Number);

// Acts written as the tests' tables spell them:
//   ['key', control, key, times]  focus the control and press the key
//   ['click', control]            click it in the middle
//   ['spin', control, 'up'|'down', times]  click the spin's upper or lower half
export async function act(page, steps) {
  for (const [how, name, arg, times = 1] of steps) {
    const target = page.locator(byId(name));
    if (how === 'key') {
      await target.focus();
      for (let k = 0; k < times; ++k) await page.keyboard.press(arg);
    } else if (how === 'click') {
      await target.click();
    } else if (how === 'spin') {
      const box = await target.boundingBox();
      for (let k = 0; k < times; ++k) {
        await target.click({ position: { x: box.width / 2, y: arg === 'up' ? box.height / 4 : (3 * box.height) / 4 } });
      }
    } else {
      throw new Error(`no such act: ${how}`);
    }
  }
}

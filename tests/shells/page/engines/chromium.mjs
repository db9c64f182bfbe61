// Debian's chromium, headless, through playwright-core: a fresh context for
// each page, offline, with every request that is not for a file: or data:
// URL refused and noted; a page `served` from 127.0.0.1 may ask that host
// (and the network is cut only when a test says so).
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

// No sandbox (root in CI), no GPU (the same software pixels everywhere), and
// nothing that phones home.
export const chromiumArgs = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--force-color-profile=srgb',
];

const launchOptions = { executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs };

export async function launch() {
  const browser = await chromium.launch(launchOptions);
  return {
    name: 'chromium',
    // `persistent`: in a profile of its own rather than an incognito one, as
    // a browser installs apps only from such.
    async open({ url, width, height, ratio, initScript, locale, served, persistent }) {
      const options = { viewport: { width, height }, deviceScaleFactor: ratio, offline: !served, acceptDownloads: true,
        ...(locale ? { locale } : {}) };
      const profile = persistent ? mkdtempSync(join(tmpdir(), 'af-profile-')) : null;
      const context = profile
        ? await chromium.launchPersistentContext(profile, { ...launchOptions, ...options })
        : await browser.newContext(options);
      const blocked = [], errors = [];
      const allowed = (u) => u.protocol === 'file:' || u.protocol === 'data:' || u.protocol === 'blob:' || (served && u.hostname === '127.0.0.1');
      await context.route((u) => !allowed(u), (route) => {
        blocked.push(route.request().url());
        return route.abort();
      });
      if (initScript) await context.addInitScript(initScript);
      const page = context.pages()[0] ?? await context.newPage();
      page.on('pageerror', (error) => errors.push(error.stack || String(error)));
      await page.goto(url);
      return {
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        press: (key) => page.keyboard.press(key),
        keyDown: (key) => page.keyboard.down(key),
        keyUp: (key) => page.keyboard.up(key),
        click: (x, y) => page.mouse.click(x, y),
        screenshot: () => page.screenshot(),
        resize: (w, h) => page.setViewportSize({ width: w, height: h }),
        goto: (address) => page.goto(address),
        reload: () => page.reload(),
        offline: (cut) => context.setOffline(cut),
        // The DevTools protocol, for what no driver call gives.
        cdp: async (method, params) => (await context.newCDPSession(page)).send(method, params),
        // Runs `fn(arg)` in the page's first frame.
        frameEvaluate: (fn, arg) => page.frames()[1].evaluate(fn, arg),
        // What a click at (x, y) downloads, as text.
        async download(x, y) {
          const [download] = await Promise.all([page.waitForEvent('download'), page.mouse.click(x, y)]);
          const chunks = [];
          for await (const chunk of await download.createReadStream()) chunks.push(chunk);
          return { name: download.suggestedFilename(), text: Buffer.concat(chunks).toString('utf8') };
        },
        async close() {
          await context.close();
          if (profile) rmSync(profile, { recursive: true, force: true });
          return { errors, blocked };
        },
      };
    },
    close: () => browser.close(),
  };
}

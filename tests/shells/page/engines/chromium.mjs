// Debian's chromium, headless, through playwright-core: a fresh context for
// each page, offline, with every request that is not for a file: or data:
// URL refused and noted.
import { chromium } from 'playwright-core';

// No sandbox (root in CI), no GPU (the same software pixels everywhere), and
// nothing that phones home.
export const chromiumArgs = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--force-color-profile=srgb',
];

export async function launch() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: chromiumArgs });
  return {
    name: 'chromium',
    async open({ url, width, height, ratio, initScript, locale }) {
      const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: ratio, offline: true,
        ...(locale ? { locale } : {}) });
      const blocked = [], errors = [];
      await context.route((u) => u.protocol !== 'file:' && u.protocol !== 'data:', (route) => {
        blocked.push(route.request().url());
        return route.abort();
      });
      if (initScript) await context.addInitScript(initScript);
      const page = await context.newPage();
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
        async close() {
          await context.close();
          return { errors, blocked };
        },
      };
    },
    close: () => browser.close(),
  };
}

// Debian's firefox-esr, headless, over WebDriver BiDi through puppeteer-core:
// a fresh browser context for each page, with every request that is not for
// a file: or data: URL refused and noted (requests to a loopback address
// from the file: page are stopped by firefox before they show here); a page
// `served` from 127.0.0.1 is let ask anything (its server sees what).
import puppeteer from 'puppeteer-core';

// Nothing that phones home, and no first-run pages.
const prefs = {
  'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false, 'datareporting.policy.dataSubmissionEnabled': false,
  'toolkit.telemetry.reportingpolicy.firstRun': false, 'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false, 'browser.safebrowsing.update.enabled': false,
  'extensions.update.enabled': false, 'browser.region.network.url': '', 'network.dns.disablePrefetch': true,
};

// Keys as the tests name them (puppeteer names the space bar by its character).
const keyOf = (name) => (name === 'Space' ? ' ' : name);

export async function launch() {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, extraPrefsFirefox: prefs, protocolTimeout: 60000,
  });
  return {
    name: 'firefox',
    async open({ url, width, height, ratio, initScript, served }) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      const blocked = [], errors = [];
      await page.setViewport({ width, height, deviceScaleFactor: ratio });
      // Not for a served page, whose worker the interception would keep out.
      if (!served) await page.setRequestInterception(true);
      if (!served) page.on('request', (request) => {
        const { protocol } = new URL(request.url());
        if (protocol === 'file:' || protocol === 'data:') return request.continue();
        blocked.push(request.url());
        return request.abort();
      });
      page.on('pageerror', (error) => errors.push(error.stack || String(error)));
      if (initScript) await page.evaluateOnNewDocument(initScript);
      await page.goto(url);
      return {
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        press: (key) => page.keyboard.press(keyOf(key)),
        keyDown: (key) => page.keyboard.down(keyOf(key)),
        keyUp: (key) => page.keyboard.up(keyOf(key)),
        click: (x, y) => page.mouse.click(x, y),
        screenshot: async () => Buffer.from(await page.screenshot()),
        resize: (w, h) => page.setViewport({ width: w, height: h, deviceScaleFactor: ratio }),
        goto: (address) => page.goto(address),
        reload: () => page.reload(),
        async close() {
          await context.close();
          return { errors, blocked };
        },
      };
    },
    close: () => browser.close(),
  };
}

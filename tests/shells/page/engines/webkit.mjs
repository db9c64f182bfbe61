// WebKitGTK's MiniBrowser, driven over WebDriver by Debian's WebKitWebDriver
// through selenium-webdriver, on a virtual X display of its own. GDK_SCALE
// sets the device pixel ratio, so each ratio has its own driver and browser;
// each page is a new navigation in the browser of its ratio.
//
// WebDriver classic sees neither the page's requests nor its exceptions:
// exceptions are noted from just after the page has loaded (one thrown while
// it loads shows as a page that never gets ready), and requests not at all
// (chromium checks those).
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { Builder, Key, Origin } from 'selenium-webdriver';

const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const keys = { Tab: Key.TAB, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN, Enter: Key.RETURN, Space: Key.SPACE };
const keyOf = (name) => {
  if (!keys[name]) throw new Error(`webkit: no key ${name}`);
  return keys[name];
};

// A virtual X display on a free number, which Xvfb writes to fd 3 once it is up.
function startDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '3000x2000x24', '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    let text = '';
    xvfb.on('error', reject);
    xvfb.on('exit', (code) => reject(new Error(`Xvfb left with ${code}`)));
    xvfb.stdio[3].on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve({ xvfb, display: `:${text.trim()}` });
    });
  });
}

const freePort = () => new Promise((resolve, reject) => {
  const server = createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
  server.on('error', reject);
});

async function startBrowser(display, ratio) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
    stdio: 'ignore', env: { ...process.env, DISPLAY: display, GDK_SCALE: String(ratio), GDK_BACKEND: 'x11' },
  });
  const capabilities = { browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } };
  for (let tries = 0; ; ++tries) {
    try {
      const session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities(capabilities).build();
      await session.manage().setTimeouts({ script: 120000 });
      return { driver, session };
    } catch (error) {
      if (tries > 50) throw error;
      await new Promise((r) => setTimeout(r, 100));
    }
  }
}

// Runs `fn(arg)` in the page, awaiting a promise it returns.
async function evaluate(session, fn, arg) {
  const result = await session.executeAsyncScript(`const done = arguments[arguments.length - 1];
    Promise.resolve().then(() => (${fn})(arguments[0])).then((value) => done({ value: value === undefined ? null : value }),
      (error) => done({ error: String(error && error.stack || error) }));`, arg === undefined ? null : arg);
  if (result.error) throw new Error(`in the page: ${result.error}`);
  return result.value;
}

export async function launch() {
  const { xvfb, display } = await startDisplay();
  const browsers = new Map();  // ratio -> { driver, session }
  const stopAll = () => {
    for (const { driver } of browsers.values()) driver.kill();
    xvfb.kill();
  };
  process.on('exit', stopAll);

  // Sizes the window for a viewport of this size: the toolbar's size is the
  // outer size less the inner one. X resizes in its own time, so the new
  // size is waited for.
  async function size({ session }, width, height) {
    const sizes = () => evaluate(session, () => [innerWidth, innerHeight, outerWidth, outerHeight]);
    const [iw, ih, ow, oh] = await sizes();
    await session.manage().window().setRect({ x: 0, y: 0, width: width + ow - iw, height: height + oh - ih });
    let seen;
    for (let k = 0; k < 100; ++k) {
      seen = await sizes();
      if (seen[0] === width && seen[1] === height) return;
      await new Promise((r) => setTimeout(r, 20));
    }
    throw new Error(`webkit: a ${seen[0]}x${seen[1]} viewport, not ${width}x${height}`);
  }

  return {
    name: 'webkit',
    async open({ url, width, height, ratio, initScript }) {
      if (initScript) throw new Error('webkit: WebDriver runs no script before the page\'s own');
      if (!browsers.has(ratio)) browsers.set(ratio, await startBrowser(display, ratio));
      const browser = browsers.get(ratio);
      const { session } = browser;
      await session.get('about:blank');
      await size(browser, width, height);
      await session.get(url);
      await evaluate(session, () => {
        window.pageErrors = [];
        addEventListener('error', (e) => window.pageErrors.push(e.error && e.error.stack || e.message));
        addEventListener('unhandledrejection', (e) => window.pageErrors.push(String(e.reason && e.reason.stack || e.reason)));
      });
      const perform = (build) => build(session.actions({ async: true })).perform();
      return {
        evaluate: (fn, arg) => evaluate(session, fn, arg),
        press: (key) => perform((a) => a.keyDown(keyOf(key)).keyUp(keyOf(key))),
        keyDown: (key) => perform((a) => a.keyDown(keyOf(key))),
        keyUp: (key) => perform((a) => a.keyUp(keyOf(key))),
        click: (x, y) => perform((a) => a.move({ origin: Origin.VIEWPORT, x: Math.round(x), y: Math.round(y) }).press().release()),
        screenshot: async () => Buffer.from(await session.takeScreenshot(), 'base64'),
        resize: (w, h) => size(browser, w, h),
        goto: (address) => session.get(address),
        reload: () => session.navigate().refresh(),
        async close() {
          const errors = await evaluate(session, () => window.pageErrors || []);
          await session.get('about:blank');
          return { errors, blocked: [] };
        },
      };
    },
    async close() {
      for (const { session } of browsers.values()) await session.quit().catch(() => {});
      stopAll();
      process.off('exit', stopAll);
      browsers.clear();
    },
  };
}

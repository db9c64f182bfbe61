// On a phone's touch screen the window keeps a size at which a finger can
// press every control (24 CSS px across, or 24 px from the next one's
// centre) and every caption reads (12 px at least), and the page scrolls;
// with a mouse, the window is the viewport, as ever.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close } from './page.mjs';

// Before the page's script: the screen answers as a touch screen does.
const touchScreen = `{
  const ask = window.matchMedia.bind(window);
  window.matchMedia = (query) => (query === '(pointer: coarse)' ? { ...ask(query), matches: true } : ask(query));
}`;

// In the page: what keeps a finger or an eye from a control or a caption.
function touchFaults() {
  const faults = [];
  const pressed = [...document.querySelectorAll('button:not(#setup_notice button, #sound_notice button), input, [role="spinbutton"]')]
    .map((element) => ({ name: element.id, box: element.getBoundingClientRect() }));
  const centre = ({ box }) => [box.x + box.width / 2, box.y + box.height / 2];
  for (const target of pressed) {
    const [x, y] = centre(target);
    const nearest = Math.min(...pressed.filter((other) => other !== target).map((other) => Math.hypot(x - centre(other)[0], y - centre(other)[1])));
    if (Math.min(target.box.width, target.box.height) < 24 - 0.5 && nearest < 24 - 0.5) faults.push(`${target.name}: ${target.box.width}x${target.box.height}, ${nearest.toFixed(1)} px from the next`);
  }
  for (const caption of document.querySelectorAll('.caption')) {
    const px = parseFloat(getComputedStyle(caption).fontSize);
    if (px < 12 - 0.05) faults.push(`${caption.id || caption.parentElement.dataset.control}: ${px} px`);
  }
  return faults;
}

// Not in WebKit, whose driver runs no script before the page's own.
for (const engine of engines(['chromium', 'firefox'])) {
  describe(`a touch screen in ${engine}`, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(() => browser.close());

    test('a phone held upright: every control pressable, every caption legible, the page scrolls', async () => {
      const page = await open(browser, { width: 412, height: 823, initScript: touchScreen });
      const faults = await page.evaluate(touchFaults);
      const scroll = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
      await close(page);
      assert.deepEqual(faults, []);
      assert.ok(scroll[0] > scroll[1], `the page is ${scroll[0]} px wide in a ${scroll[1]} px viewport`);
    });

    test('the same viewport with a mouse: the window fits it, no scrolling', async () => {
      const page = await open(browser, { width: 412, height: 823 });
      const scroll = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
      await close(page);
      assert.deepEqual(scroll[0], scroll[1]);
    });
  });
}

// Option indicators and spin arrows drawn by the page's styles, alike in
// every engine: a dark ring, dark-dotted when chosen and white inside when
// not (never the pale grey of a disabled control), and arrows, all in
// proportion to the zoom as on the desktop. Read from screenshots.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { decodePng, crop } from './png.mjs';
import { engines, launch, open, close, deviceBox, layoutRows, laidOut as laidOutSize } from './page.mjs';

const optionRows = layoutRows.controls.filter((row) => row.kind === 'option');
const options = optionRows.map((row) => row.name);
const chosenAtStart = new Set(optionRows.filter((row) => row.selected).map((row) => row.name));
const spins = ['time_spin', 'omega2_spin'];
const gray = (image, x, y) => {
  const i = (y * image.width + x) * 4;
  return (image.data[i] * 299 + image.data[i + 1] * 587 + image.data[i + 2] * 114) / 1000;
};

// The darkest pixel, the middle one and the width of the dark pixels' extent.
function indicator(image) {
  let darkest = 255, left = image.width, right = -1;
  for (let y = 0; y < image.height; ++y) {
    for (let x = 0; x < image.width; ++x) {
      const g = gray(image, x, y);
      darkest = Math.min(darkest, g);
      if (g < 128) left = Math.min(left, x), right = Math.max(right, x);
    }
  }
  return { darkest, middle: gray(image, image.width >> 1, image.height >> 1), width: right - left + 1 };
}

// The side of the square as large as an arrow, from a spin half's pixels
// inside its one-pixel border: their darkness against the face's, summed
// (an arrow pixel is near black, the face near white).
function arrow(image) {
  let area = 0;
  for (let y = 1; y < image.height - 1; ++y) {
    for (let x = 1; x < image.width - 1; ++x) area += Math.max(0, 200 - gray(image, x, y)) / (200 - 32);
  }
  return Math.sqrt(area);
}

async function measure(browser, width, height) {
  const session = await open(browser, { width, height });
  const zoom = await session.evaluate(() => window.angularFrequency.zoom());
  const screen = decodePng(await session.screenshot());
  const cut = async (id, part) => {
    const box = await deviceBox(session, id, 1, part);
    return crop(screen, box.x, box.y, box.width, box.height);
  };
  const seen = { zoom, options: {}, spins: {} };
  for (const id of options) seen.options[id] = indicator(await cut(id));
  for (const id of spins) seen.spins[id] = [arrow(await cut(id, '.up')), arrow(await cut(id, '.down'))];
  await close(session);
  return seen;
}

for (const engine of engines()) {
  describe(`indicators in ${engine}`, () => {
    let browser, laidOut;
    before(async () => {
      browser = await launch(engine);
      laidOut = await measure(browser, ...laidOutSize);
    });
    after(() => browser.close());

    // viewport: zoom 1, about 0.8 and 2
    const [w0, h0] = laidOutSize;
    for (const [width, height] of [[w0, h0], [Math.round(w0 * 0.8), Math.round(h0 * 0.8)], [w0 * 2, h0 * 2]]) {
      const atLaidOutSize = width === w0;
      test(`at ${width}x${height}`, async () => {
        const seen = atLaidOutSize ? laidOut : await measure(browser, width, height);
        const faults = [];
        for (const [id, { darkest, middle, width: w }] of Object.entries(seen.options)) {
          const chosen = chosenAtStart.has(id);
          if (darkest > 128) faults.push(`${id}: its ring no darker than ${darkest}`);
          if (chosen ? middle > 90 : middle < 200) faults.push(`${id}: ${middle} in the middle, ${chosen ? 'chosen' : 'not chosen'}`);
          const expected = laidOut.options[id].width * seen.zoom;
          if (Math.abs(w - expected) > 1.5) faults.push(`${id}: ${w} px across, ${expected.toFixed(1)} in proportion`);
          if (atLaidOutSize && !(w >= 10 && w <= 16)) faults.push(`${id}: ${w} px across at the laid-out size`);
        }
        for (const [id, halves] of Object.entries(seen.spins)) {
          halves.forEach((side, k) => {
            const expected = laidOut.spins[id][k] * seen.zoom;
            if (!(side > 2) || Math.abs(side - expected) > 1) {
              faults.push(`${id} ${k ? 'down' : 'up'}: an arrow as large as a square of ${side.toFixed(2)} px, ${expected.toFixed(2)} in proportion`);
            }
          });
        }
        assert.deepEqual(faults, []);
      });
    }
  });
}

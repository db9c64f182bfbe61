// The views on screen against the reference images the native tests keep
// (tests/golden/), pixel for pixel, as cut from a screenshot of the viewport;
// a view that differs is written beside the tests' output with a diff.
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { decodePng, encodePng, crop } from './png.mjs';
import { canvasPixels, deviceBox, goldenDir, outputDir, laidOutViews } from './page.mjs';

// Stacked in the reference images in this order, at their laid-out sizes.
const views = laidOutViews.map(({ name, size: [width, height] }) => [name, width, height]);

function differing(actual, expected) {
  const diff = { width: actual.width, height: actual.height, data: new Uint8Array(actual.data.length).fill(255) };
  let count = 0;
  for (let i = 0; i < actual.data.length; i += 4) {
    // Alpha ignored: the screenshot is opaque, the references have none.
    if (actual.data[i] !== expected.data[i] || actual.data[i + 1] !== expected.data[i + 1] || actual.data[i + 2] !== expected.data[i + 2]) {
      ++count;
      diff.data.set([255, 0, 0, 255], i);
    }
  }
  return { count, diff };
}

// What differs between the views of the page on show and the reference
// image `state` at `ratio`, a sentence a view; none where all agree. `name`
// prefixes the files written for a view that differs.
export async function goldenFaults(session, state, ratio, name) {
  const reference = decodePng(readFileSync(join(goldenDir, `${state}@${ratio}x.png`)));
  await session.evaluate(() => {
    const hide = document.createElement('style');
    hide.textContent = '#range_label, #axis_label_1, #axis_label_2 { visibility: hidden !important; }';
    document.head.append(hide);
    return new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
  });
  const screen = decodePng(await session.screenshot());
  const faults = [];
  let top = 0;
  for (const [view, width, height] of views) {
    const w = Math.round(width * ratio), h = Math.round(height * ratio);
    const box = await deviceBox(session, view, ratio);
    const actual = crop(screen, box.x, box.y, Math.min(box.width, screen.width - box.x), Math.min(box.height, screen.height - box.y));
    const expected = crop(reference, 0, top, w, h);
    top += h;
    const file = `${name}-${state}@${ratio}x-${view}`;
    mkdirSync(outputDir, { recursive: true });
    if (actual.width !== w || actual.height !== h) {
      faults.push(`${file}: ${actual.width}x${actual.height} on screen, ${w}x${h} expected`);
      writeFileSync(join(outputDir, `${file}-actual.png`), encodePng(actual));
      continue;
    }
    const { count, diff } = differing(actual, expected);
    if (count) {
      // Whether the canvas holds the right pixels and shows them wrongly, or holds wrong ones.
      const held = differing(await canvasPixels(session, view), expected).count;
      writeFileSync(join(outputDir, `${file}-actual.png`), encodePng(actual));
      writeFileSync(join(outputDir, `${file}-diff.png`), encodePng(diff));
      faults.push(`${file}: ${count} pixels differ on screen, ${held} in the canvas (see ${join(outputDir, file)}-actual.png and -diff.png)`);
    }
  }
  return faults;
}

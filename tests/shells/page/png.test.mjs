// The PNG reader the golden comparisons rest on: the reference images' sizes
// as the layout gives them, every filter type, and the same pixels as
// chromium's own decoder.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { deflateSync } from 'node:zlib';
import { decodePng, encodePng } from './png.mjs';
import { launch, open, close, goldenDir as golden, laidOutViews } from './page.mjs';

// A PNG whose lines use the given filters, written here by the book's
// definitions of the filters (CRCs left zero: the reader does not check them).
function filteredPng(width, height, channels, pixels, filters) {
  const stride = width * channels;
  const paeth = (a, b, c) => {
    const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
  };
  const raw = [];
  for (let y = 0; y < height; ++y) {
    const at = (x) => (x < 0 || y < 0 ? 0 : pixels[y * stride + x]);
    const up = (x) => (x < 0 || y === 0 ? 0 : pixels[(y - 1) * stride + x]);
    raw.push(filters[y]);
    for (let i = 0; i < stride; ++i) {
      const a = at(i - channels), b = up(i), c = up(i - channels), x = at(i);
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filters[y]];
      raw.push((x - predictor) & 255);
    }
  }
  const chunk = (type, body) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(body.length, 0);
    head.write(type, 4, 'latin1');
    return Buffer.concat([head, body, Buffer.alloc(4)]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, channels === 4 ? 6 : 2, 0, 0, 0], 8);
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', deflateSync(Buffer.from(raw))), chunk('IEND', Buffer.alloc(0))]);
}

describe('PNG reader', () => {
  test('every filter type, RGB and RGBA', () => {
    const width = 16, height = 20;
    const filters = Array.from({ length: height }, (_, y) => y % 5);
    for (const channels of [3, 4]) {
      // Pseudo-random bytes, every other pair of lines in a small range so
      // that the Paeth predictor meets its ties.
      let seed = 12345;
      const pixels = Array.from({ length: width * height * channels }, (_, i) => {
        seed = (seed * 1103515245 + 12345) >>> 0;
        return (seed >>> 16) & (Math.floor(i / (width * channels)) % 4 < 2 ? 255 : 3);
      });
      const image = decodePng(filteredPng(width, height, channels, pixels, filters));
      assert.equal(image.width, width);
      assert.equal(image.height, height);
      for (let p = 0; p < width * height; ++p) {
        const expected = [...pixels.slice(p * channels, p * channels + 3), channels === 4 ? pixels[p * channels + 3] : 255];
        assert.deepEqual([...image.data.subarray(p * 4, p * 4 + 4)], expected, `pixel ${p} of ${channels} channels`);
      }
    }
  });

  test('the reference images are the views stacked at their laid-out sizes', () => {
    const names = readdirSync(golden).filter((n) => n.endsWith('.png'));
    assert.ok(names.length >= 26, `only ${names.length} reference images`);
    for (const name of names) {
      const ratio = Number(/@(\d)x\.png$/.exec(name)[1]);
      // One above the other at their laid-out sizes times the ratio; as wide as the widest.
      const sizes = laidOutViews.map(({ size }) => size.map((s) => Math.round(s * ratio)));
      const high = sizes.reduce((sum, [, h]) => sum + h, 0), wide = Math.max(...sizes.map(([w]) => w));
      const { width, height } = decodePng(readFileSync(join(golden, name)));
      assert.equal(height, high, name);
      assert.ok(width === wide || width === 2 * wide, `${name}: width ${width}`);
    }
  });

  describe('against chromium', () => {
    let browser;
    before(async () => { browser = await launch('chromium'); });
    after(() => browser.close());

    // How many bytes of chromium's reading of `png` differ from `rgba`.
    const compare = async (session, png, rgba) =>
      session.evaluate(async ({ url, expected }) => {
        const img = new Image();
        img.src = url;
        await img.decode();
        const canvas = Object.assign(document.createElement('canvas'), { width: img.width, height: img.height });
        const g = canvas.getContext('2d');
        g.drawImage(img, 0, 0);
        const seen = g.getImageData(0, 0, img.width, img.height).data;
        const ours = Uint8Array.from(atob(expected), (c) => c.charCodeAt(0));
        let differing = ours.length === seen.length ? 0 : -1;
        for (let i = 0; differing >= 0 && i < seen.length; ++i) differing += seen[i] !== ours[i];
        return differing;
      }, { url: `data:image/png;base64,${png.toString('base64')}`, expected: Buffer.from(rgba).toString('base64') });

    test('reads the reference images as chromium does', async () => {
      const session = await open(browser, { ready: false });
      for (const name of ['start-up@1x.png', 'after-run-0.002@1x.png', 'w2-4.5-steps-13@2x.png']) {
        const png = readFileSync(join(golden, name));
        assert.equal(await compare(session, png, decodePng(png).data), 0, name);
      }
      await close(session);
    });

    test('writes what chromium reads', async () => {
      const session = await open(browser, { ready: false });
      const width = 7, height = 3;
      const data = Uint8Array.from({ length: width * height * 4 }, (_, i) => (i % 4 === 3 ? 255 : (i * 53) & 255));
      assert.equal(await compare(session, encodePng({ width, height, data }), data), 0);
      await close(session);
    });
  });
});

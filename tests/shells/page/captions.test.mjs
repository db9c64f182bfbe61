// Every caption at every window size as the desktop window sets it: at its
// laid-out size times the zoom, or smaller where its text would not fit its
// box, never larger and never cut; and in the same proportion to the zoom
// as the desktop's captions, which a small program of the desktop build
// prints (tests/shells/desktop/caption_sizes.cpp).
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { engines, launch, open, close, repo } from './page.mjs';

const sizes = [[480, 270], [1280, 720], [1920, 1080]];
const languages = ['en', 'ja', 'de', 'fr'];
const desktopProgram = join(repo, 'build/default/tests/caption_sizes');

// The window's caption sizes in CSS pixels: at zoom 1, then at each zoom.
function desktopSizes(language, zooms) {
  assert.ok(existsSync(desktopProgram), `no ${desktopProgram}: build the default preset first`);
  const out = execFileSync(desktopProgram, [language, ...zooms.map(String)], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'],
  });
  return out.trim().split('\n').map((line) => JSON.parse(line));
}

// Each caption's font size, its text's extent (the font's ascent and
// descent by its advance) and the boxes it must stay in, in CSS pixels.
const captionsSeen = () => {
  const range = document.createRange();
  const captions = {};
  for (const caption of document.querySelectorAll('#window .caption')) {
    const text = caption.firstChild;
    if (!text || text.nodeType !== Node.TEXT_NODE || !text.data.trim()) continue;
    const control = caption.closest('[data-control]');
    range.selectNodeContents(text);
    const edges = (r) => [r.left, r.top, r.right, r.bottom];
    captions[control.dataset.control] = {
      text: text.data, px: parseFloat(getComputedStyle(caption).fontSize), ink: edges(range.getBoundingClientRect()),
      box: edges(control.getBoundingClientRect()), scrolled: caption.scrollWidth - caption.clientWidth,
    };
  }
  return { zoom: window.angularFrequency.zoom(), captions };
};

async function seen(browser, options) {
  const session = await open(browser, options);
  const result = await session.evaluate(captionsSeen);
  await close(session);
  return result;
}

// Across to half a pixel; down to a pixel, since an engine may round the
// font's ascent and its descent to whole pixels each.
const within = (ink, box) => ink[0] >= box[0] - 0.5 && ink[2] <= box[2] + 0.5 && ink[1] >= box[1] - 1 && ink[3] <= box[3] + 1;

for (const engine of engines()) {
  describe(`captions at every size in ${engine}`, () => {
    let browser, laidOut;
    before(async () => {
      browser = await launch(engine);
      laidOut = (await seen(browser, {})).captions;
    });
    after(() => browser?.close());

    test('the page lays its captions out in the sizes the window does', () => {
      const [desktop] = desktopSizes('en', []);
      for (const [name, caption] of Object.entries(laidOut)) {
        assert.ok(Math.abs(caption.px - desktop.px[name]) < 0.01, `${name}: ${caption.px} px, the window ${desktop.px[name]} px`);
      }
    });

    for (const language of languages) {
      test(`${language}: at most the laid-out size times the zoom, whole in its box, as on the desktop`, async () => {
        const pages = [];
        for (const [width, height] of sizes) pages.push(await seen(browser, { width, height, query: `lang=${language}` }));
        const [, ...desktop] = desktopSizes(language, pages.map((p) => p.zoom));
        pages.forEach((page, k) => {
          const where = (name) => `${name} "${page.captions[name].text}" at ${sizes[k].join('x')} (zoom ${page.zoom.toFixed(2)})`;
          assert.ok(Object.keys(page.captions).length >= 20, `${Object.keys(page.captions).length} captions`);
          for (const [name, caption] of Object.entries(page.captions)) {
            const scaled = laidOut[name].px * page.zoom;
            assert.ok(caption.px <= scaled + 0.01, `${where(name)}: ${caption.px} px, larger than ${scaled.toFixed(2)}`);
            assert.ok(within(caption.ink, caption.box) && caption.scrolled <= 0, `${where(name)}: cut, its text ${caption.ink.map(Math.round)} in ${caption.box.map(Math.round)}`);
            // The window measures the outlines and the page the advance, and
            // the window lets a group's title run to the group's right edge,
            // the page from its indent: a caption near the edge of its box
            // may come out a little apart.
            const desktopShare = desktop[k].px[name] / (laidOut[name].px * desktop[k].zoom);
            const share = caption.px / scaled;
            assert.ok(Math.abs(share - desktopShare) <= 0.15, `${where(name)}: ${(share * 100).toFixed(1)} % of its scaled size, the window ${(desktopShare * 100).toFixed(1)} %`);
          }
        });
      });
    }
  });
}

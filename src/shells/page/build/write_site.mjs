// Writes the page as a web site, for any static web server at any path
// (every address in it relative): the page as index.html, with its web app
// manifest, icons and a worker that keeps it for use offline; and the font
// licences. From a file, the page alone works as ever, with no worker.
// node write_site.mjs --page P --words J --icon SVG --icons DIR --licences L
//   --worker W --rsvg RSVG --out DIR
// J is what the core prints of the page at the laid-out size: the page's
// own words in every language are on its third line (the manifest's in
// English, the language the page is built in).
import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

const one = { type: 'string' };
const { values: a } = parseArgs({ options: { page: one, words: one, icon: one, icons: one, licences: one, worker: one, rsvg: one, out: one } });
for (const name of ['page', 'words', 'icon', 'icons', 'licences', 'worker', 'rsvg', 'out']) {
  if (!a[name]) throw new Error(`write_site.mjs: --${name} is missing`);
}
const words = JSON.parse(readFileSync(a.words, 'utf8').split('\n')[2]).en;
// The window's background, behind the icon and around the page as it opens.
const background = '#efefef';

rmSync(a.out, { recursive: true, force: true });
mkdirSync(a.out, { recursive: true });
const out = (name) => join(a.out, name);

// The icons: those drawn at fixed sizes, and from the scalable one a large
// one, one for a tablet's home screen (180 px, which iPads take) and a
// maskable one (a launcher may cut it to any shape within the middle
// circle of 80 % of its width: the icon's rounded square, whose corners
// reach furthest, stands inside that circle on a background of its own).
const icon = readFileSync(a.icon, 'utf8').replace(/<\?xml[^>]*>\s*/, '');
function render(name, size, padded) {
  const side = padded ? Math.floor((size * 0.8) / Math.SQRT2 / (120 / 128)) : size;
  const at = (size - side) / 2;
  const nested = icon.replace(/<svg\b/, `<svg x="${at}" y="${at}"`).replace(/\swidth="[^"]*"/, ` width="${side}"`)
    .replace(/\sheight="[^"]*"/, ` height="${side}"`);
  const svg = padded
    ? `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${size}"><rect width="100%" height="100%" fill="${background}"/>${nested}</svg>`
    : icon;
  execFileSync(a.rsvg, ['-w', String(size), '-h', String(size), '-o', out(name)], { input: svg });
}
const icons = readdirSync(a.icons).filter((file) => /^\d+\.png$/.test(file)).map((file) => {
  const size = parseInt(file, 10);
  copyFileSync(join(a.icons, file), out(`icon-${size}.png`));
  return { src: `icon-${size}.png`, sizes: `${size}x${size}`, type: 'image/png' };
});
render('icon-512.png', 512, false);
render('icon-maskable-512.png', 512, true);
render('apple-touch-icon.png', 180, true);
copyFileSync(a.icon, out('icon.svg'));
icons.push({ src: 'icon-512.png', sizes: '512x512', type: 'image/png' },
  { src: 'icon-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
  { src: 'icon.svg', sizes: 'any', type: 'image/svg+xml' });

writeFileSync(out('manifest.webmanifest'), `${JSON.stringify({
  id: './', name: words.title, short_name: words.share.short_name, description: words.summary, lang: words.lang,
  start_url: './', scope: './', display: 'standalone', background_color: background, theme_color: background, icons,
}, null, 2)}\n`);
copyFileSync(a.licences, out('font-licences.txt'));

// The page, with what only the site has marked, so that a lesson file made
// from it leaves that out.
const page = readFileSync(a.page, 'utf8');
const head = [
  '<link rel="manifest" href="manifest.webmanifest" data-site>',
  '<link rel="icon" href="icon.svg" type="image/svg+xml" data-site>',
  '<link rel="apple-touch-icon" href="apple-touch-icon.png" data-site>',
  `<meta name="theme-color" content="${background}" data-site>`,
].join('\n');
// Registered once the page has loaded, so that the worker's first download
// of the files waits for the first frame.
const register = '<script data-site>\'use strict\';\nif (\'serviceWorker\' in navigator) {\n' +
  '  addEventListener(\'load\', () => navigator.serviceWorker.register(\'service-worker.js\').catch(() => {}));\n}\n</script>';
if (!page.includes('</head>') || !page.includes('</body>')) throw new Error('write_site.mjs: the page has no </head> or </body>');
const foot = page.lastIndexOf('</body>');
writeFileSync(out('index.html'), `${page.slice(0, foot)}${register}\n${page.slice(foot)}`.replace('</head>', () => `${head}\n</head>`));

// The worker last: its version is the hash of every other file.
const files = readdirSync(a.out).sort();
const hash = createHash('sha256');
for (const file of files) hash.update(file).update('\0').update(readFileSync(out(file)));
const worker = readFileSync(a.worker, 'utf8').replace('@VERSION@', hash.digest('hex').slice(0, 16))
  .replace('\'@FILES@\'', JSON.stringify(files));
writeFileSync(out('service-worker.js'), worker);

// Writes the page as one file: the template with its style, fonts, controls
// and scripts put in place, so that it opens from anywhere with nothing beside it.
// node assemble_page.mjs --template T --style S --fonts F --core C --wasm W
//   --early E... --start J --markup M... --script S... [--library L...]
//   --packages P --out O
// E run as soon as the parser has read the core: they unpack and compile
// it, and load the fonts the page will want, while the rest is read.
// J is what the core prints of the page at the laid-out size: its layout on
// one line, its texts on the next, and the page's own words in every
// language on the third; the markup scripts, run here, write the controls'
// elements from them. The page is built in English; its script puts it into
// another language where the browser or the link asks for one. Each
// library (one from npm, bundled at build time) has a script element of its
// own, so that the page's strict mode is the page's alone. P is the folder
// the page's npm packages are installed in: its minifier makes every script
// small, which the browser reads and compiles before the page can start (a
// library keeps its copyright and licence lines).
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import vm from 'node:vm';
import { gzipSync } from 'node:zlib';

const one = { type: 'string' }, many = { type: 'string', multiple: true };
const { values: a } = parseArgs({
  options: { template: one, style: many, fonts: one, core: one, wasm: one, early: many, start: one, markup: many, script: many, library: many, packages: one, out: one },
});
for (const name of ['template', 'style', 'fonts', 'core', 'wasm', 'early', 'start', 'markup', 'script', 'packages', 'out']) {
  if (!a[name]) throw new Error(`assemble_page.mjs: --${name} is missing`);
}
const read = (path) => readFileSync(path, 'utf8');
const { minify } = createRequire(join(a.packages, 'package.json'))('terser');
const minified = async (text, format = {}) => (await minify(text, { compress: true, mangle: true, format })).code;
// Inline script must not close its own element.
const script = (text) => text.replaceAll('</script', '<\\/script');

const [layoutText, textsText, wordsText] = read(a.start).split('\n');
const layout = JSON.parse(layoutText), texts = JSON.parse(textsText), everyLanguage = JSON.parse(wordsText);
const words = everyLanguage.en;
const markup = vm.createContext({});
for (const path of a.markup) vm.runInContext(read(path), markup, { filename: path });
markup.layout = layout;
markup.texts = texts;
markup.words = words;
const escapeText = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
// With no core to choose a language, a notice is given in every one, each marked as such.
const inEveryLanguage = (name) => Object.values(everyLanguage)
  .map((w) => `<p lang="${w.lang}"${w.dir === 'rtl' ? ' dir="rtl"' : ''}>${escapeText(w[name])}</p>`).join('');

const parts = {
  '@TITLE@': escapeText(words.title).replace(/"/g, '&quot;'),
  '@SUMMARY@': escapeText(words.summary).replace(/"/g, '&quot;'),
  '@SETUP_REFUSED@': escapeText(words.setup_refused),
  '@CLOSE@': escapeText(words.close).replace(/"/g, '&quot;'),
  '<!--@NO_WEBASSEMBLY@-->': inEveryLanguage('no_webassembly'),
  '<!--@NO_JAVASCRIPT@-->': inEveryLanguage('no_javascript'),
  '<!--@COULD_NOT_START@-->': inEveryLanguage('could_not_start'),
  '/*@FONTS@*/': read(a.fonts),
  '/*@STYLE@*/': a.style.map(read).join('\n'),
  '<!--@CONTROLS@-->': vm.runInContext('angularFrequencyPage.windowMarkup(layout, texts, words)', markup),
  // The layout exactly as the core writes it, which the page compares with
  // the layout in force; JSON's own escape keeps a "<" from ending the element.
  '/*@LAYOUT@*/': layoutText.replaceAll('<', '\\u003c'),
  '/*@EARLY@*/': script(await minified(a.early.map(read).join('\n'))),
  '/*@CORE@*/': script(await minified(read(a.core))),
  // In a data block, not a string in the script: the script parser need not read it.
  // Compressed (the page's own size, at a third of the bytes), then base64.
  '/*@WASM@*/': gzipSync(readFileSync(a.wasm), { level: 9 }).toString('base64'),
  '/*@PAGE@*/': script(await minified(a.script.map(read).join('\n'))),
  '<!--@LIBRARIES@-->': (await Promise.all((a.library || []).map((path) => minified(read(path), { comments: /Copyright|license/i }))))
    .map((text) => `<script>\n${script(text)}\n</script>`).join('\n'),
};
let html = read(a.template);
for (const [marker, text] of Object.entries(parts)) {
  if (!html.includes(marker)) throw new Error(`the template has no ${marker}`);
  html = html.replaceAll(marker, () => text);
}

// The file in ASCII alone, each other character escaped as its context reads
// it: a document wholly in ASCII is decoded and parsed as one-byte text,
// where a single other character makes the browser widen all of it.
const hex = (n, width) => n.toString(16).padStart(width, '0');
const inScript = (code) => (code < 0x10000 ? `\\u${hex(code, 4)}`
  : `\\u${hex(0xd800 + ((code - 0x10000) >> 10), 4)}\\u${hex(0xdc00 + ((code - 0x10000) & 0x3ff), 4)}`);
// A space ends each escape in style, where it would otherwise eat the space after it.
const inStyle = (code) => `\\${hex(code, 1)} `;
const inMarkup = (code) => `&#x${hex(code, 1)};`;
const other = /[^\x00-\x7f]/gu;
html = html.split(/(<script[^>]*>[\s\S]*?<\/script>|<style[^>]*>[\s\S]*?<\/style>)/).map((part) => {
  const form = part.startsWith('<script') ? inScript : part.startsWith('<style') ? inStyle : inMarkup;
  return part.replace(other, (c) => form(c.codePointAt(0)));
}).join('');
writeFileSync(a.out, html);

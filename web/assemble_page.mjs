// Writes the page as one file: the template with its style, fonts and
// scripts put in place, so that it opens from anywhere with nothing beside it.
// node assemble_page.mjs TEMPLATE STYLE FONTS CORE WASM OUT SCRIPT...
import { readFileSync, writeFileSync } from 'node:fs';

const [template, style, fonts, core, wasm, out, ...scripts] = process.argv.slice(2);
if (!scripts.length) {
  console.error('usage: assemble_page.mjs TEMPLATE STYLE FONTS CORE WASM OUT SCRIPT...');
  process.exit(2);
}
const read = (path) => readFileSync(path, 'utf8');
// Inline script must not close its own element.
const script = (text) => text.replaceAll('</script', '<\\/script');
const parts = {
  '/*@FONTS@*/': read(fonts),
  '/*@STYLE@*/': read(style),
  '/*@CORE@*/': script(read(core)),
  // In a data block, not a string in the script: the script parser need not read it.
  '/*@WASM@*/': readFileSync(wasm).toString('base64'),
  '/*@PAGE@*/': script(scripts.map(read).join('\n')),
};
let html = read(template);
for (const [marker, text] of Object.entries(parts)) {
  if (!html.includes(marker)) throw new Error(`the template has no ${marker}`);
  html = html.replace(marker, () => text);
}
writeFileSync(out, html);

// A language's words as its translators' catalogue on disk says them, so
// that a test expects what the catalogue says rather than words typed into
// it: the first form of each message by context and id, a regional
// catalogue's missing messages from its language's, the rest in English.
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { repo } from './page.mjs';

const unquote = (line) => line.slice(line.indexOf('"') + 1, line.lastIndexOf('"'))
  .replace(/\\(.)/g, (_, c) => (c === 'n' ? '\n' : c === 't' ? '\t' : c));

function read(path) {
  const forms = new Map();
  if (!existsSync(path)) return forms;
  let entry = {}, field = null;
  const end = () => {
    if (entry.id && entry.str && !entry.fuzzy) forms.set(`${entry.context ?? ''}\u0004${entry.id}`, entry.str);
    entry = {};
    field = null;
  };
  for (const line of readFileSync(path, 'utf8').split('\n')) {
    if (!line.trim()) end();
    else if (line.startsWith('#,') && line.includes('fuzzy')) entry.fuzzy = true;
    else if (line.startsWith('#')) continue;
    else if (line.startsWith('msgctxt ')) [entry.context, field] = [unquote(line), 'context'];
    else if (line.startsWith('msgid ')) [entry.id, field] = [unquote(line), 'id'];
    else if (line.startsWith('msgstr ') || line.startsWith('msgstr[0] ')) [entry.str, field] = [unquote(line), 'str'];
    else if (line.startsWith('msgid_plural ') || line.startsWith('msgstr[')) field = null;
    else if (line.startsWith('"') && field) entry[field] += unquote(line);
  }
  end();
  return forms;
}

// `said(context, id)` in the language of `tag` ("de", "es-MX"); `found` is
// whether the language has a catalogue at all.
export function catalogue(tag) {
  const file = tag.replace('-', '_');
  const own = read(join(repo, 'po', `${file}.po`));
  const language = read(join(repo, 'po', `${file.split('_')[0]}.po`));
  const said = (context, id) => own.get(`${context}\u0004${id}`) ?? language.get(`${context}\u0004${id}`) ?? id;
  return { said, found: own.size > 0 };
}

// A number written with 0-9 and a point, in the language's digits and separator.
export function numeral(said, number) {
  const digits = [...said('number', '0123456789')];
  return [...number].map((c) => (c === '.' ? said('number', '.') : /[0-9]/.test(c) ? digits[Number(c)] : c)).join('');
}

// node tools/ts-to-json.mjs TS-FILE PAGE-WORDS-JSON LANG > catalogue.json
//
// The page's word catalogue for one language: every message of the desktop
// program's translation (accelerators taken out, "&File" -> "File",
// "文件(&F)" -> "文件"), then the page's own words for that language from
// PAGE-WORDS-JSON, which win where both name a text. Unfinished messages
// are left out, so the page shows English rather than nothing.
import { readFileSync } from "node:fs";

const [tsPath, pageWordsPath, lang] = process.argv.slice(2);
if (!tsPath || !pageWordsPath || !lang) {
  console.error("usage: node tools/ts-to-json.mjs TS-FILE PAGE-WORDS-JSON LANG");
  process.exit(2);
}

const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };
const unescape = (s) => s.replace(/&(amp|lt|gt|quot|apos|#(\d+)|#x([0-9a-f]+));/gi,
  (_, name, dec, hex) => dec ? String.fromCodePoint(+dec) : hex ? String.fromCodePoint(parseInt(hex, 16))
                                                             : entities[name]);
const noAccelerator = (s) => s.replace(/\(&[^)]\)/g, "").replace(/&(.)/g, "$1");

const catalogue = {};
const ts = readFileSync(tsPath, "utf8");
for (const [, body] of ts.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
  const source = body.match(/<source>([\s\S]*?)<\/source>/);
  const translation = body.match(/<translation( type="[^"]*")?>([\s\S]*?)<\/translation>/);
  if (!source || !translation || translation[1] || !translation[2]) continue;
  catalogue[noAccelerator(unescape(source[1]))] = noAccelerator(unescape(translation[2]));
}
const pageWords = JSON.parse(readFileSync(pageWordsPath, "utf8"));
if (!pageWords[lang]) {
  console.error(`${pageWordsPath} has no words for "${lang}"`);
  process.exit(1);
}
Object.assign(catalogue, pageWords[lang]);
process.stdout.write(JSON.stringify(catalogue, null, 1) + "\n");

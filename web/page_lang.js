// The page's language: English as written, or German, French, Spanish,
// Brazilian Portuguese or Simplified Chinese from `?lang=` or the browser's
// languages. The catalogues (lang/<code>.json) are made at build time from
// the desktop program's translations and the page's own words
// (tools/ts-to-json.mjs); a text missing from them stays English.

export const PAGE_LANGUAGES = ["de", "fr", "es", "pt_BR", "zh_CN"];

// "de-AT" -> "de", "pt" and "pt-BR" -> "pt_BR", "zh", "zh-CN", "zh-Hans" ->
// "zh_CN"; "en" for English and for every language the page does not have.
function languageCode(tag) {
  const [base, region] = String(tag).replace("_", "-").split("-");
  const lower = base.toLowerCase();
  if (lower === "pt") return "pt_BR";
  if (lower === "zh") return region && /^(tw|hk|mo|hant)$/i.test(region) ? "en" : "zh_CN";
  return PAGE_LANGUAGES.includes(lower) ? lower : "en";
}

// `?lang=` first, else the first of the browser's languages.
export function pageLanguage(search, browserLanguages) {
  const asked = new URLSearchParams(search).get("lang");
  if (asked) return languageCode(asked);
  return browserLanguages.length ? languageCode(browserLanguages[0]) : "en";
}

let words = {};

// The text in the page's language.
export const word = (text) => words[text] ?? text;

// The text in the page's language with %1 replaced by `value`.
export const wordWith = (text, value) => word(text).replace("%1", value);

export async function loadWords(code) {
  if (code === "en") return;
  try {
    const answer = await fetch(`lang/${code}.json`);
    if (answer.ok) words = await answer.json();
  } catch {
    words = {};  // unreadable: the page stays English
  }
}

// Translates the texts and the names for screen readers under `root`,
// keeping the space around each text.
export function translatePage(root) {
  if (!Object.keys(words).length) return;
  const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    // A text written over several lines is looked up with single spaces.
    const text = node.nodeValue.trim();
    const key = text.replace(/\s+/g, " ");
    if (text && words[key]) node.nodeValue = node.nodeValue.replace(text, words[key]);
  }
  for (const e of root.querySelectorAll("[aria-label], [title]")) {
    for (const name of ["aria-label", "title"]) {
      const v = e.getAttribute(name);
      if (v && words[v]) e.setAttribute(name, words[v]);
    }
  }
}

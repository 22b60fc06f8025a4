// The page's `#lens=` link reader (web/lens_link.js, the one the page runs)
// under random addresses: pieces of real links, numbers in every spelling,
// stray separators and escapes, and mutations of links the page writes.
//
// Whatever the address, the reader must not throw, and must give null or
// only parts that open a lens: five numbers from 1 to LINK_MAX, a known
// shape, a positive index, a known mode, a width lock and a fill the
// fields take; every part it leaves out is named among its problems. A link the page writes must read back to
// the very same lens, bit for bit, and what was read must survive being
// written and read again.
//
//   node lens_link_fuzz.mjs [--runs N] [--seed S]
// The seed is fixed unless given, so a failure replays; it prints the
// address that broke a rule.
import { parseArgs } from "node:util";
import { LINK_MAX, formatLensHash, readLensHash } from "../../web/lens_link.js";

const { values: args } = parseArgs({
  options: { runs: { type: "string", default: "200000" }, seed: { type: "string", default: "1" } },
});
const runs = Number(args.runs);
const seed = Number(args.seed) >>> 0;

// mulberry32: small, fast, and the same sequence for the same seed.
let s = seed;
function random() {
  s = (s + 0x6d2b79f5) >>> 0;
  let t = s;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const below = (n) => Math.floor(random() * n);
const pick = (list) => list[below(list.length)];

const TOKENS = ["#", "lens=", "n=", "mode=", "&", ",", "=", "?", ";", "+", "-", ".", "e", "E",
  "0", "1", "7", "9", "219", "1.5", "1e308", "1e-320", "5e-324", "0x1f", "0b1", "Infinity",
  "-Infinity", "NaN", " ", "%", "%2C", "%26", "%3D", "%2", "%zz", "%00", "\u00e9", "\ud800",
  "CVCV", "cvcc", "CCCV", "CCCC", "CVXX", "multi", "single", "MULTI", "lens", "n", "mode"];

function randomNumberText() {
  switch (below(6)) {
    case 0: return String(below(1000));
    case 1: return String(random() * 10 ** (below(40) - 20));
    case 2: return String(-random() * 100);
    case 3: return pick(["0", "-0", "+5", " 7 ", "1_0", "", "Infinity", "1e999", "0x10"]);
    case 4: return String(Number.MIN_VALUE * (1 + below(4)));
    default: return String(random());
  }
}

// A lens the page may hold: any values the fields take, any shape, mode,
// width lock and fill.
function randomState() {
  const lens = [0, 1, 2, 3, 4].map(() =>
    below(4) === 0 ? pick([1, LINK_MAX]) : Math.min(LINK_MAX, 1 + random() * 10 ** below(4)));
  lens.push(below(4));
  return { lens, rindex: random() * 4 || 1.5, mode: below(2), locked: below(2) === 1,
           width: 1 + below(LINK_MAX), fill: 1 + below(99) };
}

function randomAddress() {
  switch (below(4)) {
    case 0: {  // tokens strung together
      let text = "";
      for (let i = below(24); i >= 0; --i) text += pick(TOKENS);
      return text;
    }
    case 1: {  // a link's shape with odd numbers in it
      const values = [];
      for (let i = below(8); i >= 0; --i) values.push(randomNumberText());
      if (below(2)) values.push(pick(TOKENS));
      return `#lens=${values.join(",")}&n=${randomNumberText()}&mode=${pick(TOKENS)}`;
    }
    default: {  // a link the page writes, mutated a little
      const chars = [...formatLensHash(randomState())];
      for (let i = below(4); i >= 0 && chars.length; --i) {
        const at = below(chars.length + 1);
        if (below(2)) chars.splice(at, 1);
        else chars.splice(at, 0, pick(TOKENS));
      }
      return chars.join("");
    }
  }
}

function fail(address, rule) {
  console.error(`broken: ${rule}\n  address: ${JSON.stringify(address)}\n  seed ${seed}`);
  process.exit(1);
}

const positive = (v) => typeof v === "number" && Number.isFinite(v) && v > 0;
const inLimits = (v) => typeof v === "number" && v >= 1 && v <= LINK_MAX;
const sameNumber = (a, b) => Object.is(a, b);

// What was read, completed with the page's defaults into a state to write.
function stateOf(link) {
  return { lens: [...(link.values ?? [1, 1, 1, 1, 1]), link.shape ?? 0],
           rindex: link.rindex ?? 1.5, mode: link.mode ?? 0, locked: (link.lock ?? -1) > 0,
           width: link.lock ?? 1, fill: link.fill ?? 90 };
}

function checkRead(address) {
  let link, problems;
  try {
    ({ parts: link, problems } = readLensHash(address));
  } catch (error) {
    fail(address, `the reader threw ${error}`);
  }
  if (!Array.isArray(problems) || !problems.every((p) => typeof p === "string" && p.length))
    fail(address, `problems that name nothing: ${problems}`);
  // A number spelled otherwise than in decimals is no number of a link.
  if (/(?:^|[=,])(?:0x|0b|0o|Infinity)/i.test(address) && problems.length === 0)
    fail(address, "a number that is not decimal passed without a word");
  if (link === null) return;
  const keys = Object.keys(link);
  if (keys.length === 0) fail(address, "an empty link instead of null");
  if (keys.some((k) => !["values", "shape", "rindex", "mode", "lock", "fill"].includes(k)))
    fail(address, `unknown parts ${keys}`);
  if ("values" in link) {
    if (!Array.isArray(link.values) || link.values.length !== 5 || !link.values.every(inLimits))
      fail(address, `lens values that open no lens: ${link.values}`);
    if (![0, 1, 2, 3].includes(link.shape)) fail(address, `an unknown shape ${link.shape}`);
  } else if ("shape" in link) {
    fail(address, "a shape without a lens");
  }
  if ("rindex" in link && !positive(link.rindex)) fail(address, `an index ${link.rindex}`);
  if ("mode" in link && link.mode !== 0 && link.mode !== 1) fail(address, `a mode ${link.mode}`);
  if ("lock" in link && link.lock !== -1 && !(Number.isInteger(link.lock) && inLimits(link.lock)))
    fail(address, `a width lock ${link.lock}`);
  if ("fill" in link && !(Number.isInteger(link.fill) && link.fill >= 1 && link.fill <= 99))
    fail(address, `a fill ${link.fill}`);
  if ("values" in link) checkWrittenBack(address, stateOf(link));
}

// A written link reads back as exactly the lens that was written.
function checkWrittenBack(address, state) {
  const hash = formatLensHash(state);
  const back = readLensHash(hash).parts;
  if (!back || !back.values) fail(address, `its own link ${hash} reads as no lens`);
  const same = back.values.every((v, i) => sameNumber(v, state.lens[i])) &&
               back.shape === state.lens[5] && sameNumber(back.rindex, state.rindex) &&
               back.mode === state.mode && back.fill === state.fill &&
               back.lock === (state.locked ? Math.trunc(state.width + 0.5) : -1);
  if (!same) fail(address, `link ${hash} reads back as ${JSON.stringify(back)}`);
}

for (let i = 0; i < runs; ++i) {
  const address = randomAddress();
  checkRead(address);
  if (i % 4 === 0) checkWrittenBack(`(written) ${address}`, randomState());
}
console.log(`${runs} addresses read, seed ${seed}: every rule held`);

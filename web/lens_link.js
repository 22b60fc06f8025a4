// The lens in the page's address:
//   #lens=219,163,143,260,112,CVCV&n=1.5&mode=single&lock=off&fill=90
// `lock` is the locked beam width or "off"; `fill` the fill in percent; for
// light from a point or an object, &source=point,D or &source=object,D,H;
// for colour, &glass=N-BK7, &medium=water and &light=white or &light=486.1327.

const SHAPES = ["CVCV", "CVCC", "CCCV", "CCCC"];
// What a link may hold: lens values and a locked width from 1 (the fields'
// least) to LINK_MAX, as the page's fields and scripts reach them.
export const LINK_MAX = 10000;
const FILL_MIN = 1;
const FILL_MAX = 99;
const KEYS = ["lens", "n", "mode", "lock", "fill", "source", "glass", "medium", "light"];

// Plain decimal numbers only: "300", "1.5", ".5", "2e3"; never "0x12C",
// "0b1", "Infinity", " 7" or "".
const DECIMAL = /^(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/;

function decimal(text) {
  return DECIMAL.test(text) ? Number(text) : NaN;
}

// A number as short as it can be written without losing a bit of it, so a
// copied link opens exactly the same lens.
function short(v) {
  return String(v);
}

export function formatLensHash(state) {
  const values = state.lens.slice(0, 5).map(short).join(",");
  const mode = state.mode ? "multi" : "single";
  const rindex = state.rindexText ?? short(state.rindex);
  const lock = state.locked ? String(Math.trunc(state.width + 0.5)) : "off";
  const source = state.source && state.source !== "parallel" ? `&source=${state.source}` : "";
  return `#lens=${values},${SHAPES[state.lens[5]]}&n=${rindex}&mode=${mode}` +
    `&lock=${lock}&fill=${state.fill}${source}${state.colourLink ?? ""}`;
}

// A part of the address as a message shows it: short and printable.
function shown(key, value) {
  const text = `${key}=${value}`.replace(/[^\x20-\x7e]/g, "?");
  return `"${text.length > 40 ? text.slice(0, 40) + "…" : text}"`;
}

function readLens(text, out) {
  const parts = text.split(",");
  if (parts.length < 5 || parts.length > 6) return "needs five numbers and a shape";
  const values = parts.slice(0, 5).map(decimal);
  if (!values.every((v) => v >= 1 && v <= LINK_MAX))
    return `needs five decimal numbers from 1 to ${LINK_MAX}`;
  const shape = parts.length > 5 ? SHAPES.indexOf(parts[5].toUpperCase()) : 0;
  if (shape < 0) return `has no shape ${SHAPES.join(", ")}`;
  out.values = values;
  out.shape = shape;
  return null;
}

function readPart(key, value, out) {
  switch (key) {
    case "lens":
      return readLens(value, out);
    case "n": {
      const n = decimal(value);
      if (!(n > 0 && Number.isFinite(n))) return "needs a decimal number above 0";
      out.rindex = n;
      return null;
    }
    case "mode":
      if (value !== "multi" && value !== "single") return 'needs "single" or "multi"';
      out.mode = value === "multi" ? 1 : 0;
      return null;
    case "lock": {
      if (value === "off") {
        out.lock = -1;
        return null;
      }
      const w = decimal(value);
      if (!(Number.isInteger(w) && w >= 1 && w <= LINK_MAX))
        return `needs "off" or a whole width from 1 to ${LINK_MAX}`;
      out.lock = w;
      return null;
    }
    case "fill": {
      const p = decimal(value);
      if (!(Number.isInteger(p) && p >= FILL_MIN && p <= FILL_MAX))
        return `needs a whole percentage from ${FILL_MIN} to ${FILL_MAX}`;
      out.fill = p;
      return null;
    }
    case "source":
      // The session reads the source and refuses one it cannot show.
      out.source = value;
      return null;
    case "glass":
      // The session knows the catalogue and names a glass it does not have.
      out.glass = value;
      return null;
    case "medium":
      if (value !== "air" && value !== "water") return 'needs "air" or "water"';
      out.medium = value;
      return null;
    case "light":
      if (value !== "white" && !(decimal(value) > 0)) return 'needs "white" or a wavelength in nm';
      out.light = value;
      return null;
    default:
      return "is no part of a lens link";
  }
}

// {parts, problems}: parts holds what the link gives ({values: [5 numbers],
// shape, rindex, mode, lock (-1 unlocked), fill}) or is null when it gives
// nothing; problems names each part left out and why.
export function readLensHash(hash) {
  const text = hash.replace(/^#/, "");
  const out = {};
  const problems = [];
  if (text !== "") {
    // A "+" is a number's exponent sign ("1e+21"), never an encoded space.
    let params;
    try {
      params = new URLSearchParams(text.replaceAll("+", "%2B"));
    } catch {
      params = new URLSearchParams();
    }
    const seen = new Set();
    for (const [key, value] of params) {
      let problem = seen.has(key) && KEYS.includes(key) ? "is given twice" : null;
      seen.add(key);
      if (!problem) problem = readPart(key, value, out);
      if (problem) problems.push(`${shown(key, value)} ${problem}`);
    }
  }
  return { parts: Object.keys(out).length ? out : null, problems };
}

// What the link gives, or null when it names no lens part. A part that does
// not read is left out.
export function parseLensHash(hash) {
  return readLensHash(hash).parts;
}

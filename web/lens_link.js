// The lens in the page's address: #lens=219,163,143,260,112,CVCV&n=1.5&mode=multi
// and, for light from a point or an object, &source=object,600,80.

const SHAPES = ["CVCV", "CVCC", "CCCV", "CCCC"];

// A number as short as it can be written without losing a bit of it, so a
// copied link opens exactly the same lens.
function short(v) {
  return String(v);
}

export function formatLensHash(state) {
  const values = state.lens.slice(0, 5).map(short).join(",");
  const mode = state.mode ? "multi" : "single";
  const source = state.source && state.source !== "parallel" ? `&source=${state.source}` : "";
  return `#lens=${values},${SHAPES[state.lens[5]]}&n=${short(state.rindex)}&mode=${mode}${source}`;
}

// {values: [5 numbers], shape, rindex, mode} with what the link gives, or
// null when it names no lens. A part that does not read is left out.
export function parseLensHash(hash) {
  // A "+" is a number's exponent sign ("1e+21"), never an encoded space.
  const params = new URLSearchParams(hash.replace(/^#/, "").replaceAll("+", "%2B"));
  const out = {};
  const lens = params.get("lens");
  if (lens) {
    const parts = lens.split(",");
    const values = parts.slice(0, 5).map(Number);
    if (values.length === 5 && values.every((v) => Number.isFinite(v) && v > 0)) {
      out.values = values;
      const shape = parts.length > 5 ? SHAPES.indexOf(parts[5].toUpperCase()) : 0;
      out.shape = shape >= 0 ? shape : 0;
    }
  }
  const n = Number(params.get("n"));
  if (params.has("n") && Number.isFinite(n) && n > 0) out.rindex = n;
  const mode = params.get("mode");
  if (mode === "multi" || mode === "single") out.mode = mode === "multi" ? 1 : 0;
  // The session reads the source and refuses one it cannot show.
  if (params.has("source")) out.source = params.get("source");
  return Object.keys(out).length ? out : null;
}

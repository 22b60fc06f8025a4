// What a screen reader says of the lens view: the read-outs with their
// names, and the picture in words (the lens and where its beams focus).

const SHAPE_WORDS = { CV: "convex", CC: "concave" };

function faceWords(shape, face) {
  return SHAPE_WORDS[shape.slice(2 * face, 2 * face + 2)];
}

// A lens value as the fields show it, with a fraction where it has one.
function value(v) {
  return Number.isInteger(v) ? String(v) : String(Math.round(v * 100) / 100);
}

// "Focus 316.10", or "Focus: none" where the read-out shows "--".
export function readoutLabel(name, text, unit = "") {
  return text === "--" ? `${name}: none` : `${name} ${text}${unit}`;
}

// The canvas's description, kept current with the lens.
export function describeLens(state) {
  const [ivx, ivy, evx, evy, depth] = state.lens.map(value);
  const lens = `Lens with a ${faceWords(state.shape, 0)} ingress face (semi-axes ${ivx} by ${ivy}), ` +
    `a ${faceWords(state.shape, 1)} egress face (semi-axes ${evx} by ${evy}), depth ${depth}, ` +
    (state.glass ? `${state.glass} glass` : `refractive index ${state.rindexText}`) +
    (state.water ? " in water" : "") +
    (state.white ? ", white light, each colour drawn in its own" :
      state.indexText ? `, light of ${state.wavelengthText}` : "") +
    (state.lcaText ? ` (${state.lcaText})` : "");
  if (state.mode === 1)
    return `${lens}. Multi-beam: five fans of beams at 40 to 0 degrees, ` +
      `with ${state.fans.join(", ")} beams.`;
  if (state.focusText === "--") return `${lens}. Single beam: the beams meet in no focus.`;
  return `${lens}. Single beam: focus at ${state.focusText}, ` +
    `spread ${state.devText} (${state.devpcntText} %), beam width ${state.widthText}.`;
}

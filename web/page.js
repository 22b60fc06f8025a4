// The page: the Lens Control's inputs and read-outs around the lens view.
// Every number shown and every line drawn comes from the C++ session; this
// file only wires inputs to it and replays its picture.
import { replayOnCanvas, replayAsSvg } from "./picture.js";
import { formatLensHash, readLensHash } from "./lens_link.js";
import { describeLens, readoutLabel } from "./page_words.js";
import { ScriptPlayer } from "./script_player.js";
import { withPngDpi } from "./png_dpi.js";
import { EXAMPLES } from "./examples.js";
import { drawAberration } from "./aberration_plot.js";
import { addDesignPanel } from "./design_panel.js";
import { installViewControls } from "./view_controls.js";
import { LightSourceControls } from "./light_source.js";
import { loadWords, pageLanguage, translatePage, word, wordWith } from "./page_lang.js";
import { ColourControls } from "./colour_controls.js";

const CSS_DPI = 96;  // CSS pixels per inch: 100 drawing units a CSS inch
// The area, in CSS pixels at true scale, that the picture always shows: a
// smaller canvas shows it scaled down, so the legend and the focus stay in.
// It is also what the sliders reach, whatever the screen.
const VIEW = { w: 860, h: 720 };
const EXPORT_DPI = 192;
const $ = (id) => document.getElementById(id);
const sliders = [0, 1, 2, 3, 4].map((r) => $(`s${r}`));
const numbers = [0, 1, 2, 3, 4].map((r) => $(`n${r}`));
const canvas = $("lens");

const language = pageLanguage(location.search, navigator.languages ?? []);
const [kelvane] = await Promise.all([createKelvane(), loadWords(language)]);
const session = new kelvane.PageSession();
let state = null;
let canvasCss = { w: VIEW.w, h: VIEW.h };
const view = installViewControls($("viewBar"), kelvane.zoomStep, $("view"), () => draw());
// The times of the last slider steps in ms (retrace and redraw), for anyone
// measuring; the oldest go once there are STEP_TIMES_KEPT.
const STEP_TIMES_KEPT = 200;
const stepTimes = [];

function readState() {
  state = session.state();
  return state;
}

function limits() {
  // Like the dialog's ranges: the view's size, never below the values held.
  const v = state.lens;
  const xmax = Math.max(VIEW.w, Math.round(v[0]), Math.round(v[2]));
  const ymax = Math.max(VIEW.h, Math.round(v[1]), Math.round(v[3]));
  return [xmax, ymax, xmax, ymax, Math.max(Math.floor(xmax / 2), Math.round(v[4]))];
}

// The controls follow the session (after a preset, a link or a script step).
function showState() {
  const lim = limits();
  for (let r = 0; r < 5; r++) {
    sliders[r].max = lim[r];
    numbers[r].max = r === 4 ? 2 * lim[r] : lim[r];
    // The sliders show the values rounded, as the dialog's fields do.
    const shown = Math.trunc(state.lens[r] + 0.5);
    sliders[r].value = shown;
    numbers[r].value = shown;
  }
  const shape = state.lens[5];
  document.querySelector(`input[name=ingress][value=${shape & 2 ? "CC" : "CV"}]`).checked = true;
  document.querySelector(`input[name=egress][value=${shape & 1 ? "CC" : "CV"}]`).checked = true;
  if (document.activeElement !== $("rindex")) $("rindex").value = state.rindex.toFixed(2);
  $("multi").checked = state.mode === 1;
  $("lock").checked = state.locked;
  $("fill").value = state.fill;
  $("width").value = Math.trunc(state.width + 0.5);
  $("focus").value = state.focusText;
  $("dev").value = state.devText;
  $("devpcnt").value = state.devpcntText;
  $("eccIngress").value = state.eccIngress;
  $("eccEgress").value = state.eccEgress;
  $("fansLine").hidden = state.mode !== 1;
  $("fans").value = state.fans.join(" ");
  $("focus").setAttribute("aria-label", readoutLabel("Focus", state.focusText));
  $("dev").setAttribute("aria-label", readoutLabel("Spread", state.devText));
  $("devpcnt").setAttribute("aria-label", readoutLabel("Spread", state.devpcntText, " %"));
  $("eccIngress").setAttribute("aria-label", readoutLabel("Ingress eccentricity", state.eccIngress));
  $("eccEgress").setAttribute("aria-label", readoutLabel("Egress eccentricity", state.eccEgress));
  canvas.setAttribute("aria-label", describeLens(state));
}

// The picture's scale on screen: true scale, or less where the canvas is
// smaller than the view's area.
function fit() {
  return Math.min(1, canvasCss.w / VIEW.w, canvasCss.h / VIEW.h);
}

// The picture over cssW x cssH CSS pixels at pxPerCss device pixels each,
// drawn at `scale` of true scale.
function picture(cssW, cssH, pxPerCss, scale, caption, style) {
  return session.picture(Math.round(cssW * pxPerCss), Math.round(cssH * pxPerCss),
                         CSS_DPI * pxPerCss * scale, $("legend").checked, caption, style);
}

// What the canvas shows, in its device pixels, at the zoom chosen.
function screenPicture() {
  const px = window.devicePixelRatio || 1;
  const zoom = view.zoom(() => session.fitZoom(Math.round(canvasCss.w * px),
                                               Math.round(canvasCss.h * px), CSS_DPI * px,
                                               $("legend").checked, view.style()),
                         fit());
  return picture(canvasCss.w, canvasCss.h, px, zoom === null ? fit() : 1, false,
                 view.style(zoom ?? 1));
}

// An export: what the canvas shows, at true scale and `dpi`.
function exportPicture(dpi) {
  const f = fit();
  return picture(canvasCss.w / f, canvasCss.h / f, dpi / CSS_DPI, 1, true, view.style());
}

function draw() {
  const list = screenPicture();
  if (canvas.width !== list.width || canvas.height !== list.height) {
    canvas.width = list.width;
    canvas.height = list.height;
  }
  replayOnCanvas(canvas.getContext("2d"), list);
  return list;
}

// The aberration plot follows every retrace, where the core offers it.
function plotAberration() {
  const curve = session.aberration();
  $("aberrationBox").hidden = !curve;
  if (curve) drawAberration($("aberration"), curve);
  return curve;
}

function refresh() {
  readState();
  showState();
  lightSource.show(state.source);
  colourControls.show(state);
  draw();
  plotAberration();
}

// A finished edit is one step back for the browser's back button.
function remember(push) {
  // A notice about the link opened last is old news after an edit.
  if (push) $("status").textContent = "";
  const hash = formatLensHash(state);
  if (location.hash === hash) return;
  if (push) history.pushState(null, "", hash);
  else history.replaceState(null, "", hash);
}

function shapeFromRadios() {
  const ingressCC = document.querySelector("input[name=ingress]:checked").value === "CC";
  const egressCC = document.querySelector("input[name=egress]:checked").value === "CC";
  return (ingressCC ? 2 : 0) | (egressCC ? 1 : 0);
}

// The lens with value r (when given) set to v: every other value stays as
// held, fractions included.
function commitLens(r, v) {
  const values = state.lens.slice(0, 5);
  if (r !== undefined) values[r] = v;
  session.setLens(...values, shapeFromRadios());
}

sliders.forEach((slider, r) => {
  // A drag retraces at every step and becomes one history entry when the
  // slider is let go (its "change").
  slider.addEventListener("input", () => {
    const t0 = performance.now();
    numbers[r].value = slider.value;
    commitLens(r, Number(slider.value));
    refresh();
    stepTimes.push(performance.now() - t0);
    if (stepTimes.length > STEP_TIMES_KEPT) stepTimes.shift();
  });
  slider.addEventListener("change", () => remember(true));
});

numbers.forEach((field, r) => {
  field.addEventListener("change", () => {
    const limit = Number(field.max);
    let v = Math.trunc(Number(field.value));
    if (!Number.isFinite(v) || v < 1) v = 1;
    if (v > limit) v = limit;
    field.value = v;
    if (r === 4 && v > Number(sliders[4].max)) sliders[4].max = v;
    sliders[r].value = v;
    commitLens(r, v);
    refresh();
    remember(true);
  });
});

for (const radio of document.querySelectorAll("input[name=ingress], input[name=egress]")) {
  radio.addEventListener("change", () => {
    commitLens();
    refresh();
    remember(true);
  });
}

$("rindex").addEventListener("change", () => {
  const n = Number($("rindex").value);
  if (Number.isFinite(n) && n > 0) session.setRindex(n);
  refresh();
  $("rindex").value = state.rindex.toFixed(2);
  remember(true);
});

$("multi").addEventListener("change", () => {
  session.setBeamMode($("multi").checked ? 1 : 0);
  refresh();
  remember(true);
});

$("legend").addEventListener("change", draw);

$("lock").addEventListener("change", () => {
  session.setLockWidth($("lock").checked ? Math.trunc(state.width + 0.5) : -1);
  refresh();
  remember(true);
});

$("width").addEventListener("change", () => {
  let w = Math.trunc(Number($("width").value));
  if (!Number.isFinite(w) || w < 1) w = 1;
  session.setLockWidth(Math.min(w, limits()[1]));
  refresh();
  remember(true);
});

$("fill").addEventListener("change", () => {
  const p = Math.trunc(Number($("fill").value));
  session.setFillPercent(Number.isFinite(p) ? p : 1);
  refresh();
  remember(true);
});

for (let i = 0; i < kelvane.PageSession.presetCount(); i++) {
  $("presets").add(new Option(kelvane.PageSession.presetName(i), String(i)));
}
$("presets").addEventListener("change", () => {
  if ($("presets").value === "") return;
  session.applyPreset(Number($("presets").value));
  refresh();
  remember(true);
});

const lightSource = new LightSourceControls(session, (finished) => {
  refresh();
  remember(finished);
});

const colourControls = new ColourControls(kelvane, session, (finished) => {
  refresh();
  remember(finished);
});

// --- the lens in the address ---------------------------------------------

// A link of many bad parts gets a notice of a few lines.
const LINK_PROBLEMS_SHOWN = 4;

// Opens what the address gives, says which parts it left out and why, and
// puts the address in the page's own form. False when it gives nothing.
function openLink(hash) {
  const { parts: link, problems } = readLensHash(hash);
  if (link) {
    if (link.rindex) session.setRindex(link.rindex);
    if (link.mode !== undefined) session.setBeamMode(link.mode);
    if (link.values) session.setLens(...link.values, link.shape);
    // The fill unlocks the width: it comes before the lock.
    if (link.fill !== undefined) session.setFillPercent(link.fill);
    if (link.lock !== undefined) session.setLockWidth(link.lock);
    if (link.source !== undefined && !session.setSource(link.source))
      problems.push(`"source=${link.source}" is not parallel, point,D or object,D,H`);
    if (link.glass !== undefined || link.medium !== undefined || link.light !== undefined) {
      // What the link leaves out stays as it is.
      const now = session.state();
      const problem = session.setColour(link.glass ?? now.glass, link.medium ?? (now.water ? "water" : "air"),
                                        link.light ?? (now.white ? "white" : String(now.wavelength)));
      const given = ["glass", "medium", "light"].filter((k) => link[k] !== undefined)
        .map((k) => `${k}=${link[k]}`).join("&");
      if (problem) problems.push(`"${given}": ${problem}`);
    }
  }
  const shown = problems.slice(0, LINK_PROBLEMS_SHOWN).join("; ") +
    (problems.length > LINK_PROBLEMS_SHOWN ? `; and ${problems.length - LINK_PROBLEMS_SHOWN} more` : "");
  $("status").textContent = problems.length ? wordWith("The link was not read whole: %1.", shown) : "";
  if (!link && !problems.length) return false;
  refresh();
  remember(false);
  return true;
}

// Back, Forward and an address typed in all come here (a "hashchange"
// follows, which must not read the address as tidied a second time).
window.addEventListener("popstate", () => openLink(location.hash));

// --- scripts ---------------------------------------------------------------

const player = new ScriptPlayer(session, () => refresh(), (s) => {
  $("run").disabled = s !== "stopped";
  $("pause").disabled = s === "stopped";
  $("stop").disabled = s === "stopped";
  $("pause").textContent = word(s === "paused" ? "Resume" : "Pause");
  const passedOver = player.warnings.length ? wordWith(" — passed over: %1", player.warnings.join("; ")) : "";
  $("scriptStatus").textContent = (s === "stopped" ? wordWith("ended after %1 steps", player.steps) : word(s)) + passedOver;
  // A script run is one step back, from the lens before it to the lens after.
  if (s === "stopped") remember(true);
});
for (const name of Object.keys(EXAMPLES)) $("examples").add(new Option(name, name));
$("examples").addEventListener("change", () => {
  if (EXAMPLES[$("examples").value]) $("script").value = EXAMPLES[$("examples").value];
});
$("run").addEventListener("click", () => player.start($("script").value));
$("pause").addEventListener("click", () => player.togglePause());
$("stop").addEventListener("click", () => player.stop());

// --- export ----------------------------------------------------------------

function download(blob, name) {
  const url = URL.createObjectURL(blob);
  const a = document.createElement("a");
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The picture at 192 dpi with its caption, as PNG bytes that record the dpi.
async function pngBytes() {
  const list = exportPicture(EXPORT_DPI);
  const out = document.createElement("canvas");
  out.width = list.width;
  out.height = list.height;
  replayOnCanvas(out.getContext("2d"), list);
  const blob = await new Promise((resolve) => out.toBlob(resolve, "image/png"));
  return withPngDpi(new Uint8Array(await blob.arrayBuffer()), EXPORT_DPI);
}

function svgText() {
  const measurer = document.createElement("canvas").getContext("2d");
  const measure = (text, font) => {
    measurer.font = font;
    return measurer.measureText(text).width;
  };
  return replayAsSvg(exportPicture(CSS_DPI), measure);
}

$("exportPng").addEventListener("click", async () =>
  download(new Blob([await pngBytes()], { type: "image/png" }), "kelvane.png"));
$("exportSvg").addEventListener("click", () =>
  download(new Blob([svgText()], { type: "image/svg+xml" }), "kelvane.svg"));

// --- start -----------------------------------------------------------------

function fitCanvas() {
  const rect = canvas.getBoundingClientRect();
  canvasCss = { w: Math.max(1, Math.round(rect.width)), h: Math.max(1, Math.round(rect.height)) };
  // The rays run to the edge of what the picture shows, in drawing units.
  const f = fit();
  session.setCanvas(Math.round(canvasCss.w / f), Math.round(canvasCss.h / f));
}

const designPanel = addDesignPanel($("controls"), kelvane, session, () => readState(), () => {
  refresh();
  remember(true);
});

fitCanvas();
new ResizeObserver(() => {
  fitCanvas();
  draw();
  showState();
}).observe(canvas);
// Everything is built: its words in the page's language (none for English).
translatePage(document.documentElement);
if (language !== "en") document.documentElement.lang = language.replace("_", "-");
$("status").textContent = "";
if (!openLink(location.hash)) {
  refresh();
  remember(false);
}

// For tests and for anyone timing the page from the console.
window.kelvanePage = {
  ready: true,
  stepTimes,
  state: () => readState(),
  aberration: () => session.aberration(),
  picture: screenPicture,
  fit,
  pngBytes,
  svgText,
  player,
  designPanel,
  exportDpi: EXPORT_DPI,
  // Shows one lens, as a link would, and gives back what the page then shows.
  traceLens(values, shape, rindex, mode) {
    session.setRindex(rindex);
    session.setBeamMode(mode);
    session.setLens(...values, shape);
    refresh();
    return state;
  },
};

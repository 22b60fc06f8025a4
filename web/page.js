// The page: the Lens Control's inputs and read-outs around the lens view.
// Every number shown and every line drawn comes from the C++ session; this
// file only wires inputs to it and replays its picture.
import { replayOnCanvas, replayAsSvg } from "./picture.js";
import { formatLensHash, parseLensHash } from "./lens_link.js";
import { ScriptPlayer } from "./script_player.js";
import { withPngDpi } from "./png_dpi.js";
import { EXAMPLES } from "./examples.js";
import { drawAberration } from "./aberration_plot.js";
import { LightSourceControls } from "./light_source.js";

const CSS_DPI = 96;  // CSS pixels per inch: 100 drawing units a CSS inch
const EXPORT_DPI = 192;
const $ = (id) => document.getElementById(id);
const sliders = [0, 1, 2, 3, 4].map((r) => $(`s${r}`));
const numbers = [0, 1, 2, 3, 4].map((r) => $(`n${r}`));
const canvas = $("lens");

const kelvane = await createKelvane();
const session = new kelvane.PageSession();
let state = null;
let canvasCss = { w: 860, h: 720 };
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
  const xmax = Math.max(canvasCss.w, Math.round(v[0]), Math.round(v[2]));
  const ymax = Math.max(canvasCss.h, Math.round(v[1]), Math.round(v[3]));
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
}

function picture(cssW, cssH, dpi, caption) {
  const scale = dpi / CSS_DPI;
  return session.picture(Math.round(cssW * scale), Math.round(cssH * scale), dpi,
                         $("legend").checked, caption);
}

function draw() {
  const dpr = window.devicePixelRatio || 1;
  const list = picture(canvasCss.w, canvasCss.h, CSS_DPI * dpr, false);
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
  draw();
  plotAberration();
}

// A finished edit is one step back for the browser's back button; the
// steps of a drag only replace the address.
function remember(push) {
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

function commitSliders() {
  const v = sliders.map((s) => Number(s.value));
  session.setLens(v[0], v[1], v[2], v[3], v[4], shapeFromRadios());
}

sliders.forEach((slider, r) => {
  slider.addEventListener("input", () => {
    const t0 = performance.now();
    numbers[r].value = slider.value;
    commitSliders();
    refresh();
    stepTimes.push(performance.now() - t0);
    if (stepTimes.length > STEP_TIMES_KEPT) stepTimes.shift();
    remember(false);
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
    commitSliders();
    refresh();
    remember(true);
  });
});

for (const radio of document.querySelectorAll("input[name=ingress], input[name=egress]")) {
  radio.addEventListener("change", () => {
    commitSliders();
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
});

$("width").addEventListener("change", () => {
  let w = Math.trunc(Number($("width").value));
  if (!Number.isFinite(w) || w < 1) w = 1;
  session.setLockWidth(Math.min(w, limits()[1]));
  refresh();
});

$("fill").addEventListener("change", () => {
  const p = Math.trunc(Number($("fill").value));
  session.setFillPercent(Number.isFinite(p) ? p : 1);
  refresh();
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

// --- the lens in the address ---------------------------------------------

let linkNote = "";  // what the page could not take from the last link
function openLink(hash) {
  const link = parseLensHash(hash);
  if (!link) return false;
  if (link.rindex) session.setRindex(link.rindex);
  if (link.mode !== undefined) session.setBeamMode(link.mode);
  if (link.values) session.setLens(...link.values, link.shape);
  linkNote = link.source !== undefined && !session.setSource(link.source)
    ? `The link's source "${link.source}" is not parallel, point,D or object,D,H.` : "";
  $("status").textContent = linkNote;
  refresh();
  return true;
}

window.addEventListener("popstate", () => openLink(location.hash));
window.addEventListener("hashchange", () => openLink(location.hash));

// --- scripts ---------------------------------------------------------------

const player = new ScriptPlayer(session, () => refresh(), (s) => {
  $("run").disabled = s !== "stopped";
  $("pause").disabled = s === "stopped";
  $("stop").disabled = s === "stopped";
  $("pause").textContent = s === "paused" ? "Resume" : "Pause";
  const passedOver = player.warnings.length ? ` — passed over: ${player.warnings.join("; ")}` : "";
  $("scriptStatus").textContent = (s === "stopped" ? `ended after ${player.steps} steps` : s) + passedOver;
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
  const list = picture(canvasCss.w, canvasCss.h, EXPORT_DPI, true);
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
  return replayAsSvg(picture(canvasCss.w, canvasCss.h, CSS_DPI, true), measure);
}

$("exportPng").addEventListener("click", async () =>
  download(new Blob([await pngBytes()], { type: "image/png" }), "kelvane.png"));
$("exportSvg").addEventListener("click", () =>
  download(new Blob([svgText()], { type: "image/svg+xml" }), "kelvane.svg"));

// --- start -----------------------------------------------------------------

function fitCanvas() {
  const rect = canvas.getBoundingClientRect();
  canvasCss = { w: Math.max(1, Math.round(rect.width)), h: Math.max(1, Math.round(rect.height)) };
  session.setCanvas(canvasCss.w, canvasCss.h);
}

fitCanvas();
new ResizeObserver(() => {
  fitCanvas();
  draw();
  showState();
}).observe(canvas);
if (!openLink(location.hash)) {
  refresh();
  remember(false);
}
$("status").textContent = linkNote;

// For tests and for anyone timing the page from the console.
window.kelvanePage = {
  ready: true,
  stepTimes,
  state: () => readState(),
  aberration: () => session.aberration(),
  picture: () => picture(canvasCss.w, canvasCss.h, CSS_DPI * (window.devicePixelRatio || 1), false),
  pngBytes,
  svgText,
  player,
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

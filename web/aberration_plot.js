// The aberration plot: each traced beam's axis crossing (x) against its
// height (y), the exit rays as dots and the rays inside the glass as rings,
// the mean focus as a vertical line and focusMin/focusMax marked. The points
// are the tracer's own records, handed over by the C++ session.

const EXIT = "rgb(0,0,255)";
const INNER = "rgb(0,160,0)";
const FOCUS = "rgb(255,0,0)";

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks.
function niceStep(span, count) {
  const raw = span / count;
  const power = 10 ** Math.floor(Math.log10(raw));
  return [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? raw;
}

export function drawAberration(canvas, curve) {
  const dpr = window.devicePixelRatio || 1;
  const cssW = canvas.clientWidth;
  const cssH = canvas.clientHeight;
  canvas.width = Math.round(cssW * dpr);
  canvas.height = Math.round(cssH * dpr);
  const ctx = canvas.getContext("2d");
  ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
  ctx.fillStyle = "#fff";
  ctx.fillRect(0, 0, cssW, cssH);
  const all = [...curve.exit, ...curve.inner];
  ctx.fillStyle = "#000";
  ctx.font = '11px "DejaVu Sans", sans-serif';
  if (all.length === 0) {
    ctx.fillText("no beam crosses the axis", 8, cssH / 2);
    return;
  }
  const xs = all.map((p) => p[0]).concat(curve.focus ? [curve.focus] : []);
  let x0 = Math.min(...xs);
  let x1 = Math.max(...xs);
  if (x1 - x0 < 1e-9) {
    x0 -= 1;
    x1 += 1;
  }
  const pad = (x1 - x0) * 0.08;
  x0 -= pad;
  x1 += pad;
  const y1 = Math.max(...all.map((p) => p[1]), curve.width || 0) * 1.08 || 1;
  const left = 44;
  const bottom = cssH - 24;
  const right = cssW - 8;
  const top = 8;
  const px = (x) => left + ((x - x0) / (x1 - x0)) * (right - left);
  const py = (y) => bottom - (y / y1) * (bottom - top);

  // Axes with ticks: crossing along x, height up y.
  ctx.strokeStyle = "#000";
  ctx.lineWidth = 1;
  ctx.strokeRect(left, top, right - left, bottom - top);
  ctx.textAlign = "center";
  ctx.textBaseline = "top";
  const xStep = niceStep(x1 - x0, 4);
  const xDecimals = Math.max(0, -Math.floor(Math.log10(xStep)));
  for (let x = Math.ceil(x0 / xStep) * xStep; x <= x1; x += xStep) {
    ctx.fillText(x.toFixed(xDecimals), px(x), bottom + 3);
    ctx.beginPath();
    ctx.moveTo(px(x), bottom);
    ctx.lineTo(px(x), bottom - 4);
    ctx.stroke();
  }
  ctx.textAlign = "right";
  ctx.textBaseline = "middle";
  const yStep = niceStep(y1, 4);
  for (let y = 0; y <= y1; y += yStep) {
    ctx.fillText(String(Math.round(y)), left - 3, py(y));
    ctx.beginPath();
    ctx.moveTo(left, py(y));
    ctx.lineTo(left + 4, py(y));
    ctx.stroke();
  }

  if (curve.focus) {
    ctx.strokeStyle = FOCUS;
    ctx.beginPath();
    ctx.moveTo(px(curve.focus), top);
    ctx.lineTo(px(curve.focus), bottom);
    ctx.stroke();
    ctx.setLineDash([3, 3]);
    for (const x of [curve.focusMin, curve.focusMax]) {
      ctx.beginPath();
      ctx.moveTo(px(x), top);
      ctx.lineTo(px(x), bottom);
      ctx.stroke();
    }
    ctx.setLineDash([]);
  }
  ctx.strokeStyle = INNER;
  for (const [x, y] of curve.inner) {
    ctx.beginPath();
    ctx.arc(px(x), py(y), 3.5, 0, 2 * Math.PI);
    ctx.stroke();
  }
  ctx.fillStyle = EXIT;
  for (const [x, y] of curve.exit) {
    ctx.beginPath();
    ctx.arc(px(x), py(y), 3, 0, 2 * Math.PI);
    ctx.fill();
  }
}

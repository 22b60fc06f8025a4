// Replays the lens picture's display list (made by the C++ core) on a canvas
// and as SVG text. Nothing here decides what is drawn: every primitive, its
// pen and its place come from the list.
//
// The list is in drawing units (0.01 inch, y up); a unit point (x, y) lands
// on the device pixel (origin.x + x * dpiX / 100, origin.y - y * dpiY / 100).

const UNITS_PER_INCH = 100;

function rgb(c) {
  return `rgb(${c[0]},${c[1]},${c[2]})`;
}

// pen: [r, g, b, width, dotted]
function applyPen(ctx, pen) {
  ctx.strokeStyle = rgb(pen);
  ctx.lineWidth = pen[3];
  // A dotted pen: dots one pen wide, gaps two wide.
  ctx.setLineDash(dashPattern(pen));
}

function tracePoints(ctx, pts) {
  ctx.beginPath();
  ctx.moveTo(pts[0], pts[1]);
  for (let i = 2; i < pts.length; i += 2) ctx.lineTo(pts[i], pts[i + 1]);
}

function fontFor(px) {
  return `${px}px "DejaVu Sans", sans-serif`;
}

// Text is drawn upright in device pixels, at the size the list gives,
// shrunk to its maximum width.
function drawText(ctx, list, item) {
  const [, x, y, text, size, color, align, maxWidth] = item;
  const sy = list.dpiY / UNITS_PER_INCH;
  const sx = list.dpiX / UNITS_PER_INCH;
  const px = list.origin[0] + x * sx;
  const py = list.origin[1] - y * sy;
  ctx.save();
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  let fontPx = size * sy;
  ctx.font = fontFor(fontPx);
  const width = ctx.measureText(text).width;
  if (maxWidth > 0 && width > maxWidth * sx) {
    fontPx *= (maxWidth * sx) / width;
    ctx.font = fontFor(fontPx);
  }
  ctx.textAlign = align;
  ctx.textBaseline = "middle";
  ctx.fillStyle = rgb(color);
  ctx.fillText(text, px, py);
  ctx.restore();
}

export function replayOnCanvas(ctx, list) {
  ctx.save();
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.fillStyle = "#fff";
  ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
  ctx.setTransform(
    list.dpiX / UNITS_PER_INCH, 0, 0, -list.dpiY / UNITS_PER_INCH, list.origin[0], list.origin[1]);
  ctx.lineCap = "butt";
  ctx.lineJoin = "miter";
  for (const item of list.items) {
    switch (item[0]) {
      case "line":
        applyPen(ctx, item[5]);
        tracePoints(ctx, item.slice(1, 5));
        ctx.stroke();
        break;
      case "polyline":
        applyPen(ctx, item[2]);
        tracePoints(ctx, item[1]);
        ctx.stroke();
        break;
      case "ellipse": {
        const [, left, bottom, w, h, pen, fill] = item;
        ctx.beginPath();
        ctx.ellipse(left + w / 2, bottom + h / 2, Math.abs(w) / 2, Math.abs(h) / 2, 0, 0, 2 * Math.PI);
        if (fill) {
          ctx.fillStyle = rgb(fill);
          ctx.fill();
        }
        if (pen) {
          applyPen(ctx, pen);
          ctx.stroke();
        }
        break;
      }
      case "polygon": {
        const [, pts, fill, pen] = item;
        tracePoints(ctx, pts);
        ctx.closePath();
        ctx.fillStyle = rgb(fill);
        ctx.fill("nonzero");
        if (pen) {
          applyPen(ctx, pen);
          ctx.stroke();
        }
        break;
      }
      case "text":
        drawText(ctx, list, item);
        break;
    }
  }
  ctx.restore();
}

function escapeXml(s) {
  return s.replace(/[<>&"]/g, (c) => ({ "<": "&lt;", ">": "&gt;", "&": "&amp;", '"': "&quot;" })[c]);
}

// pen[4]: 1 dotted, 2 dashed (a virtual image), else solid.
function dashPattern(pen) {
  if (pen[4] === 2) return [4 * pen[3], 3 * pen[3]];
  return pen[4] ? [pen[3], 2 * pen[3]] : [];
}

function svgPen(pen) {
  if (!pen) return 'stroke="none"';
  const dash = pen[4] ? ` stroke-dasharray="${dashPattern(pen).join(" ")}"` : "";
  return `stroke="${rgb(pen)}" stroke-width="${pen[3]}"${dash}`;
}

function svgPoints(pts) {
  const out = [];
  for (let i = 0; i < pts.length; i += 2) out.push(`${pts[i]},${pts[i + 1]}`);
  return out.join(" ");
}

// The picture as an SVG document whose size is its physical size in inches.
// `measure(text, font)` gives a text's width in pixels, for texts that must
// shrink to fit.
export function replayAsSvg(list, measure) {
  const sx = list.dpiX / UNITS_PER_INCH;
  const sy = list.dpiY / UNITS_PER_INCH;
  const body = [];
  const group = `matrix(${sx} 0 0 ${-sy} ${list.origin[0]} ${list.origin[1]})`;
  for (const item of list.items) {
    switch (item[0]) {
      case "line":
        body.push(`<line x1="${item[1]}" y1="${item[2]}" x2="${item[3]}" y2="${item[4]}" ${svgPen(item[5])}/>`);
        break;
      case "polyline":
        body.push(`<polyline points="${svgPoints(item[1])}" fill="none" ${svgPen(item[2])}/>`);
        break;
      case "ellipse": {
        const [, left, bottom, w, h, pen, fill] = item;
        body.push(`<ellipse cx="${left + w / 2}" cy="${bottom + h / 2}" rx="${Math.abs(w) / 2}" ` +
                  `ry="${Math.abs(h) / 2}" fill="${fill ? rgb(fill) : "none"}" ${svgPen(pen)}/>`);
        break;
      }
      case "polygon":
        body.push(`<polygon points="${svgPoints(item[1])}" fill="${rgb(item[2])}" ` +
                  `fill-rule="nonzero" ${svgPen(item[3])}/>`);
        break;
      case "text": {
        // Text stays upright: it is placed in device pixels, outside the
        // flipped group, and keeps its place in the stacking order.
        const [, x, y, text, size, color, align, maxWidth] = item;
        const anchor = { left: "start", center: "middle", right: "end" }[align];
        let fontPx = size * sy;
        if (measure && maxWidth > 0) {
          const width = measure(text, fontFor(fontPx));
          if (width > maxWidth * sx) fontPx *= (maxWidth * sx) / width;
        }
        body.push("</g>");
        body.push(`<text x="${list.origin[0] + x * sx}" y="${list.origin[1] - y * sy}" ` +
                  `font-family="DejaVu Sans, sans-serif" font-size="${fontPx}" fill="${rgb(color)}" ` +
                  `text-anchor="${anchor}" dominant-baseline="middle">${escapeXml(text)}</text>`);
        body.push(`<g transform="${group}" stroke-linecap="butt">`);
        break;
      }
    }
  }
  return `<?xml version="1.0" encoding="UTF-8"?>\n` +
    `<svg xmlns="http://www.w3.org/2000/svg" width="${list.width / list.dpiX}in" ` +
    `height="${list.height / list.dpiY}in" viewBox="0 0 ${list.width} ${list.height}">\n` +
    `<rect width="100%" height="100%" fill="#fff"/>\n` +
    `<g transform="${group}" stroke-linecap="butt">\n` +
    body.join("\n") + "\n</g>\n</svg>\n";
}

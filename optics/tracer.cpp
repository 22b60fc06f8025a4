#include "optics/tracer.h"

#include <cmath>

#include "optics/ellipse_intersect.h"
#include "optics/fpflags.h"
#include "optics/refraction.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

constexpr double kTolerance = 1e-06;

// Where the rim is: the first intersection of the two face ellipses that lies
// on both face arcs. Sets the width (and center) when it is usable; returns
// false when the width falls back to the smaller Y semi-axis.
bool rimWidth(TracerContext& ctx, const Lens& lens, const BeamSettings& settings,
              double& width) {
  TraceResults& res = ctx.results;
  const Ellipse& egress = ctx.state.egress;
  if (lens.ingressConcave()) {
    res.center = egress.cx;
    return false;
  }
  const Ellipse ingress{lens.ivx, lens.ivy, lens.ivx, 0.0};
  TracePoint* pts = ctx.state.points.data();
  const int count = ellipseIntersect(ingress, pts, egress);
  if (count < 2) return false;
  for (int i = 0; i < count; ++i) {
    const TracePoint& p = pts[i];
    const bool onEgressArc = lens.egressConcave() ? p.x > egress.cx : p.x <= egress.cx;
    if (p.x < lens.ivx && onEgressArc) {
      if (p.y > 0.1 && p.y <= 1000) {
        res.center = p.x;
        width = p.y * settings.fill;
        return true;
      }
      return false;
    }
  }
  res.center = pts[0].x;
  return false;
}

}  // namespace

int layoutBeams(TracerContext& ctx, const Lens& lens, const BeamSettings& settings) {
  TraceResults& res = ctx.results;
  Ellipse& egress = ctx.state.egress;
  egress.a = lens.evx;
  egress.b = lens.evy;
  egress.cy = 0.0;
  egress.cx = lens.egressConcave() ? lens.depth - lens.evx : lens.depth + lens.evx;

  double width;
  if (settings.locked()) {
    width = settings.lockedWidth;
  } else if (!rimWidth(ctx, lens, settings, width)) {
    width = (lens.ivy < lens.evy ? lens.ivy : lens.evy) * settings.fill;
  }
  res.width = width;
  if (width < settings.minWidth) return -1;
  if (width > settings.maxWidth) width = settings.maxWidth;
  res.width = width;
  res.spacing = settings.spacingRatio < 0.001 ? settings.spacing : width * settings.spacingRatio;
  return 0;
}

int traceBeam(TracerContext& ctx, const Lens& lens, const BeamSettings& settings,
              double incident) {
  TracerState& st = ctx.state;
  TraceResults& res = ctx.results;
  const double n = ctx.indexRatio;
  const double y = st.beamHeight;
  const bool ingressCV = !lens.ingressConcave();

  // Ingress point relative to the ingress ellipse's centre, and the face angle.
  double xRel = lens.ivx * std::sqrt(1.0 - (y * y) / (lens.ivy * lens.ivy));
  if (ingressCV) xRel = -xRel;
  // A beam on the axis divides by zero here; fenced so that a build without
  // hardware flags sees it too (the test after the egress face fails it).
  double xRelPerY = xRel / y;
  fpFence(xRelPerY);
  const double phi1 = std::atan(-((lens.ivy * lens.ivy) / (lens.ivx * lens.ivx)) * xRelPerY);
  const double ingressX = ingressCV ? xRel + lens.ivx : xRel - lens.ivx;
  st.ingressX = ingressX;

  // The ray inside the glass: y = m1 x + c1.
  const double psi1 = faceRefract(phi1, incident, n);
  const double m1 = std::tan(psi1);
  const double c1 = y - m1 * ingressX;
  st.internalSlope = m1;
  double xAxis = -c1 / m1;
  fpFence(xAxis);
  // A beam above the ingress face (no ingress point) leaves the inner focus
  // range alone; NaN would fail both comparisons anyway.
  const bool hasIngress = !std::isnan(ingressX);
  if (hasIngress) {
    if (xAxis < res.innerFocusMin) res.innerFocusMin = xAxis;
    if (xAxis > res.innerFocusMax) res.innerFocusMax = xAxis;
  }

  TracePoint* rec = settings.pointsMode > 0 ? st.cursor : nullptr;
  if (rec) {
    rec[0] = {hasIngress ? ingressX : NO_POINT, y};
    if (settings.pointsMode == 3) {
      rec[3] = ingressCV ? TracePoint{xAxis, 0.0}
                         : TracePoint{st.rayEnd, y + (st.rayEnd - ingressX) * m1};
    }
    rec[1].x = NO_POINT;
    rec[2].x = NO_POINT;
  }

  TracePoint* pts = st.points.data();
  if (lineEllipseIntersect(st.egress, m1, c1, pts) != 2) return -1;
  const TracePoint& egressPt = lens.egressConcave() ? pts[0] : pts[1];
  st.egressX = egressPt.x;
  st.egressY = egressPt.y;
  if (st.egressX < ingressX) return -1;
  if (rec) rec[1] = egressPt;

  double phi2 = std::atan(-((lens.evy * lens.evy) / (lens.evx * lens.evx)) *
                          ((st.egressX - st.egress.cx) / st.egressY));
  fpFence(phi2);
  if (fpErrorTest()) return -1;
  double exitAngle = faceRefract(phi2, psi1, 1.0 / n);
  fpFence(exitAngle);
  if (fpErrorTest()) return -1;
  st.exitAngle = exitAngle;
  return 0;
}

int lineEllipseIntersect(const Ellipse& e, double m, double c, TracePoint out[2]) {
  const double a2 = e.a * e.a;
  const double b2 = e.b * e.b;
  const double h = e.cx;
  const double k = e.cy;
  const double A = b2 + a2 * m * m;
  if (A > -kTolerance && A < kTolerance) return 0;
  const double B = 2 * a2 * m * (c - k) - 2 * b2 * h;
  const double C = a2 * (c * c - b2) + h * h * b2 - 2 * k * a2 * c + k * k * a2;
  const double D = B * B - 4 * A * C;
  if (!(D >= 0)) return 0;  // also a NaN from a beam with no ingress point
  const int count = D < kTolerance ? 1 : 2;
  const double root = std::sqrt(D);
  out[0].x = (-B + root) / (2 * A);
  out[0].y = m * out[0].x + c;
  if (count == 2) {
    out[1].x = (-B - root) / (2 * A);
    out[1].y = m * out[1].x + c;
  }
  if (lineTraceOptions.load(std::memory_order_relaxed) & 0x01) {
    for (int i = 0; i < count; ++i) dbgPrint("-- EL intersect = %.4f,%.4f", out[i].x, out[i].y);
  }
  return count;
}

}  // namespace kelvane

// The page's way into the C++ core: one session object whose calls take
// numbers and give plain JavaScript values - records as embind value
// objects, lists and the picture's primitives as arrays.
#include <emscripten/bind.h>

#include <cmath>
#include <variant>

#include "draw/zoom.h"
#include "web/page_session.h"

namespace kelvane::web {
namespace {

using emscripten::val;

val array(std::initializer_list<val> items) {
  val out = val::array();
  for (const val& v : items) out.call<void>("push", v);
  return out;
}

val color(const draw::Rgb& c) { return array({val(c.r), val(c.g), val(c.b)}); }

// [r, g, b, width, dash]: 0 solid, 1 dotted, 2 dashed
val pen(const std::optional<draw::Pen>& p) {
  if (!p) return val::null();
  return array({val(p->color.r), val(p->color.g), val(p->color.b), val(p->width),
                val(p->dash == draw::Dash::Dot ? 1 : p->dash == draw::Dash::Dash ? 2 : 0)});
}

// x0, y0, x1, y1, ... flat.
val points(const std::vector<draw::Point>& pts) {
  val out = val::array();
  for (const draw::Point& p : pts) {
    out.call<void>("push", p.x);
    out.call<void>("push", p.y);
  }
  return out;
}

// One primitive as an array whose first element names its kind.
struct PrimitiveValue {
  val operator()(const draw::Line& l) const {
    return array({val("line"), val(l.from.x), val(l.from.y), val(l.to.x), val(l.to.y),
                  pen(l.pen)});
  }
  val operator()(const draw::Polyline& p) const {
    return array({val("polyline"), points(p.points), pen(p.pen)});
  }
  val operator()(const draw::EllipseShape& e) const {
    return array({val("ellipse"), val(e.left), val(e.bottom), val(e.width), val(e.height),
                  pen(e.pen), e.fill ? color(*e.fill) : val::null()});
  }
  val operator()(const draw::Polygon& p) const {
    return array({val("polygon"), points(p.points), color(p.fill), pen(p.pen)});
  }
  val operator()(const draw::Text& t) const {
    const char* align = t.align == draw::Align::Left     ? "left"
                        : t.align == draw::Align::Center ? "center"
                                                         : "right";
    return array({val("text"), val(t.at.x), val(t.at.y), val(t.text), val(t.size), color(t.color),
                  val(align), val(t.maxWidth)});
  }
};

// style: {classroom, fan, zoom}; any of them may be left out.
draw::PictureStyle pictureStyle(const val& style) {
  draw::PictureStyle out;
  if (!style.isUndefined() && !style.isNull()) {
    if (style["classroom"].as<bool>()) out.classroom = true;
    if (style["fan"].isNumber()) out.fan = style["fan"].as<int>();
    if (style["zoom"].isNumber()) out.zoom = style["zoom"].as<double>();
  }
  return out;
}

val picture(const PageSession& s, int W, int H, double dpi, bool legend, bool caption,
            val style) {
  const draw::DisplayList list = s.picture(W, H, dpi, legend, caption, pictureStyle(style));
  val out = val::object();
  out.set("width", list.width);
  out.set("height", list.height);
  out.set("dpiX", list.dpiX);
  out.set("dpiY", list.dpiY);
  out.set("origin", array({val(list.origin.x), val(list.origin.y)}));
  val items = val::array();
  for (const draw::Primitive& p : list.items) items.call<void>("push", std::visit(PrimitiveValue{}, p));
  out.set("items", items);
  return out;
}

double fitZoom(const PageSession& s, int W, int H, double dpi, bool legend, val style) {
  return s.fitZoom(W, H, dpi, legend, pictureStyle(style));
}

// {exit: [[crossing, height], ...], inner: [...], focus, focusMin, focusMax,
// width}, or null in multi-beam mode. Points that are no number are left out.
val aberration(const PageSession& s) {
  const std::optional<AberrationCurve> c = s.aberration();
  if (!c) return val::null();
  auto series = [](const std::vector<AberrationPoint>& pts) {
    val out = val::array();
    for (const AberrationPoint& p : pts)
      if (std::isfinite(p.crossing) && std::isfinite(p.height))
        out.call<void>("push", array({val(p.crossing), val(p.height)}));
    return out;
  };
  auto finite = [](double v) { return std::isfinite(v) ? v : 0.0; };
  val out = val::object();
  out.set("exit", series(c->exitCrossings));
  out.set("inner", series(c->innerCrossings));
  out.set("focus", finite(c->focus));
  out.set("focusMin", finite(c->focusMin));
  out.set("focusMax", finite(c->focusMax));
  out.set("width", finite(c->width));
  return out;
}

// {started, warnings: ["script:LINE: what is wrong", ...]}
val startScript(PageSession& s, const std::string& text) {
  const ScriptStart started = s.startScript(text);
  val warnings = val::array();
  for (const std::string& w : started.warnings) warnings.call<void>("push", w);
  val out = val::object();
  out.set("started", started.started);
  out.set("warnings", warnings);
  return out;
}

}  // namespace
}  // namespace kelvane::web

using namespace emscripten;
using namespace kelvane::web;

EMSCRIPTEN_BINDINGS(kelvane) {
  value_array<std::array<double, 6>>("LensValues")
      .element(emscripten::index<0>()).element(emscripten::index<1>()).element(emscripten::index<2>())
      .element(emscripten::index<3>()).element(emscripten::index<4>()).element(emscripten::index<5>());
  value_array<std::array<int, kelvane::FAN_COUNT>>("FanCounts")
      .element(emscripten::index<0>()).element(emscripten::index<1>()).element(emscripten::index<2>())
      .element(emscripten::index<3>()).element(emscripten::index<4>());
  value_array<std::array<int, 3>>("Swatch")
      .element(emscripten::index<0>()).element(emscripten::index<1>()).element(emscripten::index<2>());
  value_object<PageState>("PageState")
      .field("lens", &PageState::lens)
      .field("shape", &PageState::shape)
      .field("rindex", &PageState::rindex)
      .field("rindexText", &PageState::rindexText)
      .field("mode", &PageState::mode)
      .field("locked", &PageState::locked)
      .field("fill", &PageState::fill)
      .field("width", &PageState::width)
      .field("focusText", &PageState::focusText)
      .field("devText", &PageState::devText)
      .field("devpcntText", &PageState::devpcntText)
      .field("widthText", &PageState::widthText)
      .field("eccIngress", &PageState::eccIngress)
      .field("eccEgress", &PageState::eccEgress)
      .field("beamCount", &PageState::beamCount)
      .field("fans", &PageState::fans)
      .field("source", &PageState::source)
      .field("glass", &PageState::glass)
      .field("water", &PageState::water)
      .field("white", &PageState::white)
      .field("wavelength", &PageState::wavelength)
      .field("wavelengthText", &PageState::wavelengthText)
      .field("swatch", &PageState::swatch)
      .field("colourLink", &PageState::colourLink)
      .field("indexText", &PageState::indexText)
      .field("lcaText", &PageState::lcaText)
      .field("fociText", &PageState::fociText);
  value_object<ScriptStep>("ScriptStep")
      .field("kind", &ScriptStep::kind)
      .field("ms", &ScriptStep::ms);

  class_<PageSession>("PageSession")
      .constructor<>()
      .function("setLens", &PageSession::setLens)
      .function("setRindex", &PageSession::setRindex)
      .function("setBeamMode", &PageSession::setBeamMode)
      .function("setLockWidth", &PageSession::setLockWidth)
      .function("setFillPercent", &PageSession::setFillPercent)
      .function("setCanvas", &PageSession::setCanvas)
      .function("setSource", &PageSession::setSource)
      .function("setColour", &PageSession::setColour)
      .function("applyPreset", &PageSession::applyPreset)
      .function("state", &PageSession::state)
      .function("aberration", &aberration)
      .function("picture", &picture)
      .function("fitZoom", &fitZoom)
      .function("startScript", &startScript)
      .function("stepScript", &PageSession::stepScript)
      .function("stopScript", &PageSession::stopScript)
      .class_function("presetCount", &PageSession::presetCount)
      .class_function("presetName", &PageSession::presetName)
      .class_function("glassCount", &PageSession::glassCount)
      .class_function("glassName", &PageSession::glassName);
  function("zoomStep", &kelvane::draw::zoomStep);
}

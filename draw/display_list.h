// The display list: one picture as a list of primitives in drawing units,
// decided once and replayed by any backend (the screen, a printer, SVG, PNG,
// PDF).
//
// Drawing units are 0.01 inch of the output device, x to the right, y up.
// The list also carries the output area in device pixels, the device's
// pixels per inch and the device pixel of the drawing origin, so a backend
// maps a point (x, y) to the device pixel
//   (origin.x + x * dpiX / 100, origin.y - y * dpiY / 100).
// Primitives are replayed in list order: later ones paint over earlier ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kelvane::draw {

// Drawing units per inch.
inline constexpr int kUnitsPerInch = 100;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
  double x = 0, y = 0;  // drawing units
  friend bool operator==(const Point&, const Point&) = default;
};

// Dash: long dashes, for what is not really there (a virtual image and the
// backward extensions of the rays that show it).
enum class Dash { Solid, Dot, Dash };

struct Pen {
  Rgb color;
  double width = 1;  // drawing units
  Dash dash = Dash::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A straight segment.
struct Line {
  Point from, to;
  Pen pen;
};

// Connected segments through the points, in order (at least two points).
struct Polyline {
  std::vector<Point> points;
  Pen pen;
};

// The ellipse inscribed in the box whose lower-left corner is (left, bottom):
// its outline with `pen`, its inside filled with `fill`; either may be absent.
struct EllipseShape {
  double left = 0, bottom = 0, width = 0, height = 0;
  std::optional<Pen> pen;
  std::optional<Rgb> fill;
};

// A closed polygon filled with `fill` (non-zero winding), outlined with `pen`
// when there is one.
struct Polygon {
  std::vector<Point> points;
  Rgb fill;
  std::optional<Pen> pen;
};

enum class Align { Left, Center, Right };

// One line of text, upright whatever the y direction. `at` is the anchor on
// the text's vertical middle: its left end, centre or right end by `align`.
// `size` is the font's pixel height in drawing units; a text wider than
// `maxWidth` (drawing units, when positive) is drawn smaller to fit.
struct Text {
  Point at;
  std::string text;  // UTF-8
  double size = 12;
  Rgb color;
  Align align = Align::Left;
  double maxWidth = 0;
};

using Primitive = std::variant<Line, Polyline, EllipseShape, Polygon, Text>;

struct DisplayList {
  int width = 0;  // output area in device pixels
  int height = 0;
  double dpiX = 96;  // device pixels per inch
  double dpiY = 96;
  Point origin;  // device pixel of the drawing origin
  std::vector<Primitive> items;

  // Device pixel of a point in drawing units.
  Point toDevice(Point p) const {
    return {origin.x + p.x * dpiX / kUnitsPerInch, origin.y - p.y * dpiY / kUnitsPerInch};
  }
  // A device pixel in drawing units.
  Point toUnits(Point device) const {
    return {(device.x - origin.x) * kUnitsPerInch / dpiX,
            (origin.y - device.y) * kUnitsPerInch / dpiY};
  }

  void add(Primitive p) { items.push_back(std::move(p)); }
};

}  // namespace kelvane::draw

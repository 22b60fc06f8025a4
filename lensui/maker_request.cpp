#include "lensui/maker_request.h"

#include <QLocale>
#include <cmath>

#include "lensui/lens_maker.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

// What a field must hold beside a number, and the message when it does not.
struct Rule {
  double least;
  bool leastIncluded;
  double most;
  const char* message;
};
constexpr Rule kAboveZero{0, false, INFINITY, QT_TRANSLATE_NOOP("kelvane", "must be above 0")};
constexpr Rule kZeroOrMore{0, true, INFINITY, QT_TRANSLATE_NOOP("kelvane", "must be 0 or more")};
constexpr Rule kWidth{0, false, 500, QT_TRANSLATE_NOOP("kelvane", "above 0, at most 500")};

class Reader {
 public:
  explicit Reader(const std::function<QString(int)>& text) : m_text(text) {}

  // The field's number; nothing when it is empty and may be, or when it
  // is bad (then with a message).
  std::optional<double> read(int id, const Rule& rule, bool required) {
    const QString t = m_text(id).trimmed();
    if (t.isEmpty()) {
      if (required) fail(id, QT_TRANSLATE_NOOP("kelvane", "enter a number"));
      return std::nullopt;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) {
      fail(id, QT_TRANSLATE_NOOP("kelvane", "not a number"));
      return std::nullopt;
    }
    const bool aboveLeast = rule.leastIncluded ? v >= rule.least : v > rule.least;
    if (!aboveLeast || v > rule.most) {
      fail(id, rule.message);
      return std::nullopt;
    }
    return v;
  }

  // A from-to pair; the bounds when both read and run forwards.
  std::optional<DesignBounds> range(int leastId, int mostId, const Rule& rule) {
    const auto least = read(leastId, rule, true);
    const auto most = read(mostId, rule, true);
    if (!least || !most) return std::nullopt;
    if (*least > *most) {
      fail(mostId, QT_TRANSLATE_NOOP("kelvane", "below the first"));
      return std::nullopt;
    }
    return DesignBounds{*least, *most};
  }

  void fail(int id, const char* message) { m_problems.push_back({id, uiText(message)}); }
  std::vector<MakerFieldProblem>& problems() { return m_problems; }

 private:
  const std::function<QString(int)>& m_text;
  std::vector<MakerFieldProblem> m_problems;
};

}  // namespace

MakerRequestRead readMakerRequest(const std::function<QString(int)>& text, int shape) {
  Reader reader(text);
  DesignRequest request;
  request.shape = shape;
  const auto focus = reader.read(IDC_MAKER_FOCUS, kAboveZero, true);
  const auto depth = reader.read(IDC_MAKER_DEPTH, kZeroOrMore, false);
  request.lockedWidth = reader.read(IDC_MAKER_WIDTH, kWidth, false);
  static constexpr int kAxisIds[4] = {IDC_MAKER_INGRESS_X, IDC_MAKER_INGRESS_Y, IDC_MAKER_EGRESS_X,
                                      IDC_MAKER_EGRESS_Y};
  std::optional<double> axes[4];
  for (int v = 0; v < 4; ++v) axes[v] = reader.read(kAxisIds[v], kAboveZero, false);
  const auto rindex = reader.read(IDC_MAKER_INDEX, kAboveZero, true);
  const auto axisBounds = reader.range(IDC_MAKER_AXES_LEAST, IDC_MAKER_AXES_MOST, kAboveZero);
  const auto depthBounds = reader.range(IDC_MAKER_DEPTHS_LEAST, IDC_MAKER_DEPTHS_MOST, kZeroOrMore);

  MakerRequestRead out;
  out.problems = std::move(reader.problems());
  if (!out.problems.empty()) return out;
  request.targetFocus = *focus;
  request.rindex = *rindex;
  // A value typed in holds it; an empty field is searched within the bounds.
  for (int v = 0; v < 4; ++v)
    request.bounds[v] = axes[v] ? DesignBounds{*axes[v], *axes[v]} : *axisBounds;
  request.bounds[kDesignDepth] = depth ? DesignBounds{*depth, *depth} : *depthBounds;
  // The rules above leave none; should one slip through, it is still told.
  if (const auto problem = designProblem(request)) {
    out.problems.push_back({0, QString::fromStdString(*problem)});
    return out;
  }
  out.request = request;
  return out;
}

}  // namespace kelvane

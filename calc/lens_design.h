// The lens designer: the lens of a given shape and index that focuses at a
// target with the least spread (devpcnt), searched off the grid within
// bounds for each semi-axis and the depth. Each lens is traced as the Lens
// Control dialog traces it, so its numbers are those `kelvane-cli focus`
// prints for it. Qt-free; runs on the calling thread and is deterministic:
// the same request gives the same lens on every run.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "optics/lens.h"

namespace kelvane {

// Inclusive bounds of one lens value; least == most holds it fixed.
struct DesignBounds {
  double least = 0;
  double most = 0;
  bool fixed() const { return least == most; }
};

// The lens values in Lens order.
enum DesignValue { kDesignIvx, kDesignIvy, kDesignEvx, kDesignEvy, kDesignDepth, kDesignValues };

struct DesignRequest {
  double targetFocus = 300;
  double tolerancePercent = 0.05;  // a lens reaches the target within this share of it
  int shape = 0;                   // 0 "CVCV" .. 3 "CCCC"
  double rindex = 1.5;
  std::optional<double> lockedWidth;  // the beam width locked at this
  std::optional<double> fillPercent;  // or the width as a percentage of the rim height
  // The focus table's default grid: semi-axes 150-350, depth 30-180.
  std::array<DesignBounds, kDesignValues> bounds{
      {{150, 350}, {150, 350}, {150, 350}, {150, 350}, {30, 180}}};
};

// Why a request cannot be designed (bounds reversed or not finite, a
// semi-axis of 0 or less, a negative depth, a bad target, tolerance,
// shape, index or beam setting), or nothing when it can.
std::optional<std::string> designProblem(const DesignRequest& request);

// What the search has done so far, handed to the progress callback.
struct DesignProgress {
  long long traced = 0;               // lenses traced
  double done = 0;                    // the share of the search done, 0 to 1
  std::optional<double> bestDevpcnt;  // of the best lens at the target so far
};
// Called between traces; returning false stops the search, which then
// returns the best lens found so far.
using DesignProgressCallback = std::function<bool(const DesignProgress&)>;

struct DesignResult {
  bool reached = false;    // a lens in the bounds focuses at the target
  bool cancelled = false;  // the callback stopped the search
  // The best lens at the target; when none reached it, the lens whose
  // focus came nearest (nearestFound tells whether any lens had a focus).
  Lens lens{};
  bool nearestFound = false;
  double focus = 0;
  double dev = 0;
  double devpcnt = 0;
  long long traced = 0;  // lenses traced
  double seconds = 0;    // wall time of the search
};

// Searches the bounds; the request must have no designProblem.
DesignResult designLens(const DesignRequest& request, const DesignProgressCallback& progress = {});

class DesignSearch;

// The same search in steps, for a caller that must not block (the page
// runs a few steps between frames). Steps of any size find the lens
// designLens finds; `seconds` is the time spent inside the steps.
class LensDesigner {
 public:
  explicit LensDesigner(const DesignRequest& request);  // with no designProblem
  ~LensDesigner();
  LensDesigner(const LensDesigner&) = delete;
  LensDesigner& operator=(const LensDesigner&) = delete;

  // Runs up to `units` more pieces of the search (a piece is one starting
  // lens's local search, or the final polish); true while pieces remain.
  // A callback returning false stops the search for good.
  bool step(int units, const DesignProgressCallback& progress = {});
  double doneShare() const;  // 0 to 1
  // The lens found so far; the search ends here (cancelled when stopped).
  DesignResult result();

 private:
  std::unique_ptr<DesignSearch> m_search;
};

}  // namespace kelvane

// The page's lens designer: the search of `kelvane-cli design`, run a few
// pieces at a time so that the page can draw between them. A request takes
// the target focus, the shape and the index; the bounds are the focus
// table's and the beams the page's initial ones (unlocked, 90 % fill), so the
// designed lens traces on the page to the focus found here. Qt-free.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "calc/lens_design.h"

namespace kelvane::web {

// What a finished or stopped search found.
struct DesignOutcome {
  bool reached = false;          // a lens focuses at the target
  bool cancelled = false;        // stopped before the end: no lens to apply
  std::array<double, 6> lens{};  // ivx, ivy, evx, evy, depth, shape
  double focus = 0, dev = 0, devpcnt = 0;
  double traced = 0;  // lenses traced
  double seconds = 0;
  std::string line;     // the script line, as kelvane-cli design prints it
  std::string message;  // for the page: what was found, or why not
};

class PageDesign {
 public:
  // Starts a search; returns "" or why the request cannot be designed
  // (a search in progress is dropped either way).
  std::string start(double focus, int shape, double rindex);
  // Runs up to `units` more pieces; true while pieces remain.
  bool step(int units);
  bool running() const { return m_designer != nullptr && !m_ended; }
  double doneShare() const;
  // Ends the search early; the outcome is then cancelled.
  void stop();
  // The outcome of the last search, once it has ended.
  DesignOutcome outcome() const { return m_outcome; }

 private:
  void end();

  DesignRequest m_request;
  std::unique_ptr<LensDesigner> m_designer;
  bool m_ended = true;
  DesignOutcome m_outcome;
};

}  // namespace kelvane::web

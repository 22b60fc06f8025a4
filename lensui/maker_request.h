// The Lens Maker's fields as a design request: the target focus, the depth
// and width, the faces and their X and Y, the index and the bounds searched
// where a value is left empty. Every field that cannot be read gets a short
// message to show next to it.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "calc/lens_design.h"

namespace kelvane {

struct MakerFieldProblem {
  int id;           // the field's control id
  QString message;  // "enter a number", "must be above 0", ...
};

struct MakerRequestRead {
  std::optional<DesignRequest> request;  // when every field reads
  std::vector<MakerFieldProblem> problems;
};

// `text(id)` gives the text of the field with that id; `shape` the faces
// (bit 1 ingress CC, bit 0 egress CC).
MakerRequestRead readMakerRequest(const std::function<QString(int)>& text, int shape);

}  // namespace kelvane

// The Lens Control dialog's beam settings with a width lock or a fill, as
// its width controls set them. `kelvane-cli focus` and the lens designer
// trace with these, so that both give the same numbers for a lens.
#pragma once

#include <optional>

#include "optics/lens.h"

namespace kelvane {

// lockedWidth: the width locked at this; fillPercent: percent of the rim
// height. Neither keeps the dialog's initial settings.
inline BeamSettings lensControlBeamSettings(std::optional<double> lockedWidth,
                                            std::optional<double> fillPercent) {
  BeamSettings settings = kInitialCurrentSettings;
  if (lockedWidth) {
    settings.lockedWidth = *lockedWidth;
    settings.flags |= BEAM_LOCKED;
  } else if (fillPercent) {
    settings.fill = *fillPercent * 0.01;  // as the fill field sets it
    settings.flags &= ~BEAM_LOCKED;
  }
  return settings;
}

}  // namespace kelvane

#include "script/lens_script_writer.h"

#include <climits>
#include <cmath>

#include "script/script_reader.h"

namespace kelvane {

int truncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

bool writeLensScript(std::FILE* file, bool fresh, const LensSnapshot& s) {
  if (!file) return false;
  bool ok = true;
  auto put = [&](int result) { ok = ok && result >= 0; };
  if (fresh) {
    put(std::fprintf(file, "; File: %s\n", s.scriptPath.c_str()));
    put(std::fprintf(file, "; window %d,%d,%d,%d\n", s.viewLeft, s.viewTop, s.viewWidth,
                     s.viewHeight));
    put(std::fprintf(file, "; canvass %d,%d\n", s.xmax, s.ymax));
  }
  put(std::fprintf(file, "trace %s\n",
                   std::string(kBeamModeWords[s.beamMode == 0 ? 0 : 1]).c_str()));
  put(std::fprintf(file, "rindex %2.2f\n", rindexFromRatio(s.indexRatio)));
  const ColourState& c = s.colour;
  if (!c.glass.empty()) put(std::fprintf(file, "glass %s\n", c.glass.c_str()));
  if (c.water) put(std::fprintf(file, "medium water\n"));
  if (c.white)
    put(std::fprintf(file, "wavelength white\n"));
  else if (c.wavelength != ColourState{}.wavelength)
    put(std::fprintf(file, "wavelength %s\n", formatWavelength(c.wavelength).c_str()));
  if (s.settings.locked())
    put(std::fprintf(file, "width %d\n", truncateToInt(s.settings.lockedWidth)));
  const Lens& l = s.lens;
  put(std::fprintf(file, "lens %d,%d,%d,%d,%d,%s\n", truncateToInt(l.ivx), truncateToInt(l.ivy),
                   truncateToInt(l.evx), truncateToInt(l.evy), truncateToInt(l.depth),
                   std::string(shapeName(l.shape)).c_str()));
  if (s.source.kind == SourceKind::Point)
    put(std::fprintf(file, "source point %.6g\n", s.source.distance));
  else if (s.source.kind == SourceKind::Object)
    put(std::fprintf(file, "source object %.6g %.6g\n", s.source.distance, s.source.height));
  return std::fflush(file) == 0 && ok && !std::ferror(file);
}

}  // namespace kelvane

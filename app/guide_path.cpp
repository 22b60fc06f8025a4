#include "app/guide_path.h"

#include "app/workdirs.h"

namespace kelvane {

std::string findGuideIndex(const std::string& programPath, bool german) {
  if (programPath.empty()) return {};
  const std::string dir = programPath.substr(0, pathFileName(programPath));
  for (const char* place : {"guide/", "../share/kelvane/guide/", "../../share/kelvane/guide/"}) {
    const std::string guide = dir + place;
    if (german && fileExists(guide + "de/index.html")) return guide + "de/index.html";
    if (fileExists(guide + "index.html")) return guide + "index.html";
  }
  return {};
}

}  // namespace kelvane

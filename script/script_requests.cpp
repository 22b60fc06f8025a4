#include "script/script_requests.h"

#include "trace/dbgprint.h"

namespace kelvane {

FileRequest scriptRequest(const std::string& scriptPath) {
  FileRequest r;
  r.name = scriptPath;
  r.filter = {{"All scripts (ops,lens)", "*.ops;*.lens"},
              {"ops", "*.ops"},
              {"lens", "*.lens"},
              {"All", "*.*"}};
  r.mode = "rt";
  return r;
}

FileRequest lensSaveRequest(const std::string& scriptPath) {
  FileRequest r;
  r.name = scriptPath;
  r.filter = {{"lens", "*lens"}, {"All", "*.*"}};
  r.defaultExtension = ".lens";
  r.mode = "at";
  return r;
}

bool saveLensScript(std::string& scriptPath, LensSnapshot snapshot) {
  FileRequest request = lensSaveRequest(scriptPath);
  FilePtr file = promptOpenFile(request);
  scriptPath = request.name;
  if (!file) return false;
  snapshot.scriptPath = request.name;
  const bool fresh = fileIsNew();
  // A full disk must not pass for a saved snapshot.
  bool written = writeLensScript(file.get(), fresh, snapshot);
  written = std::fclose(file.release()) == 0 && written;
  if (!written) msgBoxPrintf(nullptr, MB_ICON_ERROR, "Unable to write %s", request.name.c_str());
  return written;
}

}  // namespace kelvane

// The two file requests of the script files: the run-file request that asks
// which script to run, and the "Save" button's request that appends a lens
// snapshot. Both share the current script's path as their name.
#pragma once

#include <string>

#include "script/lens_script_writer.h"
#include "trace/filerequest.h"

namespace kelvane {

// Asks for a script to open for reading: "All scripts (ops,lens)", "ops",
// "lens", "All"; no default extension.
FileRequest scriptRequest(const std::string& scriptPath);

// Asks for a ".lens" file to append to: "lens", "All"; ".lens" is added to
// a name without a dot; an existing file asks Overwrite / Append / Cancel.
FileRequest lensSaveRequest(const std::string& scriptPath);

// The "Save" button: asks for the file, proposing scriptPath; the chosen
// path becomes scriptPath; writes the snapshot, with the header when the
// file starts fresh. False when no file was opened or it could not be
// written (that is reported in a message box).
bool saveLensScript(std::string& scriptPath, LensSnapshot snapshot);

}  // namespace kelvane

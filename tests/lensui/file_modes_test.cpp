// The files the desktop program writes take the user's umask (0666 less it)
// whichever way they are written: an exported picture, a script's GIF, Lens
// Control's Save and the trace file (the PsView save file is opened as the
// trace file is). The single-instance hand-off file is private on purpose.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "lens_test_support.h"
#include "lensui/lens_control.h"
#include "lensui/lens_export.h"
#include "lensui/lens_status_line.h"
#include "lensui/script_gif_export.h"
#include "lensui/script_ui_host.h"
#include "trace/dbgprint.h"
#include "trace/filerequest.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(DesktopFileModes, EveryWrittenFileTakesTheUmaskAndTheGifSaysWhereItWent) {
  test::resetLensSession();
  const fs::path dir = fs::temp_directory_path() / ("kelvane-modes-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "fade.ops") << "lens 219,163,143,260,112,CVCV\n"
                                     "lens 300,200,300,200,80,CVCC\n";
  const FileChooser oldChooser =
      setFileChooser([&](const FileDialogOptions& o) -> std::optional<std::string> {
        if (o.title == "Open Trace File") return (dir / "debug.trc").string();
        if (o.filter.front().description == "lens") return (dir / "saved.lens").string();
        if (o.kind == FileDialogKind::Save) return (dir / "fade.gif").string();
        return (dir / "fade.ops").string();
      });
  // Neither the usual 022 nor the 077 of a private file: a mode fixed in
  // the code shows.
  const mode_t savedMask = ::umask(002);
  openLensView(nullptr, kSingleBeamMode);
  ASSERT_TRUE(lensSession().control);

  ExportChoice picture;
  picture.path = QString::fromStdString((dir / "lens.png").string());
  EXPECT_TRUE(exportLensTo(picture).ok());
  const ScriptGifResult gif = exportScriptGif(nullptr, /*delays=*/false);
  EXPECT_TRUE(gif.outcome.ok()) << gif.outcome.message;
  {
    ScriptUi scripts(nullptr, (dir / "fade.ops").string());
    traceFileRequest().name = (dir / "debug.trc").string();
    ASSERT_TRUE(toggleTraceFile());
    dbgPrint("a line for the file");
    closeTraceFile();
    lensSession().writeLensScript();
  }
  ::umask(savedMask);
  setFileChooser(oldChooser);

  for (const char* name : {"lens.png", "fade.gif", "debug.trc", "saved.lens"})
    EXPECT_EQ(modeOf(dir / name), 0664u) << name;
  const LensStatusLine* line = lensSession().control->statusLine();
  EXPECT_TRUE(line->text().startsWith("GIF written to ")) << line->text().toStdString();
  EXPECT_EQ(line->toolTip().toStdString(), (dir / "fade.gif").string());
  test::resetLensSession();
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvane

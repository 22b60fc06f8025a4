// `kelvane-cli draw` without any display: pictures in the three formats, and
// one clear line with exit code 2 for bad input, leaving no file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/cli/cli_process.h"

namespace {

// kelvane-cli in a folder of the test's own, with no X or Wayland display,
// a platform that would need one and no runtime folder: drawing must not
// care, nor say a word about it.
class CliDraw : public kelvane::clitest::Cli {
 protected:
  void SetUp() override {
    Cli::SetUp();
    std::filesystem::create_directories(path("work"));
  }
  // The exit code of `kelvane-cli ARGS` (split at spaces) in the folder.
  int cliIn(const std::string& args, bool keepStdout = false) {
    kelvane::clitest::CliCommand command;
    std::istringstream words(args);
    for (std::string word; words >> word;) command.args.push_back(word);
    command.workDir = path("work").string();
    if (keepStdout) command.stdoutPath = path("out").string();
    command.stderrPath = path("err").string();
    command.environment = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM=xcb"};
    return finish(start(command));
  }
  // kelvane-cli's own lines on standard error (Qt may add its own).
  std::string said() const {
    std::string own;
    for (const std::string& line : kelvane::clitest::splitLines(err()))
      if (line.rfind("kelvane-cli", 0) == 0) own += line + "\n";
    return own;
  }
  QString work(const char* name) const { return QString::fromStdString((path("work") / name).string()); }
  QDir workDir() const { return QDir(work("")); }
  void writeFile(const char* name, const QByteArray& bytes) const {
    QFile f(work(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray fileBytes(const char* name) const {
    QFile f(work(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(CliDraw, WritesEveryFormatWithoutADisplay) {
  for (const char* name : {"lens.svg", "lens.png", "lens.pdf"}) {
    EXPECT_EQ(cliIn(std::string("draw 219 163 143 260 112 CVCV -o ") + name), 0)
        << name << ": " << said();
    EXPECT_EQ(err(), "") << "nothing the user did not cause";
    EXPECT_TRUE(QFile::exists(work(name))) << name;
  }
  // Multi-beam at 96 dpi, no caption: the view's own size, in its own colours.
  ASSERT_EQ(cliIn("draw 219 163 143 260 112 CVCV --multi --dpi 96 --no-caption "
                  "--size 400x300 --fill 80 -o multi.png"),
            0)
      << said();
  const QImage img(work("multi.png"));
  EXPECT_EQ(img.size(), QSize(400, 300));
  int orange = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = img.pixel(x, y);  // antialiased: near the pen's (255, 128, 0)
      orange += qRed(c) > 220 && std::abs(qGreen(c) - 128) < 40 && qBlue(c) < 60;
    }
  EXPECT_GT(orange, 50);
}

TEST_F(CliDraw, BadInputSaysWhyInOneLineAndExitsTwo) {
  const char* cases[] = {
      "draw 219 163 143 260 112 CVCV -o lens.gif",
      "draw 219 163 143 260 112 CVXX -o lens.png",
      "draw 219 163 143 260 112 CVCV --size 0x720 -o lens.png",
      "draw 219 163 143 260 112 CVCV --size 10001x720 -o lens.svg",
      "draw 219 163 143 260 112 CVCV --size wide -o lens.png",
      "draw 219 163 143 260 112 CVCV --dpi 50 -o lens.png",
      "draw 219 163 143 260 112 CVCV --width 100 --fill 50 -o lens.png",
      "draw 219 163 143 260 112 CVCV --fill 150 -o lens.png",
      "draw 219 163 143 260 -112 CVCV -o lens.png",
  };
  for (const char* args : cases) {
    EXPECT_EQ(cliIn(args), 2) << args;
    EXPECT_EQ(kelvane::clitest::splitLines(said()).size(), 1u) << args << ": " << said();
  }
  EXPECT_TRUE(workDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// A file that cannot be written is exit code 1 with the system's reason; a
// write that fails part-way (the file size limit stands in for a full
// disk, which cut a PDF at 4096 bytes) leaves the old file as it was.
TEST_F(CliDraw, WriteFailuresExitOneAndKeepTheOldFile) {
  EXPECT_EQ(cliIn("draw 219 163 143 260 112 CVCV -o no/such/dir/lens.png"), 1);
  EXPECT_NE(said().find("No such file or directory"), std::string::npos) << said();

  writeFile("old.pdf", "the old picture");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const sighandler_t previous = signal(SIGXFSZ, SIG_IGN);  // inherited: writes fail with EFBIG
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int code = cliIn("draw 219 163 143 260 112 CVCV -o old.pdf");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(code, 1);
  EXPECT_NE(said().find("File too large"), std::string::npos) << said();
  EXPECT_EQ(fileBytes("old.pdf"), QByteArray("the old picture"));
  EXPECT_EQ(workDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{"old.pdf"});
}

// Another user's link in a sticky folder that everyone may write, such as
// /tmp/lens.svg -> ~/precious.txt, is not written through: neither by a
// picture nor by an animation.
TEST_F(CliDraw, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  ASSERT_TRUE(workDir().mkdir("shared"));
  ASSERT_EQ(chmod(work("shared").toLocal8Bit().constData(), 01777), 0);
  writeFile("precious.txt", "precious");
  writeFile("quiet.ops", "sleep 1\n");
  const uid_t otherUser = 54321;  // needs no account: only the link's owner counts
  for (const char* name : {"shared/lens.svg", "shared/lens.gif"}) {
    ASSERT_TRUE(QFile::link(work("precious.txt"), work(name)));
    ASSERT_EQ(lchown(work(name).toLocal8Bit().constData(), otherUser, otherUser), 0);
  }
  EXPECT_EQ(cliIn("draw 219 163 143 260 112 CVCV -o shared/lens.svg"), 1) << said();
  EXPECT_EQ(cliIn("script quiet.ops --no-delay --gif shared/lens.gif"), 1) << said();
  EXPECT_EQ(fileBytes("precious.txt"), QByteArray("precious"));
  EXPECT_EQ(QDir(work("shared"))
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System)
                .size(),
            2);
}

// `script --frames/--gif`: one picture per retrace, without a display; a bad
// animation name is refused before the script runs.
TEST_F(CliDraw, ScriptFramesOnePerRetrace) {
  QFile f(work("fade.ops"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "lens 219,163,143,260,112,CVCV\nfade 219,163,143,260,112,CVCV 200,150,200,260,90,CVCV 3 "
      "10\n");
  f.close();
  const std::string base = "script fade.ops --no-delay ";
  ASSERT_EQ(cliIn(base + "--frames . --gif fade.gif", true), 0) << said();
  const int refreshes = static_cast<int>(QByteArray::fromStdString(out()).count("\nrefresh "));
  EXPECT_GE(refreshes, 4);  // the lens line and the fade's steps
  const QStringList frames = workDir().entryList({"frame-*.png"});
  EXPECT_EQ(frames.size(), refreshes);
  EXPECT_TRUE(QFile::exists(work("fade.gif")));

  EXPECT_EQ(cliIn(base + "--gif fade.txt"), 2);

  // A script that never retraces still shows the lens it started from.
  writeFile("quiet.ops", "sleep 1\n");
  EXPECT_EQ(cliIn("script quiet.ops --no-delay --gif still.gif"), 0) << said();
  QImageReader gif(work("still.gif"));
  EXPECT_EQ(gif.imageCount(), 1) << gif.errorString().toStdString();
  EXPECT_FALSE(gif.read().isNull());
}

}  // namespace

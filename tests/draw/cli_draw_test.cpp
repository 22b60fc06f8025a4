// `kelvane-cli draw` without any display: pictures in the three formats, and
// one clear line with exit code 2 for bad input, leaving no file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

namespace {

struct CliRun {
  int code = -1;
  std::string err;
};

// Runs a command with no X or Wayland display, a platform that would need
// one, and no runtime folder: drawing must not care, nor say a word about it.
CliRun cliIn(const QTemporaryDir& dir, const std::string& args) {
  const std::string errFile = dir.filePath("stderr.txt").toStdString();
  const std::string cmd =
      "cd '" + dir.path().toStdString() +
      "' && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb '" +
      KELVANE_CLI_PATH + "' " + args + " 2>'" + errFile + "' >/dev/null";
  CliRun run;
  const int status = std::system(cmd.c_str());
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  QFile f(QString::fromStdString(errFile));
  if (f.open(QIODevice::ReadOnly)) run.err = f.readAll().toStdString();
  f.remove();
  return run;
}

CliRun drawCli(const QTemporaryDir& dir, const std::string& args) {
  return cliIn(dir, "draw " + args);
}

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CliDraw, WritesEveryFormatWithoutADisplay) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"lens.svg", "lens.png", "lens.pdf"}) {
    const CliRun run = drawCli(dir, std::string("219 163 143 260 112 CVCV -o ") + name);
    EXPECT_EQ(run.code, 0) << name << ": " << run.err;
    EXPECT_EQ(run.err, "") << "nothing the user did not cause";
    EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
  }
  // Multi-beam at 96 dpi, no caption: the view's own size, in its own colours.
  const CliRun run = drawCli(dir,
                             "219 163 143 260 112 CVCV --multi --dpi 96 --no-caption "
                             "--size 400x300 --fill 80 -o multi.png");
  ASSERT_EQ(run.code, 0) << run.err;
  const QImage img(dir.filePath("multi.png"));
  EXPECT_EQ(img.size(), QSize(400, 300));
  int orange = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = img.pixel(x, y);  // antialiased: near the pen's (255, 128, 0)
      orange += qRed(c) > 220 && std::abs(qGreen(c) - 128) < 40 && qBlue(c) < 60;
    }
  EXPECT_GT(orange, 50);
}

TEST(CliDraw, BadInputSaysWhyInOneLineAndExitsTwo) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const char* cases[] = {
      "219 163 143 260 112 CVCV -o lens.gif",
      "219 163 143 260 112 CVXX -o lens.png",
      "219 163 143 260 112 CVCV --size 0x720 -o lens.png",
      "219 163 143 260 112 CVCV --size 10001x720 -o lens.svg",
      "219 163 143 260 112 CVCV --size wide -o lens.png",
      "219 163 143 260 112 CVCV --dpi 50 -o lens.png",
      "219 163 143 260 112 CVCV --width 100 --fill 50 -o lens.png",
      "219 163 143 260 112 CVCV --fill 150 -o lens.png",
      "219 163 143 260 -112 CVCV -o lens.png",
  };
  for (const char* args : cases) {
    const CliRun run = drawCli(dir, args);
    EXPECT_EQ(run.code, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// A file that cannot be written is exit code 1 with the system's reason; a
// write that fails part-way (the file size limit stands in for a full
// disk, which cut a PDF at 4096 bytes) leaves the old file as it was.
TEST(CliDraw, WriteFailuresExitOneAndKeepTheOldFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CliRun run = drawCli(dir, "219 163 143 260 112 CVCV -o no/such/dir/lens.png");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;

  const QString old = dir.filePath("old.pdf");
  QFile f(old);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("the old picture");
  f.close();
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const sighandler_t previous = signal(SIGXFSZ, SIG_IGN);  // inherited: writes fail with EFBIG
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  run = drawCli(dir, "219 163 143 260 112 CVCV -o old.pdf");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  EXPECT_EQ(fileBytes(old), QByteArray("the old picture"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{"old.pdf"});
}

// Another user's link in a sticky folder that everyone may write, such as
// /tmp/lens.svg -> ~/precious.txt, is not written through: neither by a
// picture nor by an animation.
TEST(CliDraw, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
  ASSERT_EQ(chmod(dir.filePath("shared").toLocal8Bit().constData(), 01777), 0);
  const QString precious = dir.filePath("precious.txt");
  QFile f(precious);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("precious");
  f.close();
  QFile script(dir.filePath("quiet.ops"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("sleep 1\n");
  script.close();
  const uid_t otherUser = 54321;  // needs no account: only the link's owner counts
  for (const char* name : {"shared/lens.svg", "shared/lens.gif"}) {
    const QByteArray link = dir.filePath(name).toLocal8Bit();
    ASSERT_TRUE(QFile::link(precious, dir.filePath(name)));
    ASSERT_EQ(lchown(link.constData(), otherUser, otherUser), 0);
  }
  CliRun run = drawCli(dir, "219 163 143 260 112 CVCV -o shared/lens.svg");
  EXPECT_EQ(run.code, 1) << run.err;
  run = cliIn(dir, "script quiet.ops --no-delay --gif shared/lens.gif");
  EXPECT_EQ(run.code, 1) << run.err;
  EXPECT_EQ(fileBytes(precious), QByteArray("precious"));
  EXPECT_EQ(QDir(dir.filePath("shared"))
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System)
                .size(),
            2);
}

}  // namespace

// `script --frames/--gif`: one picture per retrace, without a display; a bad
// animation name is refused before the script runs.
TEST(CliDraw, ScriptFramesOnePerRetrace) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString script = dir.filePath("fade.ops");
  QFile f(script);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "lens 219,163,143,260,112,CVCV\nfade 219,163,143,260,112,CVCV 200,150,200,260,90,CVCV 3 "
      "10\n");
  f.close();
  const std::string base = "cd '" + dir.path().toStdString() + "' && env -u DISPLAY '" +
                           KELVANE_CLI_PATH + "' script fade.ops --no-delay ";
  int status = std::system((base + "--frames . --gif fade.gif >out.txt 2>/dev/null").c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  QFile out(dir.filePath("out.txt"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const int refreshes = out.readAll().count("\nrefresh ");
  EXPECT_GE(refreshes, 4);  // the lens line and the fade's steps
  const QStringList frames = QDir(dir.path()).entryList({"frame-*.png"});
  EXPECT_EQ(frames.size(), refreshes);
  EXPECT_TRUE(QFile::exists(dir.filePath("fade.gif")));

  status = std::system((base + "--gif fade.txt >/dev/null 2>&1").c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);

  // A script that never retraces still shows the lens it started from.
  QFile quiet(dir.filePath("quiet.ops"));
  ASSERT_TRUE(quiet.open(QIODevice::WriteOnly));
  quiet.write("sleep 1\n");
  quiet.close();
  const CliRun still = cliIn(dir, "script quiet.ops --no-delay --gif still.gif");
  EXPECT_EQ(still.code, 0) << still.err;
  QImageReader gif(dir.filePath("still.gif"));
  EXPECT_EQ(gif.imageCount(), 1) << gif.errorString().toStdString();
  EXPECT_FALSE(gif.read().isNull());
}

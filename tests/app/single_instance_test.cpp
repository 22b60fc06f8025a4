// One Kelvane per user: the socket server in-process, and a real hand-off
// between two started kelvane programs.
#include "app/single_instance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <utility>

#include "app/handoff.h"
#include "app/workdirs.h"

namespace fs = std::filesystem;
using namespace kelvane;

namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    socketName = tmp.filePath("kelvane.sock");
    fs::create_directories(tmp.filePath("home").toStdString());
    WorkDirEnvironment env;
    env.programPath = tmp.filePath("bin/kelvane").toStdString();
    const std::string home = tmp.filePath("home").toStdString();
    env.getenv = [home](const char* n) -> const char* {
      return std::string(n) == "HOME" ? home.c_str() : nullptr;
    };
    initWorkDirs(WORKDIR_STORE, env);
  }
  QTemporaryDir tmp;
  QString socketName;
};

TEST_F(SingleInstanceTest, ListensAndAnswersAHandoff) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  EXPECT_TRUE(SingleInstance::otherInstanceRunning(socketName));
  // The access is the user's own.
  EXPECT_EQ(QFileInfo(socketName).permissions() & (QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());

  SingleInstance second;
  EXPECT_FALSE(second.listen(socketName)) << "one listener per user";

  int handled = 0;
  QObject::connect(&first, &SingleInstance::handoffRequested, [&] { ++handled; });
  // The client blocks, so it runs on a thread of its own while this thread
  // serves the socket.
  std::atomic<int> result{-1};
  std::thread client([&] { result = SingleInstance::handOff("/x/a.ops", socketName); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return result.load() != -1; }, 10000));
  client.join();
  EXPECT_EQ(result.load(), 0);
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(readHandoffFile(), "/x/a.ops");
}

TEST_F(SingleInstanceTest, TwoSecondStartsAtOnceEachGetTheirTextRead) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  std::vector<std::string> read;
  QObject::connect(&first, &SingleInstance::handoffRequested,
                   [&] { read.push_back(readHandoffFile().value_or("")); });
  for (int round = 0; round < 10; ++round) {
    read.clear();
    std::atomic<int> a{-1}, b{-1};
    std::thread ta([&] { a = SingleInstance::handOff("/a.ops", socketName); });
    std::thread tb([&] { b = SingleInstance::handOff("/b.ops", socketName); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.load() != -1 && b.load() != -1; }, 10000));
    ta.join();
    tb.join();
    EXPECT_EQ(a.load(), 0);
    EXPECT_EQ(b.load(), 0);
    std::sort(read.begin(), read.end());
    EXPECT_EQ(read, (std::vector<std::string>{"/a.ops", "/b.ops"})) << "round " << round;
  }
}

TEST_F(SingleInstanceTest, EmptyCommandLineIsNotSent) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  QSignalSpy spy(&first, &SingleInstance::handoffRequested);
  EXPECT_EQ(SingleInstance::handOff("", socketName), 0);
  QCoreApplication::processEvents();  // deliver whatever the hand-off queued
  EXPECT_EQ(spy.count(), 0);
  EXPECT_FALSE(readHandoffFile());
}

TEST_F(SingleInstanceTest, MalformedMessagesAreIgnored) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  QSignalSpy spy(&first, &SingleInstance::handoffRequested);
  for (const QByteArray& junk :
       {QByteArray("1225\n"), QByteArray("hello world\n"), QByteArray(100, 'x')}) {
    QLocalSocket peer;
    peer.connectToServer(socketName);
    ASSERT_TRUE(peer.waitForConnected(2000));
    peer.write(junk);
    peer.flush();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000))
        << junk.constData();
  }
  EXPECT_EQ(spy.count(), 0);
}

TEST_F(SingleInstanceTest, StaleSocketOfACrashedInstanceIsReplaced) {
  {
    // A socket file nobody listens on.
    QLocalServer crashed;
    crashed.setSocketOptions(QLocalServer::UserAccessOption);
    ASSERT_TRUE(crashed.listen(socketName));
    crashed.close();
    if (!QFileInfo::exists(socketName)) {
      std::ofstream(socketName.toStdString()) << "";
    }
  }
  ASSERT_TRUE(QFileInfo::exists(socketName));
  EXPECT_FALSE(SingleInstance::otherInstanceRunning(socketName));
  SingleInstance next;
  EXPECT_TRUE(next.listen(socketName));
  EXPECT_TRUE(SingleInstance::otherInstanceRunning(socketName));
}

TEST_F(SingleInstanceTest, UnwritableHandoffFileSendsNothing) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  writeHandoffFile("/old/earlier.ops");
  QSignalSpy spy(&first, &SingleInstance::handoffRequested);
  // Make the file impossible to create: a directory takes its place.
  fs::remove(storeFilePath(kHandoffFileName));
  fs::create_directories(storeFilePath(kHandoffFileName));
  EXPECT_EQ(SingleInstance::handOff("/x/new.ops", socketName), 1);
  QCoreApplication::processEvents();  // deliver whatever the hand-off queued
  EXPECT_EQ(spy.count(), 0) << "the first instance must not act on an older text";
}

TEST_F(SingleInstanceTest, OnlyTheExpectedUsersSocketIsTrusted) {
  using Probe = SingleInstance::Probe;
  const uid_t me = ::getuid();
  const uid_t other = me + 1;  // who the file and the listener are not
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  EXPECT_EQ(SingleInstance::probe(socketName, me), Probe::Running);
  EXPECT_EQ(SingleInstance::probe(socketName, other), Probe::Foreign);
  SingleInstance second;
  EXPECT_FALSE(second.listen(socketName, other));

  // A hand-off is sent only to the expected user's listener.
  QSignalSpy spy(&first, &SingleInstance::handoffRequested);
  std::atomic<int> result{-1};
  std::thread client([&] { result = SingleInstance::handOff("/x/a.ops", socketName, other); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return result.load() != -1; }, 10000));
  client.join();
  EXPECT_EQ(result.load(), 1);
  QCoreApplication::processEvents();  // deliver whatever the hand-off queued
  EXPECT_EQ(spy.count(), 0);

  // A file nobody answers on: the user's own is replaced, another's is left.
  const QString dead = tmp.filePath("dead.sock");
  std::ofstream(dead.toStdString()) << "";
  EXPECT_EQ(SingleInstance::probe(dead, me), Probe::Free);
  EXPECT_EQ(SingleInstance::probe(dead, other), Probe::Foreign);
  SingleInstance third;
  EXPECT_FALSE(third.listen(dead, other));
  EXPECT_TRUE(QFileInfo(dead).isFile());
  EXPECT_TRUE(third.listen(dead, me));
  EXPECT_EQ(SingleInstance::probe(dead, me), Probe::Running);
}

TEST_F(SingleInstanceTest, AHeldHandoffLockIsWaitedForAFewSecondsOnly) {
  SingleInstance first;
  ASSERT_TRUE(first.listen(socketName));
  QSignalSpy spy(&first, &SingleInstance::handoffRequested);
  const int holder = ::open(storeFilePath(kHandoffLockName).c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  QElapsedTimer waited;
  waited.start();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(SingleInstance::handOff("/x/a.ops", socketName), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_LT(waited.elapsed(), 3 * kHandoffLockWaitMs);
  EXPECT_NE(err.find("has held the hand-off lock"), std::string::npos) << err;
  ::close(holder);
  QCoreApplication::processEvents();  // deliver whatever the hand-off queued
  EXPECT_EQ(spy.count(), 0);
}

// --- two real processes --------------------------------------------------

class TwoProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkpath("home");
    QDir(tmp.path()).mkpath("run");
    QFile::setPermissions(tmp.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", tmp.filePath("home"));
    env.insert("XDG_RUNTIME_DIR", tmp.filePath("run"));
    env.remove("TEMP");
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::SeparateChannels);
    first.start(KELVANE_EXE, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(tmp.filePath("run/kelvane.sock")); },
                                20000));
  }
  void TearDown() override {
    first.kill();
    first.waitForFinished(10000);
  }
  int runSecond(const QStringList& args, const QString& workingDir = QString()) {
    QProcess second;
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(workingDir);
    second.start(KELVANE_EXE, args);
    if (!second.waitForFinished(30000)) return -1;
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
  }
  bool firstLogs(const QByteArray& text) {
    return QTest::qWaitFor(
        [&] {
          log += first.readAllStandardError();
          return log.contains(text);
        },
        10000);
  }
  QTemporaryDir tmp;
  QProcessEnvironment env;
  QProcess first;
  QByteArray log;
};

TEST_F(TwoProcessTest, SecondStartHandsItsScriptPathToTheFirst) {
  EXPECT_EQ(runSecond({"/some where/show.ops"}), 0);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        log += first.readAllStandardError();
        return log.contains("Script hand-off: /some where/show.ops");
      },
      10000))
      << log.constData();
  EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(TwoProcessTest, ARelativePathIsHandedOffFromWhereTheSecondStartWasMade) {
  QDir(tmp.path()).mkpath("elsewhere");
  EXPECT_EQ(runSecond({"rel.ops"}, tmp.filePath("elsewhere")), 0);
  EXPECT_TRUE(firstLogs("Script hand-off: " + tmp.filePath("elsewhere/rel.ops").toLocal8Bit()))
      << log.constData();
}

TEST_F(TwoProcessTest, SecondStartWithoutArgumentEndsAtOnce) {
  EXPECT_EQ(runSecond({}), 0);
  // A later hand-off is the first thing the first instance logs.
  EXPECT_EQ(runSecond({"/b.ops"}), 0);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        log += first.readAllStandardError();
        return log.contains("Script hand-off: /b.ops");
      },
      10000));
  EXPECT_EQ(log.count("Script hand-off"), 1) << log.constData();
}

TEST_F(TwoProcessTest, ACrashedFirstInstanceDoesNotBlockTheNextStart) {
  const QString socket = tmp.filePath("run/kelvane.sock");
  first.kill();  // no chance to remove its socket
  ASSERT_TRUE(first.waitForFinished(10000));
  ASSERT_TRUE(QFileInfo::exists(socket));

  QProcess next;
  next.setProcessEnvironment(env);
  next.start(KELVANE_EXE, {});
  ASSERT_TRUE(next.waitForStarted(10000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return SingleInstance::otherInstanceRunning(socket); }, 20000));
  EXPECT_EQ(runSecond({"/after/crash.ops"}), 0);
  QByteArray nextLog;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        nextLog += next.readAllStandardError();
        return nextLog.contains("Script hand-off: /after/crash.ops");
      },
      10000))
      << nextLog.constData();
  next.kill();
  next.waitForFinished(10000);
}

// Without XDG_RUNTIME_DIR: the temporary folder is shared with every user.
class SharedTempTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkpath("home");
    QDir(tmp.path()).mkpath("t");
    env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", tmp.filePath("home"));
    env.insert("TMPDIR", tmp.filePath("t"));
    env.remove("XDG_RUNTIME_DIR");
    env.remove("TEMP");
    first.setProcessEnvironment(env);
  }
  void TearDown() override {
    first.kill();
    first.waitForFinished(10000);
  }
  bool waitFor(const std::function<bool()>& ready) {
    return QTest::qWaitFor(
        [&] {
          log += first.readAllStandardError();
          return ready();
        },
        20000);
  }
  QString privateDir() const {
    return tmp.filePath(QStringLiteral("t/kelvane-%1").arg(::getuid()));
  }
  QTemporaryDir tmp;
  QProcessEnvironment env;
  QProcess first;
  QByteArray log;
};

// Another user's files at every name the socket could once take there.
TEST_F(SharedTempTest, OtherUsersFilesThereDoNotKeepTheUsersStartsApart) {
  for (int i = 1; i <= 9; ++i) {
    const QString name = i == 1 ? QStringLiteral("t/kelvane-%1.sock").arg(::getuid())
                                : QStringLiteral("t/kelvane-%1-%2.sock").arg(::getuid()).arg(i);
    std::ofstream(tmp.filePath(name).toStdString()) << "";
    if (::chown(QFile::encodeName(tmp.filePath(name)).constData(), 65534, 65534) != 0)
      GTEST_SKIP() << "giving files to another user needs root";
  }
  first.start(KELVANE_EXE, {});
  ASSERT_TRUE(first.waitForStarted(10000));
  const QString socket = privateDir() + "/kelvane.sock";
  EXPECT_TRUE(waitFor([&] { return SingleInstance::otherInstanceRunning(socket); }))
      << log.constData();
  QProcess second;
  second.setProcessEnvironment(env);
  second.start(KELVANE_EXE, {"/after/squat.ops"});
  ASSERT_TRUE(second.waitForFinished(30000));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
  EXPECT_TRUE(waitFor([&] { return log.contains("Script hand-off: /after/squat.ops"); }))
      << log.constData();
}

// Another user made a shared TEMP's Kelvane/Store first, put a link to the
// user's file at the hand-off file's name and holds the hand-off lock.
TEST_F(SharedTempTest, AStoreAnotherUserMadeFirstIsNotUsedForTheHandoff) {
  if (::getuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  const QString shared = tmp.filePath("shared");
  const QString store = shared + "/Kelvane/Store";
  const QString victim = tmp.filePath("home/victim.txt");
  std::ofstream(victim.toStdString()) << "precious";
  QDir().mkpath(shared);
  ASSERT_EQ(::chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
  QProcess other;
  other.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "sh", "-c",
                          "mkdir -p \"$1\" && ln -s \"$2\" \"$1/xIxComFile.~~~\" && "
                          "exec flock -o \"$1/xIxComFile.lck\" sleep 60",
                          "sh", store, victim});
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(store + "/xIxComFile.lck"); }, 10000))
      << other.readAllStandardError().constData();

  env.insert("TEMP", shared);
  first.setProcessEnvironment(env);
  first.start(KELVANE_EXE, {});
  ASSERT_TRUE(first.waitForStarted(10000));
  EXPECT_TRUE(waitFor([&] {
    return SingleInstance::otherInstanceRunning(privateDir() + "/kelvane.sock");
  })) << log.constData();
  QProcess second;
  second.setProcessEnvironment(env);
  second.start(KELVANE_EXE, {"/x/show.ops"});
  ASSERT_TRUE(second.waitForFinished(30000)) << "the other user's lock holds no start";
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
  EXPECT_TRUE(waitFor([&] { return log.contains("Script hand-off: /x/show.ops"); }))
      << log.constData();
  std::ifstream in(victim.toStdString());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
  other.kill();
  other.waitForFinished(10000);
}

// A private folder others may enter (or another user's) is not used: the
// start runs alone and says so, rather than claiming a place of its own.
TEST_F(SharedTempTest, APrivateFolderOthersCanReachMeansRunningAloneAndSayingSo) {
  QDir().mkpath(privateDir());
  ASSERT_EQ(::chmod(QFile::encodeName(privateDir()).constData(), 0777), 0);
  first.start(KELVANE_EXE, {});
  ASSERT_TRUE(first.waitForStarted(10000));
  EXPECT_TRUE(waitFor([&] {
    return log.contains(
        (privateDir() + ": a folder others may write into; running alone").toLocal8Bit());
  })) << log.constData();
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_TRUE(QDir(privateDir()).isEmpty()) << "nothing is put there";
}

TEST(NoDisplay, SaysWhatToDoInsteadOfAborting) {
  QProcess kelvane;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  kelvane.setProcessEnvironment(env);
  kelvane.start(KELVANE_EXE, {});
  ASSERT_TRUE(kelvane.waitForFinished(10000));
  EXPECT_EQ(kelvane.exitStatus(), QProcess::NormalExit);
  EXPECT_NE(kelvane.exitCode(), 0);
  const QByteArray err = kelvane.readAllStandardError();
  EXPECT_EQ(err.count('\n'), 1) << err.constData();
  EXPECT_TRUE(err.contains("needs a graphical desktop")) << err.constData();
  EXPECT_TRUE(err.contains("xvfb-run -a build/app/kelvane")) << err.constData();
}

// The manual page is made from these at build time, where there is no display.
TEST(NoDisplay, HelpAndVersionPrintAndExit) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  const std::pair<const char*, const char*> cases[] = {
      {"--help", "Usage: kelvane [OPTION]... [FILE]\n"},
      {"-h", "Usage: kelvane"},
      {"--version", "kelvane 313\n"}};
  for (const auto& [option, start] : cases) {
    QProcess kelvane;
    kelvane.setProcessEnvironment(env);
    kelvane.start(KELVANE_EXE, {QString::fromLatin1(option)});
    ASSERT_TRUE(kelvane.waitForFinished(10000)) << option;
    EXPECT_EQ(kelvane.exitCode(), 0) << option;
    EXPECT_TRUE(kelvane.readAllStandardOutput().startsWith(start)) << option;
    EXPECT_EQ(kelvane.readAllStandardError(), QByteArray()) << option;
  }
}

}  // namespace

#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/command_ids.h"
#include "app/handoff.h"
#include "app/workdirs.h"
#include "fileio/regular_file.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

constexpr int kConnectTimeoutMs = 2000;
// SendMessage waits for as long as the handler runs; the handler only reads
// a file and starts a thread, so a minute means the first instance hangs.
constexpr int kAnswerTimeoutMs = 60000;
// A peer that connects and says nothing is dropped after this long.
constexpr int kIdlePeerMs = 10000;
// How often a second start looks whether the hand-off lock is free.
constexpr int kLockPollMs = 20;

QByteArray handoffMessage() { return QByteArray::number(WM_SCRIPT_HANDOFF) + '\n'; }

// The user id of the process at the other end of a local socket, or -1.
long peerUid(const QLocalSocket* socket) {
  ucred cred{};
  socklen_t len = sizeof cred;
  if (::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred,
                   &len) != 0)
    return -1;
  return static_cast<long>(cred.uid);
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)) {
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() = default;

namespace {

QString socketIn(const std::string& dir) {
  return dir.empty() ? QString() : QFile::decodeName(dir.c_str()) + QStringLiteral("kelvane.sock");
}

}  // namespace

QString SingleInstance::serverName(std::string& problem) {
  return socketIn(privateRuntimeDir(problem));
}

QString SingleInstance::serverNameFor(const QString& runtimeDir, const QString& tempDir, uid_t user,
                                      std::string& problem) {
  return socketIn(privateRuntimeDir(QFile::encodeName(runtimeDir).toStdString(),
                                    QFile::encodeName(tempDir).toStdString(), user, problem));
}

SingleInstance::Probe SingleInstance::probe(const QString& name, uid_t user) {
  // The file first: another user's file cannot be replaced, and whatever
  // answers on it is not to be told anything.
  const QString path = QDir::isAbsolutePath(name) ? name : QDir::tempPath() + '/' + name;
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
    return errno == ENOENT ? Probe::Free : Probe::Foreign;
  if (st.st_uid != user) return Probe::Foreign;
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return Probe::Free;
  // The file can be swapped after the look; the listener's credentials
  // cannot.
  const long peer = peerUid(&socket);
  socket.abort();
  return peer == static_cast<long>(user) ? Probe::Running : Probe::Foreign;
}

bool SingleInstance::otherInstanceRunning(const QString& name) {
  return probe(name) == Probe::Running;
}

namespace {

// Holds the hand-off lock from before the file is written until the first
// instance has answered, so two second starts at once cannot overwrite each
// other's text before it is read. The lock is the user's own regular file,
// and a start waits for it kHandoffLockWaitMs at most.
class HandoffLock {
 public:
  explicit HandoffLock(const std::string& path) {
    std::string problem;
    m_fd = openRegularFile(path, O_RDWR | O_CREAT, RegularFileRules{false, ::getuid()}, problem);
    if (m_fd < 0) {
      std::fprintf(stderr,
                   "kelvane: cannot use the hand-off lock %s: %s; nothing was handed over.\n",
                   path.c_str(), problem.c_str());
      return;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kHandoffLockWaitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks here: go on without
      if (std::chrono::steady_clock::now() >= deadline) {
        std::fprintf(stderr,
                     "kelvane: another start has held the hand-off lock %s for %d seconds; "
                     "nothing was handed over.\n",
                     path.c_str(), kHandoffLockWaitMs / 1000);
        ::close(m_fd);
        m_fd = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(kLockPollMs));
    }
  }
  ~HandoffLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
  }
  HandoffLock(const HandoffLock&) = delete;
  HandoffLock& operator=(const HandoffLock&) = delete;

  bool held() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

}  // namespace

int SingleInstance::handOff(const std::string& text, const QString& name, uid_t user) {
  if (text.empty()) return 0;
  // The first instance reads one line, whole or not at all; a part of the
  // text would name another file.
  if (text.size() > static_cast<std::size_t>(kHandoffTextMax)) {
    std::fprintf(stderr,
                 "kelvane: the command line is longer than %d characters; nothing was handed "
                 "over.\n",
                 kHandoffTextMax);
    return 1;
  }
  if (text.find('\n') != std::string::npos) {
    std::fprintf(stderr, "kelvane: the command line holds a line end; nothing was handed over.\n");
    return 1;
  }
  std::string problem;
  const std::string dir = handoffDir(problem);
  if (dir.empty()) {
    std::fprintf(stderr, "kelvane: no safe place for the hand-off: %s; nothing was handed over.\n",
                 problem.c_str());
    return 1;
  }
  HandoffLock lock(dir + kHandoffLockName);
  if (!lock.held()) return 1;
  if (writeHandoffFileAt(dir + kHandoffFileName, text) < 0) {
    std::fprintf(stderr,
                 "kelvane: cannot write the hand-off file %s; the running Kelvane was not told.\n",
                 (dir + kHandoffFileName).c_str());
    return 1;
  }
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    std::fprintf(stderr, "kelvane: the running Kelvane cannot be reached.\n");
    return 1;
  }
  if (peerUid(&socket) != static_cast<long>(user)) {
    std::fprintf(stderr, "kelvane: %s is another user's; nothing was handed over.\n",
                 qPrintable(name));
    return 1;
  }
  socket.write(handoffMessage());
  if (!socket.waitForBytesWritten(kConnectTimeoutMs)) return 1;
  QByteArray answer;
  while (!answer.contains('\n')) {
    if (!socket.waitForReadyRead(kAnswerTimeoutMs)) {
      std::fprintf(stderr, "kelvane: the running Kelvane did not answer.\n");
      return 1;
    }
    answer += socket.readAll();
  }
  socket.disconnectFromServer();
  return 0;
}

bool SingleInstance::listen(const QString& name, uid_t user) {
  // The user-only socket is made aside and moved into place, which would
  // replace a live one: ask first whether anybody answers there.
  if (probe(name, user) != Probe::Free) return false;
  // Nobody answers: at most a file of the user's own left behind by a
  // crashed instance.
  QLocalServer::removeServer(name);
  return m_server->listen(name);
}

QString SingleInstance::listeningName() const { return m_server->fullServerName(); }

void SingleInstance::onNewConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const long uid = peerUid(socket);
    if (uid != static_cast<long>(::getuid())) {
      dbgPrint("Single instance: ignored a connection from user %ld", uid);
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    QTimer::singleShot(kIdlePeerMs, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) onReadyRead(socket);
  }
}

void SingleInstance::onReadyRead(QLocalSocket* socket) {
  // Peeking leaves a message that is not whole yet for the next call.
  const QByteArray received = socket->peek(kHandoffMessageMax + 1);
  switch (parseHandoffMessage(
      std::string_view(received.constData(), static_cast<size_t>(received.size())))) {
    case HandoffMessage::Incomplete:
      return;
    case HandoffMessage::Overlong:
      dbgPrint("Single instance: ignored an overlong message");
      socket->abort();
      return;
    case HandoffMessage::Malformed:
      dbgPrint("Single instance: ignored a malformed message");
      socket->abort();
      return;
    case HandoffMessage::HandOff:
      break;
  }
  socket->readLine(kHandoffMessageMax + 1);
  emit handoffRequested();
  socket->write("0\n");
  socket->flush();
  socket->disconnectFromServer();
}

}  // namespace kelvane

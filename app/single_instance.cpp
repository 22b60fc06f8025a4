#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>

#include "app/command_ids.h"
#include "app/handoff.h"
#include "app/workdirs.h"
#include "trace/dbgprint.h"

namespace kelvane {

namespace {

constexpr int kConnectTimeoutMs = 2000;
// SendMessage waits for as long as the handler runs; the handler only reads
// a file and starts a thread, so a minute means the first instance hangs.
constexpr int kAnswerTimeoutMs = 60000;
// A peer that connects and says nothing is dropped after this long.
constexpr int kIdlePeerMs = 10000;
constexpr qsizetype kMaxMessage = 32;
constexpr const char* kHandoffLockName = "xIxComFile.lck";

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

QString SingleInstance::serverName() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
    return QString::fromLocal8Bit(runtime) + QStringLiteral("/kelvane.sock");
  return QDir::tempPath() + QStringLiteral("/kelvane-%1.sock").arg(::getuid());
}

bool SingleInstance::otherInstanceRunning(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  const bool up = socket.waitForConnected(kConnectTimeoutMs);
  socket.abort();
  return up;
}

namespace {

// Holds the hand-off lock in Store from before the file is written until
// the first instance has answered, so two second starts at once cannot
// overwrite each other's text before it is read.
class HandoffLock {
 public:
  HandoffLock()
      : m_fd(::open(storeFilePath(kHandoffLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (m_fd >= 0) ::flock(m_fd, LOCK_EX);
  }
  ~HandoffLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
  }
  HandoffLock(const HandoffLock&) = delete;
  HandoffLock& operator=(const HandoffLock&) = delete;

 private:
  int m_fd;
};

}  // namespace

int SingleInstance::handOff(const std::string& text, const QString& name) {
  if (text.empty()) return 0;
  HandoffLock lock;
  if (writeHandoffFile(text) < 0) {
    std::fprintf(stderr,
                 "kelvane: cannot write the hand-off file %s; the running Kelvane was not told.\n",
                 storeFilePath(kHandoffFileName).c_str());
    return 1;
  }
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    std::fprintf(stderr, "kelvane: the running Kelvane cannot be reached.\n");
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

bool SingleInstance::listen(const QString& name) {
  // The user-only socket is made aside and moved into place, which would
  // replace a live one: ask first whether anybody answers there.
  if (otherInstanceRunning(name)) return false;
  // Nobody answers: at most a socket file left behind by a crashed instance.
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
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > kMaxMessage) {
      dbgPrint("Single instance: ignored an overlong message");
      socket->abort();
    }
    return;
  }
  const QByteArray line = socket->readLine(kMaxMessage + 1);
  if (line != handoffMessage()) {
    dbgPrint("Single instance: ignored a malformed message");
    socket->abort();
    return;
  }
  emit handoffRequested();
  socket->write("0\n");
  socket->flush();
  socket->disconnectFromServer();
}

}  // namespace kelvane

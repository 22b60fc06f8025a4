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
constexpr const char* kHandoffLockName = "xIxComFile.lck";
// Other names tried when the socket's own name is another user's.
constexpr int kAlternativeNames = 8;

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
  return serverNameFor(QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")), ::getuid());
}

QString SingleInstance::serverNameFor(const QString& runtimeDir, uid_t user) {
  // A runtime directory others can enter, or that is not the user's, is no
  // safer than the temporary directory.
  struct stat st {};
  if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) &&
      ::stat(QFile::encodeName(runtimeDir).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
      st.st_uid == user && (st.st_mode & (S_IRWXG | S_IRWXO)) == 0)
    return runtimeDir + QStringLiteral("/kelvane.sock");
  return QDir::tempPath() + QStringLiteral("/kelvane-%1.sock").arg(user);
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

SingleInstance::Place SingleInstance::findPlace(const QString& name, uid_t user) {
  const QString stem = name.endsWith(QStringLiteral(".sock")) ? name.chopped(5) : name;
  QStringList candidates{name};
  for (int i = 2; i < 2 + kAlternativeNames; ++i)
    candidates << stem + QStringLiteral("-%1.sock").arg(i);
  for (const QString& candidate : candidates) {
    const Probe found = probe(candidate, user);
    if (found != Probe::Foreign) return {candidate, found == Probe::Running};
  }
  // Every shared name is taken: one of this process alone, without a second
  // start finding it.
  return {stem + QStringLiteral("-pid%1.sock").arg(::getpid()), false};
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

int SingleInstance::handOff(const std::string& text, const QString& name, uid_t user) {
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

// One running Kelvane per user. The first instance listens on a per-user
// local socket; a second start connects to it, writes its script path into
// the hand-off file and sends WM_SCRIPT_HANDOFF (1224), then waits until the
// first instance answers that it has handled it.
//
// Wire format, one line each way: the client sends "1224\n"; the server
// answers "0\n" after handling it. Anything else, or a peer of another user,
// is ignored, logged through dbgPrint and disconnected.
#pragma once

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace kelvane {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket path: in XDG_RUNTIME_DIR when there is one (private to the
  // user), otherwise a per-user name in the temporary directory.
  static QString serverName();

  // True when another instance answers on the socket.
  static bool otherInstanceRunning(const QString& name = serverName());

  // The second instance's part. With empty text, returns 0 at once. Writes
  // the hand-off file, sends 1224 and waits for the answer. Returns the
  // process exit code: 0 when handed over; 1 when the file could not be
  // written (no message is sent, so the first instance never acts on an
  // older hand-off) or the first instance did not answer.
  static int handOff(const std::string& text, const QString& name = serverName());

  // Starts listening. A socket left by a crashed instance (nobody answers)
  // is removed first. False when another instance is listening or the
  // socket cannot be made.
  bool listen(const QString& name = serverName());
  QString listeningName() const;

 signals:
  // A valid WM_SCRIPT_HANDOFF arrived; the answer is sent after every
  // directly connected slot has returned.
  void handoffRequested();

 private:
  void onNewConnection();
  void onReadyRead(QLocalSocket* socket);

  QLocalServer* m_server;
};

}  // namespace kelvane

// One running Kelvane per user. The first instance listens on a per-user
// local socket; a second start connects to it, writes its script path into
// the hand-off file and sends WM_SCRIPT_HANDOFF (1224), then waits until the
// first instance answers that it has handled it.
//
// Wire format, one line each way: the client sends "1224\n"; the server
// answers "0\n" after handling it. Anything else, or a peer of another user,
// is ignored, logged through dbgPrint and disconnected.
//
// On a shared machine another user could take any name in a shared folder
// first, so the socket lives in the user's private folder (XDG_RUNTIME_DIR,
// or "kelvane-UID" in the temporary folder, made 0700 and checked). When
// that folder is somebody else's there is no single instance: each start
// runs alone and says why.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace kelvane {

// How long a second start waits for another one's hand-off to finish.
inline constexpr int kHandoffLockWaitMs = 5000;

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket path: "kelvane.sock" in the user's private runtime folder
  // (see privateRuntimeDir); empty, with `problem`, when there is none.
  static QString serverName(std::string& problem);
  static QString serverNameFor(const QString& runtimeDir, const QString& tempDir, uid_t user,
                               std::string& problem);

  // What is found at a socket path, judged for `user`.
  enum class Probe {
    Free,     // nothing, or a file of the user's own that nobody answers on
    Running,  // the user's own instance answers
    Foreign,  // the file, or the process answering on it, is another user's
  };
  static Probe probe(const QString& name, uid_t user = ::getuid());

  // True when the user's own instance answers on the socket.
  static bool otherInstanceRunning(const QString& name);

  // The second instance's part. With empty text, returns 0 at once. Writes
  // the hand-off file, sends 1224 and waits for the answer. Returns the
  // process exit code: 0 when handed over; 1 when the text cannot be handed
  // over whole (too long, or with a line end), the hand-off lock stays
  // taken for kHandoffLockWaitMs, the file could not be written (no message
  // is sent, so the first instance never acts on an older hand-off), the
  // listener is not `user`'s or did not answer. Each 1 comes with a line on
  // standard error.
  static int handOff(const std::string& text, const QString& name, uid_t user = ::getuid());

  // Starts listening. A file of the user's own that nobody answers on (left
  // by a crashed instance) is replaced. False when an instance answers, the
  // file is another user's or the socket cannot be made.
  bool listen(const QString& name, uid_t user = ::getuid());
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

// One running Kelvane per user. The first instance listens on a per-user
// local socket; a second start connects to it, writes its script path into
// the hand-off file and sends WM_SCRIPT_HANDOFF (1224), then waits until the
// first instance answers that it has handled it.
//
// Wire format, one line each way: the client sends "1224\n"; the server
// answers "0\n" after handling it. Anything else, or a peer of another user,
// is ignored, logged through dbgPrint and disconnected.
//
// On a shared machine another user can create a file at the socket's name
// first. A socket is trusted only when the file and the process listening
// on it are the user's own; a start that finds another user's file starts
// as the first instance under another name.
#pragma once

#include <sys/types.h>
#include <unistd.h>

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

  // The socket path: "kelvane.sock" in XDG_RUNTIME_DIR when that is a
  // directory of the user's own that nobody else may enter, otherwise
  // "kelvane-UID.sock" in the temporary directory.
  static QString serverName();
  static QString serverNameFor(const QString& runtimeDir, uid_t user);

  // What is found at a socket path, judged for `user`.
  enum class Probe {
    Free,     // nothing, or a file of the user's own that nobody answers on
    Running,  // the user's own instance answers
    Foreign,  // the file, or the process answering on it, is another user's
  };
  static Probe probe(const QString& name, uid_t user = ::getuid());

  // True when the user's own instance answers on the socket.
  static bool otherInstanceRunning(const QString& name = serverName());

  // Where a start talks or listens: `name`, or when that belongs to another
  // user the first of "NAME-2.sock" .. "NAME-9.sock" that does not (then a
  // name with the process id). `running`: the user's instance answers there.
  struct Place {
    QString name;
    bool running = false;
  };
  static Place findPlace(const QString& name = serverName(), uid_t user = ::getuid());

  // The second instance's part. With empty text, returns 0 at once. Writes
  // the hand-off file, sends 1224 and waits for the answer. Returns the
  // process exit code: 0 when handed over; 1 when the file could not be
  // written (no message is sent, so the first instance never acts on an
  // older hand-off), the listener is not `user`'s or did not answer.
  static int handOff(const std::string& text, const QString& name = serverName(),
                     uid_t user = ::getuid());

  // Starts listening. A file of the user's own that nobody answers on (left
  // by a crashed instance) is replaced. False when an instance answers, the
  // file is another user's or the socket cannot be made.
  bool listen(const QString& name = serverName(), uid_t user = ::getuid());
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

#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One copy of the program per user session. The first start listens on a
// local socket named for the session (a Unix socket in the runtime folder, a
// named pipe on Windows); a later start hands its request to that copy and
// ends.
//
// The name tells apart users (uid / user name), sessions (the display, the
// Windows session) and elevation: root has a uid and runtime folder of its
// own and an elevated Windows copy a pipe of its own, so the copy restarted
// with administrator rights neither finds the user's copy nor is refused by
// it. Claims are taken one at a time under a lock file beside the name, so
// of two copies started together exactly one listens; a socket file left by
// a copy that crashed answers no connection and is replaced.
//
//   SingleInstance instance;
//   if (!instance.claim(SingleInstance::Request::Show))
//       return 0;
//   connect(&instance, &SingleInstance::showRequested, window, ...);
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Request { Show, Nothing };

    // How long a later start waits for the running copy's answer. A copy too
    // busy to answer in time still gets the request once it reads it.
    static constexpr int kAnswerMs = 3000;

    // `name` as QLocalServer takes it; sessionName() outside tests.
    explicit SingleInstance(QString name = sessionName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // Becomes the session's copy, or hands `request` to the copy that runs.
    // False only when that copy took it: this process should then end. A
    // name that cannot be listened on leaves this copy running unguarded
    // rather than not at all. Blocks for at most a few seconds; needs the
    // application object. The socket closes as the application quits, so a
    // start during the last clean-up runs on its own instead of talking to a
    // copy that no longer reads.
    bool claim(Request request);

    // For this user, session and elevation (singleinstance_posix.cpp, _win.cpp).
    static QString sessionName();

signals:
    // A later start asked for the window.
    void showRequested();

private:
    enum class Handoff { Taken, NoCopy };
    Handoff handOff(Request request);
    void answer(QLocalSocket *socket);
    // Lets the running copy bring its window to the front, which Windows
    // allows only to the process the user just started.
    static void yieldForeground();

    QString m_name;
    QLocalServer *m_server = nullptr;
};

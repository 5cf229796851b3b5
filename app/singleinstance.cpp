#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

namespace {

// One line each way: the request, then the running copy's answer.
constexpr char kShow[] = "show\n";
constexpr char kNothing[] = "hello\n";
constexpr char kAnswer[] = "ok\n";
constexpr qint64 kLongestLine = 64;

QString lockPath(const QString &name)
{
    // A named pipe has no folder of its own; the user's temporary folder does.
    return (QDir::isAbsolutePath(name) ? name : QDir::temp().filePath(name)) + QStringLiteral(".lock");
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent), m_name(std::move(name))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim(Request request)
{
    // Without the lock (a folder that cannot be written) two copies started
    // in the same instant may both run; nothing else goes wrong.
    QLockFile lock(lockPath(m_name));
    lock.tryLock(2 * kAnswerMs);
    if (handOff(request) == Handoff::Taken)
        return false;

    // Nobody answers: the name is free, or a copy that crashed left its
    // socket file, which would make listening fail.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    if (!m_server->listen(m_name)) {
        qWarning("Cannot listen on %s (%s); a second start will open another copy", qPrintable(m_name),
                 qPrintable(m_server->errorString()));
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            answer(socket);
    });
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, m_server, &QLocalServer::close);
    return true;
}

SingleInstance::Handoff SingleInstance::handOff(Request request)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerMs))
        return Handoff::NoCopy;
    yieldForeground();
    socket.write(request == Request::Show ? kShow : kNothing);
    socket.flush();
    while (!socket.canReadLine()) {
        // A copy that hangs up without an answer was quitting; one that is
        // busy reads the request later.
        if (!socket.waitForReadyRead(kAnswerMs))
            return socket.state() == QLocalSocket::ConnectedState ? Handoff::Taken : Handoff::NoCopy;
    }
    return Handoff::Taken;
}

void SingleInstance::answer(QLocalSocket *socket)
{
    socket->setParent(this);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A caller that never finishes its line is dropped.
    QTimer::singleShot(2 * kAnswerMs, socket, &QObject::deleteLater);
    const auto read = [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kLongestLine)
                socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(kLongestLine);
        socket->write(kAnswer);
        socket->disconnectFromServer();
        if (line == kShow)
            emit showRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();
}

#pragma once

// A small HTTP/1.1 server inside the test process: one canned response per path,
// optionally over TLS with the self-signed localhost certificate of the fixtures.
// Every route with a body is also served signed: "<path>.sig" answers with the
// base64 signature of the body by the test key, unless a route of its own is set
// for that path (a 404 route stands for an unsigned manifest).

#include "testsigning.h"
#include "update/updater.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

struct Route
{
    Route() = default;
    Route(int status, const QByteArray &body) : status(status), body(body) {}

    int status = 200;
    QByteArray body;
    qint64 patternBytes = -1;  // >= 0: stream this many pattern bytes instead of body
    QByteArray location;       // Location header of a redirect
    bool stall = false;        // send the headers and the first MiB, then keep the connection idle
    bool lengthHeader = true;
    int dripMs = 0;            // > 0: send the content one byte at a time, this far apart
};

// Deterministic content of any length (a 1 MiB block repeated), so large downloads
// need no memory on either side.
inline QByteArray patternChunk(qint64 offset, qint64 length)
{
    static const QByteArray block = [] {
        QByteArray out(1 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < out.size(); ++i)
            out[i] = char((quint32(i) * 2654435761u) >> 13);
        return out;
    }();
    if (offset % block.size() == 0 && length == block.size())
        return block;
    QByteArray out;
    out.reserve(length);
    while (out.size() < length) {
        const qsizetype at = (offset + out.size()) % block.size();
        out += QByteArrayView(block).sliced(at, std::min<qint64>(block.size() - at, length - out.size()));
    }
    return out;
}

inline QByteArray patternSha256(qint64 size)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (qint64 at = 0; at < size; at += 1 << 20)
        hash.addData(patternChunk(at, std::min<qint64>(1 << 20, size - at)));
    return hash.result().toHex();
}

inline QString fixture(const QString &name)
{
    return QStringLiteral(VARNHOLT_FIXTURES "/update/") + name;
}

// The self-signed certificate the TLS server presents, for clients to trust.
inline QSslCertificate certificate()
{
    return QSslCertificate::fromPath(fixture(QStringLiteral("localhost.crt"))).value(0);
}

// A manifest valid for a day. `extra` adds members to the entry (or replaces
// them), except "expires", which replaces the manifest's own, and "platform",
// which files the entry under another platform's key.
inline QByteArray manifest(const QString &version, const QUrl &url, const QString &sha, const QString &sig,
                           const QJsonObject &extra = {})
{
    QJsonObject entry{{"version", version}, {"url", url.toString()}, {"sha256", sha},
                      {"change", QJsonArray{"Fixes"}}, {"sig", sig}};
    QString key = Updater::platformKey();
    QJsonObject root{{"expires", QDateTime::currentDateTimeUtc().addDays(1).toString(Qt::ISODate)}};
    for (auto it = extra.begin(); it != extra.end(); ++it) {
        if (it.key() == u"expires")
            root.insert(it.key(), it.value());
        else if (it.key() == u"platform")
            key = it.value().toString();
        else
            entry.insert(it.key(), it.value());
    }
    root.insert(key, entry);
    return QJsonDocument(root).toJson();
}

inline bool waitWhile(const Updater &updater, int state)
{
    return QTest::qWaitFor([&] { return updater.state() != state; }, 120000);
}

class HttpTestServer
{
public:
    explicit HttpTestServer(bool tls = false)
    {
        if (tls) {
            auto server = std::make_unique<QSslServer>();
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            QFile key(fixture(QStringLiteral("localhost.key")));
            key.open(QIODevice::ReadOnly);
            config.setLocalCertificate(certificate());
            config.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
            server->setSslConfiguration(config);
            m_server = std::move(server);
        } else {
            m_server = std::make_unique<QTcpServer>();
        }
        m_scheme = tls ? QStringLiteral("https") : QStringLiteral("http");
        m_server->listen(QHostAddress::LocalHost);
        QObject::connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, m_server.get(),
                         [this] {
                             while (QTcpSocket *socket = m_server->nextPendingConnection())
                                 serve(socket);
                         });
    }

    QUrl url(const QString &path, const QString &host = QStringLiteral("localhost")) const
    {
        return QUrl(QStringLiteral("%1://%2:%3%4").arg(m_scheme, host).arg(m_server->serverPort()).arg(path));
    }

    void route(const QString &path, const Route &route) { m_routes.insert(path, route); }
    void unroute(const QString &path) { m_routes.remove(path); }
    Route routed(const QString &path) const { return m_routes.value(path); }
    EVP_PKEY *key() const { return m_key.get(); }

    // Serves `body` (or `size` pattern bytes) at `path` and a manifest of version
    // 9.0.0 for it at /upgrade.json; a null sha or sig stands for the real checksum
    // or a signature with the test key.
    void publish(const QString &path, qint64 size, const QByteArray &body = {}, QString sha = {}, QString sig = {})
    {
        const bool pattern = body.isEmpty();
        Route installer(200, body);
        installer.patternBytes = pattern ? size : -1;
        route(path, installer);
        if (sha.isNull())
            sha = QString::fromLatin1(pattern ? patternSha256(size)
                                              : QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        if (sig.isNull())
            sig = sign(pattern ? patternChunk(0, size) : body, key());
        route("/upgrade.json", Route{200, manifest("9.0.0", url(path), sha, sig)});
    }

    QList<QByteArray> userAgents;
    QStringList paths;

private:
    void serve(QTcpSocket *socket)
    {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            request->append(socket->readAll());
            if (!request->contains("\r\n\r\n") || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            const QList<QByteArray> lines = request->split('\n');
            const QString path = QString::fromLatin1(lines.first().split(' ').value(1));
            for (const QByteArray &line : lines)
                if (line.toLower().startsWith("user-agent:"))
                    userAgents.append(line.mid(11).trimmed());
            paths.append(path);
            respond(socket, routeFor(path));
        });
    }

    Route routeFor(const QString &path) const
    {
        if (const auto it = m_routes.constFind(path); it != m_routes.cend())
            return *it;
        if (path.endsWith(u".sig")) {
            if (const QByteArray body = m_routes.value(path.chopped(4)).body; !body.isEmpty())
                return Route{200, sign(body, m_key.get()).toLatin1()};
        }
        return Route{404, "missing"};
    }

    void respond(QTcpSocket *socket, const Route &route)
    {
        const qint64 size = route.patternBytes >= 0 ? route.patternBytes : route.body.size();
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " Status\r\nConnection: close\r\n";
        if (route.lengthHeader)
            head += "Content-Length: " + QByteArray::number(size) + "\r\n";
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        socket->write(head + "\r\n");
        // Stream in steps so that a client that gives up stops the transfer; a
        // stalling route stops after the first step, a dripping one sends one
        // byte a step.
        auto sent = std::make_shared<qint64>(0);
        auto pump = [socket, sent, size, route] {
            while (*sent < size && socket->bytesToWrite() < (4 << 20)) {
                const qint64 n = route.dripMs > 0 ? 1 : std::min<qint64>(1 << 20, size - *sent);
                socket->write(route.patternBytes < 0 ? route.body.mid(*sent, n) : patternChunk(*sent, n));
                *sent += n;
                if (route.stall || route.dripMs > 0)
                    return;
            }
            if (*sent >= size)
                socket->disconnectFromHost();
        };
        if (route.dripMs > 0) {
            // Each byte resets the client's transfer time-out; only an overall deadline ends this.
            auto *drip = new QTimer(socket);
            QObject::connect(drip, &QTimer::timeout, socket, pump);
            drip->start(route.dripMs);
            return;
        }
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, pump, stall = route.stall] {
            if (!stall && socket->bytesToWrite() < (1 << 20))
                pump();
        });
        pump();
    }

    std::unique_ptr<QTcpServer> m_server;
    KeyPtr m_key = testKey();
    QHash<QString, Route> m_routes;
    QString m_scheme;
};

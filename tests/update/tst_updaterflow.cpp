#include "update/updater.h"

#include "httptestserver.h"
#include "testsigning.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

#if !defined(Q_OS_WIN)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kMiB = 1 << 20;
const QString kWrap = QStringLiteral("The update could not be downloaded: ");
const QString kNotOurs = QStringLiteral("The update is not on Varnholt's server.");
const QString kUnsigned = QStringLiteral("The update is not signed by Quorvane Technology Limited.");
const QString kUnreadable = QStringLiteral("The update information could not be read.");
const QString kTimedOut = QStringLiteral("The connection to the update server timed out.");
const QString kNoStart = QStringLiteral("Could not start the installer.");

// A manifest valid for a day. `extra` adds members to the entry, except "expires",
// which replaces the manifest's own, and "platform", which files the entry under
// another platform's key.
QByteArray manifest(const QString &version, const QUrl &url, const QString &sha, const QString &sig,
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

bool waitWhile(const Updater &updater, int state)
{
    return QTest::qWaitFor([&] { return updater.state() != state; }, 120000);
}

QStringList partFiles(const Updater &updater)
{
    return QDir(updater.downloadFolder()).entryList({"*.part"}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

class TestUpdaterFlow final : public QObject
{
    Q_OBJECT

    HttpTestServer m_http;
    KeyPtr m_key = testKey();
    QStringList m_launched;

    // An updater against the local server with an empty trusted domain that verifies
    // with the test key and records instead of starting the installer.
    std::unique_ptr<Updater> makeUpdater(const QString &launchError = {})
    {
        auto updater = std::make_unique<Updater>(nullptr, m_http.url("/upgrade.json"), QString());
        updater->setSigningKey(rawPublicKey(m_key.get()));
        updater->setInstallerLauncher([this, launchError](const QString &path) {
            m_launched.append(path);
            return launchError;
        });
        return updater;
    }

    // Publishes `body` (or `size` pattern bytes) as /Varnholt.bin and a manifest for it;
    // a null sha or sig stands for the real checksum or a signature with the test key.
    void publish(qint64 size, const QByteArray &body = {}, QString sha = {}, QString sig = {})
    {
        const bool pattern = body.isEmpty();
        Route route(200, body);
        route.patternBytes = pattern ? size : -1;
        m_http.route("/Varnholt.bin", route);
        if (sha.isNull())
            sha = QString::fromLatin1(pattern ? patternSha256(size)
                                              : QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        if (sig.isNull())
            sig = sign(pattern ? patternChunk(0, size) : body, m_key.get());
        m_http.route("/upgrade.json", Route{200, manifest("9.0.0", m_http.url("/Varnholt.bin"), sha, sig)});
    }

    // Runs a check that must find the update, then the download to its end.
    void checkAndDownload(Updater &updater)
    {
        updater.check();
        QVERIFY(waitWhile(updater, Updater::Checking));
        QCOMPARE(updater.state(), int(Updater::Available));
        updater.download();
        QVERIFY(waitWhile(updater, Updater::Downloading));
    }

private slots:
    void init()
    {
        m_launched.clear();
        m_http.unroute("/upgrade.json.sig"); // signed by the test key unless a test says otherwise
    }

    void checkOutcomes_data()
    {
        QTest::addColumn<Route>("route");
        QTest::addColumn<Route>("signature"); // status 0: the manifest signed by the test key
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("version"); // what the record holds afterwards
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("builtInKey");  // verified with the release key, not the test key
        const QUrl url("http://127.0.0.1/Varnholt.bin");
        const QString sha(64, 'a');
        const QByteArray valid = manifest("9.0.0", url, sha, {});
        const int available = Updater::Available, upToDate = Updater::UpToDate, failed = Updater::Failed;
        const KeyPtr other(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free);
        const Route signedElsewhere{200, sign(valid, other.get()).toLatin1()};
        const Route oldSignature{200, sign(manifest("1.1.0", url, sha, {}), testKey().get()).toLatin1()};
        const QString otherPlatform = Updater::platformKey() == u"win" ? "linux" : "win";
        // Expiry, processor and version order are rows of tst_updater; here the
        // outcome of each kind of answer.
        QTest::newRow("newer version") << Route{200, valid} << Route{0, {}} << available << "9.0.0" << "" << false;
        QTest::newRow("same version") << Route{200, manifest("1.0", url, sha, {})} << Route{0, {}} << upToDate << "1.0" << "" << false;
        QTest::newRow("unsigned") << Route{200, valid} << Route{404, {}} << failed << "" << kUnreadable << false;
        QTest::newRow("signed with another key") << Route{200, valid} << signedElsewhere << failed << "" << kUnreadable << false;
        QTest::newRow("signature of another manifest") << Route{200, valid} << oldSignature << failed << "" << kUnreadable << false;
        QTest::newRow("for another platform")
            << Route{200, manifest("9.0.0", url, sha, {}, {{"platform", otherPlatform}})} << Route{0, {}} << upToDate << "" << "" << false;
        QTest::newRow("unreadable") << Route{200, valid.chopped(3)} << Route{0, {}} << failed << "" << kUnreadable << false;
        QTest::newRow("status 204") << Route{204, {}} << Route{0, {}} << failed << "" << "HTTP 204" << false;
        QTest::newRow("status 404") << Route{404, "gone"} << Route{0, {}} << failed << "" << "Error transferring" << false;
        QTest::newRow("256 KiB manifest")
            << Route{200, valid + QByteArray(262144 - valid.size(), ' ')} << Route{0, {}} << available << "9.0.0" << "" << false;
        QTest::newRow("one byte over 256 KiB")
            << Route{200, valid + QByteArray(262145 - valid.size(), ' ')} << Route{0, {}} << failed << "" << "Operation canceled" << false;
        QTest::newRow("test signature, release key") << Route{200, valid} << Route{0, {}} << failed << "" << kUnreadable
                                                     << true;
    }
    void checkOutcomes()
    {
        QFETCH(Route, route);
        QFETCH(Route, signature);
        QFETCH(int, state);
        QFETCH(QString, version);
        QFETCH(QString, error);
        QFETCH(bool, builtInKey);
        m_http.route("/upgrade.json", route);
        if (signature.status != 0)
            m_http.route("/upgrade.json.sig", signature);
        auto updater = makeUpdater();
        if (builtInKey)
            updater = std::make_unique<Updater>(nullptr, m_http.url("/upgrade.json"), QString());
        QSignalSpy changes(updater.get(), &Updater::stateChanged);
        updater->check();
        updater->check(); // ignored while the first one runs
        QCOMPARE(updater->state(), int(Updater::Checking));
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QVERIFY2(error.isEmpty() ? updater->errorText().isEmpty() : updater->errorText().startsWith(error),
                 qPrintable(updater->errorText()));
        QCOMPARE(std::tuple(updater->state(), changes.count(), m_http.userAgents.last(), updater->info().version),
                 std::tuple(state, qsizetype(2), QByteArray("Varnholt/1.0.0"), version));
    }

    void downloads_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("sha");     // null: the real checksum
        QTest::addColumn<QString>("sig");     // null: signed with the test key
        QTest::addColumn<int>("status");      // of the installer's address
        QTest::addColumn<QString>("error");   // start of the error text, %1: the download folder; empty: the installer is started
        QTest::addColumn<QString>("blocked"); // what stands in the way of saving it
        const QString badSize = kWrap + "The update has an unexpected size.";
        QTest::newRow("verified") << kMiB + 1 << QString() << QString() << 200 << "" << "";
        QTest::newRow("smallest installer") << kMiB << QString() << QString() << 200 << "" << "";
        QTest::newRow("one byte too small") << kMiB - 1 << QString() << QString() << 200 << badSize << "";
        // At the cap the download is complete and fails only for want of a signature.
        QTest::newRow("exactly 300 MiB") << 300 * kMiB << QString() << "" << 200 << kWrap + kUnsigned << "";
        QTest::newRow("one byte over 300 MiB") << 300 * kMiB + 1 << QString(64, 'a') << "" << 200 << badSize << "";
        QTest::newRow("checksum differs") << 2 * kMiB << QString(64, 'A') << QString() << 200
                                          << kWrap + "The update does not match the published checksum." << "";
        QTest::newRow("signature missing") << 2 * kMiB << QString() << "" << 200 << kWrap + kUnsigned << "";
        const KeyPtr other(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free);
        QTest::newRow("signed with another key")
            << 2 * kMiB << QString() << sign(patternChunk(0, 2 * kMiB), other.get()) << 200 << kWrap + kUnsigned << "";
        QTest::newRow("status 204") << 2 * kMiB << QString() << QString() << 204 << kWrap + "HTTP 204" << "";
        QTest::newRow("status 500") << 2 * kMiB << QString() << QString() << 500 << kWrap + "Error transferring" << "";
        // The verified installer stays for the user to start.
        QTest::newRow("installer cannot start") << 2 * kMiB << QString() << QString() << 200 << kNoStart << "";
        const QString cannotSave = QStringLiteral("Could not save the update: ");
        QTest::newRow("folder in place of the partial file")
            << 3 * kMiB << QString() << QString() << 200 << cannotSave << "part";
        QTest::newRow("folder in place of the installer")
            << 3 * kMiB << QString() << QString() << 200 << kWrap + cannotSave + "%1/Varnholt.bin" << "final";
#if !defined(Q_OS_WIN)
        QTest::newRow("disk full") << 3 * kMiB << QString() << QString() << 200 << kWrap + cannotSave << "disk";
        // In a shared temporary folder someone else could have made the folder
        // first and could swap the installer after it was verified.
        QTest::newRow("download folder of another user")
            << 3 * kMiB << QString() << QString() << 200 << cannotSave + "%1" << "foreign";
#endif
    }
    void downloads()
    {
        QFETCH(qint64, size);
        QFETCH(QString, sha);
        QFETCH(QString, sig);
        QFETCH(int, status);
        QFETCH(QString, error);
        QFETCH(QString, blocked);
        publish(size, {}, sha, sig);
        if (status != 200)
            m_http.route("/Varnholt.bin", Route{status, {}});
        const bool verified = error.isEmpty() || error == kNoStart;
        auto updater = makeUpdater(error == kNoStart ? kNoStart : QString());
        QSignalSpy quit(updater.get(), &Updater::quitForUpdate);
        QSignalSpy changes(updater.get(), &Updater::stateChanged);
        const QString folder = updater->downloadFolder();
        const QString finalPath = folder + "/Varnholt.bin";
        const QString blocker = blocked == u"part" ? finalPath + ".part" : finalPath;
        error.replace("%1", folder);
        // Per user, away from the shared temporary folder where anyone could take the name first.
        QVERIFY(finalPath.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u'/'));
        QDir().mkpath(folder);
        if (blocked == u"part" || blocked == u"final") {
            QVERIFY(QDir().mkpath(blocker + "/keep"));
        } else if (blocked.isEmpty()) {
            QFile stale(finalPath); // an old download under the same name never survives
            QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("stale") == 5);
        }
#if !defined(Q_OS_WIN)
        if (blocked == u"foreign") {
            if (::geteuid() != 0)
                QSKIP("giving the folder to another user needs root");
            QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
        }
        // A file-size limit makes the partial file's writes fail like a full disk would.
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = kMiB;
        if (blocked == u"disk")
            setrlimit(RLIMIT_FSIZE, &small);
#endif
        checkAndDownload(*updater);
#if !defined(Q_OS_WIN)
        setrlimit(RLIMIT_FSIZE, &saved);
#endif
        QVERIFY2(error.isEmpty() ? updater->errorText().isEmpty() : updater->errorText().startsWith(error),
                 qPrintable(updater->errorText()));
        QCOMPARE(updater->state(), int(error.isEmpty() ? Updater::Installing : Updater::Available));
        QCOMPARE(quit.count(), error.isEmpty() ? 1 : 0);
        QCOMPARE(m_launched, verified ? QStringList{finalPath} : QStringList());
        if (blocked != u"final")
            QCOMPARE(QFileInfo(finalPath).size(), verified ? size : 0);
        if (blocked == u"foreign")
            QVERIFY(QDir(folder).isEmpty());
        else if (blocked == u"part" || blocked == u"final")
            QVERIFY(QFileInfo::exists(blocker + "/keep"));
        QVERIFY(blocked == u"part" || partFiles(*updater).isEmpty());
        if (blocked.isEmpty())
            QVERIFY(changes.count() > 4); // progress steps are reported too
        QVERIFY(QDir(folder).removeRecursively());
    }

    // A server that sends a byte now and then resets the transfer time-out each
    // time; the overall deadline (short here) or a cancel still ends the step.
    void slowServer_data()
    {
        QTest::addColumn<bool>("download"); // false: the check is slow
        QTest::addColumn<bool>("cancel");   // false: wait for the deadline
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("error");
        QTest::newRow("check past its deadline") << false << false << int(Updater::Failed) << kTimedOut;
        QTest::newRow("check cancelled") << false << true << int(Updater::Failed) << "Operation canceled";
        QTest::newRow("download past its deadline") << true << false << int(Updater::Available) << kWrap + kTimedOut;
        QTest::newRow("download cancelled") << true << true << int(Updater::Available) << "";
    }
    void slowServer()
    {
        QFETCH(bool, download);
        QFETCH(bool, cancel);
        QFETCH(int, state);
        QFETCH(QString, error);
        publish(2 * kMiB);
        Route drip;
        drip.dripMs = 100;
        if (download)
            drip.patternBytes = 2 * kMiB;
        else
            drip.body = manifest("9.0.0", m_http.url("/Varnholt.bin"), QString(64, 'a'), {});
        m_http.route(download ? "/Varnholt.bin" : "/upgrade.json", drip);
        auto updater = makeUpdater();
        updater->setDeadlines({1000, 1000, qint64(1) << 40});
        QElapsedTimer clock;
        updater->check();
        if (download) {
            QVERIFY(waitWhile(*updater, Updater::Checking));
            updater->download();
            QCOMPARE(partFiles(*updater).size(), 1);
        }
        clock.start();
        const int busy = updater->state();
        if (cancel) {
            QTest::qWait(300);
            updater->cancel();
        }
        QVERIFY(waitWhile(*updater, busy));
        QVERIFY(clock.elapsed() < 10000); // well before the transfer time-out, which the bytes keep resetting
        QCOMPARE(updater->state(), state);
        QVERIFY2(error.isEmpty() ? updater->errorText().isEmpty() : updater->errorText().startsWith(error),
                 qPrintable(updater->errorText()));
        QVERIFY(partFiles(*updater).isEmpty());
        QVERIFY(m_launched.isEmpty());
    }

    // The manifest, its signature and the installer are each served through a
    // redirect; only the trusted domain ("localhost") may be redirected to.
    // Without the test's certificate authority the server is not trusted.
    void tlsRedirects_data()
    {
        QTest::addColumn<QString>("step");   // "upgrade.json", "upgrade.json.sig" or "Varnholt.bin"
        QTest::addColumn<QString>("target"); // where it is redirected to
        QTest::addColumn<QString>("error");  // start of the error text
        QTest::newRow("installer, same trusted host") << "Varnholt.bin" << "https://localhost:%1" << "";
        QTest::newRow("installer, untrusted host") << "Varnholt.bin" << "https://127.0.0.1:%1" << kWrap + kNotOurs;
        QTest::newRow("installer, plain http") << "Varnholt.bin" << "http://localhost:%1" << kWrap;
        QTest::newRow("manifest, same trusted host") << "upgrade.json" << "https://localhost:%1" << "";
        QTest::newRow("manifest, untrusted host") << "upgrade.json" << "https://127.0.0.1:%1" << kNotOurs;
        QTest::newRow("signature, untrusted host") << "upgrade.json.sig" << "https://127.0.0.1:%1" << kNotOurs;
        QTest::newRow("certificate not trusted, no redirect") << "" << "" << "SSL handshake failed";
    }
    void tlsRedirects()
    {
        QFETCH(QString, step);
        QFETCH(QString, target);
        QFETCH(QString, error);
        HttpTestServer https(true);
        const QByteArray data = patternChunk(0, 2 * kMiB);
        const QByteArray body = manifest("9.0.0", https.url("/Varnholt.bin"),
                                         QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(),
                                         sign(data, m_key.get()));
        https.route("/upgrade.json", Route{200, body});
        https.route("/upgrade.json.sig", Route{200, sign(body, m_key.get()).toLatin1()});
        https.route("/Varnholt.bin", Route{200, data});
        // The redirected step's content moves to "/real-<name>".
        https.route("/real-upgrade.json", Route{200, body});
        https.route("/real-Varnholt.bin", Route{200, data});
        if (!step.isEmpty()) {
            Route redirect{302, {}};
            redirect.location = (target.arg(https.url("/").port()) + "/real-" + step).toLatin1();
            https.route('/' + step, redirect);
        }
        QFile cert(fixture("localhost.crt"));
        QVERIFY(cert.open(QIODevice::ReadOnly));
        Updater updater(nullptr, https.url("/upgrade.json"), "localhost");
        updater.setSigningKey(rawPublicKey(m_key.get()));
        if (!step.isEmpty())
            updater.setExtraCaCertificates({QSslCertificate(cert.readAll())});
        updater.setInstallerLauncher([this](const QString &path) { return m_launched.append(path), QString(); });
        updater.check();
        QVERIFY(waitWhile(updater, Updater::Checking));
        if (updater.state() == Updater::Available) {
            updater.download();
            QVERIFY(waitWhile(updater, Updater::Downloading));
        }
        QCOMPARE(updater.state(), int(error.isEmpty() ? Updater::Installing
                                      : step == u"Varnholt.bin" ? Updater::Available : Updater::Failed));
        QVERIFY2(error.isEmpty() ? updater.errorText().isEmpty() : updater.errorText().startsWith(error),
                 qPrintable(updater.errorText()));
        QCOMPARE(m_launched.size(), error.isEmpty() ? 1 : 0);
        QCOMPARE(https.paths.contains("/real-" + step), error.isEmpty()); // never fetched from elsewhere
        QCOMPARE(https.paths.isEmpty(), step.isEmpty());
        QVERIFY(partFiles(updater).isEmpty());
        if (!m_launched.isEmpty())
            QFile::remove(m_launched.first());
    }

#if !defined(Q_OS_WIN)
    void defaultLauncher_data()
    {
        QTest::addColumn<int>("image");    // 0 new image is a script, 1 not executable, 2 a link, 3 none
        QTest::addColumn<bool>("inside");  // this program runs inside the image's mount ($APPDIR)
        QTest::addColumn<QString>("error");
        const QString manual = QStringLiteral("The update was downloaded. Install it with your package manager.");
        QTest::newRow("starts the new image") << 0 << true << "";
        QTest::newRow("new image cannot start") << 1 << true << kNoStart;
        QTest::newRow("linked image left alone") << 2 << true << manual;
        // Started from a terminal that is itself an AppImage: that terminal is not ours to replace.
        QTest::newRow("inherited from another AppImage") << 0 << false << manual;
        QTest::newRow("not an AppImage") << 3 << false << manual;
    }
    void defaultLauncher()
    {
        QFETCH(int, image);
        QFETCH(bool, inside);
        QFETCH(QString, error);
        const bool replaced = image < 2 && inside;
        QTemporaryDir dir;
        const QString path = dir.filePath("Varnholt.AppImage");
        const QString marker = dir.filePath("started");
        QFile old(dir.filePath("old"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old image");
        old.close();
        QVERIFY(image == 2 ? old.link(path) : old.copy(path));
        // A shell script stands in for the new image; the shell stops reading at "exit".
        QByteArray body = image == 1 ? QByteArray("\x7f" "ELF")
                                     : "#!/bin/sh\necho \"$@\" > '" + marker.toUtf8() + "'\nexit 0\n";
        body += QByteArray(kMiB + 7, '#');
        publish(0, body);
        // Keeps the reveal from reaching a real file manager.
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(dir.filePath("bus")));
        if (image != 3)
            qputenv("APPIMAGE", QFile::encodeName(path));
        qputenv("APPDIR", QFile::encodeName(inside ? QCoreApplication::applicationDirPath() : dir.path()));
        Updater updater(nullptr, m_http.url("/upgrade.json"), QString());
        updater.setSigningKey(rawPublicKey(m_key.get()));
        checkAndDownload(updater);
        qunsetenv("APPIMAGE");
        qunsetenv("APPDIR");
        qputenv("PATH", savedPath);
        QCOMPARE(updater.errorText(), error);
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll() == body, replaced);
        if (replaced)
            QCOMPARE(int(result.permissions() & 0x7777), 0x7755);
        QCOMPARE(QFile::symLinkTarget(path).isEmpty(), image != 2);
        QVERIFY(QDir(dir.path()).entryList({".varnholt-update-*"}, QDir::Files | QDir::Hidden).isEmpty());
        if (replaced && image == 0)
            QTRY_COMPARE(QFileInfo(marker).size(), qint64(sizeof "--updated"));
        else
            QVERIFY(!QFileInfo::exists(marker));
    }
#endif
};

QTEST_GUILESS_MAIN(TestUpdaterFlow)
#include "tst_updaterflow.moc"

#include "update/signature.h"
#include "update/updater.h"

#include "httptestserver.h"
#include "testsigning.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

QStringList partFiles(const Updater &updater)
{
    return QDir(updater.downloadFolder()).entryList({"*.part"}, QDir::AllEntries | QDir::Hidden);
}

// The error text cut to the length of the start a row expects, so that one
// comparison shows both in full when they differ.
QString errorStart(const Updater &updater, const QString &expected)
{
    return expected.isEmpty() ? updater.errorText() : updater.errorText().left(expected.size());
}

// Sends a byte every 100 ms, each of which resets the transfer time-out: only
// the overall deadline (short where a row uses this) or a cancel ends the step.
Route dripping(const QByteArray &body, qint64 patternBytes = -1)
{
    Route route(200, body);
    route.patternBytes = patternBytes;
    route.dripMs = 100;
    return route;
}

Route redirectTo(const QUrl &url)
{
    Route redirect{302, {}};
    redirect.location = url.toEncoded();
    return redirect;
}

} // namespace

// Every row runs against one local HTTPS server for "localhost", whose
// certificate the updaters trust unless a row says otherwise. Redirects may
// lead only to the trusted domain; "/real-*" is where their targets live.
class TestUpdaterFlow final : public QObject
{
    Q_OBJECT

    HttpTestServer m_http{true};
    QStringList m_launched;

    // An updater that verifies with the test key and records instead of starting
    // the installer (answering `launchError`), unless it starts it as the program does.
    std::unique_ptr<Updater> makeUpdater(const QString &launchError = {}, bool ownLauncher = false)
    {
        auto updater = std::make_unique<Updater>(nullptr, m_http.url("/upgrade.json"), "localhost");
        updater->setSigningKey(rawPublicKey(m_http.key()));
        updater->setExtraCaCertificates({certificate()});
        if (!ownLauncher)
            updater->setInstallerLauncher([this, launchError](const QString &path) {
                m_launched.append(path);
                return launchError;
            });
        return updater;
    }

    // Runs a check and, when it finds the update, the download to its end.
    void run(Updater &updater)
    {
        updater.check();
        QVERIFY(waitWhile(updater, Updater::Checking));
        if (updater.state() != Updater::Available)
            return;
        updater.download();
        QVERIFY(waitWhile(updater, Updater::Downloading));
    }

    // What every run keeps to: each request names the program, and nothing is
    // fetched from where a refused redirect pointed.
    void checkRequests(bool failed)
    {
        QCOMPARE(m_http.userAgents, QList<QByteArray>(m_http.paths.size(), "Varnholt/1.0.0"));
        QVERIFY(!failed || m_http.paths.filter("/real-").isEmpty());
    }

private slots:
    void init()
    {
        m_launched.clear();
        m_http.userAgents.clear();
        m_http.paths.clear();
        m_http.unroute("/upgrade.json.sig"); // signed by the test key unless a row says otherwise
    }

    void checkOutcomes_data()
    {
        QTest::addColumn<Route>("route");
        QTest::addColumn<Route>("signature"); // status 0: the manifest signed by the test key
        QTest::addColumn<QString>("client");  // "release key": verifies with the release key; "no CA": does not trust the server;
                                              // "cancels": cancels after 300 ms
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("version"); // what the record holds afterwards
        QTest::addColumn<QString>("error");
        const QUrl url = m_http.url("/Varnholt.bin");
        const QString sha(64, 'a');
        const QByteArray valid = manifest("9.0.0", url, sha, {});
        const int available = Updater::Available, upToDate = Updater::UpToDate, failed = Updater::Failed;
        const KeyPtr other(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free);
        const Route signedElsewhere{200, sign(valid, other.get()).toLatin1()};
        const Route oldSignature{200, sign(manifest("1.1.0", url, sha, {}), testKey().get()).toLatin1()};
        const Route signature{200, sign(valid, testKey().get()).toLatin1()};
        const QString otherPlatform = Updater::platformKey() == u"win" ? "linux" : "win";
        m_http.route("/real-upgrade.json", Route{200, valid}); // where the redirects below lead
        // Expiry, processor and version order are rows of tst_updater; here the
        // outcome of each kind of answer.
        QTest::newRow("newer version") << Route{200, valid} << Route{0, {}} << "" << available << "9.0.0" << "";
        QTest::newRow("same version") << Route{200, manifest("1.0", url, sha, {})} << Route{0, {}} << "" << upToDate << "1.0" << "";
        QTest::newRow("unsigned") << Route{200, valid} << Route{404, {}} << "" << failed << "" << kUnreadable;
        QTest::newRow("signed with another key") << Route{200, valid} << signedElsewhere << "" << failed << "" << kUnreadable;
        QTest::newRow("signature of another manifest") << Route{200, valid} << oldSignature << "" << failed << "" << kUnreadable;
        QTest::newRow("for another platform")
            << Route{200, manifest("9.0.0", url, sha, {}, {{"platform", otherPlatform}})} << Route{0, {}} << "" << upToDate << "" << "";
        QTest::newRow("unreadable") << Route{200, valid.chopped(3)} << Route{0, {}} << "" << failed << "" << kUnreadable;
        QTest::newRow("status 204") << Route{204, {}} << Route{0, {}} << "" << failed << "" << "HTTP 204";
        QTest::newRow("status 404") << Route{404, "gone"} << Route{0, {}} << "" << failed << "" << "Error transferring";
        QTest::newRow("256 KiB manifest")
            << Route{200, valid + QByteArray(262144 - valid.size(), ' ')} << Route{0, {}} << "" << available << "9.0.0" << "";
        QTest::newRow("one byte over 256 KiB")
            << Route{200, valid + QByteArray(262145 - valid.size(), ' ')} << Route{0, {}} << "" << failed << "" << "Operation canceled";
        QTest::newRow("test signature, release key") << Route{200, valid} << Route{0, {}} << "release key" << failed << "" << kUnreadable;
        QTest::newRow("redirected on the trusted host")
            << redirectTo(m_http.url("/real-upgrade.json")) << signature << "" << available << "9.0.0" << "";
        QTest::newRow("redirected to an untrusted host")
            << redirectTo(m_http.url("/real-upgrade.json", "127.0.0.1")) << signature << "" << failed << "" << kNotOurs;
        QTest::newRow("signature redirected to an untrusted host")
            << Route{200, valid} << redirectTo(m_http.url("/real-upgrade.json.sig", "127.0.0.1")) << "" << failed << "" << kNotOurs;
        QTest::newRow("certificate not trusted") << Route{200, valid} << Route{0, {}} << "no CA" << failed << "" << "SSL handshake failed";
        QTest::newRow("slow, past its deadline") << dripping(valid) << Route{0, {}} << "" << failed << "" << kTimedOut;
        QTest::newRow("slow, cancelled") << dripping(valid) << Route{0, {}} << "cancels" << failed << "" << "Operation canceled";
    }
    void checkOutcomes()
    {
        QFETCH(Route, route);
        QFETCH(Route, signature);
        QFETCH(QString, client);
        QFETCH(int, state);
        QFETCH(QString, version);
        QFETCH(QString, error);
        m_http.route("/upgrade.json", route);
        if (signature.status != 0)
            m_http.route("/upgrade.json.sig", signature);
        auto updater = makeUpdater();
        if (client == u"release key")
            updater->setSigningKey(signature::releaseKey());
        else if (client == u"no CA")
            updater->setExtraCaCertificates({});
        else if (client == u"cancels")
            QTimer::singleShot(300, updater.get(), &Updater::cancel);
        if (route.dripMs > 0)
            updater->setDeadlines({1000, 1000, qint64(1) << 40});
        QSignalSpy changes(updater.get(), &Updater::stateChanged);
        QElapsedTimer clock;
        clock.start();
        updater->check();
        updater->check(); // ignored while the first one runs
        QCOMPARE(updater->state(), int(Updater::Checking));
        QVERIFY(waitWhile(*updater, Updater::Checking));
        QVERIFY(clock.elapsed() < 10000); // a slow server too: its deadline ends it
        QCOMPARE(std::tuple(updater->state(), errorStart(*updater, error), changes.count(), updater->info().version),
                 std::tuple(state, error, qsizetype(2), version));
        // An untrusted server never sees a request.
        QCOMPARE(m_http.paths.isEmpty(), client == u"no CA");
        checkRequests(state == Updater::Failed);
    }

    void downloads_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("sha");     // null: the real checksum
        QTest::addColumn<QString>("sig");     // null: signed with the test key
        QTest::addColumn<Route>("answer");    // of the installer's address; status 0: the installer itself
        QTest::addColumn<QString>("error");   // start of the error text, %1: the download folder; empty: the installer is started
        QTest::addColumn<QString>("blocked"); // what stands in the way of saving it; "cancel": the user, a moment in
        const QString badSize = kWrap + "The update has an unexpected size.";
        const Route installer{0, {}};
        QTest::newRow("verified") << kMiB + 1 << QString() << QString() << installer << "" << "";
        QTest::newRow("smallest installer") << kMiB << QString() << QString() << installer << "" << "";
        QTest::newRow("one byte too small") << kMiB - 1 << QString() << QString() << installer << badSize << "";
        // At the cap the download is complete and fails only for want of a signature.
        QTest::newRow("exactly 300 MiB") << 300 * kMiB << QString() << "" << installer << kWrap + kUnsigned << "";
        QTest::newRow("one byte over 300 MiB") << 300 * kMiB + 1 << QString(64, 'a') << "" << installer << badSize << "";
        QTest::newRow("checksum differs") << 2 * kMiB << QString(64, 'A') << QString() << installer
                                          << kWrap + "The update does not match the published checksum." << "";
        QTest::newRow("signature missing") << 2 * kMiB << QString() << "" << installer << kWrap + kUnsigned << "";
        const KeyPtr other(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free);
        QTest::newRow("signed with another key")
            << 2 * kMiB << QString() << sign(patternChunk(0, 2 * kMiB), other.get()) << installer << kWrap + kUnsigned << "";
        QTest::newRow("status 204") << 2 * kMiB << QString() << QString() << Route{204, {}} << kWrap + "HTTP 204" << "";
        QTest::newRow("status 500") << 2 * kMiB << QString() << QString() << Route{500, {}} << kWrap + "Error transferring" << "";
        const QUrl real = m_http.url("/real-Varnholt.bin");
        QTest::newRow("redirected on the trusted host") << 2 * kMiB << QString() << QString() << redirectTo(real) << "" << "";
        QTest::newRow("redirected to an untrusted host") << 2 * kMiB << QString() << QString()
                                                         << redirectTo(m_http.url("/real-Varnholt.bin", "127.0.0.1")) << kWrap + kNotOurs << "";
        QTest::newRow("redirected to plain http") << 2 * kMiB << QString() << QString()
                                                  << redirectTo(QUrl(real.toString().replace("https:", "http:"))) << kWrap << "";
        QTest::newRow("slow, past its deadline")
            << 2 * kMiB << QString() << QString() << dripping({}, 2 * kMiB) << kWrap + kTimedOut << "";
        QTest::newRow("slow, cancelled") << 2 * kMiB << QString() << QString() << dripping({}, 2 * kMiB) << "" << "cancel";
        // The verified installer stays for the user to start.
        QTest::newRow("installer cannot start") << 2 * kMiB << QString() << QString() << installer << kNoStart << "";
        const QString cannotSave = QStringLiteral("Could not save the update: ");
        QTest::newRow("folder in place of the partial file")
            << 3 * kMiB << QString() << QString() << installer << cannotSave << "part";
        QTest::newRow("folder in place of the installer")
            << 3 * kMiB << QString() << QString() << installer << kWrap + cannotSave + "%1/Varnholt.bin" << "final";
#if !defined(Q_OS_WIN)
        QTest::newRow("disk full") << 3 * kMiB << QString() << QString() << installer << kWrap + cannotSave << "disk";
        // In a shared temporary folder someone else could have made the folder
        // first and could swap the installer after it was verified.
        QTest::newRow("download folder of another user")
            << 3 * kMiB << QString() << QString() << installer << cannotSave + "%1" << "foreign";
#endif
    }
    void downloads()
    {
        QFETCH(qint64, size);
        QFETCH(QString, sha);
        QFETCH(QString, sig);
        QFETCH(Route, answer);
        QFETCH(QString, error);
        QFETCH(QString, blocked);
        m_http.publish("/Varnholt.bin", size, {}, sha, sig);
        if (answer.status != 0) {
            m_http.route("/real-Varnholt.bin", m_http.routed("/Varnholt.bin"));
            m_http.route("/Varnholt.bin", answer);
        }
        const bool installs = error.isEmpty() && blocked != u"cancel";
        const bool verified = installs || error == kNoStart;
        auto updater = makeUpdater(error == kNoStart ? kNoStart : QString());
        if (answer.dripMs > 0)
            updater->setDeadlines({1000, 1000, qint64(1) << 40});
        if (blocked == u"cancel")
            connect(updater.get(), &Updater::stateChanged, updater.get(), [u = updater.get()] {
                if (u->state() == Updater::Downloading)
                    QTimer::singleShot(300, u, &Updater::cancel);
            });
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
        QElapsedTimer clock;
        clock.start();
        run(*updater);
#if !defined(Q_OS_WIN)
        setrlimit(RLIMIT_FSIZE, &saved);
#endif
        QVERIFY(answer.dripMs == 0 || clock.elapsed() < 10000); // a slow server: its deadline ends it
        QCOMPARE(std::tuple(updater->state(), errorStart(*updater, error), quit.count(), m_launched),
                 std::tuple(int(installs ? Updater::Installing : Updater::Available), error, qsizetype(installs ? 1 : 0),
                            verified ? QStringList{finalPath} : QStringList()));
        if (blocked != u"final")
            QCOMPARE(QFileInfo(finalPath).size(), verified ? size : 0);
        if (blocked == u"foreign")
            QVERIFY(QDir(folder).isEmpty());
        else if (blocked == u"part" || blocked == u"final")
            QVERIFY(QFileInfo::exists(blocker + "/keep"));
        QVERIFY(blocked == u"part" || partFiles(*updater).isEmpty());
        // Progress steps are reported too, unless a refused redirect came before the first byte.
        if (blocked.isEmpty() && !error.endsWith(kNotOurs))
            QVERIFY(changes.count() > 4);
        checkRequests(!error.isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
    }

#if !defined(Q_OS_WIN)
    // Whether this program runs from an image at all is appImageRule's table
    // (tst_updater); here what the program's own launcher does with its answer.
    void defaultLauncher_data()
    {
        QTest::addColumn<int>("image"); // 0 new image is a script, 1 not executable, 2 not run from an AppImage
        QTest::addColumn<QString>("error");
        QTest::newRow("starts the new image") << 0 << "";
        QTest::newRow("new image cannot start") << 1 << kNoStart;
        QTest::newRow("not an AppImage") << 2 << "The update was downloaded. Install it with your package manager.";
    }
    void defaultLauncher()
    {
        QFETCH(int, image);
        QFETCH(QString, error);
        const bool replaced = image < 2;
        QTemporaryDir dir;
        const QString path = dir.filePath("Varnholt.AppImage");
        const QString marker = dir.filePath("started");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old image") == 9);
        old.close();
        // A shell script stands in for the new image; the shell stops reading at "exit".
        QByteArray body = image == 1 ? QByteArray("\x7f" "ELF")
                                     : "#!/bin/sh\necho \"$@\" > '" + marker.toUtf8() + "'\nexit 0\n";
        body += QByteArray(kMiB + 7, '#');
        m_http.publish("/Varnholt.bin", 0, body);
        // Keeps the reveal from reaching a real file manager.
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(dir.filePath("bus")));
        if (replaced)
            qputenv("APPIMAGE", QFile::encodeName(path));
        qputenv("APPDIR", QFile::encodeName(QCoreApplication::applicationDirPath()));
        auto updater = makeUpdater({}, true);
        run(*updater);
        qunsetenv("APPIMAGE");
        qunsetenv("APPDIR");
        qputenv("PATH", savedPath);
        QCOMPARE(updater->errorText(), error);
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll() == body, replaced);
        if (replaced)
            QCOMPARE(int(result.permissions() & 0x7777), 0x7755);
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

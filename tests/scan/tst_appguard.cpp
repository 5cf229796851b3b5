#include "scan/appguard.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A child that holds `path` open as its standard input for as long as it
// runs: sleep, or on Windows, which has none, ping counting a minute.
#ifdef Q_OS_WIN
const QString kHolder = QStringLiteral("ping");
const QStringList kHolderArguments{QStringLiteral("-n"), QStringLiteral("60"), QStringLiteral("127.0.0.1")};
#else
const QString kHolder = QStringLiteral("sleep");
const QStringList kHolderArguments{QStringLiteral("60")};
#endif

bool startHolder(QProcess &p, const QString &path)
{
    const QString program = QStandardPaths::findExecutable(kHolder);
    if (program.isEmpty())
        return false;
    p.setStandardInputFile(path);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, kHolderArguments);
    return p.waitForStarted();
}

void stopHolder(QProcess &p)
{
    p.kill();
    p.waitForFinished();
}

} // namespace

class TestAppGuard final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // A run under sudo would otherwise look for the invoking user's apps.
        qunsetenv("PKEXEC_UID");
        qunsetenv("SUDO_UID");
    }

    void guarded_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        QTest::newRow("bitwarden any case") << "C:/Users/Me/AppData/Roaming/Bitwarden/Cache" << true;
        QTest::newRow("rime exact") << "C:/Users/Me/AppData/Local/Temp/rime" << true;
        QTest::newRow("primer is not rime") << "C:/Users/Me/AppData/Local/Temp/primer" << false;
        QTest::newRow("enpass inside name") << "/x/MyEnpassVault/cache" << true;
        QTest::newRow("keeper security") << "/x/Keeper Security Inc/y" << true;
        QTest::newRow("keeper alone") << "/x/keeper/y" << false;
        QTest::newRow("ime suffix") << "/x/Google.IME/y" << true;
        QTest::newRow("ime alone") << "/x/ime/y" << false;
        QTest::newRow("palo alto with blanks") << "C:/ProgramData/Palo Alto Networks/x" << true;
        QTest::newRow("palo alto longer") << "C:/ProgramData/Palo Alto Networks2/x" << false;
        QTest::newRow("cisco exact") << "/opt/cisco/x" << true;
        QTest::newRow("cisco prefix") << "/opt/ciscoX/x" << false;
        QTest::newRow("reverse domain") << "/Library/Caches/com.bitwarden.desktop" << true;
        QTest::newRow("deep below guarded") << "/a/NordVPN/b/c/d/Cache" << true;
        QTest::newRow("plain cache") << "/home/me/.cache/spotify/Data" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("root") << "/" << false;
        QTest::newRow("star is literal in path") << "/x/*" << false;
        // Only what lies below the deepest catalogue base holding the path
        // counts ("|" separates the path from the bases).
        QTest::newRow("account named like a product") << "/home/eset/.cache/app/x|/home/eset|/home/eset/.cache"
                                                      << false;
        QTest::newRow("guarded below the base") << "/home/eset/.cache/eset/x|/home/eset|/home/eset/.cache" << true;
        QTest::newRow("folder above the base") << "/srv/Broadcom/cache/x|/srv/broadcom/cache" << false;
        QTest::newRow("base is a name prefix only") << "/home/esetx/rime|/home/eset" << true;
        QTest::newRow("below no base") << "/opt/cisco/x|/home/u" << true;
    }

    void guarded()
    {
        QFETCH(QString, path);
        QStringList bases = path.split(QLatin1Char('|'));
        const QString p = bases.takeFirst();
        QTEST(isGuardedPath(p, bases), "expected");
    }

    void owner_data()
    {
        QTest::addColumn<QString>("path");
        // The executable, then after each "|" another folder it uses (its
        // working folder, the folder of a file it holds open).
        QTest::addColumn<QString>("process");
        QTest::addColumn<QString>("bundle");  // "id=name" or "id"
        QTest::addColumn<QString>("expected");
        const QString local = "C:/Users/Me/AppData/Local/";
        const QString chrome = local + "Google/Chrome/User Data/Default/Cache";
        const QString bundleCache = "/Users/me/Library/Caches/com.foo.bar/x";
        QTest::newRow("chrome running") << chrome << "C:/Program Files/Google/Chrome/Application/chrome.exe" << ""
                                        << "Google Chrome";
        QTest::newRow("only edge running") << chrome << "msedge.exe" << "" << "";
        QTest::newRow("edge needs subfolder") << local + "Microsoft/Edge/User Data/Default/Cache" << "msedge.exe" << ""
                                              << "Microsoft Edge";
        QTest::newRow("slack by row") << "C:/Users/Me/AppData/Roaming/Slack/Cache" << "Slack.exe" << "" << "Slack";
        QTest::newRow("vendor by process folder") << local + "Vendor/App/Cache" << local + "Vendor/Updater/update.exe"
                                                  << "" << "Vendor";
        QTest::newRow("process path cleaned") << local + "Vendor/App/Cache" << local + "VendorX/../Vendor/update.exe"
                                              << "" << "Vendor";
        QTest::newRow("vendor folder prefix only") << local + "Vendor/App/Cache" << local + "VendorX/update.exe" << ""
                                                   << "";
        QTest::newRow("blank removal, small letters") << local + "Microsoft Teams/Cache" << "C:/Apps/MicrosoftTeams.exe"
                                                      << "" << "Microsoft teams";
        // Folders shared by many programs count only through the product
        // folder the path lies in.
        QTest::newRow("another product of the vendor") << local + "Microsoft/Windows/INetCache"
                                                       << local + "Microsoft/OneDrive/OneDrive.exe" << "" << "";
        QTest::newRow("product of the vendor running") << local + "Microsoft/OneDrive/logs"
                                                       << local + "Microsoft/OneDrive/23.1/FileCoAuth.exe" << ""
                                                       << "Onedrive";
        QTest::newRow("product prefix only") << local + "Microsoft/Windows/INetCache"
                                             << local + "Microsoft/WindowsApps/winget.exe" << "" << "";
        QTest::newRow("vendor folder itself") << local + "Google" << local + "Google/Update/GoogleUpdate.exe" << ""
                                              << "Google";
        QTest::newRow("installer in Temp") << local + "Temp/old.log" << local + "Temp/x1/setup.exe" << "" << "";
        QTest::newRow("second candidate") << local + "Vendor/tool/Cache" << "tool.exe" << "" << "Tool";
        QTest::newRow("last component kept as is") << local + "zoom" << "zoom.exe" << "" << "zoom";
        QTest::newRow("nothing running") << local + "Vendor/App/Cache" << "" << "" << "";
        QTest::newRow("outside app data") << "D:/Games/zoom/Cache" << "zoom.exe" << "" << "";
        QTest::newRow("bundle id") << bundleCache << "" << "com.foo.bar=Foo Bar" << "Foo Bar";
        QTest::newRow("bundle id without name") << bundleCache << "" << "com.foo.bar" << "com.foo.bar";
        QTest::newRow("one dot is no bundle") << "/Users/me/Library/Caches/foo.bar/x" << "" << "foo.bar" << "";
#ifndef Q_OS_WIN
        QTest::newRow("linux chrome") << "/home/me/.cache/google-chrome/Default/Cache" << "/opt/google/chrome/chrome"
                                      << "" << "Google Chrome";
        QTest::newRow("debian firefox") << "/home/me/.cache/mozilla/firefox/x.default/cache2"
                                        << "/usr/lib/firefox-esr/firefox-esr" << "" << "Firefox";
        QTest::newRow("telegram") << "/home/me/.local/share/TelegramDesktop/tdata/user_data/cache"
                                  << "/opt/Telegram/Telegram" << "" << "Telegram";
        QTest::newRow("telegram, other folder") << "/home/me/.local/share/TelegramDesktop/backup"
                                                << "/usr/bin/telegram-desktop" << "" << "";
        // Whatever its name, a program runs while it runs from, works in or
        // holds a file open in the product folder.
        const QString home = "/home/me/";
        const QString chat = "/app/bin/chat|" + home + ".var/app/org.foo.Chat/data";
        QTest::newRow("program in the data folder") << home + ".local/share/Steam/appcache/httpcache"
                                                    << home + ".local/share/Steam/ubuntu12_32/steam" << "" << "steam";
        QTest::newRow("file open in a home dot-folder")
            << home + ".gradle/caches" << "/usr/lib/jvm/java-17/bin/java|" + home + ".gradle/caches/8.5/fileHashes"
            << "" << "java";
        QTest::newRow("working in a Flatpak app") << home + ".var/app/org.foo.Chat/cache/x" << chat << "" << "chat";
        QTest::newRow("another Flatpak app, name a prefix") << home + ".var/app/org.foo.Ch/cache" << chat << "" << "";
        QTest::newRow("Snap app") << home + "snap/telegram-desktop/common/.cache"
                                  << "/snap/telegram-desktop/5/bin/Telegram|" + home + "snap/telegram-desktop/5/.local"
                                  << "" << "Telegram";
        QTest::newRow("file open in another product of the vendor")
            << home + ".cache/Google/Other/x" << "/opt/studio/bin/java|" + home + ".cache/Google/Studio/log" << ""
            << "";
        QTest::newRow("loose file in a base") << home + ".cache/loose.bin"
                                              << "/usr/bin/x|" + home + ".cache|" + home + ".cache/other" << "" << "";
        QTest::newRow("a base itself") << home + ".cache" << "/usr/bin/x|" + home + ".cache/app" << "" << "";
        QTest::newRow("terminal in the home folder") << home + ".gradle/caches" << "/usr/bin/bash|/home/me" << "" << "";
#endif
    }

    void owner()
    {
        QFETCH(QString, path);
        QFETCH(QString, process);
        QFETCH(QString, bundle);
        RunningApps apps;
        QStringList uses = process.split('|');
        const QFileInfo exe(uses.takeFirst());
        apps.addProcess(exe.filePath());
        for (const QString &folder : uses << exe.path())
            apps.addUsedFolder(folder, exe.fileName());
        if (!bundle.isEmpty()) {
            apps.bundleIds.insert(bundle.section('=', 0, 0));
            if (bundle.contains('='))
                apps.bundleNames.insert(bundle.section('=', 0, 0), bundle.section('=', 1));
        }
        const ProductBases bases{{"C:/Users/Me/AppData/Local/", "C:/Users/Me/AppData/Roaming", "C:", "",
                                  "/home/me/.cache", "/home/me/.config"},
                                 {"/home/me/.local/share", "/home/me/.var/app", "/home/me/snap", "/home/me"}};
        QTEST(runningOwner(path, apps, bases), "expected");
    }

    void snapshotSeesRunningChild()
    {
        TempFolder tmp;
        QProcess child;
        child.setWorkingDirectory(tmp.makeDir("child"));
        QFile own(tmp.makeFile("own/held"));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QVERIFY(startHolder(child, QCoreApplication::applicationFilePath()));
        const RunningApps apps = snapshot();
        stopHolder(child);
        QVERIFY(apps.processNames.contains(kHolder));
        QVERIFY(apps.processNames.contains("tst_appguard"));
        QVERIFY(apps.processDirs.contains(QFileInfo(QCoreApplication::applicationFilePath()).path().toLower() + '/'));
        QVERIFY(apps.bundleIds.isEmpty());
#ifdef Q_OS_UNIX
        // Where the child works counts; what this process holds open does not.
        const auto used = [&](const char *folder) {
            return apps.usedFolders.value(QFileInfo(tmp.path(folder)).canonicalFilePath().toLower() + '/');
        };
        QCOMPARE(used("child"), kHolder);
        QCOMPARE(used("own"), QString());
#endif
    }

#ifdef Q_OS_UNIX
    // Whose processes keep a cache: the status text of a process against the
    // user that appUser(real, effective, PKEXEC_UID, SUDO_UID) picks.
    void processOwner_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<uint>("real");
        QTest::addColumn<uint>("effective");
        QTest::addColumn<QByteArray>("pkexec");
        QTest::addColumn<QByteArray>("sudo");
        QTest::addColumn<bool>("counts");
        const QByteArray user = "Name:\tcode\nUmask:\t0022\nUid:\t1000\t1000\t1000\t1000\nGid:\t1000\n";
        const QByteArray other = "Name:\tcode\nUid:\t1001\t1001\t1001\t1001\n";
        const QByteArray root = "Name:\tcode\nUid:\t0\t0\t0\t0\n";
        QTest::newRow("own process") << user << 1000u << 1000u << QByteArray() << QByteArray() << true;
        QTest::newRow("another user's") << other << 1000u << 1000u << QByteArray() << QByteArray() << false;
        QTest::newRow("root's, seen by a user") << root << 1000u << 1000u << QByteArray() << QByteArray() << false;
        QTest::newRow("set-uid program the user started")
            << QByteArray("Uid:\t1000\t0\t0\t0\n") << 1000u << 1000u << QByteArray() << QByteArray() << true;
        QTest::newRow("uid that only starts alike")
            << QByteArray("Uid:\t10001\t10001\t10001\t10001\n") << 1000u << 1000u << QByteArray() << QByteArray()
            << false;
        QTest::newRow("pkexec: invoking user's") << user << 0u << 0u << QByteArray("1000") << QByteArray() << true;
        QTest::newRow("pkexec: root's own") << root << 0u << 0u << QByteArray("1000") << QByteArray() << false;
        QTest::newRow("sudo: invoking user's") << user << 0u << 0u << QByteArray() << QByteArray("1000") << true;
        QTest::newRow("pkexec before sudo") << other << 0u << 0u << QByteArray("1000") << QByteArray("1001") << false;
        QTest::newRow("variables ignored unelevated") << root << 1000u << 1000u << QByteArray() << QByteArray("0")
                                                      << false;
        QTest::newRow("malformed variable ignored") << root << 0u << 0u << QByteArray("1000x") << QByteArray(" 1")
                                                    << true;
        QTest::newRow("plain root run") << root << 0u << 0u << QByteArray() << QByteArray() << true;
        QTest::newRow("no Uid line") << QByteArray("Name:\tcode\n") << 1000u << 1000u << QByteArray() << QByteArray()
                                     << false;
        QTest::newRow("process gone") << QByteArray() << 0u << 0u << QByteArray() << QByteArray() << false;
    }

    void processOwner()
    {
        QFETCH(QByteArray, status);
        QFETCH(uint, real);
        QFETCH(uint, effective);
        QFETCH(QByteArray, pkexec);
        QFETCH(QByteArray, sudo);
        QTEST(isProcessOf(status, appUser(real, effective, pkexec, sudo)), "counts");
    }

    void snapshotOfOtherUsers()
    {
        if (testsupport::isUnprivilegedChild()) {
            // The parent's sleep belongs to another user when the tests run as
            // root: naming a process after an app keeps no one else's cache.
            const RunningApps apps = snapshot();
            QVERIFY(!apps.processNames.contains("sleep"));
            QVERIFY(apps.processNames.contains("tst_appguard"));
            // A folder another user's process locks is busy all the same,
            // though only /proc/locks tells.
            QList<FileHolder> holders;
            QVERIFY(OpenFiles::capture(OpenFiles::Scope::Folders).holdsBusyFolder(testsupport::childArguments().value(0), &holders));
            QCOMPARE(holders, (QList<FileHolder>{{QStringLiteral("tst_appguard"), testsupport::childArguments().value(1).toLongLong()}}));
            return;
        }
        TempFolder tmp;
        const QString locked = tmp.makeDir("locked");
        QVERIFY(tmp.openToOthers());
        const int fd = ::open(QFile::encodeName(locked).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
        QProcess child;
        QVERIFY(startHolder(child, "/dev/null"));
        const auto r = testsupport::runInUnprivilegedChild("snapshotOfOtherUsers", {locked, QString::number(::getpid())});
        stopHolder(child);
        ::close(fd);
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
    }
#endif

#ifdef Q_OS_UNIX
    // Mapped but no longer open: only /proc/<pid>/maps knows.
    void inUseWhileMapped()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString file = tmp.makeFile("mapped.bin", QByteArray(8192, 'm'));
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        void *map = ::mmap(nullptr, 8192, PROT_READ, MAP_SHARED, fd, 0);
        ::close(fd);
        QVERIFY(map != MAP_FAILED);
        const bool whileMapped = isFileInUse(file);
        ::munmap(map, 8192);
        QVERIFY(whileMapped);
        QVERIFY(!isFileInUse(file));
    }
#endif
};

QTEST_GUILESS_MAIN(TestAppGuard)
#include "tst_appguard.moc"

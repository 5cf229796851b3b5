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
        QTest::addColumn<QStringList>("bases");
        QTest::addColumn<bool>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/guardedpaths.tsv"), 4)) {
            QVERIFY2(f[3] == u"true" || f[3] == u"false", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2].split(u'|', Qt::SkipEmptyParts) << (f[3] == u"true");
        }
    }

    void guarded()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, bases);
        QTEST(isGuardedPath(path, bases), "expected");
    }

    void owner_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("process");
        QTest::addColumn<QString>("bundle");
        QTest::addColumn<QString>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/appowners.tsv"), 6)) {
            QVERIFY2(f[1] == u"all" || f[1] == u"posix", qPrintable(f[0]));
#ifdef Q_OS_WIN
            if (f[1] == u"posix")
                continue;
#endif
            QTest::newRow(qPrintable(f[0])) << f[2] << f[3] << f[4] << (f[5] == u"-" ? QString() : f[5]);
        }
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

#include "scan/appguard.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RunningApps appsFrom(const QStringList &processes, const QStringList &bundles = {})
{
    RunningApps apps;
    for (const QString &p : processes)
        apps.addProcess(p);
    for (const QString &b : bundles) {
        const QString id = b.section(QLatin1Char('='), 0, 0);
        apps.bundleIds.insert(id);
        if (b.contains(QLatin1Char('=')))
            apps.bundleNames.insert(id, b.section(QLatin1Char('='), 1));
    }
    return apps;
}

// A child that holds `path` open as its standard input for as long as it runs.
bool startHolder(QProcess &p, const QString &path)
{
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    if (sleep.isEmpty())
        return false;
    p.setStandardInputFile(path);
    p.start(sleep, {QStringLiteral("60")});
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
    void initTestCase();
    void patternTable();
    void guarded_data();
    void guarded();
    void addProcess_data();
    void addProcess();
    void owner_data();
    void owner();
    void ownerUsesEnvironmentBases();
    void snapshotSeesRunningChild();
    void snapshotOfOtherUsers();
    void inUseWhileChildHoldsFile();
    void inUseWhileMapped();
    void openFilesSnapshotServesManyChecks();
    void notInUse_data();
    void notInUse();
};

void TestAppGuard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAppGuard::patternTable()
{
    const QStringList &p = guardedAppPatterns();
    QCOMPARE(p.size(), 74);
    QCOMPARE(p.first(), "com.agilebits*");
    QCOMPARE(p.at(15), "*inputmethod*");
    QCOMPARE(p.at(21), "com.crowdstrike*");
    QCOMPARE(p.at(61), "com.wireguard*");
    QCOMPARE(p.last(), "*globalprotect*");
    QCOMPARE(QStringList(p).removeDuplicates(), 0);
    QVERIFY(knownApps().size() >= 11);
    QCOMPARE(knownApps().at(0).displayName, "Google Chrome");
    QCOMPARE(knownApps().at(10).processName, "discord");
    QCOMPARE(guardedAppsText(), "Password managers, input methods, security and device-management agents, VPNs");
}

void TestAppGuard::guarded_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("bitwarden any case") << "C:/Users/Me/AppData/Roaming/Bitwarden/Cache" << true;
    QTest::newRow("rime exact") << "C:/Users/Me/AppData/Local/Temp/rime" << true;
    QTest::newRow("primer is not rime") << "C:/Users/Me/AppData/Local/Temp/primer" << false;
    QTest::newRow("1password") << "/home/me/.config/1Password/Cache" << true;
    QTest::newRow("keepassxc") << "/home/me/.cache/keepassxc" << true;
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
    QTest::newRow("tailscale anywhere") << "/var/cache/tailscaled/x" << true;
    QTest::newRow("deep below guarded") << "/a/NordVPN/b/c/d/Cache" << true;
    QTest::newRow("plain cache") << "/home/me/.cache/spotify/Data" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("root") << "/" << false;
    QTest::newRow("star is literal in path") << "/x/*" << false;
}

void TestAppGuard::guarded()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    QCOMPARE(isGuardedPath(path), expected);
}

void TestAppGuard::addProcess_data()
{
    QTest::addColumn<QString>("process");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("dirs");
    QTest::newRow("full image path") << "C:/Program Files/Slack/Slack.EXE" << QStringList{"slack"}
                                     << QStringList{"c:/program files/slack/"};
    QTest::newRow("bare exe name") << "chrome.exe" << QStringList{"chrome"} << QStringList{""};
    QTest::newRow("linux path") << "/usr/lib/firefox-esr/firefox-esr" << QStringList{"firefox-esr"}
                                << QStringList{"/usr/lib/firefox-esr/"};
    QTest::newRow("cleaned") << "/opt//app/./bin/../Tool" << QStringList{"tool"} << QStringList{"/opt/app/"};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{};
    QTest::newRow("blank") << "   " << QStringList{} << QStringList{};
}

void TestAppGuard::addProcess()
{
    QFETCH(QString, process);
    QFETCH(QStringList, names);
    QFETCH(QStringList, dirs);
    RunningApps apps;
    apps.addProcess(process);
    QCOMPARE(apps.processNames, QSet<QString>(names.begin(), names.end()));
    QCOMPARE(apps.processDirs, dirs);
}

void TestAppGuard::owner_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("processes");
    QTest::addColumn<QStringList>("bundles");
    QTest::addColumn<QString>("expected");

    const QString local = "C:/Users/Me/AppData/Local/";
    const QString roaming = "C:/Users/Me/AppData/Roaming/";
    QTest::newRow("chrome running") << local + "Google/Chrome/User Data/Default/Cache"
                                    << QStringList{"C:/Program Files/Google/Chrome/Application/chrome.exe"}
                                    << QStringList{} << "Google Chrome";
    QTest::newRow("only edge running") << local + "Google/Chrome/User Data/Default/Cache"
                                       << QStringList{"msedge.exe"} << QStringList{} << "";
    QTest::newRow("edge needs subfolder") << local + "Microsoft/Edge/User Data/Default/Cache"
                                          << QStringList{"msedge.exe"} << QStringList{} << "Microsoft Edge";
    QTest::newRow("slack by row") << roaming + "Slack/Cache" << QStringList{"Slack.exe"} << QStringList{} << "Slack";
    QTest::newRow("vendor by process folder") << local + "Vendor/App/Cache"
                                              << QStringList{local + "Vendor/Updater/update.exe"} << QStringList{}
                                              << "Vendor";
    QTest::newRow("vendor folder prefix only") << local + "Vendor/App/Cache"
                                               << QStringList{local + "VendorX/update.exe"} << QStringList{} << "";
    QTest::newRow("blank removal, small letters") << local + "Microsoft Teams/Cache"
                                                  << QStringList{"C:/Apps/MicrosoftTeams.exe"} << QStringList{}
                                                  << "Microsoft teams";
    QTest::newRow("internet cache owner") << local + "Microsoft/Windows/INetCache"
                                          << QStringList{local + "Microsoft/OneDrive/OneDrive.exe"} << QStringList{}
                                          << "Microsoft";
    QTest::newRow("second candidate") << local + "Vendor/tool/Cache" << QStringList{"tool.exe"} << QStringList{}
                                      << "Tool";
    QTest::newRow("last component kept as is") << local + "zoom" << QStringList{"zoom.exe"} << QStringList{}
                                               << "zoom";
    QTest::newRow("nothing running") << local + "Vendor/App/Cache" << QStringList{} << QStringList{} << "";
    QTest::newRow("outside app data") << "D:/Games/zoom/Cache" << QStringList{"zoom.exe"} << QStringList{} << "";
    QTest::newRow("bundle id") << "/Users/me/Library/Caches/com.foo.bar/x" << QStringList{}
                               << QStringList{"com.foo.bar=Foo Bar"} << "Foo Bar";
    QTest::newRow("bundle id without name") << "/Users/me/Library/Caches/com.foo.bar/x" << QStringList{}
                                            << QStringList{"com.foo.bar"} << "com.foo.bar";
    QTest::newRow("one dot is no bundle") << "/Users/me/Library/Caches/foo.bar/x" << QStringList{}
                                          << QStringList{"foo.bar"} << "";
#ifndef Q_OS_WIN
    QTest::newRow("linux chrome") << "/home/me/.cache/google-chrome/Default/Cache"
                                  << QStringList{"/opt/google/chrome/chrome"} << QStringList{} << "Google Chrome";
    QTest::newRow("debian firefox") << "/home/me/.cache/mozilla/firefox/x.default/cache2"
                                    << QStringList{"/usr/lib/firefox-esr/firefox-esr"} << QStringList{} << "Firefox";
#endif
}

void TestAppGuard::owner()
{
    QFETCH(QString, path);
    QFETCH(QStringList, processes);
    QFETCH(QStringList, bundles);
    QFETCH(QString, expected);
    const QStringList bases{"C:/Users/Me/AppData/Local/", "C:/Users/Me/AppData/Roaming", "C:", ""};
    QCOMPARE(runningOwner(path, appsFrom(processes, bundles), bases), expected);
}

void TestAppGuard::ownerUsesEnvironmentBases()
{
    // Without the Windows variables the XDG folders play their part.
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || qEnvironmentVariableIsSet("LOCALAPPDATA"))
        QSKIP("needs the sandboxed XDG folders CTest sets up");
    const RunningApps apps = appsFrom({"/usr/bin/thunderbird"});
    QCOMPARE(runningOwner(cache + "/thunderbird/cache2", apps), "Thunderbird");
    QCOMPARE(runningOwner("/elsewhere/thunderbird/cache2", apps), "");
}

void TestAppGuard::snapshotSeesRunningChild()
{
    QProcess child;
    QVERIFY(startHolder(child, QCoreApplication::applicationFilePath()));
    const RunningApps apps = snapshot();
    stopHolder(child);
    QVERIFY(apps.processNames.contains("sleep"));
    QVERIFY(apps.processNames.contains("tst_appguard"));
    QVERIFY(apps.processDirs.contains(QFileInfo(QCoreApplication::applicationFilePath()).path().toLower() + '/'));
    QVERIFY(apps.bundleIds.isEmpty());
}

void TestAppGuard::snapshotOfOtherUsers()
{
    if (testsupport::isUnprivilegedChild()) {
        // The parent's sleep belongs to another user when the tests run as
        // root: its executable cannot be read, its name still counts.
        const QStringList args = testsupport::childArguments();
        const RunningApps apps = snapshot();
        QVERIFY(apps.processNames.contains("sleep"));
        QVERIFY(apps.processNames.contains("tst_appguard"));
        return;
    }
    QProcess child;
    QVERIFY(startHolder(child, "/dev/null"));
    const auto r = testsupport::runInUnprivilegedChild("snapshotOfOtherUsers", {QString::number(child.processId())});
    stopHolder(child);
    if (r.skipped)
        QSKIP(qPrintable(r.reason));
    QVERIFY2(r.passed, qPrintable(r.output));
}

void TestAppGuard::inUseWhileChildHoldsFile()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString file = tmp.makeFile("held.txt", "data");
    QVERIFY(!isFileInUse(file));
    QProcess child;
    QVERIFY(startHolder(child, file));
    QVERIFY(isFileInUse(file));
    stopHolder(child);
    QVERIFY(!isFileInUse(file));
}

void TestAppGuard::inUseWhileMapped()
{
    // Mapped but no longer open: only /proc/<pid>/maps knows.
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

void TestAppGuard::openFilesSnapshotServesManyChecks()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString held = tmp.makeFile("a/held", "x");
    const QString idle = tmp.makeFile("a/idle", "y");
    const QString link = tmp.makeSymlink(held, "a/link-to-held");
    QVERIFY(!link.isEmpty());
    QProcess child;
    QVERIFY(startHolder(child, held));
    const OpenFiles open = OpenFiles::capture();
    stopHolder(child);
    QVERIFY(open.size() > 0);
    QVERIFY(open.isInUse(held));  // the snapshot keeps its moment
    QVERIFY(!open.isInUse(idle));
    QVERIFY(!open.isInUse(link));  // removing the link leaves the open file alone
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(held).constData(), &st), 0);
    QVERIFY(open.contains(qint64(st.st_dev), qint64(st.st_ino)));
    QVERIFY(!open.contains(qint64(st.st_dev), -1));
}

void TestAppGuard::notInUse_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing") << "missing.txt";
    QTest::newRow("empty path") << "";
    QTest::newRow("idle folder") << "folder";
}

void TestAppGuard::notInUse()
{
    QFETCH(QString, relative);
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    tmp.makeDir("folder");
    QVERIFY(!isFileInUse(relative.isEmpty() ? QString() : tmp.path(relative)));
}

QTEST_GUILESS_MAIN(TestAppGuard)
#include "tst_appguard.moc"

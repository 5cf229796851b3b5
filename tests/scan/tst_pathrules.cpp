#include "scan/pathrules.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

class TestPathRules final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void normalize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
#ifdef Q_OS_WIN
        // A leading pair names a network share there (\\a\b).
        QTest::newRow("double slashes") << "//a///b" << "//a/b";
#else
        QTest::newRow("double slashes") << "//a///b" << "/a/b";
#endif
        QTest::newRow("dot-dot above root") << "/a/../../b" << "/b";
        QTest::newRow("only dot-dots") << "/../.." << "/";
        QTest::newRow("dot-dot name kept") << "/..b/c" << "/..b/c";
        QTest::newRow("unicode") << QStringLiteral("/Ünïcode/ÄÖ") << QStringLiteral("/ünïcode/äö");
        QTest::newRow("empty") << "" << "";
#ifdef Q_OS_WIN
        QTest::newRow("mixed separators") << "C:\\Users/Me\\X" << "c:/users/me/x";
#else
        // '\' is an ordinary file-name character on Linux.
        QTest::newRow("backslash kept") << "/a\\B/c" << "/a\\b/c";
#endif
    }

    void normalize()
    {
        QFETCH(QString, path);
        QTEST(normalizePath(path), "expected");
    }

    void excluded_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<bool>("expected");
        const QString home = QDir::homePath();
        const QString longName(10000, QLatin1Char('a'));
        QTest::newRow("git folder content") << "/src/app/.git/config" << QStringList{"**/.git"} << true;
        QTest::newRow("git path capitals") << "/Src/App/.GIT/config" << QStringList{"**/.git"} << true;
        QTest::newRow("gitignore is not git") << "/src/app/.gitignore" << QStringList{"**/.git"} << false;
        QTest::newRow("pattern trimmed") << "/p/node_modules/x" << QStringList{"  node_modules\t"} << true;
        QTest::newRow("node_modules below") << "/p/node_modules/x/y.js" << QStringList{"node_modules"} << true;
        QTest::newRow("tilde folder") << home + "/Projects" << QStringList{"~/Projects"} << true;
        QTest::newRow("tilde prefix only") << home + "/ProjectsOld" << QStringList{"~/Projects"} << false;
        QTest::newRow("tilde starts a name") << "/x/~$report.docx" << QStringList{"~$*"} << true;
        QTest::newRow("? one component char") << "/x/abc/y" << QStringList{"a?c"} << true;
        QTest::newRow("? never a slash") << "/x/a/c" << QStringList{"a?c"} << false;
        QTest::newRow("*.iso file") << "/data/image.ISO" << QStringList{"*.iso"} << true;
        QTest::newRow("*.iso needs the dot") << "/data/iso" << QStringList{"*.iso"} << false;
        QTest::newRow("folder pattern itself") << "/work/data" << QStringList{"/work/data"} << true;
        QTest::newRow("folder pattern content") << "/work/data/sub/f" << QStringList{"/Work/Data/"} << true;
        QTest::newRow("folder pattern sibling") << "/work/database" << QStringList{"/work/data"} << false;
        QTest::newRow("slash pattern anchored") << "/x/a/b" << QStringList{"a/b"} << false;
        QTest::newRow("dot-dot in pattern") << "/work/data/f" << QStringList{"/work/x/../data"} << true;
        QTest::newRow("first of many") << "/src/.git" << QStringList{"", "zzz", "**/.git"} << true;
        QTest::newRow("no pattern matches") << "/src/main.cpp" << QStringList{"*.o", "build"} << false;
        QTest::newRow("empty and blank patterns") << "/a/b" << QStringList{"", "   ", "\t\n"} << false;
        QTest::newRow("empty path") << "" << QStringList{"a"} << false;
        QTest::newRow("dot is literal") << "/x/axb" << QStringList{"a.b"} << false;
        QTest::newRow("group chars literal") << "/x/(a)" << QStringList{"(a)"} << true;
        QTest::newRow("unbalanced paren") << "/x/a" << QStringList{"(a"} << false;
        QTest::newRow("class is literal") << "/x/a" << QStringList{"[abc]"} << false;
        QTest::newRow("alternation literal") << "/x/y" << QStringList{"^$|.*"} << false;
        QTest::newRow("lone surrogate") << "/x/y" << QStringList{QString(QChar(0xD800))} << false;
        QTest::newRow("nul character") << "/x/y" << QStringList{QString(QChar(0))} << false;
        QTest::newRow("huge literal match") << "/x/" + longName << QStringList{longName} << true;
        QTest::newRow("huge *a chain") << "/x/" + QString(300, QLatin1Char('a')) + "b"
                                       << QStringList{QString("*a").repeated(5000)} << false;
        QTest::newRow("backtracking bomb") << "/x/" + QString(60, QLatin1Char('a'))
                                           << QStringList{QString("*a").repeated(15) + "*b"} << false;
    }

    void excluded()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, patterns);
        QFETCH(bool, expected);
        QCOMPARE(isExcluded(path, patterns), expected);
        QCOMPARE(isExcluded(path, patterns), expected);  // answered from the cache
    }

    // Each thread mixes shared patterns with its own, so threads fill the
    // pattern cache while others read it.
    void concurrentCallers()
    {
        std::atomic_int wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([t, &wrong] {
                for (int i = 0; i < 300; ++i) {
                    const QString own = QStringLiteral("t%1-p%2").arg(t).arg(i % 40);
                    const QStringList patterns{QStringLiteral("**/.git"), own, QStringLiteral("*.tmp")};
                    if (!isExcluded("/w/" + own + "/file", patterns) || !isExcluded("/w/repo/.git/x", patterns)
                        || isExcluded("/w/" + own + "x/file", patterns) || !isExcluded("/w/a.TMP", patterns))
                        ++wrong;
                }
            });
        }
        for (std::thread &th : threads)
            th.join();
        QCOMPARE(wrong.load(), 0);
    }

    void linuxProtected_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("relative") << "relative/x/y" << true;
        QTest::newRow("root") << "/" << true;
        QTest::newRow("top folder") << "/home" << true;
        QTest::newRow("top folder trailing slash") << "/srv/" << true;
        QTest::newRow("home") << "/home/me" << true;
        QTest::newRow("home capitals") << "/HOME/Me" << true;
        QTest::newRow("home parent spelled") << "/home/me/.." << true;
        QTest::newRow("documents") << "/home/me/Documents" << true;
        QTest::newRow("documents content") << "/home/me/Documents/a.txt" << false;
        QTest::newRow("downloads via dot-dot") << "/home/me/Documents/../Downloads" << true;
        QTest::newRow("cache folder") << "/home/me/.cache" << true;
        QTest::newRow("cache content") << "/home/me/.cache/app" << false;
        QTest::newRow("local share") << "/home/me/.local/share" << true;
        QTest::newRow("local share content") << "/home/me/.local/share/app" << false;
        QTest::newRow("usr inside") << "/usr/lib/x" << true;
        QTest::newRow("var lib") << "/var/lib/dpkg/status" << true;
        QTest::newRow("climbing above root") << "/tmp/../../etc/passwd" << true;
        QTest::newRow("var lib prefix only") << "/var/libx/y" << false;
        QTest::newRow("var log") << "/var/log/syslog" << true;
        QTest::newRow("var tmp entry") << "/var/tmp/x" << false;
        QTest::newRow("tmp entry") << "/tmp/x" << false;
        QTest::newRow("apt archives") << "/var/cache/apt/archives/a.deb" << false;
        QTest::newRow("home trash") << "/home/me/.local/share/Trash/files/a" << true;
        QTest::newRow("home trash itself") << "/home/me/.local/share/Trash" << true;
        QTest::newRow("volume trash uid") << "/media/usb/.Trash-1000/files/a" << true;
        QTest::newRow("volume shared trash") << "/media/usb/.Trash/1000/files/a" << true;
        QTest::newRow("trash-like name") << "/media/usb/.Trashy/a" << false;
        QTest::newRow("trash dash no uid") << "/media/usb/.Trash-x/a" << false;
        QTest::newRow("other user home") << "/home/other/.cache/x" << false;
        // Root's home is a top folder, but what lies in it is a home's ("|"
        // names the home folder of the run).
        QTest::newRow("root's home") << "/root|/root" << true;
        QTest::newRow("root's cache folder") << "/root/.cache|/root" << true;
        QTest::newRow("root's cache content") << "/root/.cache/pip|/root" << false;
    }

    void linuxProtected()
    {
        QFETCH(QString, path);
        const QString home = path.section(QLatin1Char('|'), 1);
        const ProtectionRules rules =
            home.isEmpty() ? linuxProtectionRules(QStringLiteral("/home/me"), {QStringLiteral("/home/me/.local/share/Trash")})
                           : linuxProtectionRules(home, {});
        QTEST(isProtectedPath(path.section(QLatin1Char('|'), 0, 0), rules), "expected");
    }

    void windowsProtected_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        QTest::newRow("drive root") << "C:\\" << true;
        QTest::newRow("drive only") << "C:" << true;
        QTest::newRow("windows folder") << "C:\\Windows" << true;
        QTest::newRow("windows temp") << "C:\\Windows\\Temp" << false;
        QTest::newRow("system32 prefix only") << "C:/Windows/System32x/a" << false;
        QTest::newRow("syswow64") << "C:/Windows/SysWOW64/a.dll" << true;
        QTest::newRow("boot") << "C:/Windows/Boot/x" << true;
        QTest::newRow("winsxs") << "C:/Windows/WinSxS/amd64_x" << true;
        QTest::newRow("users folder") << "C:/Users" << true;
        QTest::newRow("profile parent spelled") << "C:/Users/Me/.." << true;
        QTest::newRow("home") << "c:/users/me" << true;
        QTest::newRow("documents") << "C:\\Users\\Me\\Documents" << true;
        QTest::newRow("documents file") << "C:\\Users\\Me\\Documents\\a.txt" << false;
        QTest::newRow("appdata local") << "C:/Users/Me/AppData/Local" << true;
        QTest::newRow("appdata local temp") << "C:/Users/Me/AppData/Local/Temp" << false;
        QTest::newRow("program files x86 any case") << "c:/PROGRAM FILES (X86)/App/x.dll" << true;
        QTest::newRow("program files lookalike") << "C:/Program Files Extra/x" << false;
        QTest::newRow("recovery") << "C:/Recovery/x" << true;
        QTest::newRow("volume information") << "C:\\System Volume Information\\x" << true;
        QTest::newRow("other drive") << "D:/Work/x" << false;
        QTest::newRow("relative") << "Work\\x\\y" << true;
        QTest::newRow("mixed separators") << "C:/Windows\\System32/x" << true;
        QTest::newRow("climbing above drive root") << "C:/Temp/../../Windows/System32/x" << true;
    }

    void windowsProtected()
    {
        QFETCH(QString, path);
        const ProtectionRules rules =
            windowsProtectionRules(QStringLiteral("C:\\Users\\Me"), QStringLiteral("C:\\Windows"),
                                   QStringLiteral("C:\\Program Files"), QStringLiteral("C:\\Program Files (x86)"));
        QTEST(isProtectedPath(path, rules), "expected");
    }

    void platformLocations()
    {
        const QStringList locations = protectedLocations();
#ifdef Q_OS_WIN
        QCOMPARE(locations.size(), 8);
#else
        QVERIFY(locations.contains(QStringLiteral("/usr")) && locations.contains(QStringLiteral("/var/lib")));
        const QString trash = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + "/.local/share") + "/Trash";
        QVERIFY(locations.contains(normalizePath(trash)));
        QVERIFY(!locations.contains(normalizePath(QDir::homePath())));
        QVERIFY(isProtectedPath(QStringLiteral("/etc/passwd")));
        QVERIFY(!isProtectedPath(QDir::homePath() + QStringLiteral("/.cache/something")));
#endif
    }
};

QTEST_GUILESS_MAIN(TestPathRules)
#include "tst_pathrules.moc"

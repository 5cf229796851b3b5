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
    void initTestCase();
    void normalize_data();
    void normalize();
    void regex_data();
    void regex();
    void excluded_data();
    void excluded();
    void emptyListLeavesCacheAlone();
    void eachPatternCompiledOnce();
    void concurrentCallers();
    void linuxProtected_data();
    void linuxProtected();
    void rootHomeIsNotProtectedContent();
    void windowsProtected_data();
    void windowsProtected();
    void windowsLocationsAndDefaults();
    void platformLocations();
};

void TestPathRules::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPathRules::normalize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("capitals") << "/Home/ME/Docs" << "/home/me/docs";
    QTest::newRow("trailing slash") << "/a/b/" << "/a/b";
    QTest::newRow("double slashes") << "//a///b" << "/a/b";
    QTest::newRow("dot and dot-dot") << "/a/./b/../c" << "/a/c";
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

void TestPathRules::normalize()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(normalizePath(path), expected);
}

void TestPathRules::regex_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double star") << "**" << "^.*$";
    QTest::newRow("star") << "*" << "^[^/]*$";
    QTest::newRow("question mark") << "?" << "^[^/]$";
    QTest::newRow("literal escaped") << "a.b" << "^a\\.b$";
    QTest::newRow("with slash") << "**/.git" << "^.*\\/\\.git(/.*)?$";
    QTest::newRow("lower-cased") << "Cache" << "^cache$";
    QTest::newRow("trimmed") << "  node_modules\t" << "^node_modules$";
    QTest::newRow("star runs collapse") << "a***b" << "^a.*b$";
    QTest::newRow("empty ignored") << "" << "";
    QTest::newRow("blanks ignored") << " \t \n" << "";
}

void TestPathRules::regex()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(exclusionRegex(pattern), expected);
}

void TestPathRules::excluded_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<bool>("expected");

    const QString home = QDir::homePath();
    const QString longName(10000, QLatin1Char('a'));

    QTest::newRow("git folder content") << "/src/app/.git/config" << QStringList{"**/.git"} << true;
    QTest::newRow("git pattern capitals") << "/src/app/.git/config" << QStringList{"**/.GIT"} << true;
    QTest::newRow("git path capitals") << "/Src/App/.GIT/config" << QStringList{"**/.git"} << true;
    QTest::newRow("gitignore is not git") << "/src/app/.gitignore" << QStringList{"**/.git"} << false;
    QTest::newRow("component any case") << "/home/me/appdata/local/app/Cache/data_1" << QStringList{"cache"} << true;
    QTest::newRow("node_modules below") << "/p/node_modules/x/y.js" << QStringList{"node_modules"} << true;
    QTest::newRow("tilde folder") << home + "/Projects" << QStringList{"~/Projects"} << true;
    QTest::newRow("tilde inside") << home + "/projects/a/b" << QStringList{"~/Projects"} << true;
    QTest::newRow("tilde prefix only") << home + "/ProjectsOld" << QStringList{"~/Projects"} << false;
    QTest::newRow("? one component char") << "/x/abc/y" << QStringList{"a?c"} << true;
    QTest::newRow("? never a slash") << "/x/a/c" << QStringList{"a?c"} << false;
    QTest::newRow("*.iso file") << "/data/image.ISO" << QStringList{"*.iso"} << true;
    QTest::newRow("*.iso folder content") << "/data/disc.iso/track1" << QStringList{"*.iso"} << true;
    QTest::newRow("*.iso needs the dot") << "/data/iso" << QStringList{"*.iso"} << false;
    QTest::newRow("folder pattern itself") << "/work/data" << QStringList{"/work/data"} << true;
    QTest::newRow("folder pattern content") << "/work/data/sub/f" << QStringList{"/Work/Data/"} << true;
    QTest::newRow("folder pattern sibling") << "/work/database" << QStringList{"/work/data"} << false;
    QTest::newRow("slash pattern anchored") << "/x/a/b" << QStringList{"a/b"} << false;
    QTest::newRow("dot-dot in pattern") << "/work/data/f" << QStringList{"/work/x/../data"} << true;
    QTest::newRow("first of many") << "/src/.git" << QStringList{"", "zzz", "**/.git"} << true;
    QTest::newRow("no pattern matches") << "/src/main.cpp" << QStringList{"*.o", "build"} << false;

    QTest::newRow("empty pattern") << "/a/b" << QStringList{""} << false;
    QTest::newRow("blank patterns") << "/a/b" << QStringList{"   ", "\t\n"} << false;
    QTest::newRow("empty path") << "" << QStringList{"a"} << false;
    QTest::newRow("dot is literal") << "/x/axb" << QStringList{"a.b"} << false;
    QTest::newRow("dot matches dot") << "/x/a.b" << QStringList{"a.b"} << true;
    QTest::newRow("group chars literal") << "/x/(a)" << QStringList{"(a)"} << true;
    QTest::newRow("unbalanced paren") << "/x/a" << QStringList{"(a"} << false;
    QTest::newRow("class is literal") << "/x/a" << QStringList{"[abc]"} << false;
    QTest::newRow("class text matches") << "/x/[abc]" << QStringList{"[abc]"} << true;
    QTest::newRow("alternation literal") << "/x/y" << QStringList{"^$|.*"} << false;
    QTest::newRow("plus literal") << "/x/aa" << QStringList{"a+"} << false;
    QTest::newRow("braces literal") << "/x/aa" << QStringList{"a{2}"} << false;
    QTest::newRow("backslash escape literal") << "/x/5" << QStringList{"\\d"} << false;
    QTest::newRow("dollar caret literal") << "/x/$^" << QStringList{"$^"} << true;
    QTest::newRow("lone surrogate") << "/x/y" << QStringList{QString(QChar(0xD800))} << false;
    QTest::newRow("nul character") << "/x/y" << QStringList{QString(QChar(0))} << false;
    QTest::newRow("huge literal no match") << "/x/" + longName.left(9999) << QStringList{longName} << false;
    QTest::newRow("huge literal match") << "/x/" + longName << QStringList{longName} << true;
    QTest::newRow("huge star run is **") << "/any/path" << QStringList{QString(10000, QLatin1Char('*'))} << true;
    QTest::newRow("huge *a chain") << "/x/" + QString(300, QLatin1Char('a')) + "b"
                                   << QStringList{QString("*a").repeated(5000)} << false;
    QTest::newRow("backtracking bomb") << "/x/" + QString(60, QLatin1Char('a'))
                                       << QStringList{QString("*a").repeated(15) + "*b"} << false;
    QTest::newRow("huge ?-run") << "/x/abc" << QStringList{QString(10000, QLatin1Char('?'))} << false;
    QTest::newRow("huge slashes") << "/x/y" << QStringList{QString("/").repeated(10000)} << false;
}

void TestPathRules::excluded()
{
    QFETCH(QString, path);
    QFETCH(QStringList, patterns);
    QFETCH(bool, expected);
    QCOMPARE(isExcluded(path, patterns), expected);
    // The second call is answered from the cache and must agree.
    QCOMPARE(isExcluded(path, patterns), expected);
}

void TestPathRules::emptyListLeavesCacheAlone()
{
    const int before = compiledPatternCount();
    QVERIFY(!isExcluded(QStringLiteral("/a/b"), {}));
    QCOMPARE(compiledPatternCount(), before);
}

void TestPathRules::eachPatternCompiledOnce()
{
    const int before = compiledPatternCount();
    const QStringList patterns{QStringLiteral("once-only-pattern"), QStringLiteral("ONCE-ONLY-PATTERN")};
    for (int i = 0; i < 5; ++i)
        QVERIFY(isExcluded(QStringLiteral("/x/once-only-pattern"), patterns));
    // Both spellings normalise to one text, so one entry was added.
    QCOMPARE(compiledPatternCount(), before + 1);
}

void TestPathRules::concurrentCallers()
{
    // Each thread mixes shared patterns with its own, so threads fill the
    // cache while others read it.
    constexpr int Threads = 8;
    constexpr int Rounds = 300;
    std::atomic_int wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int i = 0; i < Rounds; ++i) {
                const QString own = QStringLiteral("t%1-p%2").arg(t).arg(i % 40);
                const QStringList patterns{QStringLiteral("**/.git"), own, QStringLiteral("*.tmp")};
                if (!isExcluded(QStringLiteral("/w/%1/file").arg(own), patterns))
                    ++wrong;
                if (!isExcluded(QStringLiteral("/w/repo/.git/x"), patterns))
                    ++wrong;
                if (isExcluded(QStringLiteral("/w/t%1-p%2x/file").arg(t).arg(i % 40), patterns))
                    ++wrong;
                if (!isExcluded(QStringLiteral("/w/a.TMP"), patterns))
                    ++wrong;
            }
        });
    }
    for (std::thread &th : threads)
        th.join();
    QCOMPARE(wrong.load(), 0);
}

void TestPathRules::linuxProtected_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("relative") << "relative/x/y" << true;
    QTest::newRow("root") << "/" << true;
    QTest::newRow("top folder") << "/home" << true;
    QTest::newRow("top folder trailing slash") << "/srv/" << true;
    QTest::newRow("cleaned up to root") << "/home/me/x/../../.." << true;
    QTest::newRow("home") << "/home/me" << true;
    QTest::newRow("home trailing slash") << "/home/me/" << true;
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
    QTest::newRow("usr capitals") << "/USR/Lib" << true;
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
}

void TestPathRules::linuxProtected()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    const ProtectionRules rules =
        linuxProtectionRules(QStringLiteral("/home/me"), {QStringLiteral("/home/me/.local/share/Trash")});
    QCOMPARE(isProtectedPath(path, rules), expected);
}

void TestPathRules::rootHomeIsNotProtectedContent()
{
    const ProtectionRules rules = linuxProtectionRules(QStringLiteral("/root"), {});
    QVERIFY(isProtectedPath(QStringLiteral("/root"), rules));
    QVERIFY(isProtectedPath(QStringLiteral("/root/.cache"), rules));
    QVERIFY(!isProtectedPath(QStringLiteral("/root/.cache/pip"), rules));
    QVERIFY(!rules.locations.contains(QStringLiteral("/root")));
}

void TestPathRules::windowsProtected_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    QTest::newRow("drive root") << "C:\\" << true;
    QTest::newRow("drive only") << "C:" << true;
    QTest::newRow("windows folder") << "C:\\Windows" << true;
    QTest::newRow("windows temp") << "C:\\Windows\\Temp" << false;
    QTest::newRow("drivers") << "C:\\Windows\\System32\\drivers" << true;
    QTest::newRow("system32 prefix only") << "C:/Windows/System32x/a" << false;
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

void TestPathRules::windowsProtected()
{
    QFETCH(QString, path);
    QFETCH(bool, expected);
    const ProtectionRules rules =
        windowsProtectionRules(QStringLiteral("C:\\Users\\Me"), QStringLiteral("C:\\Windows"),
                               QStringLiteral("C:\\Program Files"), QStringLiteral("C:\\Program Files (x86)"));
    QCOMPARE(isProtectedPath(path, rules), expected);
}

void TestPathRules::windowsLocationsAndDefaults()
{
    const QStringList expected{
        "d:/win/system32", "d:/win/syswow64", "d:/win/winsxs", "d:/win/boot",
        "d:/pf", "d:/pf86", "c:/recovery", "c:/system volume information",
    };
    QCOMPARE(windowsProtectedLocations("D:\\Win", "D:/PF", "D:/PF86"), expected);
}

void TestPathRules::platformLocations()
{
    const QStringList locations = protectedLocations();
    QVERIFY(!protectedLocationsText().isEmpty());
#ifdef Q_OS_WIN
    QCOMPARE(locations.size(), 8);
#else
    QVERIFY(locations.contains(QStringLiteral("/usr")));
    QVERIFY(locations.contains(QStringLiteral("/var/lib")));
    QVERIFY(locations.contains(normalizePath(qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + "/.local/share")
                                             + QStringLiteral("/Trash"))));
    QVERIFY(!locations.contains(normalizePath(QDir::homePath())));
    QCOMPARE(protectedLocationsText(), QStringLiteral("/usr, /etc, /boot, /var/lib, system folders"));
    QVERIFY(isProtectedPath(QStringLiteral("/etc/passwd")));
    QVERIFY(!isProtectedPath(QDir::homePath() + QStringLiteral("/.cache/something")));
#endif
}

QTEST_GUILESS_MAIN(TestPathRules)
#include "tst_pathrules.moc"

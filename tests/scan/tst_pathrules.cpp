#include "scan/pathrules.h"
#include "support/testsupport.h"

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
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/exclusions.tsv"), 4)) {
            const QString path = f[1].startsWith(u"~/") ? QDir::homePath() + f[1].mid(1) : f[1];
            QVERIFY2(f[3] == u"true" || f[3] == u"false", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << path << f[2].split(u' ') << (f[3] == u"true");
        }
        // Patterns a blank-separated column cannot hold, or thousands of characters long.
        const QString longName(10000, QLatin1Char('a'));
        QTest::newRow("pattern trimmed") << "/p/node_modules/x" << QStringList{"  node_modules\t"} << true;
        QTest::newRow("first of many") << "/src/.git" << QStringList{"", "zzz", "**/.git"} << true;
        QTest::newRow("empty and blank patterns") << "/a/b" << QStringList{"", "   ", "\t\n"} << false;
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

    // Paths a cleanup must never enter, by the Linux and the Windows rules.
    void protectedPath_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/protectedpaths.tsv"), 4)) {
            QVERIFY2(f[1].startsWith(u"linux") || f[1] == u"windows", qPrintable(f[0]));
            QVERIFY2(f[3] == u"true" || f[3] == u"false", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << (f[3] == u"true");
        }
    }

    void protectedPath()
    {
        QFETCH(QString, rules);
        QFETCH(QString, path);
        const QString home = rules.section(u' ', 1);
        const ProtectionRules protection =
            rules == u"windows"
                ? windowsProtectionRules(QStringLiteral("C:\\Users\\Me"), QStringLiteral("C:\\Windows"),
                                         QStringLiteral("C:\\Program Files"), QStringLiteral("C:\\Program Files (x86)"))
            : home.isEmpty() ? linuxProtectionRules(QStringLiteral("/home/me"), {QStringLiteral("/home/me/.local/share/Trash")})
                             : linuxProtectionRules(home, {});
        QTEST(isProtectedPath(path, protection), "expected");
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

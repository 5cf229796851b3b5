#include "scan/scanner.h"
#include "scan/fs.h"

#include "support/testsupport.h"

#include <QStandardPaths>
#include <QtTest>

#include <optional>

#ifdef Q_OS_UNIX
#include "app/trash.h"
#include "support/holder.h"

#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

CategoryRoot labelled(const QString &path, const QString &label = QStringLiteral("Root"))
{
    CategoryRoot r;
    r.path = path;
    r.label = label;
    return r;
}

CategoryRoot listing(const QString &path, const QStringList &patterns = {})
{
    CategoryRoot r;
    r.path = path;
    r.patterns = patterns;
    return r;
}

CategoryDef def(const QString &id, const QList<CategoryRoot> &roots)
{
    CategoryDef d;
    d.id = d.name = id;
    d.roots = roots;
    d.isTrash = id == QLatin1String("trash");
    return d;
}

struct Outcome
{
    QList<CategoryResult> results;
    bool cancelled = false;
};

// Starts the scanner and waits for its finished signal (delivered queued;
// qWaitFor polls, so a signal that comes before the wait is not missed).
bool runToEnd(Scanner &scanner, Outcome &outcome, const QStringList &exclusions = {})
{
    bool done = false;
    QObject::connect(&scanner, &Scanner::finished, &scanner, [&](const QList<CategoryResult> &results, bool cancelled) {
        outcome = {results, cancelled};
        done = true;
    });
    scanner.start(exclusions);
    return QTest::qWaitFor([&] { return done; }, 30000);
}

Outcome scan(const QList<CategoryDef> &defs, const QStringList &exclusions = {})
{
    Scanner scanner([defs] { return defs; });
    Outcome o;
    return runToEnd(scanner, o, exclusions) ? o : Outcome();
}

QStringList itemPaths(const CategoryResult &r)
{
    QStringList out;
    for (const ScanItem &i : r.items)
        out.append(i.path);
    return out;
}

// Labels of the items, sorted.
QStringList labels(const CategoryResult &r)
{
    QStringList out;
    for (const ScanItem &i : r.items)
        out.append(i.label);
    out.sort();
    return out;
}

} // namespace

class TestScanner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_UNIX
        // cleanup() empties the trash under XDG_DATA_HOME.
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
#endif
    }

#ifdef Q_OS_UNIX
    void cleanup() { QDir(trash::homeTrash()).removeRecursively(); }
#endif

    void cancelDuringThirdCategory()
    {
        TempFolder tmp;
        tmp.makeFile(QStringLiteral("a/f"), "x");
        QList<CategoryDef> defs;
        for (int i = 0; i < 4; ++i)
            defs.append(def(QStringLiteral("c%1").arg(i), {labelled(tmp.path(QStringLiteral("a")))}));

        Scanner scanner([defs] { return defs; });
        // Called on the worker itself, so the stop lands inside category 2.
        connect(&scanner, &Scanner::categoryStarted, &scanner, [&scanner](int i) {
            if (i == 2)
                scanner.stop();
        }, Qt::DirectConnection);
        QList<int> finishedCategories;
        connect(&scanner, &Scanner::categoryFinished, this, [&](int i) { finishedCategories.append(i); });
        Outcome o;
        QVERIFY(runToEnd(scanner, o));
        QCOMPARE(o.results.size(), 2);
        QCOMPARE(o.results.at(1).id, QStringLiteral("c1"));
        QVERIFY(o.cancelled);
        QCOMPARE(finishedCategories, QList<int>({0, 1}));
    }

    // A labelled root is one item whose contents go; a listing root offers
    // each entry (matching its patterns, if any) as an item, largest first.
    void roots()
    {
        TempFolder tmp;
        tmp.makeFileOfSize(QStringLiteral("cache/x/1"), 4096);
        tmp.makeFileOfSize(QStringLiteral("cache/x/2"), 4096);
        tmp.makeFileOfSize(QStringLiteral("cache/y"), 8192);
        // Nothing to reclaim: neither is listed, but the file is counted.
        tmp.makeFile(QStringLiteral("cache/empty-file"));
        tmp.makeDir(QStringLiteral("cache/empty-folder"));
        for (const char *name : {"thumbcache_32.db", "THUMBCACHE_IDX.DB", "iconcache_16.db", "thumbcache.db",
                                 "notes.db", "iconcache_1.db.bak"})
            tmp.makeFileOfSize(QStringLiteral("explorer/") + QLatin1String(name), 4096);
        const QString cache = tmp.path(QStringLiteral("cache"));
        const CategoryRoot thumbs = listing(tmp.path(QStringLiteral("explorer")),
                                            {QStringLiteral("thumbcache_*.db"), QStringLiteral("iconcache_*.db")});
        const Outcome o = scan({def(QStringLiteral("dev"), {labelled(cache, QStringLiteral("Cache"))}),
                                def(QStringLiteral("temp"), {listing(cache)}), def(QStringLiteral("thumbs"), {thumbs})});
        QCOMPARE(o.results.size(), 3);

        const CategoryResult &whole = o.results.at(0);
        QCOMPARE(itemPaths(whole), QStringList{cache});
        QCOMPARE(whole.items.at(0).label, QStringLiteral("Cache"));
        QVERIFY(whole.items.at(0).contentsOnly);
        QCOMPARE(whole.items.at(0).files, 4);
        QCOMPARE(whole.bytes, 16384);

        const CategoryResult &perEntry = o.results.at(1);
        QCOMPARE(itemPaths(perEntry),
                 QStringList({tmp.path(QStringLiteral("cache/x")), tmp.path(QStringLiteral("cache/y"))}));
        QCOMPARE(perEntry.items.at(0).label, QStringLiteral("x"));
        QCOMPARE(perEntry.items.at(0).bytes, 8192);
        QVERIFY(!perEntry.items.at(0).contentsOnly);
        QCOMPARE(perEntry.files, 4);

        QCOMPARE(labels(o.results.at(2)), QStringList({QStringLiteral("THUMBCACHE_IDX.DB"),
                                                       QStringLiteral("iconcache_16.db"),
                                                       QStringLiteral("thumbcache_32.db")}));
    }

    void leftOut_data()
    {
        QTest::addColumn<QString>("root");    // relative to the base
        QTest::addColumn<bool>("labelledRoot");
        QTest::addColumn<bool>("inHome");     // else a scratch folder
        QTest::addColumn<QStringList>("names");  // files made in the root
        QTest::addColumn<QStringList>("exclusions");
        QTest::addColumn<QStringList>("expected");  // item labels

        const QStringList plain{"keep.bin", "drop.tmp"};
        QTest::newRow("labelled root excluded") << "cache" << true << false << plain << QStringList{"cache"}
                                                << QStringList();
        QTest::newRow("root inside a password manager's folder")
            << "Bitwarden/cache" << true << false << plain << QStringList() << QStringList();
        QTest::newRow("guarded entry of a listing root") << "apps" << false << false
                                                         << QStringList{"KeePassXC/db", "plain"} << QStringList()
                                                         << QStringList{"plain"};
        // Backups, undo histories and tokens are the user's, wherever they lie.
        QTest::newRow("kept names in a listing root") << "temp" << false << false
                                                      << QStringList{"backup/old.bin", "token", "plain"}
                                                      << QStringList() << QStringList{"plain"};
#ifndef Q_OS_WIN // the profile holds the system's own folders too
        // "alias" beside the root is a link to it.
        QTest::newRow("entry excluded through a link") << "temp" << false << false << plain
                                                       << QStringList{"%1/alias/keep.bin"} << QStringList{"drop.tmp"};
        QTest::newRow("root excluded through a link") << "cache" << true << false << plain
                                                      << QStringList{"%1/alias"} << QStringList();
        QTest::newRow("protected entries of the home folder")
            << "" << false << true << QStringList{".cache/big", ".config/app.conf", "junk"} << QStringList()
            << QStringList{"junk"};
#endif
    }

    void leftOut()
    {
        QFETCH(QString, root);
        QFETCH(bool, labelledRoot);
        QFETCH(bool, inHome);
        QFETCH(QStringList, names);
        QFETCH(QStringList, exclusions);

        TempFolder tmp;
        const QString top = inHome ? QDir::homePath() : tmp.path();
        const QString dir = root.isEmpty() ? top : top + QLatin1Char('/') + root;
        QStringList made;
        auto removeFromHome = qScopeGuard([&] {
            if (inHome)
                for (const QString &p : std::as_const(made))
                    QFile::remove(p);
        });
        for (const QString &name : std::as_const(names)) {
            const QString p = dir + QLatin1Char('/') + name;
            QVERIFY(QDir().mkpath(QFileInfo(p).path()));
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(100, 'x'));
            made.append(p);
        }

#ifndef Q_OS_WIN
        QVERIFY(inHome || QFile::link(dir, tmp.path(QStringLiteral("alias"))));
#endif
        const CategoryRoot r = labelledRoot ? labelled(dir) : listing(dir);
        const Outcome o = scan({def(QStringLiteral("logs"), {r})}, exclusions.replaceInStrings(u"%1", top));
        QTEST(labels(o.results.value(0)), "expected");
    }

    // The age rule at its edge: an entry last touched exactly the minimum
    // age ago is still too young, a millisecond more and it is offered. The
    // scanner reads its clock once a category; the test pins that reading
    // between the category's start and the first entry of one root, and
    // dates the entries of the next root, not yet listed, from it.
    void ageBoundary()
    {
        constexpr qint64 day = 24 * 60 * 60 * 1000;
        TempFolder tmp;
        for (const char *name : {"first/x", "second/exact", "second/older"})
            QVERIFY(!tmp.makeFile(QString::fromLatin1(name), "x").isEmpty());
        CategoryRoot first = listing(tmp.path(QStringLiteral("first")));
        CategoryRoot second = listing(tmp.path(QStringLiteral("second")));
        first.minAgeMs = second.minAgeMs = day;
        const QList<CategoryDef> defs{def(QStringLiteral("temp"), {first, second})};
        // A modification time ahead of the real clock outweighs the change
        // time that setting it leaves.
        fs::detail::setClockOffset(2 * day);
        Scanner::setProgressInterval(0);
        const auto restore = qScopeGuard([] {
            fs::detail::setClockOffset(0);
            Scanner::setProgressInterval(60);  // the default
        });
        for (int attempt = 0; attempt < 50; ++attempt) {
            Scanner scanner([defs] { return defs; });
            qint64 startedAt = 0;
            bool dated = false;
            connect(&scanner, &Scanner::categoryStarted, &scanner, [&](int) { startedAt = fs::now(); },
                    Qt::DirectConnection);
            connect(&scanner, &Scanner::progress, &scanner, [&](qint64, qint64, const QString &path) {
                if (path == tmp.path(QStringLiteral("first/x")) && fs::now() == startedAt)
                    dated = tmp.setMTime(QStringLiteral("second/exact"), QDateTime::fromMSecsSinceEpoch(startedAt - day))
                        && tmp.setMTime(QStringLiteral("second/older"), QDateTime::fromMSecsSinceEpoch(startedAt - day - 1));
            }, Qt::DirectConnection);
            Outcome o;
            QVERIFY(runToEnd(scanner, o));
            if (dated) {
                QCOMPARE(labels(o.results.value(0)), (QStringList{QStringLiteral("older"), QStringLiteral("x")}));
                return;
            }
        }
        QFAIL("the clock never held still for the length of one root");
    }

#ifdef Q_OS_UNIX
    // An empty bin offers nothing; a full one's item and figures are the
    // cleanup page's tests.
    void emptyRecycleBinOffersNothing()
    {
        if (trash::allTrashFolders() != QStringList{} && trash::allTrashFolders() != QStringList{trash::homeTrash()})
            QSKIP("this machine has other trash folders; their contents would show up");
        QVERIFY(scan({def(QStringLiteral("trash"), {})}).results.value(0).items.isEmpty());
    }
#endif

    void runningOwners_data()
    {
        QTest::addColumn<QString>("categoryId");
        QTest::addColumn<bool>("held");  // the item is a home dot-folder's, else the cache folder's
        QTest::addColumn<QString>("owner");
        QTest::newRow("appcache") << "appcache" << false << "tst_scanner";
        QTest::newRow("browser") << "browser" << false << "tst_scanner";
#ifdef Q_OS_UNIX
        QTest::newRow("dev, a program working beside the item") << "dev" << true << "tst_scanner";
#endif
        QTest::newRow("other categories do not ask") << "logs" << false << "";
    }

    void runningOwners()
    {
        QFETCH(QString, categoryId);
        QFETCH(bool, held);
#ifdef Q_OS_WIN
        if (!testsupport::runsUnderWine())
            QSKIP("would write into this user's own %LOCALAPPDATA%");
        TempFolder product(QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")));
#else
        TempFolder product(held ? QDir::homePath() : qEnvironmentVariable("XDG_CACHE_HOME"));
        // A child of this program works in the tool's folder, beside the item.
        std::optional<testsupport::Holder> holder;
        if (held) {
            holder.emplace(product.makeDir(QStringLiteral("daemon")), testsupport::Holder::WorkingFolder);
            QVERIFY(holder->ready());
        }
#endif
        // Otherwise this test program is running, and the item is named after it.
        const QString item = held ? QStringLiteral("caches") : QStringLiteral("tst_scanner");
        product.makeFile(item + QStringLiteral("/blob"), "data");
        const Outcome o = scan({def(categoryId, {labelled(product.path(item))})});
        QCOMPARE(o.results.value(0).items.size(), 1);
        QTEST(o.results.at(0).items.at(0).runningApp, "owner");
    }
};

QTEST_GUILESS_MAIN(TestScanner)
#include "tst_scanner.moc"

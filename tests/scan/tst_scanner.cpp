#include "scan/scanner.h"

#include "app/trash.h"
#include "support/testsupport.h"

#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;

CategoryRoot labelled(const QString &path, const QString &label)
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
    d.id = id;
    d.name = id;
    d.roots = roots;
    return d;
}

CategoryDef trashDef()
{
    CategoryDef d = def(QStringLiteral("trash"), {});
    d.isTrash = true;
    return d;
}

struct Outcome
{
    QList<CategoryResult> results;
    bool cancelled = false;
};

// Polls instead of QSignalSpy::wait, which misses a signal that arrives
// before it starts waiting.
template<typename Done>
bool waitUntil(Done done, int ms = 30000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Starts the scanner and waits for its finished signal (delivered queued).
bool runToEnd(Scanner &scanner, Outcome &outcome, const QStringList &exclusions = {})
{
    bool done = false;
    QObject::connect(&scanner, &Scanner::finished, &scanner,
                     [&](const QList<CategoryResult> &results, bool cancelled) {
                         outcome = {results, cancelled};
                         done = true;
                     });
    scanner.start(exclusions);
    return waitUntil([&] { return done; });
}

Outcome scan(const QList<CategoryDef> &defs, const QStringList &exclusions = {})
{
    Scanner scanner([defs] { return defs; });
    Outcome o;
    if (!runToEnd(scanner, o, exclusions))
        return {};
    return o;
}

QStringList itemPaths(const CategoryResult &r)
{
    QStringList out;
    for (const ScanItem &i : r.items)
        out.append(i.path);
    return out;
}

} // namespace

class TestScanner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void signalOrderAndPayloads();
    void cancelDuringThirdCategory();
    void listingAndLabelledRoots();
    void thumbsPatterns();
    void leftOut_data();
    void leftOut();
    void recycleBin_data();
    void recycleBin();
    void sharedFolderRules();
    void runningOwners_data();
    void runningOwners();
};

void TestScanner::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
}

void TestScanner::cleanup()
{
    QDir(trash::homeTrash()).removeRecursively();
}

void TestScanner::signalOrderAndPayloads()
{
    TempFolder tmp;
    tmp.makeFileOfSize(QStringLiteral("a/one"), 4096);
    tmp.makeFileOfSize(QStringLiteral("b/two"), 4096);
    tmp.makeFileOfSize(QStringLiteral("b/three"), 8192);
    const QList<CategoryDef> defs{def(QStringLiteral("dev"), {labelled(tmp.path(QStringLiteral("a")), QStringLiteral("A"))}),
                                  def(QStringLiteral("logs"), {listing(tmp.path(QStringLiteral("b")))}),
                                  trashDef()};

    Scanner scanner([defs] { return defs; });
    QStringList events;
    connect(&scanner, &Scanner::started, this, [&](const QList<CategoryDef> &d) {
        events << QStringLiteral("started %1").arg(d == defs ? QStringLiteral("defs") : QStringLiteral("other"));
    });
    connect(&scanner, &Scanner::categoryStarted, this, [&](int i) { events << QStringLiteral("begin %1").arg(i); });
    connect(&scanner, &Scanner::progress, this, [&](qint64 bytes, qint64 files, const QString &path) {
        events << QStringLiteral("progress %1 %2 '%3'").arg(bytes).arg(files).arg(path);
    });
    connect(&scanner, &Scanner::categoryFinished, this, [&](int i, const CategoryResult &r) {
        events << QStringLiteral("end %1 %2 %3 %4").arg(i).arg(r.id).arg(r.bytes).arg(r.files);
    });
    Outcome o;
    QVERIFY(runToEnd(scanner, o));
    QCOMPARE(events.size(), 10);
    QCOMPARE(events, QStringList({
                         QStringLiteral("started defs"),
                         QStringLiteral("begin 0"),
                         QStringLiteral("end 0 dev 4096 1"),
                         QStringLiteral("progress 4096 1 ''"),
                         QStringLiteral("begin 1"),
                         QStringLiteral("end 1 logs 12288 2"),
                         QStringLiteral("progress 16384 3 ''"),
                         QStringLiteral("begin 2"),
                         QStringLiteral("end 2 trash 0 0"),
                         QStringLiteral("progress 16384 3 ''"),
                     }));
    QCOMPARE(o.results.size(), 3);
    QCOMPARE(o.cancelled, false);
    // Items largest first.
    QCOMPARE(itemPaths(o.results.at(1)), QStringList({tmp.path(QStringLiteral("b/three")), tmp.path(QStringLiteral("b/two"))}));
    QVERIFY(!scanner.isRunning());
}

void TestScanner::cancelDuringThirdCategory()
{
    TempFolder tmp;
    tmp.makeFile(QStringLiteral("a/f"), "x");
    QList<CategoryDef> defs;
    for (int i = 0; i < 4; ++i)
        defs.append(def(QStringLiteral("c%1").arg(i), {labelled(tmp.path(QStringLiteral("a")), QStringLiteral("A"))}));

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
    QCOMPARE(o.cancelled, true);
    QCOMPARE(finishedCategories, QList<int>({0, 1}));
}

void TestScanner::listingAndLabelledRoots()
{
    TempFolder tmp;
    tmp.makeFileOfSize(QStringLiteral("cache/x/1"), 4096);
    tmp.makeFileOfSize(QStringLiteral("cache/x/2"), 4096);
    tmp.makeFileOfSize(QStringLiteral("cache/y"), 8192);
    // Nothing to reclaim: neither is listed, but the file is counted.
    tmp.makeFile(QStringLiteral("cache/empty-file"));
    tmp.makeDir(QStringLiteral("cache/empty-folder"));
    const QString cache = tmp.path(QStringLiteral("cache"));
    const Outcome o = scan({def(QStringLiteral("dev"), {labelled(cache, QStringLiteral("Cache"))}),
                            def(QStringLiteral("temp"), {listing(cache)})});
    QCOMPARE(o.results.size(), 2);

    const CategoryResult &whole = o.results.at(0);
    QCOMPARE(whole.items.size(), 1);
    QCOMPARE(whole.items.at(0).path, cache);
    QCOMPARE(whole.items.at(0).label, QStringLiteral("Cache"));
    QVERIFY(whole.items.at(0).contentsOnly);
    QCOMPARE(whole.items.at(0).files, 4);
    QCOMPARE(whole.bytes, 16384);

    const CategoryResult &perEntry = o.results.at(1);
    QCOMPARE(itemPaths(perEntry), QStringList({tmp.path(QStringLiteral("cache/x")), tmp.path(QStringLiteral("cache/y"))}));
    QCOMPARE(perEntry.items.at(0).label, QStringLiteral("x"));
    QCOMPARE(perEntry.items.at(0).bytes, 8192);
    QVERIFY(!perEntry.items.at(0).contentsOnly);
    QCOMPARE(perEntry.files, 4);
}

void TestScanner::thumbsPatterns()
{
    TempFolder tmp;
    for (const char *name : {"thumbcache_32.db", "THUMBCACHE_IDX.DB", "iconcache_16.db", "thumbcache.db",
                             "notes.db", "iconcache_1.db.bak"})
        tmp.makeFileOfSize(QStringLiteral("explorer/") + QLatin1String(name), 4096);
    const Outcome o = scan({def(QStringLiteral("thumbs"),
                                {listing(tmp.path(QStringLiteral("explorer")),
                                         {QStringLiteral("thumbcache_*.db"), QStringLiteral("iconcache_*.db")})})});
    QStringList labels;
    for (const ScanItem &i : o.results.at(0).items)
        labels.append(i.label);
    labels.sort();
    QCOMPARE(labels, QStringList({QStringLiteral("THUMBCACHE_IDX.DB"), QStringLiteral("iconcache_16.db"),
                                  QStringLiteral("thumbcache_32.db")}));
}

void TestScanner::leftOut_data()
{
    QTest::addColumn<QString>("root");    // relative to the base
    QTest::addColumn<bool>("labelledRoot");
    QTest::addColumn<QString>("base");    // "tmp" or "home"
    QTest::addColumn<QStringList>("exclusions");
    QTest::addColumn<QStringList>("expected");  // item labels

    QTest::newRow("labelled root excluded") << "cache" << true << "tmp" << QStringList{QStringLiteral("cache")}
                                            << QStringList();
    QTest::newRow("entries of a listing root excluded one by one")
        << "cache" << false << "tmp" << QStringList{QStringLiteral("*.tmp")}
        << QStringList{QStringLiteral("keep.bin")};
    QTest::newRow("root inside a password manager's folder") << "Bitwarden/cache" << true << "tmp" << QStringList()
                                                             << QStringList();
    QTest::newRow("guarded entry of a listing root") << "apps" << false << "tmp" << QStringList()
                                                     << QStringList{QStringLiteral("plain")};
    QTest::newRow("protected entries of the home folder") << "" << false << "home" << QStringList()
                                                          << QStringList{QStringLiteral("junk")};
}

void TestScanner::leftOut()
{
    QFETCH(QString, root);
    QFETCH(bool, labelledRoot);
    QFETCH(QString, base);
    QFETCH(QStringList, exclusions);
    QFETCH(QStringList, expected);

    TempFolder tmp;
    const QString top = base == QLatin1String("home") ? QDir::homePath() : tmp.path();
    const QString dir = root.isEmpty() ? top : top + QLatin1Char('/') + root;
    QStringList made;
    auto make = [&](const QString &rel) {
        const QString p = dir + QLatin1Char('/') + rel;
        QVERIFY(QDir().mkpath(QFileInfo(p).path()));
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, 'x'));
        made.append(p);
    };
    if (base == QLatin1String("home")) {
        make(QStringLiteral(".cache/big"));
        make(QStringLiteral(".config/app.conf"));
        make(QStringLiteral("junk"));
    } else if (root == QLatin1String("apps")) {
        make(QStringLiteral("KeePassXC/db"));
        make(QStringLiteral("plain"));
    } else {
        make(QStringLiteral("keep.bin"));
        make(QStringLiteral("drop.tmp"));
    }

    const CategoryRoot r = labelledRoot ? labelled(dir, QStringLiteral("Root")) : listing(dir);
    const Outcome o = scan({def(QStringLiteral("logs"), {r})}, exclusions);
    QStringList labels;
    for (const ScanItem &i : o.results.at(0).items)
        labels.append(i.label);
    labels.sort();
    if (labelledRoot && !expected.isEmpty())
        expected = {QStringLiteral("Root")};
    QCOMPARE(labels, expected);
    if (base == QLatin1String("home")) {
        for (const QString &p : std::as_const(made))
            QFile::remove(p);
    }
}

void TestScanner::recycleBin_data()
{
    QTest::addColumn<bool>("holdsSomething");
    QTest::newRow("empty") << false;
    QTest::newRow("one entry") << true;
}

void TestScanner::recycleBin()
{
    QFETCH(bool, holdsSomething);
    if (trash::allTrashFolders() != QStringList{} && trash::allTrashFolders() != QStringList{trash::homeTrash()})
        QSKIP("this machine has other trash folders; their contents would show up");
    if (holdsSomething) {
        QVERIFY(QDir().mkpath(trash::homeTrash() + QStringLiteral("/files")));
        QFile f(trash::homeTrash() + QStringLiteral("/files/old"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    const Outcome o = scan({trashDef()});
    const CategoryResult &r = o.results.at(0);
    if (!holdsSomething) {
        QVERIFY(r.items.isEmpty());
        QCOMPARE(r.bytes, 0);
        return;
    }
    QCOMPARE(r.items.size(), 1);
    QCOMPARE(r.items.at(0).label, QStringLiteral("Trash (all drives)"));
    QVERIFY(r.items.at(0).path.isEmpty());
    QVERIFY(!r.items.at(0).contentsOnly);
    QVERIFY(r.bytes >= 5000);
    QCOMPARE(r.files, 1);
}

void TestScanner::sharedFolderRules()
{
    TempFolder tmp;
    const QDateTime old = QDateTime::currentDateTime().addDays(-2);
    tmp.makeFileOfSize(QStringLiteral("shared/fresh"), 4096);
    tmp.makeFileOfSize(QStringLiteral("shared/old"), 4096);
    QVERIFY(tmp.setMTime(QStringLiteral("shared/old"), old));
    tmp.makeFileOfSize(QStringLiteral("shared/live-folder/new"), 4096);
    QVERIFY(tmp.setMTime(QStringLiteral("shared/live-folder"), old));
    tmp.makeFileOfSize(QStringLiteral("shared/stale-folder/f"), 4096);
    QVERIFY(tmp.setMTime(QStringLiteral("shared/stale-folder/f"), old));
    QVERIFY(tmp.setMTime(QStringLiteral("shared/stale-folder"), old));
    QStringList expected{QStringLiteral("old"), QStringLiteral("stale-folder")};
    if (::geteuid() == 0) {
        // Another user's old file in the same folder.
        const QString theirs = tmp.makeFileOfSize(QStringLiteral("shared/theirs"), 4096);
        QVERIFY(tmp.setMTime(QStringLiteral("shared/theirs"), old));
        QVERIFY(::lchown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0);
    }

    CategoryRoot root = listing(tmp.path(QStringLiteral("shared")));
    root.ownEntriesOnly = true;
    root.minAgeMs = kDayMs;
    const Outcome o = scan({def(QStringLiteral("temp"), {root})});
    QStringList labels;
    for (const ScanItem &i : o.results.at(0).items)
        labels.append(i.label);
    labels.sort();
    QCOMPARE(labels, expected);
}

void TestScanner::runningOwners_data()
{
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("owner");
    QTest::newRow("appcache") << "appcache" << "tst_scanner";
    QTest::newRow("browser") << "browser" << "tst_scanner";
    QTest::newRow("other categories do not ask") << "dev" << "";
}

void TestScanner::runningOwners()
{
    QFETCH(QString, categoryId);
    QFETCH(QString, owner);
    // This test program is running, and the cache folder is named after it.
    const QString dir = qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/tst_scanner");
    QVERIFY(QDir().mkpath(dir));
    QFile f(dir + QStringLiteral("/blob"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("data");
    f.close();
    const Outcome o = scan({def(categoryId, {labelled(dir, QStringLiteral("Mine"))})});
    QDir(dir).removeRecursively();
    QCOMPARE(o.results.at(0).items.size(), 1);
    QCOMPARE(o.results.at(0).items.at(0).runningApp, owner);
}

QTEST_GUILESS_MAIN(TestScanner)
#include "tst_scanner.moc"

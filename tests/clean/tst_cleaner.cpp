#include "clean/cleaner.h"
#include "clean/cleanuplog.h"

#include "app/trash.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QDateTime kStart(QDate(2026, 12, 5), QTime(10, 15, 30));

ScanItem item(const QString &path, qint64 bytes = 4096, qint64 files = 1, bool contentsOnly = false)
{
    ScanItem i;
    i.path = path;
    i.label = path.section(QLatin1Char('/'), -1);
    i.bytes = bytes;
    i.files = files;
    i.contentsOnly = contentsOnly;
    return i;
}

CategoryResult category(const QString &id, const QString &name, int risk, const QList<ScanItem> &items)
{
    CategoryResult r;
    r.id = id;
    r.name = name;
    r.risk = risk;
    r.items = items;
    for (const ScanItem &i : items) {
        r.bytes += i.bytes;
        r.files += i.files;
    }
    return r;
}

CategoryResult temp(const QList<ScanItem> &items)
{
    return category(QStringLiteral("temp"), QStringLiteral("Temporary files"), Safe, items);
}

// Polls instead of QSignalSpy::wait, which misses a signal that arrives
// before it starts waiting.
template<typename Done>
bool waitUntil(Done done, int ms = 60000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Starts a run and waits for its report (delivered queued).
bool runToEnd(Cleaner &cleaner, const QList<CategoryResult> &results, bool toTrash, const QStringList &exclusions,
              CleanReport &report)
{
    bool done = false;
    QObject::connect(&cleaner, &Cleaner::finished, &cleaner, [&](const CleanReport &r) {
        report = r;
        done = true;
    });
    cleaner.start(results, toTrash, exclusions);
    return waitUntil([&] { return done; }) && !cleaner.isRunning();
}

CleanReport clean(const QList<CategoryResult> &results, bool toTrash, const QStringList &exclusions = {})
{
    Cleaner cleaner;
    cleaner.setClock([] { return kStart; });
    cleaner.setRetryDelay(10);
    CleanReport report;
    if (!runToEnd(cleaner, results, toTrash, exclusions, report))
        return {};
    return report;
}

QStringList logLines(const CleanReport &r)
{
    QFile f(r.logPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// A process that keeps `path` open until it is killed.
class Holder final
{
public:
    explicit Holder(const QString &path)
    {
        m_process.start(QStringLiteral("/bin/sh"),
                        {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; echo ready; exec sleep 60"), path});
        m_ready = m_process.waitForReadyRead(10000);
    }
    ~Holder() { release(); }
    bool isReady() const { return m_ready; }
    void release()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    bool m_ready = false;
};

QString trashFiles()
{
    return trash::homeTrash() + QStringLiteral("/files");
}

} // namespace

class TestCleaner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void emptyRunLog();
    void smallRunLog();
    void itemOutcomes_data();
    void itemOutcomes();
    void modes_data();
    void modes();
    void vanishedItemCountsAsFreed();
    void samplesStopAtFive();
    void recycleBin_data();
    void recycleBin();
    void busyFileFreesUpBetweenRetries();
    void fileStaysBusy_data();
    void fileStaysBusy();
    void linkSwapNeverReachesTheTarget_data();
    void linkSwapNeverReachesTheTarget();
    void specialFilesStay_data();
    void specialFilesStay();
    void mountedVolumeStays_data();
    void mountedVolumeStays();
    void awkwardNames_data();
    void awkwardNames();
    void readOnlyFolder();
    void logFolderCannotBeCreated();
    void destroyedMidRunFinishesItsLog();
};

void TestCleaner::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
}

void TestCleaner::cleanup()
{
    QDir(trash::homeTrash()).removeRecursively();
}

void TestCleaner::emptyRunLog()
{
    const CleanReport r = clean({}, false);
    QCOMPARE(r.logPath, CleanupLog::folder() + QStringLiteral("/cleanup-20261205-101530.log"));
    CleanReport expected;
    expected.logPath = r.logPath;
    QCOMPARE(r, expected);
    QFile f(r.logPath);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Varnholt cleanup 2026-12-05T10:15:30\n"
                                     "Mode: delete permanently\n"
                                     "Selected: 0 KB\n"
                                     "\n"
                                     "\n"
                                     "Freed 0 KB, removed 0 files, skipped 0.\n"));
}

void TestCleaner::smallRunLog()
{
    TempFolder tmp;
    const QString a = tmp.makeFile(QStringLiteral("a.txt"), "a");
    const QString keep = tmp.makeFile(QStringLiteral("keep"), "k");
    const QString guarded = tmp.makeFile(QStringLiteral("bitwarden/vault"), "v");
    tmp.makeFile(QStringLiteral("npm/one"), "1");
    tmp.makeFile(QStringLiteral("npm/two"), "2");
    const QString npm = tmp.path(QStringLiteral("npm"));
    const QString bitwarden = tmp.path(QStringLiteral("bitwarden"));

    const QList<CategoryResult> results{
        temp({item(a, 10240), item(keep, 10240), item(bitwarden, 10240)}),
        category(QStringLiteral("dev"), QStringLiteral("Developer caches"), Permanent, {item(npm, 20480, 2, true)}),
    };
    const CleanReport r = clean(results, true, {QStringLiteral("keep")});

    QCOMPARE(logLines(r), QStringList({
                              QStringLiteral("Varnholt cleanup 2026-12-05T10:15:30"),
                              QStringLiteral("Mode: move to Trash"),
                              QStringLiteral("Selected: 50 KB"),
                              QString(),
                              QStringLiteral("== Temporary files (30 KB)"),
                              QStringLiteral("EXCLUDED ") + keep,
                              QStringLiteral("SKIPPED  ") + bitwarden + QStringLiteral("  (protected app data)"),
                              QStringLiteral("== Developer caches (20 KB)"),
                              QString(),
                              QStringLiteral("TRASHED  ") + a + QStringLiteral("  10 KB"),
                              QStringLiteral("DELETED  ") + npm + QStringLiteral("  20 KB"),
                              QStringLiteral("Freed 30 KB, removed 3 files, skipped 1."),
                          }));
    QCOMPARE(r.cleanedCategories, QStringList({QStringLiteral("temp"), QStringLiteral("dev")}));
    QCOMPARE(r.skippedSamples, QStringList{bitwarden});
    QVERIFY(exists(keep));
    QVERIFY(exists(guarded));
    QVERIFY(!exists(a));
    QVERIFY(exists(npm));
    QVERIFY(QDir(npm).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

void TestCleaner::itemOutcomes_data()
{
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("where");     // "tmp" or "cache" (the XDG cache folder)
    QTest::addColumn<QString>("itemPath");  // relative
    QTest::addColumn<QString>("unit");      // the path the line names, relative
    QTest::addColumn<QString>("line");      // status word and detail, %1 = the path
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("runningApps");
    QTest::addColumn<bool>("removed");

    QTest::newRow("matches an exclusion") << "temp" << "tmp" << "keep/x" << "keep/x" << "EXCLUDED %1" << 0
                                          << QStringList() << false;
    QTest::newRow("protected app data") << "temp" << "tmp" << "Bitwarden/x" << "Bitwarden/x"
                                        << "SKIPPED  %1  (protected app data)" << 1 << QStringList() << false;
    // Runs of this very test program own its folder in the cache.
    QTest::newRow("cache of a running app") << "appcache" << "cache" << "tst_cleaner/x" << "tst_cleaner/x"
                                            << "SKIPPED  %1  (Tst_cleaner is running)" << 0
                                            << QStringList{QStringLiteral("Tst_cleaner")} << false;
    QTest::newRow("running app outside the cache categories") << "logs" << "cache" << "tst_cleaner/x" << "tst_cleaner/x"
                                                              << "DELETED  %1  4 KB" << 0 << QStringList() << true;
    QTest::newRow("unit in a protected location") << "temp" << "tmp" << "box" << "box/.Trash-1000"
                                                  << "SKIPPED  %1  (protected location)" << 1 << QStringList() << false;
}

void TestCleaner::itemOutcomes()
{
    QFETCH(QString, categoryId);
    QFETCH(QString, where);
    QFETCH(QString, itemPath);
    QFETCH(QString, unit);
    QFETCH(QString, line);
    QFETCH(int, skipped);
    QFETCH(QStringList, runningApps);
    QFETCH(bool, removed);

    TempFolder tmp;
    const QString base = where == QLatin1String("tmp") ? tmp.path()
                                                      : qEnvironmentVariable("XDG_CACHE_HOME");
    const QString full = base + QLatin1Char('/') + itemPath;
    const QString unitPath = base + QLatin1Char('/') + unit;
    const bool contentsOnly = unit != itemPath;
    QVERIFY(QDir().mkpath(contentsOnly ? unitPath : QFileInfo(full).path()));
    if (!contentsOnly) {
        QFile f(full);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("data");
    }

    CategoryResult c = category(categoryId, QStringLiteral("Category"), Safe, {item(full, 4096, 1, contentsOnly)});
    const CleanReport r = clean({c}, false, {QStringLiteral("keep")});
    QVERIFY(logLines(r).contains(line.arg(unitPath)));
    QCOMPARE(r.skippedCount, skipped);
    QCOMPARE(r.skippedSamples, skipped ? QStringList{unitPath} : QStringList());
    QCOMPARE(r.runningApps, runningApps);
    QCOMPARE(exists(unitPath), !removed);
    if (where == QLatin1String("cache"))
        QDir(base + QStringLiteral("/tst_cleaner")).removeRecursively();
}

void TestCleaner::modes_data()
{
    QTest::addColumn<bool>("moveToTrash");
    QTest::addColumn<int>("risk");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("inTrash");
    QTest::newRow("trash asked, Safe") << true << int(Safe) << "TRASHED" << true;
    QTest::newRow("trash asked, Review") << true << int(Review) << "TRASHED" << true;
    QTest::newRow("trash asked, Permanent risk") << true << int(Permanent) << "DELETED" << false;
    QTest::newRow("delete asked") << false << int(Safe) << "DELETED" << false;
}

void TestCleaner::modes()
{
    QFETCH(bool, moveToTrash);
    QFETCH(int, risk);
    QFETCH(QString, word);
    QFETCH(bool, inTrash);

    TempFolder tmp;
    const QString f = tmp.makeFile(QStringLiteral("dir/file.bin"), "payload");
    const QString dir = tmp.path(QStringLiteral("dir"));
    const CleanReport r = clean({category(QStringLiteral("temp"), QStringLiteral("T"), risk, {item(dir)})}, moveToTrash);
    QVERIFY(!exists(dir));
    QVERIFY(logLines(r).contains(word.leftJustified(9) + dir + QStringLiteral("  4 KB")));
    QCOMPARE(exists(trashFiles() + QStringLiteral("/dir/file.bin")), inTrash);
    QCOMPARE(r.freedBytes, 4096);
    QCOMPARE(r.filesRemoved, 1);
    if (inTrash) {
        QFile info(trash::homeTrash() + QStringLiteral("/info/dir.trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QByteArray expected = "\nPath=" + QFile::encodeName(dir).toPercentEncoding("/") + '\n';
        QVERIFY(info.readAll().contains(expected));
    }
}

void TestCleaner::vanishedItemCountsAsFreed()
{
    TempFolder tmp;
    const QString gone = tmp.path(QStringLiteral("gone"));
    const CleanReport r = clean({temp({item(gone, 8192, 3)})}, false);
    QVERIFY(logLines(r).contains(QStringLiteral("DELETED  ") + gone + QStringLiteral("  8 KB")));
    QCOMPARE(r.skippedCount, 0);
    QCOMPARE(r.freedBytes, 8192);
    QCOMPARE(r.filesRemoved, 3);
}

void TestCleaner::samplesStopAtFive()
{
    TempFolder tmp;
    QList<ScanItem> items;
    QStringList paths;
    for (int i = 0; i < 8; ++i) {
        paths.append(tmp.makeFile(QStringLiteral("keepassxc-%1/db").arg(i), "x"));
        items.append(item(paths.constLast()));
    }
    const CleanReport r = clean({temp(items)}, false);
    QCOMPARE(r.skippedCount, 8);
    QCOMPARE(r.skippedSamples, paths.mid(0, 5));
    for (const QString &p : std::as_const(paths))
        QVERIFY(exists(p));
}

void TestCleaner::recycleBin_data()
{
    QTest::addColumn<bool>("emptiable");
    QTest::newRow("emptied") << true;
    QTest::newRow("cannot be emptied") << false;
}

void TestCleaner::recycleBin()
{
    QFETCH(bool, emptiable);
    TempFolder tmp;
    const QString victim = tmp.makeFile(QStringLiteral("victim"), "v");
    QVERIFY(QDir().mkpath(trash::homeTrash() + QStringLiteral("/info")));
    if (emptiable) {
        QVERIFY(QDir().mkpath(trashFiles()));
        QFile f(trashFiles() + QStringLiteral("/old"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else {
        // files/ as a link is never followed, so the bin cannot be emptied.
        QVERIFY(QFile::link(tmp.path(), trashFiles()));
    }
    // Emptying works on every trash folder of the machine; only the sandbox's
    // own may be touched.
    if (trash::allTrashFolders() != QStringList{trash::homeTrash()})
        QSKIP("this machine has other trash folders that the test must not empty");

    CategoryResult bin = category(QStringLiteral("trash"), QStringLiteral("Trash"), Permanent, {});
    bin.isTrash = true;
    bin.bytes = 4096;
    bin.files = 1;
    const CleanReport r = clean({bin}, true);
    QCOMPARE(r.cleanedCategories, QStringList{QStringLiteral("trash")});
    QVERIFY(exists(victim));
    if (emptiable) {
        QVERIFY(logLines(r).contains(QStringLiteral("EMPTIED  Trash")));
        QVERIFY(!exists(trashFiles() + QStringLiteral("/old")));
        QCOMPARE(r.freedBytes, 4096);
        QCOMPARE(r.filesRemoved, 1);
        QCOMPARE(r.skippedCount, 0);
    } else {
        QVERIFY(logLines(r).contains(QStringLiteral("SKIPPED  Trash  (could not empty)")));
        QCOMPARE(r.freedBytes, 0);
        QCOMPARE(r.skippedCount, 1);
        QCOMPARE(r.skippedSamples, QStringList{QStringLiteral("Trash")});
    }
}

void TestCleaner::busyFileFreesUpBetweenRetries()
{
    TempFolder tmp;
    const QString busy = tmp.makeFile(QStringLiteral("cache/a/b/busy"), "held");
    tmp.makeFile(QStringLiteral("cache/a/free"), "free");
    const QString dir = tmp.path(QStringLiteral("cache"));
    Holder holder(busy);
    QVERIFY(holder.isReady());

    Cleaner cleaner;
    // The holder lets go while the cleaner waits for its first retries.
    connect(&cleaner, &Cleaner::progress, this, [&](qint64, qint64, const QString &path) {
        if (path == dir)
            QTimer::singleShot(700, this, [&] { holder.release(); });
    });
    CleanReport r;
    QVERIFY(runToEnd(cleaner, {temp({item(dir, 8192, 2, true)})}, false, {}, r));
    const QStringList lines = logLines(r);
    QVERIFY(lines.contains(QStringLiteral("BUSY     %1  (error %2, will retry)").arg(busy).arg(EBUSY)));
    QCOMPARE(r.skippedCount, 0);
    QCOMPARE(r.filesRemoved, 2);
    QVERIFY(!exists(busy));
    QVERIFY(!exists(tmp.path(QStringLiteral("cache/a"))));
    QVERIFY(exists(dir));
}

void TestCleaner::fileStaysBusy_data()
{
    QTest::addColumn<bool>("moveToTrash");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("finalReason");
    QTest::newRow("delete") << false << int(EBUSY) << QStringLiteral("in use or access denied, error %1").arg(EBUSY);
    QTest::newRow("trash") << true << 0 << "in use or access denied";
}

void TestCleaner::fileStaysBusy()
{
    QFETCH(bool, moveToTrash);
    QFETCH(int, error);
    QFETCH(QString, finalReason);
    TempFolder tmp;
    const QString busy = tmp.makeFile(QStringLiteral("held.log"), "held");
    const QString other = tmp.makeFile(QStringLiteral("other.log"), "free");
    Holder holder(busy);
    QVERIFY(holder.isReady());

    CategoryResult c = temp({item(busy), item(other)});
    c.needsAdmin = true;
    const CleanReport r = clean({c}, moveToTrash);
    const QStringList lines = logLines(r);
    QCOMPARE(lines.filter(QStringLiteral("BUSY")),
             QStringList{QStringLiteral("BUSY     %1  (error %2, will retry)").arg(busy).arg(error)});
    QCOMPARE(lines.filter(QStringLiteral("SKIPPED")),
             QStringList{QStringLiteral("SKIPPED  %1  (%2)").arg(busy, finalReason)});
    QCOMPARE(r.skippedCount, 1);
    QCOMPARE(r.skippedSamples, QStringList{busy});
    // Root needs no elevation; anyone else would be told to get it.
    QCOMPARE(r.needsAdmin, ::geteuid() != 0);
    QVERIFY(exists(busy));
    QVERIFY(!exists(other));
}

void TestCleaner::linkSwapNeverReachesTheTarget_data()
{
    QTest::addColumn<bool>("contentsOnly");
    QTest::addColumn<QString>("swapped");  // relative to the item folder; empty: the item itself
    QTest::addColumn<bool>("moveToTrash");
    QTest::addColumn<int>("skipped");
    for (bool toTrash : {false, true}) {
        const char *mode = toTrash ? ", trash" : ", delete";
        QTest::newRow(qPrintable(QStringLiteral("item folder%1").arg(QLatin1String(mode))))
            << true << QString() << toTrash << 1;
        QTest::newRow(qPrintable(QStringLiteral("whole item%1").arg(QLatin1String(mode))))
            << false << QString() << toTrash << 0;
        QTest::newRow(qPrintable(QStringLiteral("folder inside the item%1").arg(QLatin1String(mode))))
            << true << QStringLiteral("sub") << toTrash << 0;
        QTest::newRow(qPrintable(QStringLiteral("deep folder inside the item%1").arg(QLatin1String(mode))))
            << false << QStringLiteral("sub/deeper") << toTrash << 0;
    }
}

void TestCleaner::linkSwapNeverReachesTheTarget()
{
    QFETCH(bool, contentsOnly);
    QFETCH(QString, swapped);
    QFETCH(bool, moveToTrash);
    QFETCH(int, skipped);

    TempFolder tmp;
    const QString precious = tmp.makeFile(QStringLiteral("victim/precious"), "never selected");
    tmp.makeFile(QStringLiteral("cache/sub/deeper/x"), "x");
    tmp.makeFile(QStringLiteral("cache/y"), "y");
    const QString dir = tmp.path(QStringLiteral("cache"));
    // After the scan, a folder of the selection becomes a link to a folder
    // the user never selected.
    const QString swap = swapped.isEmpty() ? dir : dir + QLatin1Char('/') + swapped;
    QVERIFY(QDir(swap).removeRecursively());
    QVERIFY(QFile::link(tmp.path(QStringLiteral("victim")), swap));

    const CleanReport r = clean({temp({item(dir, 8192, 2, contentsOnly)})}, moveToTrash);
    QVERIFY(exists(precious));
    QCOMPARE(QDir(tmp.path(QStringLiteral("victim"))).entryList(QDir::Files), QStringList{QStringLiteral("precious")});
    QCOMPARE(r.skippedCount, skipped);
    if (skipped)
        QVERIFY(logLines(r).contains(QStringLiteral("SKIPPED  %1  (changed since the scan)").arg(dir)));
    else
        QVERIFY(!exists(swap)); // the link itself went
}

void TestCleaner::specialFilesStay_data()
{
    QTest::addColumn<bool>("moveToTrash");
    QTest::newRow("delete") << false;
    QTest::newRow("trash") << true;
}

void TestCleaner::specialFilesStay()
{
    QFETCH(bool, moveToTrash);
    TempFolder tmp;
    const QString socket = tmp.makeSocket(QStringLiteral("cache/run/app.sock"));
    const QString fifo = tmp.makeFifo(QStringLiteral("cache/pipe"));
    const QString file = tmp.makeFile(QStringLiteral("cache/run/file"), "f");
    QVERIFY(!socket.isEmpty() && !fifo.isEmpty());
    const QString dir = tmp.path(QStringLiteral("cache"));
    const CleanReport r = clean({temp({item(dir, 4096, 1, true)})}, moveToTrash);
    QVERIFY(exists(socket));
    QVERIFY(exists(fifo));
    QVERIFY(!exists(file));
    QCOMPARE(r.skippedCount, 0);
}

void TestCleaner::mountedVolumeStays_data()
{
    QTest::addColumn<bool>("contentsOnly");
    QTest::addColumn<bool>("moveToTrash");
    QTest::newRow("mount is a unit, delete") << true << false;
    QTest::newRow("mount is a unit, trash") << true << true;
    QTest::newRow("mount inside the item, delete") << false << false;
    QTest::newRow("mount inside the item, trash") << false << true;
}

void TestCleaner::mountedVolumeStays()
{
    QFETCH(bool, contentsOnly);
    QFETCH(bool, moveToTrash);
    TempFolder tmp;
    const QString mnt = tmp.makeDir(QStringLiteral("cache/mnt"));
    const QString loose = tmp.makeFile(QStringLiteral("cache/loose"), "x");
    if (::geteuid() != 0 || QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                                       QStringLiteral("varnholt-test"), mnt}) != 0)
        QSKIP("mounting a scratch volume needs root");
    auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mnt}); });
    const QString precious = tmp.makeFile(QStringLiteral("cache/mnt/precious"), "on another volume");

    const QString dir = tmp.path(QStringLiteral("cache"));
    const CleanReport r = clean({temp({item(dir, 8192, 2, contentsOnly)})}, moveToTrash);
    QVERIFY(exists(precious));
    QVERIFY(!exists(loose));
    // Offered as a unit of its own, the volume is reported; met inside a
    // folder, it is simply not entered.
    QCOMPARE(r.skippedSamples, contentsOnly ? QStringList{mnt} : QStringList());
}

void TestCleaner::awkwardNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("moveToTrash");
    const QStringList names{QStringLiteral("with spaces .log"), QStringLiteral("new\nline"),
                            QStringLiteral("ünïcødé ✓ 日本"), QStringLiteral("-rf"), QStringLiteral("--"),
                            QStringLiteral("100% done"), QStringLiteral("back\\slash")};
    for (const QString &n : names) {
        const QString shown = QString(n).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        QTest::newRow(qPrintable(QStringLiteral("delete ") + shown)) << n << false;
        QTest::newRow(qPrintable(QStringLiteral("trash ") + shown)) << n << true;
    }
}

void TestCleaner::awkwardNames()
{
    QFETCH(QString, name);
    QFETCH(bool, moveToTrash);
    TempFolder tmp;
    const QString path = tmp.makeFile(name, "data");
    const QString neighbour = tmp.makeFile(QStringLiteral("rf"), "stays");
    QVERIFY(!path.isEmpty());
    const CleanReport r = clean({temp({item(path)})}, moveToTrash);
    QVERIFY(!exists(path));
    QVERIFY(exists(neighbour));
    QCOMPARE(r.skippedCount, 0);
    QCOMPARE(r.filesRemoved, 1);
    if (moveToTrash) {
        QVERIFY(exists(trashFiles() + QLatin1Char('/') + name));
        QFile info(trash::homeTrash() + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QByteArray text = info.readAll();
        const qsizetype at = text.indexOf("\nPath=") + 6;
        QCOMPARE(QFile::decodeName(QByteArray::fromPercentEncoding(text.mid(at, text.indexOf('\n', at) - at))), path);
    }
}

void TestCleaner::readOnlyFolder()
{
    if (testsupport::isUnprivilegedChild()) {
        const QString file = testsupport::childArguments().value(0);
        const CleanReport r = clean({temp({item(file)})}, false);
        QCOMPARE(r.skippedCount, 1);
        QCOMPARE(r.skippedSamples, QStringList{file});
        QCOMPARE(r.freedBytes, 0);
        QVERIFY(exists(file));
        return;
    }
    TempFolder tmp;
    const QString file = tmp.makeFile(QStringLiteral("ro/file"), "x");
    QVERIFY(::chmod(QFile::encodeName(tmp.path(QStringLiteral("ro"))).constData(), 0555) == 0);
    QVERIFY(tmp.openToOthers());
    const auto r = testsupport::runInUnprivilegedChild(QStringLiteral("readOnlyFolder"), {file});
    ::chmod(QFile::encodeName(tmp.path(QStringLiteral("ro"))).constData(), 0755);
    if (r.skipped)
        QSKIP(qPrintable(r.reason));
    QVERIFY2(r.passed, qPrintable(r.output));
    QVERIFY(exists(file));
}

void TestCleaner::logFolderCannotBeCreated()
{
    // A file where the program's data folder should be.
    const QString blocker = QFileInfo(CleanupLog::folder()).path();
    QDir(blocker).removeRecursively();
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.close();

    TempFolder tmp;
    const QString file = tmp.makeFile(QStringLiteral("f"), "x");
    const CleanReport r = clean({temp({item(file)})}, false);
    QVERIFY(QFile::remove(blocker));
    QCOMPARE(r.logPath, CleanupLog::folder() + QStringLiteral("/cleanup-20261205-101530.log"));
    QVERIFY(!exists(r.logPath));
    QVERIFY(!exists(file));
    QCOMPARE(r.freedBytes, 4096);
}

void TestCleaner::destroyedMidRunFinishesItsLog()
{
    TempFolder tmp;
    const QString busy = tmp.makeFile(QStringLiteral("held"), "held");
    const QString later = tmp.makeFile(QStringLiteral("later"), "goes in the first pass");
    Holder holder(busy);
    QVERIFY(holder.isReady());

    auto *cleaner = new Cleaner;
    cleaner->setClock([] { return kStart; });
    bool started = false;
    connect(cleaner, &Cleaner::progress, cleaner, [&] { started = true; });
    // The first item turns busy; the run then waits for its first retry.
    cleaner->start({temp({item(busy)}), temp({item(later)})}, false, {});
    QVERIFY(waitUntil([&] { return started; }));
    QTest::qWait(150);
    QElapsedTimer t;
    t.start();
    delete cleaner;
    QVERIFY2(t.elapsed() < 1000, "the retry wait held up shutting down");

    CleanReport r;
    r.logPath = CleanupLog::folder() + QStringLiteral("/cleanup-20261205-101530.log");
    const QStringList lines = logLines(r);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.constLast(), QStringLiteral("Freed 4 KB, removed 1 files, skipped 1."));
    QVERIFY(lines.contains(QStringLiteral("SKIPPED  %1  (in use or access denied, error %2)").arg(busy).arg(EBUSY)));
    QVERIFY(lines.contains(QStringLiteral("DELETED  %1  4 KB").arg(later)));
    QVERIFY(exists(busy));
}

QTEST_GUILESS_MAIN(TestCleaner)
#include "tst_cleaner.moc"

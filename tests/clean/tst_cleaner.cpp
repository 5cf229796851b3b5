#include "clean/cleaner.h"
#include "clean/cleanuplog.h"

#include "app/platform.h"
#include "app/trash.h"
#include "scan/fs.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QDateTime kStart(QDate(2026, 12, 5), QTime(10, 15, 30));

QString logPath()
{
    return CleanupLog::folder() + QStringLiteral("/cleanup-20261205-101530.log");
}

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

CategoryResult category(const QString &id, int risk, const QList<ScanItem> &items, const QString &name = {})
{
    CategoryResult r;
    r.id = id;
    r.name = name.isEmpty() ? id : name;
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
    return category(QStringLiteral("temp"), Safe, items, QStringLiteral("Temporary files"));
}

// Runs the cleaner to its report. The report arrives queued; qWaitFor polls,
// so one that comes before the wait starts is not missed. `setup` may
// change the cleaner before the run (the clock is pinned, retries are quick).
CleanReport clean(const QList<CategoryResult> &results, bool toTrash, const QStringList &exclusions = {},
                  const std::function<void(Cleaner &)> &setup = {})
{
    Cleaner cleaner;
    cleaner.setClock([] { return kStart; });
    cleaner.setRetryDelay(10);
    if (setup)
        setup(cleaner);
    CleanReport report;
    bool done = false;
    QObject::connect(&cleaner, &Cleaner::finished, &cleaner, [&](const CleanReport &r) {
        report = r;
        done = true;
    });
    cleaner.start(results, toTrash, exclusions);
    return QTest::qWaitFor([&] { return done; }, 60000) && !cleaner.isRunning() ? report : CleanReport();
}

QStringList logLines(const QString &path)
{
    QFile f(path);
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

QString trashFiles()
{
    return trash::homeTrash() + QStringLiteral("/files");
}

// A process, "sleep", that keeps `path` open until it is killed.
struct Holder final
{
    explicit Holder(const QString &path)
    {
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; echo ready; exec sleep 60"), path});
        const QString exe = QStringLiteral("/proc/%1/exe").arg(process.processId());
        ready = process.waitForReadyRead(10000)
            && QTest::qWaitFor([&] { return QFile::symLinkTarget(exe).endsWith(QLatin1String("/sleep")); }, 10000);
    }
    ~Holder() { release(); }
    void release()
    {
        process.kill();
        process.waitForFinished();
    }

    QProcess process;
    bool ready = false;
};

} // namespace

class TestCleaner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
    }

    void cleanup() { QDir(trash::homeTrash()).removeRecursively(); }

    void runLog()
    {
        TempFolder tmp;
        const QString a = tmp.makeFile(QStringLiteral("a.txt"), "a");
        const QString keep = tmp.makeFile(QStringLiteral("keep"), "k");
        const QString guarded = tmp.makeFile(QStringLiteral("bitwarden/vault"), "v");
        tmp.makeFile(QStringLiteral("npm/one"), "1");
        tmp.makeFile(QStringLiteral("npm/two"), "2");
        const QString npm = tmp.path(QStringLiteral("npm"));
        const QString bitwarden = tmp.path(QStringLiteral("bitwarden"));
        const QString gone = tmp.path(QStringLiteral("gone")); // vanished since the scan: counts as freed

        const QList<CategoryResult> results{
            temp({item(a, 10240), item(keep, 10240), item(bitwarden, 10240), item(gone, 10240)}),
            category(QStringLiteral("dev"), Permanent, {item(npm, 20480, 2, true)}, QStringLiteral("Developer caches")),
        };
        const CleanReport r = clean(results, true, {QStringLiteral("keep")});
        QCOMPARE(r.logPath, logPath());
        QCOMPARE(logLines(r.logPath), QStringList({
            QStringLiteral("Varnholt cleanup 2026-12-05T10:15:30"),
            QStringLiteral("Mode: move to Trash"),
            QStringLiteral("Selected: 60 KB"),
            QString(),
            QStringLiteral("== Temporary files (40 KB)"),
            QStringLiteral("EXCLUDED ") + keep,
            QStringLiteral("SKIPPED  ") + bitwarden + QStringLiteral("  (protected app data)"),
            QStringLiteral("== Developer caches (20 KB)"),
            QString(),
            QStringLiteral("TRASHED  ") + a + QStringLiteral("  10 KB"),
            QStringLiteral("  -> ") + trashFiles() + QStringLiteral("/a.txt\t") + a,
            QStringLiteral("TRASHED  ") + gone + QStringLiteral("  10 KB"),
            QStringLiteral("DELETED  ") + npm + QStringLiteral("  20 KB"),
            QStringLiteral("Freed 40 KB, removed 4 files, skipped 1."),
        }));
        QCOMPARE(r.cleanedCategories, QStringList({QStringLiteral("temp"), QStringLiteral("dev")}));
        QCOMPARE(r.skippedSamples, QStringList{bitwarden});
        QVERIFY(exists(keep));
        QVERIFY(exists(guarded));
        QVERIFY(!exists(a));
        QVERIFY(exists(npm));
        QVERIFY(QDir(npm).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    void itemOutcomes_data()
    {
        QTest::addColumn<QString>("categoryId");
        QTest::addColumn<bool>("inCache");      // under the XDG cache folder, else a scratch folder
        QTest::addColumn<QString>("itemPath");  // relative
        QTest::addColumn<QString>("unit");      // the path the line names, relative
        QTest::addColumn<QString>("line");      // %1 = the unit's path
        QTest::addColumn<QString>("runningApp");
        QTest::addColumn<bool>("removed");

        // Runs of this very test program own its folder in the cache.
        QTest::newRow("cache of a running app") << "appcache" << true << "tst_cleaner/x" << "tst_cleaner/x"
                                                << "SKIPPED  %1  (Tst_cleaner is running)" << "Tst_cleaner" << false;
        QTest::newRow("running app outside the cache categories")
            << "logs" << true << "tst_cleaner/x" << "tst_cleaner/x" << "DELETED  %1  4 KB" << "" << true;
        QTest::newRow("unit in a protected location") << "temp" << false << "box" << "box/.Trash-1000"
                                                      << "SKIPPED  %1  (protected location)" << "" << false;
    }

    void itemOutcomes()
    {
        QFETCH(QString, categoryId);
        QFETCH(bool, inCache);
        QFETCH(QString, itemPath);
        QFETCH(QString, unit);
        QFETCH(QString, line);
        QFETCH(QString, runningApp);
        QFETCH(bool, removed);

        TempFolder tmp;
        const QString base = inCache ? qEnvironmentVariable("XDG_CACHE_HOME") : tmp.path();
        auto dropCache = qScopeGuard([&] {
            if (inCache)
                QDir(base + QStringLiteral("/tst_cleaner")).removeRecursively();
        });
        const QString full = base + QLatin1Char('/') + itemPath;
        const QString unitPath = base + QLatin1Char('/') + unit;
        const bool contentsOnly = unit != itemPath;
        QVERIFY(QDir().mkpath(contentsOnly ? unitPath : QFileInfo(full).path()));
        if (!contentsOnly) {
            QFile f(full);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("data");
        }

        const CleanReport r = clean({category(categoryId, Safe, {item(full, 4096, 1, contentsOnly)})}, false,
                                    {QStringLiteral("keep")});
        QVERIFY(logLines(r.logPath).contains(line.arg(unitPath)));
        const bool skipped = line.startsWith(QLatin1String("SKIPPED")) && runningApp.isEmpty();
        QCOMPARE(r.skippedCount, skipped ? 1 : 0);
        QCOMPARE(r.skippedSamples, skipped ? QStringList{unitPath} : QStringList());
        QCOMPARE(r.runningApps, runningApp.isEmpty() ? QStringList() : QStringList{runningApp});
        QCOMPARE(exists(unitPath), !removed);
    }

    // A folder deleted for good reports its files as they go: the figure never
    // goes back, never passes the selection, and ends at it.
    void folderProgressWhileDeleting()
    {
        TempFolder tmp;
        for (int i = 0; i < 40; ++i)
            QVERIFY(!tmp.makeFileOfSize(QStringLiteral("cache/f%1").arg(i), 8192).isEmpty());
        const QString dir = tmp.path(QStringLiteral("cache"));
        const fs::Measure size = fs::measure(dir);
        QList<qint64> done;
        qint64 total = -1;
        const CleanReport r = clean({temp({item(dir, size.bytes, size.files, true)})}, false, {}, [&](Cleaner &c) {
            c.setProgressInterval(0);
            QObject::connect(&c, &Cleaner::progress, &c, [&](qint64 d, qint64 t, const QString &) {
                done.append(d);
                total = t;
            });
        });
        QCOMPARE(r.filesRemoved, size.files);
        QCOMPARE(total, size.bytes);
        QVERIFY2(done.size() > 10, qPrintable(QString::number(done.size())));
        QVERIFY(std::is_sorted(done.cbegin(), done.cend()));
        QVERIFY(done.constFirst() == 0 && done.constLast() == total);
        QVERIFY(std::all_of(done.cbegin(), done.cend(), [&](qint64 d) { return d <= total; }));
    }

    void samplesStopAtFive()
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

    void recycleBin_data()
    {
        QTest::addColumn<bool>("emptiable");
        QTest::newRow("emptied") << true;
        QTest::newRow("cannot be emptied") << false;
    }

    void recycleBin()
    {
        QFETCH(bool, emptiable);
        TempFolder tmp;
        const QString victim = tmp.makeFile(QStringLiteral("victim"), "v");
        QVERIFY(QDir().mkpath(trash::homeTrash() + QStringLiteral("/info")));
        // A bin of many files shows its emptying as it goes.
        const int count = emptiable ? 40 : 1;
        if (emptiable) {
            QVERIFY(QDir().mkpath(trashFiles()));
            for (int i = 0; i < count; ++i) {
                QFile f(trashFiles() + QStringLiteral("/old%1").arg(i));
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
            }
        } else {
            // files/ as a link is never followed, so the bin cannot be emptied.
            QVERIFY(QFile::link(tmp.path(), trashFiles()));
        }
        // Emptying works on every trash folder of the machine; only the
        // sandbox's own may be touched.
        if (trash::allTrashFolders() != QStringList{trash::homeTrash()})
            QSKIP("this machine has other trash folders that the test must not empty");

        CategoryResult bin = category(QStringLiteral("trash"), Permanent, {});
        bin.isTrash = true;
        bin.bytes = 4096 * count;
        bin.files = count;
        QList<qint64> steps;
        const CleanReport r = clean({bin}, true, {}, [&steps](Cleaner &c) {
            c.setProgressInterval(0);
            QObject::connect(&c, &Cleaner::progress, &c, [&steps](qint64 done, qint64, const QString &path) {
                if (path == recycleBinName())
                    steps.append(done);
            });
        });
        QVERIFY2(steps.size() > (emptiable ? 2 : 0), qPrintable(QString::number(steps.size())));
        QVERIFY(std::is_sorted(steps.cbegin(), steps.cend()) && steps.last() <= bin.bytes);
        QCOMPARE(r.cleanedCategories, QStringList{QStringLiteral("trash")});
        QVERIFY(exists(victim));
        QVERIFY(logLines(r.logPath).contains(emptiable ? QStringLiteral("EMPTIED  Trash")
                                              : QStringLiteral("SKIPPED  Trash  (could not empty)")));
        QVERIFY(!exists(trashFiles() + QStringLiteral("/old0")));
        QCOMPARE(r.freedBytes, emptiable ? bin.bytes : 0);
        QCOMPARE(r.skippedCount, emptiable ? 0 : 1);
        QCOMPARE(r.filesRemoved, emptiable ? count : 0);
        QCOMPARE(r.skippedSamples, emptiable ? QStringList() : QStringList{QStringLiteral("Trash")});
    }

    void busyFileFreesUpBetweenRetries()
    {
        TempFolder tmp;
        const QString busy = tmp.makeFile(QStringLiteral("cache/a/b/busy"), "held");
        tmp.makeFile(QStringLiteral("cache/a/free"), "free");
        const QString dir = tmp.path(QStringLiteral("cache"));
        Holder holder(busy);
        QVERIFY(holder.ready);

        // The holder lets go while the cleaner waits for its first retries.
        const CleanReport r = clean({temp({item(dir, 8192, 2, true)})}, false, {}, [&](Cleaner &cleaner) {
            cleaner.setRetryDelay(500);
            connect(&cleaner, &Cleaner::progress, this, [&](qint64, qint64, const QString &path) {
                if (path == dir)
                    QTimer::singleShot(700, this, [&] { holder.release(); });
            });
        });
        const QString busyLine = QStringLiteral("BUSY     %1  (error %2, will retry)").arg(busy).arg(EBUSY);
        QVERIFY(logLines(r.logPath).contains(busyLine));
        QCOMPARE(r.skippedCount, 0);
        QCOMPARE(r.filesRemoved, 2);
        QVERIFY(!exists(tmp.path(QStringLiteral("cache/a"))));
        QVERIFY(exists(dir));
    }

    void fileStaysBusy_data()
    {
        QTest::addColumn<bool>("moveToTrash");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("finalReason");
        QTest::newRow("delete") << false << int(EBUSY) << QStringLiteral("in use or access denied, error %1").arg(EBUSY);
        QTest::newRow("trash") << true << 0 << "in use or access denied";
    }

    void fileStaysBusy()
    {
        QFETCH(bool, moveToTrash);
        QFETCH(int, error);
        QFETCH(QString, finalReason);
        TempFolder tmp;
        const QString busy = tmp.makeFile(QStringLiteral("held.log"), "held");
        const QString other = tmp.makeFile(QStringLiteral("other.log"), "free");
        Holder holder(busy);
        QVERIFY(holder.ready);

        CategoryResult c = temp({item(busy), item(other)});
        c.needsAdmin = true;
        const CleanReport r = clean({c}, moveToTrash);
        const QStringList lines = logLines(r.logPath);
        const qint64 pid = holder.process.processId();
        QCOMPARE(lines.filter(QStringLiteral("BUSY")),
                 QStringList{QStringLiteral("BUSY     %1  (error %2, will retry)").arg(busy).arg(error)});
        QCOMPARE(lines.filter(QStringLiteral("SKIPPED")),
                 QStringList{QStringLiteral("SKIPPED  %1  (%2; held by sleep [%3])").arg(busy, finalReason).arg(pid)});
        QCOMPARE(r.holders, (QList<CleanReport::Holder>{{QStringLiteral("sleep"), {pid}, 1}}));
        QCOMPARE(r.heldFiles, 1);
        QCOMPARE(r.busy, (QList<CleanReport::Busy>{{busy, QStringLiteral("temp"), 4096, 1}}));
        QCOMPARE(r.skippedCount, 1);
        QCOMPARE(r.skippedSamples, QStringList{busy});
        // Root needs no elevation; anyone else would be told to get it.
        QCOMPARE(r.needsAdmin, ::geteuid() != 0);
        QVERIFY(exists(busy));
        QVERIFY(!exists(other));
    }

    // An item folder swapped for a link after the scan is reported, and the
    // link's target stays (swaps deeper down are drawn by tst_cleanproperty).
    void itemSwappedForLink()
    {
        TempFolder tmp;
        const QString precious = tmp.makeFile(QStringLiteral("victim/precious"), "never selected");
        tmp.makeFile(QStringLiteral("cache/y"), "y");
        const QString dir = tmp.path(QStringLiteral("cache"));
        QVERIFY(QDir(dir).removeRecursively());
        QVERIFY(QFile::link(tmp.path(QStringLiteral("victim")), dir));

        const CleanReport r = clean({temp({item(dir, 4096, 1, true)})}, false);
        QVERIFY(exists(precious));
        QCOMPARE(r.skippedCount, 1);
        QVERIFY(logLines(r.logPath).contains(QStringLiteral("SKIPPED  %1  (changed since the scan)").arg(dir)));
    }

    void readOnlyFolder()
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
        const QByteArray ro = QFile::encodeName(tmp.path(QStringLiteral("ro")));
        QVERIFY(::chmod(ro.constData(), 0555) == 0);
        QVERIFY(tmp.openToOthers());
        const auto r = testsupport::runInUnprivilegedChild(QStringLiteral("readOnlyFolder"), {file});
        ::chmod(ro.constData(), 0755);
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
        QVERIFY(exists(file));
    }

    void logFolderCannotBeCreated()
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
        QCOMPARE(r.logPath, logPath());
        QVERIFY(!exists(r.logPath));
        QVERIFY(!exists(file));
        QCOMPARE(r.freedBytes, 4096);
    }

    void destroyedMidRunFinishesItsLog()
    {
        TempFolder tmp;
        const QString busy = tmp.makeFile(QStringLiteral("held"), "held");
        const QString later = tmp.makeFile(QStringLiteral("later"), "goes in the first pass");
        Holder holder(busy);
        QVERIFY(holder.ready);

        auto *cleaner = new Cleaner;
        cleaner->setClock([] { return kStart; });
        bool started = false;
        connect(cleaner, &Cleaner::progress, cleaner, [&] { started = true; });
        // The first item turns busy; the run then waits for its first retry.
        cleaner->start({temp({item(busy)}), temp({item(later)})}, false, {});
        QVERIFY(QTest::qWaitFor([&] { return started; }, 60000));
        QTest::qWait(150);
        QElapsedTimer t;
        t.start();
        delete cleaner;
        QVERIFY2(t.elapsed() < 1000, "the retry wait held up shutting down");

        const QStringList lines = logLines(logPath());
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.constLast(), QStringLiteral("Freed 4 KB, removed 1 files, skipped 1."));
        QVERIFY(lines.contains(QStringLiteral("SKIPPED  %1  (in use or access denied, error %2)").arg(busy).arg(EBUSY)));
        QVERIFY(lines.contains(QStringLiteral("DELETED  %1  4 KB").arg(later)));
        QVERIFY(exists(busy));
    }
};

QTEST_GUILESS_MAIN(TestCleaner)
#include "tst_cleaner.moc"

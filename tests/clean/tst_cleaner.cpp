#include "clean/cleaner.h"
#include "clean/cleanuplog.h"

#include "app/platform.h"
#include "app/trash.h"
#include "scan/fs.h"
#include "scan/scanner.h"
#include "support/holder.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <memory>

#include <fcntl.h>
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

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;
constexpr qint64 kHourMs = 60LL * 60 * 1000;

// Sets the access and modification times (ms since the epoch; -1 leaves one
// as it is). The change time becomes now, as it does for every program.
bool setTimes(const QString &path, qint64 atimeMs, qint64 mtimeMs)
{
    const auto spec = [](qint64 ms) {
        return ms < 0 ? timespec{0, UTIME_OMIT} : timespec{time_t(ms / 1000), long(ms % 1000) * 1000000};
    };
    const timespec times[2] = {spec(atimeMs), spec(mtimeMs)};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// Every time of a tree (access and modification) set to `ms`.
void setTreeTimes(const QString &root, qint64 ms)
{
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        setTimes(it.next(), ms, ms);
    setTimes(root, ms, ms);
}

// What the scanner offers of a listing root shared like /tmp, with the day
// rule: the labels of its items, sorted.
QStringList scanShared(const QString &folder, QStringList *notes = nullptr)
{
    CategoryDef def;
    def.roots = {CategoryRoot{folder, {}, {}, true, kDayMs}};
    Scanner scanner([def] { return QList<CategoryDef>{def}; });
    QStringList labels;
    QObject::connect(&scanner, &Scanner::finished, &scanner, [&](const QList<CategoryResult> &r, bool) {
        for (const ScanItem &i : r.value(0).items)
            labels.append(i.label);
        if (notes)
            *notes = r.value(0).notes;
    }, Qt::DirectConnection);
    scanner.start({});
    scanner.wait();
    labels.sort();
    return labels;
}

using testsupport::Holder;

} // namespace

class TestCleaner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // A row empties the home folder: it must be the sandbox's.
        for (const char *name : {"XDG_DATA_HOME", "HOME"})
            QVERIFY(qEnvironmentVariable(name).contains(QLatin1String("test-sandbox")));
    }

    void cleanup()
    {
        QDir(trash::homeTrash()).removeRecursively();
        QDir(CleanupLog::folder()).removeRecursively(); // the next run's log takes the pinned name again
        fs::detail::setClockOffset(0);
    }

    // What the scan of a shared temporary folder offers, and what the
    // cleaner, looking again at each item, takes of the entry "e" and of an
    // old file beside it, in both modes as results shown for hours would be.
    // "Old" means nothing a user did to the entry, or anything in it, in the
    // last day. Times are real; the engines' clock is moved forward instead
    // (a status-change time cannot be set), so that "now" is `clock` hours
    // ahead. What a program is using stays too, and its holder is named: a
    // file held open, and a folder some process works in (or one holding such
    // a folder, as a build folder holds the terminal's), which the scan does
    // not offer either.
    void lookedAtAgain_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("recent");
        QTest::addColumn<int>("holder");  // a Holder::Kind, -1: none
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("removed");
        const QStringList holders{"descriptor", "lock", "cwd", "root", "other-cwd"};  // in Holder::Kind's order
        const auto text = [](const QString &field) { return field == u"-" ? QString() : field; };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("clean/lookedatagain.tsv"), 8)) {
            bool number = false;
            const int clock = f[2].toInt(&number);
            const bool yesNo = QStringList({"yes", "no"}).contains(f[6]) && QStringList({"yes", "no"}).contains(f[7]);
            QVERIFY2(number && yesNo && QStringList({"dir", "file"}).contains(f[1])
                         && (f[4] == u"-" || holders.contains(f[4])),
                     qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << f[1] << clock << text(f[3]) << int(holders.indexOf(f[4])) << text(f[5])
                                            << (f[6] == u"yes") << (f[7] == u"yes");
        }
    }

    void lookedAtAgain()
    {
        QFETCH(QString, entry);
        QFETCH(int, clock);
        QFETCH(QString, recent);
        QFETCH(int, holder);
        QFETCH(QString, held);
        QFETCH(bool, offered);
        QFETCH(bool, removed);
        if ((holder == Holder::Root || holder == Holder::OtherUsersWorkingFolder) && ::geteuid() != 0)
            QSKIP("needs root");
        const bool dir = entry == QLatin1String("dir");
        const qint64 yearsAgo = QDateTime::currentMSecsSinceEpoch() - 3 * 365 * kDayMs;
        for (const bool toTrash : {false, true}) {
            TempFolder tmp;
            const QString path = dir ? tmp.makeDir(QStringLiteral("shared/e"))
                                     : tmp.makeFile(QStringLiteral("shared/e"), "data");
            const QString deep = dir ? tmp.makeFile(QStringLiteral("shared/e/sub/deep/main.c"), "int main;") : QString();
            const QString other = tmp.makeFile(QStringLiteral("shared/other.log"), "free");
            const QString bad = tmp.makeRawNamedFile(QStringLiteral("shared"), QByteArray("bad\xff", 4), "x");  // said too
            QVERIFY(!bad.isEmpty());
            setTreeTimes(tmp.path(QStringLiteral("shared")), yearsAgo);
            std::unique_ptr<Holder> holding;
            if (holder >= 0) {
                holding = std::make_unique<Holder>(held.isEmpty() ? path : path + u'/' + held, Holder::Kind(holder));
                QVERIFY(holding->ready());
            }
            const qint64 pid = holding ? holding->pid() : 0;
            fs::detail::setClockOffset(clock * kHourMs);
            const qint64 anHourAgo = fs::now() - kHourMs;
            const bool afterScan = recent.startsWith(QLatin1String("after "));
            const QString what = afterScan ? recent.mid(6) : recent;
            const auto makeRecent = [&] {
                if (!what.isEmpty()) {
                    const QString target = what.mid(2).isEmpty() ? path : path + QLatin1Char('/') + what.mid(2);
                    QVERIFY(setTimes(target, what.startsWith(QLatin1Char('a')) ? anHourAgo : -1,
                                     what.startsWith(QLatin1Char('m')) ? anHourAgo : -1));
                }
            };

            // What the scan offers and says, and what the cleaner says.
            QStringList offers, notes{tmp.path(QStringLiteral("shared/bad")) + QChar(0xdcff)
                                      + QStringLiteral(" is left out: its name is not valid text.")}, said;
            if (offered)
                offers.append(QStringLiteral("e"));
            if (clock > 0)
                offers.append(QStringLiteral("other.log"));
            if (holding && dir)
                notes.append(QStringLiteral("%1 is left out: in use by tst_cleaner (PID %2).").arg(path).arg(pid));
            if (holding) {
                const QString error = toTrash ? QString() : QStringLiteral(", error %1").arg(EBUSY);
                said = QStringList{
                    QStringLiteral("BUSY     %1  (error %2, will retry)").arg(path).arg(toTrash ? 0 : EBUSY),
                    QStringLiteral("SKIPPED  %1  (in use or access denied%2; held by tst_cleaner [%3])").arg(path, error).arg(pid)};
            } else if (!removed) {
                said = QStringList{QStringLiteral("SKIPPED  %1  (changed since the scan)").arg(path)};
            }

            if (!afterScan)
                makeRecent();
            QStringList scanNotes;
            QCOMPARE(scanShared(tmp.path(QStringLiteral("shared")), &scanNotes), offers);
            scanNotes.sort();
            QCOMPARE(scanNotes, notes);
            if (afterScan)
                makeRecent();

            // Offered or not, the cleaner looks again.
            ScanItem it = item(path);
            it.minAgeMs = kDayMs;
            CategoryResult c = temp({it, item(other)});
            c.needsAdmin = true;
            const CleanReport r = clean({c}, toTrash);
            QCOMPARE(exists(path), !removed);
            QVERIFY(!dir || exists(deep) == !removed);
            QVERIFY(!exists(other));
            QCOMPARE(logLines(r.logPath).filter(QRegularExpression(QStringLiteral("^(BUSY|SKIPPED) |  0 KB$"))), said);
            QCOMPARE(r.changedSinceScan, removed || holding ? QStringList() : QStringList{path});
            const QList<CleanReport::Holder> named{{QStringLiteral("tst_cleaner"), {pid}, 1}};
            QCOMPARE(r.holders, holding ? named : QList<CleanReport::Holder>());
            QCOMPARE(std::tuple(r.skippedCount, r.heldFiles, r.busy.value(0).path),
                     (std::tuple<qint64, qint64, QString>(bool(holding), bool(holding), holding ? path : QString())));
            // Root needs no elevation; anyone else would be told to get it.
            QCOMPARE(r.needsAdmin, holding && ::geteuid() != 0);
        }
    }

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
        // No trash on their drive: one stays, one the user chose to delete.
        ScanItem far = item(tmp.makeFile(QStringLiteral("far"), "f"), 10240);
        ScanItem farGone = item(tmp.makeFile(QStringLiteral("far-gone"), "f"), 10240);
        far.trashFit = farGone.trashFit = NoTrashOnDrive;
        farGone.deleteInstead = true;
        // Nothing of this one can move, so it has no TRASHED line.
        const QString stuck = tmp.makeFile(QStringLiteral("stuck/") + QString(250, u'n'), "s");

        const QList<CategoryResult> results{
            temp({item(a, 10240), item(keep, 10240), item(bitwarden, 10240), item(gone, 10240), far, farGone,
                  item(tmp.path(QStringLiteral("stuck")), 4096, 1, true)}),
            category(QStringLiteral("dev"), Permanent, {item(npm, 20480, 2, true)}, QStringLiteral("Developer caches")),
        };
        const CleanReport r = clean(results, true, {QStringLiteral("keep")});
        QCOMPARE(r.logPath, logPath());
        QCOMPARE(logLines(r.logPath), QStringList({
            QStringLiteral("Varnholt cleanup 2026-12-05T10:15:30"),
            QStringLiteral("Mode: move to Trash; delete permanently 1 item it cannot take"),
            QStringLiteral("Selected: 84 KB"),
            QString(),
            QStringLiteral("== Temporary files (64 KB)"),
            QStringLiteral("EXCLUDED ") + keep,
            QStringLiteral("SKIPPED  ") + bitwarden + QStringLiteral("  (protected app data)"),
            QStringLiteral("SKIPPED  ") + far.path + QStringLiteral("  (no trash on this drive)"),
            QStringLiteral("SKIPPED  ") + stuck + QStringLiteral("  (cannot be moved to the trash here)"),
            QStringLiteral("== Developer caches (20 KB)"),
            QString(),
            QStringLiteral("TRASHED  ") + a + QStringLiteral("  10 KB"),
            QStringLiteral("  -> ") + trashFiles() + QStringLiteral("/a.txt\t") + a,
            QStringLiteral("TRASHED  ") + gone + QStringLiteral("  10 KB"),
            QStringLiteral("DELETED  ") + farGone.path + QStringLiteral("  10 KB"),
            QStringLiteral("DELETED  ") + npm + QStringLiteral("  20 KB"),
            QStringLiteral("Freed 50 KB, removed 5 files, skipped 3."),
        }));
        QCOMPARE(r.cleanedCategories, QStringList({QStringLiteral("temp"), QStringLiteral("dev")}));
        QCOMPARE(r.skippedSamples, QStringList{bitwarden});
        QCOMPARE(r.noTrash, (QList<QPair<QString, QString>>{{far.path, QStringLiteral("no trash on this drive")},
                                                            {stuck, QStringLiteral("cannot be moved to the trash here")}}));
        QVERIFY(exists(far.path) && !exists(farGone.path));
        QVERIFY(exists(keep));
        QVERIFY(exists(guarded));
        QVERIFY(!exists(a));
        QVERIFY(exists(npm));
        QVERIFY(QDir(npm).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }

    void itemOutcomes_data()
    {
        QTest::addColumn<QString>("categoryId");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("itemPath");
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("runningApp");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<bool>("logFolder");
        const auto text = [](const QString &field) { return field == u"-" ? QString() : field; };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("clean/itemoutcomes.tsv"), 10)) {
            QVERIFY2(QStringList({"yes", "no"}).contains(f[8]) && QStringList({"yes", "no"}).contains(f[9]),
                     qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << text(f[3]) << f[4] << text(f[5]) << text(f[6])
                                            << text(f[7]) << (f[8] == u"yes") << (f[9] == u"yes");
        }
    }

    void itemOutcomes()
    {
        QFETCH(QString, categoryId);
        QFETCH(QString, base);
        QFETCH(QString, itemPath);
        QFETCH(QString, made);
        QFETCH(QString, unit);
        QFETCH(QString, line);
        QFETCH(QString, runningApp);
        QFETCH(bool, removed);
        QFETCH(bool, logFolder);

        TempFolder tmp;
        const QString folder = base == QLatin1String("cache") ? qEnvironmentVariable("XDG_CACHE_HOME")
                             : base == QLatin1String("home")  ? QDir::homePath()
                                                              : tmp.path();
        const auto at = [&](const QString &relative) {
            return relative.isEmpty() ? folder : folder + QLatin1Char('/') + relative;
        };
        auto dropMade = qScopeGuard([&] {
            QFile::remove(at(made));
            if (base == QLatin1String("cache"))
                QDir(at(QStringLiteral("tst_cleaner"))).removeRecursively();
        });
        QVERIFY(QDir().mkpath(QFileInfo(at(made)).path()));
        QFile f(at(made));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("data") == 4);
        f.close();
        const QString blocker = QFileInfo(CleanupLog::folder()).path();
        if (!logFolder) {
            QDir(blocker).removeRecursively();
            QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
            QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        }

        // An exclusion written through "alias", a link to "box".
        QVERIFY(base != QLatin1String("-") || QFile::link(at(QStringLiteral("box")), at(QStringLiteral("alias"))));
        const CleanReport r = clean({category(categoryId, Safe, {item(at(itemPath), 4096, 1, made != itemPath)})},
                                    false, {QStringLiteral("keep"), at(QStringLiteral("alias/kept"))});
        QVERIFY(logFolder || QFile::remove(blocker));
        QCOMPARE(r.logPath, logFolder ? logPath() : QString());
        QVERIFY(line.isEmpty() || logLines(r.logPath).contains(line.arg(at(unit))));
        const bool skipped = line.startsWith(QLatin1String("SKIPPED")) && runningApp.isEmpty();
        QCOMPARE(std::tuple(exists(r.logPath), r.freedBytes, r.skippedCount),
                 (std::tuple<bool, qint64, qint64>(logFolder, removed ? 4096 : 0, skipped)));
        QCOMPARE(r.skippedSamples, skipped ? QStringList{at(unit)} : QStringList());
        QCOMPARE(r.skippedOther, skipped && !line.contains(QLatin1String("(protected ")) ? 1 : 0);
        QCOMPARE(r.runningApps, runningApp.isEmpty() ? QStringList() : QStringList{runningApp});
        QCOMPARE(exists(at(made)), !removed);
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
        QTest::addColumn<int>("removable");  // files the bin holds that can go
        QTest::addColumn<QString>("stays");  // what cannot, and why
        QTest::newRow("emptied") << 40 << "";
        // files/ as a link is never followed, so the bin cannot be emptied.
        QTest::newRow("cannot be emptied") << 0 << "files:could not empty";
        // An immutable entry stays with its record; the rest goes and counts.
        QTest::newRow("partly emptied") << 40 << "files/pinned:in use or access denied";
    }

    void recycleBin()
    {
        QFETCH(int, removable);
        QFETCH(QString, stays);
        const QString stayed = trash::homeTrash() + u'/' + stays.section(u':', 0, 0);
        const bool pinned = stays.startsWith(QLatin1String("files/pinned"));
        if (pinned && ::geteuid() != 0)
            QSKIP("needs root to make a file immutable");
        TempFolder tmp;
        const QString victim = tmp.makeFile(QStringLiteral("victim"), "v");
        QVERIFY(QDir().mkpath(trash::homeTrash() + QStringLiteral("/info")));
        if (removable > 0) {
            QVERIFY(QDir().mkpath(trashFiles()));
            for (int i = 0; i < removable; ++i) {
                QFile f(trashFiles() + QStringLiteral("/old%1").arg(i));
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
            }
        } else {
            QVERIFY(QFile::link(tmp.path(), trashFiles()));
        }
        auto unpin = qScopeGuard([&] {
            if (pinned)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), stayed});
        });
        if (pinned) {
            QVERIFY(QFile(stayed).open(QIODevice::WriteOnly));
            QVERIFY(QFile(trash::homeTrash() + QStringLiteral("/info/pinned.trashinfo")).open(QIODevice::WriteOnly));
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), stayed}) != 0)
                QSKIP("this file system keeps no immutable flag");
        }
        // Emptying works on every trash folder of the machine; only the
        // sandbox's own may be touched.
        if (trash::allTrashFolders() != QStringList{trash::homeTrash()})
            QSKIP("this machine has other trash folders that the test must not empty");

        CategoryResult bin = category(QStringLiteral("trash"), Permanent, {});
        bin.isTrash = true;
        bin.bytes = 4096 * std::max(removable, 1);
        bin.files = std::max(removable, 1);
        QList<qint64> steps;
        const CleanReport r = clean({bin}, true, {}, [&steps](Cleaner &c) {
            c.setProgressInterval(0);
            QObject::connect(&c, &Cleaner::progress, &c, [&steps](qint64 done, qint64, const QString &path) {
                if (path == recycleBinName())
                    steps.append(done);
            });
        });
        QVERIFY2(steps.size() > (removable > 0 ? 2 : 0), qPrintable(QString::number(steps.size())));
        QVERIFY(std::is_sorted(steps.cbegin(), steps.cend()) && steps.last() <= bin.bytes);
        QCOMPARE(r.cleanedCategories, QStringList{QStringLiteral("trash")});
        QVERIFY(exists(victim));
        const QStringList lines = logLines(r.logPath);
        QCOMPARE(lines.contains(QStringLiteral("EMPTIED  Trash")), removable > 0);
        QCOMPARE(lines.filter(QStringLiteral("SKIPPED")),
                 stays.isEmpty() ? QStringList() : QStringList{QStringLiteral("SKIPPED  %1  (%2)").arg(stayed, stays.section(u':', 1))});
        QVERIFY(!exists(trashFiles() + QStringLiteral("/old0")));
        // What went counts, what stayed keeps its record.
        QCOMPARE(std::pair(r.freedBytes, r.filesRemoved), (std::pair<qint64, qint64>(4096 * removable, removable)));
        QCOMPARE(r.skippedSamples, stays.isEmpty() ? QStringList() : QStringList{stayed});
        QCOMPARE(exists(trash::homeTrash() + QStringLiteral("/info/pinned.trashinfo")), pinned);
    }

    void busyFileFreesUpBetweenRetries()
    {
        TempFolder tmp;
        const QString busy = tmp.makeFile(QStringLiteral("cache/a/b/busy"), "held");
        tmp.makeFile(QStringLiteral("cache/a/free"), "free");
        const QString dir = tmp.path(QStringLiteral("cache"));
        Holder holder(busy);
        QVERIFY(holder.ready());

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
        QCOMPARE(std::pair(r.skippedCount, r.filesRemoved), (std::pair<qint64, qint64>(0, 2)));
        QVERIFY(!exists(tmp.path(QStringLiteral("cache/a"))));
        QVERIFY(exists(dir));
    }

    void readOnlyFolder()
    {
        if (testsupport::isUnprivilegedChild()) {
            const QString file = testsupport::childArguments().value(0);
            const CleanReport r = clean({temp({item(file)})}, false);
            QCOMPARE(std::pair(r.skippedCount, r.freedBytes), (std::pair<qint64, qint64>(1, 0)));
            QCOMPARE(r.skippedSamples, QStringList{file});
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

    void destroyedMidRunFinishesItsLog()
    {
        TempFolder tmp;
        const QString busy = tmp.makeFile(QStringLiteral("held"), "held");
        const QString later = tmp.makeFile(QStringLiteral("later"), "goes in the first pass");
        Holder holder(busy);
        QVERIFY(holder.ready());

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
        QCOMPARE(lines.value(lines.size() - 1), QStringLiteral("Freed 4 KB, removed 1 files, skipped 1."));
        QVERIFY(lines.contains(QStringLiteral("SKIPPED  %1  (in use or access denied, error %2)").arg(busy).arg(EBUSY)));
        QVERIFY(lines.contains(QStringLiteral("DELETED  %1  4 KB").arg(later)));
        QVERIFY(exists(busy));
    }
};

QTEST_GUILESS_MAIN(TestCleaner)
#include "tst_cleaner.moc"

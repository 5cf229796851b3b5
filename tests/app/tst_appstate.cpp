#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/language.h"
#include "app/platform.h"
#include "scan/fs.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <tuple>

#include <memory>

namespace {

// Volumes that tests mount stay inside this process.
[[maybe_unused]] const bool g_privateMounts = testsupport::enterPrivateMounts();

// Holds the scanner's worker before it reads the catalogue, so a test can
// cancel or pile up requests while the scan is certainly running.
struct Gate
{
    QSemaphore open;
    std::atomic_bool enabled{false};
};

CategoryRoot rootAt(const QString &path, const QString &label = {})
{
    CategoryRoot root;
    root.path = path;
    root.label = label;
    return root;
}

// Four categories over folders of `base`:
//   temp     Safe, listing root with a.bin, b.bin and folder c
//   thumbs   Safe, empty listing root
//   appcache Review, listing root with x.bin and y.bin
//   dev      Review, one labelled root
CatalogueSource fixtureCatalogue(const QString &base, std::shared_ptr<Gate> gate = {})
{
    return [base, gate] {
        if (gate && gate->enabled)
            gate->open.acquire();
        const auto def = [](const QString &id, int risk, const CategoryRoot &root) {
            CategoryDef d;
            d.id = d.name = id;
            d.risk = risk;
            d.roots = {root};
            return d;
        };
        return QList<CategoryDef>{
            def(QStringLiteral("temp"), Safe, rootAt(base + QStringLiteral("/temp"))),
            def(QStringLiteral("thumbs"), Safe, rootAt(base + QStringLiteral("/thumbs"))),
            def(QStringLiteral("appcache"), Review, rootAt(base + QStringLiteral("/appcache"))),
            def(QStringLiteral("dev"), Review, rootAt(base + QStringLiteral("/devcache"), QStringLiteral("Dev cache"))),
        };
    };
}

bool makeFixture(TempFolder &tmp)
{
    return !tmp.makeFileOfSize(QStringLiteral("temp/a.bin"), 3 * 4096).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("temp/b.bin"), 2 * 4096).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("temp/c/inner.bin"), 4096).isEmpty()
        && !tmp.makeDir(QStringLiteral("thumbs")).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("appcache/x.bin"), 5 * 4096).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("appcache/y.bin"), 4096).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("devcache/pkg/one.bin"), 4096).isEmpty();
}

// The fixture folders and an AppState over them (check `made`).
struct Fixture
{
    TempFolder tmp;
    bool made = makeFixture(tmp);
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    AppState state{fixtureCatalogue(tmp.path(), gate)};

    QString item(const QString &id, const QString &name) const
    {
        return id == QLatin1String("dev") ? tmp.path(QStringLiteral("devcache")) : tmp.path(id + u'/' + name);
    }
};

bool waitForPhase(AppState &state, AppState::Phase phase)
{
    return QTest::qWaitFor([&] { return state.phase() == phase; }, 20000);
}

bool runScan(AppState &state)
{
    state.startScan();
    return waitForPhase(state, AppState::Results);
}

// Large files in a home folder of their own (the finder walks $HOME) and an
// AppState that lists those of 1 MB and more.
struct LargeFixture
{
    TempFolder home;
    const QByteArray savedHome = qgetenv("HOME");
    AppState state{fixtureCatalogue(home.path())};

    LargeFixture()
    {
        qputenv("HOME", QFile::encodeName(home.path()));
        state.setOverrides({{}, {}, 1024 * 1024});
    }
    ~LargeFixture() { qputenv("HOME", savedHome); }

    bool load()
    {
        state.scanLargeFiles();
        return QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000) && state.largeLoaded();
    }
};

qint64 allocated(const QString &path)
{
    fs::Entry e;
    return fs::stat(path, e) ? e.allocated : -1;
}

QString trashInfoFor(const QString &inBin)
{
    QFileInfo f(inBin);
    return f.dir().absolutePath().chopped(5) + QStringLiteral("info/") + f.fileName() + QStringLiteral(".trashinfo");
}

} // namespace

class TestAppState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
        QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
        registerEngineTypes();
        loadLanguage(qApp);  // VARNHOLT_LANG is "en" under CTest
        // The settings key and the Recycle Bin are the user's own there:
        // only Wine's private prefix keeps them apart.
#ifdef Q_OS_WIN
        if (!testsupport::runsUnderWine())
            QSKIP("the settings and the Recycle Bin would be this user's own");
#endif
    }

    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                        QStringLiteral("Varnholt"));
        QDir(store.fileName()).removeRecursively();  // a folder left by a failed test
        store.clear();
    }

    // Only the scanner's report of a cancelled run moves the phase, not a
    // second scan or a cleanup asked for meanwhile: back to Idle after a first
    // scan, back to the untouched results after a rescan.
    void scanPhases()
    {
        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        QSignalSpy phases(&state, &AppState::phaseChanged);
        fx.gate->enabled = true;
        state.startScan();
        state.startScan(); // already scanning
        state.startClean(); // nothing selected yet
        state.cancelScan();
        QCOMPARE(state.phase(), AppState::Scanning);
        fx.gate->open.release();
        QVERIFY(waitForPhase(state, AppState::Idle));
        QVERIFY(state.results().isEmpty());
        QVERIFY(!AppSettings::instance()->lastScan().isValid());

        fx.gate->enabled = false;
        const QDateTime first(QDate(2026, 12, 1), QTime(8, 0));
        state.setClock([first] { return first; });
        QVERIFY(runScan(state));
        QCOMPARE(phases.count(), 4); // Scanning, Idle, Scanning, Results
        QCOMPARE(state.results().size(), 4);
        QCOMPARE(state.totalBytes(), state.foundBytes());
        QCOMPARE(state.liveBytes(4), 0);
        QCOMPARE(AppSettings::instance()->lastScan(), first);
        const QString x = fx.item(QStringLiteral("appcache"), QStringLiteral("x.bin"));
        state.setItemSelected(QStringLiteral("appcache"), x, true);
        const auto results = state.results();
        const auto selected = state.selectedCategories();
        const auto excluded = state.excludedItems();

        fx.gate->enabled = true;
        state.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(8, 0)); });
        QSignalSpy resultsSpy(&state, &AppState::resultsChanged);
        state.startScan();
        state.cancelScan();
        fx.gate->open.release();
        QVERIFY(waitForPhase(state, AppState::Results));
        QCOMPARE(state.results(), results);
        QCOMPARE(state.selectedCategories(), selected);
        QCOMPARE(state.excludedItems(), excluded);
        QCOMPARE(std::tuple(state.lastScan(), AppSettings::instance()->lastScan(), resultsSpy.count()),
                 std::tuple(first, first, qsizetype(0)));
    }

    void requestsThatCannotRunAreIgnored()
    {
        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        QVERIFY(runScan(state));

        // Everything unticked: no cleanup, the phase stays.
        state.selectAll(false);
        QSignalSpy phases(&state, &AppState::phaseChanged);
        state.startClean();
        state.dismissDone(); // only meaningful in Done
        QCOMPARE(phases.count(), 0);
        QCOMPARE(state.phase(), AppState::Results);

        // With settings that cannot be read the exclusions and the cleaning
        // mode are unknown: no cleanup starts, even with both given as
        // overrides, until the store can be read again.
        state.setOverrides({QStringList(), false, {}});
        state.setCategorySelected(QStringLiteral("appcache"), true);
#ifndef Q_OS_WIN // the registry key is no file
        const QString store = state.settingsLocation();
        QFile::remove(store);
        QVERIFY(QDir().mkpath(store));
        QVERIFY(!state.settingsReadable());
        QSignalSpy toasts(&state, &AppState::toast);
        state.startClean();
        QCOMPARE(state.phase(), AppState::Results);
        QCOMPARE(toasts.count(), 1);
        QVERIFY(QDir(store).removeRecursively() && state.settingsReadable());
#endif

        // A scan is refused while a cleanup runs.
        state.startClean();
        QCOMPARE(state.phase(), AppState::Cleaning);
        state.startScan();
        QCOMPARE(state.phase(), AppState::Cleaning);
        QVERIFY(waitForPhase(state, AppState::Done));
    }

    // Readings of folder sizes: on request; from the window's start once a
    // day and only while the setting is on; forgetting removes every one, a
    // reading under way included.
    void folderHistory()
    {
        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        state.forgetFolderHistory();  // an earlier run's
        QSignalSpy changed(&state, &AppState::folderHistoryChanged);
        state.recordFolderSizes();
        QVERIFY(state.recordingFolderSizes());
        QVERIFY(changed.wait());
        QVERIFY(state.lastFolderRecording().recorded);
        QCOMPARE(state.folderReadings().size(), 1);
        state.recordFolderSizesIfDue();
        QVERIFY(!state.recordingFolderSizes());
        state.recordFolderSizes();
        state.forgetFolderHistory();
        QTRY_COMPARE(changed.count(), 3);
        QVERIFY(!state.recordingFolderSizes());
        QVERIFY(state.folderReadings().isEmpty());
        AppSettings::instance()->setFolderHistory(false);
        state.recordFolderSizesIfDue();
        QVERIFY(!state.recordingFolderSizes());
        AppSettings::instance()->setFolderHistory(true);
        state.recordFolderSizesIfDue();
        QVERIFY(state.recordingFolderSizes());
        QTRY_COMPARE(changed.count(), 4);
        QCOMPARE(state.folderReadings().size(), 1);
        state.forgetFolderHistory();
    }

    void selection_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<int>("emitted");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("app/selection.tsv"), 4)) {
            bool ok = false;
            const int emitted = f[3].toInt(&ok);
            QVERIFY2(ok, qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << (f[1] == u"-" ? QStringList() : f[1].split(QStringLiteral("; "))) << f[2]
                                            << emitted;
        }
    }

    void selection()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, states);
        QFETCH(int, emitted);

        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        QVERIFY(runScan(state));
        QSignalSpy spy(&state, &AppState::selectionChanged);
        for (const QString &step : std::as_const(steps)) {
            const QStringList w = step.split(u' ');
            const bool on = w.last() == QLatin1String("on");
            if (w.at(0) == QLatin1String("cat"))
                state.setCategorySelected(w.at(1), on);
            else if (w.at(0) == QLatin1String("item"))
                state.setItemSelected(w.at(1), fx.item(w.at(1), w.at(2)), on);
            else if (w.at(0) == QLatin1String("all"))
                state.selectAll(on);
            else if (w.at(0) == QLatin1String("exclude"))
                AppSettings::instance()->setExclusions({fx.item(w.at(1), w.at(2))});
            else if (step == u"recommended")
                state.selectRecommended();
            else
                QFAIL(qPrintable(u"no such step: " + step));
        }

        QStringList got;
        for (const char *id : {"temp", "thumbs", "appcache", "dev"})
            got.append(QString::number(state.checkState(QLatin1String(id))));
        QCOMPARE(got.join(u' '), states);
        QCOMPARE(spy.count(), emitted);
        for (const ScanItem &i : state.findResult(QStringLiteral("temp"))->items)
            QVERIFY(!AppSettings::instance()->exclusions().contains(i.path));

        // The cleaner receives exactly the ticked items, with totals to match;
        // exclusions exist only inside selected categories.
        QSet<QString> ticked, handed, ofSelected;
        qint64 tickedBytes = 0;
        for (const CategoryResult &r : state.results()) {
            for (const ScanItem &i : r.items) {
                if (state.selectedCategories().contains(r.id))
                    ofSelected.insert(i.path);
                if (state.isItemSelected(r.id, i.path)) {
                    ticked.insert(i.path);
                    tickedBytes += i.bytes;
                }
            }
        }
        for (const CategoryResult &r : state.selectedResults()) {
            qint64 bytes = 0, files = 0;
            for (const ScanItem &i : r.items) {
                handed.insert(i.path);
                bytes += i.bytes;
                files += i.files;
            }
            QCOMPARE(r.bytes, bytes);
            QCOMPARE(r.files, files); // every fixture file belongs to an item
        }
        QCOMPARE(handed, ticked);
        QCOMPARE(state.selectedBytes(), tickedBytes);
        QVERIFY(ofSelected.contains(state.excludedItems()));
    }

    // What the cleanup left is measured again; only space really released
    // enters the freed history.
    void cleanupFlow_data()
    {
        QTest::addColumn<bool>("toTrash");
        QTest::newRow("deleted") << false;
        QTest::newRow("moved to the trash") << true;
    }

    void cleanupFlow()
    {
        QFETCH(bool, toTrash);
        if (toTrash && testsupport::runsUnderWine())
            QSKIP("Wine's shell cannot move files to the Recycle Bin");
        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        state.setOverrides({{}, toTrash, {}});
        // The disk is read again when a scan starts and ends and when a
        // cleanup starts.
        QSignalSpy volume(&state, &AppState::volumeChanged);
        QVERIFY(runScan(state));
        QCOMPARE(volume.count(), 2);
        const qint64 freedBefore = AppSettings::instance()->freedHistory(1).value(0);
        const QString b = fx.item(QStringLiteral("temp"), QStringLiteral("b.bin"));
        state.setItemSelected(QStringLiteral("temp"), b, false);
        const qint64 selectedBytes = state.selectedBytes();
        QSignalSpy results(&state, &AppState::resultsChanged);
        QSignalSpy selection(&state, &AppState::selectionChanged);

        state.startClean();
        QCOMPARE(std::tuple(state.phase(), state.availableBeforeClean(), state.selectedBeforeClean()),
                 std::tuple(AppState::Cleaning, state.volume().availableBytes, selectedBytes));
        QVERIFY(waitForPhase(state, AppState::Done));

        const CleanReport &report = state.lastReport();
        QCOMPARE(std::tuple(report.cleanedCategories, report.freedBytes, report.trashedBytes),
                 std::tuple(QStringList{QStringLiteral("temp")}, toTrash ? 0 : selectedBytes, toTrash ? selectedBytes : 0));
        QCOMPARE(AppSettings::instance()->freedHistory(1).value(0), freedBefore + report.freedBytes);
        QVERIFY(!QFileInfo::exists(fx.tmp.path(QStringLiteral("temp/a.bin"))));
        QVERIFY(!QFileInfo::exists(fx.tmp.path(QStringLiteral("temp/c"))));
        QVERIFY(QFileInfo::exists(b)); // unticked
        QVERIFY(QFileInfo::exists(fx.tmp.path(QStringLiteral("appcache/x.bin")))); // never selected
        QVERIFY(state.selectedCategories().isEmpty());
        QVERIFY(state.excludedItems().isEmpty());
        QCOMPARE(selection.count(), 1);

        // Until its figures arrive the category lists what it kept; then the
        // measurement, which finds the same.
        QVERIFY(state.isMeasuring(QStringLiteral("temp")));
        QCOMPARE(results.count(), 1);
        for (int pass = 0; pass < 2; ++pass) {
            const CategoryResult *temp = state.findResult(QStringLiteral("temp"));
            QVERIFY(temp && temp->items.size() == 1);
            QCOMPARE(std::tuple(temp->items.at(0).path, temp->bytes, state.results().size()),
                     std::tuple(b, allocated(b), qsizetype(4)));
            QVERIFY(QTest::qWaitFor([&] { return !state.isMeasuring(QStringLiteral("temp")); }, 20000));
        }
        QCOMPARE(results.count(), 2);

        // The log folder remembers the run by what it did; Restore is offered
        // while something of it is still in the bin.
        AppState::PastCleanup past = state.recentCleanups(1).value(0);
        QCOMPARE(std::tuple(past.logPath, past.moved, past.deleted, past.restorable),
                 std::tuple(report.logPath, toTrash, !toTrash, toTrash));
        if (toTrash) {
            state.restoreCleanup(past.logPath);
            QVERIFY(QTest::qWaitFor([&] { return state.lastCleanupRestored(); }, 20000));
            QVERIFY(!state.recentCleanups(1).value(0).restorable);
        }

        state.dismissDone();
        QCOMPARE(state.phase(), AppState::Results);
    }

    // A file another program holds stays, named with its holder; once the
    // holder has gone, "try again" cleans just that file and adds it up.
    void retryAfterTheHolderQuits()
    {
#ifdef Q_OS_WIN
        QSKIP("holds the file through /bin/sh and names the holder from /proc");
#endif
        Fixture fx;
        QVERIFY(fx.made);
        AppState &state = fx.state;
        state.setOverrides({{}, false, {}});
        QVERIFY(runScan(state));
        const QString held = fx.tmp.path(QStringLiteral("temp/c/inner.bin"));
        QProcess holder;
        holder.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; exec sleep 60"), held});
        const QString exe = QStringLiteral("/proc/%1/exe").arg(holder.processId());
        QVERIFY(QTest::qWaitFor([&] { return QFile::symLinkTarget(exe).endsWith(QLatin1String("/sleep")); }, 10000));

        state.startClean();
        QVERIFY(waitForPhase(state, AppState::Done));
        const CleanReport first = state.lastReport();
        QCOMPARE(first.holders, (QList<CleanReport::Holder>{{QStringLiteral("sleep"), {holder.processId()}, 1}}));
        QVERIFY(first.skippedCount == 1 && first.busy.size() == 1);
        QCOMPARE(first.busy.at(0).path, held);
        QVERIFY(QFileInfo::exists(held));
        QVERIFY(state.canRetrySkipped());

        holder.kill();
        QVERIFY(holder.waitForFinished());
        state.retrySkipped();
        QCOMPARE(state.phase(), AppState::Cleaning);
        QVERIFY(waitForPhase(state, AppState::Done));
        const CleanReport &both = state.lastReport();
        QVERIFY(!QFileInfo::exists(held));
        QVERIFY(QFileInfo::exists(fx.tmp.path(QStringLiteral("appcache/x.bin")))); // never selected
        QVERIFY(both.skippedCount == 0 && both.holders.isEmpty() && both.busy.isEmpty() && both.skippedSamples.isEmpty());
        QCOMPARE(std::tuple(both.freedBytes, both.filesRemoved, both.logPath, both.retryLogPaths.size()),
                 std::tuple(first.freedBytes + 4096, first.filesRemoved + 1, first.logPath, qsizetype(1)));
        QVERIFY(both.retryLogPaths.at(0) != first.logPath && QFileInfo::exists(both.retryLogPaths.at(0)));
        QVERIFY(!state.canRetrySkipped());
    }

    // A path that the scan did not list is never moved, nor one that the
    // scan listed but that another program holds open, that holds a guarded
    // app's data or that is another program's live store. What went is in the
    // trash with a record of where it was, and leaves the list.
    void moveMessages_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("noBin");
        QTest::addColumn<QString>("message");
        const auto yes = [](const QString &field) { return field == u"true"; };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("app/movemessages.tsv"), 6)) {
            for (const QString &flag : {f[2], f[4]})
                QVERIFY2(flag == u"true" || flag == u"false", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << f[1].split(QStringLiteral("; ")) << yes(f[2])
                                            << (f[3] == u"-" ? QString() : f[3]) << yes(f[4]) << f[5];
        }
    }

    void moveMessages()
    {
#ifdef Q_OS_WIN
        QSKIP("the large-file list walks the profile there, which HOME does not move");
#endif
        QFETCH(QStringList, files);
        QFETCH(bool, listed);
        QFETCH(QString, held);
        QFETCH(bool, noBin);
        QFETCH(QString, message);
        LargeFixture fx;
        const testsupport::PrivateMount volume(noBin ? fx.home.path() : QString());
        if (noBin && !volume.isMounted())
            QSKIP("mounting needs root and a mount namespace of the test's own");
        const QString other = fx.home.makeFileOfSize(QStringLiteral("other.iso"), 2 << 20);
        QStringList paths;
        for (const QString &file : std::as_const(files))
            paths << (listed ? fx.home.makeFileOfSize(file, 2 << 20) : fx.home.path(file));
        QVERIFY(fx.load());
        for (const QString &file : std::as_const(files))
            QVERIFY(listed || !fx.home.makeFileOfSize(file, 2 << 20).isEmpty());
        QCOMPARE(fx.state.largeFiles().size(), listed ? paths.size() + 1 : 1);
        QFile open(fx.home.path(held));
        QVERIFY(held.isEmpty() || open.open(QIODevice::ReadOnly));

        QSignalSpy toasts(&fx.state, &AppState::toast);
        fx.state.moveLargeFilesToTrash(paths);
        QTRY_COMPARE(toasts.count(), 1);
        QSet<QString> gone;
        qint64 movedBytes = 0;
        for (const auto &[source, inBin] : fx.state.undoMoves()) {
            gone.insert(source);
            movedBytes += allocated(inBin);
            QFile info(trashInfoFor(inBin));
            QVERIFY(info.open(QIODevice::ReadOnly));
            QVERIFY(info.readAll().contains(QByteArray("Path=" + QFile::encodeName(source).toPercentEncoding("/"))));
        }
        message.replace(QStringLiteral("%1"), formatSize(movedBytes)).replace(QStringLiteral("%2"), recycleBinName());
        // Undoable when something went, a warning when something stayed.
        QCOMPARE(toasts.at(0), QVariantList({message, !gone.isEmpty(), message.contains(u'·')}));
        for (const QString &path : std::as_const(paths))
            QCOMPARE(QFileInfo::exists(path), !gone.contains(path));
        QVERIFY(QFileInfo::exists(other));
        QCOMPARE(fx.state.largeFiles().size(), 1 + (listed ? paths.size() - gone.size() : 0));
    }

    // Undo restores only the last move, never over something new at the old
    // place, and takes the restored files' records out of the trash.
    void undoTakesBackTheLastMoveOnly()
    {
#ifdef Q_OS_WIN
        QSKIP("the large-file list walks the profile there, which HOME does not move");
#endif
        LargeFixture fx;
        const QString first = fx.home.makeFileOfSize(QStringLiteral("first.iso"), 2 << 20);
        const QString second = fx.home.makeFileOfSize(QStringLiteral("second.mkv"), 2 << 20);
        const QString third = fx.home.makeFileOfSize(QStringLiteral("third.zip"), 2 << 20);
        QVERIFY(fx.load());
        QSignalSpy toasts(&fx.state, &AppState::toast);
        const auto undone = [&](const QString &text, bool warning) {
            fx.state.undoLastMove();
            return toasts.last() == QVariantList({text, false, warning})
                && QTest::qWaitFor([&] { return !fx.state.largeScanRunning(); }, 20000);
        };
        fx.state.moveLargeFilesToTrash({first});
        QTRY_VERIFY(!fx.state.largeMoveRunning());
        QVERIFY(undone(QStringLiteral("Restored 1 file"), false));
        QVERIFY(QFileInfo::exists(first));
        QCOMPARE(fx.state.largeFiles().size(), 3); // the undo rescanned

        // The second move waits for the first.
        fx.state.moveLargeFilesToTrash({first});
        fx.state.moveLargeFilesToTrash({second, third});
        QTRY_VERIFY(!fx.state.largeMoveRunning() && !QFileInfo::exists(third));
        const auto moves = fx.state.undoMoves();
        QCOMPARE(moves.size(), 2);
        QVERIFY(!fx.home.makeFile(QStringLiteral("second.mkv"), "new").isEmpty());
        QVERIFY(undone(QStringLiteral("Restored 1 file"), true));
        QVERIFY(!QFileInfo::exists(first));
        QFile now(second);
        QVERIFY(now.open(QIODevice::ReadOnly));
        QCOMPARE(now.readAll(), QByteArray("new"));
        QVERIFY(QFileInfo::exists(moves.at(0).second)); // still in the trash, with its record
        QVERIFY(QFileInfo::exists(trashInfoFor(moves.at(0).second)));
        QVERIFY(QFileInfo::exists(third) && !QFileInfo::exists(trashInfoFor(moves.at(1).second)));
        QVERIFY(fx.state.undoMoves().isEmpty());
        QVERIFY(undone(QStringLiteral("Restored 0 files"), true)); // nothing left to undo
    }

    void nonPositiveThresholdFallsBack()
    {
        // A stored threshold of 0 would make every file "large".
        LargeFixture fx;
        QVERIFY(!fx.home.makeFileOfSize(QStringLiteral("small.txt"), 4096).isEmpty());
        AppSettings::instance()->setLargeThresholdMB(0);
        fx.state.setOverrides({});
        QVERIFY(fx.load());
        QVERIFY(fx.state.largeFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"

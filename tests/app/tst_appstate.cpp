#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "scan/fs.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

// Holds the scanner's worker before it reads the catalogue, so a test can
// cancel or pile up requests while the scan is certainly running.
struct Gate
{
    QSemaphore open;
    std::atomic_bool enabled{false};
};

// Four categories over folders of `tmp`:
//   temp     Safe, listing root with a.bin, b.bin and folder c
//   thumbs   Safe, empty listing root
//   appcache Review, listing root with x.bin and y.bin
//   dev      Review, one labelled root
CategoryRoot rootAt(const QString &path, const QString &label = {})
{
    CategoryRoot root;
    root.path = path;
    root.label = label;
    return root;
}

CatalogueSource fixtureCatalogue(const TempFolder &tmp, std::shared_ptr<Gate> gate = {})
{
    return [root = tmp.path(), gate] {
        if (gate && gate->enabled)
            gate->open.acquire();
        const auto def = [](const QString &id, int risk, const QList<CategoryRoot> &roots) {
            CategoryDef d;
            d.id = id;
            d.name = id;
            d.risk = risk;
            d.roots = roots;
            return d;
        };
        return QList<CategoryDef>{
            def(QStringLiteral("temp"), Safe, {rootAt(root + QStringLiteral("/temp"))}),
            def(QStringLiteral("thumbs"), Safe, {rootAt(root + QStringLiteral("/thumbs"))}),
            def(QStringLiteral("appcache"), Review, {rootAt(root + QStringLiteral("/appcache"))}),
            def(QStringLiteral("dev"), Review, {rootAt(root + QStringLiteral("/devcache"), QStringLiteral("Dev cache"))}),
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

bool waitForPhase(AppState &state, AppState::Phase phase)
{
    return QTest::qWaitFor([&] { return state.phase() == phase; }, 20000);
}

bool runScan(AppState &state)
{
    state.startScan();
    return waitForPhase(state, AppState::Results);
}

QString itemPath(const TempFolder &tmp, const QString &id, const QString &name)
{
    if (id == QLatin1String("dev"))
        return tmp.path(QStringLiteral("devcache"));
    return tmp.path(id + u'/' + name);
}

} // namespace

class TestAppState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void scanCompletesAndPreselectsSafe();
    void cancelledFirstScanGoesIdle();
    void cancelledRescanKeepsResultsAndSelection();
    void requestsThatCannotRunAreIgnored();
    void selection_data();
    void selection();
    void selectedResultsShrinkByUntickedItems();
    void cleanupFlow();
    void cleanupOfEverythingEndsIdle();
    void moveThreeFilesOneOpen();
    void moveMessages_data();
    void moveMessages();
    void secondMoveReplacesUndoList();
    void undoNeverOverwrites();
    void nonPositiveThresholdFallsBack();
};

void TestAppState::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    registerEngineTypes();
}

void TestAppState::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"), QStringLiteral("Varnholt"))
        .clear();
}

void TestAppState::scanCompletesAndPreselectsSafe()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    AppState state(fixtureCatalogue(tmp));
    const QDateTime pinned(QDate(2026, 12, 6), QTime(9, 30));
    state.setClock([pinned] { return pinned; });
    QSignalSpy phases(&state, &AppState::phaseChanged);

    QCOMPARE(state.phase(), AppState::Idle);
    QVERIFY(runScan(state));
    QCOMPARE(phases.count(), 2); // Scanning, Results
    QCOMPARE(state.results().size(), 4);
    QCOMPARE(state.defs().size(), 4);
    QCOMPARE(state.liveBytes(0), state.results().at(0).bytes);
    QCOMPARE(state.liveBytes(4), 0);
    QCOMPARE(state.liveBytes(-1), 0);
    QCOMPARE(state.lastScan(), pinned);
    QCOMPARE(AppSettings::instance()->lastScan(), pinned);
    // The empty Safe category is not preselected, Review never is.
    QCOMPARE(state.selectedCategories(), QSet<QString>{QStringLiteral("temp")});
    QVERIFY(state.excludedItems().isEmpty());
    QCOMPARE(state.totalBytes(), state.foundBytes());
}

void TestAppState::cancelledFirstScanGoesIdle()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    auto gate = std::make_shared<Gate>();
    gate->enabled = true;
    AppState state(fixtureCatalogue(tmp, gate));

    state.startScan();
    QCOMPARE(state.phase(), AppState::Scanning);
    state.cancelScan();
    QCOMPARE(state.phase(), AppState::Scanning); // only the scanner's report moves it
    gate->open.release();
    QVERIFY(waitForPhase(state, AppState::Idle));
    QVERIFY(state.results().isEmpty());
    QVERIFY(!AppSettings::instance()->lastScan().isValid());
}

void TestAppState::cancelledRescanKeepsResultsAndSelection()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    auto gate = std::make_shared<Gate>();
    AppState state(fixtureCatalogue(tmp, gate));
    const QDateTime first(QDate(2026, 12, 1), QTime(8, 0));
    state.setClock([first] { return first; });
    QVERIFY(runScan(state));
    state.setItemSelected(QStringLiteral("appcache"), itemPath(tmp, QStringLiteral("appcache"), QStringLiteral("x.bin")),
                          true);
    const auto results = state.results();
    const auto selected = state.selectedCategories();
    const auto excluded = state.excludedItems();

    gate->enabled = true;
    state.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(8, 0)); });
    QSignalSpy resultsSpy(&state, &AppState::resultsChanged);
    state.startScan();
    state.cancelScan();
    gate->open.release();
    QVERIFY(waitForPhase(state, AppState::Results));
    QCOMPARE(state.results(), results);
    QCOMPARE(state.selectedCategories(), selected);
    QCOMPARE(state.excludedItems(), excluded);
    QCOMPARE(state.lastScan(), first);
    QCOMPARE(AppSettings::instance()->lastScan(), first);
    QCOMPARE(resultsSpy.count(), 0);
}

void TestAppState::requestsThatCannotRunAreIgnored()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    auto gate = std::make_shared<Gate>();
    gate->enabled = true;
    AppState state(fixtureCatalogue(tmp, gate));
    QSignalSpy phases(&state, &AppState::phaseChanged);

    state.startScan();
    state.startScan(); // already scanning
    QCOMPARE(phases.count(), 1);
    state.startClean(); // nothing selected yet
    QCOMPARE(state.phase(), AppState::Scanning);
    gate->enabled = false;
    gate->open.release();
    QVERIFY(waitForPhase(state, AppState::Results));

    // Everything unticked: no cleanup, the phase stays.
    state.selectAll(false);
    phases.clear();
    state.startClean();
    state.dismissDone(); // only meaningful in Done
    QCOMPARE(phases.count(), 0);
    QCOMPARE(state.phase(), AppState::Results);

    // A scan is refused while a cleanup runs.
    state.setOverrides({{}, false, {}});
    state.setCategorySelected(QStringLiteral("appcache"), true);
    state.startClean();
    QCOMPARE(state.phase(), AppState::Cleaning);
    state.startScan();
    QCOMPARE(state.phase(), AppState::Cleaning);
    QVERIFY(waitForPhase(state, AppState::Done));
}

void TestAppState::selection_data()
{
    // Steps: "cat ID on|off", "item ID NAME on|off", "all on|off", "recommended".
    // Expected check states in catalogue order (temp thumbs appcache dev).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("states");
    QTest::addColumn<int>("emitted");

    QTest::newRow("after scan") << QStringList{} << "2 0 0 0" << 0;
    QTest::newRow("untick one item") << QStringList{"item temp a.bin off"} << "1 0 0 0" << 1;
    QTest::newRow("untick every item unselects")
        << QStringList{"item temp a.bin off", "item temp b.bin off", "item temp c off"} << "0 0 0 0" << 3;
    QTest::newRow("tick one item of unselected")
        << QStringList{"item appcache y.bin on"} << "2 0 1 0" << 1;
    QTest::newRow("tick the only item") << QStringList{"item dev - on"} << "2 0 0 2" << 1;
    QTest::newRow("tick partly checked category")
        << QStringList{"item temp a.bin off", "cat temp on"} << "2 0 0 0" << 2;
    QTest::newRow("untick partly checked category")
        << QStringList{"item temp a.bin off", "cat temp off"} << "0 0 0 0" << 2;
    QTest::newRow("tick checked category") << QStringList{"cat temp on"} << "2 0 0 0" << 0;
    QTest::newRow("untick unchecked category") << QStringList{"cat dev off"} << "2 0 0 0" << 0;
    QTest::newRow("tick ticked item") << QStringList{"item temp b.bin on"} << "2 0 0 0" << 0;
    QTest::newRow("untick item of unselected") << QStringList{"item appcache x.bin off"} << "2 0 0 0" << 0;
    QTest::newRow("unknown category") << QStringList{"cat nosuch on", "item nosuch a.bin on"} << "2 0 0 0" << 0;
    QTest::newRow("path that is no item") << QStringList{"item temp zzz off", "item appcache zzz on"}
                                          << "2 0 0 0" << 0;
    QTest::newRow("all on skips empty") << QStringList{"item temp a.bin off", "all on"} << "2 0 2 2" << 2;
    QTest::newRow("all off") << QStringList{"all off"} << "0 0 0 0" << 1;
    QTest::newRow("recommended resets")
        << QStringList{"all on", "item temp a.bin off", "recommended"} << "2 0 0 0" << 3;
    QTest::newRow("empty category ticked") << QStringList{"cat thumbs on"} << "2 2 0 0" << 1;
}

void TestAppState::selection()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, states);
    QFETCH(int, emitted);

    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    AppState state(fixtureCatalogue(tmp));
    QVERIFY(runScan(state));
    QSignalSpy spy(&state, &AppState::selectionChanged);

    for (const QString &step : std::as_const(steps)) {
        const QStringList w = step.split(u' ');
        const bool on = w.last() == QLatin1String("on");
        if (w.at(0) == QLatin1String("cat"))
            state.setCategorySelected(w.at(1), on);
        else if (w.at(0) == QLatin1String("item"))
            state.setItemSelected(w.at(1), itemPath(tmp, w.at(1), w.at(2)), on);
        else if (w.at(0) == QLatin1String("all"))
            state.selectAll(on);
        else
            state.selectRecommended();
    }

    QStringList got;
    for (const char *id : {"temp", "thumbs", "appcache", "dev"})
        got.append(QString::number(state.checkState(QLatin1String(id))));
    QCOMPARE(got.join(u' '), states);
    QCOMPARE(spy.count(), emitted);

    // Invariants: exclusions only inside selected categories, and the bytes
    // handed to the cleaner are exactly those of the ticked items.
    qint64 expected = 0;
    QSet<QString> itemsOfSelected;
    for (const CategoryResult &r : state.results()) {
        if (!state.selectedCategories().contains(r.id))
            continue;
        for (const ScanItem &item : r.items) {
            itemsOfSelected.insert(item.path);
            QCOMPARE(state.isItemSelected(r.id, item.path), !state.excludedItems().contains(item.path));
            if (state.isItemSelected(r.id, item.path))
                expected += item.bytes;
        }
    }
    QVERIFY(itemsOfSelected.contains(state.excludedItems()));
    QCOMPARE(state.selectedBytes(), expected);
    for (const CategoryResult &r : state.selectedResults())
        QVERIFY(r.bytes > 0);
}

void TestAppState::selectedResultsShrinkByUntickedItems()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    AppState state(fixtureCatalogue(tmp));
    QVERIFY(runScan(state));
    const CategoryResult *temp = state.findResult(QStringLiteral("temp"));
    QVERIFY(temp);
    QCOMPARE(temp->items.size(), 3);
    const QString b = itemPath(tmp, QStringLiteral("temp"), QStringLiteral("b.bin"));
    const auto it = std::find_if(temp->items.cbegin(), temp->items.cend(), [&](const ScanItem &i) { return i.path == b; });
    QVERIFY(it != temp->items.cend());

    state.setItemSelected(QStringLiteral("temp"), b, false);
    const QList<CategoryResult> sel = state.selectedResults();
    QCOMPARE(sel.size(), 1);
    QCOMPARE(sel.at(0).bytes, temp->bytes - it->bytes);
    QCOMPARE(sel.at(0).files, temp->files - it->files);
    QCOMPARE(sel.at(0).items.size(), 2);
    QVERIFY(std::none_of(sel.at(0).items.cbegin(), sel.at(0).items.cend(), [&](const ScanItem &i) { return i.path == b; }));
    QVERIFY(!state.findResult(QStringLiteral("nosuch")));
}

void TestAppState::cleanupFlow()
{
    TempFolder tmp;
    QVERIFY(makeFixture(tmp));
    AppState state(fixtureCatalogue(tmp));
    state.setOverrides({{}, false, {}}); // delete, the trash is not the subject here
    QVERIFY(runScan(state));
    const qint64 freedBefore = AppSettings::instance()->freedHistory(1).value(0);
    state.setItemSelected(QStringLiteral("temp"), itemPath(tmp, QStringLiteral("temp"), QStringLiteral("b.bin")), false);
    const qint64 selectedBytes = state.selectedBytes();
    QSignalSpy results(&state, &AppState::resultsChanged);
    QSignalSpy selection(&state, &AppState::selectionChanged);

    state.startClean();
    QCOMPARE(state.phase(), AppState::Cleaning);
    QCOMPARE(state.availableBeforeClean(), state.volume().availableBytes);
    QVERIFY(waitForPhase(state, AppState::Done));

    QCOMPARE(state.lastReport().cleanedCategories, QStringList{QStringLiteral("temp")});
    QCOMPARE(state.lastReport().freedBytes, selectedBytes);
    QVERIFY(!QFileInfo::exists(tmp.path(QStringLiteral("temp/a.bin"))));
    QVERIFY(!QFileInfo::exists(tmp.path(QStringLiteral("temp/c"))));
    QVERIFY(QFileInfo::exists(tmp.path(QStringLiteral("temp/b.bin")))); // unticked
    QVERIFY(QFileInfo::exists(tmp.path(QStringLiteral("appcache/x.bin")))); // never selected
    QVERIFY(!state.findResult(QStringLiteral("temp")));
    QCOMPARE(state.results().size(), 3);
    QVERIFY(state.selectedCategories().isEmpty());
    QVERIFY(state.excludedItems().isEmpty());
    QCOMPARE(results.count(), 1);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(AppSettings::instance()->freedHistory(1).value(0), freedBefore + selectedBytes);

    state.dismissDone();
    QCOMPARE(state.phase(), AppState::Results);
}

void TestAppState::cleanupOfEverythingEndsIdle()
{
    TempFolder tmp;
    QVERIFY(!tmp.makeFileOfSize(QStringLiteral("only/f.bin"), 4096).isEmpty());
    CategoryDef def;
    def.id = QStringLiteral("temp");
    def.roots = {rootAt(tmp.path(QStringLiteral("only")))};
    AppState state([def] { return QList<CategoryDef>{def}; });
    state.setOverrides({{}, false, {}});
    QVERIFY(runScan(state));
    state.startClean();
    QVERIFY(waitForPhase(state, AppState::Done));
    QVERIFY(state.results().isEmpty());
    state.dismissDone();
    QCOMPARE(state.phase(), AppState::Idle);
}

namespace {

// Large files in a home folder of their own; the finder walks $HOME.
struct LargeFixture
{
    TempFolder home;
    QByteArray savedHome = qgetenv("HOME");
    LargeFixture() { qputenv("HOME", QFile::encodeName(home.path())); }
    ~LargeFixture() { qputenv("HOME", savedHome); }
};

bool loadLarge(AppState &state)
{
    state.setOverrides({{}, {}, 1024 * 1024});
    state.scanLargeFiles();
    return QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000) && state.largeLoaded();
}

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

void TestAppState::moveThreeFilesOneOpen()
{
    LargeFixture fx;
    const QString a = fx.home.makeFileOfSize(QStringLiteral("big/a.iso"), 3 << 20);
    const QString b = fx.home.makeFileOfSize(QStringLiteral("big/b.mkv"), 2 << 20);
    const QString c = fx.home.makeFileOfSize(QStringLiteral("c.zip"), (3 << 20) / 2);
    QVERIFY(!a.isEmpty() && !b.isEmpty() && !c.isEmpty());
    AppState state(fixtureCatalogue(fx.home));
    QVERIFY(loadLarge(state));
    QCOMPARE(state.largeFiles().size(), 3);

    QFile open(b);
    QVERIFY(open.open(QIODevice::ReadOnly));
    const qint64 movedBytes = allocated(a) + allocated(c);
    QSignalSpy toasts(&state, &AppState::toast);
    state.moveLargeFilesToTrash({a, b, c});

    QCOMPARE(toasts.count(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QStringLiteral("2 files (%1) moved to the %2 · 1 in use, skipped")
                                                .arg(formatSize(movedBytes), recycleBinName()));
    QCOMPARE(toasts.at(0).at(1).toBool(), true);
    QVERIFY(!QFileInfo::exists(a) && !QFileInfo::exists(c));
    QVERIFY(QFileInfo::exists(b));
    QCOMPARE(state.largeFiles().size(), 1);
    QCOMPARE(state.largeFiles().at(0).path, b);
    QCOMPARE(state.undoMoves().size(), 2);
    for (const auto &[source, inBin] : state.undoMoves()) {
        QVERIFY(QFileInfo::exists(inBin));
        QFile info(trashInfoFor(inBin));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains(QByteArray("Path=" + QFile::encodeName(source).toPercentEncoding("/"))));
    }
    const auto moves = state.undoMoves();
    open.close();

    state.undoLastMove();
    QCOMPARE(toasts.count(), 2);
    QCOMPARE(toasts.at(1).at(0).toString(), QStringLiteral("Restored 2 file(s)"));
    QCOMPARE(toasts.at(1).at(1).toBool(), false);
    QVERIFY(QFileInfo::exists(a) && QFileInfo::exists(c));
    for (const auto &[source, inBin] : moves)
        QVERIFY(!QFileInfo::exists(trashInfoFor(inBin)));
    QVERIFY(state.undoMoves().isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000));
    QCOMPARE(state.largeFiles().size(), 3); // the undo rescanned

    state.undoLastMove(); // nothing left to undo
    QCOMPARE(toasts.last().at(0).toString(), QStringLiteral("Restored 0 file(s)"));
}

void TestAppState::moveMessages_data()
{
    QTest::addColumn<QString>("pick"); // "o" = the open file, "m" = a movable one, "x" = not in the list
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("undoable");

    QTest::newRow("one file") << "m" << "1 file (%1) moved to the %2" << true;
    QTest::newRow("all in use") << "o" << "0 files (0 KB) moved to the %2 · 1 in use, skipped" << false;
    QTest::newRow("not listed") << "x" << "0 files (0 KB) moved to the %2 · 1 in use, skipped" << false;
}

void TestAppState::moveMessages()
{
    QFETCH(QString, pick);
    QFETCH(QString, message);
    QFETCH(bool, undoable);

    LargeFixture fx;
    const QString movable = fx.home.makeFileOfSize(QStringLiteral("m.iso"), 2 << 20);
    const QString opened = fx.home.makeFileOfSize(QStringLiteral("o.iso"), 2 << 20);
    AppState state(fixtureCatalogue(fx.home));
    QVERIFY(loadLarge(state));
    // Not found by the scan: made afterwards.
    const QString unlisted = fx.home.makeFileOfSize(QStringLiteral("x.iso"), 2 << 20);
    QFile open(opened);
    QVERIFY(open.open(QIODevice::ReadOnly));

    const QString path = pick == QLatin1String("m") ? movable : pick == QLatin1String("o") ? opened : unlisted;
    const qint64 bytes = allocated(path);
    QSignalSpy toasts(&state, &AppState::toast);
    state.moveLargeFilesToTrash({path});
    QCOMPARE(toasts.count(), 1);
    message.replace(QStringLiteral("%1"), formatSize(bytes)).replace(QStringLiteral("%2"), recycleBinName());
    QCOMPARE(toasts.at(0).at(0).toString(), message);
    QCOMPARE(toasts.at(0).at(1).toBool(), undoable);
    QCOMPARE(QFileInfo::exists(path), !undoable);
}

void TestAppState::secondMoveReplacesUndoList()
{
    LargeFixture fx;
    const QString first = fx.home.makeFileOfSize(QStringLiteral("first.iso"), 2 << 20);
    const QString second = fx.home.makeFileOfSize(QStringLiteral("second.iso"), 2 << 20);
    AppState state(fixtureCatalogue(fx.home));
    QVERIFY(loadLarge(state));
    state.moveLargeFilesToTrash({first});
    state.moveLargeFilesToTrash({second});
    QCOMPARE(state.undoMoves().size(), 1);
    state.undoLastMove();
    QVERIFY(QFileInfo::exists(second));
    QVERIFY(!QFileInfo::exists(first));
    QVERIFY(QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000));
}

void TestAppState::undoNeverOverwrites()
{
    LargeFixture fx;
    const QString file = fx.home.makeFileOfSize(QStringLiteral("movie.mkv"), 2 << 20);
    AppState state(fixtureCatalogue(fx.home));
    QVERIFY(loadLarge(state));
    state.moveLargeFilesToTrash({file});
    QCOMPARE(state.undoMoves().size(), 1);
    const QString inBin = state.undoMoves().at(0).second;
    // Something new now sits where the file was.
    QVERIFY(!fx.home.makeFile(QStringLiteral("movie.mkv"), "new").isEmpty());

    QSignalSpy toasts(&state, &AppState::toast);
    state.undoLastMove();
    QCOMPARE(toasts.at(0).at(0).toString(), QStringLiteral("Restored 0 file(s)"));
    QFile now(file);
    QVERIFY(now.open(QIODevice::ReadOnly));
    QCOMPARE(now.readAll(), QByteArray("new"));
    QVERIFY(QFileInfo::exists(inBin)); // still in the trash, with its info
    QVERIFY(QFileInfo::exists(trashInfoFor(inBin)));
    QVERIFY(state.undoMoves().isEmpty());
}

void TestAppState::nonPositiveThresholdFallsBack()
{
    // A stored threshold of 0 would make every file "large".
    LargeFixture fx;
    QVERIFY(!fx.home.makeFileOfSize(QStringLiteral("small.txt"), 4096).isEmpty());
    AppSettings::instance()->setLargeThresholdMB(0);
    AppState state(fixtureCatalogue(fx.home));
    state.scanLargeFiles();
    QVERIFY(QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000));
    QVERIFY(state.largeLoaded());
    QVERIFY(state.largeFiles().isEmpty());
}

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"

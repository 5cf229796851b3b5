#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/pages/growthview.h"
#include "ui/pages/largefilesmodel.h"
#include "ui/pages/largefilespage.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/segmented.h"
#include "ui/widgets/treemap.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace ui;

namespace {

LargeFile file(const QString &dir, const QString &name, qint64 bytes, const QDateTime &lastUsed = {})
{
    LargeFile f;
    f.dir = dir;
    f.name = name;
    f.path = dir + u'/' + name;
    f.kind = largeFileKind(name);
    f.bytes = bytes;
    f.lastUsed = lastUsed;
    return f;
}

QStringList names(const QList<LargeFile> &files)
{
    QStringList out;
    for (const LargeFile &f : files)
        out.append(f.name);
    return out;
}

// A page over a state whose large-file finder walks a home folder of its
// own. Files made in `home` before show() are what the first visit finds.
struct Rig
{
    TempFolder home;
    QByteArray savedHome = qgetenv("HOME");
    QObject owner;
    AppState *state;
    LargeFilesPage page;

    Rig() : state(makeState(this)), page(state) {}
    ~Rig() { qputenv("HOME", savedHome); }

    // HOME points into `home` before the state and its finder exist.
    static AppState *makeState(Rig *rig)
    {
        qputenv("HOME", QFile::encodeName(rig->home.path()));
        auto *state = new AppState(emptyCatalogue(), &rig->owner);
        state->setOverrides({{}, {}, qint64(1) << 20});
        return state;
    }
    bool show()
    {
        page.resize(1100, 760);
        page.show();
        return QTest::qWaitForWindowExposed(&page) && waitIdle();
    }
    bool waitIdle() { return QTest::qWaitFor([&] { return !state->largeScanRunning(); }, 20000); }
    void setFilter(int filter)
    {
        auto *segmented = page.findChild<Segmented *>(QStringLiteral("filter"));
        segmented->setCurrentIndex(filter);
        emit segmented->currentChanged(filter);
    }
    template<typename T>
    T *child(const char *name) const { return page.findChild<T *>(QLatin1String(name)); }
};

void clickRow(QTableView *table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, LargeFilesModel::NameColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestLargeFilesPage final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    void filters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all keeps the order") << 0 << QString() << QStringList{"Movie.MKV", "old.iso", "five.zip", "setup.exe", "near.bin"};
        QTest::newRow("unused: six whole months pass, five do not") << 1 << QString() << QStringList{"old.iso"};
        QTest::newRow("downloads, any capitals") << 2 << QString() << QStringList{"five.zip", "setup.exe"};
        QTest::newRow("search in capitals finds names") << 0 << QStringLiteral("MOVIE") << QStringList{"Movie.MKV"};
        QTest::newRow("search in lower case finds folders") << 0 << QStringLiteral("videos") << QStringList{"Movie.MKV"};
        QTest::newRow("search and filter together") << 2 << QStringLiteral("SETUP") << QStringList{"setup.exe"};
        QTest::newRow("search without a match") << 0 << QStringLiteral("nothing") << QStringList{};
    }

    void filters()
    {
        QFETCH(int, filter);
        QFETCH(QString, term);
        const QDate today(2026, 12, 6);
        const QList<LargeFile> files{
            file(QStringLiteral("/home/u/Videos"), QStringLiteral("Movie.MKV"), 900, QDateTime(today, {})),
            file(QStringLiteral("/home/u/vm"), QStringLiteral("old.iso"), 800, QDateTime(QDate(2026, 6, 6), {})),
            file(QStringLiteral("/home/u/downloads"), QStringLiteral("five.zip"), 700, QDateTime(QDate(2026, 6, 7), {})),
            file(QStringLiteral("/home/u/Downloads/tools"), QStringLiteral("setup.exe"), 600, QDateTime(today, {})),
            file(QStringLiteral("/home/u/Downloads2"), QStringLiteral("near.bin"), 500, QDateTime(today, {})),
        };
        const QList<LargeFile> kept =
            LargeFilesPage::filterFiles(files, filter, 6, term, QStringLiteral("/home/u/Downloads"), today);
        QTEST(names(kept), "expected");
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("expectedColumn");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("size descending, ties keep their order")
            << 4 << int(Qt::DescendingOrder) << 4 << QStringList{"b.iso", "C.zip", "a.mkv", "d.exe"};
        QTest::newRow("name ignores case") << 1 << int(Qt::AscendingOrder) << 1 << QStringList{"a.mkv", "b.iso", "C.zip", "d.exe"};
        QTest::newRow("name descending") << 1 << int(Qt::DescendingOrder) << 1 << QStringList{"d.exe", "C.zip", "b.iso", "a.mkv"};
        QTest::newRow("last opened") << 3 << int(Qt::AscendingOrder) << 3 << QStringList{"d.exe", "b.iso", "C.zip", "a.mkv"};
        QTest::newRow("check column keeps size, takes the order")
            << 0 << int(Qt::AscendingOrder) << 4 << QStringList{"d.exe", "C.zip", "a.mkv", "b.iso"};
        QTest::newRow("kind column keeps size, takes the order")
            << 2 << int(Qt::AscendingOrder) << 4 << QStringList{"d.exe", "C.zip", "a.mkv", "b.iso"};
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        const QDateTime t(QDate(2026, 1, 1), {});
        LargeFilesModel model;
        // C.zip and a.mkv have the same size: a stable sort keeps C before a
        // ascending and descending alike.
        model.setFiles({file(QStringLiteral("/h"), QStringLiteral("C.zip"), 20, t.addDays(2)),
                        file(QStringLiteral("/h"), QStringLiteral("a.mkv"), 20, t.addDays(3)),
                        file(QStringLiteral("/h"), QStringLiteral("b.iso"), 30, t.addDays(1)),
                        file(QStringLiteral("/h"), QStringLiteral("d.exe"), 10, t)});
        model.sort(column, Qt::SortOrder(order));
        QTEST(model.sortColumn(), "expectedColumn");
        QTEST(names(model.files()), "expected");
    }

    // The first visit searches, once; the search can be stopped, and with
    // nothing found before the intro returns.
    void firstVisitScansOnce_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<int>("rows");  // -1: stopped
        QTest::newRow("a large file") << qint64(2 << 20) << 1;
        QTest::newRow("nothing large") << qint64(4096) << 0;
        QTest::newRow("stopped") << qint64(4096) << -1;
    }

    void firstVisitScansOnce()
    {
        QFETCH(qint64, bytes);
        QFETCH(int, rows);
        Rig rig;
        QVERIFY(!rig.home.makeFileOfSize(QStringLiteral("file.iso"), bytes).isEmpty());
        for (int i = 0; rows < 0 && i < 2000; ++i)
            QVERIFY(!rig.home.makeDir(QStringLiteral("d%1/e").arg(i)).isEmpty());
        QCOMPARE(rig.page.currentView(), int(LargeFilesPage::IntroView));
        QVERIFY(!rig.state->largeScanRunning());
        rig.page.show();
        QVERIFY(rig.state->largeScanRunning());
        QCOMPARE(rig.page.currentView(), int(LargeFilesPage::ScanningView));
        auto *stop = rig.child<Button>("stopScan");
        QVERIFY(stop->isVisible() && !rig.child<Button>("rescan")->isVisible());
        if (rows < 0)
            stop->click();
        QVERIFY(rig.waitIdle());
        QVERIFY(!stop->isVisible() && rig.child<Button>("rescan")->isVisible());
        QCOMPARE(rig.state->largeLoaded(), rows >= 0);
        QCOMPARE(rig.page.currentView(), int(rows < 0 ? LargeFilesPage::IntroView : LargeFilesPage::ResultsView));
        QCOMPARE(rig.page.model()->rowCount(), std::max(rows, 0));
        // Nothing listed, nothing to act on.
        QCOMPARE(rig.child<Card>("treemapCard")->isVisible(), rows > 0);
        QVERIFY(rows < 0 || (!rig.child<Button>("move")->isEnabled() && !rig.child<Button>("show")->isEnabled()));
        // The page names the size its files were looked for above; a new
        // threshold in the settings waits for the next search.
        const QString over = QStringLiteral("Home folder · over ") + formatSize(qint64(1) << 20);
        QCOMPARE(rig.page.findChild<PageHeader *>()->eyebrow(), over);
        AppSettings::instance()->setLargeThresholdMB(1000);
        QCOMPARE(rig.page.findChild<PageHeader *>()->eyebrow(), over);
        AppSettings::instance()->setLargeThresholdMB(500);

        rig.page.hide();
        rig.page.show();
        QVERIFY(!rig.state->largeScanRunning());
    }

    // The table is one stop: the arrows move through the files, Space checks
    // the current one; assistive technology reads each cell, the check cell
    // by the file's name with its state. A check survives filters that hide
    // its file, which is then neither counted nor acted on, and a rescan.
    void checksSurviveFiltersAndRescans()
    {
        Rig rig;
        const QString movie = rig.home.makeFileOfSize(QStringLiteral("Videos/movie.mkv"), 3 << 20);
        const QString setup = rig.home.makeFileOfSize(QStringLiteral("Downloads/setup.exe"), 2 << 20);
        QVERIFY(!movie.isEmpty() && !setup.isEmpty());
        QVERIFY(rig.show());
        QVERIFY(QTest::qWaitForWindowActive(&rig.page));
        LargeFilesModel *model = rig.page.model();
        QCOMPARE(model->rowCount(), 2);
        QTableView *table = rig.page.table();
        table->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Space})
            QTest::keyClick(table, key);
        const QModelIndex second = model->index(1, LargeFilesModel::CheckColumn);
        QVERIFY(second.data(LargeFilesModel::CheckedRole).toBool());
        QVERIFY(!model->index(0, 0).data(LargeFilesModel::CheckedRole).toBool());
        QCOMPARE(second.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(second.data(Qt::AccessibleTextRole).toString(), model->fileAt(1)->name);
        QCOMPARE(model->index(1, LargeFilesModel::SizeColumn).data(Qt::AccessibleTextRole).toString(),
                 formatSize(model->fileAt(1)->bytes));
        QTest::keyClick(table, Qt::Key_Space);
        QVERIFY(!model->isChecked(setup));
#ifdef Q_OS_WIN
        QSKIP("the Downloads filter takes the profile's folder there, which HOME does not move");
#endif

        // A click on the tile checks the row and dims the other tile.
        Treemap *map = rig.page.treemap();
        const int tile = map->tiles().first().path == movie ? 0 : 1;
        QTest::mouseClick(map, Qt::LeftButton, {}, map->tileRects()[tile].center().toPoint());
        QVERIFY(model->index(model->rowOf(movie), 0).data(LargeFilesModel::CheckedRole).toBool());
        QCOMPARE(map->checked(), QSet<QString>{movie});
        auto *move = rig.child<Button>("move");
        QVERIFY(move->isEnabled());
        QVERIFY(rig.child<QLabel>("summary")->text().contains(QStringLiteral("· 2 files")));

        // Filtered out: not counted, nothing to act on, but still checked.
        rig.setFilter(LargeFilesPage::Downloads);
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(!move->isEnabled());
        auto *search = rig.child<QLineEdit>("search");
        search->setText(QStringLiteral("nothing like it"));
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(!rig.child<Card>("treemapCard")->isVisible());
        QVERIFY(rig.child<QLabel>("noMatch")->isVisible());
        search->clear();
        rig.setFilter(LargeFilesPage::AllFiles);
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(model->isChecked(movie) && move->isEnabled());
        QVERIFY(!rig.child<QLabel>("noMatch")->isVisible());

        rig.state->scanLargeFiles();
        QVERIFY(rig.waitIdle() && rig.state->largeLoaded());
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(model->index(model->rowOf(movie), 0).data(LargeFilesModel::CheckedRole).toBool());
        QVERIFY(!model->isChecked(setup));
    }

    // "Grew" shows the folders of the newest reading by their change since a
    // week ago, largest growth first, while the files are still being found;
    // its Change column sorts.
    void grewView()
    {
        Rig rig;
        const QString videos = rig.home.path() + QStringLiteral("/Videos");
        QVERIFY(plantFolderReadings(rig.home.path(), "Videos"));
        rig.page.showGrowth(videos);
        rig.page.show();
        QVERIFY(rig.state->largeScanRunning());
        QCOMPARE(rig.page.currentView(), int(LargeFilesPage::ResultsView));
        GrowthView *growth = rig.page.growth();
        QVERIFY(growth->isVisible() && !rig.child<QLineEdit>("search")->isVisible());
        const GrowthModel *model = growth->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, GrowthModel::FolderColumn).data(GrowthModel::PathRole).toString(), videos);
        QCOMPARE(model->index(0, GrowthModel::ChangeColumn).data().toString(), u'+' + formatSize(qint64(2) << 30));
        QCOMPARE(growth->table()->currentIndex().row(), 0);
        const QList<TreemapTile> &tiles = growth->treemap()->tiles();
        QCOMPARE(tiles.size(), 2);
        QVERIFY(tiles[0].color != tiles[1].color);
        QHeaderView *header = growth->table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(GrowthModel::ChangeColumn) + 20, header->height() / 2));
        QCOMPARE(model->index(1, GrowthModel::FolderColumn).data(GrowthModel::PathRole).toString(), videos);

        QVERIFY(rig.waitIdle());
        rig.setFilter(LargeFilesPage::AllFiles);
        QVERIFY(!growth->isVisible() && rig.child<QLabel>("noMatch")->isVisible());
    }

    // Files in use and the undo's own rules are the state's tests; here the
    // page moves only what it shows checked and follows the files back.
    void moveOnlyWhatShowsThenUndo()
    {
        if (testsupport::runsUnderWine())
            QSKIP("Wine's shell cannot move files to the Recycle Bin");
        Rig rig;
        const QString a = rig.home.makeFileOfSize(QStringLiteral("a-big.iso"), 3 << 20);
        const QString b = rig.home.makeFileOfSize(QStringLiteral("b-big.mkv"), 2 << 20);
        const QString hidden = rig.home.makeFileOfSize(QStringLiteral("Downloads/keep.bin"), 5 << 20);
        QVERIFY(!a.isEmpty() && !b.isEmpty() && !hidden.isEmpty());
        QVERIFY(rig.show());
        LargeFilesModel *model = rig.page.model();
        QCOMPARE(model->rowCount(), 3);

        // Checked, then hidden by the search: out of sight is out of the move.
        rig.page.toggleChecked(hidden);
        auto *search = rig.child<QLineEdit>("search");
        search->setText(QStringLiteral("  BIG "));
        QCOMPARE(model->rowCount(), 2);
        clickRow(rig.page.table(), model->rowOf(a));
        QVERIFY(model->isChecked(a) && !model->isChecked(b));
        rig.child<Button>("move")->click();
        QTRY_VERIFY(!rig.state->largeMoveRunning());  // the move runs on a worker
        QVERIFY(!QFileInfo::exists(a));
        QVERIFY(QFileInfo::exists(b) && QFileInfo::exists(hidden));
        QCOMPARE(model->rowCount(), 1);

        rig.state->undoLastMove();
        QVERIFY(QFileInfo::exists(a));
        QVERIFY(rig.waitIdle());
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(!model->isChecked(a));  // put back, it comes back unticked
        search->clear();
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(model->isChecked(hidden));

        // A file gone since the search cannot be shown: the user is told.
        QVERIFY(QFile::remove(hidden));
        QSignalSpy toasts(rig.state, &AppState::toast);
        rig.child<Button>("show")->click();
        QCOMPARE(toasts.count(), 1);
        QVERIFY(toasts.at(0).at(0).toString().contains(hidden));
    }
};

QTEST_MAIN(TestLargeFilesPage)
#include "tst_largefilespage.moc"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/pages/largefilesmodel.h"
#include "ui/pages/largefilespage.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/segmented.h"
#include "ui/widgets/treemap.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <cmath>

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

// A home folder of its own for the finder, which always walks $HOME.
struct Home
{
    TempFolder folder;
    QByteArray saved = qgetenv("HOME");
    Home() { qputenv("HOME", QFile::encodeName(folder.path())); }
    ~Home() { qputenv("HOME", saved); }
};

AppState *makeState(QObject *parent)
{
    auto *state = new AppState([] { return QList<CategoryDef>{}; }, parent);
    state->setOverrides({{}, {}, qint64(1) << 20});
    return state;
}

bool waitIdle(AppState &state)
{
    return QTest::qWaitFor([&] { return !state.largeScanRunning(); }, 20000);
}

bool load(AppState &state)
{
    state.scanLargeFiles();
    return waitIdle(state) && state.largeLoaded();
}

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
    void initTestCase()
    {
        startUiTest();
    }

    void filters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all keeps the order") << 0 << QString() << QStringList{"Movie.MKV", "old.iso", "five.zip", "setup.exe"};
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
        QFETCH(QStringList, expected);
        const QDate today(2026, 12, 6);
        const QList<LargeFile> files{
            file(QStringLiteral("/home/u/Videos"), QStringLiteral("Movie.MKV"), 900, QDateTime(today, {})),
            file(QStringLiteral("/home/u/vm"), QStringLiteral("old.iso"), 800, QDateTime(QDate(2026, 6, 6), {})),
            file(QStringLiteral("/home/u/downloads"), QStringLiteral("five.zip"), 700, QDateTime(QDate(2026, 6, 7), {})),
            file(QStringLiteral("/home/u/Downloads/tools"), QStringLiteral("setup.exe"), 600, QDateTime(today, {})),
        };
        const QList<LargeFile> kept =
            LargeFilesPage::filterFiles(files, filter, 6, term, QStringLiteral("/home/u/Downloads"), today);
        QCOMPARE(names(kept), expected);
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
        QFETCH(int, expectedColumn);
        QFETCH(QStringList, expected);
        const QDateTime t(QDate(2026, 1, 1), {});
        LargeFilesModel model;
        // C.zip and a.mkv have the same size: a stable sort keeps C before a
        // ascending and descending alike.
        model.setFiles({file(QStringLiteral("/h"), QStringLiteral("C.zip"), 20, t.addDays(2)),
                        file(QStringLiteral("/h"), QStringLiteral("a.mkv"), 20, t.addDays(3)),
                        file(QStringLiteral("/h"), QStringLiteral("b.iso"), 30, t.addDays(1)),
                        file(QStringLiteral("/h"), QStringLiteral("d.exe"), 10, t)});
        model.sort(column, Qt::SortOrder(order));
        QCOMPARE(model.sortColumn(), expectedColumn);
        QCOMPARE(names(model.files()), expected);
        for (int c = 0; c < LargeFilesModel::ColumnCount; ++c) {
            const QString header = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            const bool arrow = header.endsWith(u'\u2191') || header.endsWith(u'\u2193');
            QCOMPARE(arrow, c == expectedColumn);
        }
    }

    void firstVisitScansOnce()
    {
        Home home;
        QVERIFY(!home.folder.makeFileOfSize(QStringLiteral("big.iso"), 2 << 20).isEmpty());
        QObject owner;
        AppState *state = makeState(&owner);
        LargeFilesPage page(state);
        QCOMPARE(page.currentView(), int(LargeFilesPage::IntroView));
        QVERIFY(!state->largeScanRunning());

        page.show();
        QVERIFY(state->largeScanRunning());
        QCOMPARE(page.currentView(), int(LargeFilesPage::ScanningView));
        QVERIFY(waitIdle(*state));
        QCOMPARE(page.currentView(), int(LargeFilesPage::ResultsView));
        QCOMPARE(page.model()->rowCount(), 1);

        page.hide();
        page.show();
        QVERIFY(!state->largeScanRunning());
    }

    void emptyResult()
    {
        Home home;
        QVERIFY(!home.folder.makeFileOfSize(QStringLiteral("small.txt"), 4096).isEmpty());
        QObject owner;
        AppState *state = makeState(&owner);
        LargeFilesPage page(state);
        page.resize(1000, 700);
        page.show();
        QVERIFY(waitIdle(*state));
        QCOMPARE(page.currentView(), int(LargeFilesPage::ResultsView));
        QCOMPARE(page.model()->rowCount(), 0);
        QVERIFY(!page.findChild<Card *>(QStringLiteral("treemapCard"))->isVisible());
        QVERIFY(!page.findChild<Button *>(QStringLiteral("move"))->isEnabled());
        QVERIFY(!page.findChild<Button *>(QStringLiteral("show"))->isEnabled());
    }

    void checksSurviveFiltersAndRescans()
    {
        Home home;
        const QString movie = home.folder.makeFileOfSize(QStringLiteral("Videos/movie.mkv"), 3 << 20);
        const QString setup = home.folder.makeFileOfSize(QStringLiteral("Downloads/setup.exe"), 2 << 20);
        QVERIFY(!movie.isEmpty() && !setup.isEmpty());
        QObject owner;
        AppState *state = makeState(&owner);
        LargeFilesPage page(state);
        page.resize(1100, 760);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(waitIdle(*state));
        QCOMPARE(page.model()->rowCount(), 2);

        // A click on the tile checks the row and dims the other tile.
        Treemap *map = page.treemap();
        const int tile = map->tiles().first().path == movie ? 0 : 1;
        QTest::mouseClick(map, Qt::LeftButton, {}, map->tileRects()[tile].center().toPoint());
        QVERIFY(page.model()->isChecked(movie));
        QVERIFY(page.model()->index(page.model()->rowOf(movie), 0).data(LargeFilesModel::CheckedRole).toBool());
        QCOMPARE(map->checked(), QSet<QString>{movie});
        auto *move = page.findChild<Button *>(QStringLiteral("move"));
        QVERIFY(move->isEnabled());
        QVERIFY(page.findChild<QLabel *>(QStringLiteral("summary"))->text().contains(QStringLiteral("· 2 files")));

        // Filtered out: not counted, nothing to act on, but still checked.
        page.findChild<Segmented *>(QStringLiteral("filter"))->setCurrentIndex(LargeFilesPage::Downloads);
        emit page.findChild<Segmented *>(QStringLiteral("filter"))->currentChanged(LargeFilesPage::Downloads);
        QCOMPARE(page.model()->rowCount(), 1);
        QVERIFY(!move->isEnabled());
        auto *search = page.findChild<QLineEdit *>(QStringLiteral("search"));
        search->setText(QStringLiteral("nothing like it"));
        QCOMPARE(page.model()->rowCount(), 0);
        QVERIFY(!page.findChild<Card *>(QStringLiteral("treemapCard"))->isVisible());
        search->clear();
        page.findChild<Segmented *>(QStringLiteral("filter"))->setCurrentIndex(LargeFilesPage::AllFiles);
        emit page.findChild<Segmented *>(QStringLiteral("filter"))->currentChanged(LargeFilesPage::AllFiles);
        QCOMPARE(page.model()->rowCount(), 2);
        QVERIFY(page.model()->isChecked(movie));
        QVERIFY(move->isEnabled());

        QVERIFY(load(*state));
        QCOMPARE(page.model()->rowCount(), 2);
        QVERIFY(page.model()->index(page.model()->rowOf(movie), 0).data(LargeFilesModel::CheckedRole).toBool());
        QVERIFY(!page.model()->isChecked(setup));
    }

    void moveWithOneInUseThenUndo()
    {
        Home home;
        const QString a = home.folder.makeFileOfSize(QStringLiteral("a-big.iso"), 3 << 20);
        const QString b = home.folder.makeFileOfSize(QStringLiteral("b-big.mkv"), 2 << 20);
        const QString c = home.folder.makeFileOfSize(QStringLiteral("c-big.zip"), (3 << 20) / 2);
        const QString hidden = home.folder.makeFileOfSize(QStringLiteral("Downloads/keep.bin"), 5 << 20);
        QVERIFY(!a.isEmpty() && !b.isEmpty() && !c.isEmpty() && !hidden.isEmpty());
        QObject owner;
        AppState *state = makeState(&owner);
        LargeFilesPage page(state);
        page.resize(1100, 760);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(waitIdle(*state));
        QCOMPARE(page.model()->rowCount(), 4);

        // Checked, then hidden by the search: out of sight is out of the move.
        page.toggleChecked(hidden);
        auto *search = page.findChild<QLineEdit *>(QStringLiteral("search"));
        search->setText(QStringLiteral("  BIG "));
        QCOMPARE(page.model()->rowCount(), 3);
        for (const QString &p : {a, b, c})
            clickRow(page.table(), page.model()->rowOf(p));
        QVERIFY(page.model()->isChecked(a) && page.model()->isChecked(b) && page.model()->isChecked(c));

        QFile open(b);
        QVERIFY(open.open(QIODevice::ReadOnly));
        QSignalSpy toasts(state, &AppState::toast);
        page.findChild<Button *>(QStringLiteral("move"))->click();
        open.close();
        QCOMPARE(toasts.count(), 1);
        QVERIFY2(toasts.at(0).at(0).toString().startsWith(QStringLiteral("2 files"))
                     && toasts.at(0).at(0).toString().endsWith(QStringLiteral("1 in use, skipped")),
                 qPrintable(toasts.at(0).at(0).toString()));
        QCOMPARE(toasts.at(0).at(1).toBool(), true);
        QVERIFY(!QFileInfo::exists(a) && !QFileInfo::exists(c));
        QVERIFY(QFileInfo::exists(b) && QFileInfo::exists(hidden));
        QCOMPARE(page.model()->rowCount(), 1);
        QVERIFY(page.model()->isChecked(b));

        state->undoLastMove();
        QVERIFY(QFileInfo::exists(a) && QFileInfo::exists(c));
        QVERIFY(waitIdle(*state));
        QCOMPARE(page.model()->rowCount(), 3);
        search->clear();
        QCOMPARE(page.model()->rowCount(), 4);
    }

    // Pictures for a person to look at: VARNHOLT_SHOT_DIR=<folder> saves the
    // results view of a few hundred files there.
    void screenshots()
    {
        const QString out = qEnvironmentVariable("VARNHOLT_SHOT_DIR");
        if (out.isEmpty())
            QSKIP("VARNHOLT_SHOT_DIR not set");
        Home home;
        const QStringList kinds{".iso", ".mkv", ".zip", ".exe", ".pdf", ".bak", ".flac", ".png", ".part", ".dat"};
        const QStringList dirs{"Videos", "Downloads", "vm/images", "Music/albums", "Documents/scans", "backups"};
        for (int i = 0; i < 240; ++i) {
            const qint64 bytes = qint64(64 * 1024 * std::pow(1.022, 240 - i));
            const QString name = i == 7 ? QStringLiteral("<b>notes</b> & more.pdf")
                                        : QStringLiteral("file-%1%2").arg(i).arg(kinds[i % kinds.size()]);
            QVERIFY(!home.folder.makeFileOfSize(dirs[i % dirs.size()] + u'/' + name, bytes).isEmpty());
        }
        QObject owner;
        AppState *state = makeState(&owner);
        state->setOverrides({{}, {}, 64 * 1024});
        LargeFilesPage page(state);
        page.resize(1180, 740);
        QVERIFY(page.grab().save(out + QStringLiteral("/spacemap-intro.png")));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // The finder's own signals wait in the queue while these are shown.
        QList<LargeFile> largest;
        for (int i = 0; i < 6; ++i)
            largest.append(file(home.folder.path() + QStringLiteral("/Videos"), QStringLiteral("clip-%1.mkv").arg(i),
                                qint64(900 - 100 * i) << 20));
        emit state->largeProgress(48213, home.folder.path() + QStringLiteral("/Music/albums/a very long folder name"),
                                  17, qint64(5) << 30, largest);
        QVERIFY(page.grab().save(out + QStringLiteral("/spacemap-scanning.png")));
        QVERIFY(waitIdle(*state));
        for (int row : {0, 3, 4})
            page.toggleChecked(page.model()->fileAt(row)->path);
        QTest::qWait(50);
        QVERIFY(page.grab().save(out + QStringLiteral("/spacemap-results.png")));
        page.resize(960, 600);
        QTest::qWait(50);
        QVERIFY(page.grab().save(out + QStringLiteral("/spacemap-minimum.png")));
    }
};

QTEST_MAIN(TestLargeFilesPage)
#include "tst_largefilespage.moc"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/pages/cleanuppage.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/note.h"
#include "ui/widgets/scansteprow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using ui::CleanupPage;

namespace {

CategoryDef def(const QString &id, int risk, const QList<CategoryRoot> &roots, bool needsAdmin = false)
{
    CategoryDef d;
    d.id = id;
    d.name = id;
    d.description = QStringLiteral("About ") + id;
    d.icon = QStringLiteral("folder");
    d.color = QStringLiteral("#38bdf8");
    d.risk = risk;
    d.needsAdmin = needsAdmin;
    d.roots = roots;
    return d;
}

CategoryRoot rootAt(const QString &path, const QString &label = {})
{
    CategoryRoot root;
    root.path = path;
    root.label = label;
    return root;
}

// temp (Safe, 120 files), thumbs (Safe), empty (Safe, nothing in it),
// appcache (Review, one labelled folder), dev (Permanent).
CatalogueSource mixedCatalogue(const QString &root)
{
    return [root] {
        return QList<CategoryDef>{
            def(QStringLiteral("temp"), Safe, {rootAt(root + QStringLiteral("/temp"))}),
            def(QStringLiteral("thumbs"), Safe, {rootAt(root + QStringLiteral("/thumbs"))}),
            def(QStringLiteral("empty"), Safe, {rootAt(root + QStringLiteral("/empty"))}),
            def(QStringLiteral("appcache"), Review,
                {rootAt(root + QStringLiteral("/appcache"), QStringLiteral("Some app"))}),
            def(QStringLiteral("dev"), Permanent, {rootAt(root + QStringLiteral("/dev"))}),
        };
    };
}

bool makeMixedFixture(TempFolder &tmp)
{
    for (int k = 0; k < 120; ++k) {
        if (tmp.makeFileOfSize(QStringLiteral("temp/f%1.log").arg(k, 3, 10, QLatin1Char('0')), 4096).isEmpty())
            return false;
    }
    return !tmp.makeFileOfSize(QStringLiteral("thumbs/a.png"), 8192).isEmpty()
        && !tmp.makeDir(QStringLiteral("empty")).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("appcache/blob.bin"), 16384).isEmpty()
        && !tmp.makeFileOfSize(QStringLiteral("dev/pkg.zip"), 4096).isEmpty();
}

// Ten categories of one file each, for watching the scan move on.
CatalogueSource tenCategories(const QString &root)
{
    return [root] {
        QList<CategoryDef> defs;
        for (int k = 0; k < 10; ++k)
            defs.append(def(QStringLiteral("c%1").arg(k), Safe, {rootAt(root + QStringLiteral("/c%1").arg(k))}));
        return defs;
    };
}

bool waitForPhase(AppState &state, AppState::Phase phase)
{
    return QTest::qWaitFor([&] { return state.phase() == phase; }, 20000);
}

QWidget *row(const CleanupPage &page, const QString &id)
{
    return page.findChild<QWidget *>(QStringLiteral("categoryRow_") + id);
}

int rowCheck(const CleanupPage &page, const QString &id)
{
    QWidget *r = row(page, id);
    return r ? int(r->findChild<QCheckBox *>(QStringLiteral("check"))->checkState()) : -1;
}

QString text(const CleanupPage &page, const char *name)
{
    if (auto *label = page.findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    if (auto *button = page.findChild<QAbstractButton *>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

int itemRows(const CleanupPage &page)
{
    return int(page.findChildren<QWidget *>(QStringLiteral("itemRow")).size());
}

// A page over a real AppState that has finished scanning `catalogue`.
struct Scanned
{
    explicit Scanned(CatalogueSource catalogue)
        : state(std::move(catalogue)), page(&state)
    {
        page.resize(1180, 760);
        page.show();
    }
    bool scan()
    {
        state.startScan();
        return waitForPhase(state, AppState::Results);
    }
    AppState state;
    CleanupPage page;
};

} // namespace

class TestCleanupPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void freshResultsSelectOnlySafe();
    void deniedEmptyCategoryListedDisabled();
    void detailItemLimitGrowsKeepingScroll();
    void recycleBinHasNoCheckBoxes();
    void remainingText_data();
    void remainingText();
    void scanningViewFollowsCategories();
    void cleanRoundTrip();
    void cleanTooltipFollowsTrashSetting();
};

void TestCleanupPage::initTestCase()
{
    startUiTest();
}

void TestCleanupPage::freshResultsSelectOnlySafe()
{
    TempFolder tmp;
    QVERIFY(makeMixedFixture(tmp));
    Scanned s(mixedCatalogue(tmp.path()));
    QCOMPARE(s.page.currentView(), int(CleanupPage::EmptyView));
    QVERIFY(s.scan());
    QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));

    QCOMPARE(rowCheck(s.page, QStringLiteral("temp")), int(Qt::Checked));
    QCOMPARE(rowCheck(s.page, QStringLiteral("thumbs")), int(Qt::Checked));
    QCOMPARE(rowCheck(s.page, QStringLiteral("appcache")), int(Qt::Unchecked));
    QCOMPARE(rowCheck(s.page, QStringLiteral("dev")), int(Qt::Unchecked));
    QVERIFY2(!row(s.page, QStringLiteral("empty")), "a category that found nothing is not listed");
    auto *all = s.page.findChild<QCheckBox *>(QStringLiteral("selectAll"));
    QCOMPARE(all->checkState(), Qt::PartiallyChecked);
    QCOMPARE(s.page.focusedId(), QStringLiteral("temp"));

    auto *clean = s.page.findChild<ui::Button *>(QStringLiteral("clean"));
    QCOMPARE(clean->text(), CleanupPage::tr("Clean %1").arg(formatSize(s.state.selectedBytes())));

    all->click();  // partly checked selects everything
    QCOMPARE(all->checkState(), Qt::Checked);
    QCOMPARE(rowCheck(s.page, QStringLiteral("dev")), int(Qt::Checked));
    all->click();
    QCOMPARE(all->checkState(), Qt::Unchecked);
    QCOMPARE(rowCheck(s.page, QStringLiteral("temp")), int(Qt::Unchecked));
    QVERIFY2(!clean->isEnabled(), "nothing selected, nothing to clean");

    // A category's box follows its items: one unticked item leaves it partly checked.
    row(s.page, QStringLiteral("temp"))->findChild<QCheckBox *>(QStringLiteral("check"))->click();
    QCOMPARE(rowCheck(s.page, QStringLiteral("temp")), int(Qt::Checked));
    const QList<QWidget *> items = s.page.findChildren<QWidget *>(QStringLiteral("itemRow"));
    QVERIFY(!items.isEmpty());
    items.first()->findChild<QCheckBox *>()->click();
    QCOMPARE(rowCheck(s.page, QStringLiteral("temp")), int(Qt::PartiallyChecked));
    QCOMPARE(s.page.findChild<QCheckBox *>(QStringLiteral("categorySelectAll"))->checkState(), Qt::PartiallyChecked);
}

void TestCleanupPage::deniedEmptyCategoryListedDisabled()
{
    if (testsupport::isUnprivilegedChild()) {
        const QString root = testsupport::childArguments().value(0);
        Scanned s([root] {
            return QList<CategoryDef>{
                def(QStringLiteral("temp"), Safe, {rootAt(root + QStringLiteral("/temp"))}),
                def(QStringLiteral("update"), Safe, {rootAt(root + QStringLiteral("/locked"))}, true),
                def(QStringLiteral("thumbs"), Safe, {rootAt(root + QStringLiteral("/thumbs"))}),
            };
        });
        QVERIFY(s.scan());
        QWidget *denied = row(s.page, QStringLiteral("update"));
        QVERIFY(denied);
        QVERIFY(!denied->findChild<QCheckBox *>(QStringLiteral("check"))->isEnabled());
        QVERIFY(denied->findChild<QLabel *>(QStringLiteral("needsAdmin")));
        QVERIFY(!row(s.page, QStringLiteral("thumbs")));

        s.page.focusCategory(QStringLiteral("update"));
        QCOMPARE(text(s.page, "detailSize"), QStringLiteral("—"));
        QCOMPARE(text(s.page, "detailCount"), CleanupPage::tr("Needs administrator"));
        QVERIFY(s.page.findChild<ui::Note *>(QStringLiteral("detailAdminNote")));
        return;
    }
    TempFolder tmp;
    QVERIFY(!tmp.makeFileOfSize(QStringLiteral("temp/a.bin"), 4096).isEmpty());
    QVERIFY(!tmp.makeDir(QStringLiteral("thumbs")).isEmpty());
    QVERIFY(!tmp.makeUnreadableDir(QStringLiteral("locked"), QStringLiteral("inside.bin")).isEmpty());
    QVERIFY(tmp.openToOthers());
    const auto r = testsupport::runInUnprivilegedChild(QStringLiteral("deniedEmptyCategoryListedDisabled"),
                                                       {tmp.path()});
    if (r.skipped)
        QSKIP(qPrintable(r.reason));
    QVERIFY2(r.passed, qPrintable(r.output));
}

void TestCleanupPage::detailItemLimitGrowsKeepingScroll()
{
    TempFolder tmp;
    QVERIFY(makeMixedFixture(tmp));
    Scanned s(mixedCatalogue(tmp.path()));
    QVERIFY(s.scan());
    QCOMPARE(s.page.focusedId(), QStringLiteral("temp"));

    struct Step
    {
        int rows;
        int remaining;
        int offered;
    };
    const Step steps[] = {{15, 105, 50}, {65, 55, 50}, {115, 5, 5}};
    auto *scroll = s.page.findChild<QScrollArea *>(QStringLiteral("detailScroll"));
    int position = 0;
    for (const Step &step : steps) {
        QTRY_COMPARE(scroll->verticalScrollBar()->value(), position);
        QCOMPARE(itemRows(s.page), step.rows);
        QCOMPARE(s.page.itemLimit(QStringLiteral("temp")), step.rows);
        QCOMPARE(text(s.page, "moreCount"), QStringLiteral("and %1 more items").arg(step.remaining));
        QCOMPARE(text(s.page, "showMore"), CleanupPage::tr("Show %1 more").arg(step.offered));
        QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
        position = scroll->verticalScrollBar()->maximum() / 2;
        scroll->verticalScrollBar()->setValue(position);
        s.page.findChild<QAbstractButton *>(QStringLiteral("showMore"))->click();
    }
    QTRY_COMPARE(scroll->verticalScrollBar()->value(), position);
    QCOMPARE(itemRows(s.page), 120);
    QVERIFY(!s.page.findChild<QAbstractButton *>(QStringLiteral("showMore")));

    // Another category keeps its own limit; coming back keeps this one.
    s.page.focusCategory(QStringLiteral("thumbs"));
    QCOMPARE(itemRows(s.page), 1);
    s.page.focusCategory(QStringLiteral("temp"));
    QCOMPARE(itemRows(s.page), 120);
}

void TestCleanupPage::recycleBinHasNoCheckBoxes()
{
    // CTest points XDG_DATA_HOME into this test's own sandbox; the trash
    // there is ours to fill.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !data.startsWith(QDir::tempPath().section(u'/', 0, -2)))
        QSKIP("needs the sandboxed XDG_DATA_HOME that CTest provides");
    const QString trashRoot = data + QStringLiteral("/Trash");
    QVERIFY(QDir().mkpath(trashRoot + QStringLiteral("/files")) && QDir().mkpath(trashRoot + QStringLiteral("/info")));
    TempFolder files(trashRoot + QStringLiteral("/files"));
    QVERIFY(!files.makeFileOfSize(QStringLiteral("old.bin"), 65536).isEmpty());

    TempFolder tmp;
    QVERIFY(!tmp.makeFileOfSize(QStringLiteral("temp/a.bin"), 4096).isEmpty());
    Scanned s([root = tmp.path()] {
        CategoryDef bin = def(QStringLiteral("trash"), Permanent, {});
        bin.isTrash = true;
        return QList<CategoryDef>{def(QStringLiteral("temp"), Safe, {rootAt(root + QStringLiteral("/temp"))}), bin};
    });
    QVERIFY(s.scan());
    QVERIFY(row(s.page, QStringLiteral("trash")));
    s.page.focusCategory(QStringLiteral("trash"));
    QCOMPARE(itemRows(s.page), 1);
    QWidget *detail = s.page.findChild<QWidget *>(QStringLiteral("detail"));
    QVERIFY(detail->findChildren<QCheckBox *>().isEmpty());
    QVERIFY(!detail->findChild<QAbstractButton *>(QStringLiteral("reveal")));
}

void TestCleanupPage::remainingText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("expected");

    const QString none = QStringLiteral("—");
    QTest::newRow("no categories") << 0 << 0 << qint64(9000) << none;
    QTest::newRow("before the first category") << -1 << 10 << qint64(0) << none;
    QTest::newRow("10 categories, second") << 1 << 10 << qint64(3000) << none;
    QTest::newRow("10 categories, third estimates") << 2 << 10 << qint64(4000) << QStringLiteral("~0:12");
    QTest::newRow("20 categories, third") << 2 << 20 << qint64(4000) << none;
    QTest::newRow("20 categories, fourth estimates") << 3 << 20 << qint64(3500) << QStringLiteral("~0:16");
    QTest::newRow("long scan") << 4 << 10 << qint64(91000) << QStringLiteral("~1:51");
    QTest::newRow("past the end") << 12 << 10 << qint64(5000) << QStringLiteral("~0:00");
}

void TestCleanupPage::remainingText()
{
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, expected);
    QCOMPARE(CleanupPage::remainingText(index, count, elapsedMs), expected);
}

void TestCleanupPage::scanningViewFollowsCategories()
{
    TempFolder tmp;
    for (int k = 0; k < 10; ++k)
        QVERIFY(!tmp.makeFileOfSize(QStringLiteral("c%1/f.bin").arg(k), 4096 * (k + 1)).isEmpty());
    Scanned s(tenCategories(tmp.path()));

    // Connected after the page, so the page has redrawn when this runs.
    struct Seen
    {
        int index;
        int view;
        QString remaining;
        QList<int> stepStates;
    };
    QList<Seen> seen;
    connect(&s.state, &AppState::scanProgressChanged, this, [&] {
        if (s.state.phase() != AppState::Scanning)
            return;
        Seen one{s.state.currentIndex(), s.page.currentView(), text(s.page, "remaining"), {}};
        for (int k = 0; k < 10; ++k) {
            auto *step = s.page.findChild<ui::ScanStepRow *>(QStringLiteral("step%1").arg(k));
            one.stepStates.append(step ? step->state() : -1);
        }
        seen.append(one);
    });
    QVERIFY(s.scan());

    QSet<int> indices;
    for (const Seen &one : std::as_const(seen)) {
        QCOMPARE(one.view, int(CleanupPage::ScanningView));
        if (one.index < 0)
            continue;
        indices.insert(one.index);
        for (int k = 0; k < 10; ++k)
            QCOMPARE(one.stepStates.at(k), k < one.index ? 2 : k == one.index ? 1 : 0);
        const bool estimate = one.index >= 2;
        QVERIFY2(one.remaining.startsWith(estimate ? u'~' : u'—'),
                 qPrintable(QStringLiteral("index %1 shows %2").arg(one.index).arg(one.remaining)));
    }
    QCOMPARE(indices.size(), 10);
    QCOMPARE(s.page.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^step\\d+$"))).size(), 10);
}

void TestCleanupPage::cleanRoundTrip()
{
    AppSettings::instance()->setMoveToTrash(false);
    TempFolder tmp;
    QVERIFY(makeMixedFixture(tmp));
    Scanned s(mixedCatalogue(tmp.path()));
    QList<int> views;
    connect(&s.state, &AppState::phaseChanged, this, [&] { views.append(s.page.currentView()); });
    QVERIFY(s.scan());

    QSignalSpy confirm(&s.page, &CleanupPage::confirmRequested);
    s.page.findChild<ui::Button *>(QStringLiteral("clean"))->click();
    QCOMPARE(confirm.count(), 1);

    const qint64 selected = s.state.selectedBytes();
    QVERIFY(selected > 0);
    s.state.startClean();
    QVERIFY(waitForPhase(s.state, AppState::Done));
    QCOMPARE(views, (QList<int>{CleanupPage::ScanningView, CleanupPage::ResultsView, CleanupPage::CleaningView,
                                CleanupPage::DoneView}));
    QVERIFY(!QFileInfo::exists(tmp.path(QStringLiteral("temp/f000.log"))));
    QVERIFY(QFileInfo::exists(tmp.path(QStringLiteral("appcache/blob.bin"))));

    const CleanReport &report = s.state.lastReport();
    QCOMPARE(report.freedBytes, selected);
    QCOMPARE(s.page.findChild<ui::GradientText *>(QStringLiteral("freed"))->text(), formatSize(selected));
    QCOMPARE(text(s.page, "availableBefore"), formatSize(s.state.availableBeforeClean()));
    QCOMPARE(text(s.page, "availableNow"), formatSize(s.state.volume().availableBytes));
    QCOMPARE(text(s.page, "modeLine"), CleanupPage::tr("Items were deleted permanently."));
    QVERIFY(s.page.findChild<ui::Note *>(QStringLiteral("skippedNote"))->isHidden());
    QVERIFY(s.page.findChild<ui::Note *>(QStringLiteral("adminNote"))->isHidden());

    // The untouched Review and Permanent categories remain to be reviewed.
    QSignalSpy home(&s.page, &CleanupPage::goHome);
    s.page.findChild<QAbstractButton *>(QStringLiteral("done"))->click();
    QCOMPARE(home.count(), 1);
    QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));
    QVERIFY(!row(s.page, QStringLiteral("temp")));
    QVERIFY(row(s.page, QStringLiteral("appcache")));
    QCOMPARE(s.page.focusedId(), QStringLiteral("appcache"));
}

void TestCleanupPage::cleanTooltipFollowsTrashSetting()
{
    AppSettings::instance()->setMoveToTrash(true);
    TempFolder tmp;
    QVERIFY(makeMixedFixture(tmp));
    Scanned s(mixedCatalogue(tmp.path()));
    QVERIFY(s.scan());
    auto *clean = s.page.findChild<ui::Button *>(QStringLiteral("clean"));
    QCOMPARE(clean->toolTip(), CleanupPage::tr("moved to the %1").arg(recycleBinName()));
    AppSettings::instance()->setMoveToTrash(false);
    QCOMPARE(clean->toolTip(), CleanupPage::tr("deleted permanently"));
}

QTEST_MAIN(TestCleanupPage)
#include "tst_cleanuppage.moc"

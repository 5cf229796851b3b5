#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/pages/cleanuppage.h"
#include "ui/widgets/button.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/note.h"
#include "ui/widgets/scansteprow.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using ui::CleanupPage;

namespace {

CategoryDef def(const QString &id, int risk, const QString &root, bool needsAdmin = false)
{
    CategoryDef d;
    d.id = d.name = id;
    d.icon = QStringLiteral("folder");
    d.risk = risk;
    d.needsAdmin = needsAdmin;
    if (!root.isEmpty())
        d.roots = {CategoryRoot{root, {}, {}}};
    return d;
}

// temp (Safe, 120 files), thumbs (Safe), empty (Safe, nothing in it),
// appcache (Review), dev (Permanent).
CatalogueSource mixedCatalogue(const QString &root)
{
    return [root] {
        return QList<CategoryDef>{def("temp", Safe, root + "/temp"), def("thumbs", Safe, root + "/thumbs"),
                                  def("empty", Safe, root + "/empty"), def("appcache", Review, root + "/appcache"),
                                  def("dev", Permanent, root + "/dev")};
    };
}

bool makeMixedFixture(TempFolder &tmp)
{
    for (int k = 0; k < 120; ++k) {
        if (tmp.makeFileOfSize(QStringLiteral("temp/f%1.log").arg(k, 3, 10, QLatin1Char('0')), 4096).isEmpty())
            return false;
    }
    return !tmp.makeFileOfSize("thumbs/a.png", 8192).isEmpty() && !tmp.makeDir("empty").isEmpty()
        && !tmp.makeFileOfSize("appcache/blob.bin", 16384).isEmpty() && !tmp.makeFileOfSize("dev/pkg.zip", 4096).isEmpty();
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

// A page over a real AppState that scans `catalogue`.
struct Scanned
{
    explicit Scanned(CatalogueSource catalogue) : state(std::move(catalogue)), page(&state)
    {
        page.resize(1180, 760);
        page.show();
    }
    bool scan()
    {
        state.startScan();
        return QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000);
    }
    AppState state;
    CleanupPage page;
};

} // namespace

class TestCleanupPage final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    void freshResultsSelectOnlySafe()
    {
        TempFolder tmp;
        QVERIFY(makeMixedFixture(tmp));
        Scanned s(mixedCatalogue(tmp.path()));
        QCOMPARE(s.page.currentView(), int(CleanupPage::EmptyView));
        QVERIFY(s.scan());
        QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));
        const QStringList ids{"temp", "thumbs", "appcache", "dev"};
        const QList<int> checks{Qt::Checked, Qt::Checked, Qt::Unchecked, Qt::Unchecked};
        for (int k = 0; k < ids.size(); ++k)
            QCOMPARE(rowCheck(s.page, ids[k]), checks[k]);
        QVERIFY2(!row(s.page, "empty"), "a category that found nothing is not listed");
        auto *all = s.page.findChild<QCheckBox *>("selectAll");
        QCOMPARE(all->checkState(), Qt::PartiallyChecked);
        QCOMPARE(s.page.focusedId(), QStringLiteral("temp"));
        auto *clean = s.page.findChild<ui::Button *>("clean");
        QCOMPARE(clean->text(), CleanupPage::tr("Clean %1").arg(formatSize(s.state.selectedBytes())));

        all->click(); // partly checked selects everything
        QCOMPARE(rowCheck(s.page, "dev"), int(Qt::Checked));
        all->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::Unchecked));
        QVERIFY2(!clean->isEnabled(), "nothing selected, nothing to clean");

        // A category's box follows its items: one unticked item leaves it partly checked.
        row(s.page, "temp")->findChild<QCheckBox *>("check")->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::Checked));
        s.page.findChildren<QWidget *>("itemRow").value(0)->findChild<QCheckBox *>()->click();
        QCOMPARE(rowCheck(s.page, "temp"), int(Qt::PartiallyChecked));
        QCOMPARE(s.page.findChild<QCheckBox *>("categorySelectAll")->checkState(), Qt::PartiallyChecked);
    }

    // A category the user may not read is listed but cannot be selected,
    // even when it found nothing readable.
    void deniedEmptyCategoryListedDisabled()
    {
        if (testsupport::isUnprivilegedChild()) {
            const QString root = testsupport::childArguments().value(0);
            Scanned s([root] {
                return QList<CategoryDef>{def("temp", Safe, root + "/temp"), def("update", Safe, root + "/locked", true),
                                          def("thumbs", Safe, root + "/thumbs")};
            });
            QVERIFY(s.scan());
            QWidget *denied = row(s.page, "update");
            QVERIFY(denied);
            QVERIFY(!denied->findChild<QCheckBox *>("check")->isEnabled());
            QVERIFY(denied->findChild<QLabel *>("needsAdmin"));
            QVERIFY(!row(s.page, "thumbs"));
            s.page.focusCategory("update");
            QCOMPARE(text(s.page, "detailSize"), QStringLiteral("—"));
            QCOMPARE(text(s.page, "detailCount"), CleanupPage::tr("Needs administrator"));
            QVERIFY(s.page.findChild<ui::Note *>("detailAdminNote"));
            return;
        }
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("temp/a.bin", 4096).isEmpty());
        QVERIFY(!tmp.makeDir("thumbs").isEmpty());
        QVERIFY(!tmp.makeUnreadableDir("locked", "inside.bin").isEmpty());
        QVERIFY(tmp.openToOthers());
        const auto r = testsupport::runInUnprivilegedChild("deniedEmptyCategoryListedDisabled", {tmp.path()});
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
    }

    void detailItemLimitGrowsKeepingScroll()
    {
        TempFolder tmp;
        QVERIFY(makeMixedFixture(tmp));
        Scanned s(mixedCatalogue(tmp.path()));
        QVERIFY(s.scan());
        QCOMPARE(s.page.focusedId(), QStringLiteral("temp"));

        struct Step
        {
            int rows, remaining, offered;
        };
        QScrollBar *bar = s.page.findChild<QScrollArea *>("detailScroll")->verticalScrollBar();
        int position = 0;
        for (const Step &step : {Step{15, 105, 50}, Step{65, 55, 50}, Step{115, 5, 5}}) {
            QTRY_COMPARE(bar->value(), position);
            QCOMPARE(itemRows(s.page), step.rows);
            QCOMPARE(text(s.page, "moreCount"), QStringLiteral("and %1 more items").arg(step.remaining));
            QCOMPARE(text(s.page, "showMore"), CleanupPage::tr("Show %1 more").arg(step.offered));
            QTRY_VERIFY(bar->maximum() > 0);
            position = bar->maximum() / 2;
            bar->setValue(position);
            s.page.findChild<QAbstractButton *>("showMore")->click();
        }
        QTRY_COMPARE(bar->value(), position);
        QCOMPARE(itemRows(s.page), 120);
        QVERIFY(!s.page.findChild<QAbstractButton *>("showMore"));

        // Another category keeps its own limit; coming back keeps this one.
        s.page.focusCategory("thumbs");
        QCOMPARE(itemRows(s.page), 1);
        s.page.focusCategory("temp");
        QCOMPARE(itemRows(s.page), 120);
    }

    // The bin is emptied as a whole: its items cannot be picked one by one
    // nor opened in the file manager.
    void recycleBinHasNoCheckBoxes()
    {
        // CTest points XDG_DATA_HOME into this test's own sandbox; the trash
        // there is ours to fill.
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty() || !data.startsWith(QDir::tempPath().section(u'/', 0, -2)))
            QSKIP("needs the sandboxed XDG_DATA_HOME that CTest provides");
        QVERIFY(QDir().mkpath(data + "/Trash/files") && QDir().mkpath(data + "/Trash/info"));
        TempFolder files(data + "/Trash/files");
        QVERIFY(!files.makeFileOfSize("old.bin", 65536).isEmpty());
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("temp/a.bin", 4096).isEmpty());
        Scanned s([root = tmp.path()] {
            CategoryDef bin = def("trash", Permanent, {});
            bin.isTrash = true;
            return QList<CategoryDef>{def("temp", Safe, root + "/temp"), bin};
        });
        QVERIFY(s.scan());
        QVERIFY(row(s.page, "trash"));
        s.page.focusCategory("trash");
        QCOMPARE(itemRows(s.page), 1);
        QWidget *detail = s.page.findChild<QWidget *>("detail");
        QVERIFY(detail->findChildren<QCheckBox *>().isEmpty());
        QVERIFY(!detail->findChild<QAbstractButton *>("reveal"));
    }

    void remainingText_data()
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

    void remainingText()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(qint64, elapsedMs);
        QTEST(CleanupPage::remainingText(index, count, elapsedMs), "expected");
    }

    void scanningViewFollowsCategories()
    {
        TempFolder tmp;
        for (int k = 0; k < 10; ++k)
            QVERIFY(!tmp.makeFileOfSize(QStringLiteral("c%1/f.bin").arg(k), 4096 * (k + 1)).isEmpty());
        Scanned s([root = tmp.path()] {
            QList<CategoryDef> defs;
            for (int k = 0; k < 10; ++k)
                defs.append(def(QStringLiteral("c%1").arg(k), Safe, root + QStringLiteral("/c%1").arg(k)));
            return defs;
        });
        // Connected after the page, so the page has redrawn when this runs:
        // steps before the current one are done (2), the current one runs (1).
        QSet<int> indices;
        connect(&s.state, &AppState::scanProgressChanged, this, [&] {
            const int index = s.state.currentIndex();
            if (s.state.phase() != AppState::Scanning || index < 0)
                return;
            QCOMPARE(s.page.currentView(), int(CleanupPage::ScanningView));
            indices.insert(index);
            for (int k = 0; k < 10; ++k) {
                auto *step = s.page.findChild<ui::ScanStepRow *>(QStringLiteral("step%1").arg(k));
                QCOMPARE(step ? step->state() : -1, k < index ? 2 : k == index ? 1 : 0);
            }
        });
        QVERIFY(s.scan());
        QCOMPARE(indices.size(), 10);
    }

    void cleanRoundTrip()
    {
        AppSettings::instance()->setMoveToTrash(true);
        TempFolder tmp;
        QVERIFY(makeMixedFixture(tmp));
        Scanned s(mixedCatalogue(tmp.path()));
        QList<int> views;
        connect(&s.state, &AppState::phaseChanged, this, [&] { views.append(s.page.currentView()); });
        QVERIFY(s.scan());

        // The button says where the files go, following the setting.
        auto *clean = s.page.findChild<ui::Button *>("clean");
        QCOMPARE(clean->toolTip(), CleanupPage::tr("moved to the %1").arg(recycleBinName()));
        AppSettings::instance()->setMoveToTrash(false);
        QCOMPARE(clean->toolTip(), CleanupPage::tr("deleted permanently"));
        QSignalSpy confirm(&s.page, &CleanupPage::confirmRequested);
        clean->click();
        QCOMPARE(confirm.count(), 1);
        QCOMPARE(s.state.phase(), AppState::Results);

        const qint64 selected = s.state.selectedBytes();
        QVERIFY(selected > 0);
        s.state.startClean();
        QVERIFY(QTest::qWaitFor([&] { return s.state.phase() == AppState::Done; }, 20000));
        QCOMPARE(views, (QList<int>{CleanupPage::ScanningView, CleanupPage::ResultsView, CleanupPage::CleaningView,
                                    CleanupPage::DoneView}));
        QVERIFY(!QFileInfo::exists(tmp.path("temp/f000.log")));
        QVERIFY(QFileInfo::exists(tmp.path("appcache/blob.bin")));
        QVERIFY(QFileInfo::exists(tmp.path("dev/pkg.zip")));

        QCOMPARE(s.state.lastReport().freedBytes, selected);
        QCOMPARE(s.page.findChild<ui::GradientText *>("freed")->text(), formatSize(selected));
        QCOMPARE(text(s.page, "availableBefore"), formatSize(s.state.availableBeforeClean()));
        QCOMPARE(text(s.page, "availableNow"), formatSize(s.state.volume().availableBytes));
        QCOMPARE(text(s.page, "modeLine"), CleanupPage::tr("Items were deleted permanently."));
        QVERIFY(s.page.findChild<ui::Note *>("skippedNote")->isHidden());
        QVERIFY(s.page.findChild<ui::Note *>("adminNote")->isHidden());

        // The untouched Review and Permanent categories remain to be reviewed.
        QSignalSpy home(&s.page, &CleanupPage::goHome);
        s.page.findChild<QAbstractButton *>("done")->click();
        QCOMPARE(home.count(), 1);
        QCOMPARE(s.page.currentView(), int(CleanupPage::ResultsView));
        QVERIFY(!row(s.page, "temp"));
        QVERIFY(row(s.page, "appcache"));
        QCOMPARE(s.page.focusedId(), QStringLiteral("appcache"));
    }
};

QTEST_MAIN(TestCleanupPage)
#include "tst_cleanuppage.moc"

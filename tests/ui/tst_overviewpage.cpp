#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/pages/overviewpage.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/sparkline.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

using namespace ui;

namespace {

// Twelve categories; category i holds (i + 1) x 16 KB, except "empty" which
// holds nothing, so the ranking is known in advance.
const QStringList kIds{"c01", "c02", "c03", "c04", "c05", "c06", "c07", "c08", "c09", "c10", "c11", "empty"};

CatalogueSource fixtureCatalogue(const QString &root)
{
    return [root] {
        QList<CategoryDef> defs;
        for (const QString &id : kIds) {
            CategoryDef d;
            d.id = id;
            d.name = QStringLiteral("Category ") + id;
            d.description = QStringLiteral("About ") + id;
            d.icon = QStringLiteral("trash");
            d.color = QStringLiteral("#22d3ee");
            d.risk = Safe;
            d.roots = {CategoryRoot{root + u'/' + id, {}, {}}};
            defs << d;
        }
        return defs;
    };
}

bool makeFixture(TempFolder &tmp, bool withData)
{
    for (int i = 0; i < kIds.size(); ++i) {
        if (!withData || kIds[i] == u"empty") {
            if (tmp.makeDir(kIds[i]).isEmpty())
                return false;
        } else if (tmp.makeFileOfSize(kIds[i] + QStringLiteral("/data.bin"), (i + 1) * 16 * 1024).isEmpty()) {
            return false;
        }
    }
    return true;
}

bool runScan(AppState &state)
{
    state.startScan();
    return QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000);
}

template <typename T = QLabel>
T *child(const QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

QString cardValue(const QWidget *page, const char *card)
{
    return child(child<QWidget>(page, card), "value")->text();
}

QString cardCaption(const QWidget *page, const char *card)
{
    return child(child<QWidget>(page, card), "caption")->text();
}

QString chipText(const QWidget *page)
{
    return child<QWidget>(page, "scanChip")->findChild<QLabel *>()->text();
}

void saveShot(QWidget *page, const QString &name)
{
    const QString dir = qEnvironmentVariable("VARNHOLT_SHOTS");
    if (!dir.isEmpty())
        page->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class TestOverviewPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startUiTest();
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                  QStringLiteral("Varnholt"))
            .clear();
    }

    void headline_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("available");
        QTest::addColumn<bool>("hasResults");
        QTest::addColumn<QString>("expected");
        const qint64 gb = qint64(1) << 30;
        QTest::newRow("results win over a full disk") << 100 * gb << 1 * gb << true << "%1 ready to clean";
        QTest::newRow("86 % used") << 100 * gb << 14 * gb << false << "Your startup disk is almost full";
        QTest::newRow("exactly 85 % used") << 100 * gb << 15 * gb << false << "Keep your disk in shape";
        QTest::newRow("unknown size") << qint64(0) << qint64(0) << false << "Keep your disk in shape";
        QTest::newRow("negative free space") << 100 * gb << -5 * gb << false << "Your startup disk is almost full";
        QTest::newRow("more free than total") << 100 * gb << 200 * gb << false << "Keep your disk in shape";
    }

    void headline()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, available);
        QFETCH(bool, hasResults);
        QFETCH(QString, expected);
        QCOMPARE(OverviewPage::headlineTemplate(total, available, hasResults), expected);
    }

    void beforeAnyScan()
    {
        TempFolder tmp;
        QVERIFY(makeFixture(tmp, true));
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        page.setCatalogueSource(fixtureCatalogue(tmp.path()));
        page.resize(1000, 900);
        page.show();

        QCOMPARE(page.tileIds(), kIds);
        const auto tiles = child<QWidget>(&page, "tileGrid")->findChildren<QLabel *>(QStringLiteral("tileSize"));
        QCOMPARE(tiles.size(), kIds.size());
        for (const QLabel *size : tiles)
            QCOMPARE(size->text(), QStringLiteral("—"));
        QCOMPARE(child(&page, "sectionTitle")->text(), QStringLiteral("What Smart Scan looks at"));
        QVERIFY(child<Button>(&page, "rescan")->isHidden());
        QVERIFY(child<Button>(&page, "seeAll")->isHidden());
        QCOMPARE(chipText(&page), QStringLiteral("Never scanned"));
        QCOMPARE(cardValue(&page, "lastScanCard"), QStringLiteral("—"));
        QCOMPARE(cardCaption(&page, "lastScanCard"), QStringLiteral("Never scanned"));

        // The figures come from the volume the state reports.
        const VolumeInfo &volume = state.volume();
        QCOMPARE(child(&page, "volumeLine")->text(),
                 QStringLiteral("%1 available of %2").arg(formatSize(volume.availableBytes), formatSize(volume.totalBytes)));
        QCOMPARE(child<Headline>(&page, "headline")->plainText(),
                 OverviewPage::headlineTemplate(volume.totalBytes, volume.availableBytes, false));
        // Nothing reclaimable yet: no "Reclaimable" entry in the legend.
        QStringList captions;
        for (const QLabel *caption : child<QWidget>(&page, "legend")->findChildren<QLabel *>(QStringLiteral("legendCaption")))
            captions << caption->text();
        QCOMPARE(captions, (QStringList{"Apps, documents & system", "Available"}));

        // Before a scan a tile explains; it does not navigate.
        QSignalSpy open(&page, &OverviewPage::openCleanup);
        QWidget *tile = child<QWidget>(child<QWidget>(&page, "tileGrid"), "tile");
        QCOMPARE(tile->toolTip(), QStringLiteral("About c01"));
        QTest::mouseClick(tile, Qt::LeftButton);
        QCOMPARE(open.count(), 0);
        saveShot(&page, QStringLiteral("overview-before-scan"));
    }

    void afterScanShowsTheEightLargest()
    {
        TempFolder tmp;
        QVERIFY(makeFixture(tmp, true));
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        page.resize(1000, 900);
        page.show();
        QVERIFY(runScan(state));

        QCOMPARE(page.tileIds(), (QStringList{"c11", "c10", "c09", "c08", "c07", "c06", "c05", "c04"}));
        auto *grid = static_cast<QGridLayout *>(child<QWidget>(&page, "tileGrid")->layout());
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 4);
        QCOMPARE(child<QWidget>(child<QWidget>(&page, "tileGrid"), "tile")->findChild<QLabel *>("tileSize")->text(),
                 formatSize(state.findResult(QStringLiteral("c11"))->bytes));
        QCOMPARE(child(&page, "sectionTitle")->text(), QStringLiteral("Top recommendations"));
        QVERIFY(!child<Button>(&page, "rescan")->isHidden());
        QVERIFY(!child<Button>(&page, "seeAll")->isHidden());
        QCOMPARE(child<Headline>(&page, "headline")->plainText(), formatSize(state.totalBytes()) + " ready to clean");
        QCOMPARE(chipText(&page), QStringLiteral("Scanned today"));
        QCOMPARE(cardValue(&page, "lastScanCard"), QStringLiteral("Today"));
        QCOMPARE(cardCaption(&page, "lastScanCard"), QStringLiteral("Last scan"));
        QStringList captions;
        for (const QLabel *caption : child<QWidget>(&page, "legend")->findChildren<QLabel *>(QStringLiteral("legendCaption")))
            captions << caption->text();
        QCOMPARE(captions, (QStringList{"Apps, documents & system", "Reclaimable", "Available"}));
        saveShot(&page, QStringLiteral("overview-after-scan"));
        page.resize(740, 900);
        saveShot(&page, QStringLiteral("overview-narrow"));

        // With results a tile is the way into that category.
        QSignalSpy open(&page, &OverviewPage::openCleanup);
        const auto tiles = child<QWidget>(&page, "tileGrid")->findChildren<QWidget *>(QStringLiteral("tile"));
        QWidget *c09 = *std::find_if(tiles.begin(), tiles.end(),
                                     [](QWidget *t) { return t->property("categoryId").toString() == u"c09"; });
        QTest::mouseClick(c09, Qt::LeftButton);
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toString(), QStringLiteral("c09"));

        // "Rescan" starts a scan and opens the Cleanup page without a focus.
        QTest::mouseClick(child<Button>(&page, "rescan"), Qt::LeftButton);
        QCOMPARE(state.phase(), AppState::Scanning);
        QCOMPARE(open.count(), 2);
        QCOMPARE(open.last().first().toString(), QString());
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));
    }

    void platformCatalogueBeforeAnyScan()
    {
        // The catalogue of this platform, resolved inside the test's own home.
        TempFolder tmp;
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        QStringList ids;
        for (const CategoryDef &def : defaultCategories())
            ids << def.id;
        QCOMPARE(page.tileIds(), ids);

        page.resize(1000, 760);
        page.show();
        saveShot(&page, QStringLiteral("overview-catalogue"));
    }

    void scanThatFoundNothingLeavesTheGridEmpty()
    {
        TempFolder tmp;
        QVERIFY(makeFixture(tmp, false));
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        QVERIFY(runScan(state));
        QVERIFY(!state.results().isEmpty());
        QVERIFY(page.tileIds().isEmpty());
        QCOMPARE(child(&page, "sectionTitle")->text(), QStringLiteral("Top recommendations"));
    }

    void orbStartsAScanOnlyWithoutResults()
    {
        TempFolder tmp;
        QVERIFY(makeFixture(tmp, true));
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        QSignalSpy open(&page, &OverviewPage::openCleanup);
        QWidget *orb = child<QWidget>(&page, "orb");

        emit static_cast<DiskOrb *>(orb)->clicked();
        QCOMPARE(state.phase(), AppState::Scanning);
        QCOMPARE(open.count(), 1);
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));

        QSignalSpy phases(&state, &AppState::phaseChanged);
        emit static_cast<DiskOrb *>(orb)->clicked();
        QCOMPARE(state.phase(), AppState::Results);
        QCOMPARE(phases.count(), 0);
        QCOMPARE(open.count(), 2);
    }

    void statisticsFollowTheSettings_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QString>("expected");
        QTest::newRow("off") << 0 << "Off";
        QTest::newRow("weekly") << 1 << "Weekly";
        QTest::newRow("monthly") << 2 << "Monthly";
        QTest::newRow("unknown value reads monthly") << 7 << "Monthly";
    }

    void statisticsFollowTheSettings()
    {
        QFETCH(int, schedule);
        QFETCH(QString, expected);
        TempFolder tmp;
        QVERIFY(makeFixture(tmp, false));
        AppState state(fixtureCatalogue(tmp.path()));
        OverviewPage page(&state);
        AppSettings *settings = AppSettings::instance();

        settings->setSchedule(schedule == 0 ? 1 : 0);
        settings->setSchedule(schedule);
        QCOMPARE(cardValue(&page, "scheduleCard"), expected);
        QCOMPARE(cardCaption(&page, "scheduleCard"), QStringLiteral("Scheduled scan"));

        // Freed space of this month is the card's figure, the last six
        // months its sparkline.
        QCOMPARE(cardValue(&page, "freedCard"), formatSize(0));
        settings->addFreed(3 * 1024 * 1024);
        settings->addFreed(1024 * 1024);
        QCOMPARE(cardValue(&page, "freedCard"), formatSize(4 * 1024 * 1024));
        QCOMPARE(cardCaption(&page, "freedCard"), QStringLiteral("Freed this month"));
        const QList<qint64> values = child<Sparkline>(&page, "sparkline")->values();
        QCOMPARE(values.size(), 6);
        QCOMPARE(values.last(), qint64(4 * 1024 * 1024));
        QCOMPARE(values, settings->freedHistory(6));
    }
};

QTEST_MAIN(TestOverviewPage)
#include "tst_overviewpage.moc"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "support/tempfolder.h"
#include "support/uitest.h"
#include "ui/pages/overviewpage.h"
#include "ui/widgets/button.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/forecastchart.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/sparkline.h"

#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace ui;

namespace {

// Twelve categories; category i holds (i + 1) x 16 KB, except "empty" which
// holds nothing, so the ranking is known in advance.
const QStringList kIds{"c01", "c02", "c03", "c04", "c05", "c06", "c07", "c08", "c09", "c10", "c11", "empty"};

CatalogueSource catalogue(const QString &root)
{
    return [root] {
        QList<CategoryDef> defs;
        for (const QString &id : kIds)
            defs << categoryDef(id, Safe, root + u'/' + id);
        return defs;
    };
}

bool makeFixture(TempFolder &tmp, bool withData)
{
    for (int i = 0; i < kIds.size(); ++i) {
        const bool empty = !withData || kIds[i] == u"empty";
        if ((empty ? tmp.makeDir(kIds[i]) : tmp.makeFileOfSize(kIds[i] + "/data.bin", (i + 1) * 16 * 1024)).isEmpty())
            return false;
    }
    return true;
}

// The page over those categories in a scratch folder.
struct Fixture
{
    explicit Fixture(bool withData = true)
        : ready(makeFixture(tmp, withData)), state(catalogue(tmp.path())), page(&state)
    {
        page.setCatalogueSource(catalogue(tmp.path()));
    }
    bool scan()
    {
        state.startScan();
        return QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000);
    }
    TempFolder tmp;
    bool ready;
    AppState state;
    OverviewPage page;
};

template <typename T = QLabel>
T *child(const QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

QString cardValue(const QWidget *page, const char *card)
{
    return child(child<QWidget>(page, card), "value")->text();
}

QWidget *tileGrid(const QWidget *page)
{
    return child<QWidget>(page, "tileGrid");
}

} // namespace

class TestOverviewPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

    void init()
    {
        QSettings().clear();
        FolderHistory().forget();
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
        QTEST(OverviewPage::headlineTemplate(total, available, hasResults), "expected");
    }

    // Before a scan every tile shows a dash and explains rather than
    // navigates; the orb scans and opens the Cleanup page. After it the tiles
    // are the eight largest categories and lead into them, the orb only
    // opens the page, and "Rescan" scans again without a focus. A scan that
    // finds nothing leaves the grid empty.
    void scanFromThePage()
    {
        Fixture f;
        QVERIFY(f.ready);
        f.page.resize(1000, 900);
        f.page.show();
        QTRY_COMPARE(f.page.tileIds(), kIds);
        for (const QLabel *size : tileGrid(&f.page)->findChildren<QLabel *>(QStringLiteral("tileSize")))
            QCOMPARE(size->text(), QStringLiteral("—"));
        QVERIFY(child<Button>(&f.page, "rescan")->isHidden() && child<Button>(&f.page, "seeAll")->isHidden());
        QCOMPARE(child<QWidget>(&f.page, "scanChip")->findChild<QLabel *>()->text(), QStringLiteral("Never scanned"));
        const VolumeInfo &volume = f.state.volume();
        QCOMPARE(child(&f.page, "volumeLine")->text(),
                 QStringLiteral("%1 available of %2").arg(formatSize(volume.availableBytes), formatSize(volume.totalBytes)));
        QCOMPARE(child<Headline>(&f.page, "headline")->plainText(),
                 OverviewPage::headlineTemplate(volume.totalBytes, volume.availableBytes, false));
        QSignalSpy open(&f.page, &OverviewPage::openCleanup);
        QTest::mouseClick(child<QWidget>(tileGrid(&f.page), "tile"), Qt::LeftButton);
        QCOMPARE(open.count(), 0);

        auto *orb = child<DiskOrb>(&f.page, "orb");
        emit orb->clicked();
        QCOMPARE(f.state.phase(), AppState::Scanning);
        QCOMPARE(open.count(), 1);
        QVERIFY(QTest::qWaitFor([&] { return f.state.phase() == AppState::Results; }, 20000));
        QCOMPARE(f.page.tileIds(), (QStringList{"c11", "c10", "c09", "c08", "c07", "c06", "c05", "c04"}));
        QCOMPARE(child<QWidget>(tileGrid(&f.page), "tile")->findChild<QLabel *>("tileSize")->text(),
                 formatSize(f.state.findResult(QStringLiteral("c11"))->bytes));
        QVERIFY(!child<Button>(&f.page, "rescan")->isHidden() && !child<Button>(&f.page, "seeAll")->isHidden());
        QCOMPARE(child<Headline>(&f.page, "headline")->plainText(), formatSize(f.state.totalBytes()) + " ready to clean");
        QCOMPARE(child<QWidget>(&f.page, "scanChip")->findChild<QLabel *>()->text(), QStringLiteral("Scanned today"));

        QSignalSpy phases(&f.state, &AppState::phaseChanged);
        emit orb->clicked();
        QCOMPARE(phases.count(), 0);
        QCOMPARE(open.count(), 2);
        const auto tiles = tileGrid(&f.page)->findChildren<QWidget *>(QStringLiteral("tile"));
        QTest::mouseClick(*std::find_if(tiles.begin(), tiles.end(),
                                        [](QWidget *t) { return t->property("categoryId").toString() == u"c09"; }),
                          Qt::LeftButton);
        QCOMPARE(open.count(), 3);
        QCOMPARE(open.last().first().toString(), QStringLiteral("c09"));

        QTest::mouseClick(child<Button>(&f.page, "rescan"), Qt::LeftButton);
        QCOMPARE(f.state.phase(), AppState::Scanning);
        QCOMPARE(open.count(), 4);
        QCOMPARE(open.last().first().toString(), QString());
        QVERIFY(QTest::qWaitFor([&] { return f.state.phase() == AppState::Results; }, 20000));

        for (const QString &id : kIds)
            QVERIFY(QDir(f.tmp.path(id)).removeRecursively() && QDir().mkpath(f.tmp.path(id)));
        QVERIFY(f.scan());
        QVERIFY(!f.state.results().isEmpty() && f.page.tileIds().isEmpty());
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
        Fixture f(false);
        AppSettings *settings = AppSettings::instance();
        settings->setSchedule(schedule == 0 ? 1 : 0);
        settings->setSchedule(schedule);
        QTEST(cardValue(&f.page, "scheduleCard"), "expected");

        // Freed space of this month is the card's figure, the last six
        // months its sparkline.
        QCOMPARE(cardValue(&f.page, "freedCard"), formatSize(0));
        settings->addFreed(3 * 1024 * 1024);
        settings->addFreed(1024 * 1024);
        QCOMPARE(cardValue(&f.page, "freedCard"), formatSize(4 * 1024 * 1024));
        const QList<qint64> values = child<Sparkline>(&f.page, "sparkline")->values();
        QCOMPARE(values.size(), 6);
        QCOMPARE(values.last(), qint64(4 * 1024 * 1024));
    }

    // The forecast card appears only for a falling history and reads the
    // same as the command line; its chart gets every reading. (Which
    // histories fall, and the wording, are tst_forecast's.)
    void forecastCard_data()
    {
        QTest::addColumn<double>("startGB");
        QTest::addColumn<double>("perDayGB");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("text");  // empty: no card
        QTest::newRow("falling, in weeks") << 100.0 << -2.0 << 10 << "At this rate the disk is full in about 6 weeks";
        QTest::newRow("rising") << 50.0 << 1.0 << 10 << "";
    }

    void forecastCard()
    {
        QFETCH(double, startGB);
        QFETCH(double, perDayGB);
        QFETCH(int, days);
        QFETCH(QString, text);
        Fixture f(false);
        f.page.show();
        const qint64 start = QDateTime::currentMSecsSinceEpoch() - days * forecast::kDayMs;
        for (int d = 0; d < days; ++d)
            AppSettings::instance()->recordFreeSpace(
                {start + d * forecast::kDayMs, qint64((startGB + perDayGB * d) * (1 << 30)), qint64(500) << 30});
        QCOMPARE(!child<QWidget>(&f.page, "forecastCard")->isHidden(), !text.isEmpty());
        if (text.isEmpty())
            return;
        QCOMPARE(child(&f.page, "forecastText")->text(), text);
        QCOMPARE(child<QWidget>(&f.page, "forecastCard")->accessibleName(), text);
        const auto *chart = child<ForecastChart>(&f.page, "forecastChart");
        QCOMPARE(chart->points().size(), days);
        QVERIFY(!chart->accessibleDescription().isEmpty());
    }

    // What grew in the last week, from two planted readings; a category's
    // own folder offers the category, a folder opens the Space Map.
    void growthCard_data()
    {
        QTest::addColumn<bool>("planted");
        QTest::addColumn<bool>("historyOn");
        QTest::addColumn<QString>("title");  // empty: no card
        QTest::newRow("a week apart") << true << true << "Growing fastest this week";
        QTest::newRow("no readings yet") << false << true << "What grew";
        QTest::newRow("history off") << true << false << "";
    }

    void growthCard()
    {
        QFETCH(bool, planted);
        QFETCH(bool, historyOn);
        QFETCH(QString, title);
        AppSettings::instance()->setFolderHistory(historyOn);
        Fixture f(false);
        QVERIFY(!planted || plantFolderReadings(f.tmp.path(), "c03"));
        f.page.resize(1000, 900);
        f.page.show();
        emit f.state.folderHistoryChanged();
        auto *card = child<QWidget>(&f.page, "growthCard");
        QCOMPARE(card->isVisible(), !title.isEmpty());
        if (title.isEmpty())
            return;
        QTRY_COMPARE(child(card, "growthTitle")->text(), title);
        const auto rows = card->findChildren<QWidget *>(QStringLiteral("growthRow"));
        QCOMPARE(rows.size(), planted ? 2 : 0);
        QCOMPARE(child(card, "growthText")->isVisible(), !planted);
        if (!planted)
            return;
        const QString grown = f.tmp.path() + QStringLiteral("/c03");
        QCOMPARE(rows[0]->property("path").toString(), grown);
        QCOMPARE(child(rows[0], "growthChange")->text(), u'+' + formatSize(qint64(2) << 30));
        QSignalSpy map(&f.page, &OverviewPage::openSpaceMap);
        QTest::keyClick(rows[0], Qt::Key_Return);
        QCOMPARE(map.count(), 1);
        QCOMPARE(map.at(0).at(0).toString(), grown);
        QSignalSpy cleanup(&f.page, &OverviewPage::openCleanup);
        QTRY_VERIFY(child<Button>(card, "growthClean"));
        auto *clean = child<Button>(card, "growthClean");
        QCOMPARE(clean->text(), QStringLiteral("Clean c03"));
        clean->click();
        QCOMPARE(cleanup.count(), 1);
        QCOMPARE(cleanup.at(0).at(0).toString(), QStringLiteral("c03"));
    }
};

QTEST_MAIN(TestOverviewPage)
#include "tst_overviewpage.moc"

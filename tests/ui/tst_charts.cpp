#include "app/appsettings.h"
#include "scan/category.h"
#include "support/uitest.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/progressring.h"
#include "ui/widgets/scansteprow.h"
#include "ui/widgets/sparkline.h"
#include "ui/widgets/stackbar.h"
#include "ui/widgets/stepbar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace ui;

namespace {

bool near(qreal a, qreal b, qreal eps = 1e-9)
{
    return std::abs(a - b) < eps;
}

} // namespace

class TestCharts final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startUiTest();
        AppSettings::instance()->setTheme(1);
    }
    void cleanup() { AppSettings::instance()->setTheme(1); }

    void progressRingEasing_data()
    {
        QTest::addColumn<qreal>("start");  // shown value before, reached fully
        QTest::addColumn<qreal>("value");  // passed to setValue
        QTest::addColumn<int>("ticks");
        QTest::addColumn<qreal>("shown");

        QTest::newRow("one frame moves 15 %") << 0.0 << 1.0 << 1 << 0.15;
        QTest::newRow("above one is a full ring") << 0.0 << 1.7 << 200 << 1.0;
        QTest::newRow("below zero is empty") << 0.5 << -3.0 << 0 << 0.0;
        QTest::newRow("lower value snaps down at once") << 0.8 << 0.3 << 0 << 0.3;
        QTest::newRow("snaps onto the target") << 0.0 << 0.5 << 60 << 0.5;
        QTest::newRow("not a number is empty") << 0.5 << std::numeric_limits<qreal>::quiet_NaN() << 0 << 0.0;
    }

    void progressRingEasing()
    {
        QFETCH(qreal, start);
        QFETCH(qreal, value);
        QFETCH(int, ticks);
        QFETCH(qreal, shown);

        ProgressRing ring;
        ring.setValue(start);
        for (int i = 0; i < 500 && ring.isAnimating(); ++i)
            ring.advance();
        QCOMPARE(ring.shownValue(), start);

        ring.setValue(value);
        for (int i = 0; i < ticks; ++i)
            ring.advance();
        QVERIFY2(near(ring.shownValue(), shown), qPrintable(QString::number(ring.shownValue())));
    }

    // The frame timer runs only while there is something to move.
    void progressRingTimerLifetime()
    {
        ProgressRing ring;
        QVERIFY(!ring.isAnimating());
        ring.setValue(0.5);
        int frames = 0;
        for (; ring.isAnimating() && frames < 500; ++frames)
            ring.advance();
        QVERIFY(frames < 60);
        ring.setValue(0.2);
        QVERIFY(!ring.isAnimating());
        ring.setSpinning(true);
        ring.advance();
        QVERIFY(ring.isAnimating());
        ring.setSpinning(false);
        ring.advance();
        QVERIFY(!ring.isAnimating());
        ring.setValue(0.9);
        QTRY_COMPARE(ring.shownValue(), 0.9);
        QTRY_VERIFY(!ring.isAnimating());
    }

    void stackBarWidths_data()
    {
        QTest::addColumn<QList<qint64>>("bytes");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QList<qreal>>("widths");  // 0: skipped, an empty rectangle
        QTest::addColumn<QList<qreal>>("lefts");

        using B = QList<qint64>;
        using W = QList<qreal>;
        // The bar is 400 px wide in every row.
        QTest::newRow("proportional") << B{100, 300} << qint64(1000) << W{40, 120} << W{0, 40};
        QTest::newRow("tiny share is 2 px") << B{4096, 1} << (qint64(1) << 40) << W{2, 2} << W{0, 2};
        QTest::newRow("zero bytes are skipped") << B{500, 0, 500} << qint64(1000) << W{200, 0, 200} << W{0, 0, 200};
        QTest::newRow("negative bytes are skipped") << B{-5, 250} << qint64(1000) << W{0, 100} << W{0, 0};
        QTest::newRow("zero total counts as one") << B{1} << qint64(0) << W{400} << W{0};
        QTest::newRow("huge sizes do not overflow")
            << B{qint64(1) << 52, qint64(1) << 52} << (qint64(1) << 53) << W{200, 200} << W{0, 200};
    }

    void stackBarWidths()
    {
        QFETCH(QList<qint64>, bytes);
        QFETCH(qint64, total);

        StackBar bar(8);
        bar.resize(400, 8);
        QList<StackBar::Segment> segments;
        for (const qint64 b : bytes)
            segments.append({b, QColor(Qt::red), QStringLiteral("s"), false});
        bar.setSegments(segments, total);

        QList<qreal> gotWidths, gotLefts;
        for (const QRectF &r : bar.segmentRects()) {
            gotWidths << r.width();
            gotLefts << r.left();
        }
        QTEST(gotWidths, "widths");
        QTEST(gotLefts, "lefts");
    }

    void diskOrbArcs_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("used");
        QTest::addColumn<qint64>("reclaim");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QList<qreal>>("starts");
        QTest::addColumn<QList<qreal>>("sweeps");
        QTest::addColumn<QStringList>("colours");  // "used", "bad", "reclaim"

        const qreal gap = DiskOrb::kGapDegrees;
        using R = QList<qreal>;
        using C = QStringList;
        QTest::newRow("used and reclaimable")
            << qint64(1000) << qint64(500) << qint64(100) << false << R{0, 144} << R{144 - gap, 36 - gap}
            << C{"used", "reclaim"};
        QTest::newRow("nothing reclaimable draws only the used arc")
            << qint64(1000) << qint64(250) << qint64(0) << false << R{0} << R{90 - gap} << C{"used"};
        QTest::newRow("everything reclaimable draws only the reclaim arc")
            << qint64(1000) << qint64(250) << qint64(250) << false << R{0} << R{90 - gap} << C{"reclaim"};
        QTest::newRow("above 90 % is bad, in dark mode too")
            << qint64(1000) << qint64(950) << qint64(50) << true << R{0, 324} << R{324 - gap, 18 - gap}
            << C{"bad", "reclaim"};
        QTest::newRow("exactly 90 % is not bad")
            << qint64(1000) << qint64(900) << qint64(0) << false << R{0} << R{324 - gap} << C{"used"};
        QTest::newRow("a sliver still shows half a degree")
            << qint64(1000000) << qint64(1000) << qint64(1) << false << R{0, 0.3596} << R{0.5, 0.5}
            << C{"used", "reclaim"};
        QTest::newRow("negative used draws nothing")
            << qint64(100) << qint64(-4) << qint64(10) << false << R{} << R{} << C{};
        QTest::newRow("zero total with oversize values is one full arc")
            << qint64(0) << qint64(50) << qint64(80) << false << R{0} << R{360 - gap} << C{"reclaim"};
    }

    void diskOrbArcs()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, used);
        QFETCH(qint64, reclaim);
        QFETCH(bool, dark);
        QFETCH(QList<qreal>, starts);
        QFETCH(QList<qreal>, sweeps);
        QFETCH(QStringList, colours);

        AppSettings::instance()->setTheme(dark ? 2 : 1);
        DiskOrb orb;
        orb.setValues(total, used, reclaim);
        const QHash<QString, QColor> colour = {{QStringLiteral("used"), QColor(99, 102, 241)},
                                               {QStringLiteral("bad"), Theme::instance()->bad()},
                                               {QStringLiteral("reclaim"), QColor(34, 211, 238)}};
        const QList<DiskOrb::Arc> arcs = orb.arcs();
        QCOMPARE(arcs.size(), starts.size());
        for (int i = 0; i < arcs.size(); ++i) {
            const DiskOrb::Arc &arc = arcs.at(i);
            QVERIFY2(near(arc.startDegrees, starts.at(i), 1e-3), qPrintable(QString::number(arc.startDegrees)));
            QVERIFY2(near(arc.sweepDegrees, sweeps.at(i), 1e-3), qPrintable(QString::number(arc.sweepDegrees)));
            QCOMPARE(arc.color, colour.value(colours.at(i)));
        }
    }

    // Only the inner disc is the button, not the ring around it.
    void diskOrbClick()
    {
        DiskOrb orb;
        orb.show();
        QVERIFY(QTest::qWaitForWindowExposed(&orb));
        QSignalSpy spy(&orb, &DiskOrb::clicked);
        const QPoint centre(140, 140);

        QTest::mouseMove(&orb, centre + QPoint(0, 80));
        QTRY_VERIFY(orb.isHovered());
        QTest::mouseMove(&orb, centre + QPoint(0, 100));
        QTRY_VERIFY(!orb.isHovered());

        QTest::mouseClick(&orb, Qt::LeftButton, {}, centre + QPoint(0, 100));
        QTest::mouseClick(&orb, Qt::RightButton, {}, centre);
        QCOMPARE(spy.count(), 0);
        QTest::mouseClick(&orb, Qt::LeftButton, {}, centre + QPoint(60, -60));  // 84.9 px out
        QCOMPARE(spy.count(), 1);
    }

    void sparklinePoints_data()
    {
        QTest::addColumn<QList<qint64>>("values");
        QTest::addColumn<QList<QPointF>>("points");

        using V = QList<qint64>;
        using P = QList<QPointF>;
        // 92 x 32: x from 2 to 90, y from 29 (zero) up to 3 (the maximum).
        QTest::newRow("nothing without values") << V{} << P{};
        QTest::newRow("one value is a point at the left") << V{7} << P{{2, 3}};
        QTest::newRow("half way") << V{4, 2, 0} << P{{2, 3}, {46, 16}, {90, 29}};
        QTest::newRow("all zero stays at the bottom") << V{0, 0} << P{{2, 29}, {90, 29}};
        QTest::newRow("negative counts as zero") << V{-50, 10} << P{{2, 29}, {90, 3}};
        QTest::newRow("huge values") << V{qint64(1) << 60, qint64(1) << 59} << P{{2, 3}, {90, 16}};
    }

    void sparklinePoints()
    {
        QFETCH(QList<qint64>, values);
        QFETCH(QList<QPointF>, points);

        Sparkline line;
        line.setValues(values);
        const QList<QPointF> got = line.points();
        QCOMPARE(got.size(), points.size());
        for (int i = 0; i < got.size(); ++i) {
            QVERIFY2(near(got.at(i).x(), points.at(i).x()) && near(got.at(i).y(), points.at(i).y()),
                     qPrintable(QStringLiteral("%1,%2").arg(got.at(i).x()).arg(got.at(i).y())));
        }
    }

    // The bar animates only while its step runs; a pending name is dimmed in
    // the colour of the mode shown now, not of the mode it was built in.
    void scanStepRowState()
    {
        CategoryDef def;
        def.name = QStringLiteral("Temporary files");
        ScanStepRow row(def);
        QVERIFY(!row.stepBar()->isAnimating());
        row.setState(StepBar::Active, QStringLiteral("12 MB"));
        QVERIFY(row.stepBar()->isAnimating());
        row.setState(StepBar::Pending, QStringLiteral("—"));
        QVERIFY(!row.stepBar()->isAnimating());
        AppSettings::instance()->setTheme(2);
        QVERIFY(row.nameLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text2())));
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"

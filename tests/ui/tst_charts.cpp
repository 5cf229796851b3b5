#include "app/appsettings.h"
#include "scan/category.h"
#include "ui/theme.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/progressring.h"
#include "ui/widgets/radar.h"
#include "ui/widgets/scansteprow.h"
#include "ui/widgets/sparkline.h"
#include "ui/widgets/stackbar.h"
#include "ui/widgets/stepbar.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <limits>

using namespace ui;

class TestCharts final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void progressRingEasing_data();
    void progressRingEasing();
    void progressRingTimerLifetime();

    void stackBarWidths_data();
    void stackBarWidths();

    void diskOrbArcs_data();
    void diskOrbArcs();
    void diskOrbClampsValues();
    void diskOrbClick();

    void sparklinePoints_data();
    void sparklinePoints();

    void stepBarStates();
    void scanStepRowState();
    void radarSweep();
};

void TestCharts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    AppSettings::instance()->setTheme(1);
    Theme::instance()->install(qApp);
}

void TestCharts::cleanup()
{
    AppSettings::instance()->setTheme(1);
}

void TestCharts::progressRingEasing_data()
{
    QTest::addColumn<qreal>("start");   // shown value before, reached fully
    QTest::addColumn<qreal>("value");   // passed to setValue
    QTest::addColumn<int>("ticks");
    QTest::addColumn<qreal>("shown");

    QTest::newRow("one frame moves 15 %") << 0.0 << 1.0 << 1 << 0.15;
    QTest::newRow("two frames") << 0.0 << 1.0 << 2 << 0.2775;
    QTest::newRow("eases from a start") << 0.4 << 0.6 << 1 << 0.43;
    QTest::newRow("above one is a full ring") << 0.0 << 1.7 << 200 << 1.0;
    QTest::newRow("below zero is empty") << 0.5 << -3.0 << 0 << 0.0;
    QTest::newRow("lower value snaps down at once") << 0.8 << 0.3 << 0 << 0.3;
    QTest::newRow("snaps onto the target") << 0.0 << 0.5 << 60 << 0.5;
    QTest::newRow("not a number is empty") << 0.5 << std::numeric_limits<qreal>::quiet_NaN() << 0 << 0.0;
}

void TestCharts::progressRingEasing()
{
    QFETCH(qreal, start);
    QFETCH(qreal, value);
    QFETCH(int, ticks);
    QFETCH(qreal, shown);

    ProgressRing ring;
    QCOMPARE(ring.size(), QSize(240, 240));
    ring.setValue(start);
    for (int i = 0; i < 500 && ring.isAnimating(); ++i)
        ring.advance();
    QCOMPARE(ring.shownValue(), start);

    ring.setValue(value);
    for (int i = 0; i < ticks; ++i)
        ring.advance();
    QVERIFY2(std::abs(ring.shownValue() - shown) < 1e-9, qPrintable(QString::number(ring.shownValue())));
}

void TestCharts::progressRingTimerLifetime()
{
    ProgressRing ring;
    QVERIFY(!ring.isAnimating());
    ring.setValue(0.5);
    QVERIFY(ring.isAnimating());
    int frames = 0;
    while (ring.isAnimating() && frames < 500) {
        ring.advance();
        ++frames;
    }
    // Snapping within 0.001 ends the ease in a bounded number of frames.
    QVERIFY(frames < 60);
    QCOMPARE(ring.shownValue(), 0.5);

    // Dropping needs no animation at all.
    ring.setValue(0.2);
    QCOMPARE(ring.shownValue(), 0.2);
    QVERIFY(!ring.isAnimating());

    // The spinning dot keeps the timer alive with nothing left to ease.
    ring.setSpinning(true);
    QVERIFY(ring.isAnimating());
    ring.advance();
    ring.advance();
    QCOMPARE(ring.spinAngle(), 7.2);
    QVERIFY(ring.isAnimating());
    ring.setSpinning(false);
    ring.advance();
    QVERIFY(!ring.isAnimating());
    QCOMPARE(ring.spinAngle(), -1.0);

    // The real timer gets there on its own.
    ring.setValue(0.9);
    QTRY_COMPARE(ring.shownValue(), 0.9);
    QTRY_VERIFY(!ring.isAnimating());
}

void TestCharts::stackBarWidths_data()
{
    QTest::addColumn<QList<qint64>>("bytes");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<qreal>>("widths");  // 0: skipped
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

void TestCharts::stackBarWidths()
{
    QFETCH(QList<qint64>, bytes);
    QFETCH(qint64, total);
    QFETCH(QList<qreal>, widths);
    QFETCH(QList<qreal>, lefts);

    StackBar bar(8);
    bar.resize(400, 8);
    QList<StackBar::Segment> segments;
    for (const qint64 b : bytes)
        segments.append({b, QColor(Qt::red), QStringLiteral("s"), false});
    bar.setSegments(segments, total);
    QVERIFY(bar.total() >= 1);

    const QList<QRectF> rects = bar.segmentRects();
    QCOMPARE(rects.size(), widths.size());
    for (int i = 0; i < rects.size(); ++i) {
        if (widths.at(i) == 0) {
            QVERIFY(rects.at(i).isNull());
            continue;
        }
        QCOMPARE(rects.at(i).width(), widths.at(i));
        QCOMPARE(rects.at(i).left(), lefts.at(i));
        QCOMPARE(rects.at(i).height(), 8.0);
    }
}

void TestCharts::diskOrbArcs_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("used");
    QTest::addColumn<qint64>("reclaim");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QList<qreal>>("starts");
    QTest::addColumn<QList<qreal>>("sweeps");
    QTest::addColumn<QStringList>("colours");  // "gradient", "bad", "cyan"

    const qreal gap = DiskOrb::kGapDegrees;
    using R = QList<qreal>;
    QTest::newRow("used and reclaimable")
        << qint64(1000) << qint64(500) << qint64(100) << false
        << R{0, 144} << R{144 - gap, 36 - gap} << QStringList{"gradient", "cyan"};
    QTest::newRow("nothing reclaimable draws only the used arc")
        << qint64(1000) << qint64(250) << qint64(0) << false << R{0} << R{90 - gap} << QStringList{"gradient"};
    QTest::newRow("everything reclaimable draws only cyan")
        << qint64(1000) << qint64(250) << qint64(250) << false << R{0} << R{90 - gap} << QStringList{"cyan"};
    QTest::newRow("above 90 % is bad")
        << qint64(1000) << qint64(950) << qint64(50) << false
        << R{0, 324} << R{324 - gap, 18 - gap} << QStringList{"bad", "cyan"};
    QTest::newRow("above 90 % is bad in dark mode too")
        << qint64(1000) << qint64(901) << qint64(0) << true << R{0} << R{324.36 - gap} << QStringList{"bad"};
    QTest::newRow("exactly 90 % is not bad")
        << qint64(1000) << qint64(900) << qint64(0) << false << R{0} << R{324 - gap} << QStringList{"gradient"};
    QTest::newRow("a sliver still shows half a degree")
        << qint64(1000000) << qint64(1000) << qint64(1) << false
        << R{0, 0.3596} << R{0.5, 0.5} << QStringList{"gradient", "cyan"};
    QTest::newRow("empty drive draws nothing")
        << qint64(1000) << qint64(0) << qint64(0) << false << R{} << R{} << QStringList{};
}

void TestCharts::diskOrbArcs()
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
    QCOMPARE(orb.size(), QSize(280, 280));
    orb.setValues(total, used, reclaim);
    const QList<DiskOrb::Arc> arcs = orb.arcs();
    QCOMPARE(arcs.size(), starts.size());
    for (int i = 0; i < arcs.size(); ++i) {
        const DiskOrb::Arc &arc = arcs.at(i);
        QVERIFY2(std::abs(arc.startDegrees - starts.at(i)) < 1e-3, qPrintable(QString::number(arc.startDegrees)));
        QVERIFY2(std::abs(arc.sweepDegrees - sweeps.at(i)) < 1e-3, qPrintable(QString::number(arc.sweepDegrees)));
        const QString kind = colours.at(i);
        if (kind == u"gradient") {
            QCOMPARE(arc.color, QColor(99, 102, 241));
            QCOMPARE(arc.endColor, QColor(168, 85, 247));
            QCOMPARE(arc.glow, QColor(99, 102, 241));
        } else if (kind == u"bad") {
            QCOMPARE(arc.color, Theme::instance()->bad());
            QCOMPARE(arc.glow, Theme::instance()->bad());
            QVERIFY(!arc.endColor.isValid());
        } else {
            QCOMPARE(arc.color, QColor(34, 211, 238));
            QCOMPARE(arc.glow, QColor(34, 211, 238));
        }
    }
}

void TestCharts::diskOrbClampsValues()
{
    DiskOrb orb;
    orb.setValues(0, 50, 80);
    QCOMPARE(orb.total(), qint64(1));
    QCOMPARE(orb.used(), qint64(1));
    QCOMPARE(orb.reclaim(), qint64(1));
    orb.setValues(100, -4, 10);
    QCOMPARE(orb.used(), qint64(0));
    QCOMPARE(orb.reclaim(), qint64(0));
    QVERIFY(orb.arcs().isEmpty());
}

void TestCharts::diskOrbClick()
{
    DiskOrb orb;
    orb.show();
    QVERIFY(QTest::qWaitForWindowExposed(&orb));
    QSignalSpy spy(&orb, &DiskOrb::clicked);
    const QPoint centre(140, 140);

    QTest::mouseMove(&orb, centre + QPoint(0, 80));
    QTRY_VERIFY(orb.isHovered());
    QTest::mouseMove(&orb, centre + QPoint(0, 100));  // on the ring, outside the disc
    QTRY_VERIFY(!orb.isHovered());

    QTest::mouseClick(&orb, Qt::LeftButton, {}, centre + QPoint(0, 100));
    QTest::mouseClick(&orb, Qt::RightButton, {}, centre);
    QCOMPARE(spy.count(), 0);
    QTest::mouseClick(&orb, Qt::LeftButton, {}, centre + QPoint(60, -60));  // 84.9 px out
    QCOMPARE(spy.count(), 1);
}

void TestCharts::sparklinePoints_data()
{
    QTest::addColumn<QList<qint64>>("values");
    QTest::addColumn<QList<QPointF>>("points");

    using V = QList<qint64>;
    using P = QList<QPointF>;
    // 92 x 32: x from 2 to 90, y from 29 (zero) up to 3 (the maximum).
    QTest::newRow("nothing without values") << V{} << P{};
    QTest::newRow("one value is a point at the left") << V{7} << P{{2, 3}};
    QTest::newRow("rising pair") << V{0, 10} << P{{2, 29}, {90, 3}};
    QTest::newRow("half way") << V{4, 2, 0} << P{{2, 3}, {46, 16}, {90, 29}};
    QTest::newRow("all zero stays at the bottom") << V{0, 0} << P{{2, 29}, {90, 29}};
    QTest::newRow("negative counts as zero") << V{-50, 10} << P{{2, 29}, {90, 3}};
    QTest::newRow("huge values") << V{qint64(1) << 60, qint64(1) << 59} << P{{2, 3}, {90, 16}};
}

void TestCharts::sparklinePoints()
{
    QFETCH(QList<qint64>, values);
    QFETCH(QList<QPointF>, points);

    Sparkline line;
    QCOMPARE(line.size(), QSize(92, 32));
    line.setValues(values);
    const QList<QPointF> got = line.points();
    QCOMPARE(got.size(), points.size());
    for (int i = 0; i < got.size(); ++i) {
        QVERIFY2(std::abs(got.at(i).x() - points.at(i).x()) < 1e-9
                     && std::abs(got.at(i).y() - points.at(i).y()) < 1e-9,
                 qPrintable(QStringLiteral("%1,%2").arg(got.at(i).x()).arg(got.at(i).y())));
    }
}

void TestCharts::stepBarStates()
{
    StepBar bar;
    bar.resize(100, 4);
    QCOMPARE(bar.height(), 4);
    QVERIFY(!bar.isAnimating());
    bar.setState(StepBar::Active);
    QVERIFY(bar.isAnimating());

    // The band enters from beyond the left edge and leaves past the right.
    QCOMPARE(bar.bandRect(), QRectF(-35, 0, 35, 4));
    for (int i = 0; i < 50; ++i)
        bar.advance();
    QVERIFY(std::abs(bar.phase() - 0.6) < 1e-9);
    QVERIFY(std::abs(bar.bandRect().left() - (135 * 0.6 - 35)) < 1e-9);
    for (int i = 0; i < 40; ++i)
        bar.advance();
    QVERIFY(bar.phase() < 0.1);  // wrapped

    bar.setState(StepBar::Done);
    QVERIFY(!bar.isAnimating());
    bar.setState(StepBar::Pending);
    QVERIFY(!bar.isAnimating());
}

void TestCharts::scanStepRowState()
{
    CategoryDef def;
    def.id = QStringLiteral("temp");
    def.name = QStringLiteral("Temporary files");
    def.icon = QStringLiteral("clock");
    def.color = QStringLiteral("#22d3ee");
    ScanStepRow row(def);
    QCOMPARE(row.valueLabel()->text(), QStringLiteral("—"));
    QCOMPARE(row.state(), 0);
    QCOMPARE(row.nameLabel()->text(), QStringLiteral("Temporary files"));

    row.setState(1, QStringLiteral("12 MB"));
    QVERIFY(row.stepBar()->isAnimating());
    QCOMPARE(row.valueLabel()->text(), QStringLiteral("12 MB"));
    QVERIFY(row.nameLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text())));

    row.setState(2, QStringLiteral("1.2 GB"));
    QVERIFY(!row.stepBar()->isAnimating());
    QVERIFY(row.valueLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text())));

    row.setState(0, QStringLiteral("—"));
    QVERIFY(row.nameLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text2())));
    QVERIFY(row.valueLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text3())));

    // The inline colours follow a mode switch.
    AppSettings::instance()->setTheme(2);
    QVERIFY(row.nameLabel()->styleSheet().contains(Theme::rgba(Theme::instance()->text2())));
}

void TestCharts::radarSweep()
{
    Radar radar;
    QCOMPARE(radar.size(), QSize(250, 250));
    QVERIFY(!radar.isActive());
    radar.setActive(true);
    QVERIFY(radar.isActive());
    for (int i = 0; i < 113; ++i)
        radar.advance();
    // 113 x 3.2 = 361.6, wrapped.
    QVERIFY(std::abs(radar.sweep() - 1.6) < 1e-6);
    radar.setActive(false);
    QVERIFY(!radar.isActive());
}

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"

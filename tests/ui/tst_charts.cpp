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
#include "ui/widgets/treemap.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
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

QList<qint64> spread(int count, quint32 seed)
{
    // Sizes from a few MB to many GB, largest first, as the finder hands them over.
    QRandomGenerator rng(seed);
    QList<qint64> bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(qint64(std::pow(2.0, 20 + rng.bounded(17.0))));
    std::sort(bytes.begin(), bytes.end(), std::greater<>());
    return bytes;
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

    // The frame timer runs only while there is something to move.
    void progressRingEasing_data()
    {
        QTest::addColumn<qreal>("start");  // shown value before, reached fully
        QTest::addColumn<qreal>("value");  // passed to setValue
        QTest::addColumn<int>("ticks");
        QTest::addColumn<qreal>("shown");
        QTest::addColumn<bool>("animating");

        QTest::newRow("one frame moves 15 %") << 0.0 << 1.0 << 1 << 0.15 << true;
        QTest::newRow("above one is a full ring") << 0.0 << 1.7 << 200 << 1.0 << false;
        QTest::newRow("below zero is empty") << 0.5 << -3.0 << 0 << 0.0 << false;
        QTest::newRow("lower value snaps down at once") << 0.8 << 0.3 << 0 << 0.3 << false;
        QTest::newRow("snaps onto the target within 60 frames") << 0.0 << 0.5 << 60 << 0.5 << false;
        QTest::newRow("not a number is empty") << 0.5 << std::numeric_limits<qreal>::quiet_NaN() << 0 << 0.0 << false;
    }

    void progressRingEasing()
    {
        QFETCH(qreal, start);
        QFETCH(qreal, value);
        QFETCH(int, ticks);
        QFETCH(qreal, shown);

        ProgressRing ring;
        QVERIFY(!ring.isAnimating());
        ring.setValue(start);
        for (int i = 0; i < 500 && ring.isAnimating(); ++i)
            ring.advance();
        QCOMPARE(ring.shownValue(), start);

        ring.setValue(value);
        for (int i = 0; i < ticks; ++i)
            ring.advance();
        QVERIFY2(near(ring.shownValue(), shown), qPrintable(QString::number(ring.shownValue())));
        QTEST(ring.isAnimating(), "animating");
    }

    // Spinning keeps the frames coming; the ring's own timer drives the easing.
    void progressRingTimer()
    {
        ProgressRing ring;
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

    void layoutCoversAreaInProportion_data()
    {
        QTest::addColumn<QList<qint64>>("bytes");
        QTest::addColumn<QRectF>("area");
        QTest::newRow("one file fills everything") << QList<qint64>{42} << QRectF(0, 0, 300, 200);
        QTest::newRow("tall widget") << QList<qint64>{9, 7, 5, 3, 1} << QRectF(0, 0, 120, 500);
        QTest::newRow("offset area") << QList<qint64>{6, 6, 4, 3, 2, 2, 1} << QRectF(6, 6, 600, 400);
        QTest::newRow("500 very different sizes") << spread(500, 7) << QRectF(0, 0, 1100, 200);
        QTest::newRow("500 at the minimum window") << spread(500, 11) << QRectF(0, 0, 840, 120);
        QTest::newRow("one giant, many crumbs") << [] {
            QList<qint64> b{qint64(1) << 40};
            for (int i = 0; i < 300; ++i)
                b.append(1 << 20);
            return b;
        }() << QRectF(0, 0, 900, 200);
    }

    void layoutCoversAreaInProportion()
    {
        QFETCH(QList<qint64>, bytes);
        QFETCH(QRectF, area);
        const QList<QRectF> rects = Treemap::squarify(bytes, area);
        QCOMPARE(rects.size(), bytes.size());
        double total = 0;
        for (qint64 b : bytes)
            total += double(b);
        const double scale = area.width() * area.height() / total;
        const double eps = 1e-6 * std::max(area.width(), area.height());
        double covered = 0;
        for (int i = 0; i < rects.size(); ++i) {
            const QRectF &r = rects[i];
            QVERIFY2(r.left() >= area.left() - eps && r.top() >= area.top() - eps && r.right() <= area.right() + eps
                         && r.bottom() <= area.bottom() + eps,
                     qPrintable(QStringLiteral("tile %1 leaves the area").arg(i)));
            QVERIFY(std::abs(r.width() * r.height() - double(bytes[i]) * scale) <= 1e-6 * area.width() * area.height());
            covered += r.width() * r.height();
            for (int j = i + 1; j < rects.size(); ++j) {
                const QRectF overlap = r & rects[j];
                QVERIFY2(overlap.width() * overlap.height() <= 1e-6,
                         qPrintable(QStringLiteral("tiles %1 and %2 overlap").arg(i).arg(j)));
            }
        }
        QVERIFY(std::abs(covered - area.width() * area.height()) <= 1e-6 * area.width() * area.height());
    }

    // The row rule decides which tiles share a row; these layouts follow from it alone.
    void rowRule_data()
    {
        QTest::addColumn<QList<qint64>>("bytes");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<QList<QRectF>>("expected");
        using B = QList<qint64>;
        using R = QList<QRectF>;
        QTest::newRow("equal ratios still add")
            << B{2, 2, 12} << QRectF(0, 0, 8, 2) << R{{0, 0, 2, 1}, {0, 1, 2, 1}, {2, 0, 6, 2}};
        QTest::newRow("four equal in a square")
            << B{1, 1, 1, 1} << QRectF(0, 0, 2, 2) << R{{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 1, 1}};
        QTest::newRow("a worse row stops; tall areas fill from the top")
            << B{4, 1, 1} << QRectF(0, 0, 2, 3) << R{{0, 0, 2, 2}, {0, 2, 1, 1}, {1, 2, 1, 1}};
        QTest::newRow("zero-byte file takes no room")
            << B{3, 0, 3} << QRectF(0, 0, 6, 1) << R{{0, 0, 3, 1}, {}, {3, 0, 3, 1}};
        QTest::newRow("nothing to show") << B{0, 0} << QRectF(0, 0, 10, 10) << R{{}, {}};
        QTest::newRow("no width") << B{5} << QRectF(0, 0, 0, 10) << R{{}};
    }

    void rowRule()
    {
        QFETCH(QList<qint64>, bytes);
        QFETCH(QRectF, area);
        QTEST(Treemap::squarify(bytes, area), "expected");
    }

    // Tiles of a kind vary around its colour and stay valid colours at any
    // hue, saturation, value and index; greyish colours stay as they are.
    void colourVariation()
    {
        for (int h = 0; h < 360; h += 7) {
            for (const int sat : {0, 41, 255}) {
                for (int n = -3; n < 20; ++n) {
                    const QColor kind = QColor::fromHsv(h, sat, 255 - sat);
                    const QColor c = Treemap::variedColor(kind, n);
                    QVERIFY(c.isValid());
                    if (sat <= 40)
                        QCOMPARE(c, kind);
                    else
                        QVERIFY2(qAbs((c.hsvHue() - h + 540) % 360 - 180) <= 30, qPrintable(c.name()));
                }
            }
        }
    }

    // Mouse, keyboard and assistive technology: hover names a tile, a click
    // or Space on the current tile toggles its file, the arrows walk the
    // tiles, and each tile is a list item named by file and size.
    void hoverPressAndKeys()
    {
        Treemap map;
        map.resize(400, 200);
        map.setTiles(
            {{QStringLiteral("/h/a.iso"), QStringLiteral("a.iso"), QStringLiteral("3 GB"), 3, Qt::red},
             {QStringLiteral("/h/b.mkv"), QStringLiteral("<b>b</b>.mkv"), QStringLiteral("1 GB"), 1, Qt::blue}});
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QCOMPARE(map.tileRects().size(), 2);
        const QPoint inB = map.tileRects()[1].center().toPoint();
        QTest::mouseMove(&map, inB);
        QCOMPARE(map.hoveredIndex(), 1);
        // A name that looks like markup is shown as it is.
        QVERIFY(map.toolTip().contains(QStringLiteral("&lt;b&gt;b&lt;/b&gt;.mkv · 1 GB")));
        QSignalSpy toggled(&map, &Treemap::toggled);
        QTest::mouseClick(&map, Qt::LeftButton, {}, inB);
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.at(0).at(0).toString(), QStringLiteral("/h/b.mkv"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&map, &leave);
        QCOMPARE(map.hoveredIndex(), -1);
        QVERIFY(map.toolTip().isEmpty());

        QVERIFY(QTest::qWaitForWindowActive(&map));
        map.setFocus(Qt::TabFocusReason);
        QCOMPARE(map.currentIndex(), 0);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space})
            QTest::keyClick(&map, key);
        QCOMPARE(map.currentIndex(), 1);
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.last().at(0).toString(), QStringLiteral("/h/b.mkv"));
        QTest::keyClick(&map, Qt::Key_Home);
        QCOMPARE(map.currentIndex(), 0);

        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&map);
        QCOMPARE(iface->role(), QAccessible::List);
        QCOMPARE(iface->childCount(), 2);
        QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("<b>b</b>.mkv, 1 GB"));
        map.setChecked({QStringLiteral("/h/b.mkv")});
        QVERIFY(iface->child(1)->state().checked && !iface->child(0)->state().checked);
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"

#include "app/appsettings.h"
#include "scan/category.h"
#include "support/uitest.h"
#include "support/testsupport.h"
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

    // The frame timer runs only while there is something to move or a spin
    // to show; left to itself it eases the ring onto its target and stops.
    void progressRingEasing_data()
    {
        QTest::addColumn<qreal>("start");  // shown value before, reached fully
        QTest::addColumn<qreal>("value");  // passed to setValue
        QTest::addColumn<bool>("spinning");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<qreal>("shown");
        QTest::addColumn<bool>("animating");

        QTest::newRow("one frame moves 15 %") << 0.0 << 1.0 << false << 1 << 0.15 << true;
        QTest::newRow("above one is a full ring") << 0.0 << 1.7 << false << 200 << 1.0 << false;
        QTest::newRow("below zero is empty") << 0.5 << -3.0 << false << 0 << 0.0 << false;
        QTest::newRow("lower value snaps down at once") << 0.8 << 0.3 << false << 0 << 0.3 << false;
        QTest::newRow("snaps onto the target within 60 frames") << 0.0 << 0.5 << false << 60 << 0.5 << false;
        QTest::newRow("not a number is empty")
            << 0.5 << std::numeric_limits<qreal>::quiet_NaN() << false << 0 << 0.0 << false;
        QTest::newRow("spinning keeps the frames coming") << 0.5 << 0.5 << true << 1 << 0.5 << true;
    }

    void progressRingEasing()
    {
        QFETCH(qreal, start);
        QFETCH(qreal, value);
        QFETCH(bool, spinning);
        QFETCH(int, ticks);
        QFETCH(qreal, shown);

        ProgressRing ring;
        QVERIFY(!ring.isAnimating());
        ring.setValue(start);
        for (int i = 0; i < 500 && ring.isAnimating(); ++i)
            ring.advance();
        QCOMPARE(ring.shownValue(), start);

        ring.setValue(value);
        ring.setSpinning(spinning);
        for (int i = 0; i < ticks; ++i)
            ring.advance();
        QVERIFY2(near(ring.shownValue(), shown), qPrintable(QString::number(ring.shownValue())));
        QTEST(ring.isAnimating(), "animating");
        // The timer stops only once the target is shown and nothing spins.
        ring.setSpinning(false);
        QTRY_VERIFY(!ring.isAnimating());
    }

    // Where the painted charts put their parts; the cases and what the
    // columns mean are in the fixture.
    void chartGeometry_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QList<qint64>>("values");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QList<QPointF>>("parts");
        QTest::addColumn<QStringList>("colours");

        const auto items = [](const QString &field) {
            return field == u"-" ? QStringList() : field.split(u' ');
        };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/chartgeometry.tsv"), 7)) {
            const QString line = f.join(u'\t');
            bool ok = QStringList{"bar", "orb", "line"}.contains(f[1])
                      && QStringList{"light", "dark"}.contains(f[4]);
            const auto number = [&ok](QString text) {
                bool good = false;
                const qreal gap = text.endsWith(u"-gap") ? DiskOrb::kGapDegrees : 0;
                const qreal value = text.remove(QStringLiteral("-gap")).toDouble(&good);
                ok = ok && good;
                return value - gap;
            };
            QList<qint64> values;
            QList<QPointF> parts;
            for (const QString &v : items(f.value(3)))
                values << qint64(number(v));
            for (const QString &p : items(f.value(5)))
                parts << QPointF(number(p.section(u',', 0, 0)), number(p.section(u',', 1)));
            QVERIFY2(ok, qPrintable(line));
            QTest::newRow(qPrintable(f[0])) << f[1] << qint64(number(f[2])) << values << (f[4] == u"dark") << parts
                                            << items(f[6]);
        }
    }

    void chartGeometry()
    {
        QFETCH(QString, chart);
        QFETCH(qint64, total);
        QFETCH(QList<qint64>, values);
        QFETCH(bool, dark);
        QFETCH(QList<QPointF>, parts);
        QFETCH(QStringList, colours);

        AppSettings::instance()->setTheme(dark ? 2 : 1);
        QList<QPointF> got;
        QList<QColor> gotColours;
        if (chart == u"bar") {
            StackBar bar(8);
            bar.resize(400, 8);
            QList<StackBar::Segment> segments;
            for (const qint64 b : values)
                segments.append({b, QColor(Qt::red), QStringLiteral("s"), false});
            bar.setSegments(segments, total);
            for (const QRectF &r : bar.segmentRects())
                got << QPointF(r.left(), r.width());
        } else if (chart == u"orb") {
            DiskOrb orb;
            orb.setValues(total, values.at(0), values.at(1));
            for (const DiskOrb::Arc &arc : orb.arcs()) {
                got << QPointF(arc.startDegrees, arc.sweepDegrees);
                gotColours << arc.color;
            }
        } else {
            Sparkline line;
            line.setValues(values);
            got = line.points();
        }
        const QHash<QString, QColor> named = {{QStringLiteral("used"), QColor(99, 102, 241)},
                                              {QStringLiteral("bad"), Theme::instance()->bad()},
                                              {QStringLiteral("reclaim"), QColor(34, 211, 238)}};
        QList<QColor> wantColours;
        for (const QString &name : colours)
            wantColours << named.value(name);
        QCOMPARE(gotColours, wantColours);
        QCOMPARE(got.size(), parts.size());
        for (int i = 0; i < got.size(); ++i) {
            QVERIFY2(near(got.at(i).x(), parts.at(i).x(), 1e-3) && near(got.at(i).y(), parts.at(i).y(), 1e-3),
                     qPrintable(QStringLiteral("%1: %2, %3").arg(i).arg(got.at(i).x()).arg(got.at(i).y())));
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

    // Tiles cover the area in proportion to their bytes and never overlap;
    // where the row rule alone decides which tiles share a row, the layout
    // is given in full.
    void squarify_data()
    {
        QTest::addColumn<QList<qint64>>("bytes");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<QList<QRectF>>("expected");  // empty: the proportions only
        using B = QList<qint64>;
        using R = QList<QRectF>;
        QTest::newRow("one file fills everything") << B{42} << QRectF(0, 0, 300, 200) << R{};
        QTest::newRow("tall widget") << B{9, 7, 5, 3, 1} << QRectF(0, 0, 120, 500) << R{};
        QTest::newRow("offset area") << B{6, 6, 4, 3, 2, 2, 1} << QRectF(6, 6, 600, 400) << R{};
        QTest::newRow("500 very different sizes") << spread(500, 7) << QRectF(0, 0, 1100, 200) << R{};
        QTest::newRow("500 at the minimum window") << spread(500, 11) << QRectF(0, 0, 840, 120) << R{};
        QTest::newRow("one giant, many crumbs") << [] {
            B b{qint64(1) << 40};
            for (int i = 0; i < 300; ++i)
                b.append(1 << 20);
            return b;
        }() << QRectF(0, 0, 900, 200) << R{};
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

    void squarify()
    {
        QFETCH(QList<qint64>, bytes);
        QFETCH(QRectF, area);
        QFETCH(QList<QRectF>, expected);
        const QList<QRectF> rects = Treemap::squarify(bytes, area);
        if (!expected.isEmpty())
            QCOMPARE(rects, expected);
        QCOMPARE(rects.size(), bytes.size());
        double total = 0;
        for (qint64 b : bytes)
            total += double(b);
        if (total == 0)
            return;  // no bytes: nothing to share out
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

    // Mouse, keyboard and assistive technology: hover names a tile, Space on
    // the current tile toggles its file (a click does too: the Space Map's
    // test), the arrows walk the tiles, and each tile is a list item named by
    // file and size.
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
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&map, &leave);
        QCOMPARE(map.hoveredIndex(), -1);
        QVERIFY(map.toolTip().isEmpty());

        QVERIFY(QTest::qWaitForWindowActive(&map));
        QSignalSpy toggled(&map, &Treemap::toggled);
        map.setFocus(Qt::TabFocusReason);
        QCOMPARE(map.currentIndex(), 0);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space})
            QTest::keyClick(&map, key);
        QCOMPARE(map.currentIndex(), 1);
        QCOMPARE(toggled, QList<QVariantList>{{QStringLiteral("/h/b.mkv")}});
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

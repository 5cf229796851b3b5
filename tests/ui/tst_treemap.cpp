#include "support/uitest.h"
#include "ui/widgets/treemap.h"

#include <QAccessible>
#include <QApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace ui;

namespace {

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

class TestTreemap final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startUiTest(); }

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

QTEST_MAIN(TestTreemap)
#include "tst_treemap.moc"

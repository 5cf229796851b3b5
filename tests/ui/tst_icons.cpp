#include "ui/icons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>

namespace {

// Highest alpha and the set of distinct opaque-ish hues of an image.
struct Inked
{
    int maxAlpha = 0;
    int pixels = 0;
    bool onlyColour = true;
};

Inked inspect(const QImage &img, const QColor &expected)
{
    Inked r;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            ++r.pixels;
            r.maxAlpha = qMax(r.maxAlpha, c.alpha());
            // Premultiplication blurs low-alpha edges; judge solid pixels only.
            if (c.alpha() > 200
                && (qAbs(c.red() - expected.red()) > 8 || qAbs(c.green() - expected.green()) > 8
                    || qAbs(c.blue() - expected.blue()) > 8))
                r.onlyColour = false;
        }
    }
    return r;
}

QImage render(const QString &name, const QColor &colour, int px = 48)
{
    QImage img(px, px, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    ui::paintIcon(&p, QRectF(0, 0, px, px), name, colour);
    p.end();
    return img;
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyIconFollowsTheLineStyle_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : ui::iconNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyIconFollowsTheLineStyle()
    {
        QFETCH(QString, name);
        const QByteArray svg = ui::iconSource(name);
        QVERIFY2(!svg.isEmpty(), "missing resource");
        QVERIFY(svg.contains("viewBox=\"0 0 24 24\""));
        QVERIFY(svg.contains("stroke=\"currentColor\""));
        QVERIFY(svg.contains("stroke-width=\"1.6\""));
        QVERIFY(svg.contains("stroke-linecap=\"round\""));
        QVERIFY(svg.contains("stroke-linejoin=\"round\""));
        // Strokes only: no fill anywhere but "none", no fixed colour anywhere.
        static const QRegularExpression fill(QStringLiteral("fill=\"(?!none\")"));
        QVERIFY(!QString::fromUtf8(svg).contains(fill));
        QVERIFY(!svg.contains('#'));

        QSvgRenderer parsed(svg);
        QVERIFY(parsed.isValid());
        QCOMPARE(parsed.viewBoxF(), QRectF(0, 0, 24, 24));
        const Inked ink = inspect(render(name, QColor(200, 30, 40)), QColor(200, 30, 40));
        QVERIFY2(ink.pixels > 40, "draws (almost) nothing");
        QVERIFY(ink.onlyColour);
    }

    void listedIconsAreTheWholeFolder()
    {
        QStringList files;
        for (const QFileInfo &fi : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
            files << fi.completeBaseName();
        files.sort();
        QStringList names = ui::iconNames();
        names.sort();
        QCOMPARE(files, names);
    }

    void artworkParses_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *p : {":/logo.svg", ":/logo-small.svg", ":/ui/check.svg", ":/ui/dash.svg",
                              ":/ui/box-light.svg", ":/ui/box-light-hover.svg", ":/ui/box-light-off.svg",
                              ":/ui/box-dark.svg", ":/ui/box-dark-hover.svg", ":/ui/box-dark-off.svg",
                              ":/ui/arrow-light.svg", ":/ui/arrow-dark.svg"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }

    void artworkParses()
    {
        QFETCH(QString, path);
        QVERIFY(QFile::exists(path));
        QSvgRenderer r(path);
        QVERIFY(r.isValid());
    }

    void rendererIsSharedAcrossAlpha()
    {
        QSvgRenderer *solid = ui::iconRenderer(QStringLiteral("trash"), QColor(10, 20, 30));
        QSvgRenderer *faint = ui::iconRenderer(QStringLiteral("trash"), QColor(10, 20, 30, 60));
        QCOMPARE(faint, solid);
        QVERIFY(ui::iconRenderer(QStringLiteral("trash"), QColor(10, 20, 31)) != solid);
        QVERIFY(ui::iconRenderer(QStringLiteral("x"), QColor(10, 20, 30)) != solid);
    }

    void alphaBecomesOpacity()
    {
        // A single stroke: where strokes cross, each carries the opacity.
        const Inked full = inspect(render(QStringLiteral("check"), QColor(0, 0, 255)), QColor(0, 0, 255));
        const Inked half = inspect(render(QStringLiteral("check"), QColor(0, 0, 255, 128)), QColor(0, 0, 255));
        QCOMPARE(full.maxAlpha, 255);
        QVERIFY(qAbs(half.maxAlpha - 128) <= 2);
        // Only the faintest edge pixels may round away.
        QVERIFY(qAbs(half.pixels - full.pixels) <= full.pixels / 20);
    }

    void missingIconDrawsNothing()
    {
        QSvgRenderer *r = ui::iconRenderer(QStringLiteral("no-such-icon"), Qt::black);
        QVERIFY(r);
        QVERIFY(!r->isValid());
        QCOMPARE(inspect(render(QStringLiteral("no-such-icon"), Qt::black), Qt::black).pixels, 0);
        QVERIFY(ui::iconSource(QStringLiteral("no-such-icon")).isEmpty());
    }

    void iconHasBothPixelRatios()
    {
        const QIcon i = ui::icon(QStringLiteral("folder"), QColor(0, 128, 0), 20);
        QVERIFY(!i.isNull());
        const QList<QSize> sizes = i.availableSizes();
        QCOMPARE(sizes.size(), 2);
        const QPixmap pm = i.pixmap(QSize(20, 20), 1.5);
        QCOMPARE(pm.devicePixelRatio(), 1.5);
        QCOMPARE(pm.size(), QSize(30, 30));
        QVERIFY(inspect(pm.toImage(), QColor(0, 128, 0)).pixels > 20);
    }

    void appIconSizes()
    {
        const QIcon i = ui::appIcon();
        const QList<QSize> sizes = i.availableSizes();
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
        // The mark must be visible at the smallest size, not a blur.
        QCOMPARE(i.pixmap(16).toImage().pixelColor(8, 1).alpha(), 255);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"

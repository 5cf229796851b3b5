#include "ui/icons.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>

namespace {

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

Inked render(const QString &name, const QColor &colour)
{
    QImage img(48, 48, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    ui::paintIcon(&p, QRectF(0, 0, 48, 48), name, colour);
    p.end();
    QColor solid = colour;
    solid.setAlpha(255);
    return inspect(img, solid);
}

} // namespace

class TestIcons final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyIconTakesTheRequestedColour_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : ui::iconNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    // Icons are recoloured by substituting currentColor; a fixed colour in a
    // drawing would stay dark on the dark theme.
    void everyIconTakesTheRequestedColour()
    {
        QFETCH(QString, name);
        const QByteArray svg = ui::iconSource(name);
        QVERIFY2(svg.contains("currentColor"), "missing resource or fixed colour");
        QVERIFY(QSvgRenderer(svg).isValid());
        const Inked ink = render(name, QColor(200, 30, 40));
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

    // One cached renderer serves every alpha of a colour, but never another colour.
    void alphaBecomesOpacityColourStaysApart()
    {
        const Inked full = render(QStringLiteral("check"), QColor(0, 0, 255));
        const Inked half = render(QStringLiteral("check"), QColor(0, 0, 255, 128));
        QCOMPARE(full.maxAlpha, 255);
        QVERIFY(qAbs(half.maxAlpha - 128) <= 2);
        // Only the faintest edge pixels may round away.
        QVERIFY(qAbs(half.pixels - full.pixels) <= full.pixels / 20);
        QVERIFY(render(QStringLiteral("check"), QColor(255, 0, 0)).onlyColour);
    }

    void missingIconDrawsNothing()
    {
        QVERIFY(!ui::iconRenderer(QStringLiteral("no-such-icon"), Qt::black)->isValid());
        QCOMPARE(render(QStringLiteral("no-such-icon"), Qt::black).pixels, 0);
        QVERIFY(ui::iconSource(QStringLiteral("no-such-icon")).isEmpty());
    }

    // The tray shows this icon at 16 px: the mark must be there, not a blur.
    void appIconAtTraySize()
    {
        QCOMPARE(ui::appIcon().pixmap(16).toImage().pixelColor(8, 1).alpha(), 255);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"

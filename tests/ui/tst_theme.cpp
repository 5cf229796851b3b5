#include "app/appsettings.h"
#include "support/testsupport.h"
#include "support/uitest.h"
#include "ui/icons.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTextLayout>
#include <QWidget>

// The look: the theme, the fonts of each language, the icons.

namespace {

// A cell of a fixture: "-" is empty, a list's items are separated by ", ".
QString cellText(const QString &cell)
{
    return cell == u"-" ? QString() : cell;
}

QStringList cellList(const QString &cell)
{
    return cell == u"-" ? QStringList() : cell.split(QStringLiteral(", "));
}

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

class TestTheme final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startUiTest();
        AppSettings::instance()->setTheme(1);
    }

    void cleanup()
    {
        qunsetenv("VARNHOLT_LANG");
        AppSettings::instance()->setLanguage(QString());
        for (const QString &family : ui::substitutedFamilies())
            QFont::removeSubstitutions(family);
    }

    void styleSheetIsFullySubstituted_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("mac");
        QTest::newRow("light windows") << false << false;
        QTest::newRow("dark windows") << true << false;
        QTest::newRow("light mac") << false << true;
        QTest::newRow("dark mac") << true << true;
    }

    void styleSheetIsFullySubstituted()
    {
        QFETCH(bool, dark);
        QFETCH(bool, mac);
        for (const auto &[name, colour] : Theme::tokensFor(dark).named())
            QVERIFY2(colour.isValid(), name);
        const QString sheet = Theme::substitute(Theme::styleSheetTemplate(), Theme::tokensFor(dark), dark, mac);
        QVERIFY2(!sheet.contains(u'@'), qPrintable(sheet.mid(sheet.indexOf(u'@'), 30)));
        // A shorter placeholder must never eat the start of a longer one.
        static const QRegularExpression glued(QStringLiteral("\\)(Hover|Soft|Strong|2|3|\\w)"));
        QVERIFY2(!sheet.contains(glued), qPrintable(glued.match(sheet).captured()));
        // Style sheets read a fractional alpha as almost transparent.
        static const QRegularExpression anyRgba(QStringLiteral("rgba\\(([^)]*)\\)"));
        static const QRegularExpression intRgba(QStringLiteral("^\\d{1,3},\\d{1,3},\\d{1,3},\\d{1,3}$"));
        int count = 0;
        for (auto it = anyRgba.globalMatch(sheet); it.hasNext(); ++count) {
            const QString inner = it.next().captured(1);
            QVERIFY2(intRgba.match(inner).hasMatch(), qPrintable(inner));
        }
        QVERIFY2(count >= 40, qPrintable(QString::number(count)));

        // Every image the sheet names is valid artwork, in the variant of its mode.
        static const QRegularExpression url(QStringLiteral("url\\((:/ui/[^)]+)\\)"));
        QStringList images;
        for (auto it = url.globalMatch(sheet); it.hasNext();) {
            images << it.next().captured(1);
            QVERIFY2(QSvgRenderer(images.last()).isValid(), qPrintable(images.last()));
        }
        const QString mode = dark ? QStringLiteral("dark") : QStringLiteral("light");
        const QString otherMode = dark ? QStringLiteral("light") : QStringLiteral("dark");
        for (const QString &name : {QStringLiteral(":/ui/box-%1.svg"), QStringLiteral(":/ui/box-%1-hover.svg"),
                                    QStringLiteral(":/ui/box-%1-off.svg"), QStringLiteral(":/ui/arrow-%1.svg")}) {
            QVERIFY2(images.contains(name.arg(mode)), qPrintable(name.arg(mode)));
            QVERIFY(!images.contains(name.arg(otherMode)));
        }
    }

    void modeDecision_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("systemDark");
        QTest::addColumn<bool>("dark");
        QTest::newRow("follow, system dark") << 0 << true << true << true;
        QTest::newRow("follow, not installed") << 0 << false << true << false;
        QTest::newRow("light, system dark") << 1 << true << true << false;
        QTest::newRow("dark, not installed") << 2 << false << false << true;
        QTest::newRow("unknown value") << 7 << true << true << false;
        QTest::newRow("negative value") << -1 << true << true << false;
    }

    void modeDecision()
    {
        QFETCH(int, setting);
        QFETCH(bool, installed);
        QFETCH(bool, systemDark);
        QTEST(Theme::decideDark(setting, installed, systemDark), "dark");
    }

    // The theme restyles (palette and style sheet) when the mode flips: from
    // the setting, or, with "System" chosen, at once when the platform
    // announces a new theme or palette (Qt 6.4 has no colour-scheme signal;
    // the probe stands in for the desktop). Other settings leave it alone.
    void restylesWhenTheModeFlips_data()
    {
        QTest::addColumn<int>("event");  // 0: the setting
        QTest::newRow("setting") << 0;
        QTest::newRow("theme change") << int(QEvent::ThemeChange);
        QTest::newRow("palette change") << int(QEvent::ApplicationPaletteChange);
    }

    void restylesWhenTheModeFlips()
    {
        QFETCH(int, event);
        Theme *theme = Theme::instance();
        AppSettings *settings = AppSettings::instance();
        bool platformDark = false;
        theme->setPlatformDarkProbe([&platformDark] { return platformDark; });
        settings->setTheme(event ? 0 : 1);
        QCoreApplication::processEvents();
        QVERIFY(!theme->dark());
        QSignalSpy spy(theme, &Theme::changed);
        settings->setLargeThresholdMB(settings->largeThresholdMB() == 250 ? 500 : 250);
        QCOMPARE(spy.count(), 0);
        QWidget window;
        for (const bool dark : {true, false}) {
            platformDark = dark;
            QEvent change{QEvent::Type(event ? event : QEvent::None)};
            if (!event)
                settings->setTheme(dark ? 2 : 1);
            else
                QCoreApplication::sendEvent(event == QEvent::ThemeChange ? static_cast<QObject *>(&window) : qApp, &change);
            QTRY_COMPARE(theme->dark(), dark);
            QCOMPARE(spy.count(), dark ? 1 : 2);
            QCOMPARE(qApp->palette().color(QPalette::Window), Theme::tokensFor(dark).bg);
            QVERIFY(qApp->styleSheet().contains(dark ? "box-dark.svg" : "box-light.svg"));
            QCoreApplication::processEvents();
        }
        theme->setPlatformDarkProbe({});
        settings->setTheme(1);
    }

    // WCAG AA: 4.5:1 for text, 3:1 for large text (the gradient figures)
    // and for the edge of a control (an unchecked box in dark mode, against
    // what lies around it and what fills it, as the style sheet draws it).
    void contrast_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<qreal>("minimum");
        const QColor white(Qt::white);
        QTest::newRow("danger label") << white << Theme::dangerFill() << 4.5;
        QTest::newRow("danger label, hovered") << white << Theme::dangerFill().lighter(110) << 4.5;
        // The tray balloon is checked where Qt really draws it (tst_tray_x11).
        for (const bool dark : {false, true}) {
            const ThemeTokens t = Theme::tokensFor(dark);
            const char *mode = dark ? "dark" : "light";
            QTest::addRow("%s text", mode) << t.text << t.bg << 4.5;
            for (const QGradientStop &stop : Theme::textStops(dark))
                QTest::addRow("%s text gradient at %.2f", mode, stop.first) << stop.second << t.bg << (dark ? 3.0 : 4.5);
        }
        const ThemeTokens t = Theme::tokensFor(true);
        const auto over = [](const QColor &top, const QColor &under) {
            QImage one(1, 1, QImage::Format_RGB32);
            one.fill(under);
            QPainter(&one).fillRect(0, 0, 1, 1, top);
            return one.pixelColor(0, 0);
        };
        const QList<std::pair<const char *, QColor>> grounds{
            {"window", t.bg}, {"focused row", over(t.cardHover, over(t.card, t.bg))}, {"popup", t.surface2}};
        for (const char *box : {"box-dark", "box-dark-hover"}) {
            QSvgRenderer svg(QStringLiteral(":/ui/%1.svg").arg(QLatin1String(box)));
            for (const auto &[where, ground] : grounds) {
                QImage img(16, 16, QImage::Format_RGB32);
                img.fill(ground);
                QPainter p(&img);
                svg.render(&p);
                p.end();
                QTest::addRow("%s edge on the %s", box, where) << img.pixelColor(0, 8) << ground << 3.0;
                QTest::addRow("%s edge around its fill, %s", box, where) << img.pixelColor(0, 8) << img.pixelColor(8, 8) << 3.0;
            }
        }
    }

    void contrast()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(qreal, minimum);
        const qreal ratio = Theme::contrastRatio(text, background);
        QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3").arg(text.name(), background.name()).arg(ratio)));
    }

    // Names are drawn as they are written ("3x9" is no multiplication),
    // whatever the font's contextual alternates and ligatures would make of
    // them, in the UI and the path font as the style sheet gives them.
    void namesShownAsWritten_data()
    {
        QTest::addColumn<QString>("role");
        QTest::newRow("ui font") << QString();
        QTest::newRow("path font") << QStringLiteral("mono");
    }

    void namesShownAsWritten()
    {
        QFETCH(QString, role);
        QLabel label;
        label.setProperty("role", role);
        Theme::showAsWritten(&label);
        label.ensurePolished();
        const auto glyphs = [&label](const QString &text) {
            QTextLayout layout(text, label.font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            QList<quint32> out;
            for (const QGlyphRun &run : layout.glyphRuns())
                out << run.glyphIndexes();
            return out;
        };
        for (const QString text : {"3x9", "a->b", "office"}) {
            QList<quint32> apart;
            for (const QChar c : text)
                apart << glyphs(c);
            QCOMPARE(glyphs(text), apart);
        }
    }

    // Figures are set in a real installed family with one width for every
    // digit; an alias such as "monospace" matches nothing inside a family
    // list and would drop every figure to the proportional UI font, and a
    // Courier-like system fallback would not match the design.
    void monoFontIsARealFixedFamily()
    {
        if (QFontDatabase::families().isEmpty())
            QSKIP("no font at all: the offscreen platform on Windows reads only its QT_QPA_FONTDIR");
        const QFont mono = Theme::monoFont(11, 500);
        QVERIFY2(QFontDatabase::hasFamily(mono.family()), qPrintable(mono.family()));
        QCOMPARE(QFontInfo(mono).family(), mono.family());
        const QFontMetrics fm(mono);
        for (const QChar digit : QStringLiteral("123456789"))
            QCOMPARE(fm.horizontalAdvance(digit), fm.horizontalAdvance(u'0'));
    }

    // Where the Windows families are missing (Wine, a trimmed system), the
    // figures fall back to a sans with even digits, never to a Courier.
    void figureFamilyAvoidsSerifs_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/figurefamily.tsv"), 3))
            QTest::newRow(qPrintable(f[0])) << cellList(f[1]) << cellText(f[2]);
    }

    void figureFamilyAvoidsSerifs()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        QCOMPARE(Theme::figureFamily(installed), expected);
    }

    void backdropStaysInsideItsRectangle()
    {
        QImage img(500, 400, QImage::Format_ARGB32);
        img.fill(Qt::red);
        QPainter p(&img);
        const QRect area(50, 40, 400, 300);
        Theme::instance()->paintBackdrop(&p, area);
        p.end();
        QCOMPARE(img.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(img.pixelColor(499, 399), QColor(Qt::red));
        QCOMPARE(img.pixelColor(area.right() + 1, area.bottom()), QColor(Qt::red));
        QVERIFY(img.pixelColor(area.topLeft()) != QColor(Qt::red));
        QVERIFY(img.pixelColor(area.bottomRight()) != QColor(Qt::red));
    }

    // Every drawing in the folder is a listed name and every listed name
    // has one. Icons are recoloured by substituting currentColor: a fixed
    // colour in a drawing would stay dark on the dark theme. A name without
    // a drawing draws nothing.
    void icons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("drawn");
        QStringList names = ui::iconNames();
        for (const QFileInfo &fi : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
            if (!names.contains(fi.completeBaseName()))
                names << fi.completeBaseName();
        }
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name << true;
        QTest::newRow("a name without a drawing") << QStringLiteral("no-such-icon") << false;
    }

    void icons()
    {
        QFETCH(QString, name);
        QFETCH(bool, drawn);
        QCOMPARE(ui::iconNames().contains(name), drawn);
        QCOMPARE(QFileInfo::exists(QStringLiteral(":/icons/%1.svg").arg(name)), drawn);
        QCOMPARE(ui::iconRenderer(name, Qt::black)->isValid(), drawn);
        const QByteArray svg = ui::iconSource(name);
        const Inked ink = render(name, QColor(200, 30, 40));
        if (!drawn) {
            QVERIFY(svg.isEmpty());
            QCOMPARE(ink.pixels, 0);
            return;
        }
        QVERIFY2(svg.contains("currentColor"), "fixed colour");
        QVERIFY2(ink.pixels > 40, "draws (almost) nothing");
        QVERIFY(ink.onlyColour);
    }

    // One cached renderer serves every alpha of a colour, but never another
    // colour. Where strokes cross ("x"), a translucent icon is no darker.
    void alphaBecomesOpacityColourStaysApart()
    {
        for (const QString &name : {QStringLiteral("check"), QStringLiteral("x")}) {
            const Inked full = render(name, QColor(0, 0, 255));
            const Inked half = render(name, QColor(0, 0, 255, 128));
            QCOMPARE(full.maxAlpha, 255);
            QVERIFY2(qAbs(half.maxAlpha - 128) <= 2, qPrintable(name));
            // Only the faintest edge pixels may round away.
            QVERIFY(qAbs(half.pixels - full.pixels) <= full.pixels / 20);
        }
        QVERIFY(render(QStringLiteral("check"), QColor(255, 0, 0)).onlyColour);
    }

    // The tray shows this icon at 16 px: the mark must be there, not a blur.
    void appIconAtTraySize()
    {
        QCOMPARE(ui::appIcon().pixmap(16).toImage().pixelColor(8, 1).alpha(), 255);
    }

    void unknownCodeIsNamedEnglish() { QCOMPARE(ui::languageName(QStringLiteral("xx")), QStringLiteral("English")); }

    void detection_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("code");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/languagedetection.tsv"), 4))
            QTest::newRow(qPrintable(f[0])) << cellText(f[1]) << cellList(f[2]) << f[3];
    }

    void detection()
    {
        QFETCH(QString, requested);
        QFETCH(QStringList, system);
        QTEST(ui::detectLanguage(requested, system), "code");
    }

    // The variable, when set, beats the language setting (French here).
    void applyLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("cjk");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/applylanguage.tsv"), 4))
            QTest::newRow(qPrintable(f[0])) << cellText(f[1]) << f[2] << cellList(f[3]);
    }

    void applyLanguage()
    {
        QFETCH(QString, code);
        AppSettings::instance()->setLanguage(QStringLiteral("fr"));
        qputenv("VARNHOLT_LANG", code.toUtf8());
        ui::applyLanguage(QCoreApplication::instance());
        QTEST(QLocale().name(), "locale");
        for (const char *family : {"Segoe UI Variable Text", "Segoe UI Variable Display", "Segoe UI", "Inter"})
            QTEST(QFont::substitutes(QString::fromLatin1(family)), "cjk");
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"

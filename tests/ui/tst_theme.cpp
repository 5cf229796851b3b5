#include "app/appsettings.h"
#include "ui/theme.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>

// QWidget's own "size" property hides a dynamic one, so a button that wants
// the large style declares "size" itself, as the widget kit's button does.
class SizedButton final : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString size READ sizeName CONSTANT)

public:
    SizedButton(const QString &text, const QString &size) : QPushButton(text), m_size(size) {}
    QString sizeName() const { return m_size; }

private:
    QString m_size;
};

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        AppSettings::instance()->setTheme(1);
        Theme::instance()->install(qApp);
    }

    void tokenSetsAreComplete_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void tokenSetsAreComplete()
    {
        QFETCH(bool, dark);
        const ThemeTokens t = Theme::tokensFor(dark);
        const auto named = t.named();
        QCOMPARE(named.size(), 29);
        QSet<QString> names;
        for (const auto &[name, colour] : named) {
            QVERIFY2(colour.isValid(), name);
            names.insert(QString::fromLatin1(name));
        }
        QCOMPARE(names.size(), 29);
        QVERIFY(t.card2.isValid());
        // Each mode must differ from the other where text meets background.
        const ThemeTokens other = Theme::tokensFor(!dark);
        QVERIFY(t.bg != other.bg && t.text != other.text && t.accent != other.accent);
        QVERIFY(qAbs(t.text.lightness() - t.bg.lightness()) > 150);
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
        const QString sheet =
            Theme::substitute(Theme::styleSheetTemplate(), Theme::tokensFor(dark), dark, mac);
        QVERIFY2(!sheet.contains(u'@'), qPrintable(sheet.mid(sheet.indexOf(u'@'), 30)));
        // A shorter placeholder must never eat the start of a longer one.
        static const QRegularExpression glued(QStringLiteral("\\)(Hover|Soft|Strong|2|3|\\w)"));
        QVERIFY2(!sheet.contains(glued), qPrintable(glued.match(sheet).captured()));
        // Alphas are written as integers, never as fractions.
        static const QRegularExpression anyRgba(QStringLiteral("rgba\\(([^)]*)\\)"));
        static const QRegularExpression intRgba(QStringLiteral("^\\d{1,3},\\d{1,3},\\d{1,3},\\d{1,3}$"));
        auto it = anyRgba.globalMatch(sheet);
        int count = 0;
        while (it.hasNext()) {
            const QString inner = it.next().captured(1);
            QVERIFY2(intRgba.match(inner).hasMatch(), qPrintable(inner));
            ++count;
        }
        QVERIFY2(count >= 40, qPrintable(QString::number(count)));
        const ThemeTokens t = Theme::tokensFor(dark);
        QVERIFY(sheet.contains(QStringLiteral("QLineEdit { background: ") + Theme::rgba(t.card)));
        QVERIFY(sheet.contains(QStringLiteral("QPushButton[kind=\"link\"]:hover { color: ")
                               + Theme::rgba(t.accentHover)));

        // Every image the sheet names exists, in the variant of its mode.
        static const QRegularExpression url(QStringLiteral("url\\((:/ui/[^)]+)\\)"));
        auto urls = url.globalMatch(sheet);
        QStringList images;
        while (urls.hasNext()) {
            const QString path = urls.next().captured(1);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            images << path;
        }
        const QString mode = dark ? QStringLiteral("dark") : QStringLiteral("light");
        const QString otherMode = dark ? QStringLiteral("light") : QStringLiteral("dark");
        for (const QString &name : {QStringLiteral(":/ui/box-%1.svg"), QStringLiteral(":/ui/box-%1-hover.svg"),
                                    QStringLiteral(":/ui/box-%1-off.svg"), QStringLiteral(":/ui/arrow-%1.svg")}) {
            QVERIFY2(images.contains(name.arg(mode)), qPrintable(name.arg(mode)));
            QVERIFY(!images.contains(name.arg(otherMode)));
        }

        // Content heights: the outer ones less the two 1 px borders.
        const int hpx = mac ? 28 : 32;
        QVERIFY(sheet.contains(QStringLiteral("min-height: %1px; max-height: %1px").arg(hpx)));
        QVERIFY(sheet.contains(QStringLiteral("min-height: %1px; max-height: %1px").arg(mac ? 36 : 40)));
        QVERIFY(sheet.contains(QStringLiteral("min-height: %1px; selection").arg(hpx - 2)));
        QVERIFY(sheet.contains(QStringLiteral("font-size: %1px").arg(mac ? 24 : 26)));
        QVERIFY(sheet.contains(QStringLiteral("font-family: \"%1\"").arg(Theme::uiFamily(!mac))));
        QVERIFY(sheet.contains(QStringLiteral("font-family: \"%1\", \"%2\"")
                                   .arg(Theme::monoFont(11).family(), Theme::uiFamily(false))));
    }

    void buttonAndFieldHeights()
    {
        QPushButton normal(QStringLiteral("Rescan"));
        SizedButton large(QStringLiteral("Start Smart Scan"), QStringLiteral("lg"));
        QPushButton ghost(QStringLiteral("Select recommended"));
        ghost.setProperty("kind", QStringLiteral("ghost"));
        QLineEdit field;
        QComboBox combo;
        combo.addItem(QStringLiteral("500 MB"));
        for (QWidget *w : std::initializer_list<QWidget *>{&normal, &large, &ghost, &field, &combo})
            w->ensurePolished();
        const bool mac = Theme::instance()->macLook();
        QCOMPARE(normal.sizeHint().height(), mac ? 30 : 34);
        QCOMPARE(ghost.sizeHint().height(), mac ? 30 : 34);
        QCOMPARE(large.sizeHint().height(), mac ? 38 : 42);
        QCOMPARE(field.sizeHint().height(), mac ? 28 : 32);
        QCOMPARE(combo.sizeHint().height(), mac ? 28 : 32);
    }

    void modeDecision_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("systemDark");
        QTest::addColumn<bool>("dark");
        QTest::newRow("follow, system dark") << 0 << true << true << true;
        QTest::newRow("follow, system light") << 0 << true << false << false;
        QTest::newRow("follow, not installed") << 0 << false << true << false;
        QTest::newRow("light, system dark") << 1 << true << true << false;
        QTest::newRow("dark, system light") << 2 << true << false << true;
        QTest::newRow("dark, not installed") << 2 << false << false << true;
        QTest::newRow("unknown value") << 7 << true << true << false;
        QTest::newRow("negative value") << -1 << true << true << false;
    }

    void modeDecision()
    {
        QFETCH(int, setting);
        QFETCH(bool, installed);
        QFETCH(bool, systemDark);
        QFETCH(bool, dark);
        QCOMPARE(Theme::decideDark(setting, installed, systemDark), dark);
    }

    void lookFromEnvironment_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("mac");
        QTest::newRow("mac") << QByteArray("mac") << true;
        QTest::newRow("Mac") << QByteArray("Mac") << false;
        QTest::newRow("win") << QByteArray("win") << false;
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("padded") << QByteArray(" mac") << false;
    }

    void lookFromEnvironment()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, mac);
        QCOMPARE(Theme::macLookFrom(value), mac);
    }

    void settingChangesRestyleOnlyWhenModeFlips()
    {
        Theme *theme = Theme::instance();
        AppSettings *settings = AppSettings::instance();
        QSignalSpy spy(theme, &Theme::changed);
        QVERIFY(!theme->dark());
        QCOMPARE(qApp->palette().color(QPalette::Window), theme->bg());

        settings->setLargeThresholdMB(settings->largeThresholdMB() == 250 ? 500 : 250);
        QCOMPARE(spy.count(), 0);

        settings->setTheme(2);
        QCOMPARE(spy.count(), 1);
        QVERIFY(theme->dark());
        QCOMPARE(theme->bg(), Theme::tokensFor(true).bg);
        QCOMPARE(qApp->palette().color(QPalette::Window), QColor(QStringLiteral("#0a0d13")));
        QCOMPARE(qApp->palette().color(QPalette::Disabled, QPalette::Highlight), theme->accent());
        QVERIFY(qApp->styleSheet().contains(QStringLiteral("box-dark.svg")));

        settings->setTheme(1);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!theme->dark());
        QVERIFY(qApp->styleSheet().contains(QStringLiteral("box-light.svg")));
        QCOMPARE(qApp->font().pixelSize(), 13);
    }

    void tonesFollowTheMode()
    {
        const Theme *theme = Theme::instance();
        QCOMPARE(theme->color(Tone::Text2), theme->text2());
        QCOMPARE(theme->color(Tone::White), QColor(Qt::white));
        QCOMPARE(theme->color(Tone(99)), theme->text());
    }

    void fonts()
    {
        const QString ui = Theme::uiFamily(false);
        QVERIFY(!ui.isEmpty());
        QVERIFY2(QFontDatabase::hasFamily(ui), qPrintable(ui));
        const QFont heading = Theme::instance()->font(20, 600, true);
        QCOMPARE(heading.pixelSize(), 20);
        QCOMPARE(heading.weight(), QFont::DemiBold);

        const QFont mono = Theme::monoFont(11, 500);
        QCOMPARE(mono.families().size(), 2);
        QCOMPARE(mono.families().at(1), ui);
        // The numeric family must be a real, fixed-pitch family, not an alias
        // that would make every figure fall back to the UI font.
        QVERIFY2(QFontDatabase::hasFamily(mono.family()), qPrintable(mono.family()));
        QVERIFY(QFontInfo(mono).fixedPitch());
        QCOMPARE(mono.pixelSize(), 11);

        // The test runs with an English interface: spaced capitals.
        const QFont eyebrow = Theme::eyebrowFont(10);
        QCOMPARE(eyebrow.capitalization(), QFont::AllUppercase);
        QCOMPARE(eyebrow.weight(), QFont::Medium);
        QCOMPARE(eyebrow.letterSpacingType(), QFont::AbsoluteSpacing);
        QVERIFY(qAbs(eyebrow.letterSpacing() - 1.3) < 0.02);
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
        // The glows tint the corners they sit at; the middle is close to bg.
        const QColor bg = Theme::instance()->bg();
        const QColor topLeft = img.pixelColor(area.left() + 48, area.top());
        QVERIFY(topLeft != bg);
        QVERIFY(topLeft.blue() >= topLeft.red());
        QVERIFY(img.pixelColor(area.bottomRight()) != bg);
    }

    void tooltipsAreRestyled()
    {
        QLabel anchor(QStringLiteral("anchor"));
        anchor.resize(200, 50);
        anchor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&anchor));
        QToolTip::showText(anchor.mapToGlobal(QPoint(20, 20)), QStringLiteral("A tip"), &anchor);
        QLabel *tip = nullptr;
        QTRY_VERIFY((tip = findTip()) != nullptr && tip->isVisible());
        QVERIFY(tip->testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(tip->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(tip->windowFlags().testFlag(Qt::NoDropShadowWindowHint));
        QCOMPARE(tip->margin(), 0);
        QCOMPARE(tip->property("cbPlaced").toPoint(), tip->pos());
        QToolTip::hideText();
    }

private:
    static QLabel *findTip()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qstrcmp(w->metaObject()->className(), "QTipLabel") == 0)
                return qobject_cast<QLabel *>(w);
        }
        return nullptr;
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"

#include "app/appsettings.h"
#include "scan/category.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/pill.h"
#include "ui/widgets/segmented.h"
#include "ui/widgets/select.h"
#include "ui/widgets/selectpopup.h"
#include "ui/widgets/spinner.h"
#include "ui/widgets/switch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

using namespace ui;

namespace {

// Counts paint events per widget, to see who repaints after a theme switch.
class PaintCounter final : public QObject
{
public:
    QHash<QObject *, int> paints;
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[obj];
        return false;
    }
};

// The colour of the most opaque pixel of an icon, i.e. the stroke colour.
QColor strokeColour(const QIcon &icon)
{
    const QImage img = icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QColor best(Qt::transparent);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > best.alpha())
                best = c;
        }
    }
    best.setAlpha(255);
    return best;
}

} // namespace

class TestWidgets final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void compactLook();

    void buttonSizeHint_data();
    void buttonSizeHint();
    void buttonShadowFollowsState();
    void buttonIconColour_data();
    void buttonIconColour();

    void segmentedSizeHint();
    void segmentedClicks();

    void switchToggles();

    void selectWithoutItemsOpensNothing();
    void selectPopupGeometry_data();
    void selectPopupGeometry();
    void selectPopupPlacedOverCurrentItem();
    void selectKeys_data();
    void selectKeys();
    void selectReleaseRule();
    void selectHidePopupFromCode();

    void spinnerRunsOnlyWhileVisible();
    void neutralIconTile();
    void pageHeaderStatusAndCompactForm();
    void pillShowsRiskLabel();
    void elidedLabelToolTip();
    void headlineWraps();
    void themeSwitchRepaintsKit();

private:
    static QRect available();
};

void TestWidgets::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    AppSettings::instance()->setTheme(1);
    Theme::instance()->install(qApp);
    QVERIFY(!Theme::instance()->dark());
}

void TestWidgets::cleanup()
{
    AppSettings::instance()->setTheme(1);
    QVERIFY(!Theme::instance()->dark());
}

// The look is fixed per process, so the look-dependent tests run once more in
// a child process started with the compact look.
void TestWidgets::compactLook()
{
    if (Theme::instance()->macLook())
        QSKIP("this process already runs the compact look");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VARNHOLT_LOOK"), QStringLiteral("mac"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("buttonSizeHint"), QStringLiteral("segmentedSizeHint"),
                 QStringLiteral("selectPopupGeometry"), QStringLiteral("selectPopupPlacedOverCurrentItem")});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("buttonSizeHint"), output.constData());
}

void TestWidgets::buttonSizeHint_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("iconName");
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<int>("windowsHeight");
    QTest::addColumn<int>("compactHeight");

    QTest::newRow("primary") << "primary" << "" << "" << 32 << 34 << 30;
    QTest::newRow("primary with icon") << "primary" << "" << "scan" << 56 << 34 << 30;
    QTest::newRow("primary large") << "primary" << "lg" << "" << 44 << 42 << 38;
    QTest::newRow("primary large with icon") << "primary" << "lg" << "trash" << 68 << 42 << 38;
    QTest::newRow("danger") << "danger" << "" << "" << 32 << 34 << 30;
    QTest::newRow("danger large with icon") << "danger" << "lg" << "trash" << 68 << 42 << 38;
    // Plain kinds keep the push button's width; only the height is fixed.
    QTest::newRow("plain") << "" << "" << "" << -1 << 34 << 30;
    QTest::newRow("plain large") << "" << "lg" << "" << -1 << 42 << 38;
    QTest::newRow("ghost large with icon") << "ghost" << "lg" << "plus" << -1 << 42 << 38;
}

void TestWidgets::buttonSizeHint()
{
    QFETCH(QString, kind);
    QFETCH(QString, size);
    QFETCH(QString, iconName);
    QFETCH(int, extraWidth);
    QFETCH(int, windowsHeight);
    QFETCH(int, compactHeight);

    Button button(QStringLiteral("Clean"), kind, iconName, size);
    QCOMPARE(button.isLarge(), size == u"lg");
    const int height = Theme::instance()->macLook() ? compactHeight : windowsHeight;
    if (extraWidth >= 0) {
        const QFont font = Theme::instance()->font(size == u"lg" ? 14 : 13, 600);
        const int text = QFontMetrics(font).horizontalAdvance(QStringLiteral("Clean"));
        const QSize hint = button.sizeHint();
        QCOMPARE(hint.width(), text + extraWidth);
        QCOMPARE(hint.height(), height);
        QCOMPARE(button.minimumSizeHint(), hint);
    }
    // The application style sheet must not squeeze or stretch it.
    button.show();
    QCOMPARE(button.height(), height);
    QCOMPARE(button.minimumHeight(), height);
    QCOMPARE(button.maximumHeight(), height);
}

void TestWidgets::buttonShadowFollowsState()
{
    Button button(QStringLiteral("Clean"), QStringLiteral("primary"));
    QVERIFY(button.hasShadow());
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(button.graphicsEffect());
    QCOMPARE(shadow->color(), QColor(99, 102, 241, 60));
    QCOMPARE(shadow->offset(), QPointF(0, 5));

    button.setEnabled(false);
    QVERIFY(!button.hasShadow());
    button.setEnabled(true);
    QVERIFY(button.hasShadow());

    // A stronger shadow in dark mode, picked up without touching the button.
    AppSettings::instance()->setTheme(2);
    QVERIFY(Theme::instance()->dark());
    shadow = qobject_cast<QGraphicsDropShadowEffect *>(button.graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->color().alpha(), 130);

    button.setKind(QStringLiteral("ghost"));
    QVERIFY(!button.hasShadow());
    QVERIFY(!button.isPainted());

    Button danger(QStringLiteral("Delete"), QStringLiteral("danger"));
    QVERIFY(!danger.hasShadow());
    Button large(QStringLiteral("Go"), QStringLiteral("primary"), {}, QStringLiteral("lg"));
    shadow = qobject_cast<QGraphicsDropShadowEffect *>(large.graphicsEffect());
    QCOMPARE(shadow->blurRadius(), 26.0);
    QCOMPARE(shadow->offset(), QPointF(0, 7));
}

void TestWidgets::buttonIconColour_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("token");

    QTest::newRow("primary is white") << "primary" << false << "white";
    QTest::newRow("danger is white") << "danger" << true << "white";
    QTest::newRow("link takes accent") << "link" << false << "accent";
    QTest::newRow("link takes dark accent") << "link" << true << "accent";
    QTest::newRow("ghost takes text2") << "ghost" << false << "text2";
    QTest::newRow("plain takes text") << "" << true << "text";
}

void TestWidgets::buttonIconColour()
{
    QFETCH(QString, kind);
    QFETCH(bool, dark);
    QFETCH(QString, token);

    // Built in light mode; the switch below must re-tint the icon by itself.
    Button button(QStringLiteral("Go"), kind, QStringLiteral("plus"));
    AppSettings::instance()->setTheme(dark ? 2 : 1);
    const Theme *t = Theme::instance();
    const QHash<QString, QColor> expected = {{QStringLiteral("white"), QColor(Qt::white)},
                                             {QStringLiteral("accent"), t->accent()},
                                             {QStringLiteral("text2"), t->text2()},
                                             {QStringLiteral("text"), t->text()}};
    const QColor got = strokeColour(button.icon());
    const QColor want = expected.value(token);
    // Antialiasing leaves the strongest pixel within a step or two.
    QVERIFY2(qAbs(got.red() - want.red()) <= 3 && qAbs(got.green() - want.green()) <= 3
                 && qAbs(got.blue() - want.blue()) <= 3,
             qPrintable(got.name() + QStringLiteral(" vs ") + want.name()));

    button.setIconName(QString());
    QVERIFY(button.icon().isNull());
}

void TestWidgets::segmentedSizeHint()
{
    const QStringList options = {QStringLiteral("All"), QStringLiteral("Videos"), QStringLiteral("Archives")};
    Segmented seg(options);
    const QFontMetrics fm(Theme::instance()->font(13, 500));
    int width = 4;
    for (const QString &o : options)
        width += fm.horizontalAdvance(o) + 24;
    QCOMPARE(seg.sizeHint(), QSize(width, Theme::instance()->macLook() ? 30 : 34));
}

void TestWidgets::segmentedClicks()
{
    Segmented seg({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    seg.resize(seg.sizeHint() + QSize(60, 0));  // room to the right of the last segment
    seg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&seg));
    QSignalSpy spy(&seg, &Segmented::currentChanged);
    const QList<QRectF> rects = seg.segmentRects();
    QCOMPARE(rects.size(), 3);
    QCOMPARE(rects.first().left(), 2.0);

    QTest::mouseClick(&seg, Qt::LeftButton, {}, rects.at(0).center().toPoint());
    QCOMPARE(spy.count(), 0);  // already current

    QTest::mouseClick(&seg, Qt::LeftButton, {}, rects.at(2).center().toPoint());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(seg.currentIndex(), 2);

    QTest::mouseClick(&seg, Qt::LeftButton, {}, rects.at(2).center().toPoint());
    QTest::mouseClick(&seg, Qt::LeftButton, {}, QPoint(seg.width() - 5, seg.height() / 2));
    QTest::mouseClick(&seg, Qt::RightButton, {}, rects.at(1).center().toPoint());
    QCOMPARE(spy.count(), 1);

    // Mirroring state from code must not look like a user choice.
    seg.setCurrentIndex(0);
    seg.setCurrentIndex(7);
    QCOMPARE(seg.currentIndex(), 0);
    QCOMPARE(spy.count(), 1);
}

void TestWidgets::switchToggles()
{
    Switch sw;
    QCOMPARE(sw.sizeHint(), QSize(40, 22));
    sw.resize(sw.sizeHint());
    sw.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sw));
    QCOMPARE(sw.trackRect().size(), QSizeF(39, 21));
    QSignalSpy spy(&sw, &QAbstractButton::toggled);

    const QRectF offKnob = sw.knobRect();
    QCOMPARE(offKnob.width(), 15.0);
    QCOMPARE(offKnob.left(), sw.trackRect().left() + 3);

    QTest::mouseClick(&sw, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(spy.at(0).at(0).toBool());
    QVERIFY(sw.isChecked());
    QCOMPARE(sw.knobRect().right(), sw.trackRect().right() - 3);

    QTest::keyClick(&sw, Qt::Key_Space);
    QCOMPARE(spy.count(), 2);
    QVERIFY(!sw.isChecked());

    sw.setEnabled(false);
    QTest::mouseClick(&sw, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
}

void TestWidgets::selectWithoutItemsOpensNothing()
{
    Select select;
    select.show();
    QVERIFY(QTest::qWaitForWindowExposed(&select));
    select.showPopup();
    QVERIFY(!select.popup());
    QTest::mouseClick(&select, Qt::LeftButton);
    QVERIFY(!select.popup());
    QCOMPARE(select.minimumSizeHint(), QSize(80, Theme::instance()->macLook() ? 30 : 34));
}

QRect TestWidgets::available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void TestWidgets::selectPopupGeometry_data()
{
    QTest::addColumn<QRect>("select");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("widest");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("windows");
    QTest::addColumn<QRect>("compact");

    const QRect screen(0, 0, 1920, 1040);
    // Window: w + 28 wide, count x h + 36 high; the current item lies over the select.
    QTest::newRow("first item current")
        << QRect(400, 300, 200, 34) << 3 << 0 << 80 << screen
        << QRect(386, 282, 228, 138) << QRect(366, 286, 244, 114);
    QTest::newRow("third item current moves up two rows")
        << QRect(400, 300, 200, 34) << 3 << 2 << 80 << screen
        << QRect(386, 282 - 68, 228, 138) << QRect(366, 286 - 52, 244, 114);
    QTest::newRow("no current item counts as the first")
        << QRect(400, 300, 200, 34) << 3 << -1 << 80 << screen
        << QRect(386, 282, 228, 138) << QRect(366, 286, 244, 114);
    QTest::newRow("long text widens the list")
        << QRect(400, 300, 120, 34) << 2 << 0 << 200 << screen
        << QRect(386, 282, 278, 104) << QRect(366, 286, 290, 88);
    QTest::newRow("clamped at the left edge")
        << QRect(0, 300, 200, 34) << 3 << 0 << 80 << screen
        << QRect(-14, 282, 228, 138) << QRect(-14, 286, 244, 114);
    QTest::newRow("clamped at the top edge")
        << QRect(400, 10, 200, 34) << 5 << 4 << 80 << screen
        << QRect(386, -14, 228, 206) << QRect(366, -14, 244, 166);
    QTest::newRow("clamped at the bottom right")
        << QRect(1800, 1020, 200, 34) << 3 << 0 << 80 << screen
        << QRect(1920 + 14 - 228, 1040 + 14 - 138, 228, 138) << QRect(1920 + 14 - 244, 1040 + 14 - 114, 244, 114);
    QTest::newRow("taller than the screen keeps its top visible")
        << QRect(400, 300, 200, 34) << 40 << 20 << 80 << QRect(0, 0, 1920, 600)
        << QRect(386, -14, 228, 40 * 34 + 36) << QRect(366, -14, 244, 40 * 26 + 36);
}

void TestWidgets::selectPopupGeometry()
{
    QFETCH(QRect, select);
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(int, widest);
    QFETCH(QRect, screen);
    QFETCH(QRect, windows);
    QFETCH(QRect, compact);

    QCOMPARE(SelectPopup::geometryFor(select, count, current, widest, screen, false), windows);
    QCOMPARE(SelectPopup::geometryFor(select, count, current, widest, screen, true), compact);
}

void TestWidgets::selectPopupPlacedOverCurrentItem()
{
    QWidget window;
    auto *select = new Select(&window);
    select->addItems({QStringLiteral("Follow system"), QStringLiteral("Light"), QStringLiteral("Dark")});
    select->setCurrentIndex(1);
    select->setGeometry(200, 300, 180, 34);
    window.resize(600, 500);
    window.move(available().topLeft() + QPoint(50, 50));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    select->showPopup();
    SelectPopup *popup = select->popup();
    QVERIFY(popup);
    QCOMPARE(popup->highlighted(), 1);
    QCOMPARE(popup->windowOpacity() < 1.0, true);  // fading in

    const bool compact = Theme::instance()->macLook();
    const QRect frame(select->mapToGlobal(QPoint(0, 0)), select->size());
    // The current item's text row lies centred over the select.
    const int h = SelectPopup::itemHeight(compact);
    const QRectF item = popup->itemRect(1).translated(popup->geometry().topLeft());
    QCOMPARE(item.top(), qreal(frame.top() + (frame.height() - h) / 2));
    QCOMPARE(item.height(), qreal(h));
    QCOMPARE(popup->width(), popup->panelRect().width() + 28);
    QCOMPARE(popup->height(), 3 * SelectPopup::itemHeight(compact) + 36);

    // A second request while open does not stack a second popup.
    select->showPopup();
    QCOMPARE(select->popup(), popup);
    select->hidePopup();
    QTRY_VERIFY(!select->popup());
}

void TestWidgets::selectKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("picked");  // -1: nothing emitted
    QTest::addColumn<bool>("stillOpen");

    using K = QList<int>;
    QTest::newRow("down and return") << K{Qt::Key_Down, Qt::Key_Return} << 2 << false;
    QTest::newRow("up and enter") << K{Qt::Key_Up, Qt::Key_Enter} << 0 << false;
    QTest::newRow("space picks") << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << 3 << false;
    QTest::newRow("down stops at the last") << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 3 << false;
    QTest::newRow("up stops at the first") << K{Qt::Key_Up, Qt::Key_Up, Qt::Key_Return} << 0 << false;
    QTest::newRow("picking the current item emits nothing") << K{Qt::Key_Return} << -1 << false;
    QTest::newRow("escape closes") << K{Qt::Key_Down, Qt::Key_Escape} << -1 << false;
    QTest::newRow("moving alone keeps it open") << K{Qt::Key_Down} << -1 << true;
}

void TestWidgets::selectKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, picked);
    QFETCH(bool, stillOpen);

    Select select;
    select.addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    select.setCurrentIndex(1);
    select.show();
    QVERIFY(QTest::qWaitForWindowExposed(&select));
    QSignalSpy spy(&select, &QComboBox::activated);

    select.showPopup();
    QPointer<SelectPopup> popup = select.popup();
    QVERIFY(popup);
    for (const int key : keys)
        QTest::keyClick(popup.data(), Qt::Key(key));

    if (picked < 0) {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(select.currentIndex(), 1);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), picked);
        QCOMPARE(select.currentIndex(), picked);
    }
    if (stillOpen)
        QVERIFY(popup);
    else
        QTRY_VERIFY(!popup);
}

void TestWidgets::selectReleaseRule()
{
    Select select;
    select.addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    select.show();
    QVERIFY(QTest::qWaitForWindowExposed(&select));
    QSignalSpy spy(&select, &QComboBox::activated);

    QElapsedTimer sinceOpening;
    sinceOpening.start();
    select.showPopup();
    QPointer<SelectPopup> popup = select.popup();
    QVERIFY(popup);
    const QPoint third = popup->itemRect(2).center().toPoint();

    // The release of the opening click lands on an item but must not pick it.
    QTest::mouseMove(popup.data(), third);
    QCOMPARE(popup->highlighted(), 2);
    if (sinceOpening.elapsed() > SelectPopup::kReleaseGraceMs - 50)
        QSKIP("the machine is too busy to release within the grace period");
    QTest::mouseRelease(popup.data(), Qt::LeftButton, {}, third);
    QVERIFY(popup);
    QCOMPARE(spy.count(), 0);

    QTest::qWait(SelectPopup::kReleaseGraceMs + 20);
    // Inside the panel's padding, on no item: nothing happens.
    const QPoint padding = (popup->panelRect().topLeft() + QPointF(20, 2)).toPoint();
    QTest::mouseRelease(popup.data(), Qt::LeftButton, {}, padding);
    QVERIFY(popup);
    QCOMPARE(spy.count(), 0);

    QTest::mouseRelease(popup.data(), Qt::LeftButton, {}, third);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QTRY_VERIFY(!popup);

    // A late release outside the panel (in the shadow margin) closes.
    select.showPopup();
    popup = select.popup();
    QVERIFY(popup);
    QTest::qWait(SelectPopup::kReleaseGraceMs + 20);
    QTest::mouseRelease(popup.data(), Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_VERIFY(!popup);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(select.currentIndex(), 2);
}

void TestWidgets::selectHidePopupFromCode()
{
    Select select;
    select.addItems({QStringLiteral("A"), QStringLiteral("B")});
    select.show();
    QVERIFY(QTest::qWaitForWindowExposed(&select));
    select.showPopup();
    QPointer<SelectPopup> popup = select.popup();
    QVERIFY(popup && popup->isVisible());
    select.hidePopup();
    QTRY_VERIFY(!popup);
}

void TestWidgets::spinnerRunsOnlyWhileVisible()
{
    Spinner spinner(20);
    QVERIFY(!spinner.isSpinning());
    spinner.show();
    QVERIFY(spinner.isSpinning());
    const qreal start = spinner.angle();
    QTRY_VERIFY(spinner.angle() != start);
    spinner.hide();
    QVERIFY(!spinner.isSpinning());
    const qreal stopped = spinner.angle();
    QTest::qWait(60);
    QCOMPARE(spinner.angle(), stopped);
}

void TestWidgets::neutralIconTile()
{
    IconTile tile(QStringLiteral("folder"), QColor(), 28);
    QVERIFY(tile.isNeutral());
    QCOMPARE(tile.size(), QSize(28, 28));
    const QRectF icon = tile.iconRect();
    QVERIFY(qFuzzyCompare(icon.width(), 15.12));
    QVERIFY(qFuzzyCompare(icon.center().x(), 14.0));
    QVERIFY(qFuzzyCompare(icon.center().y(), 14.0));

    IconTile coloured(QStringLiteral("clock"), QColor(QStringLiteral("#22d3ee")), 30);
    QVERIFY(!coloured.isNeutral());
    coloured.setNeutral(true);
    QVERIFY(coloured.isNeutral());
    QVERIFY(coloured.testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestWidgets::pageHeaderStatusAndCompactForm()
{
    PageHeader header(QStringLiteral("Files <b>&"), QStringLiteral("Subtitle"));
    header.show();
    header.setStatus(QStringLiteral("3 < 4"), QColor(QStringLiteral("#059669")));
    const QString html = header.titleLabel()->text();
    // Titles and statuses are text, never markup.
    QVERIFY(html.startsWith(QStringLiteral("Files &lt;b&gt;&amp;&nbsp;&nbsp;<span")));
    QVERIFY(html.contains(QStringLiteral("color:#059669")));
    QVERIFY(html.contains(QStringLiteral(">3 &lt; 4</span>")));

    QVERIFY(header.eyebrowLabel()->isHidden());
    header.setEyebrow(QStringLiteral("Step 1"));
    QVERIFY(!header.eyebrowLabel()->isHidden());

    header.setCompact(true, 120);
    QVERIFY(header.subtitleLabel()->isHidden());
    QVERIFY(header.eyebrowLabel()->isHidden());
    QCOMPARE(header.layout()->contentsMargins(), QMargins(120, 0, 28, 6));
    QCOMPARE(header.titleLabel()->minimumHeight(), 42);

    header.setCompact(false);
    QVERIFY(!header.subtitleLabel()->isHidden());
    QVERIFY(header.titleLabel()->styleSheet().isEmpty());
    const QMargins expected = Theme::instance()->macLook() ? QMargins(28, 22, 28, 18) : QMargins(32, 20, 32, 18);
    QCOMPARE(header.layout()->contentsMargins(), expected);

    header.setSubtitle(QString());
    QVERIFY(header.subtitleLabel()->isHidden());
    header.setStatus(QString(), QColor());
    QVERIFY(!header.titleLabel()->text().contains(QStringLiteral("span")));
}

void TestWidgets::pillShowsRiskLabel()
{
    Pill pill(Review);
    QCOMPARE(pill.text(), riskLabel(Review));
    QCOMPARE(pill.text(), QStringLiteral("Review"));
    const int text = QFontMetrics(Theme::instance()->font(11, 600)).horizontalAdvance(pill.text());
    QCOMPARE(pill.sizeHint(), QSize(text + 27, 20));
    pill.setRisk(Permanent);
    QCOMPARE(pill.text(), QStringLiteral("Permanent"));
}

void TestWidgets::elidedLabelToolTip()
{
    ElidedLabel label(QStringLiteral("first"), QStringLiteral("mono"));
    QCOMPARE(label.toolTip(), QStringLiteral("first"));
    QCOMPARE(label.property("role").toString(), QStringLiteral("mono"));
    label.setText(QStringLiteral("/a/very/long/path"));
    QCOMPARE(label.toolTip(), QStringLiteral("/a/very/long/path"));
    QCOMPARE(label.minimumSizeHint().width(), 0);
}

void TestWidgets::headlineWraps()
{
    Headline headline(24);
    headline.setText(QStringLiteral("You can free %1 on this drive today"), QStringLiteral("12.6 GB"));
    QCOMPARE(headline.plainText(), QStringLiteral("You can free 12.6 GB on this drive today"));

    const QList<Headline::Line> wide = headline.layoutFor(4000);
    QCOMPARE(wide.size(), 1);
    QCOMPARE(wide.first().size(), 3);
    QVERIFY(wide.first().at(1).highlighted);
    QCOMPARE(wide.first().at(1).text.trimmed(), QStringLiteral("12.6 GB"));

    const int oneLine = headline.heightForWidth(4000);
    QVERIFY(headline.layoutFor(120).size() > 2);
    QVERIFY(headline.heightForWidth(120) > 2 * oneLine);

    headline.setText(QStringLiteral("No argument here"), QStringLiteral("ignored"));
    QCOMPARE(headline.plainText(), QStringLiteral("No argument here"));
}

void TestWidgets::themeSwitchRepaintsKit()
{
    QWidget board;
    auto *layout = new QVBoxLayout(&board);
    QList<QWidget *> kit = {
        new Button(QStringLiteral("Primary"), QStringLiteral("primary")),
        new Button(QStringLiteral("Plain")),
        new Card,  // sized below: an empty card would never be painted
        new Divider,
        new IconView(QStringLiteral("info"), Tone::Accent, 16),
        new IconTile(QStringLiteral("clock"), QColor(QStringLiteral("#22d3ee")), 28),
        new Note(Note::Warning, QStringLiteral("alert"), QStringLiteral("Careful")),
        new Pill(Safe),
        new Segmented({QStringLiteral("A"), QStringLiteral("B")}),
        new Switch,
        new Select,
        new Spinner(16),
        new ElidedLabel(QStringLiteral("text")),
        new GradientText(Theme::monoFont(20), QStringLiteral("1 GB")),
        new FooterBar,
    };
    auto *headline = new Headline(20);
    headline->setText(QStringLiteral("Free %1"), QStringLiteral("1 GB"));
    kit.append(headline);
    kit.at(2)->setMinimumSize(60, 30);
    for (QWidget *w : kit)
        layout->addWidget(w);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::qWait(50);

    PaintCounter counter;
    for (QWidget *w : kit)
        w->installEventFilter(&counter);
    AppSettings::instance()->setTheme(2);
    QVERIFY(Theme::instance()->dark());
    for (QWidget *w : kit)
        QTRY_VERIFY2(counter.paints.value(w) > 0, w->metaObject()->className());
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

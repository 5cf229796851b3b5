#include "support/testsupport.h"
#include "support/uitest.h"
#include "app/appsettings.h"
#include "scan/category.h"
#include "ui/sidebar.h"
#include "ui/widgets/button.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pill.h"
#include "ui/widgets/progressring.h"
#include "ui/widgets/segmented.h"
#include "ui/widgets/select.h"
#include "ui/widgets/selectpopup.h"
#include "ui/widgets/spinner.h"
#include "ui/widgets/switch.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionFocusRect>
#include <QtTest/qtestspontaneevent.h>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

using namespace ui;

using MakeWidget = std::function<QWidget *()>;
Q_DECLARE_METATYPE(MakeWidget)

namespace {

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

// Whether the stroke of an icon, its most opaque pixel, has the colour of
// `tone` in the mode shown now; empty when it does. Antialiasing leaves the
// strongest pixel within a step or two.
QString strokeMismatch(const QIcon &icon, Tone tone)
{
    const QImage img = icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QColor got(Qt::transparent);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y).alpha() > got.alpha())
                got = img.pixelColor(x, y);
        }
    }
    const QColor want = Theme::instance()->color(tone);
    if (qAbs(got.red() - want.red()) <= 3 && qAbs(got.green() - want.green()) <= 3
        && qAbs(got.blue() - want.blue()) <= 3)
        return {};
    got.setAlpha(255);
    return got.name() + QStringLiteral(" vs ") + want.name();
}

} // namespace

class TestWidgets final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startUiTest();
        AppSettings::instance()->setTheme(1);
        QVERIFY(!Theme::instance()->dark());
    }

    void cleanup() { AppSettings::instance()->setTheme(1); }

    // Every widget of the kit repaints by itself when the mode switches.
    // On those that take the focus the ring shows for focus that came from
    // the keyboard, around the control, and never after a click, and none
    // draws the style's square focus rectangle. The painted ones tell a
    // screen reader what they are (role -1: nothing of their own to tell).
    // Painted and plain buttons stand side by side at one height, which the
    // application style sheet must not squeeze or stretch; a link has none.
    // A button's icon takes its colour (tone) from the kind and follows a
    // switch of the mode by itself.
    void kit_data()
    {
        QTest::addColumn<MakeWidget>("make");
        QTest::addColumn<bool>("focusable");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("children");
        QTest::addColumn<Tone>("tone");
        const auto plain = [](const char *kind, bool focusable, const MakeWidget &make) {
            QTest::newRow(kind) << make << focusable << -1 << QString() << QString() << QStringList() << Tone::White;
        };
        const auto button = [](const char *row, const char *kind, const char *size, const char *icon, Tone tone) {
            QTest::newRow(row) << MakeWidget([=] { return new Button(QStringLiteral("Clean"), kind, icon, size); })
                               << true << -1 << QString() << QString() << QStringList() << tone;
        };
        button("primary button", "primary", "", "", Tone::White);
        button("danger large button, white icon", "danger", "lg", "trash", Tone::White);
        button("plain button, text icon", "", "", "plus", Tone::Text);
        button("ghost large button, text2 icon", "ghost", "lg", "plus", Tone::Text2);
        button("link, accent icon", "link", "", "plus", Tone::Accent);
        plain("sidebar toggle", true, [] { return new SidebarToggle; });
        plain("check box", true, [] { return new QCheckBox(QStringLiteral("Select all")); });
        plain("select", true, [] {
            auto *select = new Select;
            select->addItems({QStringLiteral("Light"), QStringLiteral("Dark")});
            return select;
        });
        plain("card", false, [] {
            auto *card = new Card;
            card->setMinimumSize(60, 30);  // an empty card would never be painted
            return card;
        });
        plain("headline", false, [] {
            auto *headline = new Headline(20);
            headline->setText(QStringLiteral("Free %1"), QStringLiteral("1 GB"));
            return headline;
        });
        plain("divider", false, [] { return new Divider; });
        plain("icon", false, [] { return new IconView(QStringLiteral("info"), Tone::Accent, 16); });
        plain("icon tile", false, [] { return new IconTile(QStringLiteral("clock"), QColor(0x22, 0xd3, 0xee), 28); });
        plain("note", false, [] { return new Note(Note::Warning, QStringLiteral("alert"), QStringLiteral("Careful")); });
        plain("pill", false, [] { return new Pill(Safe); });
        plain("spinner", false, [] { return new Spinner(16); });
        plain("elided label", false, [] { return new ElidedLabel(QStringLiteral("text")); });
        plain("gradient text", false, [] { return new GradientText(Theme::monoFont(20), QStringLiteral("1 GB")); });
        plain("footer bar", false, [] { return new FooterBar; });
        QTest::newRow("progress ring") << MakeWidget([] {
            auto *ring = new ProgressRing;
            ring->setValue(0.25);
            ring->setText(QStringLiteral("1.2 GB"), QStringLiteral("of 4.8 GB"));
            return ring;
        }) << false << int(QAccessible::ProgressBar) << "1.2 GB of 4.8 GB" << "25%" << QStringList() << Tone::White;
        QTest::newRow("disk orb") << MakeWidget([] {
            auto *orb = new DiskOrb;
            orb->setTexts(QStringLiteral("76 GB"), QStringLiteral("free of 252 GB"), QStringLiteral("Scan"));
            return orb;
        }) << false << int(QAccessible::Button) << "76 GB free of 252 GB" << "" << QStringList() << Tone::White;
        QTest::newRow("switch") << MakeWidget([] {
            auto *toggle = new Switch;
            toggle->setAccessibleName(QStringLiteral("Low space alerts"));
            return toggle;
        }) << true << int(QAccessible::CheckBox) << "Low space alerts" << "" << QStringList() << Tone::White;
        QTest::newRow("segmented") << MakeWidget([] {
            auto *seg = new Segmented({QStringLiteral("All"), QStringLiteral("Downloads")});
            seg->setAccessibleName(QStringLiteral("Files to show"));
            return seg;
        }) << true << int(QAccessible::PageTabList) << "Files to show" << "" << QStringList{"All", "Downloads"}
                                   << Tone::White;
        QTest::newRow("navigation entry")
            << MakeWidget([] { return new NavButton(QStringLiteral("Cleanup"), QStringLiteral("trash")); }) << true
            << int(QAccessible::PageTab) << "Cleanup" << "" << QStringList() << Tone::White;
    }

    void kit()
    {
        QFETCH(MakeWidget, make);
        QFETCH(bool, focusable);
        QFETCH(int, role);
        QFETCH(QStringList, children);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(20, 20, 20, 20);
        auto *first = new QPushButton(QStringLiteral("First"));
        QWidget *control = make();
        layout->addWidget(first);
        layout->addWidget(control);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto *button = qobject_cast<Button *>(control);
        QFETCH(Tone, tone);
        const auto iconMismatch = [&] {
            return button && !button->iconName().isEmpty() ? strokeMismatch(button->icon(), tone) : QString();
        };
        if (button) {
            const bool lg = button->isLarge();
            const int height = Theme::instance()->macLook() ? (lg ? 38 : 30) : (lg ? 42 : 34);
            if (button->isPainted()) {
                const QFontMetrics metrics(Theme::instance()->font(lg ? 14 : 13, 600));
                const int text = metrics.horizontalAdvance(button->text());
                QVERIFY(button->minimumSizeHint().width() > text + (button->iconName().isEmpty() ? 0 : 16));
            }
            if (button->kind() != u"link")
                QCOMPARE(QList({button->height(), button->minimumHeight(), button->maximumHeight()}),
                         QList({height, height, height}));
            QVERIFY2(iconMismatch().isEmpty(), qPrintable(iconMismatch()));
        }

        if (focusable) {
            const auto ring = [&] {
                const QWidget *r = window.findChild<QWidget *>(QStringLiteral("focusRing"));
                return r && r->isVisible() ? r->geometry() : QRect();
            };
            QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
            control->setFocus(Qt::MouseFocusReason);
            QVERIFY(control->hasFocus());
            QVERIFY2(ring().isNull(), "a ring after a click");

            first->setFocus();
            QTest::keyClick(first, Qt::Key_Tab);
            QVERIFY(control->hasFocus());
            QVERIFY2(ring().contains(control->geometry()), "no ring around the control");

            QImage canvas(40, 20, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::transparent);
            QPainter p(&canvas);
            QStyleOptionFocusRect option;
            option.initFrom(control);
            option.rect = canvas.rect();
            option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
            control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, control);
            p.end();
            QCOMPARE(canvas, [&] { QImage blank(canvas); blank.fill(Qt::transparent); return blank; }());
        }

        if (role >= 0) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
            QVERIFY(iface);
            QCOMPARE(int(iface->role()), role);
            QTEST(iface->text(QAccessible::Name), "name");
            QTEST(iface->text(QAccessible::Value), "value");
            if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isCheckable()) {
                button->setChecked(true);
                QVERIFY(iface->state().checked);
            }
            QStringList names;
            for (int i = 0; i < iface->childCount(); ++i)
                names << iface->child(i)->text(QAccessible::Name);
            QCOMPARE(names, children);
            if (!children.isEmpty()) {
                // Pressing a child picks it, as a click would.
                QSignalSpy picked(control, SIGNAL(currentChanged(int)));
                iface->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QCOMPARE(picked.count(), 1);
            }
        }

        QTest::qWait(50);
        PaintCounter counter;
        control->installEventFilter(&counter);
        AppSettings::instance()->setTheme(2);
        QVERIFY(Theme::instance()->dark());
        QTRY_VERIFY(counter.paints.value(control) > 0);
        QVERIFY2(iconMismatch().isEmpty(), qPrintable(iconMismatch()));
    }

    // Names elide where they repeat their neighbours, so that what tells
    // them apart stays; with lines to spare a name wraps instead.
    void elidedLabelKeepsWhatTellsNamesApart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keepTail");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("room");   // a text as wide as the label
        QTest::addColumn<QString>("starts"); // what the shown text starts and ends with
        QTest::addColumn<QString>("ends");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/elidedlabel.tsv"), 7)) {
            bool ok = f[2] == u"tail" || f[2] == u"end";
            const int lines = ok ? f[3].toInt(&ok) : 0;
            QVERIFY2(ok, qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << f[1] << (f[2] == u"tail") << lines << f[4] << f[5] << f[6];
        }
    }

    void elidedLabelKeepsWhatTellsNamesApart()
    {
        QFETCH(QString, text);
        QFETCH(bool, keepTail);
        QFETCH(int, lines);
        QFETCH(QString, room);
        ElidedLabel label(text);
        label.setElide(keepTail ? ElidedLabel::KeepTail : ElidedLabel::ElideEnd);
        label.setMaximumLines(lines);
        const int width = label.fontMetrics().horizontalAdvance(room);
        label.resize(width, label.heightForWidth(width));
        QFETCH(QString, starts);
        QFETCH(QString, ends);
        const QString shown = label.shownText();
        QVERIFY2(shown.startsWith(starts) && shown.endsWith(ends), qPrintable(shown));
        if (lines > 1)
            QCOMPARE(label.heightForWidth(width), lines * label.fontMetrics().lineSpacing());
        else
            QVERIFY(label.fontMetrics().horizontalAdvance(shown) <= width);
    }

    void segmentedClicks()
    {
        Segmented seg({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
        seg.resize(seg.sizeHint() + QSize(60, 0));  // room to the right of the last segment
        seg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seg));
        QSignalSpy spy(&seg, &Segmented::currentChanged);
        const QList<QRectF> rects = seg.segmentRects();
        QCOMPARE(rects.size(), 3);

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

        // The keys step through the options and stop at either end.
        for (const auto &[key, current] : {std::pair{Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_End, 2},
                                           {Qt::Key_Right, 2}, {Qt::Key_Home, 0}})
            QTest::keyClick(&seg, key);
        QCOMPARE(seg.currentIndex(), 0);
        QCOMPARE(spy.count(), 4);
    }

    void selectPopupGeometry_data()
    {
        QTest::addColumn<QRect>("select");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("widest");
        QTest::addColumn<QRect>("windows");
        QTest::addColumn<QRect>("compact");

        // The cases and what the columns mean are in the fixture.
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/selectpopup.tsv"), 5)) {
            bool numbers = true;
            QList<int> n;
            for (const QString &cell : f.mid(1).join(u',').split(u',')) {
                bool ok = false;
                n << cell.toInt(&ok);
                numbers = numbers && ok;
            }
            QVERIFY2(numbers && n.size() == 15, qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << QRect(n[0], n[1], n[2], n[3]) << n[4] << n[5] << n[6]
                                            << QRect(n[7], n[8], n[9], n[10]) << QRect(n[11], n[12], n[13], n[14]);
        }
    }

    void selectPopupGeometry()
    {
        QFETCH(QRect, select);
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(int, widest);

        const QRect screen(0, 0, 1920, 1040);
        QTEST(SelectPopup::geometryFor(select, count, current, widest, screen, false), "windows");
        QTEST(SelectPopup::geometryFor(select, count, current, widest, screen, true), "compact");
    }

    // Without items nothing opens. With items the list opens once, however
    // often it is asked for, with the current item lying over the select;
    // the keys move and pick, picking the current item emits nothing, and
    // Escape or closing from code ("hide") closes without a pick; the wheel
    // over it closed scrolls the page and leaves its value alone. The
    // release of the click that opened it lands on an item but picks
    // nothing; a later one picks the item under it, nothing on the panel's
    // padding, and closes in the shadow margin outside the panel.
    void selectKeys_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("picked");  // -1: nothing emitted
        QTest::addColumn<bool>("stillOpen");
        // The cases and what the steps mean are in the fixture.
        const QStringList known{"down", "up", "return", "enter", "space", "escape", "hide", "wheel", "wait",
                                "move 2", "release 2", "release padding", "release shadow"};
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("ui/selectkeys.tsv"), 4)) {
            const QStringList steps = f[1] == u"-" ? QStringList() : f[1].split(QStringLiteral(", "));
            bool ok = f[2] == u"-";
            const int picked = ok ? -1 : f[2].toInt(&ok);
            for (const QString &step : steps)
                ok = ok && known.contains(step);
            QVERIFY2(ok && (f[3] == u"open" || f[3] == u"closed"), qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << steps << picked << (f[3] == u"open");
        }
    }

    void selectKeys()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, picked);
        QFETCH(bool, stillOpen);

        // On a page taller than its window, which a wheel can scroll.
        QScrollArea page;
        auto *content = new QWidget;
        auto *column = new QVBoxLayout(content);
        auto *select = new Select;
        column->addWidget(select);
        column->addSpacing(2000);
        page.setWidget(content);
        page.resize(300, 200);
        page.move(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(250, 350));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy spy(select, &QComboBox::activated);
        QTest::mouseClick(select, Qt::LeftButton);
        QVERIFY(!select->popup());
        select->addItems({"A", "B", "C", "D"});
        select->setCurrentIndex(1);
        QElapsedTimer sinceOpening;
        sinceOpening.start();
        select->showPopup();
        QPointer<SelectPopup> popup = select->popup();
        QVERIFY(popup);
        QCOMPARE(popup->highlighted(), 1);
        const QRect frame(select->mapToGlobal(QPoint(0, 0)), select->size());
        const int h = SelectPopup::itemHeight(Theme::instance()->macLook());
        QCOMPARE(popup->itemRect(1).translated(popup->geometry().topLeft()).top(),
                 qreal(frame.top() + (frame.height() - h) / 2));
        select->showPopup();
        QCOMPARE(select->popup(), popup.data());
        const QMap<QString, Qt::Key> keys{{"down", Qt::Key_Down},     {"up", Qt::Key_Up},
                                          {"return", Qt::Key_Return}, {"enter", Qt::Key_Enter},
                                          {"space", Qt::Key_Space},   {"escape", Qt::Key_Escape}};
        const QMap<QString, QPoint> points{
            {"2", popup->itemRect(2).center().toPoint()},
            {"padding", (popup->panelRect().topLeft() + QPointF(20, 2)).toPoint()},
            {"shadow", QPoint(3, 3)}};
        for (const QString &step : steps) {
            const QPoint at = points.value(step.section(u' ', 1));
            if (keys.contains(step)) {
                QTest::keyClick(popup.data(), keys.value(step));
            } else if (step == "hide") {
                select->hidePopup();
            } else if (step == "wheel") {
                const QPoint centre = select->rect().center();
                QWheelEvent wheel(centre, select->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                // As from the mouse (QTest has no wheel): only such wheel events
                // go on to the parents.
                QSpontaneKeyEvent::setSpontaneous(&wheel);
                qApp->notify(select, &wheel);
                QVERIFY(page.verticalScrollBar()->value() > 0);
            } else if (step == "wait") {
                QTest::qWait(SelectPopup::kReleaseGraceMs + 20);
            } else if (step.startsWith("move")) {
                QTest::mouseMove(popup.data(), at);
                QCOMPARE(popup->highlighted(), 2);
            } else {
                if (!steps.contains("wait") && sinceOpening.elapsed() > SelectPopup::kReleaseGraceMs - 50)
                    QSKIP("the machine is too busy to release within the grace period");
                QTest::mouseRelease(popup.data(), Qt::LeftButton, {}, at);
            }
        }

        QCOMPARE(spy.count(), picked < 0 ? 0 : 1);
        QCOMPARE(select->currentIndex(), picked < 0 ? 1 : picked);
        if (stillOpen) {
            QVERIFY(popup);
            QCOMPARE(popup->windowOpacity(), 1.0);
            QTRY_COMPARE(popup->grab().toImage().pixelColor(popup->panelRect().toRect().topLeft() + QPoint(20, 2)),
                         Theme::instance()->surface());
        } else
            QTRY_VERIFY(!popup);
    }

    void spinnerRunsOnlyWhileVisible()
    {
        Spinner spinner(20);
        QVERIFY(!spinner.isSpinning());
        spinner.show();
        const qreal start = spinner.angle();
        QTRY_VERIFY(spinner.angle() != start);
        spinner.hide();
        QVERIFY(!spinner.isSpinning());
        const qreal stopped = spinner.angle();
        QTest::qWait(60);
        QCOMPARE(spinner.angle(), stopped);
    }

    void headlineWraps()
    {
        Headline headline(24);
        headline.setText(QStringLiteral("You can free %1 on this drive today"), QStringLiteral("12.6 GB"));
        QCOMPARE(headline.plainText(), QStringLiteral("You can free 12.6 GB on this drive today"));

        const QList<Headline::Line> wide = headline.layoutFor(4000);
        QCOMPARE(wide.size(), 1);
        QCOMPARE(wide.first().size(), 3);
        QVERIFY(wide.first().at(1).highlighted);
        QCOMPARE(wide.first().at(1).text.trimmed(), QStringLiteral("12.6 GB"));
        QVERIFY(headline.layoutFor(120).size() > 2);
        QVERIFY(headline.heightForWidth(120) > 2 * headline.heightForWidth(4000));

        // Japanese has no spaces: it breaks between characters, never past the edge.
        headline.setText(QStringLiteral("%1をクリーンアップできます"), QStringLiteral("1.5 GB"));
        const QList<Headline::Line> japanese = headline.layoutFor(150);
        QVERIFY(japanese.size() > 1);
        for (const Headline::Line &line : japanese)
            QVERIFY(line.last().x + QFontMetricsF(Theme::instance()->font(24, 600, true))
                                        .horizontalAdvance(line.last().text.trimmed()) <= 151);
    }

    // A figure in colours of its own stands out from the light background at
    // WCAG AA for text, in the same hues darker; in dark mode it keeps its
    // bright stops. (The brand gradient is the theme's test.)
    void gradientTextReadableInBothModes()
    {
        const QGradientStops bright{{0, QColor(QStringLiteral("#fbbf24"))}, {1, QColor(QStringLiteral("#34d399"))}};
        GradientText own(Theme::monoFont(54, 600), QStringLiteral("1.2 GB"));
        own.setStops(bright);
        for (const QGradientStop &stop : own.shownStops())
            QVERIFY2(Theme::contrastRatio(stop.second, Theme::instance()->bg()) >= 4.5, qPrintable(stop.second.name()));
        QCOMPARE(own.shownStops().first().second.hslHue(), bright.first().second.hslHue());
        AppSettings::instance()->setTheme(2);
        QCOMPARE(own.shownStops(), bright);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "app/startupoptions.h"
#include "app/tray.h"
#include "support/tempfolder.h"
#include "support/uitest.h"
#include "ui/appmenu.h"
#include "ui/dialogs/closedialog.h"
#include "ui/dialogs/confirmcleandialog.h"
#include "ui/dialogs/overlay.h"
#include "ui/dialogs/toast.h"
#include "ui/dialogs/updatedialog.h"
#include "ui/mainwindow.h"
#include "ui/sidebar.h"
#include "ui/theme.h"
#include "ui/titlebar.h"
#include "ui/windowagent.h"

using namespace ui;

namespace {

// Stand-ins that offer exactly the signals and slot the window looks for.
class FakeOverview final : public QWidget
{
    Q_OBJECT
signals:
    void openCleanup(const QString &focusCategoryId);
};

class FakeCleanup final : public QWidget
{
    Q_OBJECT
public:
    QStringList focused;
    Q_INVOKABLE void focusCategory(const QString &id) { focused.append(id); }
signals:
    void confirmRequested();
    void goHome();
};

class FakeSettings final : public QWidget
{
    Q_OBJECT
signals:
    void checkForUpdates();
};

QWidget *fakePage(int index, AppState *, QWidget *parent)
{
    switch (index) {
    case 0:
        return new FakeOverview;
    case 1:
        return new FakeCleanup;
    case 3:
        return new FakeSettings;
    default:
        return new QWidget(parent);
    }
}

MainWindow::Options offlineOptions(MainWindow::PageFactory pages = {})
{
    MainWindow::Options options;
    options.pageFactory = std::move(pages);
    // Nothing listens there: a check started by a test fails at once instead
    // of reaching the real server.
    options.manifestUrl = QUrl(QStringLiteral("http://127.0.0.1:9/manifest.json"));
    options.trustedDomain = QString();
    options.autoUpdateDelayMs = -1;
    return options;
}

CatalogueSource emptyCatalogue()
{
    return [] { return QList<CategoryDef>{}; };
}

template<typename T>
T *openOverlay(QWidget *host)
{
    for (Overlay *overlay : Overlay::openIn(host))
        if (auto *dialog = qobject_cast<T *>(overlay))
            return dialog;
    return nullptr;
}

void closeOverlays(QWidget *host)
{
    for (Overlay *overlay : Overlay::openIn(host))
        overlay->close();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startupOptions_data();
    void startupOptions();
    void navigation();
    void pageWiring();
    void coreWiring();
    void scanningSwitchesToCleanup();
    void sidebarCollapsePersisted();
    void expandedWidthBounds_data();
    void expandedWidthBounds();
    void cleanupBadge();
    void ringColour_data();
    void ringColour();
    void geometryRoundTrip();
    void geometryFallback_data();
    void geometryFallback();
    void appMenuEntries();
    void titleBarHitTest();
    void maximiseGlyph();
    void autoCheckFollowUp_data();
    void autoCheckFollowUp();
    void closeWithoutTraySavesGeometry();
    void closeWithTrayFollowsCloseAction();

private:
    QSettings settings() const { return QSettings(); }
};

void TestMainWindow::initTestCase()
{
    startUiTest();
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
}

void TestMainWindow::init()
{
    QSettings().clear();
}

void TestMainWindow::startupOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("updated");
    QTest::addColumn<bool>("trayVisible");
    QTest::addColumn<int>("show");

    const int normal = int(StartupOptions::Show::Normal);
    const int hidden = int(StartupOptions::Show::Hidden);
    const int minimized = int(StartupOptions::Show::Minimized);
    QTest::newRow("plain") << QStringList{"varnholt"} << false << false << true << normal;
    QTest::newRow("background with tray") << QStringList{"varnholt", "--background"} << true << false << true << hidden;
    QTest::newRow("background without tray")
        << QStringList{"varnholt", "--background"} << true << false << false << minimized;
    QTest::newRow("updated and background")
        << QStringList{"varnholt", "--updated", "--background"} << true << true << true << hidden;
    QTest::newRow("elevated is a plain start") << QStringList{"varnholt", "--elevated"} << false << false << true << normal;
    QTest::newRow("other capitals") << QStringList{"varnholt", "--Background", "--UPDATED"} << false << false << true
                                    << normal;
    QTest::newRow("attached value") << QStringList{"varnholt", "--background=1", "--updated=yes"} << false << false
                                    << true << normal;
    QTest::newRow("program name is not a switch") << QStringList{"--background"} << false << false << true << normal;
}

void TestMainWindow::startupOptions()
{
    QFETCH(QStringList, args);
    const StartupOptions options = StartupOptions::parse(args);
    QTEST(options.background, "background");
    QTEST(options.updated, "updated");
    QFETCH(bool, trayVisible);
    QTEST(int(options.initialShow(trayVisible)), "show");
}

void TestMainWindow::navigation()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    QCOMPARE(window.pageStack()->count(), 4);
    QCOMPARE(window.currentPage(), 0);
    QVERIFY(window.sidebar()->navButton(0)->isChecked());

    window.sidebar()->navButton(2)->click();
    QCOMPARE(window.currentPage(), 2);

    // Programmatic navigation checks the button without a navigate echo.
    QSignalSpy navigate(window.sidebar(), &Sidebar::navigate);
    window.showPage(3);
    QCOMPARE(window.currentPage(), 3);
    QVERIFY(window.sidebar()->navButton(3)->isChecked());
    QVERIFY(!window.sidebar()->navButton(2)->isChecked());
    QCOMPARE(navigate.count(), 0);

    window.showPage(7);
    QCOMPARE(window.currentPage(), 3);
}

void TestMainWindow::pageWiring()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions(&fakePage));
    window.resize(MainWindow::kInitialSize);
    window.show();
    auto *overview = qobject_cast<FakeOverview *>(window.page(0));
    auto *cleanup = qobject_cast<FakeCleanup *>(window.page(1));
    auto *settingsPage = qobject_cast<FakeSettings *>(window.page(3));
    QVERIFY(overview && cleanup && settingsPage);

    emit overview->openCleanup(QStringLiteral("browser"));
    QCOMPARE(window.currentPage(), 1);
    QCOMPARE(cleanup->focused, QStringList{QStringLiteral("browser")});
    QVERIFY(window.sidebar()->navButton(1)->isChecked());

    emit cleanup->goHome();
    QCOMPARE(window.currentPage(), 0);

    emit cleanup->confirmRequested();
    QVERIFY(openOverlay<ConfirmCleanDialog>(window.overlayHost()));
    closeOverlays(window.overlayHost());

    emit settingsPage->checkForUpdates();
    QVERIFY(openOverlay<UpdateDialog>(window.overlayHost()));
    QVERIFY(!window.autoUpdateCheckPending());
    closeOverlays(window.overlayHost());
}

void TestMainWindow::coreWiring()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    window.show();

    emit state.toast(QStringLiteral("Moved 3 files"), true);
    QCOMPARE(window.toast()->text(), QStringLiteral("Moved 3 files"));
    QVERIFY(window.toast()->isUndoable());
    QVERIFY(window.toast()->isVisible());

    // A notice while the window shows goes to the toast, without Undo.
    window.notify(QStringLiteral("Low space"));
    QCOMPARE(window.toast()->text(), QStringLiteral("Low space"));
    QVERIFY(!window.toast()->isUndoable());

    int quits = 0;
    window.setQuitFunction([&quits] { ++quits; });
    emit window.updater()->quitForUpdate();
    QCOMPARE(quits, 1);
}

void TestMainWindow::scanningSwitchesToCleanup()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    QCOMPARE(window.currentPage(), 0);
    // Also while hidden, as for a scheduled scan at a background start.
    QVERIFY(!window.isVisible());
    state.startScan();
    QCOMPARE(state.phase(), AppState::Scanning);
    QCOMPARE(window.currentPage(), 1);
    QVERIFY(window.sidebar()->navButton(1)->isChecked());

    // Leaving the scanning phase does not move the user anywhere.
    window.showPage(2);
    QVERIFY(QTest::qWaitFor([&] { return state.phase() != AppState::Scanning; }, 20000));
    QCOMPARE(window.currentPage(), 2);
}

void TestMainWindow::sidebarCollapsePersisted()
{
    AppState state(emptyCatalogue());
    {
        MainWindow window(&state, offlineOptions());
        Sidebar *sidebar = window.sidebar();
        QVERIFY(!sidebar->isCollapsed());
        QCOMPARE(sidebar->width(), sidebar->expandedWidth());
        QCOMPARE(sidebar->toggle()->toolTip(), QStringLiteral("Collapse sidebar"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy changed(sidebar, &Sidebar::collapsedChanged);
        sidebar->toggle()->click();
        QCOMPARE(changed.count(), 1);
        QVERIFY(sidebar->isAnimating());
        QVERIFY(QTest::qWaitFor([&] { return !sidebar->isAnimating(); }, 2000));
        QCOMPARE(sidebar->width(), Sidebar::kCollapsedWidth);
        QVERIFY(sidebar->navButton(0)->isCompact());
        QVERIFY(sidebar->driveCard()->isCompact());
        QVERIFY(sidebar->sectionLabel()->isHidden());
        QCOMPARE(settings().value(QStringLiteral("ui/sidebarCollapsed")).toBool(), true);
    }

    MainWindow window(&state, offlineOptions());
    Sidebar *sidebar = window.sidebar();
    QVERIFY(sidebar->isCollapsed());
    QVERIFY(!sidebar->isAnimating());
    QCOMPARE(sidebar->width(), Sidebar::kCollapsedWidth);
    QCOMPARE(sidebar->toggle()->toolTip(), QStringLiteral("Expand sidebar"));
    QCOMPARE(sidebar->driveCard()->height(), 44);

    sidebar->setCollapsed(false, false);
    QCOMPARE(sidebar->width(), sidebar->expandedWidth());
    QVERIFY(!sidebar->navButton(0)->isCompact());
    QCOMPARE(sidebar->driveCard()->height(), 64);
    QCOMPARE(settings().value(QStringLiteral("ui/sidebarCollapsed")).toBool(), false);
}

void TestMainWindow::expandedWidthBounds_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("expected"); // -1: advance of the widest + 100

    QTest::newRow("short labels keep the minimum") << QStringList{"A", "B"} << Sidebar::kMinExpandedWidth;
    QTest::newRow("long translation is capped")
        << QStringList{"Intelligente Suche", QString(60, u'W')} << Sidebar::kMaxExpandedWidth;
    QTest::newRow("in between follows the text") << QStringList{"x", QString(14, u'W')} << -1;
}

void TestMainWindow::expandedWidthBounds()
{
    QFETCH(QStringList, labels);
    QFETCH(int, expected);
    const QFont font = Theme::instance()->font(13, 600);
    const int width = Sidebar::expandedWidthFor(labels, font);
    if (expected < 0) {
        const int advance = int(std::ceil(QFontMetricsF(font).horizontalAdvance(labels.last())));
        if (advance + 100 <= Sidebar::kMinExpandedWidth || advance + 100 >= Sidebar::kMaxExpandedWidth)
            QSKIP("the installed font makes this row fall on a bound");
        expected = advance + 100;
    }
    QCOMPARE(width, expected);
}

void TestMainWindow::cleanupBadge()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(!tmp.makeFileOfSize(QStringLiteral("temp/a.bin"), 3 * 4096).isEmpty());
    AppState state([root = tmp.path()] {
        CategoryDef def;
        def.id = QStringLiteral("temp");
        def.name = QStringLiteral("temp");
        def.risk = Safe;
        CategoryRoot r;
        r.path = root + QStringLiteral("/temp");
        def.roots = {r};
        return QList<CategoryDef>{def};
    });
    MainWindow window(&state, offlineOptions());
    NavButton *cleanup = window.sidebar()->navButton(1);
    QVERIFY(cleanup->badge().isEmpty());

    state.startScan();
    QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));
    QVERIFY(state.totalBytes() > 0);
    QCOMPARE(cleanup->badge(), formatSize(state.totalBytes()));
    window.sidebar()->setCollapsed(true, false);
    QVERIFY(cleanup->isCompact());
    QVERIFY(!cleanup->badge().isEmpty());
}

void TestMainWindow::ringColour_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("free");
    QTest::addColumn<int>("colour");

    const int gradient = int(DriveCard::RingColor::Gradient);
    const int warn = int(DriveCard::RingColor::Warn);
    const int bad = int(DriveCard::RingColor::Bad);
    QTest::newRow("half full") << qint64(1000) << qint64(500) << gradient;
    QTest::newRow("exactly 85 percent") << qint64(1000) << qint64(150) << gradient;
    QTest::newRow("just above 85 percent") << qint64(1000) << qint64(149) << warn;
    QTest::newRow("exactly 90 percent") << qint64(1000) << qint64(100) << warn;
    QTest::newRow("just above 90 percent") << qint64(1000) << qint64(99) << bad;
    QTest::newRow("unreadable drive") << qint64(0) << qint64(0) << gradient;
    QTest::newRow("free above total") << qint64(1000) << qint64(5000) << gradient;
}

void TestMainWindow::ringColour()
{
    QFETCH(qint64, total);
    QFETCH(qint64, free);
    QTEST(int(DriveCard::ringColor(DriveCard::usedFraction(total, free))), "colour");
}

void TestMainWindow::geometryRoundTrip()
{
    AppState state(emptyCatalogue());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect wanted(available.topLeft() + QPoint(40, 30), QSize(1000, 700));
    {
        MainWindow window(&state, offlineOptions());
        window.setGeometry(wanted);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.saveWindowGeometry();
    }
    QVERIFY(!settings().value(QStringLiteral("ui/windowGeometry")).toByteArray().isEmpty());
    MainWindow window(&state, offlineOptions());
    window.restoreWindowGeometry();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), wanted);
}

void TestMainWindow::geometryFallback_data()
{
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("first start") << QByteArray();
    QTest::newRow("corrupt value") << QByteArray("not a geometry");
}

void TestMainWindow::geometryFallback()
{
    QFETCH(QByteArray, saved);
    if (!saved.isEmpty())
        settings().setValue(QStringLiteral("ui/windowGeometry"), saved);
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    window.restoreWindowGeometry();
    const QRect available = window.screen()->availableGeometry();
    const QSize expected = MainWindow::defaultGeometry(MainWindow::kInitialSize, available)
                               .size()
                               .expandedTo(MainWindow::kMinimumSize);
    QCOMPARE(window.size(), expected);
    if (available.width() >= expected.width() && available.height() >= expected.height()) {
        QCOMPARE(window.geometry().center(), available.center());
    } else {
        // Larger than the screen: centred where it fits, never off the top-left.
        QVERIFY(available.contains(window.geometry().topLeft()));
        if (available.height() >= expected.height())
            QCOMPARE(window.geometry().center().y(), available.center().y());
    }

    // A window larger than the screen is shrunk to it and centred.
    const QRect small(0, 0, 800, 600);
    QCOMPARE(MainWindow::defaultGeometry(QSize(1180, 780), small), small);
    QCOMPARE(MainWindow::defaultGeometry(QSize(400, 300), small), QRect(200, 150, 400, 300));
}

void TestMainWindow::appMenuEntries()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    std::unique_ptr<AppMenu> menu(window.buildAppMenu());

    QStringList entries;
    for (const QAction *a : menu->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(entries, (QStringList{"Settings", "-", "Check for Updates", "Help", "About Varnholt", "-",
                                   "Quit Varnholt"}));

    const QList<QAction *> actions = menu->actions();
    QMenu *help = actions.at(3)->menu();
    QVERIFY(qobject_cast<AppMenu *>(help));
    QStringList helpEntries;
    for (const QAction *a : help->actions())
        helpEntries << a->text();
    QCOMPARE(helpEntries, (QStringList{"Guide", "FAQ", "Open Log Folder"}));

    QCOMPARE(actions.at(4)->property(AppMenu::kTrailingProperty).toString(), QStringLiteral("1.0.0"));
    for (int i : {0, 2, 3, 4, 6})
        QVERIFY2(!actions.at(i)->icon().isNull(), qPrintable(entries.at(i)));
    QVERIFY(menu->trailingMinimumWidth() > 0);
    QVERIFY(menu->styleSheet().contains(Theme::instance()->surface().name(QColor::HexArgb)));
    QVERIFY(menu->styleSheet().contains(QStringLiteral("margin: 14px;")));

    actions.at(0)->trigger();
    QCOMPARE(window.currentPage(), 3);

    int quits = 0;
    window.setQuitFunction([&quits] { ++quits; });
    actions.at(6)->trigger();
    QTRY_COMPARE(quits, 1);
}

void TestMainWindow::titleBarHitTest()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    window.resize(MainWindow::kInitialSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));

    WindowAgent *agent = window.windowAgent();
    TitleBar *bar = window.titleBar();
    const auto centreOf = [&](QWidget *w) { return w->mapTo(&window, w->rect().center()); };

    QCOMPARE(agent->hitTest(centreOf(bar->captionLabel())), WindowAgent::Hit::Caption);
    QCOMPARE(agent->hitTest(QPoint(window.width() / 2, 20)), WindowAgent::Hit::Caption);
    QCOMPARE(agent->hitTest(centreOf(bar->menuButton())), WindowAgent::Hit::Client);
    QCOMPARE(agent->hitTest(centreOf(bar->minimizeButton())), WindowAgent::Hit::Client);
    QCOMPARE(agent->hitTest(centreOf(bar->closeButton())), WindowAgent::Hit::Client);
    QCOMPARE(agent->hitTest(QPoint(window.width() / 2, 300)), WindowAgent::Hit::Client);
    QVERIFY(agent->isHitTestVisible(bar->menuButton()));
    QCOMPARE(agent->systemButton(WindowAgent::Close), bar->closeButton());

    // The resize band covers the edges, title bar included.
    QCOMPARE(agent->hitTest(QPoint(2, 300)), WindowAgent::Hit::Resize);
    QCOMPARE(agent->resizeEdges(QPoint(window.width() - 1, window.height() - 1)),
             Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
    QCOMPARE(agent->resizeEdges(QPoint(3, 3)), Qt::Edges(Qt::LeftEdge | Qt::TopEdge));
    QCOMPARE(agent->resizeEdges(QPoint(WindowAgent::kResizeBorder, 300)), Qt::Edges());

    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    QCOMPARE(agent->resizeEdges(QPoint(2, 300)), Qt::Edges());
}

void TestMainWindow::maximiseGlyph()
{
    QCOMPARE(CaptionButton::glyph(CaptionButton::Maximize, false), QChar(0xE922));
    QCOMPARE(CaptionButton::glyph(CaptionButton::Maximize, true), QChar(0xE923));

    // A double click on the free title bar maximises and restores.
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint onBar(window.width() / 2, 20);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, onBar);
    QTRY_VERIFY(window.isMaximized());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, onBar);
    QTRY_VERIFY(!window.isMaximized());

    window.titleBar()->maximizeButton()->click();
    QTRY_VERIFY(window.isMaximized());
    window.titleBar()->maximizeButton()->click();
    QTRY_VERIFY(!window.isMaximized());
}

void TestMainWindow::autoCheckFollowUp_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("showing");
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<bool>("stillPending");
    QTest::addColumn<bool>("open");

    QTest::newRow("still checking") << true << int(Updater::Checking) << true << false << true << false;
    QTest::newRow("available, showing") << true << int(Updater::Available) << true << false << false << true;
    QTest::newRow("available, hidden") << true << int(Updater::Available) << false << false << false << false;
    QTest::newRow("available, dialog open") << true << int(Updater::Available) << true << true << false << false;
    QTest::newRow("up to date") << true << int(Updater::UpToDate) << true << false << false << false;
    QTest::newRow("failed") << true << int(Updater::Failed) << true << false << false << false;
    QTest::newRow("manual check") << false << int(Updater::Available) << true << false << false << false;
}

void TestMainWindow::autoCheckFollowUp()
{
    QFETCH(bool, pending);
    QFETCH(int, state);
    QFETCH(bool, showing);
    QFETCH(bool, overlay);
    const MainWindow::AutoCheckStep step = MainWindow::autoCheckFollowUp(pending, state, showing, overlay);
    QTEST(step.stillPending, "stillPending");
    QTEST(step.openDialog, "open");
}

void TestMainWindow::closeWithoutTraySavesGeometry()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    if (window.tray()->isVisible())
        QSKIP("a system tray is present; closing would ask instead");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QVERIFY(!settings().value(QStringLiteral("ui/windowGeometry")).toByteArray().isEmpty());
}

void TestMainWindow::closeWithTrayFollowsCloseAction()
{
    AppState state(emptyCatalogue());
    MainWindow window(&state, offlineOptions());
    window.tray()->setAvailabilityProbe([] { return true; });
    window.tray()->sync();
    if (!window.tray()->isVisible())
        QSKIP("the platform cannot show even a pretended tray icon");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Ask: the window stays and one close dialog opens, however often the
    // user tries.
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(openOverlay<CloseDialog>(window.overlayHost()));
    QVERIFY(!window.close());
    QCOMPARE(Overlay::openIn(window.overlayHost()).size(), 1);
    QVERIFY(!settings().value(QStringLiteral("ui/windowGeometry")).toByteArray().isEmpty());
    closeOverlays(window.overlayHost());

    // The one-time balloon is the tray's business and needs a real tray host.
    settings().setValue(QStringLiteral("ui/trayNoticeShown"), true);
    AppSettings::instance()->setCloseAction(AppSettings::KeepRunning);
    QVERIFY(!window.close());
    QVERIFY(!window.isVisible());
    window.tray()->setAvailabilityProbe({});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

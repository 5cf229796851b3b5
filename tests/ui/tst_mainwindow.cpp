#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

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
#include "ui/titlebar.h"
#include "ui/windowagent.h"

using namespace ui;

namespace {

// A stand-in page that offers exactly the signals and slot the window looks
// for on each page.
class FakePage final : public QWidget
{
    Q_OBJECT
public:
    QStringList focused;
    Q_INVOKABLE void focusCategory(const QString &id) { focused.append(id); }
signals:
    void openCleanup(const QString &focusCategoryId);
    void confirmRequested();
    void goHome();
    void checkForUpdates();
};

QWidget *fakePage(int, AppState *, QWidget *)
{
    return new FakePage;
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

bool showExposed(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace

class TestMainWindow final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startUiTest();
        QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    }

    void init() { QSettings().clear(); }

    void startupOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("trayVisible");
        QTest::addColumn<bool>("background");
        QTest::addColumn<bool>("updated");
        QTest::addColumn<StartupOptions::Show>("show");
        using S = StartupOptions::Show;
        const auto row = [](const char *name, const QStringList &args, bool tray, bool background, bool updated,
                            S show) { QTest::newRow(name) << args << tray << background << updated << show; };
        row("plain", {"varnholt"}, true, false, false, S::Normal);
        row("background with tray", {"varnholt", "--background"}, true, true, false, S::Hidden);
        row("background without tray", {"varnholt", "--background"}, false, true, false, S::Minimized);
        row("updated and background", {"varnholt", "--updated", "--background"}, true, true, true, S::Hidden);
        row("elevated is a plain start", {"varnholt", "--elevated"}, true, false, false, S::Normal);
        row("other capitals", {"varnholt", "--Background", "--UPDATED"}, true, false, false, S::Normal);
        row("attached value", {"varnholt", "--background=1", "--updated=yes"}, true, false, false, S::Normal);
        row("program name is not a switch", {"--background"}, true, false, false, S::Normal);
    }

    void startupOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, trayVisible);
        const StartupOptions options = StartupOptions::parse(args);
        QTEST(options.background, "background");
        QTEST(options.updated, "updated");
        QTEST(options.initialShow(trayVisible), "show");
    }

    // A scan shows the Cleanup page, also while hidden, as for a scheduled
    // scan at a background start; its end moves the user nowhere, and the
    // navigation entry then carries what was found.
    void navigationAndPageWiring()
    {
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize(QStringLiteral("temp/a.bin"), 3 * 4096).isEmpty());
        AppState state([root = tmp.path()] {
            return QList<CategoryDef>{categoryDef(QStringLiteral("temp"), Safe, root + QStringLiteral("/temp"))};
        });
        MainWindow window(&state, offlineOptions(&fakePage));
        window.show();
        // The pages made after the first paint leave the first one showing.
        QTRY_VERIFY(qobject_cast<FakePage *>(window.pageStack()->widget(3)));
        QCOMPARE(window.pageStack()->currentWidget(), window.page(0));
        window.hide();
        NavButton *cleanupEntry = window.sidebar()->navButton(1);
        QVERIFY(cleanupEntry->badge().isEmpty());
        state.startScan();
        QCOMPARE(window.currentPage(), 1);
        QVERIFY(cleanupEntry->isChecked());
        window.showPage(2);
        QVERIFY(QTest::qWaitFor([&] { return state.phase() == AppState::Results; }, 20000));
        QCOMPARE(window.currentPage(), 2);
        QVERIFY(state.totalBytes() > 0);
        QCOMPARE(cleanupEntry->badge(), formatSize(state.totalBytes()));

        window.show();
        window.sidebar()->navButton(0)->click();
        QCOMPARE(window.currentPage(), 0);
        // Programmatic navigation checks the button without a navigate echo.
        QSignalSpy navigate(window.sidebar(), &Sidebar::navigate);
        window.showPage(3);
        QVERIFY(window.sidebar()->navButton(3)->isChecked() && !window.sidebar()->navButton(0)->isChecked());
        QCOMPARE(navigate.count(), 0);
        window.showPage(7);
        QCOMPARE(window.currentPage(), 3);

        auto *overview = qobject_cast<FakePage *>(window.page(0));
        auto *cleanup = qobject_cast<FakePage *>(window.page(1));
        emit overview->openCleanup(QStringLiteral("browser"));
        QCOMPARE(window.currentPage(), 1);
        QCOMPARE(cleanup->focused, QStringList{QStringLiteral("browser")});
        emit cleanup->goHome();
        QCOMPARE(window.currentPage(), 0);

        // Cleaning starts only through the confirmation.
        emit cleanup->confirmRequested();
        QVERIFY(openOverlay<ConfirmCleanDialog>(window.overlayHost()));
        QCOMPARE(state.phase(), AppState::Results);
        closeOverlays(window.overlayHost());

        // The update dialog opens from the page and from the app menu, once
        // however often it is asked: dialogs never stack.
        emit qobject_cast<FakePage *>(window.page(3))->checkForUpdates();
        QVERIFY(openOverlay<UpdateDialog>(window.overlayHost()));
        QVERIFY(!window.autoUpdateCheckPending());
        closeOverlays(window.overlayHost());
        std::unique_ptr<AppMenu> menu(window.buildAppMenu());
        const QList<QAction *> actions = menu->actions();  // Settings, -, Check for Updates, Help, About, -, Quit
        actions.at(2)->trigger();
        actions.at(2)->trigger();
        QCOMPARE(Overlay::openIn(window.overlayHost()).size(), 1);
        closeOverlays(window.overlayHost());
        actions.at(0)->trigger();
        QCOMPARE(window.currentPage(), 3);

        // The toast carries the state's messages and the window's alerts
        // (without Undo, with the alert sign).
        emit state.toast(QStringLiteral("Moved 3 files"), true);
        QCOMPARE(window.toast()->text(), QStringLiteral("Moved 3 files"));
        QVERIFY(window.toast()->isVisible() && window.toast()->isUndoable());
        QCOMPARE(window.toast()->iconName(), QStringLiteral("check"));
        window.notify(QStringLiteral("Low space"));
        QCOMPARE(window.toast()->text(), QStringLiteral("Low space"));
        QVERIFY(!window.toast()->isUndoable());
        QCOMPARE(window.toast()->iconName(), QStringLiteral("alert"));

        // The menu's Quit and an update that needs the program gone both quit.
        int quits = 0;
        window.setQuitFunction([&quits] { ++quits; });
        emit window.updater()->quitForUpdate();
        QCOMPARE(quits, 1);
        actions.at(6)->trigger();
        QTRY_COMPARE(quits, 2);
    }

    void geometryRestore_data()
    {
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("saved by the last run") << QByteArray("last run");
        QTest::newRow("first start") << QByteArray();
        QTest::newRow("corrupt value") << QByteArray("not a geometry");
    }

    void geometryRestore()
    {
        QFETCH(QByteArray, saved);
        AppState state(emptyCatalogue());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect wanted(available.topLeft() + QPoint(40, 30), QSize(1000, 700));
        if (saved == "last run") {
            MainWindow window(&state, offlineOptions());
            window.setGeometry(wanted);
            QVERIFY(showExposed(window));
            window.saveWindowGeometry();
        } else if (!saved.isEmpty()) {
            QSettings().setValue(QStringLiteral("ui/windowGeometry"), saved);
        }
        MainWindow window(&state, offlineOptions());
        window.restoreWindowGeometry();
        if (saved == "last run") {
            QVERIFY(showExposed(window));
            QCOMPARE(window.geometry(), wanted);
            return;
        }
        const QSize expected = MainWindow::defaultGeometry(MainWindow::kInitialSize, available)
                                   .size()
                                   .expandedTo(MainWindow::kMinimumSize);
        QCOMPARE(window.size(), expected);
        if (available.width() >= expected.width() && available.height() >= expected.height())
            QCOMPARE(window.geometry().center(), available.center());
        else // larger than the screen: the title bar stays reachable
            QVERIFY(available.contains(window.geometry().topLeft()));
        const QRect small(0, 0, 800, 600);
        QCOMPARE(MainWindow::defaultGeometry(QSize(1180, 780), small), small);
        QCOMPARE(MainWindow::defaultGeometry(QSize(400, 300), small), QRect(200, 150, 400, 300));
    }

    void titleBar()
    {
        AppState state(emptyCatalogue());
        MainWindow window(&state, offlineOptions());
        QVERIFY(showExposed(window));
        WindowAgent *agent = window.windowAgent();
        TitleBar *bar = window.titleBar();
        const auto centreOf = [&](QWidget *w) { return w->mapTo(&window, w->rect().center()); };
        QCOMPARE(agent->hitTest(centreOf(bar->captionLabel())), WindowAgent::Hit::Caption);
        for (QWidget *button : {bar->menuButton(), bar->minimizeButton(), bar->closeButton()})
            QCOMPARE(agent->hitTest(centreOf(button)), WindowAgent::Hit::Client);
        QCOMPARE(agent->hitTest(QPoint(window.width() / 2, 300)), WindowAgent::Hit::Client);

        // The resize band covers the edges, title bar included.
        QCOMPARE(agent->hitTest(QPoint(2, 300)), WindowAgent::Hit::Resize);
        QCOMPARE(agent->resizeEdges(QPoint(window.width() - 1, window.height() - 1)),
                 Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
        QCOMPARE(agent->resizeEdges(QPoint(3, 3)), Qt::Edges(Qt::LeftEdge | Qt::TopEdge));
        QCOMPARE(agent->resizeEdges(QPoint(WindowAgent::kResizeBorder, 300)), Qt::Edges());

        // A double click on the free title bar and the button both maximise
        // and restore; a maximised window has no resize band.
        const auto doubleClick = [&] {
            QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(window.width() / 2, 20));
        };
        // The glyph-only buttons are named for assistive technology.
        const auto names = [bar] {
            QStringList out;
            for (QWidget *b : {bar->menuButton(), bar->minimizeButton(), bar->maximizeButton(), bar->closeButton()})
                out << b->accessibleName();
            return out;
        };
        QCOMPARE(names(), (QStringList{"Menu", "Minimize", "Maximize", "Close"}));
        // The menu the caption button opens is reachable from the keyboard,
        // and stays inside the window when the screen has room beside it.
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.center().x() - window.width(), window.y());
        QTest::keyClick(&window, Qt::Key_F10);
        QTRY_VERIFY(window.findChild<AppMenu *>() && window.findChild<AppMenu *>()->isVisible());
        const int m = AppMenu::kMargin;
        const QRect body = window.findChild<AppMenu *>()->geometry().marginsRemoved(QMargins(m, m, m, m));
        QVERIFY(window.geometry().contains(body));
        window.findChild<AppMenu *>()->close();
        doubleClick();
        QTRY_VERIFY(window.isMaximized());
        QCOMPARE(names().at(2), QStringLiteral("Restore"));
        QCOMPARE(agent->resizeEdges(QPoint(2, 300)), Qt::Edges());
        doubleClick();
        QTRY_VERIFY(!window.isMaximized());
        bar->maximizeButton()->click();
        QTRY_VERIFY(window.isMaximized());
        bar->maximizeButton()->click();
        QTRY_VERIFY(!window.isMaximized());
    }

    void autoCheckFollowUp_data()
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

    void autoCheckFollowUp()
    {
        QFETCH(bool, pending);
        QFETCH(int, state);
        QFETCH(bool, showing);
        QFETCH(bool, overlay);
        const MainWindow::AutoCheckStep step = MainWindow::autoCheckFollowUp(pending, state, showing, overlay);
        QTEST(step.stillPending, "stillPending");
        QTEST(step.openDialog, "open");
    }

    // Closing saves the geometry first; without a tray icon the program
    // quits, with one the close rules of the tray apply.
    void closeFollowsTray()
    {
        AppState state(emptyCatalogue());
        for (bool tray : {false, true}) {
            QSettings().clear();
            MainWindow window(&state, offlineOptions());
            int quits = 0;
            window.setQuitFunction([&quits] { ++quits; });
            window.tray()->setAvailabilityProbe([tray] { return tray; });
            window.tray()->sync();
            if (window.tray()->isVisible() != tray)
                QSKIP("the platform cannot show even a pretended tray icon");
            QVERIFY(showExposed(window));
            QVERIFY(!window.close());
            QTRY_COMPARE(quits, int(!tray));
            QCOMPARE(bool(openOverlay<CloseDialog>(window.overlayHost())), tray);
            QVERIFY(!QSettings().value(QStringLiteral("ui/windowGeometry")).toByteArray().isEmpty());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

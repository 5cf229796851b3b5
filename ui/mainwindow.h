#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <array>
#include <functional>

#include "update/updater.h"

class AppState;
class QStackedWidget;

namespace ui {

class AppMenu;
class Sidebar;
class TitleBar;
class Toast;
class Tray;
class WindowAgent;

// The program's one top-level window: a frameless window with its own title
// bar, the navigation sidebar, the page stack, the toast, the tray icon and
// the updater. It routes navigation, opens the dialogs the pages ask for,
// runs the automatic update check and remembers its geometry and the
// sidebar state. Closing it hides to the tray, asks or quits, as configured.
//
// Pages are made by a factory (index 0 Overview, 1 Cleanup, 2 Space Map,
// 3 Settings): the Overview with the window, the others one at a time once
// the window has painted for the first time, or at once when asked for
// (page(), showPage()) before that. The window finds the pages' signals by name, so a page only
// has to declare what it offers:
//   Overview:  signal openCleanup(QString focusCategoryId)
//   Cleanup:   signals confirmRequested(), goHome();
//              slot or Q_INVOKABLE focusCategory(QString)
//   Settings:  signal checkForUpdates()
class MainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    enum Page { PageOverview = 0, PageCleanup = 1, PageSpaceMap = 2, PageSettings = 3, PageCount = 4 };

    static constexpr int kAutoUpdateDelayMs = 5000;
    static constexpr QSize kMinimumSize{960, 640};
    static constexpr QSize kInitialSize{1180, 780};

    using PageFactory = std::function<QWidget *(int index, AppState *state, QWidget *parent)>;
    using QuitFunction = std::function<void()>;

    struct Options
    {
        PageFactory pageFactory;  // empty: the built-in pages
        QUrl manifestUrl = Updater::defaultManifestUrl();
        QString trustedDomain = Updater::defaultTrustedDomain();
        int autoUpdateDelayMs = kAutoUpdateDelayMs;  // negative: no automatic check
    };

    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    MainWindow(AppState *state, const Options &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The pages of this build, by index.
    static QWidget *createPage(int index, AppState *state, QWidget *parent);

    // Shows the page and checks its sidebar button without emitting navigate.
    void showPage(int index);
    int currentPage() const;

    // The saved geometry, or else the current size bounded by the screen's
    // available area and centred on it.
    void restoreWindowGeometry();
    void saveWindowGeometry();
    // The fallback of restoreWindowGeometry.
    static QRect defaultGeometry(const QSize &size, const QRect &available);

    // An alert (low space): a warning toast while the window is showing,
    // else a tray balloon when the icon is visible, else the toast.
    void notify(const QString &text);
    // Opens the update dialog and starts a check unless one is already known
    // to have found something, or a download or installation is running.
    void checkForUpdates();
    void showAbout();
    void hideToTray();
    void showAndRaise();

    // A fresh application menu with its entries; the caller owns it.
    AppMenu *buildAppMenu();
    // Opens it at `globalPos`, its body and its submenu kept inside the window.
    void openAppMenu(const QPoint &globalPos);

    // Replaces quitting the application (menu, updater) for tests.
    void setQuitFunction(QuitFunction quit);

    // What a change of the updater's state means for a pending automatic check.
    struct AutoCheckStep
    {
        bool stillPending;
        bool openDialog;
    };
    static AutoCheckStep autoCheckFollowUp(bool pending, int updaterState, bool windowShowing, bool overlayOpen);

    AppState *state() const { return m_state; }
    TitleBar *titleBar() const { return m_titleBar; }
    Sidebar *sidebar() const { return m_sidebar; }
    QStackedWidget *pageStack() const { return m_stack; }
    QWidget *page(int index) const;
    // Where overlay dialogs and the toast live: everything below the title bar.
    QWidget *overlayHost() const { return m_body; }
    Toast *toast() const { return m_toast; }
    Tray *tray() const { return m_tray; }
    Updater *updater() const { return m_updater; }
    WindowAgent *windowAgent() const { return m_agent; }
    bool isQuitting() const { return m_quitting; }
    bool autoUpdateCheckPending() const { return m_autoUpdateCheck; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void openCleanupFor(const QString &focusCategoryId);
    void openSpaceMapAt(const QString &folder);
    void confirmClean();
    void goHome();
    void checkForUpdatesFromPage();

private:
    // The page at `index`, made (and its signals wired) if it was not yet;
    // nullptr for an index out of range.
    QWidget *ensurePage(int index) const;
    void makeRemainingPages();
    bool connectPageSignal(QWidget *page, const char *signal, const char *slot);
    void onUpdaterStateChanged();
    void quitApplication();
    // Opens `url` with the desktop's handler, or says that nothing could.
    void openUrl(const QUrl &url);
    // An update dialog whose warnings go to the toast.
    void openUpdateDialog();

    AppState *m_state;
    TitleBar *m_titleBar = nullptr;
    Sidebar *m_sidebar = nullptr;
    QStackedWidget *m_stack = nullptr;
    QWidget *m_contentLayer = nullptr;
    QWidget *m_container = nullptr;
    QWidget *m_body = nullptr;
    Toast *m_toast = nullptr;
    Updater *m_updater = nullptr;
    Tray *m_tray = nullptr;
    WindowAgent *m_agent = nullptr;
    bool m_quitting = false;
    bool m_autoUpdateCheck = false;
    QuitFunction m_quit;
    PageFactory m_factory;
    mutable std::array<bool, PageCount> m_built{};
    bool m_painted = false;
};

} // namespace ui

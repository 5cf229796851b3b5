#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class AppState;
class QSystemTrayIcon;
class QWidget;

namespace ui {

// The notification-area icon with its menu. The icon exists exactly while
// the system offers a tray. A tray host can start after the program (the
// panel at login) or go away (the panel quits), and Qt has no public signal
// for either, so the tray looks every kPollMs while it has no icon or the
// window is hidden; the close request looks for itself. When the host goes
// while the window is hidden, the window is shown: it would be out of reach
// otherwise.
//
// Owner's part (the main window): create it with the window and the state
// after the toast; connect `showPageRequested` to showPage and
// `checkForUpdatesRequested` to checkForUpdates; pass a menu factory that
// makes the styled application menu (it must not delete itself when it
// hides: the tray keeps showing the same menu). "Open Varnholt", a click on
// the icon and a click on a balloon call showAndRaise (app/trayduties.h) on
// the window; "Quit Varnholt" quits the application.
class Tray final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tray)

public:
    static constexpr int kBalloonMs = 6000;
    static constexpr int kPollMs = 3000;

    // Makes the context menu; its parent is the window. Without one the tray
    // uses a plain QMenu.
    using MenuFactory = std::function<QMenu *(QWidget *parent)>;
    using Probe = std::function<bool()>;

    Tray(QWidget *window, AppState *state, MenuFactory menuFactory = {});
    ~Tray() override;

    // Creates or deletes the icon so that its existence matches the tray's
    // availability; runs on every settings change too.
    void sync();
    // The icon exists and is visible.
    bool isVisible() const;
    // A balloon with the application icon for 6 seconds; nothing without an
    // icon. A balloon the system does not show is not retried.
    void showMessage(const QString &title, const QString &text);

    // Replaces the availability test (QSystemTrayIcon::isSystemTrayAvailable)
    // for tests; an empty function restores it. Call sync() afterwards.
    void setAvailabilityProbe(Probe probe);

    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    QAction *driveAction() const { return m_driveAction; }
    // Sets the drive line from a fresh reading of the home drive; runs each
    // time the menu is about to open.
    void refreshDriveLine();
    // The drive line's text for a volume: "%1 · %2 free".
    static QString driveLineText(const QString &displayName, qint64 availableBytes);

signals:
    void showPageRequested(int page);
    void checkForUpdatesRequested();

private:
    bool available() const;
    void poll();
    void buildMenu();
    void onActivated(int reason);

    QWidget *m_window;
    AppState *m_state;
    QSystemTrayIcon *m_icon = nullptr;
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_driveAction;
    MenuFactory m_menuFactory;
    Probe m_probe;
};

} // namespace ui

#include "app/tray.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "app/trayduties.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/trtext.h"

namespace ui {

Tray::Tray(QWidget *window, AppState *state, MenuFactory menuFactory)
    : QObject(window), m_window(window), m_state(state), m_menuFactory(std::move(menuFactory))
{
    connect(AppSettings::instance(), &AppSettings::changed, this, &Tray::sync);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Tray::poll);
    timer->start(kPollMs);
    sync();
}

Tray::~Tray()
{
    // The menu belongs to the window; the icon must not outlive this object
    // holding a pointer to it.
    delete m_icon;
}

bool Tray::available() const
{
    return m_probe ? m_probe() : QSystemTrayIcon::isSystemTrayAvailable();
}

void Tray::setAvailabilityProbe(Probe probe)
{
    m_probe = std::move(probe);
}

bool Tray::isVisible() const
{
    return m_icon && m_icon->isVisible();
}

void Tray::poll()
{
    // Asking can cost a D-Bus connection; with the icon docked and the window
    // showing, nothing depends on the answer until the window is closed.
    if (isVisible() && m_window && m_window->isVisible())
        return;
    sync();
}

void Tray::sync()
{
    const bool avail = available();
    if (avail == isVisible())
        return;
    if (!avail) {
        delete m_icon;
        m_icon = nullptr;
        if (m_window && !m_window->isVisible())
            showAndRaise(m_window);
        return;
    }
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(appIcon(), this);
        m_icon->setToolTip(QStringLiteral("Varnholt"));
        if (!m_menu)
            buildMenu();
        if (m_menu)
            m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { onActivated(int(reason)); });
        connect(m_icon, &QSystemTrayIcon::messageClicked, this, [this] { showAndRaise(m_window); });
    }
    m_icon->setVisible(true);
}

void Tray::showMessage(const QString &title, const QString &text)
{
    if (!m_icon)
        return;
    m_icon->showMessage(title, text, appIcon(), kBalloonMs);
}

void Tray::onActivated(int reason)
{
    // Right-click opens the context menu by itself; a middle click means
    // nothing here.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        showAndRaise(m_window);
}

void Tray::buildMenu()
{
    QMenu *menu = m_menuFactory ? m_menuFactory(m_window) : new QMenu(m_window);
    if (!menu)
        return;
    m_menu = menu;
    // Named icons carry their colour: they are re-tinted on theme changes.
    const auto named = [](const QString &name) { return ui::icon(name, Tone::Text2, 18); };

    //: Entry of the tray menu
    QAction *open = menu->addAction(appIcon(), TrayText::tr("Open Varnholt"));
    connect(open, &QAction::triggered, this, [this] { showAndRaise(m_window); });
    menu->addSeparator();
    //: Entry of the tray menu: scan every cleanup category
    QAction *scan = menu->addAction(named(QStringLiteral("sparkle")), TrayText::tr("Smart Scan"));
    connect(scan, &QAction::triggered, this, [this] {
        showAndRaise(m_window);
        emit showPageRequested(0);
        if (m_state)
            m_state->startScan();
    });
    //: Entry of the tray menu: open the page that maps where disk space goes
    QAction *large = menu->addAction(named(QStringLiteral("layers")), TrayText::tr("Space Map"));
    connect(large, &QAction::triggered, this, [this] {
        showAndRaise(m_window);
        emit showPageRequested(2);
        if (m_state)
            m_state->scanLargeFiles();
    });
    menu->addSeparator();
    m_driveAction = menu->addAction(named(QStringLiteral("drive")), QString());
    m_driveAction->setEnabled(false);
    menu->addSeparator();
    //: Entry of the tray menu
    QAction *settings = menu->addAction(named(QStringLiteral("menu-settings")), TrayText::tr("Settings"));
    connect(settings, &QAction::triggered, this, [this] {
        showAndRaise(m_window);
        emit showPageRequested(3);
    });
    //: Entry of the tray menu
    QAction *updates = menu->addAction(named(QStringLiteral("menu-update")), TrayText::tr("Check for Updates"));
    connect(updates, &QAction::triggered, this, [this] {
        showAndRaise(m_window);
        emit checkForUpdatesRequested();
    });
    menu->addSeparator();
    //: Entry of the tray menu
    QAction *quit = menu->addAction(named(QStringLiteral("menu-power")), TrayText::tr("Quit Varnholt"));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    const QList<std::pair<QAction *, QString>> tinted = {
        {scan, QStringLiteral("sparkle")},          {large, QStringLiteral("layers")},
        {m_driveAction, QStringLiteral("drive")},   {settings, QStringLiteral("menu-settings")},
        {updates, QStringLiteral("menu-update")},   {quit, QStringLiteral("menu-power")}};
    connect(Theme::instance(), &Theme::changed, menu, [tinted] {
        for (const auto &[action, name] : tinted)
            action->setIcon(ui::icon(name, Tone::Text2, 18));
    });
    connect(menu, &QMenu::aboutToShow, this, &Tray::refreshDriveLine);
    refreshDriveLine();
}

void Tray::refreshDriveLine()
{
    if (!m_driveAction)
        return;
    if (m_state) {
        m_state->refreshVolume();
        const VolumeInfo &volume = m_state->volume();
        m_driveAction->setText(driveLineText(volume.displayName, volume.availableBytes));
    }
}

QString Tray::driveLineText(const QString &displayName, qint64 availableBytes)
{
    //: Tray tooltip; %1: a drive; %2: a size
    return TrayText::tr("%1 · %2 free").arg(displayName, formatSize(availableBytes));
}

} // namespace ui

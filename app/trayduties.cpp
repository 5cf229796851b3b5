#include "app/trayduties.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/tray.h"
#include "ui/dialogs/closedialog.h"
#include "ui/dialogs/toast.h"

namespace ui {

namespace {

const QString kNoticeKey = QStringLiteral("ui/trayNoticeShown");

void quitSoon(const QuitFunction &quit)
{
    // Deferred so that the close event in progress finishes before the
    // application starts to quit.
    QTimer::singleShot(0, qApp, [quit] {
        if (quit)
            quit();
        else
            QCoreApplication::quit();
    });
}

// The tray as it is now, not at the last poll.
bool trayShown(Tray *tray)
{
    if (!tray)
        return false;
    tray->sync();
    return tray->isVisible();
}

bool closeDialogOpen(const QWidget *host)
{
    for (Overlay *overlay : Overlay::openIn(host))
        if (qobject_cast<CloseDialog *>(overlay))
            return true;
    return false;
}

} // namespace

CloseDecision decideClose(int closeAction, bool trayVisible, bool quitting, bool dialogOpen)
{
    if (quitting)
        return CloseDecision::Accept;
    if (!trayVisible)
        return CloseDecision::Quit;
    switch (closeAction) {
    case AppSettings::KeepRunning:
        return CloseDecision::HideToTray;
    case AppSettings::Quit:
        return CloseDecision::Quit;
    case AppSettings::Ask:
        return dialogOpen ? CloseDecision::Stay : CloseDecision::Ask;
    default:
        return CloseDecision::Stay;
    }
}

bool handleCloseRequest(QWidget *window, QWidget *overlayHost, Tray *tray, bool quitting, QuitFunction quit)
{
    const CloseDecision decision = decideClose(AppSettings::instance()->closeAction(), !quitting && trayShown(tray),
                                               quitting, closeDialogOpen(overlayHost));
    switch (decision) {
    case CloseDecision::Accept:
        return true;
    case CloseDecision::HideToTray:
        hideToTray(window, tray);
        return false;
    case CloseDecision::Quit:
        quitSoon(quit);
        return false;
    case CloseDecision::Stay:
        return false;
    case CloseDecision::Ask:
        break;
    }

    if (window && window->isMinimized())
        window->showNormal();
    auto *dialog = new CloseDialog(overlayHost ? overlayHost : window);
    const QPointer<QWidget> guardedWindow(window);
    const QPointer<Tray> guardedTray(tray);
    QObject::connect(dialog, &CloseDialog::chosen, dialog,
                     [guardedWindow, guardedTray, quit](bool keepInTray, bool remember) {
                         if (remember)
                             AppSettings::instance()->setCloseAction(keepInTray ? AppSettings::KeepRunning
                                                                                : AppSettings::Quit);
                         if (keepInTray && trayShown(guardedTray))
                             hideToTray(guardedWindow, guardedTray);
                         else
                             quitSoon(quit);
                     });
    dialog->open();
    return false;
}

bool trayNoticeShown()
{
    return QSettings().value(kNoticeKey, false).toBool();
}

void hideToTray(QWidget *window, Tray *tray)
{
    if (window)
        window->hide();
    // The notice is spent only when a balloon can really appear; a hide
    // without an icon (the tray host went away) keeps it for the next time.
    if (trayNoticeShown() || !tray || !tray->isVisible())
        return;
    // An unreadable store is never rewritten (it would lose what Qt could
    // not parse); the notice then shows again next time.
    if (AppSettings::instance()->readable())
        QSettings().setValue(kNoticeKey, true);
    // The start-up checks do not run again while it waits there: the notice
    // promises nothing of them.
    tray->showMessage(QCoreApplication::translate("Tray", "Varnholt is still running"),
                      //: Balloon shown once the window first hides in the tray
                      QCoreApplication::translate("Tray", "It stays in the system tray. Right-click the icon to quit."));
}

void showAndRaise(QWidget *window)
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

NoticeRoute noticeRoute(bool windowShowing, bool trayVisible)
{
    if (windowShowing)
        return NoticeRoute::Toast;
    return trayVisible ? NoticeRoute::Balloon : NoticeRoute::Toast;
}

void notify(QWidget *window, Toast *toast, Tray *tray, const QString &text)
{
    const bool showing = window && window->isVisible() && !window->isMinimized();
    if (noticeRoute(showing, tray && tray->isVisible()) == NoticeRoute::Balloon)
        tray->showMessage(QStringLiteral("Varnholt"), text);
    else if (toast)
        toast->showMessage(text, false, Toast::Warning);
}

bool isLowSpace(qint64 totalBytes, qint64 availableBytes)
{
    return totalBytes > 0 && availableBytes < totalBytes / 10;
}

QString lowSpaceMessage(const QString &driveName)
{
    //: Notification; %1: a drive
    return QCoreApplication::translate("Main", "%1 is almost full. Run Smart Scan to free up space.").arg(driveName);
}

bool isFillingFast(const SpaceForecast &outlook)
{
    return outlook.hasForecast() && outlook.daysUntilFull < 7;
}

QString fillingFastMessage(const QString &driveName, double daysUntilFull)
{
    const int days = forecast::fullIn(std::min(daysUntilFull, 13.0)).count;
    //: Notification; %1: a drive
    return QCoreApplication::translate("Main", "%1 is filling up: at this rate it is full in about %n day(s). Run "
                                               "Smart Scan to free up space.",
                                       nullptr, days)
        .arg(driveName);
}

QString updatedMessage(const QString &version)
{
    //: %1: a version number
    return QCoreApplication::translate("Main", "Varnholt was updated to version %1.").arg(version);
}

void runStartupChecks(AppState *state, bool updated, const StartupHooks &hooks)
{
    AppSettings *settings = AppSettings::instance();
    if (state)
        state->recordFreeSpace();
    // One alert per start at most: a drive that is already low gets the
    // plain warning, one that is about to be gets the forecast.
    if (state && settings->lowSpaceAlerts() && hooks.notify) {
        const VolumeInfo &volume = state->volume();
        if (isLowSpace(volume.totalBytes, volume.availableBytes)) {
            hooks.notify(lowSpaceMessage(volume.displayName));
        } else if (const SpaceForecast outlook = state->spaceForecast(); isFillingFast(outlook)) {
            hooks.notify(fillingFastMessage(volume.displayName, outlook.daysUntilFull));
        }
    }
    if (updated && hooks.toast)
        hooks.toast(updatedMessage(QStringLiteral(VARNHOLT_VERSION)));
    if (state && settings->scanDue())
        state->startScheduledScan();
    // Well after the window is up: the reading walks the home folder, at the
    // lowest priority but still competing for the disk with the start of
    // whatever else the session starts.
    if (state)
        QTimer::singleShot(kFolderReadingDelayMs, state, [state] { state->recordFolderSizesIfDue(); });
    // A program that stays in the tray for days takes the day's reading too:
    // once an hour it looks whether today's is still missing.
    if (state) {
        auto *daily = new QTimer(state);
        QObject::connect(daily, &QTimer::timeout, state, [state] { state->recordFolderSizesIfDue(); });
        daily->start(kFolderReadingCheckMs);
    }
}

} // namespace ui

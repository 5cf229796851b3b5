#pragma once

// What keeps the program useful while its window is closed: the rules that
// decide whether closing the window hides it or quits, hiding to the tray
// with its one-time notice, the routing of notices to the toast or a tray
// balloon, and the start-up checks (low space, update message, scheduled
// scan). The decisions are pure functions so that they can be checked
// without a window; the thin helpers below act on the window for the owner.

#include <QString>
#include <QtGlobal>

#include <functional>

class AppState;
class QWidget;
struct SpaceForecast;

namespace ui {

class Toast;
class Tray;

// ---- closing the window -----------------------------------------------------

enum class CloseDecision {
    Accept,      // let the window close: the application is quitting
    HideToTray,  // stored choice "keep running"
    Quit,        // quit right after the event: stored choice "quit", or no tray icon to live in
    Ask,         // show the close dialog
    Stay,        // unknown stored value, or a close dialog is already open
};

// The decision for a close request. `closeAction` is the stored setting
// (0 Ask, 1 KeepRunning, 2 Quit); any other value keeps the window open while
// a tray icon is shown. `quitting` is set once the application starts to quit.
// Closing the window never ends the program by itself (quitOnLastWindowClosed
// is off): without a tray the decision is to quit, so a tray that comes or
// goes after the start is followed.
CloseDecision decideClose(int closeAction, bool trayVisible, bool quitting, bool dialogOpen = false);

// Quits the application; replaceable so tests do not end their own loop.
using QuitFunction = std::function<void()>;

// Everything the window's closeEvent does after saving its geometry. Returns
// whether to accept the event. The tray is asked afresh (Tray::sync) first,
// and again when the dialog's "keep running" is chosen: a tray host gone in
// the meantime makes both quit. For Ask it restores a minimised window and
// opens the close dialog in `overlayHost`, whose choice stores the setting
// when remembered, then hides to the tray or quits. Quits are deferred to
// the event loop so that the close event finishes first.
//
//   void MainWindow::closeEvent(QCloseEvent *e) {
//       saveWindowGeometry();
//       e->setAccepted(handleCloseRequest(this, overlayHost, m_tray, m_quitting));
//   }
bool handleCloseRequest(QWidget *window, QWidget *overlayHost, Tray *tray, bool quitting,
                        QuitFunction quit = {});

// Hides the window; the first time ever (per user) it also shows the balloon
// "Varnholt is still running". MainWindow::hideToTray calls this.
void hideToTray(QWidget *window, Tray *tray);
// Whether the one-time notice was already shown ("ui/trayNoticeShown").
bool trayNoticeShown();

// Shows the window out of the tray or out of its minimised state, leaving
// its other states (maximised, full screen) as they are; then raises and
// activates it. MainWindow::showAndRaise calls this.
void showAndRaise(QWidget *window);

// ---- notices ------------------------------------------------------------------

enum class NoticeRoute { Toast, Balloon };

// A showing, not minimised window gets a toast; otherwise a visible tray icon
// gets a balloon; with neither, the toast.
NoticeRoute noticeRoute(bool windowShowing, bool trayVisible);
// MainWindow::notify calls this: routes `text` to the toast or to a balloon
// titled "Varnholt". The notices are alerts (low space): the toast shows them
// as warnings.
void notify(QWidget *window, Toast *toast, Tray *tray, const QString &text);

// ---- start-up checks ----------------------------------------------------------

// Less than a tenth of the drive free, the tenth taken by integer division;
// an unreadable drive (total 0) is never low.
bool isLowSpace(qint64 totalBytes, qint64 availableBytes);
// "%1 is almost full. Run Smart Scan to free up space." (context "Main").
QString lowSpaceMessage(const QString &driveName);
// Whether the forecast warrants the alert: full in less than a week.
bool isFillingFast(const SpaceForecast &outlook);
// "%1 is filling up: at this rate it is full in about %n day(s). Run Smart
// Scan to free up space." (context "Main").
QString fillingFastMessage(const QString &driveName, double daysUntilFull);
// "Varnholt was updated to version %1." (context "Main").
QString updatedMessage(const QString &version);

struct StartupHooks
{
    std::function<void(const QString &)> notify;  // MainWindow::notify
    std::function<void(const QString &)> toast;   // the toast, never a balloon
};

// The checks run once, 400 ms after the event loop starts, in this order and
// independently of one another: the free space is recorded for the forecast,
// the low-space alert (when enabled; when the drive is not low yet but the
// forecast says full within a week, that warning instead), the "--updated"
// message, the scheduled scan (when due); kFolderReadingDelayMs later, a
// reading of folder sizes (AppState::recordFolderSizesIfDue), and from then
// on every kFolderReadingCheckMs, so that a program kept in the tray for days
// still takes one reading a day. Nothing is cleaned.
//
//   QTimer::singleShot(400, &window, [&] {
//       runStartupChecks(&state, updated,
//                        {[&](const QString &t) { window.notify(t); },
//                         [&](const QString &t) { window.toast()->showMessage(t); }});
//   });
void runStartupChecks(AppState *state, bool updated, const StartupHooks &hooks);
inline constexpr int kFolderReadingDelayMs = 20000;
inline constexpr int kFolderReadingCheckMs = 3600 * 1000;

} // namespace ui

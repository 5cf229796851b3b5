#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <memory>

#include "app/appstate.h"
#include "app/platform.h"
#include "app/singleinstance.h"
#include "app/startupoptions.h"
#include "app/tray.h"
#include "app/trayduties.h"
#include "ui/dialogs/toast.h"
#include "ui/i18n.h"
#include "ui/mainwindow.h"
#include "ui/theme.h"

int main(int argc, char *argv[])
{
    // Fractional scale factors are used as they are; this must precede the
    // application object.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    // Declared first so that it is destroyed last, after the window and the
    // state below.
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    const StartupOptions options = StartupOptions::parse(QCoreApplication::arguments());

    // One copy per user session: a later start brings the running one
    // forward, or for a background start leaves it as it is, and ends.
    SingleInstance instance;
    if (!instance.claim(options.background ? SingleInstance::Request::Nothing : SingleInstance::Request::Show))
        return 0;

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The engines' signals carry these records across threads; they must be
    // known before the first engine exists.
    registerEngineTypes();

    // Language and theme come before any widget: widgets pick up translations,
    // fonts and the style sheet when they are constructed.
    ui::applyLanguage(&app);
    Theme::instance()->install(&app);

    // Destroyed in reverse order once the loop has ended: the window, then
    // the state, whose engines stop and join their workers, so a cleanup in
    // progress still finishes its log before the process exits.
    auto state = std::make_unique<AppState>();
    auto window = std::make_unique<ui::MainWindow>(state.get());

    window->restoreWindowGeometry();
    ui::MainWindow *w = window.get();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, w, [w] { w->saveWindowGeometry(); });
    QObject::connect(&instance, &SingleInstance::showRequested, w, &ui::MainWindow::showAndRaise);

    switch (options.initialShow(w->tray()->isVisible())) {
    case StartupOptions::Show::Normal:
        w->show();
        break;
    case StartupOptions::Show::Minimized:
        w->showMinimized();
        break;
    case StartupOptions::Show::Hidden:
        break;
    }

    // The installer and the uninstaller ask a running copy to end before
    // they touch its files; it quits as from its own menu.
    quitWhenInstallerAsks([] { QCoreApplication::quit(); });

    AppState *s = state.get();
    const bool updated = options.updated;
    QTimer::singleShot(400, w, [w, s, updated] {
        ui::runStartupChecks(s, updated,
                             {[w](const QString &text) { w->notify(text); },
                              [w](const QString &text) { w->toast()->showMessage(text, false); }});
    });

    const int code = app.exec();
    window.reset();
    state.reset();
    return code;
}

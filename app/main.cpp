#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>

#include "app/appstate.h"
#include "ui/i18n.h"
#include "ui/theme.h"

int main(int argc, char *argv[])
{
    // Fractional scale factors are used as they are; this must precede the
    // application object.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The engines' signals carry these records across threads; they must be
    // known before the first engine exists.
    registerEngineTypes();

    // Language and theme come before any widget: widgets pick up translations,
    // fonts and the style sheet when they are constructed.
    ui::applyLanguage(&app);
    Theme::instance()->install(&app);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Varnholt"));
    window.resize(1100, 720);
    window.show();
    return app.exec();
}

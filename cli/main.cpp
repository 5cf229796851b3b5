#include "app/appstate.h"
#include "app/language.h"
#include "cli/cataloguefile.h"
#include "cli/clitext.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/options.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int usageError(const QString &message)
{
    QTextStream err(console::errors());
    err << "varnholt-cli: " << message << '\n'
        << CliText::tr("Run \"varnholt-cli --help\" for the usage.") << '\n';
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The same per-user store as the window's: defaults come from there.
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    // The window's language: VARNHOLT_LANG, the saved choice, or the system's.
    loadLanguage(&app);

    const Options options = parseOptions(QCoreApplication::arguments().mid(1));
    if (!options.error.isEmpty())
        return usageError(options.error);

    if (options.command != Options::Help && options.command != Options::Version) {
        if (const QStringList setAside = keepRootInItsOwnFolders(); !setAside.isEmpty())
            QTextStream(console::errors())
                << "varnholt-cli: "
                //: %1: a list of folders; %2: the environment variables ignored
                << CliText::tr("As root, Varnholt works in root's own folders (%1) and ignores %2: "
                               "another user can change where they lead.")
                       .arg(QDir::homePath(), setAside.join(QLatin1String(", ")))
                << '\n';
    }

    switch (options.command) {
    case Options::Help:
        QTextStream(console::output()) << usageText();
        return 0;
    case Options::Version:
        QTextStream(console::output()) << "varnholt-cli " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    case Options::Measure:
        return runMeasure(options);
    case Options::Forecast:
        return runForecast(options);
    default:
        break;
    }

    CatalogueSource source;
    QList<CategoryDef> fixture;
    const QString catalogueFile = qEnvironmentVariable("VARNHOLT_CATALOGUE");
    if (!catalogueFile.isEmpty()) {
        QString error;
        if (!loadCatalogueFile(catalogueFile, &fixture, &error)) {
            QTextStream(console::errors()) << "varnholt-cli: " << error << '\n';
            return 1;
        }
        source = [fixture] { return fixture; };
    }

    if (options.command == Options::Clean) {
        QStringList known;
        for (const CategoryDef &def : source ? fixture : defaultCategories())
            known.append(def.id);
        if (const QString error = checkCategories(options.categories, known); !error.isEmpty())
            return usageError(error);
    }

    registerEngineTypes();
    installInterruptHandler();
    AppState state(source);
    AppState::Overrides overrides;
    overrides.exclusions = options.exclusions;
    overrides.moveToTrash = options.moveToTrash;
    overrides.largeThresholdBytes = options.thresholdBytes;
    state.setOverrides(overrides);

    switch (options.command) {
    case Options::Scan: return runScan(state, options);
    case Options::Clean: return runClean(state, options);
    case Options::Large: return runLarge(state, options);
    case Options::Restore: return runRestore(state, options);
    case Options::Grew: return runGrew(state, options);
    default: return 2;
    }
}

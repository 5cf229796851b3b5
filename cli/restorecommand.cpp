#include "cli/commands.h"

#include "app/appstate.h"
#include "app/platform.h"
#include "cli/clitext.h"
#include "cli/console.h"
#include "cli/output.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

using namespace cli;

namespace {

QJsonObject restoreJson(const RestoreReport &report)
{
    QJsonArray left;
    QJsonObject counts;
    for (const RestoreReport::Left &l : report.left)
        left.append(QJsonObject{{QStringLiteral("path"), l.path},
                                {QStringLiteral("reason"), RestoreReport::reasonKey(l.reason)}});
    for (const RestoreReport::Reason reason : {RestoreReport::NotInTrash, RestoreReport::PlaceTaken,
                                               RestoreReport::CouldNotMove, RestoreReport::NotTrashEntry,
                                               RestoreReport::Ambiguous})
        counts.insert(RestoreReport::reasonKey(reason), report.count(reason));
    return QJsonObject{
        {QStringLiteral("logPath"), nativePath(report.logPath)},
        {QStringLiteral("logRead"), report.logRead},
        {QStringLiteral("byRecords"), report.byRecords},
        {QStringLiteral("restored"), report.restored},
        {QStringLiteral("restoredBytes"), report.restoredBytes},
        {QStringLiteral("notRestored"), counts},
        {QStringLiteral("left"), left},
    };
}

} // namespace

int runRestore(AppState &state, const Options &options)
{
    QTextStream err(console::errors());
    QString log = options.path;
    if (log.isEmpty()) {
        // The latest run that has anything in the bin, not one after it that
        // deleted for good.
        log = state.latestRestorableLog();
        if (log.isEmpty()) {
            err << "varnholt-cli: "
                << onPlatform(CliText::tr("No cleanup has moved anything to the Recycle Bin; there is nothing to "
                                          "restore."),
                              CliText::tr("No cleanup has moved anything to the Trash; there is nothing to restore."))
                << '\n';
            return 1;
        }
    }
    log = QDir::cleanPath(QFileInfo(log).absoluteFilePath());
    if (!QFileInfo(log).isFile()) {
        err << "varnholt-cli: " << CliText::tr("Cannot read %1.").arg(shownPath(log))
            << '\n';
        return 1;
    }

    state.restoreCleanup(log);
    if (state.restoreRunning()) {
        QEventLoop loop;
        QObject::connect(&state, &AppState::restoreChanged, &loop, [&] {
            if (!state.restoreRunning())
                loop.quit();
        });
        loop.exec();
    }
    const RestoreReport &report = state.lastRestore();
    // A log of a run that deleted for good lists nothing to bring back:
    // "Restored 0 items" would read as a restore that worked.
    const bool nothingMoved = report.logRead && report.restored == 0 && report.left.isEmpty();
    if (options.json) {
        printJson(restoreJson(report));
    } else if (nothingMoved) {
        err << "varnholt-cli: "
            << onPlatform(CliText::tr("That cleanup moved nothing to the Recycle Bin; there is nothing to restore."),
                          CliText::tr("That cleanup moved nothing to the Trash; there is nothing to restore."))
            << '\n';
    } else {
        QTextStream out(console::output());
        out << AppState::restoreSummary(report) << '\n';
        for (const RestoreReport::Left &l : report.left)
            out << "  " << shown(l.path) << "  (" << RestoreReport::reasonText(l.reason) << ")\n";
        out << CliText::tr("Log: %1").arg(shownPath(report.logPath)) << '\n';
    }
    return report.logRead && report.left.isEmpty() && !nothingMoved ? 0 : 1;
}

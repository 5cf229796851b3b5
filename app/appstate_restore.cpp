// AppState: putting back what cleanups moved to the Recycle Bin, and the
// cleanups the log folder remembers.

#include "app/appstate.h"

#include "clean/cleanuplog.h"

#include <QDir>

#include <algorithm>
#include <climits>

void AppState::restoreCleanup(const QString &logPath)
{
    if (m_cleaner->isRunning() || m_restorer->isRunning())
        return;
    QStringList logs = logPath.isEmpty() ? QStringList{m_lastReport.logPath} + m_lastReport.retryLogPaths
                                         : QStringList{logPath};
    logs.removeAll(QString());
    if (logs.isEmpty())
        return;
    m_restoreQueue = logs;
    m_restoreSoFar = RestoreReport();
    m_restorer->start(m_restoreQueue.takeFirst());
    emit restoreChanged();
}

bool AppState::restoreRunning() const
{
    return m_restorer->isRunning() || !m_restoreQueue.isEmpty();
}

bool AppState::lastCleanupRestored() const
{
    return !m_lastReport.logPath.isEmpty() && m_lastRestore.logPath == m_lastReport.logPath && m_lastRestore.logRead;
}

void AppState::onRestoreFinished(const RestoreReport &report)
{
    joinFinished(m_restorer);
    // The logs of one restore add up to one report, named by the first.
    RestoreReport sum = m_restoreSoFar.logPath.isEmpty() ? report : m_restoreSoFar;
    if (!m_restoreSoFar.logPath.isEmpty()) {
        sum.logRead = sum.logRead && report.logRead;
        sum.byRecords = sum.byRecords || report.byRecords;
        sum.restored += report.restored;
        sum.restoredBytes += report.restoredBytes;
        sum.items += report.items;
        sum.left += report.left;
    }
    if (!m_restoreQueue.isEmpty()) {
        m_restoreSoFar = sum;
        m_restorer->start(m_restoreQueue.takeFirst());
        return;
    }
    m_restoreSoFar = RestoreReport();
    m_lastRestore = sum;
    if (sum.logPath == m_lastReport.logPath)
        m_lastCleanupRestorable = false;
    // What came back is measured again, as after a cleanup: the categories
    // whose roots hold a restored item, and the bin it left.
    if (sum.restored > 0 && !m_results.isEmpty()) {
        for (const CategoryDef &def : std::as_const(m_defs)) {
            const bool touched = def.isTrash
                || std::any_of(def.roots.cbegin(), def.roots.cend(), [&sum](const CategoryRoot &root) {
                       const QString base = QDir::fromNativeSeparators(root.path) + QLatin1Char('/');
                       return std::any_of(sum.items.cbegin(), sum.items.cend(),
                                          [&base](const QString &item) { return item.startsWith(base); });
                   });
            if (touched)
                m_stale.insert(def.id);
        }
        remeasureStale();
        emit resultsChanged();
    }
    refreshVolume();
    emit restoreChanged();
    emit toast(restoreSummary(sum), false, !sum.logRead || sum.restored == 0 || !sum.left.isEmpty());
}

QString AppState::restoreSummary(const RestoreReport &report)
{
    if (!report.logRead)
        return tr("That cleanup log could not be read; nothing was restored.");
    const int restored = int(std::min<qint64>(report.restored, INT_MAX));
    //: Result line after restoring a cleanup; may be followed by the size in brackets
    QString text = onPlatform(tr("Restored %n item(s) from the Recycle Bin", nullptr, restored),
                              //: Result line after restoring a cleanup; may be followed by the size in brackets
                              tr("Restored %n item(s) from the Trash", nullptr, restored));
    if (report.restored > 0)
        text += QStringLiteral(" (") + formatSize(report.restoredBytes) + QLatin1Char(')');
    for (const RestoreReport::Reason reason : {RestoreReport::NotInTrash, RestoreReport::PlaceTaken,
                                               RestoreReport::CouldNotMove, RestoreReport::Ambiguous,
                                               RestoreReport::NotTrashEntry}) {
        const qint64 n = report.count(reason);
        if (n > 0)
            text += QStringLiteral(" · ")
                + tr("%Ln not restored: %1", "%1: why, e.g. no longer in the bin", int(std::min<qint64>(n, INT_MAX)))
                      .arg(RestoreReport::reasonText(reason));
    }
    if (report.byRecords)
        text += QStringLiteral(" · ") + onPlatform(tr("found through the Recycle Bin's own records (an older log)"),
                                                     tr("found through the Trash's own records (an older log)"));
    return text;
}

QList<AppState::PastCleanup> AppState::recentCleanups(int max)
{
    QList<PastCleanup> out;
    const QStringList logs = CleanupLog::logs();
    for (const QString &path : logs) {
        if (out.size() >= max)
            break;
        const CleanupLog::Contents log = CleanupLog::read(path);
        if (!log.valid)
            continue;
        const bool moved = !log.moves.isEmpty() || !log.trashedItems.isEmpty();
        out.append({path, log.started, log.toTrash, log.freedText, moved, log.deleted, log.emptied,
                    moved && anythingLeftToRestore(path)});
    }
    return out;
}

QString AppState::latestRestorableLog() const
{
    const QStringList logs = CleanupLog::logs();
    for (const QString &path : logs) {
        const CleanupLog::Contents log = CleanupLog::read(path);
        if (log.valid && log.toTrash && (!log.moves.isEmpty() || !log.trashedItems.isEmpty()))
            return path;
    }
    return {};
}

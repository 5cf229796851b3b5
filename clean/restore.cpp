#include "clean/restore.h"

#include "clean/cleanuplog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

// The records that name one of `items` (or a path inside one, any case on
// Windows); a path more than one record names goes to `ambiguous` instead.
QList<restore::Entry> claimRecords(const QList<restore::Entry> &records, const QStringList &items,
                                   QStringList *ambiguous)
{
    const auto key = [](const QString &path) {
#ifdef Q_OS_WIN
        return path.toLower();
#else
        return path;
#endif
    };
    QHash<QString, QList<restore::Entry>> claims;
    QStringList order;
    for (const restore::Entry &r : records) {
        const QString k = key(r.original);
        const bool claimed = std::any_of(items.cbegin(), items.cend(), [&](const QString &item) {
            const QString i = key(item);
            return k == i || k.startsWith(i + QLatin1Char('/'));
        });
        if (!claimed)
            continue;
        if (!claims.contains(k))
            order.append(k);
        claims[k].append(r);
    }
    QList<restore::Entry> out;
    for (const QString &k : std::as_const(order)) {
        const QList<restore::Entry> &found = claims[k];
        if (found.size() == 1)
            out.append(found.first());
        else
            ambiguous->append(found.first().original);
    }
    return out;
}

// The clock of a log's header and the bin's deletion dates count whole
// seconds; a little slack keeps an entry trashed in the run's last second in.
constexpr int kWindowSlackSecs = 2;

} // namespace

qint64 RestoreReport::count(Reason reason) const
{
    return std::count_if(left.cbegin(), left.cend(), [reason](const Left &l) { return l.reason == reason; });
}

QString RestoreReport::reasonKey(Reason reason)
{
    switch (reason) {
    case NotInTrash: return QStringLiteral("notInTrash");
    case PlaceTaken: return QStringLiteral("placeTaken");
    case NotTrashEntry: return QStringLiteral("notTrashEntry");
    case Ambiguous: return QStringLiteral("ambiguous");
    case CouldNotMove: break;
    }
    return QStringLiteral("couldNotMove");
}

QString RestoreReport::reasonText(Reason reason)
{
    switch (reason) {
#ifdef Q_OS_WIN
    case NotInTrash: return QCoreApplication::translate("Restore", "no longer in the Recycle Bin");
    case NotTrashEntry: return QCoreApplication::translate("Restore", "the log does not name a Recycle Bin entry");
    case Ambiguous: return QCoreApplication::translate("Restore", "more than one Recycle Bin entry matches");
#else
    case NotInTrash: return QCoreApplication::translate("Restore", "no longer in the trash");
    case NotTrashEntry: return QCoreApplication::translate("Restore", "the log does not name a trash entry");
    case Ambiguous: return QCoreApplication::translate("Restore", "more than one trash entry matches");
#endif
    case PlaceTaken: return QCoreApplication::translate("Restore", "its place is taken");
    case CouldNotMove: break;
    }
    return QCoreApplication::translate("Restore", "could not be moved back");
}

bool anythingLeftToRestore(const QString &logPath)
{
    const CleanupLog::Contents log = CleanupLog::read(logPath);
    if (!log.valid || !log.toTrash)
        return false;
    if (!log.moves.isEmpty()) {
        return std::any_of(log.moves.cbegin(), log.moves.cend(), [](const CleanupLog::Move &m) {
            const QFileInfo in(m.inTrash);
            return in.exists() || in.isSymLink();
        });
    }
    if (log.trashedItems.isEmpty())
        return false;
    const QDateTime from = log.started.addSecs(-kWindowSlackSecs);
    const QDateTime to = std::max(log.written, log.started).addSecs(kWindowSlackSecs);
    QStringList ambiguous;
    return !claimRecords(restore::recordsBetween(restore::bins(), from, to), log.trashedItems, &ambiguous).isEmpty()
        || !ambiguous.isEmpty();
}

RestoreReport restoreRun(const QString &logPath, const std::function<void(int, int, const QString &)> &progress,
                         const std::atomic_bool *stop)
{
    RestoreReport report;
    report.logPath = logPath;
    const CleanupLog::Contents log = CleanupLog::read(logPath);
    report.logRead = log.valid;
    report.items = log.trashedItems;
    if (!log.valid || !log.toTrash)
        return report;

    // The run's window is from its header to the last write of its log.
    const QDateTime from = log.started.addSecs(-kWindowSlackSecs);
    const QDateTime to = std::max(log.written, log.started).addSecs(kWindowSlackSecs);
    const QStringList bins = restore::bins();
    QList<restore::Entry> entries;
    for (const CleanupLog::Move &m : log.moves)
        entries.append({m.original, m.inTrash, from, to});
    if (entries.isEmpty() && !log.trashedItems.isEmpty()) {
        // Written before the bin places were logged.
        report.byRecords = true;
        QStringList ambiguous;
        entries = claimRecords(restore::recordsBetween(bins, from, to), log.trashedItems, &ambiguous);
        for (const QString &path : std::as_const(ambiguous))
            report.left.append({QDir::toNativeSeparators(path), RestoreReport::Ambiguous});
        // An item of which nothing was found has left the bin.
        for (const QString &item : log.trashedItems) {
            const QString inside = item + QLatin1Char('/');
            const auto claims = [&](const QString &p) { return p == item || p.startsWith(inside); };
            const bool found = std::any_of(entries.cbegin(), entries.cend(),
                                           [&](const restore::Entry &e) { return claims(e.original); })
                || std::any_of(ambiguous.cbegin(), ambiguous.cend(), claims);
            if (!found)
                report.left.append({QDir::toNativeSeparators(item), RestoreReport::NotInTrash});
        }
    }

    // Folders before what was inside them: an item moved entry by entry
    // left its folder behind, and a parent taken back first gives its
    // children their place again.
    std::stable_sort(entries.begin(), entries.end(), [](const restore::Entry &a, const restore::Entry &b) {
        return a.original.count(QLatin1Char('/')) < b.original.count(QLatin1Char('/'));
    });
    const int total = int(entries.size());
    for (int i = 0; i < total; ++i) {
        if (stop && stop->load())
            break;
        const restore::Entry &e = entries.at(i);
        if (progress)
            progress(i, total, QDir::toNativeSeparators(e.original));
        RestoreReport::Reason reason = RestoreReport::CouldNotMove;
        qint64 bytes = 0;
        if (restore::putBack(e, bins, &reason, &bytes)) {
            ++report.restored;
            report.restoredBytes += bytes;
        } else {
            report.left.append({QDir::toNativeSeparators(e.original), reason});
        }
    }
    if (progress)
        progress(total, total, QString());
    return report;
}

Restorer::Restorer(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<RestoreReport>();
}

Restorer::~Restorer()
{
    m_stop.store(true);
    m_future.waitForFinished();
}

void Restorer::start(const QString &logPath)
{
    if (isRunning())
        return;
    m_stop.store(false);
    m_running.store(true);
    m_future = QtConcurrent::run(QThreadPool::globalInstance(), [this, logPath] {
        const RestoreReport report = restoreRun(
            logPath, [this](int done, int total, const QString &path) { emit progress(done, total, path); }, &m_stop);
        m_running.store(false);
        emit finished(report);
    });
}

void Restorer::wait()
{
    m_future.waitForFinished();
}

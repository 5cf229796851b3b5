#pragma once

// Measures every category of a catalogue on one worker of the global thread
// pool and reports each category as it finishes. A scan only reads the disk.
//
// Signals come from the worker thread, in this order: started, then per
// category categoryStarted, any number of progress, categoryFinished and one
// progress with an empty path, and finally finished. Connect with automatic
// (queued) connections.

#include "scan/appguard.h"
#include "scan/category.h"
#include "scan/pathrules.h"

#include <QFuture>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <atomic>

class Scanner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Scanner)

public:
    // Scans defaultCategories().
    explicit Scanner(QObject *parent = nullptr);
    // Scans whatever `source` yields; tests hand it catalogues over
    // temporary folders so that no real system folder is ever read.
    explicit Scanner(CatalogueSource source, QObject *parent = nullptr);
    // Stops a running scan and waits for its worker.
    ~Scanner() override;

    // Takes effect with the next start(); a running scan keeps its source.
    void setCatalogueSource(CatalogueSource source);

    // Ignored while a scan runs.
    void start(const QStringList &exclusions);
    // Asks the worker to leave at its next check; returns at once. The
    // category in progress is dropped and finished() reports cancelled.
    void stop();
    bool isRunning() const;
    // How often progress comes from inside a category, for every scan from
    // the next one on (60 ms; tests set 0 to see every step, so that a
    // category of a few hundred milliseconds shows its way on any machine).
    static void setProgressInterval(int ms);
    // Blocks until the current scan (if any) is over.
    void wait();

    // The running processes seen at the start of the last scan. Read it only
    // while no scan runs: the worker replaces it.
    const RunningApps &runningApps() const { return m_apps; }

signals:
    void started(const QList<CategoryDef> &defs);
    void categoryStarted(int index);
    void progress(qint64 foundBytes, qint64 filesChecked, const QString &currentPath);
    void categoryFinished(int index, const CategoryResult &result);
    void finished(const QList<CategoryResult> &results, bool cancelled);

private:
    void run(const CatalogueSource &source, const QStringList &exclusions);
    CategoryResult scanCategory(const CategoryDef &def, const QStringList &exclusions,
                                const ExclusionMatcher &excluded, const OpenFiles &open, qint64 foundSoFar,
                                qint64 *examinedFiles);
    bool cancelled() const { return m_cancel.load(std::memory_order_relaxed); }

    // Whether the current user owns the entry at path (a link is not
    // followed). Platforms without per-file owners answer true.
    static bool isOwnEntry(const QString &path);
    // Whether the Recycle Bin (Trash) of the item's drive can take it (a
    // TrashFit value), found without moving or creating anything. What is
    // learnt of a drive is kept in `drives` (by a key of the platform's), so
    // that each drive is looked at once in a scan. What cannot be told before
    // a move is left to the cleaner, which reports it with its reason.
    static int trashFit(const ScanItem &item, QHash<QString, qint64> &drives);

public:
    // Whose entries of shared folders a run may offer: the effective user,
    // or, for root elevated through pkexec or sudo, the invoking user; -1
    // (nobody's) when that is root or a system account (below UID_MIN of
    // `loginDefs`) or cannot be read.
    static qint64 tempOwner(qint64 effectiveUid, const QString &pkexecUid, const QString &sudoUid,
                            const QString &loginDefs);

    CatalogueSource m_source;
    std::atomic_bool m_cancel{false};
    // Cleared just before finished() so that its receivers see an idle engine.
    std::atomic_bool m_running{false};
    RunningApps m_apps;
    QFuture<void> m_future;
};

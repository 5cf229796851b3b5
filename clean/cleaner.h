#pragma once

// Removes the items of the selected scan results, by moving them to the
// Recycle Bin (Trash) or by deleting them permanently, retries busy files,
// writes one cleanup log per run and ends every run with one CleanReport.
//
// Nothing outside the selected items is ever touched: every item is checked
// again against exclusions, protected locations, guarded application data
// and running applications, and removal never follows a link. On Linux the
// folder that holds an item is reached as the scan reached it; the item and
// everything below it are opened without following links, so a folder that
// was replaced by a link after the scan is not entered. Files that some
// process holds open are treated as busy there, as Windows would.

#include "scan/category.h"

#include <QDateTime>
#include <QFuture>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// One path of a preview: what the run would remove or move (a file, a link,
// or a folder that would go whole, with everything in it), or what it would
// leave where it is and why.
struct PreviewEntry
{
    QString path;         // native separators; the Recycle Bin by its name
    qint64 bytes = 0;     // on disk; a folder: the files in it, each name once
    bool isFolder = false;
    bool toTrash = false; // would be moved to the Recycle Bin, not deleted
    QString reason;       // kept entries: the reason as the log words it

    friend bool operator==(const PreviewEntry &, const PreviewEntry &) = default;
};

struct CleanReport
{
    // Space released: files deleted for good and the emptied Recycle Bin.
    qint64 freedBytes = 0;
    // What went to the Recycle Bin instead: gone from its place, but still on
    // the disk until the bin is emptied.
    qint64 trashedBytes = 0;
    qint64 filesRemoved = 0;      // deleted or moved
    qint64 skippedCount = 0;
    // Of skippedCount, those left for a reason other than being in use or
    // in a protected place (a mount point, replaced since the scan, could
    // not be opened, no room...): the log words each one's reason.
    qint64 skippedOther = 0;
    // First five skipped paths, native separators, other than those the
    // Recycle Bin could not take (noTrash).
    QStringList skippedSamples;
    // What stayed because the Recycle Bin could not take it (an item of a
    // drive without one, or an entry the bin refused), also counted in
    // skippedCount: the path, native separators, and the reason as the log
    // words it.
    QList<QPair<QString, QString>> noTrash;
    QStringList cleanedCategories;  // ids, in processing order
    // The ids of those of them that something was deleted from, moved out of
    // or emptied from, in processing order.
    QStringList removedFrom;
    QString logPath;  // empty when no log could be made (and for a preview)
    // The logs of the retries of this run's busy files, oldest first: the
    // window's report adds each retry to the first run's.
    QStringList retryLogPaths;
    bool needsAdmin = false;        // a final failure in an admin category, not elevated
    QStringList runningApps;        // apps whose caches were left alone, each once
    // Entries of items offered under an age rule (temporary files) that
    // stayed whole because something in them was touched since the scan,
    // native separators. Like the caches of running apps, they are not
    // counted as skipped: nothing failed, the rule held.
    QStringList changedSinceScan;

    // A program holding skipped files open.
    struct Holder
    {
        QString name;
        QList<qint64> pids;  // each once, in the order met
        qint64 files = 0;    // skipped files it holds

        friend bool operator==(const Holder &, const Holder &) = default;
    };
    // The programs holding the files that stayed busy, most files first (in
    // the order met among equals), and how many of those files some program
    // holds. Only processes that could be asked count (on Linux the user's
    // own; other users' stay unnamed).
    QList<Holder> holders;
    qint64 heldFiles = 0;

    // What stayed busy through every retry (also counted in skippedCount),
    // for trying again: the file (or, moving to the bin, the folder) as the
    // run named it, the category it was cleaned with and what it held.
    struct Busy
    {
        QString path;
        QString category;  // id
        qint64 bytes = 0;
        qint64 files = 0;

        friend bool operator==(const Busy &, const Busy &) = default;
    };
    QList<Busy> busy;
    // The items left alone because their program was running (runningApps
    // names the programs), for trying again once it has quit. Not skipped:
    // nothing failed, the rule held.
    QList<Busy> leftRunning;

    // A preview removes nothing and writes no log: its counts, samples and
    // flags say what the run would report, its byte and file figures stay 0,
    // and these two lists, sorted by path, say what would go and what would
    // stay. A path that would go is listed once, at the highest folder that
    // would go whole.
    bool preview = false;
    QList<PreviewEntry> wouldGo;
    QList<PreviewEntry> wouldKeep;

    friend bool operator==(const CleanReport &, const CleanReport &) = default;
};

Q_DECLARE_METATYPE(CleanReport)

class Cleaner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Cleaner)

public:
    using Clock = std::function<QDateTime()>;

    explicit Cleaner(QObject *parent = nullptr);
    // Sets the stop flag and waits for the worker; a run in progress leaves
    // its loops, skips the retries and still finishes its log.
    ~Cleaner() override;

    // Ignored while a run is going. The arguments are copied into the run.
    // Moving to the bin, an item the scan found the bin cannot take
    // (ScanItem::trashFit) stays where it is, unless its deleteInstead is set:
    // then it is deleted for good, and the log's mode line says so.
    void start(const QList<CategoryResult> &results, bool moveToTrash, const QStringList &exclusions);
    // The same run with the same checks, down to the point where a file or
    // folder would be deleted or moved: there, it is recorded instead. Busy
    // files are not waited for, and no log is written. Ends with finished()
    // and a report whose `preview` is set.
    void startPreview(const QList<CategoryResult> &results, bool moveToTrash, const QStringList &exclusions);
    bool isRunning() const;
    // Blocks until the current run (if any) is over.
    void wait();

    // Source of the local time the log is named and headed with (tests pin
    // it); takes effect with the next start().
    void setClock(Clock clock);
    // The unit of the waits before the three retry passes (500 ms: waits of
    // 500, 1000 and 1500 ms); tests shorten it.
    void setRetryDelay(int ms);
    // How often a folder item being deleted reports its progress (100 ms);
    // tests set 0 to see every file.
    void setProgressInterval(int ms);

signals:
    void progress(qint64 doneBytes, qint64 totalBytes, const QString &currentPath);
    void finished(const CleanReport &report);

private:
    struct Job;
    void launch(Job job);
    void run(const Job &job);
    bool stopping() const { return m_stop.load(std::memory_order_relaxed); }

    std::atomic_bool m_stop{false};
    // Cleared just before finished() so that its receivers see an idle engine.
    std::atomic_bool m_running{false};
    QFuture<void> m_future;
    Clock m_clock;
    int m_retryDelayMs = 500;
    int m_progressIntervalMs = 100;
};

#pragma once

// Puts back what one trash-mode cleanup moved to the Recycle Bin (Trash),
// read from that run's log (clean/cleanuplog.h).
//
// Each entry goes back to the path it came from, and only when it is still
// the very entry the run put there: the log names its place in the bin, and
// the bin's own record of that place (the .trashinfo, or the "$I" file on
// Windows) must name the same original path and a deletion time within the
// run, from the log's header to its last write. A file of the same name that
// a later run moved to the same place stays in the bin. Nothing is ever overwritten: an
// entry whose place is taken again stays in the bin. Folders missing on the
// way back are made again as plain folders, never through a link. The bin's
// record goes with the entry it describes.
//
// Logs from before the bin places were written are matched through the bin's
// records instead: an entry whose recorded path is a TRASHED item (or lies
// inside one) and whose deletion time falls within the run. A path that more
// than one such entry claims is left alone.

#include <QDateTime>
#include <QFuture>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

struct RestoreReport
{
    enum Reason {
        NotInTrash,     // emptied from the bin, or no longer the entry the run made
        PlaceTaken,     // something is at the original path again
        CouldNotMove,   // the system refused the move (or a link is on the way)
        NotTrashEntry,  // the log names no place inside a bin: not acted on
        Ambiguous,      // an older log, and several entries claim the path
    };
    struct Left
    {
        QString path;  // where it came from, native separators
        Reason reason = CouldNotMove;
    };

    QString logPath;
    bool logRead = false;     // the file is a cleanup log
    bool byRecords = false;   // an older log: entries were found through the bin's records
    qint64 restored = 0;      // entries put back
    qint64 restoredBytes = 0; // their size on disk
    QStringList items;        // the items the run moved, as its log names them ('/' separators)
    QList<Left> left;

    qint64 count(Reason reason) const;
    // A stable word for each reason ("notInTrash", "placeTaken", ...).
    static QString reasonKey(Reason reason);
    // The reason as the user reads it (translation context "Restore").
    static QString reasonText(Reason reason);
};

Q_DECLARE_METATYPE(RestoreReport)

// The whole restore of one log, on the calling thread. `progress`, when set,
// is told (entries done, entries in all, current path). `stop`, when set,
// ends the work before the next entry.
RestoreReport restoreRun(const QString &logPath, const std::function<void(int, int, const QString &)> &progress = {},
                         const std::atomic_bool *stop = nullptr);

// Whether anything the run logged at `logPath` moved is still in the bin
// (what restoreRun could look at; its records are not checked here).
bool anythingLeftToRestore(const QString &logPath);

// Runs restoreRun on the global thread pool, one run at a time.
class Restorer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Restorer)

public:
    explicit Restorer(QObject *parent = nullptr);
    // Stops before the next entry and waits for the worker.
    ~Restorer() override;

    // Ignored while a run is going.
    void start(const QString &logPath);
    bool isRunning() const { return m_running.load(); }
    void wait();

signals:
    void progress(int done, int total, const QString &path);
    void finished(const RestoreReport &report);

private:
    std::atomic_bool m_stop{false};
    std::atomic_bool m_running{false};
    QFuture<void> m_future;
};

// ---- the platform half (restore_posix.cpp, restore_win.cpp) ------------------

namespace restore {

// One entry to put back.
struct Entry
{
    QString original;  // '/' separators
    QString inTrash;   // '/' separators
    // The run's time (local, inclusive): the bin's record must date the
    // entry's deletion within it.
    QDateTime from;
    QDateTime to;
};

// The bin folders of this user that an entry may be taken from: the trash
// folders on Linux, each drive's "$Recycle.Bin/<SID>" on Windows.
QStringList bins();

// Puts `entry` back when its place in the bin lies directly inside one of
// `bins` and the bin's record of it fits the entry; true when it came back, else *reason says why not. *bytes is its
// size on disk when it came back.
bool putBack(const Entry &entry, const QStringList &bins, RestoreReport::Reason *reason, qint64 *bytes);

// For logs without bin places: the entries of every bin whose record was
// made between `from` and `to` (local times, inclusive) and whose data is
// still there.
QList<Entry> recordsBetween(const QStringList &bins, const QDateTime &from, const QDateTime &to);

} // namespace restore

#pragma once

// The removal primitives of the Cleaner, one implementation per platform
// (cleaner_win.cpp, cleaner_posix.cpp). cleaner.cpp decides what to remove;
// these decide how, and report every file that could not be removed.
//
// `anchor` is the folder that holds the item being cleaned. It is reached as
// the scan reached it; every folder below it is opened without following
// links, relative to the open folder above it (a descriptor on Linux, a
// handle on Windows).

#include "scan/appguard.h"
#include "scan/pathrules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <QHash>

#include <functional>
#include <mutex>

namespace removal {

// What a preview run records at the points where a real run would delete or
// move something. The platform code calls it instead of changing anything,
// with paths spelt as it spells the failures it reports. Thread-safe: the
// parallel tree remover records from several threads.
class Preview final
{
public:
    struct Gone
    {
        qint64 bytes = 0;
        bool isFolder = false;
    };

    // `path` (a file, a link, or a folder moved whole) would go.
    void gone(const QString &path, qint64 bytes, bool isFolder);
    // A folder would be removed once emptied exactly when every entry it
    // holds now (`children`, full paths) would go. Then its entries' records
    // become one record of the folder, and true is returned.
    bool folderGone(const QString &path, const QStringList &children);
    // Everything recorded since the last take(), emptied.
    QHash<QString, Gone> take();

private:
    std::mutex m_mutex;
    QHash<QString, Gone> m_gone;
};

// A file that could not be removed on this attempt, with the system's error
// code (0 when there is none to give).
struct Failure
{
    QString path;
    quint32 error = 0;
    // Set for what no retry can change (a mount point, a tree deeper than
    // the descriptors allow, an entry the trash cannot take): the path is
    // skipped at once with this reason instead of being retried.
    QString reason;
};

// Reasons of skips that are not retried.
inline QString mountPointReason() { return QStringLiteral("another volume is mounted here"); }
// The bin is there but cannot take the entry (a name too long for its
// record, a file too large for it, a shell that cannot recycle).
inline QString noTrashReason()
{
#ifdef Q_OS_WIN
    return QStringLiteral("cannot be moved to the Recycle Bin here");
#else
    return QStringLiteral("cannot be moved to the trash here");
#endif
}
// The entry's drive has no bin that may be used: nothing on it can go there.
inline QString noTrashOnDriveReason()
{
#ifdef Q_OS_WIN
    return QStringLiteral("no Recycle Bin on this drive");
#else
    return QStringLiteral("no trash on this drive");
#endif
}
// Whether a skip with `reason` is one of the bin's.
inline bool isNoTrashReason(const QString &reason)
{
    return reason == noTrashReason() || reason == noTrashOnDriveReason();
}
inline QString tooDeepReason() { return QStringLiteral("too many open files"); }
// The bin's drive has no room for the entry's record (or its folders).
inline QString noSpaceReason() { return QStringLiteral("no space left on the drive"); }
// chattr +i or +a on the entry or its folder: nobody, root included, can
// delete or rename it until the flags are cleared.
inline QString pinnedReason() { return QStringLiteral("immutable or append-only"); }
// A name that is not valid text (UTF-8): it cannot be named again, so it
// stays, and is reported with its bytes escaped.
inline QString unnameableReason() { return QStringLiteral("name is not valid text"); }
// The error a busy folder is reported with (EBUSY; on Windows a sharing
// violation).
quint32 busyError();

enum class Reach {
    Folder,    // a real folder, its entries listed
    Gone,      // nothing there any more
    Replaced,  // a link or a file where the scan saw a folder
    Mount,     // another volume is mounted there, or on the way to it
    Unreadable,  // there, but it could not be opened or listed (no access)
};

class Remover final
{
public:
    Remover() = default;

    // Where files in use count as busy (Linux), the set of open files is
    // taken here, once per pass.
    void beginPass();

    // Names of the removable entries of `folder` (special files and names
    // that cannot be spelt again are left out; the latter, shown with their
    // bytes escaped, go to `unnameable`), `folder` itself not followed.
    Reach entries(const QString &anchor, const QString &folder, QStringList &names, QStringList &unnameable) const;

    // Removes `path` (file, link or whole folder) for good. Each file that
    // stays is appended to `failures`; folders that stay are not reported.
    void removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const;
    // Moves `path` to the Recycle Bin; a folder that cannot move as a whole is
    // moved entry by entry. Failures carry error 0.
    void moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const;

    // One more try at a single file; true once it is gone.
    bool retryDelete(const QString &anchor, const QString &path, quint32 &error) const;
    bool retryTrash(const QString &anchor, const QString &path) const;

    // Removes `path` when it is an empty folder.
    bool removeEmptyFolder(const QString &anchor, const QString &path) const;

    // The processes holding each of `paths` (the files of one item that
    // stayed busy), as the last pass saw them on Linux; on Windows one
    // Restart Manager session for them all.
    QHash<QString, QList<FileHolder>> holders(const QStringList &paths) const { return m_open.holders(paths); }
    // Whether `path` is a folder a program works in or one holding such a
    // folder (OpenFiles::holdsBusyFolder), as this pass sees it.
    bool holdsBusyFolder(const QString &path) const { return m_open.holdsBusyFolder(path); }

    // Told of each file removePermanently deletes: its bytes on disk, so that
    // a large folder shows progress while it goes, and its identity and link
    // count before the delete, so that a file whose other names stay is not
    // counted as freed. Empty: nobody is told.
    struct RemovedFile
    {
        qint64 bytes = 0;
        qint64 device = 0;
        qint64 inode = 0;  // 0 where the platform gives none
        int links = 1;
    };
    using Removed = std::function<void(const RemovedFile &file)>;
    void setOnRemoved(Removed onRemoved) { m_onRemoved = std::move(onRemoved); }

    // Told of each entry moveToTrash (or retryTrash) put into the Recycle
    // Bin: the place it came from and its place in the bin, which is what
    // a later restore of the run needs.
    using Trashed = std::function<void(const QString &original, const QString &inTrash)>;
    void setOnTrashed(Trashed onTrashed) { m_onTrashed = std::move(onTrashed); }

    // Entries below a path being removed that the user excluded stay, with
    // the folders that lead to them; a folder holding one is never moved to
    // the trash as a whole. Each excluded path met is told to onExcluded.
    // The matcher must outlive the removals.
    using Excluded = std::function<void(const QString &path)>;
    void setExclusions(const ExclusionMatcher *excluded, Excluded onExcluded)
    {
        m_excluded = excluded && !excluded->isEmpty() ? excluded : nullptr;
        m_onExcluded = std::move(onExcluded);
    }

    // With a preview set, every removal and move walks and decides as it
    // would, and records what it would take away in `preview` instead of
    // doing it (a file that could not go is reported as a failure, as it
    // would be). The preview must outlive the removals.
    void setPreview(Preview *preview) { m_preview = preview; }

private:
    Preview *m_preview = nullptr;
    OpenFiles m_open;
    Removed m_onRemoved;
    Trashed m_onTrashed;
    const ExclusionMatcher *m_excluded = nullptr;
    Excluded m_onExcluded;
};

} // namespace removal

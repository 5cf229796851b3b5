#pragma once

// Permanent removal of a whole folder tree (POSIX), by several threads once
// the tree turns out big (fs::walkThreads(); VARNHOLT_WALK_THREADS=1 keeps it
// on the calling thread). Folders of the tree are removed in parallel,
// each one after everything below it.
//
// The rules are the single-threaded removal's: every folder is opened
// relative to the open folder above it with O_NOFOLLOW (a folder swapped for
// a link is never entered: the link itself goes), entries are described
// relative to their folder, links are removed as themselves, other volumes
// and mount roots are never entered, special files and names that do not
// survive decodeName/encodeName are left alone, and a folder that keeps
// anything (a busy, failed, excluded or special entry) stays.

#include "clean/cleaner_p.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

#include <sys/stat.h>

namespace removal {

struct TreeHooks
{
    // Whether the user excluded `name` inside `folder` (the folder's path
    // as text; `isFolder`: the entry is a folder): such an entry stays, with
    // the folders that lead to it. With `report` set the exclusion is also
    // told to the user. Empty: nothing is excluded (and no text is built for
    // the check). Called from several threads at once with report false; the
    // one call with report true for each entry kept comes one at a time.
    std::function<bool(const QString &folder, const QString &name, bool isFolder, bool report)> keeps;
    // Whether a file (as described) is in use and must stay. Empty: none
    // is. Called from several threads at once.
    std::function<bool(const struct stat &st)> busy;
    // Files that have other names too stay, unreported.
    bool keepLinkedFiles = false;
    // Told of each file removed, one call at a time (from any thread of the
    // removal, while it runs).
    Remover::Removed onRemoved;
    // Set: nothing is removed; what would go is recorded here (see
    // unlinkEntry and removeEmptyEntry).
    Preview *preview = nullptr;
};

// The two points where a removal on POSIX deletes anything. With `preview`
// set nothing is deleted: an entry the caller may take out of its folder is
// recorded as gone, and a folder counts as removed when everything in it was
// recorded, exactly when the real removal would have found it empty.

// Deletes the non-folder entry `name` of the open folder `dirFd`, described
// by `st`, at `path`. False with errno set when it stays.
bool unlinkEntry(Preview *preview, int dirFd, const char *name, const struct stat &st, const QString &path);
// Removes the folder entry `name` of `dirFd` at `path` when it is empty.
bool removeEmptyEntry(Preview *preview, int dirFd, const char *name, const QString &path);
// Whether this process may take the entry `name`, described by `st`, out of
// the open folder `dirFd` (delete or rename it): write and search rights on
// the folder, a writable volume, in a sticky folder ownership of the entry
// or the folder, and neither the entry nor the folder immutable or
// append-only. False with errno set.
bool mayTakeOut(int dirFd, const char *name, const struct stat &st);
// Whether the entry `name` of `dirFd`, or the folder itself, carries the
// immutable or append-only flag (statx attributes; chattr +i, +a).
bool isPinned(int dirFd, const char *name);
// The failure for entry `name` of `dirFd` at `path` that failed with
// `error`: skipped at once with pinnedReason() when its flags keep it,
// otherwise retried (or skipped for running out of descriptors).
Failure failureAt(int dirFd, const char *name, const QString &path, int error);

// Removes entry `name` of the open folder `parentFd`, a folder on volume
// `device` whose path is `path`, with everything below it. Appends to
// `failures` every file that could not be removed (EBUSY for busy ones) and
// every folder that could not be opened (EMFILE/ENFILE with the reason
// "too many open files"); folders that stay are not reported. The failures
// of one call come sorted by path, so the report does not depend on the
// number of threads.
void removeTreeInParallel(const TreeHooks &hooks, int parentFd, const QByteArray &name, dev_t device,
                          const QString &path, QList<Failure> &failures);

} // namespace removal

#pragma once

// The one layer every measurement goes through. It talks to the operating
// system directly (handle-based listings on Windows, opendir/fstatat elsewhere),
// counts bytes on disk, never follows links, never recurses (an explicit stack
// bounds depth by memory instead of the thread's stack) and reports failures
// as values: unreadable folders are empty, unreadable paths give zeros.
//
// Every function is re-entrant and keeps no shared state; the scanner, the
// cleaner and the large-file finder call them from their own threads at once.

#include "scan/pathrules.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace fs {

struct Entry
{
    QString name;          // file name; for stat() the last path component
    bool isDir = false;
    bool isLink = false;   // symbolic link, junction, mount point, placeholder
    qint64 allocated = 0;  // bytes on disk
    qint64 size = 0;       // logical size, 0 for folders
    qint64 inode = 0;      // 0 where the platform has no cheap file identity
    int links = 1;         // hard-link count
    qint64 mtime = 0;      // ms since the Unix epoch, 0 when unknown
    qint64 atime = 0;
    qint64 ctime = 0;      // status change (Windows: ChangeTime)
    qint64 btime = 0;      // birth (Windows: creation); 0 where the file system keeps none
    qint64 device = 0;     // volume identity, 0 where unknown
    bool skip = false;     // special file or unnameable entry: never counted, listed or removed
    // A name that is not valid text (POSIX): also `skip`; `name` then shows
    // its bytes (posixfs::shownName) and names no file.
    bool unnameable = false;
    // Where another mount starts (a bind mount of the same volume included):
    // never entered, counted, moved or removed. Windows reports mounted
    // folders as links instead.
    bool isMount = false;
    // FILE_ATTRIBUTE_* bits (hidden, system, ...) on Windows; 0 elsewhere.
    quint32 attributes = 0;
};

struct Measure
{
    qint64 bytes = 0;
    qint64 files = 0;
    qint64 newest = 0;   // newest mtime of a file: what the pages show as "modified"
    // The newest time any user's action left on the tree, the root and its
    // folders included (see lastTouched()): what the age rules judge.
    qint64 touched = 0;
};

// When a user last did something to an entry, as far as its times tell: the
// newest of modification, status change (tar, unzip and cp -a restore the
// modification time of what they unpack, but the change time is always the
// unpacking), birth and, for files, access (a file read and not written).
// A folder's access time says nothing about the user: listing it, as every
// scan does, refreshes it.
inline qint64 lastTouched(bool isDir, qint64 mtime, qint64 ctime, qint64 atime, qint64 btime)
{
    qint64 t = mtime > ctime ? mtime : ctime;
    if (btime > t)
        t = btime;
    if (!isDir && atime > t)
        t = atime;
    return t;
}
inline qint64 lastTouched(const Entry &e)
{
    return lastTouched(e.isDir && !e.isLink, e.mtime, e.ctime, e.atime, e.btime);
}

// The engines' clock, ms since the Unix epoch: the scanner's age rules and
// the cleaner's second look at them read it. Tests move it forward
// (detail::setClockOffset) rather than faking file times, since no program
// can set a status-change time.
qint64 now();

// (folder being listed, bytes so far, files so far) of one measure() call.
using ProgressFn = std::function<void(const QString &dir, qint64 bytes, qint64 files)>;
// (parent folder, the subfolder's entry) -> true to leave that subfolder out.
using FolderFilter = std::function<bool(const QString &parent, const Entry &folder)>;
// (full path, entry) for every file walk() visits.
using FileFn = std::function<void(const QString &path, const Entry &entry)>;

// Entries of one folder without "." and "..", in the file system's order.
// A folder that cannot be opened gives an empty list. Like the system's own
// listing, a link given as `dir` is listed through; entries inside are
// described without following them.
QList<Entry> list(const QString &dir);

// Describes one path without following a final link; false (entry untouched)
// when its attributes cannot be read.
bool stat(const QString &path, Entry &entry);

// False only when listing the folder is refused for lack of permission; a
// missing folder gives true.
bool canList(const QString &dir);

// dir + name, adding '/' (on every system) unless dir already ends with a
// separator. Only '/' counts as one outside Windows: a backslash is an
// ordinary file-name character there.
QString join(const QString &dir, const QString &name);

// How two paths of this system compare: Windows' file names ignore case.
#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// Whether the folder can be reached from the catalogue base above it without
// following a link or entering another mount below the base (Linux); what a
// scan counts must be what a cleanup would reach. Always true on Windows.
bool reachableWithoutLinks(const QString &folder);

// Totals of a tree: bytes on disk, files, newest mtime. Hard links count once,
// links are never entered, other volumes and mount points are neither
// entered nor counted, and the entries
// below `path` that `excluded` matches are neither counted nor entered (the
// path itself is the caller's to check). A set cancel flag stops the walk
// before its next entry and returns what was counted so far. progress, when
// set, is called each time the files counted pass another multiple of 400
// (with one thread: after every 400th file).
//
// A big tree is walked by several threads (see walkThreads()); the totals
// are the same whatever their number. The callbacks (progress here, filter
// and onFile of walk()) are never called at the same time, but may be called
// from a helper thread while the call runs; `excluded` is read from all of
// them at once.
//
// `among`, when given, holds files by (device, inode) and is narrowed to
// those of them that the totals counted.
using FileIds = QSet<QPair<qint64, qint64>>;
Measure measure(const QString &path, const std::atomic_bool *cancel = nullptr,
                const ProgressFn &progress = {}, const ExclusionMatcher *excluded = nullptr,
                FileIds *among = nullptr);

// What a walk that wants only big files leaves out: files with fewer bytes on
// disk than `minAllocated` are counted, never described to onFile (a walk of
// a home folder meets hundreds of thousands of small files and would
// otherwise build a name and a path for each). `counted`, when set, hears
// (files met since its last call, the folder it was in last) after each
// folder that handed files to onFile, after every few hundred files met, and
// once more at the end, so the counts add up to every file of the walk; the
// files handed to onFile are counted too. Called like onFile, never at the
// same time as another callback.
struct WalkLimits
{
    qint64 minAllocated = 0;
    std::function<void(qint64 files, const QString &folder)> counted;
};

// Calls onFile for every file of the tree (links ignored, other volumes and
// filtered folders not entered). A root that is itself a link is not entered
// either: whatever walk() reports may end up removed, and a link's target is
// not the user's selection. True when the whole tree was visited, false when
// the cancel flag stopped it (no file is handed over once the flag is set).
// Files come folder by folder, but with several threads the folders come in
// no fixed order; the filter may be asked about a folder while files of
// another are still to come.
bool walk(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
          const FileFn &onFile, const WalkLimits &limits = {});

// How many threads a walk of a big tree keeps busy (POSIX). Every walk
// starts on the calling thread alone and takes helpers only once the tree
// turns out big (a few dozen folders, or a few milliseconds): `cpu` of them
// in all, one per core this process may run on, while listings come from
// memory; when the threads spend most of their time off the processor
// (waiting for the disk, mostly), more join, up to `io`, so that the reads of
// different folders overlap on the disk. The environment variable
// VARNHOLT_WALK_THREADS=N pins both to N (1 keeps every walk on the calling
// thread). Windows walks on the calling thread alone.
struct WalkThreads
{
    int cpu = 1;
    int io = 1;
};
WalkThreads walkThreads();

namespace detail {
// measure() and walk() written purely over list() and stat(). Windows uses
// them as they are; the POSIX build has a leaner walker with the same rules
// and its tests hold the two against each other.
Measure measureByListing(const QString &path, const std::atomic_bool *cancel,
                         const ProgressFn &progress, const ExclusionMatcher *excluded, FileIds *among = nullptr);
bool walkByListing(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
                   const FileFn &onFile, const WalkLimits &limits = {});

// Moves now() by `ms` (0: the system clock) for every thread.
void setClockOffset(qint64 ms);

// measure() calls the progress callback after every this many files.
inline constexpr int kProgressEvery = 400;

// For tests and benchmarks. threads > 0 pins the number of threads as
// VARNHOLT_WALK_THREADS does (and wins over it); 0 leaves it to walkThreads().
// helpersAfterFolders: how many folders the calling thread lists alone
// before a big walk takes helpers (0: at once).
struct WalkTuning
{
    int threads = 0;
    int helpersAfterFolders = 32;
};
void setWalkTuning(const WalkTuning &tuning);
WalkTuning walkTuning();
} // namespace detail

} // namespace fs

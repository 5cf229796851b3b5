#include "scan/fs.h"

#include <QDateTime>
#include <QDir>
#include <QPair>
#include <QScopeGuard>
#include <QSet>
#include <QThread>

#include <algorithm>

namespace fs {

namespace {

std::atomic_int tunedThreads{0};
std::atomic<qint64> clockOffset{0};
std::atomic_int tunedHelpersAfter{detail::WalkTuning().helpersAfterFolders};

} // namespace

WalkThreads walkThreads()
{
    // Read once: a walk of a cache root with three files must not pay for
    // the environment.
    static const int pinned = qEnvironmentVariableIntValue("VARNHOLT_WALK_THREADS");
    const int tuned = tunedThreads.load(std::memory_order_relaxed);
    const int fixed = tuned > 0 ? tuned : pinned;
    if (fixed > 0) {
        const int n = std::min(fixed, 64);
        return {n, n};
    }
    // Listings from memory: one thread per core. Listings from the disk:
    // eight in flight already keep a disk busy here (more gained nothing on
    // the machine this was tuned on); machines with many cores get more.
    static const int cores = std::clamp(QThread::idealThreadCount(), 1, 16);
    return {cores, std::clamp(2 * cores, 8, 32)};
}

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch() + clockOffset.load(std::memory_order_relaxed);
}

QString join(const QString &dir, const QString &name)
{
#ifdef Q_OS_WIN
    const bool endsWithSeparator = dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'));
#else
    const bool endsWithSeparator = dir.endsWith(QLatin1Char('/'));
#endif
    if (endsWithSeparator)
        return dir + name;
    // '/' on Windows too: every path the program compares keeps Qt's one
    // form, and a backslash after a root spelled with '/' would make a path
    // look as if it lay outside that root. Native separators are for display
    // and for the system calls, which take either.
    return dir + QLatin1Char('/') + name;
}

namespace detail {

void setClockOffset(qint64 ms)
{
    clockOffset.store(ms, std::memory_order_relaxed);
}

void setWalkTuning(const WalkTuning &tuning)
{
    tunedThreads.store(std::max(tuning.threads, 0), std::memory_order_relaxed);
    tunedHelpersAfter.store(std::max(tuning.helpersAfterFolders, 0), std::memory_order_relaxed);
}

WalkTuning walkTuning()
{
    return {tunedThreads.load(std::memory_order_relaxed), tunedHelpersAfter.load(std::memory_order_relaxed)};
}

namespace {

bool isCancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

bool otherVolume(qint64 device, qint64 rootDevice)
{
    return device != 0 && rootDevice != 0 && device != rootDevice;
}

} // namespace

Measure measureByListing(const QString &path, const std::atomic_bool *cancel,
                         const ProgressFn &progress, const ExclusionMatcher *excluded, FileIds *among)
{
    FileIds found;
    // Whatever way the call ends, `among` keeps what was counted.
    const auto narrow = qScopeGuard([&] {
        if (among)
            *among = found;
    });
    Measure total;
    Entry root;
    if (!stat(path, root) || root.skip)
        return total;
    if (!root.isDir || root.isLink) {
        total.bytes = root.allocated;
        total.files = root.isDir ? 0 : 1;
        total.newest = root.mtime;
        total.touched = lastTouched(root);
        if (!root.isDir && among && among->contains({root.device, root.inode}))
            found.insert({root.device, root.inode});
        return total;
    }
    total.touched = lastTouched(root);

    const bool filtering = excluded && !excluded->isEmpty();
    QSet<QPair<qint64, qint64>> seen;
    QList<QString> stack{path};
    int sinceProgress = 0;

    while (!stack.isEmpty() && !isCancelled(cancel)) {
        const QString folder = stack.takeLast();
        const QList<Entry> entries = list(folder);
        for (const Entry &e : entries) {
            if (e.skip || e.isMount || (filtering && excluded->matchesChild(folder, e.name, e.isDir && !e.isLink)))
                continue;
            if (filtering && !e.isDir && excluded->keepsFile(e.links))
                continue;
            if (!e.isDir) {
                if (e.links > 1 && e.inode != 0) {
                    const QPair<qint64, qint64> id(e.device, e.inode);
                    if (seen.contains(id))
                        continue;
                    seen.insert(id);
                }
                total.bytes += e.allocated;
                ++total.files;
                total.newest = qMax(total.newest, e.mtime);
                total.touched = qMax(total.touched, lastTouched(e));
                if (among && among->contains({e.device, e.inode}))
                    found.insert({e.device, e.inode});
                if (progress && ++sinceProgress == kProgressEvery) {
                    sinceProgress = 0;
                    progress(folder, total.bytes, total.files);
                }
                continue;
            }
            if (otherVolume(e.device, root.device))
                continue;
            total.touched = qMax(total.touched, lastTouched(e));
            if (e.isLink)
                continue;
            stack.append(join(folder, e.name));
        }
    }
    return total;
}

bool walkByListing(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
                   const FileFn &onFile, const WalkLimits &limits)
{
    Entry top;
    if (stat(root, top) && (top.isLink || top.skip))
        return !isCancelled(cancel);

    QList<QString> stack{root};
    while (!stack.isEmpty()) {
        if (isCancelled(cancel))
            return false;
        const QString folder = stack.takeLast();
        const QList<Entry> entries = list(folder);
        qint64 files = 0;
        for (const Entry &e : entries) {
            if (e.isLink || e.skip || e.isMount)
                continue;
            if (!e.isDir) {
                ++files;
                if (e.allocated >= limits.minAllocated)
                    onFile(join(folder, e.name), e);
                continue;
            }
            if (otherVolume(e.device, top.device))
                continue;
            if (filter && filter(folder, e))
                continue;
            stack.append(join(folder, e.name));
        }
        if (files > 0 && limits.counted)
            limits.counted(files, folder);
    }
    return true;
}

} // namespace detail
} // namespace fs

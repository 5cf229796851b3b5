#include "clean/cleaner.h"

#include "app/platform.h"
#include "clean/cleaner_p.h"
#include "clean/cleanuplog.h"
#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

struct Cleaner::Job
{
    QList<CategoryResult> results;
    bool moveToTrash = false;
    QStringList exclusions;
    Clock clock;
    int retryDelayMs = 500;
    int progressIntervalMs = 100;
    bool preview = false;
};

namespace {

constexpr int kMaxSamples = 5;
constexpr int kRetryPasses = 3;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The folder holding `path` ('/' separators as the scan wrote them; on
// Windows a backslash counts too).
QString parentFolder(const QString &path)
{
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    slash = std::max(slash, path.lastIndexOf(QLatin1Char('\\')));
#endif
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
#ifdef Q_OS_WIN
    if (slash == 2 && path.at(1) == QLatin1Char(':'))
        return path.left(3);
#endif
    return path.left(slash);
}

QString cleanedForCompare(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

struct RetryEntry
{
    QString path;
    QString basePath;  // empty parents up to (not including) this folder go too
    QString anchor;
    bool toTrash = false;
    bool adminCategory = false;
    quint32 lastError = 0;
    qsizetype item = -1;  // index into the processed items
    QString category;     // id
};

// Files with more than one name free their space only when the last name
// goes. The scan counted such a file in every item that holds one of its
// names, so the tally keeps, per item, the bytes that must not count as
// freed: those of files whose other names outlive the run, and those already
// credited to an earlier item. An item that still holds another name of the
// file counts it in what is left of it, and so not twice. Moves into the
// trash are told too (the names moved), so that a file counts as moved once,
// and only when all its names went.
class LinkTally final
{
public:
    void removed(const removal::Remover::RemovedFile &file, qsizetype item)
    {
        if (file.inode == 0)
            return;
        const QPair<qint64, qint64> id(file.device, file.inode);
        auto it = m_files.find(id);
        if (it == m_files.end()) {
            // The last name of a file goes with a link count of 1; only
            // files with other names need tracking from their first name on.
            if (file.links > 1)
                m_files.insert(id, {file.links, 1, file.bytes, item, {item}});
            return;
        }
        ++it->unlinked;
        it->items.insert(item);
    }

    // The files a name of which went while another stayed.
    fs::FileIds kept() const
    {
        fs::FileIds out;
        for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
            if (it->unlinked < it->links)
                out.insert(it.key());
        }
        return out;
    }

    // Once every removal is over. `left(item)`: the files with other names
    // that what is left of the item still holds.
    void settle(const std::function<const fs::FileIds &(qsizetype item)> &left)
    {
        for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
            const File &f = *it;
            const bool allGone = f.unlinked >= f.links;
            for (const qsizetype item : f.items) {
                // The first item to remove a name gets the space once the
                // last name went; a file moved to the trash while another
                // name stays outside it will not be released by emptying
                // the bin either.
                if ((allGone && item == f.firstItem) || (!allGone && left(item).contains(it.key())))
                    continue;
                m_notFreed[item] += f.bytes;
            }
        }
        m_files.clear();
    }
    // Bytes of item `item` that were removed without being freed.
    qint64 notFreed(qsizetype item) const { return m_notFreed.value(item); }

private:
    struct File
    {
        int links = 0;
        int unlinked = 0;
        qint64 bytes = 0;
        qsizetype firstItem = -1;
        QSet<qsizetype> items;
    };
    QHash<QPair<qint64, qint64>, File> m_files;
    QHash<qsizetype, qint64> m_notFreed;
};

struct Processed
{
    ScanItem item;
    bool toTrash = false;
    QString category;  // id
};

// Adds the processes holding one skipped file to the report's programs: a
// program counts the file once, however many of its processes hold it.
void countHolders(CleanReport &report, const QList<FileHolder> &holders)
{
    if (holders.isEmpty())
        return;
    ++report.heldFiles;
    QSet<QString> counted;
    for (const FileHolder &h : holders) {
        auto it = std::find_if(report.holders.begin(), report.holders.end(),
                               [&h](const CleanReport::Holder &known) { return known.name == h.name; });
        if (it == report.holders.end()) {
            report.holders.append({h.name, {}, 0});
            it = report.holders.end() - 1;
        }
        if (!it->pids.contains(h.pid))
            it->pids.append(h.pid);
        if (!counted.contains(h.name)) {
            counted.insert(h.name);
            ++it->files;
        }
    }
}

} // namespace

namespace removal {

void Preview::gone(const QString &path, qint64 bytes, bool isFolder)
{
    std::lock_guard lock(m_mutex);
    m_gone.insert(path, {bytes, isFolder});
}

bool Preview::folderGone(const QString &path, const QStringList &children)
{
    std::lock_guard lock(m_mutex);
    qint64 bytes = 0;
    for (const QString &child : children) {
        const auto it = m_gone.constFind(child);
        if (it == m_gone.cend())
            return false;
        bytes += it->bytes;
    }
    for (const QString &child : children)
        m_gone.remove(child);
    m_gone.insert(path, {bytes, true});
    return true;
}

QHash<QString, Preview::Gone> Preview::take()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_gone, {});
}

// One more try at a single entry, through the same walk as the first.
bool Remover::retryDelete(const QString &anchor, const QString &path, quint32 &error) const
{
    if (holdsBusyFolder(path)) {
        error = busyError();
        return false;
    }
    QList<Failure> failures;
    removePermanently(anchor, path, failures);
    if (failures.isEmpty())
        return true;
    error = failures.constLast().error;
    return false;
}

bool Remover::retryTrash(const QString &anchor, const QString &path) const
{
    if (holdsBusyFolder(path))
        return false;
    QList<Failure> failures;
    moveToTrash(anchor, path, failures);
    return failures.isEmpty();
}

} // namespace removal

Cleaner::Cleaner(QObject *parent) : QObject(parent)
{
    registerCategoryTypes();
    qRegisterMetaType<CleanReport>();
}

Cleaner::~Cleaner()
{
    m_stop.store(true);
    m_future.waitForFinished();
}

void Cleaner::start(const QList<CategoryResult> &results, bool moveToTrash, const QStringList &exclusions)
{
    launch({results, moveToTrash, exclusions, m_clock, m_retryDelayMs, m_progressIntervalMs, false});
}

void Cleaner::startPreview(const QList<CategoryResult> &results, bool moveToTrash, const QStringList &exclusions)
{
    launch({results, moveToTrash, exclusions, m_clock, m_retryDelayMs, m_progressIntervalMs, true});
}

void Cleaner::launch(Job job)
{
    if (isRunning())
        return;
    m_stop.store(false);
    m_running.store(true);
    // A previous worker may still be returning from its finished signal; it
    // touches nothing of this object any more, so it is not waited for (a
    // receiver that restarts from that signal's own thread must not block).
    m_future = QtConcurrent::run(QThreadPool::globalInstance(), [this, job = std::move(job)] { run(job); });
}

bool Cleaner::isRunning() const
{
    return m_running.load();
}

void Cleaner::wait()
{
    m_future.waitForFinished();
}

void Cleaner::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void Cleaner::setRetryDelay(int ms)
{
    m_retryDelayMs = std::max(ms, 0);
}

void Cleaner::setProgressInterval(int ms)
{
    m_progressIntervalMs = std::max(ms, 0);
}

void Cleaner::run(const Job &job)
{
    CleanReport report;
    report.preview = job.preview;
    CleanupLog log(job.clock);
    // A preview leaves no log: lines written to a log never opened go nowhere.
    if (!job.preview)
        report.logPath = log.open();
    // A log that could not be made is not named: nobody would find it.
    if (!log.isOpen())
        report.logPath.clear();
    const RunningApps apps = snapshot();
    qint64 totalBytes = 0;
    qint64 deletedInstead = 0;
    for (const CategoryResult &r : job.results) {
        totalBytes += r.bytes;
        if (job.moveToTrash && r.risk != Permanent && !r.isTrash)
            deletedInstead +=
                std::count_if(r.items.cbegin(), r.items.cend(), [](const ScanItem &i) { return i.deleteInstead; });
    }
    log.header(job.moveToTrash, totalBytes, deletedInstead);

    auto sample = [&report](const QString &path) {
        if (report.skippedSamples.size() < kMaxSamples)
            report.skippedSamples.append(shown(path));
    };
    auto keep = [&](const QString &path, const QString &reason) {
        if (job.preview)
            report.wouldKeep.append({shown(path), 0, false, false, reason});
    };
    auto skip = [&](const QString &path, const QString &reason) {
        ++report.skippedCount;
        if (removal::isNoTrashReason(reason)) {
            report.noTrash.append({shown(path), reason});
        } else {
            sample(path);
            if (reason != u"in use or access denied" && !reason.startsWith(u"protected "))
                ++report.skippedOther;
        }
        log.skipped(path, reason);
        keep(path, reason);
    };

    // Entries left alone inside items, each once: what the user excluded
    // gets an EXCLUDED line; a guarded app's folder is skipped as protected
    // app data, as a whole item of it would be; what a tool keeps of the
    // user's beside its cache gets an EXCLUDED line that says so.
    QStringList items;
    for (const CategoryResult &r : job.results) {
        for (const ScanItem &item : r.items)
            items.append(item.path);
    }
    const QStringList exclusions = exclusionsAsWalked(job.exclusions, items);
    const ExclusionMatcher excluded(exclusions, true);
    QSet<QString> excludedLogged;
    auto logExcluded = [&](const QString &path) {
        if (excludedLogged.contains(path))
            return;
        excludedLogged.insert(path);
        if (isExcluded(path, exclusions)) {
            log.excluded(path);
            keep(path, QStringLiteral("excluded"));
        } else if (isGuardedName(QFileInfo(path).fileName()) && QFileInfo(path).isDir()) {
            skip(path, QStringLiteral("protected app data"));
        } else {
            log.excluded(path, QStringLiteral("user data, not a cache"));
            keep(path, QStringLiteral("user data, not a cache"));
        }
    };

    removal::Remover remover;
    remover.beginPass();
    remover.setExclusions(&excluded, logExcluded);
    // Items of package stores keep the files their projects link to, and
    // those of build tools' repositories what the user's projects installed.
    ExclusionMatcher keeping[2][2];
    for (const bool linked : {false, true}) {
        for (const bool local : {false, true}) {
            keeping[linked][local] = excluded;
            keeping[linked][local].setKeepsLinkedFiles(linked);
            keeping[linked][local].setKeepsLocalBuilds(local);
        }
    }
    const auto matcherFor = [&](const ScanItem &item) { return &keeping[item.linkedFilesStay][item.localBuildsStay]; };
    // What an item's own folder is walked with: the settings files at the
    // top of a tool's cache folder stay too, as the scan left them out.
    const auto itemMatcher = [&](const ScanItem &item) {
        ExclusionMatcher m = *matcherFor(item);
        if (item.topSettingsStay)
            m.setItemRoot(item.path);
        return m;
    };
    removal::Preview preview;
    if (job.preview)
        remover.setPreview(&preview);
    LinkTally links;
    QList<RetryEntry> retries;
    QList<Processed> processed;
    qint64 doneBytes = 0;

    // A large folder deleted for good shows its files going, up to the size
    // the scan counted for it.
    struct
    {
        qint64 start = 0;
        qint64 bytes = 0;
        qint64 removed = 0;
        QString path;
        QElapsedTimer sinceReport;
        qsizetype item = -1;    // index the item will have among the processed
        bool reporting = false; // off during the retries
    } current;
    // Where each item's entries went in the trash, for a later restore.
    QHash<qsizetype, QList<QPair<QString, QString>>> movedToTrash;
    remover.setOnTrashed([&](const QString &original, const QString &inTrash) {
        movedToTrash[current.item].append({inTrash, original});
    });
    remover.setOnRemoved([&](const removal::Remover::RemovedFile &file) {
        links.removed(file, current.item);
        current.removed += file.bytes;
        if (!current.reporting || current.sinceReport.elapsed() < job.progressIntervalMs)
            return;
        current.sinceReport.restart();
        emit progress(current.start + std::min(current.removed, current.bytes), totalBytes, current.path);
    });

    // The bin is emptied before anything else: emptied after the other
    // categories, it would take along what this run has just moved into it,
    // gone for good while the user was promised it could be restored.
    QList<CategoryResult> ordered;
    for (const CategoryResult &category : job.results) {
        if (category.isTrash)
            ordered.append(category);
    }
    for (const CategoryResult &category : job.results) {
        if (!category.isTrash)
            ordered.append(category);
    }

    for (const CategoryResult &category : std::as_const(ordered)) {
        if (stopping())
            break;
        log.categoryHeading(category.name, category.bytes);

        if (category.isTrash) {
            const QString binName = recycleBinName();
            emit progress(doneBytes, totalBytes, binName);
            if (job.preview) {
                report.wouldGo.append({binName, category.bytes, false, false, {}});
                doneBytes += category.bytes;
                report.cleanedCategories.append(category.id);
                continue;
            }
            // A bin of many thousands of files takes a while: its removal
            // shows, up to the size the scan counted for it.
            QElapsedTimer sinceReport;
            sinceReport.start();
            const auto emptied = [&](qint64 removed) {
                if (sinceReport.elapsed() < job.progressIntervalMs)
                    return;
                sinceReport.restart();
                emit progress(doneBytes + std::min(removed, category.bytes), totalBytes, binName);
            };
            // What it removed counts, also when part of it stayed (a folder
            // another account owns, say); what stayed is named with why.
            const BinEmptied bin = emptyRecycleBin(emptied);
            report.freedBytes += bin.bytes;
            report.filesRemoved += bin.items;
            if (bin.items > 0 || bin.stayed.isEmpty())
                log.emptied(recycleBinName());
            if (bin.items > 0 || bin.bytes > 0)
                report.removedFrom.append(category.id);
            for (const auto &[path, reason] : bin.stayed)
                skip(path, reason);
            doneBytes += category.bytes;
            report.cleanedCategories.append(category.id);
            continue;
        }

        const bool toTrash = job.moveToTrash && category.risk != Permanent;
        const bool ownsCaches = isProgramCacheCategory(category.id);
        for (const ScanItem &item : category.items) {
            if (stopping())
                break;
            current.start = doneBytes;
            current.bytes = item.bytes;
            current.removed = 0;
            current.path = shown(item.path);
            current.sinceReport.start();
            current.item = processed.size();
            current.reporting = true;
            emit progress(doneBytes, totalBytes, current.path);
            doneBytes += item.bytes;

            if (excluded.matches(item.path)) {
                log.excluded(item.path);
                keep(item.path, QStringLiteral("excluded"));
                continue;
            }
            if (isGuardedPath(item.path)) {
                skip(item.path, QStringLiteral("protected app data"));
                continue;
            }
            if (ownsCaches) {
                const QString owner = runningOwner(item.path, apps);
                if (!owner.isEmpty()) {
                    log.skippedRunning(item.path, owner);
                    keep(item.path, QStringLiteral("%1 is running").arg(owner));
                    if (!report.runningApps.contains(owner))
                        report.runningApps.append(owner);
                    report.leftRunning.append({item.path, category.id, item.bytes, item.files});
                    continue;
                }
            }

            // What the bin cannot take stays whole, unless the user chose to
            // delete it for good instead.
            const bool itemToTrash = toTrash && !item.deleteInstead;
            if (itemToTrash && item.trashFit != TrashFits) {
                skip(item.path,
                     item.trashFit == NoTrashOnDrive ? removal::noTrashOnDriveReason() : removal::noTrashReason());
                continue;
            }
#ifdef Q_OS_WIN
            // Only the POSIX removers tell files with other names apart.
            if (item.linkedFilesStay) {
                skip(item.path, QStringLiteral("linked files cannot be told apart here"));
                continue;
            }
#endif
            remover.setExclusions(matcherFor(item), logExcluded);
            const QString anchor = parentFolder(item.path);
            const QString basePath = item.contentsOnly ? item.path : anchor;
            QStringList units;
            if (item.contentsOnly) {
                // Emptying a protected folder (the home folder, a drive root)
                // would remove everything the protection is there to keep.
                if (isProtectedPath(item.path)) {
                    skip(item.path, QStringLiteral("protected location"));
                    continue;
                }
                QStringList names;
                QStringList unnameable;
                const removal::Reach reach = remover.entries(anchor, item.path, names, unnameable);
                for (const QString &path : std::as_const(unnameable))
                    skip(path, removal::unnameableReason());
                if (reach == removal::Reach::Mount) {
                    skip(item.path, removal::mountPointReason());
                    continue;
                }
                if (reach == removal::Reach::Replaced) {
                    // Its entries now belong to whatever the link points at.
                    skip(item.path, QStringLiteral("replaced since the scan"));
                    continue;
                }
                if (reach == removal::Reach::Unreadable) {
                    // Nothing of it was removed: never "deleted, 0 KB".
                    skip(item.path, QStringLiteral("could not be opened"));
                    continue;
                }
                const ExclusionMatcher atTop = itemMatcher(item);
                for (const QString &name : std::as_const(names)) {
                    fs::Entry unit;
                    const bool isFolder = fs::stat(fs::join(item.path, name), unit) && unit.isDir && !unit.isLink;
                    if (atTop.matchesChild(item.path, name, isFolder))
                        logExcluded(fs::join(item.path, name));
                    else
                        units.append(fs::join(item.path, name));
                }
            } else {
                units.append(item.path);
            }

            for (const QString &unit : std::as_const(units)) {
                if (isProtectedPath(unit)) {
                    skip(unit, QStringLiteral("protected location"));
                    continue;
                }
                // The age rule the item was offered under holds now, not only
                // when the scan ran (results may have been shown for hours):
                // an entry anything in it was touched since stays whole.
                if (item.minAgeMs > 0
                    && fs::now() - fs::measure(unit, nullptr, {}, matcherFor(item)).touched <= item.minAgeMs) {
                    log.skipped(unit, QStringLiteral("changed since the scan"));
                    keep(unit, QStringLiteral("changed since the scan"));
                    report.changedSinceScan.append(shown(unit));
                    continue;
                }
                QList<removal::Failure> failures;
                // A folder a program works in, or one holding such a folder,
                // is busy as a whole, like a file in use.
                if (remover.holdsBusyFolder(unit))
                    failures.append({unit, itemToTrash ? 0u : removal::busyError(), {}});
                else if (itemToTrash)
                    remover.moveToTrash(anchor, unit, failures);
                else
                    remover.removePermanently(anchor, unit, failures);
                const auto gone = preview.take();
                for (auto it = gone.cbegin(); it != gone.cend(); ++it)
                    report.wouldGo.append({shown(it.key()), it->bytes, it->isFolder, itemToTrash, {}});
                for (const removal::Failure &f : std::as_const(failures)) {
                    if (!f.reason.isEmpty()) {
                        skip(f.path, f.reason);
                        continue;
                    }
                    // What is busy now is taken to stay busy through the
                    // retries: that is what the run would report.
                    if (job.preview) {
                        skip(f.path, QStringLiteral("in use or access denied"));
                        if (category.needsAdmin && !isElevated())
                            report.needsAdmin = true;
                        continue;
                    }
                    log.busy(f.path, f.error);
                    retries.append({f.path, basePath, anchor, itemToTrash, category.needsAdmin, f.error, processed.size(),
                                    category.id});
                }
            }
            processed.append({item, itemToTrash, category.id});
        }
        report.cleanedCategories.append(category.id);
    }
    current.reporting = false;

    for (int attempt = 1; attempt <= kRetryPasses && !retries.isEmpty() && !stopping(); ++attempt) {
        // Waits in small steps so that shutting down is not held up.
        const qint64 waitMs = qint64(attempt) * job.retryDelayMs;
        for (qint64 waited = 0; waited < waitMs && !stopping(); waited += 50)
            QThread::msleep(ulong(std::min<qint64>(50, waitMs - waited)));
        if (stopping())
            break;
        remover.beginPass();
        QList<RetryEntry> next;
        for (RetryEntry &entry : retries) {
            current.item = entry.item;
            remover.setExclusions(matcherFor(processed.at(entry.item).item), logExcluded);
            const bool done = entry.toTrash ? remover.retryTrash(entry.anchor, entry.path)
                                            : remover.retryDelete(entry.anchor, entry.path, entry.lastError);
            if (!done) {
                next.append(entry);
                continue;
            }
            const QString base = cleanedForCompare(entry.basePath) + QLatin1Char('/');
            QString parent = parentFolder(entry.path);
            while (!parent.isEmpty() && cleanedForCompare(parent).startsWith(base)
                   && remover.removeEmptyFolder(entry.anchor, parent))
                parent = parentFolder(parent);
        }
        retries = std::move(next);
    }
    // Who holds what stayed busy: one question per item (on Windows one
    // Restart Manager session for all of its files), asked here on the
    // worker. Not asked when shutting down.
    QHash<QString, QList<FileHolder>> held;
    if (!stopping()) {
        QList<qsizetype> items;
        QHash<qsizetype, QStringList> pathsOf;
        for (const RetryEntry &entry : std::as_const(retries)) {
            if (!pathsOf.contains(entry.item))
                items.append(entry.item);
            pathsOf[entry.item].append(entry.path);
        }
        for (const qsizetype item : std::as_const(items))
            held.insert(remover.holders(pathsOf.value(item)));
    }
    for (const RetryEntry &entry : std::as_const(retries)) {
        const QList<FileHolder> holders = held.value(entry.path);
        ++report.skippedCount;
        sample(entry.path);
        log.skippedFinal(entry.path, entry.lastError, holders);
        countHolders(report, holders);
        if (entry.adminCategory && !isElevated())
            report.needsAdmin = true;
        // Not measured when shutting down: nobody will try it again then.
        const fs::Measure left = stopping() ? fs::Measure()
                                            : fs::measure(entry.path, nullptr, {}, matcherFor(processed.at(entry.item).item));
        report.busy.append({entry.path, entry.category, left.bytes, left.files});
    }
    // Most files first; equals keep the order they were met in.
    std::stable_sort(report.holders.begin(), report.holders.end(),
                     [](const CleanReport::Holder &a, const CleanReport::Holder &b) { return a.files > b.files; });

    remover.setOnRemoved({});

    log.blank();
    if (job.preview)
        processed.clear();
    // What is left of each item, measured without the stop flag: a
    // measurement cut short would count what is still there as freed.
    // Excluded entries are left out as the scan left them out.
    QList<fs::Measure> lefts;
    QList<fs::FileIds> linkedLeft(processed.size(), links.kept());
    for (qsizetype i = 0; i < processed.size(); ++i) {
        const ExclusionMatcher m = itemMatcher(processed.at(i).item);
        lefts.append(fs::measure(processed.at(i).item.path, nullptr, {}, &m, &linkedLeft[i]));
    }
    links.settle([&linkedLeft](qsizetype item) -> const fs::FileIds & { return linkedLeft.at(item); });
    for (qsizetype i = 0; i < processed.size(); ++i) {
        const Processed &p = processed.at(i);
        const fs::Measure &left = lefts.at(i);
        const qint64 freed = std::max<qint64>(p.item.bytes - left.bytes - links.notFreed(i), 0);
        report.filesRemoved += std::max<qint64>(p.item.files - left.files, 0);
        if ((freed > 0 || left.files < p.item.files) && !report.removedFrom.contains(p.category))
            report.removedFrom.append(p.category);
        if (p.toTrash) {
            report.trashedBytes += freed;
            // An item of which nothing moved (its entries all skipped) has
            // its SKIPPED lines, not a TRASHED one.
            if (freed > 0 || left.files < p.item.files || !movedToTrash.value(i).isEmpty())
                log.trashed(p.item.path, freed);
            for (const auto &[inTrash, original] : std::as_const(movedToTrash[i]))
                log.trashedTo(inTrash, original);
        } else {
            report.freedBytes += freed;
            // Nor is an item of which nothing went logged as deleted.
            if (freed > 0 || left.files < p.item.files)
                log.deleted(p.item.path, freed);
        }
    }

    const auto byPath = [](const PreviewEntry &a, const PreviewEntry &b) { return a.path < b.path; };
    std::sort(report.wouldGo.begin(), report.wouldGo.end(), byPath);
    std::stable_sort(report.wouldKeep.begin(), report.wouldKeep.end(), byPath);

    // The log's summary counts everything taken away, as its lines do.
    log.summary(report.freedBytes + report.trashedBytes, report.filesRemoved, report.skippedCount);
    log.flush();
    emit progress(totalBytes, totalBytes, QString());
    m_running.store(false);
    emit finished(report);
}

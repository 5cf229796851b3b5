#include "scan/scanner.h"

#include "app/platform.h"
#include "scan/fs.h"
#include "scan/neveroffer.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

// Progress from inside a category comes at most this often (60 ms unless a
// test asked otherwise).
std::atomic<qint64> progressIntervalMs{60};

// What services and desktop sessions keep in the shared temp folders: their
// private folders, sockets, locks and credentials. Old as they may be, they
// are live, and never offered.
bool isServiceEntry(const QString &name)
{
    static const QStringList patterns = {
        QStringLiteral("systemd-private-*"), QStringLiteral("snap-private-tmp"), QStringLiteral(".X11-unix"),
        QStringLiteral(".ICE-unix"), QStringLiteral(".XIM-unix"), QStringLiteral(".font-unix"),
        QStringLiteral(".Test-unix"), QStringLiteral(".X*-lock"), QStringLiteral("tmux-*"),
        QStringLiteral("ssh-*"), QStringLiteral("krb5cc*"), QStringLiteral("xauth*"),
        QStringLiteral(".xauth*"), QStringLiteral("serverauth.*"), QStringLiteral("pulse-*"),
        QStringLiteral("dbus-*"), QStringLiteral("gnupg-*"), QStringLiteral("sddm-*"),
        QStringLiteral("lightdm*"), QStringLiteral("flatpak-*"), QStringLiteral(".flatpak-*"),
    };
    return QDir::match(patterns, name);
}

} // namespace

Scanner::Scanner(QObject *parent) : Scanner(CatalogueSource(&defaultCategories), parent) {}

Scanner::Scanner(CatalogueSource source, QObject *parent)
    : QObject(parent), m_source(source ? std::move(source) : CatalogueSource(&defaultCategories))
{
    registerCategoryTypes();
}

Scanner::~Scanner()
{
    m_cancel.store(true);
    m_future.waitForFinished();
}

void Scanner::setCatalogueSource(CatalogueSource source)
{
    if (isRunning())
        return;
    m_source = source ? std::move(source) : CatalogueSource(&defaultCategories);
}

void Scanner::start(const QStringList &exclusions)
{
    if (isRunning())
        return;
    m_cancel.store(false);
    m_running.store(true);
    // A previous worker may still be returning from its finished signal; it
    // touches nothing of this object any more, so it is not waited for (a
    // receiver that restarts from that signal's own thread must not block).
    m_future = QtConcurrent::run(QThreadPool::globalInstance(),
                                 [this, source = m_source, exclusions] { run(source, exclusions); });
}

void Scanner::setProgressInterval(int ms)
{
    progressIntervalMs.store(std::max(ms, 0), std::memory_order_relaxed);
}

void Scanner::stop()
{
    m_cancel.store(true);
}

bool Scanner::isRunning() const
{
    return m_running.load();
}

void Scanner::wait()
{
    m_future.waitForFinished();
}

void Scanner::run(const CatalogueSource &source, const QStringList &userExclusions)
{
    const QList<CategoryDef> defs = source();
    QStringList roots;
    for (const CategoryDef &def : defs) {
        for (const CategoryRoot &root : def.roots)
            roots.append(root.path);
    }
    const QStringList exclusions = exclusionsAsWalked(userExclusions, roots);
    emit started(defs);
    m_apps = snapshot();
    // The folders programs are working in at the start of the scan.
    const OpenFiles open = OpenFiles::capture(OpenFiles::Scope::Folders);

    // Excluded folders and files inside an item, and guarded applications'
    // folders, are neither counted nor entered, so an item's size is what
    // cleaning it can free.
    const ExclusionMatcher excluded(exclusions, true);
    QHash<QString, qint64> trashDrives;
    qint64 foundSoFar = 0;
    qint64 examined = 0;
    QList<CategoryResult> results;
    for (int i = 0; i < defs.size() && !cancelled(); ++i) {
        emit categoryStarted(i);
        CategoryResult r = scanCategory(defs.at(i), exclusions, excluded, open, foundSoFar, &examined);
        if (cancelled())
            break; // a half-measured category would understate what is there
        // What a cleanup to the bin would leave, said before it is asked for.
        if (r.risk != Permanent && !r.isTrash) {
            for (ScanItem &item : r.items)
                item.trashFit = trashFit(item, trashDrives);
        }
        foundSoFar += r.bytes;
        results.append(r);
        emit categoryFinished(i, r);
        emit progress(foundSoFar, examined, QString());
    }
    const bool wasCancelled = cancelled();
    m_running.store(false);
    emit finished(results, wasCancelled);
}

CategoryResult Scanner::scanCategory(const CategoryDef &def, const QStringList &exclusions,
                                     const ExclusionMatcher &excluded, const OpenFiles &open, qint64 foundSoFar,
                                     qint64 *examinedFiles)
{
    CategoryResult result(def);
    // A folder a program works in, or one that holds such a folder, is left
    // out like a file in use, with a note that names who holds it.
    const auto inUse = [&](const QString &path) {
        QList<FileHolder> holders;
        if (!open.holdsBusyFolder(path, &holders))
            return false;
        QStringList names;
        for (const FileHolder &h : std::as_const(holders))
            //: %1: a program's name; %2: its process number
            names.append(QCoreApplication::translate("Categories", "%1 (PID %2)").arg(h.name).arg(h.pid));
        result.notes.append(
            names.isEmpty()
                ? QCoreApplication::translate("Categories", "%1 is left out: another program is working in it.",
                                              "%1: a folder")
                      .arg(QDir::toNativeSeparators(path))
                : QCoreApplication::translate("Categories", "%1 is left out: in use by %2.",
                                              "%1: a folder; %2: the programs using it")
                      .arg(QDir::toNativeSeparators(path), names.join(QLatin1String(", "))));
        return true;
    };

    if (def.isTrash) {
        qint64 bytes = 0;
        qint64 count = 0;
        // A bin of many thousands of files is one long walk: it shows its way.
        QElapsedTimer timer;
        timer.start();
        const bool ok = recycleBinInfo(bytes, count, [&](const QString &dir, qint64 soFar, qint64 files) {
            if (timer.elapsed() < progressIntervalMs.load(std::memory_order_relaxed))
                return;
            timer.restart();
            emit progress(foundSoFar + soFar, *examinedFiles + files, dir);
        });
        if (!ok)
            count = 0;
        if (ok && bytes > 0) {
            result.bytes = bytes;
            result.files = count;
            ScanItem item;
            item.label = onPlatform(QCoreApplication::translate("Categories", "Recycle Bin (all drives)"),
                                    //: The one item of the Trash category: the Trash of every drive
                                    QCoreApplication::translate("Categories", "Trash (all drives)"));
            item.bytes = bytes;
            item.files = count;
            result.items.append(item);
        }
        *examinedFiles += count;
        return result;
    }

    const qint64 startCount = *examinedFiles;
    qint64 categoryBytes = 0;
    QElapsedTimer timer;
    timer.start();
    const fs::ProgressFn onProgress = [&](const QString &dir, qint64 bytes, qint64 files) {
        if (timer.elapsed() < progressIntervalMs.load(std::memory_order_relaxed))
            return;
        timer.restart();
        emit progress(foundSoFar + categoryBytes + bytes, *examinedFiles + files, dir);
    };
    const qint64 now = fs::now();

    for (const CategoryRoot &root : def.roots) {
        if (cancelled())
            break;
        if (isGuardedPath(root.path))
            continue;
        // A root reached through a link below its base (a folder swapped for
        // a link to elsewhere) holds someone else's files.
        if (!fs::reachableWithoutLinks(root.path))
            continue;
        if (!fs::canList(root.path)) {
            result.accessDenied = true;
            continue;
        }
        if (root.isLabelled()) {
            if (isExcluded(root.path, exclusions))
                continue;
            // Another volume mounted at the root (a bind mount included) is
            // not this folder's contents: never counted, never cleaned.
            fs::Entry self;
            if (fs::stat(root.path, self) && self.isMount)
                continue;
#ifndef Q_OS_WIN
            // Windows can only tell by opening every folder of the cache for
            // deletion, a second walk of each; the cleaner does that before
            // it removes anything, and the scan checks the entries of
            // listing roots (temporary folders), where people work.
            if (inUse(root.path))
                continue;
#endif
            // What the root's kind keeps inside it besides the exclusions.
            ExclusionMatcher keeping = excluded;
            keeping.setKeepsLinkedFiles(root.singleLinkFiles);
            keeping.setKeepsLocalBuilds(root.keepsLocalBuilds);
            if (root.keepsTopSettings)
                keeping.setItemRoot(root.path);
            const fs::Measure m = fs::measure(root.path, &m_cancel, onProgress, &keeping);
            *examinedFiles += m.files;
            categoryBytes += m.bytes;
            if (m.bytes > 0) {
                ScanItem item;
                item.path = root.path;
                item.label = root.label;
                item.contentsOnly = true;
                item.linkedFilesStay = root.singleLinkFiles;
                item.localBuildsStay = root.keepsLocalBuilds;
                item.topSettingsStay = root.keepsTopSettings;
                item.bytes = m.bytes;
                item.files = m.files;
                item.newest = m.newest;
                result.items.append(item);
            }
            continue;
        }

        for (const fs::Entry &entry : fs::list(root.path)) {
            if (cancelled())
                break;
            // Said, not passed over in silence: it stays, as nothing can name it.
            if (entry.unnameable && (root.patterns.isEmpty() || QDir::match(root.patterns, entry.name)))
                //: %1: a folder
                result.notes.append(QCoreApplication::translate("Categories", "%1 is left out: its name is not valid text.")
                                        .arg(QDir::toNativeSeparators(fs::join(root.path, entry.name))));
            if (entry.skip || entry.isMount)
                continue;
            if (!root.patterns.isEmpty() && !QDir::match(root.patterns, entry.name))
                continue;
            if (root.filesOnly && (entry.isDir || entry.isLink))
                continue;
            const QString full = fs::join(root.path, entry.name);
            // A root of many thousands of plain files moves on entry by entry.
            if (timer.elapsed() >= progressIntervalMs.load(std::memory_order_relaxed)) {
                timer.restart();
                emit progress(foundSoFar + categoryBytes, *examinedFiles, full);
            }
            if (isExcluded(full, exclusions) || isProtectedPath(full) || isGuardedPath(full)
                || (entry.isDir && !entry.isLink ? neveroffer::isKeptFolderName(entry.name)
                                                 : neveroffer::isKeptFileName(entry.name)))
                continue;
            // Shared folders (/tmp) hold other users' files, the live files
            // of running programs and the private folders of services: none
            // is ours to offer.
            if (root.ownEntriesOnly && (isServiceEntry(entry.name) || !isOwnEntry(full)))
                continue;

            fs::Measure m;
            if (entry.isDir && !entry.isLink) {
                if (inUse(full))
                    continue;
                m = fs::measure(full, &m_cancel, onProgress, &excluded);
            } else {
                m.bytes = entry.allocated;
                m.files = 1;
                m.newest = entry.mtime;
            }
            // Judged by every time anyone's action leaves, not the
            // modification time alone: an archive unpacked a minute ago
            // keeps the years-old times of what it holds.
            const qint64 touched = std::max(m.touched, fs::lastTouched(entry));
            if (root.minAgeMs > 0 && now - touched <= root.minAgeMs)
                continue;
            const qint64 newest = root.minAgeMs > 0 ? touched : std::max(m.newest, entry.mtime);
            *examinedFiles += m.files;
            categoryBytes += m.bytes;
            if (m.bytes > 0) {
                ScanItem item;
                item.path = full;
                item.label = entry.name;
                item.bytes = m.bytes;
                item.files = m.files;
                item.newest = newest;
                item.minAgeMs = root.minAgeMs;
                result.items.append(item);
            }
        }
    }

    if (isProgramCacheCategory(def.id)) {
        for (ScanItem &item : result.items)
            item.runningApp = runningOwner(item.path, m_apps);
    }
    std::stable_sort(result.items.begin(), result.items.end(),
                     [](const ScanItem &a, const ScanItem &b) { return a.bytes > b.bytes; });
    qint64 sum = 0;
    for (const ScanItem &item : std::as_const(result.items))
        sum += item.bytes;
    result.bytes = sum;
    result.files = *examinedFiles - startCount;
    return result;
}

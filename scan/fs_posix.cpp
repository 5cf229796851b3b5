#include "scan/fs.h"

#include "scan/posixfs.h"
#include "scan/walkpool.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// measure() is the hot path of every scan: its threads (walkpool.h) work on
// the encoded byte paths the kernel sees, describe entries relative to the
// open folder and only build QStrings when somebody needs one (progress,
// exclusions). walk() and list() hand QStrings to their callers anyway and
// pay for them per entry.

namespace fs {

namespace {

bool isCancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

qint64 toMs(const timespec &t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Sockets, FIFOs and device nodes hold no reclaimable space, and touching
// them (opening a FIFO, say) can block or have side effects.
bool isSpecial(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode);
}

// A name that does not survive decodeName/encodeName cannot be named again
// through a QString, so nothing may act on it. ASCII always survives; the
// check is only paid for names with other bytes.
bool roundTrips(const char *name, size_t len)
{
    for (size_t i = 0; i < len; ++i) {
        if (static_cast<unsigned char>(name[i]) >= 0x80) {
            const QByteArray raw(name, qsizetype(len));
            return QFile::encodeName(QFile::decodeName(raw)) == raw;
        }
    }
    return true;
}

bool isDot(const char *n)
{
    return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

void fill(Entry &e, const struct stat &st)
{
    e.isDir = S_ISDIR(st.st_mode);
    e.isLink = S_ISLNK(st.st_mode);
    e.allocated = qint64(st.st_blocks) * 512;
    e.size = e.isDir ? 0 : qint64(st.st_size);
    e.inode = qint64(st.st_ino);
    e.links = int(st.st_nlink);
    e.mtime = toMs(st.st_mtim);
    e.atime = toMs(st.st_atim);
    e.ctime = toMs(st.st_ctim);
    e.device = qint64(st.st_dev);
    e.skip = isSpecial(st.st_mode);
}

// "dir/" would make the kernel follow a final symbolic link; the walker never
// does, so trailing separators go (except for the root folder itself).
QString withoutTrailingSlash(const QString &path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

// lstat of a path given as text, with its birth time when asked; false when
// it cannot be named exactly or does not exist.
bool statPath(const QString &path, QByteArray &native, struct stat &st, qint64 *birthMs = nullptr)
{
    const QString p = withoutTrailingSlash(path);
    if (p.isEmpty())
        return false;
    native = QFile::encodeName(p);
    if (QFile::decodeName(native) != p)
        return false;
    if (birthMs)
        return posixfs::statAt(AT_FDCWD, native.constData(), st, nullptr, birthMs);
    return ::lstat(native.constData(), &st) == 0;
}

struct InodeHash
{
    size_t operator()(const std::pair<dev_t, ino_t> &k) const noexcept
    {
        return std::hash<quint64>()(quint64(k.second) * 0x9E3779B97F4A7C15ull ^ quint64(k.first));
    }
};

} // namespace

QList<Entry> list(const QString &dir)
{
    QList<Entry> out;
    const QByteArray native = QFile::encodeName(dir);
    // Without touching its access time where allowed (see walkpool_posix.cpp).
    int fd = pool::openPath(native.constData(), size_t(native.size()), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = pool::openPath(native.constData(), size_t(native.size()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return out;
    DIR *d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return out;
    }
    while (const dirent *de = ::readdir(d)) {
        const char *name = de->d_name;
        if (isDot(name))
            continue;
        struct stat st;
        bool mount = false;
        qint64 birth = 0;
        if (!posixfs::statAt(fd, name, st, &mount, &birth))
            continue; // vanished since readdir
        Entry e;
        const size_t len = std::strlen(name);
        e.name = QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len)));
        fill(e, st);
        e.btime = birth;
        e.isMount = mount;
        if (!roundTrips(name, len)) {
            e.skip = true;
            e.unnameable = true;
            e.name = posixfs::shownName(QByteArray(name, qsizetype(len)));
        }
        out.append(std::move(e));
    }
    ::closedir(d);
    return out;
}

bool stat(const QString &path, Entry &entry)
{
    // One statx gives the entry and its mount flag.
    const QString p = withoutTrailingSlash(path);
    if (p.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(p);
    struct stat st;
    bool mount = false;
    qint64 birth = 0;
    if (QFile::decodeName(native) != p || !posixfs::statAt(AT_FDCWD, native.constData(), st, &mount, &birth))
        return false;
    entry.isMount = mount;
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    entry.name = (slash < 0 || p.size() == 1) ? p : p.mid(slash + 1);
    fill(entry, st);
    entry.btime = birth;
    return true;
}

bool reachableWithoutLinks(const QString &folder)
{
    const int fd = posixfs::openFolder(folder);
    if (fd < 0)
        return errno != ELOOP && errno != ENOTDIR && errno != EXDEV;
    ::close(fd);
    return true;
}

bool canList(const QString &dir)
{
    const QByteArray native = QFile::encodeName(dir);
    const int fd = pool::openPath(native.constData(), size_t(native.size()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno != EACCES && errno != EPERM;
}

namespace {

// What the threads of one measure() share.
struct MeasureShared
{
    const ExclusionMatcher *excluded = nullptr;  // null: nothing excluded
    bool folderText = false;                     // the exclusions look at folders
    const ProgressFn *progress = nullptr;        // null: nobody asks
    const FileIds *among = nullptr;              // files asked about; null: none

    // Files with more than one name, by identity: counted by whichever
    // thread meets one of the names first, and only then.
    std::mutex seenMutex;
    std::unordered_set<std::pair<dev_t, ino_t>, InodeHash> seen;

    // Totals the threads have handed in so far, for progress.
    std::atomic<qint64> files{0};
    std::atomic<qint64> bytes{0};
    std::mutex progressMutex;

    bool firstSight(const struct stat &st)
    {
        std::lock_guard lock(seenMutex);
        return seen.emplace(st.st_dev, st.st_ino).second;
    }
};

class MeasureLister final : public pool::Lister
{
public:
    explicit MeasureLister(MeasureShared &shared) : m_shared(shared) {}

    void beginFolder(const std::string &folder) override
    {
        m_folder = &folder;
        if (m_shared.folderText)
            m_folderText = QFile::decodeName(QByteArray::fromRawData(folder.data(), qsizetype(folder.size())));
    }

    bool entry(const char *name, size_t len, const struct stat &st, long long birthMs) override
    {
        if (m_shared.excluded
            && m_shared.excluded->matchesChild(m_folderText,
                                               QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len))),
                                               S_ISDIR(st.st_mode)))
            return false;
        m_total.touched = qMax(m_total.touched, posixfs::lastTouched(st, birthMs));
        if (S_ISDIR(st.st_mode))
            return true;
        if (m_shared.excluded && m_shared.excluded->keepsFile(qint64(st.st_nlink)))
            return false;
        if (st.st_nlink > 1 && !m_shared.firstSight(st))
            return false;
        const qint64 bytes = qint64(st.st_blocks) * 512;
        m_total.bytes += bytes;
        ++m_total.files;
        if (m_shared.among && m_shared.among->contains({qint64(st.st_dev), qint64(st.st_ino)}))
            m_found.insert({qint64(st.st_dev), qint64(st.st_ino)});
        m_total.newest = qMax(m_total.newest, toMs(st.st_mtim));
        if (m_shared.progress) {
            m_unsentBytes += bytes;
            if (++m_unsentFiles == kHandInEvery)
                handIn();
        }
        return false;
    }

    void endFolder() override
    {
        if (m_shared.progress)
            handIn();
    }

    const Measure &total() const { return m_total; }
    const FileIds &found() const { return m_found; }

private:
    // 400 is a multiple of it: alone, a thread reports after the 400th file
    // of a folder exactly.
    static constexpr int kHandInEvery = 16;

    void handIn()
    {
        if (m_unsentFiles == 0)
            return;
        const qint64 before = m_shared.files.fetch_add(m_unsentFiles, std::memory_order_relaxed);
        m_shared.bytes.fetch_add(m_unsentBytes, std::memory_order_relaxed);
        const qint64 after = before + m_unsentFiles;
        m_unsentFiles = 0;
        m_unsentBytes = 0;
        if (before / detail::kProgressEvery == after / detail::kProgressEvery)
            return;
        const QString dir = QFile::decodeName(QByteArray::fromRawData(m_folder->data(), qsizetype(m_folder->size())));
        std::lock_guard lock(m_shared.progressMutex);
        (*m_shared.progress)(dir, m_shared.bytes.load(std::memory_order_relaxed),
                             m_shared.files.load(std::memory_order_relaxed));
    }

    MeasureShared &m_shared;
    Measure m_total;
    FileIds m_found;
    const std::string *m_folder = nullptr;
    QString m_folderText;
    qint64 m_unsentFiles = 0;
    qint64 m_unsentBytes = 0;
};

// What the threads of one walk() share: the caller's callbacks, one call at
// a time.
struct WalkShared
{
    const FolderFilter *filter = nullptr;
    const FileFn *onFile = nullptr;
    const WalkLimits *limits = nullptr;
    const std::atomic_bool *cancel = nullptr;
    std::mutex callbackMutex;
};

class WalkLister final : public pool::Lister
{
public:
    explicit WalkLister(WalkShared &shared) : m_shared(shared) {}

    void beginFolder(const std::string &folder) override
    {
        m_folderText = QFile::decodeName(QByteArray::fromRawData(folder.data(), qsizetype(folder.size())));
    }

    bool entry(const char *name, size_t len, const struct stat &st, long long birthMs) override
    {
        if (S_ISLNK(st.st_mode))
            return false;
        if (!S_ISDIR(st.st_mode)) {
            // Files too small to be wanted stop here, before any text is
            // made of them.
            if (qint64(st.st_blocks) * 512 >= m_shared.limits->minAllocated)
                m_files.push_back(describe(name, len, st, birthMs));
            if (++m_met == kBatch)
                handOver();
            return false;
        }
        if (!*m_shared.filter)
            return true;
        const Entry e = describe(name, len, st, birthMs);
        std::lock_guard lock(m_shared.callbackMutex);
        return !(*m_shared.filter)(m_folderText, e);
    }

    // A folder's files go over at its end; a count alone waits for a batch,
    // so a tree of small files does not take the callbacks' lock per folder.
    void endFolder() override
    {
        if (!m_files.empty() || m_met >= kBatch)
            handOver();
    }

    // What is left of the count, once the walk is over.
    void flush() { handOver(); }

private:
    // Files are handed to the caller a folder (or this many met) at a time.
    static constexpr size_t kBatch = 512;

    static Entry describe(const char *name, size_t len, const struct stat &st, long long birthMs)
    {
        Entry e;
        e.name = QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len)));
        fill(e, st);
        e.btime = birthMs;
        return e;
    }

    void handOver()
    {
        if (m_met == 0)
            return;
        {
            // No file is handed over once the flag is set, even from a
            // folder listed before.
            std::lock_guard lock(m_shared.callbackMutex);
            for (const Entry &e : m_files) {
                if (isCancelled(m_shared.cancel))
                    break;
                (*m_shared.onFile)(join(m_folderText, e.name), e);
            }
            if (m_shared.limits->counted && !isCancelled(m_shared.cancel))
                m_shared.limits->counted(qint64(m_met), m_folderText);
        }
        m_files.clear();
        m_met = 0;
    }

    WalkShared &m_shared;
    QString m_folderText;
    std::vector<Entry> m_files;
    size_t m_met = 0;  // files of this folder met since the last hand-over
};

} // namespace

Measure measure(const QString &path, const std::atomic_bool *cancel, const ProgressFn &progress,
                const ExclusionMatcher *excluded, FileIds *among)
{
    Measure total;
    QByteArray rootNative;
    struct stat st;
    qint64 rootBirth = 0;
    const bool found = statPath(path, rootNative, st, &rootBirth) && !isSpecial(st.st_mode);
    if (!found || !S_ISDIR(st.st_mode)) {
        if (among && !(found && among->contains({qint64(st.st_dev), qint64(st.st_ino)})))
            among->clear();
        else if (among)
            *among = {{qint64(st.st_dev), qint64(st.st_ino)}};
    }
    if (!found)
        return total;
    total.touched = posixfs::lastTouched(st, rootBirth);
    if (!S_ISDIR(st.st_mode)) {
        // A plain file, or a link measured as itself; links are never entered.
        total.bytes = qint64(st.st_blocks) * 512;
        total.files = 1;
        total.newest = toMs(st.st_mtim);
        return total;
    }

    MeasureShared shared;
    if (excluded && !excluded->isEmpty()) {
        shared.excluded = excluded;
        shared.folderText = excluded->needsFolder();
    }
    shared.progress = progress ? &progress : nullptr;
    shared.among = among && !among->isEmpty() ? among : nullptr;
    // The calling thread's lister lives here: a small tree allocates none.
    MeasureLister first(shared);
    std::vector<std::unique_ptr<MeasureLister>> helpers;
    pool::Walk walk;
    walk.root.assign(rootNative.constData(), size_t(rootNative.size()));
    walk.device = st.st_dev;
    walk.cancel = cancel;
    walk.makeLister = [&](int index) -> pool::Lister * {
        if (index == 0)
            return &first;
        helpers.push_back(std::make_unique<MeasureLister>(shared));
        return helpers.back().get();
    };
    pool::run(walk);
    const qint64 rootTouched = total.touched;
    total = first.total();
    total.touched = qMax(total.touched, rootTouched);
    for (const auto &l : helpers) {
        total.bytes += l->total().bytes;
        total.files += l->total().files;
        total.newest = qMax(total.newest, l->total().newest);
        total.touched = qMax(total.touched, l->total().touched);
    }
    if (among) {
        FileIds found;
        for (const auto &l : helpers)
            found.unite(l->found());
        *among = found.unite(first.found());
    }
    return total;
}

bool walk(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
          const FileFn &onFile, const WalkLimits &limits)
{
    dev_t rootDevice = 0;
    {
        QByteArray native;
        struct stat st;
        if (statPath(root, native, st)) {
            if (S_ISLNK(st.st_mode) || isSpecial(st.st_mode))
                return !isCancelled(cancel);
            rootDevice = st.st_dev;
        }
    }
    WalkShared shared;
    shared.filter = &filter;
    shared.onFile = &onFile;
    shared.limits = &limits;
    shared.cancel = cancel;
    WalkLister first(shared);
    std::vector<std::unique_ptr<WalkLister>> helpers;
    pool::Walk w;
    // The root is entered as given: a missing or unreadable one simply lists
    // nothing.
    w.root = QFile::encodeName(root).toStdString();
    w.device = rootDevice;
    w.cancel = cancel;
    w.makeLister = [&](int index) -> pool::Lister * {
        if (index == 0)
            return &first;
        helpers.push_back(std::make_unique<WalkLister>(shared));
        return helpers.back().get();
    };
    const bool done = pool::run(w);
    first.flush();
    for (const auto &lister : helpers)
        lister->flush();
    return done;
}

} // namespace fs

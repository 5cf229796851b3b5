#include "scan/fs.h"

#include "scan/posixfs.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif

// The measuring loop below is the hot path of every scan: it works on the
// encoded byte paths the kernel sees, stats entries relative to the open
// folder and only builds QStrings when somebody needs one (progress,
// exclusions). walk() and list() hand QStrings to their callers anyway and pay for
// them per entry.

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
    e.device = qint64(st.st_dev);
    e.skip = isSpecial(st.st_mode);
}

bool otherVolume(qint64 device, qint64 rootDevice)
{
    return device != 0 && rootDevice != 0 && device != rootDevice;
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

// lstat of a path given as text; false when it cannot be named exactly or
// does not exist.
bool statPath(const QString &path, QByteArray &native, struct stat &st)
{
    const QString p = withoutTrailingSlash(path);
    if (p.isEmpty())
        return false;
    native = QFile::encodeName(p);
    if (QFile::decodeName(native) != p)
        return false;
    return ::lstat(native.constData(), &st) == 0;
}

void appendName(std::string &out, const std::string &dir, const char *name, size_t len)
{
    out.reserve(dir.size() + len + 1);
    out.assign(dir);
    if (out.empty() || out.back() != '/')
        out.push_back('/');
    out.append(name, len);
}

// Paths of very deep trees outgrow PATH_MAX; such a folder is opened one
// chunk of components at a time, each relative to the folder before it.
constexpr size_t kDirectOpenLimit = 3800;

int openLong(const char *path, size_t len, int flags)
{
    if (len < kDirectOpenLimit)
        return ::open(path, flags);
    const std::string p(path, len);
    int base = AT_FDCWD;
    size_t start = 0;
    while (len - start >= kDirectOpenLimit) {
        size_t cut = p.rfind('/', start + kDirectOpenLimit - 1);
        if (cut == std::string::npos || cut <= start) {
            if (base != AT_FDCWD)
                ::close(base);
            errno = ENAMETOOLONG;
            return -1;
        }
        const std::string chunk = p.substr(start, cut - start);
        const int next = ::openat(base, chunk.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (base != AT_FDCWD)
            ::close(base);
        if (next < 0)
            return -1;
        base = next;
        start = cut + 1;
    }
    const int fd = ::openat(base, p.c_str() + start, flags);
    const int saved = errno;
    if (base != AT_FDCWD)
        ::close(base);
    errno = saved;
    return fd;
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Keeps the folder listed last open. In a depth-first walk the next folder is
// usually one of its children, which then opens relative to it: one lookup
// instead of one per path component, which keeps very deep trees linear.
// O_NOFOLLOW keeps a folder that was swapped for a link since it was listed
// from leading the walk elsewhere.
class FolderOpener final
{
public:
    FolderOpener() = default;
    FolderOpener(const FolderOpener &) = delete;
    FolderOpener &operator=(const FolderOpener &) = delete;
    ~FolderOpener()
    {
        if (m_last >= 0)
            ::close(m_last);
    }

    int open(const char *path, size_t len)
    {
        if (m_last >= 0 && isChildOfLast(path, len))
            return ::openat(m_last, path + m_lastPath.size() + (m_lastPath.back() == '/' ? 0 : 1), kFolderFlags);
        return openLong(path, len, kFolderFlags);
    }

    // Takes over the descriptor of a folder that has been listed to the end.
    void done(int fd, const char *path, size_t len)
    {
        if (m_last >= 0)
            ::close(m_last);
        m_last = fd;
        m_lastPath.assign(path, len);
    }

private:
    bool isChildOfLast(const char *path, size_t len) const
    {
        const size_t n = m_lastPath.size();
        const size_t start = m_lastPath.back() == '/' ? n : n + 1;
        if (len <= start || std::memcmp(path, m_lastPath.data(), n) != 0)
            return false;
        if (m_lastPath.back() != '/' && path[n] != '/')
            return false;
        return std::memchr(path + start, '/', len - start) == nullptr;
    }

    int m_last = -1;
    std::string m_lastPath;
};

// Reads the names of an open folder. On Linux it calls getdents64 straight
// into one buffer reused for every folder of a walk, which spares the
// allocation and the descriptor check fdopendir makes per folder.
class FolderReader final
{
public:
    FolderReader() = default;
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;
#ifdef __linux__
    void start(int fd)
    {
        m_fd = fd;
        m_pos = m_end = 0;
    }

    // The next name other than "." and "..", or nullptr at the end (or on a
    // read error, which ends the folder like an unreadable one).
    const char *next()
    {
        for (;;) {
            if (m_pos >= m_end) {
                const long n = ::syscall(SYS_getdents64, m_fd, m_buffer, sizeof m_buffer);
                if (n <= 0)
                    return nullptr;
                m_pos = 0;
                m_end = size_t(n);
            }
            // struct linux_dirent64: u64 ino, s64 off, u16 reclen, u8 type, name.
            const char *record = m_buffer + m_pos;
            unsigned short reclen;
            std::memcpy(&reclen, record + 16, sizeof reclen);
            m_pos += reclen;
            if (!isDot(record + 19))
                return record + 19;
        }
    }

private:
    alignas(8) char m_buffer[32768];
    size_t m_pos = 0;
    size_t m_end = 0;
    int m_fd = -1;
#else
    ~FolderReader()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    void start(int fd)
    {
        if (m_dir)
            ::closedir(m_dir);
        m_dir = ::fdopendir(::dup(fd));
    }
    const char *next()
    {
        while (m_dir) {
            const dirent *de = ::readdir(m_dir);
            if (!de)
                break;
            if (!isDot(de->d_name))
                return de->d_name;
        }
        return nullptr;
    }

private:
    DIR *m_dir = nullptr;
#endif
};

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
    const int fd = openLong(native.constData(), size_t(native.size()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
        if (!posixfs::statAt(fd, name, st, &mount))
            continue; // vanished since readdir
        Entry e;
        const size_t len = std::strlen(name);
        e.name = QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len)));
        fill(e, st);
        e.isMount = mount;
        if (!roundTrips(name, len))
            e.skip = true;
        out.append(std::move(e));
    }
    ::closedir(d);
    return out;
}

bool stat(const QString &path, Entry &entry)
{
    QByteArray native;
    struct stat st;
    if (!statPath(path, native, st))
        return false;
    bool mount = false;
    if (posixfs::statAt(AT_FDCWD, native.constData(), st, &mount))
        entry.isMount = mount;
    const QString p = withoutTrailingSlash(path);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    entry.name = (slash < 0 || p.size() == 1) ? p : p.mid(slash + 1);
    fill(entry, st);
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
    const int fd = openLong(native.constData(), size_t(native.size()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno != EACCES && errno != EPERM;
}

Measure measure(const QString &path, const std::atomic_bool *cancel, const ProgressFn &progress,
                const ExclusionMatcher *excluded)
{
    Measure total;
    QByteArray rootNative;
    struct stat st;
    if (!statPath(path, rootNative, st) || isSpecial(st.st_mode))
        return total;
    if (!S_ISDIR(st.st_mode)) {
        // A plain file, or a link measured as itself; links are never entered.
        total.bytes = qint64(st.st_blocks) * 512;
        total.files = 1;
        total.newest = toMs(st.st_mtim);
        return total;
    }
    const dev_t rootDevice = st.st_dev;

    const bool filtering = excluded && !excluded->isEmpty();
    QString folderText;  // the folder being listed, only when exclusions look at folders
    std::unordered_set<std::pair<dev_t, ino_t>, InodeHash> seen;
    std::vector<std::string> stack;
    stack.emplace_back(rootNative.constData(), size_t(rootNative.size()));
    std::string folder;
    std::string child;
    FolderOpener opener;
    const auto reader = std::make_unique<FolderReader>();
    int sinceProgress = 0;

    while (!stack.empty() && !isCancelled(cancel)) {
        folder.swap(stack.back());
        stack.pop_back();
        const int fd = opener.open(folder.c_str(), folder.size());
        if (fd < 0)
            continue; // unreadable folders are empty
        reader->start(fd);
        if (filtering && excluded->needsFolder())
            folderText = QFile::decodeName(QByteArray::fromRawData(folder.data(), qsizetype(folder.size())));
        while (const char *name = reader->next()) {
            bool mount = false;
            if (!posixfs::statAt(fd, name, st, &mount))
                continue;
            const mode_t mode = st.st_mode;
            if (isSpecial(mode) || mount)
                continue;
            const size_t len = std::strlen(name);
            if (!roundTrips(name, len))
                continue;
            if (filtering
                && excluded->matchesChild(folderText, QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len)))))
                continue;
            if (!S_ISDIR(mode)) {
                if (st.st_nlink > 1 && !seen.emplace(st.st_dev, st.st_ino).second)
                    continue;
                total.bytes += qint64(st.st_blocks) * 512;
                ++total.files;
                total.newest = qMax(total.newest, toMs(st.st_mtim));
                if (progress && ++sinceProgress == detail::kProgressEvery) {
                    sinceProgress = 0;
                    progress(QFile::decodeName(QByteArray::fromRawData(folder.data(), qsizetype(folder.size()))),
                             total.bytes, total.files);
                }
                continue;
            }
            if (otherVolume(qint64(st.st_dev), qint64(rootDevice)))
                continue;
            appendName(child, folder, name, len);
            stack.push_back(std::move(child));
            child.clear();
        }
        opener.done(fd, folder.data(), folder.size());
    }
    return total;
}

bool walk(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
          const FileFn &onFile)
{
    qint64 rootDevice = 0;
    {
        QByteArray native;
        struct stat st;
        if (statPath(root, native, st)) {
            if (S_ISLNK(st.st_mode) || isSpecial(st.st_mode))
                return !isCancelled(cancel);
            rootDevice = qint64(st.st_dev);
        }
    }

    struct Folder
    {
        QString path;
        QByteArray native;
    };
    std::vector<Folder> stack;
    FolderOpener opener;
    const auto reader = std::make_unique<FolderReader>();
    // The root is entered as given: a missing or unreadable one simply lists
    // nothing.
    stack.push_back({root, QFile::encodeName(root)});

    while (!stack.empty()) {
        if (isCancelled(cancel))
            return false;
        Folder folder = std::move(stack.back());
        stack.pop_back();
        const int fd = opener.open(folder.native.constData(), size_t(folder.native.size()));
        if (fd < 0)
            continue;
        reader->start(fd);
        while (const char *name = reader->next()) {
            struct stat st;
            bool mount = false;
            if (!posixfs::statAt(fd, name, st, &mount))
                continue;
            if (S_ISLNK(st.st_mode) || isSpecial(st.st_mode) || mount)
                continue;
            const size_t len = std::strlen(name);
            if (!roundTrips(name, len))
                continue;
            Entry e;
            e.name = QFile::decodeName(QByteArray::fromRawData(name, qsizetype(len)));
            fill(e, st);
            if (!e.isDir) {
                onFile(join(folder.path, e.name), e);
                continue;
            }
            if (otherVolume(e.device, rootDevice))
                continue;
            if (filter && filter(folder.path, e.name))
                continue;
            const QString childPath = join(folder.path, e.name);
            stack.push_back({childPath, QFile::encodeName(childPath)});
        }
        opener.done(fd, folder.native.constData(), size_t(folder.native.size()));
    }
    return true;
}

} // namespace fs

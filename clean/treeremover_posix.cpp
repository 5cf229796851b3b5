#include "clean/treeremover.h"

#include "scan/posixfs.h"
#include "scan/walkpool.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

// Every folder of the tree is a node that counts what keeps it: its own
// listing and each sub-folder not yet done. Whichever thread brings the
// count to zero closes the folder and removes it through the folder above,
// which is still open because it counts this one, and so on upwards: a
// folder goes after everything below it, and holds a descriptor only from
// its listing until then (one per level on the way down, as a
// single-threaded walk would).

namespace removal {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isSpecial(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode);
}

// ASCII always survives decodeName/encodeName; only names with other bytes
// pay for the check.
bool roundTrips(const char *name)
{
    for (const char *c = name; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80) {
            const QByteArray raw(name);
            return QFile::encodeName(QFile::decodeName(raw)) == raw;
        }
    }
    return true;
}

QString decoded(const std::string &native)
{
    return QFile::decodeName(QByteArray(native.data(), qsizetype(native.size())));
}

std::string childNative(const std::string &folder, const char *name)
{
    std::string p = folder;
    if (p.empty() || p.back() != '/')
        p.push_back('/');
    p.append(name);
    return p;
}

// A failure no retry mends, or an ordinary one to retry.
Failure failureFor(const QString &path, int error)
{
    if (error == EMFILE || error == ENFILE)
        return {path, quint32(error), tooDeepReason()};
    return {path, quint32(error), {}};
}

struct Node
{
    Node(Node *up, std::string ownName, std::string ownPath)
        : parent(up), name(std::move(ownName)), path(std::move(ownPath))
    {
    }
    Node *const parent;      // null: the top of the tree
    const std::string name;  // in the folder above
    const std::string path;  // encoded, for reports and exclusions
    int fd = -1;
    std::atomic_int keeping{1};
};

class TreeRemoval final
{
public:
    TreeRemoval(const TreeHooks &hooks, int topParentFd, dev_t device)
        : m_hooks(hooks), m_topParentFd(topParentFd), m_device(device), m_crew([this](int) { work(false); })
    {
    }

    void run(Node *top, QList<Failure> &failures)
    {
        m_stack.push(top);
        work(true);
        m_crew.join();
        std::stable_sort(m_failures.begin(), m_failures.end(),
                         [](const Failure &a, const Failure &b) { return a.path < b.path; });
        failures.append(m_failures);
    }

private:
    void work(bool calling)
    {
        QList<Failure> failures;
        const auto reader = std::make_unique<fs::pool::FolderReader>();
        std::vector<Node *> more;
        int folders = 0;
        const std::function<void()> duties = [&] { m_crew.consider(folders, m_stack.pending()); };
        Node *node = nullptr;
        while (m_stack.take(node, calling ? duties : std::function<void()>())) {
            removeFolder(node, *reader, more, failures);
            m_stack.give(more);
            if (calling) {
                ++folders;
                duties();
            }
        }
        std::lock_guard lock(m_reportMutex);
        m_failures.append(failures);
    }

    int holderOf(const Node *node) const { return node->parent ? node->parent->fd : m_topParentFd; }

    void removeFolder(Node *node, fs::pool::FolderReader &reader, std::vector<Node *> &more,
                      QList<Failure> &failures)
    {
        const int holder = holderOf(node);
        node->fd = ::openat(holder, node->name.c_str(), kDirFlags);
        if (node->fd < 0) {
            removeUnopenable(holder, node->name.c_str(), errno, node->path, failures);
            Node *parent = node->parent;
            delete node;
            release(parent);
            return;
        }
        const QString folderText = m_hooks.keeps ? decoded(node->path) : QString();
        reader.start(node->fd);
        while (const char *name = reader.next()) {
            struct stat st;
            bool mount = false;
            if (!posixfs::statAt(node->fd, name, st, &mount) || isSpecial(st.st_mode) || mount)
                continue;
            if (!roundTrips(name)) {
                failures.append({decoded(node->path) + u'/' + posixfs::shownName(QByteArray(name)), 0, unnameableReason()});
                continue;
            }
            if (m_hooks.keeps && keeps(folderText, name, S_ISDIR(st.st_mode)))
                continue;
            if (m_hooks.keepLinkedFiles && !S_ISDIR(st.st_mode) && st.st_nlink > 1)
                continue;
            if (!S_ISDIR(st.st_mode)) {
                removeFile(node->fd, name, st, childNative(node->path, name), failures);
                continue;
            }
            if (st.st_dev != m_device)
                continue;
            // A folder a program works in stays with everything in it.
            if (m_hooks.busy && m_hooks.busy(st)) {
                failures.append({decoded(childNative(node->path, name)), quint32(EBUSY), {}});
                continue;
            }
            node->keeping.fetch_add(1);
            more.push_back(new Node(node, name, childNative(node->path, name)));
        }
        release(node);
    }

    // One reason less to keep `node`; the last one removes it, and maybe the
    // folders above.
    void release(Node *node)
    {
        while (node && node->keeping.fetch_sub(1) == 1) {
            Node *parent = node->parent;
            const int holder = holderOf(node);
            ::close(node->fd);
            // A folder that keeps a busy, failed or excluded entry stays;
            // the entry itself is what is reported.
            removeEmptyEntry(m_hooks.preview, holder, node->name.c_str(), decoded(node->path));
            delete node;
            node = parent;
        }
    }

    bool keeps(const QString &folder, const char *name, bool isFolder)
    {
        const QString entry = QFile::decodeName(QByteArray(name));
        if (!m_hooks.keeps(folder, entry, isFolder, false))
            return false;
        std::lock_guard lock(m_hookMutex);
        m_hooks.keeps(folder, entry, isFolder, true);
        return true;
    }

    void removeFile(int dirFd, const char *name, const struct stat &st, const std::string &path,
                    QList<Failure> &failures)
    {
        if (m_hooks.busy && m_hooks.busy(st)) {
            failures.append({decoded(path), quint32(EBUSY), {}});
            return;
        }
        if (unlinkEntry(m_hooks.preview, dirFd, name, st, decoded(path))) {
            if (m_hooks.onRemoved && !m_hooks.preview) {
                std::lock_guard lock(m_hookMutex);
                m_hooks.onRemoved(
                    {qint64(st.st_blocks) * 512, qint64(st.st_dev), qint64(st.st_ino), int(st.st_nlink)});
            }
        } else if (errno != ENOENT) {
            failures.append(failureAt(dirFd, name, decoded(path), errno));
        }
    }

    // An entry that was a folder when it was described but cannot be opened
    // as one: swapped for a link or a file since (that entry is what goes,
    // never what it points at), gone, or failing for a reason that is
    // reported.
    void removeUnopenable(int dirFd, const char *name, int error, const std::string &path,
                          QList<Failure> &failures)
    {
        if (error == ELOOP || error == ENOTDIR) {
            struct stat st;
            if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode)
                && !isSpecial(st.st_mode))
                removeFile(dirFd, name, st, path, failures);
            return;
        }
        if (error != ENOENT)
            failures.append(failureFor(decoded(path), error));
    }

    const TreeHooks &m_hooks;
    const int m_topParentFd;
    const dev_t m_device;
    std::mutex m_hookMutex;
    std::mutex m_reportMutex;
    QList<Failure> m_failures;
    fs::pool::WorkStack<Node *> m_stack;
    fs::pool::Crew m_crew;  // last: its helpers are joined before the rest goes
};

} // namespace

bool isPinned(int dirFd, const char *name)
{
    constexpr quint64 kFlags = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    const auto pinned = [dirFd](const char *n, int flags) {
        struct statx sx;
        return ::statx(dirFd, n, flags | AT_NO_AUTOMOUNT, 0, &sx) == 0
            && (sx.stx_attributes & sx.stx_attributes_mask & kFlags) != 0;
    };
    return pinned(name, AT_SYMLINK_NOFOLLOW) || pinned("", AT_EMPTY_PATH);
}

Failure failureAt(int dirFd, const char *name, const QString &path, int error)
{
    if (error == EPERM && isPinned(dirFd, name))
        return {path, quint32(error), pinnedReason()};
    return failureFor(path, error);
}

bool mayTakeOut(int dirFd, const char *name, const struct stat &st)
{
    if (::faccessat(dirFd, ".", W_OK | X_OK, AT_EACCESS) != 0)
        return false;
    if (isPinned(dirFd, name)) {
        errno = EPERM;
        return false;
    }
    struct stat folder;
    if (::fstat(dirFd, &folder) != 0)
        return false;
    const uid_t me = ::geteuid();
    if ((folder.st_mode & S_ISVTX) && me != 0 && st.st_uid != me && folder.st_uid != me) {
        errno = EPERM;
        return false;
    }
    return true;
}

bool unlinkEntry(Preview *preview, int dirFd, const char *name, const struct stat &st, const QString &path)
{
    if (!preview)
        return ::unlinkat(dirFd, name, 0) == 0;
    if (!mayTakeOut(dirFd, name, st))
        return false;
    preview->gone(path, qint64(st.st_blocks) * 512, false);
    return true;
}

bool removeEmptyEntry(Preview *preview, int dirFd, const char *name, const QString &path)
{
    if (!preview)
        return ::unlinkat(dirFd, name, AT_REMOVEDIR) == 0;
    struct stat st;
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) || !mayTakeOut(dirFd, name, st))
        return false;
    DIR *d = nullptr;
    if (const int fd = ::openat(dirFd, name, kDirFlags); fd >= 0 && !(d = ::fdopendir(fd)))
        ::close(fd);
    if (!d)
        return false;
    const QByteArray native = QFile::encodeName(path);
    const std::string folder(native.constData(), size_t(native.size()));
    QStringList children;
    bool spelt = true;
    while (const dirent *de = ::readdir(d)) {
        const char *entry = de->d_name;
        if (entry[0] == '.' && (entry[1] == '\0' || (entry[1] == '.' && entry[2] == '\0')))
            continue;
        // An entry no path can name was never recorded, and must not pass
        // for another entry whose name reads the same.
        if (!roundTrips(entry)) {
            spelt = false;
            break;
        }
        children.append(decoded(childNative(folder, entry)));
    }
    ::closedir(d);
    return spelt && preview->folderGone(path, children);
}

void removeTreeInParallel(const TreeHooks &hooks, int parentFd, const QByteArray &name, dev_t device,
                          const QString &path, QList<Failure> &failures)
{
    const QByteArray native = QFile::encodeName(path);
    TreeRemoval removal(hooks, parentFd, device);
    removal.run(new Node(nullptr, name.toStdString(), std::string(native.constData(), size_t(native.size()))),
                failures);
}

} // namespace removal

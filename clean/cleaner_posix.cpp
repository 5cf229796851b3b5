#include "clean/cleaner_p.h"

#include "app/trash.h"
#include "scan/uniquefd.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Everything below the anchor is reached relative to open folder descriptors
// with O_NOFOLLOW, so a folder swapped for a link at any moment is never
// entered: the open fails and the link itself is what gets removed (or, for
// an item's own folder, nothing is).

namespace removal {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isDot(const char *n)
{
    return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

bool isSpecial(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode);
}

// A name that does not survive decodeName/encodeName cannot be named through
// a QString again; such entries are left alone, as the walker leaves them.
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

// The open folder that holds `path` and the last name of `path`. The anchor
// is opened as named; every folder between it and `path` must be a real
// folder. On failure error holds an errno value.
struct Parent
{
    UniqueFd fd;
    QByteArray name;
    int error = 0;
};

void openParent(const QString &anchor, const QString &path, Parent &out)
{
    const QByteArray a = QFile::encodeName(anchor);
    const QByteArray p = QFile::encodeName(path);
    if (a.isEmpty() || QFile::decodeName(p) != path) {
        out.error = EINVAL;
        return;
    }
    const QByteArray prefix = a.endsWith('/') ? a : a + '/';
    if (!p.startsWith(prefix) || p.size() == prefix.size()) {
        out.error = EINVAL;
        return;
    }
    const QList<QByteArray> parts = p.mid(prefix.size()).split('/');
    for (const QByteArray &part : parts) {
        if (part.isEmpty() || part == "." || part == "..") {
            out.error = EINVAL;
            return;
        }
    }
    out.fd.reset(::open(a.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!out.fd.valid()) {
        out.error = errno;
        return;
    }
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const int next = ::openat(out.fd.get(), parts.at(i).constData(), kDirFlags);
        if (next < 0) {
            out.error = errno;
            out.fd.reset(-1);
            return;
        }
        out.fd.reset(next);
    }
    out.name = parts.constLast();
}

bool isReplacedError(int error)
{
    return error == ELOOP || error == ENOTDIR;
}

QString childPath(const std::string &folder, const char *name)
{
    std::string p = folder;
    if (p.empty() || p.back() != '/')
        p.push_back('/');
    p.append(name);
    return QFile::decodeName(QByteArray(p.data(), qsizetype(p.size())));
}

QString decoded(const std::string &native)
{
    return QFile::decodeName(QByteArray(native.data(), qsizetype(native.size())));
}

// What every removal walk needs of its Remover.
struct Hooks
{
    const OpenFiles &open;
    const ExclusionMatcher *excluded;  // null: nothing excluded
    const Remover::Removed &onRemoved;
    const Remover::Excluded &onExcluded;

    // Whether the user excluded `name` inside `folder`; an excluded entry is
    // told to onExcluded when `report` is set.
    bool keeps(const QString &folder, const QString &name, bool report) const
    {
        if (!excluded || !excluded->matchesChild(folder, name))
            return false;
        if (report && onExcluded)
            onExcluded(folder.endsWith(QLatin1Char('/')) ? QString(folder + name) : QString(folder + QLatin1Char('/') + name));
        return true;
    }
    bool keeps(const std::string &folder, const char *name, bool report) const
    {
        if (!excluded)
            return false;
        return keeps(decoded(folder), QFile::decodeName(QByteArray(name)), report);
    }
};

struct Frame
{
    DIR *dir = nullptr;
    std::string name;  // in the folder of the frame below
    std::string path;  // encoded, for messages only
};

// Removes one non-folder entry of an open folder.
void removeFile(const Hooks &hooks, int dirFd, const char *name, const struct stat &st, const QString &path,
                QList<Failure> &failures)
{
    if (S_ISREG(st.st_mode) && hooks.open.contains(qint64(st.st_dev), qint64(st.st_ino))) {
        failures.append({path, quint32(EBUSY)});
        return;
    }
    if (::unlinkat(dirFd, name, 0) == 0) {
        if (hooks.onRemoved)
            hooks.onRemoved({qint64(st.st_blocks) * 512, qint64(st.st_dev), qint64(st.st_ino), int(st.st_nlink)});
    } else if (errno != ENOENT) {
        failures.append({path, quint32(errno)});
    }
}

// Depth first, children before their folder, one descriptor per level.
// Other volumes are not entered: the scan did not count them either. An
// excluded entry stays, and so does every folder on the way to it (it is not
// empty when its turn comes).
void removeTree(const Hooks &hooks, int parentFd, const QByteArray &name, dev_t device, const QString &path,
                QList<Failure> &failures)
{
    const int top = ::openat(parentFd, name.constData(), kDirFlags);
    DIR *topDir = top < 0 ? nullptr : ::fdopendir(top);
    if (!topDir) {
        const int err = errno;
        if (top >= 0)
            ::close(top);
        struct stat st;
        if (isReplacedError(err) && ::fstatat(parentFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
            && !S_ISDIR(st.st_mode) && !isSpecial(st.st_mode))
            removeFile(hooks, parentFd, name.constData(), st, path, failures);
        else
            ::unlinkat(parentFd, name.constData(), AT_REMOVEDIR);
        return;
    }

    std::vector<Frame> stack;
    const QByteArray nativePath = QFile::encodeName(path);
    stack.push_back({topDir, name.toStdString(), std::string(nativePath.constData(), size_t(nativePath.size()))});
    while (!stack.empty()) {
        Frame &frame = stack.back();
        const int fd = ::dirfd(frame.dir);
        const dirent *de = ::readdir(frame.dir);
        if (!de) {
            const std::string done = std::move(frame.name);
            ::closedir(frame.dir);
            stack.pop_back();
            const int holder = stack.empty() ? parentFd : ::dirfd(stack.back().dir);
            // A folder that keeps a busy file stays; that is not reported.
            ::unlinkat(holder, done.c_str(), AT_REMOVEDIR);
            continue;
        }
        const char *entry = de->d_name;
        if (isDot(entry))
            continue;
        struct stat st;
        if (::fstatat(fd, entry, &st, AT_SYMLINK_NOFOLLOW) != 0 || isSpecial(st.st_mode) || !roundTrips(entry))
            continue;
        if (hooks.keeps(frame.path, entry, true))
            continue;
        if (!S_ISDIR(st.st_mode)) {
            removeFile(hooks, fd, entry, st, childPath(frame.path, entry), failures);
            continue;
        }
        if (st.st_dev != device)
            continue;
        const int sub = ::openat(fd, entry, kDirFlags);
        DIR *subDir = sub < 0 ? nullptr : ::fdopendir(sub);
        if (!subDir) {
            const int err = errno;
            if (sub >= 0)
                ::close(sub);
            // Swapped for a link or a file since it was listed: that entry
            // is what gets removed, never what it points at.
            if (isReplacedError(err) && ::fstatat(fd, entry, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode)
                && !isSpecial(st.st_mode))
                removeFile(hooks, fd, entry, st, childPath(frame.path, entry), failures);
            else
                ::unlinkat(fd, entry, AT_REMOVEDIR);
            continue;
        }
        std::string subPath = frame.path;
        if (subPath.empty() || subPath.back() != '/')
            subPath.push_back('/');
        subPath.append(entry);
        stack.push_back({subDir, std::string(entry), std::move(subPath)});
    }
}

// Whether the folder holds something that must not move along with it: a
// file in use, a socket, FIFO or device, a name that cannot be spelt again,
// another volume, or an entry the user excluded.
bool holdsUnmovable(const Hooks &hooks, int parentFd, const QByteArray &name, dev_t device, const QString &path)
{
    const int top = ::openat(parentFd, name.constData(), kDirFlags);
    DIR *topDir = top < 0 ? nullptr : ::fdopendir(top);
    if (!topDir) {
        if (top >= 0)
            ::close(top);
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    std::vector<Frame> stack{{topDir, std::string(), std::string(native.constData(), size_t(native.size()))}};
    bool found = false;
    while (!stack.empty() && !found) {
        Frame &frame = stack.back();
        const dirent *de = ::readdir(frame.dir);
        if (!de) {
            ::closedir(frame.dir);
            stack.pop_back();
            continue;
        }
        if (isDot(de->d_name))
            continue;
        struct stat st;
        if (::fstatat(::dirfd(frame.dir), de->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (isSpecial(st.st_mode) || !roundTrips(de->d_name) || hooks.keeps(frame.path, de->d_name, false)) {
            found = true;
        } else if (S_ISREG(st.st_mode)) {
            found = hooks.open.contains(qint64(st.st_dev), qint64(st.st_ino));
        } else if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != device) {
                found = true;
                continue;
            }
            const int sub = ::openat(::dirfd(frame.dir), de->d_name, kDirFlags);
            DIR *subDir = sub < 0 ? nullptr : ::fdopendir(sub);
            if (subDir) {
                std::string subPath = frame.path;
                subPath.push_back('/');
                subPath.append(de->d_name);
                stack.push_back({subDir, std::string(), std::move(subPath)});
            } else if (sub >= 0) {
                ::close(sub);
            }
        }
    }
    for (const Frame &frame : stack)
        ::closedir(frame.dir);
    return found;
}

Reach listEntries(const QString &anchor, const QString &folder, QStringList &names)
{
    names.clear();
    Parent parent;
    openParent(anchor, folder, parent);
    if (parent.error != 0)
        return parent.error == ENOENT ? Reach::Gone : isReplacedError(parent.error) ? Reach::Replaced : Reach::Folder;
    const int fd = ::openat(parent.fd.get(), parent.name.constData(), kDirFlags);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return Reach::Gone;
        return isReplacedError(err) ? Reach::Replaced : Reach::Folder;
    }
    DIR *d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return Reach::Folder;
    }
    while (const dirent *de = ::readdir(d)) {
        const char *name = de->d_name;
        if (isDot(name))
            continue;
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || isSpecial(st.st_mode) || !roundTrips(name))
            continue;
        names.append(QFile::decodeName(QByteArray(name)));
    }
    ::closedir(d);
    return Reach::Folder;
}

void trashEntry(const Hooks &hooks, const QString &anchor, const QString &path, bool top,
                QList<Failure> &failures)
{
    Parent parent;
    openParent(anchor, path, parent);
    if (parent.error != 0) {
        if (parent.error != ENOENT)
            failures.append({path, 0});
        return;
    }
    const int fd = parent.fd.get();
    const char *name = parent.name.constData();
    struct stat st;
    if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || isSpecial(st.st_mode))
        return;
    // Another volume mounted here is not part of the selection: an item of
    // that kind is reported, a folder met on the way is left alone.
    struct stat holder;
    if (S_ISDIR(st.st_mode) && (::fstat(fd, &holder) != 0 || holder.st_dev != st.st_dev)) {
        if (top)
            failures.append({path, 0});
        return;
    }
    if (S_ISREG(st.st_mode) && hooks.open.contains(qint64(st.st_dev), qint64(st.st_ino))) {
        failures.append({path, 0});
        return;
    }
    // A folder with a file in use would not move on Windows either, and one
    // holding an excluded entry must not take it along; their other entries
    // still go, one by one.
    const bool whole = !S_ISDIR(st.st_mode) || !holdsUnmovable(hooks, fd, parent.name, st.st_dev, path);
    if (whole) {
        // The trash helper moves the entry itself and never follows it; a
        // move it cannot make into a trash folder fails, it is never a copy.
        if (trash::moveToTrash(path))
            return;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return;
        if (!S_ISDIR(st.st_mode)) {
            if (!isSpecial(st.st_mode))
                failures.append({path, 0});
            return;
        }
    }
    QStringList names;
    const Reach reach = listEntries(anchor, path, names);
    if (reach == Reach::Replaced) {
        failures.append({path, 0});
        return;
    }
    for (const QString &child : std::as_const(names)) {
        if (!hooks.keeps(path, child, true))
            trashEntry(hooks, anchor, path + QLatin1Char('/') + child, false, failures);
    }
    ::unlinkat(fd, name, AT_REMOVEDIR);
}

} // namespace

void Remover::beginPass()
{
    m_open = OpenFiles::capture();
}

Reach Remover::entries(const QString &anchor, const QString &folder, QStringList &names) const
{
    return listEntries(anchor, folder, names);
}

void Remover::removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    const Hooks hooks{m_open, m_excluded, m_onRemoved, m_onExcluded};
    Parent parent;
    openParent(anchor, path, parent);
    if (parent.error != 0) {
        if (parent.error != ENOENT)
            failures.append({path, quint32(parent.error)});
        return;
    }
    struct stat st;
    // Attributes that cannot be read count as gone.
    if (::fstatat(parent.fd.get(), parent.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || isSpecial(st.st_mode))
        return;
    if (!S_ISDIR(st.st_mode)) {
        removeFile(hooks, parent.fd.get(), parent.name.constData(), st, path, failures);
        return;
    }
    // A volume mounted at the item is not the user's selection to wipe.
    struct stat holder;
    if (::fstat(parent.fd.get(), &holder) != 0 || holder.st_dev != st.st_dev) {
        failures.append({path, quint32(EXDEV)});
        return;
    }
    removeTree(hooks, parent.fd.get(), parent.name, st.st_dev, path, failures);
}

void Remover::moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    trashEntry(Hooks{m_open, m_excluded, m_onRemoved, m_onExcluded}, anchor, path, true, failures);
}

bool Remover::retryDelete(const QString &anchor, const QString &path, quint32 &error) const
{
    QList<Failure> failures;
    removePermanently(anchor, path, failures);
    if (failures.isEmpty())
        return true;
    error = failures.constLast().error;
    return false;
}

bool Remover::retryTrash(const QString &anchor, const QString &path) const
{
    QList<Failure> failures;
    moveToTrash(anchor, path, failures);
    return failures.isEmpty();
}

bool Remover::removeEmptyFolder(const QString &anchor, const QString &path) const
{
    Parent parent;
    openParent(anchor, path, parent);
    return parent.error == 0 && ::unlinkat(parent.fd.get(), parent.name.constData(), AT_REMOVEDIR) == 0;
}

} // namespace removal

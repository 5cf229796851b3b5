#include "clean/cleaner_p.h"

#include "app/trash.h"
#include "clean/treeremover.h"
#include "scan/posixfs.h"
#include "scan/uniquefd.h"

#include <QFile>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The folder that holds an item is opened from the catalogue base above it,
// one component at a time without following links or entering other mounts
// (posixfs::openFolder). Everything below is reached relative to open folder
// descriptors with O_NOFOLLOW, so a folder swapped for a link at any moment
// is never entered: the open fails and the link itself is what gets removed
// or moved (or, for an item's own folder, nothing is). Mount points are
// never entered, moved or removed, and moves into the trash rename through
// the descriptors too.

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

bool isReplacedError(int error)
{
    return error == ELOOP || error == ENOTDIR;
}

bool isOutOfDescriptors(int error)
{
    return error == EMFILE || error == ENFILE;
}

// The open folder that holds `path` and the last name of `path`. The anchor
// is opened without following links from its catalogue base; every folder
// between it and `path` must be a real folder. On failure error holds an
// errno value.
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
    out.fd.reset(posixfs::openFolder(anchor));
    if (!out.fd.valid()) {
        out.error = errno;
        return;
    }
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        struct stat st;
        bool mount = false;
        if (posixfs::statAt(out.fd.get(), parts.at(i).constData(), st, &mount) && mount) {
            out.error = EXDEV;
            out.fd.reset(-1);
            return;
        }
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

QString childPath(const std::string &folder, const char *name)
{
    std::string p = folder;
    if (p.empty() || p.back() != '/')
        p.push_back('/');
    p.append(name);
    return QFile::decodeName(QByteArray(p.data(), qsizetype(p.size())));
}

std::string childNative(const std::string &folder, const char *name)
{
    std::string p = folder;
    if (p.empty() || p.back() != '/')
        p.push_back('/');
    p.append(name);
    return p;
}

QString decoded(const std::string &native)
{
    return QFile::decodeName(QByteArray(native.data(), qsizetype(native.size())));
}

// A failure inside a tree that no retry mends, or an ordinary one to retry.
Failure failureFor(const QString &path, int error)
{
    if (isOutOfDescriptors(error))
        return {path, quint32(error), tooDeepReason()};
    return {path, quint32(error), {}};
}

// What every removal walk needs of its Remover.
struct Hooks
{
    const OpenFiles &open;
    const ExclusionMatcher *excluded;  // null: nothing excluded
    const Remover::Removed &onRemoved;
    const Remover::Excluded &onExcluded;
    const Remover::Trashed &onTrashed;
    Preview *preview;  // null: a real run

    // Whether the user excluded `name` inside `folder`; an excluded entry is
    // told to onExcluded when `report` is set.
    bool keeps(const QString &folder, const QString &name, bool isFolder, bool report) const
    {
        if (!excluded || !excluded->matchesChild(folder, name, isFolder))
            return false;
        if (report && onExcluded)
            onExcluded(folder.endsWith(QLatin1Char('/')) ? QString(folder + name)
                                                         : QString(folder + QLatin1Char('/') + name));
        return true;
    }
    bool keeps(const std::string &folder, const char *name, const struct stat &st, bool report) const
    {
        if (!excluded)
            return false;
        if (!S_ISDIR(st.st_mode) && excluded->keepsFile(qint64(st.st_nlink)))
            return true;
        return keeps(decoded(folder), QFile::decodeName(QByteArray(name)), S_ISDIR(st.st_mode), report);
    }
    // A file held open or mapped, or a folder a program works in.
    bool busy(const struct stat &st) const
    {
        if (S_ISDIR(st.st_mode))
            return open.containsFolder(qint64(st.st_dev), qint64(st.st_ino));
        return S_ISREG(st.st_mode) && open.contains(qint64(st.st_dev), qint64(st.st_ino));
    }
};

// One open folder of a walk: its listing, its name in the folder below it
// and its path (encoded, for messages and exclusions).
struct Frame
{
    DIR *dir = nullptr;
    std::string name;
    std::string path;
};

// Opens entry `name` of `parentFd` as a folder to walk; nullptr with errno.
DIR *openChild(int parentFd, const char *name)
{
    const int fd = ::openat(parentFd, name, kDirFlags);
    if (fd < 0)
        return nullptr;
    DIR *d = ::fdopendir(fd);
    if (!d) {
        const int err = errno;
        ::close(fd);
        errno = err;
    }
    return d;
}

// Removes one non-folder entry of an open folder.
void removeFile(const Hooks &hooks, int dirFd, const char *name, const struct stat &st, const QString &path,
                QList<Failure> &failures)
{
    if (hooks.busy(st)) {
        failures.append({path, quint32(EBUSY), {}});
        return;
    }
    if (unlinkEntry(hooks.preview, dirFd, name, st, path)) {
        if (hooks.onRemoved && !hooks.preview)
            hooks.onRemoved({qint64(st.st_blocks) * 512, qint64(st.st_dev), qint64(st.st_ino), int(st.st_nlink)});
    } else if (errno != ENOENT) {
        failures.append(failureAt(dirFd, name, path, errno));
    }
}

// The cleaner's rules for the parallel tree remover (clean/treeremover.h):
// depth first, children before their folder, no link, other volume or mount
// entered, excluded entries and the folders leading to them kept, every file
// or folder that could not go reported.
TreeHooks treeHooks(const Hooks &hooks)
{
    TreeHooks tree;
    if (hooks.excluded)
        tree.keeps = [&hooks](const QString &folder, const QString &name, bool isFolder, bool report) {
            return hooks.keeps(folder, name, isFolder, report);
        };
    tree.busy = [&hooks](const struct stat &st) { return hooks.busy(st); };
    tree.keepLinkedFiles = hooks.excluded && hooks.excluded->keepsLinkedFiles();
    tree.onRemoved = hooks.onRemoved;
    tree.preview = hooks.preview;
    return tree;
}

// The folders below (and including) an open folder's entry `name` that hold,
// at any depth, something that must not move along with them: a file in use,
// a socket, FIFO or device, a name that cannot be spelt again, another volume
// or mount, or an entry the user excluded. Found in one walk, by device and
// inode, so that moving a tree entry by entry costs time in proportion to
// its size.
using FolderIds = QSet<QPair<quint64, quint64>>;

// A file with more than one name met on the way: once the move is over, its
// name here is looked at again to tell whether it went.
struct SharedFile
{
    std::string path;
    struct stat st;
};

// With `sizes` given, it also gets the bytes on disk of every folder of the
// walk (its files and links at any depth, each name once): what a preview
// shows for a folder that would move whole.
using FolderSizes = QHash<QPair<quint64, quint64>, qint64>;

FolderIds foldersHoldingUnmovable(const Hooks &hooks, int parentFd, const QByteArray &name, dev_t device,
                                  const QString &path, std::vector<SharedFile> &shared, FolderSizes *sizes = nullptr)
{
    struct Level
    {
        DIR *dir;
        QPair<quint64, quint64> id;
        std::string path;
        qint64 bytes = 0;
    };
    FolderIds blocked;
    struct stat top;
    DIR *topDir = openChild(parentFd, name.constData());
    if (!topDir)
        return blocked;
    if (::fstat(::dirfd(topDir), &top) != 0) {
        ::closedir(topDir);
        return blocked;
    }
    const QByteArray native = QFile::encodeName(path);
    std::vector<Level> stack{{topDir, {quint64(top.st_dev), quint64(top.st_ino)}, native.toStdString()}};
    auto blockAll = [&] {
        for (const Level &l : stack)
            blocked.insert(l.id);
    };
    while (!stack.empty()) {
        Level &level = stack.back();
        const dirent *de = ::readdir(level.dir);
        if (!de) {
            ::closedir(level.dir);
            const QPair<quint64, quint64> id = level.id;
            const qint64 bytes = level.bytes;
            stack.pop_back();
            if (sizes) {
                sizes->insert(id, bytes);
                if (!stack.empty())
                    stack.back().bytes += bytes;
            }
            continue;
        }
        if (isDot(de->d_name))
            continue;
        struct stat st;
        bool mount = false;
        if (!posixfs::statAt(::dirfd(level.dir), de->d_name, st, &mount))
            continue;
        if (!S_ISDIR(st.st_mode))
            level.bytes += qint64(st.st_blocks) * 512;
        if (isSpecial(st.st_mode) || mount || !roundTrips(de->d_name) || hooks.keeps(level.path, de->d_name, st, false)
            || hooks.busy(st) || (S_ISDIR(st.st_mode) && st.st_dev != device)) {
            blockAll();
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            if (S_ISREG(st.st_mode) && st.st_nlink > 1)
                shared.push_back({childNative(level.path, de->d_name), st});
            continue;
        }
        DIR *sub = openChild(::dirfd(level.dir), de->d_name);
        if (!sub) {
            // What cannot be looked into cannot be vouched for.
            if (!isReplacedError(errno))
                blockAll();
            continue;
        }
        std::string subPath = childNative(level.path, de->d_name);
        stack.push_back({sub, {quint64(st.st_dev), quint64(st.st_ino)}, std::move(subPath)});
    }
    return blocked;
}

// Whether entry `name` of `dirFd` at `path` could move into its trash now;
// false with the errno value the move would fail with.
bool couldMoveToTrash(int dirFd, const char *name, const QString &path, int &error)
{
    struct stat st;
    if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        error = errno;
        return false;
    }
    // A preview writes nothing, not even a trash folder the move would make.
    const QString folder = trash::trashFolderForDevice(st.st_dev, path, &error, false);
    if (folder.isEmpty())
        return false;
    struct stat files;
    if (trash::isInsideTrash(path, {folder}) || trash::isInsideTrash(folder, {path})) {
        error = EINVAL;
    } else if (::lstat(QFile::encodeName(folder + QStringLiteral("/files")).constData(), &files) == 0
               && files.st_dev != st.st_dev) {
        error = EXDEV;
    } else if (std::strlen(name) + std::strlen(".trashinfo") > NAME_MAX) {
        error = ENAMETOOLONG;
    } else if (!mayTakeOut(dirFd, name, st)) {
        error = errno;
    } else if (S_ISDIR(st.st_mode) && ::geteuid() != 0 && ::faccessat(dirFd, name, W_OK, AT_EACCESS) != 0) {
        error = errno;  // a folder that moves rewrites its own ".."
    } else {
        return true;
    }
    return false;
}

// Moves entry `name` of `dirFd` into the trash as itself; false with the
// failure recorded (a move the trash cannot take is skipped at once). A
// preview records the move, of `bytes`, instead.
bool moveOne(const Hooks &hooks, int dirFd, const char *name, const QString &path, QList<Failure> &failures,
             qint64 bytes = 0, bool isFolder = false)
{
    int error = 0;
    if (hooks.preview && couldMoveToTrash(dirFd, name, path, error)) {
        hooks.preview->gone(path, bytes, isFolder);
        return true;
    }
    QString inTrash;
    if (!hooks.preview && trash::moveToTrashAt(dirFd, QByteArray(name), path, &error, &inTrash)) {
        if (hooks.onTrashed)
            hooks.onTrashed(path, inTrash);
        return true;
    }
    if (error == ENOENT)
        return true;
    if (error == EXDEV)
        failures.append({path, quint32(error), noTrashOnDriveReason()});
    else if (error == ENAMETOOLONG || error == EINVAL)
        failures.append({path, quint32(error), noTrashReason()});
    else if (error == EBUSY)
        failures.append({path, quint32(error), mountPointReason()});
    else if (error == ENOSPC || error == EDQUOT)
        failures.append({path, quint32(error), noSpaceReason()});
    else if (isOutOfDescriptors(error))
        failures.append({path, quint32(error), tooDeepReason()});
    else if (error == EPERM && isPinned(dirFd, name))
        failures.append({path, 0, pinnedReason()});
    else
        failures.append({path, 0, {}});
    return false;
}

// Moves the folder entry `name` of `parentFd` to the trash: whole when
// nothing in it must stay, otherwise entry by entry, one walk with one
// descriptor per level. Folders emptied that way are removed once empty.
void trashFolder(const Hooks &hooks, int parentFd, const QByteArray &name, dev_t device, const QString &path,
                 QList<Failure> &failures, std::vector<SharedFile> &shared)
{
    FolderSizes sizes;
    const FolderIds blocked =
        foldersHoldingUnmovable(hooks, parentFd, name, device, path, shared, hooks.preview ? &sizes : nullptr);
    struct stat self;
    if (::fstatat(parentFd, name.constData(), &self, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (!blocked.contains({quint64(self.st_dev), quint64(self.st_ino)})) {
        QList<Failure> whole;
        if (moveOne(hooks, parentFd, name.constData(), path, whole,
                    sizes.value({quint64(self.st_dev), quint64(self.st_ino)}), true))
            return;
        // A folder the trash cannot take whole may still go entry by entry
        // (a name too long for its record, say); other failures, a drive
        // without a trash among them, are final.
        if (whole.constFirst().reason != noTrashReason()) {
            failures.append(whole);
            return;
        }
    }

    DIR *topDir = openChild(parentFd, name.constData());
    if (!topDir) {
        if (!isReplacedError(errno))
            failures.append(failureFor(path, errno));
        else
            moveOne(hooks, parentFd, name.constData(), path, failures);
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
            const QString donePath = decoded(frame.path);
            ::closedir(frame.dir);
            stack.pop_back();
            removeEmptyEntry(hooks.preview, stack.empty() ? parentFd : ::dirfd(stack.back().dir), done.c_str(),
                             donePath);
            continue;
        }
        const char *entry = de->d_name;
        if (isDot(entry))
            continue;
        struct stat st;
        bool mount = false;
        if (!posixfs::statAt(fd, entry, st, &mount) || isSpecial(st.st_mode) || mount)
            continue;
        if (!roundTrips(entry)) {
            failures.append({decoded(frame.path) + u'/' + posixfs::shownName(QByteArray(entry)), 0, unnameableReason()});
            continue;
        }
        if (hooks.keeps(frame.path, entry, st, true))
            continue;
        const QString child = childPath(frame.path, entry);
        if (hooks.busy(st)) {
            failures.append({child, 0, {}});
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            moveOne(hooks, fd, entry, child, failures, qint64(st.st_blocks) * 512);
            continue;
        }
        if (st.st_dev != device)
            continue;
        if (!blocked.contains({quint64(st.st_dev), quint64(st.st_ino)})) {
            QList<Failure> whole;
            if (moveOne(hooks, fd, entry, child, whole, sizes.value({quint64(st.st_dev), quint64(st.st_ino)}), true))
                continue;
            if (whole.constFirst().reason != noTrashReason()) {
                failures.append(whole);
                continue;
            }
        }
        DIR *sub = openChild(fd, entry);
        if (!sub) {
            if (isReplacedError(errno))
                moveOne(hooks, fd, entry, child, failures);
            else if (errno != ENOENT)
                failures.append(failureFor(child, errno));
            continue;
        }
        stack.push_back({sub, std::string(entry), childNative(frame.path, entry)});
    }
}

Reach listEntries(const QString &anchor, const QString &folder, QStringList &names, QStringList &unnameable)
{
    names.clear();
    unnameable.clear();
    Parent parent;
    openParent(anchor, folder, parent);
    if (parent.error != 0)
        return parent.error == ENOENT ? Reach::Gone
            : parent.error == EXDEV   ? Reach::Mount
            : isReplacedError(parent.error) ? Reach::Replaced
                                            : Reach::Unreadable;
    struct stat self;
    bool mount = false;
    if (posixfs::statAt(parent.fd.get(), parent.name.constData(), self, &mount) && mount)
        return Reach::Mount;
    const int fd = ::openat(parent.fd.get(), parent.name.constData(), kDirFlags);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return Reach::Gone;
        return isReplacedError(err) ? Reach::Replaced : Reach::Unreadable;
    }
    DIR *d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return Reach::Unreadable;
    }
    while (const dirent *de = ::readdir(d)) {
        const char *name = de->d_name;
        if (isDot(name))
            continue;
        // A mount among the entries is listed: offered as a unit of its
        // own, it is reported when its turn comes.
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || isSpecial(st.st_mode))
            continue;
        if (!roundTrips(name)) {
            unnameable.append(folder + u'/' + posixfs::shownName(QByteArray(name)));
            continue;
        }
        names.append(QFile::decodeName(QByteArray(name)));
    }
    ::closedir(d);
    return Reach::Folder;
}

// The entry at `path` of an item, described through its parent; false (with
// nothing to do, or the failure recorded) when it cannot be acted on.
bool reachEntry(const QString &anchor, const QString &path, Parent &parent, struct stat &st,
                QList<Failure> &failures, bool toTrash)
{
    openParent(anchor, path, parent);
    if (parent.error != 0) {
        if (parent.error == EXDEV)
            failures.append({path, quint32(EXDEV), mountPointReason()});
        else if (parent.error != ENOENT)
            failures.append({path, toTrash ? 0u : quint32(parent.error), {}});
        return false;
    }
    bool mount = false;
    // Attributes that cannot be read count as gone.
    if (!posixfs::statAt(parent.fd.get(), parent.name.constData(), st, &mount) || isSpecial(st.st_mode))
        return false;
    // A volume mounted at the item is not the user's selection.
    if (mount) {
        failures.append({path, quint32(EXDEV), mountPointReason()});
        return false;
    }
    return true;
}

} // namespace

quint32 busyError()
{
    return EBUSY;
}

void Remover::beginPass()
{
    m_open = OpenFiles::capture();
}

Reach Remover::entries(const QString &anchor, const QString &folder, QStringList &names,
                       QStringList &unnameable) const
{
    return listEntries(anchor, folder, names, unnameable);
}

void Remover::removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    const Hooks hooks{m_open, m_excluded, m_onRemoved, m_onExcluded, m_onTrashed, m_preview};
    Parent parent;
    struct stat st;
    if (!reachEntry(anchor, path, parent, st, failures, false))
        return;
    if (!S_ISDIR(st.st_mode) && m_excluded && m_excluded->keepsFile(qint64(st.st_nlink)))
        return;
    if (!S_ISDIR(st.st_mode))
        removeFile(hooks, parent.fd.get(), parent.name.constData(), st, path, failures);
    else if (hooks.busy(st))
        failures.append({path, quint32(EBUSY), {}});
    else
        removeTreeInParallel(treeHooks(hooks), parent.fd.get(), parent.name, st.st_dev, path, failures);
}

void Remover::moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    const Hooks hooks{m_open, m_excluded, m_onRemoved, m_onExcluded, m_onTrashed, m_preview};
    Parent parent;
    struct stat st;
    if (!reachEntry(anchor, path, parent, st, failures, true))
        return;
    if (!S_ISDIR(st.st_mode) && m_excluded && m_excluded->keepsFile(qint64(st.st_nlink)))
        return;
    if (hooks.busy(st)) {
        failures.append({path, 0, {}});
        return;
    }
    const auto tell = [&](const struct stat &f) {
        if (hooks.onRemoved)
            hooks.onRemoved({qint64(f.st_blocks) * 512, qint64(f.st_dev), qint64(f.st_ino), int(f.st_nlink)});
    };
    if (!S_ISDIR(st.st_mode)) {
        if (moveOne(hooks, parent.fd.get(), parent.name.constData(), path, failures, qint64(st.st_blocks) * 512)
            && !m_preview && S_ISREG(st.st_mode)
            && st.st_nlink > 1)
            tell(st);
        return;
    }
    // Files with other names are told once they have left their place, so
    // that a file is counted once however many of its names move.
    std::vector<SharedFile> shared;
    trashFolder(hooks, parent.fd.get(), parent.name, st.st_dev, path, failures, shared);
    for (const SharedFile &f : shared) {
        struct stat now;
        const bool gone = ::lstat(f.path.c_str(), &now) != 0 ? errno == ENOENT
                                                             : now.st_ino != f.st.st_ino || now.st_dev != f.st.st_dev;
        if (gone)
            tell(f.st);
    }
}

bool Remover::removeEmptyFolder(const QString &anchor, const QString &path) const
{
    Parent parent;
    openParent(anchor, path, parent);
    return parent.error == 0 && ::unlinkat(parent.fd.get(), parent.name.constData(), AT_REMOVEDIR) == 0;
}

} // namespace removal

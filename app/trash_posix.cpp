#include "app/trash.h"

#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"
#include "scan/posixfs.h"
#include "scan/uniquefd.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trash {

namespace {

QString uidText()
{
    return QString::number(::getuid());
}

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString cleaned(const QString &path)
{
    QString p = QDir::cleanPath(path);
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

bool lstatPath(const QString &path, struct stat &st)
{
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// A folder that is really a folder (not a link to one) and belongs to us.
bool isOwnFolder(const QString &path)
{
    struct stat st;
    return lstatPath(path, st) && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// Creates trash folder `path` (mode 0700) unless it exists, and insists that
// it is a real folder of ours (openTrashFolder).
bool ensureOwnFolder(const QString &path)
{
    return UniqueFd(openTrashFolder(path, true)).valid();
}

// The folder at `path`, or where it is missing the nearest one above it that
// exists: the folder a mkpath() of `path` would create in. Links on the way
// are followed, as mkpath() follows them.
bool statNearest(const QString &path, struct stat &st, QString *found = nullptr)
{
    QString p = path;
    while (::stat(QFile::encodeName(p).constData(), &st) != 0) {
        if (errno != ENOENT || p == QLatin1String("/"))
            return false;
        p = parentOf(p);
    }
    if (found)
        *found = p;
    return true;
}

// What ensureOwnFolder(path) would find, without creating anything: a real
// folder of ours there, or nothing there and a folder above that lets us
// make one.
bool mayHaveOwnFolder(const QString &path)
{
    struct stat st;
    if (lstatPath(path, st))
        return S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
    QString above;
    return errno == ENOENT && statNearest(parentOf(path), st, &above) && S_ISDIR(st.st_mode)
        && ::faccessat(AT_FDCWD, QFile::encodeName(above).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

// $topdir/.Trash may be shared by all users only when it is a real folder
// with the sticky bit; anything else must not be used.
bool sharedTrashUsable(const QString &topdir)
{
    struct stat st;
    return lstatPath(topdir + QStringLiteral("/.Trash"), st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX);
}

QString joinTop(const QString &topdir, const QString &name)
{
    if (topdir.endsWith(QLatin1Char('/')))
        return topdir + name;
    return topdir + QLatin1Char('/') + name;
}

// The folder a trash's relative "Path=" values start from, or empty for the
// home trash (whose paths are absolute).
QString topdirOf(const QString &trashFolder)
{
    const QString name = trashFolder.mid(trashFolder.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.startsWith(QLatin1String(".Trash-")))
        return parentOf(trashFolder);
    const QString parent = parentOf(trashFolder);
    if (parent.endsWith(QLatin1String("/.Trash")))
        return parentOf(parent);
    return {};
}

// Removes everything below an open folder without following links or
// leaving its volume. Holds one descriptor per level, so a tree deeper than
// the descriptor limit is left partly in place and reported as a failure.
// `removed` grows by the bytes on disk of each file unlinked; `progress`, when
// set, is told its value.
bool removeContents(const QString &folder, qint64 &removed, const std::function<void(qint64)> &progress)
{
    const int top = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (top < 0)
        return errno == ENOENT;
    struct stat topSt;
    if (::fstat(top, &topSt) != 0) {
        ::close(top);
        return false;
    }
    DIR *topDir = ::fdopendir(top);
    if (!topDir) {
        ::close(top);
        return false;
    }
    bool ok = true;
    std::vector<std::pair<DIR *, std::string>> stack{{topDir, std::string()}};
    while (!stack.empty()) {
        DIR *d = stack.back().first;
        const int fd = ::dirfd(d);
        const dirent *de = ::readdir(d);
        if (!de) {
            const std::string name = std::move(stack.back().second);
            ::closedir(d);
            stack.pop_back();
            if (!stack.empty() && ::unlinkat(::dirfd(stack.back().first), name.c_str(), AT_REMOVEDIR) != 0
                && errno != ENOENT)
                ok = false;
            continue;
        }
        const char *name = de->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        struct stat st;
        bool mount = false;
        if (!posixfs::statAt(fd, name, st, &mount)) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (mount) {
            ok = false; // a mount inside the trash: not ours to empty
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            if (::unlinkat(fd, name, 0) != 0) {
                ok = ok && errno == ENOENT;
            } else {
                removed += qint64(st.st_blocks) * 512;
                if (progress)
                    progress(removed);
            }
            continue;
        }
        if (st.st_dev != topSt.st_dev) {
            ok = false; // a mount inside the trash: not ours to empty
            continue;
        }
        const int sub = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        DIR *subDir = sub < 0 ? nullptr : ::fdopendir(sub);
        if (!subDir) {
            if (sub >= 0)
                ::close(sub);
            ok = false;
            continue;
        }
        stack.emplace_back(subDir, std::string(name));
    }
    return ok;
}

QByteArray numberedName(const QByteArray &base, int n)
{
    if (n == 1)
        return base;
    const qsizetype dot = base.lastIndexOf('.');
    const QByteArray number = '.' + QByteArray::number(n);
    if (dot <= 0)
        return base + number;
    return base.left(dot) + number + base.mid(dot);
}

bool setError(int *errorCode, int value)
{
    if (errorCode)
        *errorCode = value;
    return false;
}

// The error of a trash folder that could not be had: EXDEV (the volume has
// none that may be used), unless what failed was this process running short
// of descriptors or memory, which says nothing about the volume.
int noTrashError()
{
    const int e = errno;
    return e == EMFILE || e == ENFILE || e == ENOMEM ? e : EXDEV;
}

} // namespace

QString homeTrash()
{
    return cleaned(userFolder(UserFolder::Data)) + QStringLiteral("/Trash");
}

QStringList volumeTrashes(const QString &topdir)
{
    QStringList out;
    if (sharedTrashUsable(topdir)) {
        const QString own = joinTop(topdir, QStringLiteral(".Trash/")) + uidText();
        if (isOwnFolder(own))
            out.append(own);
    }
    const QString own = joinTop(topdir, QStringLiteral(".Trash-")) + uidText();
    if (isOwnFolder(own))
        out.append(own);
    return out;
}

QStringList allTrashFolders()
{
    // One file system mounted at two places shows the same trash folder
    // twice under different names: folders are told apart by device and
    // inode, so each is measured and emptied once.
    QStringList out;
    QSet<QPair<quint64, quint64>> seen;
    auto add = [&](const QString &t) {
        struct stat st;
        if (!lstatPath(t, st))
            return;
        if (!seen.contains({quint64(st.st_dev), quint64(st.st_ino)})) {
            seen.insert({quint64(st.st_dev), quint64(st.st_ino)});
            out.append(t);
        }
    };
    const QString home = homeTrash();
    if (isOwnFolder(home))
        add(home);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        for (const QString &t : volumeTrashes(volume.rootPath()))
            add(t);
    }
    return out;
}

void measure(const QStringList &trashFolders, qint64 &bytes, qint64 &items,
             const std::function<void(const QString &, qint64, qint64)> &progress)
{
    bytes = 0;
    items = 0;
    qint64 files = 0;
    for (const QString &t : trashFolders) {
        const QString folder = t + QStringLiteral("/files");
        fs::ProgressFn inner;
        if (progress)
            inner = [&](const QString &dir, qint64 b, qint64 f) { progress(dir, bytes + b, files + f); };
        const fs::Measure m = fs::measure(folder, nullptr, inner);
        bytes += m.bytes;
        files += m.files;
        for (const fs::Entry &e : fs::list(folder))
            items += e.skip ? 0 : 1;
        // What a file manager was interrupted removing: still on the disk,
        // and gone with the rest when the trash is emptied.
        const fs::Measure left = fs::measure(t + QStringLiteral("/expunged"), nullptr, {});
        bytes += left.bytes;
        files += left.files;
    }
}

BinEmptied empty(const QStringList &trashFolders, const std::function<void(qint64)> &progress)
{
    BinEmptied out;
    const QString reason = QStringLiteral("in use or access denied");
    for (const QString &t : trashFolders) {
        // Entry by entry, so that what stays keeps its record.
        QSet<QString> stayed;
        const QString files = t + QStringLiteral("/files");
        // A files/ that is a link leads elsewhere: never listed through.
        struct stat filesSt;
        const bool there = ::lstat(QFile::encodeName(files).constData(), &filesSt) == 0;
        const bool realFolder = there && S_ISDIR(filesSt.st_mode);
        if (there && !realFolder)
            out.stayed.append({files, QStringLiteral("could not empty")});
        for (const fs::Entry &e : realFolder ? fs::list(files) : QList<fs::Entry>()) {
            const QString path = files + u'/' + e.name;
            const QByteArray native = QFile::encodeName(path);
            // Special files and names no text can spell stay where they are,
            // as everywhere else.
            if (e.skip || e.isMount) {
                stayed.insert(e.name);
                out.stayed.append({path, e.isMount ? QStringLiteral("another volume is mounted here") : reason});
                continue;
            }
            if (e.isDir && !e.isLink) {
                removeContents(path, out.bytes, progress);
                ::rmdir(native.constData());
            } else if (::unlink(native.constData()) == 0) {
                out.bytes += e.allocated;
                if (progress)
                    progress(out.bytes);
            }
            struct stat st;
            if (::lstat(native.constData(), &st) == 0) {
                stayed.insert(e.name);
                out.stayed.append({path, reason});
            } else {
                ++out.items;
            }
        }
        // Records of what went, and records of nothing; not those of what
        // stayed.
        const QString info = t + QStringLiteral("/info");
        for (const fs::Entry &e : fs::list(info)) {
            const QString entry = e.name.endsWith(QLatin1String(".trashinfo")) ? e.name.chopped(10) : QString();
            if (!e.isDir && !stayed.contains(entry))
                ::unlink(QFile::encodeName(info + u'/' + e.name).constData());
        }
        // What a file manager was interrupted removing.
        if (!removeContents(t + QStringLiteral("/expunged"), out.bytes, progress))
            out.stayed.append({t + QStringLiteral("/expunged"), reason});
        // The size cache describes folders in files/ that are gone now.
        const QByteArray cache = QFile::encodeName(t + QStringLiteral("/directorysizes"));
        struct stat st;
        if (::lstat(cache.constData(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(cache.constData());
    }
    return out;
}

int openTrashPart(int trashFd, const char *part, bool make)
{
    if (make && ::mkdirat(trashFd, part, 0700) != 0 && errno != EEXIST)
        return -1;
    UniqueFd fd(::openat(trashFd, part, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return -1;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        errno = EACCES;
        return -1;
    }
    return fd.release();
}

int openTrashFolder(const QString &trashFolder, bool make)
{
    const QString t = cleaned(trashFolder);
    const QString parent = parentOf(t);
    if (!t.startsWith(QLatin1Char('/')) || t == parent) {
        errno = EINVAL;
        return -1;
    }
    const UniqueFd up(::geteuid() == 0
                          ? posixfs::openRootsOwn(parent)
                          : ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!up.valid())
        return -1;
    return openTrashPart(up.get(), QFile::encodeName(t.mid(t.lastIndexOf(QLatin1Char('/')) + 1)).constData(), make);
}

bool isInsideTrash(const QString &path, const QStringList &trashFolders)
{
    const QString p = cleaned(path);
    for (const QString &t : trashFolders) {
        const QString c = cleaned(t);
        if (p == c || p.startsWith(c + QLatin1Char('/')))
            return true;
    }
    return false;
}

namespace {
// Renames entry `base` of the open folder `parent` (described by `st`, at
// `p`) into `trashFolder` with its .trashinfo.
bool renameIntoTrash(int parent, const QByteArray &base, const struct stat &st, const QString &p,
                     const QString &trashFolder, int *errorCode, QString *trashedPath)
{
    // Neither the trash itself nor anything holding it may go into it.
    if (isInsideTrash(p, {trashFolder}) || isInsideTrash(trashFolder, {p}))
        return setError(errorCode, EINVAL);
    const UniqueFd bin(openTrashFolder(trashFolder, true));
    const UniqueFd files(bin.valid() ? openTrashPart(bin.get(), "files", true) : -1);
    const UniqueFd info(files.valid() ? openTrashPart(bin.get(), "info", true) : -1);
    struct stat filesSt;
    if (!info.valid() || ::fstat(files.get(), &filesSt) != 0)
        return setError(errorCode, errno ? errno : EACCES);
    if (filesSt.st_dev != st.st_dev)
        return setError(errorCode, EXDEV);

    const QByteArray native = QFile::encodeName(p);
    const QString topdir = topdirOf(trashFolder);
    QByteArray original = native;
    if (!topdir.isEmpty() && topdir != QLatin1String("/") && p.startsWith(topdir + QLatin1Char('/')))
        original = QFile::encodeName(p.mid(topdir.size() + 1));
    const QByteArray content = QByteArrayLiteral("[Trash Info]\nPath=") + original.toPercentEncoding("/")
        + QByteArrayLiteral("\nDeletionDate=")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + '\n';

    for (int n = 1; n < 10000; ++n) {
        const QByteArray name = numberedName(base, n);
        const QByteArray infoName = name + ".trashinfo";
        // The info file is created first and exclusively: it reserves the
        // name against other programs trashing at the same moment.
        const int infoFd = ::openat(info.get(), infoName.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (infoFd < 0) {
            if (errno == EEXIST)
                continue;
            return setError(errorCode, errno);
        }
        const bool written = ::write(infoFd, content.constData(), size_t(content.size())) == content.size();
        const int writeErr = errno;
        ::close(infoFd);
        if (!written) {
            ::unlinkat(info.get(), infoName.constData(), 0);
            return setError(errorCode, writeErr ? writeErr : EIO);
        }
        int rc = ::renameat2(parent, base.constData(), files.get(), name.constData(), RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // File systems without RENAME_NOREPLACE: check, then rename.
            struct stat taken;
            if (::fstatat(files.get(), name.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0)
                errno = EEXIST;
            else
                rc = ::renameat(parent, base.constData(), files.get(), name.constData());
        }
        if (rc == 0) {
            if (trashedPath)
                *trashedPath = trashFolder + QStringLiteral("/files/") + QFile::decodeName(name);
            return true;
        }
        const int renameErr = errno;
        ::unlinkat(info.get(), infoName.constData(), 0);
        if (renameErr != EEXIST)
            return setError(errorCode, renameErr);
    }
    return setError(errorCode, EEXIST);
}

// The entry's name in its folder, checked to be spelt exactly.
bool nameOf(const QString &p, QByteArray &base)
{
    const QByteArray native = QFile::encodeName(p);
    if (p.isEmpty() || p == QLatin1String("/") || !QDir::isAbsolutePath(p) || QFile::decodeName(native) != p)
        return false;
    base = native.mid(native.lastIndexOf('/') + 1);
    return true;
}

} // namespace

// The home trash on the data folder's volume, else the volume's own. A
// volume whose top folder is a catalogue base, or lies inside one, gets none:
// its trash folder would sit inside what is being cleaned and be emptied with
// it.
QString trashFolderForDevice(quint64 device, const QString &path, int *errorCode, bool make)
{
    const auto usable = [make](const QString &folder) {
        return make ? ensureOwnFolder(folder) : mayHaveOwnFolder(folder);
    };
    const QString home = homeTrash();
    const QString dataHome = parentOf(home);
    struct stat dataSt;
    if (make ? QDir().mkpath(dataHome) && lstatPath(dataHome, dataSt) : statNearest(dataHome, dataSt)) {
        if (quint64(dataSt.st_dev) == device) {
            if (usable(home))
                return home;
            setError(errorCode, noTrashError());
            return {};
        }
    }
    const QString topdir = QStorageInfo(parentOf(cleaned(path))).rootPath();
    if (topdir.isEmpty()) {
        setError(errorCode, ENOENT);
        return {};
    }
    const QString topKey = normalizePath(topdir);
    for (const QString &base : guardBases()) {
        if (topKey == base || topKey.startsWith(base + QLatin1Char('/'))) {
            setError(errorCode, EXDEV);
            return {};
        }
    }
    if (sharedTrashUsable(topdir)) {
        const QString own = joinTop(topdir, QStringLiteral(".Trash/")) + uidText();
        if (usable(own))
            return own;
    }
    const QString own = joinTop(topdir, QStringLiteral(".Trash-")) + uidText();
    if (usable(own))
        return own;
    setError(errorCode, noTrashError());
    return {};
}

QString trashFolderFor(const QString &path, int *errorCode, bool make)
{
    struct stat st;
    if (!lstatPath(cleaned(path), st)) {
        setError(errorCode, errno);
        return {};
    }
    return trashFolderForDevice(st.st_dev, path, errorCode, make);
}

bool moveToTrashFolder(const QString &path, const QString &trashFolder, int *errorCode, QString *trashedPath)
{
    const QString p = cleaned(path);
    QByteArray base;
    if (!nameOf(p, base))
        return setError(errorCode, EINVAL);
    const UniqueFd parent(::open(QFile::encodeName(parentOf(p)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid())
        return setError(errorCode, errno);
    struct stat st;
    if (::fstatat(parent.get(), base.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return setError(errorCode, errno);
    return renameIntoTrash(parent.get(), base, st, p, trashFolder, errorCode, trashedPath);
}

bool moveToTrash(const QString &path, int *errorCode, QString *trashedPath)
{
    const QString folder = trashFolderFor(path, errorCode);
    if (folder.isEmpty())
        return false;
    return moveToTrashFolder(path, folder, errorCode, trashedPath);
}

bool moveToTrashAt(int parentFd, const QByteArray &name, const QString &path, int *errorCode, QString *trashedPath)
{
    const QString p = cleaned(path);
    QByteArray base;
    if (!nameOf(p, base) || base != name)
        return setError(errorCode, EINVAL);
    struct stat st;
    if (::fstatat(parentFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return setError(errorCode, errno);
    const QString folder = trashFolderForDevice(st.st_dev, p, errorCode);
    if (folder.isEmpty())
        return false;
    return renameIntoTrash(parentFd, name, st, p, folder, errorCode, trashedPath);
}

bool parseInfo(const QByteArray &text, const QString &trashFolder, Info &info)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != "[Trash Info]")
        return false;
    QByteArray path, date;
    for (const QByteArray &raw : lines.mid(1)) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (line.startsWith('['))
            break;
        if (line.startsWith("Path=") && path.isEmpty())
            path = QByteArray::fromPercentEncoding(line.mid(5));
        else if (line.startsWith("DeletionDate=") && date.isEmpty())
            date = line.mid(13);
    }
    // A NUL (written as such or as "%00") would end the path early for the kernel.
    if (path.isEmpty() || path.contains('\0'))
        return false;
    QString original = QFile::decodeName(path);
    if (!original.startsWith(QLatin1Char('/'))) {
        const QString topdir = topdirOf(cleaned(trashFolder));
        if (topdir.isEmpty())
            return false;
        original = joinTop(topdir, original);
    }
    info.originalPath = original;
    info.deleted = QDateTime::fromString(QString::fromLatin1(date), Qt::ISODate);
    return true;
}

bool readInfo(const QString &trashFolder, const QByteArray &name, Info &info)
{
    const UniqueFd bin(openTrashFolder(trashFolder));
    const UniqueFd dir(bin.valid() ? openTrashPart(bin.get(), "info") : -1);
    return dir.valid() && readInfoAt(dir.get(), trashFolder, name, info);
}

bool readInfoAt(int infoFd, const QString &trashFolder, const QByteArray &name, Info &info)
{
    if (infoFd < 0 || name.isEmpty() || name.contains('/'))
        return false;
    const UniqueFd fd(::openat(infoFd, QByteArray(name + ".trashinfo").constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    constexpr off_t kMaxInfo = 64 * 1024;
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxInfo)
        return false;
    QByteArray text(qsizetype(st.st_size), '\0');
    qsizetype got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd.get(), text.data() + got, size_t(text.size() - got));
        if (n <= 0)
            break;
        got += n;
    }
    text.truncate(got);
    return parseInfo(text, trashFolder, info);
}

} // namespace trash

#include "scan/posixfs.h"

#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"
#include "scan/uniquefd.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace posixfs {

namespace {

// The mount a name of an open folder belongs to, or -1 when the file system
// cannot tell.
int mountIdAt(int dirFd, const char *name)
{
    struct
    {
        struct file_handle handle;
        unsigned char bytes[MAX_HANDLE_SZ];
    } buffer;
    buffer.handle.handle_bytes = MAX_HANDLE_SZ;
    int id = -1;
    if (::name_to_handle_at(dirFd, name, &buffer.handle, &id, 0) != 0 && errno != EOVERFLOW)
        return -1;
    return id;
}

} // namespace

namespace {

qint64 toMs(const timespec &t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

} // namespace

QString shownName(const QByteArray &name)
{
    QString out;
    const auto *b = reinterpret_cast<const unsigned char *>(name.constData());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        // The length and smallest value of the sequence a lead byte starts.
        const int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        char32_t cp = length == 1 ? c : length == 2 ? (c & 0x1f) : length == 3 ? (c & 0x0f) : (c & 0x07);
        bool valid = length > 0 && i + length <= n;
        for (int k = 1; valid && k < length; ++k) {
            valid = (b[i + k] & 0xc0) == 0x80;
            cp = (cp << 6) | (b[i + k] & 0x3f);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        valid = valid && cp >= smallest && cp <= 0x10ffff && (cp < 0xd800 || cp > 0xdfff);
        if (!valid) {
            out += QChar(char16_t(0xdc00 + c));
            ++i;
            continue;
        }
        out += QString::fromUcs4(&cp, 1);
        i += length;
    }
    return out;
}

qint64 lastTouched(const struct stat &st, qint64 birthMs)
{
    return fs::lastTouched(S_ISDIR(st.st_mode), toMs(st.st_mtim), toMs(st.st_ctim), toMs(st.st_atim), birthMs);
}

bool statAt(int dirFd, const char *name, struct stat &st, bool *mountRoot, qint64 *birthMs)
{
    struct statx sx;
    // The birth time costs nothing extra where the file system keeps one.
    if (::statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return false;
    if (birthMs)
        *birthMs = (sx.stx_mask & STATX_BTIME) ? qint64(sx.stx_btime.tv_sec) * 1000 + sx.stx_btime.tv_nsec / 1000000 : 0;
    st = {};
    st.st_dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    st.st_ino = sx.stx_ino;
    st.st_mode = sx.stx_mode;
    st.st_nlink = sx.stx_nlink;
    st.st_uid = sx.stx_uid;
    st.st_gid = sx.stx_gid;
    st.st_rdev = makedev(sx.stx_rdev_major, sx.stx_rdev_minor);
    st.st_size = off_t(sx.stx_size);
    st.st_blksize = blksize_t(sx.stx_blksize);
    st.st_blocks = blkcnt_t(sx.stx_blocks);
    st.st_atim = {sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec};
    st.st_mtim = {sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec};
    st.st_ctim = {sx.stx_ctime.tv_sec, sx.stx_ctime.tv_nsec};
    if (mountRoot) {
        if (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) {
            *mountRoot = (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
        } else if (S_ISDIR(st.st_mode)) {
            const int inner = mountIdAt(dirFd, name);
            // The folder holding the entry: dirFd itself, or the named
            // path's parent when the name is a path.
            const char *slash = std::strrchr(name, '/');
            const std::string parent = slash ? std::string(name, size_t(slash - name) + 1) + "." : std::string(".");
            const int outer = mountIdAt(dirFd, parent.c_str());
            *mountRoot = inner >= 0 && outer >= 0 && inner != outer;
        } else {
            *mountRoot = false;
        }
    }
    return true;
}

int openFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean.isEmpty() || !clean.startsWith(QLatin1Char('/'))) {
        errno = EINVAL;
        return -1;
    }
    // The deepest base holding the path, compared as the bases are kept
    // (normalised); its own spelling is the path's first characters.
    const QString key = normalizePath(clean);
    qsizetype start = 1;
    for (const QString &b : guardBases()) {
        if (b.size() <= start || !b.startsWith(QLatin1Char('/')))
            continue;
        if (key == b || (key.startsWith(b) && key.at(b.size()) == QLatin1Char('/')))
            start = b.size();
    }
    // Lower-casing may change the length of some texts; then the base cannot
    // be told apart from the path and everything is opened from "/".
    if (start > 1 && normalizePath(clean.left(start)) != key.left(start))
        start = 1;
    const QByteArray native = QFile::encodeName(clean);
    if (QFile::decodeName(native) != clean) {
        errno = EINVAL;
        return -1;
    }
    const QByteArray base = start <= 1 ? QByteArray("/") : QFile::encodeName(clean.left(start));
    UniqueFd fd(::open(::geteuid() == 0 ? "/" : base.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return -1;
    // Root trusts no base to be what it is named: HOME and the XDG folders
    // may be another user's (sudo -E), who could make one of them, or a
    // folder above, a link. Root reaches the base from "/" without following
    // one (another volume mounted at or above it, such as /tmp or /home, is
    // still taken).
    if (::geteuid() == 0 && start > 1) {
        for (const QByteArray &part : base.split('/')) {
            if (part.isEmpty())
                continue;
            const int next = ::openat(fd.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0)
                return -1;
            fd.reset(next);
        }
    }
    const QList<QByteArray> parts = native.mid(base.size()).split('/');
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        struct stat st;
        bool mount = false;
        if (!statAt(fd.get(), part.constData(), st, &mount))
            return -1;
        if (S_ISLNK(st.st_mode)) {
            errno = ELOOP;
            return -1;
        }
        if (!S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            return -1;
        }
        if (mount) {
            errno = EXDEV;
            return -1;
        }
        const int next = ::openat(fd.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            return -1;
        fd.reset(next);
    }
    return fd.release();
}

int openRootsOwn(const QString &path, bool file)
{
    const QString clean = QDir::cleanPath(path);
    const QByteArray native = QFile::encodeName(clean);
    if (!clean.startsWith(QLatin1Char('/')) || QFile::decodeName(native) != clean) {
        errno = EINVAL;
        return -1;
    }
    const auto rootsAlone = [](int fd) {
        struct stat st;
        if (fd < 0 || ::fstat(fd, &st) != 0)
            return false;
        const bool othersWrite = (st.st_mode & S_IWOTH) != 0 && !(S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX));
        const bool groupWrite = (st.st_mode & S_IWGRP) != 0 && st.st_gid != 0;
        if (st.st_uid == 0 && !othersWrite && !groupWrite)
            return true;
        errno = EPERM;
        return false;
    };
    UniqueFd fd(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootsAlone(fd.get()))
        return -1;
    QList<QByteArray> parts = native.split('/');
    parts.removeAll(QByteArray());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const int next = ::openat(fd.get(), parts.at(i).constData(),
                                  (last && file ? O_RDONLY : O_RDONLY | O_DIRECTORY) | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && errno == ENOTDIR) {
            // A link asked for as a folder fails with ENOTDIR, not ELOOP.
            struct stat st;
            errno = ::fstatat(fd.get(), parts.at(i).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)
                ? ELOOP
                : ENOTDIR;
        }
        const int err = errno;
        fd.reset(next);
        errno = err;
        if (!rootsAlone(fd.get()))
            return -1;
    }
    if (parts.isEmpty() && file) {
        errno = EISDIR;
        return -1;
    }
    return fd.release();
}

} // namespace posixfs

#include "clean/restore.h"

#include "app/trash.h"
#include "scan/fs.h"
#include "scan/posixfs.h"
#include "scan/uniquefd.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace restore {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// An absolute path written exactly as QDir::cleanPath writes it (so without
// "." or ".." parts) whose name survives the trip to the kernel and back.
bool isPlainPath(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) && path != QLatin1String("/") && QDir::cleanPath(path) == path
        && QFile::decodeName(QFile::encodeName(path)) == path;
}

// The open folder at `folder`: opened as posixfs::openFolder opens it (no
// link or other mount on the way), and, where it is missing, made again as a
// plain folder inside its own parent. -1 with errno set on failure.
int openOrMake(const QString &folder, int depth = 0)
{
    const int fd = posixfs::openFolder(folder);
    if (fd >= 0 || errno != ENOENT || folder == QLatin1String("/") || depth > 4096)
        return fd;
    const UniqueFd parent(openOrMake(parentOf(folder), depth + 1));
    if (!parent.valid())
        return -1;
    const QByteArray name = QFile::encodeName(folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1));
    if (::mkdirat(parent.get(), name.constData(), 0777) != 0 && errno != EEXIST)
        return -1;
    return ::openat(parent.get(), name.constData(), kDirFlags);
}

bool fail(RestoreReport::Reason *reason, RestoreReport::Reason value)
{
    *reason = value;
    return false;
}

} // namespace

QStringList bins()
{
    return trash::allTrashFolders();
}

bool putBack(const Entry &entry, const QStringList &bins, RestoreReport::Reason *reason, qint64 *bytes)
{
    // The log is a text file the user may edit: only a name directly in the
    // files/ folder of one of this user's trash folders is taken, and only
    // back to a plain absolute path outside every trash.
    const QString filesDir = parentOf(entry.inTrash);
    const QString bin = parentOf(filesDir);
    const QString name = entry.inTrash.mid(filesDir.size() + 1);
    if (!isPlainPath(entry.inTrash) || !isPlainPath(entry.original) || !filesDir.endsWith(QLatin1String("/files"))
        || !bins.contains(bin) || trash::isInsideTrash(entry.original, bins))
        return fail(reason, RestoreReport::NotTrashEntry);

    // The bin is opened once: its record and its entry are read, and the
    // entry taken out, through that one descriptor.
    const QByteArray native = QFile::encodeName(name);
    const UniqueFd binFd(trash::openTrashFolder(bin));
    const UniqueFd files(binFd.valid() ? trash::openTrashPart(binFd.get(), "files") : -1);
    const UniqueFd infoDir(files.valid() ? trash::openTrashPart(binFd.get(), "info") : -1);
    struct stat st;
    if (!infoDir.valid() || ::fstatat(files.get(), native.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return fail(reason, errno == ENOENT || !infoDir.valid() ? RestoreReport::NotInTrash : RestoreReport::CouldNotMove);
    // Another entry of the same name (the bin numbers its names), or one
    // from the same path deleted at another time, is not what this run put
    // there.
    trash::Info info;
    if (!trash::readInfoAt(infoDir.get(), bin, native, info) || info.originalPath != entry.original
        || !info.deleted.isValid() || info.deleted < entry.from || info.deleted > entry.to)
        return fail(reason, RestoreReport::NotInTrash);

    const UniqueFd parent(openOrMake(parentOf(entry.original)));
    if (!parent.valid())
        return fail(reason, RestoreReport::CouldNotMove);
    const QByteArray base = QFile::encodeName(entry.original.mid(entry.original.lastIndexOf(QLatin1Char('/')) + 1));
    struct stat taken;
    if (::fstatat(parent.get(), base.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0)
        return fail(reason, RestoreReport::PlaceTaken);

    const qint64 size = fs::measure(entry.inTrash).bytes;
    int rc = ::renameat2(files.get(), native.constData(), parent.get(), base.constData(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // File systems without RENAME_NOREPLACE: a second name that cannot
        // replace anything, then the old name goes. A folder cannot be moved
        // that safely there, so it stays in the bin.
        if (S_ISDIR(st.st_mode))
            return fail(reason, RestoreReport::CouldNotMove);
        rc = ::linkat(files.get(), native.constData(), parent.get(), base.constData(), 0);
        if (rc == 0)
            ::unlinkat(files.get(), native.constData(), 0);
    }
    if (rc != 0)
        return fail(reason, errno == EEXIST || errno == ENOTEMPTY ? RestoreReport::PlaceTaken
                                                                  : RestoreReport::CouldNotMove);
    ::unlinkat(infoDir.get(), QByteArray(native + ".trashinfo").constData(), 0);
    *bytes = size;
    return true;
}

QList<Entry> recordsBetween(const QStringList &bins, const QDateTime &from, const QDateTime &to)
{
    QList<Entry> out;
    for (const QString &bin : bins) {
        const UniqueFd binFd(trash::openTrashFolder(bin));
        const UniqueFd files(binFd.valid() ? trash::openTrashPart(binFd.get(), "files") : -1);
        const UniqueFd infoDir(files.valid() ? trash::openTrashPart(binFd.get(), "info") : -1);
        // The listing gets a descriptor of its own, which closedir() closes.
        const int fd = infoDir.valid() ? ::dup(infoDir.get()) : -1;
        DIR *dir = fd < 0 ? nullptr : ::fdopendir(fd);
        if (!dir) {
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        while (const dirent *de = ::readdir(dir)) {
            QByteArray record(de->d_name);
            if (!record.endsWith(".trashinfo") || record.size() <= 10)
                continue;
            record.chop(10);
            trash::Info info;
            struct stat st;
            if (!trash::readInfoAt(infoDir.get(), bin, record, info) || !info.deleted.isValid() || info.deleted < from
                || info.deleted > to || ::fstatat(files.get(), record.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            out.append({info.originalPath, bin + QStringLiteral("/files/") + QFile::decodeName(record), from, to});
        }
        ::closedir(dir);
    }
    return out;
}

} // namespace restore

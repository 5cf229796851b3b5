#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstring>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/socket.h>
#include <sys/statfs.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

bool testsupport::setModificationTime(const QString &path, const QDateTime &when)
{
    const qint64 ms = when.toMSecsSinceEpoch();
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(ms / 1000);
    times[1].tv_nsec = long(ms % 1000) * 1000000;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool testsupport::makeHardLink(const QString &existing, const QString &link)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
}

bool testsupport::makeSymlink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool testsupport::allocateFile(const QString &path, qint64 bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::posix_fallocate(fd, 0, off_t(bytes)) == 0;
    ::close(fd);
    return ok;
}

TempFolder::~TempFolder()
{
    for (const QString &p : std::as_const(m_locked))
        ::chmod(QFile::encodeName(p).constData(), 0755);
    removeDeepChains();
    // QDir::removeRecursively() gives up on trees deeper than PATH_MAX and on
    // names that are not valid in the locale; rm copes with both.
    if (m_dir.isValid() && !QDir(m_dir.path()).removeRecursively())
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--one-file-system"),
                                                 QStringLiteral("--"), m_dir.path()});
}

QString TempFolder::memoryBackedBase()
{
    const QString shm = QStringLiteral("/dev/shm");
    struct statfs info;
    if (::statfs(shm.toLatin1().constData(), &info) == 0 && info.f_type == TMPFS_MAGIC
        && ::access(shm.toLatin1().constData(), W_OK | X_OK) == 0)
        return shm;
    return QDir::tempPath();
}

QString TempFolder::makeSparseFile(const QString &relative, qint64 logicalSize, qint64 dataBytes)
{
    const QString abs = makeFileOfSize(relative, dataBytes);
    if (abs.isEmpty())
        return {};
    QFile f(abs);
    if (!f.open(QIODevice::ReadWrite) || !f.resize(logicalSize))
        return {};
    return abs;
}

QString TempFolder::makeSocket(const QString &relative)
{
    const QString abs = prepare(relative);
    if (abs.isEmpty())
        return {};
    const QByteArray native = QFile::encodeName(abs);
    sockaddr_un addr{};
    if (size_t(native.size()) >= sizeof addr.sun_path)
        return {}; // socket paths are limited to ~108 bytes
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, native.constData(), size_t(native.size()));
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (s < 0)
        return {};
    const bool ok = ::bind(s, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) == 0;
    ::close(s); // the socket file stays behind, which is all a test needs
    return ok ? abs : QString();
}

QString TempFolder::makeFifo(const QString &relative)
{
    const QString abs = prepare(relative);
    if (abs.isEmpty())
        return {};
    return ::mkfifo(QFile::encodeName(abs).constData(), 0644) == 0 ? abs : QString();
}

bool TempFolder::denyAll(const QString &abs)
{
    return ::chmod(QFile::encodeName(abs).constData(), 0) == 0;
}

QByteArray TempFolder::makeRawNamedFile(const QString &parentRelative, const QByteArray &rawName,
                                        const QByteArray &content)
{
    const QString parent = makeDir(parentRelative);
    if (parent.isEmpty())
        return {};
    const QByteArray abs = QFile::encodeName(parent) + '/' + rawName;
    const int fd = ::open(abs.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return {};
    const bool ok = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return ok ? abs : QByteArray();
}

QString TempFolder::makeDeepChain(const QString &relative, int depth, const QByteArray &content,
                                  const QString &name, const QString &fileName)
{
    const QString top = makeDir(relative);
    if (top.isEmpty())
        return {};
    const QByteArray n = QFile::encodeName(name);
    m_chains.append({top, depth, n, QFile::encodeName(fileName)});
    int fd = ::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; i < depth && fd >= 0; ++i) {
        int next = -1;
        if (::mkdirat(fd, n.constData(), 0755) == 0)
            next = ::openat(fd, n.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    if (fd < 0)
        return {};
    const int file = ::openat(fd, QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ::close(fd);
    if (file < 0)
        return {};
    const bool ok = ::write(file, content.constData(), size_t(content.size())) == content.size();
    ::close(file);
    return ok ? top : QString();
}

// Generic removers cost time quadratic in the depth; a chain is taken down
// from its bottom, climbing with "..", in linear time.
void TempFolder::removeDeepChains()
{
    for (const Chain &c : std::as_const(m_chains)) {
        int fd = ::open(QFile::encodeName(c.top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int depth = 0;
        while (fd >= 0 && depth < c.depth) {
            const int next = ::openat(fd, c.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0)
                break;
            ::close(fd);
            fd = next;
            ++depth;
        }
        if (fd < 0)
            continue;
        ::unlinkat(fd, c.fileName.constData(), 0);
        for (; depth > 0; --depth) {
            const int up = ::openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(fd);
            fd = up;
            if (fd < 0 || ::unlinkat(fd, c.name.constData(), AT_REMOVEDIR) != 0)
                break;
        }
        if (fd >= 0)
            ::close(fd);
    }
    m_chains.clear();
}

bool TempFolder::openToOthers()
{
    return ::chmod(QFile::encodeName(path()).constData(), 0755) == 0;
}


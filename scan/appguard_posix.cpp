#include "scan/appguard.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool isPidName(const char *name)
{
    if (!*name)
        return false;
    for (const char *c = name; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    return true;
}

// Whole content of a small /proc file relative to dirFd; empty on failure.
QByteArray readAt(int dirFd, const char *name)
{
    QByteArray out;
    const int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        out.append(buf, n);
    }
    ::close(fd);
    return out;
}

// Calls fn(pidDirFd, pid) for every process directory of /proc that can be
// opened.
template<typename Fn>
void forEachProcess(Fn fn)
{
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return;
    const int procFd = ::dirfd(proc);
    while (const dirent *e = ::readdir(proc)) {
        if (!isPidName(e->d_name))
            continue;
        const int pidFd = ::openat(procFd, e->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (pidFd < 0)
            continue;  // the process ended meanwhile
        fn(pidFd, qint64(std::strtoll(e->d_name, nullptr, 10)));
        ::close(pidFd);
    }
    ::closedir(proc);
}

const QByteArray DeletedSuffix = QByteArrayLiteral(" (deleted)");

// The target of a /proc link relative to dirFd, without the " (deleted)" of
// a file removed since; empty when it cannot be read.
QByteArray linkAt(int dirFd, const char *name)
{
    char buf[PATH_MAX];
    const ssize_t n = ::readlinkat(dirFd, name, buf, sizeof buf);
    if (n <= 0 || n >= ssize_t(sizeof buf))
        return {};
    QByteArray target(buf, n);
    if (target.endsWith(DeletedSuffix))
        target.chop(DeletedSuffix.size());
    return target;
}

// The program a process runs, as the user knows it: the base name of its
// executable, else the name the kernel keeps for it (comm).
QString programName(int pidFd)
{
    const QByteArray exe = linkAt(pidFd, "exe");
    const QString base = QFile::decodeName(exe.mid(exe.lastIndexOf('/') + 1));
    if (!base.isEmpty())
        return base;
    QByteArray comm = readAt(pidFd, "comm");
    while (comm.endsWith('\n'))
        comm.chop(1);
    return QString::fromUtf8(comm);
}

// Adds the process being walked; all of one process's entries are added
// while it is walked, so a repeat can only be the last holder.
void addHolder(QList<FileHolder> &list, const FileHolder &holder)
{
    if (list.isEmpty() || list.constLast().pid != holder.pid)
        list.append(holder);
}

// A uid as an environment variable gives it: decimal digits only.
bool parseUid(const QByteArray &text, uint &uid)
{
    if (text.isEmpty() || text.size() > 10)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    uid = text.toUInt(&ok);
    return ok;
}

} // namespace

uint appUser(uint realUid, uint effectiveUid, const QByteArray &pkexecUid, const QByteArray &sudoUid)
{
    // Not elevated: the variables may be left over or set by anyone.
    if (effectiveUid != 0)
        return realUid;
    uint uid = 0;
    if (parseUid(pkexecUid, uid) || parseUid(sudoUid, uid))
        return uid;
    return realUid;
}

uint appUser()
{
    return appUser(::getuid(), ::geteuid(), qgetenv("PKEXEC_UID"), qgetenv("SUDO_UID"));
}

bool isProcessOf(const QByteArray &status, uint uid)
{
    // "Uid:\t<real>\t<effective>\t<saved>\t<file system>"
    for (const QByteArray &line : status.split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        const QList<QByteArray> fields = line.mid(4).simplified().split(' ');
        uint real = 0;
        return parseUid(fields.first(), real) && real == uid;
    }
    return false;
}

namespace {

// A device number as /proc writes it: hexadecimal major and minor.
bool parseDevice(const QByteArray &major, const QByteArray &minor, qint64 *device)
{
    bool okMajor = false;
    bool okMinor = false;
    const uint ma = major.toUInt(&okMajor, 16);
    const uint mi = minor.toUInt(&okMinor, 16);
    if (okMajor && okMinor)
        *device = qint64(::makedev(ma, mi));
    return okMajor && okMinor;
}

} // namespace

QList<MappedFile> parseMaps(const QByteArray &maps)
{
    QList<MappedFile> out;
    qsizetype pos = 0;
    while (pos < maps.size()) {
        qsizetype end = maps.indexOf('\n', pos);
        if (end < 0)
            end = maps.size();
        const QByteArray line = maps.mid(pos, end - pos);
        pos = end + 1;
        // address perms offset major:minor inode [path]
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 5)
            continue;
        MappedFile m;
        bool okInode = false;
        m.inode = fields.at(4).toLongLong(&okInode);
        if (!okInode || m.inode == 0)
            continue;
        const QList<QByteArray> dev = fields.at(3).split(':');
        m.hasDevice = dev.size() == 2 && parseDevice(dev.at(0), dev.at(1), &m.device);
        const qsizetype pathStart = line.indexOf('/');
        if (pathStart >= 0)
            m.path = line.mid(pathStart);
        if (m.path.endsWith(DeletedSuffix))
            m.path.clear();
        out.append(m);
    }
    return out;
}

QList<HeldLock> parseLocks(const QByteArray &locks)
{
    // "1: FLOCK  ADVISORY  WRITE 4121 08:02:1844741 0 EOF"; waiters for a
    // lock ("1: -> FLOCK ...") hold nothing yet. The device is hexadecimal.
    QList<HeldLock> out;
    for (const QByteArray &line : locks.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 6 || f.at(1) == "->")
            continue;
        const QList<QByteArray> id = f.at(5).split(':');
        qint64 device = 0;
        bool okInode = false;
        const qint64 inode = id.size() == 3 ? id.at(2).toLongLong(&okInode) : 0;
        if (!okInode || !parseDevice(id.at(0), id.at(1), &device))
            continue;
        out.append({device, inode, f.at(4).toLongLong()});
    }
    return out;
}

RunningApps snapshot()
{
    RunningApps apps;
    const uint user = appUser();
    const qint64 ownPid = qint64(::getpid());
    // Folders already added, as the kernel spells them: most of the
    // descriptors of a desktop share a few folders.
    QSet<QByteArray> seen;
    forEachProcess([&](int pidFd, qint64 pid) {
        if (!isProcessOf(readAt(pidFd, "status"), user))
            return;
        QString program;
        const QByteArray exe = linkAt(pidFd, "exe");
        if (!exe.isEmpty()) {
            apps.addProcess(QFile::decodeName(exe));
            program = QFile::decodeName(exe.mid(exe.lastIndexOf('/') + 1));
        } else {
            // Protected processes and kernel threads: the name is all we get.
            QByteArray comm = readAt(pidFd, "comm");
            while (comm.endsWith('\n'))
                comm.chop(1);
            if (comm.isEmpty())
                return;
            program = QString::fromUtf8(comm);
            apps.addBareName(program);
        }
        // What this process uses is the scan's and the cleanup's own doing.
        if (pid == ownPid)
            return;
        const auto use = [&](const QByteArray &folder) {
            if (folder.startsWith('/') && !seen.contains(folder)) {
                seen.insert(folder);
                apps.addUsedFolder(QFile::decodeName(folder), program);
            }
        };
        const auto folderOf = [](const QByteArray &path) {
            return path.startsWith('/') ? path.left(std::max(path.lastIndexOf('/'), qsizetype(1))) : QByteArray();
        };
        use(folderOf(exe));
        use(linkAt(pidFd, "cwd"));
        // The folder of every file held open. Sockets, pipes and the like
        // ("socket:[123]", "anon_inode:[eventfd]") are no paths; a folder
        // held open counts by the folder it lies in.
        const int fdDirFd = ::openat(pidFd, "fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fdDirFd < 0)
            return;
        DIR *fdDir = ::fdopendir(fdDirFd);
        if (!fdDir) {
            ::close(fdDirFd);
            return;
        }
        while (const dirent *e = ::readdir(fdDir)) {
            if (e->d_name[0] == '.')
                continue;
            use(folderOf(linkAt(::dirfd(fdDir), e->d_name)));
        }
        ::closedir(fdDir);
    });
    return apps;
}

OpenFiles OpenFiles::capture(Scope scope)
{
    OpenFiles files;
    // Mapped paths seen in any process with the inode the map names and the
    // processes mapping them; each is looked up once. Needed because on btrfs
    // and overlay file systems the device shown in maps differs from the one
    // stat() reports.
    QHash<QByteArray, std::pair<qint64, QList<FileHolder>>> mappedPaths;

    const qint64 ownPid = qint64(::getpid());
    struct stat top = {};
    ::stat("/", &top);

    forEachProcess([&](int pidFd, qint64 pid) {
        // Named on first need: most processes hold nothing of interest, but
        // the name is cheap next to the walk of their descriptors.
        FileHolder self;
        auto holder = [&]() -> const FileHolder & {
            if (self.pid == 0)
                self = {programName(pidFd), pid};
            return self;
        };
        const int fdDirFd = ::openat(pidFd, "fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fdDirFd >= 0) {
            if (DIR *fdDir = ::fdopendir(fdDirFd)) {
                while (const dirent *e = ::readdir(fdDir)) {
                    if (e->d_name[0] == '.')
                        continue;
                    // Asked about folders only, the sockets, pipes and
                    // event descriptors most processes hold mostly are told
                    // apart by their link text, without a stat each.
                    if (scope == Scope::Folders) {
                        char first = 0;
                        if (::readlinkat(::dirfd(fdDir), e->d_name, &first, 1) != 1 || first != '/')
                            continue;
                    }
                    struct stat st;
                    if (::fstatat(::dirfd(fdDir), e->d_name, &st, 0) != 0)
                        continue;
                    if (S_ISREG(st.st_mode))
                        addHolder(files.m_files[{qint64(st.st_dev), qint64(st.st_ino)}], holder());
                    else if (S_ISDIR(st.st_mode) && pid != ownPid)
                        files.addFolder(::dirfd(fdDir), e->d_name, st, holder());
                }
                ::closedir(fdDir);
            } else {
                ::close(fdDirFd);
            }
        }

        // Where the process works, and the root it sees: "/" for nearly
        // all, which no item ever is.
        for (const char *place : {"cwd", "root"}) {
            struct stat st;
            if (::fstatat(pidFd, place, &st, 0) == 0 && S_ISDIR(st.st_mode)
                && !(st.st_dev == top.st_dev && st.st_ino == top.st_ino))
                files.addFolder(pidFd, place, st, holder());
        }

        if (scope == Scope::Folders)
            return;
        for (const MappedFile &m : parseMaps(readAt(pidFd, "maps"))) {
            if (m.hasDevice)
                addHolder(files.m_files[{m.device, m.inode}], holder());
            if (m.path.isEmpty())
                continue;
            auto &mapped = mappedPaths[m.path];
            mapped.first = m.inode;
            addHolder(mapped.second, holder());
        }
    });

    // Root saw every process's descriptors, locks included; anyone else
    // learns of other users' locks only here. (The first read of the file
    // can take milliseconds: it is only paid for when it can tell more.)
    if (::geteuid() != 0)
        files.addLocks(readAt(AT_FDCWD, "/proc/locks"));

    for (auto it = mappedPaths.cbegin(); it != mappedPaths.cend(); ++it) {
        struct stat st;
        if (::stat(it.key().constData(), &st) != 0 || qint64(st.st_ino) != it->first)
            continue;
        QList<FileHolder> &list = files.m_files[{qint64(st.st_dev), qint64(st.st_ino)}];
        QSet<qint64> known;
        for (const FileHolder &h : std::as_const(list))
            known.insert(h.pid);
        for (const FileHolder &h : it->second) {
            if (!known.contains(h.pid))
                list.append(h);
        }
    }
    return files;
}

void OpenFiles::addFolder(int dirFd, const char *link, const struct stat &st, const FileHolder &holder)
{
    const std::pair<qint64, qint64> id{qint64(st.st_dev), qint64(st.st_ino)};
    const bool known = m_folders.contains(id);
    addHolder(m_folders[id], holder);
    if (known)
        return;
    char buf[PATH_MAX];
    const ssize_t n = ::readlinkat(dirFd, link, buf, sizeof buf);
    // A folder removed since ends in " (deleted)" and is nobody's any more;
    // one outside this process's view of the file system has no path.
    if (n > 0 && n < ssize_t(sizeof buf) && buf[0] == '/') {
        const QByteArray target(buf, n);
        if (!target.endsWith(DeletedSuffix))
            m_folderPaths.append({QFile::decodeName(target), id.first, id.second});
    }
}

void OpenFiles::addLocks(const QByteArray &locks)
{
    for (const HeldLock &lock : parseLocks(locks)) {
        const std::pair<qint64, qint64> key{lock.device, lock.inode};
        // A lock is held through a descriptor, so a holder this process can
        // inspect is named already; the others count by their process id
        // and the name every process shows. A lock without a process still
        // makes its file and folder busy.
        QList<FileHolder> &folder = m_folders[key];
        QList<FileHolder> &file = m_files[key];
        const qint64 pid = lock.pid;
        if (pid <= 0)
            continue;
        const int pidFd = ::open(QByteArray("/proc/" + QByteArray::number(pid)).constData(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (pidFd < 0)
            continue;
        FileHolder holder{programName(pidFd), pid};
        ::close(pidFd);
        const auto has = [pid](const QList<FileHolder> &list) {
            return std::any_of(list.cbegin(), list.cend(), [pid](const FileHolder &h) { return h.pid == pid; });
        };
        if (!has(folder))
            folder.append(holder);
        if (!has(file))
            file.append(holder);
    }
}

bool OpenFiles::containsFolder(qint64 device, qint64 inode) const
{
    return m_folders.contains({device, inode});
}

bool OpenFiles::holdsBusyFolder(const QString &path, QList<FileHolder> *holders) const
{
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(path);
    struct stat self;
    if (::lstat(QFile::encodeName(clean).constData(), &self) != 0 || !S_ISDIR(self.st_mode))
        return false;
    bool held = false;
    const auto take = [&](const std::pair<qint64, qint64> &id) {
        held = true;
        if (!holders)
            return;
        for (const FileHolder &h : m_folders.value(id)) {
            if (!holders->contains(h))
                holders->append(h);
        }
    };
    if (containsFolder(qint64(self.st_dev), qint64(self.st_ino)))
        take({qint64(self.st_dev), qint64(self.st_ino)});
    if (m_folderPaths.isEmpty())
        return held;
    // The holders' paths have no links in them; the path asked about may
    // (a home folder reached through one, say).
    QStringList prefixes{clean == QLatin1String("/") ? clean : clean + QLatin1Char('/')};
    const QString real = QFileInfo(clean).canonicalFilePath();
    if (!real.isEmpty() && real != clean)
        prefixes.append(real == QLatin1String("/") ? real : real + QLatin1Char('/'));
    for (const HeldFolder &f : m_folderPaths) {
        if (!std::any_of(prefixes.cbegin(), prefixes.cend(), [&f](const QString &p) { return f.path.startsWith(p); }))
            continue;
        // Still that folder: renamed or removed since, it proves nothing.
        struct stat now;
        if (::lstat(QFile::encodeName(f.path).constData(), &now) == 0 && qint64(now.st_dev) == f.device
            && qint64(now.st_ino) == f.inode)
            take({f.device, f.inode});
    }
    return held;
}

bool OpenFiles::contains(qint64 device, qint64 inode) const
{
    return m_files.contains({device, inode});
}

bool OpenFiles::isInUse(const QString &path) const
{
    if (path.isEmpty())
        return false;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return contains(qint64(st.st_dev), qint64(st.st_ino));
}

QHash<QString, QList<FileHolder>> OpenFiles::holders(const QStringList &paths) const
{
    QHash<QString, QList<FileHolder>> out;
    for (const QString &path : paths) {
        struct stat st;
        if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            QList<FileHolder> list;
            if (holdsBusyFolder(path, &list) && !list.isEmpty())
                out.insert(path, list);
            continue;
        }
        const auto it = m_files.constFind({qint64(st.st_dev), qint64(st.st_ino)});
        if (it != m_files.cend() && !it->isEmpty())
            out.insert(path, *it);
    }
    return out;
}

bool isFileInUse(const QString &path)
{
    return OpenFiles::capture().isInUse(path);
}

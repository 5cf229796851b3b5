// The cleaner against a hostile file system, one random tree per seed. A tree
// holds nested folders, files of random sizes and ages, symbolic and hard
// links into and out of the selection, FIFOs, sockets, unnameable names, files
// held open, folders other processes work in, listing roots with the day rule
// of shared temporary folders and entries there touched in the last hours
// (before or after the scan), exclusions and guarded application folders. It is scanned through
// the Scanner, some items are unticked, the tree is tampered with behind the
// scan's back (folders, roots and the folders above them swapped for links;
// bind mounts when running as root) and while the cleaner works (folders it
// does not hold open swapped between two of its steps), and the rest is
// cleaned. Whatever the tree: nothing outside the selected items changes,
// nothing kept goes, what went to the trash can be restored from there, the
// report's figures are what the disk got back and what the trash took, and the
// log agrees with the report. A preview of the same selection, run first,
// changes nothing and lists exactly what the clean then takes away, each
// path at the highest folder that goes whole, with the bytes it held.
//
//   VARNHOLT_PROPERTY_CASES=N   trees per row (default 60)
//   VARNHOLT_PROPERTY_SEED=S    only seed S, with the tree the cleaner met
//   VARNHOLT_PROPERTY_VERBOSE   describe every tree, not only failing ones
//   VARNHOLT_PROPERTY_OFF=a,b   leave features out to narrow a failure down:
//       symlink hardlink special busy cwd age exclude guard odd unselect swap race mount

#include "app/platform.h"
#include "app/trash.h"
#include "clean/cleaner.h"
#include "clean/cleanuplog.h"
#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"
#include "scan/scanner.h"
#include "support/holder.h"
#include "support/testsupport.h"

#include <QCryptographicHash>
#include <QStandardPaths>
#include <QtTest>

#include <climits>
#include <memory>
#include <numeric>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bind mounts live in a mount namespace of this process alone, entered before
// any thread exists (threads inherit the namespace of the thread that starts
// them): nothing reaches the machine, and it all goes with the process.
bool g_privateMounts = false;

const QDateTime kStart(QDate(2026, 12, 5), QTime(10, 15, 30));
const QStringList kGuarded{QStringLiteral("KeePass"), QStringLiteral("rime"), QStringLiteral("keepassxc"),
                           QStringLiteral("Bitwarden")};

QByteArray enc(const QString &path) { return QFile::encodeName(path); }
QString dec(const QByteArray &path) { return QFile::decodeName(path); }
bool roundTrips(const QByteArray &path) { return enc(dec(path)) == path; }
bool under(const QByteArray &path, const QByteArray &folder)
{
    return path.size() > folder.size() && path.startsWith(folder) && path.at(folder.size()) == '/';
}
// A path's bytes: the cleaner shows a byte that is not text as U+DC80+byte.
QByteArray bytesOf(const QString &path)
{
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && (path.at(i).unicode() < 0xdc80 || path.at(i).unicode() > 0xdcff))
            continue;
        out += enc(path.mid(from, i - from));
        if (i < path.size())
            out += char(path.at(i).unicode() - 0xdc00);
        from = i + 1;
    }
    return out;
}
bool isRealDir(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

struct Node
{
    char kind = 'd';  // f file, d folder, l link, p FIFO, s socket
    unsigned mode = 0;
    int links = 1;
    qint64 size = 0, blocks = 0, dev = 0, ino = 0, mtime = 0;
    QByteArray data;  // digest of a file, target of a link

    bool same(const Node &o) const
    {
        return kind == o.kind
            && (kind == 'd' || (mode == o.mode && size == o.size && dev == o.dev && ino == o.ino && mtime == o.mtime && data == o.data));
    }
};
using Snapshot = QMap<QByteArray, Node>;  // native absolute path -> what is there
using Inode = QPair<qint64, qint64>;

// Everything below `root`; links are not followed, mount points not entered.
Snapshot snapshot(const QByteArray &root, const QSet<QByteArray> &mountPoints = {})
{
    Snapshot s;
    QList<QByteArray> stack{root};
    while (!stack.isEmpty()) {
        const QByteArray dir = stack.takeLast();
        DIR *d = ::opendir(dir.constData());
        while (const dirent *de = d ? ::readdir(d) : nullptr) {
            const QByteArray name(de->d_name), p = dir + '/' + name;
            struct stat st;
            if (name == "." || name == ".." || ::lstat(p.constData(), &st) != 0)
                continue;
            Node n{S_ISREG(st.st_mode) ? 'f' : S_ISDIR(st.st_mode) ? 'd' : S_ISLNK(st.st_mode) ? 'l' : S_ISFIFO(st.st_mode) ? 'p' : 's',
                   st.st_mode, int(st.st_nlink), st.st_size, qint64(st.st_blocks) * 512, qint64(st.st_dev), qint64(st.st_ino),
                   qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, {}};
            char target[4096];
            QFile f(dec(p));
            if (n.kind == 'f' && f.open(QIODevice::ReadOnly))
                n.data = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5);
            else if (n.kind == 'l')
                n.data = QByteArray(target, int(std::max<ssize_t>(::readlink(p.constData(), target, sizeof target), 0)));
            else if (n.kind == 'd' && !mountPoints.contains(p))
                stack.append(p);
            s.insert(p, n);
        }
        if (d)
            ::closedir(d);
    }
    return s;
}

// Mount points below `prefix` in this namespace, deepest first.
QList<QByteArray> mountsBelow(const QByteArray &prefix)
{
    QFile f(QStringLiteral("/proc/self/mountinfo"));
    QList<QByteArray> out;
    for (const QByteArray &line : f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>()) {
        const QByteArray field = line.split(' ').value(4);
        QByteArray p;  // octal escapes undone
        for (qsizetype i = 0; i < field.size(); ++i) {
            const bool escape = field.at(i) == '\\' && i + 3 < field.size();
            p.append(escape ? char(field.mid(i + 1, 3).toInt(nullptr, 8)) : field.at(i));
            i += escape ? 3 : 0;
        }
        if (under(p, prefix))
            out.append(p);
    }
    std::sort(out.begin(), out.end(), [](const QByteArray &a, const QByteArray &b) { return a.size() > b.size(); });
    return out;
}

// The folders (and files) this process holds open right now: the cleaner's walk.
QList<QByteArray> openPaths()
{
    QList<QByteArray> out;
    DIR *d = ::opendir("/proc/self/fd");
    while (const dirent *de = d ? ::readdir(d) : nullptr) {
        char target[4096];
        const ssize_t n = ::readlinkat(::dirfd(d), de->d_name, target, sizeof target);
        if (n > 0)
            out.append(QByteArray(target, int(n)));
    }
    if (d)
        ::closedir(d);
    return out;
}

class Case final
{
public:
    Case(quint32 seed, bool toTrash, bool mounts, const QStringList &off)
        : m_rng(seed), m_toTrash(toTrash), m_off(off), m_withMounts(mounts && on("mount"))
    {
        // The walks (the scan's, the removal of a folder) on one thread, on
        // four that join from the first folder on, or as this machine would.
        const fs::detail::WalkTuning tunings[] = {{1, 0}, {4, 0}, {}};
        fs::detail::setWalkTuning(tunings[seed % 3]);
        m_desc.append(seed % 3 < 2 ? QStringLiteral("walks on %1 threads").arg(tunings[seed % 3].threads)
                                   : QStringLiteral("walks on this machine's threads"));
    }
    ~Case()
    {
        for (int fd : std::as_const(m_held))
            ::close(fd);
        m_workers.clear();
        fs::detail::setClockOffset(0);
        fs::detail::setWalkTuning({});
        for (const QByteArray &m : mountsBelow(enc(m_tmp.path())))
            ::umount2(m.constData(), MNT_DETACH);
        QDir(trash::homeTrash()).removeRecursively();
    }
    Case(const Case &) = delete;
    Case &operator=(const Case &) = delete;

    QStringList run();
    QString description() const { return m_desc.join(QStringLiteral("; ")); }
    QString listing() const
    {
        QStringList lines;
        for (auto it = m_before.cbegin(); it != m_before.cend(); ++it)
            lines.append(QLatin1Char(it->kind) + QLatin1Char(' ') + rel(it.key())
                         + (it->kind == 'l'   ? QStringLiteral(" -> ") + dec(it->data).replace(m_tmp.path(), QStringLiteral("<tree>"))
                            : it->kind == 'f' ? QStringLiteral("  %1 B, %2 links, inode %3").arg(it->size).arg(it->links).arg(it->ino)
                                              : QString()));
        return lines.join(QLatin1Char('\n'));
    }

private:
    struct Place  // a selected item
    {
        QByteArray path;
        bool contentsOnly = false;
        bool toTrash = false;
    };
    struct Mount  // planned for after the scan; an empty source mirrors the point
    {
        QString point, source;
        bool overScanned = true;  // over a folder the scan measured
    };
    struct Moved  // a folder moved out of the selection while the cleaner worked
    {
        QByteArray from, to;
        Snapshot then;  // what it held when it was moved
    };

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool chance(int percent) { return pick(0, 99) < percent; }
    QString any(const QStringList &list) { return list.at(pick(0, int(list.size()) - 1)); }
    bool on(const char *feature) const { return !m_off.contains(QLatin1String(feature)); }
    QString rel(const QString &abs) const { return abs.mid(m_tmp.path().size() + 1); }
    QString rel(const QByteArray &abs) const { return rel(dec(abs)); }

    QString fresh(const QString &dir, bool plain)
    {
        static const char *const syllables[] = {"ka", "lo", "mi", "nu", "pe", "ru", "so", "ti", "va", "ze", "qo", "bex"};
        static const char *const extensions[] = {"", "", "", ".tmp", ".log", ".bin", ".dat"};
        static const char *const odd[] = {"with space", "100% done", "ünï ✓ 日本", "-rf", "back\\slash", "#x", ".hidden"};
        for (int attempt = 0;; ++attempt) {
            QString name = !plain && on("odd") && chance(8) ? QString::fromUtf8(odd[pick(0, 6)])
                                                             : QLatin1String(syllables[pick(0, 11)])
                    + QLatin1String(syllables[pick(0, 11)]) + QLatin1String(extensions[pick(0, 6)]);
            if (attempt > 3)
                name += QString::number(attempt);
            struct stat st;
            if (::lstat(enc(dir + QLatin1Char('/') + name).constData(), &st) != 0)
                return name;
        }
    }

    QString makeFile(const QString &path)
    {
        const int size = chance(10) ? 0 : chance(10) ? pick(65536, 300000) : pick(1, 12000);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(size, char('a' + pick(0, 25)))) != size)
            return {};
        f.close();
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(kStart.toSecsSinceEpoch() - pick(0, 90 * 86400)), 0}};
        ::utimensat(AT_FDCWD, enc(path).constData(), times, 0);
        return path;
    }

    void fill(const QString &dir, int depth, bool inside)
    {
        for (int i = 0, n = depth == 0 ? pick(2, 7) : pick(0, 4); i < n; ++i) {
            QString path = dir + QLatin1Char('/') + fresh(dir, !inside);
            const int r = inside ? pick(0, 99) : pick(0, 59);
            if (r >= 40 && r < 60 && depth < 3) {
                QDir().mkpath(path);
                (inside ? m_insideDirs : m_outsideDirs).append(path);
                fill(path, depth + 1, inside);
            } else if (r >= 60 && r < 70 && on("symlink")) {
                m_links.append(path);  // made once every target exists
            } else if (r >= 70 && r < 78 && on("hardlink")) {
                m_hardLinks.append(path);
            } else if (r >= 78 && r < 82 && on("special")) {
                ::mkfifo(enc(path).constData(), 0644);
            } else if (r >= 82 && r < 85 && on("special")) {
                ::mknod(enc(path).constData(), S_IFSOCK | 0644, 0);
            } else if (r >= 85 && r < 89 && on("guard")) {
                path = dir + QLatin1Char('/') + any(kGuarded);
                makeFile(m_tmp.makeDir(rel(path)) + QStringLiteral("/vault"));
            } else if (r >= 89 && r < 91 && on("special")) {
                const int fd = ::open(QByteArray(enc(dir) + "/raw\xff\xfe").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                if (fd >= 0 && ::write(fd, "a name no text can spell", 24) != 24)
                    qWarning("could not write a file with an unnameable name");
                ::close(fd);
                continue;
            } else if (!makeFile(path).isEmpty()) {
                (inside ? m_insideFiles : m_outsideFiles).append(path);
            }
            if (inside)
                m_insideAll.append(path);
        }
    }

    void build();

    void makeLinks()
    {
        int outward = 0, crossing = 0;
        for (const QString &link : std::as_const(m_links)) {
            const QString folder = link.section(QLatin1Char('/'), 0, -2);
            const int kind = pick(0, 7);
            const QString target = kind == 0 ? any(m_outsideDirs)
                : kind == 1                  ? any(m_outsideFiles)
                : kind == 2                  ? QDir(folder).relativeFilePath(any(m_outsideDirs))
                : kind == 3                  ? (m_insideDirs.isEmpty() ? folder : any(m_insideDirs))
                : kind == 4                  ? (m_insideFiles.isEmpty() ? folder : QDir(folder).relativeFilePath(any(m_insideFiles)))
                : kind == 5                  ? m_tmp.path(QStringLiteral("outside/missing"))
                : kind == 6                  ? QStringLiteral("..")
                                             : link.section(QLatin1Char('/'), -1);  // itself
            outward += kind < 3;
            ::symlink(enc(target).constData(), enc(link).constData());
        }
        for (const QString &link : std::as_const(m_hardLinks)) {
            const bool fromOutside = chance(40) || m_insideFiles.isEmpty();
            crossing += fromOutside;
            ::link(enc(any(fromOutside ? m_outsideFiles : m_insideFiles)).constData(), enc(link).constData());
        }
        if (on("hardlink") && chance(30) && !m_insideFiles.isEmpty()) {  // an inside file named outside too
            const QString folder = any(m_outsideDirs);
            crossing += ::link(enc(any(m_insideFiles)).constData(), enc(folder + QLatin1Char('/') + fresh(folder, true)).constData()) == 0;
        }
        m_desc.append(QStringLiteral("%1 entries inside, %2 symlinks (%3 outward), %4 hard links (%5 crossing out)")
                          .arg(m_insideAll.size()).arg(m_links.size()).arg(outward).arg(m_hardLinks.size()).arg(crossing));
    }

    // A real folder of the tree, reached without links or mounts, none inside.
    bool reachable(const QString &dir) const
    {
        const QByteArray d = enc(dir);
        for (const QByteArray &m : std::as_const(m_mounts)) {
            if (m == d || under(m, d) || under(d, m))
                return false;
        }
        for (qsizetype at = d.indexOf('/', enc(m_tmp.path()).size() + 1);; at = d.indexOf('/', at + 1)) {
            if (!isRealDir(at < 0 ? d : d.left(at)))
                return false;
            if (at < 0)
                return true;
        }
    }

    bool mount(const QString &source, const QString &point, const char *when)
    {
        if (!reachable(point) || ::mount(enc(source).constData(), enc(point).constData(), nullptr, MS_BIND, nullptr) != 0)
            return false;
        m_mounts.insert(enc(point));
        m_desc.append(QStringLiteral("%1 bind-mounted on %2 %3").arg(rel(source), rel(point), QLatin1String(when)));
        return true;
    }

    // A folder outside the selection with the same names as `dir`, two levels
    // deep: a cleaner led there finds its items' names.
    QString mirror(const QString &dir)
    {
        const QString target = m_tmp.makeDir(QStringLiteral("outside/mirror%1").arg(m_parked++));
        const std::function<void(const QString &, const QString &, int)> copy = [&](const QString &from, const QString &to, int depth) {
            for (const QString &name : QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
                if (depth > 0 && isRealDir(enc(from + QLatin1Char('/') + name)))
                    copy(from + QLatin1Char('/') + name, m_tmp.makeDir(rel(to + QLatin1Char('/') + name)), depth - 1);
                else
                    makeFile(to + QLatin1Char('/') + name);
            }
            makeFile(to + QStringLiteral("/mirror-sentinel"));
        };
        copy(dir, target, 1);
        return target;
    }

    // The folder goes to the parking lot and a link to `target` takes its place.
    bool swap(const QString &dir, const QString &target, bool duringClean)
    {
        const QString parked = m_tmp.path(QStringLiteral("parking/p%1").arg(m_parked++));
        if (!reachable(dir) || ::rename(enc(dir).constData(), enc(parked).constData()) != 0)
            return false;
        ::symlink(enc(target).constData(), enc(dir).constData());
        m_tampered = true;
        m_desc.append(QStringLiteral("%1 %2 became a link to %3")
                          .arg(duringClean ? QStringLiteral("during the clean") : QStringLiteral("after the scan"), rel(dir), rel(target)));
        if (duringClean) {
            Snapshot then = snapshot(enc(parked));
            then.insert(enc(parked), Node());
            m_moved.append({enc(dir), enc(parked), then});
        }
        return true;
    }

    // Behind the scan's back.
    void tamper()
    {
        for (const Mount &m : std::as_const(m_laterMounts)) {
            if (reachable(m.point))
                m_tampered |= mount(m.source.isEmpty() ? mirror(m.point) : m.source, m.point, "after the scan") && m.overScanned;
        }
        for (int i = 0, n = on("swap") && chance(35) ? pick(1, 2) : 0; i < n; ++i) {
            const bool root = chance(50) || m_insideDirs.isEmpty();
            const QString dir = root ? any(m_roots + m_groups) : any(m_insideDirs);
            if (reachable(dir))
                swap(dir, root ? mirror(dir) : any(m_outsideDirs), false);
        }
        if (on("race") && chance(30) && !m_insideDirs.isEmpty())
            m_raceAt = pick(0, 15);
    }

    // On the cleaner's thread, between two of its steps: a selected folder
    // that the cleaner does not hold open becomes a link out of the selection.
    void race()
    {
        if (m_raceAt < 0 || m_raceAt-- > 0)
            return;
        const QList<QByteArray> open = openPaths();
        for (qsizetype i = 0, start = pick(0, int(m_insideDirs.size()) - 1); i < m_insideDirs.size(); ++i) {
            const QByteArray dir = enc(m_insideDirs.at((start + i) % m_insideDirs.size()));
            const bool held = std::any_of(open.cbegin(), open.cend(), [&](const QByteArray &o) { return o == dir || under(o, dir); });
            if (!held && placeOf(dir) >= 0 && swap(dec(dir), any(m_outsideDirs), true))
                return;
        }
    }

    // What the interface hands the cleaner once some items or categories were
    // unticked (the selection rules of the application state).
    QList<CategoryResult> select(QList<CategoryResult> results)
    {
        QList<CategoryResult> selected;
        QStringList unticked;
        for (CategoryResult &r : results) {
            if (r.bytes < 1)
                continue;
            if (on("unselect") && chance(10)) {
                unticked.append(r.id);
                continue;
            }
            QStringList paths;
            for (const ScanItem &item : std::as_const(r.items))
                paths.append(item.path);
            paths.sort();  // draws in an order that does not depend on the listing
            QSet<QString> dropped;
            for (const QString &p : std::as_const(paths)) {
                if (on("unselect") && chance(20))
                    dropped.insert(p);
            }
            r.items.removeIf([&](const ScanItem &item) {
                if (!dropped.contains(item.path))
                    return false;
                unticked.append(rel(item.path));
                r.bytes -= item.bytes;
                r.files -= item.files;
                return true;
            });
            r.bytes = std::max<qint64>(r.bytes, 0);
            r.files = std::max<qint64>(r.files, 0);
            if (r.bytes <= 0)
                continue;
            selected.append(r);
            for (const ScanItem &item : std::as_const(r.items))
                m_places.append({enc(item.path), item.contentsOnly, m_toTrash && r.risk != Permanent});
        }
        if (!unticked.isEmpty())
            m_desc.append(QStringLiteral("unticked: ") + unticked.join(QStringLiteral(", ")));
        return selected;
    }

    int placeOf(const QByteArray &path) const
    {
        for (qsizetype i = 0; i < m_places.size(); ++i) {
            if (under(path, m_places.at(i).path) || (!m_places.at(i).contentsOnly && path == m_places.at(i).path))
                return int(i);
        }
        return -1;
    }

    // Why an entry inside the selection must stay as it is, if it must.
    QString keepReason(const QByteArray &path, const Node &n) const
    {
        return n.kind == 'p' || n.kind == 's'       ? QStringLiteral("special file")
            : !roundTrips(path)                     ? QStringLiteral("unnameable")
            : isExcluded(dec(path), m_exclusions)   ? QStringLiteral("excluded")
            : isGuardedPath(dec(path))              ? QStringLiteral("guarded")
            : m_heldInodes.contains({n.dev, n.ino}) ? QStringLiteral("in use")
            : m_recent.contains({n.dev, n.ino}) && std::any_of(m_agedRoots.cbegin(), m_agedRoots.cend(), [&](const QString &r) { return under(path, enc(r)); })
                ? QStringLiteral("touched in the last day")
            : std::any_of(m_workDirs.cbegin(), m_workDirs.cend(),
                          [&](const QByteArray &w) { return path == w || under(path, w) || under(w, path); })
                ? QStringLiteral("a process works there")
            : m_mounts.contains(path)               ? QStringLiteral("mount point")
                                                    : QString();
    }

    QStringList checkTree(const Snapshot &after) const;
    QStringList checkTrash(const Snapshot &after, const Snapshot &binned, const CleanReport *report) const;
    QStringList checkLog(const CleanReport &report) const;
    QStringList checkPreview(const CleanReport &preview, const Snapshot &after) const;

    std::mt19937 m_rng;
    bool m_toTrash;
    QStringList m_off;
    bool m_withMounts;
    TempFolder m_tmp;
    QList<CategoryDef> m_defs;
    QStringList m_exclusions, m_roots, m_groups, m_desc;
    QStringList m_insideFiles, m_insideDirs, m_insideAll, m_outsideFiles, m_outsideDirs, m_links, m_hardLinks;
    QList<Mount> m_laterMounts;
    QSet<QByteArray> m_mounts;
    // Entries of day-rule roots touched in the last hours, some after the
    // scan, by identity; the day-rule roots.
    void touchRecently(int percent);
    void startWorkers(int percent);
    QSet<Inode> m_recent;
    QStringList m_agedRoots;
    // Child processes working in folders of the tree, and those folders as
    // the cleaner meets them (wherever tampering moved them).
    std::vector<std::unique_ptr<testsupport::Holder>> m_workers;
    QList<QByteArray> m_workDirs;
    QList<int> m_held;
    QSet<Inode> m_heldInodes;
    QList<Place> m_places;
    QList<Moved> m_moved;
    int m_raceAt = -1, m_parked = 0;
    bool m_tampered = false;
    Snapshot m_before;  // the tree the cleaner met
};

void Case::build()
{
    for (int i = 0, n = pick(1, 3); i < n; ++i) {
        const QString folder = m_tmp.makeDir(QStringLiteral("outside/o%1").arg(i));
        m_outsideDirs.append(folder);
        m_outsideFiles.append(makeFile(folder + QStringLiteral("/sentinel")));
        fill(folder, 1, false);
    }
    m_tmp.makeDir(QStringLiteral("parking"));
    for (int c = 0, n = pick(1, 3); c < n; ++c) {
        CategoryDef def;
        def.id = QStringList{QStringLiteral("temp"), QStringLiteral("logs"), QStringLiteral("dev")}.at(c);
        def.name = QStringLiteral("Category ") + def.id;
        def.risk = chance(30) ? Permanent : Safe;
        m_defs.append(def);
    }
    QStringList roots;
    for (int k = 0, n = pick(1, 4); k < n; ++k) {
        const QString group = m_tmp.makeDir(QStringLiteral("r/g%1").arg(k));
        CategoryRoot root;
        root.path = m_tmp.makeDir(rel(group) + QLatin1Char('/') + (on("guard") && chance(8) ? any(kGuarded) : fresh(group, true)));
        if (chance(50))
            root.label = QStringLiteral("Root %1").arg(k);
        else if (chance(20))
            root.patterns = QStringList{QStringLiteral("*.tmp"), QStringLiteral("*.log")};
        if (!root.isLabelled() && on("age") && chance(50)) {
            root.minAgeMs = 24LL * 60 * 60 * 1000;
            m_agedRoots.append(root.path);
        }
        fill(root.path, 0, true);
        CategoryDef &def = m_defs[pick(0, int(m_defs.size()) - 1)];
        def.roots.append(root);
        m_roots.append(root.path);
        m_groups.append(group);
        roots.append(QStringLiteral("%1 %2%3 in %4%5")
                         .arg(root.isLabelled() ? QStringLiteral("labelled") : QStringLiteral("listing"), rel(root.path),
                              root.patterns.isEmpty() ? QString() : QStringLiteral(" [*.tmp *.log]"), def.id,
                              def.risk == Permanent ? QStringLiteral(" (Permanent)") : QString()));
    }
    m_desc.append(QStringLiteral("roots: ") + roots.join(QStringLiteral(", ")));
    makeLinks();

    for (int i = 0, n = on("exclude") && chance(50) && !m_insideAll.isEmpty() ? pick(1, 3) : 0; i < n; ++i) {
        const QString path = any(m_insideAll), name = path.section(QLatin1Char('/'), -1);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString pattern = QStringList{QStringLiteral("**/") + name, name, dot > 0 ? QLatin1Char('*') + name.mid(dot) : name, path,
                                            m_tmp.path() + QStringLiteral("/r/**/") + name}.at(pick(0, 4));
        m_exclusions.append(chance(20) ? pattern.toUpper() : pattern);
    }
    if (!m_exclusions.isEmpty())
        m_desc.append(QStringLiteral("exclusions: ") + m_exclusions.join(QStringLiteral(", ")).replace(m_tmp.path(), QStringLiteral("<tree>")));
    QStringList held;
    for (int i = 0, n = on("busy") && chance(35) && !m_insideFiles.isEmpty() ? pick(1, 2) : 0; i < n; ++i) {
        const QString path = any(m_insideFiles);
        const int fd = ::open(enc(path).constData(), O_RDONLY | O_CLOEXEC);
        struct stat st;
        if (fd >= 0 && ::fstat(fd, &st) == 0) {
            m_held.append(fd);
            m_heldInodes.insert({qint64(st.st_dev), qint64(st.st_ino)});
            held.append(rel(path));
        }
    }
    if (!held.isEmpty())
        m_desc.append(QStringLiteral("held open: ") + held.join(QStringLiteral(", ")));
    for (int i = 0, n = m_withMounts ? pick(1, 2) : 0; i < n; ++i) {
        const int kind = pick(0, 2);
        if (kind == 0) {  // on a new, empty folder, before or after the scan
            const QString point = m_tmp.makeDir(rel(any(m_insideDirs + m_roots)) + QStringLiteral("/mnt%1").arg(i));
            if (chance(50))
                mount(any(m_outsideDirs), point, "before the scan");
            else
                m_laterMounts.append({point, any(m_outsideDirs), false});
        } else if (kind == 1 && !m_insideDirs.isEmpty()) {  // over a folder the scan measured or offered
            m_laterMounts.append({any(m_insideDirs), any(m_outsideDirs)});
        } else if (kind == 2) {  // over a root or the folder above one, with the same names
            m_laterMounts.append({any(m_roots + m_groups), QString()});
        }
    }
    startWorkers(20);
    // The engines' clock three days ahead: the tree is old to it, but for
    // what is touched in its last hours.
    fs::detail::setClockOffset(3 * 24 * 60 * 60 * 1000LL);
    touchRecently(50);
}

void Case::startWorkers(int percent)
{
    QStringList workers;
    for (int i = 0, n = on("cwd") && chance(percent) && !m_insideDirs.isEmpty() ? pick(1, 2) : 0; i < n; ++i) {
        const QString dir = any(m_insideDirs);
        // In its folder before the run goes on.
        m_workers.push_back(std::make_unique<testsupport::Holder>(dir, testsupport::Holder::WorkingFolder));
        if (m_workers.back()->ready())
            workers.append(rel(dir));
    }
    if (!workers.isEmpty())
        m_desc.append(QStringLiteral("processes working in%1: ")
                          .arg(m_places.isEmpty() ? QString() : QStringLiteral(" after the scan"))
                      + workers.join(QStringLiteral(", ")));
}

void Case::touchRecently(int percent)
{
    QStringList touched;
    for (const QString &root : std::as_const(m_agedRoots)) {
        QStringList inside;
        for (const QString &p : std::as_const(m_insideAll)) {
            if (p.startsWith(root + QLatin1Char('/')) && (m_insideFiles.contains(p) || m_insideDirs.contains(p)))
                inside.append(p);
        }
        for (int i = 0, n = chance(percent) && !inside.isEmpty() ? pick(1, 2) : 0; i < n; ++i) {
            const QString path = any(inside);
            struct stat st;
            if (::lstat(enc(path).constData(), &st) != 0)
                continue;
            // A folder's access time is left out: a listing refreshes it.
            const bool access = !S_ISDIR(st.st_mode) && chance(50);
            const qint64 ms = fs::now() - pick(0, 3 * 3600) * 1000LL;
            const timespec when{time_t(ms / 1000), 0};
            const timespec times[2] = {access ? when : timespec{0, UTIME_OMIT}, access ? timespec{0, UTIME_OMIT} : when};
            if (::utimensat(AT_FDCWD, enc(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0) {
                m_recent.insert({qint64(st.st_dev), qint64(st.st_ino)});
                touched.append(rel(path) + (access ? QStringLiteral(" (read)") : QString()));
            }
        }
    }
    if (!touched.isEmpty())
        m_desc.append(QStringLiteral("touched in the last hours%1: ")
                          .arg(m_places.isEmpty() ? QString() : QStringLiteral(" after the scan"))
                      + touched.join(QStringLiteral(", ")));
}

// Outside the selected items nothing changed, appeared or went; inside them,
// what must stay stayed.
QStringList Case::checkTree(const Snapshot &after) const
{
    QStringList problems;
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
        const QString why = placeOf(it.key()) < 0 ? QStringLiteral("outside the selection") : keepReason(it.key(), it.value());
        if (!why.isEmpty() && !after.contains(it.key()))
            problems.append(QStringLiteral("%1 (%2) was removed").arg(rel(it.key()), why));
        else if (!why.isEmpty() && !it->same(after.value(it.key())))
            problems.append(QStringLiteral("%1 (%2) was changed").arg(rel(it.key()), why));
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        // What a mount hid from the cleaner shows again once it is gone.
        const bool hidden = std::any_of(m_mounts.cbegin(), m_mounts.cend(), [&](const QByteArray &m) { return under(it.key(), m); });
        if (!m_before.contains(it.key()) && placeOf(it.key()) < 0 && !hidden)
            problems.append(QStringLiteral("%1 appeared outside the selection").arg(rel(it.key())));
    }
    return problems;
}

// Whatever left a trash-mode item is in the trash, under an entry recording
// where it was. The report's figures, when given, are what left the items'
// places for good and for the trash, each file once.
QStringList Case::checkTrash(const Snapshot &after, const Snapshot &binned, const CleanReport *report) const
{
    QStringList problems;
    const QByteArray bin = enc(trash::homeTrash());
    QList<QPair<QByteArray, QByteArray>> trashed;  // original path, entry in files/
    for (const QString &info : QDir(dec(bin + "/info")).entryList({QStringLiteral("*.trashinfo")}, QDir::Files | QDir::Hidden)) {
        QFile f(dec(bin + "/info/") + info);
        const QByteArray text = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        const qsizetype at = text.indexOf("\nPath=") + 6;
        const QByteArray from = QByteArray::fromPercentEncoding(text.mid(at, text.indexOf('\n', at) - at));
        trashed.append({from, bin + "/files/" + enc(info.chopped(10))});
        struct stat st;
        const int place = placeOf(from);
        if (place >= 0 && m_places.at(place).toTrash
            && std::any_of(m_moved.cbegin(), m_moved.cend(), [&](const Moved &m) { return m.from == from; }))
            continue;  // the link that took a folder's place while the cleaner worked
        if (place < 0 || !m_places.at(place).toTrash || !m_before.contains(from))
            problems.append(QStringLiteral("trash entry %1 came from %2, not from a trash-mode item").arg(info, dec(from)));
        else if (::lstat(trashed.constLast().second.constData(), &st) != 0 || qint64(st.st_ino) != m_before.value(from).ino)
            problems.append(QStringLiteral("trash entry %1 does not hold what was at %2").arg(info, rel(from)));
        else if (after.contains(from))
            problems.append(QStringLiteral("%1 is both in the trash and in its place").arg(rel(from)));
    }
    QSet<Inode> inside, elsewhere, inBin;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        (placeOf(it.key()) >= 0 ? inside : elsewhere).insert({it->dev, it->ino});
    for (const Node &n : binned)
        inBin.insert({n.dev, n.ino});
    QHash<Inode, qint64> released, moved;
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
        const int place = placeOf(it.key());
        if (place < 0 || (it->kind != 'f' && it->kind != 'l') || !roundTrips(it.key()) || isExcluded(dec(it.key()), m_exclusions))
            continue;
        const Inode id{it->dev, it->ino};
        // Moved counts what emptying the bin will release: files none of
        // whose names stayed anywhere outside it.
        if (!inside.contains(id) && !elsewhere.contains(id) && inBin.contains(id))
            moved.insert(id, it->blocks);
        else if (!inside.contains(id) && !elsewhere.contains(id))
            released.insert(id, it->blocks);
        if (!m_places.at(place).toTrash || after.contains(it.key()))
            continue;
        const bool found = std::any_of(trashed.cbegin(), trashed.cend(), [&](const QPair<QByteArray, QByteArray> &t) {
            struct stat st;
            return (t.first == it.key() || under(it.key(), t.first))
                && ::lstat(QByteArray(t.second + it.key().mid(t.first.size())).constData(), &st) == 0 && qint64(st.st_ino) == it->ino;
        });
        if (!found)
            problems.append(QStringLiteral("%1 left its trash-mode item but is not in the trash").arg(rel(it.key())));
    }
    const auto sum = [](const QHash<Inode, qint64> &files) { return std::accumulate(files.cbegin(), files.cend(), qint64(0)); };
    if (report && (report->freedBytes != sum(released) || report->trashedBytes != sum(moved)))
        problems.append(QStringLiteral("the report frees %1 and trashes %2 bytes; %3 bytes came back and %4 went to the trash")
                            .arg(report->freedBytes).arg(report->trashedBytes).arg(sum(released)).arg(sum(moved)));
    return problems;
}

QStringList Case::checkLog(const CleanReport &report) const
{
    QStringList problems, skipped;
    QFile file(report.logPath);
    const QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                                             : QStringList();
    const QString summary = QStringLiteral("Freed %1, removed %2 files, skipped %3.")
                                .arg(formatSize(report.freedBytes + report.trashedBytes)).arg(report.filesRemoved).arg(report.skippedCount);
    if (lines.value(lines.size() - 1) != summary)
        problems.append(QStringLiteral("the log ends \"%1\", the report says \"%2\"").arg(lines.value(lines.size() - 1), summary));
    QSet<QString> named, removalLines;
    for (const QString &line : lines) {
        const QString word = line.left(9).trimmed(), rest = line.mid(9);
        const bool removal = word == QLatin1String("TRASHED") || word == QLatin1String("DELETED");
        if (!removal && word != QLatin1String("EXCLUDED") && word != QLatin1String("SKIPPED") && word != QLatin1String("BUSY"))
            continue;
        const bool reasoned = word != QLatin1String("EXCLUDED") || rest.endsWith(QLatin1String("  (user data, not a cache)"));
        const QString path = CleanupLog::readPath(!reasoned ? rest : rest.left(rest.lastIndexOf(removal ? QLatin1String("  ") : QLatin1String("  ("))));
        const auto item = std::find_if(m_places.cbegin(), m_places.cend(), [&](const Place &p) { return p.path == bytesOf(path); });
        named.insert(path);
        if (word == QLatin1String("SKIPPED") && !rest.endsWith(QLatin1String(" is running)"))
            && !rest.endsWith(QLatin1String("(changed since the scan)")))
            skipped.append(path);
        if (placeOf(bytesOf(path)) < 0 && item == m_places.cend())
            problems.append(QStringLiteral("the log names a path outside the selection: ") + line);
        if (removal && (item == m_places.cend() || (word == QLatin1String("TRASHED")) != item->toTrash || removalLines.contains(path)))
            problems.append(QStringLiteral("wrong or repeated line: ") + line);
        if (removal)
            removalLines.insert(path);
    }
    for (const Place &p : m_places) {
        if (!named.contains(dec(p.path)))
            problems.append(QStringLiteral("the log says nothing about item %1").arg(rel(p.path)));
    }
    if (skipped.size() != report.skippedCount || report.skippedSamples != skipped.mid(0, 5))
        problems.append(QStringLiteral("%1 SKIPPED lines (first %2), the report counts %3 (samples %4)")
                            .arg(skipped.size()).arg(skipped.mid(0, 5).join(QLatin1Char(' ')))
                            .arg(report.skippedCount).arg(report.skippedSamples.join(QLatin1Char(' '))));
    return problems;
}

QStringList Case::checkPreview(const CleanReport &preview, const Snapshot &after) const
{
    QMap<QByteArray, qint64> went;  // the highest paths that went, with the bytes they held
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
        if (after.contains(it.key()))
            continue;
        const QByteArray parent = it.key().left(it.key().lastIndexOf('/'));
        if (after.contains(parent) || !m_before.contains(parent))
            went.insert(it.key(), 0);
    }
    for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
        for (auto w = went.begin(); w != went.end(); ++w)
            w.value() += it->kind != 'd' && (it.key() == w.key() || under(it.key(), w.key())) ? it->blocks : 0;
    }
    QMap<QByteArray, qint64> listed;
    for (const PreviewEntry &e : preview.wouldGo)
        listed.insert(enc(e.path), e.bytes);
    QStringList problems;
    if (!preview.preview || !preview.logPath.isEmpty())
        problems.append(QStringLiteral("the preview is not marked as one, or names a log"));
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        if (!went.contains(it.key()))
            problems.append(QStringLiteral("the preview lists %1, which stayed or went with its folder").arg(rel(it.key())));
        else if (went.value(it.key()) != it.value())
            problems.append(QStringLiteral("the preview gives %1 %2 bytes, it held %3").arg(rel(it.key())).arg(it.value()).arg(went.value(it.key())));
    }
    for (auto it = went.cbegin(); it != went.cend(); ++it) {
        if (!listed.contains(it.key()))
            problems.append(QStringLiteral("%1 went, but the preview does not list it").arg(rel(it.key())));
    }
    return problems;
}

QStringList Case::run()
{
    if (!m_tmp.isValid())
        return {QStringLiteral("no scratch folder")};
    const QByteArray root = enc(m_tmp.path()), bin = enc(trash::homeTrash());
    build();
    Scanner scanner([this] { return m_defs; });
    QList<CategoryResult> results;
    QObject::connect(&scanner, &Scanner::finished, &scanner, [&](const QList<CategoryResult> &r, bool) { results = r; }, Qt::DirectConnection);
    scanner.start(m_exclusions);
    scanner.wait();
    QStringList problems;

    const QList<CategoryResult> selection = select(results);
    touchRecently(30);
    startWorkers(30);
    tamper();
    const Snapshot unpreviewed = snapshot(root, m_mounts);
    CleanReport preview;
    {
        Cleaner previewer;
        previewer.setClock([] { return kStart; });
        QObject::connect(&previewer, &Cleaner::finished, &previewer, [&](const CleanReport &r) { preview = r; }, Qt::DirectConnection);
        previewer.startPreview(selection, m_toTrash, m_exclusions);
        previewer.wait();
    }
    m_before = snapshot(root, m_mounts);
    for (auto it = unpreviewed.cbegin(); it != unpreviewed.cend(); ++it) {
        if (!it->same(m_before.value(it.key())))
            problems.append(QStringLiteral("the preview changed %1").arg(rel(it.key())));
    }
    if (m_before.size() != unpreviewed.size())
        problems.append(QStringLiteral("the preview added or removed entries"));
    Cleaner cleaner;
    cleaner.setClock([] { return kStart; });
    cleaner.setRetryDelay(1);
    cleaner.setProgressInterval(0);
    CleanReport report;
    QList<QPair<qint64, qint64>> steps;  // done, of
    QObject::connect(&cleaner, &Cleaner::finished, &cleaner, [&](const CleanReport &r) { report = r; }, Qt::DirectConnection);
    QObject::connect(&cleaner, &Cleaner::progress, &cleaner, [&](qint64 done, qint64 total) {
        steps.append({done, total});
        race();
    }, Qt::DirectConnection);
    cleaner.start(selection, m_toTrash, m_exclusions);
    cleaner.wait();
    // The figure shown never goes back, never passes the selection, and ends at it.
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const qint64 before = i > 0 ? steps.at(i - 1).first : 0;
        if (steps.at(i).first < before || steps.at(i).first > steps.at(i).second || steps.at(i).second != steps.constLast().first) {
            problems.append(QStringLiteral("progress went from %1 to %2 of %3 (step %4), ended at %5")
                                .arg(before).arg(steps.at(i).first).arg(steps.at(i).second).arg(i).arg(steps.constLast().first));
            break;
        }
    }

    // Mounts stay where they were; then they go, so that nothing below reads
    // or removes through them.
    const QList<QByteArray> mounts = mountsBelow(root) + mountsBelow(bin);
    for (const QByteArray &m : std::as_const(m_mounts)) {
        if (!mounts.contains(m))
            problems.append(QStringLiteral("the bind mount on %1 was moved away").arg(rel(m)));
    }
    for (const QByteArray &m : mounts) {
        if (!m_mounts.contains(m))
            problems.append(QStringLiteral("a bind mount ended up at %1").arg(dec(m)));
        ::umount2(m.constData(), MNT_DETACH);
    }
    // A folder moved away while the cleaner worked is outside the selection
    // from then on with what it still held; what had left it is accounted
    // for where it was.
    for (const Moved &m : std::as_const(m_moved)) {
        m_before.removeIf([&](const Snapshot::iterator &it) {
            return (it.key() == m.from || under(it.key(), m.from)) && m.then.contains(m.to + it.key().mid(m.from.size()));
        });
        m_before.insert(m.then);
    }
    const Snapshot after = snapshot(root);
    // A folder swapped while the cleaner worked makes the clean differ from
    // the preview on purpose.
    if (m_moved.isEmpty())
        problems += checkPreview(preview, after);
    // The report's figures are the scan's minus what is left, so they can be
    // held to the disk only when the tree did not change under the scan.
    // Where the processes work now (the race may have moved a folder out of
    // the selection, and what held it is free to go); none lost its folder.
    for (const auto &worker : m_workers) {
        const pid_t pid = worker->pid();
        char where[PATH_MAX];
        const ssize_t n = ::readlink(QByteArray("/proc/" + QByteArray::number(pid) + "/cwd").constData(), where, sizeof where);
        const QByteArray dir = n > 0 && n < ssize_t(sizeof where) ? QByteArray(where, n) : QByteArray();
        if (dir.endsWith(" (deleted)"))
            problems.append(QStringLiteral("the folder process %1 works in was removed: %2").arg(pid).arg(rel(dir)));
        if (!dir.isEmpty())
            m_workDirs.append(dir);
    }
    return problems + checkTree(after) + checkTrash(after, snapshot(bin + "/files"), m_tampered ? nullptr : &report) + checkLog(report);
}

} // namespace

class TestCleanProperty final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
        // The runs keep one clock time: the logs of earlier runs of this test
        // would use up the names a second has.
        QDir(CleanupLog::folder()).removeRecursively();
    }

    void cases_data()
    {
        QTest::addColumn<bool>("moveToTrash");
        QTest::addColumn<bool>("mounts");
        QTest::newRow("delete") << false << false;
        QTest::newRow("trash") << true << false;
        QTest::newRow("delete, bind mounts") << false << true;
        QTest::newRow("trash, bind mounts") << true << true;
    }

    void cases()
    {
        QFETCH(bool, moveToTrash);
        QFETCH(bool, mounts);
        if (mounts && !g_privateMounts)
            QSKIP("bind mounts need root and a mount namespace of the test's own");
        TempFolder probe;  // the home trash must be the sandbox's, on the trees' volume
        if (moveToTrash && (!trash::homeTrash().startsWith(qEnvironmentVariable("XDG_DATA_HOME") + QLatin1Char('/'))
                            || trash::trashFolderFor(probe.path()) != trash::homeTrash()))
            QSKIP("the trash for scratch folders is not the sandbox's own");
        const QStringList off = qEnvironmentVariable("VARNHOLT_PROPERTY_OFF").split(QLatin1Char(','), Qt::SkipEmptyParts);
        bool one = false;
        const quint32 only = qEnvironmentVariable("VARNHOLT_PROPERTY_SEED").toUInt(&one);
        const int asked = qEnvironmentVariableIntValue("VARNHOLT_PROPERTY_CASES");
        const int count = one ? 1 : asked > 0 ? asked : 60;

        QStringList failed;
        for (int i = 0; i < count; ++i) {
            const quint32 seed = one ? only : quint32(i + 1);
            Case c(seed, moveToTrash, mounts, off);
            const QStringList problems = c.run();
            if (one)
                qInfo().noquote() << "the tree of seed" << seed << "as the cleaner met it:\n" + c.listing();
            if (qEnvironmentVariableIsSet("VARNHOLT_PROPERTY_VERBOSE") || (!problems.isEmpty() && failed.size() < 8))
                qWarning().noquote() << QStringLiteral("seed %1 (%2): %3").arg(seed).arg(QLatin1String(QTest::currentDataTag()), c.description())
                                            + (QStringList{QString()} + problems.mid(0, 12)).join(QStringLiteral("\n  - "));
            if (!problems.isEmpty())
                failed.append(QString::number(seed));
        }
        if (!failed.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 of %2 trees failed (seeds %3); replay one with VARNHOLT_PROPERTY_SEED=<seed> tst_cleanproperty \"cases:%4\"")
                                 .arg(failed.size()).arg(count).arg(failed.join(QLatin1Char(' ')), QLatin1String(QTest::currentDataTag()))));
    }
};

int main(int argc, char *argv[])
{
    g_privateMounts = testsupport::enterPrivateMounts();
    QCoreApplication app(argc, argv);
    TestCleanProperty test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cleanproperty.moc"

#include "scan/pathrules.h"

#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/neveroffer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QThreadStorage>

#ifndef Q_OS_WIN
#include "scan/posixfs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <pwd.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Qt keeps the JIT stack of its regular expressions in a thread_local, and
// MinGW frees a thread's thread_local block before that destructor runs: every
// thread that ran a JIT match could crash as it ended. The patterns here are
// matched without the JIT; Qt reads the switch when it compiles the first one,
// so it is set while the program loads.
const bool regexJitOff = qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif

// Compiled exclusion patterns, keyed by the normalised pattern text. One lock
// covers the whole of isExcluded, so the map needs nothing else. The map is
// bounded only as a safety net against callers that generate patterns: the
// user's list is short.
QMutex cacheMutex;
constexpr qsizetype MaxCachedPatterns = 4096;

QHash<QString, QRegularExpression> &patternCache()
{
    static QHash<QString, QRegularExpression> cache;
    return cache;
}

// The pattern trimmed, with "~" and "~/x" as the home folder; "~user" and
// "~$*" (Office lock files) are names that start with a tilde.
QString withHome(const QString &pattern)
{
    const QString t = pattern.trimmed();
    return t == QLatin1String("~") || t.startsWith(QLatin1String("~/")) ? QDir::homePath() + t.mid(1) : t;
}

// The pattern as it is matched: trimmed, '~' expanded, normalised. Empty for
// a pattern that is ignored.
QString patternText(const QString &pattern)
{
    const QString t = withHome(pattern);
    return t.isEmpty() ? QString() : normalizePath(t);
}

// How much of a pattern comes before its first wildcard.
qsizetype literalLength(const QString &t)
{
    qsizetype n = 0;
    while (n < t.size() && t.at(n) != QLatin1Char('*') && t.at(n) != QLatin1Char('?'))
        ++n;
    return n;
}

QString regexFor(const QString &t)
{
    // The pattern as segments (literal text and '?') between runs of stars:
    // segments[0] star[0] segments[1] ... star[k-1] segments[k]. A run of two
    // or more stars spans folders ("**", and "***" means the same).
    QStringList segments{QString()};
    QList<bool> spans;
    qsizetype literalStart = 0;
    auto flushLiteral = [&](qsizetype end) {
        if (end > literalStart)
            segments.last() += QRegularExpression::escape(QStringView(t).mid(literalStart, end - literalStart).toString());
    };
    for (qsizetype i = 0; i < t.size();) {
        const QChar c = t.at(i);
        if (c == QLatin1Char('*')) {
            flushLiteral(i);
            qsizetype j = i;
            while (j < t.size() && t.at(j) == QLatin1Char('*'))
                ++j;
            spans.append(j - i >= 2);
            segments.append(QString());
            i = j;
            literalStart = j;
        } else if (c == QLatin1Char('?')) {
            flushLiteral(i);
            segments.last() += QStringLiteral("[^/]");
            ++i;
            literalStart = i;
        } else {
            ++i;
        }
    }
    flushLiteral(t.size());

    // Left to backtrack freely, every star would try every length against
    // every other: "*a*a*a*a*b" over a long name of a's takes so long that
    // the matcher gives up, and a path the user excluded would count as not
    // excluded. A segment between two stars is instead matched where it
    // first ends, never tried again (an atomic group): the next star can
    // skip whatever a later place would have skipped, as long as it can
    // cross what lies between. It can when the star before the segment stays
    // inside one folder name (so does every place it can reach; a segment
    // with a '/' then has one place at most), or when both stars span
    // folders.
    QString r = segments.first();
    for (qsizetype k = 0; k < spans.size(); ++k) {
        const QString star = spans.at(k) ? QStringLiteral(".*") : QStringLiteral("[^/]*");
        const QString &segment = segments.at(k + 1);
        const bool last = k + 1 == spans.size();
        if (!last && (!spans.at(k) || spans.at(k + 1)))
            r += QStringLiteral("(?>") + star + QLatin1Char('?') + segment + QLatin1Char(')');
        else
            r += star + segment;
    }
    // Only a root keeps its '/' at the end ("/", "c:/"): all below it follows directly.
    if (t.endsWith(QLatin1Char('/')))
        return QLatin1Char('^') + r + QStringLiteral(".*$");
    if (t.contains(QLatin1Char('/')))
        return QLatin1Char('^') + r + QStringLiteral("(/.*)?$");
    return QLatin1Char('^') + r + QLatin1Char('$');
}

QRegularExpression compiled(const QString &text)
{
    QHash<QString, QRegularExpression> &cache = patternCache();
    auto it = cache.constFind(text);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() >= MaxCachedPatterns)
        cache.clear();
    QRegularExpression re(regexFor(text));
    cache.insert(text, re);
    return re;
}

bool isWindowsAbsolute(const QString &p)
{
    if (p.startsWith(QLatin1Char('/')))
        return true;
    return p.size() >= 3 && p.at(0).isLetter() && p.at(1) == QLatin1Char(':') && p.at(2) == QLatin1Char('/');
}

bool isTrashName(QStringView name)
{
    if (name == u".trash")
        return true;
    if (!name.startsWith(u".trash-") || name.size() == 7)
        return false;
    for (QChar c : name.mid(7)) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

bool startsWithFolder(const QString &p, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (p == folder)
        return true;
    return folder.endsWith(QLatin1Char('/')) ? p.startsWith(folder)
                                             : p.startsWith(folder) && p.at(folder.size()) == QLatin1Char('/');
}

#ifndef Q_OS_WIN
QString linuxDataHome()
{
    return userFolder(UserFolder::Data);
}

QStringList homeTrashFolders()
{
    return {linuxDataHome() + QStringLiteral("/Trash")};
}
#endif

} // namespace

QString normalizePath(const QString &path)
{
    QString p = QDir::cleanPath(QDir::fromNativeSeparators(path)).toLower();
    // cleanPath keeps ".." that climbs above the root ("/a/../../etc" gives
    // "/../etc"); the root is its own parent, so drop them. Otherwise such a
    // spelling of /etc would slip past the protected-location test.
    const qsizetype root = p.startsWith(QLatin1Char('/')) ? 1
        : (p.size() >= 3 && p.at(1) == QLatin1Char(':') && p.at(2) == QLatin1Char('/')) ? 3
                                                                                        : -1;
    if (root > 0) {
        while (QStringView(p).mid(root).startsWith(u"..")
               && (p.size() == root + 2 || p.at(root + 2) == QLatin1Char('/')))
            p.remove(root, p.size() == root + 2 ? 2 : 3);
    }
    return p;
}

QStringList keepRootInItsOwnFolders()
{
#ifdef Q_OS_WIN
    return {};
#else
    static const QStringList setAside = [] {
        QStringList out;
        if (::geteuid() != 0)
            return out;
        // The folder, or the nearest one above it that exists, is root's alone.
        const auto rootsAlone = [](const QByteArray &value) {
            QString p = QFile::decodeName(value);
            if (!QDir::isAbsolutePath(p))
                return false;
            for (p = QDir::cleanPath(p);; p = QFileInfo(p).path()) {
                const int fd = posixfs::openRootsOwn(p);
                if (fd >= 0) {
                    ::close(fd);
                    return true;
                }
                if (errno != ENOENT || p == QLatin1String("/"))
                    return false;
            }
        };
        const QByteArray home = qgetenv("HOME");
        if (home.isEmpty() || !rootsAlone(home)) {
            if (!home.isEmpty())
                out.append(QStringLiteral("HOME=") + QFile::decodeName(home));
            const struct passwd *pw = ::getpwuid(0);
            qputenv("HOME", pw && pw->pw_dir && *pw->pw_dir ? QByteArray(pw->pw_dir) : QByteArray("/root"));
        }
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR"}) {
            const QByteArray value = qgetenv(name);
            if (!value.isEmpty() && !rootsAlone(value)) {
                out.append(QLatin1String(name) + QLatin1Char('=') + QFile::decodeName(value));
                qunsetenv(name);
            }
        }
        return out;
    }();
    return setAside;
#endif
}

#ifndef Q_OS_WIN
// Before the settings, the logs or the window read a folder.
static void keepRootInItsOwnFoldersAtStart()
{
    keepRootInItsOwnFolders();
}
Q_COREAPP_STARTUP_FUNCTION(keepRootInItsOwnFoldersAtStart)
#endif

QString userFolder(UserFolder which)
{
    keepRootInItsOwnFolders();
#ifdef Q_OS_WIN
    const QStandardPaths::StandardLocation location = which == UserFolder::Config ? QStandardPaths::GenericConfigLocation
        : which == UserFolder::Data                                               ? QStandardPaths::GenericDataLocation
                                                                                  : QStandardPaths::GenericCacheLocation;
    return QDir::fromNativeSeparators(QStandardPaths::writableLocation(location));
#else
    const char *variable = which == UserFolder::Config ? "XDG_CONFIG_HOME"
        : which == UserFolder::Data                    ? "XDG_DATA_HOME"
                                                       : "XDG_CACHE_HOME";
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    const QLatin1String fallback = which == UserFolder::Config ? QLatin1String("/.config")
        : which == UserFolder::Data                            ? QLatin1String("/.local/share")
                                                               : QLatin1String("/.cache");
    return QDir::cleanPath(QDir::homePath() + fallback);
#endif
}

QString exclusionRegex(const QString &pattern)
{
    const QString t = patternText(pattern);
    return t.isEmpty() ? QString() : regexFor(t);
}

QStringList exclusionsAsWalked(const QStringList &patterns, const QStringList &walked)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const auto parentOf = [](const QString &path) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash < 0 || slash == path.size() - 1)
            return QString();  // a root
        return path.left(slash == 0 || (slash == 2 && path.at(1) == QLatin1Char(':')) ? slash + 1 : slash);
    };
    QStringList resolved;
    for (const QString &pattern : patterns) {
        const QString t = QDir::cleanPath(QDir::fromNativeSeparators(withHome(pattern)));
        if (t.isEmpty() || QDir::isRelativePath(t))
            continue;
        const qsizetype wild = literalLength(t);
        // The nearest folder of its literal part that exists.
        QString folder = wild == t.size() ? t : parentOf(t.left(wild + 1));
        while (!folder.isEmpty() && !QFileInfo::exists(folder))
            folder = parentOf(folder);
        const QString real = folder.isEmpty() ? QString() : QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty())
            continue;
        const QString rest = t.mid(folder.size());
        resolved.append(real.endsWith(QLatin1Char('/')) && rest.startsWith(QLatin1Char('/')) ? real + rest.mid(1)
                                                                                           : real + rest);
    }
    QStringList out = patterns;
    const auto add = [&out](const QString &p) {
        if (!out.contains(p))
            out.append(p);
    };
    for (const QString &r : std::as_const(resolved))
        add(r);
    if (resolved.isEmpty())
        return out;
    // Items of one listing share their folder: its real path is asked for
    // once per run, not once per item. An item is never a link itself (no
    // walk enters one, and the cleaner refuses one), so its real path is its
    // folder's and its name.
    QHash<QString, QString> realFolders;
    for (const QString &w : walked) {
        const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(w));
        const QString parent = parentOf(folder);
        if (parent.isEmpty())
            continue;  // a root of the file system is no link
        auto it = realFolders.find(parent);
        if (it == realFolders.end())
            it = realFolders.insert(parent, QFileInfo(parent).canonicalFilePath());
        const QString real =
            it->isEmpty() ? QString() : fs::join(*it, folder.mid(parent.size() + (parent.endsWith(u'/') ? 0 : 1)));
        if (real.isEmpty() || real.compare(folder, cs) == 0)
            continue;
        for (const QString &r : std::as_const(resolved)) {
            if (isExcluded(real, {r}))
                add(folder);
            else if (r.startsWith(real.endsWith(QLatin1Char('/')) ? real : real + QLatin1Char('/'), cs))
                add(folder + r.mid(real.endsWith(QLatin1Char('/')) ? real.size() - 1 : real.size()));
        }
    }
    return out;
}

int compiledPatternCount()
{
    QMutexLocker lock(&cacheMutex);
    return int(patternCache().size());
}

bool isExcluded(const QString &path, const QStringList &patterns)
{
    if (patterns.isEmpty())
        return false;
    QMutexLocker lock(&cacheMutex);
    const QString p = normalizePath(path);
    const QString name = p.section(QLatin1Char('/'), -1);
    QStringList parts;
    bool split = false;
    for (const QString &pattern : patterns) {
        const QString t = patternText(pattern);
        if (t.isEmpty())
            continue;
        const QRegularExpression re = compiled(t);
        if (!re.isValid())
            continue;
        if (t.contains(QLatin1Char('/'))) {
            if (re.match(p).hasMatch())
                return true;
            continue;
        }
        if (re.match(name).hasMatch())
            return true;
        if (!split) {
            parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
            split = true;
        }
        for (const QString &part : std::as_const(parts)) {
            if (re.match(part).hasMatch())
                return true;
        }
    }
    return false;
}

ExclusionMatcher::ExclusionMatcher(const QStringList &patterns, bool guardedApps)
    : m_patterns(patterns), m_guardedApps(guardedApps)
{
    for (const QString &pattern : patterns) {
        QString t = patternText(pattern);
        if (t.isEmpty())
            continue;
        // "**/x" matches exactly the entries below an absolute folder that
        // have a component matching x: for a walk, a component pattern.
        if (t.startsWith(QLatin1String("**/"))) {
            const QString rest = t.mid(3);
            if (!rest.isEmpty() && !rest.contains(QLatin1Char('/')) && !rest.contains(QLatin1String("**")))
                t = rest;
        }
        if (!t.contains(QLatin1Char('/'))) {
            if (!t.contains(QLatin1Char('*')) && !t.contains(QLatin1Char('?'))) {
                m_names.insert(t);
                continue;
            }
            QRegularExpression re(regexFor(t));
            if (re.isValid()) {
                re.optimize();
                m_components.append(re);
            }
            continue;
        }
        PathPattern pp;
        pp.re = QRegularExpression(regexFor(t));
        if (!pp.re.isValid())
            continue;
        pp.re.optimize();
        pp.prefix = t.left(literalLength(t));
        m_paths.append(pp);
    }
}

bool ExclusionMatcher::componentMatches(const QString &lowerName) const
{
    if (m_names.contains(lowerName))
        return true;
    for (const QRegularExpression &re : m_components) {
        if (re.match(lowerName).hasMatch())
            return true;
    }
    return false;
}

bool ExclusionMatcher::matches(const QString &path) const
{
    return isExcluded(path, m_patterns);
}

bool ExclusionMatcher::matchesChild(const QString &folder, const QString &name, bool isFolder) const
{
    if (isEmpty())
        return false;
    if (m_guardedApps
        && (isFolder ? isGuardedName(name) || neveroffer::isKeptFolderName(name) : neveroffer::isKeptFileName(name)))
        return true;
    if (!isFolder && !m_itemRoot.isEmpty() && folder == m_itemRoot && neveroffer::isSettingsFileName(name))
        return true;
    if (isFolder && m_keepLocalBuilds && neveroffer::isLocalBuild(folder + QLatin1Char('/') + name))
        return true;
    if (componentMatches(name.toLower()))
        return true;
    if (m_paths.isEmpty())
        return false;
    const QString p = normalizePath(folder + QLatin1Char('/') + name);
    for (const PathPattern &pp : m_paths) {
        if (p.startsWith(pp.prefix) && pp.re.match(p).hasMatch())
            return true;
    }
    return false;
}

QStringList windowsProtectedLocations(const QString &systemRoot, const QString &programFiles,
                                      const QString &programFilesX86)
{
    const QStringList raw = {
        systemRoot + QStringLiteral("/System32"),
        systemRoot + QStringLiteral("/SysWOW64"),
        systemRoot + QStringLiteral("/WinSxS"),
        systemRoot + QStringLiteral("/Boot"),
        programFiles,
        programFilesX86,
        QStringLiteral("C:/Recovery"),
        QStringLiteral("C:/System Volume Information"),
    };
    QStringList out;
    for (QString s : raw)
        out.append(normalizePath(s.replace(QLatin1Char('\\'), QLatin1Char('/'))));
    return out;
}

QStringList linuxProtectedLocations(const QStringList &trashFolders)
{
    static const char *const system[] = {
        "/bin", "/boot", "/dev", "/etc", "/lib", "/lib32", "/lib64", "/libx32", "/opt", "/proc",
        "/run", "/sbin", "/snap", "/srv", "/sys", "/usr", "/var/lib", "/var/log", "/var/spool",
    };
    QStringList out;
    for (const char *s : system)
        out.append(QString::fromLatin1(s));
    for (const QString &t : trashFolders) {
        if (!t.isEmpty() && !QDir::isRelativePath(t))
            out.append(normalizePath(t));
    }
    return out;
}

ProtectionRules windowsProtectionRules(const QString &home, const QString &systemRoot,
                                       const QString &programFiles, const QString &programFilesX86)
{
    static const char *const folders[] = {
        "Documents", "Desktop", "Downloads", "Pictures", "Music", "Videos", "Movies", "Library",
        "AppData", "AppData/Local", "AppData/Roaming", "OneDrive",
    };
    ProtectionRules rules;
    rules.windowsPaths = true;
    rules.home = normalizePath(QString(home).replace(QLatin1Char('\\'), QLatin1Char('/')));
    for (const char *f : folders)
        rules.homeFolders.append(normalizePath(rules.home + QLatin1Char('/') + QLatin1String(f)));
    rules.locations = windowsProtectedLocations(systemRoot, programFiles, programFilesX86);
    return rules;
}

ProtectionRules linuxProtectionRules(const QString &home, const QStringList &trashFolders)
{
    static const char *const folders[] = {
        "Documents", "Desktop", "Downloads", "Pictures", "Music", "Videos", "Movies", "Library",
        "AppData", "AppData/Local", "AppData/Roaming", "OneDrive", ".cache", ".config", ".local", ".local/share",
    };
    ProtectionRules rules;
    rules.trashByName = true;
    rules.home = normalizePath(home);
    for (const char *f : folders)
        rules.homeFolders.append(normalizePath(rules.home + QLatin1Char('/') + QLatin1String(f)));
    rules.locations = linuxProtectedLocations(trashFolders);
    return rules;
}

ProtectionRules currentProtectionRules()
{
#ifdef Q_OS_WIN
    return windowsProtectionRules(QDir::homePath(),
                                  qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows")),
                                  qEnvironmentVariable("ProgramFiles", QStringLiteral("C:/Program Files")),
                                  qEnvironmentVariable("ProgramFiles(x86)", QStringLiteral("C:/Program Files (x86)")));
#else
    return linuxProtectionRules(QDir::homePath(), homeTrashFolders());
#endif
}

bool isProtectedPath(const QString &path, const ProtectionRules &rules)
{
    QString p = path;
    if (rules.windowsPaths)
        p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    p = normalizePath(p);
    if (p.isEmpty())
        return true;
    if (rules.windowsPaths ? !isWindowsAbsolute(p) : QDir::isRelativePath(p))
        return true;
    qsizetype slashes = p.count(QLatin1Char('/'));
    if (p.endsWith(QLatin1Char('/')))
        --slashes;
    if (slashes < 2)
        return true;
    if (!rules.home.isEmpty()) {
        if (p == rules.home || p == normalizePath(rules.home + QStringLiteral("/..")))
            return true;
        if (rules.homeFolders.contains(p))
            return true;
    }
    for (const QString &loc : rules.locations) {
        if (startsWithFolder(p, loc))
            return true;
    }
    if (rules.trashByName) {
        const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            if (isTrashName(part))
                return true;
        }
    }
    return false;
}

bool isProtectedPath(const QString &path)
{
    // Building the rules normalises a dozen folder names; every entry of a
    // scan comes here, so each thread keeps the last rules and rebuilds them
    // only when the folders they come from change (in QThreadStorage: see
    // guardBases for why not thread_local).
    struct Cached
    {
        QStringList key;
        ProtectionRules rules;
    };
    static QThreadStorage<Cached> storage;
    Cached &cached = storage.localData();
#ifdef Q_OS_WIN
    const QStringList key{QDir::homePath(), qEnvironmentVariable("SystemRoot"), qEnvironmentVariable("ProgramFiles"),
                          qEnvironmentVariable("ProgramFiles(x86)")};
#else
    const QStringList key{QDir::homePath(), qEnvironmentVariable("XDG_DATA_HOME")};
#endif
    if (cached.key != key || cached.key.isEmpty()) {
        cached.rules = currentProtectionRules();
        cached.key = key;
    }
    return isProtectedPath(path, cached.rules);
}

QStringList protectedLocations()
{
#ifdef Q_OS_WIN
    return currentProtectionRules().locations;
#else
    // The trash folders of every mounted volume, in both layouts that
    // freedesktop.org trash allows ($topdir/.Trash/$uid and .Trash-$uid).
    QStringList trash = homeTrashFolders();
    const QString uid = QString::number(::getuid());
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &v : volumes) {
        const QString top = v.rootPath();
        if (top.isEmpty())
            continue;
        trash.append(QDir::cleanPath(top + QStringLiteral("/.Trash-") + uid));
        trash.append(QDir::cleanPath(top + QStringLiteral("/.Trash")));
    }
    trash.removeDuplicates();
    return linuxProtectedLocations(trash);
#endif
}

#include "scan/catalogue.h"

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace {

constexpr qint64 DayMs = 24LL * 60 * 60 * 1000;
const QString Dot = QStringLiteral(" · ");

QString trc(const char *text)
{
    return QCoreApplication::translate("Categories", text);
}

// Whether `path` is `folder` or lies inside it (both cleaned, '/' separators).
bool isAtOrBelow(const QString &path, const QString &folder)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (folder.isEmpty())
        return false;
    if (path.compare(folder, cs) == 0)
        return true;
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), cs);
}

// The first link (symbolic link or junction) on the way from `from` down to
// `path`, `from` itself not counted and `path` included; empty when there is
// none or `path` does not lie below `from`.
QString linkBelow(const QString &from, const QString &path)
{
    if (!isAtOrBelow(path, from))
        return {};
    QString at = from;
    const QString rest = path.mid(from.size());
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = catalogueJoin(at, part);
        const QFileInfo fi(at);
        if (fi.isSymLink() || fi.isJunction())
            return at;
    }
    return {};
}

// Appends a root when its folder exists. A root that is itself a link or
// junction, or is reached through one below `from` (a folder already judged),
// is left out: cleaning "the contents" of a link would reach into whatever
// folder it points at. A relative path (an unset base) is never resolved
// against the working folder. Doubles are dropped once a category is
// complete (dropDuplicateRoots).
void addRoot(QList<CategoryRoot> &roots, const CategoryRoot &root, const QString &from = {})
{
    if (root.path.isEmpty() || QDir::isRelativePath(root.path))
        return;
    const QFileInfo fi(root.path);
    if (!fi.isDir() || fi.isSymLink() || fi.isJunction())
        return;
    if (!from.isEmpty() && !linkBelow(from, root.path).isEmpty())
        return;
    roots.append(root);
}

// Keeps the first of roots with the same folder and patterns, so that a
// folder reached through two bases is not counted twice. One hash look-up per
// root: a cache folder may hold tens of thousands of folders.
void dropDuplicateRoots(QList<CategoryRoot> &roots)
{
    QSet<QString> seen;
    seen.reserve(roots.size());
    QList<CategoryRoot> kept;
    kept.reserve(roots.size());
    for (const CategoryRoot &r : std::as_const(roots)) {
        QString key = QDir::cleanPath(r.path);
#ifdef Q_OS_WIN
        key = key.toLower();
#endif
        key += QChar(0) + r.patterns.join(QChar(0)) + (r.filesOnly ? QChar(1) : QChar(0));
        if (!seen.contains(key)) {
            seen.insert(key);
            kept.append(r);
        }
    }
    roots = std::move(kept);
}

void addRoot(QList<CategoryRoot> &roots, const QString &path, const QString &label = {},
             const QStringList &patterns = {}, const QString &from = {})
{
    CategoryRoot r;
    r.path = path;
    r.label = label;
    r.patterns = patterns;
    addRoot(roots, r, from);
}

// The trash folders of a volume mounted inside a base (".Trash",
// ".Trash-1000"): what the user deleted there, never a cache.
bool isVolumeTrashName(const QString &name)
{
    return name.compare(QLatin1String(".Trash"), Qt::CaseInsensitive) == 0
        || name.startsWith(QLatin1String(".Trash-"), Qt::CaseInsensitive);
}

void addNote(QStringList &notes, const QString &note)
{
    if (!notes.contains(note))
        notes.append(note);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString linkNote(const QString &path, const QString &real)
{
    return QCoreApplication::translate("Categories", "%1 was left out: it leads through a link to %2.")
        .arg(shown(path), shown(real));
}

// Notes by category id; each catalogue hands them to its categories at the end.
using Notes = QMap<QString, QStringList>;

// One folder the catalogue takes roots from (a temporary folder, an XDG or
// per-user folder, a cache folder of a tool below home). Before anything
// below it is offered it is judged by where it really points: a variable
// that names the home folder, a cache folder that is a link to /var/tmp or
// two variables naming the same folder would otherwise turn personal files
// or other people's live files into "caches".
struct Base
{
    QString path;            // as configured, cleaned; roots are built on it
    QStringList users;       // ids of the categories built from it; they carry its note
    // Temporary folders are judged by their real path alone and listed
    // there: TMPDIR commonly points through a link and systems link /tmp,
    // and entries of a temporary folder are only ever taken when the user
    // owns them and they are a day old. Every other base must not be a
    // link, nor be reached through one below the home folder.
    bool temp = false;
    QString ownFolder;       // the protected home sub-folder this base is by default (~/.cache)
    QStringList freeNames;   // folders directly inside that none of its roots enters

    QString real;            // canonical path, empty when the folder is missing
    bool usable = false;

    QString rootPath() const { return usable ? (temp ? real : path) : QString(); }
};

Base perUserBase(const QString &path, QStringList users, const QString &ownFolder = {},
                 QStringList freeNames = {})
{
    Base b;
    b.path = path.isEmpty() ? QString() : QDir::cleanPath(path);
    b.users = std::move(users);
    b.ownFolder = ownFolder;
    b.freeNames = std::move(freeNames);
    return b;
}

Base tempBase(const QString &path)
{
    Base b = perUserBase(path, {QStringLiteral("temp")});
    b.temp = true;
    return b;
}

// Whether the folder `key` is the folder `inner` or holds it (normalised).
bool holds(const QString &key, const QString &inner)
{
    if (key.isEmpty())
        return false;
    return inner == key || inner.startsWith(key.endsWith(QLatin1Char('/')) ? key : key + QLatin1Char('/'));
}

// Judges every base in order and notes why one is left out. One that is
// missing or unset is left out silently: it has nothing to offer.
//
// Overlaps: when one base lies inside another, the outer one is left out.
// The roots of a base stay inside it, so the inner one cannot reach into
// the outer one's folder, while the outer one's roots could take in the
// inner one whole under the wrong role (every folder of a cache folder is a
// cache, so a data folder inside it would become one). The exception is a
// folder the outer base never enters (its freeNames: %LOCALAPPDATA%\Temp).
// Of two bases naming the same folder the earlier one is kept; the
// catalogues list the bases whose roots are narrow (named sub-folders)
// before the temporary folders and those before the cache folder, whose
// every folder is taken.
void judgeBases(QList<Base> &bases, const QString &home, const QString &homeReal, const ProtectionRules &rules,
                Notes &notes)
{
    const QString homeKey = homeReal.isEmpty() ? QString() : normalizePath(homeReal);
    QStringList keys(bases.size());
    QList<QString> why(bases.size());
    for (qsizetype i = 0; i < bases.size(); ++i) {
        Base &b = bases[i];
        if (b.path.isEmpty() || QDir::isRelativePath(b.path))
            continue;
        const QFileInfo fi(b.path);
        b.real = fi.canonicalFilePath();
        if (b.real.isEmpty() || !QFileInfo(b.real).isDir()) {
            b.real.clear();
            continue;
        }
        const QString key = normalizePath(b.real);
        if (!b.temp) {
            const bool belowHome = isAtOrBelow(b.path, home) || isAtOrBelow(b.path, homeReal);
            const QString link = belowHome ? linkBelow(isAtOrBelow(b.path, home) ? home : homeReal, b.path)
                                           : (fi.isSymLink() || fi.isJunction() ? b.path : QString());
            if (!link.isEmpty()) {
                why[i] = linkNote(b.path, b.real);
                continue;
            }
        }
        if (holds(key, homeKey)) {
            why[i] = QCoreApplication::translate("Categories", "%1 was left out: it is the home folder or holds it.")
                         .arg(shown(b.path));
            continue;
        }
        // A base may be the very home sub-folder that the rules protect as a
        // folder (~/.cache, %LOCALAPPDATA%): only what is inside it is taken,
        // and that is not protected by that rule.
        ProtectionRules own = rules;
        if (!b.ownFolder.isEmpty() && key == normalizePath(b.ownFolder))
            own.homeFolders.removeAll(key);
        if (isProtectedPath(b.real, own) || (!b.temp && isProtectedPath(b.path, own))) {
            why[i] = QCoreApplication::translate("Categories", "%1 was left out: it lies in a protected location.")
                         .arg(shown(b.path));
            continue;
        }
        keys[i] = key;
    }

    auto isFree = [](const Base &outer, const Base &inner) {
        return isAtOrBelow(inner.real, outer.real)
            && outer.freeNames.contains(inner.real.mid(outer.real.size() + 1).section(QLatin1Char('/'), 0, 0));
    };
    for (qsizetype i = 0; i < bases.size(); ++i) {
        if (keys.at(i).isEmpty())
            continue;
        bool overlaps = false;
        for (qsizetype j = 0; j < bases.size() && !overlaps; ++j) {
            if (j == i || keys.at(j).isEmpty())
                continue;
            const bool same = keys.at(i) == keys.at(j);
            overlaps = same ? j < i : holds(keys.at(i), keys.at(j)) && !isFree(bases.at(i), bases.at(j));
            // Two temporary folders that are one folder are simply listed once.
            if (overlaps && !(same && bases.at(i).temp && bases.at(j).temp))
                why[i] = QCoreApplication::translate("Categories", "%1 was left out: it overlaps %2.")
                             .arg(shown(bases.at(i).path), shown(bases.at(j).path));
        }
        bases[i].usable = !overlaps;
    }
    for (qsizetype i = 0; i < bases.size(); ++i) {
        if (why.at(i).isEmpty())
            continue;
        for (const QString &id : std::as_const(bases.at(i).users))
            addNote(notes[id], why.at(i));
    }
}

// base + "/" + rel for a root at a fixed place below a judged base; empty
// when the base was left out, or, with a note when the folder is there, when
// a link lies on the way.
QString below(const Base &base, const QString &rel, QStringList &notes)
{
    const QString from = base.rootPath();
    if (from.isEmpty())
        return {};
    const QString p = catalogueJoin(from, rel);
    if (!linkBelow(from, p).isEmpty()) {
        const QString real = QFileInfo(p).canonicalFilePath();
        if (!real.isEmpty())
            addNote(notes, linkNote(p, real));
        return {};
    }
    return p;
}

QString realOrClean(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(path) : real;
}

void handOutNotes(QList<CategoryDef> &defs, const Notes &notes)
{
    for (CategoryDef &d : defs)
        d.notes = notes.value(d.id);
}

CategoryDef makeDef(const char *id, const QString &name, const QString &detail, const QString &description,
                    const char *icon, const char *color, int risk)
{
    CategoryDef d;
    d.id = QString::fromLatin1(id);
    d.name = name;
    d.detail = detail;
    d.description = description;
    d.icon = QString::fromLatin1(icon);
    d.color = QString::fromLatin1(color);
    d.risk = risk;
    return d;
}

QString tempDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Scratch files that apps and the system create while working. They are not needed once the app closes."));
}
QString appCacheDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Data apps keep to load faster. Apps rebuild these automatically the next time they need them."));
}
QString browserDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched."));
}
QString logsDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem."));
}
QString thumbsDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Preview images of your files. They are regenerated the next time you open a folder."));
}
QString devDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Package manager caches and build output. Removing them is safe, but the next build or install will be slower."));
}

CategoryDef trashDef(const QString &name)
{
    CategoryDef d = makeDef("trash", name, trc(QT_TRANSLATE_NOOP("Categories", "All drives")),
                            trc(QT_TRANSLATE_NOOP("Categories", "Items you have already deleted. Emptying cannot be undone.")),
                            "trash", "#ef4444", Permanent);
    d.isTrash = true;
    return d;
}

struct DevCache
{
    QString path;
    const char *label;
};

} // namespace

QString catalogueJoin(const QString &a, const QString &b)
{
    return QDir::cleanPath(a + QLatin1Char('/') + b);
}

const QStringList &appCacheSkipSet()
{
    static const QStringList set = {
        QStringLiteral("Google"), QStringLiteral("Mozilla"), QStringLiteral("BraveSoftware"),
        QStringLiteral("Microsoft"), QStringLiteral("Packages"), QStringLiteral("Temp"),
        QStringLiteral("npm-cache"), QStringLiteral("pip"), QStringLiteral("Yarn"),
        QStringLiteral("NuGet"), QStringLiteral("go-build"), QStringLiteral("CrashDumps"),
    };
    return set;
}

const QStringList &cacheFolderNames()
{
    static const QStringList names = {
        QStringLiteral("Cache"), QStringLiteral("Code Cache"), QStringLiteral("GPUCache"),
        QStringLiteral("CachedData"), QStringLiteral("DawnCache"), QStringLiteral("DawnGraphiteCache"),
        QStringLiteral("GrShaderCache"), QStringLiteral("ShaderCache"),
    };
    return names;
}

QList<CategoryRoot> discoverAppCaches(const QStringList &bases, const QStringList &extraSkips)
{
    const QStringList &skip = appCacheSkipSet();
    const QStringList &names = cacheFolderNames();
    QList<CategoryRoot> roots;
    for (const QString &base : bases) {
        if (base.isEmpty())
            continue;
        for (const QString &app : listSubdirs(base)) {
            if (skip.contains(app) || extraSkips.contains(app) || isVolumeTrashName(app))
                continue;
            const QString appPath = catalogueJoin(base, app);
            const QStringList subdirs = listSubdirs(appPath);
            for (const QString &n : names) {
                if (subdirs.contains(n))
                    addRoot(roots, catalogueJoin(appPath, n), app + Dot + n);
            }
            for (const QString &e : subdirs) {
                if (names.contains(e) || isVolumeTrashName(e))
                    continue;
                const QString inner = QDir::cleanPath(appPath + QLatin1Char('/') + e);
                const QStringList innerSubdirs = listSubdirs(inner);
                for (const QString &n : names) {
                    if (innerSubdirs.contains(n))
                        addRoot(roots, QDir::cleanPath(inner + QLatin1Char('/') + n),
                                app + QLatin1Char(' ') + e + Dot + n);
                }
            }
        }
    }
    return roots;
}

QList<CategoryRoot> chromiumProfileRoots(const QString &userData, const QString &browser,
                                         const QStringList &lookupBases)
{
    static const QStringList subPaths = {
        QStringLiteral("Cache"), QStringLiteral("Code Cache"), QStringLiteral("GPUCache"),
        QStringLiteral("Service Worker/CacheStorage"),
    };
    const QStringList bases = lookupBases.isEmpty() ? QStringList{userData} : lookupBases;
    QList<CategoryRoot> roots;
    if (userData.isEmpty())
        return roots;
    for (const QString &profile : listSubdirs(userData)) {
        if (profile != QLatin1String("Default") && !profile.startsWith(QLatin1String("Profile ")))
            continue;
        for (const QString &base : bases) {
            const QString profileDir = QDir::cleanPath(base + QLatin1Char('/') + profile);
            for (const QString &sub : subPaths) {
                const QString last = sub.section(QLatin1Char('/'), -1);
                addRoot(roots, QDir::cleanPath(profileDir + QLatin1Char('/') + sub),
                        browser + Dot + profile + Dot + last, {}, base);
            }
        }
    }
    return roots;
}

QList<CategoryRoot> firefoxProfileRoots(const QString &profilesDir)
{
    QList<CategoryRoot> roots;
    if (profilesDir.isEmpty())
        return roots;
    for (const QString &profile : listSubdirs(profilesDir)) {
        if (!isVolumeTrashName(profile))
            addRoot(roots, catalogueJoin(profilesDir, profile + QStringLiteral("/cache2")),
                    QStringLiteral("Firefox") + Dot + profile, {}, profilesDir);
    }
    return roots;
}

WindowsBases WindowsBases::fromEnvironment()
{
    WindowsBases b;
    b.localAppData = qEnvironmentVariable("LOCALAPPDATA");
    b.appData = qEnvironmentVariable("APPDATA");
    b.systemRoot = qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows"));
    b.programData = qEnvironmentVariable("ProgramData", QStringLiteral("C:/ProgramData"));
    b.temp = QDir::tempPath();
    b.home = QDir::homePath();
    return b;
}

QList<CategoryDef> windowsCatalogue(const WindowsBases &b)
{
    const QString home = b.home.isEmpty() ? QString() : QDir::cleanPath(b.home);
    const QString homeReal = realOrClean(home);
    auto ownFolder = [&](const char *rel) {
        return homeReal.isEmpty() ? QString() : catalogueJoin(homeReal, QString::fromLatin1(rel));
    };
    // Bases whose roots are narrow come first (see judgeBases). The per-user
    // temporary folder normally lies in %LOCALAPPDATA%\Temp, a folder the
    // app-cache discovery skips.
    enum { Local, Roaming, Temp, SystemTemp, Gradle };
    QList<Base> bases = {
        perUserBase(b.localAppData,
                    {QStringLiteral("appcache"), QStringLiteral("browser"), QStringLiteral("logs"),
                     QStringLiteral("thumbs"), QStringLiteral("dev")},
                    ownFolder("AppData/Local"), {QStringLiteral("Temp")}),
        perUserBase(b.appData, {QStringLiteral("appcache")}, ownFolder("AppData/Roaming")),
        tempBase(b.temp),
        tempBase(b.systemRoot.isEmpty() ? QString() : catalogueJoin(b.systemRoot, QStringLiteral("Temp"))),
        perUserBase(home.isEmpty() ? QString() : catalogueJoin(home, QStringLiteral(".gradle/caches")),
                    {QStringLiteral("dev")}),
    };
    Notes notes;
    judgeBases(bases, home, homeReal,
               windowsProtectionRules(homeReal, b.systemRoot,
                                      qEnvironmentVariable("ProgramFiles", QStringLiteral("C:/Program Files")),
                                      qEnvironmentVariable("ProgramFiles(x86)", QStringLiteral("C:/Program Files (x86)"))),
               notes);
    const Base &local = bases.at(Local);
    auto underLocal = [&](const char *id, const char *rel) {
        return below(local, QString::fromLatin1(rel), notes[QString::fromLatin1(id)]);
    };

    QList<CategoryDef> defs;

    CategoryDef temp = makeDef("temp", trc(QT_TRANSLATE_NOOP("Categories", "Temporary files")),
                               QStringLiteral("%TEMP%, C:\\Windows\\Temp"), tempDescription(), "clock",
                               "#64748b", Safe);
    // A file an installer wrote and closed a minute ago is still in use in
    // every way that matters: both folders keep what anyone touched in the
    // last day (fs::lastTouched). C:\Windows\Temp is shared by every account and service, so only
    // the user's own entries are offered there.
    for (const int i : {int(Temp), int(SystemTemp)}) {
        CategoryRoot r;
        r.path = bases.at(i).rootPath();
        r.ownEntriesOnly = i == SystemTemp;
        r.minAgeMs = DayMs;
        addRoot(temp.roots, r);
    }
    defs.append(temp);

    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in %LOCALAPPDATA% and %APPDATA%")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    for (const CategoryRoot &r : discoverAppCaches({local.rootPath(), bases.at(Roaming).rootPath()}))
        addRoot(app.roots, r);
    addRoot(app.roots, underLocal("appcache", "D3DSCache"),
            trc(QT_TRANSLATE_NOOP("Categories", "DirectX shader cache")));
    defs.append(app);

    CategoryDef browser = makeDef("browser", trc(QT_TRANSLATE_NOOP("Categories", "Browser caches")),
                                  QStringLiteral("Chrome, Edge, Brave, Firefox"), browserDescription(), "globe",
                                  "#0ea5e9", Safe);
    const struct { const char *userData; const char *name; } chromium[] = {
        {"Google/Chrome/User Data", "Google Chrome"},
        {"Microsoft/Edge/User Data", "Microsoft Edge"},
        {"BraveSoftware/Brave-Browser/User Data", "Brave"},
    };
    for (const auto &c : chromium) {
        for (const CategoryRoot &r :
             chromiumProfileRoots(underLocal("browser", c.userData), QString::fromLatin1(c.name)))
            addRoot(browser.roots, r);
    }
    for (const CategoryRoot &r : firefoxProfileRoots(underLocal("browser", "Mozilla/Firefox/Profiles")))
        addRoot(browser.roots, r);
    addRoot(browser.roots, underLocal("browser", "Microsoft/Windows/INetCache"),
            trc(QT_TRANSLATE_NOOP("Categories", "Internet cache")));
    defs.append(browser);

    CategoryDef logs = makeDef("logs", trc(QT_TRANSLATE_NOOP("Categories", "Logs & crash reports")),
                               QStringLiteral("CrashDumps, Windows Error Reporting"), logsDescription(), "file",
                               "#78716c", Safe);
    addRoot(logs.roots, underLocal("logs", "CrashDumps"));
    addRoot(logs.roots, underLocal("logs", "Microsoft/Windows/WER/ReportArchive"));
    addRoot(logs.roots, underLocal("logs", "Microsoft/Windows/WER/ReportQueue"));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportArchive")));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportQueue")));
    defs.append(logs);

    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("Explorer thumbcache_*.db"), thumbsDescription(), "image",
                                 "#ec4899", Safe);
    addRoot(thumbs.roots, underLocal("thumbs", "Microsoft/Windows/Explorer"), {},
            {QStringLiteral("thumbcache_*.db"), QStringLiteral("iconcache_*.db")});
    defs.append(thumbs);

    CategoryDef update = makeDef("update", trc(QT_TRANSLATE_NOOP("Categories", "Windows Update leftovers")),
                                 QStringLiteral("SoftwareDistribution, Delivery Optimization"),
                                 trc(QT_TRANSLATE_NOOP("Categories", "Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.")),
                                 "download", "#f59e0b", Review);
    update.needsAdmin = true;
    addRoot(update.roots, catalogueJoin(b.systemRoot, QStringLiteral("SoftwareDistribution/Download")),
            trc(QT_TRANSLATE_NOOP("Categories", "Windows Update downloads")));
    addRoot(update.roots,
            catalogueJoin(b.systemRoot, QStringLiteral("ServiceProfiles/NetworkService/AppData/Local/Microsoft/"
                                                       "Windows/DeliveryOptimization/Cache")),
            trc(QT_TRANSLATE_NOOP("Categories", "Delivery Optimization cache")));
    defs.append(update);

    CategoryDef dev = makeDef("dev", trc(QT_TRANSLATE_NOOP("Categories", "Developer caches")),
                              QStringLiteral("npm, Yarn, pip, NuGet, Go, Gradle"), devDescription(), "code",
                              "#8b5cf6", Review);
    const DevCache devCaches[] = {
        {underLocal("dev", "npm-cache"), "npm cache"},
        {underLocal("dev", "Yarn/Cache"), "Yarn cache"},
        {underLocal("dev", "pip/cache"), "pip cache"},
        {underLocal("dev", "NuGet/v3-cache"), "NuGet HTTP cache"},
        {underLocal("dev", "go-build"), "Go build cache"},
        {bases.at(Gradle).rootPath(), "Gradle caches"},
    };
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, QString::fromLatin1(c.label));
    defs.append(dev);

    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Recycle Bin"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
    handOutNotes(defs, notes);
    return defs;
}

LinuxBases LinuxBases::fromEnvironment()
{
    LinuxBases b;
    b.home = QDir::homePath();
    b.cache = userFolder(UserFolder::Cache);
    b.config = userFolder(UserFolder::Config);
    b.data = userFolder(UserFolder::Data);
    b.temp = QDir::tempPath();
    return b;
}

namespace {

// Subfolders of a catalogue base that lie on the base's own file system. A
// folder where another volume is mounted (the document portal's FUSE file
// system, a network share, a bind mount) shows that volume's files, never
// this base's caches.
QStringList localSubdirs(const QString &path)
{
    QStringList names;
    fs::Entry self;
    if (path.isEmpty() || !fs::stat(path, self))
        return names;
    for (const fs::Entry &e : fs::list(path)) {
        if (e.isDir && !e.isLink && !e.skip && !e.isMount && e.device == self.device)
            names.append(e.name);
    }
    return names;
}

// The app-cache discovery over the given folders with the Linux skip set:
// the Windows one without "Microsoft", which on Linux holds Teams' caches
// rather than a vendor's many unrelated programs.
QList<CategoryRoot> discoverLinuxAppCaches(const QStringList &bases, const QStringList &extraSkips)
{
    QList<CategoryRoot> roots = discoverAppCaches(bases, extraSkips);
    const QStringList &names = cacheFolderNames();
    for (const QString &base : bases) {
        const QString vendor = base.isEmpty() ? QString() : catalogueJoin(base, QStringLiteral("Microsoft"));
        const QStringList apps = listSubdirs(vendor);
        for (const QString &n : names) {
            if (apps.contains(n))
                addRoot(roots, catalogueJoin(vendor, n), QStringLiteral("Microsoft") + Dot + n, {}, base);
        }
        for (const QString &app : apps) {
            if (names.contains(app) || isVolumeTrashName(app))
                continue;
            for (const QString &n : names)
                addRoot(roots, catalogueJoin(vendor, app + QLatin1Char('/') + n),
                        QStringLiteral("Microsoft ") + app + Dot + n, {}, base);
        }
    }
    return roots;
}

// Sub-folders of an Electron app's folder (or of a folder one level below
// it) that hold nothing but caches or crash dumps. Crash dumps are listed
// with the logs and, like them, kept for a day.
void addElectronExtras(const QStringList &configDirs, const QStringList &skips, const QString &from,
                       QList<CategoryRoot> &app, QList<CategoryRoot> &logs)
{
    for (const QString &base : configDirs) {
        for (const QString &a : listSubdirs(base)) {
            if (skips.contains(a) || isVolumeTrashName(a)
                || (appCacheSkipSet().contains(a) && a != QLatin1String("Microsoft")))
                continue;
            const QString appPath = catalogueJoin(base, a);
            QStringList dirs{appPath};
            for (const QString &e : listSubdirs(appPath))
                dirs.append(catalogueJoin(appPath, e));
            for (const QString &d : std::as_const(dirs)) {
                const QString name = d.mid(base.size() + 1).replace(QLatin1Char('/'), QLatin1Char(' '));
                addRoot(app, catalogueJoin(d, QStringLiteral("Service Worker/CacheStorage")),
                        name + Dot + QStringLiteral("CacheStorage"), {}, from);
                // VS Code keeps a copy of every extension it installed.
                addRoot(app, catalogueJoin(d, QStringLiteral("CachedExtensionVSIXs")),
                        name + Dot + QStringLiteral("CachedExtensionVSIXs"), {}, from);
                for (const char *sub : {"Crashpad/completed", "Crashpad/pending"}) {
                    CategoryRoot r;
                    r.path = catalogueJoin(d, QString::fromLatin1(sub));
                    r.patterns = {QStringLiteral("*.dmp")};
                    r.minAgeMs = DayMs;
                    addRoot(logs, r, from);
                }
            }
        }
    }
}

// A listing root for logs: like temporary files, one written in the last
// day may belong to a program that is still running.
void addLogRoot(QList<CategoryRoot> &logs, const QString &path, const QStringList &patterns, const QString &from,
                qint64 minAgeMs = DayMs)
{
    CategoryRoot r;
    r.path = path;
    r.patterns = patterns;
    r.minAgeMs = minAgeMs;
    addRoot(logs, r, from);
}

// Takes the folders of one cache folder (~/.cache, or the cache folder of a
// Flatpak or Snap app). Every folder there is a cache by definition, except
// the ones named below.
void takeCacheFolder(const QString &dir, const QString &prefix, const QString &from, QList<CategoryRoot> &app,
                     QList<CategoryRoot> &dev)
{
    // Measured by other categories.
    static const QStringList claimed = {
        QStringLiteral("thumbnails"), QStringLiteral("mozilla"), QStringLiteral("google-chrome"),
        QStringLiteral("chromium"), QStringLiteral("BraveSoftware"), QStringLiteral("microsoft-edge"),
        QStringLiteral("pip"), QStringLiteral("yarn"), QStringLiteral("go-build"),
    };
    // Kept here by their programs, yet not caches.
    static const QStringList live = {
        QStringLiteral("doc"),        // the Flatpak document portal shows the user's real files here
        QStringLiteral("obexd"),      // files received over Bluetooth, until the user moves them
        QStringLiteral("ibus"),       // what the input methods learned from the user's typing
        QStringLiteral("kioexec"),    // local copies of remote files being edited, uploaded on save
        QStringLiteral("evolution"),  // Evolution's offline mail and the state of its accounts
        QStringLiteral("wallpaper"),  // desktop backgrounds, for some the only copy
    };
    // Large downloads that take long to get back (models, browsers for
    // tests, tool and package stores): offered for review with the
    // developer caches.
    static const QStringList downloads = {
        QStringLiteral("huggingface"), QStringLiteral("ms-playwright"), QStringLiteral("JetBrains"),
        QStringLiteral("uv"), QStringLiteral("pre-commit"), QStringLiteral("pnpm"),
    };
    for (const QString &name : localSubdirs(dir)) {
        if (claimed.contains(name) || live.contains(name) || isVolumeTrashName(name))
            continue;
        const QString path = catalogueJoin(dir, name);
        const QString label = prefix + name;
        if (downloads.contains(name)) {
            addRoot(dev, path, label, {}, from);
        } else if (name == QLatin1String("pypoetry")) {
            // "virtualenvs" holds the projects' environments, which Poetry
            // does not rebuild by itself.
            for (const char *sub : {"cache", "artifacts"})
                addRoot(dev, catalogueJoin(path, QString::fromLatin1(sub)), label + Dot + QString::fromLatin1(sub),
                        {}, from);
        } else if (name == QLatin1String("spotify")) {
            // "Storage" holds the songs downloaded for offline listening.
            for (const QString &sub : localSubdirs(path)) {
                if (sub != QLatin1String("Storage"))
                    addRoot(app, catalogueJoin(path, sub), label + Dot + sub, {}, from);
            }
        } else {
            addRoot(app, path, label, {}, from);
        }
    }
    // Files programs drop straight into the cache folder (sound-theme
    // caches, "motd.legal-displayed" and the like). A day old at least:
    // some are lock or state files of a session that is still running.
    CategoryRoot loose;
    loose.path = dir;
    loose.filesOnly = true;
    loose.minAgeMs = DayMs;
    addRoot(app, loose, from);
}

// Chromium-family caches of one user-data folder: those of every profile,
// and the shader and component caches the browser keeps beside them.
void addChromiumRoots(QList<CategoryRoot> &roots, const QString &userData, const QString &browser,
                      const QStringList &lookup)
{
    for (const CategoryRoot &r : chromiumProfileRoots(userData, browser, lookup))
        addRoot(roots, r);
    if (userData.isEmpty())
        return;
    for (const QString &base : lookup) {
        for (const char *sub : {"ShaderCache", "GrShaderCache", "GraphiteDawnCache", "component_crx_cache",
                                "BrowserMetrics"})
            addRoot(roots, catalogueJoin(base, QString::fromLatin1(sub)), browser + Dot + QString::fromLatin1(sub),
                    {}, base);
        for (const QString &profile : listSubdirs(userData)) {
            if (profile != QLatin1String("Default") && !profile.startsWith(QLatin1String("Profile ")))
                continue;
            for (const char *sub : {"DawnCache", "DawnGraphiteCache"})
                addRoot(roots, catalogueJoin(base, profile + QLatin1Char('/') + QString::fromLatin1(sub)),
                        browser + Dot + profile + Dot + QString::fromLatin1(sub), {}, base);
        }
    }
}

// The cache-side folder of a Firefox profile (below ~/.cache, not the
// profile itself) holds nothing but caches: cache2, startupCache,
// thumbnails. It is taken whole.
void addFirefoxCacheProfiles(QList<CategoryRoot> &roots, const QString &profilesDir, const QString &name,
                             const QString &from)
{
    for (const QString &profile : localSubdirs(profilesDir)) {
        if (!isVolumeTrashName(profile))
            addRoot(roots, catalogueJoin(profilesDir, profile), name + Dot + profile, {},
                    from);
    }
}

// A sandboxed app's own home-like folders: Flatpak's ~/.var/app/<id> and
// Snap's ~/snap/<name>, whose "current" links to the revision in use.
struct SandboxHome
{
    QString name;         // label prefix
    QStringList caches;   // its cache folders
    QString config;       // its config folder, empty when there is none
};

QList<SandboxHome> sandboxHomes(const QString &home)
{
    QList<SandboxHome> out;
    if (home.isEmpty())
        return out;
    const QString flatpak = catalogueJoin(home, QStringLiteral(".var/app"));
    for (const QString &id : listSubdirs(flatpak)) {
        const QString dir = catalogueJoin(flatpak, id);
        out.append({id, {catalogueJoin(dir, QStringLiteral("cache"))}, catalogueJoin(dir, QStringLiteral("config"))});
    }
    const QString snap = catalogueJoin(home, QStringLiteral("snap"));
    for (const QString &name : listSubdirs(snap)) {
        const QString dir = catalogueJoin(snap, name);
        SandboxHome s{QStringLiteral("Snap ") + name, {catalogueJoin(dir, QStringLiteral("common/.cache"))}, {}};
        // "current" is used only when it links to a revision folder right
        // beside it; the roots are then built on that folder's own name.
        const QFileInfo current(catalogueJoin(dir, QStringLiteral("current")));
        const QString rev = current.isSymLink() ? QFileInfo(current.symLinkTarget()).fileName() : QString();
        if (!rev.isEmpty() && listSubdirs(dir).contains(rev)
            && current.canonicalFilePath() == QFileInfo(catalogueJoin(dir, rev)).canonicalFilePath()) {
            s.caches.append(catalogueJoin(dir, rev + QStringLiteral("/.cache")));
            s.config = catalogueJoin(dir, rev + QStringLiteral("/.config"));
        }
        out.append(s);
    }
    return out;
}

} // namespace

QList<CategoryDef> linuxCatalogue(const LinuxBases &b)
{
    auto sys = [&](const char *rel) { return catalogueJoin(b.system, QString::fromLatin1(rel)); };
    const QString home = b.home.isEmpty() ? QString() : QDir::cleanPath(b.home);
    const QString homeReal = realOrClean(home);
    auto ownFolder = [&](const char *rel) {
        return homeReal.isEmpty() ? QString() : catalogueJoin(homeReal, QString::fromLatin1(rel));
    };
    auto inHome = [&](const char *rel) {
        return home.isEmpty() ? QString() : catalogueJoin(home, QString::fromLatin1(rel));
    };
    // Narrow bases first, then the temporary folders, then the cache folder
    // whose every folder is taken (see judgeBases): a cache variable naming
    // the config folder leaves out the cache, not the config folder.
    enum { Config, Data, Temp, VarTmp, Cache, Npm, Gradle, Cargo };
    QList<Base> bases = {
        perUserBase(b.config, {QStringLiteral("appcache"), QStringLiteral("browser"), QStringLiteral("logs")},
                    ownFolder(".config")),
        perUserBase(b.data,
                    {QStringLiteral("temp"), QStringLiteral("appcache"), QStringLiteral("logs"),
                     QStringLiteral("dev")},
                    ownFolder(".local/share")),
        tempBase(b.temp),
        tempBase(sys("var/tmp")),
        perUserBase(b.cache,
                    {QStringLiteral("appcache"), QStringLiteral("browser"), QStringLiteral("thumbs"),
                     QStringLiteral("dev")},
                    ownFolder(".cache")),
        perUserBase(inHome(".npm/_cacache"), {QStringLiteral("dev")}),
        perUserBase(inHome(".gradle/caches"), {QStringLiteral("dev")}),
        perUserBase(inHome(".cargo/registry/cache"), {QStringLiteral("dev")}),
    };
    QStringList trashFolders;
    if (!b.data.isEmpty())
        trashFolders = {catalogueJoin(b.data, QStringLiteral("Trash")),
                        catalogueJoin(realOrClean(b.data), QStringLiteral("Trash"))};
    Notes notes;
    judgeBases(bases, home, homeReal, linuxProtectionRules(homeReal, trashFolders), notes);
    const Base &cache = bases.at(Cache);
    const Base &config = bases.at(Config);
    const Base &data = bases.at(Data);
    const QList<SandboxHome> sandboxes = sandboxHomes(home);
    // Steam's data folder: where it installs itself, and where Debian's
    // package puts it.
    QStringList steamDirs;
    for (const QString &d : {below(data, QStringLiteral("Steam"), notes[QStringLiteral("appcache")]),
                             inHome(".steam/debian-installation")}) {
        if (!d.isEmpty() && QFileInfo(d).isDir())
            steamDirs.append(d);
    }

    QList<CategoryDef> defs;

    CategoryDef temp = makeDef("temp", trc(QT_TRANSLATE_NOOP("Categories", "Temporary files")),
                               QStringLiteral("/tmp, /var/tmp"), tempDescription(), "clock", "#64748b", Safe);
    for (const int i : {int(Temp), int(VarTmp)}) {
        CategoryRoot r;
        r.path = bases.at(i).rootPath();
        r.ownEntriesOnly = true;
        r.minAgeMs = DayMs;
        addRoot(temp.roots, r);
    }
    // The temporary folders of Wine prefixes and of the Proton prefix Steam
    // keeps for every Windows game, under the same day-old rule.
    {
        QStringList prefixes{inHome(".wine")};
        for (const QString &steam : std::as_const(steamDirs)) {
            const QString compat = catalogueJoin(steam, QStringLiteral("steamapps/compatdata"));
            for (const QString &game : listSubdirs(compat))
                prefixes.append(catalogueJoin(compat, game + QStringLiteral("/pfx")));
        }
        for (const QString &prefix : std::as_const(prefixes)) {
            if (prefix.isEmpty())
                continue;
            QStringList dirs{catalogueJoin(prefix, QStringLiteral("drive_c/windows/temp"))};
            const QString users = catalogueJoin(prefix, QStringLiteral("drive_c/users"));
            for (const QString &user : listSubdirs(users)) {
                dirs.append(catalogueJoin(users, user + QStringLiteral("/AppData/Local/Temp")));
                dirs.append(catalogueJoin(users, user + QStringLiteral("/Temp")));
            }
            for (const QString &d : std::as_const(dirs)) {
                CategoryRoot r;
                r.path = d;
                r.ownEntriesOnly = true;
                r.minAgeMs = DayMs;
                addRoot(temp.roots, r, home);
            }
        }
    }
    defs.append(temp);

    CategoryDef logs = makeDef("logs", trc(QT_TRANSLATE_NOOP("Categories", "Logs & crash reports")),
                               trc(QT_TRANSLATE_NOOP("Categories", "App logs, crash reports")), logsDescription(),
                               "file", "#78716c", Safe);
    CategoryDef dev = makeDef("dev", trc(QT_TRANSLATE_NOOP("Categories", "Developer caches")),
                              QStringLiteral("npm, Yarn, pip, Go, Gradle, Cargo, Maven, conda"), devDescription(),
                              "code", "#8b5cf6", Review);

    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    static const QStringList configSkips = {
        QStringLiteral("google-chrome"), QStringLiteral("chromium"), QStringLiteral("BraveSoftware"),
        QStringLiteral("microsoft-edge"), QStringLiteral("mozilla"), QStringLiteral("autostart"),
    };
    for (const CategoryRoot &r : discoverLinuxAppCaches({config.rootPath()}, configSkips))
        addRoot(app.roots, r);
    addElectronExtras({config.rootPath()}, configSkips, config.rootPath(), app.roots, logs.roots);
    if (cache.usable)
        takeCacheFolder(cache.path, {}, cache.path, app.roots, dev.roots);
    // Flatpak and Snap apps keep their own cache and config folders, under
    // the same rules.
    for (const SandboxHome &s : sandboxes) {
        QStringList configDir;
        if (!s.config.isEmpty() && linkBelow(home, s.config).isEmpty())
            configDir = {s.config};
        for (CategoryRoot r : discoverLinuxAppCaches(configDir, configSkips)) {
            r.label = s.name + Dot + r.label;
            addRoot(app.roots, r, home);
        }
        const qsizetype extrasFrom = app.roots.size();
        addElectronExtras(configDir, configSkips, home, app.roots, logs.roots);
        for (qsizetype i = extrasFrom; i < app.roots.size(); ++i)
            app.roots[i].label = s.name + Dot + app.roots.at(i).label;
        for (const QString &c : s.caches) {
            if (linkBelow(home, c).isEmpty())
                takeCacheFolder(c, s.name + Dot, home, app.roots, dev.roots);
        }
    }
    for (const QString &steam : std::as_const(steamDirs)) {
        const QString from = steam;
        addRoot(app.roots, catalogueJoin(steam, QStringLiteral("steamapps/shadercache")),
                QStringLiteral("Steam · shadercache"), {}, from);
        for (const char *sub : {"Cache", "Code Cache", "GPUCache"})
            addRoot(app.roots, catalogueJoin(steam, QStringLiteral("config/htmlcache/") + QString::fromLatin1(sub)),
                    QStringLiteral("Steam · htmlcache · ") + QString::fromLatin1(sub), {}, from);
        for (const char *sub : {"httpcache", "librarycache"})
            addRoot(app.roots, catalogueJoin(steam, QStringLiteral("appcache/") + QString::fromLatin1(sub)),
                    QStringLiteral("Steam · ") + QString::fromLatin1(sub), {}, from);
        addLogRoot(logs.roots, catalogueJoin(steam, QStringLiteral("logs")),
                   {QStringLiteral("*.txt"), QStringLiteral("*.log")}, from);
    }
    // The shader cache of NVIDIA's OpenGL driver.
    addRoot(app.roots, inHome(".nv/GLCache"), QStringLiteral("NVIDIA · GLCache"), {}, home);
    // Telegram's downloaded media and stickers; everything else in tdata is
    // the account. The running-app guard keeps them while Telegram runs.
    const QString telegram = below(data, QStringLiteral("TelegramDesktop/tdata/user_data"), notes[QStringLiteral("appcache")]);
    for (const char *sub : {"cache", "media_cache"}) {
        if (telegram.isEmpty())
            break;
        addRoot(app.roots, catalogueJoin(telegram, QString::fromLatin1(sub)),
                QStringLiteral("Telegram · ") + QString::fromLatin1(sub), {}, data.rootPath());
    }
    defs.append(app);

    CategoryDef browser = makeDef("browser", trc(QT_TRANSLATE_NOOP("Categories", "Browser caches")),
                                  QStringLiteral("Chrome, Edge, Brave, Firefox"), browserDescription(), "globe",
                                  "#0ea5e9", Safe);
    const struct { const char *dir; const char *name; } chromium[] = {
        {"google-chrome", "Google Chrome"},
        {"chromium", "Chromium"},
        {"microsoft-edge", "Microsoft Edge"},
        {"BraveSoftware/Brave-Browser", "Brave"},
    };
    QStringList &browserNotes = notes[QStringLiteral("browser")];
    for (const auto &c : chromium) {
        const QString dir = QString::fromLatin1(c.dir);
        const QString configDir = below(config, dir, browserNotes);
        QStringList lookup;
        for (const QString &d : {below(cache, dir, browserNotes), configDir}) {
            if (!d.isEmpty())
                lookup.append(d);
        }
        addChromiumRoots(browser.roots, configDir, QString::fromLatin1(c.name), lookup);
        for (const SandboxHome &s : sandboxes) {
            const QString sandboxConfig = s.config.isEmpty() ? QString() : catalogueJoin(s.config, dir);
            if (sandboxConfig.isEmpty() || !linkBelow(home, sandboxConfig).isEmpty())
                continue;
            const QString name = QString::fromLatin1(c.name) + QStringLiteral(" (") + s.name + QLatin1Char(')');
            QStringList sandboxLookup;
            for (const QString &c : s.caches) {
                if (linkBelow(home, catalogueJoin(c, dir)).isEmpty())
                    sandboxLookup.append(catalogueJoin(c, dir));
            }
            sandboxLookup.append(sandboxConfig);
            addChromiumRoots(browser.roots, sandboxConfig, name, sandboxLookup);
        }
    }
    addFirefoxCacheProfiles(browser.roots, below(cache, QStringLiteral("mozilla/firefox"), browserNotes),
                            QStringLiteral("Firefox"), cache.rootPath());
    for (const SandboxHome &s : sandboxes) {
        for (const QString &c : s.caches) {
            const QString profiles = catalogueJoin(c, QStringLiteral("mozilla/firefox"));
            if (linkBelow(home, profiles).isEmpty())
                addFirefoxCacheProfiles(browser.roots, profiles,
                                        QStringLiteral("Firefox (") + s.name + QLatin1Char(')'), home);
        }
    }
    defs.append(browser);

    addRoot(logs.roots, below(data, QStringLiteral("xorg"), notes[QStringLiteral("logs")]), {},
            {QStringLiteral("*.log"), QStringLiteral("*.log.old")});
    // The Java VM writes its fatal-error log into the folder it ran in, and
    // is gone by then.
    addRoot(logs.roots, home, {}, {QStringLiteral(".xsession-errors.old"), QStringLiteral("hs_err_pid*.log")});
    {
        CategoryRoot crash;
        crash.path = sys("var/crash");
        crash.patterns = {QStringLiteral("*.crash")};
        crash.ownEntriesOnly = true;
        addRoot(logs.roots, crash);
    }
    // Heap dumps of the Java VM land there too. One is often taken on
    // purpose, to be studied: only those a month old are offered.
    addLogRoot(logs.roots, home, {QStringLiteral("java_pid*.hprof")}, home, 30 * DayMs);
    for (const char *tool : {"Code", "Code - OSS", "VSCodium", "Slack"})
        addLogRoot(logs.roots, below(config, QString::fromLatin1(tool) + QStringLiteral("/logs"),
                                     notes[QStringLiteral("logs")]),
                   {}, config.rootPath());
    addLogRoot(logs.roots, below(data, QStringLiteral("sddm"), notes[QStringLiteral("logs")]),
               {QStringLiteral("*.log")}, data.rootPath());
    addLogRoot(logs.roots, inHome(".npm/_logs"), {QStringLiteral("*.log")}, home);
    {
        const QString daemon = inHome(".gradle/daemon");
        for (const QString &version : listSubdirs(daemon))
            addLogRoot(logs.roots, catalogueJoin(daemon, version), {QStringLiteral("daemon-*.out.log")}, home);
    }
    // Crash reports of Firefox and Thunderbird: the reports waiting to be
    // sent or already sent, and the minidumps of each profile.
    for (const char *mozilla : {".mozilla/firefox", ".thunderbird"}) {
        const QString dir = inHome(mozilla);
        if (dir.isEmpty())
            continue;
        addLogRoot(logs.roots, catalogueJoin(dir, QStringLiteral("Crash Reports/pending")),
                   {QStringLiteral("*.dmp"), QStringLiteral("*.extra")}, home);
        addLogRoot(logs.roots, catalogueJoin(dir, QStringLiteral("Crash Reports/submitted")),
                   {QStringLiteral("*.txt")}, home);
        for (const QString &profile : listSubdirs(dir))
            addLogRoot(logs.roots, catalogueJoin(dir, profile + QStringLiteral("/minidumps")),
                       {QStringLiteral("*.dmp"), QStringLiteral("*.extra")}, home);
    }
    defs.append(logs);

    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("~/.cache/thumbnails"), thumbsDescription(), "image", "#ec4899",
                                 Safe);
    addRoot(thumbs.roots, below(cache, QStringLiteral("thumbnails"), notes[QStringLiteral("thumbs")]));
    // Where thumbnails were kept before the XDG folders.
    addRoot(thumbs.roots, inHome(".thumbnails"), {}, {}, home);
    defs.append(thumbs);

    CategoryDef update = makeDef("update", trc(QT_TRANSLATE_NOOP("Categories", "Package cache")),
                                 QStringLiteral("apt, pacman, dnf"),
                                 trc(QT_TRANSLATE_NOOP("Categories", "Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.")),
                                 "download", "#f59e0b", Review);
    update.needsAdmin = true;
    addRoot(update.roots, sys("var/cache/apt/archives"), {}, {QStringLiteral("*.deb")});
    addRoot(update.roots, sys("var/cache/pacman/pkg"), {}, {QStringLiteral("*.pkg.tar.*")});
    addRoot(update.roots, sys("var/cache/dnf"), trc(QT_TRANSLATE_NOOP("Categories", "DNF package cache")));
    defs.append(update);

    QStringList &devNotes = notes[QStringLiteral("dev")];
    const DevCache devCaches[] = {
        {bases.at(Npm).rootPath(), "npm cache"},
        {below(cache, QStringLiteral("yarn"), devNotes), "Yarn cache"},
        {below(cache, QStringLiteral("pip"), devNotes), "pip cache"},
        {below(data, QStringLiteral("NuGet/v3-cache"), devNotes), "NuGet HTTP cache"},
        {below(cache, QStringLiteral("go-build"), devNotes), "Go build cache"},
        {bases.at(Gradle).rootPath(), "Gradle caches"},
        {bases.at(Cargo).rootPath(), "Cargo registry cache"},
    };
    QList<CategoryRoot> moved = std::move(dev.roots);
    dev.roots.clear();
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, QString::fromLatin1(c.label));
    // Downloads the tools fetch again when they need them. Extracted
    // packages that projects hard-link to (conda's package folders, the
    // pnpm store) are left alone.
    const struct { const char *rel; const char *label; } homeCaches[] = {
        {".cargo/registry/src", "Cargo · registry/src"},
        {".cargo/registry/index", "Cargo · registry/index"},
        {".cargo/git/db", "Cargo · git/db"},
        {".cargo/git/checkouts", "Cargo · git/checkouts"},
        {"go/pkg/mod/cache/download", "Go · pkg/mod/cache/download"},
        {".npm/_npx", "npm · _npx"},
        {".gradle/wrapper/dists", "Gradle · wrapper/dists"},
        {".yarn/berry/cache", "Yarn · berry/cache"},
    };
    for (const auto &c : homeCaches)
        addRoot(dev.roots, inHome(c.rel), QString::fromUtf8(c.label), {}, home);
    dev.roots.append(moved);
    for (const char *conda : {"miniconda3", "anaconda3", "miniforge3", "mambaforge", ".conda"}) {
        const QString pkgs = inHome(conda).isEmpty() ? QString() : catalogueJoin(inHome(conda), QStringLiteral("pkgs"));
        addRoot(dev.roots, pkgs, {}, {QStringLiteral("*.conda"), QStringLiteral("*.tar.bz2")}, home);
        addRoot(dev.roots, catalogueJoin(pkgs, QStringLiteral("cache")), QString::fromLatin1(conda) + QStringLiteral(" · pkgs/cache"),
                {}, home);
    }
    // pnpm's content-addressed store: what no project links to any more
    // (files with a single name) is a download pnpm fetches again.
    const QString pnpmStore = below(data, QStringLiteral("pnpm/store"), devNotes);
    if (!pnpmStore.isEmpty()) {
        CategoryRoot r;
        r.path = pnpmStore;
        r.label = QStringLiteral("pnpm · store");
        r.singleLinkFiles = true;
        addRoot(dev.roots, r, data.rootPath());
    }
    // Last: besides downloads, Maven's repository holds what "mvn install"
    // put there from the user's own projects.
    addRoot(dev.roots, inHome(".m2/repository"), QStringLiteral("Maven · repository"), {}, home);
    defs.append(dev);

    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Trash"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
    handOutNotes(defs, notes);
    return defs;
}

QList<CategoryDef> defaultCategories()
{
#ifdef Q_OS_WIN
    return windowsCatalogue(WindowsBases::fromEnvironment());
#else
    return linuxCatalogue(LinuxBases::fromEnvironment());
#endif
}

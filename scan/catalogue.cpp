#include "scan/catalogue.h"

#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr qint64 DayMs = 24LL * 60 * 60 * 1000;
const QString Dot = QStringLiteral(" · ");

QString trc(const char *text)
{
    return QCoreApplication::translate("Categories", text);
}

// Appends a root when its folder exists. A root that is itself a link or
// junction is left out: cleaning "the contents" of a link would reach into
// whatever folder it points at. A relative path (an unset base) is never
// resolved against the working folder. Doubles are dropped once a category is
// complete (dropDuplicateRoots).
void addRoot(QList<CategoryRoot> &roots, const CategoryRoot &root)
{
    if (root.path.isEmpty() || QDir::isRelativePath(root.path))
        return;
    const QFileInfo fi(root.path);
    if (!fi.isDir() || fi.isSymLink() || fi.isJunction())
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
        key += QChar(0) + r.patterns.join(QChar(0));
        if (!seen.contains(key)) {
            seen.insert(key);
            kept.append(r);
        }
    }
    roots = std::move(kept);
}

void addRoot(QList<CategoryRoot> &roots, const QString &path, const QString &label = {},
             const QStringList &patterns = {})
{
    CategoryRoot r;
    r.path = path;
    r.label = label;
    r.patterns = patterns;
    addRoot(roots, r);
}

// Temporary folders are commonly reached through a link (TMPDIR pointing
// elsewhere, 8.3 names on Windows); the folder itself is what gets listed.
QString resolvedTemp(const QString &path)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return {};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
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
            if (skip.contains(app) || extraSkips.contains(app))
                continue;
            const QString appPath = catalogueJoin(base, app);
            const QStringList subdirs = listSubdirs(appPath);
            for (const QString &n : names) {
                if (subdirs.contains(n))
                    addRoot(roots, catalogueJoin(appPath, n), app + Dot + n);
            }
            for (const QString &e : subdirs) {
                if (names.contains(e))
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
                        browser + Dot + profile + Dot + last);
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
    for (const QString &profile : listSubdirs(profilesDir))
        addRoot(roots, catalogueJoin(profilesDir, profile + QStringLiteral("/cache2")),
                QStringLiteral("Firefox") + Dot + profile);
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
    const QString &local = b.localAppData;
    // Every fixed root below the per-user folder needs that folder: with
    // LOCALAPPDATA unset, join("", x) would be a relative path.
    auto underLocal = [&](const char *rel) {
        return local.isEmpty() ? QString() : catalogueJoin(local, QString::fromLatin1(rel));
    };

    QList<CategoryDef> defs;

    CategoryDef temp = makeDef("temp", trc(QT_TRANSLATE_NOOP("Categories", "Temporary files")),
                               QStringLiteral("%TEMP%, C:\\Windows\\Temp"), tempDescription(), "clock",
                               "#64748b", Safe);
    addRoot(temp.roots, resolvedTemp(b.temp));
    addRoot(temp.roots, catalogueJoin(b.systemRoot, QStringLiteral("Temp")));
    defs.append(temp);

    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in %LOCALAPPDATA% and %APPDATA%")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    for (const CategoryRoot &r : discoverAppCaches({b.localAppData, b.appData}))
        addRoot(app.roots, r);
    addRoot(app.roots, underLocal("D3DSCache"), trc(QT_TRANSLATE_NOOP("Categories", "DirectX shader cache")));
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
        for (const CategoryRoot &r : chromiumProfileRoots(underLocal(c.userData), QString::fromLatin1(c.name)))
            addRoot(browser.roots, r);
    }
    for (const CategoryRoot &r : firefoxProfileRoots(underLocal("Mozilla/Firefox/Profiles")))
        addRoot(browser.roots, r);
    addRoot(browser.roots, underLocal("Microsoft/Windows/INetCache"),
            trc(QT_TRANSLATE_NOOP("Categories", "Internet cache")));
    defs.append(browser);

    CategoryDef logs = makeDef("logs", trc(QT_TRANSLATE_NOOP("Categories", "Logs & crash reports")),
                               QStringLiteral("CrashDumps, Windows Error Reporting"), logsDescription(), "file",
                               "#78716c", Safe);
    addRoot(logs.roots, underLocal("CrashDumps"));
    addRoot(logs.roots, underLocal("Microsoft/Windows/WER/ReportArchive"));
    addRoot(logs.roots, underLocal("Microsoft/Windows/WER/ReportQueue"));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportArchive")));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportQueue")));
    defs.append(logs);

    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("Explorer thumbcache_*.db"), thumbsDescription(), "image",
                                 "#ec4899", Safe);
    addRoot(thumbs.roots, underLocal("Microsoft/Windows/Explorer"), {},
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
        {underLocal("npm-cache"), "npm cache"},
        {underLocal("Yarn/Cache"), "Yarn cache"},
        {underLocal("pip/cache"), "pip cache"},
        {underLocal("NuGet/v3-cache"), "NuGet HTTP cache"},
        {underLocal("go-build"), "Go build cache"},
        {b.home.isEmpty() ? QString() : catalogueJoin(b.home, QStringLiteral(".gradle/caches")), "Gradle caches"},
    };
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, QString::fromLatin1(c.label));
    defs.append(dev);

    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Recycle Bin"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
    return defs;
}

LinuxBases LinuxBases::fromEnvironment()
{
    LinuxBases b;
    b.home = QDir::homePath();
    // The XDG base-directory rules: a relative value is invalid and ignored.
    auto xdg = [&](const char *var, const char *fallback) {
        const QString v = qEnvironmentVariable(var);
        if (!v.isEmpty() && !QDir::isRelativePath(v))
            return QDir::cleanPath(v);
        return catalogueJoin(b.home, QString::fromLatin1(fallback));
    };
    b.cache = xdg("XDG_CACHE_HOME", ".cache");
    b.config = xdg("XDG_CONFIG_HOME", ".config");
    b.data = xdg("XDG_DATA_HOME", ".local/share");
    b.temp = QDir::tempPath();
    return b;
}

QList<CategoryDef> linuxCatalogue(const LinuxBases &b)
{
    auto sys = [&](const char *rel) { return catalogueJoin(b.system, QString::fromLatin1(rel)); };
    auto under = [](const QString &base, const QString &rel) {
        return base.isEmpty() ? QString() : catalogueJoin(base, rel);
    };

    QList<CategoryDef> defs;

    CategoryDef temp = makeDef("temp", trc(QT_TRANSLATE_NOOP("Categories", "Temporary files")),
                               QStringLiteral("/tmp, /var/tmp"), tempDescription(), "clock", "#64748b", Safe);
    for (const QString &dir : {resolvedTemp(b.temp), resolvedTemp(sys("var/tmp"))}) {
        CategoryRoot r;
        r.path = dir;
        r.ownEntriesOnly = true;
        r.minAgeMs = DayMs;
        addRoot(temp.roots, r);
    }
    defs.append(temp);

    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in ~/.config and ~/.cache")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    static const QStringList configSkips = {
        QStringLiteral("google-chrome"), QStringLiteral("chromium"), QStringLiteral("BraveSoftware"),
        QStringLiteral("microsoft-edge"), QStringLiteral("mozilla"), QStringLiteral("autostart"),
    };
    for (const CategoryRoot &r : discoverAppCaches({b.config}, configSkips))
        addRoot(app.roots, r);
    // Every folder of the cache folder is a cache by definition, except the
    // ones other categories measure. A cache folder that is the home folder
    // or holds it (a broken XDG_CACHE_HOME) would make every folder of home a
    // "cache": then nothing is taken from it.
    static const QStringList claimed = {
        QStringLiteral("thumbnails"), QStringLiteral("mozilla"), QStringLiteral("google-chrome"),
        QStringLiteral("chromium"), QStringLiteral("BraveSoftware"), QStringLiteral("microsoft-edge"),
        QStringLiteral("pip"), QStringLiteral("yarn"), QStringLiteral("go-build"),
    };
    const QString cacheKey = normalizePath(b.cache);
    const QString homeKey = normalizePath(b.home);
    const bool cacheHoldsHome = homeKey == cacheKey || homeKey.startsWith(cacheKey + QLatin1Char('/'));
    const bool cacheUsable = !b.cache.isEmpty() && !QDir::isRelativePath(b.cache) && !cacheHoldsHome
        && cacheKey.count(QLatin1Char('/')) >= 2;
    if (cacheUsable) {
        for (const QString &dir : listSubdirs(b.cache)) {
            if (!claimed.contains(dir))
                addRoot(app.roots, catalogueJoin(b.cache, dir), dir);
        }
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
    for (const auto &c : chromium) {
        const QString dir = QString::fromLatin1(c.dir);
        const QString configDir = under(b.config, dir);
        QStringList lookup;
        if (!b.cache.isEmpty())
            lookup.append(catalogueJoin(b.cache, dir));
        if (!configDir.isEmpty())
            lookup.append(configDir);
        for (const CategoryRoot &r : chromiumProfileRoots(configDir, QString::fromLatin1(c.name), lookup))
            addRoot(browser.roots, r);
    }
    for (const QString &profiles : {under(b.cache, QStringLiteral("mozilla/firefox")),
                                    under(b.home, QStringLiteral("snap/firefox/common/.cache/mozilla/firefox"))}) {
        for (const CategoryRoot &r : firefoxProfileRoots(profiles))
            addRoot(browser.roots, r);
    }
    defs.append(browser);

    CategoryDef logs = makeDef("logs", trc(QT_TRANSLATE_NOOP("Categories", "Logs & crash reports")),
                               trc(QT_TRANSLATE_NOOP("Categories", "Xorg logs, crash reports")), logsDescription(),
                               "file", "#78716c", Safe);
    addRoot(logs.roots, under(b.data, QStringLiteral("xorg")), {},
            {QStringLiteral("*.log"), QStringLiteral("*.log.old")});
    addRoot(logs.roots, b.home, {}, {QStringLiteral(".xsession-errors.old")});
    {
        CategoryRoot crash;
        crash.path = sys("var/crash");
        crash.patterns = {QStringLiteral("*.crash")};
        crash.ownEntriesOnly = true;
        addRoot(logs.roots, crash);
    }
    defs.append(logs);

    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("~/.cache/thumbnails"), thumbsDescription(), "image", "#ec4899",
                                 Safe);
    addRoot(thumbs.roots, under(b.cache, QStringLiteral("thumbnails")));
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

    CategoryDef dev = makeDef("dev", trc(QT_TRANSLATE_NOOP("Categories", "Developer caches")),
                              QStringLiteral("npm, Yarn, pip, NuGet, Go, Gradle, Cargo"), devDescription(), "code",
                              "#8b5cf6", Review);
    const DevCache devCaches[] = {
        {under(b.home, QStringLiteral(".npm/_cacache")), "npm cache"},
        {under(b.cache, QStringLiteral("yarn")), "Yarn cache"},
        {under(b.cache, QStringLiteral("pip")), "pip cache"},
        {under(b.data, QStringLiteral("NuGet/v3-cache")), "NuGet HTTP cache"},
        {under(b.cache, QStringLiteral("go-build")), "Go build cache"},
        {under(b.home, QStringLiteral(".gradle/caches")), "Gradle caches"},
        {under(b.home, QStringLiteral(".cargo/registry/cache")), "Cargo registry cache"},
    };
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, QString::fromLatin1(c.label));
    defs.append(dev);

    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Trash"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
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

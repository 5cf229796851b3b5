#include "scan/catalogue.h"
#include "scan/cataloguerules.h"

#include "scan/fs.h"
#include "scan/neveroffer.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace cataloguerules;

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
                // Back: Teams and the other Microsoft Electron apps fill them again. Beside: their settings and
                // sign-ins, never roots.
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
                // Back: the app's service workers download it again. Beside: Local Storage and IndexedDB, the
                // app's own data, never roots.
                addRoot(app, catalogueJoin(d, QStringLiteral("Service Worker/CacheStorage")),
                        name + Dot + QStringLiteral("CacheStorage"), {}, from);
                // VS Code keeps a copy of every extension it installed.
                // Back: the marketplace; the installed extensions stay in ~/.vscode/extensions.
                addRoot(app, catalogueJoin(d, QStringLiteral("CachedExtensionVSIXs")),
                        name + Dot + QStringLiteral("CachedExtensionVSIXs"), {}, from);
                // Back: nothing needs them; crash dumps nobody reads once a day has passed.
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

// The parts of a JetBrains IDE's system folder (~/.cache/JetBrains/<IDE>)
// that the IDE rebuilds: its caches and indexes (rebuilt when a project is
// opened), logs, scratch space, the embedded browser's cache and the build
// server's state. Beside them it keeps LocalHistory, the record of edits
// that never reached version control, and per-project state, which stay.
const QStringList &jetBrainsRebuiltParts()
{
    static const QStringList parts = {
        QStringLiteral("caches"),     QStringLiteral("index"),          QStringLiteral("log"),
        QStringLiteral("tmp"),        QStringLiteral("jcef_cache"),     QStringLiteral("compile-server"),
        QStringLiteral("frameworks"), QStringLiteral("conversion"),
    };
    return parts;
}

// Takes the folders of one cache folder (~/.cache, or the cache folder of a
// Flatpak or Snap app). Every folder there is a cache by definition (the XDG
// rules: "non-essential data files"), and its program makes it again; except
// the ones named below. Inside every folder taken, what neveroffer names
// (local histories, writes not yet uploaded, tokens, settings files at its
// top) stays.
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
        QStringLiteral("sessions"),   // the desktop sessions the user saved (Xfce)
    };
    // Large downloads that take long to get back (models, browsers for
    // tests, tool and package stores): offered for review with the
    // developer caches.
    //   ms-playwright: "playwright install" downloads the browsers again;
    //     uv: downloads and builds wheels again, and the environments hold
    //     their own copies or links; pre-commit: clones the hooks'
    //     repositories again; pnpm: its metadata cache, fetched again.
    //   The hub's models are among them too, below (huggingface).
    static const QStringList downloads = {
        QStringLiteral("ms-playwright"), QStringLiteral("uv"), QStringLiteral("pre-commit"), QStringLiteral("pnpm"),
    };
    // A tool's whole folder keeps its settings files (tokens, accounts,
    // options some tools write beside their caches).
    const auto toolFolder = [&](QList<CategoryRoot> &roots, const QString &path, const QString &label) {
        CategoryRoot r;
        r.path = path;
        r.label = label;
        r.keepsTopSettings = true;
        addRoot(roots, r, from);
    };
    for (const QString &name : localSubdirs(dir)) {
        if (claimed.contains(name) || live.contains(name) || isVolumeTrashName(name)
            || neveroffer::syncFolderNames().contains(name.toLower()))
            continue;
        const QString path = catalogueJoin(dir, name);
        const QString label = prefix + name;
        if (downloads.contains(name)) {
            toolFolder(dev, path, label);
        } else if (name == QLatin1String("JetBrains")) {
            for (const QString &ide : localSubdirs(path)) {
                for (const QString &part : jetBrainsRebuiltParts())
                    addRoot(dev, catalogueJoin(path, ide + QLatin1Char('/') + part),
                            label + Dot + ide + Dot + part, {}, from);
            }
        } else if (name == QLatin1String("huggingface")) {
            // What the hub and its libraries download or build again:
            // models and datasets, their chunks, processed datasets, assets
            // and remote code. Beside them the user's own stays: the token,
            // the answered Accelerate configuration and datasets recorded
            // there (LeRobot's), which may never have been uploaded.
            for (const char *sub : {"hub", "xet", "datasets", "assets", "modules"})
                addRoot(dev, catalogueJoin(path, QString::fromLatin1(sub)), label + Dot + QString::fromLatin1(sub),
                        {}, from);
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
            toolFolder(app, path, label);
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
            // Back: the browser compiles shaders and fetches components and metrics files again. Beside:
            // the profiles (history, passwords, cookies), never roots.
            addRoot(roots, catalogueJoin(base, QString::fromLatin1(sub)), browser + Dot + QString::fromLatin1(sub),
                    {}, base);
        for (const QString &profile : listSubdirs(userData)) {
            if (profile != QLatin1String("Default") && !profile.startsWith(QLatin1String("Profile ")))
                continue;
            for (const char *sub : {"DawnCache", "DawnGraphiteCache"})
                // Back: the GPU process rebuilds them at start.
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
            // Back: Firefox downloads pages again and rebuilds its start-up cache. Beside: the profile
            // itself is in ~/.mozilla, never a root.
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

    //: Name of a cleanup category
    CategoryDef temp = makeDef("temp", trc(QT_TRANSLATE_NOOP("Categories", "Temporary files")),
                               QStringLiteral("/tmp, /var/tmp"), tempDescription(), "clock", "#64748b", Safe);
    // Back: nothing needs them; only the user's own entries nobody touched for a day. Beside:
    // other users' files and the live files of running programs, left out by those rules.
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
        // Back: the Windows programs make them again. Beside: the prefix's documents and saved games,
        // never roots.
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
    //: Name of a cleanup category: caches of programming tools
    CategoryDef dev = makeDef("dev", trc(QT_TRANSLATE_NOOP("Categories", "Developer caches")),
                              QStringLiteral("npm, Yarn, pip, Go, Gradle, Cargo, Maven, conda"), devDescription(),
                              "code", "#8b5cf6", Review);

    //: Name of a cleanup category
    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    static const QStringList configSkips = {
        QStringLiteral("google-chrome"), QStringLiteral("chromium"), QStringLiteral("BraveSoftware"),
        QStringLiteral("microsoft-edge"), QStringLiteral("mozilla"), QStringLiteral("autostart"),
    };
    // Back: each app fills its Cache, Code Cache and GPUCache again. Beside: its settings and
    // storage, never roots.
    for (const CategoryRoot &r : discoverLinuxAppCaches({config.rootPath()}, configSkips))
        addRoot(app.roots, r);
    addElectronExtras({config.rootPath()}, configSkips, config.rootPath(), app.roots, logs.roots);
    if (cache.usable)
        // Back and beside: see takeCacheFolder.
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
        // Back: Steam downloads or compiles the shader pre-caches again. Beside: the games and their
        // saves (steamapps/common, userdata), never roots.
        addRoot(app.roots, catalogueJoin(steam, QStringLiteral("steamapps/shadercache")),
                QStringLiteral("Steam · shadercache"), {}, from);
        // Back: the store and community pages download again. Beside: htmlcache/Cookies, the sign-in,
        // not a root.
        for (const char *sub : {"Cache", "Code Cache", "GPUCache"})
            addRoot(app.roots, catalogueJoin(steam, QStringLiteral("config/htmlcache/") + QString::fromLatin1(sub)),
                    QStringLiteral("Steam · htmlcache · ") + QString::fromLatin1(sub), {}, from);
        // Back: the library's artwork and store data download again; appinfo.vdf beside them stays.
        for (const char *sub : {"httpcache", "librarycache"})
            addRoot(app.roots, catalogueJoin(steam, QStringLiteral("appcache/") + QString::fromLatin1(sub)),
                    QStringLiteral("Steam · ") + QString::fromLatin1(sub), {}, from);
        // Back: nothing needs them; a day old at least, as the client writes them while it runs.
        addLogRoot(logs.roots, catalogueJoin(steam, QStringLiteral("logs")),
                   {QStringLiteral("*.txt"), QStringLiteral("*.log")}, from);
    }
    // The shader cache of NVIDIA's OpenGL driver.
    // Back: the driver compiles the shaders again.
    addRoot(app.roots, inHome(".nv/GLCache"), QStringLiteral("NVIDIA · GLCache"), {}, home);
    // Telegram's downloaded media and stickers; everything else in tdata is
    // the account. The running-app guard keeps them while Telegram runs.
    // Back: Telegram downloads media again from its servers. Beside: tdata, the account, stays.
    const QString telegram = below(data, QStringLiteral("TelegramDesktop/tdata/user_data"), notes[QStringLiteral("appcache")]);
    for (const char *sub : {"cache", "media_cache"}) {
        if (telegram.isEmpty())
            break;
        addRoot(app.roots, catalogueJoin(telegram, QString::fromLatin1(sub)),
                QStringLiteral("Telegram · ") + QString::fromLatin1(sub), {}, data.rootPath());
    }
    defs.append(app);

    //: Name of a cleanup category
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

    // Back: nothing needs them; the X server's logs of past sessions.
    addRoot(logs.roots, below(data, QStringLiteral("xorg"), notes[QStringLiteral("logs")]), {},
            {QStringLiteral("*.log"), QStringLiteral("*.log.old")});
    // Back: nothing needs them. The Java VM writes its fatal-error log into
    // the folder it ran in, and is gone by then; the session's error log of
    // the login before last.
    addRoot(logs.roots, home, {}, {QStringLiteral(".xsession-errors.old"), QStringLiteral("hs_err_pid*.log")});
    {
        // Back: nothing needs them; crash reports apport wrote, the user's own.
        CategoryRoot crash;
        crash.path = sys("var/crash");
        crash.patterns = {QStringLiteral("*.crash")};
        crash.ownEntriesOnly = true;
        addRoot(logs.roots, crash);
    }
    // Back: nothing makes them again. Heap dumps of the Java VM land there
    // too; one is often taken on purpose, to be studied: only those a month
    // old are offered.
    addLogRoot(logs.roots, home, {QStringLiteral("java_pid*.hprof")}, home, 30 * DayMs);
    // Back: nothing needs them; the apps' own logs, a day old at least.
    for (const char *tool : {"Code", "Code - OSS", "VSCodium", "Slack"})
        addLogRoot(logs.roots, below(config, QString::fromLatin1(tool) + QStringLiteral("/logs"),
                                     notes[QStringLiteral("logs")]),
                   {}, config.rootPath());
    // Back: nothing needs them; the session logs of past logins, a day old at least.
    addLogRoot(logs.roots, below(data, QStringLiteral("sddm"), notes[QStringLiteral("logs")]),
               {QStringLiteral("*.log")}, data.rootPath());
    // Back: nothing needs them; npm's debug logs of past runs.
    addLogRoot(logs.roots, inHome(".npm/_logs"), {QStringLiteral("*.log")}, home);
    {
        // Back: nothing needs them; the logs of Gradle daemons, a day old at least.
        const QString daemon = inHome(".gradle/daemon");
        for (const QString &version : listSubdirs(daemon))
            addLogRoot(logs.roots, catalogueJoin(daemon, version), {QStringLiteral("daemon-*.out.log")}, home);
    }
    // Back: nothing needs them. Crash reports of Firefox and Thunderbird: the
    // reports waiting to be sent or already sent, and the minidumps of each
    // profile; the profiles beside them are never roots.
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

    //: Name of a cleanup category: small preview pictures of files
    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("~/.cache/thumbnails"), thumbsDescription(), "image", "#ec4899",
                                 Safe);
    // Back: file managers make the thumbnails again when a folder is shown.
    addRoot(thumbs.roots, below(cache, QStringLiteral("thumbnails"), notes[QStringLiteral("thumbs")]));
    // Back: as above. Where thumbnails were kept before the XDG folders.
    addRoot(thumbs.roots, inHome(".thumbnails"), {}, {}, home);
    defs.append(thumbs);

    //: Name of a cleanup category: downloaded software packages
    CategoryDef update = makeDef("update", trc(QT_TRANSLATE_NOOP("Categories", "Package cache")),
                                 QStringLiteral("apt, pacman, dnf"),
                                 trc(QT_TRANSLATE_NOOP("Categories", "Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.")),
                                 "download", "#f59e0b", Review);
    update.needsAdmin = true;
    // Back: the package manager downloads a package again when it needs it; the installed
    // packages do not need these copies.
    addRoot(update.roots, sys("var/cache/apt/archives"), {}, {QStringLiteral("*.deb")});
    addRoot(update.roots, sys("var/cache/pacman/pkg"), {}, {QStringLiteral("*.pkg.tar.*")});
    //: Item of the package cache; DNF is the name of a program
    addRoot(update.roots, sys("var/cache/dnf"), trc(QT_TRANSLATE_NOOP("Categories", "DNF package cache")));
    defs.append(update);

    QStringList &devNotes = notes[QStringLiteral("dev")];
    const DevCache devCaches[] = {
        // Back, for each: the tool downloads or builds it again (npm, Yarn and pip from their
        // registries, NuGet's HTTP cache, Go's build cache rebuilt by the compiler, Gradle's
        // downloaded modules and transforms, Cargo's downloaded crates). Beside: nothing of the
        // user's; projects keep their own copies (node_modules, target, build).
        //: Item of the developer caches; npm is the name of a program
        {bases.at(Npm).rootPath(), QT_TRANSLATE_NOOP("Categories", "npm cache")},
        //: Item of the developer caches; Yarn is the name of a program
        {below(cache, QStringLiteral("yarn"), devNotes), QT_TRANSLATE_NOOP("Categories", "Yarn cache")},
        //: Item of the developer caches; pip is the name of a program
        {below(cache, QStringLiteral("pip"), devNotes), QT_TRANSLATE_NOOP("Categories", "pip cache")},
        //: Item of the developer caches; NuGet is the name of a program
        {below(data, QStringLiteral("NuGet/v3-cache"), devNotes), QT_TRANSLATE_NOOP("Categories", "NuGet HTTP cache")},
        //: Item of the developer caches; Go is a programming language
        {below(cache, QStringLiteral("go-build"), devNotes), QT_TRANSLATE_NOOP("Categories", "Go build cache")},
        //: Item of the developer caches; Gradle is the name of a program
        {bases.at(Gradle).rootPath(), QT_TRANSLATE_NOOP("Categories", "Gradle caches")},
        //: Item of the developer caches; Cargo is the name of a program
        {bases.at(Cargo).rootPath(), QT_TRANSLATE_NOOP("Categories", "Cargo registry cache")},
    };
    QList<CategoryRoot> moved = std::move(dev.roots);
    dev.roots.clear();
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, trc(c.label));
    // Downloads the tools fetch again when they need them. Extracted
    // packages that projects hard-link to (conda's package folders, the
    // pnpm store) are left alone.
    const struct { const char *rel; const char *label; } homeCaches[] = {
        // Back, for each: unpacked or cloned again from what Cargo, Go, npx, the Gradle wrapper and
        // Yarn download. Beside: ~/.cargo/bin (installed programs) and go/pkg/mod (unpacked modules
        // projects read from) are never roots.
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
        // Back: conda downloads the archives and repodata again; the unpacked packages, which the
        // environments link to, are never roots.
        addRoot(dev.roots, pkgs, {}, {QStringLiteral("*.conda"), QStringLiteral("*.tar.bz2")}, home);
        addRoot(dev.roots, catalogueJoin(pkgs, QStringLiteral("cache")), QString::fromLatin1(conda) + QStringLiteral(" · pkgs/cache"),
                {}, home);
    }
    // Back: pnpm fetches it again. Its content-addressed store: what no
    // project links to any more (files with a single name) goes; what a
    // project links to stays.
    const QString pnpmStore = below(data, QStringLiteral("pnpm/store"), devNotes);
    if (!pnpmStore.isEmpty()) {
        CategoryRoot r;
        r.path = pnpmStore;
        r.label = QStringLiteral("pnpm · store");
        r.singleLinkFiles = true;
        addRoot(dev.roots, r, data.rootPath());
    }
    // Last: besides downloads, which Maven fetches again, its repository
    // holds what "mvn install" put there from the user's own projects, which
    // stays (neveroffer::isLocalBuild).
    {
        CategoryRoot m2;
        m2.path = inHome(".m2/repository");
        m2.label = QStringLiteral("Maven · repository");
        m2.keepsLocalBuilds = true;
        addRoot(dev.roots, m2, home);
    }
    defs.append(dev);

    //: Name of the cleanup category that empties the Trash
    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Trash"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
    handOutNotes(defs, notes);
    return defs;
}

#include "scan/catalogue.h"
#include "scan/cataloguerules.h"

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace cataloguerules;

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
    // Back: nothing needs them once a day has passed. Beside: the live files of running programs
    // and installers, and in C:\Windows\Temp other accounts' files, left out by those rules.
    for (const int i : {int(Temp), int(SystemTemp)}) {
        CategoryRoot r;
        r.path = bases.at(i).rootPath();
        r.ownEntriesOnly = i == SystemTemp;
        r.minAgeMs = DayMs;
        addRoot(temp.roots, r);
    }
    defs.append(temp);

    CategoryDef app = makeDef("appcache", trc(QT_TRANSLATE_NOOP("Categories", "App caches")),
                              //: Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them
                              trc(QT_TRANSLATE_NOOP("Categories", "Cache folders in %LOCALAPPDATA% and %APPDATA%")),
                              appCacheDescription(), "box", "#6366f1", Safe);
    // Back: each app fills its Cache, Code Cache and GPUCache again. Beside: its settings,
    // sign-ins and storage, never roots; inside them what neveroffer names stays.
    for (const CategoryRoot &r : discoverAppCaches({local.rootPath(), bases.at(Roaming).rootPath()}))
        addRoot(app.roots, r);
    // Back: DirectX compiles the shaders again.
    addRoot(app.roots, underLocal("appcache", "D3DSCache"),
            //: Item of the app caches; DirectX is the name of a program
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
    // Back: the browser downloads pages and compiles scripts again. Beside: the profile
    // (history, passwords, cookies, bookmarks), never roots.
    for (const auto &c : chromium) {
        for (const CategoryRoot &r :
             chromiumProfileRoots(underLocal("browser", c.userData), QString::fromLatin1(c.name)))
            addRoot(browser.roots, r);
    }
    // Back: Firefox downloads pages again; its profile is in %APPDATA%, never a root.
    for (const CategoryRoot &r : firefoxProfileRoots(underLocal("browser", "Mozilla/Firefox/Profiles")))
        addRoot(browser.roots, r);
    // Back: WinINet and the apps using it download again.
    addRoot(browser.roots, underLocal("browser", "Microsoft/Windows/INetCache"),
            //: Item of the browser caches
            trc(QT_TRANSLATE_NOOP("Categories", "Internet cache")));
    defs.append(browser);

    CategoryDef logs = makeDef("logs", trc(QT_TRANSLATE_NOOP("Categories", "Logs & crash reports")),
                               QStringLiteral("CrashDumps, Windows Error Reporting"), logsDescription(), "file",
                               "#78716c", Safe);
    // Back: nothing needs them; crash dumps and error reports already sent or never to be read.
    addRoot(logs.roots, underLocal("logs", "CrashDumps"));
    addRoot(logs.roots, underLocal("logs", "Microsoft/Windows/WER/ReportArchive"));
    addRoot(logs.roots, underLocal("logs", "Microsoft/Windows/WER/ReportQueue"));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportArchive")));
    addRoot(logs.roots, catalogueJoin(b.programData, QStringLiteral("Microsoft/Windows/WER/ReportQueue")));
    defs.append(logs);

    CategoryDef thumbs = makeDef("thumbs", trc(QT_TRANSLATE_NOOP("Categories", "Thumbnail cache")),
                                 QStringLiteral("Explorer thumbcache_*.db"), thumbsDescription(), "image",
                                 "#ec4899", Safe);
    // Back: Explorer makes the thumbnails and icons again when a folder is shown.
    addRoot(thumbs.roots, underLocal("thumbs", "Microsoft/Windows/Explorer"), {},
            {QStringLiteral("thumbcache_*.db"), QStringLiteral("iconcache_*.db")});
    defs.append(thumbs);

    //: Name of a cleanup category
    CategoryDef update = makeDef("update", trc(QT_TRANSLATE_NOOP("Categories", "Windows Update leftovers")),
                                 QStringLiteral("SoftwareDistribution, Delivery Optimization"),
                                 trc(QT_TRANSLATE_NOOP("Categories", "Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.")),
                                 "download", "#f59e0b", Review);
    update.needsAdmin = true;
    // Back: Windows Update and Delivery Optimization download again what they still need.
    addRoot(update.roots, catalogueJoin(b.systemRoot, QStringLiteral("SoftwareDistribution/Download")),
            //: Item of the Windows Update leftovers
            trc(QT_TRANSLATE_NOOP("Categories", "Windows Update downloads")));
    addRoot(update.roots,
            catalogueJoin(b.systemRoot, QStringLiteral("ServiceProfiles/NetworkService/AppData/Local/Microsoft/"
                                                       "Windows/DeliveryOptimization/Cache")),
            //: Item of the Windows Update leftovers; Delivery Optimization is a Windows service
            trc(QT_TRANSLATE_NOOP("Categories", "Delivery Optimization cache")));
    defs.append(update);

    CategoryDef dev = makeDef("dev", trc(QT_TRANSLATE_NOOP("Categories", "Developer caches")),
                              QStringLiteral("npm, Yarn, pip, NuGet, Go, Gradle"), devDescription(), "code",
                              "#8b5cf6", Review);
    const DevCache devCaches[] = {
        // Back, for each: the tool downloads or builds it again. Beside: nothing of the user's;
        // projects keep their own copies.
        {underLocal("dev", "npm-cache"), QT_TRANSLATE_NOOP("Categories", "npm cache")},
        {underLocal("dev", "Yarn/Cache"), QT_TRANSLATE_NOOP("Categories", "Yarn cache")},
        {underLocal("dev", "pip/cache"), QT_TRANSLATE_NOOP("Categories", "pip cache")},
        {underLocal("dev", "NuGet/v3-cache"), QT_TRANSLATE_NOOP("Categories", "NuGet HTTP cache")},
        {underLocal("dev", "go-build"), QT_TRANSLATE_NOOP("Categories", "Go build cache")},
        {bases.at(Gradle).rootPath(), QT_TRANSLATE_NOOP("Categories", "Gradle caches")},
    };
    for (const DevCache &c : devCaches)
        addRoot(dev.roots, c.path, trc(c.label));
    defs.append(dev);

    //: Name of the cleanup category that empties the Recycle Bin
    defs.append(trashDef(trc(QT_TRANSLATE_NOOP("Categories", "Recycle Bin"))));
    for (CategoryDef &d : defs)
        dropDuplicateRoots(d.roots);
    handOutNotes(defs, notes);
    return defs;
}

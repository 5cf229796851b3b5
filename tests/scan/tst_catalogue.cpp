#include "scan/catalogue.h"
#include "scan/category.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

QStringList field(const CategoryDef *def, QString CategoryRoot::*member)
{
    QStringList out;
    for (const CategoryRoot &r : def->roots)
        out.append(r.*member);
    return out;
}
QStringList labels(const CategoryDef *def) { return field(def, &CategoryRoot::label); }
QStringList paths(const CategoryDef *def) { return field(def, &CategoryRoot::path); }

const CategoryDef *find(const QList<CategoryDef> &defs, const QString &id)
{
    for (const CategoryDef &d : defs) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

void makeDirs(TempFolder &tmp, std::initializer_list<const char *> dirs)
{
    for (const char *dir : dirs)
        QVERIFY2(!tmp.makeDir(QString::fromUtf8(dir)).isEmpty(), dir);
}

LinuxBases linuxBases(const TempFolder &tmp)
{
    return {.home = tmp.path("home"), .cache = tmp.path("home/.cache"), .config = tmp.path("home/.config"),
            .data = tmp.path("home/.local/share"), .temp = tmp.path("tmp"), .system = tmp.path("sys")};
}

} // namespace

class TestCatalogue final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void subdirsSkipLinksAndFiles()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        makeDirs(tmp, {"base/real", "target"});
        tmp.makeFile("base/file.txt", "x");
        QVERIFY(!tmp.makeSymlink(tmp.path("target"), "base/link").isEmpty());
        QCOMPARE(listSubdirs(tmp.path("base")), QStringList{"real"});
        QVERIFY(listSubdirs(tmp.path("missing")).isEmpty());
        QVERIFY(listSubdirs(QString()).isEmpty());
    }

    void sameCategoriesOnBothPlatforms()
    {
        const QStringList ids{"temp", "appcache", "browser", "logs", "thumbs", "update", "dev", "trash"};
        const QList<int> risks{Safe, Safe, Safe, Safe, Safe, Review, Review, Permanent};
        for (const QList<CategoryDef> &defs : {::windowsCatalogue(WindowsBases{}), ::linuxCatalogue(LinuxBases{})}) {
            QCOMPARE(defs.size(), 8);
            for (int i = 0; i < 8; ++i) {
                const CategoryDef &d = defs.at(i);
                QCOMPARE(d.id, ids.at(i));
                QCOMPARE(d.risk, risks.at(i));
                QCOMPARE(d.needsAdmin, d.id == "update");
                QCOMPARE(d.isTrash, d.id == "trash");
            }
            QVERIFY(defs.at(7).roots.isEmpty());
        }
    }

    void windowsCatalogue()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString chrome = "local/Google/Chrome/User Data/";
        for (const char *dir : {"Default/Cache", "Default/Code Cache", "Default/Service Worker/CacheStorage",
                                "Profile 3/GPUCache", "profile 3/Cache", "ProfileX/Cache", "System Profile/Cache"})
            tmp.makeDir(chrome + dir);
        makeDirs(tmp, {"local/Microsoft/Edge/User Data/Profile 1/Code Cache",
                       "local/Google/Cache",          // belongs to the browser, not an app cache
                       "local/Microsoft/Teams/Cache", // "Microsoft" is skipped as a vendor
                       "local/Vendor/Tool/ShaderCache",
                       "local/Vendor/Tool/cache",     // names are case-sensitive
                       "local/Linked/real", "elsewhere", "local/D3DSCache",
                       "local/Mozilla/Firefox/Profiles/abc.default/cache2", "local/Mozilla/Firefox/Profiles/nocache",
                       "local/Microsoft/Windows/INetCache", "local/Microsoft/Windows/Explorer", "local/CrashDumps",
                       "local/npm-cache", "local/go-build", "roaming/Chat/GPUCache", "roaming/Chat/Cache", "sys/Temp",
                       "sys/SoftwareDistribution/Download", "data/Microsoft/Windows/WER/ReportQueue", "temp",
                       "home/.gradle/caches"});
        tmp.makeSymlink(tmp.path("elsewhere"), "local/Linked/Cache");

        const QList<CategoryDef> defs =
            ::windowsCatalogue({.localAppData = tmp.path("local"), .appData = tmp.path("roaming"),
                                .systemRoot = tmp.path("sys"), .programData = tmp.path("data"),
                                .temp = tmp.path("temp"), .home = tmp.path("home")});

        QCOMPARE(paths(&defs[0]), (QStringList{canonical(tmp.path("temp")), tmp.path("sys/Temp")}));
        QCOMPARE(labels(&defs[0]), (QStringList{"", ""}));
        // A day old in both; only the user's own entries in the shared one.
        QVERIFY(!defs[0].roots.at(0).ownEntriesOnly && defs[0].roots.at(1).ownEntriesOnly);

        const CategoryDef *app = find(defs, "appcache");
        QCOMPARE(labels(app), (QStringList{"Vendor Tool · ShaderCache", "Chat · Cache", "Chat · GPUCache",
                                           "DirectX shader cache"}));
        QCOMPARE(app->roots.at(1).path, tmp.path("roaming/Chat/Cache"));

        const CategoryDef *browser = find(defs, "browser");
        const QStringList bl = labels(browser);
        // Profiles come in listing order; the sub-paths of one profile in fixed order.
        const QStringList defaultRoots{"Google Chrome · Default · Cache", "Google Chrome · Default · Code Cache",
                                       "Google Chrome · Default · CacheStorage"};
        const qsizetype at = bl.indexOf(defaultRoots.first());
        QVERIFY(at >= 0);
        QCOMPARE(bl.mid(at, 3), defaultRoots);
        QVERIFY(bl.contains("Google Chrome · Profile 3 · GPUCache"));
        QCOMPARE(bl.filter("Google Chrome").size(), 4);
        QCOMPARE(bl.filter("Microsoft Edge"), QStringList{"Microsoft Edge · Profile 1 · Code Cache"});
        QCOMPARE(bl.mid(5), (QStringList{"Firefox · abc.default", "Internet cache"}));
        QCOMPARE(browser->roots.at(5).path, tmp.path("local/Mozilla/Firefox/Profiles/abc.default/cache2"));
        QVERIFY(paths(browser).contains(tmp.path(chrome + "Default/Service Worker/CacheStorage")));

        QCOMPARE(paths(find(defs, "logs")),
                 (QStringList{tmp.path("local/CrashDumps"), tmp.path("data/Microsoft/Windows/WER/ReportQueue")}));
        const CategoryDef *thumbs = find(defs, "thumbs");
        QCOMPARE(thumbs->roots.size(), 1);
        QCOMPARE(thumbs->roots.at(0).patterns, (QStringList{"thumbcache_*.db", "iconcache_*.db"}));
        QVERIFY(!thumbs->roots.at(0).isLabelled());
        QCOMPARE(labels(find(defs, "update")), QStringList{"Windows Update downloads"});
        QCOMPARE(labels(find(defs, "dev")), (QStringList{"npm cache", "Go build cache", "Gradle caches"}));
        for (const CategoryDef &d : defs) {
            for (const CategoryRoot &r : d.roots) {
                QVERIFY2(r.minAgeMs == (&d == &defs[0] ? 24LL * 60 * 60 * 1000 : 0), qPrintable(r.path));
                QVERIFY2(!r.ownEntriesOnly || &d == &defs[0], qPrintable(r.path));
                QVERIFY2(QFileInfo(r.path).isDir(), qPrintable(r.path));
            }
        }
    }

    // Unset per-user folders must not turn into folders relative to the working
    // directory, even when such folders exist there.
    void windowsUnsetBases()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        makeDirs(tmp, {"CrashDumps", "D3DSCache"});
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        const QList<CategoryDef> defs = ::windowsCatalogue(WindowsBases{});
        QDir::setCurrent(old);
        for (const CategoryDef &d : defs)
            QVERIFY2(d.roots.isEmpty(), qPrintable(d.id));
    }

    void linuxCatalogue()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        makeDirs(tmp, {"home/.config/Code/GPUCache", "home/.config/Code/Cache", "home/.config/Code/User",
                       "home/.config/autostart/Cache", "home/.config/google-chrome/Default/GPUCache",
                       "home/.config/google-chrome/Profile 1/Service Worker/CacheStorage",
                       "home/.config/google-chrome/Guest Profile/GPUCache", "home/.cache/google-chrome/Default/Cache",
                       "home/.cache/google-chrome/Default/Code Cache", "home/.cache/spotify", "home/.cache/Spotify",
                       "home/.cache/thumbnails/normal", "home/.cache/pip", "home/.cache/yarn",
                       "home/.cache/mozilla/firefox/x.default/cache2",
                       "home/snap/firefox/common/.cache/mozilla/firefox/y.snap/cache2", "home/.local/share/xorg",
                       "home/.cargo/registry/cache", "home/.npm/_cacache", "tmp", "sys/var/tmp", "sys/var/crash",
                       "sys/var/cache/apt/archives", "sys/var/cache/dnf"});
        const QList<CategoryDef> defs = ::linuxCatalogue(linuxBases(tmp));

        // Shared temporary folders: only the user's own entries, a day old.
        const CategoryDef &temp = defs.at(0);
        QCOMPARE(paths(&temp), (QStringList{canonical(tmp.path("tmp")), canonical(tmp.path("sys/var/tmp"))}));
        for (const CategoryRoot &r : temp.roots)
            QVERIFY(r.ownEntriesOnly && r.minAgeMs == 24LL * 60 * 60 * 1000 && !r.isLabelled());

        const QStringList app = labels(find(defs, "appcache"));
        QCOMPARE(app.mid(0, 2), (QStringList{"Code · Cache", "Code · GPUCache"}));
        QStringList fromCache = app.mid(2);
        fromCache.sort();
        QCOMPARE(fromCache, (QStringList{"Spotify", "spotify"}));  // two folders on a case-sensitive disk

        const CategoryDef *browser = find(defs, "browser");
        const QStringList bl = labels(browser);
        QCOMPARE(bl.filter("Google Chrome · Default").size(), 3);
        QVERIFY(bl.contains("Google Chrome · Profile 1 · CacheStorage"));
        QVERIFY(!bl.join(',').contains("Guest"));
        QVERIFY(paths(browser).contains(tmp.path("home/.cache/google-chrome/Default/Code Cache")));
        QVERIFY(paths(browser).contains(tmp.path("home/.config/google-chrome/Default/GPUCache")));
        QCOMPARE(bl.mid(bl.size() - 2), (QStringList{"Firefox · x.default", "Firefox · y.snap"}));

        // Only the named files are taken from home itself.
        const CategoryDef *logs = find(defs, "logs");
        QCOMPARE(paths(logs),
                 (QStringList{tmp.path("home/.local/share/xorg"), tmp.path("home"), tmp.path("sys/var/crash")}));
        QCOMPARE(logs->roots.at(0).patterns, (QStringList{"*.log", "*.log.old"}));
        QCOMPARE(logs->roots.at(1).patterns, QStringList{".xsession-errors.old"});
        QVERIFY(!logs->roots.at(1).ownEntriesOnly);
        QVERIFY(logs->roots.at(2).ownEntriesOnly && logs->roots.at(2).minAgeMs == 0);

        QCOMPARE(paths(find(defs, "thumbs")), QStringList{tmp.path("home/.cache/thumbnails")});
        const CategoryDef *update = find(defs, "update");
        QCOMPARE(paths(update), (QStringList{tmp.path("sys/var/cache/apt/archives"), tmp.path("sys/var/cache/dnf")}));
        QCOMPARE(update->roots.at(0).patterns, QStringList{"*.deb"});
        QVERIFY(!update->roots.at(0).isLabelled() && update->roots.at(1).isLabelled());
        QCOMPARE(labels(find(defs, "dev")),
                 (QStringList{"npm cache", "Yarn cache", "pip cache", "Cargo registry cache"}));
    }

    // Each base is judged by where it really points before anything below it
    // is offered. Setup steps: "dir:<rel>" makes a folder, "link:<rel>=<target>"
    // a symbolic link, "<base>=<rel>" points a base there ("." is the tree
    // itself, the home folder's parent). Every row starts from one layout
    // that serves both catalogues; roots come back as "<id> <path>", notes as
    // "<text> [<ids of the categories carrying it>]", paths relative to the tree.
    void bases_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("roots");
        QTest::addColumn<QStringList>("notes");

        const QStringList layout{"temp tmp", "temp sys/var/tmp", "appcache home/.config/Code/Cache",
                                 "appcache home/.cache/app", "logs home/.local/share/xorg", "logs home",
                                 "dev home/.gradle/caches"};
        const auto without = [](QStringList roots, const QString &root) {
            roots.removeAll(root);
            return roots;
        };
        const QString home = "home was left out: it is the home folder or holds it.";
        const QString cacheUsers = " [appcache browser thumbs dev]";

        QTest::newRow("normal layout") << false << QStringList{} << layout << QStringList{};
        QTest::newRow("TMPDIR is home") << false << QStringList{"temp=home"} << without(layout, "temp tmp")
                                        << QStringList{home + " [temp]"};
        // A temporary folder is judged where it really is; reached twice, it is listed once.
        QTest::newRow("TMPDIR links to /var/tmp")
            << false << QStringList{"link:tmplink=sys/var/tmp", "temp=tmplink"} << without(layout, "temp tmp")
            << QStringList{};
        QTest::newRow("TMPDIR in a protected folder")
            << false << QStringList{"dir:home/Documents", "temp=home/Documents"} << without(layout, "temp tmp")
            << QStringList{"home/Documents was left out: it lies in a protected location. [temp]"};
        QTest::newRow("cache links to /var/tmp")
            << false << QStringList{"link:home/cachelink=sys/var/tmp", "cache=home/cachelink"}
            << without(layout, "appcache home/.cache/app")
            << QStringList{"home/cachelink was left out: it leads through a link to sys/var/tmp." + cacheUsers};
        // Of two bases naming one folder the narrower role stays.
        QTest::newRow("TMPDIR is the cache folder")
            << false << QStringList{"dir:home/c/app", "temp=home/c", "cache=home/c"}
            << QStringList{"temp home/c", "temp sys/var/tmp", "appcache home/.config/Code/Cache",
                           "logs home/.local/share/xorg", "logs home", "dev home/.gradle/caches"}
            << QStringList{"home/c was left out: it overlaps home/c." + cacheUsers};
        // The outer base of two nested ones would take in the inner one whole.
        QTest::newRow("cache inside config")
            << false << QStringList{"dir:home/.config/cache/app2", "cache=home/.config/cache"}
            << QStringList{"temp tmp", "temp sys/var/tmp", "appcache home/.config/cache/app2",
                           "logs home/.local/share/xorg", "logs home", "dev home/.gradle/caches"}
            << QStringList{"home/.config was left out: it overlaps home/.config/cache. [appcache browser]"};
        QTest::newRow("data is home's parent")
            << false << QStringList{"data=."} << without(layout, "logs home/.local/share/xorg")
            << QStringList{". was left out: it is the home folder or holds it. [logs dev]"};
        QTest::newRow("dev root through a link below home")
            << false << QStringList{"dir:store/_cacache", "link:home/.npm=store"} << layout
            << QStringList{"home/.npm/_cacache was left out: it leads through a link to store/_cacache. [dev]"};
        QTest::newRow("trash folders of volumes")
            << false
            << QStringList{"dir:home/.cache/.Trash-1000/files", "dir:home/.config/.Trash/Cache",
                           "dir:home/.config/App/.Trash-1000/Cache"}
            << layout << QStringList{};
        // %LOCALAPPDATA%\Temp lies in a base, in a folder that base never enters.
        const QStringList windows{"temp home/AppData/Local/Temp", "temp sys/Temp",
                                  "appcache home/AppData/Local/Vendor/Cache", "dev home/.gradle/caches"};
        QTest::newRow("windows layout") << true << QStringList{} << windows << QStringList{};
        QTest::newRow("windows TEMP is home") << true << QStringList{"temp=home"}
                                              << without(windows, "temp home/AppData/Local/Temp")
                                              << QStringList{home + " [temp]"};
    }

    void bases()
    {
        QFETCH(bool, windows);
        QFETCH(QStringList, setup);
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        makeDirs(tmp, {"home/.cache/app", "home/.config/Code/Cache", "home/.local/share/xorg", "home/.gradle/caches",
                       "tmp", "sys/var/tmp", "sys/Temp", "home/AppData/Local/Vendor/Cache", "home/AppData/Local/Temp"});
        LinuxBases lb = linuxBases(tmp);
        WindowsBases wb{.localAppData = tmp.path("home/AppData/Local"), .appData = tmp.path("home/AppData/Roaming"),
                        .systemRoot = tmp.path("sys"), .programData = tmp.path("pd"),
                        .temp = tmp.path("home/AppData/Local/Temp"), .home = tmp.path("home")};
        for (const QString &step : std::as_const(setup)) {
            const QString arg = step.section(':', 1);
            const QString at = step.section('=', 1) == "." ? tmp.path() : tmp.path(step.section('=', 1));
            if (step.startsWith("dir:"))
                QVERIFY(!tmp.makeDir(arg).isEmpty());
            else if (step.startsWith("link:"))
                QVERIFY(!tmp.makeSymlink(at, arg.section('=', 0, 0)).isEmpty());
            else if (step.startsWith("temp="))
                (windows ? wb.temp : lb.temp) = at;
            else if (step.startsWith("cache="))
                lb.cache = at;
            else
                lb.data = at;
        }

        const QString root = canonical(tmp.path());
        const auto rel = [&](QString text) {
            for (const QString &r : {root, tmp.path()})
                text.replace(r + '/', QString()).replace(r, ".");
            return text;
        };
        QStringList roots;
        QStringList notes;
        QHash<QString, QStringList> carriers;
        const QList<CategoryDef> defs = windows ? ::windowsCatalogue(wb) : ::linuxCatalogue(lb);
        for (const CategoryDef &d : defs) {
            for (const CategoryRoot &r : d.roots)
                roots.append(d.id + ' ' + rel(r.path));
            for (const QString &n : d.notes) {
                if (!carriers.contains(n))
                    notes.append(n);
                carriers[n].append(d.id);
            }
        }
        for (QString &n : notes)
            n = rel(n) + " [" + carriers.value(n).join(' ') + ']';
        QTEST(roots, "roots");
        QTEST(notes, "notes");
    }

    // The real catalogue follows the HOME and XDG folders CTest points into the
    // build tree.
    void defaultIsSandboxed()
    {
        const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        if (!cache.contains(QLatin1String("test-sandbox")))
            QSKIP("needs the sandboxed XDG folders CTest sets up");
        const QString app = cache + QStringLiteral("/someapp");
        QVERIFY(QDir().mkpath(app));
        const QList<CategoryDef> defs = defaultCategories();
        QDir(app).removeRecursively();
        QVERIFY(paths(find(defs, "appcache")).contains(app));
        const QString sandbox = QFileInfo(QDir::homePath()).path();
        for (const char *id : {"appcache", "browser", "thumbs", "dev"}) {
            for (const CategoryRoot &r : find(defs, QString::fromLatin1(id))->roots)
                QVERIFY2(r.path.startsWith(sandbox), qPrintable(r.path));
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

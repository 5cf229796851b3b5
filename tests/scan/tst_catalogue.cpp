#include "scan/catalogue.h"
#include "scan/category.h"
#include "scan/fs.h"

#include "scan/scanner.h"
#include "support/holder.h"
#include "support/linuxhome.h"
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

    // Id, risk, "admin" where it needs elevation, "bin" for the rootless trash.
    // Unset Windows folders give no roots: never folders relative to the
    // working directory, even when such folders exist there.
    void sameCategoriesOnBothPlatforms()
    {
        TempFolder tmp;
        makeDirs(tmp, {"CrashDumps", "D3DSCache"});
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        WindowsBases unset;
        unset.systemRoot.clear();  // machine-wide: these exist on every Windows
        unset.programData.clear();
        const QList<CategoryDef> windows = ::windowsCatalogue(unset);
        QDir::setCurrent(old);
        for (const CategoryDef &d : windows)
            QVERIFY2(d.roots.isEmpty(), qPrintable(d.id));
        for (const QList<CategoryDef> &defs : {windows, ::linuxCatalogue(LinuxBases{})}) {
            QStringList got;
            for (const CategoryDef &d : defs)
                got << QStringLiteral("%1 %2%3%4").arg(d.id).arg(d.risk).arg(d.needsAdmin ? " admin" : "")
                           .arg(d.isTrash ? (d.roots.isEmpty() ? " bin" : " bin with roots") : "");
            QCOMPARE(got.join(", "), "temp 0, appcache 0, browser 0, logs 0, thumbs 0, update 1 admin, dev 1, trash 2 bin");
        }
    }

    void windowsCatalogue()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString chrome = "local/Google/Chrome/User Data/";
        for (const char *dir : {"Default/Cache", "Default/Code Cache", "Default/Service Worker/CacheStorage",
                                "Profile 3/GPUCache", "ProfileX/Cache", "System Profile/Cache"})
            tmp.makeDir(chrome + dir);
#ifndef Q_OS_WIN // one folder with "Profile 3" where names ignore case
        tmp.makeDir(chrome + "profile 3/Cache");
#endif
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
        // Neither a link to a folder nor a file named like a cache is one.
        tmp.makeSymlink(tmp.path("elsewhere"), "local/Linked/Cache");
        tmp.makeFile("roaming/Chat/Code Cache");

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

    // What a scan of a realistic home offers, path by path: the category
    // ("-": never offered) and its risk. Paths are files of the fixture; one
    // is offered when an item of the scan is that file or holds it.
    void linuxHome_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("offered");

        const struct { const char *path; const char *offered; } rows[] = {
            // The cache folder: every folder a cache, with exceptions.
            {"home/.cache/mesa_shader_cache/1a/blob", "appcache Safe"},
            {"home/.cache/fontconfig/a-le64.cache-9", "appcache Safe"},
            {"home/.cache/spotify/Data/ab/abcdef.file", "appcache Safe"},
            {"home/.cache/spotify/Storage/offline.bnk", "-"},
            {"home/.cache/doc/1a2b3c/Report.odt", "-"},
            {"home/.cache/obexd/photo.jpg", "-"},
            {"home/.cache/ibus/libpinyin/user.db", "-"},
            {"home/.cache/kioexec/krun/12345_0/notes.txt", "-"},
            {"home/.cache/evolution/mail/abc/folders.db", "-"},
            {"home/.cache/wallpaper/current.jpg", "-"},
            {"home/.cache/pypoetry/virtualenvs/proj-py3.11/lib/site.py", "-"},
            {"home/.cache/.Trash-1000/files/x", "-"},
            {"home/.cache/loose-file.bin", "appcache Safe"},
            {"home/.cache/event-sound-cache.tdb.abc.x86_64-pc-linux-gnu", "-"},  // written just now
            {"home/.cache/pypoetry/cache/repositories/PyPI/_http/x", "dev Review"},
            {"home/.cache/pypoetry/artifacts/ab/cd/pkg.whl", "dev Review"},
            {"home/.cache/huggingface/hub/models--bert/blobs/abc", "dev Review"},
            {"home/.cache/ms-playwright/chromium-1091/chrome-linux/chrome", "dev Review"},
            {"home/.cache/JetBrains/IntelliJIdea2023.3/index/x", "dev Review"},
            {"home/.cache/uv/wheels-v1/x.whl", "dev Review"},
            {"home/.cache/pre-commit/repoabc/x.py", "dev Review"},
            {"home/.cache/pnpm/metadata/registry.npmjs.org/x.json", "dev Review"},
            {"home/.cache/thumbnails/normal/1.png", "thumbs Safe"},
            {"home/.thumbnails/normal/old.png", "thumbs Safe"},
            // Electron apps; settings and storage beside the caches stay.
            {"home/.config/Code/Cache/Cache_Data/x", "appcache Safe"},
            {"home/.config/Code/CachedExtensionVSIXs/ms-python.python-2024", "appcache Safe"},
            {"home/.config/Code/Service Worker/CacheStorage/abc/x", "appcache Safe"},
            {"home/.config/Microsoft/Microsoft Teams/Cache/x", "appcache Safe"},
            {"home/.config/Code/Crashpad/completed/a.dmp", "logs Safe"},
            {"home/.config/Code/Crashpad/pending/b.dmp", "-"},  // written just now
            {"home/.config/Code/logs/20240101T100000/main.log", "logs Safe"},
            {"home/.config/Code/logs/20250101T100000/main.log", "-"},
            {"home/.config/Slack/logs/browser.log", "logs Safe"},
            {"home/.config/Code/User/settings.json", "-"},
            {"home/.config/Code/User/globalStorage/state.vscdb", "-"},
            {"home/.config/Slack/Local Storage/leveldb/000003.log", "-"},
            {"home/.config/autostart/x.desktop", "-"},
            // Browsers.
            {"home/.config/google-chrome/Default/DawnGraphiteCache/data_0", "browser Safe"},
            {"home/.config/google-chrome/GrShaderCache/data_0", "browser Safe"},
            {"home/.config/google-chrome/GraphiteDawnCache/data_0", "browser Safe"},
            {"home/.config/google-chrome/component_crx_cache/x.crx", "browser Safe"},
            {"home/.config/google-chrome/BrowserMetrics/BrowserMetrics-1.pma", "browser Safe"},
            {"home/.cache/google-chrome/Default/Code Cache/js/x", "browser Safe"},
            {"home/.config/google-chrome/Default/Bookmarks", "-"},
            {"home/.config/google-chrome/Default/History", "-"},
            {"home/.cache/mozilla/firefox/abcd.default-release/startupCache/startupCache.8.little", "browser Safe"},
            {"home/.mozilla/firefox/abcd.default-release/places.sqlite", "-"},
            {"home/.mozilla/firefox/abcd.default-release/minidumps/x.dmp", "logs Safe"},
            {"home/.mozilla/firefox/Crash Reports/submitted/bp-x.txt", "logs Safe"},
            {"home/.thunderbird/Crash Reports/pending/q.dmp", "logs Safe"},
            {"home/.thunderbird/abc.default/ImapMail/imap.example.org/INBOX", "-"},
            // Flatpak and Snap apps.
            {"home/.var/app/com.discordapp.Discord/config/discord/Cache/Cache_Data/x", "running"},
            {"home/.var/app/com.discordapp.Discord/config/discord/Local Storage/leveldb/x", "-"},
            {"home/.var/app/org.gnome.Epiphany/cache/epiphany/x", "appcache Safe"},
            {"home/.var/app/com.spotify.Client/cache/spotify/Data/x", "appcache Safe"},
            {"home/.var/app/com.spotify.Client/cache/spotify/Storage/y", "-"},
            {"home/.var/app/org.mozilla.firefox/cache/mozilla/firefox/xyz.default/cache2/x", "browser Safe"},
            {"home/.var/app/org.mozilla.firefox/.mozilla/firefox/xyz.default/places.sqlite", "-"},
            {"home/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/x", "browser Safe"},
            {"home/snap/firefox/common/.cache/mozilla/firefox/snap.default/cache2/x", "browser Safe"},
            {"home/snap/firefox/4173/.mozilla/firefox/snap.default/places.sqlite", "-"},
            {"home/snap/code/150/.config/Code/Cache/x", "appcache Safe"},
            {"home/snap/chromium/common/.cache/chromium/Default/Cache/x", "browser Safe"},
            {"home/snap/chromium/common/.cache/fontconfig/y", "appcache Safe"},
            // Steam, Proton and Wine.
            {"home/.local/share/Steam/steamapps/shadercache/570/fozpipelinesv6/x", "appcache Safe"},
            {"home/.local/share/Steam/config/htmlcache/Code Cache/x", "appcache Safe"},
            {"home/.local/share/Steam/appcache/librarycache/570_header.jpg", "appcache Safe"},
            {"home/.local/share/Steam/logs/content_log.txt", "logs Safe"},
            {"home/.local/share/Steam/logs/stderr.txt", "-"},
            {"home/.local/share/Steam/steamapps/common/Game/game.bin", "-"},
            {"home/.local/share/Steam/config/htmlcache/Cookies", "-"},
            {"home/.local/share/Steam/appcache/appinfo.vdf", "-"},
            {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/windows/temp/x.tmp", "temp Safe"},
            {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/users/steamuser/AppData/Local/Temp/y.tmp",
             "temp Safe"},
            {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/users/steamuser/Documents/save.dat", "-"},
            {"home/.wine/drive_c/users/alice/AppData/Local/Temp/b.tmp", "temp Safe"},
            {"home/.wine/drive_c/users/alice/Documents/letter.doc", "-"},
            // Developer tools.
            {"home/.cargo/registry/src/index.crates.io-x/serde-1.0/lib.rs", "dev Review"},
            {"home/.cargo/registry/index/index.crates.io-x/.cache/se/rd/serde", "dev Review"},
            {"home/.cargo/git/checkouts/repo-abc/123/src.rs", "dev Review"},
            {"home/.cargo/bin/cargo-edit", "-"},
            {"home/go/pkg/mod/cache/download/github.com/x/@v/v1.zip", "dev Review"},
            {"home/go/pkg/mod/github.com/x@v1/x.go", "-"},
            {"home/.npm/_npx/abc/node_modules/x", "dev Review"},
            {"home/.npm/_logs/2024-01-01T10_00_00_000Z-debug-0.log", "logs Safe"},
            {"home/.gradle/wrapper/dists/gradle-8.5-bin/abc/gradle.zip", "dev Review"},
            {"home/.gradle/daemon/8.5/daemon-1234.out.log", "logs Safe"},
            {"home/.gradle/gradle.properties", "-"},
            {"home/.yarn/berry/cache/x.zip", "dev Review"},
            {"home/miniconda3/pkgs/numpy-1.26-py311.conda", "dev Review"},
            {"home/miniconda3/pkgs/cache/abc.json", "dev Review"},
            {"home/miniconda3/pkgs/numpy-1.26-py311/lib/x.so", "-"},  // hard-linked into environments
            {"home/miniconda3/envs/ml/lib/x.so", "-"},
            {"home/.m2/repository/org/x/1.0/x-1.0.jar", "dev Review"},
            {"home/.m2/repository/org/y/2.0/y-2.0.jar", "-"},
            {"home/.m2/repository/com/mine/app/1.0-SNAPSHOT/app-1.0-SNAPSHOT.jar", "-"},
            {"home/.m2/repository/com/mine/lib/2.0/lib-2.0.jar", "-"},
            {"home/.cache/rclone/vfs/drive/notes/todo.md", "-"},
            {"home/.cache/onedriver/home-alice-OneDrive/content/ab12", "-"},
            {"home/.cache/onedriver/home-alice-OneDrive/auth_tokens.json", "-"},
            {"home/.cache/JetBrains/IntelliJIdea2023.3/caches/content.dat", "dev Review"},
            {"home/.cache/JetBrains/IntelliJIdea2023.3/LocalHistory/changes.storageData", "-"},
            {"home/.cache/JetBrains/IntelliJIdea2023.3/tasks/app.contexts.zip", "-"},
            {"home/.cache/Google/AndroidStudio2023.1/caches/x", "appcache Safe"},
            {"home/.cache/Google/AndroidStudio2023.1/LocalHistory/changes.storageData", "-"},
            {"home/.cache/huggingface/token", "-"},
            {"home/.cache/huggingface/stored_tokens", "-"},
            {"home/.cache/huggingface/.netrc", "-"},
            {"home/.cache/buildcache/buildcache.conf", "-"},
            {"home/.cache/buildcache/a/b/x.o", "appcache Safe"},
            {"home/.cache/vim/swap/%home%alice%notes.txt.swp", "-"},
            {"home/.cache/vim/undo/%home%alice%notes.txt", "-"},
            {"home/.cache/sessions/xfce4-session-host:0", "-"},
            {"home/.local/share/pnpm/store/v3/files/ab/linked", "-"},  // stays; the item counts only the rest
            {"home/.local/share/pnpm/store/v3/files/cd/single", "dev Review"},
            {"home/.local/share/TelegramDesktop/tdata/user_data/cache/0/x", "running"},
            {"home/.local/share/TelegramDesktop/tdata/user_data/media_cache/y", "running"},
            {"home/.local/share/TelegramDesktop/tdata/key_datas", "-"},
            // Loose files.
            {"home/.nv/GLCache/abc/x", "appcache Safe"},
            {"home/.xsession-errors.old", "logs Safe"},
            {"home/.xsession-errors", "-"},
            {"home/hs_err_pid4242.log", "logs Safe"},
            {"home/java_pid4242.hprof", "logs Safe"},
            {"home/.local/share/sddm/xorg-session.log", "logs Safe"},
            {"home/.local/share/sddm/wayland-session.log", "-"},
            {"home/.local/share/Trash/files/old.iso", "-"},  // the trash is measured by its own services
            {"home/Documents/report.odt", "-"},
            {"home/projects/app/src/index.js", "-"},
            {"tmp/old-build/x.o", "temp Safe"},
            {"tmp/fresh.txt", "-"},
            {"sys/var/crash/_usr_bin_app.1000.crash", "logs Safe"},
            {"sys/var/cache/apt/archives/app_1.0_amd64.deb", "update Review"},
            {"sys/var/cache/apt/archives/lock", "-"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.path) << QString::fromUtf8(r.path) << QString::fromUtf8(r.offered);
    }

    void linuxHome()
    {
#ifdef Q_OS_WIN
        QSKIP("the scan applies this system's protected locations, the table Linux's");
#endif
        QFETCH(QString, path);
        static TempFolder tmp;
        static QHash<QString, QString> offered;  // item path -> "id Risk"
        static QHash<QString, ScanItem> items;
        if (offered.isEmpty()) {
            QVERIFY(tmp.isValid() && buildLinuxHome(tmp.path()));
#ifndef Q_OS_WIN
            // Programs at work outside the cache folder, known by no name: a
            // chat program working in its data folder, and a Flatpak app
            // holding a file of its own open. The environment names the
            // tree's folders while the scan runs, as it would the user's.
            const LinuxBases bases = linuxHomeBases(tmp.path());
            const QHash<const char *, QString> env{{"HOME", bases.home}, {"XDG_CACHE_HOME", bases.cache},
                                                   {"XDG_CONFIG_HOME", bases.config}, {"XDG_DATA_HOME", bases.data}};
            QHash<const char *, QByteArray> saved;
            for (auto it = env.cbegin(); it != env.cend(); ++it) {
                saved.insert(it.key(), qgetenv(it.key()));
                qputenv(it.key(), QFile::encodeName(it.value()));
            }
            const auto restore = qScopeGuard([&] {
                for (auto it = saved.cbegin(); it != saved.cend(); ++it)
                    qputenv(it.key(), it.value());
            });
            testsupport::Holder chat(tmp.path("home/.local/share/TelegramDesktop/tdata"),
                                     testsupport::Holder::WorkingFolder);
            testsupport::Holder flatpak(
                tmp.path("home/.var/app/com.discordapp.Discord/config/discord/Local Storage/leveldb/x"));
            QVERIFY(chat.ready() && flatpak.ready());
#endif
            Scanner scanner([root = tmp.path()] { return ::linuxCatalogue(linuxHomeBases(root)); });
            QList<CategoryResult> results;
            connect(&scanner, &Scanner::finished, this,
                    [&](const QList<CategoryResult> &r, bool) { results = r; }, Qt::DirectConnection);
            scanner.start({});
            scanner.wait();
            QCOMPARE(results.size(), 8);
            for (const CategoryResult &c : std::as_const(results)) {
                for (const ScanItem &item : c.items) {
                    // Shown, but neither ticked nor cleaned while its program runs.
                    offered.insert(item.path, item.runningApp.isEmpty() ? c.id + ' ' + riskLabel(c.risk)
                                                                        : QStringLiteral("running"));
                    items.insert(item.path, item);
                }
            }
        }
        const QString full = tmp.path(path);
        QVERIFY2(QFileInfo(full).isFile(), "not in the fixture");
        QString got = "-";
        for (QString at = full; at.size() > tmp.path().size(); at = QFileInfo(at).path()) {
            if (offered.contains(at)) {
                // Inside an offered item, what the cleaner keeps (as the
                // scanner's and the cleaner's matcher answer) stays.
                const ScanItem &item = items.value(at);
                ExclusionMatcher keeping({}, true);
                keeping.setKeepsLinkedFiles(item.linkedFilesStay);
                keeping.setKeepsLocalBuilds(item.localBuildsStay);
                if (item.topSettingsStay)
                    keeping.setItemRoot(item.path);
                bool kept = false;
                QString folder = at;
                const QStringList parts = full.mid(at.size() + 1).split('/');
                for (qsizetype i = 0; i < parts.size() && !kept && full != at; ++i) {
                    kept = keeping.matchesChild(folder, parts.at(i), i + 1 < parts.size());
                    folder += '/' + parts.at(i);
                }
                fs::Entry e;
                if (!kept && !(fs::stat(full, e) && keeping.keepsFile(e.links)))
                    got = offered.value(at);
                break;
            }
        }
        QTEST(got, "offered");
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
                                 "appcache home/.cache/app", "appcache home/.cache", "logs home/.local/share/xorg",
                                 "logs home", "dev home/.gradle/caches"};
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
            << without(without(layout, "appcache home/.cache/app"), "appcache home/.cache")
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
                           "appcache home/.config/cache", "logs home/.local/share/xorg", "logs home", "dev home/.gradle/caches"}
            << QStringList{"home/.config was left out: it overlaps home/.config/cache. [appcache browser logs]"};
        QTest::newRow("data is home's parent")
            << false << QStringList{"data=."} << without(layout, "logs home/.local/share/xorg")
            << QStringList{". was left out: it is the home folder or holds it. [temp appcache logs dev]"};
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
        if (testsupport::runsUnderWine() && setup.join(' ').contains("link:"))
            QSKIP("Wine shows a symbolic link as the folder it leads to");
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
#ifdef Q_OS_WIN
            text = QDir::fromNativeSeparators(text);  // notes show native paths
#endif
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
        roots.removeDuplicates();  // home is listed for logs with two sets of patterns
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

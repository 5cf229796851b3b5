#include "linuxhome.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "tempfolder.h"

#include "scan/fs.h"

#include <algorithm>

const QList<LinuxHomeFile> &linuxHomeFiles()
{
    static const QList<LinuxHomeFile> files = {
        // The cache folder: caches by definition, and the exceptions.
        {"home/.cache/thumbnails/normal/1.png", 30, 3},
        {"home/.cache/fontconfig/a-le64.cache-9", 4, 10},
        {"home/.cache/mesa_shader_cache/1a/blob", 240, 2},
        {"home/.cache/doc/1a2b3c/Report.odt", 80, 40},      // document portal: the user's own files
        {"home/.cache/obexd/photo.jpg", 30, 40},            // files received over Bluetooth
        {"home/.cache/ibus/libpinyin/user.db", 10, 5},      // learned input
        {"home/.cache/kioexec/krun/12345_0/notes.txt", 2, 3},  // remote file being edited
        {"home/.cache/evolution/mail/abc/folders.db", 60, 1},
        {"home/.cache/wallpaper/current.jpg", 20, 30},
        {"home/.cache/spotify/Data/ab/abcdef.file", 900, 5},
        {"home/.cache/spotify/Storage/offline.bnk", 3000, 20},  // offline downloads
        {"home/.cache/pypoetry/virtualenvs/proj-py3.11/lib/site.py", 400, 30},
        {"home/.cache/pypoetry/cache/repositories/PyPI/_http/x", 150, 30},
        {"home/.cache/pypoetry/artifacts/ab/cd/pkg.whl", 300, 30},
        {"home/.cache/huggingface/hub/models--bert/blobs/abc", 2500, 60},
        {"home/.cache/ms-playwright/chromium-1091/chrome-linux/chrome", 1500, 90},
        {"home/.cache/JetBrains/IntelliJIdea2023.3/index/x", 800, 10},
        {"home/.cache/uv/wheels-v1/x.whl", 300, 10},
        {"home/.cache/pre-commit/repoabc/x.py", 100, 20},
        {"home/.cache/pnpm/metadata/registry.npmjs.org/x.json", 60, 10},
        {"home/.cache/google-chrome/Default/Code Cache/js/x", 100, 1},
        {"home/.cache/mozilla/firefox/abcd.default-release/startupCache/startupCache.8.little", 10, 1},
        {"home/.cache/loose-file.bin", 10, 30},
        {"home/.cache/event-sound-cache.tdb.abc.x86_64-pc-linux-gnu", 5, 0},
        {"home/.cache/.Trash-1000/files/x", 50, 10},
        // The config folder: Electron and Chromium caches beside settings.
        {"home/.config/Code/Cache/Cache_Data/x", 200, 2},
        {"home/.config/Code/CachedExtensionVSIXs/ms-python.python-2024", 400, 10},
        {"home/.config/Code/Service Worker/CacheStorage/abc/x", 50, 5},
        {"home/.config/Code/Crashpad/completed/a.dmp", 30, 10},
        {"home/.config/Code/Crashpad/pending/b.dmp", 20, 0},
        {"home/.config/Code/logs/20240101T100000/main.log", 20, 20},
        {"home/.config/Code/logs/20250101T100000/main.log", 10, 0},
        {"home/.config/Code/User/settings.json", 1, 1},
        {"home/.config/Code/User/globalStorage/state.vscdb", 30, 1},
        {"home/.config/Slack/logs/browser.log", 40, 5},
        {"home/.config/Slack/Local Storage/leveldb/000003.log", 10, 1},
        {"home/.config/Microsoft/Microsoft Teams/Cache/x", 200, 2},
        {"home/.config/google-chrome/Default/DawnGraphiteCache/data_0", 10, 1},
        {"home/.config/google-chrome/Default/Bookmarks", 1, 1},
        {"home/.config/google-chrome/Default/History", 20, 1},
        {"home/.config/google-chrome/GrShaderCache/data_0", 30, 1},
        {"home/.config/google-chrome/GraphiteDawnCache/data_0", 20, 1},
        {"home/.config/google-chrome/component_crx_cache/x.crx", 150, 20},
        {"home/.config/google-chrome/BrowserMetrics/BrowserMetrics-1.pma", 40, 3},
        {"home/.config/autostart/x.desktop", 1, 100},
        // Mozilla profiles: live data, crash reports beside it.
        {"home/.mozilla/firefox/abcd.default-release/places.sqlite", 50, 0},
        {"home/.mozilla/firefox/abcd.default-release/minidumps/x.dmp", 200, 10},
        {"home/.mozilla/firefox/Crash Reports/submitted/bp-x.txt", 1, 30},
        {"home/.thunderbird/abc.default/ImapMail/imap.example.org/INBOX", 200, 1},
        {"home/.thunderbird/Crash Reports/pending/q.dmp", 80, 15},
        // The data folder.
        {"home/.local/share/sddm/xorg-session.log", 30, 3},
        {"home/.local/share/sddm/wayland-session.log", 5, 0},
        {"home/.local/share/Trash/files/old.iso", 500, 10},
        {"home/.local/share/Steam/steamapps/shadercache/570/fozpipelinesv6/x", 400, 5},
        {"home/.local/share/Steam/steamapps/common/Game/game.bin", 2000, 30},
        {"home/.local/share/Steam/config/htmlcache/Code Cache/x", 40, 1},
        {"home/.local/share/Steam/config/htmlcache/Cookies", 1, 1},
        {"home/.local/share/Steam/appcache/librarycache/570_header.jpg", 100, 3},
        {"home/.local/share/Steam/appcache/appinfo.vdf", 50, 1},
        {"home/.local/share/Steam/logs/content_log.txt", 30, 3},
        {"home/.local/share/Steam/logs/stderr.txt", 5, 0},
        {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/windows/temp/x.tmp", 50, 10},
        {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/users/steamuser/AppData/Local/Temp/y.tmp",
         40, 10},
        {"home/.local/share/Steam/steamapps/compatdata/570/pfx/drive_c/users/steamuser/Documents/save.dat", 10, 10},
        {"home/.local/share/pnpm/store/v3/files/ab/linked", 300, 20},
        {"home/.local/share/pnpm/store/v3/files/cd/single", 100, 20},
        {"home/.local/share/TelegramDesktop/tdata/user_data/cache/0/x", 500, 5},
        {"home/.local/share/TelegramDesktop/tdata/user_data/media_cache/y", 300, 5},
        {"home/.local/share/TelegramDesktop/tdata/key_datas", 1, 5},
        // Wine.
        {"home/.wine/drive_c/users/alice/AppData/Local/Temp/b.tmp", 40, 10},
        {"home/.wine/drive_c/users/alice/Documents/letter.doc", 20, 10},
        // Flatpak apps.
        {"home/.var/app/com.discordapp.Discord/config/discord/Cache/Cache_Data/x", 400, 2},
        {"home/.var/app/com.discordapp.Discord/config/discord/Local Storage/leveldb/x", 10, 1},
        {"home/.var/app/org.mozilla.firefox/cache/mozilla/firefox/xyz.default/cache2/x", 500, 1},
        {"home/.var/app/org.mozilla.firefox/.mozilla/firefox/xyz.default/places.sqlite", 50, 1},
        {"home/.var/app/org.gnome.Epiphany/cache/epiphany/x", 100, 2},
        {"home/.var/app/com.spotify.Client/cache/spotify/Data/x", 700, 3},
        {"home/.var/app/com.spotify.Client/cache/spotify/Storage/y", 1500, 20},
        {"home/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/x", 400, 1},
        {"home/.var/app/com.google.Chrome/config/google-chrome/Default/Preferences", 5, 1},
        // Snap apps ("current" links to the revision folder).
        {"home/snap/firefox/common/.cache/mozilla/firefox/snap.default/cache2/x", 300, 1},
        {"home/snap/firefox/4173/.mozilla/firefox/snap.default/places.sqlite", 50, 1},
        {"home/snap/code/150/.config/Code/Cache/x", 200, 2},
        {"home/snap/chromium/common/.cache/chromium/Default/Cache/x", 300, 1},
        {"home/snap/chromium/2701/.config/chromium/Default/Preferences", 5, 1},
        {"home/snap/chromium/common/.cache/fontconfig/y", 4, 3},
        // Developer tools.
        {"home/.npm/_npx/abc/node_modules/x", 150, 10},
        {"home/.npm/_logs/2024-01-01T10_00_00_000Z-debug-0.log", 5, 10},
        {"home/.gradle/wrapper/dists/gradle-8.5-bin/abc/gradle.zip", 1200, 40},
        {"home/.gradle/daemon/8.5/daemon-1234.out.log", 60, 10},
        {"home/.gradle/gradle.properties", 1, 100},
        {"home/.cargo/registry/src/index.crates.io-x/serde-1.0/lib.rs", 500, 20},
        {"home/.cargo/registry/index/index.crates.io-x/.cache/se/rd/serde", 200, 20},
        {"home/.cargo/git/checkouts/repo-abc/123/src.rs", 200, 20},
        {"home/.cargo/bin/cargo-edit", 800, 20},
        {"home/go/pkg/mod/cache/download/github.com/x/@v/v1.zip", 300, 20},
        {"home/go/pkg/mod/github.com/x@v1/x.go", 400, 20},
        {"home/.yarn/berry/cache/x.zip", 200, 20},
        {"home/miniconda3/pkgs/numpy-1.26-py311.conda", 300, 30},
        {"home/miniconda3/pkgs/numpy-1.26-py311/lib/x.so", 600, 30},
        {"home/miniconda3/pkgs/cache/abc.json", 50, 30},
        {"home/miniconda3/envs/ml/lib/x.so", 600, 30},
        {"home/.m2/repository/org/x/1.0/x-1.0.jar", 500, 60},
        {"home/.m2/repository/org/y/2.0/y-2.0.jar", 200, 60},  // origin unknown
        {"home/.m2/repository/com/mine/app/1.0-SNAPSHOT/app-1.0-SNAPSHOT.jar", 300, 5},  // mvn install
        {"home/.m2/repository/com/mine/lib/2.0/lib-2.0.jar", 100, 5},  // Gradle's publishToMavenLocal
        // Never offered, inside caches that are: writes not yet uploaded,
        // local histories, tokens, settings, editor recovery.
        {"home/.cache/rclone/vfs/drive/notes/todo.md", 20, 2},
        {"home/.cache/onedriver/home-alice-OneDrive/content/ab12", 300, 2},
        {"home/.cache/onedriver/home-alice-OneDrive/auth_tokens.json", 1, 2},
        {"home/.cache/JetBrains/IntelliJIdea2023.3/caches/content.dat", 400, 10},
        {"home/.cache/JetBrains/IntelliJIdea2023.3/LocalHistory/changes.storageData", 200, 1},
        {"home/.cache/JetBrains/IntelliJIdea2023.3/tasks/app.contexts.zip", 10, 1},
        {"home/.cache/Google/AndroidStudio2023.1/caches/x", 300, 10},
        {"home/.cache/Google/AndroidStudio2023.1/LocalHistory/changes.storageData", 100, 1},
        {"home/.cache/huggingface/token", 1, 60},
        {"home/.cache/huggingface/stored_tokens", 1, 60},
        {"home/.cache/huggingface/.netrc", 1, 60},
        {"home/.cache/buildcache/buildcache.conf", 1, 60},
        {"home/.cache/buildcache/a/b/x.o", 200, 10},
        {"home/.cache/vim/swap/%home%alice%notes.txt.swp", 12, 1},
        {"home/.cache/vim/undo/%home%alice%notes.txt", 8, 1},
        {"home/.cache/sessions/xfce4-session-host:0", 4, 3},
        // Loose files of the home folder.
        {"home/.nv/GLCache/abc/x", 80, 5},
        {"home/.thumbnails/normal/old.png", 20, 400},
        {"home/.xsession-errors.old", 20, 10},
        {"home/.xsession-errors", 5, 0},
        {"home/hs_err_pid4242.log", 30, 10},
        {"home/java_pid4242.hprof", 3000, 30},
        {"home/Documents/report.odt", 100, 10},
        {"home/projects/app/src/index.js", 5, 1},
        // Shared temporary folders.
        {"tmp/old-build/x.o", 100, 10},
        {"tmp/fresh.txt", 10, 0},
        {"sys/var/crash/_usr_bin_app.1000.crash", 40, 10},
        {"sys/var/cache/apt/archives/app_1.0_amd64.deb", 90, 10},
        {"sys/var/cache/apt/archives/lock", 1, 10},
    };
    return files;
}

const QList<std::pair<const char *, const char *>> &linuxHomeTexts()
{
    static const QList<std::pair<const char *, const char *>> texts = {
        {"home/.m2/repository/org/x/1.0/_remote.repositories", "x-1.0.jar>central=\n"},
        {"home/.m2/repository/com/mine/app/1.0-SNAPSHOT/_remote.repositories", "app-1.0-SNAPSHOT.jar>=\n"},
        {"home/.m2/repository/com/mine/lib/maven-metadata-local.xml", "<metadata/>\n"},
    };
    return texts;
}

bool buildLinuxHome(const QString &root)
{
    constexpr qint64 day = 24LL * 60 * 60 * 1000;
    // Making a file leaves a change time of now, which no program can set
    // back: the engines' clock goes sixty days ahead instead, and the ages are
    // counted from there.
    fs::detail::setClockOffset(60 * day);
    const qint64 now = fs::now();
    bool ok = true;
    for (const LinuxHomeFile &f : linuxHomeFiles()) {
        const QString p = root + QLatin1Char('/') + QString::fromUtf8(f.path);
        ok = testsupport::writeFileOfSize(p, f.kib * 1024LL)
            && testsupport::setModificationTime(p, QDateTime::fromMSecsSinceEpoch(now - f.ageDays * day)) && ok;
    }
    for (const auto &[path, text] : linuxHomeTexts()) {
        QFile f(root + QLatin1Char('/') + QString::fromUtf8(path));
        ok = f.open(QIODevice::WriteOnly) && f.write(text) == qint64(qstrlen(text)) && ok;
    }
    // The pnpm store hard-links its files into every project that uses them.
    ok = QDir().mkpath(root + QStringLiteral("/home/projects/app/node_modules/.pnpm")) && ok;
    ok = testsupport::makeHardLink(root + QStringLiteral("/home/.local/share/pnpm/store/v3/files/ab/linked"),
                                   root + QStringLiteral("/home/projects/app/node_modules/.pnpm/linked"))
        && ok;
    // Snap keeps every revision in its own folder and links "current" to one;
    // Steam links ~/.steam/steam to its data folder.
    const struct { const char *target; const char *link; } links[] = {
        {"4173", "home/snap/firefox/current"},
        {"150", "home/snap/code/current"},
        {"2701", "home/snap/chromium/current"},
        {"../.local/share/Steam", "home/.steam/steam"},
    };
    for (const auto &l : links) {
        const QString at = root + QLatin1Char('/') + QString::fromLatin1(l.link);
        ok = QDir().mkpath(QFileInfo(at).path()) && testsupport::makeSymlink(QString::fromLatin1(l.target), at) && ok;
    }
    ok = QDir().mkpath(root + QStringLiteral("/tmp")) && ok;

    // Folders take the time of the newest file below them, deepest first.
    QStringList dirs;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        dirs.append(it.next());
    std::sort(dirs.begin(), dirs.end(), [](const QString &a, const QString &b) {
        return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/'));
    });
    for (const QString &d : std::as_const(dirs)) {
        if (QFileInfo(d).isSymLink())
            continue;
        qint64 newest = 0;
        const QFileInfoList entries =
            QDir(d).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QFileInfo &e : entries) {
            if (!e.isSymLink())
                newest = std::max(newest, e.lastModified().toMSecsSinceEpoch());
        }
        if (newest > 0)
            ok = testsupport::setModificationTime(d, QDateTime::fromMSecsSinceEpoch(newest)) && ok;
    }
    return ok;
}

LinuxBases linuxHomeBases(const QString &root)
{
    LinuxBases b;
    b.home = root + QStringLiteral("/home");
    b.cache = b.home + QStringLiteral("/.cache");
    b.config = b.home + QStringLiteral("/.config");
    b.data = b.home + QStringLiteral("/.local/share");
    b.temp = root + QStringLiteral("/tmp");
    b.system = root + QStringLiteral("/sys");
    return b;
}

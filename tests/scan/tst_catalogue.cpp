#include "scan/catalogue.h"
#include "scan/category.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QVariant>

namespace {

QStringList labels(const CategoryDef &def)
{
    QStringList out;
    for (const CategoryRoot &r : def.roots)
        out.append(r.label);
    return out;
}

QStringList paths(const CategoryDef &def)
{
    QStringList out;
    for (const CategoryRoot &r : def.roots)
        out.append(r.path);
    return out;
}

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

} // namespace

class TestCatalogue final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void riskLabels_data();
    void riskLabels();
    void subdirsSkipLinksAndFiles();
    void recordsTravelAsVariants();
    void sameCategoriesOnBothPlatforms();
    void windowsCatalogue();
    void windowsUnsetBases();
    void linuxCatalogue();
    void linuxTempOnce();
    void linuxCacheThatHoldsHome();
    void defaultIsSandboxed();
};

void TestCatalogue::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    registerCategoryTypes();
}

void TestCatalogue::riskLabels_data()
{
    QTest::addColumn<int>("risk");
    QTest::addColumn<QString>("label");
    QTest::newRow("safe") << 0 << "Safe";
    QTest::newRow("review") << 1 << "Review";
    QTest::newRow("permanent") << 2 << "Permanent";
    QTest::newRow("negative") << -1 << "";
    QTest::newRow("beyond") << 3 << "";
}

void TestCatalogue::riskLabels()
{
    QFETCH(int, risk);
    QFETCH(QString, label);
    QCOMPARE(riskLabel(risk), label);
}

void TestCatalogue::subdirsSkipLinksAndFiles()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    tmp.makeDir("base/real");
    tmp.makeDir("target");
    tmp.makeFile("base/file.txt", "x");
    QVERIFY(!tmp.makeSymlink(tmp.path("target"), "base/link").isEmpty());
    QCOMPARE(listSubdirs(tmp.path("base")), QStringList{"real"});
    QVERIFY(listSubdirs(tmp.path("missing")).isEmpty());
    QVERIFY(listSubdirs(QString()).isEmpty());
}

void TestCatalogue::recordsTravelAsVariants()
{
    CategoryDef def;
    QVERIFY(!def.risk && !def.needsAdmin && !def.isTrash && def.roots.isEmpty() && def.color.isEmpty());
    def.id = "dev";
    def.roots = {CategoryRoot{"/x", {"*.a"}, "X", true, 5}};
    CategoryResult r(def);
    r.items = {ScanItem{"/x/a", "a", true, "App", 10, 2, 3}};
    QCOMPARE(static_cast<const CategoryDef &>(r), def);
    const QVariant v = QVariant::fromValue(QList<CategoryResult>{r});
    QCOMPARE(v.value<QList<CategoryResult>>().value(0), r);
    QVERIFY(QMetaType::fromName("CategoryDef").isValid());
    QVERIFY(QMetaType::fromName("QList<CategoryResult>").isValid());
}

void TestCatalogue::sameCategoriesOnBothPlatforms()
{
    const QList<CategoryDef> win = ::windowsCatalogue(WindowsBases{});
    const QList<CategoryDef> lin = ::linuxCatalogue(LinuxBases{});
    QCOMPARE(win.size(), 8);
    QCOMPARE(lin.size(), 8);
    const QStringList ids{"temp", "appcache", "browser", "logs", "thumbs", "update", "dev", "trash"};
    const QStringList icons{"clock", "box", "globe", "file", "image", "download", "code", "trash"};
    const QStringList colors{"#64748b", "#6366f1", "#0ea5e9", "#78716c", "#ec4899", "#f59e0b", "#8b5cf6", "#ef4444"};
    const QList<int> risks{Safe, Safe, Safe, Safe, Safe, Review, Review, Permanent};
    for (int i = 0; i < 8; ++i) {
        for (const CategoryDef &d : {win.at(i), lin.at(i)}) {
            QCOMPARE(d.id, ids.at(i));
            QCOMPARE(d.icon, icons.at(i));
            QCOMPARE(d.color, colors.at(i));
            QCOMPARE(d.risk, risks.at(i));
            QCOMPARE(d.needsAdmin, d.id == "update");
            QCOMPARE(d.isTrash, d.id == "trash");
            QVERIFY(!d.needsFullDiskAccess);
            QVERIFY(!d.name.isEmpty() && !d.detail.isEmpty() && !d.description.isEmpty());
        }
    }
    QCOMPARE(win.at(5).name, "Windows Update leftovers");
    QCOMPARE(lin.at(5).name, "Package cache");
    QCOMPARE(win.at(7).name, "Recycle Bin");
    QCOMPARE(lin.at(7).name, "Trash");
    QCOMPARE(lin.at(0).detail, "/tmp, /var/tmp");
    QVERIFY(win.at(7).roots.isEmpty() && lin.at(7).roots.isEmpty());
}

void TestCatalogue::windowsCatalogue()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString chrome = "local/Google/Chrome/User Data/";
    for (const char *dir : {"Default/Cache", "Default/Code Cache", "Default/Service Worker/CacheStorage",
                            "Profile 3/GPUCache", "profile 3/Cache", "ProfileX/Cache", "System Profile/Cache"})
        tmp.makeDir(chrome + dir);
    tmp.makeDir("local/Microsoft/Edge/User Data/Profile 1/Code Cache");
    tmp.makeDir("local/Google/Cache");            // belongs to the browser, not an app cache
    tmp.makeDir("local/Microsoft/Teams/Cache");   // "Microsoft" is skipped as a vendor
    tmp.makeDir("local/Vendor/Tool/ShaderCache");
    tmp.makeDir("local/Vendor/Tool/cache");       // names are case-sensitive
    tmp.makeDir("local/Linked/real");
    tmp.makeDir("elsewhere");
    tmp.makeSymlink(tmp.path("elsewhere"), "local/Linked/Cache");
    tmp.makeDir("local/D3DSCache");
    tmp.makeDir("local/Mozilla/Firefox/Profiles/abc.default/cache2");
    tmp.makeDir("local/Mozilla/Firefox/Profiles/nocache");
    tmp.makeDir("local/Microsoft/Windows/INetCache");
    tmp.makeDir("local/Microsoft/Windows/Explorer");
    tmp.makeDir("local/CrashDumps");
    tmp.makeDir("local/npm-cache");
    tmp.makeDir("local/go-build");
    tmp.makeDir("roaming/Chat/GPUCache");
    tmp.makeDir("roaming/Chat/Cache");
    tmp.makeDir("sys/Temp");
    tmp.makeDir("sys/SoftwareDistribution/Download");
    tmp.makeDir("data/Microsoft/Windows/WER/ReportQueue");
    tmp.makeDir("temp");
    tmp.makeDir("home/.gradle/caches");

    WindowsBases b;
    b.localAppData = tmp.path("local");
    b.appData = tmp.path("roaming");
    b.systemRoot = tmp.path("sys");
    b.programData = tmp.path("data");
    b.temp = tmp.path("temp");
    b.home = tmp.path("home");
    const QList<CategoryDef> defs = ::windowsCatalogue(b);
    QCOMPARE(defs.size(), 8);

    QCOMPARE(paths(defs[0]), (QStringList{canonical(tmp.path("temp")), tmp.path("sys/Temp")}));
    QCOMPARE(labels(defs[0]), (QStringList{"", ""}));

    QCOMPARE(labels(*find(defs, "appcache")),
             (QStringList{"Vendor Tool · ShaderCache", "Chat · Cache", "Chat · GPUCache", "DirectX shader cache"}));
    QCOMPARE(find(defs, "appcache")->roots.at(1).path, tmp.path("roaming/Chat/Cache"));

    const CategoryDef &browser = *find(defs, "browser");
    QStringList browserLabels = labels(browser);
    // Profiles come in listing order; the sub-paths of one profile in fixed order.
    const QStringList defaultRoots{"Google Chrome · Default · Cache", "Google Chrome · Default · Code Cache",
                                   "Google Chrome · Default · CacheStorage"};
    const qsizetype at = browserLabels.indexOf(defaultRoots.first());
    QVERIFY(at >= 0);
    QCOMPARE(browserLabels.mid(at, 3), defaultRoots);
    QVERIFY(browserLabels.contains("Google Chrome · Profile 3 · GPUCache"));
    QCOMPARE(browserLabels.filter("Google Chrome").size(), 4);
    QCOMPARE(browserLabels.filter("Microsoft Edge"), QStringList{"Microsoft Edge · Profile 1 · Code Cache"});
    QCOMPARE(browserLabels.mid(5), (QStringList{"Firefox · abc.default", "Internet cache"}));
    QCOMPARE(browser.roots.at(5).path, tmp.path("local/Mozilla/Firefox/Profiles/abc.default/cache2"));
    QVERIFY(paths(browser).contains(tmp.path(chrome + "Default/Service Worker/CacheStorage")));

    const CategoryDef &logs = *find(defs, "logs");
    QCOMPARE(paths(logs), (QStringList{tmp.path("local/CrashDumps"), tmp.path("data/Microsoft/Windows/WER/ReportQueue")}));

    const CategoryDef &thumbs = *find(defs, "thumbs");
    QCOMPARE(thumbs.roots.size(), 1);
    QCOMPARE(thumbs.roots.at(0).patterns, (QStringList{"thumbcache_*.db", "iconcache_*.db"}));
    QVERIFY(thumbs.roots.at(0).label.isEmpty());

    QCOMPARE(labels(*find(defs, "update")), QStringList{"Windows Update downloads"});
    QCOMPARE(labels(*find(defs, "dev")), (QStringList{"npm cache", "Go build cache", "Gradle caches"}));
    for (const CategoryDef &d : defs) {
        for (const CategoryRoot &r : d.roots) {
            QVERIFY2(!r.ownEntriesOnly && r.minAgeMs == 0, qPrintable(r.path));
            QVERIFY2(QFileInfo(r.path).isDir(), qPrintable(r.path));
        }
    }
}

void TestCatalogue::windowsUnsetBases()
{
    // Unset per-user folders must not turn into folders relative to the
    // working directory, even when such folders exist there.
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    tmp.makeDir("CrashDumps");
    tmp.makeDir("D3DSCache");
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tmp.path()));
    const QList<CategoryDef> defs = ::windowsCatalogue(WindowsBases{});
    QDir::setCurrent(old);
    for (const CategoryDef &d : defs)
        QVERIFY2(d.roots.isEmpty(), qPrintable(d.id));
}

void TestCatalogue::linuxCatalogue()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    for (const char *dir : {"home/.config/Code/GPUCache", "home/.config/Code/Cache", "home/.config/Code/User",
                            "home/.config/autostart/Cache", "home/.config/google-chrome/Default/GPUCache",
                            "home/.config/google-chrome/Profile 1/Service Worker/CacheStorage",
                            "home/.config/google-chrome/Guest Profile/GPUCache",
                            "home/.cache/google-chrome/Default/Cache", "home/.cache/google-chrome/Default/Code Cache",
                            "home/.cache/spotify", "home/.cache/Spotify", "home/.cache/thumbnails/normal", "home/.cache/pip",
                            "home/.cache/yarn", "home/.cache/mozilla/firefox/x.default/cache2",
                            "home/snap/firefox/common/.cache/mozilla/firefox/y.snap/cache2",
                            "home/.local/share/xorg", "home/.cargo/registry/cache", "home/.npm/_cacache",
                            "tmp", "sys/var/tmp", "sys/var/crash", "sys/var/cache/apt/archives", "sys/var/cache/dnf"})
        QVERIFY(!tmp.makeDir(dir).isEmpty());

    LinuxBases b;
    b.home = tmp.path("home");
    b.cache = tmp.path("home/.cache");
    b.config = tmp.path("home/.config");
    b.data = tmp.path("home/.local/share");
    b.temp = tmp.path("tmp");
    b.system = tmp.path("sys");
    const QList<CategoryDef> defs = ::linuxCatalogue(b);
    QCOMPARE(defs.size(), 8);

    const CategoryDef &temp = defs.at(0);
    QCOMPARE(paths(temp), (QStringList{canonical(tmp.path("tmp")), canonical(tmp.path("sys/var/tmp"))}));
    for (const CategoryRoot &r : temp.roots) {
        QVERIFY(r.ownEntriesOnly);
        QCOMPARE(r.minAgeMs, 24LL * 60 * 60 * 1000);
        QVERIFY(!r.isLabelled());
    }

    const QStringList app = labels(*find(defs, "appcache"));
    QCOMPARE(app.mid(0, 2), (QStringList{"Code · Cache", "Code · GPUCache"}));
    QStringList fromCache = app.mid(2);
    fromCache.sort();
    QCOMPARE(fromCache, (QStringList{"Spotify", "spotify"}));  // two folders on a case-sensitive disk

    const CategoryDef &browser = *find(defs, "browser");
    const QStringList bl = labels(browser);
    QCOMPARE(bl.filter("Google Chrome · Default").size(), 3);
    QVERIFY(bl.contains("Google Chrome · Profile 1 · CacheStorage"));
    QVERIFY(!bl.join(',').contains("Guest"));
    QVERIFY(paths(browser).contains(tmp.path("home/.cache/google-chrome/Default/Code Cache")));
    QVERIFY(paths(browser).contains(tmp.path("home/.config/google-chrome/Default/GPUCache")));
    QCOMPARE(bl.mid(bl.size() - 2), (QStringList{"Firefox · x.default", "Firefox · y.snap"}));

    const CategoryDef &logs = *find(defs, "logs");
    QCOMPARE(paths(logs), (QStringList{tmp.path("home/.local/share/xorg"), tmp.path("home"), tmp.path("sys/var/crash")}));
    QCOMPARE(logs.roots.at(0).patterns, (QStringList{"*.log", "*.log.old"}));
    QCOMPARE(logs.roots.at(1).patterns, QStringList{".xsession-errors.old"});
    QVERIFY(!logs.roots.at(1).ownEntriesOnly);
    QVERIFY(logs.roots.at(2).ownEntriesOnly);
    QCOMPARE(logs.roots.at(2).minAgeMs, 0);

    QCOMPARE(paths(*find(defs, "thumbs")), QStringList{tmp.path("home/.cache/thumbnails")});

    const CategoryDef &update = *find(defs, "update");
    QCOMPARE(paths(update), (QStringList{tmp.path("sys/var/cache/apt/archives"), tmp.path("sys/var/cache/dnf")}));
    QCOMPARE(update.roots.at(0).patterns, QStringList{"*.deb"});
    QVERIFY(!update.roots.at(0).isLabelled() && update.roots.at(1).isLabelled());

    QCOMPARE(labels(*find(defs, "dev")), (QStringList{"npm cache", "Yarn cache", "pip cache", "Cargo registry cache"}));
}

void TestCatalogue::linuxTempOnce()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    tmp.makeDir("sys/var/tmp");
    LinuxBases b;
    b.home = tmp.path("home");
    b.system = tmp.path("sys");
    b.temp = tmp.path("sys/var/tmp/");
    QCOMPARE(paths(::linuxCatalogue(b).at(0)), QStringList{canonical(tmp.path("sys/var/tmp"))});
}

void TestCatalogue::linuxCacheThatHoldsHome()
{
    // A cache variable pointing at the home folder (or above it) would make
    // Documents and Pictures "caches"; nothing is taken from such a folder.
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    tmp.makeDir("home/Documents");
    tmp.makeDir("home/Pictures");
    for (const QString &cache : {tmp.path("home"), tmp.path(QString())}) {
        LinuxBases b;
        b.home = tmp.path("home");
        b.cache = cache;
        b.config = tmp.path("home/.config");
        b.system = tmp.path("sys");
        QVERIFY2(find(::linuxCatalogue(b), "appcache")->roots.isEmpty(), qPrintable(cache));
    }
}

void TestCatalogue::defaultIsSandboxed()
{
    // CTest points HOME and the XDG folders into the build tree; the real
    // catalogue must follow them.
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!cache.contains(QLatin1String("test-sandbox")))
        QSKIP("needs the sandboxed XDG folders CTest sets up");
    const QString app = cache + QStringLiteral("/someapp");
    QVERIFY(QDir().mkpath(app));
    const QList<CategoryDef> defs = defaultCategories();
    QDir(app).removeRecursively();
    QCOMPARE(defs.size(), 8);
    const CategoryDef &appcache = *find(defs, "appcache");
    QVERIFY(paths(appcache).contains(app));
    const QString sandbox = QFileInfo(QDir::homePath()).path();
    for (const QString &id : {QStringLiteral("appcache"), QStringLiteral("browser"), QStringLiteral("thumbs"),
                              QStringLiteral("dev")}) {
        for (const CategoryRoot &r : find(defs, id)->roots)
            QVERIFY2(r.path.startsWith(sandbox), qPrintable(r.path));
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

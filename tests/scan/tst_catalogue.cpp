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
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/linuxhome-offers.tsv"), 2))
            QTest::newRow(qPrintable(f[0])) << f[0] << f[1];
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
                // Only this test's own programs may hold items back: a browser
                // the developer has open (or another test's stand-in for one)
                // would hold back its cache here too.
                const QString app = items.value(at).runningApp;
                if (got == u"running" && !app.isEmpty()
                    && app.compare(QCoreApplication::applicationName(), Qt::CaseInsensitive) != 0)
                    QSKIP(qPrintable(app + QStringLiteral(" runs on this machine")));
                break;
            }
        }
        QTEST(got, "offered");
    }

    // Each base is judged by where it really points before anything below it
    // is offered: the roots and notes of the catalogue for a layout.
    void bases_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("roots");
        QTest::addColumn<QStringList>("notes");
        const auto list = [](const QString &field, const QString &separator) {
            return field == u"-" ? QStringList() : field.split(separator);
        };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/bases.tsv"), 5)) {
            QVERIFY2(f[1] == u"linux" || f[1] == u"windows", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << (f[1] == u"windows") << list(f[2], " ") << list(f[3], "; ")
                                            << list(f[4], "; ");
        }
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
            else if (step.startsWith("data="))
                lb.data = at;
            else
                QFAIL(qPrintable("no such step: " + step));
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

// What the user keeps stays: varnholt-cli scans and cleans private trees in
// both modes, and each row states what must still be there afterwards, what
// must be gone, the report's figures and the log lines. Before each clean
// (but for rows that prepare the tree in a shell of their own) a preview with
// the same arguments runs: it removes nothing, writes no log, and lists
// exactly what the clean then takes away.

#include "app/platform.h"
#include "app/trash.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTest>

#include <functional>
#include <optional>


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Each row names only what it checks; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// The age rule of the shared folders here: a real day cannot pass in a
// test, and no program can set back the change time that making a file
// leaves, so "old" is this short and the run waits it out.
constexpr qint64 kAgeMs = 300;

// One row's tree, catalogue, arguments and environment. "@" in any text is
// the tree's folder.
struct Case
{
    TempFolder tmp;
    QJsonArray categories;
    QStringList args;
    QHash<QString, QString> env;
    QString workingDir;
    // Run before the program in a shell ("@" is the tree), inside a mount
    // namespace of its own when privateMounts is set.
    QString shell;
    bool privateMounts = false;
    // Entries given file flags (chattr), cleared before the tree goes.
    QStringList pinned;
    ~Case()
    {
        if (!pinned.isEmpty())
            QProcess::execute(QStringLiteral("chattr"), QStringList{"-i", "-a"} + pinned);
    }
    // Set when the row cannot run here (a file system without file flags).
    QString unsupported;
    void pin(const char *flag, const QString &relative)
    {
        pinned.append(at(relative));
        if (QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), at(relative)}) != 0)
            unsupported = QStringLiteral("this file system keeps no immutable or append-only flags");
    }

    QString at(const QString &relative) const { return tmp.path(QString(relative).replace(QLatin1Char('@'), tmp.path())); }
    QString expand(const QString &text) const { return QString(text).replace(QLatin1Char('@'), tmp.path()); }

    void file(const QString &relative, qint64 bytes = 4096) { QVERIFY(!tmp.makeFileOfSize(relative, bytes).isEmpty()); }
    // Whether the run waits for what was made to pass the age rule.
    bool aged = false;
    // Moves a file or folder (and what is in it) two days back; the run
    // waits until its change times are old enough too.
    void age(const QString &relative)
    {
        aged = true;
        const QDateTime old = QDateTime::currentDateTime().addDays(-2);
        QStringList stack{at(relative)};
        while (!stack.isEmpty()) {
            const QString p = stack.takeLast();
            if (QFileInfo(p).isDir() && !QFileInfo(p).isSymLink()) {
                for (const QString &n : QDir(p).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                    stack.append(p + QLatin1Char('/') + n);
            }
            QVERIFY(tmp.setMTime(QDir(tmp.path()).relativeFilePath(p), old));
        }
    }
    void category(const QString &id, int risk, const QJsonArray &roots, bool isTrash = false)
    {
        categories.append(QJsonObject{{"id", id}, {"name", id}, {"risk", risk}, {"isTrash", isTrash}, {"roots", roots}});
    }
    QJsonObject labelled(const QString &relative) const
    {
        return {{"path", at(relative)}, {"label", QFileInfo(relative).fileName()}};
    }
    QJsonObject listing(const QString &relative) const { return {{"path", at(relative)}}; }
    QJsonObject shared(const QString &relative) const
    {
        return {{"path", at(relative)}, {"ownEntriesOnly", true}, {"minAgeMs", double(kAgeMs)}};
    }
};

struct Row
{
    const char *name;
    std::function<void(Case &)> setup;
    QStringList kept;      // still there afterwards
    QStringList gone;      // removed or moved
    int exitCode = 0;
    QStringList logLines;  // exact lines the log holds
    qint64 freed = -1;     // the report's trashedBytes or freedBytes by mode, -1: not checked
    qint64 removed = -1;   // the report's filesRemoved
    qint64 skipped = -1;   // the report's skippedCount
    QString logHas;        // text some line of the log holds
    QString running;       // the report's runningApps, joined by ", "
    bool trashOnly = false;
    bool deleteOnly = false;
    bool rootOnly = false;
};

const QList<Row> &rows()
{
    static const QList<Row> table = {
        {.name = "exclusions inside a labelled item",
         .setup = [](Case &c) {
             c.file("c/app/a/.git/config");
             c.file("c/app/a/x.bin", 8192);
             c.file("c/app/keep/k");
             c.file("c/app/y.bin");
             c.file("c/app/sub/data.bin");
             c.category("appcache", 0, {c.labelled("c/app")});
             c.args = {"--category", "appcache", "--exclude", "**/.git", "--exclude", "KEEP",
                       "--exclude", c.expand("@/c/app/sub")};
         },
         .kept = {"c/app/a/.git/config", "c/app/keep/k", "c/app/sub/data.bin"},
         .gone = {"c/app/a/x.bin", "c/app/y.bin"},
         .logLines = {"EXCLUDED @/c/app/a/.git", "EXCLUDED @/c/app/keep", "EXCLUDED @/c/app/sub"},
         .freed = 12288,
         .removed = 2},
        {.name = "the bin is emptied before anything is moved into it",
         .setup = [](Case &c) {
             c.file("data/Trash/files/old.bin");
             c.file("data/Trash/info/old.bin.trashinfo", 0);
             c.file("t/new.bin");
             c.category("temp", 0, {c.listing("t")});
             c.category("trash", 2, {}, true);
             c.args = {"--category", "temp", "--category", "trash"};
         },
         .kept = {"data/Trash/files/new.bin", "data/Trash/info/new.bin.trashinfo"},
         .gone = {"data/Trash/files/old.bin", "t/new.bin"},
         .logLines = {"EMPTIED  Trash"},
         .trashOnly = true},
        {.name = "an account named like a guarded product",
         .setup = [](Case &c) {
             c.env.insert("HOME", c.at("eset"));
             c.env.insert("XDG_CACHE_HOME", c.at("eset/.cache"));
             c.file("eset/.cache/app/f.bin");
             c.file("eset/.cache/rime/r.bin");
             c.category("appcache", 0, {c.labelled("eset/.cache/app"), c.labelled("eset/.cache/rime")});
             c.args = {"--category", "appcache"};
         },
         .kept = {"eset/.cache/rime/r.bin"},
         .gone = {"eset/.cache/app/f.bin"},
         .freed = 4096,
         .removed = 1},
        {.name = "--skip-item relative, through a linked home",
         .setup = [](Case &c) {
             c.file("home/t/a.bin");
             c.file("home/t/b.bin");
             QVERIFY(!c.tmp.makeSymlink(c.at("home"), "homelink").isEmpty());
             c.env.insert("HOME", c.at("homelink"));
             c.workingDir = c.at("homelink");
             c.category("temp", 0, {c.listing("home/t")});
             c.args = {"--category", "temp", "--skip-item", "t/a.bin"};
         },
         .kept = {"home/t/a.bin"},
         .gone = {"home/t/b.bin"}},
        // XDG_CONFIG_HOME='~/.config' (tilde unexpanded) is invalid: settings and log are the home's.
        {.name = "relative XDG folders are ignored",
         .setup = [](Case &c) {
             c.file("c/app/keep/k.bin");
             c.file("c/app/free.bin");
             QVERIFY(!c.tmp.makeFile("home/.config/Varnholt/Varnholt.conf", "[clean]\nexclusions=keep\n").isEmpty());
             c.env.insert("XDG_CONFIG_HOME", "~/.config");
             c.env.insert("XDG_DATA_HOME", "data");
             c.workingDir = c.at("c");
             c.category("dev", 0, {c.labelled("c/app")});
             c.args = {"--category", "dev"};
         },
         .kept = {"c/app/keep/k.bin"},
         .gone = {"c/app/free.bin"},
         .logLines = {"EXCLUDED @/c/app/keep"}},
        {.name = "a name that is not valid text is reported",
         .setup = [](Case &c) {
             c.file("c/app/free.bin");
             QVERIFY(!c.tmp.makeRawNamedFile("c/app", QByteArray("bad\xff", 4), "x").isEmpty());
             c.category("dev", 0, {c.labelled("c/app")});
             c.args = {"--category", "dev"};
         },
         .gone = {"c/app/free.bin"},
         .exitCode = 1,
         .skipped = 1,
         .logHas = "/c/app/bad\\udcff\"  (name is not valid text)"},
        {.name = "as root, a home folder that is a link is not entered",
         .setup = [](Case &c) {
             c.file("realhome/t/a.bin");
             QVERIFY(!c.tmp.makeSymlink(c.at("realhome"), "linkhome").isEmpty());
             c.env.insert("HOME", c.at("linkhome"));
             c.category("temp", 0, {c.listing("linkhome/t")});
             c.args = {"--category", "temp"};
         },
         .kept = {"realhome/t/a.bin"},
         .rootOnly = true},
        {.name = "as root, a catalogue file others may change is refused",
         .setup = [](Case &c) {
             c.file("t/a.bin");
             QVERIFY(::chmod(QFile::encodeName(c.tmp.path()).constData(), 0777) == 0);
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "temp"};
         },
         .kept = {"t/a.bin"},
         .exitCode = 1,
         .rootOnly = true},
        {.name = "services' folders of a shared temp folder",
         .setup = [](Case &c) {
             c.file("shared/systemd-private-1-x/f.bin");
             c.file("shared/.X11-unix/X0");
             c.file("shared/old.bin");
             c.age("shared");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         .kept = {"shared/systemd-private-1-x/f.bin", "shared/.X11-unix/X0"},
         .gone = {"shared/old.bin"}},
        {.name = "an elevated run offers only the invoker's entries",
         .setup = [](Case &c) {
             c.file("shared/roots.bin");
             c.file("shared/theirs.bin");
             c.age("shared");
             QVERIFY(::chown(QFile::encodeName(c.at("shared/theirs.bin")).constData(), 65534, 65534) == 0);
             c.env.insert("SUDO_UID", "65534");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         .kept = {"shared/roots.bin"},
         .gone = {"shared/theirs.bin"},
         .rootOnly = true},
        {.name = "an elevated run for a system account offers nothing",
         .setup = [](Case &c) {
             c.file("shared/roots.bin");
             c.file("shared/theirs.bin");
             c.age("shared");
             QVERIFY(::chown(QFile::encodeName(c.at("shared/theirs.bin")).constData(), 5, 5) == 0);
             c.env.insert("PKEXEC_UID", "5");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         .kept = {"shared/roots.bin", "shared/theirs.bin"},
         .rootOnly = true},
        {.name = "a run as root with another user's home and folders",
         .setup = [](Case &c) {
             c.file("t/f.bin");
             for (const char *d : {"home", "config", "data", "cache"})
                 QVERIFY(::chown(QFile::encodeName(c.at(QString::fromLatin1(d))).constData(), 65534, 65534) == 0);
             // Root's own home, where the log goes, is a fresh one.
             c.shell = "mount -t tmpfs none ~root";
             c.privateMounts = true;
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "temp"};
         },
         .gone = {"t/f.bin", "data/Varnholt", "config/Varnholt"},
         .deleteOnly = true,
         .rootOnly = true},
        // The file system's tricks.
        // A mount inside an item is skipped, and said; one at a labelled root
        // (the cache folder itself: a base, whose own mount no walk from it
        // checks) or among the entries of a listing is not measured, not offered.
        {.name = "bind mounts inside an item, at a labelled root and in a listing",
         .setup = [](Case &c) {
             c.file("outside/s.bin");
             c.file("c/app/f.bin");
             c.file("t/f.bin");
             for (const char *m : {"c/app/m", "c/mounted", "t/m"})
                 QVERIFY(!c.tmp.makeDir(QString::fromLatin1(m)).isEmpty());
             c.shell = c.expand("mount --bind @/outside @/c/app/m && mount --bind @/outside @/c/mounted "
                                "&& mount --bind @/outside @/t/m");
             c.privateMounts = true;
             c.env.insert("XDG_CACHE_HOME", c.at("c/mounted"));
             c.category("appcache", 0, {c.labelled("c/app"), c.labelled("c/mounted")});
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "appcache", "--category", "temp"};
         },
         .kept = {"outside/s.bin", "t/m"},
         .gone = {"c/app/f.bin", "t/f.bin"},
         .exitCode = 1,
         .freed = 8192,
         .removed = 2,
         .skipped = 1,
         .logHas = "(another volume is mounted here)",
         .rootOnly = true},
        {.name = "a volume mounted inside the bin",
         .setup = [](Case &c) {
             c.file("outside/s.bin");
             c.file("data/Trash/files/old.bin");
             c.file("data/Trash/info/old.bin.trashinfo", 0);
             QVERIFY(!c.tmp.makeDir("data/Trash/files/m").isEmpty());
             c.shell = c.expand("mount --bind @/outside @/data/Trash/files/m");
             c.privateMounts = true;
             c.category("trash", 2, {}, true);
             c.args = {"--category", "trash"};
         },
         .kept = {"outside/s.bin"},
         .gone = {"data/Trash/files/old.bin"},
         .exitCode = 1,
         .logHas = "(another volume is mounted here)",
         .rootOnly = true},
        // No trash for a mount at a base, no room in a bin on a full drive: said at once, not retried as busy.
        {.name = "an item on its own mount at a catalogue base, and a bin on a full drive",
         .setup = [](Case &c) {
             QVERIFY(!c.tmp.makeDir("cachemount").isEmpty() && !c.tmp.makeDir("data/Varnholt").isEmpty()
                     && QFile::link(c.tmp.makeDir("logs"), c.at("data/Varnholt/logs")));  // the log, off the full drive
             c.env.insert("XDG_CACHE_HOME", c.at("cachemount"));
             c.shell = c.expand("mount -t tmpfs none @/cachemount && mkdir @/cachemount/app && echo x >@/cachemount/app/f.bin "
                                "&& mount -t tmpfs -o size=64k none @/data && mkdir -p @/data/app @/data/Varnholt && ln -s @/logs "
                                "@/data/Varnholt/logs && echo x >@/data/app/f.bin && { head -c 1M /dev/zero >@/data/fill; true; }");
             c.privateMounts = true;
             c.category("appcache", 0, {c.labelled("cachemount/app"), c.labelled("data/app")});
             c.args = {"--category", "appcache"};
         },
         .exitCode = 1,
         .logLines = {"SKIPPED  @/cachemount/app  (no trash on this drive)", "SKIPPED  @/data/app/f.bin  (no space left on the drive)"},
         .skipped = 2, .trashOnly = true, .rootOnly = true},
        {.name = "immutable and append-only entries",
         .setup = [](Case &c) {
             for (const char *f : {"c/app/immutable.bin", "c/app/append.log", "c/app/append-folder/in.bin", "c/app/free.bin"})
                 c.file(QString::fromLatin1(f));
             c.pin("+i", "c/app/immutable.bin");
             c.pin("+a", "c/app/append.log");
             c.pin("+a", "c/app/append-folder");
             c.category("dev", 0, {c.labelled("c/app")});
             c.args = {"--category", "dev"};
         },
         .kept = {"c/app/immutable.bin", "c/app/append.log", "c/app/append-folder/in.bin"},
         .gone = {"c/app/free.bin"},
         .exitCode = 1,
         .skipped = 3,
         .logHas = "(immutable or append-only)",
         .rootOnly = true},
        // What stays inside developer caches: user data, Maven's local builds, files projects link to.
        {.name = "user data in a tool's cache, local builds and linked files",
         .setup = [](Case &c) {
             for (const char *f : {"c/tool/blob.bin", "c/tool/token", "c/tool/settings.json", "c/tool/LocalHistory/x",
                                   "c/tool/keepassxc/db",
                                   "c/tool/deep/settings.json", "m2/org/x/1.0/x-1.0.jar", "m2/me/app/1.0/app-1.0.jar",
                                   "store/files/ab/linked", "store/files/cd/single"})
                 c.file(QString::fromLatin1(f));
             QFile record(c.at("m2/org/x/1.0/_remote.repositories"));
             QVERIFY(record.open(QIODevice::WriteOnly) && record.write("x-1.0.jar>central=\n#" + QByteArray(4076, 'x')) == 4096);
             QVERIFY(!c.tmp.makeDir("proj/node_modules").isEmpty());
             QVERIFY(!c.tmp.makeHardLink("store/files/ab/linked", "proj/node_modules/linked").isEmpty());
             QJsonObject tool = c.labelled("c/tool"), m2 = c.labelled("m2"), store = c.labelled("store");
             tool.insert("keepsTopSettings", true);
             m2.insert("keepsLocalBuilds", true);
             store.insert("singleLinkFiles", true);
             c.category("dev", 1, {tool, m2, store});
             c.args = {"--category", "dev"};
         },
         .kept = {"c/tool/token", "c/tool/settings.json", "c/tool/LocalHistory/x", "c/tool/keepassxc/db",
                  "m2/me/app/1.0/app-1.0.jar",
                  "store/files/ab/linked", "proj/node_modules/linked"},
         .gone = {"c/tool/blob.bin", "c/tool/deep/settings.json", "m2/org/x/1.0/x-1.0.jar", "store/files/cd/single"},
         .exitCode = 1,
         .logLines = {"EXCLUDED @/c/tool/LocalHistory  (user data, not a cache)",
                      "EXCLUDED @/c/tool/settings.json  (user data, not a cache)",
                      "EXCLUDED @/c/tool/token  (user data, not a cache)",
                      "EXCLUDED @/m2/me/app/1.0  (user data, not a cache)",
                      "SKIPPED  @/c/tool/keepassxc  (protected app data)"},
         .freed = 20480,
         .removed = 5,
         .skipped = 1},
        {.name = "a tree deeper than the open files allowed",
         .setup = [](Case &c) {
             QVERIFY(!c.tmp.makeDeepChain("c/app/deep", 300, "bottom").isEmpty());
             c.file("c/app/f.bin");
             c.shell = "ulimit -n 150";
             c.category("appcache", 0, {c.labelled("c/app")});
             c.args = {"--category", "appcache"};
         },
         .kept = {"c/app/deep/d/d/d"},
         .gone = {"c/app/f.bin"},
         .exitCode = 1,
         .skipped = 1,
         .logHas = "(too many open files)"},
        {.name = "a build folder a terminal works in",
         .setup = [](Case &c) {
             c.file("t/build-42/main.o");
             c.file("t/free.bin");
             c.shell = c.expand("(cd @/t/build-42 && exec sleep 5) </dev/null >/dev/null 2>&1 & sleep 0.3; true");
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "temp"};
         },
         .kept = {"t/build-42/main.o"},
         .gone = {"t/free.bin"}},
        // A program of a name no other test (and no real program) runs.
        {.name = "nothing but the cache of a running program",
         .setup = [](Case &c) {
             c.file("cache/keepsdemo/cache2/x");
             c.shell = c.expand("cp /bin/sleep @/keepsdemo && (@/keepsdemo 5 </dev/null >/dev/null 2>&1 &) && sleep 0.3");
             c.category("appcache", 0, {c.labelled("cache/keepsdemo")});
             c.args = {"--category", "appcache"};
         },
         .kept = {"cache/keepsdemo/cache2/x"},
         .running = "keepsdemo"},
    };
    return table;
}

// Whether this machine has trash folders besides the sandbox's: then the
// bin must not be emptied by a test.
bool otherTrashFolders()
{
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!trash::volumeTrashes(v.rootPath()).isEmpty())
            return true;
    }
    return false;
}

QStringList logLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

} // namespace

class TestKeeps : public QObject
{
    Q_OBJECT

private slots:
    void keeps_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("toTrash");
        for (int i = 0; i < rows().size(); ++i) {
            const Row &r = rows().at(i);
            if (!r.deleteOnly)
                QTest::addRow("%s, trash", r.name) << i << true;
            if (!r.trashOnly)
                QTest::addRow("%s, delete", r.name) << i << false;
        }
    }

    void keeps()
    {
        QFETCH(int, row);
        QFETCH(bool, toTrash);
        const Row &r = rows().at(row);
        if (r.rootOnly && ::geteuid() != 0)
            QSKIP("needs root to give files to other users");
        if (r.gone.contains(QStringLiteral("data/Trash/files/old.bin")) && otherTrashFolders())
            QSKIP("this machine has trash folders that a test must not empty");

        Case c;
        for (const char *d : {"home", "config", "data", "cache"})
            QVERIFY(!c.tmp.makeDir(QString::fromLatin1(d)).isEmpty());
        r.setup(c);
        if (QTest::currentTestFailed())
            return;
        if (!c.unsupported.isEmpty())
            QSKIP(qPrintable(c.unsupported));
        QFile catalogue(c.at("catalogue.json"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write(QJsonDocument(QJsonObject{{"categories", c.categories}}).toJson());
        catalogue.close();
        if (c.aged)
            QTest::qSleep(int(kAgeMs) + 100);
        QHash<QString, QByteArray> before;
        for (const QString &k : r.kept) {  // not touching the access time, which the age rule reads
            QFile f;
            if (const int fd = ::open(QFile::encodeName(c.at(k)).constData(), O_RDONLY | O_NOATIME | O_CLOEXEC);
                fd >= 0 && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
                before.insert(k, f.readAll());
        }

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", c.at("home"));
        env.insert("XDG_CONFIG_HOME", c.at("config"));
        env.insert("XDG_DATA_HOME", c.at("data"));
        env.insert("XDG_CACHE_HOME", c.at("cache"));
        env.insert("VARNHOLT_CATALOGUE", catalogue.fileName());
        env.insert("VARNHOLT_LANG", "en");
        env.remove("SUDO_UID");
        env.remove("PKEXEC_UID");
        for (auto it = c.env.cbegin(); it != c.env.cend(); ++it)
            env.insert(it.key(), it.value());
        const QString program = QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt-cli");
        const auto there = [](const QString &path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); };
        QStringList listed;
        QStringList previewKept;
        const auto readPreview = [&](const QByteArray &json) {
            const QJsonObject preview = QJsonDocument::fromJson(json).object();
            for (const QJsonValue &v : preview.value("wouldGo").toArray()) {
                // The bin is named, not given as a path.
                if (QDir::isAbsolutePath(v["path"].toString()))
                    listed.append(v["path"].toString());
            }
            for (const QJsonValue &v : preview.value("wouldKeep").toArray())
                previewKept.append(v["path"].toString() + "  (" + v["reason"].toString() + ')');
            return preview;
        };
        if (c.shell.isEmpty()) {
            QProcess pre;
            pre.setProcessEnvironment(env);
            if (!c.workingDir.isEmpty())
                pre.setWorkingDirectory(c.workingDir);
            pre.start(program, QStringList{"clean", toTrash ? "--trash" : "--delete", "--preview", "--json"} + c.args);
            QVERIFY(pre.waitForFinished(60000));
            const QJsonObject preview = readPreview(pre.readAllStandardOutput());
            QCOMPARE(preview.isEmpty(), r.exitCode == 2 || pre.exitCode() != 0);
            for (const QString &g : r.gone)
                QVERIFY2(there(c.at(g)), qPrintable("the preview took " + g));
            QVERIFY2(QDir(c.at("data/Varnholt/logs")).isEmpty(), "the preview wrote a log");
        }

        QProcess p;
        p.setProcessEnvironment(env);
        if (!c.workingDir.isEmpty())
            p.setWorkingDirectory(c.workingDir);
        const QStringList arguments = QStringList{"clean", toTrash ? "--trash" : "--delete", "--yes", "--json"} + c.args;
        if (c.shell.isEmpty()) {
            p.start(program, arguments);
        } else {
            QStringList wrapped{"-c", c.shell + QStringLiteral(" && exec \"$0\" \"$@\""), program};
            if (c.privateMounts) {
                // The preview sees the same mounts, just before the clean.
                env.insert("VARNHOLT_TEST_PREVIEW", c.at("preview.json"));
                p.setProcessEnvironment(env);
                wrapped[1] = c.shell + QStringLiteral(" && { \"$0\" \"$@\" --preview >\"$VARNHOLT_TEST_PREVIEW\"; "
                                                      "exec \"$0\" \"$@\"; }");
                wrapped = QStringList{"-m", "--propagation", "private", "sh"} + wrapped;
            }
            p.start(c.privateMounts ? QStringLiteral("unshare") : QStringLiteral("sh"), wrapped + arguments);
        }
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == r.exitCode, qPrintable(err));
        if (c.privateMounts) {
            QFile preview(c.at("preview.json"));
            QVERIFY(preview.open(QIODevice::ReadOnly));
            readPreview(preview.readAll());
        }

        for (const QString &k : r.kept) {
            QVERIFY2(QFileInfo::exists(c.at(k)), qPrintable(k + " is gone"));
            QFile f(c.at(k));
            if (before.contains(k) && f.open(QIODevice::ReadOnly))
                QCOMPARE(f.readAll(), before.value(k));
        }
        for (const QString &g : r.gone)
            QVERIFY2(!QFileInfo(c.at(g)).exists() || QFileInfo(c.at(g)).isSymLink(), qPrintable(g + " is still there"));
        for (const QString &path : std::as_const(listed))
            QVERIFY2(!there(path), qPrintable("the preview listed " + path + ", which stayed"));
        for (const QString &g : r.gone) {
            // The emptied bin is listed by its name.
            const bool inList = g.startsWith(QLatin1String("data/Trash/"))
                || std::any_of(listed.cbegin(), listed.cend(), [&](const QString &l) {
                return c.at(g) == l || c.at(g).startsWith(l + QLatin1Char('/'));
            });
            QVERIFY2(inList || !c.shell.isEmpty() || there(c.at(g)),
                     qPrintable(g + " went, but the preview did not list it: " + listed.join(' ')));
        }
        // A refused run prints no report.
        const QJsonObject report = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        if (report.isEmpty()) {
            QVERIFY(r.exitCode != 0);
            return;
        }
        if (r.freed >= 0) {
            // What went to the trash is moved, not freed.
            QCOMPARE(report.value(toTrash ? "trashedBytes" : "freedBytes").toInteger(), r.freed);
            QCOMPARE(report.value(toTrash ? "freedBytes" : "trashedBytes").toInteger(), 0);
        }
        if (r.removed >= 0)
            QCOMPARE(report.value("filesRemoved").toInteger(), r.removed);
        if (r.skipped >= 0)
            QCOMPARE(report.value("skippedCount").toInteger(), r.skipped);
        QCOMPARE(report.value("runningApps").toVariant().toStringList().join(", "), r.running);
        // A category is named as cleaned only when something of it went.
        QCOMPARE(report.value("cleanedCategories").toArray().isEmpty(),
                 report.value("filesRemoved").toInteger() == 0 && report.value("freedBytes").toInteger() == 0
                     && report.value("trashedBytes").toInteger() == 0);
        // What the trash cannot take, the preview kept, with the reason.
        QStringList noTrash;
        for (const QJsonValue &v : report.value("noTrash").toArray())
            noTrash.append(v["path"].toString() + "  (" + v["reason"].toString() + ')');
        noTrash.sort();
        QCOMPARE(noTrash,
                 previewKept.filter(QRegularExpression("\\((no trash on this drive|cannot be moved to the trash here)\\)$")));
        const QString logPath = report.value("logPath").toString();
        const QStringList log = logPath.isEmpty() ? QStringList() : logLines(logPath);
        if (!r.logHas.isEmpty())
            QVERIFY2(std::any_of(log.cbegin(), log.cend(), [&](const QString &l) { return l.contains(r.logHas); }),
                     qPrintable(log.join('\n')));
        for (const QString &line : r.logLines)
            QVERIFY2(log.contains(c.expand(line)), qPrintable(c.expand(line) + " not in\n" + log.join('\n')));
        const int excludedLines = int(std::count_if(log.cbegin(), log.cend(),
                                                    [](const QString &l) { return l.startsWith("EXCLUDED "); }));
        QCOMPARE(excludedLines, int(std::count_if(r.logLines.cbegin(), r.logLines.cend(),
                                                  [](const QString &l) { return l.startsWith("EXCLUDED "); })));
    }
};

QTEST_GUILESS_MAIN(TestKeeps)
#include "tst_keeps.moc"

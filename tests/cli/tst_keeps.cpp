// What the user keeps stays: varnholt-cli scans and cleans private trees in
// both modes, and each row states what must still be there afterwards, what
// must be gone, the report's figures and the log lines.

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
#include <QStorageInfo>
#include <QTest>

#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

// One row's tree, catalogue, arguments and environment. "@" in any text is
// the tree's folder.
struct Case
{
    TempFolder tmp;
    QJsonArray categories;
    QStringList args;
    QHash<QString, QString> env;
    QString workingDir;

    QString at(const QString &relative) const { return tmp.path(QString(relative).replace(QLatin1Char('@'), tmp.path())); }
    QString expand(const QString &text) const { return QString(text).replace(QLatin1Char('@'), tmp.path()); }

    void file(const QString &relative, qint64 bytes = 4096) { QVERIFY(!tmp.makeFileOfSize(relative, bytes).isEmpty()); }
    // Moves a file or folder (and what is in it) two days back.
    void age(const QString &relative)
    {
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
        return {{"path", at(relative)}, {"ownEntriesOnly", true}, {"minAgeMs", double(kDayMs)}};
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
    qint64 freed = -1;     // the report's freedBytes, -1: not checked
    qint64 removed = -1;   // the report's filesRemoved
    bool trashOnly = false;
    bool deleteOnly = false;
    bool rootOnly = false;
};

const QList<Row> &rows()
{
    static const QList<Row> table = {
        {"exclusions inside a labelled item",
         [](Case &c) {
             c.file("c/app/a/.git/config");
             c.file("c/app/a/x.bin", 8192);
             c.file("c/app/keep/k");
             c.file("c/app/y.bin");
             c.category("appcache", 0, {c.labelled("c/app")});
             c.args = {"--category", "appcache", "--exclude", "**/.git", "--exclude", "KEEP"};
         },
         {"c/app/a/.git/config", "c/app/keep/k"},
         {"c/app/a/x.bin", "c/app/y.bin"},
         0,
         {"EXCLUDED @/c/app/a/.git", "EXCLUDED @/c/app/keep"},
         12288,
         2, false, false, false},
        {"exclusions inside a listed folder",
         [](Case &c) {
             c.file("t/proj/.git/HEAD");
             c.file("t/proj/build/o.bin");
             c.file("t/notes.iso");
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "temp", "--exclude", "**/.git", "--exclude", "*.iso"};
         },
         {"t/proj/.git/HEAD", "t/notes.iso"},
         {"t/proj/build/o.bin"},
         0,
         {"EXCLUDED @/t/proj/.git"},
         4096,
         1, false, false, false},
        {"a path exclusion inside an item",
         [](Case &c) {
             c.file("c/app/sub/data.bin");
             c.file("c/app/other.bin");
             c.category("appcache", 0, {c.labelled("c/app")});
             c.args = {"--category", "appcache", "--exclude", c.expand("@/c/app/sub")};
         },
         {"c/app/sub/data.bin"},
         {"c/app/other.bin"},
         0,
         {"EXCLUDED @/c/app/sub"},
         4096,
         1, false, false, false},
        {"the bin is emptied before anything is moved into it",
         [](Case &c) {
             c.file("data/Trash/files/old.bin");
             c.file("data/Trash/info/old.bin.trashinfo", 0);
             c.file("t/new.bin");
             c.category("temp", 0, {c.listing("t")});
             c.category("trash", 2, {}, true);
             c.args = {"--category", "temp", "--category", "trash"};
         },
         {"data/Trash/files/new.bin", "data/Trash/info/new.bin.trashinfo"},
         {"data/Trash/files/old.bin", "t/new.bin"},
         0,
         {"EMPTIED  Trash"},
         -1,
         -1,
         true, false, false},
        {"an account named like a guarded product",
         [](Case &c) {
             c.env.insert("HOME", c.at("eset"));
             c.env.insert("XDG_CACHE_HOME", c.at("eset/.cache"));
             c.file("eset/.cache/app/f.bin");
             c.file("eset/.cache/rime/r.bin");
             c.category("appcache", 0, {c.labelled("eset/.cache/app"), c.labelled("eset/.cache/rime")});
             c.args = {"--category", "appcache"};
         },
         {"eset/.cache/rime/r.bin"},
         {"eset/.cache/app/f.bin"},
         0,
         {},
         4096,
         1, false, false, false},
        {"--skip-item with ~ after =",
         [](Case &c) {
             c.file("home/t/a.bin");
             c.file("home/t/b.bin");
             c.category("temp", 0, {c.listing("home/t")});
             c.args = {"--category", "temp", "--skip-item=~/t/a.bin"};
         },
         {"home/t/a.bin"},
         {"home/t/b.bin"},
         0, {}, -1, -1, false, false, false},
        {"--skip-item relative, through a linked home",
         [](Case &c) {
             c.file("home/t/a.bin");
             c.file("home/t/b.bin");
             QVERIFY(!c.tmp.makeSymlink(c.at("home"), "homelink").isEmpty());
             c.env.insert("HOME", c.at("homelink"));
             c.workingDir = c.at("homelink");
             c.category("temp", 0, {c.listing("home/t")});
             c.args = {"--category", "temp", "--skip-item", "t/a.bin"};
         },
         {"home/t/a.bin"},
         {"home/t/b.bin"},
         0, {}, -1, -1, false, false, false},
        {"a --skip-item that names nothing refuses the run",
         [](Case &c) {
             c.file("home/t/a.bin");
             c.category("temp", 0, {c.listing("home/t")});
             c.args = {"--category", "temp", "--skip-item", c.expand("@/home/t/nothing.bin")};
         },
         {"home/t/a.bin"},
         {},
         2, {}, -1, -1, false, false, false},
        {"settings that cannot be read refuse the run",
         [](Case &c) {
             c.file("t/a.bin");
             QVERIFY(!c.tmp.makeDir("config/Varnholt/Varnholt.conf").isEmpty());
             c.category("temp", 0, {c.listing("t")});
             c.args = {"--category", "temp"};
         },
         {"t/a.bin"},
         {},
         1, {}, -1, -1, false, false, false},
        {"a file with another name outside frees nothing",
         [](Case &c) {
             c.file("c/app/h.bin", 8192);
             c.file("c/app/z.bin");
             QVERIFY(!c.tmp.makeHardLink("c/app/h.bin", "outside/h.bin").isEmpty());
             c.category("appcache", 0, {c.labelled("c/app")});
             c.args = {"--category", "appcache"};
         },
         {"outside/h.bin"},
         {"c/app/h.bin", "c/app/z.bin"},
         0,
         {"DELETED  @/c/app  4 KB"},
         4096,
         2,
         false,
         true,
         false},
        {"services' folders and fresh entries of a shared temp folder",
         [](Case &c) {
             c.file("shared/systemd-private-1-x/f.bin");
             c.file("shared/.X11-unix/X0");
             c.file("shared/old.bin");
             c.age("shared");
             c.file("shared/new.bin");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         {"shared/systemd-private-1-x/f.bin", "shared/.X11-unix/X0", "shared/new.bin"},
         {"shared/old.bin"},
         0, {}, -1, -1, false, false, false},
        {"an elevated run offers only the invoker's entries",
         [](Case &c) {
             c.file("shared/roots.bin");
             c.file("shared/theirs.bin");
             c.age("shared");
             QVERIFY(::chown(QFile::encodeName(c.at("shared/theirs.bin")).constData(), 65534, 65534) == 0);
             c.env.insert("SUDO_UID", "65534");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         {"shared/roots.bin"},
         {"shared/theirs.bin"},
         0, {}, -1, -1, false, false, true},
        {"an elevated run for a system account offers nothing",
         [](Case &c) {
             c.file("shared/roots.bin");
             c.file("shared/theirs.bin");
             c.age("shared");
             QVERIFY(::chown(QFile::encodeName(c.at("shared/theirs.bin")).constData(), 5, 5) == 0);
             c.env.insert("PKEXEC_UID", "5");
             c.category("temp", 0, {c.shared("shared")});
             c.args = {"--category", "temp"};
         },
         {"shared/roots.bin", "shared/theirs.bin"},
         {},
         0, {}, -1, -1, false, false, true},
        {"an age out of range in the catalogue file",
         [](Case &c) {
             c.file("shared/old.bin");
             c.age("shared");
             QJsonObject root = c.shared("shared");
             root.insert("minAgeMs", 1e300);
             c.category("temp", 0, {root});
             c.args = {"--category", "temp"};
         },
         {"shared/old.bin"},
         {},
         1, {}, -1, -1, false, false, false},
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
        QFile catalogue(c.at("catalogue.json"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write(QJsonDocument(QJsonObject{{"categories", c.categories}}).toJson());
        catalogue.close();
        QHash<QString, QByteArray> before;
        for (const QString &k : r.kept) {
            QFile f(c.at(k));
            if (f.open(QIODevice::ReadOnly))
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
        QProcess p;
        p.setProcessEnvironment(env);
        if (!c.workingDir.isEmpty())
            p.setWorkingDirectory(c.workingDir);
        p.start(QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt-cli"),
                QStringList{"clean", toTrash ? "--trash" : "--delete", "--yes", "--json"} + c.args);
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == r.exitCode, qPrintable(err));

        for (const QString &k : r.kept) {
            QFile f(c.at(k));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(k + " is gone"));
            if (before.contains(k))
                QCOMPARE(f.readAll(), before.value(k));
        }
        for (const QString &g : r.gone)
            QVERIFY2(!QFileInfo(c.at(g)).exists() || QFileInfo(c.at(g)).isSymLink(), qPrintable(g + " is still there"));
        if (r.exitCode != 0)
            return;

        const QJsonObject report = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        if (r.freed >= 0)
            QCOMPARE(report.value("freedBytes").toInteger(), r.freed);
        if (r.removed >= 0)
            QCOMPARE(report.value("filesRemoved").toInteger(), r.removed);
        const QString logPath = report.value("logPath").toString();
        const QStringList log = logPath.isEmpty() ? QStringList() : logLines(logPath);
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

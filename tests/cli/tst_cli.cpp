#include "app/platform.h"
#include "history/folderhistory.h"
#include "scan/fs.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <optional>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

} // namespace

// Runs the built varnholt-cli over fixture folders: its own home, settings,
// data folder (trash, logs) and a catalogue file naming folders of the test.
class TestCli : public QObject
{
    Q_OBJECT

private:
    std::optional<TempFolder> tmp;

    QString at(const char *relative) const { return tmp->path(QString::fromUtf8(relative)); }
    bool exists(const char *relative) const { return QFileInfo::exists(at(relative)); }
    QString catalogueFile() const { return at("catalogue.json"); }
    QString settingsFile() const { return at("config/Varnholt/Varnholt.conf"); }
    QVariant setting(const QString &key) const { return QSettings(settingsFile(), QSettings::IniFormat).value(key); }

    QProcessEnvironment environment(const QString &home, const QString &language) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), tmp->path(home));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), at("config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), at("data"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), at("cache"));
        env.insert(QStringLiteral("VARNHOLT_CATALOGUE"), catalogueFile());
        env.insert(QStringLiteral("VARNHOLT_LANG"), language);
        return env;
    }

    // HOME is the test's folder `home`; the program runs in `cwd` (relative
    // to the test's folder) when one is given.
    Run run(const QStringList &arguments, const QString &language = QStringLiteral("en"),
            const QString &home = QStringLiteral("home"), const QString &cwd = {}) const
    {
        QProcess p;
        p.setProcessEnvironment(environment(home, language));
        if (!cwd.isEmpty())
            p.setWorkingDirectory(tmp->path(cwd));
        p.start(QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt-cli"), arguments);
        Run r;
        if (!p.waitForFinished(60000))
            return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QByteArray settingsText() const
    {
        QFile f(settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeSettings(const QByteArray &ini)
    {
        QDir().mkpath(QFileInfo(settingsFile()).path());
        QFile f(settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ini);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo(QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt-cli")).isExecutable());
    }

    void init()
    {
        tmp.emplace();
        // temp: Safe listing root; dev: Review labelled root.
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("fx/temp/a.bin"), 3 * 4096).isEmpty());
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("fx/temp/b.bin"), 2 * 4096).isEmpty());
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("fx/temp/c/inner.bin"), 4096).isEmpty());
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("fx/dev/pkg/x.bin"), 4096).isEmpty());
        QVERIFY(!tmp->makeDir(QStringLiteral("home")).isEmpty());
        const QJsonObject catalogue{
            {QStringLiteral("categories"),
             QJsonArray{
                 QJsonObject{{"id", "temp"}, {"name", "Temporary files"}, {"risk", 0},
                             {"roots", QJsonArray{QJsonObject{{"path", at("fx/temp")}}}}},
                 QJsonObject{{"id", "dev"}, {"name", "Developer caches"}, {"risk", "Review"},
                             {"roots", QJsonArray{QJsonObject{{"path", at("fx/dev")}, {"label", "Dev cache"}}}}},
             }},
        };
        QFile f(catalogueFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(catalogue).toJson());
    }

    void cleanup() { tmp.reset(); }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("cli/usageerrors.tsv"), 3))
            QTest::newRow(qPrintable(f[0])) << f[1].split(u' ', Qt::SkipEmptyParts) << f[2];
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        // Nothing scanned (no last-scan time recorded) and nothing removed.
        QVERIFY(!QFileInfo::exists(settingsFile()));
        QVERIFY(exists("fx/temp/a.bin"));
    }

    // The scan's JSON, with the exclusions of the settings file, which an
    // --exclude replaces for one run without changing the file.
    void scanJson()
    {
        writeSettings("[clean]\nexclusions=b.bin\n");
        const Run r = run({QStringLiteral("scan"), QStringLiteral("--json")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err)); // not a terminal: no progress line
        const QJsonObject o = r.json();
        QCOMPARE(o.keys(), QStringList({"categories", "elapsedMs", "filesChecked"}));
        const QJsonArray categories = o.value("categories").toArray();
        QCOMPARE(categories.size(), 2);
        const QJsonObject temp = categories.at(0).toObject();
        QCOMPARE(temp.keys(), QStringList({"accessDenied", "bytes", "files", "id", "isTrash", "items", "name",
                                           "needsAdmin", "risk"}));
        QCOMPARE(temp.value("id").toString(), QStringLiteral("temp"));
        QCOMPARE(temp.value("risk").toInt(), 0);
        QCOMPARE(categories.at(1).toObject().value("risk").toInt(), 1);
        const QJsonArray items = temp.value("items").toArray();
        QCOMPARE(items.size(), 2);
        const QJsonObject first = items.at(0).toObject();
        QCOMPARE(first.keys(), QStringList({"bytes", "contentsOnly", "files", "label", "newest", "path", "runningApp"}));
        // Largest first, sizes on disk as the walker measures them.
        QCOMPARE(first.value("path").toString(), at("fx/temp/a.bin"));
        fs::Entry e;
        QVERIFY(fs::stat(at("fx/temp/a.bin"), e));
        QCOMPARE(first.value("bytes").toInteger(), e.allocated);
        QVERIFY(first.value("newest").toInteger() > 0);
        QCOMPARE(items.at(1).toObject().value("label").toString(), QStringLiteral("c"));
        const QJsonObject dev = categories.at(1).toObject().value("items").toArray().at(0).toObject();
        QCOMPARE(dev.value("contentsOnly").toBool(), true);
        QCOMPARE(dev.value("label").toString(), QStringLiteral("Dev cache"));
        QCOMPARE(o.value("filesChecked").toInteger(), 3);
        QVERIFY(o.value("elapsedMs").toInteger() >= 0);

        const QJsonArray overridden = run({QStringLiteral("scan"), QStringLiteral("--json"), QStringLiteral("--exclude"),
                                           QStringLiteral("a.bin")})
                                          .json().value("categories").toArray().at(0).toObject().value("items").toArray();
        QCOMPARE(overridden.size(), 2);
        QCOMPARE(overridden.at(0).toObject().value("path").toString(), at("fx/temp/b.bin"));
        QCOMPARE(setting("clean/exclusions").toStringList(), QStringList{QStringLiteral("b.bin")});
    }

    // What clean keeps. A skip-item through a linked home is a row of tst_keeps.
    void keepAndExclude_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("cwd");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("message");
        const auto list = [](const QString &field) { return field == u"-" ? QStringList() : field.split(u' '); };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("cli/keepandexclude.tsv"), 7)) {
            QVERIFY2(f[4] == u"0" || f[4] == u"2", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << list(f[1]) << f[2] << (f[3] == u"-" ? QString() : f[3]) << f[4].toInt()
                                            << list(f[5]) << (f[6] == u"-" ? QString() : f[6]);
        }
    }

    void keepAndExclude()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, home);
        QFETCH(QString, cwd);
        QFETCH(int, exitCode);
        QFETCH(QStringList, removed);
        QFETCH(QString, message);
        for (QString &argument : arguments)
            argument.replace(QLatin1String("@/"), tmp->path() + u'/');

        const Run r = run(arguments, QStringLiteral("en"), home, cwd);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        for (const char *file : {"fx/temp/a.bin", "fx/temp/b.bin", "fx/temp/c/inner.bin", "fx/dev/pkg/x.bin"})
            QVERIFY2(exists(file) != removed.contains(QLatin1String(file)), file);
        if (exitCode != 0) {
            QVERIFY(r.out.isEmpty());
            return;
        }
        const QJsonObject o = r.json();
        QCOMPARE(o.keys(), QStringList({"changedSinceScan", "cleanedCategories", "filesRemoved", "freedBytes", "heldFiles", "holders", "logPath",
                                        "needsAdmin", "noTrash", "runningApps", "skippedCount", "skippedSamples", "trashedBytes"}));
        QCOMPARE(o.value("filesRemoved").toInteger(), removed.size());
        if (!removed.isEmpty())
            QVERIFY(QFileInfo::exists(o.value("logPath").toString()));
    }

    void cleanToTrashPrintsReport()
    {
        writeSettings("[clean]\nmoveToTrash=false\n");
        const Run none = run({"restore"});
        QVERIFY2(none.exitCode == 1 && none.err.contains("nothing to restore"), qPrintable(none.err));
        // x.bin has a second name outside the cache: moving it takes no
        // space away, and the report still says where it went.
        QVERIFY(!tmp->makeHardLink(QStringLiteral("fx/dev/pkg/x.bin"), QStringLiteral("x-too.bin")).isEmpty());
        const Run r = run({"clean", "--category", "dev", "--trash", "--yes"});
        QCOMPARE(r.exitCode, 0);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(QStringLiteral("Log: ")), qPrintable(out));
        QVERIFY2(out.startsWith(QStringLiteral("Moved 0 KB to the Trash · freed 0 KB · 1 file removed")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("Cleaned: dev")));
        // The labelled root keeps its folder; its contents went to the trash.
        QVERIFY(exists("fx/dev"));
        QVERIFY(!exists("fx/dev/pkg"));
        QVERIFY(!QDir(at("data/Trash/files")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
        QCOMPARE(setting("clean/moveToTrash").toBool(), false);

        // A later run deletes for good; the trash run still goes back in one step, then nothing is left.
        const QString trashLog = out.section(QStringLiteral("Log: "), 1).trimmed();
        const Run gone = run({"clean", "--category", "temp", "--yes", "--json"});
        QVERIFY(gone.exitCode == 0 && gone.json().value("logPath").toString() != trashLog);
        const Run deleted = run({"restore", gone.json().value("logPath").toString()});
        QVERIFY2(deleted.exitCode == 1 && deleted.err.contains("moved nothing"), qPrintable(deleted.err));
        const Run back = run({"restore", "--json"});
        QCOMPARE(back.exitCode, 0);
        QCOMPARE(back.json().value("restored").toInt(), 1);
        QCOMPARE(back.json().value("logPath").toString(), trashLog);
        QVERIFY(exists("fx/dev/pkg/x.bin"));
        const Run again = run({"restore", "--json"});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.json().value("notRestored").toObject().value("notInTrash").toInt(), 1);
    }

    void largeFiles_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("found");

        QTest::newRow("threshold from settings") << QByteArray("[large]\nthresholdMB=1\n") << QStringList{}
                                                 << QStringList{"big.iso", "mid.mkv"};
        QTest::newRow("option overrides") << QByteArray("[large]\nthresholdMB=1\n")
                                          << QStringList{"--threshold-mb", "2.5"} << QStringList{"big.iso"};
        QTest::newRow("fractional megabytes") << QByteArray() << QStringList{"--threshold-mb", "0.5"}
                                              << QStringList{"big.iso", "mid.mkv"};
        QTest::newRow("exclusion") << QByteArray() << QStringList{"--threshold-mb", "1", "--exclude", "videos"}
                                   << QStringList{"big.iso"};
    }

    void largeFiles()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, options);
        QFETCH(QStringList, found);
        if (!settings.isEmpty())
            writeSettings(settings);
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("home/big.iso"), 3 << 20).isEmpty());
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("home/videos/mid.mkv"), 3 << 19).isEmpty());
        QVERIFY(!tmp->makeFileOfSize(QStringLiteral("home/small.txt"), 4096).isEmpty());

        const Run r = run(QStringList{QStringLiteral("large"), QStringLiteral("--json")} + options);
        QCOMPARE(r.exitCode, 0);
        const QJsonArray files = r.json().value("files").toArray();
        QStringList names;
        for (const QJsonValue &v : files) {
            const QJsonObject f = v.toObject();
            QCOMPARE(f.keys(), QStringList({"bytes", "dir", "kind", "lastUsed", "name", "path"}));
            QVERIFY(QDateTime::fromString(f.value("lastUsed").toString(), Qt::ISODate).isValid());
            names.append(f.value("name").toString());
        }
        QCOMPARE(names, found);
        if (!files.isEmpty())
            QCOMPARE(files.at(0).toObject().value("kind").toString(), QStringLiteral("Disk image"));
        if (!settings.isEmpty())
            QCOMPARE(setting("large/thresholdMB").toInt(), 1);
    }

    void measure()
    {
        const QString dir = at("fx/temp");
        const fs::Measure expected = fs::measure(dir);
        const Run json = run({QStringLiteral("measure"), dir, QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject o = json.json();
        QCOMPARE(o.keys(), QStringList({"bytes", "elapsedMs", "files", "newest"}));
        QCOMPARE(o.value("bytes").toInteger(), expected.bytes);
        QCOMPARE(o.value("files").toInteger(), 3);
        QCOMPARE(o.value("newest").toInteger(), expected.newest);

        const Run table = run({QStringLiteral("measure"), dir});
        QCOMPARE(table.exitCode, 0);
        QVERIFY(QString::fromUtf8(table.out).contains(formatSize(expected.bytes)));

        const Run missing = run({QStringLiteral("measure"), at("nowhere")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains(QStringLiteral("nowhere")));
    }

    // The program carries the catalogues, and wide CJK text keeps the table's
    // columns aligned: every category row and the header end at the same
    // terminal column. On a terminal (script(1) gives one of `width` columns)
    // the table fits, its paths cut in the middle; through a pipe it does not.
    void scanTable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("width");
        QTest::newRow("ja, pipe") << "ja" << 0;
        QTest::newRow("en, 50 columns") << "en" << 50;
    }

    void scanTable()
    {
        QFETCH(QString, language);
        QFETCH(int, width);
        Run r = run({QStringLiteral("scan")}, language);
        if (width > 0) {
            QProcess p;
            p.setProcessEnvironment(environment(QStringLiteral("home"), language));
            p.start(QStringLiteral("script"),
                    {"-qec", QStringLiteral("stty cols %1 && exec " VARNHOLT_BINARY_DIR "/varnholt-cli scan 2>/dev/null").arg(width),
                     "/dev/null"});
            if (!p.waitForStarted())
                QSKIP("no script(1) to run the program on a terminal");
            QVERIFY(p.waitForFinished(60000));
            r.out = p.readAllStandardOutput().replace('\r', "");
        }
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = QString::fromUtf8(r.out).split(u'\n');
        QVERIFY2(lines.first().startsWith(language == u"ja" ? QStringLiteral("カテゴリ") : QStringLiteral("Category")),
                 qPrintable(lines.first()));
        const auto columns = [](const QString &line) {
            int width = 0;
            for (const QChar c : line)
                width += c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF ? 2 : 1;
            return width;
        };
        int rows = 0;
        for (const QString &line : lines) {
            if (line.contains(u'[')) {
                QCOMPARE(columns(line), columns(lines.first()));
                ++rows;
            }
            if (width > 0)
                QVERIFY2(columns(line) <= width, qPrintable(line));
        }
        QVERIFY(rows >= 2);
        const QString item = width > 0 ? QStringLiteral("…/a.bin  ") : at("fx/temp/a.bin") + QStringLiteral("  ");
        QVERIFY2(QString::fromUtf8(r.out).contains(item), r.out.constData());
    }

    // A file name holding a terminal escape, a line break and a bidi override
    // is printed as a visible escape: no raw control reaches the terminal, and
    // table columns are measured on what is printed. "@" is that file.
    void namesCannotHijackTheTerminal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::newRow("scan table") << QStringList{"scan"} << "fx/temp/";
        QTest::newRow("large table") << QStringList{"large", "--threshold-mb", "1"} << "home/";
        QTest::newRow("measure") << QStringList{"measure", "@"} << "fx/temp/";
    }

    void namesCannotHijackTheTerminal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        const QString name = QStringLiteral("red\x1b[31m\nTotal 9 GB\u202Egnp.exe");
        const QString file = tmp->makeFileOfSize(folder + name, 3 << 20);
        QVERIFY(!file.isEmpty());
        arguments.replaceInStrings(QStringLiteral("@"), file);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 0);
        const QString out = QString::fromUtf8(r.out);
        for (const QChar c : out)
            QVERIFY2(c == u'\n' || (c >= u' ' && c != u'\x7f' && (c < u'\x80' || c > u'\x9f') && c != u'\u202e'),
                     qPrintable(out));
        const QString escaped = QStringLiteral(R"(red\x1b[31m\nTotal 9 GB\u202egnp.exe")");
        const QStringList lines = out.split(u'\n');
        const auto row =
            std::find_if(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.contains(escaped); });
        QVERIFY2(row != lines.cend() && row->contains(u'"' + tmp->path()), qPrintable(out));
        // The item's size sits right below the "Size" heading.
        if (arguments.first() == QLatin1String("scan"))
            QCOMPARE(row->mid(lines.first().indexOf(QStringLiteral("Size")), 4), QStringLiteral("3 MB"));
    }

    void catalogueChecks_data()
    {
        QTest::addColumn<QByteArray>("category");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("cli/cataloguechecks.tsv"), 4)) {
            QVERIFY2(f[2] == u"0" || f[2] == u"1", qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << f[1].toUtf8() << f[2].toInt() << (f[3] == u"-" ? QString() : f[3]);
        }
    }

    void catalogueChecks()
    {
        QFETCH(QByteArray, category);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFile f(catalogueFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\"categories\":[" + category.replace("@", at("fx/temp").toUtf8()) + "]}");
        f.close();
        const Run r = run({QStringLiteral("scan"), QStringLiteral("--json")});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        if (exitCode != 0)
            QVERIFY2(r.err.contains(QStringLiteral("is not usable")), qPrintable(r.err));
    }

    // The history the Varnholt app records, one reading a day (GB free,
    // oldest first): what forecast prints and its JSON.
    void forecast_data()
    {
        QTest::addColumn<QList<double>>("history");
        QTest::addColumn<QString>("reason");  // empty: a forecast
        QTest::addColumn<double>("daysUntilFull");
        QTest::addColumn<QString>("text");
        QTest::newRow("falling") << QList<double>{100, 98, 96, 94, 92, 90, 88, 86, 84, 82} << "" << 41.0
                                 << "At this rate the disk is full in about 6 weeks\n"
                                    "Free space falls by about 2.0 GB a day\n10 records of free space since ";
        QTest::newRow("rising") << QList<double>{50, 51, 52, 53, 54, 55, 56, 57} << "notFalling" << -1.0
                                << "No forecast: free space is not falling.\nFree space rises by about 1.0 GB a day";
        QTest::newRow("no history") << QList<double>{} << "tooFewSamples" << -1.0 << "has been recorded 0 time";
        QTest::newRow("two readings, no rate yet") << QList<double>{100, 90} << "tooFewSamples" << -1.0
                                                  << "a forecast needs at least 5.";
    }

    void forecast()
    {
        QFETCH(QList<double>, history);
        QFETCH(QString, reason);
        QFETCH(double, daysUntilFull);
        QFETCH(QString, text);
        QStringList entries;
        const qint64 day = 24 * 60 * 60 * 1000;
        const qint64 start = QDateTime::currentMSecsSinceEpoch() - history.size() * day;
        for (qsizetype i = 0; i < history.size(); ++i)
            entries << QStringLiteral("%1 %2 %3").arg(start + i * day).arg(qint64(history[i] * (1 << 30))).arg(qint64(500) << 30);
        if (!entries.isEmpty())
            writeSettings("[history]\nfreeSpace=" + entries.join(QStringLiteral(", ")).toUtf8() + "\n");

        const Run table = run({QStringLiteral("forecast")});
        QCOMPARE(table.exitCode, 0);
        QVERIFY2(QString::fromUtf8(table.out).contains(text), table.out.constData());
        const Run json = run({QStringLiteral("forecast"), QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject o = json.json();
        QCOMPARE(o.value("samples").toInt(), history.size());
        QCOMPARE(o.value("history").toArray().size(), history.size());
        QCOMPARE(o.value("reason").toString(), reason);
        QCOMPARE(o.value("daysUntilFull").toDouble(-1), daysUntilFull);
        // A rate only from a history long enough for a forecast.
        const bool rate = reason != QLatin1String("tooFewSamples") && reason != QLatin1String("tooShortSpan");
        QCOMPARE(o.value("slopeBytesPerDay").isNull(), !rate);
        QCOMPARE(QString::fromUtf8(table.out).contains(QStringLiteral("Free space")), rate);
    }

    // Readings of folder sizes planted a week apart, oldest first ("path=MiB"
    // below the test's folder, "" for the folder itself): what grew prints,
    // and the first folder of its JSON.
    void grew_data()
    {
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");  // "path change category" of --json
        QTest::newRow("none") << QStringList{} << QStringList{"grew"} << "Nothing to compare yet: 0 reading" << "";
        QTest::newRow("one") << QStringList{"=10"} << QStringList{"grew", "--since=3d"} << "so far, and a comparison needs two"
                             << "";
        QTest::newRow("a week") << QStringList{"=100,Videos=50,fx=10,fx/dev=10", "=2130,Videos=2050,fx=40,fx/dev=40"}
                                << QStringList{"grew"}
                                << "+2.0 GB  50 MB  2.0 GB            @/Videos\n +30 MB  10 MB   40 MB  dev       "
                                       "@/fx/dev\ndev: clean it with: varnholt-cli clean --category dev\n"
                                       "In all: 100 MB then, 2.1 GB now (+2.0 GB)."
                                << "Videos 2097152000 ";
        QTest::newRow("nearest to --since") << QStringList{"=100,a=10", "=150,a=60", "=400,a=310"}
                                            << QStringList{"grew", "--since", "1w"} << "+250 MB  60 MB  310 MB" << "a 262144000 ";
        QTest::newRow("record") << QStringList{"=100,a=10"} << QStringList{"grew", "--record"}
                                << "Recorded the size of 1 folder" << "";
    }

    void grew()
    {
        QFETCH(QStringList, readings);
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        QFETCH(QString, first);
        text.replace(u'@', tmp->path());
        FolderHistory history(at("data/Varnholt/history"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (qsizetype i = 0; i < readings.size(); ++i) {
            FolderReading r;
            r.time = now.addDays(7 * (i + 1 - readings.size())).addSecs(-60);
            r.root = tmp->path();
            for (const QString &f : readings.at(i).split(u','))
                r.folders.append({f.section(u'=', 0, 0), f.section(u'=', 1).toLongLong() * 1024 * 1024});
            QVERIFY(history.add(r));
        }
        const Run table = run(arguments);
        QCOMPARE(table.exitCode, 0);
        QVERIFY2(QString::fromUtf8(table.out).contains(text), table.out.constData());
        const QJsonObject o = run(arguments + QStringList{QStringLiteral("--json")}).json();
        const QJsonObject f = o.value("folders").toArray().first().toObject();
        const QString got = f.isEmpty() ? QString()
            : QDir(tmp->path()).relativeFilePath(f.value("path").toString()) + u' '
                + QString::number(f.value("change").toInteger()) + u' ' + f.value("category").toString();
        QCOMPARE(got, first);
        if (arguments.contains(QStringLiteral("--record")))
            QCOMPARE(history.readings().size(), 2);
    }

    // A store that exists but cannot be read or parsed: clean refuses before
    // scanning, scan, large and forecast warn; the store is left as it was.
    void unreadableSettings_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const QString refused = QStringLiteral("Cannot read the settings file %1");
        const QString warned = QStringLiteral("Warning: cannot read the settings file %1");
        QTest::newRow("folder, scan") << "folder" << "scan" << 0 << warned;
        QTest::newRow("folder, large") << "folder" << "large" << 0 << warned;
        QTest::newRow("folder, forecast") << "folder" << "forecast" << 0 << warned;
        QTest::newRow("unterminated section, clean") << "unterminated section" << "clean" << 1 << refused;
        QTest::newRow("unreadable file, clean") << "unreadable file" << "clean" << 1 << refused;
        QTest::newRow("unreadable file, scan") << "unreadable file" << "scan" << 0 << warned;
        QTest::newRow("unsearchable folder, clean") << "unsearchable folder" << "clean" << 1 << refused;
        QTest::newRow("missing, clean") << "missing" << "clean" << 0 << "";
    }

    void unreadableSettings()
    {
        QFETCH(QString, breakage);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QByteArray valid = "[clean]\nmoveToTrash=false\nexclusions=b.bin\n";
        bool unprivileged = false;
        if (breakage == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(settingsFile()));
        } else if (breakage == QLatin1String("unterminated section")) {
            writeSettings("[clean\nexclusions=b.bin\n");
        } else if (breakage == QLatin1String("unreadable file")) {
            writeSettings(valid);
            QVERIFY(QFile::setPermissions(settingsFile(), {}));
            unprivileged = true;
        } else if (breakage == QLatin1String("unsearchable folder")) {
            writeSettings(valid);
            QVERIFY(!tmp->makeUnreadableDir(QStringLiteral("config/Varnholt")).isEmpty());
            unprivileged = true;
        }
        const QByteArray before = settingsText();
        QStringList arguments{command};
        if (command == QLatin1String("clean"))
            arguments += QStringList{"--category", "temp", "--delete", "--exclude", "nothing", "--yes"};

        int exit = -1;
        QString output;
        if (unprivileged) {
            QVERIFY(tmp->openToOthers());
            const testsupport::ChildResult r = testsupport::runUnprivileged(
                QStringLiteral(VARNHOLT_BINARY_DIR "/varnholt-cli"), arguments, environment("home", "en"));
            if (r.skipped)
                QSKIP(qPrintable(r.reason));
            exit = r.exitCode;
            output = r.output;
        } else {
            const Run r = run(arguments);
            exit = r.exitCode;
            output = r.err;
        }
        QCOMPARE(exit, exitCode);
        if (!message.isEmpty())
            QVERIFY2(output.contains(message.arg(settingsFile())), qPrintable(output));
        for (const char *file : {"fx/temp/a.bin", "fx/temp/b.bin", "fx/temp/c/inner.bin"})
            QCOMPARE(exists(file), exitCode != 0 || command != QLatin1String("clean"));
        if (breakage != QLatin1String("missing"))
            QCOMPARE(settingsText(), before);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

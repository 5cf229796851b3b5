#include "clean/restore.h"

#include "app/trash.h"
#include "clean/cleaner.h"
#include "clean/cleanuplog.h"
#include "support/testsupport.h"

#include <QStandardPaths>
#include <QtTest>

namespace {

// A trash-mode cleanup of `paths` by the real cleaner; the path of its log.
QString cleanToTrash(const QStringList &paths)
{
    CategoryResult r;
    r.id = QStringLiteral("temp");
    r.name = r.id;
    for (const QString &p : paths) {
        ScanItem i;
        i.path = p;
        i.label = p.section(QLatin1Char('/'), -1);
        i.bytes = 4096;
        i.files = 1;
        r.items.append(i);
        r.bytes += i.bytes;
        r.files += i.files;
    }
    Cleaner cleaner;
    QString log;
    QObject::connect(&cleaner, &Cleaner::finished, &cleaner, [&](const CleanReport &report) { log = report.logPath; });
    cleaner.start({r}, true, {});
    return QTest::qWaitFor([&] { return !log.isEmpty(); }, 30000) ? log : QString();
}

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool writeAll(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

QString files()
{
    return trash::homeTrash() + QStringLiteral("/files");
}

QStringList names(const QString &folder, const QString &suffix = {})
{
    QStringList out = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (QString &n : out)
        if (!suffix.isEmpty() && n.endsWith(suffix))
            n.chop(suffix.size());
    out.sort();
    return out;
}

} // namespace

class TestRestore final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(qEnvironmentVariable("XDG_DATA_HOME").contains(QLatin1String("test-sandbox")));
    }

    void cleanup() { QDir(trash::homeTrash()).removeRecursively(); }

    // Three items of folder c (two files and a folder) go to the trash by a
    // real cleanup; then something happens meanwhile, then the run is put
    // back from its log.
    void restoresWhatTheRunMoved_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("restored");
        QTest::addColumn<QStringList>("left");    // "name:reason", sorted
        QTest::addColumn<bool>("byRecords");
        QTest::addColumn<QStringList>("content"); // "relative path=text" afterwards; "!path": gone

        const QStringList all{"c/a.bin=a", "c/b.bin=b", "c/sub/d.bin=d"};
        QTest::newRow("in full") << "" << 3 << QStringList{} << false << all;
        QTest::newRow("missing folders made again") << "remove c" << 3 << QStringList{} << false << all;
        QTest::newRow("place taken again") << "write c/b.bin" << 2 << QStringList{"b.bin:placeTaken"} << false
                                           << QStringList{"c/a.bin=a", "c/b.bin=new", "c/sub/d.bin=d"};
        QTest::newRow("emptied from the trash") << "empty a.bin" << 2 << QStringList{"a.bin:notInTrash"} << false
                                                << QStringList{"!c/a.bin", "c/b.bin=b", "c/sub/d.bin=d"};
        QTest::newRow("same name, another entry") << "replace a.bin" << 2 << QStringList{"a.bin:notInTrash"} << false
                                                  << QStringList{"!c/a.bin", "!other/a.bin", "c/b.bin=b"};
        QTest::newRow("same path, trashed again by a later run")
            << "again a.bin" << 2 << QStringList{"a.bin:notInTrash"} << false
            << QStringList{"!c/a.bin", "c/b.bin=b", "c/sub/d.bin=d"};
        QTest::newRow("log without trash places") << "strip" << 3 << QStringList{} << true << all;
        QTest::newRow("older log, place taken") << "strip; write c/b.bin" << 2 << QStringList{"b.bin:placeTaken"}
                                                << true << QStringList{"c/a.bin=a", "c/b.bin=new", "c/sub/d.bin=d"};
        QTest::newRow("older log, two records claim a path")
            << "strip; twin a.bin" << 2 << QStringList{"a.bin:ambiguous"} << true
            << QStringList{"!c/a.bin", "c/b.bin=b", "c/sub/d.bin=d"};
        // Another run's record of c/a.bin.old, in the same second.
        QTest::newRow("older log, a record of a name it begins")
            << "strip; twin a.bin as c/a.bin.old" << 3 << QStringList{} << true
            << QStringList{"c/a.bin=a", "!c/a.bin.old", "c/b.bin=b", "c/sub/d.bin=d"};
        QTest::newRow("edited: a place outside the trash")
            << "point a.bin at other/a.bin" << 2 << QStringList{"a.bin:notTrashEntry"} << false
            << QStringList{"!c/a.bin", "other/a.bin=", "c/b.bin=b"};
        QTest::newRow("edited: a place with ..")
            << "point a.bin at files/../../other/a.bin" << 2 << QStringList{"a.bin:notTrashEntry"} << false
            << QStringList{"!c/a.bin", "other/a.bin=", "c/b.bin=b"};
        QTest::newRow("edited: a files/ folder outside the trash")
            << "bin other; point a.bin at other/files/a.bin" << 2 << QStringList{"a.bin:notTrashEntry"} << false
            << QStringList{"!c/a.bin", "c/b.bin=b"};
        QTest::newRow("a link on the way back")
            << "link c" << 0 << QStringList{"a.bin:couldNotMove", "b.bin:couldNotMove", "sub:couldNotMove"} << false
            << QStringList{};
    }

    void restoresWhatTheRunMoved()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, restored);
        QFETCH(QStringList, left);
        QFETCH(bool, byRecords);
        QFETCH(QStringList, content);

        TempFolder tmp;
        const QString a = tmp.makeFile(QStringLiteral("c/a.bin"), "a");
        const QString b = tmp.makeFile(QStringLiteral("c/b.bin"), "b");
        tmp.makeFile(QStringLiteral("c/sub/d.bin"), "d");
        const QString sub = tmp.path(QStringLiteral("c/sub"));
        const QString other = tmp.makeFile(QStringLiteral("other/a.bin"));
        const QString log = cleanToTrash({a, b, sub});
        QVERIFY(!log.isEmpty());
        QCOMPARE(names(files()), QStringList({"a.bin", "b.bin", "sub"}));

        QString text = readAll(log);
        for (const QString &step : meanwhile.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QString arg = step.section(QLatin1Char(' '), 1);
            if (step == QLatin1String("remove c")) {
                QVERIFY(QDir(tmp.path(QStringLiteral("c"))).removeRecursively());
            } else if (step.startsWith(QLatin1String("write "))) {
                QVERIFY(writeAll(tmp.path(arg), QStringLiteral("new")));
            } else if (step.contains(QRegularExpression(QStringLiteral("^(empty|replace|again) ")))) {
                const QString info = trash::homeTrash() + QStringLiteral("/info/") + arg + QStringLiteral(".trashinfo");
                QVERIFY(QFile::remove(files() + QLatin1Char('/') + arg));
                QVERIFY(QFile::remove(info));
                if (step.startsWith(QLatin1String("empty ")))
                    continue;
                // Then a file of that name from elsewhere, or one of its path an hour later, takes its place.
                const bool again = step.startsWith(QLatin1String("again "));
                QString inTrash;
                QVERIFY(trash::moveToTrash(again ? tmp.makeFile("c/" + arg, "new") : other, nullptr, &inTrash));
                QCOMPARE(inTrash, files() + QLatin1Char('/') + arg);
                const QString later = QDateTime::currentDateTime().addSecs(3600).toString(Qt::ISODate);
                if (again)
                    QVERIFY(writeAll(info, readAll(info).replace(QRegularExpression("DeletionDate=.*"), "DeletionDate=" + later)));
            } else if (step == QLatin1String("strip")) {
                text.remove(QRegularExpression(QStringLiteral("^  -> [^\\n]*\\n"), QRegularExpression::MultilineOption));
                QVERIFY(writeAll(log, text));
            } else if (step.startsWith(QLatin1String("twin "))) {
                // A second record of the entry's path, or "as" another path.
                const QString info = trash::homeTrash() + QStringLiteral("/info/");
                const QString as = step.section(QLatin1Char(' '), 3);
                QString record = readAll(info + step.section(QLatin1Char(' '), 1, 1) + QStringLiteral(".trashinfo"));
                if (!as.isEmpty())
                    record.replace(QStringLiteral("/c/a.bin\n"), QLatin1Char('/') + as + QLatin1Char('\n'));
                QVERIFY(writeAll(info + QStringLiteral("twin.trashinfo"), record));
                QVERIFY(writeAll(files() + QStringLiteral("/twin"), QStringLiteral("twin")));
            } else if (step == QLatin1String("bin other")) {
                // The entry and its record laid out as in a trash folder, but in none of this user's.
                QVERIFY(QDir().mkpath(tmp.path(QStringLiteral("other/info"))));
                QVERIFY(QDir().mkpath(tmp.path(QStringLiteral("other/files"))));
                QVERIFY(QFile::rename(files() + QStringLiteral("/a.bin"), tmp.path(QStringLiteral("other/files/a.bin"))));
                QVERIFY(QFile::rename(trash::homeTrash() + QStringLiteral("/info/a.bin.trashinfo"),
                                      tmp.path(QStringLiteral("other/info/a.bin.trashinfo"))));
            } else if (step.startsWith(QLatin1String("point a.bin at "))) {
                const QString target = step.mid(15);
                const QString place = target.startsWith(QLatin1String("files/")) ? trash::homeTrash() + QLatin1Char('/') + target
                                                                                 : tmp.path(target);
                text.replace(files() + QStringLiteral("/a.bin\t"), place + QLatin1Char('\t'));
                QVERIFY(writeAll(log, text));
            } else if (step == QLatin1String("link c")) {
                QVERIFY(QDir(tmp.path(QStringLiteral("c"))).removeRecursively());
                QVERIFY(!tmp.makeSymlink(tmp.path(QStringLiteral("elsewhere")), QStringLiteral("c")).isEmpty());
                QVERIFY(!tmp.makeDir(QStringLiteral("elsewhere")).isEmpty());
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            }
        }

        const RestoreReport report = restoreRun(log);
        QVERIFY(report.logRead);
        QCOMPARE(report.restored, restored);
        QCOMPARE(report.byRecords, byRecords);
        QStringList got;
        for (const RestoreReport::Left &l : report.left)
            got.append(l.path.section(QLatin1Char('/'), -1) + QLatin1Char(':') + RestoreReport::reasonKey(l.reason));
        got.sort();
        QCOMPARE(got, left);
        for (const QString &expected : std::as_const(content)) {
            if (expected.startsWith(QLatin1Char('!'))) {
                QVERIFY2(!QFileInfo::exists(tmp.path(expected.mid(1))), qPrintable(expected));
                continue;
            }
            const QString path = tmp.path(expected.section(QLatin1Char('='), 0, 0));
            QVERIFY2(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink(), qPrintable(path));
            QCOMPARE(readAll(path), expected.section(QLatin1Char('='), 1));
        }
        // Nothing was made through the link, and every entry still in the
        // trash kept its record while every entry taken back lost its own.
        QVERIFY(names(tmp.path(QStringLiteral("elsewhere"))).isEmpty());
        QCOMPARE(names(trash::homeTrash() + QStringLiteral("/info"), QStringLiteral(".trashinfo")), names(files()));
    }
};

QTEST_GUILESS_MAIN(TestRestore)
#include "tst_restore.moc"

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

    // A run put back from its log after something happened meanwhile; the
    // cases and what they start from are in the fixture.
    void restoresWhatTheRunMoved_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("restored");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<bool>("byRecords");
        QTest::addColumn<QStringList>("content");
        const auto list = [](const QString &field) { return field == u"-" ? QStringList() : field.split(u' '); };
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("clean/restore.tsv"), 6)) {
            bool number = false;
            const int restored = f[2].toInt(&number);
            QVERIFY2(number && QStringList({"yes", "no"}).contains(f[4]), qPrintable(f.join(u'\t')));
            QTest::newRow(qPrintable(f[0])) << (f[1] == u"-" ? QString() : f[1]) << restored << list(f[3])
                                            << (f[4] == u"yes") << list(f[5]);
        }
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

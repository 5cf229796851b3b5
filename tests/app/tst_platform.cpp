#include "app/platform.h"
#include "app/trash.h"

#include "support/testsupport.h"

#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// The trash services run against the sandboxed XDG_DATA_HOME CTest provides
// and against trash folders made inside temporary folders; nothing here may
// reach a real trash, so the whole-machine functions (emptyRecycleBin) are
// exercised through their explicit-folder counterparts.

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

class TestPlatform final : public QObject
{
    Q_OBJECT

    QString m_dataHome;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (testsupport::isUnprivilegedChild())
            return; // the parent owns the sandbox trash
        m_dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        // CTest points XDG_DATA_HOME into the build tree; run by hand without it,
        // the real trash would be at stake.
        if (m_dataHome.isEmpty() || !m_dataHome.contains(QLatin1String("test-sandbox")))
            QSKIP("XDG_DATA_HOME is not a test sandbox; run through ctest");
        QDir(m_dataHome + QStringLiteral("/Trash")).removeRecursively();
    }

    void cleanupTestCase()
    {
        if (!m_dataHome.isEmpty())
            QVERIFY(trash::empty({trash::homeTrash()}).stayed.isEmpty());
    }

    void homeVolumeFigures()
    {
        const VolumeInfo v = homeVolume();
        QVERIFY(!v.rootPath.isEmpty() && !v.fileSystem.isEmpty());
        QVERIFY(v.totalBytes > 0 && v.availableBytes >= 0 && v.availableBytes <= v.totalBytes);
        QVERIFY2(v.displayName.endsWith(QStringLiteral(" (%1)").arg(v.rootPath)), qPrintable(v.displayName));
    }

    void homeTrashFollowsXdgDataHome_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/srv/data/") << "/srv/data/Trash";
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + "/.local/share/Trash";
        QTest::newRow("relative is ignored") << QByteArray("rel/data") << QDir::homePath() + "/.local/share/Trash";
    }

    void homeTrashFollowsXdgDataHome()
    {
        QFETCH(QByteArray, value);
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        value.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", value);
        const QString got = trash::homeTrash();
        qputenv("XDG_DATA_HOME", saved);
        QTEST(got, "expected");
    }

    // Each path moves into the home trash as it is (a link as the link, even
    // named with a slash), under a name no other entry has, with a record of
    // where it was.
    void moveToTrash_data()
    {
        QTest::addColumn<QStringList>("moved"); // files made and moved, in order; "link/" is the link
        QTest::newRow("percent sign and line break") << QStringList{"docs/report 100%\nQ4.txt"};
        QTest::newRow("three of one name") << QStringList{"one/same.tar.gz", "two/same.tar.gz", "three/same.tar.gz"};
        QTest::newRow("link to a folder, named with a slash") << QStringList{"link/"};
    }

    void moveToTrash()
    {
        QFETCH(QStringList, moved);
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString kept = tmp.makeFile("keep/precious.txt", "keep me");
        QVERIFY(!tmp.makeSymlink(tmp.path("keep"), "link").isEmpty());
        const QString home = trash::homeTrash();
        QCOMPARE(home, m_dataHome + "/Trash");
        QStringList names;
        for (const QString &relative : moved) {
            const QString entry = relative.endsWith(u'/') ? tmp.path(relative.chopped(1)) : tmp.makeFile(relative, "x");
            struct stat before, after;
            QVERIFY(::lstat(QFile::encodeName(entry).constData(), &before) == 0);
            int error = 0;
            QString trashed;
            QVERIFY2(trash::moveToTrash(tmp.path(relative), &error, &trashed), qPrintable(QString::number(error)));
            QVERIFY(!exists(entry));
            QVERIFY(::lstat(QFile::encodeName(trashed).constData(), &after) == 0 && after.st_ino == before.st_ino);
            const QString name = QFileInfo(trashed).fileName();
            QCOMPARE(trashed, home + "/files/" + name);
            QVERIFY(!names.contains(name));
            QCOMPARE(name == QFileInfo(entry).fileName(), names.isEmpty()); // the first keeps its name
            names.append(name);

            const QString info = QString::fromUtf8(readAll(home + "/info/" + name + ".trashinfo"));
            const QStringList lines = info.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.value(0), QStringLiteral("[Trash Info]"));
            QCOMPARE(lines.value(1), "Path=" + QString::fromLatin1(QFile::encodeName(entry).toPercentEncoding("/")));
            QVERIFY(lines.value(2).startsWith(QLatin1String("DeletionDate=")));
            const QDateTime deleted = QDateTime::fromString(lines.value(2).mid(13), QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
            QVERIFY(deleted.isValid() && qAbs(deleted.secsTo(QDateTime::currentDateTime())) < 120);
        }
        QCOMPARE(readAll(kept), QByteArray("keep me"));
        QCOMPARE(QFileInfo(home).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    }

    void moveToTrashRefuses_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "missing" << ENOENT;
        QTest::newRow("relative path") << "relative" << EINVAL;
        QTest::newRow("the trash itself") << "trash" << EINVAL;
        QTest::newRow("something in the trash") << "in-trash" << EINVAL;
        QTest::newRow("a folder holding the trash") << "data-home" << EINVAL;
        QTest::newRow("root") << "root" << EINVAL;
        // Parts of the trash that another user owns are not ours to fill.
        QTest::newRow("files/ of another user") << "files" << EACCES;
        QTest::newRow("info/ of another user") << "info" << EACCES;
        QTest::newRow("on another volume") << "far" << EXDEV;
    }

    void moveToTrashRefuses()
    {
        QFETCH(QString, what);
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString home = trash::homeTrash();
        QString inTrash;
        QVERIFY(trash::moveToTrash(tmp.makeFile("x.txt", "x"), nullptr, &inTrash));
        const bool foreign = what == u"files" || what == u"info";
        if (foreign && ::geteuid() != 0)
            QSKIP("giving part of the trash to another user needs root");
        const QByteArray part = QFile::encodeName(home + u'/' + what);
        const auto giveBack = qScopeGuard([&] {
            if (foreign && ::chown(part.constData(), ::getuid(), ::getgid()) != 0)
                qWarning("could not take back %s", part.constData());
        });
        QVERIFY(!foreign || ::chown(part.constData(), 65534, 65534) == 0);
        const QString mine = tmp.makeFile("y.txt", "y");
        TempFolder other(what == u"far" ? TempFolder::memoryBackedBase() : tmp.path());
        const QString far = other.makeFile("far.txt", "far away");
        struct stat a, b;
        if (what == u"far" && (::stat(QFile::encodeName(far).constData(), &a) != 0
                               || ::stat(QFile::encodeName(home).constData(), &b) != 0 || a.st_dev == b.st_dev))
            QSKIP("no second volume to move from");
        const QHash<QString, QString> paths{{"missing", tmp.path("missing.txt")}, {"relative", "x.txt"},
                                            {"trash", home}, {"in-trash", inTrash}, {"data-home", m_dataHome},
                                            {"root", "/"}, {"files", mine}, {"info", mine}, {"far", far}};
        const qsizetype records = QDir(home + "/info").count();
        int got = 0;
        QVERIFY(!trash::moveToTrashFolder(paths.value(what), home, &got));
        QTEST(got, "error");
        // Nothing moved, and no record left behind.
        QVERIFY(exists(inTrash) && exists(mine) && exists(far));
        QCOMPARE(QDir(home + "/info").count(), records);
    }

    void volumeTrashesFollowTheRules()
    {
        TempFolder top;
        QVERIFY(top.isValid());
        const QString uid = QString::number(::getuid());
        QVERIFY(trash::volumeTrashes(top.path()).isEmpty());

        // A shared .Trash without the sticky bit must not be used...
        QVERIFY(!top.makeDir(".Trash/" + uid).isEmpty());
        QVERIFY(trash::volumeTrashes(top.path()).isEmpty());
        // ...with it, our folder inside is.
        QVERIFY(::chmod(QFile::encodeName(top.path(".Trash")).constData(), 01777) == 0);
        QCOMPARE(trash::volumeTrashes(top.path()), QStringList{top.path(".Trash/" + uid)});

        QVERIFY(!top.makeDir(".Trash-" + uid).isEmpty());
        QCOMPARE(trash::volumeTrashes(top.path()), (QStringList{top.path(".Trash/" + uid), top.path(".Trash-" + uid)}));

        // A link planted in place of a trash folder is never a trash folder.
        TempFolder planted;
        QVERIFY(planted.isValid());
        QVERIFY(!planted.makeDir("elsewhere").isEmpty()
                && !planted.makeSymlink(planted.path("elsewhere"), ".Trash-" + uid).isEmpty());
        QVERIFY(trash::volumeTrashes(planted.path()).isEmpty());
    }

    void measureAndEmptyTrashFolders()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString outside = tmp.makeFileOfSize("outside/keep.bin", 100000);
        const QString t1 = tmp.makeDir("vol1/.Trash-1000");
        const QString t2 = tmp.makeDir("vol2/Trash");
        QVERIFY(!tmp.makeFileOfSize("vol1/.Trash-1000/files/a.bin", 8192).isEmpty()
                && !tmp.makeFileOfSize("vol1/.Trash-1000/files/dir/deep/b.bin", 4096).isEmpty()
                && !tmp.makeSymlink(tmp.path("outside"), "vol1/.Trash-1000/files/link").isEmpty()
                && !tmp.makeFile("vol1/.Trash-1000/info/a.bin.trashinfo", "[Trash Info]\n").isEmpty()
                && !tmp.makeFileOfSize("vol1/.Trash-1000/expunged/old", 4096).isEmpty()
                && !tmp.makeFileOfSize("vol2/Trash/files/c.bin", 4096).isEmpty());
        qint64 bytes = -1, items = -1;
        trash::measure({t1, t2}, bytes, items);
        QCOMPARE(items, 4); // a.bin, dir, link, c.bin
        // expunged/ counts (it goes with the rest); the link's target does not.
        QVERIFY(bytes >= 8192 + 4096 + 4096 + 4096 && bytes < 100000);

        QVERIFY(trash::empty({t1, t2}).stayed.isEmpty());
        for (const QString &t : {t1, t2}) {
            for (const char *sub : {"/files", "/info", "/expunged"}) {
                const QDir d(t + QLatin1String(sub));
                QVERIFY(d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden).isEmpty());
            }
            QVERIFY(QFileInfo(t + "/files").isDir());
        }
        QCOMPARE(QFileInfo(outside).size(), 100000);

        trash::measure({t1, t2}, bytes, items);
        QVERIFY(items == 0 && bytes == 0);
        // Emptying what is already empty, or a trash that does not exist, succeeds.
        QVERIFY(trash::empty({t1, tmp.path("no-such-trash")}).stayed.isEmpty());
    }

    void allTrashFoldersIncludesTheHomeTrash()
    {
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        QVERIFY(trash::moveToTrash(tmp.makeFile("y.txt", "y")));
        const QStringList all = trash::allTrashFolders();
        QCOMPARE(all.value(0), trash::homeTrash());
        const QString uid = QString::number(::getuid());
        for (const QString &t : all.mid(1))
            QVERIFY2(t.endsWith("/.Trash-" + uid) || t.endsWith("/.Trash/" + uid), qPrintable(t));
        QCOMPARE(all.count(trash::homeTrash()), 1);
        QVERIFY(trash::isInsideTrash(trash::homeTrash() + "/files/y.txt", all));
        QVERIFY(!trash::isInsideTrash(trash::homeTrash() + "-not", all));
    }

    // Runs as an unprivileged child: root could remove everything.
    void emptyReportsWhatItCouldNotRemove()
    {
        if (testsupport::isUnprivilegedChild()) {
            const QString t = testsupport::childArguments().value(0);
            // What went counts; what stayed is named and keeps its record.
            const BinEmptied e = trash::empty({t});
            QCOMPARE(e.stayed, (QList<std::pair<QString, QString>>{{t + "/files/locked", "in use or access denied"}}));
            QVERIFY(e.items == 1 && e.bytes > 0);
            QVERIFY(!exists(t + "/files/removable.txt") && !exists(t + "/info/removable.txt.trashinfo"));
            QVERIFY(exists(t + "/files/locked/stuck.txt") && exists(t + "/info/locked.trashinfo"));
            return;
        }
        TempFolder tmp;
        QVERIFY(tmp.isValid());
        const QString t = tmp.makeDir("trash");
        QVERIFY(!tmp.makeFile("trash/files/removable.txt", "r").isEmpty()
                && !tmp.makeFile("trash/files/locked/stuck.txt", "s").isEmpty());
        for (const char *record : {"removable.txt", "locked"})
            QVERIFY(!tmp.makeFile(QStringLiteral("trash/info/%1.trashinfo").arg(QLatin1String(record)), "[Trash Info]\n").isEmpty());
        for (const char *sub : {"/files", "/info"})
            QVERIFY(::chmod(QFile::encodeName(t + QLatin1String(sub)).constData(), 0777) == 0);
        QVERIFY(tmp.openToOthers());
        const testsupport::ChildResult r = testsupport::runInUnprivilegedChild("emptyReportsWhatItCouldNotRemove", {t});
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"

#include "scan/fs.h"

#include "support/testsupport.h"

#include <QSet>
#include <QtTest>

#include <sys/stat.h>

namespace {

// What the disk itself says a path occupies: the oracle the walker's totals
// are held against.
qint64 onDisk(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_blocks) * 512;
}

bool sameMeasure(const fs::Measure &a, const fs::Measure &b)
{
    return a.bytes == b.bytes && a.files == b.files && a.newest == b.newest;
}

QString describe(const fs::Measure &m)
{
    return QStringLiteral("bytes=%1 files=%2 newest=%3").arg(m.bytes).arg(m.files).arg(m.newest);
}

QSet<QString> walkedFiles(const QString &root, const fs::FolderFilter &filter = {})
{
    QSet<QString> files;
    fs::walk(root, nullptr, filter, [&](const QString &path, const fs::Entry &) { files.insert(path); });
    return files;
}

} // namespace

class TestFs final : public QObject
{
    Q_OBJECT

private slots:
    void join_data();
    void join();
    void statDescribesThePathItself();
    void listMarksSpecialAndUnnameableEntries();
    void measureSingleRoots_data();
    void measureSingleRoots();
    void measureCountsWhatTheTreeOccupies();
    void measureLeavesOutSkipPaths_data();
    void measureLeavesOutSkipPaths();
    void progressEvery400Files();
    void cancelBeforeStart();
    void cancelStopsBeforeNextFolder();
    void walkVisitsFilesOnly();
    void walkDoesNotEnterALinkedRoot();
    void fastWalkerMatchesListingWalker();
    void deepTreeDoesNotExhaustTheStack();
    void canListMissingFolder();
    void deniedFolder();
    void unreadableFolderCountsAsEmpty();
};

void TestFs::join_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/a/b" << "c" << "/a/b/c";
    QTest::newRow("trailing slash") << "/a/b/" << "c" << "/a/b/c";
    QTest::newRow("root") << "/" << "etc" << "/etc";
    // A backslash is part of a name here, not a separator.
    QTest::newRow("backslash is a name character") << "/a\\" << "c" << "/a\\/c";
}

void TestFs::join()
{
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(fs::join(dir, name), expected);
}

void TestFs::statDescribesThePathItself()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString file = tmp.makeFileOfSize("dir/file.bin", 10000);
    QVERIFY(!tmp.makeSymlink(tmp.path("dir"), "dirlink").isEmpty());
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1600000000123);
    QVERIFY(tmp.setMTime("dir/file.bin", when));

    fs::Entry e;
    QVERIFY(fs::stat(file, e));
    QCOMPARE(e.name, QStringLiteral("file.bin"));
    QVERIFY(!e.isDir);
    QVERIFY(!e.isLink);
    QCOMPARE(e.size, 10000);
    QCOMPARE(e.allocated, onDisk(file));
    QCOMPARE(e.mtime, when.toMSecsSinceEpoch());
    QCOMPARE(e.links, 1);
    QVERIFY(e.inode != 0);

    // A trailing slash must not make the link's target the subject.
    fs::Entry link;
    QVERIFY(fs::stat(tmp.path("dirlink") + "/", link));
    QVERIFY(link.isLink);
    QVERIFY(!link.isDir);
    QCOMPARE(link.name, QStringLiteral("dirlink"));

    fs::Entry folder;
    QVERIFY(fs::stat(tmp.path("dir"), folder));
    QVERIFY(folder.isDir);
    QCOMPARE(folder.size, 0);

    fs::Entry untouched;
    untouched.name = QStringLiteral("keep");
    QVERIFY(!fs::stat(tmp.path("missing"), untouched));
    QCOMPARE(untouched.name, QStringLiteral("keep"));
}

void TestFs::listMarksSpecialAndUnnameableEntries()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(!tmp.makeFile("d/plain.txt", "abc").isEmpty());
    QVERIFY(!tmp.makeDir("d/sub").isEmpty());
    QVERIFY(!tmp.makeSocket("d/s.sock").isEmpty());
    QVERIFY(!tmp.makeFifo("d/pipe").isEmpty());
    QVERIFY(!tmp.makeRawNamedFile("d", QByteArray("bad\xff\xfe", 5), "x").isEmpty());

    QHash<QString, fs::Entry> byName;
    int unnameable = 0;
    for (const fs::Entry &e : fs::list(tmp.path("d"))) {
        if (e.name.startsWith(QLatin1String("bad"))) {
            ++unnameable;
            QVERIFY(e.skip);
        } else {
            byName.insert(e.name, e);
        }
    }
    QCOMPARE(unnameable, 1);
    QCOMPARE(byName.size(), 4); // no "." or ".."
    QVERIFY(!byName.value("plain.txt").skip);
    QCOMPARE(byName.value("plain.txt").size, 3);
    QVERIFY(byName.value("sub").isDir);
    QVERIFY(byName.value("s.sock").skip);
    QVERIFY(byName.value("pipe").skip);

    QVERIFY(fs::list(tmp.path("missing")).isEmpty());
}

void TestFs::measureSingleRoots_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("files");
    QTest::newRow("missing path") << "missing" << qint64(0);
    QTest::newRow("plain file") << "file" << qint64(1);
    QTest::newRow("empty folder") << "empty" << qint64(0);
    QTest::newRow("socket") << "socket" << qint64(0);
    QTest::newRow("fifo") << "fifo" << qint64(0);
    // A link is measured as itself, whatever it points at.
    QTest::newRow("link to a folder") << "dirlink" << qint64(1);
}

void TestFs::measureSingleRoots()
{
    QFETCH(QString, kind);
    QFETCH(qint64, files);
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(!tmp.makeFileOfSize("target/big.bin", 1 << 20).isEmpty());
    QString path = tmp.path(kind);
    if (kind == "file") {
        path = tmp.makeFileOfSize("file", 5000);
        QVERIFY(tmp.setMTime("file", QDateTime::fromMSecsSinceEpoch(1500000000000)));
    } else if (kind == "empty") {
        path = tmp.makeDir("empty");
    } else if (kind == "socket") {
        path = tmp.makeSocket("socket");
    } else if (kind == "fifo") {
        path = tmp.makeFifo("fifo");
    } else if (kind == "dirlink") {
        path = tmp.makeSymlink(tmp.path("target"), "dirlink");
    }
    QVERIFY(!path.isEmpty());

    const fs::Measure m = fs::measure(path);
    QCOMPARE(m.files, files);
    if (kind == "file") {
        QCOMPARE(m.bytes, onDisk(path));
        QCOMPARE(m.newest, 1500000000000);
    } else if (kind == "dirlink") {
        QCOMPARE(m.bytes, onDisk(path));
    } else {
        QCOMPARE(m.bytes, 0);
        QCOMPARE(m.newest, 0);
    }
    QVERIFY2(sameMeasure(m, fs::detail::measureByListing(path, nullptr, {}, {})), qPrintable(describe(m)));
}

void TestFs::measureCountsWhatTheTreeOccupies()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString a = tmp.makeFileOfSize("t/a.bin", 40000);
    const QString b = tmp.makeFileOfSize("t/x/y/b.bin", 123456);
    const QString sparse = tmp.makeSparseFile("t/x/sparse.img", qint64(256) << 20, 8192);
    QVERIFY(!a.isEmpty() && !b.isEmpty() && !sparse.isEmpty());
    // Hard links in and across folders: the data is there once.
    QVERIFY(!tmp.makeHardLink("t/a.bin", "t/a-again.bin").isEmpty());
    QVERIFY(!tmp.makeHardLink("t/a.bin", "t/x/a-third.bin").isEmpty());
    // Links add themselves only; their targets are big and outside or inside.
    QVERIFY(!tmp.makeFileOfSize("outside/huge.bin", 2 << 20).isEmpty());
    const QString dirLink = tmp.makeSymlink(tmp.path("outside"), "t/outside-link");
    const QString fileLink = tmp.makeSymlink("a.bin", "t/a-link");
    QVERIFY(!dirLink.isEmpty() && !fileLink.isEmpty());
    // Special files and unnameable entries are never counted.
    QVERIFY(!tmp.makeSocket("t/x/s.sock").isEmpty());
    QVERIFY(!tmp.makeFifo("t/x/pipe").isEmpty());
    QVERIFY(!tmp.makeRawNamedFile("t/x", QByteArray("\xc3\x28name", 6), QByteArray(50000, 'z')).isEmpty());
    QVERIFY(!tmp.makeFile("t/x/y/\u00e9t\u00e9.txt", "valid UTF-8 is fine").isEmpty());

    const QDateTime newest = QDateTime::fromMSecsSinceEpoch(1700000000000);
    for (const char *p : {"t/a.bin", "t/x/y/b.bin", "t/x/sparse.img", "t/x/y/\u00e9t\u00e9.txt", "t/outside-link",
                          "t/a-link"})
        QVERIFY(tmp.setMTime(QString::fromUtf8(p), QDateTime::fromMSecsSinceEpoch(1600000000000)));
    QVERIFY(tmp.setMTime("t/x/y/b.bin", newest));

    const qint64 expectedBytes = onDisk(a) + onDisk(b) + onDisk(sparse) + onDisk(dirLink) + onDisk(fileLink)
        + onDisk(tmp.path("t/x/y/\u00e9t\u00e9.txt"));
    const fs::Measure m = fs::measure(tmp.path("t"));
    QCOMPARE(m.files, 6); // a (once), b, sparse, two links, été
    QCOMPARE(m.bytes, expectedBytes);
    QVERIFY2(onDisk(sparse) < (qint64(1) << 20), "the sparse file should not be fully allocated here");
    QCOMPARE(m.newest, newest.toMSecsSinceEpoch());
    const fs::Measure slow = fs::detail::measureByListing(tmp.path("t"), nullptr, {}, {});
    QVERIFY2(sameMeasure(m, slow), qPrintable(describe(m) + " vs " + describe(slow)));
}

void TestFs::measureLeavesOutSkipPaths_data()
{
    QTest::addColumn<QString>("skipRelative");
    QTest::addColumn<qint64>("files");
    QTest::newRow("exact") << "t/skip" << qint64(2);
    QTest::newRow("uncleaned form") << "t//skip/./" << qint64(2);
    QTest::newRow("a file path does nothing") << "t/keep/k1" << qint64(4);
    QTest::newRow("prefix of a name does not match") << "t/ski" << qint64(4);
}

void TestFs::measureLeavesOutSkipPaths()
{
    QFETCH(QString, skipRelative);
    QFETCH(qint64, files);
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    for (const char *p : {"t/skip/s1", "t/skip/deeper/s2", "t/keep/k1", "t/k2"})
        QVERIFY(!tmp.makeFile(QString::fromLatin1(p), "data").isEmpty());
    const QStringList skip{tmp.path() + QLatin1Char('/') + skipRelative};
    QCOMPARE(fs::measure(tmp.path("t"), nullptr, {}, skip).files, files);
    QCOMPARE(fs::detail::measureByListing(tmp.path("t"), nullptr, {}, skip).files, files);
}

void TestFs::progressEvery400Files()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    for (int i = 0; i < 1000; ++i)
        QVERIFY(!tmp.makeFile(QStringLiteral("p/%1/f%2").arg(i % 3).arg(i), "x").isEmpty());

    QList<qint64> counts;
    QList<qint64> bytes;
    QStringList folders;
    const fs::Measure m = fs::measure(tmp.path("p"), nullptr, [&](const QString &dir, qint64 b, qint64 f) {
        folders.append(dir);
        bytes.append(b);
        counts.append(f);
    });
    QCOMPARE(m.files, 1000);
    QCOMPARE(counts, (QList<qint64>{400, 800}));
    QVERIFY(bytes.at(0) > 0 && bytes.at(0) < bytes.at(1) && bytes.at(1) <= m.bytes);
    for (const QString &dir : std::as_const(folders))
        QVERIFY2(dir.startsWith(tmp.path("p/")), qPrintable(dir));
}

void TestFs::cancelBeforeStart()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(!tmp.makeFile("c/a/file", "data").isEmpty());
    const std::atomic_bool cancel{true};
    const fs::Measure m = fs::measure(tmp.path("c"), &cancel);
    QVERIFY(sameMeasure(m, fs::Measure{}));
    int calls = 0;
    QVERIFY(!fs::walk(tmp.path("c"), &cancel, {}, [&](const QString &, const fs::Entry &) { ++calls; }));
    QCOMPARE(calls, 0);
}

void TestFs::cancelStopsBeforeNextFolder()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    for (int d = 0; d < 3; ++d)
        for (int i = 0; i < 400; ++i)
            QVERIFY(!tmp.makeFile(QStringLiteral("c/%1/f%2").arg(d).arg(i), "x").isEmpty());

    // The flag rises during the first folder; that folder is finished, no
    // other one is opened, and the partial totals come back.
    std::atomic_bool cancel{false};
    const fs::Measure m = fs::measure(tmp.path("c"), &cancel, [&](const QString &, qint64, qint64) {
        cancel = true;
    });
    QCOMPARE(m.files, 400);

    cancel = false;
    int files = 0;
    QVERIFY(!fs::walk(tmp.path("c"), &cancel, {}, [&](const QString &, const fs::Entry &) {
        if (++files == 10)
            cancel = true;
    }));
    QCOMPARE(files, 400);
}

void TestFs::walkVisitsFilesOnly()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString root = tmp.makeDir("w");
    QVERIFY(!tmp.makeFile("w/a.txt", "a").isEmpty());
    QVERIFY(!tmp.makeFile("w/sub/b.txt", "b").isEmpty());
    QVERIFY(!tmp.makeFile("w/cache/c.txt", "c").isEmpty());
    QVERIFY(!tmp.makeFile("elsewhere/e.txt", "e").isEmpty());
    QVERIFY(!tmp.makeSymlink("a.txt", "w/a-link").isEmpty());
    QVERIFY(!tmp.makeSymlink(tmp.path("elsewhere"), "w/dir-link").isEmpty());
    QVERIFY(!tmp.makeSocket("w/s.sock").isEmpty());
    QVERIFY(!tmp.makeRawNamedFile("w", QByteArray("\xff", 1), "raw").isEmpty());

    QList<QPair<QString, QString>> asked;
    const QSet<QString> files = walkedFiles(root, [&](const QString &parent, const QString &name) {
        asked.append({parent, name});
        return name == QLatin1String("cache");
    });
    QCOMPARE(files, (QSet<QString>{root + "/a.txt", root + "/sub/b.txt"}));
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked.contains({root, QStringLiteral("cache")}));
    QVERIFY(asked.contains({root, QStringLiteral("sub")}));

    int calls = 0;
    fs::walk(root, nullptr, {}, [&](const QString &path, const fs::Entry &e) {
        ++calls;
        QCOMPARE(e.name, QFileInfo(path).fileName());
        QCOMPARE(e.allocated, onDisk(path));
    });
    QCOMPARE(calls, 3);
}

void TestFs::walkDoesNotEnterALinkedRoot()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(!tmp.makeFile("real/precious.txt", "keep me").isEmpty());
    const QString link = tmp.makeSymlink(tmp.path("real"), "link");
    QVERIFY(walkedFiles(link).isEmpty());
    QVERIFY(walkedFiles(link + "/").isEmpty());
    QVERIFY(fs::detail::walkByListing(link, nullptr, {}, [](const QString &p, const fs::Entry &) {
        QFAIL(qPrintable("walked through a link: " + p));
    }));
    QCOMPARE(walkedFiles(tmp.path("real")).size(), 1);
    QVERIFY(fs::walk(tmp.path("missing"), nullptr, {}, [](const QString &, const fs::Entry &) {}));
}

void TestFs::fastWalkerMatchesListingWalker()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    for (int i = 0; i < 300; ++i)
        QVERIFY(!tmp.makeFile(QStringLiteral("m/%1/%2/f%3").arg(i % 7).arg(i % 5).arg(i), QByteArray(i * 37, 'q'))
                     .isEmpty());
    for (int i = 0; i < 20; ++i)
        QVERIFY(!tmp.makeHardLink(QStringLiteral("m/%1/%2/f%3").arg(i % 7).arg(i % 5).arg(i),
                                  QStringLiteral("m/links/l%1").arg(i))
                     .isEmpty());
    QVERIFY(!tmp.makeSymlink("../0", "m/1/back").isEmpty());

    const fs::Measure fast = fs::measure(tmp.path("m"));
    const fs::Measure slow = fs::detail::measureByListing(tmp.path("m"), nullptr, {}, {});
    QVERIFY2(sameMeasure(fast, slow), qPrintable(describe(fast) + " vs " + describe(slow)));
    QCOMPARE(fast.files, 301);

    QSet<QString> slowFiles;
    fs::detail::walkByListing(tmp.path("m"), nullptr, {}, [&](const QString &p, const fs::Entry &) {
        slowFiles.insert(p);
    });
    QCOMPARE(walkedFiles(tmp.path("m")), slowFiles);
    QCOMPARE(slowFiles.size(), 320);
}

void TestFs::deepTreeDoesNotExhaustTheStack()
{
    // On a disk with online discard, removing 20,000 folders alone takes
    // minutes; memory holds the tree just as well.
    TempFolder tmp(TempFolder::memoryBackedBase());
    QVERIFY(tmp.isValid());
    const QString top = tmp.makeDeepChain("chain", 20000, QByteArray(3000, 'd'));
    QVERIFY(!top.isEmpty());
    const fs::Measure m = fs::measure(top);
    QCOMPARE(m.files, 1);
    QVERIFY(m.bytes >= 3000);
    QStringList found;
    QVERIFY(fs::walk(top, nullptr, {}, [&](const QString &p, const fs::Entry &) { found.append(p); }));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first(), top + QStringLiteral("/d").repeated(20000) + QStringLiteral("/bottom.txt"));
}

void TestFs::canListMissingFolder()
{
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    QVERIFY(fs::canList(tmp.path("missing")));
    QVERIFY(fs::canList(tmp.path()));
}

// The next two run their checks as an unprivileged child: root may read
// everything.
void TestFs::deniedFolder()
{
    if (testsupport::isUnprivilegedChild()) {
        const QStringList args = testsupport::childArguments();
        QVERIFY(!fs::canList(args.value(0)));
        QVERIFY(fs::canList(args.value(1)));
        QVERIFY(fs::list(args.value(0)).isEmpty());
        return;
    }
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString locked = tmp.makeUnreadableDir("locked", "inside.txt");
    const QString open = tmp.makeDir("open");
    QVERIFY(!locked.isEmpty() && !open.isEmpty());
    QVERIFY(tmp.openToOthers());
    const testsupport::ChildResult r = testsupport::runInUnprivilegedChild("deniedFolder", {locked, open});
    if (r.skipped)
        QSKIP(qPrintable(r.reason));
    QVERIFY2(r.passed, qPrintable(r.output));
}

void TestFs::unreadableFolderCountsAsEmpty()
{
    if (testsupport::isUnprivilegedChild()) {
        const QString root = testsupport::childArguments().value(0);
        const fs::Measure m = fs::measure(root);
        QCOMPARE(m.files, 1);
        QCOMPARE(m.bytes, testsupport::childArguments().value(1).toLongLong());
        QCOMPARE(walkedFiles(root).size(), 1);
        return;
    }
    TempFolder tmp;
    QVERIFY(tmp.isValid());
    const QString visible = tmp.makeFileOfSize("u/visible.bin", 9000);
    QVERIFY(!tmp.makeUnreadableDir("u/locked", "hidden.txt").isEmpty());
    QVERIFY(!visible.isEmpty());
    QVERIFY(::chmod(QFile::encodeName(tmp.path("u")).constData(), 0755) == 0);
    QVERIFY(tmp.openToOthers());
    const testsupport::ChildResult r = testsupport::runInUnprivilegedChild(
        "unreadableFolderCountsAsEmpty", {tmp.path("u"), QString::number(onDisk(visible))});
    if (r.skipped)
        QSKIP(qPrintable(r.reason));
    QVERIFY2(r.passed, qPrintable(r.output));
}

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"

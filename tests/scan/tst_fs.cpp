#include "scan/fs.h"

#include "support/testsupport.h"

#include <QSet>
#include <QtTest>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Volumes that tests mount stay inside this process.
[[maybe_unused]] const bool g_privateMounts = testsupport::enterPrivateMounts();

// What the disk itself says a path occupies: the oracle the walker's totals
// are held against.
qint64 onDisk(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_blocks) * 512;
}

// The fast POSIX walker and the one written over list()/stat() (Windows')
// must agree on every tree.
QString sameAsListing(const QString &path, const fs::Measure &m)
{
    const fs::Measure slow = fs::detail::measureByListing(path, nullptr, {}, nullptr);
    if (m.bytes == slow.bytes && m.files == slow.files && m.newest == slow.newest && m.touched == slow.touched)
        return {};
    return QStringLiteral("bytes %1/%2 files %3/%4 newest %5/%6 touched %7/%8")
        .arg(m.bytes).arg(slow.bytes).arg(m.files).arg(slow.files).arg(m.newest).arg(slow.newest)
        .arg(m.touched).arg(slow.touched);
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
    // Every test runs with the walks kept on one thread and with helpers
    // taken from the first folder on: the totals and files must not tell
    // the two apart.
    void initTestCase_data()
    {
        QTest::addColumn<int>("threads");
        QTest::newRow("one thread") << 1;
        QTest::newRow("four threads") << 4;
    }
    void init()
    {
        QFETCH_GLOBAL(int, threads);
        fs::detail::setWalkTuning({threads, 0});
    }
    void cleanup() { fs::detail::setWalkTuning({}); }

    void join_data()
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

    void join()
    {
        QFETCH(QString, dir);
        QFETCH(QString, name);
        QTEST(fs::join(dir, name), "expected");
    }

    void statDescribesThePathItself()
    {
        TempFolder tmp;
        const QString file = tmp.makeFileOfSize("dir/file.bin", 10000);
        const QDateTime when = QDateTime::fromMSecsSinceEpoch(1600000000123);
        QVERIFY(tmp.setMTime("dir/file.bin", when));

        fs::Entry e;
        QVERIFY(fs::stat(file, e));
        QCOMPARE(e.name, QStringLiteral("file.bin"));
        QVERIFY(!e.isDir && !e.isLink);
        QCOMPARE(e.size, 10000);
        QCOMPARE(e.allocated, onDisk(file));
        QCOMPARE(e.mtime, when.toMSecsSinceEpoch());
        // Setting the time was a change, now; the birth (where kept) no later.
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(now - e.ctime < 60000 && (e.btime == 0 || (e.btime <= e.ctime && now - e.btime < 60000)));
        QCOMPARE(fs::lastTouched(e), e.ctime);

        fs::Entry untouched;
        untouched.name = QStringLiteral("keep");
        QVERIFY(!fs::stat(tmp.path("missing"), untouched));
        QCOMPARE(untouched.name, QStringLiteral("keep"));
    }

    // A root is measured as itself: nothing for what is neither a regular file
    // nor a folder, a link alone whatever it points at, a trailing slash
    // notwithstanding. Neither walker enters any of them.
    void measureSingleRoots()
    {
        TempFolder tmp;
        QVERIFY(!tmp.makeFileOfSize("target/big.bin", 1 << 20).isEmpty());
        const QString file = tmp.makeFileOfSize("file", 5000);
        QVERIFY(tmp.setMTime("file", QDateTime::fromMSecsSinceEpoch(1500000000000)));
        const QString link = tmp.makeSymlink(tmp.path("target"), "dirlink");
        const QList<std::pair<QString, qint64>> roots{
            {tmp.path("missing"), 0}, {file, 1}, {tmp.makeDir("empty"), 0}, {tmp.makeSocket("socket"), 0},
            {tmp.makeFifo("fifo"), 0}, {link, 1}, {link + "/", 1}};
        const auto entered = [](const QString &p, const fs::Entry &) { QFAIL(qPrintable("walked into " + p)); };
        for (const auto &[path, files] : roots) {
            QVERIFY(!path.isEmpty());
            const fs::Measure m = fs::measure(path);
            QCOMPARE(m.files, files);
            QCOMPARE(m.bytes, files ? onDisk(path.endsWith('/') ? path.chopped(1) : path) : 0);
            const QString mismatch = sameAsListing(path, m);
            QVERIFY2(mismatch.isEmpty(), qPrintable(path + ": " + mismatch));
            QVERIFY(fs::walk(path, nullptr, {}, entered) && fs::detail::walkByListing(path, nullptr, {}, entered));
        }
        QCOMPARE(fs::measure(file).newest, 1500000000000);
    }

    void measureCountsWhatTheTreeOccupies()
    {
        TempFolder tmp;
        const QString a = tmp.makeFileOfSize("t/a.bin", 40000);
        const QString b = tmp.makeFileOfSize("t/x/y/b.bin", 123456);
        const QString sparse = tmp.makeSparseFile("t/x/sparse.img", qint64(256) << 20, 8192);
        const QString accented = tmp.makeFile("t/x/y/\u00e9t\u00e9.txt", "valid UTF-8 is fine");
        QVERIFY(!a.isEmpty() && !b.isEmpty() && !sparse.isEmpty() && !accented.isEmpty());
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

        for (const QString &p : {a, sparse, accented, dirLink, fileLink})
            QVERIFY(tmp.setMTime(p.mid(tmp.path().size() + 1), QDateTime::fromMSecsSinceEpoch(1600000000000)));
        QVERIFY(tmp.setMTime("t/x/y/b.bin", QDateTime::fromMSecsSinceEpoch(1700000000000)));

        // Listing a folder leaves its access time alone: other cleaners read
        // it as a sign of use.
        const timespec longAgo[2] = {{1500000000, 0}, {0, UTIME_OMIT}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(tmp.path("t/x/y")).constData(), longAgo, 0) == 0);
        const fs::Measure m = fs::measure(tmp.path("t"));
        fs::list(tmp.path("t/x/y"));
        struct stat y;
        QVERIFY(::stat(QFile::encodeName(tmp.path("t/x/y")).constData(), &y) == 0 && y.st_atim.tv_sec == 1500000000);
        QCOMPARE(m.files, 6); // a (once), b, sparse, two links, été
        qint64 bytes = 0;
        for (const QString &p : {a, b, sparse, dirLink, fileLink, accented})
            bytes += onDisk(p);
        QCOMPARE(m.bytes, bytes);
        QVERIFY2(onDisk(sparse) < (qint64(1) << 20), "the sparse file should not be fully allocated here");
        QCOMPARE(m.newest, 1700000000000);
        const QString mismatch = sameAsListing(tmp.path("t"), m);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // Entries the user excluded are neither counted nor entered: exactly
    // the files none of whose folders below the root, nor themselves,
    // isExcluded() matches. "@" stands for the scratch folder.
    void measureLeavesOutExcludedEntries_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::newRow("**/.git") << QStringList{"**/.git"};
        QTest::newRow("component, any case") << QStringList{"KEEP"};
        QTest::newRow("wildcard component") << QStringList{"*.iso", "k?ep2"};
        QTest::newRow("folder by path") << QStringList{"@/t/skip"};
        QTest::newRow("path pattern with stars") << QStringList{"**/deep*/*.log"};
        QTest::newRow("relative path matches nothing") << QStringList{"t/skip"};
        QTest::newRow("blank") << QStringList{"  "};
    }

    void measureLeavesOutExcludedEntries()
    {
        QFETCH(QStringList, patterns);
        TempFolder tmp;
        for (const char *p : {"t/skip/s1", "t/skip/deeper/s2", "t/keep/k1", "t/k2", "t/a/.git/config", "t/a/b.iso",
                              "t/deep1/x.log", "t/deep1/y.txt", "t/Keep2/k3", "t/.git"})
            QVERIFY(!tmp.makeFile(QString::fromLatin1(p), "data").isEmpty());
        for (QString &p : patterns)
            p.replace(QLatin1Char('@'), tmp.path());
        const QString root = tmp.path("t");
        qint64 expected = 0;
        for (const QString &file : walkedFiles(root)) {
            bool kept = true;
            for (QString at = file; at != root && kept; at = at.section(QLatin1Char('/'), 0, -2))
                kept = !isExcluded(at, patterns);
            expected += kept ? 1 : 0;
        }
        const ExclusionMatcher excluded(patterns);
        QCOMPARE(fs::measure(root, nullptr, {}, &excluded).files, expected);
        QCOMPARE(fs::detail::measureByListing(root, nullptr, {}, &excluded).files, expected);
    }

    // A set flag stops the walk before its next entry: nothing at all when
    // it is set from the start, the rest of the tree otherwise.
    void cancel()
    {
        QFETCH_GLOBAL(int, threads);
        TempFolder tmp;
        for (int d = 0; d < 3; ++d)
            for (int i = 0; i < 400; ++i)
                QVERIFY(!tmp.makeFile(QStringLiteral("c/%1/f%2").arg(d).arg(i), "x").isEmpty());
        const QString root = tmp.path("c");

        std::atomic_bool cancel{true};
        QCOMPARE(fs::measure(root, &cancel).files, 0);
        int files = 0;
        QVERIFY(!fs::walk(root, &cancel, {}, [&](const QString &, const fs::Entry &) { ++files; }));
        QCOMPARE(files, 0);

        cancel = false;
        const fs::Measure m = fs::measure(root, &cancel, [&](const QString &, qint64, qint64) { cancel = true; });
        if (threads == 1)
            QCOMPARE(m.files, 400);
        QVERIFY(m.files >= 400 && m.files < 1200);
        QVERIFY(m.bytes > 0);

        cancel = false;
        QVERIFY(!fs::walk(root, &cancel, {}, [&](const QString &, const fs::Entry &) {
            if (++files == 10)
                cancel = true;
        }));
        QCOMPARE(files, 10);

        // Set from another thread while the files take their time: the walk
        // is over well within 100 ms.
        cancel = false;
        std::atomic<qint64> setAt{0};
        QElapsedTimer clock;
        clock.start();
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            setAt = clock.nsecsElapsed();
            cancel = true;
        });
        QVERIFY(!fs::walk(root, &cancel, {}, [](const QString &, const fs::Entry &) { ::usleep(500); }));
        const qint64 lateMs = (clock.nsecsElapsed() - setAt) / 1000000;
        stopper.join();
        QVERIFY2(lateMs < 100, qPrintable(QStringLiteral("stopped %1 ms after the flag").arg(lateMs)));
    }

    // Whatever walk() reports may end up removed: links, special files and
    // unnameable entries never are, filtered folders are not entered.
    void walkVisitsFilesOnly()
    {
        TempFolder tmp;
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
        const QSet<QString> files = walkedFiles(root, [&](const QString &parent, const fs::Entry &folder) {
            asked.append({parent, folder.name});
            return folder.name == QLatin1String("cache");
        });
        QCOMPARE(files, (QSet<QString>{root + "/a.txt", root + "/sub/b.txt"}));
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked.contains({root, QStringLiteral("cache")}));
        QVERIFY(asked.contains({root, QStringLiteral("sub")}));
        fs::walk(root, nullptr, {}, [&](const QString &path, const fs::Entry &e) {
            QCOMPARE(e.name, QFileInfo(path).fileName());
            QCOMPARE(e.allocated, onDisk(path));
        });
    }

    // A tree wide enough for every thread to get folders, with hard links
    // across folders and links in and out: the same totals and files as the
    // walker written over list() and stat().
    void wideTreeMatchesListingWalker()
    {
        TempFolder tmp;
        const auto name = [](int i) { return QStringLiteral("m/%1/%2/f%3").arg(i % 7).arg(i % 5).arg(i); };
        for (int i = 0; i < 300; ++i)
            QVERIFY(!tmp.makeFile(name(i), QByteArray(i * 37, 'q')).isEmpty());
        for (int i = 0; i < 20; ++i)
            QVERIFY(!tmp.makeHardLink(name(i), QStringLiteral("m/links/%1/l%2").arg(i % 3).arg(i)).isEmpty());
        QVERIFY(!tmp.makeSymlink("../0", "m/1/back").isEmpty());
        QVERIFY(!tmp.makeSymlink(tmp.path("m/2"), "m/3/abs").isEmpty());

        const fs::Measure m = fs::measure(tmp.path("m"));
        const QString mismatch = sameAsListing(tmp.path("m"), m);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QCOMPARE(m.files, 302);

        QSet<QString> slowFiles;
        fs::detail::walkByListing(tmp.path("m"), nullptr, {}, [&](const QString &p, const fs::Entry &) {
            slowFiles.insert(p);
        });
        QCOMPARE(walkedFiles(tmp.path("m")), slowFiles);
        QCOMPARE(slowFiles.size(), 320);

        // A walk for big files only (or none at all): the counts still add
        // up to every file.
        for (const qint64 limit : {qint64(8192), qint64(1) << 40}) {
            fs::WalkLimits limits;
            limits.minAllocated = limit;
            qint64 counted = 0, handed = 0, big = 0;
            limits.counted = [&](qint64 files, const QString &) { counted += files; };
            fs::walk(tmp.path("m"), nullptr, {}, [&](const QString &, const fs::Entry &e) {
                ++handed;
                big += e.allocated >= limit;
            }, limits);
            QCOMPARE(handed, big);
            QCOMPARE(big > 0, limit == 8192);
            QCOMPARE(counted, 320);
        }
    }

    // Mounts below a tree (a bind mount of the same volume and another
    // volume) are neither entered nor counted. Needs root for a private
    // mount namespace.
    void mountsAreNotEntered()
    {
        TempFolder tmp;
        for (const char *p : {"t/a.txt", "t/sub/b.txt", "outside/c.txt", "outside/d/e.txt"})
            QVERIFY(!tmp.makeFile(QString::fromLatin1(p), "data").isEmpty());
        const testsupport::PrivateMount bind(tmp.path("t/bind"), tmp.path("outside"));
        const testsupport::PrivateMount volume(tmp.path("t/vol"));
        if (!bind.isMounted() || !volume.isMounted())
            QSKIP("mounting needs root and a mount namespace of the test's own");
        QVERIFY(!tmp.makeFileOfSize("t/vol/big.bin", 1 << 20).isEmpty());
        QCOMPARE(fs::measure(tmp.path("t")).files, 2);
        QCOMPARE(walkedFiles(tmp.path("t")), (QSet<QString>{tmp.path("t/a.txt"), tmp.path("t/sub/b.txt")}));
    }

    void deepTreeDoesNotExhaustTheStack()
    {
        // On a disk with online discard, removing 20,000 folders alone takes
        // minutes; memory holds the tree just as well.
        TempFolder tmp(TempFolder::memoryBackedBase());
        const QString top = tmp.makeDeepChain("chain", 20000, QByteArray(3000, 'd'));
        QVERIFY(!top.isEmpty());
        const fs::Measure m = fs::measure(top);
        QCOMPARE(m.files, 1);
        QVERIFY(m.bytes >= 3000);
        QStringList found;
        QVERIFY(fs::walk(top, nullptr, {}, [&](const QString &p, const fs::Entry &) { found.append(p); }));
        QCOMPARE(found, QStringList{top + QStringLiteral("/d").repeated(20000) + QStringLiteral("/bottom.txt")});
    }

    // A folder that cannot be read is reported as such, lists nothing and
    // counts as empty; the checks run as an unprivileged child, as root may
    // read everything.
    void unreadableFolder()
    {
        if (testsupport::isUnprivilegedChild()) {
            const QStringList args = testsupport::childArguments();
            QVERIFY(!fs::canList(args.value(0) + "/locked"));
            QVERIFY(fs::canList(args.value(0)));
            QVERIFY(fs::list(args.value(0) + "/locked").isEmpty());
            const fs::Measure m = fs::measure(args.value(0));
            QCOMPARE(m.files, 1);
            QCOMPARE(m.bytes, args.value(1).toLongLong());
            QCOMPARE(walkedFiles(args.value(0)).size(), 1);
            return;
        }
        TempFolder tmp;
        QVERIFY(fs::canList(tmp.path("missing")));
        const QString visible = tmp.makeFileOfSize("u/visible.bin", 9000);
        QVERIFY(!tmp.makeUnreadableDir("u/locked", "hidden.txt").isEmpty());
        QVERIFY(!visible.isEmpty());
        QVERIFY(::chmod(QFile::encodeName(tmp.path("u")).constData(), 0755) == 0);
        QVERIFY(tmp.openToOthers());
        const testsupport::ChildResult r = testsupport::runInUnprivilegedChild(
            "unreadableFolder", {tmp.path("u"), QString::number(onDisk(visible))});
        if (r.skipped)
            QSKIP(qPrintable(r.reason));
        QVERIFY2(r.passed, qPrintable(r.output));
    }
};

QTEST_GUILESS_MAIN(TestFs)
#include "tst_fs.moc"

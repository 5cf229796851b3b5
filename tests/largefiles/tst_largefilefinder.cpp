#include "largefiles/largefilecollector.h"
#include "largefiles/largefilefinder.h"

#include "support/testsupport.h"

#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

namespace {

using Reports = QList<QPair<qsizetype, bool>>;  // the finished signals: (files, cancelled)

struct Outcome
{
    QList<LargeFile> files;
    bool cancelled = false;
    int finishedCount = 0;
};

// One finder run over `home`, results taken through a queued connection as the
// GUI thread receives them.
Outcome findIn(const QString &home, qint64 threshold, const QStringList &exclusions = {})
{
    qputenv("HOME", QFile::encodeName(home));
    Outcome out;
    QObject receiver;
    LargeFileFinder finder;
    QObject::connect(&finder, &LargeFileFinder::finished, &receiver, [&](const QList<LargeFile> &f, bool c) {
        out.files = f;
        out.cancelled = c;
        ++out.finishedCount;
    });
    finder.start(threshold, exclusions);
    if (!QTest::qWaitFor([&] { return out.finishedCount > 0; }, 60000))
        qWarning("the finder did not finish");
#ifdef Q_OS_WIN
    // The walk takes the user's profile there, which HOME does not move:
    // only what lies in `home` is this run's.
    const QString inside = QDir::cleanPath(home) + u'/';
    out.files.removeIf(
        [&](const LargeFile &f) { return !QDir::cleanPath(f.path).startsWith(inside, Qt::CaseInsensitive); });
#endif
    return out;
}

QStringList pathsOf(const QList<LargeFile> &files)
{
    QStringList paths;
    for (const LargeFile &f : files)
        paths << QDir::cleanPath(f.path);
    return paths;
}

fs::Entry entryOf(const QString &name, qint64 bytes)
{
    fs::Entry e;
    e.name = name;
    e.allocated = e.size = bytes;
    return e;
}

// Holds the global pool's only thread so that a run, once started, stays
// queued until release().
class PoolHold final
{
public:
    PoolHold()
        : m_threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        m_task = QtConcurrent::run(QThreadPool::globalInstance(), [this] {
            m_busy.release();
            m_release.tryAcquire(1, 30000);
        });
        m_busy.acquire();
    }
    ~PoolHold() { release(); }
    void release()
    {
        if (m_task.isFinished())
            return;
        m_release.release();
        m_task.waitForFinished();
        QThreadPool::globalInstance()->setMaxThreadCount(m_threads);
    }

private:
    const int m_threads;
    QSemaphore m_busy, m_release;
    QFuture<void> m_task;
};

} // namespace

class TestLargeFileFinder final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerLargeFileTypes();
        m_home = qgetenv("HOME");
    }
    void cleanup() { qputenv("HOME", m_home); }

    // What the walk reports of one file of a home, checked against a file
    // always there. Threshold 0 reports every file the walk meets, so "not
    // seen" there means "never reached". A reported file was modified after
    // it was last read: the modification counts.
    void reported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("sparse");        // 64 MiB holding 1 MiB, else 300,000 bytes
        QTest::addColumn<QString>("threshold");  // the file's "disk" or "logical" size, "+1" a byte more; "": 0
        QTest::addColumn<QStringList>("exclusions");
        QTest::addColumn<bool>("seen");
        const QStringList none;
        QTest::newRow("exactly the size on disk") << "vm/disk.vdi" << false << "disk" << none << true;
        QTest::newRow("one byte more than on disk") << "vm/disk.vdi" << false << "disk+1" << none << false;
        QTest::newRow("sparse: its bytes on disk") << "vm/disk.vdi" << true << "disk" << none << true;
        QTest::newRow("sparse: its logical size") << "vm/disk.vdi" << true << "logical" << none << false;
        QTest::newRow("plain folder") << "docs/a.pdf" << false << "" << none << true;
        QTest::newRow("hidden file") << ".bash_history" << false << "" << none << true;
        QTest::newRow("dot inside a folder name") << "my.stuff/a.bin" << false << "" << none << true;
        QTest::newRow("hidden folder") << ".cache/big.bin" << false << "" << none << false;
        QTest::newRow("hidden folder further down") << "src/app/.git/pack.bin" << false << "" << none << false;
        QTest::newRow("node_modules") << "web/node_modules/lib.js" << false << "" << none << false;
        QTest::newRow("Node_Modules is not node_modules") << "web/Node_Modules/lib.js" << false << "" << none << true;
        QTest::newRow("CloudStorage") << "Library/CloudStorage/a.zip" << false << "" << none << false;
        QTest::newRow("folder excluded by name") << "Downloads/a.iso" << false << "" << QStringList{"Downloads"} << false;
        QTest::newRow("folder excluded by path") << "work/tmp/a.iso" << false << "" << QStringList{"~/work/tmp"} << false;
        QTest::newRow("path pattern is not a prefix") << "work/tmpx/a.iso" << false << "" << QStringList{"~/work/tmp"}
                                                      << true;
        QTest::newRow("file excluded by pattern") << "media/a.iso" << false << "" << QStringList{"*.iso"} << false;
    }
    void reported()
    {
        QFETCH(QString, file);
        QFETCH(bool, sparse);
        QFETCH(QString, threshold);
        QFETCH(QStringList, exclusions);
        QFETCH(bool, seen);
        TempFolder home;
        const QString control = home.makeFile("control.txt");
        const QString path = sparse ? home.makeSparseFile(file, 64 << 20, 1 << 20) : home.makeFileOfSize(file, 300000);
        const QDateTime future = QDateTime::currentDateTime().addDays(2);
        fs::Entry e;
        QVERIFY(!path.isEmpty() && home.setMTime(file, future) && fs::stat(path, e));
        if (sparse && e.allocated >= e.size)
            QSKIP("this file system does not keep holes in files");
#ifdef Q_OS_WIN
        // "~" is the user's profile there, which HOME does not move: the
        // walk reaches this folder inside it, so name the folder itself.
        exclusions.replaceInStrings(QRegularExpression(QStringLiteral("^~")), home.path());
#endif
        const qint64 bytes = threshold.isEmpty() ? 0 : threshold.startsWith(QLatin1String("disk")) ? e.allocated : e.size;
        const Outcome out = findIn(home.path(), bytes + (threshold.endsWith(QLatin1String("+1")) ? 1 : 0), exclusions);
        QCOMPARE(out.finishedCount, 1);
        QVERIFY(!out.cancelled);
        const QStringList found = pathsOf(out.files);
        QCOMPARE(found.contains(QDir::cleanPath(control)), threshold.isEmpty());
        QCOMPARE(found.contains(QDir::cleanPath(path)), seen);
        if (!seen)
            return;
        const LargeFile &f = out.files.at(found.indexOf(QDir::cleanPath(path)));
        const QString name = file.section(QLatin1Char('/'), -1);
        QCOMPARE(std::tuple(f.name, f.dir, f.kind, f.bytes, f.lastUsed.toMSecsSinceEpoch()),
                 std::tuple(name, QDir::toNativeSeparators(QFileInfo(QDir::cleanPath(path)).path()), largeFileKind(name),
                            e.allocated, future.toMSecsSinceEpoch()));
    }

    // The Windows rules of the walk, judged on Windows spellings everywhere:
    // "parent|name|attributes".
    void windowsFoldersLeftOut_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("skipped");
        QTest::newRow("plain folder") << "C:/Users/Me|Videos|16" << false;
        QTest::newRow("hidden") << "C:/Users/Me/Videos|cache|18" << true;
        QTest::newRow("system") << "C:/Users/Me|Cookies|20" << true;
        QTest::newRow("AppData in home, any case") << R"(C:\Users\me|appdata|16)" << true;
        QTest::newRow("AppData deeper down") << "C:/Users/Me/Projects|AppData|16" << false;
        QTest::newRow("moved application data") << "D:/Profiles|Roaming|16" << true;
        QTest::newRow("dot-folder") << "C:/Users/Me|.vscode|16" << true;
    }
    void windowsFoldersLeftOut()
    {
        QFETCH(QString, folder);
        fs::Entry e;
        e.name = folder.section('|', 1, 1);
        e.isDir = true;
        e.attributes = folder.section('|', 2).toUInt();
        const QStringList appData{"D:/Profiles/Roaming", "C:/Users/Me/AppData/Local"};
        QTEST(isSkippedLargeFileFolder(folder.section('|', 0, 0), e, "C:/Users/Me", appData, true), "skipped");
    }

    void liveStores_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("live");
        QTest::newRow("WSL Store distribution")
            << R"(C:\Users\Me\AppData\Local\Packages\CanonicalGroupLimited.Ubuntu_79rhkp1fndgsc\LocalState\ext4.vhdx)"
            << true;
        QTest::newRow("WSL swap") << "C:/Users/Me/AppData/Local/Temp/swap.vhdx" << true;
        QTest::newRow("Docker data disk") << "C:/Users/Me/AppData/Local/Docker/wsl/disk/docker_data.vhdx" << true;
        QTest::newRow("Docker Desktop for Linux") << "/home/me/.docker/desktop/vms/0/data/Docker.raw" << true;
        QTest::newRow("any image in Docker's folder") << "C:/Users/Me/AppData/Local/Docker/wsl/main/disk.VHDX" << true;
        QTest::newRow("Outlook cache") << "C:/Users/Me/AppData/Local/Microsoft/Outlook/me@example.com.ost" << true;
        QTest::newRow("Thunderbird mailbox") << "/home/me/.thunderbird/x.default/Mail/Local Folders/Inbox" << true;
        QTest::newRow("mbox export") << "/home/me/Backups/2019.MBOX" << true;
        QTest::newRow("installer image") << "C:/Users/Me/Downloads/Win11.iso" << false;
        QTest::newRow("own virtual disk") << "C:/Users/Me/VMs/dev.vhdx" << false;
        QTest::newRow("video named after Docker") << "C:/Users/Me/Videos/docker/talk.mp4" << false;
        QTest::newRow("image in another package") << "C:/Users/Me/Packages/LocalState/disk.vhdx" << false;
    }
    void liveStores()
    {
        QFETCH(QString, path);
        QTEST(isLiveDataStore(path), "live");
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("upper-case extension") << "Movie.MKV" << "Video";
        QTest::newRow("last extension counts") << "notes.tar.gz" << "Archive";
        QTest::newRow("no extension") << "README" << "File";
        QTest::newRow("trailing dot") << "disk." << "File";
        QTest::newRow("a leading dot starts the extension") << ".tmp" << "Partial download";
        QTest::newRow("unknown extension") << "photo.jpeg" << "File";
        QTest::newRow("Linux package") << "tool_1.2_amd64.deb" << "Installer";
        QTest::newRow("AppImage") << "Editor-x86_64.AppImage" << "Installer";
    }
    void kinds()
    {
        QFETCH(QString, name);
        QTEST(largeFileKind(name), "kind");
    }

    // Sizes fed in this order; the largest-so-far list as indices into them.
    void largestEight_data()
    {
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("ten rising") << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                    << QList<int>{9, 8, 7, 6, 5, 4, 3, 2};
        QTest::newRow("equal sizes keep the order found") << QList<qint64>{5, 5, 9, 5}
                                                          << QList<int>{2, 0, 1, 3};
        QTest::newRow("a tie with the last of a full list stays out")
            << QList<qint64>{9, 8, 8, 8, 8, 8, 8, 8, 8} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("below the threshold never enters") << QList<qint64>{3, 99, 2} << QList<int>{1, 0};
    }
    void largestEight()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<int>, expected);
        LargeFileCollector c(3, {}, {});
        for (int i = 0; i < sizes.size(); ++i)
            c.addFile(QStringLiteral("/h/f%1").arg(i), entryOf(QStringLiteral("f%1").arg(i), sizes[i]));
        QStringList got, want;
        for (const LargeFile &f : c.largest())
            got << f.name;
        for (int i : expected)
            want << QStringLiteral("f%1").arg(i);
        QCOMPARE(got, want);
    }

    // The walk takes helper threads for a big home; whatever their number,
    // the same files come out, largest first and equal sizes by path, and
    // the cap keeps the largest, ties at the cut included.
    void sameListForAnyNumberOfThreads()
    {
#ifdef Q_OS_WIN
        QSKIP("the walk takes the whole profile there, which HOME does not move");
#endif
        TempFolder home;
        QList<qint64> onDisk;
        for (int i = 0; i < 600; ++i) {
            fs::Entry e;
            const QString p = home.makeFileOfSize(QStringLiteral("d%1/e%2/f%3.bin").arg(i % 7).arg(i % 4).arg(i),
                                                  1 + i % 5 * 4096);
            QVERIFY(!p.isEmpty() && fs::stat(p, e));
            onDisk << e.allocated;
        }
        std::sort(onDisk.begin(), onDisk.end(), std::greater<>());
        onDisk.resize(LargeFileFinder::kMaxResults);
        QList<QList<LargeFile>> runs;
        for (int threads : {1, 4}) {
            fs::detail::setWalkTuning({threads, 0});
            const Outcome all = findIn(home.path(), 1);
            QVERIFY(!all.cancelled);
            QList<qint64> got;
            for (const LargeFile &f : all.files)
                got << f.bytes;
            QCOMPARE(got, onDisk);
            runs << all.files;
        }
        fs::detail::setWalkTuning({});
        QCOMPARE(runs.at(0), runs.at(1));
        for (qsizetype i = 1; i < runs.at(0).size(); ++i) {
            const LargeFile &a = runs.at(0).at(i - 1), &b = runs.at(0).at(i);
            QVERIFY(a.bytes > b.bytes || (a.bytes == b.bytes && a.path < b.path));
        }
    }

    // A run waiting for the pool (its only thread held) ignores a second
    // start. Destroyed, the finder cancels it before its first folder and
    // still reports, once; left alone, it runs, and a start from its finished
    // handler runs the next.
    void runWaitingForThePool_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::addColumn<Reports>("reports");
        QTest::newRow("destroyed") << true << Reports{{0, true}};
        QTest::newRow("started again when it finishes") << false << Reports{{1, false}, {1, false}};
    }
    void runWaitingForThePool()
    {
        QFETCH(bool, destroy);
        QFETCH(Reports, reports);
#ifdef Q_OS_WIN
        if (!destroy)
            QSKIP("the walk takes the whole profile there, which HOME does not move");
#endif
        TempFolder home;
        home.makeFile("a.bin", "x");
        qputenv("HOME", QFile::encodeName(home.path()));
        auto finder = std::make_unique<LargeFileFinder>();
        Reports got;
        connect(finder.get(), &LargeFileFinder::finished, this, [&](const QList<LargeFile> &f, bool cancelled) {
            got.append({f.size(), cancelled});
            if (finder && got.size() == 1)
                finder->start(0, {});
        });
        PoolHold hold;
        finder->start(0, {});
        finder->start(qint64(1) << 50, {});
        QVERIFY(finder->isRunning());
        if (destroy)
            finder.reset();
        hold.release();
        QTRY_COMPARE(got, reports);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(got, reports);
        QVERIFY(!finder || !finder->isRunning());
    }

private:
    QByteArray m_home;
};

QTEST_GUILESS_MAIN(TestLargeFileFinder)
#include "tst_largefilefinder.moc"

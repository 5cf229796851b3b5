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

    // What the walk reports of one file of a home (the cases in the
    // fixture), checked against a file always there. A reported file was
    // modified after it was last read: the modification counts.
    void reported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("sparse");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QStringList>("exclusions");
        QTest::addColumn<bool>("seen");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("largefiles/reported.tsv"), 6)) {
            QVERIFY2(QStringList({"plain", "sparse"}).contains(f[2])
                         && QStringList({"0", "disk", "disk+1", "logical"}).contains(f[3])
                         && QStringList({"yes", "no"}).contains(f[5]),
                     qPrintable(f.join(u'\t')));
            const QStringList exclusions = f[4] == u"-" ? QStringList() : f[4].split(u' ');
            QTest::newRow(qPrintable(f[0])) << f[1] << (f[2] == u"sparse") << f[3] << exclusions << (f[5] == u"yes");
        }
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
        const qint64 bytes = threshold == u"0" ? 0 : threshold.startsWith(QLatin1String("disk")) ? e.allocated : e.size;
        const Outcome out = findIn(home.path(), bytes + (threshold.endsWith(QLatin1String("+1")) ? 1 : 0), exclusions);
        QCOMPARE(std::pair(out.finishedCount, out.cancelled), std::pair(1, false));
        QStringList found;
        for (const LargeFile &f : out.files)
            found << QDir::cleanPath(f.path);
        QCOMPARE(found.contains(QDir::cleanPath(control)), threshold == u"0");
        QCOMPARE(found.contains(QDir::cleanPath(path)), seen);
        if (!seen)
            return;
        const LargeFile &f = out.files.at(found.indexOf(QDir::cleanPath(path)));
        const QString name = file.section(QLatin1Char('/'), -1);
        QCOMPARE(std::tuple(f.name, f.dir, f.kind, f.bytes, f.lastUsed.toMSecsSinceEpoch()),
                 std::tuple(name, QDir::toNativeSeparators(QFileInfo(QDir::cleanPath(path)).path()), largeFileKind(name),
                            e.allocated, future.toMSecsSinceEpoch()));
    }

    // The rules of the walk on names and paths alone: a file's kind, a live
    // store some program keeps open, a folder left out on Windows, the
    // largest files kept while it goes.
    void rules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("largefiles/rules.tsv"), 4))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f[3];
    }
    void rules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        if (rule == u"kind") {
            QCOMPARE(largeFileKind(input), expected);
        } else if (rule == u"live") {
            QCOMPARE(QString(isLiveDataStore(input) ? "yes" : "no"), expected);
        } else if (rule == u"folder") {
            fs::Entry e;
            e.name = input.section(u'|', 1, 1);
            e.isDir = true;
            e.attributes = input.section(u'|', 2).toUInt();
            const QStringList appData{"D:/Profiles/Roaming", "C:/Users/Me/AppData/Local"};
            const bool skipped = isSkippedLargeFileFolder(input.section(u'|', 0, 0), e, "C:/Users/Me", appData, true);
            QCOMPARE(QString(skipped ? "skipped" : "kept"), expected);
        } else if (rule == u"largest") {
            LargeFileCollector c(3, {}, {});
            const QStringList sizes = input.split(u' ');
            for (qsizetype i = 0; i < sizes.size(); ++i) {
                bool number = false;
                const qint64 size = sizes[i].toLongLong(&number);
                c.addFile(QStringLiteral("/h/f%1").arg(i), entryOf(QStringLiteral("f%1").arg(i), size));
                QVERIFY(number);
            }
            QStringList got;
            for (const LargeFile &f : c.largest())
                got << f.name.mid(1);
            QCOMPARE(got.join(u' '), expected);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown rule ") + rule));
        }
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

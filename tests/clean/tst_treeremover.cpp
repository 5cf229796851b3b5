#include "clean/treeremover.h"
#include "scan/fs.h"

#include "support/testsupport.h"

#include <QtTest>

#include <cerrno>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Raises or lowers the descriptor limit of this process for one scope.
class DescriptorLimit final
{
public:
    explicit DescriptorLimit(rlim_t soft)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        if (soft == 0)
            return;
        rlimit lowered = m_saved;
        lowered.rlim_cur = soft;
        m_set = ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~DescriptorLimit()
    {
        if (m_set)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }

private:
    rlimit m_saved{};
    bool m_set = false;
};

} // namespace

class TestTreeRemover final : public QObject
{
    Q_OBJECT

private slots:
    // Every row is removed by one thread and by four that join from the
    // first folder on: the outcome must be the same.
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

    // Special files, unnameable names, hard links, links in and out and
    // exclusions are left to the cleaner's property test, which removes
    // through this code in its delete mode.
    // The tree is "t" in a scratch folder: a few nested folders and ten
    // more of three files each (33 files), plus what the row adds.
    // `remains` must exist afterwards (everything else of "t" must be gone),
    // `failures` are "path:error:reason" relative to the scratch folder
    // ("*" for a path that depends on the descriptor limit).
    void removesWhatMayGo_data()
    {
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QStringList>("remains");
        QTest::addColumn<QStringList>("failures");
        QTest::addColumn<int>("removed");
        const QStringList none;
        QTest::newRow("plain tree") << "" << none << none << 33;
        QTest::newRow("deep tree") << "deep" << none << none << 34;
        QTest::newRow("deeper than the descriptors allow")
            << "too deep" << QStringList{"t/deep/bottom.txt"} << QStringList{"*:24:too many open files"} << 0;
    }

    void removesWhatMayGo()
    {
        QFETCH(QString, extra);
        QFETCH(QStringList, remains);
        QFETCH(QStringList, failures);
        QFETCH(int, removed);

        TempFolder tmp;
        const bool bare = extra == "too deep";
        if (!bare) {
            for (const char *f : {"t/a/1.txt", "t/a/b/2.txt", "t/c/3.txt"})
                QVERIFY(!tmp.makeFile(QString::fromLatin1(f), "data").isEmpty());
            for (int w = 0; w < 10; ++w)
                for (int f = 0; f < 3; ++f)
                    QVERIFY(!tmp.makeFileOfSize(QStringLiteral("t/w%1/f%2").arg(w).arg(f), 100 + f).isEmpty());
        }
        removal::TreeHooks hooks;
        if (extra == "deep" || extra == "too deep") {
            QVERIFY(!tmp.makeDeepChain("t/deep", bare ? 400 : 200, "bottom").isEmpty());
            if (bare)
                remains.replace(0, QStringLiteral("t/deep") + QStringLiteral("/d").repeated(400) + "/bottom.txt");
        }
        // Told one at a time, but maybe from a helper thread: counted here,
        // checked below.
        int removedCount = 0;
        int oddRecords = 0;
        hooks.onRemoved = [&](const removal::Remover::RemovedFile &f) {
            oddRecords += f.bytes < 0 || f.links < 1 || f.inode == 0;
            ++removedCount;
        };

        const int parent = ::open(QFile::encodeName(tmp.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(parent >= 0);
        struct stat top;
        QVERIFY(::fstatat(parent, "t", &top, AT_SYMLINK_NOFOLLOW) == 0);
        QList<removal::Failure> got;
        {
            const DescriptorLimit limit(bare ? 96 : 0);
            removal::removeTreeInParallel(hooks, parent, "t", top.st_dev, tmp.path("t"), got);
        }
        ::close(parent);

        QStringList gotFailures;
        for (const removal::Failure &f : got) {
            QString path = f.path.mid(tmp.path().size() + 1);
            if (failures.value(0).startsWith('*'))
                path = QStringLiteral("*");
            gotFailures << QStringLiteral("%1:%2:%3").arg(path).arg(f.error).arg(f.reason);
        }
        QCOMPARE(gotFailures, failures);
        QCOMPARE(removedCount, removed);
        QCOMPARE(oddRecords, 0);
        for (const QString &r : remains)
            QVERIFY2(exists(tmp.path(r)), qPrintable(r + " is gone"));
        // Nothing else of the tree is left: only what remains and the
        // folders on the way to it.
        QStringList left;
        QDirIterator it(tmp.path("t"), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = it.next().mid(tmp.path().size() + 1);
            const bool needed = std::any_of(remains.cbegin(), remains.cend(), [&](const QString &r) {
                return r == rel || r.startsWith(rel + '/');
            });
            if (!needed)
                left << rel;
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
        QCOMPARE(exists(tmp.path("t")), std::any_of(remains.cbegin(), remains.cend(), [](const QString &r) {
                     return r.startsWith("t/");
                 }));
    }
};

QTEST_GUILESS_MAIN(TestTreeRemover)
#include "tst_treeremover.moc"

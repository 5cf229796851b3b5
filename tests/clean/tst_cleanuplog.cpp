#include "clean/cleanuplog.h"

#include "support/testsupport.h"

#include <QStandardPaths>
#include <QtTest>

#include <functional>

namespace {

const QDateTime kStart(QDate(2026, 1, 2), QTime(3, 4, 5));

QByteArray writeAndRead(const std::function<void(CleanupLog &)> &write)
{
    QString path;
    {
        CleanupLog log([] { return kStart; });
        path = log.open();
        write(log);
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<no file>";
    return f.readAll();
}

} // namespace

class TestCleanupLog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineForms_data();
    void lineForms();
    void nameAndHeaderTakeTheClock();
    void folderThatCannotBeCreated();
};

void TestCleanupLog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestCleanupLog::lineForms_data()
{
    using Write = std::function<void(CleanupLog &)>;
    QTest::addColumn<Write>("write");
    QTest::addColumn<QByteArray>("expected");
    const QString p = QStringLiteral("/tmp/a b/ünï");

    QTest::newRow("heading") << Write([](CleanupLog &l) { l.categoryHeading(QStringLiteral("Temporary files"), 3 << 20); })
                             << QByteArray("== Temporary files (3 MB)\n");
    QTest::newRow("excluded") << Write([p](CleanupLog &l) { l.excluded(p); }) << ("EXCLUDED " + p.toUtf8() + "\n");
    QTest::newRow("skipped") << Write([p](CleanupLog &l) { l.skipped(p, QStringLiteral("protected location")); })
                             << ("SKIPPED  " + p.toUtf8() + "  (protected location)\n");
    QTest::newRow("running app") << Write([p](CleanupLog &l) { l.skippedRunning(p, QStringLiteral("Slack")); })
                                 << ("SKIPPED  " + p.toUtf8() + "  (Slack is running)\n");
    QTest::newRow("final failure with code") << Write([p](CleanupLog &l) { l.skippedFinal(p, 32); })
                                             << ("SKIPPED  " + p.toUtf8() + "  (in use or access denied, error 32)\n");
    QTest::newRow("final failure without code") << Write([p](CleanupLog &l) { l.skippedFinal(p, 0); })
                                                << ("SKIPPED  " + p.toUtf8() + "  (in use or access denied)\n");
    QTest::newRow("busy") << Write([p](CleanupLog &l) { l.busy(p, 0); })
                          << ("BUSY     " + p.toUtf8() + "  (error 0, will retry)\n");
    QTest::newRow("emptied") << Write([](CleanupLog &l) { l.emptied(QStringLiteral("Trash")); })
                             << QByteArray("EMPTIED  Trash\n");
    QTest::newRow("trashed, nothing freed") << Write([p](CleanupLog &l) { l.trashed(p, 0); })
                                            << ("TRASHED  " + p.toUtf8() + "  0 KB\n");
    QTest::newRow("deleted") << Write([p](CleanupLog &l) { l.deleted(p, qint64(3) << 29); })
                             << ("DELETED  " + p.toUtf8() + "  1.5 GB\n");
    QTest::newRow("summary, counts without grouping")
        << Write([](CleanupLog &l) { l.summary(340 << 20, 12345, 1234); })
        << QByteArray("Freed 340 MB, removed 12345 files, skipped 1234.\n");
}

void TestCleanupLog::lineForms()
{
    QFETCH(std::function<void(CleanupLog &)>, write);
    QFETCH(QByteArray, expected);
    QCOMPARE(writeAndRead(write), expected);
}

void TestCleanupLog::nameAndHeaderTakeTheClock()
{
    // The file is named when it is opened, the header when it is written.
    QDateTime now = kStart;
    CleanupLog log([&now] { return now; });
    const QString path = log.open();
    QCOMPARE(path, CleanupLog::folder() + QStringLiteral("/cleanup-20260102-030405.log"));
    QVERIFY(log.isOpen());
    now = now.addSecs(2);
    log.header(false, 0);
    log.flush();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Varnholt cleanup 2026-01-02T03:04:07\nMode: delete permanently\nSelected: 0 KB\n\n"));
}

void TestCleanupLog::folderThatCannotBeCreated()
{
    const QString blocker = QFileInfo(CleanupLog::folder()).path();
    QDir(blocker).removeRecursively();
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.close();

    CleanupLog log([] { return kStart; });
    const QString path = log.open();
    QVERIFY(!CleanupLog::ensureFolder());
    QVERIFY(QFile::remove(blocker));
    QCOMPARE(path, CleanupLog::folder() + QStringLiteral("/cleanup-20260102-030405.log"));
    QVERIFY(!log.isOpen());
    // Lines go nowhere without complaint.
    log.header(true, 1);
    log.summary(0, 0, 0);
    log.flush();
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestCleanupLog)
#include "tst_cleanuplog.moc"

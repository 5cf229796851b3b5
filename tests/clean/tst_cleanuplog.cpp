#include "clean/cleanuplog.h"

#include <QStandardPaths>
#include <QtTest>


namespace {

const QDateTime kStart(QDate(2026, 1, 2), QTime(3, 4, 5));

} // namespace

class TestCleanupLog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nameAndHeaderTakeTheClock();
};

void TestCleanupLog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
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

QTEST_GUILESS_MAIN(TestCleanupLog)
#include "tst_cleanuplog.moc"

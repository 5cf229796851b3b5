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
    void namesCannotForgeLines_data();
    void namesCannotForgeLines();
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

// Every writer that takes a path or a name gets the same text; a name written
// plain stays byte-identical, anything else becomes one quoted literal.
void TestCleanupLog::namesCannotForgeLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain, backslash and quote kept") << QStringLiteral(R"(/tmp/a b\nc"d ü😀)")
                                                      << QByteArray(R"(/tmp/a b\nc"d ü😀)");
    QTest::newRow("newline") << QStringLiteral("/tmp/x\nDELETED  /etc/passwd  1 GB")
                             << QByteArray(R"("/tmp/x\nDELETED  /etc/passwd  1 GB")");
    QTest::newRow("carriage return, tab") << QStringLiteral("/tmp/x\rFreed 9 GB\t.")
                                          << QByteArray(R"("/tmp/x\rFreed 9 GB\t.")");
    QTest::newRow("terminal escapes, DEL") << QStringLiteral("/tmp/\x1b]0;t\x07\x7f\u009b1m")
                                           << QByteArray(R"("/tmp/\x1b]0;t\x07\x7f\x9b1m")");
    QTest::newRow("bidi") << QStringLiteral("/tmp/a\u202Efdp.exe\u2066\u2069\u200E\u200F\u061C\u2028")
                          << QByteArray(R"("/tmp/a\u202efdp.exe\u2066\u2069\u200e\u200f\u061c\u2028")");
    // Inside quotes a backslash is doubled, so "\\n" (a name holding a
    // backslash and an n) differs from "\n" (a name holding a line break).
    QTest::newRow("backslash beside an escape") << QStringLiteral("/tmp/\\n\n\"") << QByteArray(R"("/tmp/\\n\n\"")");
    QTest::newRow("leading quote") << QStringLiteral("\"x") << QByteArray(R"("\"x")");
    QTest::newRow("unpaired surrogate") << QString(QChar(0xd800)) << QByteArray(R"("\ud800")");
}

void TestCleanupLog::namesCannotForgeLines()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    CleanupLog log([] { return kStart; });
    const QString path = log.open();
    log.categoryHeading(name, 0);
    log.excluded(name);
    log.skippedRunning(name, name);
    log.busy(name, 5);
    log.emptied(name);
    log.deleted(name, 0);
    log.flush();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray w = written;
    QCOMPARE(f.readAll(), "== " + w + " (0 KB)\nEXCLUDED " + w + "\nSKIPPED  " + w + "  (" + w
                              + " is running)\nBUSY     " + w + "  (error 5, will retry)\nEMPTIED  " + w
                              + "\nDELETED  " + w + "  0 KB\n");
}

QTEST_GUILESS_MAIN(TestCleanupLog)
#include "tst_cleanuplog.moc"

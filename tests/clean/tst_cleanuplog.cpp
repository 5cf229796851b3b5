#include "clean/cleanuplog.h"

#include <QStandardPaths>
#include <QtTest>

namespace {

const QDateTime kStart(QDate(2026, 1, 2), QTime(3, 4, 5));

} // namespace

// The header against the clock is checked by the cleaner's own run-log test.
class TestCleanupLog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(CleanupLog::folder()).removeRecursively(); }

    // Two runs at one pinned second beside the logs already there ("cleanup-"
    // and ".log" left out), one deleting and one moving to the trash: each
    // gets a file of its own, none is written over, and the list puts the
    // latest run first.
    void oneLogPerRun_data()
    {
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none before") << QStringList{} << QStringList{"20260102-030405-2", "20260102-030405"};
        QTest::newRow("numbered as numbers")
            << QStringList{"20260102-030405", "20260102-030405-10", "20260102-030405-9", "20260101-235959-3"}
            << QStringList{"20260102-030405-10", "20260102-030405-9", "20260102-030405-3", "20260102-030405-2",
                           "20260102-030405", "20260101-235959-3"};
    }
    void oneLogPerRun()
    {
        QFETCH(QStringList, there);
        const auto path = [](const QString &n) -> QString { return CleanupLog::folder() + "/cleanup-" + n + ".log"; };
        QVERIFY(CleanupLog::ensureFolder());
        for (const QString &name : there + QStringList{"notes"}) {
            QFile f(path(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("earlier") == 7);
        }
        CleanupLog first([] { return kStart; }), second([] { return kStart; });
        const QString deleting = first.open(), trashing = second.open();
        QVERIFY(deleting != trashing && first.isOpen() && second.isOpen());
        // Each run's mode is read back from its own log.
        first.header(false, 0);
        second.header(true, 0);
        first.flush();
        second.flush();
        QCOMPARE(std::pair(CleanupLog::read(deleting).toTrash, CleanupLog::read(trashing).toTrash), std::pair(false, true));
        // Its end is told in its header's terms, whatever the clock's zone now.
        QVERIFY(!QFileInfo(trashing).birthTime().isValid() || CleanupLog::read(trashing).written.secsTo(kStart) == 0
                || QSysInfo::productType() == QLatin1String("windows"));
        QStringList listed;
        for (const QString &log : CleanupLog::logs())
            listed.append(QFileInfo(log).completeBaseName().mid(8));
        QTEST(listed, "listed");
        for (const QString &name : there)
            QCOMPARE(QFileInfo(path(name)).size(), 7);
    }

    // Defined outside the class: the raw strings would throw moc off.
    void namesCannotForgeLines_data();
    void namesCannotForgeLines();

    // The processes holding a file: each program once, in the order met,
    // with its process ids; a name can neither end the path early for a
    // reader looking for "  (" nor forge a line.
    void heldByText_data()
    {
        QTest::addColumn<QList<FileHolder>>("holders");
        QTest::addColumn<QString>("text");
        QTest::newRow("one program, two processes") << QList<FileHolder>{{"sleep", 1}, {"sleep", 2}} << "sleep [1, 2]";
        QTest::newRow("programs in the order met") << QList<FileHolder>{{"code", 5}, {"firefox", 3}, {"code", 7}}
                                                   << "code [5, 7], firefox [3]";
        QTest::newRow("blanks and line breaks") << QList<FileHolder>{{"a  (b\nc", 9}} << "a (b c [9]";
        QTest::newRow("terminal escape") << QList<FileHolder>{{"\x1b[31mred", 4}} << "\"\\x1b[31mred\" [4]";
    }
    void heldByText()
    {
        QFETCH(QList<FileHolder>, holders);
        QTEST(CleanupLog::heldByText(holders), "text");
    }
};

// Every writer that takes a path or a name gets the same text; a name written
// plain stays byte-identical, anything else becomes one quoted literal, and
// a reader gets the exact name back.
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
    QTest::newRow("invisible") << QStringLiteral("/tmp/a\u200Bb\u2060\u2064\uFEFF\u00AD")
                               << QByteArray(R"("/tmp/a\u200bb\u2060\u2064\ufeff\xad")");
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
    log.header(true, 0);
    log.trashed(name, 0);
    log.trashedTo(name + QStringLiteral(".2"), name);
    log.categoryHeading(name, 0);
    log.excluded(name);
    log.skippedRunning(name, name);
    log.busy(name, 5);
    log.emptied(name);
    log.deleted(name, 0);
    log.flush();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Names (the category, the program, the bin) are written as they are;
    // paths with the system's separators, and lines end the system's way.
    const QByteArray w = written;
    QByteArray p = written;
#ifdef Q_OS_WIN
    p.replace('/', written.startsWith('"') ? "\\\\" : "\\");
#endif
    QByteArray expected = "== " + w + " (0 KB)\nEXCLUDED " + p + "\nSKIPPED  " + p + "  (" + w
        + " is running)\nBUSY     " + p + "  (error 5, will retry)\nEMPTIED  " + w + "\nDELETED  " + p + "  0 KB\n";
#ifdef Q_OS_WIN
    expected.replace("\n", "\r\n");
#endif
    QVERIFY(f.readAll().endsWith(expected));
    const CleanupLog::Contents c = CleanupLog::read(path);
    const QString read = QDir::fromNativeSeparators(name);
    QVERIFY(c.valid && c.toTrash && c.moves.size() == 1);
    QCOMPARE(c.trashedItems, QStringList{read});
    QCOMPARE(c.moves.first().inTrash, read + QStringLiteral(".2"));
    QCOMPARE(c.moves.first().original, read);
}

QTEST_GUILESS_MAIN(TestCleanupLog)
#include "tst_cleanuplog.moc"

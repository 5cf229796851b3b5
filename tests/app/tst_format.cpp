#include "app/platform.h"
#include "support/testsupport.h"

#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <QtTest>

namespace {

// Answers the relative-time texts the way the German catalogue does.
class GermanTimes final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int n) const override
    {
        if (qstrcmp(context, "fmt") != 0)
            return {};
        if (qstrcmp(source, "Today") == 0)
            return QStringLiteral("Heute");
        if (qstrcmp(source, "%n day(s) ago") == 0)
            return QStringLiteral("Vor %1 Tagen").arg(n);
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestFormat final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void formatSize_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("app/sizes.tsv"), 4)) {
            bool ok = false;
            const qint64 bytes = f[1].toLongLong(&ok);
            QVERIFY2(ok && (f[2] == u"en" || f[2] == u"de"), qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << bytes << (f[2] == u"de" ? QLocale::German : QLocale::English) << f[3];
        }
    }

    void formatSize()
    {
        QFETCH(qint64, bytes);
        QFETCH(QLocale::Language, language);
        QLocale::setDefault(QLocale(language));
        const QString text = ::formatSize(bytes);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTEST(text, "expected");
    }

    void formatDuration_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << qint64(0) << "0:00";
        QTest::newRow("negative") << qint64(-5) << "0:00";
        QTest::newRow("75 s") << qint64(75) << "1:15";
        QTest::newRow("an hour stays in minutes") << qint64(3600) << "60:00";
        QTest::newRow("a day") << qint64(86401) << "1440:01";
    }

    void formatDuration()
    {
        QFETCH(qint64, seconds);
        QTEST(::formatDuration(seconds), "expected");
    }

    void monthsSince_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("expected");
        const QDateTime jan31(QDate(2025, 1, 31), QTime(12, 0));
        QTest::newRow("invalid") << QDateTime() << QDate(2025, 3, 1) << 0;
        QTest::newRow("31 Jan to 28 Feb") << jan31 << QDate(2025, 2, 28) << 0;
        QTest::newRow("31 Jan to 1 Mar") << jan31 << QDate(2025, 3, 1) << 1;
        QTest::newRow("same day next month") << QDateTime(QDate(2025, 4, 15), QTime(23, 0)) << QDate(2025, 5, 15) << 1;
        QTest::newRow("across a year") << QDateTime(QDate(2024, 11, 10), QTime()) << QDate(2025, 2, 9) << 2;
        QTest::newRow("future") << QDateTime(QDate(2026, 1, 1), QTime()) << QDate(2025, 1, 1) << 0;
    }

    void monthsSince()
    {
        QFETCH(QDateTime, when);
        QFETCH(QDate, today);
        QTEST(::monthsSince(when, today), "expected");
    }

    // Mid-sentence only the first letter is lowered: German nouns keep their
    // capitals.
    void relativeTime_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("inText");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("app/relativetimes.tsv"), 5)) {
            bool ok = false;
            const int days = f[1].toInt(&ok);
            QVERIFY2(ok && (f[2] == u"en" || f[2] == u"de"), qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << days << (f[2] == u"de") << f[3] << f[4];
        }
    }

    void relativeTime()
    {
        QFETCH(int, daysAgo);
        QFETCH(bool, german);
        const QDate today(2025, 6, 15);
        const QDateTime when(today.addDays(-daysAgo), QTime(9, 30));
        GermanTimes translator;
        QVERIFY(!german || QCoreApplication::installTranslator(&translator));
        const QString text = ::relativeTime(when, today), inText = ::relativeTimeInText(when, today);
        QCoreApplication::removeTranslator(&translator);
        QTEST(text, "expected");
        QTEST(inText, "inText");
        QVERIFY(::relativeTime(QDateTime(), today).isEmpty() && ::relativeTimeInText(QDateTime(), today).isEmpty());
    }

    void displayPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("under home") << "/home/al/Downloads/a.iso" << "/home/al" << "~/Downloads/a.iso";
        QTest::newRow("home itself") << "/home/al" << "/home/al" << "~";
        QTest::newRow("home with trailing slash") << "/home/al/x" << "/home/al/" << "~/x";
        QTest::newRow("sibling sharing a prefix") << "/home/alice/x" << "/home/al" << "/home/alice/x";
        QTest::newRow("root as home") << "/etc/hosts" << "/" << "/etc/hosts";
#ifdef Q_OS_WIN
        // Windows folder names ignore case: /HOME/AL is the home folder.
        QTest::newRow("other capitals are the same folder") << "/HOME/AL/x" << "/home/al" << "~/x";
#else
        // Case matters on this file system: /HOME/AL is another folder.
        QTest::newRow("other capitals are another folder") << "/HOME/AL/x" << "/home/al" << "/HOME/AL/x";
#endif
        QTest::newRow("empty home") << "/x" << "" << "/x";
    }

    void displayPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QCOMPARE(::displayPath(path, home), QDir::toNativeSeparators(expected));
    }
};

QTEST_GUILESS_MAIN(TestFormat)
#include "tst_format.moc"

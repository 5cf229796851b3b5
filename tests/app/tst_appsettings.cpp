#include "app/appsettings.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <tuple>

namespace {

// Writes straight into the store, as another process or an older version would.
void storeRaw(const QList<std::pair<QString, QVariant>> &values, bool clear = false)
{
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Varnholt", "Varnholt");
    if (clear)
        raw.clear();
    for (const auto &[key, value] : values)
        raw.setValue(key, value);
    raw.sync();
}

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString storePath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Varnholt", "Varnholt").fileName();
}

// Takes away whatever a test put in place of the store file (on Windows, the
// store is a registry key).
void removeStore()
{
#ifdef Q_OS_WIN
    storeRaw({}, true);
#else
    QDir(storePath()).removeRecursively();
    QFile::remove(storePath());
#endif
}

} // namespace

class TestAppSettings final : public QObject
{
    Q_OBJECT

    AppSettings *s = nullptr;
    QDate fakeToday;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
        QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
        s = AppSettings::instance();
        s->setTodayFunction([this] { return fakeToday; });
        // Both the store and the autostart entry must sit in the sandbox.
#ifdef Q_OS_WIN
        // The store and the Run entry are the user's own registry keys: only
        // Wine's private prefix keeps them apart.
        if (!testsupport::runsUnderWine())
            QSKIP("the settings would go to this user's own registry");
#else
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(config.contains(QLatin1String("test-sandbox")));
        QVERIFY(AppSettings::autostartFilePath().startsWith(config + u'/'));
        QVERIFY(storePath().startsWith(config + u'/'));
#endif
    }

    void init()
    {
        removeStore();
        storeRaw({}, true);
#ifdef Q_OS_UNIX
        QFile::remove(AppSettings::autostartFilePath());
#endif
        qunsetenv("APPIMAGE");
        fakeToday = QDate(2026, 12, 6);
    }

    // A missing store is a first run with the defaults; one that exists but
    // cannot be read or parsed is unreadable, and writes leave it alone until
    // it is repaired. Unreadable files and folders need a user without root's
    // rights: the command-line tests run those.
    void storeStates_data()
    {
        QTest::addColumn<QByteArray>("content");  // "<missing>", "<folder>", "<link>" or the file's text
        QTest::addColumn<bool>("readable");
        QTest::newRow("missing") << QByteArray("<missing>") << true;
#ifndef Q_OS_WIN // a registry key is no file
        QTest::newRow("empty file") << QByteArray("") << true;
        QTest::newRow("written by the library") << QByteArray("[clean]\nexclusions=**/.git, /home/u/keep\n") << true;
        QTest::newRow("folder in its place") << QByteArray("<folder>") << false;
        QTest::newRow("link to nothing") << QByteArray("<link>") << false;
        QTest::newRow("unterminated section") << QByteArray("[clean\nmoveToTrash=false\n") << false;
        QTest::newRow("line without a value") << QByteArray("[clean]\nexclusions b.bin\n") << false;
#endif
    }

    void storeStates()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        const QString path = storePath();
        removeStore();
        if (content == "<folder>") {
            QVERIFY(QDir().mkpath(path));
        } else if (content == "<link>") {
            QVERIFY(QFile::link(path + QStringLiteral(".nowhere"), path));
        } else if (content != "<missing>") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        if (content == "<missing>") {
            QCOMPARE(std::tuple(s->moveToTrash(), s->exclusions(), s->schedule(), s->launchAtLogin()),
                     std::tuple(true, QStringList{QStringLiteral("**/.git")}, int(AppSettings::Weekly), false));
            QVERIFY(!s->lastScan().isValid() && !s->scanDue());
        }

        QCOMPARE(s->readable(), readable);
        QSignalSpy spy(s, &AppSettings::changed);
        s->setLargeThresholdMB(123);
        s->addFreed(5);
        s->recordFreeSpace({1'000'000'000'000, 5, 10});
        QCOMPARE(spy.count(), readable ? 3 : 0);
        QCOMPARE(s->freeSpaceHistory().size(), readable ? 1 : 0);
        if (!readable && !content.startsWith('<'))
            QCOMPARE(readAll(path).toUtf8(), content);

        // Checked afresh: a repaired store is readable again at once.
        removeStore();
        QVERIFY(s->readable());
        s->setLargeThresholdMB(123);
        QCOMPARE(s->largeThresholdMB(), 123);
    }

    // A write that changes nothing, also of a value left as text or of a
    // default never written, is no change; an emptied list stays empty.
    void settersEmitOnlyOnChange()
    {
        storeRaw({{"large/thresholdMB", "1000"}, {"clean/moveToTrash", "false"}});
        QSignalSpy spy(s, &AppSettings::changed);
        const QDateTime when(QDate(2026, 11, 30), QTime(21, 15));
        for (int round = 0; round < 2; ++round) {
            s->setLargeThresholdMB(1000);
            s->setMoveToTrash(false);
            s->setSchedule(AppSettings::Weekly);
            s->setLastScan(when);
            s->setExclusions({});
            QCOMPARE(spy.count(), 3);
        }
        QCOMPARE(std::tuple(s->largeThresholdMB(), s->moveToTrash(), s->lastScan(), s->exclusions()),
                 std::tuple(1000, false, when, QStringList()));
    }

    void wrongTypesReadAsDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("threshold not a number") << "large/thresholdMB" << "lots";
        QTest::newRow("months not a number") << "large/oldMonths" << "";
        QTest::newRow("close action not a number") << "ui/closeAction" << "hide";
        QTest::newRow("flag not a flag") << "auto/lowSpaceAlerts" << "maybe";
    }

    void wrongTypesReadAsDefault()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        storeRaw({{key, stored}});
        QCOMPARE(std::tuple(s->largeThresholdMB(), s->oldMonths(), s->closeAction(), s->lowSpaceAlerts()),
                 std::tuple(500, 6, 0, true));
    }

    void scanDue_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("due");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("app/scandue.tsv"), 5)) {
            const QDateTime last = QDateTime::fromString(f[2], Qt::ISODate);
            const QDate today = QDate::fromString(f[3], Qt::ISODate);
            QVERIFY2((last.isValid() || f[2] == u"-") && today.isValid() && (f[4] == u"true" || f[4] == u"false"),
                     qPrintable(f[0]));
            QTest::newRow(qPrintable(f[0])) << f[1].toInt() << last << today << (f[4] == u"true");
        }
    }

    void scanDue()
    {
        QFETCH(int, schedule);
        QFETCH(QDateTime, last);
        QFETCH(QDate, today);
        s->setSchedule(schedule);
        if (last.isValid())
            s->setLastScan(last);
        fakeToday = today;
        QTEST(s->scanDue(), "due");
    }

    void freedHistoryAcrossMonths()
    {
        QSignalSpy spy(s, &AppSettings::changed);
        fakeToday = QDate(2026, 12, 31);
        s->addFreed(0);
        s->addFreed(-5);
        QCOMPARE(spy.count(), 0);
        s->addFreed(1000);
        s->addFreed(234);
        QCOMPARE(spy.count(), 2);
        fakeToday = QDate(2027, 1, 1);
        const qint64 big = Q_INT64_C(5) * 1024 * 1024 * 1024 * 1024;
        s->addFreed(big);
        QCOMPARE(s->freedHistory(6), (QList<qint64>{0, 0, 0, 0, 1234, big}));
        QCOMPARE(s->freedHistory(1), QList<qint64>{big});
        QCOMPARE(s->freedHistory(0), QList<qint64>());
        QCOMPARE(s->freedHistory(-3), QList<qint64>());
        // Months later the old entries are still counted in their own months;
        // from the 31st, stepping back by months does not skip February.
        fakeToday = QDate(2027, 2, 28);
        s->addFreed(5);
        fakeToday = QDate(2027, 3, 31);
        QCOMPARE(s->freedHistory(4), (QList<qint64>{1234, big, 5, 0}));
    }

#ifdef Q_OS_UNIX
    // The entry starts the AppImage only when this program runs inside it, and
    // is never written for a path that could break out of its Exec line.
    void autostartEntry_data()
    {
        QTest::addColumn<QString>("image");  // the image's file name in a scratch folder; empty: none
        QTest::addColumn<bool>("inside");    // this program runs inside the image's mount ($APPDIR)
        QTest::addColumn<QString>("exec");   // %1: the scratch folder; empty: no entry
        const QString self = "Exec=\"" + QCoreApplication::applicationFilePath() + "\" --background";
        QTest::newRow("this program") << "" << false << self;
        QTest::newRow("blank") << "My Apps.AppImage" << true << "Exec=\"%1/My Apps.AppImage\" --background";
        QTest::newRow("percent") << "50% off" << true << "Exec=\"%1/50%% off\" --background";
        QTest::newRow("quote and dollar") << "a\"b$c" << true << "Exec=\"%1/a\\\\\"b\\\\$c\" --background";
        QTest::newRow("backslash") << "a\\b" << true << "Exec=\"%1/a\\\\\\\\b\" --background";
        QTest::newRow("inherited from another AppImage") << "Other.AppImage" << false << self;
        QTest::newRow("line break") << "V\nExec=evil\nX=.AppImage" << true << "";
        QTest::newRow("escape character") << "V\x1b.AppImage" << true << "";
    }

    void autostartEntry()
    {
        QFETCH(QString, image);
        QFETCH(bool, inside);
        QFETCH(QString, exec);
        const QString dir = QDir::tempPath() + "/autostart-programs";
        QVERIFY(QDir(dir).removeRecursively() && QDir().mkpath(dir));
        if (!image.isEmpty()) {
            QFile program(dir + u'/' + image);
            QVERIFY(program.open(QIODevice::WriteOnly));
            qputenv("APPIMAGE", QFile::encodeName(program.fileName()));
        }
        qputenv("APPDIR", QFile::encodeName(inside ? QCoreApplication::applicationDirPath() : dir));
        const QString path = AppSettings::autostartFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile stale(path); // an older entry never outlives a refused one
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("[Desktop Entry]\nExec=old\n") > 0);
        stale.close();
        QSignalSpy spy(s, &AppSettings::changed);
        s->setLaunchAtLogin(true);
        qunsetenv("APPDIR");
        QCOMPARE(s->launchAtLogin(), !exec.isEmpty());
        if (!exec.isEmpty()) {
            const QStringList lines = readAll(path).split(u'\n');
            QCOMPARE(lines.first(), "[Desktop Entry]");
            QVERIFY2(lines.contains(QString(exec).replace("%1", dir)), qPrintable(lines.join(u'\n')));
            QCOMPARE(lines.filter(QStringLiteral("Exec=")).size(), 1);
        }
        s->setLaunchAtLogin(true);
        s->setLaunchAtLogin(false);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!s->launchAtLogin());
        s->setLaunchAtLogin(false);
        QCOMPARE(spy.count(), 4);
    }
#endif
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"

#include "history/folderhistory.h"
#include "history/foldergrowth.h"
#include "history/foldersizes.h"

#include "support/tempfolder.h"

#include <QtTest>

namespace {

constexpr qint64 kMiB = 1024 * 1024;

} // namespace

class FolderHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void recordsAndCompares();
};

void FolderHistoryTest::recordsAndCompares()
{
    TempFolder home;
    home.makeFileOfSize(QStringLiteral("Videos/a.mkv"), 2 * kMiB);
    home.makeFileOfSize(QStringLiteral(".cache/app/blob"), 3 * kMiB);
    home.makeFileOfSize(QStringLiteral(".hidden/blob"), 3 * kMiB);
    FolderSizeRules rules;
    rules.root = home.path();
    rules.categoryRoots = {home.path(QStringLiteral(".cache/app"))};
    rules.lowPriority = false;
    const std::optional<FolderReading> older = readFolderSizes(rules);
    QVERIFY(older);
    QVERIFY(older->bytesOf(QStringLiteral("Videos")).value_or(0) >= 2 * kMiB);
    QVERIFY(older->bytesOf(QStringLiteral(".cache/app")).value_or(0) >= 3 * kMiB);
    QVERIFY(!older->bytesOf(QStringLiteral(".hidden")));

    home.makeFileOfSize(QStringLiteral("Videos/b.mkv"), 5 * kMiB);
    std::optional<FolderReading> newer = readFolderSizes(rules);
    QVERIFY(newer);
    newer->time = older->time.addDays(7);

    TempFolder store;
    FolderHistory history(store.path());
    QVERIFY(history.add(*older));
    QVERIFY(history.add(*newer));
    QCOMPARE(history.readings(), (QList<QDateTime>{older->time, newer->time}));
    const auto pair = history.pair(older->time);
    QVERIFY(pair);
    const FolderGrowthReport report = foldergrowth::compare(pair->first, pair->second);
    QVERIFY(report.isValid());
    QVERIFY(!report.entries.isEmpty());
    QCOMPARE(report.entries.first().path, home.path(QStringLiteral("Videos")));
    QCOMPARE(report.entries.first().change, 5 * kMiB);
}

QTEST_GUILESS_MAIN(FolderHistoryTest)
#include "tst_folderhistory.moc"

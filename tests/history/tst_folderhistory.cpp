#include "history/folderhistory.h"
#include "history/foldergrowth.h"
#include "history/foldersizes.h"

#include "support/testsupport.h"

#include <QtEndian>
#include <QtTest>

namespace {

[[maybe_unused]] const bool g_privateMounts = testsupport::enterPrivateMounts();

constexpr qint64 kMiB = 1024 * 1024;

// "path=MiB" makes a file (sizes from 64 MiB are reserved, not written),
// "-path" removes a file or folder, "old>new" renames; comma-separated.
bool apply(TempFolder &home, const QString &ops)
{
    for (const QString &op : ops.split(u',', Qt::SkipEmptyParts)) {
        if (op.startsWith(u'-')) {
            QFileInfo(home.path(op.mid(1))).isDir() ? QDir(home.path(op.mid(1))).removeRecursively()
                                                    : QFile::remove(home.path(op.mid(1)));
        } else if (const QStringList move = op.split(u'>'); move.size() == 2) {
            if (!QDir().rename(home.path(move[0]), home.path(move[1])))
                return false;
        } else {
            const QStringList kv = op.split(u'=');
            const qint64 bytes = kv.at(1).toLongLong() * kMiB;
            const bool made = bytes < 64 * kMiB ? !home.makeFileOfSize(kv.at(0), bytes).isEmpty()
                : !home.makeDir(QFileInfo(kv.at(0)).path()).isEmpty()
                    && testsupport::allocateFile(home.path(kv.at(0)), bytes);
            if (!made)
                return false;
        }
    }
    return true;
}

// "Proj/a +16 new <": the path below the home folder, the change in MiB, and
// whether it is new, gone, or was under the threshold then; then its category.
QString describe(const FolderGrowthReport &report)
{
    QStringList out;
    for (const FolderGrowth &g : report.entries) {
        QString line = g.path.mid(report.root.size() + 1)
            + QStringLiteral(" %1%2").arg(g.change < 0 ? "" : "+").arg(qRound(double(g.change) / kMiB));
        line += QString(g.before ? "" : " new") + (g.after ? "" : " gone") + (g.beforeAtMost ? " <" : "");
        if (!g.categoryId.isEmpty())
            line += u' ' + g.categoryId;
        out.append(line);
    }
    return out.join(QStringLiteral("; "));
}

QByteArray number(quint64 n)
{
    QByteArray out;
    for (; n >= 0x80; n >>= 7)
        out.append(char(quint8(n) | 0x80));
    return out.append(char(n));
}

// A reading written as format 1 lays it out: time, threshold, levels, root,
// count, then per folder shared bytes, the rest and the size (2n for n * 512
// bytes, 2n + 1 for n bytes).
QByteArray version1(const QByteArray &root, const QList<std::tuple<int, QByteArray, quint64>> &folders,
                    quint64 count = 0)
{
    QByteArray content(8, '\0');
    qToLittleEndian<qint64>(1796600000000, content.data());
    content += number(4096) + number(3) + number(quint64(root.size())) + root
        + number(count ? count : quint64(folders.size()));
    for (const auto &[shared, rest, bytes] : folders)
        content += number(quint64(shared)) + number(quint64(rest.size())) + rest
            + number(bytes % 512 ? bytes * 2 + 1 : bytes / 512 * 2);
    return folderfile::seal(content, 1);
}

} // namespace

class FolderHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void growth_data();
    void growth();
    void format_data();
    void format();
    void thinning_data();
    void thinning();
};

// Two readings of a scratch home folder a week apart, and what grew.
void FolderHistoryTest::growth_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("grew");
    for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("history/growth.tsv"), 5))
        QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f[3] << (f[4] == u"-" ? QString() : f[4]);
}

void FolderHistoryTest::growth()
{
    QFETCH(QString, before);
    QFETCH(QString, change);
    QFETCH(QString, options);
    QFETCH(QString, grew);
    TempFolder home;
    FolderSizeRules rules;
    rules.root = home.path();
    rules.lowPriority = false;
    QList<CategoryDef> categories;
    std::optional<testsupport::PrivateMount> mount;
    for (const QString &option : options.split(u',', Qt::SkipEmptyParts)) {
        const QString key = option.section(u'=', 0, 0), value = option.section(u'=', 1);
        if (key == u"exclude") {
            rules.exclusions.append(value);
        } else if (key == u"mount") {
            mount.emplace(home.path(value));
            if (!mount->isMounted())
                QSKIP("a tmpfs in the home folder needs root and a mount namespace of the test's own");
        } else {
            CategoryDef def;
            def.id = key;
            def.roots.append({home.path(value), {}, QStringLiteral("label")});
            categories.append(def);
            rules.categoryRoots.append(home.path(value));
        }
    }
    // Wine's file system cannot allocate a large file ahead; Linux's and
    // NTFS can.
    bool made = apply(home, before);
    if (!made && testsupport::runsUnderWine())
        QSKIP("Wine cannot allocate a large file ahead");
    QVERIFY(made);
    const std::optional<FolderReading> older = readFolderSizes(rules);
    QVERIFY(older);
    made = apply(home, change);
    if (!made && testsupport::runsUnderWine())
        QSKIP("Wine cannot allocate a large file ahead");
    QVERIFY(made);
    // As the recorder does: what the reading before recorded stays recorded.
    for (const FolderSize &f : older->folders)
        rules.keep.append(f.path);
    std::optional<FolderReading> newer = readFolderSizes(rules);
    QVERIFY(newer);
    newer->time = older->time.addDays(7);
    const FolderGrowthReport report = foldergrowth::compare(*older, *newer, categories, rules.exclusions);
    QCOMPARE(describe(report), grew);
    QCOMPARE(report.changes.value(home.path()), report.bytesAfter - report.bytesBefore);
}

// A file in the history folder: read back only when whole, intact and of a
// format this build reads, and replaced at the next reading otherwise.
void FolderHistoryTest::format_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("folders");  // what it reads back as; empty: refused

    FolderReading r;
    r.time = QDateTime::fromMSecsSinceEpoch(1796600000000, Qt::UTC);
    r.root = QStringLiteral("/home/al");
    r.threshold = 4096;
    r.folders = {{{}, 900}, {QStringLiteral("Music"), 300}, {QStringLiteral("Music/Äpfel"), 200},
                 {QStringLiteral("Music/Äpfel/x"), 100}, {QStringLiteral("Videos"), 5'000'000'000'000}};
    const QByteArray written = folderfile::encode(r);
    QTest::newRow("written and read back") << written << "=900,Music=300,Music/Äpfel=200,Music/Äpfel/x=100,Videos=5000000000000";
    QTest::newRow("version 1 laid out by hand")
        << version1("/home/al", {{0, "", 9216}, {0, "Music", 300}, {5, "/Pop", 200}, {0, "Videos", 4096}})
        << "=9216,Music=300,Music/Pop=200,Videos=4096";
    QByteArray later = written;
    later[8] = 2;
    QTest::newRow("a later version") << later << "";
    QTest::newRow("cut short") << written.chopped(3) << "";
    QTest::newRow("longer") << written + '\0' << "";
    QByteArray damaged = written;
    damaged[damaged.size() - 4] ^= 0x10;
    QTest::newRow("damaged") << damaged << "";
    QTest::newRow("not ours") << QByteArray("[history]\nfreeSpace=1 2 3\n") << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("shares more than the path before")
        << version1("/home/al", {{0, "", 900}, {9, "x", 1}}) << "";
    QTest::newRow("out of order") << version1("/home/al", {{0, "", 900}, {0, "b", 1}, {0, "a", 1}}) << "";
    QTest::newRow("climbs out") << version1("/home/al", {{0, "", 900}, {0, "../etc", 1}}) << "";
    QTest::newRow("no root first") << version1("/home/al", {{0, "a", 1}}) << "";
    QTest::newRow("counts more than it holds") << version1("/home/al", {{0, "", 900}}, 1u << 30) << "";
}

void FolderHistoryTest::format()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, folders);
    const std::optional<FolderReading> read = folderfile::decode(file);
    QStringList got;
    for (const FolderSize &f : read ? read->folders : QList<FolderSize>())
        got.append(f.path + u'=' + QString::number(f.bytes));
    QCOMPARE(got.join(u','), folders);

    TempFolder store;
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(1796600000000, Qt::UTC);
    const QString path = store.makeFile(QStringLiteral("folders-1796600000000.vfh"), file);
    FolderHistory history(store.path());
    QCOMPARE(history.load(time).has_value(), !folders.isEmpty());
    FolderReading next;
    next.time = time.addDays(1);
    next.root = QStringLiteral("/home/al");
    next.folders = {{{}, 1}};
    QVERIFY(history.add(next));
    QCOMPARE(QFileInfo::exists(path), !folders.isEmpty());
#ifndef Q_OS_WIN // the folder's access list is its profile's there
    QCOMPARE(QFileInfo(store.path()).permissions() & 0x0077, QFile::Permissions());
#endif
    QCOMPARE(history.readings().constLast(), next.time);
}

// Hours before the newest reading (12:30 UTC on a Monday) of the readings
// there are, and of those kept.
void FolderHistoryTest::thinning_data()
{
    QTest::addColumn<QList<double>>("ages");
    QTest::addColumn<QList<double>>("kept");
    QTest::newRow("the newest two, then one an hour") << QList<double>{0, 0.1, 0.2, 1, 1.5, 23}
                                                      << QList<double>{0, 0.1, 1, 23};
    QTest::newRow("one a day for two weeks") << QList<double>{0, 1, 24.5, 30, 48, 13 * 24}
                                             << QList<double>{0, 1, 24.5, 48, 13 * 24};
    QTest::newRow("one a week for three months") << QList<double>{0, 1, 20 * 24, 21 * 24, 28 * 24, 90 * 24}
                                                 << QList<double>{0, 1, 20 * 24, 28 * 24, 90 * 24};
    QTest::newRow("older ones go") << QList<double>{0, 1, 92 * 24} << QList<double>{0, 1};
}

void FolderHistoryTest::thinning()
{
    QFETCH(QList<double>, ages);
    QFETCH(QList<double>, kept);
    const QDateTime newest(QDate(2026, 12, 7), QTime(12, 30), Qt::UTC);
    const auto times = [&newest](const QList<double> &hours) {
        QList<QDateTime> out;
        for (const double h : hours)
            out.prepend(newest.addSecs(-qint64(h * 3600)));
        return out;
    };
    QCOMPARE(folderhistory::kept(times(ages)), times(kept));
}

QTEST_GUILESS_MAIN(FolderHistoryTest)
#include "tst_folderhistory.moc"

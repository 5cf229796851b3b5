// The history of folder sizes: a reading of the 200,000-file tree
// (treegen.h) as the recorder takes it (a thread of its own at idle disk
// class and the lowest processor priority, two walking threads) and at normal
// priority, warm; the comparison of two readings; the size of a reading's
// file, for that tree and for a home of a million files or more (15,000
// folders recorded, the most a reading holds); and how long the GUI thread
// stalls at most while AppState takes a reading of the tree as the home
// folder.
//
//   bench_history [--rounds N] DATA_DIR
//
// The tree lives in DATA_DIR/fs-tree (shared with bench_fs); HOME and the XDG
// folders point into DATA_DIR for the AppState run, never at the machine's
// own.

#include "app/appstate.h"
#include "bench/treegen.h"
#include "history/foldergrowth.h"
#include "history/folderhistory.h"
#include "history/foldersizes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <random>
#include <thread>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &fn)
{
    std::vector<double> samples;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        fn();
        samples.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A reading on a thread of its own, as the recorder takes it.
std::optional<FolderReading> readOnThread(const FolderSizeRules &rules)
{
    std::optional<FolderReading> r;
    std::thread t([&] { r = readFolderSizes(rules); });
    t.join();
    return r;
}

// The largest reading a home makes (FolderReading::kMaxFolders folders, as a
// home of a million files or more may have three levels deep), of names of
// 6 to 24 random letters, which share little with one another.
FolderReading millionFileHome()
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> length(6, 24);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<qint64> size(4096, qint64(1) << 32);
    const auto name = [&] {
        QString s;
        for (int i = length(rng); i > 0; --i)
            s.append(QChar(letter(rng)));
        return s;
    };
    FolderReading r;
    r.time = QDateTime::currentDateTimeUtc();
    r.root = QStringLiteral("/home/someone");
    r.folders.append({QString(), qint64(1) << 40});
    for (int a = 0; a < 40; ++a) {
        const QString top = name();
        r.folders.append({top, size(rng)});
        for (int b = 0; b < 40 && r.folders.size() < FolderReading::kMaxFolders; ++b) {
            const QString mid = top + u'/' + name();
            r.folders.append({mid, size(rng)});
            for (int c = 0; c < 24 && r.folders.size() < FolderReading::kMaxFolders; ++c)
                r.folders.append({mid + u'/' + name() + u'/' + name(), size(rng)});
        }
    }
    std::sort(r.folders.begin(), r.folders.end(),
              [](const FolderSize &x, const FolderSize &y) { return x.path < y.path; });
    r.folders.erase(std::unique(r.folders.begin(), r.folders.end(),
                                [](const FolderSize &x, const FolderSize &y) { return x.path == y.path; }),
                    r.folders.end());
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 5;
    QString data;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--rounds") && i + 1 < argc)
            rounds = std::max(1, atoi(argv[++i]));
        else
            data = a;
    }
    if (data.isEmpty()) {
        fprintf(stderr, "usage: bench_history [--rounds N] DATA_DIR\n");
        return 2;
    }
    const QString tree = QDir(data).absoluteFilePath(QStringLiteral("fs-tree"));
    const QString scratch = QDir(data).absoluteFilePath(QStringLiteral("history-home"));
    // Before anything asks for the home or the data folder.
    qputenv("HOME", QFile::encodeName(tree));
    for (const char *v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(v, QFile::encodeName(scratch + u'/' + QLatin1String(v)));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (!benchtree::isComplete(tree.toStdString())) {
        out << "generating " << tree << " ..." << Qt::endl;
        QDir(tree).removeRecursively();
        if (benchtree::generate(tree.toStdString()) < 0)
            return 1;
    }
    QDir(scratch).removeRecursively();

    FolderSizeRules rules;
    rules.root = tree;
    std::optional<FolderReading> older = readOnThread(rules);  // warms the cache
    if (!older) {
        fprintf(stderr, "cannot read %s as a folder\n", qPrintable(tree));
        return 1;
    }
    const double idleMs = medianMs(rounds, [&] { older = readOnThread(rules); });
    rules.lowPriority = false;
    const double normalMs = medianMs(rounds, [&] { readOnThread(rules); });
    rules.maxThreads = 1;
    const double oneMs = medianMs(rounds, [&] { readOnThread(rules); });

    // The newer reading: every tenth folder twice the size, every seventh gone.
    FolderReading newer = *older;
    newer.time = older->time.addDays(7);
    for (qsizetype i = 1; i < newer.folders.size(); ++i)
        newer.folders[i].bytes *= (i % 10 == 0) ? 2 : 1;
    newer.folders.removeIf([](const FolderSize &f) { return f.path.count(u'/') == 2 && qHash(f.path) % 7 == 0; });
    FolderGrowthReport report;
    const double compareMs = medianMs(std::max(rounds, 10), [&] { report = foldergrowth::compare(*older, newer); });
    const QByteArray file = folderfile::encode(*older);
    const double decodeMs = medianMs(std::max(rounds, 10), [&] { folderfile::decode(file); });
    const QByteArray million = folderfile::encode(millionFileHome());

    out << "reading of " << tree << " (200,000 files, warm), median of " << rounds << ":\n";
    out << "  as recorded (idle I/O, nice 19, 2 threads): " << qRound(idleMs) << " ms\n";
    out << "  normal priority, 2 threads:                 " << qRound(normalMs) << " ms\n";
    out << "  normal priority, 1 thread:                  " << qRound(oneMs) << " ms\n";
    out << "  folders recorded: " << older->folders.size() << ", file " << file.size() << " bytes ("
        << QString::number(double(file.size()) / double(older->folders.size()), 'f', 1) << " a folder)\n";
    out << "comparison of two readings: " << QString::number(compareMs, 'f', 1) << " ms (" << report.entries.size()
        << " places), decoding one file: " << QString::number(decodeMs, 'f', 1) << " ms\n";
    out << "the largest reading (" << FolderReading::kMaxFolders << " folders of random names): " << million.size()
        << " bytes\n";

    // The GUI thread's longest stall while AppState takes a reading.
    AppState state;
    QElapsedTimer tick;
    qint64 longest = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &app, [&] {
        longest = std::max(longest, tick.restart());
    });
    QEventLoop loop;
    QObject::connect(&state, &AppState::folderHistoryChanged, &loop, &QEventLoop::quit);
    QElapsedTimer call;
    call.start();
    state.recordFolderSizes();
    const qint64 callMs = call.elapsed();
    tick.start();
    timer.start(5);
    loop.exec();
    out << "AppState::recordFolderSizes(): returns in " << callMs << " ms, reading done in " << call.elapsed()
        << " ms, longest GUI-thread gap " << longest << " ms (timer every 5 ms)\n";
    QDir(scratch).removeRecursively();
    return state.lastFolderRecording().recorded ? 0 : 1;
}

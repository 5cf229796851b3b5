// The large-file walk of a big tree against `find DIR -size +NNk` over the
// same tree, alternated in one run so both see the same cache state.
//
//     bench_largefiles [--rounds N] [--threshold-kb N] [TREE]
//
// TREE is the shared 200,000-file benchmark tree (treegen.h), by default in
// the temp folder; it is generated when missing and kept. Its files are all
// below 64 KB, so with the default threshold of 1 MB neither side finds
// anything and both measure the bare walk, as on a home folder where large
// files are rare.

#include "bench/treegen.h"
#include "largefiles/largefilefinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include <sys/resource.h>

namespace {

struct Sample
{
    double ms = 0;     // wall clock
    double cpuMs = 0;  // user + system time, which other load on the machine disturbs less
    qint64 files = 0;
};

double cpuMs(int who)
{
    rusage u;
    getrusage(who, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

Sample timeFind(const QString &tree, int thresholdKb)
{
    QProcess find;
    const double cpu = cpuMs(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    find.start(QStringLiteral("find"), {tree, QStringLiteral("-size"), QStringLiteral("+%1k").arg(thresholdKb)});
    find.waitForFinished(-1);
    const QByteArray out = find.readAllStandardOutput();
    return {double(t.nsecsElapsed()) / 1e6, cpuMs(RUSAGE_CHILDREN) - cpu, out.count('\n')};
}

Sample timeFinder(int thresholdKb)
{
    LargeFileFinder finder;
    QEventLoop loop;
    qint64 found = 0;
    QObject::connect(&finder, &LargeFileFinder::finished, &loop, [&](const QList<LargeFile> &files, bool) {
        found = files.size();
        loop.quit();
    });
    const double cpu = cpuMs(RUSAGE_SELF);
    QElapsedTimer t;
    t.start();
    finder.start(qint64(thresholdKb) * 1024, {});
    loop.exec();
    return {double(t.nsecsElapsed()) / 1e6, cpuMs(RUSAGE_SELF) - cpu, found};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    registerLargeFileTypes();
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    int rounds = 5;
    int thresholdKb = 1024;
    QString tree;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--threshold-kb") && i + 1 < args.size())
            thresholdKb = args.at(++i).toInt();
        else
            tree = args.at(i);
    }
    if (rounds <= 0 || thresholdKb <= 0 || tree.startsWith(u'-')) {
        QTextStream(stderr) << "usage: bench_largefiles [--rounds N] [--threshold-kb N] [TREE]\n";
        return 2;
    }
    if (tree.isEmpty())
        tree = QDir::tempPath() + QStringLiteral("/varnholt-bench-tree");
    tree = QDir(tree).absolutePath();
    const std::string root = QFile::encodeName(tree).toStdString();
    if (!benchtree::isComplete(root)) {
        out << "generating tree in " << tree << " ..." << Qt::endl;
        if (benchtree::generate(root) < 0) {
            QTextStream(stderr) << "could not generate the tree in " << tree << "\n";
            return 1;
        }
    }

    // The finder walks the home folder.
    qputenv("HOME", QFile::encodeName(tree));

    // One unmeasured pass each, so neither pays for a cold cache.
    timeFind(tree, thresholdKb);
    timeFinder(thresholdKb);

    std::vector<double> findMs, finderMs, findCpu, finderCpu;
    Sample lastFind, lastFinder;
    for (int r = 0; r < rounds; ++r) {
        if (r % 2) {
            lastFinder = timeFinder(thresholdKb);
            lastFind = timeFind(tree, thresholdKb);
        } else {
            lastFind = timeFind(tree, thresholdKb);
            lastFinder = timeFinder(thresholdKb);
        }
        findMs.push_back(lastFind.ms);
        finderMs.push_back(lastFinder.ms);
        findCpu.push_back(lastFind.cpuMs);
        finderCpu.push_back(lastFinder.cpuMs);
    }
    const double f = median(findMs), l = median(finderMs), fc = median(findCpu), lc = median(finderCpu);
    out << "tree " << tree << ", threshold " << thresholdKb << " KB, median of " << rounds << " rounds\n";
    out << "find -size:       " << qRound(f) << " ms wall, " << qRound(fc) << " ms cpu (" << lastFind.files
        << " files)\n";
    out << "LargeFileFinder:  " << qRound(l) << " ms wall, " << qRound(lc) << " ms cpu (" << lastFinder.files
        << " files)\n";
    out << "ratio:            " << QString::number(l / f, 'f', 2) << "x wall, " << QString::number(lc / fc, 'f', 2)
        << "x cpu (target at most 1.00x)\n";
    return 0;
}

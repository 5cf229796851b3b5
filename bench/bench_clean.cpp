// A full Scanner run over a catalogue whose root holds the shared
// 200,000-file tree (treegen.h) against `du -s` of it (target: at most
// 1.1 x), once with the tree as one labelled root and once as a listing root
// whose entries are measured one by one. (Permanent removal by the Cleaner
// is in bench_fs's table.)
//
//   bench_clean [DATA_DIR] [ROUNDS]
//
// DATA_DIR (default: a folder in the temp folder) keeps the tree between
// runs as "fs-tree", the tree bench_fs uses. Contestants alternate from round
// to round and the medians are compared (3 rounds by default).

#include "bench/treegen.h"
#include "scan/scanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using SteadyClock = std::chrono::steady_clock;

struct Sample
{
    double ms = 0;
    double cpuMs = 0;
};

double cpuMs(int who)
{
    rusage u;
    getrusage(who, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

double since(SteadyClock::time_point t)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

// Runs a tool with its output thrown away; posix_spawn keeps the start-up
// cost of the tool itself the only overhead.
Sample runTool(const std::vector<std::string> &argv)
{
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const double cpu = cpuMs(RUSAGE_CHILDREN);
    const auto t = SteadyClock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    const Sample s{since(t), cpuMs(RUSAGE_CHILDREN) - cpu};
    posix_spawn_file_actions_destroy(&actions);
    return s;
}

Sample timeScanner(const QList<CategoryDef> &defs, qint64 &bytes, qint64 &files)
{
    Scanner scanner([defs] { return defs; });
    QEventLoop loop;
    QObject::connect(&scanner, &Scanner::finished, &loop, [&](const QList<CategoryResult> &results, bool) {
        bytes = files = 0;
        for (const CategoryResult &r : results) {
            bytes += r.bytes;
            files += r.files;
        }
        loop.quit();
    });
    const double cpu = cpuMs(RUSAGE_SELF);
    const auto t = SteadyClock::now();
    scanner.start({});
    loop.exec();
    return {since(t), cpuMs(RUSAGE_SELF) - cpu};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Series
{
    std::vector<double> ms, cpu;
    void add(const Sample &s)
    {
        ms.push_back(s.ms);
        cpu.push_back(s.cpuMs);
    }
};

void compare(QTextStream &out, const QString &label, const Series &engine, const QString &toolLabel,
             const Series &tool, double target, const char *resultName)
{
    const double e = median(engine.ms), t = median(tool.ms), ec = median(engine.cpu), tc = median(tool.cpu);
    out << qSetFieldWidth(24) << Qt::left << toolLabel << qSetFieldWidth(0) << qRound(t) << " ms wall, " << qRound(tc)
        << " ms cpu\n";
    out << qSetFieldWidth(24) << Qt::left << label << qSetFieldWidth(0) << qRound(e) << " ms wall, " << qRound(ec)
        << " ms cpu\n";
    out << qSetFieldWidth(24) << Qt::left << "ratio" << qSetFieldWidth(0) << QString::number(e / t, 'f', 2)
        << "x wall, " << QString::number(ec / tc, 'f', 2) << "x cpu (target at most "
        << QString::number(target, 'f', 1) << "x)\n";
    out << "RESULT " << resultName << " " << QString::number(e / t, 'f', 2) << " x <=" << QString::number(target, 'f', 1)
        << "\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const QString data = QDir(args.size() > 1 ? args.at(1) : QDir::tempPath() + QStringLiteral("/varnholt-bench"))
                             .absolutePath();
    const int rounds = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 3;
    if (!QDir().mkpath(data)) {
        QTextStream(stderr) << "usage: bench_clean [DATA_DIR] [ROUNDS]\n";
        return 2;
    }
    // ---- scan --------------------------------------------------------------
    const std::string tree = QFile::encodeName(data + QStringLiteral("/fs-tree")).toStdString();
    if (!benchtree::isComplete(tree)) {
        out << "generating " << QFile::decodeName(tree.c_str()) << " ...\n";
        out.flush();
        runTool({"rm", "-rf", tree});
        if (benchtree::generate(tree) < 0) {
            QTextStream(stderr) << "could not generate the tree\n";
            return 1;
        }
        ::sync();
    }
    const QString treePath = QFile::decodeName(tree.c_str());
    CategoryRoot labelledRoot;
    labelledRoot.path = treePath;
    labelledRoot.label = QStringLiteral("Tree");
    CategoryRoot listingRoot;
    listingRoot.path = treePath;
    CategoryDef whole;
    whole.id = QStringLiteral("dev");
    whole.roots = {labelledRoot};
    CategoryDef perEntry;
    perEntry.id = QStringLiteral("temp");
    perEntry.roots = {listingRoot};

    Series duRuns, labelledRuns, listingRuns;
    qint64 bytes = 0, files = 0;
    // Warm the cache for everybody first.
    runTool({"du", "-s", tree});
    timeScanner({whole}, bytes, files);
    for (int r = 0; r < rounds; ++r) {
        if (r % 2) {
            labelledRuns.add(timeScanner({whole}, bytes, files));
            listingRuns.add(timeScanner({perEntry}, bytes, files));
            duRuns.add(runTool({"du", "-s", tree}));
        } else {
            duRuns.add(runTool({"du", "-s", tree}));
            listingRuns.add(timeScanner({perEntry}, bytes, files));
            labelledRuns.add(timeScanner({whole}, bytes, files));
        }
    }
    out << "\nscan of " << files << " files (" << bytes / 1024 << " KiB), median of " << rounds << " rounds\n";
    compare(out, QStringLiteral("Scanner, labelled root:"), labelledRuns, QStringLiteral("du -s:"), duRuns, 1.1,
            "clean_scan_labelled_vs_du");
    compare(out, QStringLiteral("Scanner, listing root:"), listingRuns, QStringLiteral("du -s:"), duRuns, 1.1,
            "clean_scan_listing_vs_du");
    return 0;
}

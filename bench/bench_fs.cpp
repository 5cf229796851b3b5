// The walks of the engine against the plain tools, side by side in one run,
// printed as one table:
//
//  - `varnholt-cli measure` of the 200,000-file tree (treegen.h) against
//    `du -s`, `ncdu -0 -o /dev/null` and `gdu -n -p`, with a warm cache and
//    with a cold one (the page cache is dropped before every cold run; that
//    needs root, otherwise the cold rows say so);
//  - the large-file walk, `varnholt-cli large` over the same tree as the
//    home folder, against `find TREE -size +1024k`;
//  - permanent removal of a 100,500-file tree by the parallel tree remover
//    and by the Cleaner against `rm -rf`;
//  - peak memory (maximum resident set) of `varnholt-cli scan --json` (the
//    tree as a listing root, so every folder is walked) and of
//    `varnholt-cli large`.
//
//   bench_fs [--rounds N] [--cold-rounds N] [--removal-rounds N]
//            [--no-cold] [--no-removal] [--generate-only] DATA_DIR
//
// Everything runs on trees generated under DATA_DIR ("fs-tree" is kept for
// later runs, the removal trees are made afresh), never on the machine's own
// folders. Contestants take turns within every round, in an order that
// rotates from round to round, and the medians are compared.

#include "bench/treegen.h"
#include "clean/cleaner.h"
#include "clean/treeremover.h"
#include "scan/appguard.h"
#include "scan/fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using SteadyClock = std::chrono::steady_clock;

struct Run
{
    bool ok = false;
    double ms = 0;
    long maxRssKb = 0;
};

double since(SteadyClock::time_point t)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

// Runs a program with its output thrown away (or written to `out`) and
// returns its wall time and peak memory, as the kernel accounts them.
Run spawn(const std::vector<std::string> &argv, const std::vector<std::string> &env = {},
          const std::string &out = "/dev/null")
{
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Run r;
    const auto start = SteadyClock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.empty() ? environ : envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return r;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return r;
    r.ms = since(start);
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    r.maxRssKb = usage.ru_maxrss;
    return r;
}

// Drops the page cache (and the folder and inode caches); needs root.
bool dropCaches()
{
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, "3", 1) == 1;
    ::close(fd);
    return ok;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One contestant of a comparison: how to run it once, and its samples.
struct Contestant
{
    Contestant(QString name, std::function<Run()> runOnce = {}) : label(std::move(name)), run(std::move(runOnce)) {}

    QString label;
    std::function<Run()> run;
    std::vector<double> ms;
    long maxRssKb = 0;
    bool failed = false;

    void sample()
    {
        const Run r = run();
        if (!r.ok)
            failed = true;
        ms.push_back(r.ms);
        maxRssKb = std::max(maxRssKb, r.maxRssKb);
    }
};

// Rounds of every contestant in turn, the order rotating; `before` runs
// ahead of every sample (dropping the cache, making a tree).
void interleave(const std::vector<Contestant *> &contestants, int rounds, const std::function<bool()> &before = {})
{
    const size_t n = contestants.size();
    for (size_t r = 0; r < size_t(rounds); ++r) {
        for (size_t k = 0; k < n; ++k) {
            Contestant *c = contestants[(r + k) % n];
            if (before && !before()) {
                c->failed = true;
                continue;
            }
            c->sample();
        }
    }
}

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    int rounds = 7, coldRounds = 5, removalRounds = 3;
    bool cold = true, removal = true, generateOnly = false;
    QString data;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--rounds") && !args.isEmpty())
            rounds = std::max(1, args.takeFirst().toInt());
        else if (a == QLatin1String("--cold-rounds") && !args.isEmpty())
            coldRounds = std::max(1, args.takeFirst().toInt());
        else if (a == QLatin1String("--removal-rounds") && !args.isEmpty())
            removalRounds = std::max(1, args.takeFirst().toInt());
        else if (a == QLatin1String("--no-cold"))
            cold = false;
        else if (a == QLatin1String("--no-removal"))
            removal = false;
        else if (a == QLatin1String("--generate-only"))
            generateOnly = true;
        else if (a.startsWith(u'-') || !data.isEmpty()) {
            // An unknown option must not become a folder to fill with 200,000 files.
            QTextStream(stderr) << "usage: bench_fs [--rounds N] [--cold-rounds N] [--removal-rounds N] "
                                   "[--no-cold] [--no-removal] [--generate-only] DATA_DIR\n";
            return a == QLatin1String("--help") ? 0 : 2;
        } else
            data = a;
    }
    if (data.isEmpty()) {
        QTextStream(stderr) << "bench_fs needs the folder to keep its trees in (e.g. build/bench-data)\n";
        return 2;
    }
    data = QDir(data).absolutePath();
    QDir().mkpath(data);
    const QString tree = data + QStringLiteral("/fs-tree");
    const std::string treeNative = QFile::encodeName(tree).toStdString();
    if (!benchtree::isComplete(treeNative)) {
        out << "generating " << tree << " ..." << Qt::endl;
        spawn({"rm", "-rf", treeNative});
        if (benchtree::generate(treeNative) < 0) {
            QTextStream(stderr) << "could not generate the tree in " << tree << "\n";
            return 1;
        }
        ::sync();
    }
    if (generateOnly)
        return 0;

    const QString cli = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../varnholt-cli"));
    if (!QFileInfo(cli).isExecutable()) {
        QTextStream(stderr) << "varnholt-cli not found at " << cli << " (build the varnholt-cli target)\n";
        return 2;
    }
    const std::string cliNative = QFile::encodeName(cli).toStdString();

    // The program runs with a home, settings and catalogue of its own under
    // DATA_DIR; `large` gets the tree as its home folder.
    const QString sandbox = data + QStringLiteral("/cli");
    for (const char *dir : {"home", "config", "data", "cache"})
        QDir(sandbox).mkpath(QLatin1String(dir));
    const QString catalogue = sandbox + QStringLiteral("/catalogue.json");
    {
        QFile f(catalogue);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        const QJsonObject category{{QStringLiteral("id"), QStringLiteral("temp")},
                                   {QStringLiteral("name"), QStringLiteral("Tree")},
                                   {QStringLiteral("roots"), QJsonArray{QJsonObject{{QStringLiteral("path"), tree}}}}};
        f.write(QJsonDocument(QJsonObject{{QStringLiteral("categories"), QJsonArray{category}}}).toJson());
    }
    const auto cliEnv = [&](const QString &home) {
        std::vector<std::string> env;
        for (char **e = environ; *e; ++e) {
            const std::string kv(*e);
            if (kv.rfind("HOME=", 0) != 0 && kv.rfind("XDG_", 0) != 0 && kv.rfind("VARNHOLT_CATALOGUE=", 0) != 0)
                env.push_back(kv);
        }
        const auto at = [&](const char *sub) { return QFile::encodeName(sandbox + '/' + QLatin1String(sub)).toStdString(); };
        env.push_back("HOME=" + QFile::encodeName(home).toStdString());
        env.push_back("XDG_CONFIG_HOME=" + at("config"));
        env.push_back("XDG_DATA_HOME=" + at("data"));
        env.push_back("XDG_CACHE_HOME=" + at("cache"));
        env.push_back("VARNHOLT_CATALOGUE=" + QFile::encodeName(catalogue).toStdString());
        return env;
    };
    const std::vector<std::string> plainEnv = cliEnv(sandbox + QStringLiteral("/home"));
    const std::vector<std::string> treeHomeEnv = cliEnv(tree);

    const auto tool = [](const char *name) { return !QStandardPaths::findExecutable(QLatin1String(name)).isEmpty(); };

    // ---- measuring the tree ------------------------------------------------
    Contestant measure{QStringLiteral("varnholt-cli measure"),
                       [&] { return spawn({cliNative, "measure", treeNative}, plainEnv); }};
    Contestant du{QStringLiteral("du -s"), [&] { return spawn({"du", "-s", treeNative}); }};
    Contestant ncdu{QStringLiteral("ncdu -0 -o /dev/null"), [&] { return spawn({"ncdu", "-0", "-o", "/dev/null", treeNative}); }};
    Contestant gdu{QStringLiteral("gdu -n -p"), [&] { return spawn({"gdu", "-n", "-p", treeNative}); }};
    std::vector<Contestant *> walkers{&measure, &du};
    QStringList missing;
    for (auto [c, name] : {std::pair{&ncdu, "ncdu"}, std::pair{&gdu, "gdu"}}) {
        if (tool(name))
            walkers.push_back(c);
        else
            missing << QLatin1String(name);
    }
    const fs::Measure totals = fs::measure(tree);
    out << "tree " << tree << ": " << totals.files << " files counted, " << totals.bytes / 1024 << " KiB on disk\n";
    // Other work on the machine moves every figure: it is shown at the start
    // and at the end.
    const auto loadAverage = [] {
        QFile f(QStringLiteral("/proc/loadavg"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(u' ', 0, 2) : QString();
    };
    out << "load average at the start: " << loadAverage() << "\n";
    const fs::WalkThreads threads = fs::walkThreads();
    out << "walk threads: " << threads.cpu << " from memory, up to " << threads.io << " waiting for the disk ("
        << QThread::idealThreadCount() << " cores)\n";
    out.flush();

    for (Contestant *c : walkers)
        c->run(); // warm the cache for everybody
    interleave(walkers, rounds);
    std::vector<double> warm;
    for (Contestant *c : walkers) {
        warm.push_back(median(c->ms));
        c->ms.clear();
    }

    bool coldDone = false;
    if (cold && dropCaches()) {
        interleave(walkers, coldRounds, dropCaches);
        coldDone = true;
    }

    // ---- the large-file walk -----------------------------------------------
    Contestant large{QStringLiteral("varnholt-cli large"),
                     [&] { return spawn({cliNative, "large", "--threshold-mb", "1", "--json"}, treeHomeEnv); }};
    Contestant find{QStringLiteral("find -size +1024k"), [&] { return spawn({"find", treeNative, "-size", "+1024k"}); }};
    large.run();
    find.run();
    interleave({&large, &find}, rounds);

    // ---- memory --------------------------------------------------------------
    Contestant scan{QStringLiteral("varnholt-cli scan --json"),
                    [&] { return spawn({cliNative, "scan", "--json"}, plainEnv); }};
    for (int r = 0; r < 3; ++r)
        scan.sample();

    // ---- permanent removal ---------------------------------------------------
    Contestant remover{QStringLiteral("tree remover")};
    Contestant cleaner{QStringLiteral("Cleaner, permanent")};
    Contestant rm{QStringLiteral("rm -rf")};
    long removalFiles = 0;
    if (removal) {
        const QString base = data + QStringLiteral("/removal");
        spawn({"rm", "-rf", QFile::encodeName(base).toStdString()});
        QDir().mkpath(base);
        // The Cleaner's logs stay in the data folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(sandbox + QStringLiteral("/data")));
        int serial = 0;
        QString current;
        const auto makeTree = [&] {
            current = base + QStringLiteral("/t%1").arg(serial++);
            removalFiles = benchtree::generateRemovalTree(QFile::encodeName(current).toStdString());
            ::sync(); // nobody pays for the writeback of the tree or of the one before
            return removalFiles > 0;
        };
        remover.run = [&] {
            Run r;
            const auto start = SteadyClock::now();
            const OpenFiles open = OpenFiles::capture();
            removal::TreeHooks hooks;
            hooks.busy = [&open](const struct stat &st) {
                return S_ISREG(st.st_mode) && open.contains(qint64(st.st_dev), qint64(st.st_ino));
            };
            qint64 freed = 0;
            hooks.onRemoved = [&freed](const removal::Remover::RemovedFile &f) { freed += f.bytes; };
            const int parent = ::open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat st;
            const QByteArray name = QFile::encodeName(QFileInfo(current).fileName());
            QList<removal::Failure> failures;
            if (parent >= 0 && ::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                removal::removeTreeInParallel(hooks, parent, name, st.st_dev, current, failures);
            if (parent >= 0)
                ::close(parent);
            r.ms = since(start);
            r.ok = failures.isEmpty() && !QFileInfo::exists(current);
            return r;
        };
        cleaner.run = [&] {
            Cleaner c;
            QEventLoop loop;
            CleanReport report;
            QObject::connect(&c, &Cleaner::finished, &loop, [&](const CleanReport &rep) {
                report = rep;
                loop.quit();
            });
            CategoryResult category;
            category.id = QStringLiteral("temp");
            category.name = QStringLiteral("Benchmark");
            ScanItem item;
            item.path = current;
            item.bytes = 1;
            item.files = 1;
            category.items = {item};
            Run r;
            const auto start = SteadyClock::now();
            c.start({category}, false, {});
            loop.exec();
            r.ms = since(start);
            r.ok = report.skippedCount == 0 && !QFileInfo::exists(current);
            return r;
        };
        rm.run = [&] { return spawn({"rm", "-rf", QFile::encodeName(current).toStdString()}); };
        interleave({&remover, &cleaner, &rm}, removalRounds, makeTree);
        spawn({"rm", "-rf", QFile::encodeName(base).toStdString()});
    }

    // ---- the table -----------------------------------------------------------
    const double duWarm = warm[1];
    const double duCold = median(du.ms);
    out << "\nmedians of interleaved rounds: " << rounds << " warm, " << (coldDone ? coldRounds : 0) << " cold, "
        << (removal ? removalRounds : 0) << " removal\n\n";
    out << qSetFieldWidth(26) << Qt::left << "measure the tree" << qSetFieldWidth(10) << Qt::right << "warm ms"
        << "x du" << "cold ms" << "x du" << qSetFieldWidth(0) << "\n";
    for (size_t i = 0; i < walkers.size(); ++i) {
        const Contestant *c = walkers[i];
        out << qSetFieldWidth(26) << Qt::left << c->label << qSetFieldWidth(10) << Qt::right << fixed(warm[i], 0)
            << fixed(warm[i] / duWarm, 2);
        if (coldDone)
            out << fixed(median(c->ms), 0) << fixed(median(c->ms) / duCold, 2);
        else
            out << "-" << "-";
        out << qSetFieldWidth(0) << (c->failed ? "  (failed)" : "") << "\n";
    }
    for (const QString &m : missing)
        out << qSetFieldWidth(26) << Qt::left << m << qSetFieldWidth(0) << "not installed (scripts/bootstrap-debian.sh)\n";
    if (!coldDone)
        out << (cold ? "cold: not measured, dropping the page cache needs root\n" : "cold: not measured (--no-cold)\n");

    const double largeMs = median(large.ms), findMs = median(find.ms);
    out << "\n" << qSetFieldWidth(26) << Qt::left << "large files (1 MB)" << qSetFieldWidth(10) << Qt::right
        << "warm ms" << "x find" << qSetFieldWidth(0) << "\n";
    for (const Contestant *c : {&large, &find})
        out << qSetFieldWidth(26) << Qt::left << c->label << qSetFieldWidth(10) << Qt::right << fixed(median(c->ms), 0)
            << fixed(median(c->ms) / findMs, 2) << qSetFieldWidth(0) << (c->failed ? "  (failed)" : "") << "\n";

    double removerMs = 0, rmMs = 0;
    if (removal) {
        removerMs = median(remover.ms);
        rmMs = median(rm.ms);
        // Removal waits on the disk's journal, whose pace other work on the
        // machine sets: the range of the rounds goes beside the median.
        out << "\n" << qSetFieldWidth(26) << Qt::left << QStringLiteral("remove %1 files").arg(removalFiles)
            << qSetFieldWidth(10) << Qt::right << "ms" << "x rm -rf" << qSetFieldWidth(0) << "   range ms\n";
        for (const Contestant *c : {&remover, &cleaner, &rm}) {
            const auto [lo, hi] = std::minmax_element(c->ms.begin(), c->ms.end());
            out << qSetFieldWidth(26) << Qt::left << c->label << qSetFieldWidth(10) << Qt::right
                << fixed(median(c->ms), 0) << fixed(median(c->ms) / rmMs, 2) << qSetFieldWidth(0) << "   "
                << (c->ms.empty() ? QString() : fixed(*lo, 0) + QStringLiteral("-") + fixed(*hi, 0))
                << (c->failed ? "  (failed)" : "") << "\n";
        }
    }

    const double scanMb = scan.maxRssKb / 1024.0, largeMb = large.maxRssKb / 1024.0;
    out << "\n" << qSetFieldWidth(26) << Qt::left << "peak memory" << qSetFieldWidth(10) << Qt::right << "MB"
        << qSetFieldWidth(0) << "\n";
    out << qSetFieldWidth(26) << Qt::left << scan.label << qSetFieldWidth(10) << Qt::right << fixed(scanMb, 1)
        << qSetFieldWidth(0) << (scan.failed ? "  (failed)" : "") << "\n";
    out << qSetFieldWidth(26) << Qt::left << large.label << qSetFieldWidth(10) << Qt::right << fixed(largeMb, 1)
        << qSetFieldWidth(0) << "\n";

    out << "\nload average at the end: " << loadAverage() << "\n";

    // Targets on a two-core machine.
    QStringList results;  // for run.sh's summary, after the table
    const auto verdict = [&](const QString &what, double value, double target) {
        out << "  " << (value <= target ? "met    " : "MISSED ") << what << ": " << fixed(value, 2) << " (target <= "
            << fixed(target, 2) << ")\n";
        QString name = QStringLiteral("fs_") + what.toLower();
        name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
        results.append(QStringLiteral("RESULT %1 %2 %3 <=%4\n")
                           .arg(name, fixed(value, 2), what.endsWith(u"MB") ? QStringLiteral("MB") : QStringLiteral("x"),
                                fixed(target, 2)));
    };
    out << "\ntargets\n";
    verdict(QStringLiteral("measure warm / du"), warm[0] / duWarm, 0.60);
    for (size_t i = 2; i < walkers.size(); ++i)
        verdict(QStringLiteral("measure warm / ") + walkers[i]->label.section(u' ', 0, 0), warm[0] / warm[i], 1.0);
    if (coldDone)
        verdict(QStringLiteral("measure cold / du"), median(measure.ms) / duCold, 0.65);
    verdict(QStringLiteral("large walk / find"), largeMs / findMs, 0.60);
    if (removal)
        verdict(QStringLiteral("tree remover / rm -rf"), removerMs / rmMs, 1.0);
    verdict(QStringLiteral("scan --json MB"), scanMb, 25);
    verdict(QStringLiteral("large MB"), largeMb, 25);
    out << results.join(QString());
    const bool failed = measure.failed || large.failed || scan.failed || remover.failed || cleaner.failed;
    return failed ? 1 : 0;
}

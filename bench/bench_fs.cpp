// fs::measure against `du -s` and against the plainest possible walk of the
// same tree (readdir + fstatat, summing st_blocks), all on a warm cache.
//
//   bench_fs [--rounds N] [--generate-only] [TREE]
//
// TREE defaults to a folder in the temp folder; it is generated on first use
// (see treegen.h) and kept for later runs. The three methods run interleaved,
// round after round, so a burst of load on the machine hits all of them; the
// medians are compared.

#include "bench/treegen.h"
#include "scan/fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// The floor: nothing but the system calls any walker has to make.
long long floorWalk(const std::string &root, long long &files)
{
    long long bytes = 0;
    files = 0;
    std::vector<std::string> stack{root};
    while (!stack.empty()) {
        const std::string dir = std::move(stack.back());
        stack.pop_back();
        const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        DIR *d = ::fdopendir(fd);
        if (!d) {
            ::close(fd);
            continue;
        }
        while (const dirent *de = ::readdir(d)) {
            const char *n = de->d_name;
            if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
                continue;
            struct stat st;
            if (::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(st.st_mode)) {
                stack.push_back(dir + '/' + n);
            } else {
                bytes += st.st_blocks * 512LL;
                ++files;
            }
        }
        ::closedir(d);
    }
    return bytes;
}

double cpuMs(const rusage &u)
{
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

double selfCpuMs()
{
    rusage u;
    ::getrusage(RUSAGE_SELF, &u);
    return cpuMs(u);
}

// Runs du; its CPU time (user + system) is added to *cpu when given.
bool runDu(const std::string &du, const std::string &root, double *cpu = nullptr)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const char *argv[] = {du.c_str(), "-s", root.c_str(), nullptr};
    pid_t pid;
    const int rc = posix_spawn(&pid, du.c_str(), &actions, nullptr, const_cast<char **>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (cpu)
        *cpu += cpuMs(usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template<typename F>
double timeMs(F &&f)
{
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int rounds = 11;
    bool generateOnly = false;
    QString tree;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--rounds") && !args.isEmpty())
            rounds = qMax(1, args.takeFirst().toInt());
        else if (a == QLatin1String("--generate-only"))
            generateOnly = true;
        else if (a.startsWith(u'-') || !tree.isEmpty()) {
            // An unknown option must not become a folder to fill with 200,000 files.
            std::fprintf(stderr, "usage: bench_fs [--rounds N] [--generate-only] [TREE]\n");
            return a == QLatin1String("--help") ? 0 : 2;
        } else
            tree = a;
    }
    if (tree.isEmpty())
        tree = QDir::tempPath() + QStringLiteral("/varnholt-bench-tree");
    const std::string root = QFile::encodeName(QDir(tree).absolutePath()).toStdString();

    if (!benchtree::isComplete(root)) {
        std::printf("generating tree in %s ...\n", root.c_str());
        std::fflush(stdout);
        QDir().mkpath(QDir(tree).absolutePath());
        const double ms = timeMs([&] {
            if (benchtree::generate(root) < 0) {
                std::fprintf(stderr, "could not generate the tree in %s\n", root.c_str());
                std::exit(1);
            }
        });
        std::printf("generated in %.1f s\n", ms / 1000);
    }
    if (generateOnly)
        return 0;

    const std::string du = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("du"))).toStdString();
    if (du.empty()) {
        std::fprintf(stderr, "du not found\n");
        return 1;
    }
    const QString rootText = QFile::decodeName(QByteArray::fromStdString(root));

    // Warm the cache and check that the walkers agree.
    long long floorFiles = 0;
    const long long floorBytes = floorWalk(root, floorFiles);
    const fs::Measure m = fs::measure(rootText);
    runDu(du, root);
    std::printf("tree: %s\n  files %lld (floor walk %lld), %lld bytes on disk (floor walk %lld)\n", root.c_str(),
                m.files, floorFiles, m.bytes, floorBytes);

    // Wall-clock medians are the figure that counts; CPU time (user + system,
    // du's own included) is shown beside them because it hardly moves when
    // other work competes for the machine.
    std::vector<double> measureMs, duMs, floorMs, measureCpu, duCpu, floorCpu;
    for (int r = 0; r < rounds; ++r) {
        // Rotate the order so no method always runs right after another.
        for (int k = 0; k < 3; ++k) {
            const double cpuBefore = selfCpuMs();
            switch ((r + k) % 3) {
            case 0:
                measureMs.push_back(timeMs([&] { fs::measure(rootText); }));
                measureCpu.push_back(selfCpuMs() - cpuBefore);
                break;
            case 1: {
                double cpu = 0;
                duMs.push_back(timeMs([&] { runDu(du, root, &cpu); }));
                duCpu.push_back(cpu + selfCpuMs() - cpuBefore);
                break;
            }
            default:
                floorMs.push_back(timeMs([&] {
                    long long f;
                    floorWalk(root, f);
                }));
                floorCpu.push_back(selfCpuMs() - cpuBefore);
                break;
            }
        }
    }
    const double mm = median(measureMs), md = median(duMs), mf = median(floorMs);
    std::printf("medians over %d rounds (warm cache):     wall        cpu\n", rounds);
    std::printf("  fs::measure                      %8.1f ms %8.1f ms\n", mm, median(measureCpu));
    std::printf("  du -s                            %8.1f ms %8.1f ms\n", md, median(duCpu));
    std::printf("  readdir+fstatat                  %8.1f ms %8.1f ms\n", mf, median(floorCpu));
    std::printf("wall ratios: measure/du = %.3f (target <= 1.0), measure/floor = %.3f (target <= 1.05)\n", mm / md,
                mm / mf);
    std::printf("cpu ratios:  measure/du = %.3f, measure/floor = %.3f\n", median(measureCpu) / median(duCpu),
                median(measureCpu) / median(floorCpu));
    return (mm / md <= 1.0 && mm / mf <= 1.05) ? 0 : 2;
}

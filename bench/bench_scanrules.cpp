// Per-call cost of the checks the scanner and the cleaner make for every
// entry (exclusions, protected locations, guarded apps), and of the
// per-pass snapshots (running processes, open files).

#include "scan/appguard.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Median over `runs` of the time of `perRun` calls, in microseconds per call.
double medianMicros(int runs, int perRun, const std::function<void(int)> &fn)
{
    std::vector<double> samples;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < perRun; ++i)
            fn(i);
        samples.push_back(double(t.nsecsElapsed()) / 1000.0 / perRun);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    QStringList paths;
    for (int i = 0; i < 1000; ++i)
        paths.append(QStringLiteral("/home/user/.cache/app%1/Cache/data_%2/f_%3.bin").arg(i % 17).arg(i % 5).arg(i));
    const QStringList patterns{QStringLiteral("**/.git"), QStringLiteral("node_modules"), QStringLiteral("*.iso"),
                               QStringLiteral("~/Projects"), QStringLiteral("/srv/data"), QStringLiteral("a?c")};
    volatile int sink = 0;

    out << "isExcluded (6 patterns):  "
        << medianMicros(9, 20000, [&](int i) { sink = sink + isExcluded(paths.at(i % 1000), patterns); })
        << " us/call\n";
    out << "isProtectedPath:          "
        << medianMicros(9, 20000, [&](int i) { sink = sink + isProtectedPath(paths.at(i % 1000)); }) << " us/call\n";
    out << "isGuardedPath:            "
        << medianMicros(9, 20000, [&](int i) { sink = sink + isGuardedPath(paths.at(i % 1000)); }) << " us/call\n";
    out << "snapshot():               "
        << medianMicros(9, 5, [&](int) { sink = sink + int(snapshot().processNames.size()); }) / 1000.0
        << " ms/call\n";
    out << "OpenFiles::capture():     "
        << medianMicros(9, 5, [&](int) { sink = sink + int(OpenFiles::capture().size()); }) / 1000.0
        << " ms/call (" << OpenFiles::capture().size() << " open or mapped files)\n";
    return 0;
}

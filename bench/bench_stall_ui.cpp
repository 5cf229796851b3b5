// How long the window's event loop stalls while the engines work: the real
// MainWindow with its AppState (offscreen unless told otherwise) is driven
// through three flows while a timer on the GUI thread fires every 4 ms and
// records the gaps between its events. A gap well above 4 ms is time in
// which the window could not repaint or take a click.
//
//  - Space Map: the large-file search over the 200,000-file tree
//    (treegen.h, "fs-tree" shared with bench_fs) as the home folder, with a
//    threshold low enough that the list fills up to its 500 files;
//  - catalogue scan: the platform catalogue over a populated home (the
//    test suite's Linux home with 50,000 more files in 200 cache folders);
//  - clean: a fixture catalogue whose one category lists 200 folders of
//    50,000 files, all selected and deleted.
//
//   bench_stall_ui [--rounds N] [--interval MS] [--list-gaps] DATA_DIR
//
// Everything runs under DATA_DIR/stall (made afresh on every run; the home,
// settings, logs and temp folders point there), never on the machine's own
// folders. Prints, for every flow, the longest gap, the 99th percentile of
// the gaps and the most CPU time the GUI thread spent within one gap (the
// medians over the rounds) against the target of 50 ms, and one "RESULT"
// line per figure for run.sh's summary. --list-gaps prints every gap above
// 50 ms with its end on CLOCK_MONOTONIC, to find it in a profile taken with
// `perf record -k CLOCK_MONOTONIC -g` (`perf script --time START,END`).

#include "app/appsettings.h"
#include "app/appstate.h"
#include "bench/treegen.h"
#include "support/linuxhome.h"
#include "scan/catalogue.h"
#include "ui/i18n.h"
#include "ui/mainwindow.h"
#include "ui/theme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double kTargetMs = 50;

// The CPU time of the calling thread, in ms.
double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double monotonicS()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + ts.tv_nsec / 1e9;
}

struct Gap
{
    double ms = 0;     // between two events of the timer
    double cpuMs = 0;  // of it, time the GUI thread ran: the rest it waited for the CPU or the kernel
    double endS = 0;   // CLOCK_MONOTONIC at its end, the clock of `perf record -k CLOCK_MONOTONIC`
};

// Records the time between the timer's events on the GUI thread. On a
// loaded machine a gap is also time the thread waited for a CPU; the thread's
// own CPU time in the gap tells the work the window did from that.
class GapProbe final : public QObject
{
public:
    explicit GapProbe(int intervalMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { sample(); });
        m_clock.start();
    }
    void start()
    {
        m_gaps.clear();
        m_last = m_clock.nsecsElapsed();
        m_lastCpu = threadCpuMs();
        m_timer.start();
    }
    std::vector<Gap> stop()
    {
        sample();
        m_timer.stop();
        return m_gaps;
    }

private:
    void sample()
    {
        const qint64 now = m_clock.nsecsElapsed();
        const double cpu = threadCpuMs();
        m_gaps.push_back({(now - m_last) / 1e6, cpu - m_lastCpu, monotonicS()});
        m_last = now;
        m_lastCpu = cpu;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    double m_lastCpu = 0;
    std::vector<Gap> m_gaps;
};

// Runs the event loop until `done` holds (checked whenever events arrive,
// which the probe guarantees every few ms) or `timeoutMs` passes; then a
// further `settleMs` so the repaints and rebuilds that follow the end count.
bool runUntil(const std::function<bool()> &done, int timeoutMs, int settleMs = 300)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < settleMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return true;
}

// 200 folders of 10 folders of 25 small files: 50,000 files.
bool makeBulk(const std::string &root)
{
    if (::mkdir(root.c_str(), 0755) != 0)
        return false;
    for (int a = 0; a < 200; ++a) {
        const std::string da = root + "/cache" + std::to_string(a);
        if (::mkdir(da.c_str(), 0755) != 0)
            return false;
        for (int b = 0; b < 10; ++b) {
            const std::string db = da + "/d" + std::to_string(b);
            if (::mkdir(db.c_str(), 0755) != 0)
                return false;
            for (int f = 0; f < 25; ++f) {
                const int fd = ::open((db + "/f" + std::to_string(f)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                if (fd < 0 || ::write(fd, "varnholt", 8) != 8)
                    return false;
                ::close(fd);
            }
        }
    }
    return true;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

double median(std::vector<double> v)
{
    return percentile(std::move(v), 0.5);
}

struct Flow
{
    Flow(const QString &name, const QString &label) : name(name), label(label) {}
    QString name;   // for the RESULT lines
    QString label;  // for the table
    std::vector<double> longest, p99, busiest;
    double ms = 0;
    bool failed = false;
};

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 3;
    int interval = 4;
    bool listGaps = false;
    QString dataDir;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == u"--rounds" && i + 1 < argc)
            rounds = std::max(1, atoi(argv[++i]));
        else if (a == u"--interval" && i + 1 < argc)
            interval = std::max(1, atoi(argv[++i]));
        else if (a == u"--list-gaps")
            listGaps = true;
        else if (!a.startsWith(u'-'))
            dataDir = a;
    }
    if (dataDir.isEmpty()) {
        QTextStream(stderr) << "usage: bench_stall_ui [--rounds N] [--interval MS] [--list-gaps] DATA_DIR\n";
        return 2;
    }
    const QString data = QDir(dataDir).absolutePath();
    const QString stall = data + QStringLiteral("/stall");
    QDir(stall).removeRecursively();
    // The sandbox, before Qt reads any of it.
    const QString home = stall + QStringLiteral("/home");
    for (const char *d : {"home", "config", "data", "cache", "tmp", "runtime", "populated", "clean"})
        QDir().mkpath(stall + u'/' + QLatin1String(d));
    ::chmod(QFile::encodeName(stall + QStringLiteral("/runtime")).constData(), 0700);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(stall + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(stall + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(stall + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(stall + QStringLiteral("/runtime")));
    qputenv("TMPDIR", QFile::encodeName(stall + QStringLiteral("/tmp")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VARNHOLT_LANG"))
        qputenv("VARNHOLT_LANG", "en");

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    registerEngineTypes();
    ui::applyLanguage(&app);
    Theme::instance()->install(&app);
    QTextStream out(stdout);

    // ---- the trees -------------------------------------------------------
    const std::string tree = QFile::encodeName(data + QStringLiteral("/fs-tree")).toStdString();
    if (!benchtree::isComplete(tree)) {
        out << "generating " << QFile::decodeName(tree.c_str()) << " ..." << Qt::endl;
        QDir(QFile::decodeName(tree.c_str())).removeRecursively();
        if (benchtree::generate(tree) < 0) {
            QTextStream(stderr) << "could not generate the tree\n";
            return 1;
        }
    }
    const QString populated = stall + QStringLiteral("/populated");
    if (!buildLinuxHome(populated)
        || !makeBulk(QFile::encodeName(populated + QStringLiteral("/home/.cache/bulk")).toStdString())) {
        QTextStream(stderr) << "could not build the populated home\n";
        return 1;
    }
    const LinuxBases bases = linuxHomeBases(populated);

    // The state scans whichever catalogue the flow sets here.
    std::function<QList<CategoryDef>()> catalogue;
    AppState state([&catalogue] { return catalogue(); });
    AppState::Overrides overrides;
    overrides.moveToTrash = false;
    overrides.largeThresholdBytes = 4096;  // a tenth of the tree's files hold 1 to 4 KiB
    state.setOverrides(overrides);
    ui::MainWindow::Options options;
    options.autoUpdateDelayMs = -1;
    ui::MainWindow window(&state, options);
    window.show();
    runUntil([] { return true; }, 0, 500);

    GapProbe probe(interval);
    Flow space{QStringLiteral("stall_spacemap"), QStringLiteral("Space Map, 200,000 files")};
    Flow scan{QStringLiteral("stall_scan"), QStringLiteral("catalogue scan, home")};
    Flow clean{QStringLiteral("stall_clean"), QStringLiteral("clean 50,000 files")};
    const auto measure = [&](Flow &flow, const std::function<void()> &begin, const std::function<bool()> &done) {
        QElapsedTimer t;
        t.start();
        probe.start();
        begin();
        const bool ok = runUntil(done, 600000);
        const std::vector<Gap> gaps = probe.stop();
        flow.ms += t.elapsed();
        flow.failed = flow.failed || !ok;
        std::vector<double> ms, cpu;
        for (const Gap &g : gaps) {
            ms.push_back(g.ms);
            cpu.push_back(g.cpuMs);
            if (listGaps && g.ms > kTargetMs)
                out << "  " << flow.name << " gap of " << QString::number(g.ms, 'f', 1) << " ms ("
                    << QString::number(g.cpuMs, 'f', 1) << " ms cpu) ending at "
                    << QString::number(g.endS, 'f', 3) << " s" << Qt::endl;
        }
        flow.longest.push_back(ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()));
        flow.busiest.push_back(cpu.empty() ? 0 : *std::max_element(cpu.begin(), cpu.end()));
        flow.p99.push_back(percentile(ms, 0.99));
    };

    const QString cleanRoot = stall + QStringLiteral("/clean/bulk");
    for (int r = 0; r < rounds; ++r) {
        // Space Map: the finder walks the home folder.
        window.showPage(ui::MainWindow::PageSpaceMap);
        runUntil([] { return true; }, 0, 200);
        qputenv("HOME", tree.c_str());
        measure(space, [&] { state.scanLargeFiles(); }, [&] { return !state.largeScanRunning(); });
        qputenv("HOME", QFile::encodeName(home));

        // The platform catalogue over the populated home.
        catalogue = [bases] { return linuxCatalogue(bases); };
        window.showPage(ui::MainWindow::PageOverview);
        runUntil([] { return true; }, 0, 200);
        measure(scan, [&] { state.startScan(); }, [&] { return state.phase() == AppState::Results; });

        // The fixture category: scanned, then all of it deleted.
        QDir(cleanRoot).removeRecursively();
        if (!makeBulk(QFile::encodeName(cleanRoot).toStdString())) {
            QTextStream(stderr) << "could not build the tree to clean\n";
            return 1;
        }
        catalogue = [cleanRoot] {
            CategoryDef def;
            def.id = QStringLiteral("appcache");
            def.name = QStringLiteral("Bench cache");
            def.icon = QStringLiteral("box");
            def.color = QStringLiteral("#6366f1");
            CategoryRoot root;
            root.path = cleanRoot;
            def.roots = {root};
            return QList<CategoryDef>{def};
        };
        state.startScan();
        if (!runUntil([&] { return state.phase() == AppState::Results; }, 600000)) {
            QTextStream(stderr) << "the scan of the tree to clean did not end\n";
            return 1;
        }
        state.selectAll(true);
        measure(clean, [&] { state.startClean(); },
                [&] { return state.phase() == AppState::Done && !state.isMeasuring(QStringLiteral("appcache")); });
        if (QDir(cleanRoot).exists() && !QDir(cleanRoot).isEmpty())
            clean.failed = true;
        state.dismissDone();
    }

    out << "\nGUI thread stalls, " << interval << " ms timer, median of " << rounds << " rounds\n";
    out << qSetFieldWidth(28) << Qt::left << "flow" << qSetFieldWidth(12) << Qt::right << "longest ms"
        << "p99 ms" << "busiest ms" << "flow ms" << qSetFieldWidth(0) << "\n";
    for (Flow *f : {&space, &scan, &clean}) {
        const double longest = median(f->longest), p99 = median(f->p99);
        out << qSetFieldWidth(28) << Qt::left << f->label << qSetFieldWidth(12) << Qt::right
            << QString::number(longest, 'f', 1) << QString::number(p99, 'f', 1)
            << QString::number(median(f->busiest), 'f', 1) << QString::number(f->ms / rounds, 'f', 0) << qSetFieldWidth(0)
            << (longest <= kTargetMs ? "  met" : "  MISSED") << (f->failed ? " (did not finish)" : "") << "\n";
    }
    out << "target: longest gap at most " << kTargetMs << " ms (busiest: the GUI thread's own CPU time in one gap;\n"
           "a longest gap well above it is time spent waiting for a CPU of a loaded machine)\n";
    for (Flow *f : {&space, &scan, &clean}) {
        out << "RESULT " << f->name << "_longest " << QString::number(median(f->longest), 'f', 1) << " ms <="
            << kTargetMs << "\n";
        out << "RESULT " << f->name << "_p99 " << QString::number(median(f->p99), 'f', 1) << " ms -\n";
        out << "RESULT " << f->name << "_busiest " << QString::number(median(f->busiest), 'f', 1) << " ms <="
            << kTargetMs << "\n";
    }
    out.flush();
    QDir(stall).removeRecursively();
    return 0;
}

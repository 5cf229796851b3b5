// Time from starting the program to its window on screen, mapped and
// painted, as a user sees it: the built program is started on a private X
// server (Xvfb, black root) with its home, settings and temp folders in
// fixtures, and the clock stops when a top-level window of the program is
// mapped and its pixels are no longer the black of the root behind it.
//
//   bench_startup [--runs N] [--program PATH] DATA_DIR
//
// Two homes take turns, N starts each (5 by default) after one warm-up start
// of each that is not counted:
//  - fresh: empty home, no settings;
//  - full: a settings file with every key set (exclusions, dark theme, a
//    language chosen, a scan schedule, months of freed space and a full
//    free-space history) and a dozen cleanup logs of a thousand lines.
// Both are copied afresh from DATA_DIR/startup before every start, so what
// one start writes does not reach the next. Prints the medians against the
// target of 350 ms and "RESULT" lines for run.sh's summary.

#include "app/appsettings.h"
#include "clean/cleanuplog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr double kTargetMs = 350;

const char *const kFolders[] = {"home", "config", "data", "cache", "tmp", "runtime"};

QString fixtureEnv(const QString &root, const char *folder)
{
    return root + u'/' + QLatin1String(folder);
}

// The settings and logs of a user who has used the program for months.
// Runs in this process with the sandbox's folders as its own, before
// anything else reads them.
void buildFullHome(const QString &root)
{
    const QDate today = QDate::currentDate();
    AppSettings *s = AppSettings::instance();
    s->setTheme(2);
    s->setLanguage(QStringLiteral("de"));
    s->setCloseAction(AppSettings::KeepRunning);
    s->setShowInTray(true);
    s->setMoveToTrash(true);
    QStringList exclusions{QStringLiteral("**/.git")};
    for (int i = 0; i < 40; ++i)
        exclusions.append(root + QStringLiteral("/home/projects/keep-%1/**").arg(i));
    s->setExclusions(exclusions);
    s->setLargeThresholdMB(250);
    s->setOldMonths(6);
    s->setSchedule(AppSettings::Weekly);
    s->setLowSpaceAlerts(true);
    s->setLastScan(QDateTime::currentDateTime().addDays(-2));
    for (int day = 400; day >= 0; --day) {
        s->setTodayFunction([today, day] { return today.addDays(-day); });
        if (day % 9 == 0)
            s->addFreed(qint64(day + 1) * 7340033);
        if (day < 120) {
            const qint64 when = QDateTime(today.addDays(-day), QTime(10, 0)).toMSecsSinceEpoch();
            s->recordFreeSpace({when, qint64(180) * 1024 * 1024 * 1024 - qint64(120 - day) * 700 * 1024 * 1024,
                                qint64(512) * 1024 * 1024 * 1024});
        }
    }
    s->setTodayFunction({});
    for (int i = 0; i < 12; ++i) {
        const QDateTime start = QDateTime::currentDateTime().addDays(-7 * (i + 1));
        CleanupLog log([start] { return start; });
        log.open();
        log.header(i % 3 != 0, 900 * 1024 * 1024);
        log.categoryHeading(QStringLiteral("Application caches"), 900 * 1024 * 1024);
        for (int n = 0; n < 1000; ++n) {
            const QString path = root + QStringLiteral("/home/.cache/app%1/file-%2.bin").arg(i).arg(n);
            if (i % 3 != 0)
                log.trashedTo(root + QStringLiteral("/data/Trash/files/file-%1-%2.bin").arg(i).arg(n), path);
            else
                log.deleted(path, 900 * 1024);
        }
        log.summary(900 * 1024 * 1024, 1000, 0);
        log.flush();
    }
}

pid_t spawn(const std::vector<std::string> &argv, const std::vector<std::string> &env,
            posix_spawn_file_actions_t *actions = nullptr)
{
    std::vector<char *> args, envp;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], actions, nullptr, args.data(), env.empty() ? environ : envp.data()) != 0)
        return -1;
    return pid;
}

int run(const std::vector<std::string> &argv)
{
    const pid_t pid = spawn(argv, {});
    int status = 1;
    if (pid > 0)
        ::waitpid(pid, &status, 0);
    return status;
}

void stop(pid_t pid)
{
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return;
        ::usleep(10000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// A private X server; its display number comes back through -displayfd.
struct Server
{
    pid_t pid = -1;
    std::string display;
    bool start()
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        pid = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1600x1000x24", "-nolisten", "tcp",
                     "-br", "-noreset"},
                    {}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        // The number comes with a newline, in more than one write at times;
        // closing the pipe before the newline is in would end the server.
        std::string number;
        char c = 0;
        pollfd p{fds[0], POLLIN, 0};
        while (pid > 0 && ::poll(&p, 1, 20000) == 1 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (c != '\n' || number.empty())
            return false;
        display = ":" + number;
        return true;
    }
    ~Server()
    {
        if (pid > 0)
            stop(pid);
    }
};

// Painted: nearly every pixel of a grid over the window differs from the
// black of the root (the window has no background of its own until Qt
// paints it).
bool painted(Display *dpy, Window w, int width, int height)
{
    XImage *image = XGetImage(dpy, w, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    int samples = 0, black = 0;
    for (int y = 2; y < height; y += std::max(1, height / 40)) {
        for (int x = 2; x < width; x += std::max(1, width / 40)) {
            ++samples;
            black += (XGetPixel(image, x, y) & 0xffffff) == 0;
        }
    }
    XDestroyImage(image);
    return samples > 0 && black * 50 < samples;
}

struct Start
{
    double mappedMs = -1;
    double paintedMs = -1;
};

Start timeStart(Display *dpy, const std::string &program, const std::vector<std::string> &env)
{
    Start result;
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);  // drops the events of earlier starts
    const auto t = SteadyClock::now();
    const auto ms = [&t] { return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count(); };
    const pid_t pid = spawn({program}, env);
    if (pid < 0)
        return result;
    Window window = 0;
    int width = 0, height = 0;
    while (ms() < 20000) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type != MapNotify || window || e.xmap.override_redirect)
                continue;
            XWindowAttributes a;
            if (XGetWindowAttributes(dpy, e.xmap.window, &a) && a.width >= 400 && a.height >= 300) {
                window = e.xmap.window;
                width = a.width;
                height = a.height;
                result.mappedMs = ms();
            }
        }
        if (window && painted(dpy, window, width, height)) {
            result.paintedMs = ms();
            break;
        }
        if (!window) {
            pollfd p{ConnectionNumber(dpy), POLLIN, 0};
            ::poll(&p, 1, 5);
        } else {
            ::usleep(2000);
        }
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return result;  // ended without a window
    }
    stop(pid);
    return result;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 5;
    std::string program;
    QString dataDir;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, atoi(argv[++i]));
        else if (a == "--program" && i + 1 < argc)
            program = argv[++i];
        else if (a.rfind("-", 0) != 0)
            dataDir = QString::fromLocal8Bit(argv[i]);
    }
    if (dataDir.isEmpty()) {
        fprintf(stderr, "usage: bench_startup [--runs N] [--program PATH] DATA_DIR\n");
        return 2;
    }
    const QString base = QDir(dataDir).absolutePath() + QStringLiteral("/startup");
    QDir(base).removeRecursively();
    const QString templates[] = {base + QStringLiteral("/fresh"), base + QStringLiteral("/full")};
    for (const QString &t : templates)
        for (const char *d : kFolders)
            QDir().mkpath(fixtureEnv(t, d));
    // This process makes the full home's settings and logs as the program
    // would, with that home's folders as its own.
    qputenv("HOME", QFile::encodeName(fixtureEnv(templates[1], "home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fixtureEnv(templates[1], "config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(fixtureEnv(templates[1], "data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(fixtureEnv(templates[1], "cache")));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
    if (program.empty())
        program = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/../varnholt")).toStdString();
    if (!QFileInfo(QFile::decodeName(program.c_str())).isExecutable()) {
        fprintf(stderr, "no program at %s (build the target varnholt)\n", program.c_str());
        return 1;
    }
    buildFullHome(templates[1]);
    const qint64 logs = QDir(CleanupLog::folder()).entryList(QDir::Files).size();

    Server server;
    if (!server.start()) {
        fprintf(stderr, "could not start Xvfb (scripts/bootstrap-debian.sh installs it)\n");
        return 1;
    }
    Display *dpy = XOpenDisplay(server.display.c_str());
    if (!dpy) {
        fprintf(stderr, "could not open display %s\n", server.display.c_str());
        return 1;
    }

    const QString scratch = base + QStringLiteral("/run");
    std::vector<double> mapped[2], shown[2];
    int failed = 0;
    for (int r = 0; r < runs + 1; ++r) {
        for (int h = 0; h < 2; ++h) {
            QDir(scratch).removeRecursively();
            run({"cp", "-a", QFile::encodeName(templates[h]).toStdString(), QFile::encodeName(scratch).toStdString()});
            ::chmod(QFile::encodeName(fixtureEnv(scratch, "runtime")).constData(), 0700);
            std::vector<std::string> env;
            for (char **e = environ; *e; ++e) {
                const std::string kv = *e;
                if (kv.rfind("HOME=", 0) && kv.rfind("XDG_", 0) && kv.rfind("TMPDIR=", 0) && kv.rfind("DISPLAY=", 0)
                    && kv.rfind("WAYLAND_", 0) && kv.rfind("QT_QPA_PLATFORM=", 0) && kv.rfind("DBUS_", 0))
                    env.push_back(kv);
            }
            env.push_back("DISPLAY=" + server.display);
            env.push_back("QT_QPA_PLATFORM=xcb");
            env.push_back("HOME=" + QFile::encodeName(fixtureEnv(scratch, "home")).toStdString());
            env.push_back("XDG_CONFIG_HOME=" + QFile::encodeName(fixtureEnv(scratch, "config")).toStdString());
            env.push_back("XDG_DATA_HOME=" + QFile::encodeName(fixtureEnv(scratch, "data")).toStdString());
            env.push_back("XDG_CACHE_HOME=" + QFile::encodeName(fixtureEnv(scratch, "cache")).toStdString());
            env.push_back("XDG_RUNTIME_DIR=" + QFile::encodeName(fixtureEnv(scratch, "runtime")).toStdString());
            env.push_back("TMPDIR=" + QFile::encodeName(fixtureEnv(scratch, "tmp")).toStdString());
            const Start s = timeStart(dpy, program, env);
            if (s.paintedMs < 0)
                ++failed;
            if (r == 0 || s.paintedMs < 0)
                continue;  // warm-up
            mapped[h].push_back(s.mappedMs);
            shown[h].push_back(s.paintedMs);
        }
    }
    XCloseDisplay(dpy);
    QDir(scratch).removeRecursively();

    QTextStream out(stdout);
    out << "start-up to a mapped and painted window, Xvfb 1600x1000, median of " << runs << " starts of each home\n";
    out << qSetFieldWidth(32) << Qt::left << "home" << qSetFieldWidth(12) << Qt::right << "mapped ms"
        << "painted ms" << qSetFieldWidth(0) << "\n";
    const char *names[] = {"fresh", "full"};
    const QString labels[] = {QStringLiteral("fresh"), QStringLiteral("full (settings, %1 logs)").arg(logs)};
    for (int h = 0; h < 2; ++h) {
        const double m = median(mapped[h]), p = median(shown[h]);
        out << qSetFieldWidth(32) << Qt::left << labels[h] << qSetFieldWidth(12) << Qt::right
            << QString::number(m, 'f', 0) << QString::number(p, 'f', 0) << qSetFieldWidth(0)
            << (p >= 0 && p <= kTargetMs ? "  met" : "  MISSED") << "\n";
    }
    if (failed)
        out << failed << " starts showed no painted window within 20 s\n";
    out << "target: painted within " << kTargetMs << " ms\n";
    for (int h = 0; h < 2; ++h)
        out << "RESULT startup_" << names[h] << " " << QString::number(median(shown[h]), 'f', 0) << " ms <="
            << kTargetMs << "\n";
    return failed ? 1 : 0;
}

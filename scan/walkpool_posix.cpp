#include "scan/walkpool.h"

#include "scan/fs.h"
#include "scan/posixfs.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

namespace fs::pool {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Listing a folder refreshes its access time, which other cleaners
// (systemd-tmpfiles, tmpwatch) read as a sign of use. Walks list without it
// where the system allows (the owner's folders, or any as root), and retry
// plainly where it refuses (EPERM).

// A folder with sub-folders still waiting keeps its descriptor open so they
// can be opened relative to it. Past this many per walk (a very deep tree
// with siblings left on every level) they are opened by path instead.
constexpr int kKeptFolders = 128;

// Helpers join once the calling thread has listed a few dozen folders alone
// (detail::WalkTuning) or has been at it this long: a folder of a few
// entries, a cache root say, never pays for a thread.
constexpr auto kHelpersAfter = std::chrono::milliseconds(4);
// Before that, the calling thread starts timing itself (which costs a system
// call) once the walk has gone on this long.
constexpr int kSampleAfterFolders = 4;
constexpr auto kSampleAfter = std::chrono::milliseconds(1);

// How often the calling thread looks whether the threads keep the processor
// busy, and below which share of their time it takes more of them: the rest
// of the time they wait, for the disk when the cache is cold (or for a
// processor when the machine is busy: then more threads keep the walk's
// share of it). Tuned on two cores and a virtual disk: eight threads read a
// cold tree in half the time of two, and on a warm cache two stay two.
constexpr auto kSampleEvery = std::chrono::milliseconds(20);
constexpr double kBusyShare = 0.5;

bool isSpecial(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode);
}

// ASCII always survives decodeName/encodeName; only names with other bytes
// pay for the check.
bool roundTrips(const char *name, size_t len)
{
    for (size_t i = 0; i < len; ++i) {
        if (static_cast<unsigned char>(name[i]) >= 0x80) {
            const QByteArray raw(name, qsizetype(len));
            return QFile::encodeName(QFile::decodeName(raw)) == raw;
        }
    }
    return true;
}

// The descriptor of a listed folder, shared by its sub-folders until the
// last of them has been opened.
struct KeptFolder
{
    KeptFolder(int folder, std::atomic_int *count) : fd(folder), kept(count) {}
    KeptFolder(const KeptFolder &) = delete;
    KeptFolder &operator=(const KeptFolder &) = delete;
    const int fd;
    std::atomic_int *const kept;
    ~KeptFolder()
    {
        ::close(fd);
        kept->fetch_sub(1, std::memory_order_relaxed);
    }
};

struct Pending
{
    std::string path;                    // encoded
    std::shared_ptr<KeptFolder> parent;  // null: open by path
    size_t nameAt = 0;                   // where the folder's own name starts in path
};

// Processor time of a thread so far, in ms.
double cpuMs(clockid_t clock)
{
    timespec ts;
    if (::clock_gettime(clock, &ts) != 0)
        return 0;
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

class Engine final
{
public:
    explicit Engine(const Walk &walk) : m_walk(walk), m_crew([this](int index) { work(index); }, walk.maxThreads) {}
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    bool run()
    {
        m_stack.push({m_walk.root, nullptr, 0});
        work(0);
        m_crew.join();
        return !m_cancelled.load();
    }

private:
    bool cancelRequested()
    {
        if (!m_walk.cancel || !m_walk.cancel->load(std::memory_order_relaxed))
            return false;
        m_cancelled = true;
        return true;
    }

    void work(int index)
    {
        Lister *listerOf = nullptr;
        {
            std::lock_guard lock(m_listerMutex);
            listerOf = m_walk.makeLister(index);
        }
        Lister &lister = *listerOf;
        const auto reader = std::make_unique<FolderReader>();
        std::vector<Pending> children;
        std::string child;
        Pending item;
        const bool calling = index == 0;
        const std::function<void()> duties = [this] {
            if (cancelRequested())
                m_stack.stop();
            else
                m_crew.consider(m_folders, m_stack.pending());
        };
        while (!cancelRequested() && m_stack.take(item, calling ? duties : std::function<void()>())) {
            list(item, lister, *reader, children, child);
            m_stack.give(children);
            if (calling) {
                ++m_folders;
                duties();
            }
        }
        m_stack.stop();
    }

    void list(Pending &item, Lister &lister, FolderReader &reader, std::vector<Pending> &children,
              std::string &child)
    {
        const auto open = [&](int flags) {
            return item.parent ? ::openat(item.parent->fd, item.path.c_str() + item.nameAt, flags)
                               : openPath(item.path.data(), item.path.size(), flags);
        };
        int fd = open(kFolderFlags | O_NOATIME);
        if (fd < 0 && errno == EPERM)
            fd = open(kFolderFlags);
        item.parent.reset();
        if (fd < 0)
            return; // unreadable folders are empty
        const std::string &folder = item.path;
        lister.beginFolder(folder);
        reader.start(fd);
        while (const char *name = reader.next()) {
            if (cancelRequested())
                break;
            struct stat st;
            bool mount = false;
            qint64 birth = 0;
            if (!posixfs::statAt(fd, name, st, &mount, &birth))
                continue; // gone since it was listed
            if (isSpecial(st.st_mode) || mount)
                continue;
            const size_t len = std::strlen(name);
            if (!roundTrips(name, len))
                continue;
            const bool isDir = S_ISDIR(st.st_mode);
            if (isDir && st.st_dev != m_walk.device && st.st_dev != 0 && m_walk.device != 0)
                continue;
            if (!lister.entry(name, len, st, birth) || !isDir)
                continue;
            child.assign(folder);
            if (child.empty() || child.back() != '/')
                child.push_back('/');
            const size_t nameAt = child.size();
            child.append(name, len);
            children.push_back({std::move(child), nullptr, nameAt});
            child.clear();
        }
        lister.endFolder();
        if (!children.empty() && m_kept.load(std::memory_order_relaxed) < kKeptFolders) {
            m_kept.fetch_add(1, std::memory_order_relaxed);
            const auto kept = std::make_shared<KeptFolder>(fd, &m_kept);
            for (Pending &c : children)
                c.parent = kept;
        } else {
            ::close(fd);
        }
    }

    const Walk &m_walk;
    std::mutex m_listerMutex;
    std::atomic_bool m_cancelled{false};
    // Declared before the stack: kept folders left on it when a walk is
    // cancelled count themselves out as they close.
    std::atomic_int m_kept{0};
    WorkStack<Pending> m_stack;
    int m_folders = 0;  // listed by the calling thread
    Crew m_crew;        // last: its helpers are joined before the rest goes
};

} // namespace

Crew::Crew(std::function<void(int)> work, int maxThreads) : m_work(std::move(work))
{
    const WalkThreads threads = walkThreads();
    const int cap = maxThreads > 0 ? maxThreads : 64;
    m_cpuThreads = std::clamp(threads.cpu, 1, cap);
    m_ioThreads = std::clamp(threads.io, m_cpuThreads, cap);
    m_helpersAfterFolders = detail::walkTuning().helpersAfterFolders;
    m_start = Clock::now();
}

Crew::~Crew()
{
    join();
}

void Crew::join()
{
    for (Helper &h : m_helpers)
        if (h.thread.joinable())
            h.thread.join();
}

void Crew::consider(int folders, size_t pending)
{
    if (m_ioThreads <= 1 || pending == 0)
        return;
    const auto now = Clock::now();
    if (!m_started) {
        // Once the walk is more than a handful of folders, the calling
        // thread starts timing itself; when helpers are due, a thread that
        // spent most of the time since off the processor was waiting for
        // the disk: then the threads for the disk join at once.
        if (!m_measuring) {
            if (m_helpersAfterFolders > 0 && folders < kSampleAfterFolders && now - m_start < kSampleAfter)
                return;
            m_measuring = true;
            m_sampledAt = now;
            m_busyAt = busyMs();
            if (m_helpersAfterFolders > 0)
                return;
        } else if (folders < m_helpersAfterFolders && now - m_start < kHelpersAfter) {
            return;
        }
        m_started = true;
        const bool waiting = waitedMostly(now, 1);
        add((waiting ? m_ioThreads : m_cpuThreads) - 1);
        m_sampledAt = now;
        m_busyAt = busyMs();
        return;
    }
    const int threads = size();
    if (threads >= m_ioThreads || now - m_sampledAt < kSampleEvery)
        return;
    if (waitedMostly(now, threads))
        add(std::min(threads, m_ioThreads - threads));
}

bool Crew::waitedMostly(Clock::time_point now, int threads)
{
    const double busy = busyMs();
    const double wall = std::chrono::duration<double, std::milli>(now - m_sampledAt).count() * threads;
    const bool waited = wall > 0 && (busy - m_busyAt) / wall < kBusyShare;
    m_sampledAt = now;
    m_busyAt = busy;
    return waited;
}

void Crew::add(int count)
{
    for (int i = 0; i < count; ++i) {
        Helper h;
        try {
            h.thread = std::thread(m_work, size());
        } catch (const std::system_error &) {
            return; // no more threads to be had: the walk goes on with those it has
        }
        h.hasClock = ::pthread_getcpuclockid(h.thread.native_handle(), &h.clock) == 0;
        m_helpers.push_back(std::move(h));
    }
}

double Crew::busyMs() const
{
    double total = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    for (const Helper &h : m_helpers)
        if (h.hasClock)
            total += cpuMs(h.clock);
    return total;
}

bool run(const Walk &walk)
{
    Engine engine(walk);
    return engine.run();
}

int openPath(const char *path, size_t len, int flags)
{
    // Paths of very deep trees outgrow PATH_MAX.
    constexpr size_t kDirectOpenLimit = 3800;
    if (len < kDirectOpenLimit)
        return ::open(path, flags);
    const std::string p(path, len);
    int base = AT_FDCWD;
    size_t start = 0;
    while (len - start >= kDirectOpenLimit) {
        const size_t cut = p.rfind('/', start + kDirectOpenLimit - 1);
        if (cut == std::string::npos || cut <= start) {
            if (base != AT_FDCWD)
                ::close(base);
            errno = ENAMETOOLONG;
            return -1;
        }
        const std::string chunk = p.substr(start, cut - start);
        const int next = ::openat(base, chunk.c_str(), kFolderFlags);
        if (base != AT_FDCWD)
            ::close(base);
        if (next < 0)
            return -1;
        base = next;
        start = cut + 1;
    }
    const int fd = ::openat(base, p.c_str() + start, flags);
    const int saved = errno;
    if (base != AT_FDCWD)
        ::close(base);
    errno = saved;
    return fd;
}

} // namespace fs::pool

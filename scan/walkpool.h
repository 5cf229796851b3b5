#pragma once

// The tree walks of the POSIX build: fs::measure(), fs::walk() and the
// permanent removal of a folder tree. A walk starts on the calling thread
// alone; once the tree turns out big it shares its pending folders with
// helper threads (fs::walkThreads() says how many), each listing a folder and
// describing its entries while the others do the same with other folders, so
// that the kernel's and the disk's work on them overlaps.
//
// run() keeps the rules every reading walker keeps, once: each folder is
// opened relative to the open folder above it with O_NOFOLLOW (a folder
// swapped for a link since it was listed is never entered), entries are
// described relative to their open folder (posixfs::statAt), and ".", "..",
// special files, mount roots (bind mounts of the same volume included),
// folders of another volume and names that do not survive
// decodeName/encodeName never reach a Lister.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif

namespace fs::pool {

// What one thread of a walk does with the folders it lists. Every thread has
// a Lister of its own; the calls to one Lister never overlap.
class Lister
{
public:
    virtual ~Lister() = default;
    // `folder` (encoded, as the kernel sees it) is about to be listed; the
    // reference stays valid until endFolder().
    virtual void beginFolder(const std::string &folder) { (void)folder; }
    // One entry of that folder, with its birth time (ms, 0 when unknown).
    // True enters it when it is a folder (the answer is ignored for
    // everything else).
    virtual bool entry(const char *name, std::size_t length, const struct stat &st, long long birthMs) = 0;
    // The folder is done, or the walk stopped inside it.
    virtual void endFolder() {}
};

struct Walk
{
    std::string root;     // encoded; opened as given, with O_NOFOLLOW
    dev_t device = 0;     // the root's volume; folders of another one are never entered
    const std::atomic_bool *cancel = nullptr;
    // At most this many threads, the calling one included (0: as many as
    // fs::walkThreads() allows).
    int maxThreads = 0;
    // The Lister of thread `index` (0 is the calling thread), owned by the
    // caller and kept alive until run() returns. Called once per thread, by
    // that thread, one call at a time.
    std::function<Lister *(int index)> makeLister;
};

// Visits the tree; false when the cancel flag stopped it. A set flag is seen
// before the next entry on every thread.
bool run(const Walk &walk);

// open() of a NUL-terminated path of any length: a path too long for one
// call is opened a chunk of components at a time, each relative to the
// folder before it (the last component of every chunk with O_NOFOLLOW, the
// final one with `flags`).
int openPath(const char *path, std::size_t length, int flags);

// ---- the machinery, shared by run() and the tree remover ------------------

inline bool isDotName(const char *n)
{
    return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

// Reads the names of an open folder. On Linux it calls getdents64 straight
// into a buffer reused for every folder the thread lists, which spares the
// allocation and the descriptor check fdopendir makes per folder.
class FolderReader final
{
public:
    // User-provided, so that make_unique leaves the buffer as it is rather
    // than clearing 32 KB for every walk.
    FolderReader() {}
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;
#ifdef __linux__
    void start(int fd)
    {
        m_fd = fd;
        m_pos = m_end = 0;
    }

    // The next name other than "." and "..", or nullptr at the end (or on a
    // read error, which ends the folder like an unreadable one).
    const char *next()
    {
        for (;;) {
            if (m_pos >= m_end) {
                const long n = ::syscall(SYS_getdents64, m_fd, m_buffer, sizeof m_buffer);
                if (n <= 0)
                    return nullptr;
                m_pos = 0;
                m_end = size_t(n);
            }
            // struct linux_dirent64: u64 ino, s64 off, u16 reclen, u8 type, name.
            const char *record = m_buffer + m_pos;
            unsigned short reclen;
            std::memcpy(&reclen, record + 16, sizeof reclen);
            m_pos += reclen;
            if (!isDotName(record + 19))
                return record + 19;
        }
    }

private:
    alignas(8) char m_buffer[32768];
    size_t m_pos = 0;
    size_t m_end = 0;
    int m_fd = -1;
#else
    ~FolderReader()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    void start(int fd)
    {
        if (m_dir)
            ::closedir(m_dir);
        m_dir = ::fdopendir(::dup(fd));
    }
    const char *next()
    {
        while (m_dir) {
            const dirent *de = ::readdir(m_dir);
            if (!de)
                break;
            if (!isDotName(de->d_name))
                return de->d_name;
        }
        return nullptr;
    }

private:
    DIR *m_dir = nullptr;
#endif
};


// The folders of one walk still to be done, shared by its threads and taken
// last-first, so the walk goes depth first and the stack stays small.
template<typename Item>
class WorkStack final
{
public:
    WorkStack() = default;
    WorkStack(const WorkStack &) = delete;
    WorkStack &operator=(const WorkStack &) = delete;

    void push(Item item)
    {
        std::lock_guard lock(m_mutex);
        m_items.push_back(std::move(item));
    }

    // The next item, or false once every item is done (or stop() was
    // called). `whileWaiting`, when set, is called about every `poll` while
    // the thread waits for work (without the lock held): the calling thread
    // of a walk keeps its duties that way.
    bool take(Item &out, const std::function<void()> &whileWaiting = {},
              std::chrono::milliseconds poll = std::chrono::milliseconds(20))
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_stopped)
                return false;
            if (!m_items.empty()) {
                out = std::move(m_items.back());
                m_items.pop_back();
                ++m_busy;
                return true;
            }
            if (m_busy == 0) {
                m_stopped = true;
                m_wake.notify_all();
                return false;
            }
            ++m_waiting;
            if (whileWaiting) {
                m_wake.wait_for(lock, poll);
                --m_waiting;
                lock.unlock();
                whileWaiting();
                lock.lock();
            } else {
                m_wake.wait(lock);
                --m_waiting;
            }
        }
    }

    // Ends one taken item, handing in the items it led to (in the order
    // found; the last is taken first).
    void give(std::vector<Item> &more)
    {
        std::lock_guard lock(m_mutex);
        --m_busy;
        const std::size_t added = more.size();
        for (Item &item : more)
            m_items.push_back(std::move(item));
        more.clear();
        if (m_waiting == 0)
            return;
        if (added > 1 || (m_items.empty() && m_busy == 0))
            m_wake.notify_all();
        else if (added == 1)
            m_wake.notify_one();
    }

    // Every thread's next take() returns false. Items left are dropped.
    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_wake.notify_all();
    }

    std::size_t pending()
    {
        std::lock_guard lock(m_mutex);
        return m_stopped ? 0 : m_items.size();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Item> m_items;
    int m_busy = 0;
    int m_waiting = 0;
    bool m_stopped = false;
};

// The helper threads of one walk, and when to take them: after the calling
// thread has done a few dozen folders alone or has been at it a few
// milliseconds (a cache root of three files never pays for a thread), one
// per core; then, while the threads spend most of their time off the
// processor (waiting for the disk, mostly), twice as many each time, up to
// fs::walkThreads().io. A calling thread that mostly waited from the start
// takes all of those at once. Owned and driven by the calling thread.
class Crew final
{
public:
    // `work` is what every helper runs; its argument is the helper's index
    // (1, 2, ...; the calling thread is 0).
    // `maxThreads` > 0 caps the threads, the calling one included.
    explicit Crew(std::function<void(int index)> work, int maxThreads = 0);
    Crew(const Crew &) = delete;
    Crew &operator=(const Crew &) = delete;
    ~Crew();  // joins

    // Called by the calling thread between folders and while it waits:
    // `folders` it has done so far, `pending` folders waiting on the stack.
    void consider(int folders, std::size_t pending);
    // Waits for every helper to return.
    void join();
    // Threads at work, the calling thread included.
    int size() const { return 1 + int(m_helpers.size()); }

private:
    struct Helper
    {
        std::thread thread;
        clockid_t clock{};
        bool hasClock = false;
    };
    using Clock = std::chrono::steady_clock;

    void add(int count);
    // Processor time of every thread so far, in ms.
    double busyMs() const;
    // Whether `threads` threads spent most of the time since the last
    // sample off the processor; takes a new sample.
    bool waitedMostly(Clock::time_point now, int threads);

    const std::function<void(int)> m_work;
    int m_cpuThreads = 1;
    int m_ioThreads = 1;
    int m_helpersAfterFolders = 0;
    std::vector<Helper> m_helpers;
    Clock::time_point m_start;
    Clock::time_point m_sampledAt;
    double m_busyAt = 0;
    bool m_measuring = false;  // the calling thread times itself
    bool m_started = false;    // helpers were called in
};

} // namespace fs::pool

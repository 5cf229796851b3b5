#include "history/folderwalk.h"

#include "scan/walkpool.h"

#include <QFile>

#include <memory>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include <sys/resource.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif
#include <unistd.h>

namespace folderwalk {

namespace {

// What the threads of one walk share: the files with several names seen so
// far, counted by whichever thread meets one first.
struct Shared
{
    const Skip *skip = nullptr;
    const ExclusionMatcher *excluded = nullptr;  // files; null: none
    bool lowPriority = false;
    std::mutex seenMutex;
    std::set<std::pair<dev_t, ino_t>> seen;

    bool firstSight(const struct stat &st)
    {
        std::lock_guard lock(seenMutex);
        return seen.emplace(st.st_dev, st.st_ino).second;
    }
};

class SizeLister final : public fs::pool::Lister
{
public:
    explicit SizeLister(Shared &shared) : m_shared(shared) {}

    void beginFolder(const std::string &folder) override
    {
        m_folders.push_back({folder, 0});
        m_folderText.clear();
    }

    bool entry(const char *name, std::size_t length, const struct stat &st, long long) override
    {
        if (S_ISLNK(st.st_mode))
            return false;
        if (S_ISDIR(st.st_mode)) {
            if (*m_shared.skip) {
                fs::Entry e;
                e.name = QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length)));
                e.isDir = true;
                if ((*m_shared.skip)(folderText(), e))
                    return false;
            }
            m_folders.back().second += qint64(st.st_blocks) * 512;
            return true;
        }
        if (m_shared.excluded
            && m_shared.excluded->matchesChild(m_shared.excluded->needsFolder() ? folderText() : QString(),
                                               QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length)))))
            return false;
        if (st.st_nlink > 1 && !m_shared.firstSight(st))
            return false;
        m_folders.back().second += qint64(st.st_blocks) * 512;
        return false;
    }

    std::vector<std::pair<std::string, qint64>> &folders() { return m_folders; }

private:
    const QString &folderText()
    {
        if (m_folderText.isNull()) {
            const std::string &f = m_folders.back().first;
            m_folderText = QFile::decodeName(QByteArray::fromRawData(f.data(), qsizetype(f.size())));
        }
        return m_folderText;
    }

    Shared &m_shared;
    QString m_folderText;  // the folder being listed, decoded when a subfolder needs it
    std::vector<std::pair<std::string, qint64>> m_folders;
};

} // namespace

bool ownBytes(const QString &root, const Skip &skip, const ExclusionMatcher *excluded, int maxThreads,
              bool lowPriority, const std::atomic_bool *cancel, QHash<QString, qint64> &out)
{
    out.clear();
    const QByteArray native = QFile::encodeName(root);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return !(cancel && cancel->load());
    Shared shared;
    shared.skip = &skip;
    shared.excluded = excluded && !excluded->isEmpty() ? excluded : nullptr;
    shared.lowPriority = lowPriority;
    std::vector<std::unique_ptr<SizeLister>> listers;
    fs::pool::Walk walk;
    walk.root = native.toStdString();
    walk.device = st.st_dev;
    walk.cancel = cancel;
    walk.maxThreads = maxThreads;
    walk.makeLister = [&](int) -> fs::pool::Lister * {
        // Called by each thread of the walk itself, before its first folder.
        if (shared.lowPriority)
            lowerThreadPriority();
        listers.push_back(std::make_unique<SizeLister>(shared));
        return listers.back().get();
    };
    const bool done = fs::pool::run(walk);
    for (const auto &l : listers) {
        for (const auto &[folder, bytes] : l->folders())
            out[QFile::decodeName(QByteArray::fromRawData(folder.data(), qsizetype(folder.size())))] += bytes;
    }
    return done;
}

void lowerThreadPriority()
{
#ifdef __linux__
    // ioprio_set(IOPRIO_WHO_PROCESS, tid, IOPRIO_PRIO_VALUE(IOPRIO_CLASS_IDLE, 0)):
    // with a thread id, both calls act on that thread alone.
    constexpr int kWhoProcess = 1;
    constexpr int kClassIdle = 3;
    constexpr int kClassShift = 13;
    const long tid = ::syscall(SYS_gettid);
    ::syscall(SYS_ioprio_set, kWhoProcess, int(tid), kClassIdle << kClassShift);
    ::setpriority(PRIO_PROCESS, id_t(tid), 19);
#endif
}

} // namespace folderwalk

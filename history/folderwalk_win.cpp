#include "history/folderwalk.h"

#include <windows.h>

#include <QSet>

namespace folderwalk {

bool ownBytes(const QString &root, const Skip &skip, const ExclusionMatcher *excluded, int, bool lowPriority,
              const std::atomic_bool *cancel, QHash<QString, qint64> &out)
{
    // Windows walks on the calling thread alone.
    out.clear();
    if (lowPriority)
        lowerThreadPriority();
    fs::Entry top;
    if (!fs::stat(root, top) || !top.isDir || top.isLink)
        return !(cancel && cancel->load());
    out.insert(root, 0);
    QSet<QPair<qint64, qint64>> seen;
    // Files come folder by folder: the folder of the last one is looked up
    // again only when it changes.
    QString lastFolder;
    qint64 *lastBytes = nullptr;
    const fs::FolderFilter filter = [&](const QString &parent, const fs::Entry &folder) {
        if (folder.isLink || (skip && skip(parent, folder)))
            return true;
        out[parent] += folder.allocated;
        out.insert(fs::join(parent, folder.name), 0);
        lastBytes = nullptr;
        return false;
    };
    return fs::walk(root, cancel, filter, [&](const QString &path, const fs::Entry &file) {
        const qsizetype cut = path.lastIndexOf(u'/');
        const QStringView folder = QStringView(path).left(cut <= 2 ? cut + 1 : cut);
        if (!lastBytes || folder != lastFolder) {
            lastFolder = folder.toString();
            lastBytes = &out[lastFolder];
        }
        if (excluded && !excluded->isEmpty() && excluded->matchesChild(lastFolder, file.name))
            return;
        if (file.links > 1 && file.inode != 0) {
            if (seen.contains({file.device, file.inode}))
                return;
            seen.insert({file.device, file.inode});
        }
        *lastBytes += file.allocated;
    });
}

void lowerThreadPriority()
{
    SetThreadPriority(GetCurrentThread(), THREAD_MODE_BACKGROUND_BEGIN);
}

} // namespace folderwalk

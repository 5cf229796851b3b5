#include "largefiles/largefilecollector.h"

#include "scan/pathrules.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

LargeFileCollector::LargeFileCollector(qint64 thresholdBytes, const QStringList &exclusions,
                                       ProgressFn progress, Clock clock)
    : m_threshold(thresholdBytes)
    , m_exclusions(exclusions)
    , m_progress(std::move(progress))
    , m_clock(std::move(clock))
{
    if (!m_clock)
        m_timer.start();
    m_lastProgress = now();
}

void LargeFileCollector::addFile(const QString &path, const fs::Entry &entry)
{
    countFiles(1, QFileInfo(path).absolutePath());
    consider(path, entry);
}

void LargeFileCollector::countFiles(qint64 files, const QString &folder)
{
    m_checked += files;
    if (!m_progress)
        return;
    // Read once per folder (or batch of files), not per file.
    const qint64 t = now();
    if (t - m_lastProgress > LargeFileFinder::kProgressIntervalMs) {
        m_lastProgress = t;
        m_progress(m_checked, folder, found(), m_foundBytes, m_largest);
    }
}

void LargeFileCollector::consider(const QString &path, const fs::Entry &entry)
{
    // Almost every file stops at the size test; only the few large ones pay
    // for the pattern matcher.
    if (entry.allocated < m_threshold)
        return;
    if (!m_exclusions.isEmpty() && isExcluded(path, m_exclusions))
        return;

    LargeFile file;
    file.path = path;
    file.name = entry.name;
    file.dir = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    file.kind = largeFileKind(entry.name);
    file.bytes = entry.allocated;
    file.lastUsed = QDateTime::fromMSecsSinceEpoch(qMax(entry.mtime, entry.atime));

    m_foundBytes += file.bytes;
    keepLargest(m_largest, file, LargeFileFinder::kLargestShown);
    m_found.append(std::move(file));
}

QList<LargeFile> LargeFileCollector::takeFiles()
{
    QList<LargeFile> files = std::move(m_found);
    m_found.clear();
    // Walkers on several threads find files in no set order: equal sizes go
    // by path, so which of them survive the cut never depends on timing.
    std::sort(files.begin(), files.end(), [](const LargeFile &a, const LargeFile &b) {
        return a.bytes != b.bytes ? a.bytes > b.bytes : a.path < b.path;
    });
    if (files.size() > LargeFileFinder::kMaxResults)
        files.resize(LargeFileFinder::kMaxResults);
    return files;
}

void keepLargest(QList<LargeFile> &largest, const LargeFile &file, int limit)
{
    if (limit <= 0)
        return;
    if (largest.size() >= limit && file.bytes <= largest.last().bytes)
        return;
    const auto at = std::find_if(largest.begin(), largest.end(),
                                 [&file](const LargeFile &f) { return f.bytes < file.bytes; });
    largest.insert(at, file);
    while (largest.size() > limit)
        largest.removeLast();
}

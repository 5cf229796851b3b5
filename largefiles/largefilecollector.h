#pragma once

// What the large-file worker keeps during one walk: the files found, the
// counters, the largest-so-far list and the progress clock. Kept apart from
// the thread so the bookkeeping can be driven file by file with a chosen
// clock.

#include "largefiles/largefilefinder.h"
#include "scan/fs.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class LargeFileCollector final
{
public:
    using ProgressFn = std::function<void(qint64 filesChecked, const QString &currentDir, int found,
                                          qint64 foundBytes, const QList<LargeFile> &largest)>;
    // Milliseconds from any fixed origin, never going back.
    using Clock = std::function<qint64()>;

    // The progress clock starts here. Without a clock a monotonic timer is
    // used.
    LargeFileCollector(qint64 thresholdBytes, const QStringList &exclusions, ProgressFn progress,
                       Clock clock = {});

    // One file met by the walk: countFiles(1, its folder), then consider().
    // Progress is reported before the file itself is judged, so its figures
    // never include the file being looked at.
    void addFile(const QString &path, const fs::Entry &entry);
    // `files` more met by the walk, the last of them in `folder`; reports
    // progress when kProgressIntervalMs have passed since the last report.
    void countFiles(qint64 files, const QString &folder);
    // Keeps the file when it reaches the threshold and no exclusion matches
    // it; does not count it.
    void consider(const QString &path, const fs::Entry &entry);

    qint64 filesChecked() const { return m_checked; }
    int found() const { return int(m_found.size()); }
    qint64 foundBytes() const { return m_foundBytes; }
    const QList<LargeFile> &largest() const { return m_largest; }

    // The files found, largest first (equal sizes by path), cut to
    // LargeFileFinder::kMaxResults. Leaves the collector empty.
    QList<LargeFile> takeFiles();

private:
    qint64 now() const { return m_clock ? m_clock() : m_timer.elapsed(); }

    const qint64 m_threshold;
    const QStringList m_exclusions;
    const ProgressFn m_progress;
    const Clock m_clock;
    QElapsedTimer m_timer;
    qint64 m_lastProgress = 0;

    QList<LargeFile> m_found;
    qint64 m_checked = 0;
    qint64 m_foundBytes = 0;
    QList<LargeFile> m_largest;
};

// Puts file into largest (largest first, at most `limit` entries) after every
// entry of the same size, dropping whatever falls off the end.
void keepLargest(QList<LargeFile> &largest, const LargeFile &file, int limit);

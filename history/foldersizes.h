#pragma once

// Takes a reading of folder sizes: walks the home folder as the Space Map
// does (no other volumes, no links followed, no excluded folders, hidden and
// package folders left out) except that the catalogue's roots in it, and the
// hidden folders that hold them (~/.cache, ~/.local, AppData), are measured
// whole: they are where much of the space goes.
//
// With lowPriority, every thread of the walk, the calling one included,
// asks for the idle disk class and the lowest processor priority for the
// rest of its life: call it on a thread of its own, never the GUI thread.

#include "history/folderreading.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

struct FolderSizeRules
{
    QString root;                // the home folder
    QStringList exclusions;      // the user's exclusion patterns
    QStringList categoryRoots;   // absolute; those outside `root` are ignored
    // Relative paths recorded whatever their size when they still exist:
    // the newest reading's folders, so that one that shrinks stays on record.
    QStringList keep;
    int maxThreads = 2;
    bool lowPriority = true;
};

// Folders below FolderReading::kAllLevels are recorded from this share of
// the root's size, or from kRecordBytes, whichever is less.
inline constexpr double kRecordShare = 0.005;
inline constexpr qint64 kRecordBytes = qint64(256) * 1024 * 1024;

// The reading, timed at its start; none when `cancel` stopped the walk or the
// root is not a folder.
std::optional<FolderReading> readFolderSizes(const FolderSizeRules &rules, const std::atomic_bool *cancel = nullptr);

#pragma once

// The platform half of a reading of folder sizes (foldersizes.cpp decides
// what is entered and recorded).

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QHash>
#include <QString>

#include <atomic>
#include <functional>

namespace folderwalk {

// (parent, subfolder) -> true to leave the subfolder out. Called from every
// thread of the walk at once.
using Skip = std::function<bool(const QString &parent, const fs::Entry &folder)>;

// The bytes on disk each folder holds directly (its files, and the entries
// of its subfolders themselves), by absolute path as fs::join builds it, for
// every folder entered, the root included. Links are never entered nor
// counted, other volumes are not entered, a file with several names counts
// once, files `excluded` matches (when given) do not count. With lowPriority
// every thread of the walk lowers its own priority (lowerThreadPriority)
// before its first folder. False when `cancel` stopped the walk.
bool ownBytes(const QString &root, const Skip &skip, const ExclusionMatcher *excluded, int maxThreads,
              bool lowPriority, const std::atomic_bool *cancel, QHash<QString, qint64> &out);

// The calling thread's disk and processor priority, as low as they go, for
// the rest of the thread's life (a thread may not raise them back).
void lowerThreadPriority();

} // namespace folderwalk

#pragma once

// What grew: two readings of folder sizes compared, each change put where it
// happened. A folder's change is put on the child that accounts for most of
// it (kExplainedShare), and on that child's child, and so on: the list names
// the deepest folder that explains a change. A folder whose change is spread
// over several children is itself the place. A renamed folder shows as one
// folder gone and one new, and their parent, whose size hardly moved, not at
// all.

#include "history/folderreading.h"
#include "scan/category.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct FolderGrowth
{
    QString path;  // absolute, '/' separators (as fs::join builds paths)
    // Bytes at the older and the newer reading; none: the folder was not
    // there (or, with the flag set, was there but too small to be recorded,
    // and the figure is then what it held at most).
    std::optional<qint64> before;
    std::optional<qint64> after;
    bool beforeAtMost = false;
    bool afterAtMost = false;
    qint64 change = 0;   // after - before, a missing side counting 0
    // The cleanup category whose root is or holds the folder, empty when
    // none: the window and the command line offer to clean it.
    QString categoryId;

    friend bool operator==(const FolderGrowth &, const FolderGrowth &) = default;
};

struct FolderGrowthReport
{
    QDateTime before;  // the older reading's time; invalid when there were not two readings
    QDateTime after;   // the newer reading's time
    QString root;      // the folder both measured
    qint64 bytesBefore = 0;
    qint64 bytesAfter = 0;
    // The places of the changes, largest change (either way) first; changes
    // below kMinChange are left out.
    QList<FolderGrowth> entries;
    // The change of every folder of the newer reading, by absolute path (a
    // folder new since: its whole size), for a treemap to colour by.
    QHash<QString, qint64> changes;

    bool isValid() const { return before.isValid() && after.isValid(); }
};

namespace foldergrowth {

// A child that accounts for this share of its parent's change is the place.
inline constexpr double kExplainedShare = 0.75;
inline constexpr qint64 kMinChange = 1024 * 1024;

// `older` against `newer` (of the same root; otherwise an invalid report).
// Folders `exclusions` match now are taken out of both readings, sizes of
// the folders above them included: they are never reported even if an
// older reading measured them. `categories` give the categories' roots.
FolderGrowthReport compare(const FolderReading &older, const FolderReading &newer,
                           const QList<CategoryDef> &categories = {}, const QStringList &exclusions = {});

} // namespace foldergrowth

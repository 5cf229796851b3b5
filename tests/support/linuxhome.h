#pragma once

// A home folder laid out the way common Linux applications really leave it:
// caches, logs and crash reports next to the live data that sits beside them
// (browser profiles, offline music, virtual environments, saved games), with
// proportionate sizes and ages. Built under a scratch folder:
//
//     <root>/home             HOME, with .cache, .config and .local/share
//     <root>/tmp              TMPDIR
//     <root>/sys/var/tmp      the system folders (LinuxBases::system = <root>/sys)
//
// Sizes are real allocated data, scaled down a thousand times (a 2.5 GB model
// cache is 2.5 MB here), so a scan of the tree measures what a cleanup of
// the real home would free.

#include <QList>
#include <QString>

#include <utility>

#include "scan/catalogue.h"

struct LinuxHomeFile
{
    const char *path;  // relative to the root
    int kib;           // allocated size in KiB
    int ageDays;       // mtime this many days ago; 0: written just now
};

// Every file of the tree. A few more entries are not plain files: the store
// of pnpm hard-linked into a project, and the "current" links of Snap.
const QList<LinuxHomeFile> &linuxHomeFiles();

// Small files whose contents matter (the records a build tool keeps beside
// what it downloaded), as (path relative to the root, text).
const QList<std::pair<const char *, const char *>> &linuxHomeTexts();

// Builds the tree under `root` (which must exist); false when the operating
// system refused part of it. Folders get the time of the newest file inside.
// Ages are counted from the engines' clock, which this moves sixty days ahead
// (fs::detail::setClockOffset) for the rest of the process.
bool buildLinuxHome(const QString &root);

// The catalogue bases for a tree built under `root`.
LinuxBases linuxHomeBases(const QString &root);

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
// the real home would free. The files, their sizes and ages are listed in
// tests/fixtures/scan/linuxhome.tsv; a few more entries are not plain files:
// the store of pnpm hard-linked into a project, and the "current" links of
// Snap.

#include <QString>

#include "scan/catalogue.h"

// Builds the tree under `root` (which must exist); false when the operating
// system refused part of it. Folders get the time of the newest file inside.
// Ages are counted from the engines' clock, which this moves sixty days ahead
// (fs::detail::setClockOffset) for the rest of the process.
bool buildLinuxHome(const QString &root);

// The catalogue bases for a tree built under `root`.
LinuxBases linuxHomeBases(const QString &root);

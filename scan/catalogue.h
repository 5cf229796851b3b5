#pragma once

// The two catalogues as plain functions over folder bases. Both are compiled on
// every platform so that tests can build either one over temporary folders;
// defaultCategories() picks the one of the running platform and fills the
// bases from the environment.

#include "scan/category.h"

struct WindowsBases
{
    QString localAppData;  // empty: app-cache discovery skips it
    QString appData;       // empty: app-cache discovery skips it
    QString systemRoot = QStringLiteral("C:/Windows");
    QString programData = QStringLiteral("C:/ProgramData");
    QString temp;
    QString home;

    // LOCALAPPDATA, APPDATA, SystemRoot, ProgramData (with their defaults),
    // QDir::tempPath(), QDir::homePath().
    static WindowsBases fromEnvironment();
};

struct LinuxBases
{
    QString home;
    QString cache;   // $XDG_CACHE_HOME or home/.cache
    QString config;  // $XDG_CONFIG_HOME or home/.config
    QString data;    // $XDG_DATA_HOME or home/.local/share
    QString temp;    // QDir::tempPath()
    // Prefix of the system folders the catalogue looks at (/var/tmp,
    // /var/crash, the package caches). "/" in real use; tests point it at a
    // temporary folder.
    QString system = QStringLiteral("/");

    static LinuxBases fromEnvironment();
};

// QDir::cleanPath(a + "/" + b); also turns '\' into '/' on Windows.
QString catalogueJoin(const QString &a, const QString &b);

// Both first judge every base by where it really points: one that is the
// home folder or holds it, lies in a protected location, overlaps another
// base, or (other than a temporary folder, which is listed at its real path)
// is a link or is reached through one below the home folder gives no roots,
// and the categories built from it carry a note saying why. The trash folder
// of a volume mounted in a base (".Trash", ".Trash-*") is never a cache.
QList<CategoryDef> windowsCatalogue(const WindowsBases &bases);
QList<CategoryDef> linuxCatalogue(const LinuxBases &bases);

// Building blocks, exposed for the tests.

// Cache folders of applications: for each base, every subfolder A not in the
// skip set holding one of the eight cache-folder names directly (A · N) or one
// level further down (A E · N).
QList<CategoryRoot> discoverAppCaches(const QStringList &bases, const QStringList &extraSkips = {});

// Cache roots of the "Default" and "Profile *" folders of a Chromium-family
// user-data folder. Sub-paths are looked for under each folder of
// lookupBases (default: the user-data folder itself) + "/" + profile.
QList<CategoryRoot> chromiumProfileRoots(const QString &userData, const QString &browser,
                                         const QStringList &lookupBases = {});

// <profiles>/<P>/cache2 for every subfolder P, labelled "Firefox · P".
QList<CategoryRoot> firefoxProfileRoots(const QString &profilesDir);

// The app-cache skip set and the eight cache-folder names, in order.
const QStringList &appCacheSkipSet();
const QStringList &cacheFolderNames();

#pragma once

// The two questions asked of every path before it is counted or removed: did
// the user exclude it, and is it a location that must never be touched.
// Comparisons are made between normalised texts: '/' separators, cleaned,
// lower case.

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

// QDir::fromNativeSeparators + QDir::cleanPath + toLower. On Linux '\' is an
// ordinary file-name character and stays as it is.
QString normalizePath(const QString &path);

// The user's own folders, the one place that names them for the settings
// file, the cleanup logs, the trash, the update folder and the catalogue.
// Elsewhere than Windows they follow the XDG base-directory rules: the
// variable's value when it is an absolute path, otherwise the default below
// the home folder. A relative or empty value is invalid and ignored:
// XDG_CONFIG_HOME='~/.config' with the tilde left unexpanded would put the
// settings and logs below whatever folder the program was started in, where
// the exclusions are missing and no restore finds the logs. Cleaned, with
// '/' separators. On Windows: the application-data folders.
enum class UserFolder { Config, Data, Cache };
QString userFolder(UserFolder which);

// A run as root keeps to root's own folders. Once, at start and before
// anything reads them, HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME and
// TMPDIR are kept only where they name folders that are root's alone (see
// posixfs::openRootsOwn; for a folder still to be made, the nearest one that
// exists). Otherwise HOME becomes root's home from the password database and
// the others are dropped, so they fall back below it (and to /tmp). A run
// with another user's environment (sudo -E) then neither reads that user's
// settings, logs and trash nor leaves a folder of root's in their home, and a
// link the user puts there leads nowhere. Returns the "NAME=value" settings
// set aside (empty when none, and always on Windows and for other users);
// later calls return the first call's answer.
QStringList keepRootInItsOwnFolders();

// True when path or one of its folders matches one of the user's exclusion
// patterns. Patterns with '/' match the path and everything below it; patterns
// without '/' match any single component. "**" spans folders, "*" and "?" stay
// inside one component, a leading '~' is the home folder. Empty or blank
// patterns, and patterns that cannot be compiled, never match.
// Thread-safe: one process-wide mutex guards the compiled-pattern cache.
bool isExcluded(const QString &path, const QStringList &patterns);

// The user's exclusions compiled once for a whole walk, so that every entry
// inside an item can be asked about without the process-wide lock. matches()
// answers exactly what isExcluded() answers. matchesChild() is the walker's
// question: `folder` (normalised) was reached by a walk that already left out
// every excluded folder above it, so patterns that look at single components
// only need the new name. "**/x" patterns (x without '/') are such component
// patterns for every entry below an absolute folder. Immutable after
// construction; a copy may be used on another thread.
class ExclusionMatcher final
{
public:
    ExclusionMatcher() = default;
    // With guardedApps, what is never offered is left alone inside an item
    // too: folders named like a guarded application's (a password manager's,
    // an input method's, ...), as the whole item would be, and the folders and
    // files neveroffer names (local histories, writes not yet uploaded, tokens,
    // key and cookie stores).
    explicit ExclusionMatcher(const QStringList &patterns, bool guardedApps = false);

    bool isEmpty() const
    {
        return !m_guardedApps && !m_keepLinked && !m_keepLocalBuilds && m_itemRoot.isEmpty() && m_names.isEmpty()
            && m_components.isEmpty() && m_paths.isEmpty();
    }
    // The folder item being walked, exactly as the walk names it: settings
    // files directly in it (neveroffer::isSettingsFileName) stay.
    void setItemRoot(const QString &path) { m_itemRoot = path; }
    // Folders of a build tool's local repository that hold what the user's
    // own projects installed there (neveroffer::isLocalBuild) stay.
    void setKeepsLocalBuilds(bool on) { m_keepLocalBuilds = on; }
    // Files that have other names too stay, silently (a package store whose
    // files are hard-linked into the projects that use them).
    void setKeepsLinkedFiles(bool on) { m_keepLinked = on; }
    bool keepsLinkedFiles() const { return m_keepLinked; }
    // Whether a file (not a folder) with `links` names stays for that reason.
    bool keepsFile(qint64 links) const { return m_keepLinked && links > 1; }
    bool matches(const QString &path) const;
    // `isFolder`: the entry is a folder (only folders are guarded by name).
    bool matchesChild(const QString &folder, const QString &name, bool isFolder = false) const;
    // Whether matchesChild() looks at the folder at all; when it does not,
    // callers may pass an empty folder and spare building its text.
    bool needsFolder() const { return !m_paths.isEmpty() || !m_itemRoot.isEmpty() || m_keepLocalBuilds; }

private:
    struct PathPattern
    {
        QRegularExpression re;
        QString prefix;  // the literal text every match starts with
    };
    bool componentMatches(const QString &lowerName) const;

    QStringList m_patterns;             // as given, for matches()
    QSet<QString> m_names;              // literal component names, normalised
    QList<QRegularExpression> m_components;
    QList<PathPattern> m_paths;
    bool m_guardedApps = false;
    bool m_keepLinked = false;
    bool m_keepLocalBuilds = false;
    QString m_itemRoot;
};

// The user's patterns, and besides them each absolute one as the walks of a
// run spell the place it names. Patterns are matched as text, and one written
// through a link (or naming the real folder of a home reached through one)
// names the same files as the walked path without being the same text: its
// literal folder is also given with the links resolved, and, for each of
// `walked` (roots or items) that is reached through a link, what the pattern
// covers of that folder is also given in the folder's own spelling.
QStringList exclusionsAsWalked(const QStringList &patterns, const QStringList &walked);

// The regular expression one pattern compiles to (empty for a pattern that is
// ignored). Exposed for the tests.
QString exclusionRegex(const QString &pattern);

// Number of distinct patterns compiled so far in this process.
int compiledPatternCount();

// What isProtectedPath decides with: the home folder, its sub-folders that are
// protected themselves (not their contents), and the protected locations
// (protected together with everything inside them). All normalised.
struct ProtectionRules
{
    QString home;
    QStringList homeFolders;
    QStringList locations;
    bool windowsPaths = false;  // "c:/…" is absolute, '\' is a separator
    // Any folder named ".Trash" or ".Trash-<uid>" is a trash folder of some
    // volume (Linux): found by name, so no mount table is read per path.
    bool trashByName = false;
};

// The eight Windows system folders, normalised, in order.
QStringList windowsProtectedLocations(const QString &systemRoot, const QString &programFiles,
                                      const QString &programFilesX86);
// The Linux system folders plus the given trash folders, normalised.
QStringList linuxProtectedLocations(const QStringList &trashFolders);

ProtectionRules windowsProtectionRules(const QString &home, const QString &systemRoot,
                                       const QString &programFiles, const QString &programFilesX86);
ProtectionRules linuxProtectionRules(const QString &home, const QStringList &trashFolders);

// The rules of the running platform, from the environment (and on Linux the
// trash folders of the mounted volumes).
ProtectionRules currentProtectionRules();

// True when path is empty, relative, a drive/file-system root or a folder
// directly under it, the home folder, its parent, one of its protected
// sub-folders, or lies in a protected location.
bool isProtectedPath(const QString &path, const ProtectionRules &rules);
bool isProtectedPath(const QString &path);

// The protected locations of the running platform, recomputed on every call.
QStringList protectedLocations();

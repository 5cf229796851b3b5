#pragma once

// Keeps the engines away from the data of applications that must never be
// cleaned (password managers, input methods, security agents, VPNs) and from
// the caches of applications that are running right now.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <utility>

#ifdef Q_OS_UNIX
struct stat;
#endif

// The processes running at one moment. A value: the scanner keeps the one it
// took at the start of a scan, the cleaner takes its own.
struct RunningApps
{
    QSet<QString> bundleIds;                // platforms with application bundles only
    QHash<QString, QString> bundleNames;    // bundle identifier -> display name
    QSet<QString> processNames;             // lower-case executable base names without ".exe"
    QStringList processDirs;                // lower-case executable folders ending in '/', or ""
    // The folders the other processes use, each with the program name of
    // the first one met there: the folder its executable lies in, its
    // working folder, and the folder of each file it holds open (Linux; on
    // Windows the executables' folders only). Lower-case, cleaned, ending in
    // '/'; being sorted, the folders inside one folder are neighbours.
    QMap<QString, QString> usedFolders;

    // Adds one process from its executable path or bare name: the base name
    // (without ".exe") to processNames, the folder (or "" when name has no
    // '/') to processDirs. Blank names are ignored.
    void addProcess(const QString &imagePathOrName);
    // Adds a name known only as such (it may contain '/', e.g. kernel threads).
    void addBareName(const QString &name);
    // Adds a folder `program` uses to usedFolders. Relative paths are ignored.
    void addUsedFolder(const QString &folder, const QString &program);
};

// One row of the table of applications whose cache folders are recognised by
// name.
struct KnownApp
{
    QString folder;
    QString subfolder;  // empty: the folder alone decides
    QString bundleId;
    QString processName;
    QString displayName;
};

// The 74 guarded-app wildcard patterns, in order.
const QStringList &guardedAppPatterns();
// The known-app rows, in order (the eleven common rows first; Linux adds rows
// for its own folder names).
const QList<KnownApp> &knownApps();

// True when a component of path below the catalogue base that holds it
// matches a guarded-app pattern (whole component, any case). `bases` are
// normalised folders; a path below none of them is judged by every component.
bool isGuardedPath(const QString &path, const QStringList &bases);
// With the catalogue bases of the running platform (guardBases()).
bool isGuardedPath(const QString &path);
// Whether one name (a folder met inside an item) is a guarded app's.
bool isGuardedName(const QString &name);
// The folders the catalogue starts from: home, the XDG folders, the temp
// folders and the system folders it reads (Linux); the application-data,
// system, temp and home folders (Windows). Normalised.
QStringList guardBases();

// The running processes; empty when they cannot be listed. Processes whose
// executable cannot be read (protected ones) still give their bare name.
// The folders they use leave out this process's own.
// On Linux only the processes of appUser() count: another local user could
// otherwise name a process after an app and keep its cache from ever being
// cleaned.
RunningApps snapshot();

#ifdef Q_OS_UNIX
// The user whose running apps protect their caches: the real user, or for a
// run elevated through pkexec or sudo (effective uid 0) the user who asked
// for it, from PKEXEC_UID, else SUDO_UID, when that is a plain number.
uint appUser(uint realUid, uint effectiveUid, const QByteArray &pkexecUid, const QByteArray &sudoUid);
uint appUser();
// Whether the real uid on the "Uid:" line of a /proc/<pid>/status text is
// `uid`. False when the line is missing or unreadable.
bool isProcessOf(const QByteArray &status, uint uid);

// The file a line of a /proc/<pid>/maps text maps: its inode (never 0),
// its device where the line's "major:minor" reads, and its path unless the
// line names none or the file was removed since (" (deleted)").
struct MappedFile
{
    bool hasDevice = false;
    qint64 device = 0;
    qint64 inode = 0;
    QByteArray path;
};
QList<MappedFile> parseMaps(const QByteArray &maps);

// A lock of a /proc/locks text that is held, not waited for: the file's
// device and inode, and the holding process (0 or less when it has none, as
// for a lock taken through an open file description).
struct HeldLock
{
    qint64 device = 0;
    qint64 inode = 0;
    qint64 pid = 0;
};
QList<HeldLock> parseLocks(const QByteArray &locks);
#endif

// The folders whose sub-folders are each one program's own: a path's
// product folder is the first folder below the deepest of them that holds
// it, or the second below a folder many programs share (a vendor's, see
// appCacheSkipSet()). A base itself has none; a loose file directly in a
// base is its own, and nothing can lie in it.
struct ProductBases
{
    // Where a product folder is also known by its program's name:
    // LOCALAPPDATA and APPDATA on Windows, the XDG cache and config folders
    // elsewhere.
    QStringList appData;
    // Where only what a program uses tells: the XDG data folder, Flatpak's
    // ~/.var/app and Snap's ~/snap (an app's own folder in each), and the
    // home folder (a tool's dot-folder such as ~/.gradle).
    QStringList others;
};
// Those of the running platform, each also by its real path where a link
// leads to it. The scanner and the cleaner both judge by them.
ProductBases productBases();

// Display name of the running application that owns path, or empty: a
// known application's (by folder and process name or bundle identifier); a
// program named like the product folder, or running from it, below an
// appData base; or another process of the user that runs from, works in or
// holds a file open in the product folder (the program's name).
QString runningOwner(const QString &path, const RunningApps &apps, const ProductBases &bases);
// With productBases(), and again by the real path when a link leads to path
// (the processes' folders come without links).
QString runningOwner(const QString &path, const RunningApps &apps);

// Whether the items of a category are programs' caches (the app, browser and
// developer caches), which stay while a program that owns them runs.
bool isProgramCacheCategory(const QString &categoryId);

// A process that holds a file open: its program name (the executable's base
// name, or the bare process name where that is all there is; on Windows the
// Restart Manager's application name) and its process id.
struct FileHolder
{
    QString name;
    qint64 pid = 0;

    friend bool operator==(const FileHolder &, const FileHolder &) = default;
};

// Whether some process has the file open. Any failure reads as not in use.
// Checking many files: take one OpenFiles snapshot instead. Slow on Windows
// (a Restart Manager session): never call it on the GUI thread.
bool isFileInUse(const QString &path);

// The files held open or mapped by processes at one moment, for checking many
// files in one pass, with the processes that hold each. On Linux it is built
// from /proc/<pid>/fd and /proc/<pid>/maps and compares by device and inode;
// processes of other users that cannot be inspected are left out. On Windows
// it holds nothing and the questions go to the Restart Manager, one session
// per call of holders(), so ask for all the files of one batch at once and
// never on the GUI thread.
class OpenFiles final
{
public:
    enum class Scope {
        FilesAndFolders,
        // Only what holdsBusyFolder() and containsFolder() answer from: the
        // memory maps, the costly part, are not read.
        Folders,
    };
    static OpenFiles capture(Scope scope = Scope::FilesAndFolders);

    bool contains(qint64 device, qint64 inode) const;
    // The path itself (a final link is not followed).
    bool isInUse(const QString &path) const;
    // The processes holding each of `paths` that some process holds, in the
    // order met; paths nobody holds are left out. On Windows the Restart
    // Manager names the processes holding any file of a session, so the list
    // is split in halves as long as a half is held, within a budget of
    // sessions; a group still shared when the budget runs out gives every
    // file in it the group's holders (never fewer than the truth).
    // A folder path among `paths` gets the holders of every busy folder
    // (see holdsBusyFolder) at or below it.
    QHash<QString, QList<FileHolder>> holders(const QStringList &paths) const;
    qsizetype size() const { return m_files.size(); }

    // Folders programs are working in: the working folder or root of a
    // process, or a folder a process holds open, which is also how a BSD
    // lock is held (tmpfiles.d's convention for keeping long-running work
    // in /tmp). Such a folder is busy like an open file, and so is every
    // folder that holds one: nothing in it is offered or removed.
    //
    // On Linux the working folders, roots and open folders come from
    // /proc/<pid>/{cwd,root,fd} of every process that can be inspected
    // (other users' only as root), BSD and POSIX locks from /proc/locks
    // (every process's, though a holder this process cannot inspect is known
    // by its identity only, not its path). This process's own open folders
    // do not count: they are its walks. On Windows a folder is busy when it
    // cannot be opened for deletion because another process holds it.
    //
    // Whether the folder with this identity is busy itself.
    bool containsFolder(qint64 device, qint64 inode) const;
    // Whether the folder at `path`, or one below it, is busy; its holders,
    // when known, are added to `holders` (each process once).
    bool holdsBusyFolder(const QString &path, QList<FileHolder> *holders = nullptr) const;

private:
#ifdef Q_OS_UNIX
    // Adds the folder `st` describes, reached through the /proc link `link`
    // of `dirFd`, held by `holder`.
    void addFolder(int dirFd, const char *link, const struct stat &st, const FileHolder &holder);
    // Adds the locks of a /proc/locks text.
    void addLocks(const QByteArray &locks);
#endif

    QHash<std::pair<qint64, qint64>, QList<FileHolder>> m_files;
    struct HeldFolder
    {
        QString path;  // as the holder sees it (no links); empty when unknown
        qint64 device = 0;
        qint64 inode = 0;
    };
    QHash<std::pair<qint64, qint64>, QList<FileHolder>> m_folders;
    QList<HeldFolder> m_folderPaths;
};

// Translated line for the Settings page (context "AppGuard").
QString guardedAppsText();

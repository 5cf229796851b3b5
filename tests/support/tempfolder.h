#pragma once

// A scratch folder for file-system tests. It lives under QDir::tempPath(),
// which CTest points into the build tree, and disappears with the object
// (permissions taken away by the test are given back first so it can).
//
// Every helper takes a path relative to the folder, creates missing parent
// folders, and returns the absolute path it made, or an empty string when the
// operating system refused (check with QVERIFY(!p.isEmpty())).
//
// Root ignores mode 000; permission checks belong in a child process that
// drops privileges (see privileges.h).
//
// Sockets, FIFOs, byte-string names, deep chains and the memory-backed base
// are for the POSIX-only tests. On Windows an unreadable folder is one whose
// access list grants nothing, and a symbolic link needs developer mode or the
// right to create links.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// A file of `bytes` bytes of real (allocated) data at `path`, its missing
// parent folders made.
bool writeFileOfSize(const QString &path, qint64 bytes);
// The modification time of `path` itself (of a link, not of its target).
bool setModificationTime(const QString &path, const QDateTime &when);
// A second name `link` for the existing file `existing`.
bool makeHardLink(const QString &existing, const QString &link);
// A symbolic link at `link` holding `target` verbatim (relative targets
// resolve from the link's folder).
bool makeSymlink(const QString &target, const QString &link);
// Creates (or truncates) the file at `path` and reserves `bytes` of disk
// space for it without writing them: a quick way to fill a disk or make a
// large file. False where the file system cannot allocate ahead.
bool allocateFile(const QString &path, qint64 bytes);

} // namespace testsupport

class TempFolder final
{
public:
    TempFolder();
    // A scratch folder under `baseFolder` instead of the temp folder.
    explicit TempFolder(const QString &baseFolder);
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // Absolute path of `relative` inside the folder (nothing is created).
    QString path(const QString &relative) const;

    QString makeDir(const QString &relative);
    QString makeFile(const QString &relative, const QByteArray &content = {});
    // A file of `bytes` bytes of real (allocated) data.
    QString makeFileOfSize(const QString &relative, qint64 bytes);
    // A file `logicalSize` long whose only allocated data is `dataBytes`
    // written at its start; the rest is a hole.
    QString makeSparseFile(const QString &relative, qint64 logicalSize, qint64 dataBytes = 0);
    QString makeHardLink(const QString &existingRelative, const QString &linkRelative);
    // `target` is stored verbatim: relative targets resolve from the link's folder.
    QString makeSymlink(const QString &target, const QString &linkRelative);
    // A folder with mode 000 (optionally holding one file made before the
    // permissions were taken away). The destructor restores the mode.
    QString makeUnreadableDir(const QString &relative, const QString &fileInside = {});
    bool setMTime(const QString &relative, const QDateTime &when);
    // Lets other users (the unprivileged child of privileges.h) into the
    // folder: mode 0755 on the folder itself.
    bool openToOthers();

#ifndef Q_OS_WIN
    // A base for trees that are expensive to create or remove on a disk
    // (tens of thousands of folders): /dev/shm when it is a writable tmpfs,
    // otherwise QDir::tempPath(). Only the folder TempFolder creates there is
    // touched.
    static QString memoryBackedBase();
    QString makeSocket(const QString &relative);
    QString makeFifo(const QString &relative);
    // A file or folder whose name is the raw bytes given (for example invalid
    // UTF-8). Returns the encoded absolute path, as the kernel sees it.
    QByteArray makeRawNamedFile(const QString &parentRelative, const QByteArray &rawName,
                                const QByteArray &content = {});

    // A chain of `depth` nested folders named `name` under `relative`, with a
    // file `fileName` holding `content` in the innermost one. Built relative
    // to each folder, so it may be far deeper than PATH_MAX allows to name.
    // Returns the path of the chain's top folder.
    QString makeDeepChain(const QString &relative, int depth, const QByteArray &content,
                          const QString &name = QStringLiteral("d"),
                          const QString &fileName = QStringLiteral("bottom.txt"));
#endif

private:
    QString prepare(const QString &relative);
    // Takes every right to `abs` away (mode 000, or an empty access list).
    static bool denyAll(const QString &abs);

    QTemporaryDir m_dir;
    QStringList m_locked;
#ifndef Q_OS_WIN
    void removeDeepChains();
    struct Chain
    {
        QString top;
        int depth;
        QByteArray name;
        QByteArray fileName;
    };
    QList<Chain> m_chains;
#endif
};

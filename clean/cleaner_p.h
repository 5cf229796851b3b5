#pragma once

// The removal primitives of the Cleaner, one implementation per platform
// (cleaner_win.cpp, cleaner_posix.cpp). cleaner.cpp decides what to remove;
// these decide how, and report every file that could not be removed.
//
// `anchor` is the folder that holds the item being cleaned. It is reached as
// the scan reached it; every folder below it is opened without following
// links (Linux). Windows goes by path, as its removal calls do.

#include "scan/appguard.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace removal {

// A file that could not be removed on this attempt, with the system's error
// code (0 when there is none to give).
struct Failure
{
    QString path;
    quint32 error = 0;
};

enum class Reach {
    Folder,    // a real folder, its entries listed
    Gone,      // nothing there any more
    Replaced,  // a link or a file where the scan saw a folder
};

class Remover final
{
public:
    Remover() = default;

    // Where files in use count as busy (Linux), the set of open files is
    // taken here, once per pass.
    void beginPass();

    // Names of the removable entries of `folder` (special files and names
    // that cannot be spelt again are left out), `folder` itself not followed.
    Reach entries(const QString &anchor, const QString &folder, QStringList &names) const;

    // Removes `path` (file, link or whole folder) for good. Each file that
    // stays is appended to `failures`; folders that stay are not reported.
    void removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const;
    // Moves `path` to the Recycle Bin; a folder that cannot move as a whole is
    // moved entry by entry. Failures carry error 0.
    void moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const;

    // One more try at a single file; true once it is gone.
    bool retryDelete(const QString &anchor, const QString &path, quint32 &error) const;
    bool retryTrash(const QString &anchor, const QString &path) const;

    // Removes `path` when it is an empty folder.
    bool removeEmptyFolder(const QString &anchor, const QString &path) const;

    // Told the bytes on disk of each file removePermanently deletes, so that a
    // large folder shows progress while it goes. Empty: nobody is told.
    using Removed = std::function<void(qint64 bytes)>;
    void setOnRemoved(Removed onRemoved) { m_onRemoved = std::move(onRemoved); }

private:
    OpenFiles m_open;
    Removed m_onRemoved;
};

} // namespace removal

#pragma once

// The freedesktop.org Trash (https://specifications.freedesktop.org/trash-spec/)
// as the Linux build's Recycle Bin. A trash folder holds files/ (the trashed
// entries), info/ (one NAME.trashinfo per entry: original path and deletion
// date) and sometimes expunged/. The home trash is $XDG_DATA_HOME/Trash; every
// other mounted volume may have $topdir/.Trash/$uid (only when .Trash is a
// real folder with the sticky bit) or $topdir/.Trash-$uid.
//
// Entries are moved, never copied: a file goes to the trash of its own volume
// or nowhere. Nothing here follows a symbolic link.

#include "app/platform.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace trash {

// $XDG_DATA_HOME/Trash, or ~/.local/share/Trash when the variable is unset or
// not absolute. The folder need not exist.
QString homeTrash();

// The trash folders of volume `topdir` that exist and may be used, in the
// order the freedesktop.org trash rules prefer them (.Trash/$uid first).
QStringList volumeTrashes(const QString &topdir);

// Every existing trash folder: the home trash, then those of every mounted
// volume, each once. This is what the Trash category measures and empties and
// what the path rules protect.
QStringList allTrashFolders();

// Allocated bytes below files/ and the number of entries directly in files/,
// summed over `trashFolders`. `progress`, when set, is told (folder, bytes so
// far, files so far) every few hundred files, as fs::measure tells it.
void measure(const QStringList &trashFolders, qint64 &bytes, qint64 &items,
             const std::function<void(const QString &, qint64, qint64)> &progress = {});

// Removes everything inside files/ and expunged/ of each folder (the folders
// themselves stay), and the records in info/ of what went (and those left
// without an entry). An entry of files/ that cannot be removed whole stays
// listed with its record, so that a desktop can still restore it; what was
// removed of it counts among the bytes. `progress`, when set, is told the
// bytes removed so far after each file.
BinEmptied empty(const QStringList &trashFolders, const std::function<void(qint64)> &progress = {});

// The trash folder a file at `path` belongs in, created if needed (home trash
// for the home volume, else the volume's own). Empty with *errorCode set (an
// errno value) when it cannot be had: EXDEV when the volume has no trash
// folder that may be used or made. With `make` unset nothing is created: the
// folder is named when it exists or could be made, by the same rules.
QString trashFolderFor(const QString &path, int *errorCode = nullptr, bool make = true);
// The same for an entry of device `device` at `path`: what a scan asks, once
// per device, without writing anything.
QString trashFolderForDevice(quint64 device, const QString &path, int *errorCode = nullptr, bool make = true);

// Moves `path` (a file, folder or link, never followed) into its trash with a
// matching info/NAME.trashinfo, so the desktop's trash can restore it. On
// success returns true and, when given, the new location in *trashedPath.
// On failure nothing was moved and *errorCode holds an errno value; there is
// no fallback to copying or deleting.
bool moveToTrash(const QString &path, int *errorCode = nullptr, QString *trashedPath = nullptr);
// The same for entry `name` of the open folder `parentFd`, whose path is
// `path` (what the .trashinfo records): the rename goes through the
// descriptors, so no link on the way to the entry is followed. A volume whose
// top folder is a catalogue base (or lies inside one) has no usable trash:
// EXDEV, rather than a trash folder inside what is being cleaned.
bool moveToTrashAt(int parentFd, const QByteArray &name, const QString &path, int *errorCode = nullptr,
                   QString *trashedPath = nullptr);
// The same into an explicit trash folder (which must be on path's volume).
bool moveToTrashFolder(const QString &path, const QString &trashFolder, int *errorCode = nullptr,
                       QString *trashedPath = nullptr);

// Opens trash folder `trashFolder`, a real folder of this user's, so that
// it is worked on through its descriptor; with `make`, creates it (mode 0700)
// when missing. As root it is reached only through folders that are root's
// alone (posixfs::openRootsOwn): no other user can swap it, or a folder above
// it, while it is used. -1 with errno set otherwise.
int openTrashFolder(const QString &trashFolder, bool make = false);
// Its files/ or info/ (`part`), opened (and made) the same way.
int openTrashPart(int trashFd, const char *part, bool make = false);

// True when `path` is a trash folder of allTrashFolders() or lies inside one.
bool isInsideTrash(const QString &path, const QStringList &trashFolders);

// What info/NAME.trashinfo of `trashFolder` says about entry NAME of its
// files/: the path it came from (a relative Path= is taken from the
// volume's top folder) and when it was trashed (local time). The record is
// opened without following a link and must be a plain file of sane size.
struct Info
{
    QString originalPath;
    QDateTime deleted;
};
bool readInfo(const QString &trashFolder, const QByteArray &name, Info &info);
// The same through trash folder `trashFolder`'s open info/ folder.
bool readInfoAt(int infoFd, const QString &trashFolder, const QByteArray &name, Info &info);
// The same for a record's text.
bool parseInfo(const QByteArray &text, const QString &trashFolder, Info &info);

} // namespace trash

#pragma once

// The two system calls every walker and remover of the POSIX build shares:
// describing an entry of an open folder, mount roots included, and opening a
// folder without following any link on the way.

#include <QString>

#include <sys/stat.h>

namespace posixfs {

// fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW), and whether the entry is
// the root of a mount: a bind mount of the same file system has the same
// st_dev as its parent, so only the mount identity tells (statx's
// STATX_ATTR_MOUNT_ROOT, or the mount ids of name_to_handle_at on kernels
// without it), and its birth time in ms since the Unix epoch (0 where the
// file system keeps none). False with errno set when the entry cannot be
// described.
bool statAt(int dirFd, const char *name, struct stat &st, bool *mountRoot = nullptr, qint64 *birthMs = nullptr);

// A name as text, also one that is not valid UTF-8: each byte that is not
// part of a valid sequence becomes a lone surrogate U+DC80..U+DCFF, which
// escapeControls() writes as \udcXX, so the bytes show. For reports only:
// such a text names no file.
QString shownName(const QByteArray &name);

// fs::lastTouched() of a described entry.
qint64 lastTouched(const struct stat &st, qint64 birthMs);

// Opens the folder at `path` for reading (O_DIRECTORY, close-on-exec). The
// deepest catalogue base that holds it (the home folder, the XDG folders, the
// temp folders, the system folders the catalogue reads; see guardBases()) is
// opened as named — those are the user's and the system's own settings — and
// every component below it is opened relative to the one before with
// O_NOFOLLOW, never entering a link or another mount. A path below no base
// is opened that way from "/". When the effective user is root, the base
// itself is reached from "/" without following a link too. Returns -1 with errno set: ELOOP or ENOTDIR
// when a component is a link or not a folder, EXDEV when it is a mount.
int openFolder(const QString &path);

// Opens `path` (a folder, or a file when `file` is set) from "/" one name at
// a time without following a link, and only when every folder on the way and
// the entry itself belong to root and no one else may change them: group
// write is allowed for root's own group, and a folder with the sticky bit
// (such as /tmp) may be writable by everyone, as no one may rename or remove
// root's entries in it. What root reads or writes there cannot be swapped by
// another user. Returns -1 with errno set: EPERM when one is not root's
// alone, ELOOP when one is a link, ENOENT when one is missing.
int openRootsOwn(const QString &path, bool file = false);

} // namespace posixfs

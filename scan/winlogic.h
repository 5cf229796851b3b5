#pragma once

// Decisions of the Windows back end that need no Windows to be made: the
// path form every file call gets, what a directory entry is by its
// attributes and reparse tag, and whose entries the shared temporary folder
// may offer. Compiled on every platform so that they are tested everywhere.

#include <QString>

namespace winlogic {

// The extended-length form of an absolute path: "\\?\C:\dir\name" for a
// drive path, "\\?\UNC\server\share\name" for a share; a path already in
// "\\?\" or "\\.\" form is kept. Names are kept exactly as given (a trailing
// dot or space, a reserved device name), only separators are made native and
// doubled ones merged. Empty for what cannot be turned into one path without
// guessing: a relative or drive-relative path, or a "." or ".." component.
QString extendedPath(const QString &path);

// Whether the shell, which takes plain paths only and parses them the Win32
// way, names exactly the entry `path` spells: an absolute drive or share
// path ('/' or '\\' separators) shorter than MAX_PATH, none of whose
// components the parsing would change or reinterpret. False for a trailing
// dot or space (stripped: the shell would act on a sibling), a reserved
// device name (CON, NUL, COM1, "nul.txt"...), a character Win32 names cannot
// hold (a ':' names a stream), a "." or ".." or empty component, a name
// ending in ".{GUID}" (the shell opens such a folder as the class it names),
// an extended "\\?\" or device "\\.\" path, and a root alone.
bool shellCanParse(const QString &path);

// What a directory entry is for measuring and removal.
enum class Kind {
    File,     // data, including cloud placeholders, WOF-compressed and deduplicated files
    Folder,   // a real folder (also a cloud placeholder folder)
    Link,     // a name for something elsewhere: never entered, counted or followed; removed as itself
    Special,  // a socket, FIFO or device made by WSL: never counted, listed or removed
};
Kind classify(quint32 attributes, quint32 reparseTag);

// Whether a mount-point reparse point (IO_REPARSE_TAG_MOUNT_POINT) whose
// substitute name is `target` mounts a volume rather than linking a folder
// (a junction names a drive path: "\??\C:\dir"). Anything else counts as a
// mount, so it is never removed.
bool isVolumeMount(const QString &target);

// Whether a file's data lives elsewhere (offline, or fetched from the cloud
// on access): such a file is described from its directory entry and never
// opened, so that measuring it does not download it.
bool mustNotOpen(quint32 attributes);

// The account whose entries of C:\Windows\Temp a run may offer, as a string
// SID: the run's own user when that is a person's account (an elevated
// administrator runs as the same user), otherwise the person signed in to the
// session (`sessionUser`, empty when unknown). Empty: nobody's. Entries
// owned by a group (an elevated process's files belong to Administrators by
// default) are never anyone's.
QString tempOwner(const QString &tokenUser, const QString &sessionUser);

// The token's elevation type (TOKEN_ELEVATION_TYPE: 1 default, 2 full,
// 3 limited) and whether what needs more rights is system-wide (Windows
// Update leftovers, C:\Windows\Temp) rather than the user's own: whether
// relaunching elevated can help. A limited token elevates as the same user;
// a default one that is not elevated belongs to a standard account (or runs
// with UAC off), whose elevation runs as another account: that reaches
// system folders, but the user's own categories would be cleaned for the
// wrong person.
bool elevationHelps(int elevationType, bool elevated, bool systemWide);

} // namespace winlogic

#pragma once

// The operating system behind a handful of free functions (drive figures, the
// Recycle Bin / Trash, revealing a file, elevation) and the small formatting
// helpers every page, the tray and the cleanup log share. Nothing here keeps
// state; failures come back as empty strings, zeros or false.
//
// Formatting is platform-free (app/format.cpp) and safe on any thread; the
// functions that depend on today's date have an overload taking the reference
// day so callers and tests can pin it.

#include <QDate>
#include <QDateTime>
#include <QString>

#include <QList>

#include <functional>
#include <utility>

struct VolumeInfo
{
    QString displayName;   // "Local Disk (C:)", "Local Disk (/)", or the volume label instead of "Local Disk"
    QString fileSystem;    // upper case, e.g. "NTFS", "EXT4"
    QString rootPath;
    qint64 totalBytes = 0;
    qint64 availableBytes = 0; // available to the current user
};

// ---- platform services (platform_win.cpp / platform_posix.cpp) -------------

// The volume holding the home folder; zero figures and the "Local Disk" label
// when it cannot be read.
VolumeInfo homeVolume();

// The bin's and the file manager's names where they stand alone: a heading,
// a list entry, a log line's field. A sentence that names them is written out
// once per platform with onPlatform() instead, so that each language can give
// the name its article, case and particles.
QString recycleBinName();   // "Recycle Bin" / "Trash", context "Platform"
QString fileManagerName();  // "File Explorer" / "File Manager", context "Platform"

// The Windows text or the one for elsewhere: onPlatform(X::tr("Move to Recycle
// Bin"), X::tr("Move to Trash")). lupdate sees both literals; only this
// platform's is evaluated.
#ifdef Q_OS_WIN
#define onPlatform(win, posix) (win)
#else
#define onPlatform(win, posix) (posix)
#endif

// Total allocated bytes and number of items in the bin of every volume.
// False (outputs untouched) when the bin cannot be queried at all. Where the
// bin is measured file by file (Linux), `progress` is told (folder, bytes so
// far, files so far) along the way, as fs::measure tells it.
bool recycleBinInfo(qint64 &bytes, qint64 &items,
                    const std::function<void(const QString &, qint64, qint64)> &progress = {});
// What emptying the bin did: the bytes on disk and the entries it removed,
// and the entries that stayed with why (a record of one stays with it, so
// that it can still be restored). An already empty bin is emptied.
struct BinEmptied
{
    qint64 bytes = 0;
    qint64 items = 0;
    QList<std::pair<QString, QString>> stayed;  // path (or the bin's name), reason
};
// Empties the bin of every volume without asking. Where files are removed one
// by one (Linux), `progress` is told the bytes removed so far.
BinEmptied emptyRecycleBin(const std::function<void(qint64)> &progress = {});

// Opens the file manager at `path`: a folder is opened, a file is shown
// selected in its folder. Fire and forget, except that `failed`, when given,
// is called (on this thread, maybe later) when nothing could be asked to
// show the path: it no longer exists, or no file manager could be started.
void revealInFileManager(const QString &path, const std::function<void()> &failed = {});

bool isElevated();
// Whether restarting elevated can reach what this run cannot; false once
// elevated. An administrator whose rights are held back (Windows' limited
// token) elevates as the same user, so it helps everywhere. Where elevation
// runs as another account (a standard Windows account, which needs an
// administrator's password; root through pkexec on Linux), it reaches only
// what belongs to the system (`systemWide`: Windows Update leftovers, the
// package cache): the user's own folders would be cleaned for the wrong
// person, so for those it does not help.
bool elevationHelps(bool systemWide);
// Starts a second, elevated instance; true when it was launched (the caller
// then quits), false when the prompt was refused or elevation is unavailable.
// `window` is the native handle of the window the prompt belongs to (0: the
// active one), so that the prompt comes to the front instead of flashing in
// the task bar.
bool relaunchElevated(quintptr window = 0);
// Calls `quit` (once, from the event loop) when Varnholt's installer or
// uninstaller asks this copy to end so that it can replace or remove its
// files: on Windows the registered window message "Varnholt.QuitForInstall"
// posted with this process's ID. A copy in the tray would otherwise only hide
// on the plain close request. Nothing elsewhere. Needs the application object.
void quitWhenInstallerAsks(const std::function<void()> &quit);

// ---- formatting (format.cpp) -----------------------------------------------

// Bytes in binary units: "0 KB", "1 KB" (anything from 1 byte), "1,024 KB",
// "12 MB", "1.5 GB", "150 GB", "1.0 TB". Negative counts as 0.
QString formatSize(qint64 bytes);
// An integer as the default locale writes it, with group separators.
QString formatNumber(qint64 n);
// "Today", "Yesterday", "%n day(s) ago" ... "%n year(s) ago" (context "fmt");
// empty for an invalid date-time; future dates are "Today".
QString relativeTime(const QDateTime &when);
QString relativeTime(const QDateTime &when, const QDate &today);
// The same text for use inside a sentence ("Scanned 3 days ago"): only the
// first letter is lowered, so languages that capitalise nouns keep them.
QString relativeTimeInText(const QDateTime &when);
QString relativeTimeInText(const QDateTime &when, const QDate &today);
// "m:ss" with unbounded minutes: 75 -> "1:15", 3600 -> "60:00"; negative -> "0:00".
QString formatDuration(qint64 seconds);
// Whole calendar months from `when` to today (a month is complete once today's
// day of the month reaches when's); 0 for invalid or future dates.
int monthsSince(const QDateTime &when);
int monthsSince(const QDateTime &when, const QDate &today);
// The path with native separators and the home folder shown as "~". Only a
// whole leading folder is replaced ("/home/al" never shortens "/home/alice").
QString displayPath(const QString &path);
QString displayPath(const QString &path, const QString &home);
// The size unit every threshold and figure is built on.
qint64 sizeUnitBase();
// A file name or path made safe to print in a log line or on a terminal.
// Text without C0/C1 controls (DEL included), bidirectional marks, embeddings,
// overrides and isolates (U+061C, U+200E, U+200F, U+202A-U+202E,
// U+2066-U+2069), line and paragraph separators (U+2028, U+2029), characters
// that show as nothing (U+00AD, U+200B, U+2060-U+2064, U+FEFF and a few more;
// see format.cpp) or unpaired surrogates comes back unchanged, unless it
// starts with '"'. Any other text
// comes back as a double-quoted C-style literal: "\\" and "\"" for the
// backslash and the quote, "\t", "\n", "\r", "\xhh" below U+0100 and
// "\uhhhh" above, lower-case hex. A result is quoted exactly when it starts
// with '"', so every result reads back to exactly one text.
QString escapeControls(const QString &text);

#pragma once

// The plain-text log one cleanup run leaves behind. The Cleaner writes it
// from its worker thread while it works; read() takes it back in for the
// list of recent cleanups and for putting a trash-mode run back.
//
// A log that cannot be written is not a failure of the run: when the folder
// cannot be created or the file cannot be opened, every line goes nowhere and
// path() still names the file that was meant.
//
// File names are chosen by whoever can create files, so every path and name
// goes through escapeControls() (app/platform.h) before it is written: a name
// holding a line break, a carriage return, a terminal escape or a bidi
// override cannot add, hide or disguise a line. Text without such characters
// is written as it is, so ordinary lines keep their plain form; a name that
// needs escaping is written as a double-quoted C-style literal ("\n", "\r",
// "\t", "\x1b", "\u202e", with "\\" and "\"" inside the quotes). Only
// such a name starts with '"', so a reader can tell the two forms apart and
// recover the exact name, while a backslash in an unquoted name (a Windows
// separator, or an ordinary character of a Linux name) stays a backslash.
//
// Each TRASHED line is followed by one line per entry the run moved into the
// trash for that item: two blanks, "-> ", the entry's place in the trash, a
// tab and the path it came from. A tab never occurs inside a written path
// (escapeControls quotes it), so the two paths split unambiguously. Logs
// written before these lines existed simply have none; readers that only
// look at status words skip them.

#include "scan/appguard.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>

class CleanupLog final
{
public:
    // Local time source; the file name and the header line each ask it once.
    using Clock = std::function<QDateTime()>;

    explicit CleanupLog(Clock clock = {});
    ~CleanupLog();
    CleanupLog(const CleanupLog &) = delete;
    CleanupLog &operator=(const CleanupLog &) = delete;

    // <generic data folder>/Varnholt/logs, native separators not applied.
    static QString folder();
    // Creates folder() with its parents; false when that fails.
    static bool ensureFolder();
    // "cleanup-yyyyMMdd-HHmmss.log" for a run started at `start`. A run that
    // finds that name taken (two runs in one second, or a local time the
    // clock passes twice when daylight saving ends) is the `run`th of that
    // name: "cleanup-yyyyMMdd-HHmmss-2.log", "-3", and so on.
    static QString fileName(const QDateTime &start, int run = 1);
    // The logs of folder() by their names, full paths, the latest run first:
    // the later time in the name, and of one time the higher number.
    static QStringList logs();

    // Creates the folder and makes a new file named after the current time,
    // never opening one that is there already. Returns the full path, also
    // when opening failed.
    QString open();
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_path; }

    // Moving to the bin, `deletedInstead` items that it cannot take are
    // deleted for good: the mode line says how many.
    void header(bool moveToTrash, qint64 selectedBytes, qint64 deletedInstead = 0);
    void categoryHeading(const QString &name, qint64 bytes);
    // "EXCLUDED <path>", and "  (<reason>)" when one is given.
    void excluded(const QString &path, const QString &reason = {});
    void skipped(const QString &pathOrName, const QString &reason);
    void skippedRunning(const QString &path, const QString &appName);
    // A file that stayed busy through every retry; errorCode 0 is not written.
    // The processes holding it follow inside the same brackets:
    // "(in use or access denied, error 16; held by sleep [4711], code [12, 13])".
    void skippedFinal(const QString &path, quint32 errorCode, const QList<FileHolder> &holders = {});
    // "sleep [4711], code [12, 13]": each program once, in the order met, its
    // name with runs of blanks and line breaks made one blank, then escaped.
    static QString heldByText(const QList<FileHolder> &holders);
    void busy(const QString &path, quint32 errorCode);
    void emptied(const QString &binName);
    void trashed(const QString &path, qint64 freedBytes);
    // One entry of the item just named by trashed(): where it went in the
    // trash and where it came from.
    void trashedTo(const QString &inTrash, const QString &original);
    void deleted(const QString &path, qint64 freedBytes);
    void blank();
    void summary(qint64 freedBytes, qint64 filesRemoved, qint64 skippedCount);
    void flush();

    // A status word padded to the column the paths start in, then `text`.
    static QString statusLine(const QString &word, const QString &text);

    // What a log says about its run, as far as listing and restoring need it.
    struct Move
    {
        QString inTrash;   // '/' separators
        QString original;  // '/' separators
    };
    struct Contents
    {
        bool valid = false;       // it starts like a cleanup log
        QDateTime started;        // the header's local time
        // The run's end. On Linux its start plus the time from making the file
        // to its last write: the header's time is the local time of the zone
        // the run had, the trash's records too, while the file's own times are
        // instants, which the zone in force now would shift if it differs. On
        // Windows, whose bin records instants, the last write itself.
        QDateTime written;
        bool toTrash = false;     // the run's mode was moving to the trash
        QString freedText;        // the summary's size text, as written
        QStringList trashedItems; // paths of the TRASHED lines
        QList<Move> moves;        // the entries those items left in the trash
        bool deleted = false;     // something was deleted for good (DELETED lines)
        bool emptied = false;     // the bin was emptied (an EMPTIED line)
    };
    // Reads the log at `path`; an unreadable or foreign file is not valid.
    static Contents read(const QString &path);
    // The text a written path or name stood for (escapeControls undone);
    // '/' separators. Empty for a quoted literal that is not well formed and
    // for a text holding a NUL, which no path does.
    static QString readPath(const QString &written);

private:
    void write(const QString &line);
    QDateTime now() const;

    Clock m_clock;
    QString m_path;
    QFile m_file;
};

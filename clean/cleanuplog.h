#pragma once

// The plain-text log one cleanup run leaves behind. The Cleaner writes it
// from its worker thread while it works; nothing ever reads it back.
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
    // "cleanup-yyyyMMdd-HHmmss.log" for a run started at `start`.
    static QString fileName(const QDateTime &start);

    // Creates the folder and opens (replacing) the file named after the
    // current time. Returns the full path, also when opening failed.
    QString open();
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_path; }

    void header(bool moveToTrash, qint64 selectedBytes);
    void categoryHeading(const QString &name, qint64 bytes);
    void excluded(const QString &path);
    void skipped(const QString &pathOrName, const QString &reason);
    void skippedRunning(const QString &path, const QString &appName);
    // A file that stayed busy through every retry; errorCode 0 is not written.
    void skippedFinal(const QString &path, quint32 errorCode);
    void busy(const QString &path, quint32 errorCode);
    void emptied(const QString &binName);
    void trashed(const QString &path, qint64 freedBytes);
    void deleted(const QString &path, qint64 freedBytes);
    void blank();
    void summary(qint64 freedBytes, qint64 filesRemoved, qint64 skippedCount);
    void flush();

    // A status word padded to the column the paths start in, then `text`.
    static QString statusLine(const QString &word, const QString &text);

private:
    void write(const QString &line);
    QDateTime now() const;

    Clock m_clock;
    QString m_path;
    QFile m_file;
};

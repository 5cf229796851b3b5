#pragma once

#include "app/forecast.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QStringList>

#include <functional>

// The user's preferences and the program's small history, kept in the
// per-user store of organisation and application "Varnholt" (registry on
// Windows, ~/.config/Varnholt/Varnholt.conf on Linux).
//
// Every getter reads the store at each call, so a value written by another
// process (a second instance, the command-line front end) is seen at the next
// read. Setters write only when the value really changes and then emit
// `changed`; receivers re-read what they need. GUI thread only: engines get
// the values they need as arguments.
//
// The keys "ui/sidebarCollapsed", "ui/windowGeometry" and "ui/trayNoticeShown"
// belong to the window classes, which use their own QSettings on the same
// store; they are deliberately not exposed here.
class AppSettings final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppSettings)

public:
    enum CloseAction { Ask = 0, KeepRunning = 1, Quit = 2 };
    Q_ENUM(CloseAction)
    enum ScanSchedule { Off = 0, Weekly = 1, Monthly = 2 };
    Q_ENUM(ScanSchedule)

    // Created on first use and kept until the process ends. The organisation
    // and application names must be set before the first call.
    static AppSettings *instance();

    // Whether the store can be read now, checked afresh at each call. A store
    // that does not exist yet is a first run and reads as the defaults. One
    // that exists but cannot be opened, read or parsed (no permission, an I/O
    // error, a folder in its place, text the settings library rejects) makes
    // every value unknown: the getters then yield what could be read or the
    // defaults, nothing may be cleaned on their word, and the setters leave
    // the store alone so that the user can still repair it.
    bool readable() const;
    // The store's file (the registry key on Windows), for messages.
    QString storeLocation() const;

    int theme() const;                // 0 follow the system, 1 light, 2 dark
    QString language() const;         // empty: automatic choice
    int closeAction() const;          // CloseAction; other values are kept as they are
    bool showInTray() const;
    bool moveToTrash() const;
    QStringList exclusions() const;   // default ["**/.git"]; an empty list stays empty
    int largeThresholdMB() const;     // MB of 1024 x 1024 bytes
    int oldMonths() const;
    int schedule() const;             // ScanSchedule
    bool lowSpaceAlerts() const;
    bool folderHistory() const;       // keep a history of folder sizes; default on
    QDateTime lastScan() const;       // invalid: never scanned

    void setTheme(int value);
    void setLanguage(const QString &value);
    void setCloseAction(int value);
    void setShowInTray(bool value);
    void setMoveToTrash(bool value);
    void setExclusions(const QStringList &value);
    void setLargeThresholdMB(int value);
    void setOldMonths(int value);
    void setSchedule(int value);
    void setLowSpaceAlerts(bool value);
    void setFolderHistory(bool value);
    void setLastScan(const QDateTime &value);

    // Start at login: the Run value "Varnholt" on Windows, the XDG autostart
    // entry ~/.config/autostart/varnholt.desktop on Linux. There is no stored
    // copy of the switch: the entry's existence is the state. Turning it on
    // always rewrites the entry so that it follows the program's current
    // location; `changed` is emitted after either direction.
    bool launchAtLogin() const;
    void setLaunchAtLogin(bool on);

    // Bytes freed per calendar month ("yyyy-MM" of the local date). Amounts
    // of zero or less are ignored.
    void addFreed(qint64 bytes);
    // The last `months` months, oldest first, the current month last; months
    // without an entry give 0.
    QList<qint64> freedHistory(int months) const;

    // Readings of the home volume's free space ("history/freeSpace"),
    // oldest first; entries that do not read back as three numbers are
    // skipped. recordFreeSpace adds one as forecast::withSample describes
    // (bounded, at most about four a day) and emits `changed` when it wrote.
    QList<SpaceSample> freeSpaceHistory() const;
    void recordFreeSpace(const SpaceSample &sample);

    // Whether the scheduled scan should run now: never before a first scan,
    // never with the schedule off; otherwise once 7 (weekly) or 30 (monthly
    // and unknown schedules) calendar days have begun since the last scan.
    bool scanDue() const;

    // Seam for date-dependent logic: the function returns "today" in local
    // time. An empty function restores the system clock.
    void setTodayFunction(std::function<QDate()> today);
    QDate today() const;

#ifdef Q_OS_UNIX
    // Where the autostart entry lives ($XDG_CONFIG_HOME/autostart).
    static QString autostartFilePath();
#endif

signals:
    void changed();

private:
    AppSettings();

    QVariant read(const QString &key) const;
    // Writes and emits only when the stored value, taken as the new value's
    // type, differs. Text-based stores give back numbers as strings, so a
    // plain variant comparison would report every rewrite as a change.
    void write(const QString &key, const QVariant &value);

    // Whether `content` (the store's file) parses without error. The verdict
    // for the last content checked is kept, so an unchanged store is parsed
    // once.
    bool parses(const QByteArray &content) const;

    static bool platformLaunchAtLogin();
    static void platformSetLaunchAtLogin(bool on);

    mutable QSettings m_store;
    mutable QByteArray m_checkedContent;
    mutable bool m_checkedParses = true;
    std::function<QDate()> m_today;
};

#pragma once

// The single coordinator between the engines and whatever drives them (the
// window's pages, the tray, the command-line front end). It owns the scanner,
// the cleaner and the large-file finder, keeps everything the pages show and
// runs every flow: scan, select, clean, find large files, move them to the
// Recycle Bin and undo that move.
//
// GUI thread only. The engines work on the global thread pool; their signals
// arrive here queued, in emission order, and become the argument-less change
// signals below. A request that cannot run now is ignored silently: the
// interface is expected not to offer it.

#include "app/forecast.h"
#include "app/platform.h"
#include "clean/cleaner.h"
#include "clean/restore.h"
#include "history/foldergrowth.h"
#include "largefiles/largefilefinder.h"
#include "scan/category.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFuture>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

class FolderRecorder;
class Scanner;

// Registers every record type that crosses threads in an engine signal
// (CategoryResult, CleanReport, LargeFile and their lists). Start-up calls it
// before any engine exists; calling it again is harmless.
void registerEngineTypes();

class AppState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppState)

public:
    enum Phase : int {
        Idle = 0,      // nothing to show
        Scanning = 1,
        Results = 2,   // results of the last finished scan, open for selection
        Cleaning = 3,
        Done = 4,      // a cleanup finished; its report is shown
    };
    Q_ENUM(Phase)

    // Values handed to the engines in place of the user's settings, for one
    // front end's run. They are never written back to the settings store.
    struct Overrides
    {
        std::optional<QStringList> exclusions;
        std::optional<bool> moveToTrash;
        std::optional<qint64> largeThresholdBytes;
    };

    using Clock = std::function<QDateTime()>;

    // Scans the platform's real catalogue.
    explicit AppState(QObject *parent = nullptr);
    // Scans whatever `catalogue` yields (fixture folders in tests).
    explicit AppState(CatalogueSource catalogue, QObject *parent = nullptr);
    // The engines are children: their destructors stop and join the workers,
    // so a cleanup in progress still finishes its log.
    ~AppState() override;

    void setOverrides(const Overrides &overrides) { m_overrides = overrides; }
    const Overrides &overrides() const { return m_overrides; }
    // Source of "now" for the last-scan time and the cleanup log's name; an
    // empty function restores the system clock.
    void setClock(Clock clock);

    // ---- scan ----------------------------------------------------------
    void startScan();
    // The phase changes only when the scanner reports the cancelled run.
    void cancelScan();
    // The scan the schedule starts: startScan(), and once it completes the
    // free space is recorded for the forecast.
    void startScheduledScan();
    // After a cleanup the categories it worked on (and the Recycle Bin, when
    // files went there) are measured again in the background; until their
    // new figures arrive a cleaned category lists only the items the user
    // left out of the cleanup. True for such a category.
    bool isMeasuring(const QString &id) const { return m_stale.contains(id); }

    // ---- selection -----------------------------------------------------
    void selectAll(bool on);
    // Exactly the Safe categories that found something.
    void selectRecommended();
    void setCategorySelected(const QString &id, bool on);
    void setItemSelected(const QString &id, const QString &path, bool on);
    // 0 unchecked, 1 partly checked, 2 checked (Qt::CheckState values).
    int checkState(const QString &id) const;
    bool isItemSelected(const QString &id, const QString &path) const;
    // The selected categories with unticked items taken out and their totals
    // reduced; categories left with nothing are dropped. This is exactly what
    // the cleaner receives.
    QList<CategoryResult> selectedResults() const;
    qint64 selectedBytes() const;
    bool selectionNeedsAdmin() const;

    // ---- clean ---------------------------------------------------------
    // Whether the user's settings can be read now (checked afresh at each
    // call). While they cannot, the exclusions and the choice between the
    // Recycle Bin and deleting are unknown, so startClean() refuses, with a
    // toast, even when overrides stand in for both; scans and the large-file
    // search still run.
    bool settingsReadable() const;
    // The settings file (or registry key), for messages.
    QString settingsLocation() const;
    // `deleteWithoutTrash`: what selectedWithoutTrash() lists is deleted for
    // good instead of left where it is.
    void startClean(bool deleteWithoutTrash = false);
    // Works out on a worker what startClean() would remove or move right
    // now, through the same checks, and removes nothing; previewChanged()
    // when the list is in (preview()). A request while one runs is answered
    // by a fresh run once that one ends. False, with nothing started, when
    // nothing is selected, a cleanup runs or the settings cannot be read.
    bool startPreview(bool deleteWithoutTrash = false);
    // Moving to the Recycle Bin, the selected items that the scan found it
    // cannot take (ScanItem::trashFit), as selectedResults() gives them: the
    // categories that hold such items with only those, totals to match. A
    // cleanup leaves them where they are unless told to delete them for good.
    // Empty when cleanups delete anyway. Items of categories of risk
    // Permanent, deleted in either mode, are never among them.
    QList<CategoryResult> selectedWithoutTrash() const;
    bool previewRunning() const { return m_previewRunning; }
    const CleanReport &preview() const { return m_preview; }
    void dismissDone();
    // Cleans again, in the last cleanup's mode and with its exclusions (and
    // any added since), just what stayed busy in it and the caches of the
    // programs that were running (lastReport().busy and leftRunning): each
    // path only while it still lies inside an item that cleanup was given,
    // and through every check of a cleanup. From the done view only; the
    // phase goes to Cleaning and back to Done, and lastReport() then holds
    // both runs added up (the retry's log among its retryLogPaths).
    bool canRetrySkipped() const;
    void retrySkipped();
    // The size of the selection the last cleanup started with.
    qint64 selectedBeforeClean() const { return m_selectedBeforeClean; }

    // ---- queries -------------------------------------------------------
    // nullptr when no result has that id; valid until `results` changes.
    const CategoryResult *findResult(const QString &id) const;
    qint64 totalBytes() const;
    qint64 liveBytes(int index) const;

    void refreshVolume();

    // ---- free-space forecast ---------------------------------------------
    // Adds the home volume's free space now to the settings' history (once at
    // each program start, and after each scheduled scan). Nothing is written
    // while the settings cannot be read.
    void recordFreeSpace();
    // The fit over that history, computed afresh at each call; the pages
    // re-read it when AppSettings::changed fires.
    SpaceForecast spaceForecast() const;

    // ---- large files ---------------------------------------------------
    void scanLargeFiles();
    // The finder stops at its next folder; the files found by the previous
    // search, if any, stay.
    void cancelLargeScan();
    // Moves files of `largeFiles` to the Recycle Bin. Files in use, files
    // that are no longer plain files and paths that are not in the list
    // stay where they are; the toast counts those in use apart. The
    // checks and moves run on a worker (asking which files are in use can
    // take a while on Windows); largeFilesChanged() and the toast follow
    // when it is done. A move asked for meanwhile runs after it.
    void moveLargeFilesToTrash(const QStringList &paths);
    bool largeMoveRunning() const { return m_largeMoving; }
    // Ignored while a move runs.
    void undoLastMove();
    // From scanLargeFiles() until its result has been taken in here (the
    // finder itself turns idle a moment earlier).
    bool largeScanRunning() const;
    // The size above which the files shown were looked for: the running
    // search's, else the listed files', else the next search's. A threshold
    // changed in the settings applies from the next search on.
    qint64 largeThreshold() const;

    // ---- restore ---------------------------------------------------------
    // Puts back what the cleanup logged at `logPath` moved to the Recycle
    // Bin, on a worker thread; when empty, what the last cleanup and its
    // retries moved (their logs one after the other). Refused while a cleanup
    // or another restore runs; a cleanup is refused while a restore runs.
    // Ends with restoreChanged() and a toast that sums it up. The categories
    // the restored items belong to, and the bin, are then measured again, as
    // after a cleanup.
    void restoreCleanup(const QString &logPath = {});
    bool restoreRunning() const;
    const RestoreReport &lastRestore() const { return m_lastRestore; }
    // The last cleanup moved entries to the bin and they have not been put
    // back from here since.
    bool lastCleanupRestorable() const { return m_lastCleanupRestorable; }
    // The last cleanup's entries were put back from here (lastRestore() says
    // how it went).
    bool lastCleanupRestored() const;
    // The toast's words for a finished restore.
    static QString restoreSummary(const RestoreReport &report);

    // A cleanup as its log tells it.
    struct PastCleanup
    {
        QString logPath;
        QDateTime started;
        bool toTrash = false;
        QString freedText;      // the size text the log's summary gives
        bool moved = false;     // what it did: moved to the bin,
        bool deleted = false;   // deleted for good,
        bool emptied = false;   // emptied the bin
        bool restorable = false; // something it moved is still in the bin
    };
    // The newest `max` logs of the log folder, newest first. Reads only the
    // logs and the bin, so it may run on any thread.
    static QList<PastCleanup> recentCleanups(int max = 5);
    // The log of the latest cleanup that moved anything to the bin (a later
    // one may have deleted for good); empty when there is none.
    QString latestRestorableLog() const;

    // ---- history of folder sizes -----------------------------------------
    // Readings of how much space the folders of the home folder take
    // (history/), kept in the user's data folder. The program takes one after
    // each scheduled scan and, once a day, some seconds after it starts, while
    // AppSettings::folderHistory() is on.
    // The times of the readings kept, oldest first (UTC).
    QList<QDateTime> folderReadings() const;
    // The newest reading against the one nearest to `since`, with the
    // catalogue's categories and the exclusions of now; an invalid report
    // (isValid()) when there are not two readings. Reads two files: quick
    // enough for the GUI thread.
    FolderGrowthReport folderGrowth(const QDateTime &since) const;
    // The newest reading as it was taken (what is excluded now still in it:
    // the changes of folderGrowth() name the folders that count); an invalid
    // reading when there is none.
    FolderReading newestFolderReading() const;
    // Takes a reading now, in the background, whatever the setting (the user
    // asked for it); ignored while one is being taken. folderHistoryChanged()
    // when it is done, whether or not it was recorded.
    void recordFolderSizes();
    // recordFolderSizes() when the setting is on and no reading was taken
    // today (local date).
    void recordFolderSizesIfDue();
    bool recordingFolderSizes() const;
    // Removes every reading (a reading being taken is stopped and not kept);
    // folderHistoryChanged().
    void forgetFolderHistory();
    struct FolderRecording
    {
        bool recorded = false;
        int folders = 0;    // folders the reading holds
        qint64 bytes = 0;   // the home folder's size, as the reading counts it
    };
    // What the last recordFolderSizes() did, once folderHistoryChanged() says it is done.
    const FolderRecording &lastFolderRecording() const { return m_lastFolderRecording; }

    // A short warning for the toast from the interface (a path that nothing
    // could open, say).
    void notify(const QString &text);
    // A short note for the toast that something the user asked for is done.
    void announce(const QString &text);

    // ---- the data model -------------------------------------------------
    Phase phase() const { return m_phase; }
    const VolumeInfo &volume() const { return m_volume; }
    const QList<CategoryDef> &defs() const { return m_defs; }
    const QList<CategoryResult> &scanResults() const { return m_scanResults; }
    int currentIndex() const { return m_currentIndex; }
    qint64 foundBytes() const { return m_foundBytes; }
    qint64 filesChecked() const { return m_filesChecked; }
    const QString &currentPath() const { return m_currentPath; }
    const QElapsedTimer &scanTimer() const { return m_scanTimer; }
    const QDateTime &lastScan() const { return m_lastScan; }
    const QList<CategoryResult> &results() const { return m_results; }
    const QSet<QString> &selectedCategories() const { return m_selectedCategories; }
    const QSet<QString> &excludedItems() const { return m_excludedItems; }
    const CleanReport &lastReport() const { return m_lastReport; }
    qint64 availableBeforeClean() const { return m_availableBeforeClean; }
    const QList<LargeFile> &largeFiles() const { return m_largeFiles; }
    bool largeLoaded() const { return m_largeLoaded; }
    qint64 largeChecked() const { return m_largeChecked; }
    // (source path, path inside the Recycle Bin) of each file of the last move.
    const QList<QPair<QString, QString>> &undoMoves() const { return m_undoMoves; }

signals:
    void phaseChanged();
    void scanProgressChanged();
    void resultsChanged();
    void selectionChanged();
    void cleanProgress(qint64 done, qint64 total, const QString &path);
    void previewChanged();
    void volumeChanged();
    void largeFilesChanged();
    void largeProgress(qint64 checked, const QString &dir, int found, qint64 foundBytes,
                       const QList<LargeFile> &largest);
    // `warning`: something failed, was refused or stayed undone; the toast
    // then shows an alert sign instead of the check of a success.
    void toast(const QString &text, bool undoable, bool warning = false);
    // A restore started or finished.
    void restoreChanged();
    void restoreProgress(int done, int total, const QString &path);
    // A reading of folder sizes was taken (or failed), or the history was
    // forgotten.
    void folderHistoryChanged();

private:
    // A worker's finished() is its last act; its receiver joins it so the
    // next run may start at once. When a newer run has already started,
    // joining would be waiting for that one, which the thread pool may hand
    // to this very thread to run, and it would then wait for itself.
    template <class Engine> static void joinFinished(Engine *engine)
    {
        if (!engine->isRunning())
            engine->wait();
    }

    void onScanStarted(const QList<CategoryDef> &defs);
    void onCategoryStarted(int index);
    void onCategoryFinished(int index, const CategoryResult &result);
    void onScanProgress(qint64 foundBytes, qint64 filesChecked, const QString &currentPath);
    void onScanFinished(const QList<CategoryResult> &results, bool cancelled);
    void onCleanFinished(const CleanReport &report);
    void onPreviewFinished(const CleanReport &report);
    void remeasureStale();
    void onRemeasureFinished(const QList<CategoryResult> &results, bool cancelled);
    void onLargeProgress(qint64 filesChecked, const QString &currentDir, int found, qint64 foundBytes,
                         const QList<LargeFile> &largest);
    void onLargeFinished(const QList<LargeFile> &files, bool cancelled);
    void onRestoreFinished(const RestoreReport &report);
    void onSettingsChanged();
    void onFolderRecordingFinished(bool recorded, int folders, qint64 bytes);
    // The catalogue's category definitions, built once, for the history.
    const QList<CategoryDef> &historyCategories() const;
    // Leaves the items of running programs out of a selected category.
    void untickRunning(const CategoryResult &result);
    struct LargeMove
    {
        QList<QPair<QString, QString>> moved;  // (source, path in the bin)
        qint64 movedBytes = 0;
        QStringList skipped;   // held open by another program
        // The bin did not take them (no bin on their drive, say), or they
        // were not to be moved (gone, replaced, protected) and stayed.
        QStringList notMoved;
    };
    static LargeMove moveLargeFiles(const QStringList &paths, const QSet<QString> &listed);
    void startLargeMove();
    void onLargeMoveFinished(const LargeMove &move);

    void setPhase(Phase phase);
    // Moving to the bin, leaves out of the selection what it cannot take;
    // a category left with nothing ticked is no longer selected.
    void untickWithoutTrash();
    // The selection as the cleaner gets it, with what the bin cannot take
    // marked for deleting instead when `deleteWithoutTrash`.
    QList<CategoryResult> cleanInput(bool deleteWithoutTrash) const;
    void startLargeScan();
    QStringList currentExclusions() const;
    bool currentMoveToTrash() const;
    qint64 currentLargeThreshold() const;
    QDateTime now() const;

    // Platform half (appstate_posix.cpp / appstate_win.cpp): the Recycle Bin
    // move of one file and its way back.
    static bool moveFileToBin(const QString &path, QString *pathInBin);
    static bool restoreFromBin(const QString &pathInBin, const QString &originalPath);

    Phase m_phase = Idle;
    VolumeInfo m_volume;
    Scanner *m_scanner = nullptr;
    QList<CategoryDef> m_defs;
    QList<CategoryResult> m_scanResults;
    int m_currentIndex = -1;
    qint64 m_foundBytes = 0;
    qint64 m_filesChecked = 0;
    QString m_currentPath;
    QElapsedTimer m_scanTimer;
    QDateTime m_lastScan;
    QList<CategoryResult> m_results;
    QSet<QString> m_selectedCategories;
    QSet<QString> m_excludedItems;
    Cleaner *m_cleaner = nullptr;
    CleanReport m_lastReport;
    Cleaner *m_previewer = nullptr;
    CleanReport m_preview;
    bool m_previewRunning = false;
    bool m_previewAgain = false;
    bool m_previewDeleteWithoutTrash = false;
    // What the last cleanup was given, for trying its busy files again.
    QList<CategoryResult> m_lastCleanInput;
    bool m_lastCleanToTrash = false;
    QStringList m_lastCleanExclusions;
    bool m_retrying = false;
    QList<CleanReport::Busy> m_retried;  // what the running retry was given
    qint64 m_availableBeforeClean = 0;
    qint64 m_selectedBeforeClean = 0;
    // The catalogue again, for measuring single categories after a cleanup.
    CatalogueSource m_catalogue;
    Scanner *m_remeasurer = nullptr;
    QSet<QString> m_stale;  // ids waiting for their figures after a cleanup
    LargeFileFinder *m_finder = nullptr;
    QList<LargeFile> m_largeFiles;
    bool m_largeLoaded = false;
    qint64 m_largeChecked = 0;
    bool m_largeRunning = false;
    qint64 m_largeSearchThreshold = 0;  // of the search running or last started
    qint64 m_largeThreshold = 0;        // of m_largeFiles
    QList<QPair<QString, QString>> m_undoMoves;
    QFuture<void> m_largeMove;
    bool m_largeMoving = false;  // until its outcome has been taken in here
    QList<QStringList> m_pendingMoves;
    Restorer *m_restorer = nullptr;
    RestoreReport m_lastRestore;
    bool m_lastCleanupRestorable = false;
    QStringList m_restoreQueue;     // logs still to restore in this restore
    RestoreReport m_restoreSoFar;   // what the restore's earlier logs put back
    // The exclusions the results were measured with: when the user's change,
    // the results are measured again.
    QStringList m_resultsExclusions;
    bool m_recordAfterScan = false;  // the running scan is the scheduled one
    FolderRecorder *m_folderRecorder = nullptr;
    FolderRecording m_lastFolderRecording;
    bool m_forgetAfterRecording = false;  // the history was forgotten while a reading was taken
    mutable std::optional<QList<CategoryDef>> m_historyCategories;

    Overrides m_overrides;
    Clock m_clock;
};

#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class AppState;
struct CleanReport;
class QCheckBox;
class QLabel;
class QScrollArea;
class QStackedWidget;
class QVBoxLayout;

namespace ui {

class Button;
class FooterBar;
class GradientText;
class Note;
class PageHeader;
class ProgressRing;
class Radar;
class StackBar;

// Where a scan is watched, its results are reviewed and selected, the
// cleanup runs and its outcome is reported: one view per AppState phase.
//
// The page keeps no figures of its own. Every number is read from the
// AppState when one of its change signals arrives, every click becomes an
// AppState operation, and the widgets that show results are rebuilt from
// scratch on each change rather than patched. The only things it remembers
// are presentation choices: which category the detail pane shows and how
// many items of each category the pane lists.
class CleanupPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CleanupPage)

public:
    enum View { EmptyView = 0, ScanningView = 1, ResultsView = 2, CleaningView = 3, DoneView = 4 };
    // How the last cleanup went: everything selected was removed or moved,
    // some of it was, or none of it.
    enum Outcome { Complete = 0, Partial = 1, Failed = 2 };

    // Items the detail pane lists at first, and how many more each "Show more"
    // adds.
    static constexpr int kInitialItems = 15;
    static constexpr int kMoreItems = 50;

    explicit CleanupPage(AppState *state, QWidget *parent = nullptr);

    int currentView() const;
    int outcome() const { return m_outcome; }
    QString focusedId() const { return m_focusedId; }
    int itemLimit(const QString &id) const { return m_itemLimit.value(id, kInitialItems); }

    // Share of the scan that is behind us while category `index` of `count`
    // is measured: the current one counts half.
    static qreal scanShare(int index, int count);
    // "—" until the share passes 15 %, after that "~m:ss": the time the
    // categories before `index` took (they were done at `startedMs`) spread
    // over those still to come. Once the current category outlasts that
    // estimate, nothing can be said about the rest: "—" again.
    static QString remainingText(int index, int count, qint64 startedMs, qint64 elapsedMs);
    static Outcome outcomeOf(const CleanReport &report);
    // Plain text naming the programs that hold the files a cleanup skipped
    // ("3 files are in use by sleep."); empty when none was named.
    static QString holdersText(const CleanReport &report);
    // The toast when a restart as administrator did not happen.
    static QString elevationRefusedText();

public Q_SLOTS:
    // Shows the category in the detail pane (from the Overview's tiles).
    void focusCategory(const QString &id);

signals:
    void confirmRequested();
    void goHome();

private:
    // cleanuppage.cpp
    QWidget *buildEmptyView();
    QWidget *buildScanningView();
    QWidget *buildCleaningView();
    QWidget *buildDoneView();
    void syncToPhase();
    void updateScanProgress();
    void tickScanClock();
    void rebuildSteps();
    void updateCleanProgress(qint64 done, qint64 total, const QString &path);
    void fillDoneView();
    void openLog();
    void updateRestoreButton();
    bool movedToBin() const;
    void updateModeLine();
    void reveal(const QString &path);
    void restartElevated();
    // Gives `primary` the focus of a view just shown (see the .cpp).
    void focusWhenShown(QWidget *primary);

    // cleanuppage_results.cpp
    QWidget *buildResultsView();
    void onResults();
    void rebuildCategoryList();
    void rebuildDetail();
    void refreshDetailChecks();
    void updateFooter();
    void showMoreItems(const QString &id, int more);
    void setFocused(const QString &id);

    AppState *m_state;
    QStackedWidget *m_views = nullptr;
    QString m_focusedId;
    int m_stepCount = -1;
    int m_shownStep = -2;
    qint64 m_stepStartedMs = 0;  // scan time when the shown step began
    QHash<QString, int> m_itemLimit;
    int m_outcome = Complete;

    // empty view
    QLabel *m_emptyTitle = nullptr;
    QLabel *m_emptyText = nullptr;

    // scanning view
    QTimer m_clock;  // ticks the elapsed time once a second
    Radar *m_radar = nullptr;
    QLabel *m_scanPath = nullptr;
    QLabel *m_checkedValue = nullptr;
    QLabel *m_elapsedValue = nullptr;
    QLabel *m_remainingValue = nullptr;
    QVBoxLayout *m_steps = nullptr;
    QWidget *m_stepHost = nullptr;

    // results view
    PageHeader *m_resultsHeader = nullptr;
    QCheckBox *m_selectAll = nullptr;
    QScrollArea *m_listScroll = nullptr;
    QWidget *m_listHost = nullptr;
    QVBoxLayout *m_list = nullptr;
    QScrollArea *m_detailScroll = nullptr;
    QLabel *m_summary = nullptr;
    StackBar *m_stackBar = nullptr;
    Button *m_cleanButton = nullptr;
    Note *m_settingsNote = nullptr;  // shown while the settings cannot be read
    struct ItemCheck
    {
        QPointer<QCheckBox> box;
        QString path;
    };
    QList<ItemCheck> m_itemChecks;
    QPointer<QCheckBox> m_detailSelectAll;
    bool m_resultsStale = false;     // results came during a scan, not shown yet
    bool m_trashNotesShown = false;  // the detail's items say what the bin cannot take

    // cleaning view
    ProgressRing *m_ring = nullptr;
    QLabel *m_cleanPath = nullptr;

    // done view
    QWidget *m_badge = nullptr;
    QLabel *m_doneTitle = nullptr;
    GradientText *m_freed = nullptr;
    QLabel *m_freedCaption = nullptr;
    QLabel *m_modeLine = nullptr;
    QLabel *m_beforeValue = nullptr;
    QLabel *m_nowValue = nullptr;
    Note *m_skippedNote = nullptr;
    Note *m_adminNote = nullptr;
    Button *m_retry = nullptr;  // cleans again what stayed busy
    Button *m_restoreAll = nullptr;  // shown when the run moved entries to the bin
};

} // namespace ui

#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "largefiles/largefilefinder.h"
#include "ui/widgets/treemap.h"

class AppState;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableView;
class QVBoxLayout;

namespace ui {

class Button;
class Card;
class FooterBar;
class GrowthView;
class LargeFilesModel;
class PageHeader;
class Radar;
class Segmented;

// The Space Map: the large files of the home folder as a treemap above a
// checkable, sortable table, with filters, search, reveal and a move to the
// Recycle Bin that the toast can undo. Its last filter, "Grew", shows the
// folders by what they grew instead (GrowthView), found files or not.
//
// The page keeps no files of its own: it reads AppState::largeFiles on every
// change and rebuilds what it shows. What it does remember are the user's
// choices about the list: which paths are checked (by path, so checks last
// across filters and rescans), the filter and the search text.
class LargeFilesPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LargeFilesPage)

public:
    enum View { IntroView = 0, ScanningView = 1, ResultsView = 2 };
    enum Filter { AllFiles = 0, UnusedFiles = 1, Downloads = 2, Grew = 3 };

    explicit LargeFilesPage(AppState *state, QWidget *parent = nullptr);

    int currentView() const;
    LargeFilesModel *model() const { return m_model; }
    Treemap *treemap() const { return m_treemap; }
    QTableView *table() const { return m_table; }
    GrowthView *growth() const { return m_growth; }
    int hoveredRow() const { return m_hoveredRow; }

    // The files of `files` (order kept) that pass the filter: unused for at
    // least `months` whole months before `today`, or inside `downloads`
    // (case-insensitive prefix); and, for a non-empty term, whose name or
    // folder holds it, case-insensitively.
    static QList<LargeFile> filterFiles(const QList<LargeFile> &files, int filter, int months,
                                        const QString &term, const QString &downloads, const QDate &today);
    // One tile per file, in the same order, coloured by kind with the
    // variation that tells neighbours of one kind apart.
    static QList<TreemapTile> treemapTiles(const QList<LargeFile> &files);

public Q_SLOTS:
    void toggleChecked(const QString &path);
    // The "Grew" view at the level of `folder`, with it as the current row.
    void showGrowth(const QString &folder);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildIntroView();
    QWidget *buildScanningView();
    QWidget *buildResultsView();
    void sync();
    // The list shows the threshold and the age of unused files; the other
    // settings (the time of the last scan, written at the end of every scan,
    // say) leave the page as it is.
    void onSettingsChanged();
    void updateProgress(qint64 checked, const QString &dir, int found, qint64 foundBytes,
                        const QList<LargeFile> &largest);
    void rebuildLargest(const QList<LargeFile> &largest);
    void tick();
    void applyFilter();
    void updateFooter();
    void updateHover(const QPoint &viewportPos);
    QList<LargeFile> checkedShownFiles() const;
    void revealChecked();
    void reveal(const QString &path);
    void moveChecked();

    AppState *m_state;
    bool m_autoScanned = false;
    QElapsedTimer m_clock;
    QTimer m_tick;
    std::pair<int, int> m_shownSettings{-1, -1};  // threshold MB and months the page shows
    QStackedWidget *m_views = nullptr;
    PageHeader *m_header = nullptr;
    Button *m_rescanButton = nullptr;
    Button *m_stopButton = nullptr;
    Radar *m_radar = nullptr;
    QLabel *m_pathLabel = nullptr;
    QString m_currentDir;
    QLabel *m_checkedValue = nullptr;
    QLabel *m_foundValue = nullptr;
    QLabel *m_elapsedValue = nullptr;
    QVBoxLayout *m_largestList = nullptr;
    QLabel *m_largestPlaceholder = nullptr;
    QStringList m_largestShown;
    Segmented *m_filter = nullptr;
    QLineEdit *m_search = nullptr;
    Card *m_treemapCard = nullptr;
    Treemap *m_treemap = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_noMatch = nullptr;  // in place of the table when no file passes
    int m_hoveredRow = -1;
    QLabel *m_summary = nullptr;
    Button *m_showButton = nullptr;
    Button *m_moveButton = nullptr;
    LargeFilesModel *m_model = nullptr;
    QStackedWidget *m_panels = nullptr;  // the files, or what grew
    GrowthView *m_growth = nullptr;
    FooterBar *m_footer = nullptr;
};

} // namespace ui

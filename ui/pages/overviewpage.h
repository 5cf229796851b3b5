#pragma once

#include <array>

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "scan/category.h"

class AppState;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace ui {

class Button;
class Card;
class DiskOrb;
class ElidedLabel;
class ForecastChart;
class GrowthCard;
class Headline;
class PageHeader;
class Sparkline;

// The first page of the window: the startup volume as a disk orb, what the
// last scan found, what was freed this month, when the last scan ran and
// whether one is scheduled, when the disk will be full at the present rate
// (only while the history shows free space falling), which folders grew
// most this week (GrowthCard), and the categories worth cleaning as tiles.
//
// Every figure is read from AppState and AppSettings in refresh(), which runs
// on each of their change signals and on theme changes; the legend and the
// tile grid are rebuilt from scratch each time. The page starts scans and
// sends the user to the Cleanup page through openCleanup(), to the Space
// Map through openSpaceMap().
class OverviewPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverviewPage)

public:
    // At most this many tiles are shown once results exist.
    static constexpr int kMaxTiles = 8;
    static constexpr int kColumns = 4;

    explicit OverviewPage(AppState *state, QWidget *parent = nullptr);

    // Where the tiles shown before any scan come from; by default the
    // platform's catalogue, built once on first use (its category names,
    // icons and colours never change during a run, and building it lists
    // folders, which a refresh on every settings change should not repeat).
    void setCatalogueSource(CatalogueSource source);

    // The headline's text before its argument goes in: "%1 ready to clean"
    // with results, else a line chosen by how full the volume is.
    static QString headlineTemplate(qint64 total, qint64 available, bool hasResults);

    // The category ids of the tiles now shown, in grid order.
    QStringList tileIds() const;

public slots:
    void refresh();

signals:
    // The user wants the Cleanup page; focusCategoryId is empty when no
    // particular category is meant.
    void openCleanup(const QString &focusCategoryId);
    // The user wants the Space Map's "Grew" view at this folder.
    void openSpaceMap(const QString &folder);

private:
    void buildHero(QVBoxLayout *column);
    void buildStatistics(QVBoxLayout *column);
    void buildForecast(QVBoxLayout *column);
    void refreshForecast();
    void rebuildLegend(qint64 total, qint64 available, qint64 reclaim);
    void rebuildTiles(bool hasResults);
    const QList<CategoryDef> &catalogue();
    void onOrbClicked();

    AppState *m_state;
    CatalogueSource m_catalogueSource;
    QList<CategoryDef> m_catalogue;
    bool m_catalogueLoaded = false;
    bool m_catalogueBuilding = false;
    int m_catalogueGeneration = 0;

    PageHeader *m_header = nullptr;
    Button *m_rescan = nullptr;
    DiskOrb *m_orb = nullptr;
    Headline *m_headline = nullptr;
    QLabel *m_volumeLine = nullptr;
    QHBoxLayout *m_legendSlot = nullptr;
    QPointer<QWidget> m_legend;
    QWidget *m_protectedChip = nullptr;
    QWidget *m_scanChip = nullptr;
    ElidedLabel *m_freedValue = nullptr;
    ElidedLabel *m_freedCaption = nullptr;
    Sparkline *m_sparkline = nullptr;
    ElidedLabel *m_lastScanValue = nullptr;
    ElidedLabel *m_lastScanCaption = nullptr;
    ElidedLabel *m_scheduleValue = nullptr;
    ElidedLabel *m_scheduleCaption = nullptr;
    Card *m_forecastCard = nullptr;
    QLabel *m_forecastText = nullptr;
    ElidedLabel *m_forecastTrend = nullptr;
    ForecastChart *m_forecastChart = nullptr;
    GrowthCard *m_growthCard = nullptr;
    QLabel *m_sectionTitle = nullptr;
    Button *m_seeAll = nullptr;
    QVBoxLayout *m_gridSlot = nullptr;
    QPointer<QWidget> m_grid;
    std::array<qint64, 3> m_legendShown{};  // the figures m_legend shows
    QStringList m_tilesShown;  // what the tiles of m_grid say, to tell whether they must be made again
};

} // namespace ui

#include "ui/pages/largefilespage.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "ui/icons.h"
#include "ui/pages/growthview.h"
#include "ui/pages/largefilesmodel.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/focusring.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/pagestack.h"
#include "ui/widgets/radar.h"
#include "ui/widgets/segmented.h"
#include "ui/trtext.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

QLabel *label(const QString &text, const QString &role, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (!role.isEmpty())
        l->setProperty("role", role);
    return l;
}

QLabel *addStatistic(QBoxLayout *row, const QString &caption, QWidget *parent)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    auto *value = label(QStringLiteral("—"), QStringLiteral("num"), parent);
    value->setAlignment(Qt::AlignCenter);
    value->setStyleSheet(QStringLiteral("font-size: 15px;"));
    auto *text = label(caption, QStringLiteral("micro"), parent);
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(value);
    column->addWidget(text);
    row->addLayout(column, 1);
    return value;
}

// Every cell of the table is drawn here: the model only hands over the file
// and its check state.
class FileDelegate final : public QStyledItemDelegate
{
public:
    FileDelegate(const LargeFilesPage *page, const LargeFilesModel *model, QObject *parent)
        : QStyledItemDelegate(parent), m_page(page), m_model(model)
    {
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const Theme *theme = Theme::instance();
        const LargeFile file = index.data(LargeFilesModel::FileRole).value<LargeFile>();
        const QRectF cell = option.rect;
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        if (index.row() == m_page->hoveredRow())
            p->fillRect(option.rect, theme->hover());
        p->fillRect(QRectF(cell.left(), cell.bottom(), cell.width(), 1), theme->line());

        switch (index.column()) {
        case LargeFilesModel::CheckColumn:
            paintCheck(p, cell, index.data(LargeFilesModel::CheckedRole).toBool());
            break;
        case LargeFilesModel::NameColumn:
            paintName(p, cell, file);
            break;
        case LargeFilesModel::KindColumn:
            p->setFont(theme->font(13));
            p->setPen(theme->text2());
            p->drawText(cell.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter, largeFileKindText(file.kind));
            break;
        case LargeFilesModel::LastOpenedColumn: {
            const bool old = monthsSince(file.lastUsed) >= m_model->oldMonths();
            p->setFont(theme->font(13, old ? 500 : 400));
            p->setPen(old ? theme->warn() : theme->text2());
            p->drawText(cell.adjusted(12, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter, relativeTime(file.lastUsed));
            break;
        }
        default:
            p->setFont(Theme::monoFont(13, 600));
            p->setPen(theme->text());
            p->drawText(cell.adjusted(12, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter, formatSize(file.bytes));
            break;
        }
        // The keyboard's row is ringed across all its cells; each cell
        // draws its own part of the ring.
        const QTableView *table = m_page->table();
        if (table && index.row() == table->currentIndex().row() && focus::ringVisible(table)) {
            p->setClipRect(option.rect);
            const QRectF row(0, cell.top(), table->viewport()->width(), cell.height());
            focus::paintRing(p, row.adjusted(4, 4, -4, -4), 8);
        }
        p->restore();
    }

    // The page toggles checks (click, Space); the stock check handling of
    // the delegate must not toggle them a second time.
    bool editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &, const QModelIndex &) override
    {
        return false;
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {100, 54}; }

private:
    static void paintCheck(QPainter *p, const QRectF &cell, bool checked)
    {
        const bool dark = Theme::instance()->dark();
        const QRectF box = QRectF(cell.left() + 12, cell.center().y() - 9, 18, 18).adjusted(0.75, 0.75, -0.75, -0.75);
        if (checked) {
            p->setPen(Qt::NoPen);
            p->setBrush(Theme::brandGradient(box));
            p->drawRoundedRect(box, 5, 5);
            p->setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p->setBrush(Qt::NoBrush);
            const QPointF c = box.center();
            const QPointF tick[3] = {c + QPointF(-4, 0.2), c + QPointF(-1.2, 3), c + QPointF(4.2, -2.8)};
            p->drawPolyline(tick, 3);
        } else {
            p->setPen(QPen(dark ? QColor(255, 255, 255, 71) : QColor(15, 23, 42, 71), 1.5));
            p->setBrush(dark ? QColor(255, 255, 255, 10) : QColor(Qt::white));
            p->drawRoundedRect(box, 5, 5);
        }
    }

    static void paintName(QPainter *p, const QRectF &cell, const LargeFile &file)
    {
        const Theme *theme = Theme::instance();
        const QColor color = kindColor(file.kind);
        const QRectF tile(cell.left() + 12.5, cell.center().y() - 13.5, 27, 27);
        p->setBrush(withAlphaF(color, theme->dark() ? 0.14 : 0.12));
        p->setPen(QPen(withAlphaF(color, 0.22), 1));
        p->drawRoundedRect(tile, 8, 8);
        paintIcon(p, QRectF(tile.center() - QPointF(7, 7), QSizeF(14, 14)), kindIcon(file.kind), color);

        const QRectF text = cell.adjusted(52, 9, -12, -9);
        const QFont nameFont = Theme::asWritten(theme->font(13, 500));
        p->setFont(nameFont);
        p->setPen(theme->text());
        p->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    QFontMetrics(nameFont).elidedText(file.name, Qt::ElideRight, int(text.width())));
        const QFont folderFont = Theme::asWritten(Theme::monoFont(11));
        p->setFont(folderFont);
        p->setPen(theme->text3());
        p->drawText(text, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                    QFontMetrics(folderFont).elidedText(displayPath(file.dir), Qt::ElideMiddle, int(text.width())));
    }

    const LargeFilesPage *m_page;
    const LargeFilesModel *m_model;
};

} // namespace

LargeFilesPage::LargeFilesPage(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state), m_model(new LargeFilesModel(this))
{
    setObjectName(QStringLiteral("LargeFilesPage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    //: Title of the page that maps where disk space goes (not a geographic map)
    m_header = new PageHeader(LargeFilesText::tr("Space Map"), {}, this);
    //: Button in the Space Map's header: look for large files again
    auto *rescan = new Button(LargeFilesText::tr("Rescan"), {}, QStringLiteral("refresh"), {}, m_header);
    rescan->setObjectName(QStringLiteral("rescan"));
    m_header->actionRow()->addWidget(rescan);
    m_rescanButton = rescan;
    //: Button in the Space Map's header: stop the search for large files
    m_stopButton = new Button(LargeFilesText::tr("Stop"), {}, {}, {}, m_header);
    m_stopButton->setObjectName(QStringLiteral("stopScan"));
    m_stopButton->hide();
    m_header->actionRow()->addWidget(m_stopButton);
    outer->addWidget(m_header);

    m_views = new PageStack(this);
    m_views->addWidget(buildIntroView());
    m_views->addWidget(buildScanningView());
    m_views->addWidget(buildResultsView());
    outer->addWidget(m_views, 1);

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &LargeFilesPage::tick);
    connect(rescan, &QPushButton::clicked, m_state, &AppState::scanLargeFiles);
    connect(m_stopButton, &QPushButton::clicked, m_state, &AppState::cancelLargeScan);
    connect(m_state, &AppState::largeFilesChanged, this, &LargeFilesPage::sync);
    connect(m_state, &AppState::largeProgress, this, &LargeFilesPage::updateProgress);
    connect(AppSettings::instance(), &AppSettings::changed, this, &LargeFilesPage::onSettingsChanged);
    connect(m_model, &LargeFilesModel::selectionChanged, this, &LargeFilesPage::updateFooter);
    // The footer's figure is set in the mode's text colour.
    connect(Theme::instance(), &Theme::changed, this, &LargeFilesPage::updateFooter);
    connect(m_treemap, &Treemap::toggled, this, &LargeFilesPage::toggleChecked);
    sync();
}

int LargeFilesPage::currentView() const
{
    return m_views->currentIndex();
}

QWidget *LargeFilesPage::buildIntroView()
{
    auto *view = new QWidget(this);
    auto *column = new QVBoxLayout(view);
    column->setContentsMargins(32, 60, 32, 32);
    column->setSpacing(8);
    column->addWidget(new IconTile(QStringLiteral("layers"), {}, 56, view), 0, Qt::AlignHCenter);
    column->addSpacing(8);
    auto *title = label(LargeFilesText::tr("Find what's taking up space"), QStringLiteral("h2"), view);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto *text =
        label(LargeFilesText::tr("Big files in your home folder. You decide what goes."), QStringLiteral("sub"), view);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    column->addWidget(text);
    column->addSpacing(12);
    //: Heading while the search for large files runs
    auto *find = new Button(LargeFilesText::tr("Find large files"), QStringLiteral("primary"), QStringLiteral("search"),
                            {}, view);
    find->setObjectName(QStringLiteral("findLargeFiles"));
    connect(find, &QPushButton::clicked, m_state, &AppState::scanLargeFiles);
    column->addWidget(find, 0, Qt::AlignHCenter);
    column->addStretch(1);
    return view;
}

QWidget *LargeFilesPage::buildScanningView()
{
    auto *view = new QWidget(this);
    auto *row = new QHBoxLayout(view);
    row->setContentsMargins(32, 0, 32, 28);
    row->setSpacing(18);

    auto *radarCard = new Card(view);
    radarCard->setMinimumWidth(290);
    radarCard->setMaximumWidth(340);
    auto *radarColumn = new QVBoxLayout(radarCard);
    radarColumn->setContentsMargins(26, 26, 26, 26);
    radarColumn->setSpacing(18);
    radarColumn->addStretch(1);
    m_radar = new Radar(radarCard);
    radarColumn->addWidget(m_radar, 0, Qt::AlignHCenter);
    m_pathLabel = label({}, QStringLiteral("mono"), radarCard);
    Theme::showAsWritten(m_pathLabel);
    m_pathLabel->setObjectName(QStringLiteral("scanPath"));
    m_pathLabel->setAlignment(Qt::AlignCenter);
    m_pathLabel->setMinimumWidth(10);
    radarColumn->addWidget(m_pathLabel);
    auto *stats = new QHBoxLayout;
    stats->setSpacing(8);
    m_checkedValue = addStatistic(stats, CleanupText::tr("Items checked"), radarCard);
    m_checkedValue->setObjectName(QStringLiteral("itemsChecked"));
    //: Caption: how many large files were found
    m_foundValue = addStatistic(stats, CleanupText::tr("Large files"), radarCard);
    m_foundValue->setObjectName(QStringLiteral("largeFound"));
    m_elapsedValue = addStatistic(stats, CleanupText::tr("Elapsed"), radarCard);
    m_elapsedValue->setObjectName(QStringLiteral("elapsed"));
    radarColumn->addLayout(stats);
    radarColumn->addStretch(1);
    row->addWidget(radarCard);

    auto *listCard = new Card(view);
    auto *listColumn = new QVBoxLayout(listCard);
    listColumn->setContentsMargins(8, 8, 8, 8);
    listColumn->setSpacing(0);
    auto *heading = new QHBoxLayout;
    heading->setContentsMargins(12, 14, 12, 8);
    //: Heading over the biggest files found while the search runs
    auto *eyebrow = label(LargeFilesText::tr("Largest so far"), QStringLiteral("micro"), listCard);
    eyebrow->setFont(Theme::eyebrowFont(11));
    heading->addWidget(eyebrow);
    heading->addStretch(1);
    listColumn->addLayout(heading);
    auto *listHost = new QWidget(listCard);
    m_largestList = new QVBoxLayout(listHost);
    m_largestList->setContentsMargins(0, 0, 0, 0);
    m_largestList->setSpacing(2);
    listColumn->addWidget(listHost);
    m_largestPlaceholder = label(LargeFilesText::tr("Looking for large files…"), QStringLiteral("sub"), listCard);
    m_largestPlaceholder->setContentsMargins(12, 8, 12, 8);
    listColumn->addWidget(m_largestPlaceholder);
    listColumn->addStretch(1);
    row->addWidget(listCard, 1);
    return view;
}

QWidget *LargeFilesPage::buildResultsView()
{
    auto *view = new QWidget(this);
    auto *column = new QVBoxLayout(view);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(28, 0, 28, 0);
    body->setSpacing(14);

    auto *filterRow = new QHBoxLayout;
    filterRow->setSpacing(10);
    m_filter = new Segmented(
        {//: Filter of the large-file list: every file
         LargeFilesText::tr("All"),
         //: Filter of the large-file list; %1: a number of months
         LargeFilesText::tr("Unused %1+ months").arg(6),
         //: Filter of the large-file list: files in the Downloads folder
         LargeFilesText::tr("Downloads"),
         //: View of the Space Map: the folders coloured by how much they grew since an earlier reading
         LargeFilesText::tr("Grew")},
        view);
    m_filter->setObjectName(QStringLiteral("filter"));
    //: Accessible name of the row of filters
    m_filter->setAccessibleName(LargeFilesText::tr("Files to show"));
    // "Grew" needs no files: it shows while they are found, or before.
    connect(m_filter, &Segmented::currentChanged, this, &LargeFilesPage::sync);
    filterRow->addWidget(m_filter);
    filterRow->addStretch(1);
    m_search = new QLineEdit(view);
    m_search->setObjectName(QStringLiteral("search"));
    //: Placeholder of the search field
    m_search->setPlaceholderText(LargeFilesText::tr("Search files"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(m_search->placeholderText());
    m_search->setFixedWidth(240);
    auto *searchIcon = m_search->addAction(icon(QStringLiteral("search"), Tone::Text3, 14), QLineEdit::LeadingPosition);
    // The field's icons are buttons to assistive technology: the magnifier
    // and the one that clears the field.
    const QObjectList magnifier = searchIcon->associatedObjects();
    for (QAbstractButton *button : m_search->findChildren<QAbstractButton *>())
        button->setAccessibleName(magnifier.contains(button) ? m_search->placeholderText()
                                                             : LargeFilesText::tr("Clear search", "button in the "
                                                                                  "search field that empties it"));
    connect(Theme::instance(), &Theme::changed, searchIcon,
            [searchIcon] { searchIcon->setIcon(icon(QStringLiteral("search"), Tone::Text3, 14)); });
    connect(m_search, &QLineEdit::textChanged, this, &LargeFilesPage::applyFilter);
    filterRow->addWidget(m_search);
    body->addLayout(filterRow);

    m_panels = new QStackedWidget(view);
    auto *filesPanel = new QWidget(m_panels);
    auto *files = new QVBoxLayout(filesPanel);
    files->setContentsMargins(0, 0, 0, 0);
    files->setSpacing(14);
    m_panels->addWidget(filesPanel);
    m_growth = new GrowthView(m_state, m_panels);
    m_panels->addWidget(m_growth);
    connect(m_state, &AppState::folderHistoryChanged, this, [this] {
        if (m_filter->currentIndex() == Grew)
            m_growth->refresh();
    });
    body->addWidget(m_panels, 1);

    m_treemapCard = new Card(view);
    m_treemapCard->setObjectName(QStringLiteral("treemapCard"));
    auto *treemapLayout = new QVBoxLayout(m_treemapCard);
    treemapLayout->setContentsMargins(6, 6, 6, 6);
    m_treemap = new Treemap(m_treemapCard);
    m_treemap->setAccessibleName(LargeFilesText::tr("Space Map"));
    treemapLayout->addWidget(m_treemap);
    files->addWidget(m_treemapCard);

    auto *tableCard = new Card(view);
    auto *tableLayout = new QVBoxLayout(tableCard);
    tableLayout->setContentsMargins(10, 8, 10, 4);
    m_table = new QTableView(tableCard);
    m_table->setObjectName(QStringLiteral("files"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new FileDelegate(this, m_model, m_table));
    m_table->setShowGrid(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // One stop in the tab order: Up and Down move through the files, Space
    // checks the current one; the ring marks the current row.
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->setProperty("focusRing", false);
    m_table->setAccessibleName(CleanupText::tr("Large files"));
    m_table->installEventFilter(this);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, m_table->viewport(),
            qOverload<>(&QWidget::update));
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(54);
    QHeaderView *header = m_table->horizontalHeader();
    header->setFixedHeight(32);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setSortIndicator(m_model->sortColumn(), m_model->sortOrder());
    header->setMinimumSectionSize(40);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(LargeFilesModel::NameColumn, QHeaderView::Stretch);
    header->resizeSection(LargeFilesModel::CheckColumn, 40);
    header->resizeSection(LargeFilesModel::LastOpenedColumn, 140);
    header->resizeSection(LargeFilesModel::SizeColumn, 100);
    m_table->setColumnHidden(LargeFilesModel::KindColumn, true);
    m_table->setSortingEnabled(true);
    m_table->setMouseTracking(true);
    m_table->viewport()->installEventFilter(this);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { updateHover(m_table->viewport()->mapFromGlobal(QCursor::pos())); });
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (const LargeFile *file = m_model->fileAt(index.row()))
            toggleChecked(file->path);
    });
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (const LargeFile *file = m_model->fileAt(index.row()))
            reveal(file->path);
    });
    tableLayout->addWidget(m_table);
    m_noMatch = label({}, QStringLiteral("sub"), tableCard);
    m_noMatch->setObjectName(QStringLiteral("noMatch"));
    m_noMatch->setAlignment(Qt::AlignCenter);
    m_noMatch->setWordWrap(true);
    m_noMatch->hide();
    tableLayout->addWidget(m_noMatch, 1);
    files->addWidget(tableCard, 1);
    column->addLayout(body, 1);

    auto *footer = new FooterBar(view);
    m_footer = footer;
    m_summary = label({}, QStringLiteral("sub"), footer);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextFormat(Qt::RichText);
    // The summary wraps so that long translations leave the buttons whole.
    m_summary->setWordWrap(true);
    footer->row()->addWidget(m_summary, 1);
    m_showButton =
        new Button(onPlatform(
                       //: Button in the Space Map's footer; opens File Explorer at the checked file
                       LargeFilesText::tr("Show in File Explorer"),
                       //: Button in the Space Map's footer; opens the file manager at the checked file
                       LargeFilesText::tr("Show in File Manager")),
                   {}, QStringLiteral("folder"), {}, footer);
    m_showButton->setObjectName(QStringLiteral("show"));
    connect(m_showButton, &QPushButton::clicked, this, &LargeFilesPage::revealChecked);
    footer->row()->addWidget(m_showButton);
    m_moveButton =
        new Button(onPlatform(
                       //: Button in the Space Map's footer; moves the checked files to the Recycle Bin
                       LargeFilesText::tr("Move to Recycle Bin"),
                       //: Button in the Space Map's footer; moves the checked files to the Trash
                       LargeFilesText::tr("Move to Trash")),
                   QStringLiteral("primary"), {}, {}, footer);
    m_moveButton->setObjectName(QStringLiteral("move"));
    connect(m_moveButton, &QPushButton::clicked, this, &LargeFilesPage::moveChecked);
    footer->row()->addWidget(m_moveButton);
    column->addWidget(footer);
    return view;
}

void LargeFilesPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The first visit finds the files without asking; later visits show what
    // was found and leave rescanning to the user.
    if (!m_autoScanned && !m_state->largeLoaded() && !m_state->largeScanRunning()) {
        m_autoScanned = true;
        m_state->scanLargeFiles();
    }
}

void LargeFilesPage::onSettingsChanged()
{
    const AppSettings *settings = AppSettings::instance();
    if (std::pair(settings->largeThresholdMB(), settings->oldMonths()) != m_shownSettings)
        sync();
}

void LargeFilesPage::sync()
{
    m_shownSettings = {AppSettings::instance()->largeThresholdMB(), AppSettings::instance()->oldMonths()};
    //: Eyebrow of the Space Map: where it looks and above which size; %1: a size
    m_header->setEyebrow(LargeFilesText::tr("Home folder · over %1").arg(formatSize(m_state->largeThreshold())));

    m_stopButton->setVisible(m_state->largeScanRunning());
    m_rescanButton->setVisible(!m_state->largeScanRunning());
    const bool grew = m_filter->currentIndex() == Grew;
    m_panels->setCurrentWidget(grew ? static_cast<QWidget *>(m_growth) : m_panels->widget(0));
    m_search->setVisible(!grew);
    m_footer->setVisible(!grew);
    if (grew)
        m_growth->refresh();
    if (!m_state->largeScanRunning()) {
        m_tick.stop();
        m_clock.invalidate();
        m_radar->setActive(false);
        if (m_state->largeLoaded() || grew) {
            m_views->setCurrentIndex(ResultsView);
            applyFilter();
        } else {
            m_views->setCurrentIndex(IntroView);
        }
        return;
    }
    if (m_clock.isValid() && m_tick.isActive()) {
        m_views->setCurrentIndex(grew ? ResultsView : ScanningView);
        return;
    }
    m_clock.start();
    m_tick.start();
    m_radar->setText(formatSize(0), CleanupText::tr("found"));
    m_radar->setActive(true);
    m_checkedValue->setText(QStringLiteral("—"));
    m_foundValue->setText(QStringLiteral("0"));
    m_elapsedValue->setText(formatDuration(0));
    m_currentDir.clear();
    m_pathLabel->clear();
    rebuildLargest({});
    m_views->setCurrentIndex(grew ? ResultsView : ScanningView);
}

void LargeFilesPage::showGrowth(const QString &folder)
{
    m_filter->setCurrentIndex(Grew);
    sync();
    m_growth->showFolder(folder);
}

void LargeFilesPage::updateProgress(qint64 checked, const QString &dir, int found, qint64 foundBytes,
                                    const QList<LargeFile> &largest)
{
    m_radar->setText(formatSize(foundBytes), CleanupText::tr("found"));
    m_checkedValue->setText(formatNumber(checked));
    m_foundValue->setText(formatNumber(found));
    const QString native = QDir::toNativeSeparators(dir);
    const int width = std::max(m_pathLabel->width(), 80);
    m_pathLabel->setText(m_pathLabel->fontMetrics().elidedText(native, Qt::ElideMiddle, width));
    QStringList paths;
    for (const LargeFile &f : largest)
        paths.append(f.path);
    if (paths != m_largestShown)
        rebuildLargest(largest);
}

void LargeFilesPage::rebuildLargest(const QList<LargeFile> &largest)
{
    while (QLayoutItem *item = m_largestList->takeAt(0)) {
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    m_largestShown.clear();
    for (const LargeFile &f : largest) {
        m_largestShown.append(f.path);
        auto *row = new QWidget(m_largestList->parentWidget());
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(12, 8, 12, 8);
        layout->setSpacing(14);
        layout->addWidget(new IconTile(kindIcon(f.kind), kindColor(f.kind), 30, row));
        auto *texts = new QVBoxLayout;
        texts->setSpacing(1);
        auto *name = label(f.name, {}, row);
        name->setStyleSheet(QStringLiteral("font-weight: 500;"));
        name->setMinimumWidth(10);
        Theme::showAsWritten(name);
        auto *folder = label(displayPath(f.dir), QStringLiteral("mono"), row);
        folder->setStyleSheet(QStringLiteral("font-size: 10px;"));
        folder->setMinimumWidth(10);
        Theme::showAsWritten(folder);
        texts->addWidget(name);
        texts->addWidget(folder);
        layout->addLayout(texts, 1);
        auto *size = label(formatSize(f.bytes), QStringLiteral("num"), row);
        size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(size);
        m_largestList->addWidget(row);
        // The layout would show it only on the next turn of the event loop.
        row->show();
    }
    m_largestPlaceholder->setVisible(largest.isEmpty());
}

void LargeFilesPage::tick()
{
    if (m_clock.isValid())
        m_elapsedValue->setText(formatDuration(m_clock.elapsed() / 1000));
}

QList<LargeFile> LargeFilesPage::filterFiles(const QList<LargeFile> &files, int filter, int months,
                                             const QString &term, const QString &downloads, const QDate &today)
{
    // The Downloads folder itself or a folder inside it; "Downloads2" is
    // another folder.
    const auto separator = [](QChar c) {
#ifdef Q_OS_WIN
        return c == u'/' || c == u'\\';
#else
        return c == u'/';
#endif
    };
    const auto inDownloads = [&downloads, &separator](const QString &dir) {
        if (downloads.isEmpty() || !dir.startsWith(downloads, Qt::CaseInsensitive))
            return false;
        return dir.size() == downloads.size() || separator(downloads.back()) || separator(dir.at(downloads.size()));
    };
    QList<LargeFile> kept;
    for (const LargeFile &f : files) {
        if (filter == UnusedFiles && monthsSince(f.lastUsed, today) < months)
            continue;
        if (filter == Downloads && !inDownloads(f.dir))
            continue;
        if (!term.isEmpty() && !f.name.contains(term, Qt::CaseInsensitive) && !f.dir.contains(term, Qt::CaseInsensitive))
            continue;
        kept.append(f);
    }
    return kept;
}

QList<TreemapTile> LargeFilesPage::treemapTiles(const QList<LargeFile> &files)
{
    QList<TreemapTile> tiles;
    tiles.reserve(files.size());
    QHash<QString, int> seen;
    for (const LargeFile &f : files) {
        const int n = seen.value(f.kind, 0);
        seen.insert(f.kind, n + 1);
        tiles.append({f.path, f.name, formatSize(f.bytes), f.bytes, Treemap::variedColor(kindColor(f.kind), n)});
    }
    return tiles;
}

void LargeFilesPage::applyFilter()
{
    if (m_filter->currentIndex() == Grew)
        return;
    const int months = AppSettings::instance()->oldMonths();
    QStringList options = m_filter->options();
    options[UnusedFiles] = LargeFilesText::tr("Unused %1+ months").arg(months);
    if (options != m_filter->options()) {
        const int current = m_filter->currentIndex();
        m_filter->setOptions(options);
        m_filter->setCurrentIndex(current);
    }
    m_model->setOldMonths(months);

    const QString term = m_search->text().trimmed();
    const QString downloads = QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/Downloads"));
    const QList<LargeFile> kept =
        filterFiles(m_state->largeFiles(), m_filter->currentIndex(), months, term, downloads, QDate::currentDate());
    m_model->setFiles(kept);
    m_treemap->setTiles(treemapTiles(kept));
    m_treemapCard->setVisible(!kept.isEmpty());
    // An empty table says why it is empty.
    if (!term.isEmpty())
        //: %1: what was typed in the search field
        m_noMatch->setText(LargeFilesText::tr("No files match “%1”.").arg(term));
    else if (m_filter->currentIndex() != AllFiles)
        m_noMatch->setText(LargeFilesText::tr("No files in this view."));
    else
        //: %1: a size
        m_noMatch->setText(LargeFilesText::tr("No files over %1 in your home folder.")
                               .arg(formatSize(m_state->largeThreshold())));
    m_noMatch->setVisible(kept.isEmpty());
    m_table->setVisible(!kept.isEmpty());
    updateHover(m_table->viewport()->mapFromGlobal(QCursor::pos()));
    updateFooter();
}

void LargeFilesPage::toggleChecked(const QString &path)
{
    m_model->toggleChecked(path);
}

void LargeFilesPage::updateFooter()
{
    qint64 total = 0, selected = 0;
    int checkedShown = 0;
    for (const LargeFile &f : m_model->files()) {
        total += f.bytes;
        if (m_model->isChecked(f.path)) {
            selected += f.bytes;
            ++checkedShown;
        }
    }
    m_treemap->setChecked(m_model->checked());
    const QString style = Theme::instance()->text().name()
                          + QStringLiteral("; font-family:'%1'; font-size:15px").arg(Theme::monoFont(15).family());
    //: The footer's summary; %1: style, keep as is; %2: the checked size; %3: the total size
    m_summary->setText(LargeFilesText::tr("<b style='color:%1'>%2</b> selected of %3 · %Ln file(s)", nullptr,
                                          int(m_model->rowCount()))
                           .arg(style, formatSize(selected), formatSize(total)));
    m_showButton->setEnabled(checkedShown > 0);
    m_moveButton->setEnabled(checkedShown > 0);
}

QList<LargeFile> LargeFilesPage::checkedShownFiles() const
{
    // Only what the table shows: a file hidden by the filter or the search is
    // not part of the figure in the footer, so it is not part of the action.
    QSet<QString> shown;
    for (const LargeFile &f : m_model->files())
        shown.insert(f.path);
    QList<LargeFile> files;
    for (const LargeFile &f : m_state->largeFiles()) {
        if (shown.contains(f.path) && m_model->isChecked(f.path))
            files.append(f);
    }
    return files;
}

void LargeFilesPage::revealChecked()
{
    const QList<LargeFile> files = checkedShownFiles();
    if (!files.isEmpty())
        reveal(files.first().path);
}

void LargeFilesPage::reveal(const QString &path)
{
    const QPointer<LargeFilesPage> self(this);
    revealInFileManager(path, [self, path] {
        if (self)
            self->m_state->notify(onPlatform(LargeFilesText::tr("The File Explorer could not show %1", "%1: a path"),
                                             LargeFilesText::tr("The File Manager could not show %1", "%1: a path"))
                                      .arg(QDir::toNativeSeparators(path)));
    });
}

void LargeFilesPage::moveChecked()
{
    QStringList paths;
    for (const LargeFile &f : checkedShownFiles())
        paths.append(f.path);
    if (paths.isEmpty())
        return;
    m_state->moveLargeFilesToTrash(paths);
    // A file that went is no longer checked: put back by Undo, it returns
    // unticked like any file the user has not picked. The move ends on a
    // worker; its outcome arrives with largeFilesChanged.
    auto *once = new QObject(this);
    connect(m_state, &AppState::largeFilesChanged, once, [this, once, paths] {
        if (m_state->largeMoveRunning())
            return;
        QSet<QString> listed;
        for (const LargeFile &f : m_state->largeFiles())
            listed.insert(f.path);
        for (const QString &path : paths) {
            if (!listed.contains(path) && m_model->isChecked(path))
                m_model->toggleChecked(path);
        }
        once->deleteLater();
    });
}

void LargeFilesPage::updateHover(const QPoint &viewportPos)
{
    int row = -1;
    if (m_table->viewport()->rect().contains(viewportPos) && m_table->viewport()->underMouse())
        row = m_table->indexAt(viewportPos).row();
    if (row == m_hoveredRow)
        return;
    m_hoveredRow = row;
    m_table->viewport()->update();
}

bool LargeFilesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (m_table && watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && !(key->modifiers() & ~Qt::KeypadModifier)) {
            if (const LargeFile *file = m_model->fileAt(m_table->currentIndex().row()))
                toggleChecked(file->path);
            return true;
        }
    }
    if (m_table && watched == m_table && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // The first visit starts on the first file; the ring comes and goes
        // with the focus.
        if (event->type() == QEvent::FocusIn && !m_table->currentIndex().isValid() && m_model->rowCount() > 0)
            m_table->setCurrentIndex(m_model->index(0, LargeFilesModel::NameColumn));
        m_table->viewport()->update();
    }
    if (m_table && watched == m_table->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove:
            updateHover(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        case QEvent::Enter:
            updateHover(m_table->viewport()->mapFromGlobal(QCursor::pos()));
            break;
        case QEvent::Leave:
            if (m_hoveredRow != -1) {
                m_hoveredRow = -1;
                m_table->viewport()->update();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui

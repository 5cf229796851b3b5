#include "ui/pages/growthview.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/focusring.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/select.h"
#include "ui/widgets/treemap.h"
#include "ui/trtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

QString absolutePath(const QString &root, const QString &relative)
{
    return relative.isEmpty() ? root : root + u'/' + relative;
}

QString parentPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash > 0 ? path.left(slash) : path;
}

// The list's cells, drawn as the Space Map's file list draws its own.
class GrowthDelegate final : public QStyledItemDelegate
{
public:
    GrowthDelegate(const QTableView *table, QObject *parent) : QStyledItemDelegate(parent), m_table(table) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const Theme *theme = Theme::instance();
        const QRectF cell = option.rect;
        const QRectF text = cell.adjusted(12, 0, -12, 0);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        if (option.state & QStyle::State_MouseOver)
            p->fillRect(option.rect, theme->hover());
        p->fillRect(QRectF(cell.left(), cell.bottom(), cell.width(), 1), theme->line());
        const qint64 change = index.data(GrowthModel::ChangeRole).toLongLong();
        switch (index.column()) {
        case GrowthModel::FolderColumn: {
            const QRectF lines = text.adjusted(0, 9, 0, -9);
            const QFont nameFont = Theme::asWritten(theme->font(13, 500));
            p->setFont(nameFont);
            p->setPen(theme->text());
            p->drawText(lines, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        QFontMetrics(nameFont).elidedText(index.data().toString(), Qt::ElideRight, int(lines.width())));
            const QFont pathFont = Theme::asWritten(Theme::monoFont(11));
            p->setFont(pathFont);
            p->setPen(theme->text3());
            p->drawText(lines, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                        QFontMetrics(pathFont).elidedText(index.data(Qt::ToolTipRole).toString(), Qt::ElideMiddle,
                                                          int(lines.width())));
            break;
        }
        case GrowthModel::SizeColumn:
            p->setFont(Theme::monoFont(13));
            p->setPen(theme->text2());
            p->drawText(text, Qt::AlignRight | Qt::AlignVCenter, index.data().toString());
            break;
        default:
            p->setFont(Theme::monoFont(13, 600));
            p->setPen(change > 0 ? theme->warn() : change < 0 ? theme->accent() : theme->text3());
            p->drawText(text, Qt::AlignRight | Qt::AlignVCenter, index.data().toString());
            break;
        }
        if (index.row() == m_table->currentIndex().row() && focus::ringVisible(m_table)) {
            p->setClipRect(option.rect);
            const QRectF row(0, cell.top(), m_table->viewport()->width(), cell.height());
            focus::paintRing(p, row.adjusted(4, 4, -4, -4), 8);
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {100, 54}; }

private:
    const QTableView *m_table;
};

} // namespace

// ---- GrowthModel -------------------------------------------------------------

GrowthModel::GrowthModel(QObject *parent) : QAbstractTableModel(parent) {}

int GrowthModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GrowthModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GrowthModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows[index.row()];
    switch (role) {
    case PathRole:
        return row.path;
    case ChangeRole:
        return row.change;
    case Qt::ToolTipRole:
        return displayPath(row.path);
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case FolderColumn:
            return row.name;
        case SizeColumn:
            return formatSize(row.bytes);
        default:
            return GrowthView::changeText(row.change);
        }
    default:
        return {};
    }
}

QVariant GrowthModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((section == FolderColumn ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    // As the file list's titles: the same in every language, upper-cased.
    static const char *const titles[ColumnCount] = {"Folder", "Size", "Change"};
    QString text = QString::fromLatin1(titles[section]).toUpper();
    if (section == m_sortColumn)
        text += m_sortOrder == Qt::AscendingOrder ? QStringLiteral("  \u2191") : QStringLiteral("  \u2193");
    return text;
}

void GrowthModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QStringList paths;
    for (const QModelIndex &i : before)
        paths.append(m_rows.at(i.row()).path);
    sortRows();
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k)
        after.append(index(rowOf(paths[k]), before[k].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void GrowthModel::sortRows()
{
    const auto key = [this](const Row &a, const Row &b) {
        switch (m_sortColumn) {
        case FolderColumn:
            return QString::localeAwareCompare(a.name, b.name) < 0;
        case SizeColumn:
            return a.bytes < b.bytes;
        default:
            return a.change < b.change;
        }
    };
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(m_rows.begin(), m_rows.end(), key);
    else
        std::stable_sort(m_rows.begin(), m_rows.end(), [&key](const Row &a, const Row &b) { return key(b, a); });
}

void GrowthModel::setRows(const QList<Row> &rows)
{
    beginResetModel();
    m_rows = rows;
    sortRows();
    endResetModel();
}

int GrowthModel::rowOf(const QString &path) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].path == path)
            return i;
    }
    return -1;
}

// ---- GrowthView --------------------------------------------------------------

GrowthView::GrowthView(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state), m_model(new GrowthModel(this))
{
    setObjectName(QStringLiteral("growthView"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(10);
    m_up = new Button(LargeFilesText::tr("Up"), QStringLiteral("ghost"), {}, {}, this);
    m_up->setObjectName(QStringLiteral("growthUp"));
    connect(m_up, &QPushButton::clicked, this, &GrowthView::up);
    bar->addWidget(m_up);
    m_where = new ElidedLabel({}, QStringLiteral("mono"), this);
    m_where->setObjectName(QStringLiteral("growthLevel"));
    Theme::showAsWritten(m_where);
    bar->addWidget(m_where, 1);
    auto *sinceLabel = new QLabel(LargeFilesText::tr("Change since"), this);
    sinceLabel->setProperty("role", QStringLiteral("sub"));
    m_sinceLabel = sinceLabel;
    bar->addWidget(sinceLabel);
    m_since = new Select(this);
    m_since->setObjectName(QStringLiteral("growthSince"));
    m_since->setMinimumWidth(170);
    sinceLabel->setBuddy(m_since);
    a11y::setName(m_since, sinceLabel->text());
    connect(m_since, &QComboBox::activated, this, [this](int index) {
        m_picked = QDateTime::fromMSecsSinceEpoch(m_since->itemData(index).toLongLong(), Qt::UTC);
        refresh();
    });
    bar->addWidget(m_since);
    column->addLayout(bar);

    m_stack = new QStackedWidget(this);
    m_empty = new QLabel(m_stack);
    m_empty->setObjectName(QStringLiteral("growthEmpty"));
    m_empty->setProperty("role", QStringLiteral("sub"));
    m_empty->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_empty->setContentsMargins(32, 60, 32, 32);
    m_empty->setWordWrap(true);
    m_stack->addWidget(m_empty);

    auto *content = new QWidget(m_stack);
    auto *contentColumn = new QVBoxLayout(content);
    contentColumn->setContentsMargins(0, 0, 0, 0);
    contentColumn->setSpacing(14);
    auto *treemapCard = new Card(content);
    auto *treemapLayout = new QVBoxLayout(treemapCard);
    treemapLayout->setContentsMargins(6, 6, 6, 6);
    m_treemap = new Treemap(treemapCard);
    m_treemap->setObjectName(QStringLiteral("growthTreemap"));
    m_treemap->setAccessibleName(LargeFilesText::tr("Folders by change"));
    // A tile leads into its folder here; nothing is checked.
    connect(m_treemap, &Treemap::toggled, this, &GrowthView::enter);
    treemapLayout->addWidget(m_treemap);
    contentColumn->addWidget(treemapCard);

    auto *tableCard = new Card(content);
    auto *tableLayout = new QVBoxLayout(tableCard);
    tableLayout->setContentsMargins(10, 8, 10, 4);
    m_table = new QTableView(tableCard);
    m_table->setObjectName(QStringLiteral("growthFolders"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new GrowthDelegate(m_table, m_table));
    m_table->setAccessibleName(LargeFilesText::tr("Folders"));
    m_table->setShowGrid(false);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->setProperty("focusRing", false);
    m_table->setMouseTracking(true);
    // One stop in the tab order: the arrows move through the folders.
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);
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
    header->setMinimumSectionSize(40);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(GrowthModel::FolderColumn, QHeaderView::Stretch);
    header->resizeSection(GrowthModel::SizeColumn, 110);
    header->resizeSection(GrowthModel::ChangeColumn, 120);
    header->setSortIndicator(GrowthModel::ChangeColumn, Qt::DescendingOrder);
    m_table->setSortingEnabled(true);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, m_table->viewport(),
            qOverload<>(&QWidget::update));
    // A click, a double click or Return goes into the folder.
    connect(m_table, &QTableView::activated, this,
            [this](const QModelIndex &index) { enter(index.data(GrowthModel::PathRole).toString()); });
    connect(m_table, &QTableView::clicked, this,
            [this](const QModelIndex &index) { enter(index.data(GrowthModel::PathRole).toString()); });
    tableLayout->addWidget(m_table);
    contentColumn->addWidget(tableCard, 1);
    m_stack->addWidget(content);
    column->addWidget(m_stack, 1);

    connect(Theme::instance(), &Theme::changed, this, &GrowthView::rebuild);
}

QDateTime GrowthView::weekBefore(const QList<QDateTime> &times)
{
    if (times.size() < 2)
        return {};
    const QDateTime newest = times.last();
    const QDateTime target = newest.addDays(-7);
    QDateTime best;
    for (const QDateTime &t : times) {
        if (t > newest.addDays(-6))
            break;
        if (!best.isValid() || std::abs(t.secsTo(target)) < std::abs(best.secsTo(target)))
            best = t;
    }
    return best;
}

QString GrowthView::changeText(qint64 change)
{
    if (change > 0)
        return u'+' + formatSize(change);
    if (change < 0)
        return QChar(0x2212) + formatSize(-change);
    return formatSize(0);
}

QColor GrowthView::changeColor(qint64 change, qint64 largest)
{
    const Theme *theme = Theme::instance();
    // Tiles carry light text: the light ends of the dark mode's colours are
    // taken down until it reads.
    const auto deep = [theme](QColor c) { return theme->dark() ? c.darker(150) : c; };
    const QColor neutral = deep(theme->text3());
    if (change == 0 || largest <= 0)
        return neutral;
    const QColor end = deep(change > 0 ? theme->warn() : theme->accent());
    // The square root lets small changes show beside one large one.
    const double t = 0.25 + 0.75 * std::sqrt(std::min(1.0, double(std::abs(change)) / double(largest)));
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(neutral.red(), end.red()), mix(neutral.green(), end.green()), mix(neutral.blue(), end.blue()));
}

QStringList GrowthView::readingNames(const QList<QDateTime> &times, const QDateTime &now)
{
    const QDate today = now.toLocalTime().date();
    QStringList names;
    for (const QDateTime &t : times)
        names.append(relativeTime(t, today));
    const QLocale locale;
    QStringList named;
    for (int i = 0; i < times.size(); ++i) {
        if (names.count(names[i]) < 2) {
            named.append(names[i]);
            continue;
        }
        const QDateTime local = times[i].toLocalTime();
        const bool sameDay = local.date() == today;
        named.append(names[i] + QStringLiteral(" · ")
                     + (sameDay ? locale.toString(local.time(), QLocale::ShortFormat)
                                : locale.toString(local.date(), QLocale::ShortFormat)));
    }
    return named;
}

void GrowthView::refresh(bool force)
{
    const QList<QDateTime> times = m_state->folderReadings();
    QVariantList from{QVariant::fromValue(times), AppSettings::instance()->exclusions(), m_picked,
                      AppSettings::instance()->folderHistory()};
    if (!force && from == m_shownFrom)
        return;
    m_shownFrom = from;
    // The select offers every reading before the newest, newest first.
    QList<QDateTime> earlier = times;
    if (!earlier.isEmpty())
        earlier.removeLast();
    if (!earlier.contains(m_picked))
        m_picked = weekBefore(times).isValid() ? weekBefore(times) : (earlier.isEmpty() ? QDateTime() : earlier.first());
    std::reverse(earlier.begin(), earlier.end());
    const QStringList names = readingNames(earlier, QDateTime::currentDateTime());
    m_since->clear();
    for (int i = 0; i < earlier.size(); ++i)
        m_since->addItem(names[i], earlier[i].toMSecsSinceEpoch());
    m_since->setCurrentIndex(int(earlier.indexOf(m_picked)));
    m_since->setEnabled(earlier.size() > 1);
    m_since->setVisible(!earlier.isEmpty());
    m_sinceLabel->setVisible(!earlier.isEmpty());

    m_report = m_picked.isValid() ? m_state->folderGrowth(m_picked) : FolderGrowthReport{};
    m_reading = m_report.isValid() ? m_state->newestFolderReading() : FolderReading{};
    m_sizes.clear();
    if (!m_report.isValid() || !m_reading.isValid() || m_reading.root != m_report.root) {
        m_report = {};
        m_level.clear();
        m_empty->setText(!AppSettings::instance()->folderHistory() && times.size() < 2
                             ? LargeFilesText::tr("The history of folder sizes is off. Turn it on in Settings to see "
                                                  "what grew.")
                             : LargeFilesText::tr("Varnholt notes how big your folders are once a day. The first "
                                                  "comparison is ready after two readings."));
        m_stack->setCurrentWidget(m_empty);
        m_up->hide();
        m_where->clear();
        return;
    }
    // Sizes as the comparison counts them: a folder excluded now is left
    // out, and so is its size from the folders above it.
    for (const FolderSize &f : std::as_const(m_reading.folders))
        m_sizes.insert(absolutePath(m_reading.root, f.path), f.bytes);
    for (const FolderSize &f : std::as_const(m_reading.folders)) {
        const QString path = absolutePath(m_reading.root, f.path);
        if (f.path.isEmpty() || m_report.changes.contains(path) || !m_report.changes.contains(parentPath(path)))
            continue;
        for (QString up = parentPath(path); m_sizes.contains(up); up = parentPath(up)) {
            m_sizes[up] -= f.bytes;
            if (up == m_reading.root || parentPath(up) == up)
                break;
        }
    }
    for (auto it = m_sizes.begin(); it != m_sizes.end();) {
        if (!m_report.changes.contains(it.key()))
            it = m_sizes.erase(it);
        else
            ++it;
    }
    if (!m_sizes.contains(m_level))
        m_level = m_reading.root;
    m_stack->setCurrentIndex(1);
    rebuild();
}

void GrowthView::rebuild()
{
    if (!m_report.isValid())
        return;
    const QString previous = m_model->rows().value(m_table->currentIndex().row()).path;
    QList<GrowthModel::Row> rows;
    QSet<QString> parents;
    for (auto it = m_sizes.cbegin(); it != m_sizes.cend(); ++it) {
        if (it.key() != m_reading.root)
            parents.insert(parentPath(it.key()));
    }
    for (auto it = m_sizes.cbegin(); it != m_sizes.cend(); ++it) {
        if (it.key() == m_level || parentPath(it.key()) != m_level)
            continue;
        rows.append({it.key(), it.key().mid(m_level.size() + 1), it.value(), m_report.changes.value(it.key()),
                     parents.contains(it.key())});
    }
    // A folder with nothing recorded inside shows itself.
    if (rows.isEmpty())
        rows.append({m_level, m_level.mid(parentPath(m_level).size() + 1), m_sizes.value(m_level),
                     m_report.changes.value(m_level), false});
    m_model->setRows(rows);

    qint64 largest = 0;
    for (const GrowthModel::Row &row : std::as_const(rows))
        largest = std::max(largest, std::abs(row.change));
    QList<GrowthModel::Row> bySize = rows;
    std::stable_sort(bySize.begin(), bySize.end(),
                     [](const GrowthModel::Row &a, const GrowthModel::Row &b) { return a.bytes > b.bytes; });
    QList<TreemapTile> tiles;
    for (const GrowthModel::Row &row : std::as_const(bySize))
        tiles.append({row.path, row.name, formatSize(row.bytes) + QStringLiteral("  ") + changeText(row.change),
                      row.bytes, changeColor(row.change, largest)});
    m_treemap->setTiles(tiles);

    // The top level is the home folder, as the page's eyebrow says.
    m_up->setVisible(m_level != m_reading.root);
    m_where->setVisible(m_level != m_reading.root);
    m_where->setText(displayPath(m_level));
    if (const int row = m_model->rowOf(previous); row >= 0)
        m_table->setCurrentIndex(m_model->index(row, GrowthModel::FolderColumn));
}

void GrowthView::showFolder(const QString &path)
{
    refresh();
    if (!m_report.isValid())
        return;
    QString level = path == m_reading.root ? path : parentPath(path);
    if (!m_sizes.contains(level))
        level = m_reading.root;
    m_level = level;
    rebuild();
    const int row = m_model->rowOf(path);
    m_table->setCurrentIndex(row >= 0 ? m_model->index(row, GrowthModel::FolderColumn) : QModelIndex());
    if (row >= 0)
        m_table->scrollTo(m_model->index(row, GrowthModel::FolderColumn));
    for (int i = 0; i < m_treemap->tiles().size(); ++i) {
        if (m_treemap->tiles()[i].path == path)
            m_treemap->setCurrentIndex(i);
    }
}

void GrowthView::enter(const QString &path)
{
    const int row = m_model->rowOf(path);
    if (row < 0 || !m_model->rows()[row].hasChildren)
        return;
    m_level = path;
    m_table->setCurrentIndex({});
    rebuild();
    // The keyboard goes on from the first folder inside.
    if (m_table->hasFocus())
        m_table->setCurrentIndex(m_model->index(0, GrowthModel::FolderColumn));
}

bool GrowthView::eventFilter(QObject *watched, QEvent *event)
{
    // The keyboard starts on the first folder; the ring comes and goes with
    // the focus.
    if (watched == m_table && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        if (event->type() == QEvent::FocusIn && !m_table->currentIndex().isValid() && m_model->rowCount() > 0)
            m_table->setCurrentIndex(m_model->index(0, GrowthModel::FolderColumn));
        m_table->viewport()->update();
    }
    return QWidget::eventFilter(watched, event);
}

void GrowthView::up()
{
    if (m_level == m_reading.root || m_level.isEmpty())
        return;
    const QString from = m_level;
    showFolder(from);
}

} // namespace ui

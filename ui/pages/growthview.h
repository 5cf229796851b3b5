#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QVariantList>
#include <QString>
#include <QWidget>

#include "history/foldergrowth.h"

class AppState;
class QLabel;
class QStackedWidget;
class QTableView;

namespace ui {

class Button;
class ElidedLabel;
class Select;
class Treemap;

// The folders of one level of the newest reading of folder sizes with their
// size and their change since an earlier reading. Sorting keeps equal keys in
// their previous order.
class GrowthModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GrowthModel)

public:
    enum Column { FolderColumn = 0, SizeColumn = 1, ChangeColumn = 2, ColumnCount };
    static constexpr int PathRole = Qt::UserRole + 1;
    static constexpr int ChangeRole = Qt::UserRole + 2;

    struct Row
    {
        QString path;  // absolute, '/' separators
        QString name;
        qint64 bytes = 0;
        qint64 change = 0;
        bool hasChildren = false;
    };

    explicit GrowthModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setRows(const QList<Row> &rows);
    const QList<Row> &rows() const { return m_rows; }
    int rowOf(const QString &path) const;

private:
    void sortRows();

    QList<Row> m_rows;
    int m_sortColumn = ChangeColumn;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

// The Space Map's "Grew" view: the folders of the newest reading of folder
// sizes as a treemap coloured by how much each changed since a reading the
// user picks, above a list of the same folders with a sortable change. It
// shows one level at a time: a click on a tile or a row (Return on the
// keyboard) goes into that folder, "Up" goes back out.
//
// Everything is read from AppState in refresh(); the view remembers the
// folder it shows and the reading picked while that reading is kept.
class GrowthView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GrowthView)

public:
    explicit GrowthView(AppState *state, QWidget *parent = nullptr);

    // Reads the history again when its readings or the exclusions changed
    // since the last time, or when `force`d.
    void refresh(bool force = false);
    // Shows the level that holds `path` (the home folder itself: its top
    // level) with that folder as the current row and tile.
    void showFolder(const QString &path);
    // The folder whose level is shown; empty without a comparison.
    QString level() const { return m_level; }

    GrowthModel *model() const { return m_model; }
    Treemap *treemap() const { return m_treemap; }
    QTableView *table() const { return m_table; }
    Select *since() const { return m_since; }

    // Of readings taken at `times` (oldest first), the one to compare the
    // newest with for "this week": the one nearest to seven days before the
    // newest among those at least six days older. Invalid when there is none.
    static QDateTime weekBefore(const QList<QDateTime> &times);
    // A change as the list writes it: "+2.0 GB", "−512 MB", "0 KB".
    static QString changeText(qint64 change);
    // Warm for growth, cool for shrinking, neutral for no change, stronger
    // the nearer the change comes to `largest` (the largest change shown,
    // either way).
    static QColor changeColor(qint64 change, qint64 largest);
    // The names of the readings at `times` for the select: "Yesterday",
    // "2 weeks ago" and the like, with the date (the time, today) added
    // where two would read the same.
    static QStringList readingNames(const QList<QDateTime> &times, const QDateTime &now);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void enter(const QString &path);
    void up();

    AppState *m_state;
    GrowthModel *m_model;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_empty = nullptr;
    QLabel *m_sinceLabel = nullptr;
    Select *m_since = nullptr;
    ElidedLabel *m_where = nullptr;
    Button *m_up = nullptr;
    Treemap *m_treemap = nullptr;
    QTableView *m_table = nullptr;
    FolderGrowthReport m_report;
    FolderReading m_reading;
    QHash<QString, qint64> m_sizes;  // of m_reading, by absolute path, with what is excluded now taken out
    QString m_level;
    QDateTime m_picked;  // the reading the user chose to compare with
    QVariantList m_shownFrom;  // the readings, exclusions and pick the view was built from
};

} // namespace ui

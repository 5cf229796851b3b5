#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QSet>
#include <QString>

#include "largefiles/largefilefinder.h"

namespace ui {

// The colour a large-file kind is drawn in (table tile, treemap); slate for
// any kind without its own.
QColor kindColor(const QString &kind);

// The files the Space Map table shows after filtering, and which of them the
// user checked. Checks are kept by path, apart from the shown list, so they
// survive filters, sorting and rescans of the same files. The display roles
// are empty: the page's delegate draws the cells itself. Assistive
// technology reads each cell's text from the accessible roles (the check
// cell by the file's name, with its check state) instead.
class LargeFilesModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LargeFilesModel)

public:
    enum Column { CheckColumn = 0, NameColumn = 1, KindColumn = 2, LastOpenedColumn = 3, SizeColumn = 4, ColumnCount };
    static constexpr int FileRole = Qt::UserRole + 1;
    static constexpr int CheckedRole = Qt::UserRole + 2;

    explicit LargeFilesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Columns 0 and 2 have nothing to sort by: they keep the current column
    // and only take the order. Equal keys keep their previous order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the shown files and sorts them by the current column.
    void setFiles(const QList<LargeFile> &files);
    const QList<LargeFile> &files() const { return m_files; }
    const LargeFile *fileAt(int row) const;
    int rowOf(const QString &path) const;

    const QSet<QString> &checked() const { return m_checked; }
    bool isChecked(const QString &path) const { return m_checked.contains(path); }
    void toggleChecked(const QString &path);

    int oldMonths() const { return m_oldMonths; }
    void setOldMonths(int months);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

signals:
    void selectionChanged();

private:
    void sortFiles();

    QList<LargeFile> m_files;
    QSet<QString> m_checked;
    int m_oldMonths = 6;
    int m_sortColumn = SizeColumn;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

} // namespace ui

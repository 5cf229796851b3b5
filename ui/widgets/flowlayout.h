#pragma once

#include <QLayout>
#include <QList>

#include <functional>

namespace ui {

// Lays its items out left to right and starts a new row where the next one
// would not fit at its preferred width, so a long translation moves a chip or
// a figure to the next line instead of cutting its words; the height follows
// the width. Items in a row are centred vertically.
//
// With equal columns every row holds as many items as fit at the widest
// preferred width (at most `maxColumns`), and they share the row evenly: a
// grid of cards that loses a column when the cards would have to cut their
// texts.
class FlowLayout final : public QLayout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlowLayout)

public:
    explicit FlowLayout(QWidget *parent = nullptr, int horizontalSpacing = 8, int verticalSpacing = 8);
    ~FlowLayout() override;

    void setEqualColumns(int maxColumns);
    // The number of columns the items take at `width` (equal columns only).
    int columnsFor(int width) const;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    QList<QLayoutItem *> shown() const;
    // Lays the items out in `rect` (only measuring unless `apply`) and
    // returns the height used.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_hSpacing;
    int m_vSpacing;
    int m_maxColumns = 0;  // 0: natural widths
};

// Calls `apply` with the width of `watched` now and after every resize, for
// as long as `owner` lives: parts of a row give way when it gets narrow.
void followWidth(QWidget *watched, QObject *owner, std::function<void(int width)> apply);

} // namespace ui

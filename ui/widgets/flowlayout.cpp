#include "ui/widgets/flowlayout.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

class WidthWatcher final : public QObject
{
public:
    WidthWatcher(QWidget *watched, QObject *owner, std::function<void(int)> apply)
        : QObject(owner), m_watched(watched), m_apply(std::move(apply))
    {
        watched->installEventFilter(this);
        m_apply(watched->width());
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object == m_watched && event->type() == QEvent::Resize)
            m_apply(m_watched->width());
        return false;
    }

private:
    QWidget *m_watched;
    std::function<void(int)> m_apply;
};

} // namespace

FlowLayout::FlowLayout(QWidget *parent, int horizontalSpacing, int verticalSpacing)
    : QLayout(parent), m_hSpacing(horizontalSpacing), m_vSpacing(verticalSpacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::setEqualColumns(int maxColumns)
{
    m_maxColumns = std::max(0, maxColumns);
    invalidate();
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

QList<QLayoutItem *> FlowLayout::shown() const
{
    QList<QLayoutItem *> items;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            items.append(item);
    }
    return items;
}

int FlowLayout::columnsFor(int width) const
{
    const QList<QLayoutItem *> items = shown();
    if (items.isEmpty())
        return 1;
    int widest = 0;
    for (const QLayoutItem *item : items)
        widest = std::max(widest, item->sizeHint().width());
    const int limit = m_maxColumns > 0 ? std::min<int>(m_maxColumns, int(items.size())) : int(items.size());
    const int fit = (width + m_hSpacing) / std::max(1, widest + m_hSpacing);
    return std::clamp(fit, 1, limit);
}

int FlowLayout::arrange(const QRect &rect, bool apply) const
{
    const QMargins m = contentsMargins();
    const QRect area = rect.marginsRemoved(m);
    const QList<QLayoutItem *> items = shown();

    // The rows first, then their heights, then the geometry.
    QList<QList<QLayoutItem *>> rows;
    QList<QList<int>> widths;
    const int columns = m_maxColumns > 0 ? columnsFor(area.width()) : 0;
    int x = 0;
    for (QLayoutItem *item : items) {
        int w = std::min(item->sizeHint().width(), area.width());
        if (columns > 0)
            w = (area.width() - (columns - 1) * m_hSpacing) / columns;
        const bool full = columns > 0 ? !rows.isEmpty() && rows.last().size() == columns
                                      : !rows.isEmpty() && x + w > area.width();
        if (rows.isEmpty() || full) {
            rows.append(QList<QLayoutItem *>());
            widths.append(QList<int>());
            x = 0;
        }
        rows.last().append(item);
        widths.last().append(w);
        x += w + m_hSpacing;
    }

    int y = area.top();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        int rowHeight = 0;
        for (qsizetype i = 0; i < rows[r].size(); ++i) {
            QLayoutItem *item = rows[r][i];
            const int h = item->hasHeightForWidth() ? item->heightForWidth(widths[r][i]) : item->sizeHint().height();
            rowHeight = std::max(rowHeight, h);
        }
        if (apply) {
            int left = area.left();
            for (qsizetype i = 0; i < rows[r].size(); ++i) {
                QLayoutItem *item = rows[r][i];
                const int w = widths[r][i];
                int h = item->hasHeightForWidth() ? item->heightForWidth(w) : item->sizeHint().height();
                if (item->expandingDirections() & Qt::Vertical || columns > 0)
                    h = rowHeight;
                h = std::clamp(h, item->minimumSize().height(), std::max(item->minimumSize().height(), rowHeight));
                item->setGeometry(QRect(left, y + (rowHeight - h) / 2, w, h));
                left += w + m_hSpacing;
            }
        }
        y += rowHeight + (r + 1 < rows.size() ? m_vSpacing : 0);
    }
    return y - area.top() + m.top() + m.bottom();
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : shown())
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    const QList<QLayoutItem *> items = shown();
    int width = 0;
    int height = 0;
    if (m_maxColumns > 0) {
        int widest = 0;
        for (const QLayoutItem *item : items) {
            widest = std::max(widest, item->sizeHint().width());
            height = std::max(height, item->sizeHint().height());
        }
        const int columns = std::min<int>(m_maxColumns, int(items.size()));
        width = columns * widest + std::max(0, columns - 1) * m_hSpacing;
    } else {
        for (const QLayoutItem *item : items) {
            width += item->sizeHint().width() + (width > 0 ? m_hSpacing : 0);
            height = std::max(height, item->sizeHint().height());
        }
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

void followWidth(QWidget *watched, QObject *owner, std::function<void(int)> apply)
{
    new WidthWatcher(watched, owner, std::move(apply));
}

} // namespace ui

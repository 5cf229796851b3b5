#include "ui/widgets/stackbar.h"

#include "app/platform.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace ui {

StackBar::StackBar(int height, QWidget *parent) : QWidget(parent)
{
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    repaintOnThemeChange(this);
    // A chart: its owner names it, the segments describe it.
    a11y::setRole(this, QAccessible::Chart);
}

void StackBar::setSegments(const QList<Segment> &segments, qint64 total)
{
    m_segments = segments;
    m_total = qMax<qint64>(1, total);
    QStringList parts;
    for (const Segment &s : segments) {
        if (s.bytes > 0 && !s.name.isEmpty())
            parts << s.name + u' ' + formatSize(s.bytes);
    }
    a11y::setDescription(this, parts.join(QStringLiteral(", ")));
    relayout();
    update();
}

void StackBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void StackBar::relayout()
{
    m_rects.clear();
    qreal x = 0;
    const qreal w = width();
    for (const Segment &s : std::as_const(m_segments)) {
        if (s.bytes <= 0) {
            m_rects.append(QRectF());
            continue;
        }
        // Computed in floating point: bytes x width overflows 64 bits for
        // multi-terabyte totals on wide bars.
        const qreal share = qMax<qreal>(2.0, qreal(s.bytes) * w / qreal(m_total));
        m_rects.append(QRectF(x, 0, share, height()));
        x += share;
    }
}

int StackBar::segmentAt(const QPointF &pos) const
{
    // Later segments are painted over earlier ones where minimum widths make
    // them overlap, so the last hit wins.
    for (int i = int(m_rects.size()) - 1; i >= 0; --i) {
        if (!m_rects.at(i).isNull() && m_rects.at(i).contains(pos))
            return i;
    }
    return -1;
}

bool StackBar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int i = segmentAt(help->pos());
        if (i >= 0 && !m_segments.at(i).name.isEmpty())
            QToolTip::showText(help->globalPos(), m_segments.at(i).name, this, m_rects.at(i).toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void StackBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(rect());
    QPainterPath shape;
    if (height() < 11)
        shape.addRoundedRect(all, height() / 2.0, height() / 2.0);
    else
        shape.addRect(all);
    p.setClipPath(shape);
    p.fillPath(shape, Theme::instance()->track());

    for (int i = 0; i < m_segments.size(); ++i) {
        const QRectF r = m_rects.at(i);
        if (r.isNull())
            continue;
        const Segment &s = m_segments.at(i);
        if (!s.hatched) {
            p.fillRect(r, s.color);
            continue;
        }
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.setOpacity(0.55);
        p.fillRect(r, s.color);
        p.setOpacity(1.0);
        QPen stripe(s.color, 1.5);
        p.setPen(stripe);
        for (qreal x = r.left() - r.height(); x < r.right() + r.height(); x += 8)
            p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
        p.restore();
    }
}

} // namespace ui

#include "ui/widgets/sparkline.h"

#include "app/platform.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ui {

Sparkline::Sparkline(QWidget *parent) : QWidget(parent)
{
    setFixedSize(92, 32);
    repaintOnThemeChange(this);
    // A chart: its owner names it, the values describe it, oldest first.
    a11y::setRole(this, QAccessible::Chart);
}

void Sparkline::setValues(const QList<qint64> &values)
{
    if (values == m_values)
        return;
    m_values = values;
    QStringList parts;
    for (const qint64 v : values)
        parts << formatSize(std::max<qint64>(v, 0));
    a11y::setDescription(this, parts.join(QStringLiteral(", ")));
    relayout();
    update();
}

void Sparkline::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void Sparkline::relayout()
{
    m_points.clear();
    const qsizetype n = m_values.size();
    if (n == 0)
        return;
    const qint64 max = qMax<qint64>(1, *std::max_element(m_values.cbegin(), m_values.cend()));
    const qreal W = width();
    const qreal H = height();
    const qreal step = n < 2 ? 0.0 : (W - 4) / qreal(n - 1);
    const qreal bottom = H - 3;
    const qreal span = bottom - 3;
    for (qsizetype i = 0; i < n; ++i) {
        // A month with a negative entry (a corrupted store) is shown as none
        // rather than below the chart.
        const qreal v = qreal(qMax<qint64>(0, m_values.at(i)));
        m_points.append(QPointF(2 + i * step, bottom - v * span / qreal(max)));
    }
}

void Sparkline::paintEvent(QPaintEvent *)
{
    if (m_points.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath line;
    line.moveTo(m_points.first());
    for (qsizetype i = 1; i < m_points.size(); ++i)
        line.lineTo(m_points.at(i));

    QPainterPath area = line;
    area.lineTo(m_points.last().x(), height());
    area.lineTo(2, height());
    area.closeSubpath();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(99, 102, 241, int(0.35 * 255)));
    fill.setColorAt(1, QColor(99, 102, 241, 0));
    p.fillPath(area, fill);

    QLinearGradient stroke(0, 0, width(), 0);
    stroke.setColorAt(0, QColor(34, 211, 238));
    stroke.setColorAt(1, QColor(168, 85, 247));
    QPen pen(QBrush(stroke), 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (m_points.size() == 1)
        p.drawPoint(m_points.first());
    else
        p.drawPath(line);
}

} // namespace ui

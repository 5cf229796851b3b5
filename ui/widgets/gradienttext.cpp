#include "ui/widgets/gradienttext.h"

#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

GradientText::GradientText(const QFont &font, const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setFont(font);
    repaintOnThemeChange(this);
}

void GradientText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void GradientText::setStops(const QGradientStops &stops)
{
    m_stops = stops;
    update();
}

QSize GradientText::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(m_text) + 4, fm.height());
}

void GradientText::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    const QFontMetricsF fm(font());
    // The gradient spans the text itself, not the widget, so a wide widget
    // still shows every colour of it.
    const qreal w = fm.horizontalAdvance(m_text);
    const QRectF textRect((width() - w) / 2.0, (height() - fm.height()) / 2.0, w, fm.height());
    QLinearGradient g = Theme::brandGradient(textRect);
    if (!m_stops.isEmpty())
        g.setStops(m_stops);
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(rect(), Qt::AlignCenter, m_text);
}

} // namespace ui

#include "ui/widgets/gradienttext.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

GradientText::GradientText(const QFont &font, const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setFont(font);
    repaintOnThemeChange(this);
    a11y::setRole(this, QAccessible::StaticText);
    a11y::setName(this, text);
}

void GradientText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    a11y::setName(this, text);
    updateGeometry();
    update();
}

void GradientText::setStops(const QGradientStops &stops)
{
    m_stops = stops;
    update();
}

QGradientStops GradientText::shownStops() const
{
    const Theme *theme = Theme::instance();
    if (m_stops.isEmpty())
        return theme->textGradient(QRectF(0, 0, 1, 1)).stops();
    if (theme->dark())
        return m_stops;
    QGradientStops readable = m_stops;
    for (auto &stop : readable)
        stop.second = Theme::readableOn(stop.second, theme->bg(), 4.5);
    return readable;
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
    QLinearGradient g(textRect.topLeft(), textRect.bottomRight());
    g.setStops(shownStops());
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(rect(), Qt::AlignCenter, m_text);
}

} // namespace ui

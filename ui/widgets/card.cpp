#include "ui/widgets/card.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

Card::Card(QWidget *parent) : QFrame(parent)
{
    a11y::setRole(this, QAccessible::Grouping);
    repaintOnThemeChange(this);
}

void Card::setFill(const QColor &color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void Card::setBordered(bool on)
{
    if (on == m_bordered)
        return;
    m_bordered = on;
    update();
}

void Card::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(m_fill.isValid() ? m_fill : theme->card());
    if (m_bordered)
        p.setPen(QPen(theme->line(), 1));
    else
        p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
}

} // namespace ui

#include "ui/widgets/icontile.h"

#include "ui/icons.h"
#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

IconTile::IconTile(const QString &iconName, const QColor &color, int size, QWidget *parent)
    : QWidget(parent), m_name(iconName), m_color(color)
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    repaintOnThemeChange(this);
}

void IconTile::setIconName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    update();
}

void IconTile::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void IconTile::setNeutral(bool on)
{
    if (on == m_neutral)
        return;
    m_neutral = on;
    update();
}

QRectF IconTile::iconRect() const
{
    const qreal side = width() * 0.54;
    return QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side);
}

void IconTile::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = width() * 0.3;
    QColor iconColor;
    if (isNeutral()) {
        p.setPen(QPen(theme->line(), 1));
        p.setBrush(theme->hover());
        iconColor = theme->text2();
    } else {
        p.setPen(QPen(withAlphaF(m_color, 0.22), 1));
        p.setBrush(withAlphaF(m_color, theme->dark() ? 0.14 : 0.12));
        iconColor = m_color;
        iconColor.setAlpha(255);
    }
    p.drawRoundedRect(shape, radius, radius);
    if (!m_name.isEmpty())
        paintIcon(&p, iconRect(), m_name, iconColor);
}

} // namespace ui

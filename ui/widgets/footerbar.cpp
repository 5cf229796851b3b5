#include "ui/widgets/footerbar.h"

#include "ui/widgets/kit.h"

#include <QHBoxLayout>
#include <QPainter>

namespace ui {

FooterBar::FooterBar(QWidget *parent) : QWidget(parent)
{
    m_row = new QHBoxLayout(this);
    m_row->setSpacing(18);
    applyMargins();
    repaintOnThemeChange(this);
    connect(Theme::instance(), &Theme::changed, this, &FooterBar::applyMargins);
}

void FooterBar::applyMargins()
{
    if (Theme::instance()->macLook())
        m_row->setContentsMargins(48, 24, 40, 32);
    else
        m_row->setContentsMargins(52, 24, 44, 32);
}

QRectF FooterBar::panelRect() const
{
    const qreal d = Theme::instance()->macLook() ? 28 : 32;
    return QRectF(rect()).adjusted(d + 0.5, 12.5, -(d + 0.5), -20.5);
}

void FooterBar::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = panelRect();
    p.setPen(Qt::NoPen);
    p.setBrush(theme->dark() ? QColor(0, 0, 0, 5) : QColor(15, 23, 42, 1));
    // Ten faint layers add up to a soft shadow that sits a little low.
    for (int i = 1; i <= 10; ++i)
        p.drawRoundedRect(panel.adjusted(-i, -(i - 2), i, i + 2), 16 + i, 16 + i);
    p.setPen(QPen(theme->dark() ? theme->lineStrong() : theme->line(), 1));
    p.setBrush(withAlphaF(theme->surface2(), 0.94));
    p.drawRoundedRect(panel, 16, 16);
}

} // namespace ui

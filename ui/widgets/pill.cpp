#include "ui/widgets/pill.h"

#include "scan/category.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

namespace {

QFont pillFont()
{
    return Theme::instance()->font(11, 600);
}

} // namespace

Pill::Pill(int risk, QWidget *parent) : QWidget(parent), m_risk(risk)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    repaintOnThemeChange(this);
    a11y::setRole(this, QAccessible::StaticText);
    a11y::setName(this, text());
}

void Pill::setRisk(int risk)
{
    if (risk == m_risk)
        return;
    m_risk = risk;
    a11y::setName(this, text());
    updateGeometry();
    update();
}

QString Pill::text() const
{
    return riskLabel(m_risk);
}

QSize Pill::sizeHint() const
{
    return QSize(QFontMetrics(pillFont()).horizontalAdvance(text()) + 27, 20);
}

void Pill::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QColor fg = theme->ok();
    QColor bg = theme->okSoft();
    if (m_risk == Review) {
        fg = theme->warn();
        bg = theme->warnSoft();
    } else if (m_risk == Permanent) {
        fg = theme->bad();
        bg = theme->badSoft();
    }
    const QSize hint = sizeHint();
    const QRectF pill(0, (height() - hint.height()) / 2.0, hint.width(), hint.height());

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(pill, 6, 6);
    p.setBrush(fg);
    p.drawEllipse(QPointF(pill.left() + 11, pill.center().y()), 3, 3);
    p.setPen(fg);
    p.setFont(pillFont());
    p.drawText(QRectF(pill.left() + 19, pill.top(), pill.width() - 19, pill.height()),
               Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace ui

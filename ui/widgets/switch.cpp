#include "ui/widgets/switch.h"

#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

Switch::Switch(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    repaintOnThemeChange(this);
}

QRectF Switch::trackRect() const
{
    const QSize hint = sizeHint();
    const QRectF box(0, (height() - hint.height()) / 2.0, hint.width(), hint.height());
    return box.adjusted(0.5, 0.5, -0.5, -0.5);
}

QRectF Switch::knobRect() const
{
    const QRectF track = trackRect();
    const qreal d = track.height() - 6;
    const qreal x = isChecked() ? track.right() - 3 - d : track.left() + 3;
    return QRectF(x, track.top() + 3, d, d);
}

void Switch::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void Switch::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

void Switch::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        p.setOpacity(0.5);
    const QRectF track = trackRect();
    const qreal radius = track.height() / 2.0;
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::brandGradient(track));
    } else {
        p.setPen(QPen(underMouse() && isEnabled() ? theme->text3() : theme->lineStrong(), 1));
        p.setBrush(theme->track());
    }
    p.drawRoundedRect(track, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(isChecked() ? QColor(Qt::white) : theme->text2());
    p.drawEllipse(knobRect());
}

} // namespace ui

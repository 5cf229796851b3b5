#include "ui/widgets/spinner.h"

#include "ui/widgets/kit.h"

#include <QPainter>
#include <QTimerEvent>

#include <cmath>

namespace ui {

Spinner::Spinner(int size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size, size);
    repaintOnThemeChange(this);
}

void Spinner::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_timer)
        m_timer = startTimer(16, Qt::PreciseTimer);
}

void Spinner::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_timer) {
        killTimer(m_timer);
        m_timer = 0;
    }
}

void Spinner::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer) {
        QWidget::timerEvent(event);
        return;
    }
    m_angle = std::fmod(m_angle + 8.0, 360.0);
    update();
}

void Spinner::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme->lineStrong(), 2));
    p.drawEllipse(r);
    QPen arc(theme->accent(), 2);
    arc.setCapStyle(Qt::RoundCap);
    p.setPen(arc);
    // Qt counts angles counter-clockwise; the start moves clockwise with the
    // angle and the arc reaches back 90 degrees from there.
    p.drawArc(r, int(-m_angle * 16), 90 * 16);
}

} // namespace ui

#include "ui/widgets/stepbar.h"

#include "ui/widgets/kit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ui {

StepBar::StepBar(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_timer.setInterval(16);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &StepBar::advance);
    repaintOnThemeChange(this);
}

void StepBar::setState(int state)
{
    if (state == Active && !m_timer.isActive())
        m_timer.start();
    else if (state != Active)
        m_timer.stop();
    if (state == m_state)
        return;
    m_state = state;
    update();
}

void StepBar::advance()
{
    m_phase = std::fmod(m_phase + 0.012, 1.0);
    update();
}

QRectF StepBar::bandRect() const
{
    const qreal W = width();
    const qreal w = 0.35 * W;
    return QRectF((W + w) * m_phase - w, 0, w, height());
}

void StepBar::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 2, 2);
    p.setClipPath(shape);
    p.fillPath(shape, theme->track());
    if (m_state == Done) {
        p.fillRect(rect(), Theme::brandGradient(QRectF(rect())));
    } else if (m_state == Active) {
        const QRectF band = bandRect();
        p.fillRect(band, Theme::brandGradient(band));
    }
}

} // namespace ui

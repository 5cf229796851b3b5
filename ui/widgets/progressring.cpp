#include "ui/widgets/progressring.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace ui {

ProgressRing::ProgressRing(QWidget *parent) : QWidget(parent)
{
    setFixedSize(240, 240);
    m_timer.setInterval(16);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ProgressRing::advance);
    repaintOnThemeChange(this);
    // Read out as a progress bar: its texts as the name, the percentage.
    a11y::setRole(this, QAccessible::ProgressBar);
    a11y::setValue(this, 0);
}

void ProgressRing::setValue(qreal value)
{
    const qreal v = std::isnan(value) ? 0.0 : qBound<qreal>(0.0, value, 1.0);
    m_target = v;
    a11y::setValue(this, v * 100);
    if (v < m_shown)
        m_shown = v;
    update();
    startIfMoving();
}

void ProgressRing::setText(const QString &value, const QString &caption)
{
    if (value == m_value && caption == m_caption)
        return;
    m_value = value;
    m_caption = caption;
    a11y::setName(this, QString(value + u' ' + caption).trimmed());
    update();
}

void ProgressRing::setSuccess(bool success)
{
    if (success == m_success)
        return;
    m_success = success;
    update();
}

void ProgressRing::setSpinning(bool spinning)
{
    if (spinning == isSpinning())
        return;
    m_spin = spinning ? 0.0 : -1.0;
    update();
    startIfMoving();
}

void ProgressRing::startIfMoving()
{
    if ((m_shown != m_target || isSpinning()) && !m_timer.isActive())
        m_timer.start();
}

void ProgressRing::advance()
{
    if (m_shown != m_target) {
        m_shown += (m_target - m_shown) * 0.15;
        if (std::abs(m_target - m_shown) < 0.001)
            m_shown = m_target;
    }
    if (isSpinning())
        m_spin = std::fmod(m_spin + 3.6, 360.0);
    update();
    if (m_shown == m_target && !isSpinning())
        m_timer.stop();
}

void ProgressRing::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(10, 10, -10, -10);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme->track(), 8));
    p.drawEllipse(ring);

    if (m_shown > 0) {
        QLinearGradient g = Theme::brandGradient(ring);
        if (m_success) {
            g = QLinearGradient(ring.topLeft(), ring.bottomRight());
            g.setColorAt(0, QColor(0x34, 0xd3, 0x99));
            g.setColorAt(1, QColor(0x22, 0xd3, 0xee));
        }
        QPen pen(QBrush(g), 8);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        QPainterPath arc;
        arc.arcMoveTo(ring, 90);
        arc.arcTo(ring, 90, -m_shown * 360.0);
        p.drawPath(arc);
    }

    if (isSpinning()) {
        const qreal a = qDegreesToRadians(90.0 - m_spin);
        const QPointF dot(ring.center().x() + std::cos(a) * ring.width() / 2.0,
                          ring.center().y() - std::sin(a) * ring.height() / 2.0);
        const QColor colour = m_success ? theme->ok() : theme->accent();
        QRadialGradient glow(dot, 10);
        glow.setColorAt(0, withAlphaF(colour, 110 / 255.0));
        glow.setColorAt(1, withAlphaF(colour, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(dot, 10, 10);
        p.setBrush(colour);
        p.drawEllipse(dot, 4, 4);
    }

    const qreal cy = height() / 2.0;
    p.setPen(theme->text());
    p.setFont(Theme::monoFont(34, 600));
    p.drawText(QRectF(0, cy - 32, width(), 46), Qt::AlignCenter, m_value);
    p.setPen(theme->text3());
    p.setFont(Theme::eyebrowFont(11));
    p.drawText(QRectF(0, cy + 14, width(), 18), Qt::AlignCenter, m_caption);
}

} // namespace ui

#include "ui/widgets/radar.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ui {

Radar::Radar(QWidget *parent) : QWidget(parent)
{
    setFixedSize(250, 250);
    m_timer.setInterval(16);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Radar::advance);
    repaintOnThemeChange(this);
    // A busy indicator named by its figure ("1.2 GB found").
    a11y::setRole(this, QAccessible::ProgressBar);
}

void Radar::setText(const QString &value, const QString &caption)
{
    if (value == m_value && caption == m_caption)
        return;
    m_value = value;
    m_caption = caption;
    a11y::setName(this, QString(value + u' ' + caption).trimmed());
    update();
}

void Radar::setActive(bool active)
{
    if (active == m_timer.isActive())
        return;
    if (active)
        m_timer.start();
    else
        m_timer.stop();
}

void Radar::advance()
{
    m_sweep = std::fmod(m_sweep + 3.2, 360.0);
    update();
}

void Radar::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(width() / 2.0, height() / 2.0);
    const qreal R = width() / 2.0 - 1;
    const QColor cyan(34, 211, 238);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme->line(), 1));
    for (const qreal r : {R - 50, R - 34, R - 18, R - 2, R - 0.5})
        p.drawEllipse(c, r, r);

    QPainterPath annulus;
    annulus.addEllipse(c, R, R);
    annulus.addEllipse(c, 0.55 * R, 0.55 * R);
    annulus.setFillRule(Qt::OddEvenFill);
    QConicalGradient sweep(c, -m_sweep);
    sweep.setColorAt(0.0, withAlphaF(cyan, 0.95));
    sweep.setColorAt(0.02, withAlphaF(cyan, 0.32));
    sweep.setColorAt(0.3, withAlphaF(cyan, 0.0));
    sweep.setColorAt(1.0, withAlphaF(cyan, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(sweep);
    p.drawPath(annulus);

    const qreal inner = R - 62;
    // Many faint circles stack into a glow that strengthens towards the centre.
    for (int i = 22; i >= 2; i -= 2) {
        QColor glow = cyan;
        glow.setAlpha(1 + int(7 * (1.0 - i / 24.0)));
        p.setBrush(glow);
        p.drawEllipse(c, inner + i, inner + i);
    }
    p.setBrush(theme->well());
    p.setPen(QPen(theme->lineStrong(), 1));
    p.drawEllipse(c, inner, inner);

    p.setPen(theme->text());
    p.setFont(Theme::monoFont(26, 600));
    p.drawText(QRectF(c.x() - inner, c.y() - 24, 2 * inner, 34), Qt::AlignCenter, m_value);
    p.setPen(theme->text3());
    p.setFont(Theme::eyebrowFont(10));
    p.drawText(QRectF(c.x() - inner, c.y() + 12, 2 * inner, 16), Qt::AlignHCenter | Qt::AlignTop, m_caption);
}

} // namespace ui

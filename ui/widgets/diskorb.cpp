#include "ui/widgets/diskorb.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/focusring.h"
#include "ui/widgets/kit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace ui {

namespace {

const QColor kIndigo(99, 102, 241);
const QColor kViolet(168, 85, 247);
const QColor kCyan(34, 211, 238);
constexpr qreal kRingRadius = 128;

} // namespace

DiskOrb::DiskOrb(QWidget *parent) : QWidget(parent)
{
    setFixedSize(280, 280);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The disc carries its own ring; the widget's square would be wrong.
    setProperty("focusRing", false);
    a11y::setRole(this, QAccessible::Button);
    repaintOnThemeChange(this);
}

void DiskOrb::setValues(qint64 total, qint64 used, qint64 reclaim)
{
    total = qMax<qint64>(1, total);
    used = qBound<qint64>(0, used, total);
    reclaim = qBound<qint64>(0, reclaim, used);
    if (total == m_total && used == m_used && reclaim == m_reclaim)
        return;
    m_total = total;
    m_used = used;
    m_reclaim = reclaim;
    relayout();
    update();
}

void DiskOrb::relayout()
{
    const auto span = [](qreal start, qreal share) {
        Span s;
        if (share > 0) {
            // The sweep is cut short so that neighbouring arcs keep a small gap.
            s.start = start * 360.0;
            s.sweep = qMax(share * 360.0 - kGapDegrees, 0.5);
        }
        return s;
    };
    const qreal total = qreal(m_total);
    const qreal kept = qreal(m_used - m_reclaim) / total;
    m_usedSpan = span(0, kept);
    m_reclaimSpan = span(kept, qreal(m_reclaim) / total);
    m_usedIsBad = qreal(m_used) / total > 0.9;
}

void DiskOrb::setTexts(const QString &big, const QString &sub, const QString &action)
{
    const qsizetype space = big.indexOf(u' ');
    m_number = space < 0 ? big : big.left(space);
    m_unit = space < 0 ? QString() : big.mid(space + 1);
    m_sub = sub;
    m_action = action;
    a11y::setName(this, QString(big + u' ' + sub).trimmed());
    a11y::setDescription(this, action);
    update();
}

QList<DiskOrb::Arc> DiskOrb::arcs() const
{
    const Theme *theme = Theme::instance();
    QList<Arc> out;
    if (m_usedSpan.sweep > 0) {
        Arc used{m_usedSpan.start, m_usedSpan.sweep, kIndigo, kViolet, kIndigo};
        if (m_usedIsBad)
            used = {m_usedSpan.start, m_usedSpan.sweep, theme->bad(), QColor(), theme->bad()};
        out.append(used);
    }
    if (m_reclaimSpan.sweep > 0)
        out.append({m_reclaimSpan.start, m_reclaimSpan.sweep, kCyan, QColor(), kCyan});
    return out;
}

bool DiskOrb::inDisc(const QPointF &pos) const
{
    const QPointF d = pos - QPointF(width() / 2.0, height() / 2.0);
    return std::hypot(d.x(), d.y()) <= kDiscRadius;
}

void DiskOrb::setHover(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    setCursor(hover ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void DiskOrb::mouseMoveEvent(QMouseEvent *event)
{
    setHover(inDisc(event->position()));
    QWidget::mouseMoveEvent(event);
}

void DiskOrb::leaveEvent(QEvent *event)
{
    setHover(false);
    QWidget::leaveEvent(event);
}

void DiskOrb::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DiskOrb::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && inDisc(event->position())) {
        emit clicked();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void DiskOrb::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(width() / 2.0, height() / 2.0);
    const QRectF ring(c.x() - kRingRadius, c.y() - kRingRadius, 2 * kRingRadius, 2 * kRingRadius);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme->track(), 12));
    p.drawEllipse(ring);

    p.setPen(QPen(theme->lineStrong(), 1));
    for (int i = 0; i < 60; ++i) {
        const qreal a = qDegreesToRadians(i * 6.0);
        const qreal inner = i % 5 == 0 ? 104 : 108;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(c + dir * 112, c + dir * inner);
    }

    for (const Arc &arc : arcs()) {
        QPainterPath path;
        // Qt measures counter-clockwise from 3 o'clock.
        path.arcMoveTo(ring, 90.0 - arc.startDegrees);
        path.arcTo(ring, 90.0 - arc.startDegrees, -arc.sweepDegrees);
        for (const int width : {22, 18, 14}) {
            QPen glow(withAlphaF(arc.glow, 18 / 255.0), width);
            glow.setCapStyle(Qt::RoundCap);
            p.strokePath(path, glow);
        }
        QPen pen(arc.color, 12);
        if (arc.endColor.isValid()) {
            QLinearGradient g(ring.topLeft(), ring.bottomRight());
            g.setColorAt(0, arc.color);
            g.setColorAt(1, arc.endColor);
            pen.setBrush(g);
        }
        pen.setCapStyle(Qt::RoundCap);
        p.strokePath(path, pen);
    }

    paintDisc(p);
    paintTexts(p);
    if (focus::ringVisible(this)) {
        const QRectF disc(c.x() - kDiscRadius, c.y() - kDiscRadius, 2 * kDiscRadius, 2 * kDiscRadius);
        focus::paintRing(&p, disc, kDiscRadius);
    }
}

void DiskOrb::paintDisc(QPainter &p) const
{
    const Theme *theme = Theme::instance();
    const QPointF c(width() / 2.0, height() / 2.0);
    const qreal r = kDiscRadius;
    const int k = m_hover ? 9 : 6;
    p.setPen(Qt::NoPen);
    for (int i = 26; i >= 2; i -= 2) {
        QColor glow = kIndigo;
        glow.setAlpha(int((1.0 - i / 28.0) * k + 1));
        p.setBrush(glow);
        p.drawEllipse(c, r + i, r + i);
    }
    QColor halo = kIndigo;
    halo.setAlpha(m_hover ? 22 : 13);
    p.setBrush(halo);
    p.drawEllipse(c, r + 10, r + 10);

    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setBrush(theme->well());
    p.drawEllipse(disc);

    const bool dark = theme->dark();
    const qreal glowRadius = 0.6 * disc.height();
    QRadialGradient highlight(QPointF(disc.center().x(), disc.top() + 0.3 * disc.height()), glowRadius);
    highlight.setColorAt(0, QColor(255, 255, 255, dark ? 26 : 160));
    highlight.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(highlight);
    p.drawEllipse(disc);
    QRadialGradient tint(QPointF(disc.center().x(), disc.bottom() + 0.2 * disc.height()), glowRadius);
    QColor tintColor = kIndigo;
    tintColor.setAlpha(dark ? 115 : 55);
    tint.setColorAt(0, tintColor);
    tintColor.setAlpha(0);
    tint.setColorAt(1, tintColor);
    p.setBrush(tint);
    p.drawEllipse(disc);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme->lineStrong(), 1));
    p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
}

void DiskOrb::paintTexts(QPainter &p) const
{
    const Theme *theme = Theme::instance();
    const QPointF c(width() / 2.0, height() / 2.0);
    const qreal r = kDiscRadius;
    const qreal discTop = c.y() - r;
    const qreal baseline = discTop + 76;

    const QFont numberFont = Theme::monoFont(38, 600);
    const QFont unitFont = theme->font(15);
    const qreal numberWidth = QFontMetricsF(numberFont).horizontalAdvance(m_number);
    const qreal unitWidth = m_unit.isEmpty() ? 0 : 3 + QFontMetricsF(unitFont).horizontalAdvance(m_unit);
    const qreal x = c.x() - (numberWidth + unitWidth) / 2.0;
    p.setFont(numberFont);
    p.setPen(theme->text());
    p.drawText(QPointF(x, baseline), m_number);
    if (!m_unit.isEmpty()) {
        p.setFont(unitFont);
        p.setPen(theme->text2());
        p.drawText(QPointF(x + numberWidth + 3, baseline), m_unit);
    }

    p.setFont(Theme::eyebrowFont(10));
    p.setPen(theme->text3());
    p.drawText(QRectF(c.x() - r + 10, baseline + 8, 2 * r - 20, 16), Qt::AlignHCenter | Qt::AlignTop, m_sub);

    if (m_action.isEmpty())
        return;
    const QFont actionFont = theme->font(13, 600);
    const qreal pillWidth = QFontMetricsF(actionFont).horizontalAdvance(m_action) + 36;
    const QRectF pill(c.x() - pillWidth / 2.0, baseline + 34, pillWidth, 28);
    QColor glow = kIndigo;
    glow.setAlpha(m_hover ? 22 : 14);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    for (int i = 8; i >= 2; i -= 2)
        p.drawRoundedRect(pill.adjusted(-i, -(i - 4), i, i + 4), 14 + i, 14 + i);
    p.setBrush(Theme::brandGradient(pill));
    p.drawRoundedRect(pill, 14, 14);
    p.setFont(actionFont);
    p.setPen(Qt::white);
    p.drawText(pill, Qt::AlignCenter, m_action);
}

} // namespace ui

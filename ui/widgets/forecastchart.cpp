#include "ui/widgets/forecastchart.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ui {

namespace {

// Room around the plot; right and bottom leave space for the dot that marks
// a full disk.
constexpr qreal kLeft = 3;
constexpr qreal kTop = 3;
constexpr qreal kRight = 6;
constexpr qreal kBottom = 5;

} // namespace

ForecastChart::ForecastChart(QWidget *parent) : QWidget(parent)
{
    setFixedSize(220, 44);
    repaintOnThemeChange(this);
    a11y::setRole(this, QAccessible::Chart);
}

void ForecastChart::setForecast(const SpaceForecast &forecast)
{
    m_forecast = forecast;
    relayout();
    update();
}

void ForecastChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void ForecastChart::relayout()
{
    m_points.clear();
    m_projectionEnd = {};
    m_reachesFull = false;
    const QList<SpaceSample> &samples = m_forecast.samples;
    if (samples.isEmpty())
        return;

    const double first = double(samples.first().when);
    const double last = double(samples.last().when);
    const double span = std::max(last - first, 1.0);
    // The projection gets at most as much room as the history.
    double ahead = 0;
    if (m_forecast.hasForecast()) {
        const double toFull = m_forecast.daysUntilFull * double(forecast::kDayMs);
        m_reachesFull = toFull <= span;
        ahead = std::min(toFull, span);
    }
    qint64 top = 1;
    for (const SpaceSample &s : samples)
        top = std::max(top, s.availableBytes);

    const qreal left = kLeft;
    const qreal right = width() - kRight;
    const qreal bottom = height() - kBottom;
    const qreal height = bottom - kTop;
    const auto x = [&](double when) { return left + (when - first) / (span + ahead) * (right - left); };
    const auto y = [&](double bytes) { return bottom - std::clamp(bytes / double(top), 0.0, 1.0) * height; };

    for (const SpaceSample &s : samples)
        m_points.append(QPointF(samples.size() == 1 ? left : x(double(s.when)), y(double(s.availableBytes))));
    if (ahead > 0) {
        const double endBytes = double(samples.last().availableBytes)
            + m_forecast.slopeBytesPerDay * ahead / double(forecast::kDayMs);
        m_projectionEnd = QPointF(m_reachesFull ? right : x(last + ahead), m_reachesFull ? bottom : y(endBytes));
    }
}

void ForecastChart::paintEvent(QPaintEvent *)
{
    if (m_points.isEmpty())
        return;
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // The bottom edge is a full disk.
    const qreal bottom = height() - kBottom;
    p.setPen(QPen(theme->line(), 1));
    p.drawLine(QPointF(kLeft, bottom + 0.5), QPointF(width() - kRight, bottom + 0.5));

    QPainterPath line;
    line.moveTo(m_points.first());
    for (qsizetype i = 1; i < m_points.size(); ++i)
        line.lineTo(m_points.at(i));

    QPainterPath area = line;
    area.lineTo(m_points.last().x(), bottom);
    area.lineTo(m_points.first().x(), bottom);
    area.closeSubpath();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(99, 102, 241, int(0.35 * 255)));
    fill.setColorAt(1, QColor(99, 102, 241, 0));
    p.fillPath(area, fill);

    const qreal historyRight = std::max(m_points.last().x(), m_points.first().x() + 1);
    QLinearGradient stroke(m_points.first().x(), 0, historyRight, 0);
    stroke.setColorAt(0, QColor(34, 211, 238));
    stroke.setColorAt(1, QColor(168, 85, 247));
    QPen pen(QBrush(stroke), 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (m_points.size() == 1)
        p.drawPoint(m_points.first());
    else
        p.drawPath(line);

    if (m_projectionEnd.isNull())
        return;
    // Within a week the projection turns from a warning to an alarm.
    const QColor ahead = m_forecast.daysUntilFull < 7 ? theme->bad() : theme->warn();
    QPen dashed(ahead, 1.5, Qt::CustomDashLine, Qt::RoundCap);
    dashed.setDashPattern({2, 2.5});
    p.setPen(dashed);
    p.drawLine(m_points.last(), m_projectionEnd);
    if (m_reachesFull) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlphaF(ahead, 0.25));
        p.drawEllipse(m_projectionEnd, 4.5, 4.5);
        p.setBrush(ahead);
        p.drawEllipse(m_projectionEnd, 2.5, 2.5);
    }
}

} // namespace ui

#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

#include "app/forecast.h"

namespace ui {

// The free space of the last weeks as a small chart (220 x 44), in the
// sparkline's style, with the forecast drawn on: a dashed line from the
// latest reading along the fitted trend towards the bottom edge, which
// stands for a full disk. Time runs left to right in proportion (readings
// need not be evenly spaced); free space is scaled from 0 at the bottom to
// the largest reading near the top. The projection reaches the bottom edge
// at the right when the disk fills within as long again as the history
// covers; a later date is only hinted at by the line's direction.
//
// Assistive technology sees a chart; its owner gives the name and the
// description.
class ForecastChart final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForecastChart)

public:
    explicit ForecastChart(QWidget *parent = nullptr);

    void setForecast(const SpaceForecast &forecast);

    // The history's polyline and the end of the projection for the current
    // size; empty and null without readings.
    QList<QPointF> points() const { return m_points; }
    QPointF projectionEnd() const { return m_projectionEnd; }
    // Whether the projection reaches the bottom edge.
    bool reachesFull() const { return m_reachesFull; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    SpaceForecast m_forecast;
    QList<QPointF> m_points;
    QPointF m_projectionEnd;
    bool m_reachesFull = false;
};

} // namespace ui

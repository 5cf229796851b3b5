#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

namespace ui {

// A small trend line (92 x 32) with a soft area under it, for the freed
// space of the last months. Values are scaled against their maximum (at
// least 1); negative values are drawn as 0.
class Sparkline final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sparkline)

public:
    explicit Sparkline(QWidget *parent = nullptr);

    void setValues(const QList<qint64> &values);
    QList<qint64> values() const { return m_values; }
    // The polyline for the current size; empty without values.
    QList<QPointF> points() const { return m_points; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    QList<qint64> m_values;
    QList<QPointF> m_points;
};

} // namespace ui

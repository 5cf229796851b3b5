#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

namespace ui {

// A thin bar of proportions: each segment as wide as its share of the
// total, at least 2 px when it has any bytes so a tiny share stays visible.
// A hatched segment (a share the user has not selected, say) is lighter and
// striped. Hovering a named segment shows its name.
class StackBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StackBar)

public:
    struct Segment
    {
        qint64 bytes = 0;
        QColor color;
        QString name;
        bool hatched = false;
    };

    explicit StackBar(int height, QWidget *parent = nullptr);

    // The total is raised to at least 1.
    void setSegments(const QList<Segment> &segments, qint64 total);
    QList<Segment> segments() const { return m_segments; }
    qint64 total() const { return m_total; }
    // One rectangle per segment, in order; empty for segments without bytes.
    QList<QRectF> segmentRects() const { return m_rects; }
    // The segment under a point, or -1.
    int segmentAt(const QPointF &pos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void relayout();

    QList<Segment> m_segments;
    QList<QRectF> m_rects;
    qint64 m_total = 1;
};

} // namespace ui

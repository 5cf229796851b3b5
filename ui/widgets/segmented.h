#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

namespace ui {

// A row of mutually exclusive options in one rounded field; the current
// option sits on a raised inner pill. Only a press on another segment
// changes the selection and emits currentChanged; the programmatic setter is
// silent, so a page can mirror its state into the control without feedback.
class Segmented final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Segmented)

public:
    explicit Segmented(const QStringList &options, QWidget *parent = nullptr);

    QStringList options() const { return m_options; }
    void setOptions(const QStringList &options);
    int currentIndex() const { return m_current; }
    // Out-of-range indices are ignored. Emits nothing.
    void setCurrentIndex(int index);

    // The segment rectangles, left to right, in widget coordinates.
    QList<QRectF> segmentRects() const { return m_rects; }
    // The segment under a point, or -1.
    int segmentAt(const QPointF &pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    QStringList m_options;
    QList<QRectF> m_rects;
    int m_current = 0;
};

} // namespace ui

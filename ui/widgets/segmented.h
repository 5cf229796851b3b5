#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

namespace ui {

// A row of mutually exclusive options in one rounded field; the current
// option sits on a raised inner pill. Only the user changes the selection
// and emits currentChanged: a press on another segment, or Left, Right, Home
// and End while it has the focus. The programmatic setter is silent, so a
// page can mirror its state into the control without feedback. Assistive
// technology sees a tab list whose tabs are the options.
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
    // The user's choice: makes the option current and emits currentChanged
    // when that changed something.
    void pick(int index);

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
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void relayout();

    QStringList m_options;
    QList<QRectF> m_rects;
    int m_current = 0;
};

} // namespace ui

#pragma once

#include <QTimer>
#include <QWidget>

namespace ui {

// The 4 px state bar of a scan step: only the track while pending, a band of
// the brand gradient sliding through while active, filled when done.
class StepBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepBar)

public:
    enum State { Pending = 0, Active = 1, Done = 2 };

    explicit StepBar(QWidget *parent = nullptr);

    int state() const { return m_state; }
    // Entering Active starts the animation; any other state stops it.
    void setState(int state);
    qreal phase() const { return m_phase; }
    bool isAnimating() const { return m_timer.isActive(); }
    // The moving band for the current phase and width (Active only).
    QRectF bandRect() const;

    // One animation frame: the timer calls it every 16 ms.
    void advance();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_state = Pending;
    qreal m_phase = 0;
    QTimer m_timer;
};

} // namespace ui

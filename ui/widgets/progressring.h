#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace ui {

// The cleaning progress ring (240 x 240). The shown value eases towards the
// target (15 % of the remaining distance per 16 ms frame) when it rises and
// drops at once when it falls, so progress never appears to run backwards
// slowly. While spinning a glowing dot runs round the ring. The timer lives
// only while something moves.
class ProgressRing final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressRing)

public:
    explicit ProgressRing(QWidget *parent = nullptr);

    // Clamped to 0-1.
    void setValue(qreal value);
    qreal value() const { return m_target; }
    qreal shownValue() const { return m_shown; }
    void setText(const QString &value, const QString &caption);
    // Success switches the arc to the green-cyan gradient and the dot to `ok`.
    void setSuccess(bool success);
    bool success() const { return m_success; }
    void setSpinning(bool spinning);
    bool isSpinning() const { return m_spin >= 0; }
    qreal spinAngle() const { return m_spin; }
    bool isAnimating() const { return m_timer.isActive(); }

    // One animation frame: the timer calls it every 16 ms.
    void advance();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void startIfMoving();

    qreal m_target = 0;
    qreal m_shown = 0;
    qreal m_spin = -1;
    bool m_success = false;
    QString m_value;
    QString m_caption;
    QTimer m_timer;
};

} // namespace ui

#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace ui {

// The scanning radar (250 x 250): a grid of rings, a cyan sweep turning
// clockwise while active, and a value with a caption in its inner disc.
class Radar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Radar)

public:
    explicit Radar(QWidget *parent = nullptr);

    void setText(const QString &value, const QString &caption);
    // Starts or stops the sweep; the timer exists only while active.
    void setActive(bool active);
    bool isActive() const { return m_timer.isActive(); }
    qreal sweep() const { return m_sweep; }
    // One animation frame: the timer calls it every 16 ms.
    void advance();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_value;
    QString m_caption;
    qreal m_sweep = 0;
    QTimer m_timer;
};

} // namespace ui

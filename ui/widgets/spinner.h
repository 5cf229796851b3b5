#pragma once

#include <QWidget>

namespace ui {

// An indeterminate busy indicator: a quarter arc turning clockwise over a
// faint circle. Its 16 ms timer runs only while the spinner is visible.
class Spinner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Spinner)

public:
    explicit Spinner(int size, QWidget *parent = nullptr);

    qreal angle() const { return m_angle; }
    bool isSpinning() const { return m_timer != 0; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int m_timer = 0;
    qreal m_angle = 0;
};

} // namespace ui

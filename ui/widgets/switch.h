#pragma once

#include <QAbstractButton>

namespace ui {

// An on/off switch (40 x 22): a pill-shaped track with a round knob, filled
// with the brand gradient when on. Toggles on click and Space like any
// checkable button; listen to `toggled`.
class Switch final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Switch)

public:
    explicit Switch(QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(40, 22); }
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The track and the knob for the current size and state.
    QRectF trackRect() const;
    QRectF knobRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

} // namespace ui

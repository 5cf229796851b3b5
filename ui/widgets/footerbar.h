#pragma once

#include <QWidget>

class QHBoxLayout;

namespace ui {

// The floating panel at the foot of a page that holds its summary and its
// main actions; pages fill row().
class FooterBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FooterBar)

public:
    explicit FooterBar(QWidget *parent = nullptr);

    QHBoxLayout *row() const { return m_row; }
    // The panel rectangle for the current size and look.
    QRectF panelRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyMargins();

    QHBoxLayout *m_row;
};

} // namespace ui

#pragma once

#include <QColor>
#include <QFrame>

namespace ui {

// A rounded panel (radius 14) that groups content. Its layout is the
// caller's; the card only paints its background. Assistive technology sees a
// group, which its owner names (setAccessibleName).
class Card final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Card)

public:
    explicit Card(QWidget *parent = nullptr);

    // An invalid colour (the default) means the theme's `card`.
    QColor fill() const { return m_fill; }
    void setFill(const QColor &color);
    bool bordered() const { return m_bordered; }
    void setBordered(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    bool m_bordered = true;
};

} // namespace ui

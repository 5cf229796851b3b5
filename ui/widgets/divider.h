#pragma once

#include <QWidget>

namespace ui {

// A 1 px hairline in `line`, as wide as its layout makes it.
class Divider final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Divider)

public:
    explicit Divider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui

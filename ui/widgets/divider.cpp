#include "ui/widgets/divider.h"

#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

Divider::Divider(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    repaintOnThemeChange(this);
}

void Divider::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Theme::instance()->line());
}

} // namespace ui

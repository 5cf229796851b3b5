#pragma once

#include <QColor>
#include <QObject>
#include <QWidget>

#include "ui/theme.h"

namespace ui {

// Every kit widget repaints as soon as the theme switches mode or look, so a
// page never has to walk its children after a change.
inline void repaintOnThemeChange(QWidget *widget)
{
    QObject::connect(Theme::instance(), &Theme::changed, widget, qOverload<>(&QWidget::update));
}

// The colour with its alpha replaced; `alpha` is 0-1.
inline QColor withAlphaF(QColor color, qreal alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}

} // namespace ui

#pragma once

#include <QRectF>

class QApplication;
class QPainter;
class QWidget;

namespace ui::focus {

// Keyboard focus shows as a ring in the theme's accent around the focused
// control's own shape, and only while the keyboard is in use: a key press
// turns the rings on, a mouse press turns them off, so a clicked button never
// shows one (and no control draws the style's square focus rectangle).
//
// Most rings are drawn by one shared overlay that sits just outside the
// focused control, because a control's own painting is clipped to its
// rectangle. It follows every button, check box and select, and any widget
// with the dynamic property "focusRadius" (the corner radius of its shape).
// A scroll area (a page, the panes of a card) gets its ring just inside its
// edge, where the card or the window cannot cover it.
// A widget with the property "focusRing" set to false gets no shared ring:
// controls that mark a part of themselves (the current tile of the treemap,
// the current row of a table) draw it with paintRing when ringVisible().
//
// Tab and Shift+Tab follow the layouts: the order is taken afresh from the
// window's layouts at each press, so rows rebuilt at run time take their
// place on screen rather than the end of the chain.

// Once per application, before widgets are created; later calls do nothing.
void install(QApplication *app);

// True after a key press, false after a mouse press.
bool keyboardMode();
// Whether `widget` has the focus and the keyboard is in use.
bool ringVisible(const QWidget *widget);
// The ring around `shape` (widget coordinates), `radius` its corner radius.
void paintRing(QPainter *painter, const QRectF &shape, qreal radius);
// The shape the shared ring goes around, in the widget's coordinates, and its
// corner radius; an empty rectangle when the widget gets no shared ring.
QRectF ringShape(const QWidget *widget, qreal *radius);

// Puts the focusable widgets of `root` in the order of its layouts (widgets
// outside any layout follow their siblings in creation order).
void orderByLayout(QWidget *root);

} // namespace ui::focus

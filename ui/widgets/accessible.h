#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace ui::a11y {

// How assistive technology sees the kit. Stock widgets describe themselves;
// painted ones and plain widgets that act as controls (a category row, a
// tile, a page) carry a few dynamic properties that one interface factory
// reads:
//   "a11yRole"        the role (QAccessible::Role), e.g. CheckBox for a row
//   "a11yCheckState"  Qt::CheckState, for rows that can be checked
//   "a11yValue"       a value from 0 to 100 (progress, fill level)
// The name and description are the widget's accessibleName and
// accessibleDescription. The actions of a role-carrying widget are its keys:
// "Toggle" sends Space, "Press" sends Return, so assistive technology and the
// keyboard take the same path. The segmented control and the treemap also
// expose their segments and tiles as children.

// Registers the factory; once per application, later calls do nothing.
void install();

void setRole(QWidget *widget, QAccessible::Role role);
void setCheckState(QWidget *widget, Qt::CheckState state);
void setValue(QWidget *widget, qreal value);
// setAccessibleName/Description without a change event when nothing changed.
void setName(QWidget *widget, const QString &name);
void setDescription(QWidget *widget, const QString &description);

} // namespace ui::a11y

#pragma once

// Small helpers shared by the two halves of the Cleanup page's source.

#include <QString>

class QLabel;
class QLayout;
class QScrollArea;
class QWidget;

namespace ui::cleanup {

// A plain-text label: file and app names shown in it never turn into markup.
// A caller that builds markup itself switches the label to rich text.
QLabel *label(const QString &text, const QString &role, QWidget *parent);
// A tool tip that shows `text` as written even when it looks like markup
// (a file called "<h1>x" must not become a heading).
QString plainToolTip(const QString &text);
// A small-capitals heading line.
QLabel *eyebrow(const QString &text, QWidget *parent);
// Overrides the role's text size; `extra` is appended to the style sheet.
void setPixelSize(QLabel *label, int px, const QString &extra = {});
QString elideMiddle(const QWidget *widget, const QString &text, int width);
// Empties a layout, taking its widgets out of sight at once and deleting
// them later (a row may be replaced while its own click is being handled).
void discardChildren(QLayout *layout);
// A frameless vertical scroll area that resizes its content to its width.
QScrollArea *scrollArea(QWidget *parent);

} // namespace ui::cleanup

#pragma once

#include <QStackedWidget>

namespace ui {

// A stack of pages or views that lets its own parent size it. A plain
// QStackedWidget whose pages hold wrapped text reports a height for width,
// and the layout above it then asks every page, the hidden ones too, how tall
// it would be at each width it tries: every label of every page is shaped
// again whenever anything in the window changes (the end of a scan rebuilt
// half the window's text that way, in one 30 ms stall). The pages here get
// the stack's whole area from the window's layout, and scroll what does not
// fit, so the height for width is of no use above the stack.
class PageStack final : public QStackedWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageStack)

public:
    explicit PageStack(QWidget *parent = nullptr) : QStackedWidget(parent) {}
    bool hasHeightForWidth() const override { return false; }
};

} // namespace ui

#pragma once

#include "ui/dialogs/overlay.h"

namespace ui {

class Button;

// A generic yes/no question over the window.
//
// Owner's part: create it, connect `accepted`, open(). Cancel, Escape and a
// press outside close it without `accepted`.
class ConfirmDialog final : public Overlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConfirmDialog)

public:
    ConfirmDialog(QWidget *host, const QString &title, const QString &text, const QString &confirmText,
                  bool danger);

    Button *confirmButton() const { return m_confirm; }
    Button *cancelButton() const { return m_cancel; }

signals:
    void accepted();

private:
    Button *m_confirm = nullptr;
    Button *m_cancel = nullptr;
};

} // namespace ui

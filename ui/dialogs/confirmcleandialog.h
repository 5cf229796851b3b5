#pragma once

#include "ui/dialogs/overlay.h"

class AppState;

namespace ui {

class Button;

// Asks before every cleanup, naming the selected categories and whether they
// go to the Recycle Bin or are deleted for good. It reads the selection once,
// when built.
//
// Owner's part: `new ConfirmCleanDialog(state, host)`, connect `accepted` to
// AppState::startClean, then open(). Cancel, Escape and a press outside the
// panel close it without `accepted`.
class ConfirmCleanDialog final : public Overlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConfirmCleanDialog)

public:
    ConfirmCleanDialog(AppState *state, QWidget *host);

    // Dangerous: permanent deletion is on, or a selected category cannot be
    // restored (risk Permanent). The confirm button is then a danger button.
    bool isDangerous() const { return m_dangerous; }
    QString title() const;
    QString text() const;
    Button *confirmButton() const { return m_confirm; }
    Button *cancelButton() const { return m_cancel; }

signals:
    void accepted();

private:
    QString m_title;
    QString m_text;
    Button *m_confirm = nullptr;
    Button *m_cancel = nullptr;
    bool m_dangerous = false;
};

} // namespace ui

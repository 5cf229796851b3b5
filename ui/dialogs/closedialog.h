#pragma once

#include "ui/dialogs/overlay.h"

class QCheckBox;
class QLabel;

namespace ui {

class Button;

// Asks once whether closing the window keeps the program in the tray or
// quits. "Remember my choice" starts checked; its note shows only while it is
// checked.
//
// Owner's part: nothing directly; handleCloseRequest (app/trayduties.h) opens
// it and acts on `chosen`.
class CloseDialog final : public Overlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CloseDialog)

public:
    explicit CloseDialog(QWidget *host);

    QCheckBox *rememberBox() const { return m_remember; }
    QLabel *noteLabel() const { return m_note; }
    Button *keepButton() const { return m_keep; }
    Button *quitButton() const { return m_quit; }

signals:
    // Emitted by the two buttons only; dismissing the dialog emits nothing.
    void chosen(bool keepInTray, bool remember);

private:
    QCheckBox *m_remember = nullptr;
    QLabel *m_note = nullptr;
    Button *m_keep = nullptr;
    Button *m_quit = nullptr;
};

} // namespace ui

#pragma once

#include "ui/dialogs/overlay.h"

class AppState;
class QLabel;
class QTreeWidget;

namespace ui {

class Button;

// Asks before every cleanup, naming the selected categories and whether they
// go to the Recycle Bin or are deleted for good. It reads the selection once,
// when built.
//
// Owner's part: `new ConfirmCleanDialog(state, host)`, connect `accepted` to
// AppState::startClean, then open(). Cancel, Escape and a press outside the
// panel close it without `accepted`.
//
// "Everything that will go" opens a list below the categories of every path
// the cleanup would remove or move, with its size, sorted by path: the
// state's preview, worked out on a worker when asked for (a spinner shows
// meanwhile), through the same checks the cleanup makes.
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
    Button *previewLink() const { return m_previewLink; }
    QTreeWidget *previewList() const { return m_previewList; }

signals:
    void accepted();

private:
    void showPreview();
    void fillPreview();

    AppState *m_state = nullptr;
    Button *m_previewLink = nullptr;
    QWidget *m_previewBox = nullptr;
    QWidget *m_previewBusy = nullptr;
    QLabel *m_previewNote = nullptr;
    QTreeWidget *m_previewList = nullptr;
    bool m_previewAsked = false;
    QString m_title;
    QString m_text;
    Button *m_confirm = nullptr;
    Button *m_cancel = nullptr;
    bool m_dangerous = false;
};

} // namespace ui

#pragma once

#include "ui/dialogs/overlay.h"

#include "scan/category.h"

class AppState;
class QLabel;
class QTreeWidget;

namespace ui {

class Button;
class Segmented;

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
//
// Moving to the bin, the selected items it cannot take
// (AppState::selectedWithoutTrash) are listed apart, out of the categories'
// figures, with the choice to leave them where they are (the default) or to
// delete them for good; the title, the text and the confirm button follow
// the choice, and the owner passes deleteWithoutTrash() on to
// AppState::startClean.
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
    // The user chose to delete for good what the bin cannot take.
    bool deleteWithoutTrash() const;

signals:
    void accepted();

private:
    void showPreview();
    void fillPreview();
    QWidget *buildWithoutTrash(const QList<CategoryResult> &withoutTrash, qsizetype count);
    // The title, text and confirm button for the choice made.
    void updateTexts();

    AppState *m_state = nullptr;
    Button *m_previewLink = nullptr;
    QWidget *m_previewBox = nullptr;
    QWidget *m_previewBusy = nullptr;
    QLabel *m_previewNote = nullptr;
    QTreeWidget *m_previewList = nullptr;
    bool m_previewAsked = false;
    QString m_title;
    QString m_text;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    Button *m_confirm = nullptr;
    Button *m_cancel = nullptr;
    bool m_dangerous = false;
    bool m_toBin = false;
    bool m_permanentSelected = false;
    qint64 m_movedBytes = 0;           // what goes by the categories' figures
    qint64 m_withoutTrashBytes = 0;    // what the bin cannot take
    Segmented *m_withoutTrashChoice = nullptr;  // null when nothing is listed apart
};

} // namespace ui

#pragma once

#include <QPointer>

#include "ui/dialogs/overlay.h"

class QLabel;
class QProgressBar;
class Updater;

namespace ui {

class Button;
class Card;

// Mirrors the updater: checking, up to date, available (with release notes),
// failed, downloading and installing. The updater outlives the dialog;
// closing the dialog neither cancels a download nor stops a check.
//
// Owner's part: `(new UpdateDialog(updater, host))->open()`; start the check
// (Updater::check) yourself when one is wanted, and show `warning` (a retry
// that could not start or failed again) where the window shows its notices.
class UpdateDialog final : public Overlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateDialog)

public:
    UpdateDialog(Updater *updater, QWidget *host);

    QString title() const;
    QString subtitle() const;
    QString errorText() const;
    bool errorVisible() const;
    // The release notes as shown, one entry per note; empty while hidden.
    QStringList notes() const;
    bool notesVisible() const;
    QProgressBar *progressBar() const { return m_progress; }
    Button *updateButton() const { return m_update; }
    Button *retryButton() const { return m_retry; }
    Button *cancelButton() const { return m_cancel; }
    Button *closeButton() const { return m_close; }

signals:
    void warning(const QString &text);

private:
    void refresh();
    void rebuildNotes(const QStringList &notes);

    QPointer<Updater> m_updater;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    Card *m_notesCard = nullptr;
    QWidget *m_notesRows = nullptr;
    QStringList m_notes;
    QProgressBar *m_progress = nullptr;
    QLabel *m_error = nullptr;
    Button *m_update = nullptr;
    Button *m_retry = nullptr;
    Button *m_cancel = nullptr;
    Button *m_close = nullptr;
    bool m_retrying = false;  // Retry started the check that runs
};

} // namespace ui

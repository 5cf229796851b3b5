// SettingsPage: forgetting the history of folder sizes.

#include "ui/pages/settingspage.h"

#include "app/appstate.h"
#include "ui/dialogs/confirmdialog.h"
#include "ui/widgets/button.h"
#include "ui/trtext.h"

namespace ui {

Button *SettingsPage::makeForgetHistory()
{
    auto *forget = new Button(SettingsText::tr("Forget history"));
    forget->setObjectName(QStringLiteral("forgetHistory"));
    const auto sync = [this, forget] { forget->setEnabled(!m_state->folderReadings().isEmpty()); };
    sync();
    connect(m_state, &AppState::folderHistoryChanged, forget, sync);
    connect(forget, &QPushButton::clicked, this, &SettingsPage::forgetHistory);
    return forget;
}

void SettingsPage::forgetHistory()
{
    // Over the window's content, as every dialog of the window.
    QWidget *host = this;
    while (host->parentWidget() && host->objectName() != u"body")
        host = host->parentWidget();
    auto *dialog = new ConfirmDialog(
        host, SettingsText::tr("Forget the history of folder sizes?"),
        SettingsText::tr("Every reading Varnholt took of your folder sizes is removed. What grew shows again once "
                         "new readings have been taken."),
        SettingsText::tr("Forget history"), true);
    dialog->setObjectName(QStringLiteral("forgetHistoryDialog"));
    connect(dialog, &ConfirmDialog::accepted, this, [this] {
        m_state->forgetFolderHistory();
        if (m_state->folderReadings().isEmpty())
            m_state->announce(SettingsText::tr("The history of folder sizes is forgotten"));
        else
            m_state->notify(SettingsText::tr("Some readings of folder sizes could not be removed"));
    });
    dialog->open();
}

} // namespace ui

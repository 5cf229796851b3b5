#include "ui/dialogs/confirmdialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/button.h"

namespace ui {

ConfirmDialog::ConfirmDialog(QWidget *host, const QString &title, const QString &text,
                             const QString &confirmText, bool danger)
    : Overlay(host)
{
    QVBoxLayout *content = buildQuestionFrame(460, 420, 6);
    auto *titleLabel = new QLabel(title, panel());
    titleLabel->setProperty("role", "h2");
    titleLabel->setTextFormat(Qt::PlainText);
    content->addWidget(titleLabel);
    auto *textLabel = new QLabel(text, panel());
    textLabel->setProperty("role", "sub");
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(true);
    content->addWidget(textLabel);

    m_cancel = new Button(QCoreApplication::translate("Overlay", "Cancel"), {}, {}, {}, panel());
    m_confirm = new Button(confirmText, danger ? QStringLiteral("danger") : QStringLiteral("primary"), {}, {},
                           panel());
    m_confirm->setDefault(true);
    setButtons({m_confirm, m_cancel});

    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_confirm, &QPushButton::clicked, this, [this] {
        emit accepted();
        close();
    });
}

} // namespace ui

#include "ui/dialogs/closedialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/button.h"
#include "ui/widgets/divider.h"
#include "ui/trtext.h"

namespace ui {

CloseDialog::CloseDialog(QWidget *host) : Overlay(host)
{
    // Same frame in both looks: the choice is not a yes/no question, so the
    // buttons keep their order and equal widths.
    panel()->setFixedWidth(460);
    auto *outer = new QVBoxLayout(panel());
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(24, 24, 24, 20);
    content->setSpacing(6);
    //: Title of the dialog shown when the window is closed
    auto *title = new QLabel(OverlayText::tr("Keep Varnholt running?"), panel());
    title->setProperty("role", "h2");
    content->addWidget(title);
    auto *text =
        //: Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray
        new QLabel(OverlayText::tr("Varnholt can stay in the system tray when you close the window. You can open it "
                                   "again from the tray icon."),
                   panel());
    text->setProperty("role", "sub");
    text->setWordWrap(true);
    content->addWidget(text);
    content->addSpacing(10);
    //: Check box of the close dialog
    m_remember = new QCheckBox(OverlayText::tr("Remember my choice"), panel());
    m_remember->setChecked(true);
    content->addWidget(m_remember);
    m_note = new QLabel(OverlayText::tr("You can change this in Settings."), panel());
    m_note->setProperty("role", "micro");
    content->addWidget(m_note);
    outer->addLayout(content);
    outer->addWidget(new Divider(panel()));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(24, 16, 24, 16);
    bar->setSpacing(8);
    //: Button of the close dialog: hide the window, keep the tray icon
    m_keep = new Button(OverlayText::tr("Keep in tray"), QStringLiteral("primary"), {}, {}, panel());
    m_keep->setDefault(true);
    //: Button of the close dialog: end the program
    m_quit = new Button(OverlayText::tr("Quit"), {}, {}, {}, panel());
    for (Button *button : {m_keep, m_quit}) {
        button->setSizePolicy(QSizePolicy::Expanding, button->sizePolicy().verticalPolicy());
        bar->addWidget(button, 1);
    }
    outer->addLayout(bar);

    connect(m_remember, &QCheckBox::toggled, this, [this](bool on) {
        m_note->setVisible(on);
        refit();
    });
    connect(m_keep, &QPushButton::clicked, this, [this] {
        emit chosen(true, m_remember->isChecked());
        close();
    });
    connect(m_quit, &QPushButton::clicked, this, [this] {
        emit chosen(false, m_remember->isChecked());
        close();
    });
}

} // namespace ui

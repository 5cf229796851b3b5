#include "ui/dialogs/confirmcleandialog.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/spinner.h"
#include "ui/trtext.h"

namespace ui {

namespace {

QWidget *resultRow(const CategoryResult &result, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(10);
    layout->addWidget(new IconTile(result.icon, QColor(result.color), 24, row));
    auto *name = new QLabel(result.name, row);
    name->setTextFormat(Qt::PlainText);
    layout->addWidget(name, 1);
    auto *size = new QLabel(formatSize(result.bytes), row);
    size->setProperty("role", "strong");
    layout->addWidget(size);
    return row;
}

} // namespace

ConfirmCleanDialog::ConfirmCleanDialog(AppState *state, QWidget *host) : Overlay(host), m_state(state)
{
    const QList<CategoryResult> selected = state->selectedResults();
    const bool toBin = AppSettings::instance()->moveToTrash();
    const bool permanentSelected = std::any_of(selected.cbegin(), selected.cend(),
                                               [](const CategoryResult &r) { return r.risk == Permanent; });
    m_dangerous = !toBin || permanentSelected;

    m_title = OverlayText::tr("Clean %1?").arg(formatSize(state->selectedBytes()));
    if (!toBin)
        m_text = OverlayText::tr("Permanent delete is on. These files can't be recovered.");
    else if (permanentSelected)
        m_text =
            OverlayText::tr("Emptying the %1 can't be undone. Everything else goes to the %1.").arg(recycleBinName());
    else
        m_text =
            OverlayText::tr("Everything will be moved to the %1, so you can restore it later.").arg(recycleBinName());
    if (state->selectionNeedsAdmin())
        m_text += u' '
            + OverlayText::tr("Some of it needs administrator rights: without them those files are skipped.");

    QVBoxLayout *content = buildQuestionFrame(460, 420, 6);
    auto *title = new QLabel(m_title, panel());
    title->setProperty("role", "h2");
    title->setTextFormat(Qt::PlainText);
    content->addWidget(title);
    auto *text = new QLabel(m_text, panel());
    text->setProperty("role", "sub");
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    content->addWidget(text);
    content->addSpacing(8);

    auto *card = new Card(panel());
    card->setFill(Theme::instance()->surface());
    connect(Theme::instance(), &Theme::changed, card, [card] { card->setFill(Theme::instance()->surface()); });
    card->setObjectName(QStringLiteral("selection"));
    card->setAccessibleName(m_title);
    auto *rows = new QVBoxLayout(card);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (i > 0)
            rows->addWidget(new Divider(card));
        rows->addWidget(resultRow(selected.at(i), card));
    }
    content->addWidget(card);

    m_previewLink = new Button(OverlayText::tr("Everything that will go"), QStringLiteral("link"), {}, {}, panel());
    content->addWidget(m_previewLink, 0, Qt::AlignLeft);
    m_previewBox = new QWidget(panel());
    auto *box = new QVBoxLayout(m_previewBox);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(6);
    m_previewBusy = new QWidget(m_previewBox);
    auto *busy = new QHBoxLayout(m_previewBusy);
    busy->setContentsMargins(0, 0, 0, 0);
    busy->setSpacing(8);
    busy->addWidget(new Spinner(16, m_previewBusy));
    auto *working = new QLabel(OverlayText::tr("Working out the list…"), m_previewBusy);
    working->setProperty("role", "sub");
    busy->addWidget(working, 1);
    box->addWidget(m_previewBusy);
    m_previewNote = new QLabel(m_previewBox);
    m_previewNote->setProperty("role", "sub");
    m_previewNote->setTextFormat(Qt::PlainText);
    m_previewNote->setWordWrap(true);
    box->addWidget(m_previewNote);
    m_previewList = new QTreeWidget(m_previewBox);
    m_previewList->setObjectName(QStringLiteral("previewList"));
    m_previewList->setAccessibleName(OverlayText::tr("Everything that will go"));
    m_previewList->setColumnCount(2);
    m_previewList->setHeaderHidden(true);
    m_previewList->setRootIsDecorated(false);
    m_previewList->setUniformRowHeights(true);
    m_previewList->setTextElideMode(Qt::ElideMiddle);
    m_previewList->header()->setStretchLastSection(false);
    m_previewList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_previewList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_previewList->setFixedHeight(200);
    box->addWidget(m_previewList);
    m_previewBox->hide();
    content->addWidget(m_previewBox);
    connect(m_previewLink, &QPushButton::clicked, this, &ConfirmCleanDialog::showPreview);
    connect(state, &AppState::previewChanged, this, &ConfirmCleanDialog::fillPreview);

    m_cancel = new Button(OverlayText::tr("Cancel"), {}, {}, {}, panel());
    m_confirm = m_dangerous ? new Button(OverlayText::tr("Clean and delete"), QStringLiteral("danger"), {}, {}, panel())
                            : new Button(OverlayText::tr("Clean"), QStringLiteral("primary"), {}, {}, panel());
    m_confirm->setDefault(true);
    setButtons({m_confirm, m_cancel});

    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_confirm, &QPushButton::clicked, this, [this] {
        emit accepted();
        close();
    });
}

void ConfirmCleanDialog::showPreview()
{
    m_previewLink->hide();
    m_previewBox->show();
    m_previewAsked = true;
    if (!m_state->startPreview()) {
        m_previewAsked = false;
        m_previewBusy->hide();
        m_previewList->hide();
        m_previewNote->setText(OverlayText::tr("The list cannot be worked out now."));
    } else {
        fillPreview();
    }
    refit();
    m_previewBox->setFocus();
}

void ConfirmCleanDialog::fillPreview()
{
    if (!m_previewAsked)
        return;
    const bool running = m_state->previewRunning();
    m_previewBusy->setVisible(running);
    m_previewNote->setVisible(!running);
    m_previewList->setVisible(!running);
    if (!running) {
        const CleanReport &preview = m_state->preview();
        m_previewList->clear();
        qint64 total = 0;
        for (const PreviewEntry &e : preview.wouldGo) {
            total += e.bytes;
            // A folder that goes whole ends in a separator.
            const QString shown = e.isFolder ? displayPath(e.path) + QDir::separator() : displayPath(e.path);
            auto *item = new QTreeWidgetItem(m_previewList, {shown, formatSize(e.bytes)});
            item->setToolTip(0, QDir::toNativeSeparators(e.path));
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
        m_previewNote->setText(preview.wouldGo.isEmpty()
                                   ? OverlayText::tr("Nothing in the selection would be removed.")
                                   : OverlayText::tr("%n path(s) · %1", nullptr, int(preview.wouldGo.size()))
                                         .arg(formatSize(total)));
        m_previewList->setVisible(!preview.wouldGo.isEmpty());
        if (m_previewList->topLevelItemCount() > 0) {
            m_previewList->setCurrentItem(m_previewList->topLevelItem(0));
            m_previewList->setFocus();
        }
    }
    refit();
}

QString ConfirmCleanDialog::title() const
{
    return m_title;
}

QString ConfirmCleanDialog::text() const
{
    return m_text;
}

} // namespace ui

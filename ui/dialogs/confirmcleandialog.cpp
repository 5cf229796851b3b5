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
#include "ui/widgets/segmented.h"
#include "ui/widgets/spinner.h"
#include "ui/trtext.h"

namespace ui {

namespace {

// The most items of those the bin cannot take that are named one by one.
constexpr int kWithoutTrashShown = 4;

// A card on the panel in the surface colour, following the theme.
Card *surfaceCard(QWidget *parent)
{
    auto *card = new Card(parent);
    card->setFill(Theme::instance()->surface());
    QObject::connect(Theme::instance(), &Theme::changed, card, [card] { card->setFill(Theme::instance()->surface()); });
    return card;
}

// A row of a card: an icon (or nothing), a name and a size. A path is
// shortened in the middle, so that its file name stays in sight.
QWidget *sizeRow(QWidget *lead, const QString &text, qint64 bytes, QWidget *parent, bool isPath = false)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(10);
    if (lead)
        layout->addWidget(lead);
    auto *name = new QLabel(row);
    name->setTextFormat(Qt::PlainText);
    name->setText(isPath ? name->fontMetrics().elidedText(text, Qt::ElideMiddle, 300) : text);
    layout->addWidget(name, 1);
    auto *size = new QLabel(formatSize(bytes), row);
    size->setProperty("role", "strong");
    layout->addWidget(size);
    return row;
}

QWidget *resultRow(const CategoryResult &result, QWidget *parent)
{
    return sizeRow(new IconTile(result.icon, QColor(result.color), 24, parent), result.name, result.bytes, parent);
}

} // namespace

ConfirmCleanDialog::ConfirmCleanDialog(AppState *state, QWidget *host) : Overlay(host), m_state(state)
{
    QList<CategoryResult> selected = state->selectedResults();
    m_toBin = AppSettings::instance()->moveToTrash();
    m_permanentSelected = std::any_of(selected.cbegin(), selected.cend(),
                                      [](const CategoryResult &r) { return r.risk == Permanent; });
    // What the bin cannot take is listed apart, out of its category's figure.
    const QList<CategoryResult> withoutTrash = state->selectedWithoutTrash();
    qsizetype withoutTrashCount = 0;
    for (const CategoryResult &w : withoutTrash) {
        m_withoutTrashBytes += w.bytes;
        withoutTrashCount += w.items.size();
        for (CategoryResult &r : selected) {
            if (r.id == w.id)
                r.bytes -= w.bytes;
        }
    }
    selected.removeIf([](const CategoryResult &r) { return r.bytes <= 0; });
    for (const CategoryResult &r : std::as_const(selected))
        m_movedBytes += r.bytes;

    QVBoxLayout *content = buildQuestionFrame(460, 420, 6);
    m_titleLabel = new QLabel(panel());
    m_titleLabel->setProperty("role", "h2");
    m_titleLabel->setTextFormat(Qt::PlainText);
    content->addWidget(m_titleLabel);
    m_textLabel = new QLabel(panel());
    m_textLabel->setProperty("role", "sub");
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setWordWrap(true);
    content->addWidget(m_textLabel);
    content->addSpacing(8);

    auto *card = surfaceCard(panel());
    card->setObjectName(QStringLiteral("selection"));
    auto *rows = new QVBoxLayout(card);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (i > 0)
            rows->addWidget(new Divider(card));
        rows->addWidget(resultRow(selected.at(i), card));
    }
    card->setVisible(!selected.isEmpty());
    content->addWidget(card);
    if (withoutTrashCount > 0) {
        content->addSpacing(6);
        content->addWidget(buildWithoutTrash(withoutTrash, withoutTrashCount));
    }

    //: Link of the confirmation that lists every path the cleanup removes ("go": be removed, not leave)
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

    //: Button that closes a dialog without doing anything
    m_cancel = new Button(OverlayText::tr("Cancel"), {}, {}, {}, panel());
    m_confirm = new Button({}, QStringLiteral("primary"), {}, {}, panel());
    m_confirm->setDefault(true);
    setButtons({m_confirm, m_cancel});
    updateTexts();
    card->setAccessibleName(m_title);

    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_confirm, &QPushButton::clicked, this, [this] {
        emit accepted();
        close();
    });
}

QWidget *ConfirmCleanDialog::buildWithoutTrash(const QList<CategoryResult> &withoutTrash, qsizetype count)
{
    auto *box = new QWidget(panel());
    box->setObjectName(QStringLiteral("withoutTrash"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    const QString heading = onPlatform(OverlayText::tr("These cannot be moved to the Recycle Bin"),
                                       OverlayText::tr("These cannot be moved to the Trash"));
    auto *title = new QLabel(heading, box);
    title->setProperty("role", "strong");
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    layout->addWidget(title);

    auto *card = surfaceCard(box);
    card->setAccessibleName(heading);
    auto *rows = new QVBoxLayout(card);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    int shown = 0;
    for (const CategoryResult &r : withoutTrash) {
        for (const ScanItem &item : r.items) {
            if (shown == kWithoutTrashShown)
                break;
            if (shown++ > 0)
                rows->addWidget(new Divider(card));
            QWidget *row = sizeRow(nullptr, displayPath(item.path), item.bytes, card, true);
            row->setToolTip(QDir::toNativeSeparators(item.path));
            rows->addWidget(row);
        }
    }
    if (count > shown) {
        rows->addWidget(new Divider(card));
        //: Below the paths listed in the confirmation
        auto *more = new QLabel(OverlayText::tr("and %n more", nullptr, int(count - shown)), card);
        more->setProperty("role", "sub");
        more->setContentsMargins(12, 8, 12, 8);
        rows->addWidget(more);
    }
    layout->addWidget(card);

    // Leaving them is the default, as in a file manager.
    m_withoutTrashChoice =
        new Segmented({//: Choice for what cannot go to the bin: keep those files
                       OverlayText::tr("Leave them"),
                       //: Choice for what cannot go to the bin
                       OverlayText::tr("Delete them permanently")},
                      box);
    m_withoutTrashChoice->setObjectName(QStringLiteral("withoutTrashChoice"));
    m_withoutTrashChoice->setAccessibleName(heading);
    connect(m_withoutTrashChoice, &Segmented::currentChanged, this, [this] {
        updateTexts();
        if (m_previewAsked) {
            m_state->startPreview(deleteWithoutTrash());
            fillPreview();
        }
    });
    layout->addWidget(m_withoutTrashChoice, 0, Qt::AlignLeft);
    return box;
}

bool ConfirmCleanDialog::deleteWithoutTrash() const
{
    return m_withoutTrashChoice && m_withoutTrashChoice->currentIndex() == 1;
}

void ConfirmCleanDialog::updateTexts()
{
    const bool deleting = deleteWithoutTrash();
    m_dangerous = !m_toBin || m_permanentSelected || deleting;
    // The figure is what the cleanup will take away: what the bin cannot
    // take counts only when it is deleted instead.
    //: Title of the confirmation; %1: a size
    m_title = OverlayText::tr("Clean %1?").arg(formatSize(m_movedBytes + (deleting ? m_withoutTrashBytes : 0)));
    // Only what the bin cannot take selected: left, nothing would be cleaned.
    const bool nothing = m_withoutTrashChoice && m_movedBytes == 0;
    if (!m_toBin)
        m_text = OverlayText::tr("Permanent delete is on. These files can't be recovered.");
    else if (nothing && !deleting)
        m_text = onPlatform(
            OverlayText::tr("None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned."),
            OverlayText::tr("None of it can go to the Trash: delete it permanently, or nothing is cleaned."));
    else if (nothing)
        m_text = OverlayText::tr("All of it is deleted permanently and can't be recovered.");
    else if (deleting && m_permanentSelected)
        m_text = onPlatform(OverlayText::tr("Emptying the Recycle Bin and deleting what cannot go there can't be "
                                            "undone. Everything else goes to the Recycle Bin."),
                            OverlayText::tr("Emptying the Trash and deleting what cannot go there can't be undone. "
                                            "Everything else goes to the Trash."));
    else if (deleting)
        m_text = onPlatform(OverlayText::tr("What cannot go to the Recycle Bin is deleted permanently. Everything "
                                            "else is moved there, so you can restore it later."),
                            OverlayText::tr("What cannot go to the Trash is deleted permanently. Everything else is "
                                            "moved there, so you can restore it later."));
    else if (m_permanentSelected)
        m_text = onPlatform(
            OverlayText::tr("Emptying the Recycle Bin can't be undone. Everything else goes to the Recycle Bin."),
            OverlayText::tr("Emptying the Trash can't be undone. Everything else goes to the Trash."));
    else
        m_text = onPlatform(
            OverlayText::tr("Everything will be moved to the Recycle Bin, so you can restore it later."),
            OverlayText::tr("Everything will be moved to the Trash, so you can restore it later."));
    if (m_state->selectionNeedsAdmin())
        m_text += u' '
            + OverlayText::tr("Some of it needs administrator rights: without them those files are skipped.");
    m_titleLabel->setText(m_title);
    m_textLabel->setText(m_text);
    m_confirm->setKind(m_dangerous ? QStringLiteral("danger") : QStringLiteral("primary"));
    m_confirm->setText(m_dangerous ? OverlayText::tr("Clean and delete", "button: clean, part of it for good")
                                   : OverlayText::tr("Clean", "button: start the cleanup"));
    m_confirm->setEnabled(!nothing || deleting);
    refit();
}

void ConfirmCleanDialog::showPreview()
{
    m_previewLink->hide();
    m_previewBox->show();
    m_previewAsked = true;
    if (!m_state->startPreview(deleteWithoutTrash())) {
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
                                   : OverlayText::tr("%n path(s) · %1", "%1: their size", int(preview.wouldGo.size()))
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

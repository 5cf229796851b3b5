#include "ui/dialogs/confirmcleandialog.h"

#include <QCoreApplication>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/icontile.h"
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

ConfirmCleanDialog::ConfirmCleanDialog(AppState *state, QWidget *host) : Overlay(host)
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

QString ConfirmCleanDialog::title() const
{
    return m_title;
}

QString ConfirmCleanDialog::text() const
{
    return m_text;
}

} // namespace ui

#include "ui/dialogs/updatedialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include "app/platform.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/iconview.h"
#include "update/updater.h"
#include "ui/trtext.h"

namespace ui {

namespace {

class Logo final : public QWidget
{
public:
    Logo(int size, QWidget *parent) : QWidget(parent) { setFixedSize(size, size); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paintLogo(&p, QRectF(rect()));
    }
};

QLabel *makeLabel(const QString &role, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setProperty("role", role);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

UpdateDialog::UpdateDialog(Updater *updater, QWidget *host) : Overlay(host), m_updater(updater)
{
    QVBoxLayout *content = buildQuestionFrame(480, 440, 8);

    auto *header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(new Logo(36, panel()), 0, Qt::AlignTop);
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    m_title = makeLabel(QStringLiteral("h2"), panel());
    m_subtitle = makeLabel(QStringLiteral("sub"), panel());
    column->addWidget(m_title);
    column->addWidget(m_subtitle);
    header->addLayout(column, 1);
    content->addLayout(header);

    content->addSpacing(6);
    m_notesCard = new Card(panel());
    m_notesCard->setFill(Theme::instance()->surface2());
    auto *notesLayout = new QVBoxLayout(m_notesCard);
    notesLayout->setContentsMargins(14, 12, 14, 12);
    notesLayout->setSpacing(6);
    //: Heading over the release notes of an update
    auto *eyebrow = new QLabel(OverlayText::tr("What's new"), m_notesCard);
    m_notesCard->setAccessibleName(eyebrow->text());
    eyebrow->setProperty("role", "micro");
    eyebrow->setFont(Theme::eyebrowFont(11));
    notesLayout->addWidget(eyebrow);
    m_notesRows = new QWidget(m_notesCard);
    auto *rowsLayout = new QVBoxLayout(m_notesRows);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    rowsLayout->setSpacing(6);
    notesLayout->addWidget(m_notesRows);
    content->addWidget(m_notesCard);

    content->addSpacing(6);
    m_progress = new QProgressBar(panel());
    m_progress->setFixedHeight(6);
    m_progress->setTextVisible(false);
    content->addWidget(m_progress);

    m_error = makeLabel(QStringLiteral("warn"), panel());
    content->addWidget(m_error);

    m_close = new Button(OverlayText::tr("Close"), {}, {}, {}, panel());
    m_cancel = new Button(OverlayText::tr("Cancel"), {}, {}, {}, panel());
    //: Button of the update dialog after a failure
    m_retry = new Button(OverlayText::tr("Retry"), QStringLiteral("primary"), {}, {}, panel());
    //: Button of the update dialog
    m_update = new Button(OverlayText::tr("Update now"), QStringLiteral("primary"), {}, {}, panel());
    for (Button *button : {m_close, m_cancel, m_retry, m_update}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setButtons({m_update, m_retry, m_cancel, m_close});

    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_updater)
            m_updater->cancel();
    });
    connect(m_retry, &QPushButton::clicked, this, [this] {
        if (!m_updater)
            return;
        m_updater->check();
        // The same screen again would look as if the click did nothing.
        m_retrying = m_updater->state() == Updater::Checking;
        if (!m_retrying)
            emit warning(OverlayText::tr("The check could not start. Try again in a moment."));
    });
    connect(m_update, &QPushButton::clicked, this, [this] {
        if (m_updater)
            m_updater->download();
    });
    if (m_updater)
        connect(m_updater, &Updater::stateChanged, this, &UpdateDialog::refresh);
    connect(Theme::instance(), &Theme::changed, this, [this] {
        m_notesCard->setFill(Theme::instance()->surface2());
        refresh();
    });
    refresh();
}

void UpdateDialog::refresh()
{
    // The updater lives as long as the window; a missing one reads as a
    // check that never started.
    const int state = m_updater ? m_updater->state() : int(Updater::NotChecked);
    const QString current = m_updater ? m_updater->currentVersion() : QString();
    const UpdateInfo info = m_updater ? m_updater->info() : UpdateInfo();

    QString title;
    QString subtitle;
    switch (state) {
    case Updater::UpToDate:
        title = OverlayText::tr("Varnholt is up to date");
        //: %1: a version number
        subtitle = OverlayText::tr("Version %1 is the latest version.").arg(current);
        break;
    case Updater::Available: {
        title = OverlayText::tr("An update is available");
        //: %1, %2: version numbers
        subtitle = OverlayText::tr("Version %1 is available. You have %2.").arg(info.version, current);
        QStringList extra;
        if (!info.date.isEmpty())
            extra << info.date;
        if (!info.size.isEmpty())
            extra << info.size;
        if (!extra.isEmpty())
            subtitle += u'\n' + extra.join(QStringLiteral(" · "));
        break;
    }
    case Updater::Failed:
        title = OverlayText::tr("Could not check for updates");
        subtitle = OverlayText::tr("Check your internet connection and try again.");
        break;
    case Updater::Downloading:
        //: Status of the update dialog
        title = OverlayText::tr("Downloading the update…");
        if (m_updater->bytesTotal() > 0)
            //: Download progress; %1, %2: sizes
            subtitle = OverlayText::tr("%1 of %2")
                           .arg(formatSize(m_updater->bytesReceived()), formatSize(m_updater->bytesTotal()));
        else
            subtitle = OverlayText::tr("Version %1").arg(info.version);
        break;
    case Updater::Installing:
        //: Status of the update dialog
        title = OverlayText::tr("Installing the update…");
        subtitle = OverlayText::tr("Varnholt closes and starts again when the update is installed.");
        break;
    default:  // NotChecked, Checking
        //: Status of the update dialog
        title = OverlayText::tr("Checking for updates…");
        //: %1: a version number
        subtitle = OverlayText::tr("Version %1 is installed.").arg(current);
        break;
    }
    m_title->setText(title);
    m_subtitle->setText(subtitle);

    const bool showNotes = state == Updater::Available && !info.changes.isEmpty();
    rebuildNotes(showNotes ? info.changes : QStringList());
    m_notesCard->setVisible(showNotes);

    const bool busy = state == Updater::Checking || state == Updater::Downloading || state == Updater::Installing;
    m_progress->setVisible(busy);
    const QColor track = Theme::instance()->track();
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar { background: %1; border: 0; border-radius: 3px; }"
                       "QProgressBar::chunk { background: %2; border-radius: 3px; }")
            .arg(track.name(QColor::HexArgb), Theme::instance()->accent().name(QColor::HexArgb)));
    if (state == Updater::Downloading && m_updater->bytesTotal() > 0) {
        const qint64 total = m_updater->bytesTotal();
        const qint64 received = qBound<qint64>(0, m_updater->bytesReceived(), total);
        m_progress->setRange(0, 1000);
        m_progress->setValue(int(received * 1000 / total));
    } else {
        m_progress->setRange(0, 0);
    }

    const bool errorState = state == Updater::Available || state == Updater::Failed;
    m_error->setText(errorState ? m_updater->errorText() : QString());
    m_error->setVisible(!m_error->text().isEmpty());

    m_update->setVisible(state == Updater::Available);
    m_retry->setVisible(state == Updater::Failed);
    m_cancel->setVisible(state == Updater::Downloading);
    m_close->setVisible(state != Updater::Downloading && state != Updater::Installing);
    //: Button of the update dialog: do not update now
    m_close->setText(state == Updater::Available ? OverlayText::tr("Later") : OverlayText::tr("Close"));

    refit();
    // A button that went out of sight took the focus with it.
    if (isOpen() && !panel()->isAncestorOf(QApplication::focusWidget()))
        focusPrimaryButton();
    if (m_retrying && state != Updater::Checking) {
        m_retrying = false;
        if (state == Updater::Failed)
            emit warning(OverlayText::tr("The check failed again."));
    }
}

void UpdateDialog::rebuildNotes(const QStringList &notes)
{
    if (notes == m_notes)
        return;
    m_notes = notes;
    QLayout *layout = m_notesRows->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
    for (const QString &note : notes) {
        auto *row = new QWidget(m_notesRows);
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(8);
        rowLayout->addWidget(new IconView(QStringLiteral("check"), Tone::Ok, 14, row), 0, Qt::AlignTop);
        // Notes come from the network: never let them be read as markup.
        auto *label = new QLabel(note, row);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setObjectName(QStringLiteral("note"));
        rowLayout->addWidget(label, 1);
        layout->addWidget(row);
    }
}

QString UpdateDialog::title() const
{
    return m_title->text();
}

QString UpdateDialog::subtitle() const
{
    return m_subtitle->text();
}

QString UpdateDialog::errorText() const
{
    return m_error->text();
}

bool UpdateDialog::errorVisible() const
{
    return !m_error->isHidden();
}

QStringList UpdateDialog::notes() const
{
    return m_notesCard->isHidden() ? QStringList() : m_notes;
}

bool UpdateDialog::notesVisible() const
{
    return !m_notesCard->isHidden();
}

} // namespace ui

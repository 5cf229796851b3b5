#include "ui/pages/cleanuppage.h"
#include "ui/pages/cleanuppage_p.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "clean/cleanuplog.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/pagestack.h"
#include "ui/widgets/progressring.h"
#include "ui/widgets/radar.h"
#include "ui/widgets/scansteprow.h"
#include "ui/trtext.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

// The two colours of the done view's badge and figure for each outcome:
// green to cyan when all went, amber when some stayed, red when none went.
struct OutcomeColors
{
    QColor from;
    QColor to;
};

OutcomeColors outcomeColors(int outcome)
{
    switch (outcome) {
    case CleanupPage::Partial:
        return {QColor(QStringLiteral("#fbbf24")), QColor(QStringLiteral("#f97316"))};
    case CleanupPage::Failed:
        return {QColor(QStringLiteral("#f87171")), QColor(QStringLiteral("#e11d48"))};
    default:
        return {QColor(QStringLiteral("#34d399")), QColor(QStringLiteral("#22d3ee"))};
    }
}

// The badge of the done view: a soft glow behind a gradient disc with a
// white tick (all cleaned), exclamation mark (partly) or cross (nothing).
class Badge final : public QWidget
{
public:
    explicit Badge(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(120, 120);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void setOutcome(int outcome)
    {
        m_outcome = outcome;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QPointF c = QRectF(rect()).center();
        const OutcomeColors colors = outcomeColors(m_outcome);

        QRadialGradient glow(c, 60);
        QColor halo = colors.from;
        halo.setAlpha(70);
        glow.setColorAt(0, halo);
        halo.setAlpha(0);
        glow.setColorAt(1, halo);
        p.setBrush(glow);
        p.drawEllipse(c, 60, 60);

        const QRectF disc(c.x() - 36, c.y() - 36, 72, 72);
        QLinearGradient fill(disc.topLeft(), disc.bottomRight());
        fill.setColorAt(0, colors.from);
        fill.setColorAt(1, colors.to);
        p.setBrush(fill);
        p.drawEllipse(disc);

        QPen mark(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(mark);
        p.setBrush(Qt::NoBrush);
        if (m_outcome == CleanupPage::Partial) {
            p.drawLine(QPointF(c.x(), c.y() - 15), QPointF(c.x(), c.y() + 4));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(c.x(), c.y() + 13), 2.4, 2.4);
        } else if (m_outcome == CleanupPage::Failed) {
            p.drawLine(QPointF(c.x() - 11, c.y() - 11), QPointF(c.x() + 11, c.y() + 11));
            p.drawLine(QPointF(c.x() + 11, c.y() - 11), QPointF(c.x() - 11, c.y() + 11));
        } else {
            const QPointF points[] = {{c.x() - 13, c.y() + 1}, {c.x() - 4, c.y() + 10}, {c.x() + 14, c.y() - 9}};
            p.drawPolyline(points, 3);
        }
    }

private:
    int m_outcome = CleanupPage::Complete;
};

// One of the statistics under the radar or on the done view: a figure above
// a caption.
QLabel *addStatistic(QBoxLayout *row, const QString &caption, int valuePx, int captionPx, QWidget *parent)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    auto *value = cleanup::label(QStringLiteral("—"), QStringLiteral("num"), parent);
    value->setAlignment(Qt::AlignCenter);
    cleanup::setPixelSize(value, valuePx);
    auto *text = cleanup::label(caption, QStringLiteral("micro"), parent);
    text->setAlignment(Qt::AlignCenter);
    if (captionPx > 0)
        cleanup::setPixelSize(text, captionPx);
    column->addWidget(value);
    column->addWidget(text);
    row->addLayout(column, 1);
    return value;
}

} // namespace

CleanupPage::CleanupPage(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("CleanupPage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_views = new PageStack(this);
    m_views->addWidget(buildEmptyView());
    m_views->addWidget(buildScanningView());
    m_views->addWidget(buildResultsView());
    m_views->addWidget(buildCleaningView());
    m_views->addWidget(buildDoneView());
    outer->addWidget(m_views);

    connect(m_state, &AppState::phaseChanged, this, &CleanupPage::syncToPhase);
    connect(m_state, &AppState::scanProgressChanged, this, &CleanupPage::updateScanProgress);
    connect(m_state, &AppState::resultsChanged, this, &CleanupPage::onResults);
    connect(m_state, &AppState::selectionChanged, this, &CleanupPage::updateFooter);
    connect(m_state, &AppState::cleanProgress, this, &CleanupPage::updateCleanProgress);
    connect(AppSettings::instance(), &AppSettings::changed, this, &CleanupPage::updateFooter);
    // The items' notes of what the bin cannot take follow the mode.
    connect(AppSettings::instance(), &AppSettings::changed, this, [this] {
        if (m_state->phase() == AppState::Results && m_trashNotesShown != AppSettings::instance()->moveToTrash())
            rebuildDetail();
    });
    // The clock runs on its own: one large folder may keep the scanner busy
    // for minutes between two of its reports.
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &CleanupPage::tickScanClock);
    connect(Theme::instance(), &Theme::changed, this, [this] {
        if (m_state->phase() == AppState::Done)
            fillDoneView();
        // The footer's figure is set in the mode's text colour.
        updateFooter();
    });
    syncToPhase();
}

int CleanupPage::currentView() const
{
    return m_views->currentIndex();
}

qreal CleanupPage::scanShare(int index, int count)
{
    if (count < 1)
        return 0;
    const qreal p = std::min<qreal>(1, (std::max(index, 0) + 0.5) / count);
    return p > 0 ? p : 0;
}

QString CleanupPage::remainingText(int index, int count, qint64 startedMs, qint64 elapsedMs)
{
    if (scanShare(index, count) <= 0.15 || index < 1 || index >= count)
        return QStringLiteral("—");
    const qint64 started = std::max<qint64>(startedMs, 0);
    const qint64 left = started * count / index - std::max(elapsedMs, started);
    if (left < 1000)
        return QStringLiteral("—");
    return u'~' + formatDuration(left / 1000);
}

CleanupPage::Outcome CleanupPage::outcomeOf(const CleanReport &report)
{
    if (report.freedBytes + report.trashedBytes <= 0 && report.filesRemoved <= 0)
        return Failed;
    if (report.skippedCount > 0 || !report.runningApps.isEmpty() || !report.changedSinceScan.isEmpty()
        || report.needsAdmin)
        return Partial;
    return Complete;
}

QString CleanupPage::holdersText(const CleanReport &report)
{
    if (report.holders.isEmpty() || report.heldFiles < 1)
        return {};
    const int files = int(std::min<qint64>(report.heldFiles, std::numeric_limits<int>::max()));
    const int programs = int(std::min<qsizetype>(report.holders.size(), std::numeric_limits<int>::max()));
    const QString first = report.holders.at(0).name;
    QString who = first;
    if (programs == 2)
        who = CleanupText::tr("%1 and %2", "two programs that hold files").arg(first, report.holders.at(1).name);
    else if (programs > 2)
        who = CleanupText::tr("%1 and %n other program(s)", "programs that hold files", programs - 1).arg(first);
    return CleanupText::tr("%n file(s) are in use by %1.", "%1: one or more programs", files).arg(who);
}

// ---- empty view -------------------------------------------------------------

QWidget *CleanupPage::buildEmptyView()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    //: Title of the Cleanup page
    layout->addWidget(new PageHeader(CleanupText::tr("Cleanup"), {}, view));
    layout->addStretch(2);

    auto *column = new QWidget(view);
    column->setMaximumWidth(460);
    auto *col = new QVBoxLayout(column);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(8);
    auto *tile = new IconTile(QStringLiteral("sparkle"), Theme::instance()->accent(), 72, column);
    connect(Theme::instance(), &Theme::changed, tile, [tile] { tile->setColor(Theme::instance()->accent()); });
    col->addWidget(tile, 0, Qt::AlignHCenter);
    col->addSpacing(8);
    //: Heading of the Cleanup page before the first scan
    m_emptyTitle = cleanup::label(CleanupText::tr("Nothing scanned yet"), QStringLiteral("h2"), column);
    m_emptyTitle->setObjectName(QStringLiteral("emptyTitle"));
    m_emptyTitle->setAlignment(Qt::AlignCenter);
    col->addWidget(m_emptyTitle);
    m_emptyText =
        cleanup::label(CleanupText::tr("Find caches, temporary files and leftovers."), QStringLiteral("sub"), column);
    m_emptyText->setObjectName(QStringLiteral("emptyText"));
    m_emptyText->setAlignment(Qt::AlignCenter);
    m_emptyText->setWordWrap(true);
    col->addWidget(m_emptyText);
    col->addSpacing(12);
    //: Button; Smart Scan is the scan of every cleanup category
    auto *start = new Button(CleanupText::tr("Start Smart Scan"), QStringLiteral("primary"), QStringLiteral("sparkle"),
                             QStringLiteral("lg"), column);
    start->setObjectName(QStringLiteral("startScan"));
    connect(start, &QPushButton::clicked, m_state, &AppState::startScan);
    col->addWidget(start, 0, Qt::AlignHCenter);

    auto *centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addWidget(column, 100);
    centre->addStretch(1);
    layout->addLayout(centre);
    layout->addStretch(3);
    return view;
}

// ---- scanning view ----------------------------------------------------------

QWidget *CleanupPage::buildScanningView()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    //: Heading of the Cleanup page while the scan runs
    auto *header = new PageHeader(CleanupText::tr("Scanning"), {}, view);
    //: Eyebrow over the heading while a scan or cleanup runs
    header->setEyebrow(CleanupText::tr("In progress"));
    //: Button that stops the running scan
    auto *stop = new Button(CleanupText::tr("Stop"), {}, {}, {}, header);
    stop->setObjectName(QStringLiteral("stopScan"));
    connect(stop, &QPushButton::clicked, m_state, &AppState::cancelScan);
    header->actionRow()->addWidget(stop);
    layout->addWidget(header);

    auto *row = new QHBoxLayout;
    row->setSpacing(18);
    row->setContentsMargins(32, 0, 32, 28);

    auto *radarCard = new Card(view);
    radarCard->setMinimumWidth(290);
    radarCard->setMaximumWidth(340);
    auto *radarColumn = new QVBoxLayout(radarCard);
    radarColumn->setContentsMargins(26, 26, 26, 26);
    radarColumn->setSpacing(18);
    radarColumn->addStretch(1);
    m_radar = new Radar(radarCard);
    radarColumn->addWidget(m_radar, 0, Qt::AlignHCenter);
    m_scanPath = cleanup::label({}, QStringLiteral("mono"), radarCard);
    Theme::showAsWritten(m_scanPath);
    m_scanPath->setObjectName(QStringLiteral("scanPath"));
    m_scanPath->setAlignment(Qt::AlignCenter);
    m_scanPath->setMinimumWidth(10);
    radarColumn->addWidget(m_scanPath);
    auto *stats = new QHBoxLayout;
    stats->setSpacing(8);
    //: Caption under the number of files looked at so far
    m_checkedValue = addStatistic(stats, CleanupText::tr("Items checked"), 15, 0, radarCard);
    m_checkedValue->setObjectName(QStringLiteral("itemsChecked"));
    //: Caption under the time a scan has run so far
    m_elapsedValue = addStatistic(stats, CleanupText::tr("Elapsed"), 15, 0, radarCard);
    m_elapsedValue->setObjectName(QStringLiteral("elapsed"));
    //: Caption under the estimated time a scan still needs
    m_remainingValue = addStatistic(stats, CleanupText::tr("Remaining"), 15, 0, radarCard);
    m_remainingValue->setObjectName(QStringLiteral("remaining"));
    radarColumn->addLayout(stats);
    radarColumn->addStretch(1);
    row->addWidget(radarCard, 2);

    auto *stepCard = new Card(view);
    auto *stepColumn = new QVBoxLayout(stepCard);
    stepColumn->setContentsMargins(8, 8, 8, 8);
    stepColumn->setSpacing(0);
    m_stepHost = new QWidget(stepCard);
    m_steps = new QVBoxLayout(m_stepHost);
    m_steps->setContentsMargins(0, 0, 0, 0);
    m_steps->setSpacing(2);
    stepColumn->addWidget(m_stepHost);
    stepColumn->addStretch(1);
    row->addWidget(stepCard, 3);

    layout->addLayout(row, 1);
    return view;
}

void CleanupPage::rebuildSteps()
{
    cleanup::discardChildren(m_steps);
    const QList<CategoryDef> &defs = m_state->defs();
    for (int k = 0; k < defs.size(); ++k) {
        auto *step = new ScanStepRow(defs.at(k), m_stepHost);
        step->setObjectName(QStringLiteral("step%1").arg(k));
        m_steps->addWidget(step);
    }
    m_stepCount = int(defs.size());
}

void CleanupPage::updateScanProgress()
{
    const int n = int(m_state->defs().size());
    const int i = m_state->currentIndex();
    if (n != m_stepCount) {
        rebuildSteps();
        m_shownStep = -2;
    }
    // Progress arrives many times a second; the step list only changes when
    // the scanner moves on to another category.
    if (i != m_shownStep) {
        m_stepStartedMs = m_state->scanTimer().isValid() ? m_state->scanTimer().elapsed() : 0;
        for (int k = 0; k < n; ++k) {
            auto *step = static_cast<ScanStepRow *>(m_steps->itemAt(k)->widget());
            if (k < i)
                step->setState(2, formatSize(m_state->liveBytes(k)));
            else if (k == i)
                step->setState(1, QStringLiteral("…"));
            else
                step->setState(0, QStringLiteral("—"));
        }
        m_shownStep = i;
    }

    m_radar->setActive(m_state->phase() == AppState::Scanning);
    //: Caption under the size found so far, inside the scan's radar
    m_radar->setText(formatSize(m_state->foundBytes()), CleanupText::tr("found"));
    m_scanPath->setText(cleanup::elideMiddle(m_scanPath, QDir::toNativeSeparators(m_state->currentPath()), 280));
    m_checkedValue->setText(formatNumber(m_state->filesChecked()));
}

void CleanupPage::tickScanClock()
{
    const qint64 elapsedMs = m_state->scanTimer().isValid() ? m_state->scanTimer().elapsed() : 0;
    m_elapsedValue->setText(formatDuration(elapsedMs / 1000));
    m_remainingValue->setText(
        remainingText(m_state->currentIndex(), int(m_state->defs().size()), m_stepStartedMs, elapsedMs));
}

// ---- cleaning view ----------------------------------------------------------

QWidget *CleanupPage::buildCleaningView()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    //: Heading of the Cleanup page while the cleanup runs
    auto *header = new PageHeader(CleanupText::tr("Cleaning"), {}, view);
    header->setEyebrow(CleanupText::tr("In progress"));
    layout->addWidget(header);
    layout->addStretch(2);

    auto *column = new QWidget(view);
    column->setMaximumWidth(700);
    auto *col = new QVBoxLayout(column);
    col->setContentsMargins(32, 0, 32, 0);
    col->setSpacing(16);
    m_ring = new ProgressRing(column);
    col->addWidget(m_ring, 0, Qt::AlignHCenter);
    m_cleanPath = cleanup::label({}, QStringLiteral("mono"), column);
    Theme::showAsWritten(m_cleanPath);
    m_cleanPath->setObjectName(QStringLiteral("cleanPath"));
    m_cleanPath->setAlignment(Qt::AlignCenter);
    m_cleanPath->setMinimumWidth(10);
    col->addWidget(m_cleanPath);
    // The column takes its full width so the path has room to be elided to.
    auto *centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addWidget(column, 100);
    centre->addStretch(1);
    layout->addLayout(centre);
    layout->addStretch(3);
    return view;
}

void CleanupPage::updateCleanProgress(qint64 done, qint64 total, const QString &path)
{
    m_ring->setValue(total < 1 ? 0 : qreal(done) / qreal(total));
    //: Under the size cleaned so far, inside the progress ring; %1: the total size
    m_ring->setText(formatSize(done), CleanupText::tr("of %1").arg(formatSize(total)));
    if (!path.isEmpty())
        m_cleanPath->setText(cleanup::elideMiddle(m_cleanPath, QDir::toNativeSeparators(path), 640));
}

// ---- done view --------------------------------------------------------------

QWidget *CleanupPage::buildDoneView()
{
    auto *scroll = cleanup::scrollArea(this);
    auto *content = new QWidget(scroll);
    auto *outer = new QHBoxLayout(content);
    outer->setContentsMargins(32, 0, 32, 32);

    auto *column = new QWidget(content);
    column->setMaximumWidth(640);
    auto *col = new QVBoxLayout(column);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(6);
    col->addSpacing(40);
    m_badge = new Badge(column);
    m_badge->setObjectName(QStringLiteral("badge"));
    col->addWidget(m_badge, 0, Qt::AlignHCenter);
    col->addSpacing(6);
    //: Heading once a cleanup ended
    m_doneTitle = cleanup::eyebrow(CleanupText::tr("Cleanup complete"), column);
    m_doneTitle->setObjectName(QStringLiteral("doneTitle"));
    m_doneTitle->setAlignment(Qt::AlignCenter);
    col->addWidget(m_doneTitle);

    m_freed = new GradientText(Theme::monoFont(54, 600), {}, column);
    m_freed->setObjectName(QStringLiteral("freed"));
    col->addWidget(m_freed, 0, Qt::AlignHCenter);
    // What the figure is: moved to the bin, freed, or both.
    m_freedCaption = cleanup::label({}, QStringLiteral("strong"), column);
    m_freedCaption->setObjectName(QStringLiteral("freedCaption"));
    m_freedCaption->setAlignment(Qt::AlignCenter);
    m_freedCaption->setWordWrap(true);
    col->addWidget(m_freedCaption);
    m_modeLine = cleanup::label({}, QStringLiteral("sub"), column);
    m_modeLine->setObjectName(QStringLiteral("modeLine"));
    m_modeLine->setAlignment(Qt::AlignCenter);
    m_modeLine->setWordWrap(true);
    col->addWidget(m_modeLine);
    col->addSpacing(16);

    auto *stats = new QHBoxLayout;
    stats->setSpacing(40);
    stats->addStretch(1);
    auto *statBox = new QHBoxLayout;
    statBox->setSpacing(40);
    //: Caption: free disk space before the cleanup
    m_beforeValue = addStatistic(statBox, CleanupText::tr("Available before"), 17, 12, column);
    m_beforeValue->setObjectName(QStringLiteral("availableBefore"));
    //: Caption: free disk space after the cleanup
    m_nowValue = addStatistic(statBox, CleanupText::tr("Available now"), 17, 12, column);
    m_nowValue->setObjectName(QStringLiteral("availableNow"));
    stats->addLayout(statBox);
    stats->addStretch(1);
    col->addLayout(stats);
    col->addSpacing(12);

    m_skippedNote = new Note(Note::Warning, QStringLiteral("alert"), {}, column);
    m_skippedNote->setObjectName(QStringLiteral("skippedNote"));
    //: Button: clean again what was skipped
    m_retry = new Button(CleanupText::tr("Try again"), QStringLiteral("link"), {}, {}, m_skippedNote);
    m_retry->setObjectName(QStringLiteral("retry"));
    m_retry->setToolTip(CleanupText::tr("Clean the skipped files again, the same way"));
    connect(m_retry, &QPushButton::clicked, this, [this] { m_state->retrySkipped(); });
    m_skippedNote->body()->addWidget(m_retry, 0, Qt::AlignLeft);
    col->addWidget(m_skippedNote);
    m_adminNote =
        new Note(Note::Accent, QStringLiteral("lock"),
                 CleanupText::tr("<b>Some files need administrator rights.</b> Restart Varnholt as administrator "
                                 "and clean again to remove them."),
                 column);
    m_adminNote->setObjectName(QStringLiteral("adminNote"));
    //: Button: restart Varnholt with administrator rights
    auto *restart = new Button(CleanupText::tr("Restart as admin"), QStringLiteral("link"), {}, {}, m_adminNote);
    connect(restart, &QPushButton::clicked, this, &CleanupPage::restartElevated);
    m_adminNote->body()->addWidget(restart, 0, Qt::AlignLeft);
    col->addWidget(m_adminNote);
    col->addSpacing(18);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    //: Button: open the cleanup's log file
    auto *viewLog = new Button(CleanupText::tr("View log"), {}, QStringLiteral("file"), {}, column);
    viewLog->setObjectName(QStringLiteral("viewLog"));
    connect(viewLog, &QPushButton::clicked, this, &CleanupPage::openLog);
    //: Button: put back everything the cleanup moved to the bin
    m_restoreAll = new Button(CleanupText::tr("Restore all"), {}, QStringLiteral("refresh"), {}, column);
    m_restoreAll->setObjectName(QStringLiteral("restoreAll"));
    m_restoreAll->setToolTip(onPlatform(CleanupText::tr("Put everything this cleanup moved to the Recycle Bin back "
                                                        "where it was"),
                                        CleanupText::tr("Put everything this cleanup moved to the Trash back where it "
                                                        "was")));
    connect(m_restoreAll, &QPushButton::clicked, this, [this] { m_state->restoreCleanup(); });
    connect(m_state, &AppState::restoreChanged, this, &CleanupPage::updateRestoreButton);
    //: Button that closes the cleanup's result
    auto *finish = new Button(CleanupText::tr("Done"), QStringLiteral("primary"), {}, {}, column);
    finish->setObjectName(QStringLiteral("done"));
    connect(finish, &QPushButton::clicked, this, [this] {
        m_state->dismissDone();
        emit goHome();
    });
    buttons->addWidget(m_restoreAll);
    buttons->addWidget(viewLog);
    buttons->addWidget(finish);
    buttons->addStretch(1);
    col->addLayout(buttons);
    col->addStretch(1);

    outer->addWidget(column, 1, Qt::AlignTop);
    scroll->setWidget(content);
    return scroll;
}

void CleanupPage::fillDoneView()
{
    const CleanReport &report = m_state->lastReport();
    m_outcome = outcomeOf(report);
    static_cast<Badge *>(m_badge)->setOutcome(m_outcome);
    const OutcomeColors colors = outcomeColors(m_outcome);
    m_freed->setStops({{0, colors.from}, {1, colors.to}});

    // Moving to the bin frees nothing yet: the figure says which it was.
    const qint64 cleaned = report.freedBytes + report.trashedBytes;
    const qint64 selected = m_state->selectedBeforeClean();
    m_freed->setText(formatSize(cleaned));
    m_freed->setVisible(m_outcome != Failed);
    QString caption;
    const bool moved = movedToBin();
    if (moved && report.freedBytes > 0)
        caption = onPlatform(
            CleanupText::tr("freed or moved to the Recycle Bin", "what the figure of a finished cleanup is"),
            CleanupText::tr("freed or moved to the Trash", "what the figure of a finished cleanup is"));
    else if (moved)
        caption = onPlatform(CleanupText::tr("moved to the Recycle Bin", "what the figure of a finished cleanup is"),
                             CleanupText::tr("moved to the Trash", "what the figure of a finished cleanup is"));
    else
        caption = CleanupText::tr("freed", "what the figure of a finished cleanup is");
    if (m_outcome == Partial)
        //: Under the cleaned size; %1: the selected size; %2: what became of it, e.g. "freed"
        caption = CleanupText::tr("of %1 selected · %2").arg(formatSize(selected), caption);
    else if (m_outcome == Failed)
        //: %1: a size
        caption = CleanupText::tr("None of the %1 selected could be cleaned.").arg(formatSize(selected));
    m_freedCaption->setText(caption);

    switch (m_outcome) {
    case Complete:
        m_doneTitle->setText(CleanupText::tr("Cleanup complete"));
        break;
    case Partial:
        //: Heading once a cleanup left part of the selection
        m_doneTitle->setText(CleanupText::tr("Partly cleaned"));
        break;
    default:
        //: Heading once a cleanup removed nothing
        m_doneTitle->setText(CleanupText::tr("Nothing was cleaned"));
        break;
    }
    m_modeLine->setVisible(m_outcome != Failed);
    updateModeLine();

    const qint64 before = m_state->availableBeforeClean();
    const qint64 now = m_state->volume().availableBytes;
    m_beforeValue->setText(formatSize(before));
    m_nowValue->setText(formatSize(now));
    // Green only for space that visibly came back (moving to the bin frees
    // none, and other programs change the figure by a few bytes).
    const bool gained = now > before && formatSize(now) != formatSize(before);
    const Theme *theme = Theme::instance();
    cleanup::setPixelSize(m_nowValue, 17,
                          QStringLiteral(" color: %1;").arg(gained ? theme->ok().name() : theme->text().name()));

    QString text;
    // What the bin could not take is no file in use: it has its own words.
    const qint64 otherSkipped = report.skippedCount - report.noTrash.size();
    if (otherSkipped > 0) {
        const int count = int(std::min<qint64>(otherSkipped, std::numeric_limits<int>::max()));
        // Files in use or in a protected place are the usual reasons; when
        // others are among them (a mount point, something replaced since
        // the scan), the log, which words each one's, is where to look.
        text = report.skippedOther > 0
            ? CleanupText::tr("<b>%Ln file(s) skipped</b>. The log says why for each one.", nullptr, count)
            : CleanupText::tr(
                  "<b>%Ln file(s) skipped</b> because they were in use or protected. Quit the apps using them and "
                  "rescan to remove them.",
                  nullptr, count);
        if (!report.skippedSamples.isEmpty()) {
            const QString sample = cleanup::elideMiddle(m_skippedNote->label(), report.skippedSamples.first(), 360);
            //: %1: a file's path
            text += u' ' + CleanupText::tr("For example: %1").arg(sample.toHtmlEscaped());
        }
        const QString held = holdersText(report);
        if (!held.isEmpty())
            text += QStringLiteral("<br>") + held.toHtmlEscaped();
    }
    if (!report.noTrash.isEmpty()) {
        const int count = int(std::min<qsizetype>(report.noTrash.size(), std::numeric_limits<int>::max()));
        const QString sample = cleanup::elideMiddle(m_skippedNote->label(), report.noTrash.first().first, 360);
        const QString left =
            onPlatform(CleanupText::tr("<b>%Ln item(s) could not be moved to the Recycle Bin</b> and were left where "
                                       "they are.", nullptr, count),
                       CleanupText::tr("<b>%Ln item(s) could not be moved to the Trash</b> and were left where they "
                                       "are.", nullptr, count))
            + u' ' + CleanupText::tr("For example: %1").arg(sample.toHtmlEscaped());
        text = text.isEmpty() ? left : text + QStringLiteral("<br>") + left;
    }
    if (!report.changedSinceScan.isEmpty()) {
        const int count = int(std::min<qsizetype>(report.changedSinceScan.size(), std::numeric_limits<int>::max()));
        const QString sample = cleanup::elideMiddle(m_skippedNote->label(), report.changedSinceScan.first(), 360);
        const QString changed =
            CleanupText::tr("<b>%Ln item(s) kept</b> because something in them changed since the scan. Scan again "
                            "to see what can go.",
                            nullptr, count)
            + u' ' + CleanupText::tr("For example: %1").arg(sample.toHtmlEscaped());
        text = text.isEmpty() ? changed : text + QStringLiteral("<br>") + changed;
    }
    if (!report.runningApps.isEmpty()) {
        const QString apps =
            //: %1: a list of app names
            CleanupText::tr("<b>Left caches of running apps alone:</b> %1. Quit them and clean again to "
                            "include them.")
                .arg(report.runningApps.join(QStringLiteral(", ")).toHtmlEscaped());
        text = text.isEmpty() ? apps : text + QStringLiteral("<br>") + apps;
    }
    m_skippedNote->setText(text);
    m_skippedNote->setVisible(!text.isEmpty());
    m_retry->setVisible(m_state->canRetrySkipped());
    // The files it counts are the system's (Windows Update leftovers, the
    // package cache).
    m_adminNote->setVisible(report.needsAdmin && elevationHelps(true));
    updateRestoreButton();
}

// A file moved to the bin whose data other names still hold frees nothing
// and adds nothing to trashedBytes: the log's moves say it went there.
bool CleanupPage::movedToBin() const
{
    return m_state->lastReport().trashedBytes > 0 || m_state->lastCleanupRestorable()
        || m_state->lastCleanupRestored();
}

// What became of what the cleanup moved: still in the bin, deleted, or put
// back since.
void CleanupPage::updateModeLine()
{
    const CleanReport &report = m_state->lastReport();
    if (m_state->lastCleanupRestored())
        m_modeLine->setText(AppState::restoreSummary(m_state->lastRestore()));
    else if (movedToBin() && report.freedBytes > 0)
        m_modeLine->setText(onPlatform(CleanupText::tr("Some items were moved to the Recycle Bin and the rest deleted "
                                                       "permanently. You can still restore what was moved."),
                                       CleanupText::tr("Some items were moved to the Trash and the rest deleted "
                                                       "permanently. You can still restore what was moved.")));
    else if (movedToBin())
        m_modeLine->setText(onPlatform(CleanupText::tr("Moved to the Recycle Bin. You can still restore anything."),
                                       CleanupText::tr("Moved to the Trash. You can still restore anything.")));
    else
        m_modeLine->setText(CleanupText::tr("Items were deleted permanently."));
}

void CleanupPage::updateRestoreButton()
{
    if (m_state->phase() == AppState::Done)
        updateModeLine();
    const bool running = m_state->restoreRunning();
    m_restoreAll->setVisible(m_state->lastCleanupRestorable() || running);
    m_restoreAll->setEnabled(!running);
    //: The Restore all button while the files go back
    m_restoreAll->setText(running ? CleanupText::tr("Restoring…") : CleanupText::tr("Restore all"));
}

void CleanupPage::openLog()
{
    // A run tried again wrote a log for each try: the folder shows them all.
    const QString log = m_state->lastReport().logPath;
    const bool logThere = !log.isEmpty() && QFileInfo::exists(log);
    const QString target = logThere && m_state->lastReport().retryLogPaths.isEmpty() ? log : CleanupLog::folder();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target)))
        m_state->notify(CleanupText::tr("No app could open %1").arg(QDir::toNativeSeparators(target)));
    else if (!logThere)
        // The folder shows up in its place: say why the log is not there.
        m_state->notify(log.isEmpty() ? CleanupText::tr("This cleanup wrote no log; its folder is open instead.")
                                      : CleanupText::tr("The log %1 is gone; its folder is open instead.", "%1: a path")
                                            .arg(QDir::toNativeSeparators(log)));
}

void CleanupPage::reveal(const QString &path)
{
    const QPointer<CleanupPage> self(this);
    revealInFileManager(path, [self, path] {
        if (self)
            self->m_state->notify(onPlatform(CleanupText::tr("The File Explorer could not show %1", "%1: a path"),
                                             CleanupText::tr("The File Manager could not show %1", "%1: a path"))
                                      .arg(QDir::toNativeSeparators(path)));
    });
}

void CleanupPage::restartElevated()
{
    // A refused prompt leaves everything as it was.
    if (relaunchElevated(window()->winId()))
        QCoreApplication::quit();
    else
        m_state->notify(elevationRefusedText());
}

QString CleanupPage::elevationRefusedText()
{
    return CleanupText::tr("Varnholt did not restart: administrator rights were refused or could not be asked for.");
}

// ---- phases -----------------------------------------------------------------

void CleanupPage::focusWhenShown(QWidget *primary)
{
    // A view that replaced the one holding the focus hands it to its primary
    // button; a page in the background leaves the focus where the user is.
    if (!primary || !isVisible() || !primary->isEnabled())
        return;
    const QWidget *focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && !isAncestorOf(focus))
        return;
    primary->setFocus(Qt::OtherFocusReason);
}

void CleanupPage::syncToPhase()
{
    const int phase = m_state->phase();
    if (phase != AppState::Scanning) {
        m_radar->setActive(false);
        m_clock.stop();
    }
    m_ring->setSpinning(phase == AppState::Cleaning);
    if (m_resultsStale && phase != AppState::Scanning && phase != AppState::Results)
        onResults();
    switch (phase) {
    case AppState::Scanning:
        m_shownStep = -1;
        updateScanProgress();
        tickScanClock();
        m_clock.start();
        m_views->setCurrentIndex(ScanningView);
        break;
    case AppState::Results:
        onResults();
        m_views->setCurrentIndex(ResultsView);
        focusWhenShown(m_cleanButton);
        break;
    case AppState::Cleaning:
        m_ring->setValue(0);
        m_ring->setText(formatSize(0), CleanupText::tr("of %1").arg(formatSize(m_state->selectedBytes())));
        m_cleanPath->clear();
        m_views->setCurrentIndex(CleaningView);
        break;
    case AppState::Done:
        fillDoneView();
        m_views->setCurrentIndex(DoneView);
        focusWhenShown(m_views->currentWidget()->findChild<QWidget *>(QStringLiteral("done")));
        break;
    default: {
        // Results do not outlive the program; the last scan time does. The
        // Overview tells the same story.
        const QDateTime scanned = m_state->lastScan();
        //: Chip; %1: when, e.g. "2 days ago"
        m_emptyTitle->setText(scanned.isValid() ? QCoreApplication::translate("OverviewPage", "Scanned %1")
                                                      .arg(relativeTimeInText(scanned))
                                                : CleanupText::tr("Nothing scanned yet"));
        m_emptyText->setText(scanned.isValid() ? CleanupText::tr("Scan again to see what can be cleaned.")
                                               : CleanupText::tr("Find caches, temporary files and leftovers."));
        m_views->setCurrentIndex(EmptyView);
        break;
    }
    }
}

} // namespace ui

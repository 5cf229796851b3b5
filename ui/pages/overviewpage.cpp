#include "ui/pages/overviewpage.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "ui/pages/growthcard.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/flowlayout.h"
#include "ui/widgets/forecastchart.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/sparkline.h"
#include "ui/trtext.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

QLabel *roleLabel(const QString &text, const char *role, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("role", QString::fromLatin1(role));
    return label;
}

// A category as a card. Before a scan it only explains what Smart Scan looks
// at; with results it is a shortcut into the Cleanup page.
class CategoryTile final : public QWidget
{
public:
    CategoryTile(const CategoryDef &def, const QString &sizeText, bool clickable,
                 std::function<void(const QString &)> onClick, QWidget *parent)
        : QWidget(parent), m_id(def.id), m_clickable(clickable), m_onClick(std::move(onClick))
    {
        setObjectName(QStringLiteral("tile"));
        setProperty("categoryId", def.id);
        setAttribute(Qt::WA_Hover);
        setFixedHeight(98);
        setToolTip(def.description);
        // With results a tile is a button into the Cleanup page, from the
        // keyboard too; before a scan it only describes a category.
        a11y::setRole(this, clickable ? QAccessible::Button : QAccessible::StaticText);
        a11y::setName(this, sizeText == u"—" ? def.name : def.name + QStringLiteral(", ") + sizeText);
        a11y::setDescription(this, def.description);
        if (clickable) {
            setCursor(Qt::PointingHandCursor);
            setFocusPolicy(Qt::StrongFocus);
            setProperty("focusRadius", 14);
        }

        auto *row = new QHBoxLayout(this);
        row->setSpacing(10);
        row->setContentsMargins(14, 14, 14, 13);
        auto *icon = new IconTile(def.icon, QColor(def.color), 30, this);
        row->addWidget(icon, 0, Qt::AlignVCenter);

        auto *column = new QVBoxLayout;
        column->setSpacing(2);
        column->setContentsMargins(0, 0, 0, 0);
        column->addStretch(1);
        auto *name = new ElidedLabel(def.name, QStringLiteral("strong"), this);
        name->setObjectName(QStringLiteral("tileName"));
        column->addWidget(name);
        auto *size = roleLabel(sizeText, "mono", this);
        size->setObjectName(QStringLiteral("tileSize"));
        column->addWidget(size);
        column->addStretch(1);
        row->addLayout(column, 1);
        repaintOnThemeChange(this);
    }

    QString id() const { return m_id; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const Theme *theme = Theme::instance();
        const bool lit = m_clickable && m_hover;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(lit ? theme->lineStrong() : theme->line(), 1));
        p.setBrush(lit ? theme->cardHover() : theme->card());
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    }

    void enterEvent(QEnterEvent *event) override
    {
        m_hover = true;
        update();
        QWidget::enterEvent(event);
    }

    void leaveEvent(QEvent *event) override
    {
        m_hover = false;
        update();
        QWidget::leaveEvent(event);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        // Accepting the press is what routes the release back here.
        event->setAccepted(m_clickable && event->button() == Qt::LeftButton);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!m_clickable || event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
            event->ignore();
            return;
        }
        event->accept();
        m_onClick(m_id);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (m_clickable && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
            event->accept();
            m_onClick(m_id);
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    QString m_id;
    bool m_clickable;
    std::function<void(const QString &)> m_onClick;
    bool m_hover = false;
};

// A small rounded label, optionally led by a green status dot.
class Chip final : public QWidget
{
public:
    Chip(bool dot, const QString &role, const QString &style, QWidget *parent)
        : QWidget(parent), m_dot(dot)
    {
        setFixedHeight(28);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        auto *row = new QHBoxLayout(this);
        row->setSpacing(7);
        row->setContentsMargins(dot ? 24 : 11, 0, 11, 0);
        m_label = new ElidedLabel({}, role, this);
        if (!style.isEmpty())
            m_label->setStyleSheet(style);
        row->addWidget(m_label, 1);
        repaintOnThemeChange(this);
    }

    QString text() const { return m_label->text(); }
    void setText(const QString &text)
    {
        if (text == m_label->text())
            return;
        m_label->setText(text);
        updateGeometry();
    }

    QSize sizeHint() const override
    {
        m_label->ensurePolished();
        const QMargins m = layout()->contentsMargins();
        return {m.left() + m.right() + m_label->fontMetrics().horizontalAdvance(m_label->text()) + 4, 28};
    }
    QSize minimumSizeHint() const override
    {
        const QMargins m = layout()->contentsMargins();
        return {m.left() + m.right(), 28};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const Theme *theme = Theme::instance();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(theme->line(), 1));
        p.setBrush(theme->card());
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        if (!m_dot)
            return;
        const QPointF centre(14, height() / 2.0);
        QColor halo = theme->ok();
        halo.setAlpha(60);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(centre, 5, 5);
        p.setBrush(theme->ok());
        p.drawEllipse(centre, 3, 3);
    }

private:
    bool m_dot;
    ElidedLabel *m_label;
};

// The 8 x 8 colour key of one legend entry; without a brush it is the
// outlined "empty" key of the free space.
class Swatch final : public QWidget
{
public:
    Swatch(const QBrush &brush, QWidget *parent) : QWidget(parent), m_brush(brush)
    {
        setFixedSize(8, 8);
        repaintOnThemeChange(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const Theme *theme = Theme::instance();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (m_brush.style() != Qt::NoBrush) {
            p.setPen(Qt::NoPen);
            p.setBrush(m_brush);
        } else {
            p.setPen(QPen(theme->lineStrong(), 1));
            p.setBrush(theme->track());
        }
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }

private:
    QBrush m_brush;
};

QWidget *legendItem(const QBrush &brush, const QString &caption, qint64 bytes, QWidget *parent)
{
    auto *item = new QWidget(parent);
    item->setObjectName(QStringLiteral("legendItem"));
    auto *column = new QVBoxLayout(item);
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    row->setSpacing(7);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new Swatch(brush, item), 0, Qt::AlignVCenter);
    auto *label = new ElidedLabel(caption, QStringLiteral("caption"), item);
    label->setObjectName(QStringLiteral("legendCaption"));
    row->addWidget(label, 1);
    column->addLayout(row);
    auto *value = roleLabel(formatSize(bytes), "num", item);
    value->setObjectName(QStringLiteral("legendValue"));
    value->setStyleSheet(QStringLiteral("font-size: 15px;"));
    column->addWidget(value);
    return item;
}

// Drops a rebuilt part of the page. It may be the parent of the widget whose
// click started this refresh, so it goes at the next turn of the event loop;
// until then it is hidden and nameless so nobody finds it again.
void retire(QWidget *widget)
{
    if (!widget)
        return;
    widget->hide();
    widget->setObjectName({});
    widget->setParent(nullptr);
    widget->deleteLater();
}

} // namespace

OverviewPage::OverviewPage(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state), m_catalogueSource(&defaultCategories)
{
    setObjectName(QStringLiteral("OverviewPage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);

    auto *content = new QWidget(scroll);
    auto *contentColumn = new QVBoxLayout(content);
    contentColumn->setContentsMargins(0, 0, 0, 0);
    contentColumn->setSpacing(0);
    scroll->setWidget(content);

    //: Button in the Overview's header: scan every cleanup category
    m_header = new PageHeader(OverviewText::tr("Smart Scan"), {}, content);
    //: Title of the Overview page
    m_header->setEyebrow(OverviewText::tr("Overview"));
    //: Button in the Overview's header: scan again
    m_rescan = new Button(OverviewText::tr("Rescan"), {}, QStringLiteral("refresh"), {}, m_header);
    m_rescan->setObjectName(QStringLiteral("rescan"));
    m_header->actionRow()->addWidget(m_rescan);
    connect(m_rescan, &QPushButton::clicked, this, [this] {
        m_state->startScan();
        emit openCleanup({});
    });
    contentColumn->addWidget(m_header);

    auto *body = new QVBoxLayout;
    const bool mac = Theme::instance()->macLook();
    body->setContentsMargins(mac ? 28 : 32, 4, mac ? 28 : 32, mac ? 28 : 32);
    body->setSpacing(0);
    contentColumn->addLayout(body);
    contentColumn->addStretch(1);

    buildHero(body);
    body->addSpacing(14);
    buildStatistics(body);
    buildForecast(body);

    auto *heading = new QHBoxLayout;
    heading->setContentsMargins(0, 26, 0, 12);
    m_sectionTitle = roleLabel({}, "h3", content);
    m_sectionTitle->setObjectName(QStringLiteral("sectionTitle"));
    heading->addWidget(m_sectionTitle);
    heading->addStretch(1);
    //: Link beside the top recommendations: open the Cleanup page
    m_seeAll = new Button(OverviewText::tr("See all"), QStringLiteral("link"), {}, {}, content);
    m_seeAll->setObjectName(QStringLiteral("seeAll"));
    connect(m_seeAll, &QPushButton::clicked, this, [this] { emit openCleanup({}); });
    heading->addWidget(m_seeAll);
    body->addLayout(heading);

    m_gridSlot = new QVBoxLayout;
    m_gridSlot->setContentsMargins(0, 0, 0, 0);
    body->addLayout(m_gridSlot);

    connect(m_state, &AppState::resultsChanged, this, &OverviewPage::refresh);
    connect(m_state, &AppState::volumeChanged, this, &OverviewPage::refresh);
    connect(m_state, &AppState::phaseChanged, this, &OverviewPage::refresh);
    connect(AppSettings::instance(), &AppSettings::changed, this, &OverviewPage::refresh);
    connect(Theme::instance(), &Theme::changed, this, [this] {
        m_tilesShown.clear();
        m_legendShown = {};
        refresh();
    });
    refresh();
}

void OverviewPage::buildHero(QVBoxLayout *column)
{
    auto *hero = new Card(this);
    hero->setObjectName(QStringLiteral("hero"));
    //: Heading of an Overview card
    hero->setAccessibleName(OverviewText::tr("Disk health"));
    auto *row = new QHBoxLayout(hero);
    row->setContentsMargins(22, 22, 32, 22);
    row->setSpacing(30);

    m_orb = new DiskOrb(hero);
    m_orb->setObjectName(QStringLiteral("orb"));
    connect(m_orb, &DiskOrb::clicked, this, &OverviewPage::onOrbClicked);
    row->addWidget(m_orb, 0, Qt::AlignVCenter);

    auto *text = new QVBoxLayout;
    text->setSpacing(0);
    text->addStretch(1);
    auto *eyebrow = roleLabel(OverviewText::tr("Disk health"), "micro", hero);
    eyebrow->setFont(Theme::eyebrowFont(11));
    text->addWidget(eyebrow);
    text->addSpacing(8);
    m_headline = new Headline(30, hero);
    m_headline->setObjectName(QStringLiteral("headline"));
    text->addWidget(m_headline);
    text->addSpacing(10);
    m_volumeLine = roleLabel({}, "sub", hero);
    m_volumeLine->setObjectName(QStringLiteral("volumeLine"));
    text->addWidget(m_volumeLine);
    text->addSpacing(22);
    m_legendSlot = new QHBoxLayout;
    m_legendSlot->setContentsMargins(0, 0, 0, 0);
    text->addLayout(m_legendSlot);
    text->addSpacing(22);

    // Chips keep their words: one that does not fit moves to the next line.
    auto *chipRow = new QWidget(hero);
    auto *chips = new FlowLayout(chipRow, 8, 8);
    auto *protectedChip = new Chip(true, QStringLiteral("caption"), {}, hero);
    protectedChip->setObjectName(QStringLiteral("protectedChip"));
    //: Line of the disk health card
    protectedChip->setText(OverviewText::tr("System files protected"));
    m_protectedChip = protectedChip;
    chips->addWidget(protectedChip);
    auto *scanChip = new Chip(false, QStringLiteral("mono"), QStringLiteral("font-size: 12px;"), hero);
    scanChip->setObjectName(QStringLiteral("scanChip"));
    m_scanChip = scanChip;
    chips->addWidget(scanChip);
    text->addWidget(chipRow);
    text->addStretch(1);
    row->addLayout(text, 1);

    column->addWidget(hero);
}

void OverviewPage::buildStatistics(QVBoxLayout *column)
{
    // Three cards side by side; where their figures and captions would be
    // cut, they take two rows (the texts still elide in a narrower card).
    auto *cards = new QWidget(this);
    cards->setObjectName(QStringLiteral("statistics"));
    auto *row = new FlowLayout(cards, 14, 14);
    row->setEqualColumns(3);
    const auto card = [this, row](const char *name, ElidedLabel **value, ElidedLabel **caption, QWidget *extra) {
        auto *box = new Card(this);
        box->setObjectName(QString::fromLatin1(name));
        auto *line = new QHBoxLayout(box);
        line->setContentsMargins(18, 15, 18, 15);
        line->setSpacing(14);
        auto *texts = new QVBoxLayout;
        texts->setSpacing(2);
        *value = new ElidedLabel({}, QStringLiteral("value"), box);
        (*value)->setObjectName(QStringLiteral("value"));
        texts->addWidget(*value);
        *caption = new ElidedLabel({}, QStringLiteral("micro"), box);
        (*caption)->setObjectName(QStringLiteral("caption"));
        (*caption)->setStyleSheet(QStringLiteral("font-size: 12px;"));
        texts->addWidget(*caption);
        line->addLayout(texts);
        line->addStretch(1);
        extra->setParent(box);
        line->addWidget(extra, 0, Qt::AlignVCenter);
        row->addWidget(box);
    };
    m_sparkline = new Sparkline;
    m_sparkline->setObjectName(QStringLiteral("sparkline"));
    m_sparkline->setAccessibleName(OverviewText::tr("Space freed in the last six months"));
    card("freedCard", &m_freedValue, &m_freedCaption, m_sparkline);
    card("lastScanCard", &m_lastScanValue, &m_lastScanCaption,
         new IconTile(QStringLiteral("history"), QColor(), 36));
    card("scheduleCard", &m_scheduleValue, &m_scheduleCaption,
         new IconTile(QStringLiteral("calendar"), QColor(), 36));
    column->addWidget(cards);
}

void OverviewPage::buildForecast(QVBoxLayout *column)
{
    // Under the statistics, side by side where they fit: the forecast (only
    // with one) and what grew (while the history is kept).
    auto *cards = new QWidget(this);
    auto *outer = new FlowLayout(cards, 14, 14);
    outer->setEqualColumns(2);
    outer->setContentsMargins(0, 14, 0, 0);
    m_forecastCard = new Card(this);
    m_forecastCard->setObjectName(QStringLiteral("forecastCard"));
    auto *line = new QHBoxLayout(m_forecastCard);
    line->setContentsMargins(18, 15, 18, 15);
    line->setSpacing(14);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addStretch(1);
    m_forecastText = roleLabel({}, "h3", m_forecastCard);
    m_forecastText->setObjectName(QStringLiteral("forecastText"));
    m_forecastText->setWordWrap(true);
    texts->addWidget(m_forecastText);
    m_forecastTrend = new ElidedLabel({}, QStringLiteral("caption"), m_forecastCard);
    m_forecastTrend->setObjectName(QStringLiteral("forecastTrend"));
    texts->addWidget(m_forecastTrend);
    texts->addStretch(1);
    line->addLayout(texts, 1);
    m_forecastChart = new ForecastChart(m_forecastCard);
    m_forecastChart->setObjectName(QStringLiteral("forecastChart"));
    //: Heading of an Overview card
    m_forecastChart->setAccessibleName(OverviewText::tr("Free space history"));
    line->addWidget(m_forecastChart, 0, Qt::AlignVCenter);
    outer->addWidget(m_forecastCard);
    m_growthCard = new GrowthCard(m_state, cards);
    connect(m_growthCard, &GrowthCard::openFolder, this, &OverviewPage::openSpaceMap);
    connect(m_growthCard, &GrowthCard::openCategory, this, [this](const QString &id) {
        // Before a scan the Cleanup page has nothing to show of the category.
        if (m_state->results().isEmpty() && m_state->phase() == AppState::Idle)
            m_state->startScan();
        emit openCleanup(id);
    });
    connect(m_state, &AppState::folderHistoryChanged, this, [this] { m_growthCard->refresh(catalogue()); });
    outer->addWidget(m_growthCard);
    column->addWidget(cards);
}

void OverviewPage::refreshForecast()
{
    const SpaceForecast outlook = m_state->spaceForecast();
    m_forecastCard->setVisible(outlook.hasForecast());
    if (!outlook.hasForecast())
        return;
    const QString text = forecast::fullInText(outlook.daysUntilFull);
    m_forecastText->setText(text);
    m_forecastTrend->setText(forecast::trendText(outlook.slopeBytesPerDay));
    a11y::setName(m_forecastCard, text);
    m_forecastChart->setForecast(outlook);
    const QList<SpaceSample> &samples = outlook.samples;
    a11y::setDescription(m_forecastChart,
                         //: %1, %2: sizes
                         OverviewText::tr("From %1 to %2 free over %n day(s)", nullptr,
                                          int(std::lround(outlook.spanDays())))
                             .arg(formatSize(samples.first().availableBytes),
                                  formatSize(samples.last().availableBytes)));
}

void OverviewPage::setCatalogueSource(CatalogueSource source)
{
    m_catalogueSource = source ? std::move(source) : CatalogueSource(&defaultCategories);
    m_catalogueLoaded = false;
    m_catalogueBuilding = false;
    ++m_catalogueGeneration;
    m_catalogue.clear();
    refresh();
}

const QList<CategoryDef> &OverviewPage::catalogue()
{
    // Building the catalogue reads the disk (a cache folder may hold tens of
    // thousands of folders), so it is built on the thread pool; the tiles
    // appear when it is there. A source replaced meanwhile makes the older
    // build's answer stale: the generation tells.
    if (!m_catalogueLoaded && !m_catalogueBuilding) {
        m_catalogueBuilding = true;
        const int generation = ++m_catalogueGeneration;
        auto *watcher = new QFutureWatcher<QList<CategoryDef>>(this);
        connect(watcher, &QFutureWatcher<QList<CategoryDef>>::finished, this, [this, watcher, generation] {
            watcher->deleteLater();
            if (generation != m_catalogueGeneration)
                return;
            m_catalogue = watcher->result();
            m_catalogueLoaded = true;
            m_catalogueBuilding = false;
            refresh();
        });
        watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), m_catalogueSource));
    }
    return m_catalogue;
}

QStringList OverviewPage::tileIds() const
{
    QStringList ids;
    if (!m_grid)
        return ids;
    const QLayout *grid = m_grid->layout();
    for (int i = 0; i < grid->count(); ++i) {
        if (QWidget *tile = grid->itemAt(i)->widget())
            ids << tile->property("categoryId").toString();
    }
    return ids;
}

QString OverviewPage::headlineTemplate(qint64 total, qint64 available, bool hasResults)
{
    if (hasResults)
        //: %1: a size
        return OverviewText::tr("%1 ready to clean");
    total = std::max<qint64>(0, total);
    available = std::clamp<qint64>(available, 0, total);
    const double usedShare = total > 0 ? double(total - available) / double(total) : 0.0;
    return usedShare > 0.85 ? OverviewText::tr("Your startup disk is almost full")
                            : OverviewText::tr("Keep your disk in shape");
}

void OverviewPage::onOrbClicked()
{
    if (m_state->results().isEmpty())
        m_state->startScan();
    emit openCleanup({});
}

void OverviewPage::refresh()
{
    const VolumeInfo &volume = m_state->volume();
    // A volume that reports nonsense (unknown size, more free than total)
    // must not produce negative figures or a ratio above 1.
    const qint64 total = std::max<qint64>(0, volume.totalBytes);
    const qint64 available = std::clamp<qint64>(volume.availableBytes, 0, total);
    const qint64 used = total - available;
    const qint64 reclaim = std::max<qint64>(0, m_state->totalBytes());
    const bool hasResults = !m_state->results().isEmpty();

    m_orb->setValues(total, used, reclaim);
    //: Under the free size in the disk ring; %1: the disk's size
    m_orb->setTexts(formatSize(available), OverviewText::tr("free of %1").arg(formatSize(total)),
                    hasResults ? OverviewText::tr("Review", "button in the disk ring: open the scan results")
                               : OverviewText::tr("Scan", "button in the disk ring: start a scan"));

    m_headline->setText(headlineTemplate(total, available, hasResults), hasResults ? formatSize(reclaim) : QString());

    // Purgeable space does not exist on this platform, so the line never
    // grows its " · %1 purgeable" part here.
    //: %1: the free size; %2: the disk's size
    m_volumeLine->setText(QCoreApplication::translate("Sidebar", "%1 available of %2")
                              .arg(formatSize(available), formatSize(total)));

    rebuildLegend(total, available, reclaim);

    const QDateTime lastScan = m_state->lastScan();
    static_cast<Chip *>(m_scanChip)
        ->setText(lastScan.isValid() ? OverviewText::tr("Scanned %1").arg(relativeTimeInText(lastScan))
                                     : OverviewText::tr("Never scanned", "chip and card caption"));

    m_rescan->setVisible(hasResults);
    m_seeAll->setVisible(hasResults);

    const AppSettings *settings = AppSettings::instance();
    const QList<qint64> freed = settings->freedHistory(6);
    m_freedValue->setText(formatSize(freed.isEmpty() ? 0 : freed.last()));
    //: Caption of an Overview card under a size
    m_freedCaption->setText(OverviewText::tr("Freed this month"));
    m_sparkline->setValues(freed);

    m_lastScanValue->setText(lastScan.isValid() ? relativeTime(lastScan) : QStringLiteral("—"));
    //: Caption of an Overview card under a relative date
    m_lastScanCaption->setText(lastScan.isValid() ? OverviewText::tr("Last scan")
                                                  : OverviewText::tr("Never scanned", "chip and card caption"));

    const int schedule = settings->schedule();
    m_scheduleValue->setText(schedule == AppSettings::Off ? OverviewText::tr("Off", "scheduled scan")
                             : schedule == AppSettings::Weekly ? OverviewText::tr("Weekly", "scheduled scan")
                                                               : OverviewText::tr("Monthly", "scheduled scan"));
    //: Caption of an Overview card
    m_scheduleCaption->setText(OverviewText::tr("Scheduled scan"));
    refreshForecast();
    m_growthCard->refresh(catalogue());
    // Each card is named by its caption, as it reads on screen.
    for (const ElidedLabel *caption : {m_freedCaption, m_lastScanCaption, m_scheduleCaption})
        a11y::setName(caption->parentWidget(), caption->text());

    // Results do not outlive the program, the last scan time does: after a
    // restart the page says why it shows no figures, as the Cleanup page does.
    const bool resultsGone = lastScan.isValid() && m_state->phase() == AppState::Idle;
    //: Heading over the biggest safe categories
    m_sectionTitle->setText(hasResults    ? OverviewText::tr("Top recommendations")
                            : resultsGone ? OverviewText::tr("Scan again to see what can be cleaned")
                                          : OverviewText::tr("What Smart Scan looks at"));
    rebuildTiles(hasResults);
}

void OverviewPage::rebuildLegend(qint64 total, qint64 available, qint64 reclaim)
{
    // Made again only when a figure it shows changes, as the tiles are.
    const std::array<qint64, 3> shown{total, available, reclaim};
    if (m_legend && shown == m_legendShown)
        return;
    m_legendShown = shown;
    retire(m_legend);
    auto *legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("legend"));
    // Captions keep their words: an entry that does not fit wraps.
    auto *row = new FlowLayout(legend, 26, 10);

    QLinearGradient gradient(0, 0, 8, 8);
    gradient.setColorAt(0, QColor(99, 102, 241));
    gradient.setColorAt(1, QColor(168, 85, 247));
    // Reclaimable space may lie on other volumes (a separate /tmp, a second
    // drive's Recycle Bin), so the rest of the used space is never below 0.
    row->addWidget(legendItem(QBrush(gradient), OverviewText::tr("Apps, documents & system"),
                              std::max<qint64>(0, total - available - reclaim), legend));
    if (reclaim > 0)
        //: Legend of the disk bar: space a cleanup can free
        row->addWidget(legendItem(QBrush(QColor(34, 211, 238)), OverviewText::tr("Reclaimable"), reclaim, legend));
    //: Legend of the disk bar: free space
    row->addWidget(legendItem(QBrush(), OverviewText::tr("Available"), available, legend));
    m_legendSlot->addWidget(legend);
    // A layout shows a new child of a visible page only at the next turn of
    // the event loop; a grab or a test in between would miss it.
    legend->show();
    m_legend = legend;
}

void OverviewPage::rebuildTiles(bool hasResults)
{
    QList<CategoryResult> ranked;
    if (hasResults) {
        ranked = m_state->results();
        ranked.removeIf([](const CategoryResult &r) { return r.bytes <= 0; });
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const CategoryResult &a, const CategoryResult &b) { return a.bytes > b.bytes; });
        if (ranked.size() > kMaxTiles)
            ranked.resize(kMaxTiles);
    }
    const QList<CategoryDef> &defs = hasResults ? QList<CategoryDef>() : catalogue();
    // The page refreshes at every change of the state, the volume and the
    // settings, several times at the end of a scan or a cleanup: the tiles
    // are made again only when what they say changes.
    QStringList shown{hasResults ? QStringLiteral("results") : QStringLiteral("catalogue")};
    for (const CategoryResult &r : std::as_const(ranked))
        shown << r.id << r.name << r.description << r.icon << r.color << formatSize(r.bytes);
    for (const CategoryDef &def : defs)
        shown << def.id << def.name << def.description << def.icon << def.color;
    if (m_grid && shown == m_tilesShown)
        return;
    m_tilesShown = shown;

    retire(m_grid);
    auto *container = new QWidget(this);
    container->setObjectName(QStringLiteral("tileGrid"));
    // Four columns, or fewer where a tile would cut its category's name.
    auto *grid = new FlowLayout(container, 12, 12);
    grid->setEqualColumns(kColumns);

    const auto open = [this](const QString &id) { emit openCleanup(id); };
    const auto place = [&](QWidget *tile) { grid->addWidget(tile); };

    for (const CategoryResult &result : std::as_const(ranked))
        place(new CategoryTile(result, formatSize(result.bytes), true, open, container));
    for (const CategoryDef &def : defs)
        place(new CategoryTile(def, QStringLiteral("—"), false, open, container));
    m_gridSlot->addWidget(container);
    container->show();
    m_grid = container;
}

} // namespace ui

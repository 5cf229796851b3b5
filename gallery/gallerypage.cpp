#include "gallery/gallerypage.h"

#include "scan/category.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/diskorb.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/gradienttext.h"
#include "ui/widgets/headline.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/pill.h"
#include "ui/widgets/progressring.h"
#include "ui/widgets/radar.h"
#include "ui/widgets/scansteprow.h"
#include "ui/widgets/segmented.h"
#include "ui/widgets/select.h"
#include "ui/widgets/selectpopup.h"
#include "ui/widgets/sparkline.h"
#include "ui/widgets/spinner.h"
#include "ui/widgets/stackbar.h"
#include "ui/widgets/stepbar.h"
#include "ui/widgets/switch.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using namespace ui;

namespace {

QLabel *label(const QString &text, const char *role, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (role)
        l->setProperty("role", QString::fromLatin1(role));
    return l;
}

// A card with a small-capitals heading and a vertical body.
Card *section(const QString &title, QVBoxLayout **body, QWidget *parent)
{
    auto *card = new Card(parent);
    auto *column = new QVBoxLayout(card);
    column->setContentsMargins(20, 16, 20, 20);
    column->setSpacing(14);
    auto *heading = label(title, "micro", card);
    heading->setFont(Theme::eyebrowFont(11));
    column->addWidget(heading);
    *body = column;
    return card;
}

QHBoxLayout *row(QVBoxLayout *body, int spacing = 10)
{
    auto *r = new QHBoxLayout;
    r->setSpacing(spacing);
    body->addLayout(r);
    return r;
}

CategoryDef category(const char *id, const char *name, const char *icon, const char *color)
{
    CategoryDef def;
    def.id = QString::fromLatin1(id);
    def.name = QString::fromUtf8(name);
    def.icon = QString::fromLatin1(icon);
    def.color = QString::fromLatin1(color);
    return def;
}

} // namespace

GalleryPage::GalleryPage(QWidget *parent) : QWidget(parent)
{
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 12);
    page->setSpacing(0);

    auto *header = new PageHeader(QStringLiteral("Widget kit"),
                                  QStringLiteral("Every control and chart the pages are built from, in its usual states."),
                                  this);
    header->setEyebrow(QStringLiteral("Varnholt gallery"));
    header->setStatus(QStringLiteral("light and dark"), Theme::instance()->ok());
    header->actionRow()->addWidget(new Button(QStringLiteral("Rescan"), QStringLiteral("ghost"), QStringLiteral("refresh"), {}, header));
    header->actionRow()->addWidget(new Button(QStringLiteral("Smart Scan"), QStringLiteral("primary"), QStringLiteral("scan"), {}, header));
    connect(Theme::instance(), &Theme::changed, header, [header] {
        header->setStatus(QStringLiteral("light and dark"), Theme::instance()->ok());
    });
    page->addWidget(header);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(32, 8, 32, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->addWidget(buttonsCard(), 0, 0);
    grid->addWidget(controlsCard(), 0, 1);
    grid->addWidget(textCard(), 0, 2);
    grid->addWidget(chartsCard(), 1, 0, 1, 2);
    grid->addWidget(progressCard(), 1, 2);
    grid->addWidget(stepsCard(), 2, 0);
    grid->addWidget(notesCard(), 2, 1);
    grid->addWidget(iconsCard(), 2, 2);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    page->addLayout(grid);

    auto *footer = new FooterBar(this);
    auto *summary = new QVBoxLayout;
    summary->setSpacing(2);
    summary->addStretch(1);
    summary->addWidget(label(QStringLiteral("4 categories selected"), "strong", footer));
    summary->addWidget(label(QStringLiteral("2.4 GB will be moved to the Trash"), "caption", footer));
    summary->addStretch(1);
    footer->row()->addLayout(summary);
    footer->row()->addStretch(1);
    footer->row()->addWidget(new Button(QStringLiteral("Review items"), {}, {}, {}, footer));
    footer->row()->addWidget(new Button(QStringLiteral("Clean 2.4 GB"), QStringLiteral("primary"), QStringLiteral("trash"), QStringLiteral("lg"), footer));
    footer->setFixedHeight(120);
    page->addWidget(footer);
}

void GalleryPage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::instance()->paintBackdrop(&p, rect());
}

QWidget *GalleryPage::buttonsCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Buttons"), &body, this);

    QHBoxLayout *r1 = row(body);
    r1->addWidget(new Button(QStringLiteral("Clean"), QStringLiteral("primary"), {}, {}, card));
    r1->addWidget(new Button(QStringLiteral("Scan"), QStringLiteral("primary"), QStringLiteral("scan"), {}, card));
    auto *disabled = new Button(QStringLiteral("Clean"), QStringLiteral("primary"), {}, {}, card);
    disabled->setEnabled(false);
    r1->addWidget(disabled);
    r1->addStretch(1);

    QHBoxLayout *r2 = row(body);
    r2->addWidget(new Button(QStringLiteral("Start Smart Scan"), QStringLiteral("primary"), QStringLiteral("sparkle"), QStringLiteral("lg"), card));
    r2->addStretch(1);

    QHBoxLayout *r3 = row(body);
    r3->addWidget(new Button(QStringLiteral("Delete"), QStringLiteral("danger"), QStringLiteral("trash"), {}, card));
    auto *dangerOff = new Button(QStringLiteral("Delete"), QStringLiteral("danger"), {}, {}, card);
    dangerOff->setEnabled(false);
    r3->addWidget(dangerOff);
    r3->addWidget(new Button(QStringLiteral("Settings"), {}, QStringLiteral("sliders"), {}, card));
    r3->addStretch(1);

    QHBoxLayout *r4 = row(body);
    r4->addWidget(new Button(QStringLiteral("Cancel"), {}, {}, {}, card));
    auto *plainOff = new Button(QStringLiteral("Undo"), {}, {}, {}, card);
    plainOff->setEnabled(false);
    r4->addWidget(plainOff);
    r4->addWidget(new Button(QStringLiteral("Ghost"), QStringLiteral("ghost"), QStringLiteral("history"), {}, card));
    r4->addWidget(new Button(QStringLiteral("View log"), QStringLiteral("link"), QStringLiteral("external"), {}, card));
    r4->addStretch(1);
    body->addStretch(1);
    return card;
}

QWidget *GalleryPage::controlsCard()
{
    QVBoxLayout *outer = nullptr;
    Card *card = section(QStringLiteral("Controls"), &outer, this);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    outer->addLayout(columns);
    auto *body = new QVBoxLayout;
    body->setSpacing(14);
    columns->addLayout(body, 1);

    auto *seg = new Segmented({QStringLiteral("All"), QStringLiteral("Videos"), QStringLiteral("Archives")}, card);
    seg->setCurrentIndex(1);
    QHBoxLayout *r1 = row(body);
    r1->addWidget(seg);
    r1->addStretch(1);

    QHBoxLayout *r2 = row(body, 10);
    auto *on = new Switch(card);
    on->setChecked(true);
    auto *off = new Switch(card);
    auto *disabled = new Switch(card);
    disabled->setChecked(true);
    disabled->setEnabled(false);
    r2->addWidget(on);
    r2->addWidget(off);
    r2->addWidget(disabled);
    r2->addWidget(label(QStringLiteral("on, off, disabled"), "caption", card));
    r2->addStretch(1);

    m_select = new Select(card);
    m_select->addItems({QStringLiteral("Follow system"), QStringLiteral("Light"), QStringLiteral("Dark")});
    m_select->setCurrentIndex(1);
    m_select->setFixedWidth(180);
    body->addWidget(m_select);
    auto *other = new Select(card);
    other->addItems({QStringLiteral("Weekly"), QStringLiteral("Monthly")});
    other->setEnabled(false);
    other->setFixedWidth(180);
    body->addWidget(other);

    QHBoxLayout *r4 = row(body, 12);
    r4->addWidget(new Spinner(20, card));
    r4->addWidget(label(QStringLiteral("Measuring folders…"), "sub", card));
    r4->addStretch(1);

    QHBoxLayout *r5 = row(body, 8);
    r5->addWidget(new Pill(Safe, card));
    r5->addWidget(new Pill(Review, card));
    r5->addWidget(new Pill(Permanent, card));
    r5->addStretch(1);
    body->addStretch(1);

    auto *shotColumn = new QVBoxLayout;
    shotColumn->setSpacing(0);
    m_popupShot = new QLabel(card);
    m_popupShot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_popupShot->hide();
    shotColumn->addSpacing(34);
    shotColumn->addWidget(m_popupShot);
    shotColumn->addStretch(1);
    columns->addLayout(shotColumn);
    return card;
}

void GalleryPage::snapshotPopup()
{
    m_select->showPopup();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    if (SelectPopup *popup = m_select->popup()) {
        m_popupShot->setPixmap(popup->grab());
        m_popupShot->show();
    }
    m_select->hidePopup();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QWidget *GalleryPage::textCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Text"), &body, this);
    auto *headline = new Headline(24, card);
    headline->setText(QStringLiteral("You can free %1 today"), QStringLiteral("12.6 GB"));
    body->addWidget(headline);
    auto *figure = new GradientText(Theme::monoFont(40, 600), QStringLiteral("3.8 GB"), card);
    auto *figureRow = row(body);
    figureRow->addWidget(figure);
    figureRow->addWidget(label(QStringLiteral("freed"), "sub", card), 0, Qt::AlignBottom);
    figureRow->addStretch(1);
    body->addWidget(label(QStringLiteral("Heading two"), "h2", card));
    body->addWidget(label(QStringLiteral("Secondary text explains what a setting does."), "sub", card));
    auto *elided = new ElidedLabel(
        QStringLiteral("/home/user/.cache/some-application/with/a/rather/long/path/that/does/not/fit/cache.bin"),
        QStringLiteral("mono"), card);
    body->addWidget(elided);
    auto *figures = row(body, 18);
    figures->addWidget(label(QStringLiteral("1,284 files"), "num", card));
    figures->addWidget(label(QStringLiteral("Done"), "ok", card));
    figures->addWidget(label(QStringLiteral("In use"), "warn", card));
    figures->addStretch(1);
    body->addStretch(1);
    return card;
}

QWidget *GalleryPage::iconsCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Icons"), &body, this);
    auto *tiles = row(body, 10);
    tiles->addWidget(new IconTile(QStringLiteral("clock"), QColor(QStringLiteral("#22d3ee")), 36, card));
    tiles->addWidget(new IconTile(QStringLiteral("globe"), QColor(QStringLiteral("#6366f1")), 36, card));
    tiles->addWidget(new IconTile(QStringLiteral("code"), QColor(QStringLiteral("#a855f7")), 36, card));
    tiles->addWidget(new IconTile(QStringLiteral("trash"), QColor(QStringLiteral("#f43f5e")), 36, card));
    tiles->addWidget(new IconTile(QStringLiteral("image"), QColor(QStringLiteral("#10b981")), 36, card));
    tiles->addWidget(new IconTile(QStringLiteral("folder"), QColor(), 36, card));
    tiles->addStretch(1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(12);
    const QStringList names = iconNames();
    const Tone tones[] = {Tone::Text, Tone::Text2, Tone::Accent};
    for (int i = 0; i < names.size(); ++i)
        grid->addWidget(new IconView(names.at(i), tones[(i / 10) % 3], 20, card), i / 10, i % 10);
    body->addLayout(grid);
    body->addStretch(1);
    return card;
}

QWidget *GalleryPage::notesCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Notes"), &body, this);
    body->addWidget(new Note(Note::Plain, QStringLiteral("info"),
                             QStringLiteral("Items go to the Trash, so you can restore them."), card));
    body->addWidget(new Note(Note::Accent, QStringLiteral("shield"),
                             QStringLiteral("<b>Protected.</b> Password managers and running apps are never touched."), card));
    body->addWidget(new Note(Note::Warning, QStringLiteral("alert"),
                             QStringLiteral("Some folders need administrator rights."), card));
    body->addStretch(1);
    return card;
}

QWidget *GalleryPage::chartsCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Drive and scan"), &body, this);
    auto *r = row(body, 24);

    auto *orb = new DiskOrb(card);
    orb->setValues(512LL << 30, 301LL << 30, 42LL << 30);
    orb->setTexts(QStringLiteral("42.0 GB"), QStringLiteral("reclaimable"), QStringLiteral("Smart Scan"));
    r->addWidget(orb);

    auto *full = new DiskOrb(card);
    full->setValues(256LL << 30, 241LL << 30, 9LL << 30);
    full->setTexts(QStringLiteral("15.0 GB"), QStringLiteral("free of 256 GB"), {});
    r->addWidget(full);

    auto *radar = new Radar(card);
    radar->setText(QStringLiteral("8.4 GB"), QStringLiteral("found so far"));
    for (int i = 0; i < 14; ++i)
        radar->advance();
    r->addWidget(radar, 0, Qt::AlignVCenter);
    r->addStretch(1);
    return card;
}

QWidget *GalleryPage::progressCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Progress"), &body, this);
    auto *r = row(body, 0);
    auto *ring = new ProgressRing(card);
    ring->setText(QStringLiteral("62%"), QStringLiteral("cleaning"));
    ring->setValue(0.62);
    ring->setSpinning(true);
    for (int i = 0; i < 90; ++i)
        ring->advance();
    r->addStretch(1);
    r->addWidget(ring);
    r->addStretch(1);

    QHBoxLayout *spark = row(body, 12);
    auto *line = new Sparkline(card);
    line->setValues({120, 0, 340, 260, 510, 880});
    spark->addWidget(line);
    auto *sparkText = new QVBoxLayout;
    sparkText->setSpacing(0);
    sparkText->addWidget(label(QStringLiteral("2.1 GB"), "num", card));
    sparkText->addWidget(label(QStringLiteral("freed in six months"), "micro", card));
    spark->addLayout(sparkText);
    spark->addStretch(1);
    body->addStretch(1);
    return card;
}

QWidget *GalleryPage::stepsCard()
{
    QVBoxLayout *body = nullptr;
    Card *card = section(QStringLiteral("Scan steps"), &body, this);
    body->setSpacing(4);
    auto *done = new ScanStepRow(category("temp", "Temporary files", "clock", "#22d3ee"), card);
    done->setState(2, QStringLiteral("1.2 GB"));
    auto *active = new ScanStepRow(category("browser", "Browser caches", "globe", "#6366f1"), card);
    active->setState(1, QStringLiteral("318 MB"));
    for (int i = 0; i < 30; ++i)
        active->stepBar()->advance();
    auto *pending = new ScanStepRow(category("dev", "Developer caches", "code", "#a855f7"), card);
    pending->setState(0, QStringLiteral("—"));
    body->addWidget(done);
    body->addWidget(active);
    body->addWidget(pending);

    body->addSpacing(10);
    auto *bar = new StackBar(8, card);
    bar->setSegments({{5LL << 30, QColor(QStringLiteral("#22d3ee")), QStringLiteral("Temporary files"), false},
                      {3LL << 30, QColor(QStringLiteral("#6366f1")), QStringLiteral("Browser caches"), false},
                      {2LL << 30, QColor(QStringLiteral("#a855f7")), QStringLiteral("Developer caches"), true},
                      {1024, QColor(QStringLiteral("#f43f5e")), QStringLiteral("Logs"), false}},
                     14LL << 30);
    body->addWidget(bar);
    auto *tall = new StackBar(14, card);
    tall->setSegments({{60, QColor(QStringLiteral("#10b981")), QStringLiteral("Videos"), false},
                       {25, QColor(QStringLiteral("#f59e0b")), QStringLiteral("Archives"), true}},
                      100);
    body->addWidget(tall);
    body->addStretch(1);
    return card;
}

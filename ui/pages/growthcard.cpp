#include "ui/pages/growthcard.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "scan/fs.h"
#include "ui/pages/growthview.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/kit.h"
#include "ui/trtext.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace ui {

namespace {

constexpr Qt::CaseSensitivity kCase = fs::kPathCase;

// The growth of one folder against the largest listed.
class GrowthBar final : public QWidget
{
public:
    GrowthBar(double share, QWidget *parent) : QWidget(parent), m_share(std::clamp(share, 0.0, 1.0))
    {
        setFixedHeight(4);
        setMinimumWidth(40);
        repaintOnThemeChange(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const Theme *theme = Theme::instance();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(theme->track());
        p.drawRoundedRect(QRectF(rect()), 2, 2);
        p.setBrush(theme->warn());
        p.drawRoundedRect(QRectF(0, 0, std::max(4.0, width() * m_share), height()), 2, 2);
    }

private:
    double m_share;
};

// A grown folder: a button into the Space Map, from the keyboard too.
class GrowthRow final : public QWidget
{
public:
    GrowthRow(const FolderGrowth &growth, double share, std::function<void()> onClick, QWidget *parent)
        : QWidget(parent), m_onClick(std::move(onClick))
    {
        setObjectName(QStringLiteral("growthRow"));
        setProperty("path", growth.path);
        setAttribute(Qt::WA_Hover);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setProperty("focusRadius", 10);
        const QString where = displayPath(growth.path);
        const QString change = GrowthView::changeText(growth.change);
        a11y::setRole(this, QAccessible::Button);
        a11y::setName(this, where + QStringLiteral(", ") + change);
        a11y::setDescription(this, OverviewText::tr("Show it in the Space Map"));
        setToolTip(OverviewText::tr("Show it in the Space Map"));

        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(10, 7, 10, 8);
        column->setSpacing(6);
        auto *line = new QHBoxLayout;
        line->setSpacing(12);
        auto *path = new ElidedLabel(where, QStringLiteral("mono"), this);
        path->setObjectName(QStringLiteral("growthPath"));
        path->setStyleSheet(QStringLiteral("color: palette(text); font-size: 12px;"));
        Theme::showAsWritten(path);
        line->addWidget(path, 1);
        auto *figure = new QLabel(change, this);
        figure->setObjectName(QStringLiteral("growthChange"));
        figure->setProperty("role", QStringLiteral("num"));
        line->addWidget(figure);
        column->addLayout(line);
        column->addWidget(new GrowthBar(share, this));
        repaintOnThemeChange(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_hover)
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::instance()->hover());
        p.drawRoundedRect(QRectF(rect()), 10, 10);
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

    void mousePressEvent(QMouseEvent *event) override { event->setAccepted(event->button() == Qt::LeftButton); }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
            event->ignore();
            return;
        }
        m_onClick();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_onClick();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    std::function<void()> m_onClick;
    bool m_hover = false;
};

} // namespace

GrowthCard::GrowthCard(AppState *state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("growthCard"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_card = new Card(this);
    outer->addWidget(m_card);
    // The rows light up to the card's inner edge; the texts line up with theirs.
    auto *column = new QVBoxLayout(m_card);
    column->setContentsMargins(8, 15, 8, 10);
    column->setSpacing(6);
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(10, 0, 10, 0);
    texts->setSpacing(6);
    column->addLayout(texts);
    m_title = new QLabel(m_card);
    m_title->setObjectName(QStringLiteral("growthTitle"));
    m_title->setProperty("role", QStringLiteral("h3"));
    m_title->setWordWrap(true);
    texts->addWidget(m_title);
    m_text = new QLabel(m_card);
    m_text->setObjectName(QStringLiteral("growthText"));
    m_text->setProperty("role", QStringLiteral("caption"));
    m_text->setWordWrap(true);
    texts->addWidget(m_text);
    m_rowSlot = new QVBoxLayout;
    m_rowSlot->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_rowSlot);
    column->addStretch(1);
}

void GrowthCard::refresh(const QList<CategoryDef> &catalogue)
{
    const AppSettings *settings = AppSettings::instance();
    setVisible(settings->folderHistory());
    const QList<QDateTime> times = isHidden() ? QList<QDateTime>() : m_state->folderReadings();
    QVariantList from{QVariant::fromValue(times), settings->exclusions(), catalogue.size()};
    if (from == m_shownFrom)
        return;
    m_shownFrom = from;
    if (m_rows) {
        // The click that led here may come from one of these rows.
        m_rows->hide();
        m_rows->setParent(nullptr);
        m_rows->deleteLater();
    }
    m_folders.clear();
    if (isHidden())
        return;

    const QDateTime since = GrowthView::weekBefore(times);
    const FolderGrowthReport report = since.isValid() ? m_state->folderGrowth(since) : FolderGrowthReport{};
    if (!report.isValid()) {
        m_title->setText(OverviewText::tr("What grew"));
        m_text->setText(OverviewText::tr("Varnholt notes how big your folders are once a day. The first comparison "
                                         "is ready once two readings lie a week apart."));
        m_text->show();
        a11y::setName(m_card, m_title->text());
        return;
    }
    const int days = int(std::lround(report.before.secsTo(report.after) / 86400.0));
    m_title->setText(days <= 8 ? OverviewText::tr("Growing fastest this week")
                               : OverviewText::tr("Growing fastest in the last %n day(s)", nullptr, days));
    a11y::setName(m_card, m_title->text());

    QList<FolderGrowth> grown;
    for (const FolderGrowth &g : report.entries) {
        if (g.change > 0 && grown.size() < kMaxFolders)
            grown.append(g);
    }
    m_text->setVisible(grown.isEmpty());
    m_text->setText(OverviewText::tr("No folder grew by more than %1.").arg(formatSize(foldergrowth::kMinChange)));

    auto *rows = new QWidget(m_card);
    auto *list = new QVBoxLayout(rows);
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(0);
    for (const FolderGrowth &g : std::as_const(grown)) {
        m_folders.append(g.path);
        const QString path = g.path;
        list->addWidget(new GrowthRow(g, double(g.change) / double(grown.first().change),
                                      [this, path] { emit openFolder(path); }, rows));
        // A cleanup category's own folder: the way to clean it is one click.
        const auto def = std::find_if(catalogue.begin(), catalogue.end(),
                                      [&g](const CategoryDef &d) { return d.id == g.categoryId; });
        const bool isRoot = def != catalogue.end()
                            && std::any_of(def->roots.begin(), def->roots.end(),
                                           [&g](const CategoryRoot &r) {
                                               return QDir::fromNativeSeparators(r.path).compare(g.path, kCase) == 0;
                                           });
        if (!isRoot)
            continue;
        auto *clean = new Button(OverviewText::tr("Clean %1").arg(def->name), QStringLiteral("link"), {}, {}, rows);
        clean->setObjectName(QStringLiteral("growthClean"));
        clean->setProperty("categoryId", def->id);
        a11y::setDescription(clean, OverviewText::tr("%1 is the folder of this cleanup category")
                                        .arg(displayPath(g.path)));
        const QString id = def->id;
        connect(clean, &QPushButton::clicked, this, [this, id] { emit openCategory(id); });
        auto *cleanLine = new QHBoxLayout;
        cleanLine->setContentsMargins(10, 0, 10, 4);
        cleanLine->addWidget(clean);
        cleanLine->addStretch(1);
        list->addLayout(cleanLine);
    }
    m_rowSlot->addWidget(rows);
    rows->show();
    m_rows = rows;
}

} // namespace ui

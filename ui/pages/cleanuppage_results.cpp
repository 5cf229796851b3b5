// The results view of the Cleanup page: the category list grouped by risk,
// the detail pane of the focused category and the footer with the selection.

#include "ui/pages/cleanuppage.h"
#include "ui/pages/cleanuppage_p.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "largefiles/largefilefinder.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/flowlayout.h"
#include "ui/widgets/footerbar.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/pill.h"
#include "ui/widgets/stackbar.h"
#include "ui/trtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <limits>

namespace ui {

namespace {

// A category's share of the largest category, as a thin bar.
class ShareBar final : public QWidget
{
public:
    ShareBar(qreal share, const QColor &color, QWidget *parent)
        : QWidget(parent), m_share(std::clamp<qreal>(share, 0, 1)), m_color(color)
    {
        setFixedHeight(3);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        repaintOnThemeChange(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QRectF r = rect();
        p.setBrush(Theme::instance()->track());
        p.drawRoundedRect(r, 1.5, 1.5);
        if (m_share <= 0)
            return;
        // A sliver stays visible however small the share.
        const qreal w = std::max(m_share * r.width(), 3.0);
        p.setBrush(m_color);
        p.drawRoundedRect(QRectF(r.left(), r.top(), w, r.height()), 1.5, 1.5);
    }

private:
    qreal m_share;
    QColor m_color;
};

// One category of the list: check box, icon, name with its share bar, size.
// Clicking anywhere outside the check box shows it in the detail pane. From
// the keyboard the row itself is the stop (its box is not): Up and Down move
// to the neighbouring rows, Space toggles the box, Return and Enter show the
// category in the detail pane.
class CategoryRow final : public QWidget
{
public:
    CategoryRow(const CategoryResult &c, qint64 maxBytes, int checkState, bool focused, QWidget *parent,
                bool measuring = false)
        : QWidget(parent), m_focused(focused)
    {
        setObjectName(QStringLiteral("categoryRow_") + c.id);
        setAttribute(Qt::WA_Hover);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setProperty("focusRadius", 10);
        a11y::setRole(this, QAccessible::CheckBox);
        a11y::setCheckState(this, Qt::CheckState(checkState));
        auto *row = new QHBoxLayout(this);
        row->setSpacing(12);
        row->setContentsMargins(12, 10, 12, 10);

        m_check = new QCheckBox(this);
        m_check->setObjectName(QStringLiteral("check"));
        m_check->setTristate(true);
        m_check->setCheckState(Qt::CheckState(checkState));
        m_check->setEnabled(c.bytes > 0);
        m_check->setCursor(Qt::ArrowCursor);
        m_check->setFocusPolicy(Qt::NoFocus);
        m_check->setAccessibleName(c.name);
        row->addWidget(m_check);

        row->addWidget(new IconTile(c.icon, QColor(c.color), 34, this));

        auto *column = new QVBoxLayout;
        column->setSpacing(7);
        auto *name = new ElidedLabel(c.name, {}, this);
        name->setStyleSheet(QStringLiteral("font-weight: 500;"));
        // A narrow list wraps a long name rather than cut it.
        name->setMaximumLines(2);
        if (c.needsAdmin && c.bytes > 0 && !isElevated()) {
            // Cleaning it without administrator rights skips its files.
            auto *line = new QHBoxLayout;
            line->setSpacing(6);
            line->addWidget(name, 0);
            auto *lock = new IconView(QStringLiteral("lock"), Tone::Warn, 13, this);
            lock->setObjectName(QStringLiteral("adminLock"));
            //: In place of a category's item count: it could only be read with administrator rights
            lock->setToolTip(CleanupText::tr("Needs administrator"));
            lock->setAccessibleName(lock->toolTip());
            line->addWidget(lock, 0, Qt::AlignVCenter);
            line->addStretch(1);
            column->addLayout(line);
        } else {
            column->addWidget(name);
        }
        if (c.bytes > 0 || measuring) {
            column->addWidget(new ShareBar(qreal(c.bytes) / qreal(maxBytes), QColor(c.color), this));
        } else {
            auto *denied = new QHBoxLayout;
            denied->setSpacing(5);
            denied->addWidget(new IconView(QStringLiteral("lock"), Tone::Warn, 13, this));
            auto *text = cleanup::label(CleanupText::tr("Needs administrator"), {}, this);
            text->setObjectName(QStringLiteral("needsAdmin"));
            text->setProperty("tone", QStringLiteral("text2"));
            cleanup::setPixelSize(text, 12);
            denied->addWidget(text);
            denied->addStretch(1);
            column->addLayout(denied);
        }
        row->addLayout(column, 1);

        //: In place of a category's item count while its size is measured
        auto *size = cleanup::label(measuring ? CleanupText::tr("Measuring…") : formatSize(c.bytes),
                                    QStringLiteral("num"), this);
        size->setObjectName(QStringLiteral("rowSize"));
        size->setMinimumWidth(72);
        size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(size);
        a11y::setName(this, c.name + QStringLiteral(", ") + size->text());
    }

    QCheckBox *checkBox() const { return m_check; }
    void setOnActivate(std::function<void()> fn) { m_activate = std::move(fn); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const Theme *t = Theme::instance();
        const bool hovered = underMouse();
        if (!m_focused && !hovered)
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (m_focused) {
            p.setPen(QPen(t->lineStrong(), 1));
            p.setBrush(t->dark() ? t->cardHover() : t->surface());
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(t->hover());
        }
        p.drawRoundedRect(r, 10, 10);
    }

    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::HoverEnter || e->type() == QEvent::HoverLeave)
            update();
        return QWidget::event(e);
    }

    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && m_activate) {
            // The activation rebuilds the list, this row included.
            const auto activate = m_activate;
            activate();
            return;
        }
        QWidget::mouseReleaseEvent(e);
    }

    void keyPressEvent(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Space:
            // The box's click handler rebuilds the list, this row included.
            if (m_check->isEnabled())
                m_check->click();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_activate) {
                const auto activate = m_activate;
                activate();
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            moveFocus(e->key() == Qt::Key_Down);
            break;
        default:
            QWidget::keyPressEvent(e);
            return;
        }
        e->accept();
    }

private:
    void moveFocus(bool down)
    {
        QList<QWidget *> rows;
        for (QWidget *w : parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (w->objectName().startsWith(QLatin1String("categoryRow_")) && w->isVisible())
                rows.append(w);
        }
        std::sort(rows.begin(), rows.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        const qsizetype at = rows.indexOf(this);
        const qsizetype to = at + (down ? 1 : -1);
        if (at < 0 || to < 0 || to >= rows.size())
            return;
        rows[to]->setFocus(Qt::OtherFocusReason);
        for (QWidget *p = parentWidget(); p; p = p->parentWidget()) {
            if (auto *scroll = qobject_cast<QScrollArea *>(p)) {
                scroll->ensureWidgetVisible(rows[to], 0, 8);
                break;
            }
        }
    }

    QCheckBox *m_check;
    bool m_focused;
    std::function<void()> m_activate;
};

// Results with something to clean, and how many of them are selected.
struct SelectionCount
{
    int selected = 0;
    int nonEmpty = 0;
};

SelectionCount countSelection(const AppState &state)
{
    SelectionCount n;
    for (const CategoryResult &r : state.results()) {
        if (r.bytes < 1)
            continue;
        ++n.nonEmpty;
        if (state.selectedCategories().contains(r.id))
            ++n.selected;
    }
    return n;
}

Qt::CheckState listCheckState(const AppState &state)
{
    const SelectionCount n = countSelection(state);
    if (n.selected == 0)
        return Qt::Unchecked;
    return n.selected < n.nonEmpty ? Qt::PartiallyChecked : Qt::Checked;
}

// What the item is: the bin, a folder, or a file of its kind.
QString itemIcon(const CategoryResult &c, const ScanItem &item)
{
    if (c.isTrash)
        return QStringLiteral("trash");
    const QFileInfo info(item.path);
    if (item.contentsOnly || (info.isDir() && !info.isSymLink()))
        return QStringLiteral("folder");
    return kindIcon(largeFileKind(info.fileName()));
}

} // namespace

QWidget *CleanupPage::buildResultsView()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_resultsHeader = new PageHeader({}, {}, view);
    auto *recommended =
        //: Button in the results' header: check the safe categories
        new Button(CleanupText::tr("Select recommended"), QStringLiteral("ghost"), {}, {}, m_resultsHeader);
    recommended->setObjectName(QStringLiteral("selectRecommended"));
    connect(recommended, &QPushButton::clicked, m_state, &AppState::selectRecommended);
    //: Button in the results' header: scan again
    auto *rescan = new Button(CleanupText::tr("Rescan"), {}, QStringLiteral("refresh"), {}, m_resultsHeader);
    rescan->setObjectName(QStringLiteral("rescan"));
    connect(rescan, &QPushButton::clicked, m_state, &AppState::startScan);
    m_resultsHeader->actionRow()->addWidget(recommended);
    m_resultsHeader->actionRow()->addWidget(rescan);
    layout->addWidget(m_resultsHeader);

    // While the settings cannot be read, cleaning stays off: which folders
    // the user excluded, and whether files go to the bin, is unknown.
    m_settingsNote = new Note(Note::Warning, QStringLiteral("alert"), {}, view);
    m_settingsNote->setObjectName(QStringLiteral("settingsNote"));
    //: Button beside a note: read the settings file again
    auto *recheck = new Button(CleanupText::tr("Check again"), QStringLiteral("link"), {}, {}, m_settingsNote);
    recheck->setObjectName(QStringLiteral("recheckSettings"));
    connect(recheck, &QPushButton::clicked, this, &CleanupPage::updateFooter);
    m_settingsNote->body()->addWidget(recheck, 0, Qt::AlignLeft);
    m_settingsNote->hide();
    auto *noteRow = new QHBoxLayout;
    noteRow->setContentsMargins(32, 0, 32, 14);
    noteRow->addWidget(m_settingsNote);
    layout->addLayout(noteRow);

    auto *body = new QHBoxLayout;
    body->setSpacing(14);
    body->setContentsMargins(32, 0, 32, 0);

    auto *listCard = new Card(view);
    listCard->setMinimumWidth(280);
    auto *listCardLayout = new QVBoxLayout(listCard);
    listCardLayout->setContentsMargins(1, 1, 1, 1);
    auto *listScroll = cleanup::scrollArea(listCard);
    listScroll->setObjectName(QStringLiteral("listScroll"));
    m_listScroll = listScroll;
    auto *listContent = new QWidget(listScroll);
    auto *listColumn = new QVBoxLayout(listContent);
    listColumn->setContentsMargins(8, 8, 8, 8);
    listColumn->setSpacing(0);
    auto *selectAllRow = new QHBoxLayout;
    selectAllRow->setContentsMargins(10, 6, 10, 6);
    //: Check box: check every category (or every item of one)
    m_selectAll = new QCheckBox(CleanupText::tr("Select all"), listContent);
    m_selectAll->setObjectName(QStringLiteral("selectAll"));
    m_selectAll->setTristate(true);
    connect(m_selectAll, &QCheckBox::clicked, this, [this] {
        const SelectionCount n = countSelection(*m_state);
        m_state->selectAll(n.selected < n.nonEmpty);
        const QSignalBlocker block(m_selectAll);
        m_selectAll->setCheckState(listCheckState(*m_state));
    });
    selectAllRow->addWidget(m_selectAll);
    selectAllRow->addStretch(1);
    listColumn->addLayout(selectAllRow);
    m_listHost = new QWidget(listContent);
    m_list = new QVBoxLayout(m_listHost);
    m_list->setContentsMargins(0, 0, 0, 0);
    m_list->setSpacing(2);
    listColumn->addWidget(m_listHost);
    listColumn->addStretch(1);
    listScroll->setWidget(listContent);
    listCardLayout->addWidget(listScroll);
    body->addWidget(listCard, 10);

    auto *detailCard = new Card(view);
    detailCard->setMinimumWidth(340);
    auto *detailCardLayout = new QVBoxLayout(detailCard);
    detailCardLayout->setContentsMargins(1, 1, 1, 1);
    m_detailScroll = cleanup::scrollArea(detailCard);
    m_detailScroll->setObjectName(QStringLiteral("detailScroll"));
    auto *detailContent = new QWidget(m_detailScroll);
    detailContent->setObjectName(QStringLiteral("detail"));
    auto *detailColumn = new QVBoxLayout(detailContent);
    detailColumn->setContentsMargins(22, 22, 22, 22);
    detailColumn->setSpacing(0);
    m_detailScroll->setWidget(detailContent);
    detailCardLayout->addWidget(m_detailScroll);
    body->addWidget(detailCard, 11);
    layout->addLayout(body, 1);

    auto *footer = new FooterBar(view);
    m_summary = cleanup::label({}, QStringLiteral("sub"), footer);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextFormat(Qt::RichText);
    footer->row()->addWidget(m_summary);
    m_stackBar = new StackBar(6, footer);
    m_stackBar->setObjectName(QStringLiteral("selectionBar"));
    footer->row()->addWidget(m_stackBar, 1);
    m_cleanButton = new Button({}, QStringLiteral("primary"), {}, {}, footer);
    m_cleanButton->setObjectName(QStringLiteral("clean"));
    connect(m_cleanButton, &QPushButton::clicked, this, [this] {
        // The settings may have become unreadable since the footer was drawn.
        if (m_state->settingsReadable())
            emit confirmRequested();
        else
            updateFooter();
    });
    footer->row()->addWidget(m_cleanButton);
    layout->addWidget(footer);
    return view;
}

void CleanupPage::onResults()
{
    // The results of a scan arrive just before the phase leaves Scanning,
    // and the phase change shows them: built once, not twice.
    m_resultsStale = m_state->phase() == AppState::Scanning;
    if (m_resultsStale)
        return;
    const QString size = formatSize(m_state->totalBytes());
    //: %1: a size, written in larger type
    const QString title = CleanupText::tr("%1 can be cleaned");
    m_resultsHeader->setTitle(title.arg(size));
    // The header escapes its title, so the figure in the numeric font goes
    // straight to the label.
    const QString figure = QStringLiteral("<span style=\"font-family:'%1'\">%2</span>")
                               .arg(Theme::monoFont(13).family(), size.toHtmlEscaped());
    m_resultsHeader->titleLabel()->setText(title.toHtmlEscaped().arg(figure));
    const QDateTime scanned = m_state->lastScan();
    m_resultsHeader->setEyebrow(scanned.isValid() ? QCoreApplication::translate("OverviewPage", "Scanned %1")
                                                        .arg(relativeTimeInText(scanned))
                                                  : QString());
    // Part of the total may be out of reach without administrator rights.
    qint64 adminBytes = 0;
    if (!isElevated()) {
        for (const CategoryResult &r : m_state->results())
            adminBytes += r.needsAdmin ? r.bytes : 0;
    }
    m_resultsHeader->setSubtitle(
        //: %1: a size
        adminBytes > 0 ? CleanupText::tr("%1 of it needs administrator rights.").arg(formatSize(adminBytes)) : QString());

    // A category that a cleanup emptied is no longer listed: the pane moves on.
    const CategoryResult *focused = m_state->findResult(m_focusedId);
    if (!focused
        || (focused->bytes < 1 && !focused->accessDenied && focused->notes.isEmpty()
            && !m_state->isMeasuring(focused->id))) {
        m_focusedId.clear();
        for (const CategoryResult &r : m_state->results()) {
            if (r.bytes >= 1) {
                m_focusedId = r.id;
                break;
            }
        }
    }
    rebuildDetail();
    if (m_state->phase() == AppState::Results)
        updateFooter();  // rebuilds the list as well
    else
        rebuildCategoryList();
}

void CleanupPage::focusCategory(const QString &id)
{
    if (id.isEmpty() || id == m_focusedId)
        return;
    m_focusedId = id;
    rebuildCategoryList();
    rebuildDetail();
}

void CleanupPage::setFocused(const QString &id)
{
    focusCategory(id);
}

void CleanupPage::rebuildCategoryList()
{
    // The rows are replaced under the user's pointer (a click on a check box
    // rebuilds them). The list must not move: a focused box that goes away
    // would hand the focus on down the list and scroll to it, and rows that
    // are not shown yet would shrink the list for a moment and clamp the
    // scroll position.
    QString focusRow;
    QWidget *focus = QApplication::focusWidget();
    for (QWidget *w = focus; w && m_listHost->isAncestorOf(w); w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("categoryRow_"))) {
            focusRow = w->objectName();
            break;
        }
    }
    if (focus && m_listHost->isAncestorOf(focus))
        m_listScroll->setFocus(Qt::OtherFocusReason);
    const int scrolled = m_listScroll->verticalScrollBar()->value();
    cleanup::discardChildren(m_list);
    const QList<CategoryResult> &results = m_state->results();
    qint64 maxBytes = 1;
    for (const CategoryResult &r : results)
        maxBytes = std::max(maxBytes, r.bytes);

    static const char *const headings[] = {
        //: Heading over the categories of the Safe risk level
        QT_TRANSLATE_NOOP("CleanupPage", "SAFE TO CLEAN"),
        //: Heading over the categories of the Review risk level
        QT_TRANSLATE_NOOP("CleanupPage", "REVIEW BEFORE CLEANING"),
        //: Heading over the categories of the Permanent risk level
        QT_TRANSLATE_NOOP("CleanupPage", "CANNOT BE UNDONE"),
    };
    for (int risk = Safe; risk <= Permanent; ++risk) {
        bool headed = false;
        for (const CategoryResult &r : results) {
            // Empty categories are listed only when there is something to
            // say: folders that could not be read or were left out.
            const bool measuring = m_state->isMeasuring(r.id);
            if (r.risk != risk || (r.bytes < 1 && !r.accessDenied && r.notes.isEmpty() && !measuring))
                continue;
            if (!headed) {
                auto *heading = cleanup::eyebrow(CleanupText::tr(headings[risk]), m_listHost);
                heading->setContentsMargins(12, 14, 12, 6);
                m_list->addWidget(heading);
                if (m_listHost->isVisible())
                    heading->show();
                headed = true;
            }
            auto *row =
                new CategoryRow(r, maxBytes, m_state->checkState(r.id), r.id == m_focusedId, m_listHost, measuring);
            const QString id = r.id;
            QCheckBox *box = row->checkBox();
            connect(box, &QCheckBox::clicked, this, [this, id, box] {
                const int before = m_state->checkState(id);
                m_state->setCategorySelected(id, before != Qt::Checked);
                // The row is rebuilt when the selection changed; when it did
                // not, the box must not keep the state the click cycled to.
                const QSignalBlocker block(box);
                box->setCheckState(Qt::CheckState(m_state->checkState(id)));
            });
            row->setOnActivate([this, id] { setFocused(id); });
            m_list->addWidget(row);
            if (m_listHost->isVisible())
                row->show();
            if (row->objectName() == focusRow)
                row->setFocus(Qt::OtherFocusReason);
        }
    }
    m_listScroll->verticalScrollBar()->setValue(scrolled);
}

void CleanupPage::rebuildDetail()
{
    QWidget *content = m_detailScroll->widget();
    auto *column = static_cast<QVBoxLayout *>(content->layout());
    cleanup::discardChildren(column);
    m_itemChecks.clear();
    m_detailSelectAll.clear();

    const CategoryResult *c = m_state->findResult(m_focusedId);
    if (!c) {
        column->addWidget(
            cleanup::label(CleanupText::tr("Nothing left to clean. Rescan any time."), QStringLiteral("sub"), content));
        column->addStretch(1);
        return;
    }

    const QColor color(c->color);
    const bool deniedEmpty = c->bytes == 0 && c->accessDenied;

    auto *head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(new IconTile(c->icon, color, 44, content));
    // Name and risk pill share a line while the name fits whole; in a narrow
    // pane the pill moves under the name, which elides only after that.
    auto *title = new QWidget(content);
    auto *titleFlow = new FlowLayout(title, 16, 4);
    auto *name = new ElidedLabel(c->name, QStringLiteral("h2"), title);
    name->setObjectName(QStringLiteral("detailName"));
    name->setMaximumLines(3);
    titleFlow->addWidget(name);
    auto *pill = new Pill(c->risk, title);
    titleFlow->addWidget(pill);
    head->addWidget(title, 1);
    auto *figures = new QVBoxLayout;
    figures->setSpacing(2);
    auto *size = cleanup::label(deniedEmpty ? QStringLiteral("—") : formatSize(c->bytes), QStringLiteral("value"),
                                content);
    size->setObjectName(QStringLiteral("detailSize"));
    cleanup::setPixelSize(size, 26);
    size->setAlignment(Qt::AlignRight);
    figures->addWidget(size);
    // The bin is one item that holds all its entries: those are what it counts.
    const int entries = int(std::min<qint64>(c->isTrash ? c->files : c->items.size(), std::numeric_limits<int>::max()));
    auto *count = cleanup::label(m_state->isMeasuring(c->id) ? CleanupText::tr("Measuring…")
                                 : deniedEmpty             ? CleanupText::tr("Needs administrator")
                                 : CleanupText::tr("%Ln item(s)", "on a category's card", entries),
                                 QStringLiteral("mono"), content);
    count->setObjectName(QStringLiteral("detailCount"));
    count->setAlignment(Qt::AlignRight);
    figures->addWidget(count);
    head->addLayout(figures);
    column->addLayout(head);
    column->addSpacing(16);

    if (c->risk != Permanent) {
        auto *description = cleanup::label(c->description, QStringLiteral("sub"), content);
        description->setWordWrap(true);
        description->setToolTip(cleanup::plainToolTip(c->detail));
        column->addWidget(description);
    } else {
        column->addWidget(new Note(Note::Warning, QStringLiteral("alert"), c->description.toHtmlEscaped(), content));
    }

    // Folders the catalogue left out of this category, and why. The notes
    // name paths: they may break after any separator.
    if (!c->notes.isEmpty()) {
        column->addSpacing(12);
        QStringList lines;
        for (const QString &n : c->notes) {
            lines.append(n.toHtmlEscaped()
                             .replace(QLatin1Char('/'), QStringLiteral("/&#8203;"))
                             .replace(QLatin1Char('\\'), QStringLiteral("\\&#8203;")));
        }
        auto *notes = new Note(Note::Plain, QStringLiteral("info"), lines.join(QStringLiteral("<br>")), content);
        notes->setObjectName(QStringLiteral("detailNotes"));
        column->addWidget(notes);
    }

    if ((c->needsAdmin || c->accessDenied) && !isElevated()) {
        column->addSpacing(12);
        auto *note = new Note(Note::Accent, QStringLiteral("lock"),
                              c->needsAdmin ? CleanupText::tr("These files need administrator rights.")
                                            : CleanupText::tr("Some folders need administrator rights."),
                              content);
        note->setObjectName(QStringLiteral("detailAdminNote"));
        // A category that needs administrator rights holds the system's
        // folders; one with unreadable folders is the user's own, which an
        // elevation as another account would clean for the wrong person.
        if (elevationHelps(c->needsAdmin)) {
            auto *restart = new Button(CleanupText::tr("Restart as admin"), QStringLiteral("link"), {}, {}, note);
            connect(restart, &QPushButton::clicked, this, &CleanupPage::restartElevated);
            note->body()->addWidget(restart, 0, Qt::AlignLeft);
        }
        column->addWidget(note);
    }

    QStringList running;
    for (const ScanItem &item : c->items) {
        if (!item.runningApp.isEmpty() && !running.contains(item.runningApp))
            running.append(item.runningApp);
    }
    if (!running.isEmpty()) {
        column->addSpacing(12);
        const QString names = running.join(QStringLiteral(", ")).toHtmlEscaped();
        const QString text = running.size() == 1
                                 //: %1: an app's name
                                 ? CleanupText::tr("%1 is open. Quit it to include its cache.").arg(names)
                                 //: %1: a list of app names
                                 : CleanupText::tr("%1 are open. Quit them to include their caches.").arg(names);
        auto *note = new Note(Note::Warning, QStringLiteral("alert"), text, content);
        note->setObjectName(QStringLiteral("runningNote"));
        column->addWidget(note);
    }

    if (!c->items.isEmpty()) {
        auto *largest = new QHBoxLayout;
        largest->setContentsMargins(0, 22, 0, 8);
        // The heading elides so that the file-manager link always fits.
        //: Heading over the biggest items of an opened category
        auto *heading = new ElidedLabel(CleanupText::tr("Largest items"), QStringLiteral("micro"), content);
        heading->setFont(Theme::eyebrowFont(11));
        largest->addWidget(heading, 1);
        const QString first = c->items.first().path;
        if (!first.isEmpty()) {
            auto *reveal = new Button(onPlatform(
                                          //: Link beside a category's largest items; opens File Explorer there
                                          CleanupText::tr("Show in File Explorer"),
                                          //: Link beside a category's largest items; opens the file manager there
                                          CleanupText::tr("Show in File Manager")),
                                      QStringLiteral("link"), QStringLiteral("external"), {}, content);
            reveal->setObjectName(QStringLiteral("reveal"));
            connect(reveal, &QPushButton::clicked, this, [this, first] { this->reveal(first); });
            largest->addWidget(reveal);
        }
        column->addLayout(largest);
        column->addWidget(new Divider(content));
    }

    const int total = int(c->items.size());
    const int shown = std::min(total, itemLimit(c->id));
    const QString id = c->id;

    if (!c->isTrash && total > 0) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(2, 10, 2, 10);
        auto *all = new QCheckBox(CleanupText::tr("Select all"), content);
        all->setObjectName(QStringLiteral("categorySelectAll"));
        all->setTristate(true);
        all->setCheckState(Qt::CheckState(m_state->checkState(id)));
        connect(all, &QCheckBox::clicked, this, [this, id, all] {
            m_state->setCategorySelected(id, m_state->checkState(id) != Qt::Checked);
            const QSignalBlocker block(all);
            all->setCheckState(Qt::CheckState(m_state->checkState(id)));
        });
        m_detailSelectAll = all;
        row->addWidget(all);
        row->addStretch(1);
        column->addLayout(row);
        column->addWidget(new Divider(content));
    }

    const bool toBin = AppSettings::instance()->moveToTrash();
    m_trashNotesShown = toBin;
    for (int k = 0; k < shown; ++k) {
        const ScanItem &item = c->items.at(k);
        auto *rowWidget = new QWidget(content);
        rowWidget->setObjectName(QStringLiteral("itemRow"));
        auto *row = new QHBoxLayout(rowWidget);
        row->setSpacing(12);
        row->setContentsMargins(2, 8, 2, 8);
        if (!c->isTrash) {
            auto *box = new QCheckBox(rowWidget);
            box->setAccessibleName(item.label);
            box->setChecked(m_state->isItemSelected(id, item.path));
            const QString path = item.path;
            connect(box, &QCheckBox::clicked, this, [this, id, path, box](bool checked) {
                m_state->setItemSelected(id, path, checked);
                const QSignalBlocker block(box);
                box->setChecked(m_state->isItemSelected(id, path));
            });
            m_itemChecks.append({box, path});
            row->addWidget(box);
        }
        row->addWidget(new IconView(itemIcon(*c, item), Tone::Text2, 18, rowWidget));

        auto *text = new QVBoxLayout;
        text->setSpacing(2);
        auto *label = new ElidedLabel(item.label, {}, rowWidget);
        label->setStyleSheet(QStringLiteral("font-weight: 500;"));
        label->setElide(ElidedLabel::KeepTail);
        Theme::showAsWritten(label);
        label->setToolTip(cleanup::plainToolTip(QDir::toNativeSeparators(item.path)));
        text->addWidget(label);
        // Moving to the bin, what it cannot take says so (and is not ticked
        // after a scan).
        //: Beside an item; %1: the app using it
        const QString state = !item.runningApp.isEmpty() ? CleanupText::tr("%1 is running").arg(item.runningApp)
            : !toBin || c->risk == Permanent            ? QString()
            : item.trashFit == NoTrashOnDrive ? onPlatform(CleanupText::tr("No Recycle Bin on this drive"),
                                                           CleanupText::tr("No Trash on this drive"))
            : item.trashFit == TrashRefuses   ? onPlatform(CleanupText::tr("Cannot go to the Recycle Bin"),
                                                           CleanupText::tr("Cannot go to the Trash"))
                                              : QString();
        if (!state.isEmpty()) {
            auto *busy = cleanup::label(state, QStringLiteral("warn"), rowWidget);
            busy->setObjectName(QStringLiteral("itemState"));
            cleanup::setPixelSize(busy, 11);
            text->addWidget(busy);
        } else if (!item.path.isEmpty()) {
            auto *where = new ElidedLabel(displayPath(QFileInfo(item.path).path()), QStringLiteral("mono"), rowWidget);
            Theme::showAsWritten(where);
            where->setStyleSheet(QStringLiteral("font-size: 10px;"));
            where->setToolTip(cleanup::plainToolTip(where->text()));
            text->addWidget(where);
        }
        row->addLayout(text, 1);

        auto *when = new ElidedLabel(
            item.newest >= 1 ? relativeTime(QDateTime::fromMSecsSinceEpoch(item.newest)) : QString(),
            QStringLiteral("micro"), rowWidget);
        when->setStyleSheet(QStringLiteral("font-size: 12px;"));
        when->setFixedWidth(84);
        row->addWidget(when);
        // In a narrow pane the date gives way to the name.
        followWidth(rowWidget, when, [when](int width) { when->setVisible(width >= 380); });
        auto *bytes = cleanup::label(formatSize(item.bytes), QStringLiteral("num"), rowWidget);
        bytes->setFixedWidth(80);
        bytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(bytes);
        column->addWidget(rowWidget);
        column->addWidget(new Divider(content));
    }

    const int remaining = total - shown;
    if (remaining > 0) {
        const int more = std::min(remaining, kMoreItems);
        auto *row = new QHBoxLayout;
        row->setSpacing(12);
        row->setContentsMargins(12, 9, 2, 0);
        //: Below the items shown of a category
        auto *left = cleanup::label(CleanupText::tr("and %Ln more item(s)", nullptr, int(remaining)),
                                    QStringLiteral("sub"), content);
        left->setObjectName(QStringLiteral("moreCount"));
        row->addWidget(left);
        row->addStretch(1);
        //: Link below a category's items; %1: how many more are shown
        auto *link = new Button(CleanupText::tr("Show %1 more").arg(formatNumber(more)), QStringLiteral("link"), {}, {},
                                content);
        link->setObjectName(QStringLiteral("showMore"));
        connect(link, &QPushButton::clicked, this, [this, id, more] { showMoreItems(id, more); });
        row->addWidget(link);
        column->addLayout(row);
    }
    column->addStretch(1);
}

void CleanupPage::showMoreItems(const QString &id, int more)
{
    const CategoryResult *c = m_state->findResult(id);
    if (!c)
        return;
    m_itemLimit[id] = std::min(int(c->items.size()), itemLimit(id)) + more;
    QScrollBar *bar = m_detailScroll->verticalScrollBar();
    const int position = bar->value();
    rebuildDetail();
    // The new rows are laid out on the next turn of the event loop; until then
    // the range may be too short to hold the old position.
    QTimer::singleShot(0, bar, [bar, position] { bar->setValue(position); });
}

void CleanupPage::refreshDetailChecks()
{
    const CategoryResult *c = m_state->findResult(m_focusedId);
    if (!c)
        return;
    for (const ItemCheck &check : std::as_const(m_itemChecks)) {
        if (!check.box)
            continue;
        const QSignalBlocker block(check.box);
        check.box->setChecked(m_state->isItemSelected(c->id, check.path));
    }
    if (m_detailSelectAll) {
        const QSignalBlocker block(m_detailSelectAll);
        m_detailSelectAll->setCheckState(Qt::CheckState(m_state->checkState(c->id)));
    }
}

void CleanupPage::updateFooter()
{
    if (m_state->phase() != AppState::Results)
        return;
    const Theme *theme = Theme::instance();

    QList<StackBar::Segment> segments;
    bool permanent = false;  // emptying the bin is among the selection
    for (const CategoryResult &r : m_state->selectedResults()) {
        segments.append({r.bytes, QColor(r.color), r.name, false});
        permanent = permanent || r.risk == Permanent;
    }
    m_stackBar->setSegments(segments, std::max<qint64>(m_state->totalBytes(), 1));

    // The confirmation's own words when not everything goes to the bin.
    const QString mode = AppSettings::instance()->moveToTrash() && permanent
        ? onPlatform(QCoreApplication::translate(
                         "Overlay", "Emptying the Recycle Bin can't be undone. Everything else goes to the Recycle Bin."),
                     QCoreApplication::translate("Overlay",
                                                 "Emptying the Trash can't be undone. Everything else goes to the Trash."))
        : AppSettings::instance()->moveToTrash()
                             ? onPlatform(
                                   //: Tooltip of the Clean button: where the selection goes
                                   CleanupText::tr("moved to the Recycle Bin"),
                                   //: Tooltip of the Clean button: where the selection goes
                                   CleanupText::tr("moved to the Trash"))
                             //: Tooltip of the Clean button: what happens to the selection
                             : CleanupText::tr("deleted permanently");
    m_cleanButton->setToolTip(mode);

    const qint64 selected = m_state->selectedBytes();
    const QString style = theme->text().name() + QStringLiteral("; font-family:'%1'; font-size:15px")
                                                     .arg(Theme::monoFont(15).family());
    m_summary->setText((m_state->selectionNeedsAdmin()
                            ? CleanupText::tr("<b style='color:%1'>%2</b> selected · some need admin",
                                              "%1: style, keep as is; %2: a size")
                            : CleanupText::tr("<b style='color:%1'>%2</b> selected", "%1: style, keep as is; %2: a size"))
                           .arg(style, formatSize(selected)));
    // The bar reads as the summary does; its segments describe it.
    m_stackBar->setAccessibleName(QTextDocumentFragment::fromHtml(m_summary->text()).toPlainText());

    const bool settingsReadable = m_state->settingsReadable();
    if (!settingsReadable)
        m_settingsNote->setText(
            onPlatform(CleanupText::tr("Your settings in %1 cannot be read, so your exclusions and your choice "
                                       "between the Recycle Bin and deleting are unknown. Cleaning stays off until "
                                       "the file can be read again.", "%1: the settings file"),
                       CleanupText::tr("Your settings in %1 cannot be read, so your exclusions and your choice "
                                       "between the Trash and deleting are unknown. Cleaning stays off until the "
                                       "file can be read again.", "%1: the settings file"))
                .arg(QDir::toNativeSeparators(m_state->settingsLocation()).toHtmlEscaped()));
    m_settingsNote->setVisible(!settingsReadable);

    //: The footer's main button; %1: the selected size
    m_cleanButton->setText(CleanupText::tr("Clean %1").arg(formatSize(selected)));
    m_cleanButton->setEnabled(selected >= 1 && settingsReadable);

    {
        const QSignalBlocker block(m_selectAll);
        m_selectAll->setCheckState(listCheckState(*m_state));
    }
    rebuildCategoryList();
    refreshDetailChecks();
}

} // namespace ui

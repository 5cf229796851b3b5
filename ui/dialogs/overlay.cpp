#include "ui/dialogs/overlay.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QEasingCurve>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>

#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/focusring.h"

namespace ui {

namespace {

int panelRadius()
{
    return Theme::instance()->macLook() ? 12 : 8;
}

// The dialog's body. It takes every mouse press so that a click on the panel
// never reaches the overlay, which would read it as a click outside.
class Panel final : public QWidget
{
public:
    explicit Panel(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Panel"));
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }

    void paintEvent(QPaintEvent *) override
    {
        const Theme *theme = Theme::instance();
        const qreal r = panelRadius();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(theme->line(), 1));
        p.setBrush(theme->surface());
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    }
};

} // namespace

Overlay::Overlay(QWidget *host) : QWidget(host), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    m_panel = new Panel(this);
    m_slide = new QPropertyAnimation(m_panel, "pos", this);
    m_slide->setDuration(kSlideMs);
    m_slide->setEasingCurve(QEasingCurve::OutCubic);
    // The shadow is painted by the overlay around wherever the panel is.
    connect(m_slide, &QPropertyAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    m_keepFocus = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { keepFocus(now); });
    a11y::setRole(this, QAccessible::Dialog);
    if (host)
        host->installEventFilter(this);
}

// QWidget's destructor still moves the focus off a dying child, when this
// overlay's own members are gone.
Overlay::~Overlay()
{
    disconnect(m_keepFocus);
}

bool Overlay::open()
{
    const QList<Overlay *> already = openIn(m_host);
    if (!already.isEmpty()) {
        Overlay *front = already.last();
        front->raise();
        if (!front->isAncestorOf(QApplication::focusWidget()))
            front->setFocus(Qt::OtherFocusReason);
        deleteLater();
        return false;
    }
    QWidget *before = QApplication::focusWidget();
    if (before && m_host && before->window() == m_host->window() && !isAncestorOf(before))
        m_returnFocus = before;
    coverHost();
    refit();
    show();
    raise();
    m_open = true;
    setFocus(Qt::OtherFocusReason);
    focusPrimaryButton();

    const QPoint rest = panelRestPosition();
    const QPoint from = Theme::instance()->macLook() ? QPoint(rest.x(), -m_panel->height())
                                                    : rest + QPoint(0, kSlideOffset);
    m_slide->stop();
    m_slide->setStartValue(from);
    m_slide->setEndValue(rest);
    m_panel->move(from);
    m_slide->start();
    return true;
}

QPoint Overlay::panelRestPosition() const
{
    const int x = (width() - m_panel->width()) / 2;
    const int y = Theme::instance()->macLook() ? 0 : (height() - m_panel->height()) / 2;
    return {x, y};
}

QList<Overlay *> Overlay::openIn(const QWidget *host)
{
    QList<Overlay *> out;
    if (!host)
        return out;
    for (Overlay *overlay : host->findChildren<Overlay *>(Qt::FindDirectChildrenOnly))
        if (overlay->isOpen())
            out.append(overlay);
    return out;
}

void Overlay::refit()
{
    QSize size = m_panel->sizeHint();
    if (QLayout *layout = m_panel->layout(); layout && layout->hasHeightForWidth())
        size.setHeight(layout->totalHeightForWidth(size.width()));
    size = size.expandedTo(m_panel->minimumSize()).boundedTo(m_panel->maximumSize());
    m_panel->resize(size);
    // A resize during the entrance ends the slide: the old end point is stale.
    if (m_slide->state() == QAbstractAnimation::Running)
        m_slide->stop();
    m_panel->move(panelRestPosition());
    nameFromTitle();
    update();
}

void Overlay::nameFromTitle()
{
    for (const QLabel *label : m_panel->findChildren<QLabel *>()) {
        if (label->property("role").toString() == u"h2") {
            a11y::setName(this, label->text());
            return;
        }
    }
}

QList<QWidget *> Overlay::tabStops() const
{
    // Tab order is layout order (the kit sorts the chain at each Tab press).
    QWidget *root = window();
    focus::orderByLayout(root);
    QList<QWidget *> stops;
    for (QWidget *w = root->nextInFocusChain(); w && w != root; w = w->nextInFocusChain()) {
        if (m_panel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(m_panel)
            && w->isEnabled())
            stops.append(w);
    }
    return stops;
}

bool Overlay::focusNextPrevChild(bool next)
{
    // Every Tab inside the panel ends here (a child passes it to its
    // parent): the focus cycles within the panel.
    const QList<QWidget *> stops = tabStops();
    if (stops.isEmpty())
        return true;
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : stops.size() - 1;
    else
        to = (at + (next ? 1 : stops.size() - 1)) % stops.size();
    stops.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Overlay::keepFocus(QWidget *now)
{
    if (!m_open || !isVisible() || !now || now == this || isAncestorOf(now) || now->window() != window())
        return;
    // Only the front overlay holds the focus (a refused second one is gone).
    const QList<Overlay *> open = openIn(m_host);
    if (open.isEmpty() || open.last() != this)
        return;
    setFocus(Qt::OtherFocusReason);
}

QVBoxLayout *Overlay::buildQuestionFrame(int width, int macWidth, int spacing)
{
    const bool mac = Theme::instance()->macLook();
    m_panel->setFixedWidth(mac ? macWidth : width);

    auto *outer = new QVBoxLayout(m_panel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(24, 24, 24, mac ? 16 : 20);
    content->setSpacing(spacing);
    outer->addLayout(content);

    if (!mac)
        outer->addWidget(new Divider(m_panel));
    m_buttonBar = new QHBoxLayout;
    if (mac)
        m_buttonBar->setContentsMargins(24, 0, 24, 20);
    else
        m_buttonBar->setContentsMargins(24, 16, 24, 16);
    m_buttonBar->setSpacing(8);
    outer->addLayout(m_buttonBar);
    return content;
}

void Overlay::focusPrimaryButton()
{
    QList<QPushButton *> shown;
    for (QPushButton *button : std::as_const(m_buttons)) {
        if (button && button->isVisibleTo(m_panel) && button->isEnabled())
            shown.append(button);
    }
    if (shown.isEmpty())
        return;
    QPushButton *target = shown.first();
    if (target->property("kind").toString() == u"danger" && shown.size() > 1)
        target = shown.at(1);
    target->setFocus(Qt::OtherFocusReason);
}

void Overlay::setButtons(const QList<QPushButton *> &buttons)
{
    m_buttons.clear();
    for (QPushButton *button : buttons)
        m_buttons.append(button);
    if (!m_buttonBar)
        return;
    if (Theme::instance()->macLook()) {
        m_buttonBar->addStretch(1);
        for (auto it = buttons.crbegin(); it != buttons.crend(); ++it)
            m_buttonBar->addWidget(*it);
        return;
    }
    for (QPushButton *button : buttons) {
        // Equal stretch only yields equal widths when every button may grow.
        button->setSizePolicy(QSizePolicy::Expanding, button->sizePolicy().verticalPolicy());
        m_buttonBar->addWidget(button, 1);
    }
}

bool Overlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Resize && isVisible()) {
        coverHost();
        refit();
    }
    return QWidget::eventFilter(watched, event);
}

void Overlay::mousePressEvent(QMouseEvent *event)
{
    // Presses on the panel are taken by the panel itself; whatever arrives
    // here fell on the dimmed area.
    event->accept();
    if (!m_panel->geometry().contains(event->position().toPoint()))
        close();
}

void Overlay::keyPressEvent(QKeyEvent *event)
{
    // Keys the focused control leaves alone reach the overlay through its
    // parents.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        QPushButton *target = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (!target || !m_panel->isAncestorOf(target)) {
            target = nullptr;
            for (QPushButton *button : m_panel->findChildren<QPushButton *>()) {
                if (button->isDefault() && button->isVisibleTo(m_panel) && button->isEnabled())
                    target = button;
            }
        }
        if (target && target->isEnabled())
            target->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Overlay::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.fillRect(rect(), theme->scrim());

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 6));
    const QRectF body = QRectF(m_panel->geometry()).translated(0, 4);
    const qreal r = panelRadius();
    for (int i = 6; i >= 1; --i)
        p.drawRoundedRect(body.adjusted(-i, -i, i, i), r + i, r + i);
}

void Overlay::closeEvent(QCloseEvent *event)
{
    m_open = false;
    m_slide->stop();
    if (m_returnFocus && m_returnFocus->isVisible() && m_returnFocus->isEnabled())
        m_returnFocus->setFocus(Qt::OtherFocusReason);
    QWidget::closeEvent(event);
}

void Overlay::coverHost()
{
    if (m_host)
        setGeometry(m_host->rect());
}

} // namespace ui

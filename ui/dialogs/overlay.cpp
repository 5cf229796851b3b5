#include "ui/dialogs/overlay.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QEasingCurve>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QPushButton>

#include "ui/theme.h"
#include "ui/widgets/divider.h"

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
    if (host)
        host->installEventFilter(this);
}

Overlay::~Overlay() = default;

void Overlay::open()
{
    coverHost();
    refit();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    m_open = true;

    const QPoint rest = panelRestPosition();
    const QPoint from = Theme::instance()->macLook() ? QPoint(rest.x(), -m_panel->height())
                                                    : rest + QPoint(0, kSlideOffset);
    m_slide->stop();
    m_slide->setStartValue(from);
    m_slide->setEndValue(rest);
    m_panel->move(from);
    m_slide->start();
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
    update();
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

void Overlay::setButtons(const QList<QPushButton *> &buttons)
{
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
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
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
    QWidget::closeEvent(event);
}

void Overlay::coverHost()
{
    if (m_host)
        setGeometry(m_host->rect());
}

} // namespace ui

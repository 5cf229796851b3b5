#include "ui/appmenu.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

#include "ui/theme.h"

namespace ui {

namespace {

QString argb(const QColor &c)
{
    return c.name(QColor::HexArgb);
}

QString trailingText(const QAction *action)
{
    return action->property(AppMenu::kTrailingProperty).toString();
}

} // namespace

AppMenu::AppMenu(QWidget *parent)
    : QMenu(parent)
{
    setWindowFlags(windowFlags() | Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    restyle();
    connect(Theme::instance(), &Theme::changed, this, &AppMenu::restyle);
    // Trailing texts are set after the actions are added, so the width is
    // settled just before the menu lays itself out.
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (const int w = trailingMinimumWidth())
            setMinimumWidth(w);
    });
}

AppMenu *AppMenu::addAppMenu(const QIcon &icon, const QString &title)
{
    auto *sub = new AppMenu(this);
    sub->setIcon(icon);
    sub->setTitle(title);
    sub->m_bounds = m_bounds;
    addMenu(sub);
    return sub;
}

void AppMenu::keepInside(QWidget *window)
{
    m_bounds = window;
    for (QAction *action : actions()) {
        if (auto *sub = qobject_cast<AppMenu *>(action->menu()))
            sub->keepInside(window);
    }
}

QRect AppMenu::placedInside(QRect body, const QRect &bounds)
{
    body.moveLeft(std::max(bounds.left(), std::min(body.left(), bounds.right() + 1 - body.width())));
    body.moveTop(std::max(bounds.top(), std::min(body.top(), bounds.bottom() + 1 - body.height())));
    return body;
}

QString AppMenu::styleSheetText()
{
    const Theme *t = Theme::instance();
    return QStringLiteral(
               "QMenu { background: %1; color: %2; border: 1px solid %3; border-radius: 12px; padding: 6px; "
               "margin: %6px; }"
               "QMenu::item { padding: 8px 40px 8px 10px; border: 1px solid transparent; border-radius: 7px; "
               "background: transparent; }"
               "QMenu::item:selected { background: %4; color: %2; }"
               "QMenu::item:disabled { color: %5; }"
               "QMenu::separator { height: 1px; background: %3; margin: 4px 12px; }"
               "QMenu::icon { width: 18px; height: 18px; padding-left: 10px; }"
               "QMenu::right-arrow { image: none; width: 0; }")
        .arg(argb(t->surface()), argb(t->text()), argb(t->line()), argb(t->hover()), argb(t->text3()))
        .arg(kMargin);
}

void AppMenu::restyle()
{
    setFont(Theme::instance()->font(13, 400));
    setStyleSheet(styleSheetText());
    update();
}

void AppMenu::dropStyleShadow()
{
    // A style that adds its own drop shadow would draw it around the whole
    // widget, margin included; the menu paints its shadow itself.
    if (qobject_cast<QGraphicsDropShadowEffect *>(graphicsEffect()))
        setGraphicsEffect(nullptr);
}

bool AppMenu::event(QEvent *event)
{
    const bool result = QMenu::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
        dropStyleShadow();
    return result;
}

int AppMenu::trailingMinimumWidth() const
{
    const QFontMetrics itemMetrics(font());
    QFont small = font();
    small.setPixelSize(12);
    const QFontMetrics trailingMetrics(small);
    int widest = 0;
    bool any = false;
    for (const QAction *action : actions()) {
        if (action->isSeparator())
            continue;
        const QString trailing = trailingText(action);
        if (trailing.isEmpty())
            continue;
        any = true;
        const int extra = action->menu() ? 100 : 84;
        widest = std::max(widest, itemMetrics.horizontalAdvance(action->text())
                                      + trailingMetrics.horizontalAdvance(trailing) + extra);
    }
    return any ? widest + 42 : 0;
}

void AppMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    // The visible body starts kMargin inside the widget; shift so that its
    // edge lines up with the anchor instead of the invisible margin.
    QWidget *window = parentWidget() ? parentWidget()->window() : nullptr;
    auto *parentMenu = qobject_cast<QMenu *>(parentWidget());
    if (window && window->isVisible() && !parentMenu) {
        const int windowX = window->geometry().x();
        move(x() < windowX ? x() + kMargin : x() - kMargin, y());
    }
    if (!m_bounds || !m_bounds->isVisible())
        return;
    const QMargins margins(kMargin, kMargin, kMargin, kMargin);
    // A little in from the window's edge, as the body sits from a card's.
    const QRect bounds = m_bounds->geometry().marginsRemoved(QMargins(8, 8, 8, 8));
    QRect body = geometry().marginsRemoved(margins);
    if (parentMenu && body.right() > bounds.right()) {
        // The body overlaps its parent's by as much as it would on the right.
        const QRect parentBody = parentMenu->geometry().marginsRemoved(margins);
        body.moveRight(parentBody.left() + std::max(0, parentBody.right() - body.left()));
    }
    body = placedInside(body, bounds);
    if (body != geometry().marginsRemoved(margins))
        move(body.topLeft() - QPoint(kMargin, kMargin));
}

void AppMenu::paintEvent(QPaintEvent *event)
{
    const Theme *t = Theme::instance();
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(event->rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QRectF body = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
        const int k = t->dark() ? 12 : 5;
        p.setPen(Qt::NoPen);
        for (int i = 12; i >= 1; --i) {
            const qreal d = 1.0 - i / 12.0;
            const int alpha = int(std::lround(d * d * k));
            if (alpha <= 0)
                continue;
            p.setBrush(QColor(0, 0, 0, alpha));
            p.drawRoundedRect(body.adjusted(-i, -(i - 2), i, i), 12 + i, 12 + i);
        }
    }

    QMenu::paintEvent(event);

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont small = font();
    small.setPixelSize(12);
    p.setFont(small);
    for (QAction *action : actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QRect item = actionGeometry(action);
        if (item.isEmpty())
            continue;
        const QString trailing = trailingText(action);
        const bool sub = action->menu() != nullptr;
        if (!trailing.isEmpty()) {
            p.setPen(t->text3());
            const QRect textRect = item.adjusted(0, 0, -(sub ? 30 : 14), 0);
            p.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, trailing);
        }
        if (sub) {
            QPen pen(t->text3(), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const qreal x = item.right() + 1 - 14;
            const qreal cy = item.center().y() + 0.5;
            QPainterPath chevron;
            chevron.moveTo(x - 3.5, cy - 4);
            chevron.lineTo(x, cy);
            chevron.lineTo(x - 3.5, cy + 4);
            p.drawPath(chevron);
        }
    }
}

} // namespace ui

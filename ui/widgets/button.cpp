#include "ui/widgets/button.h"

#include "ui/icons.h"
#include "ui/widgets/kit.h"

#include <QEnterEvent>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace ui {

namespace {

constexpr int kIconPx = 16;

} // namespace

Button::Button(const QString &text, const QString &kind, const QString &iconName, const QString &size,
               QWidget *parent)
    : QPushButton(text, parent), m_iconName(iconName), m_size(size)
{
    if (!kind.isEmpty())
        setProperty("kind", kind);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(kIconPx, kIconPx));
    setCursor(Qt::PointingHandCursor);
    connect(Theme::instance(), &Theme::changed, this, &Button::onThemeChanged);
    refreshMetrics();
    refreshIcon();
    refreshShadow();
}

QString Button::kind() const
{
    return property("kind").toString();
}

void Button::setKind(const QString &kind)
{
    if (kind == this->kind())
        return;
    setProperty("kind", kind.isEmpty() ? QVariant() : QVariant(kind));
    // Property selectors of the style sheet are only re-evaluated on polish.
    style()->unpolish(this);
    style()->polish(this);
    refreshMetrics();
    refreshIcon();
    refreshShadow();
    updateGeometry();
    update();
}

void Button::setIconName(const QString &name)
{
    if (name == m_iconName)
        return;
    m_iconName = name;
    refreshIcon();
    updateGeometry();
    update();
}

bool Button::isPainted() const
{
    const QString k = kind();
    return k == u"primary" || k == u"danger";
}

bool Button::hasShadow() const
{
    return qobject_cast<QGraphicsDropShadowEffect *>(graphicsEffect()) != nullptr;
}

QFont Button::paintedFont() const
{
    return Theme::instance()->font(isLarge() ? 14 : 13, 600);
}

QSize Button::sizeHint() const
{
    if (!isPainted())
        return QPushButton::sizeHint();
    const bool lg = isLarge();
    const int advance = QFontMetrics(paintedFont()).horizontalAdvance(text());
    const int pad = m_iconName.isEmpty() ? (lg ? 44 : 32) : (lg ? 68 : 56);
    const int height = Theme::instance()->macLook() ? (lg ? 38 : 30) : (lg ? 42 : 34);
    return QSize(advance + pad, height);
}

QSize Button::minimumSizeHint() const
{
    return isPainted() ? sizeHint() : QPushButton::minimumSizeHint();
}

void Button::refreshMetrics()
{
    const bool compact = Theme::instance()->macLook();
    const int h = isLarge() ? (compact ? 38 : 42) : (compact ? 30 : 34);
    QString sheet;
    if (isPainted()) {
        // The application sheet's box (border, padding) is for the plain
        // kinds; these are painted edge to edge at their own height.
        sheet = QStringLiteral("QPushButton { border: none; padding: 0px; min-height: %1px; max-height: %1px; }")
                    .arg(h);
    } else if (kind() != u"link") {
        // Style-sheet heights count the content only; with the 1 px border
        // the plain kinds would stand 2 px taller than the painted ones
        // beside them.
        sheet = QStringLiteral("QPushButton { min-height: %1px; max-height: %1px; }").arg(h - 2);
        if (isLarge())
            sheet = QStringLiteral("QPushButton { min-height: %1px; max-height: %1px; padding: 0px 22px; "
                                   "font-size: 14px; border-radius: 12px; }")
                        .arg(h - 2);
    }
    if (sheet != styleSheet())
        setStyleSheet(sheet);
}

void Button::onThemeChanged()
{
    refreshMetrics();
    refreshIcon();
    refreshShadow();
    updateGeometry();
    update();
}

void Button::refreshIcon()
{
    if (m_iconName.isEmpty()) {
        setIcon(QIcon());
        return;
    }
    const Theme *theme = Theme::instance();
    const QString k = kind();
    QColor color = theme->text();
    if (isPainted())
        color = QColor(Qt::white);
    else if (k == u"link")
        color = theme->accent();
    else if (k == u"ghost")
        color = theme->text2();
    setIcon(ui::icon(m_iconName, color, kIconPx));
}

void Button::refreshShadow()
{
    const bool wanted = isEnabled() && kind() == u"primary";
    if (!wanted) {
        if (graphicsEffect())
            setGraphicsEffect(nullptr);
        return;
    }
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(graphicsEffect());
    if (!shadow) {
        shadow = new QGraphicsDropShadowEffect(this);
        setGraphicsEffect(shadow);
    }
    const bool lg = isLarge();
    shadow->setColor(QColor(99, 102, 241, Theme::instance()->dark() ? 130 : 60));
    shadow->setBlurRadius(lg ? 26 : 20);
    shadow->setOffset(0, lg ? 7 : 5);
}

void Button::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        refreshShadow();
        update();
    }
}

void Button::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    if (isPainted())
        update();
}

void Button::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    if (isPainted())
        update();
}

void Button::paintEvent(QPaintEvent *event)
{
    if (!isPainted()) {
        QPushButton::paintEvent(event);
        return;
    }
    const Theme *theme = Theme::instance();
    const bool lg = isLarge();
    const bool enabled = isEnabled();
    const bool pressed = enabled && isDown();
    const bool hovered = enabled && underMouse() && !isDown();
    const qreal radius = lg ? 12 : 10;
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QColor textColor(Qt::white);
    if (!enabled) {
        p.setPen(QPen(theme->line(), 1));
        p.setBrush(theme->hover());
        p.drawRoundedRect(shape, radius, radius);
        textColor = theme->text3();
    } else if (kind() == u"primary") {
        QLinearGradient g = Theme::brandGradient(shape);
        if (hovered || pressed) {
            QGradientStops stops = g.stops();
            for (auto &stop : stops)
                stop.second = hovered ? stop.second.lighter(108) : stop.second.lighter(95);
            g.setStops(stops);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(shape, radius, radius);
        // A thin light edge along the top gives the fill a little depth.
        p.save();
        p.setClipRect(QRectF(0, 0, width(), lg ? 12 : 10));
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(shape.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
        p.restore();
    } else {
        p.setPen(Qt::NoPen);
        const QColor fill = Theme::dangerFill();
        p.setBrush(hovered ? fill.lighter(110) : fill);
        p.drawRoundedRect(shape, radius, radius);
    }

    const QFont f = paintedFont();
    const QFontMetricsF fm(f);
    const bool hasIcon = !m_iconName.isEmpty();
    const qreal textWidth = fm.horizontalAdvance(text());
    const qreal contentWidth = textWidth + (hasIcon ? 24 : 0);
    qreal x = (width() - contentWidth) / 2.0;
    if (hasIcon) {
        paintIcon(&p, QRectF(x, (height() - kIconPx) / 2.0, kIconPx, kIconPx), m_iconName, textColor);
        x += 24;
    }
    p.setFont(f);
    p.setPen(textColor);
    p.drawText(QRectF(x, 0, textWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace ui

#include "ui/widgets/select.h"

#include "ui/widgets/focusring.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/selectpopup.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWheelEvent>

namespace ui {

namespace {

QSvgRenderer *arrowRenderer(bool dark)
{
    static QSvgRenderer *const light = new QSvgRenderer(QStringLiteral(":/ui/arrow-light.svg"));
    static QSvgRenderer *const darkArrow = new QSvgRenderer(QStringLiteral(":/ui/arrow-dark.svg"));
    return dark ? darkArrow : light;
}

} // namespace

Select::Select(QWidget *parent) : QComboBox(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    repaintOnThemeChange(this);
    connect(Theme::instance(), &Theme::changed, this, &QWidget::updateGeometry);
}

QSize Select::minimumSizeHint() const
{
    return QSize(80, Theme::instance()->macLook() ? 30 : 34);
}

QSize Select::sizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, fm.horizontalAdvance(itemText(i)));
    const QSize least = minimumSizeHint();
    return QSize(qMax(least.width(), widest + 10 + 26 + 8), least.height());
}

void Select::showPopup()
{
    if (count() == 0 || m_popup)
        return;
    m_popup = new SelectPopup(this);
    m_popup->open();
}

void Select::hidePopup()
{
    if (m_popup)
        m_popup->close();
    QComboBox::hidePopup();
    update();
}

void Select::pick(int index)
{
    const int previous = currentIndex();
    setCurrentIndex(index);
    if (index != previous) {
        emit activated(index);
        emit textActivated(itemText(index));
    }
}

void Select::enterEvent(QEnterEvent *event)
{
    QComboBox::enterEvent(event);
    update();
}

void Select::leaveEvent(QEvent *event)
{
    QComboBox::leaveEvent(event);
    update();
}

void Select::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void Select::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const bool hovered = enabled && underMouse();
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QColor border = theme->lineStrong();
    if (!enabled)
        border = theme->line();
    else if (focus::ringVisible(this) || m_popup)
        border = theme->accent();
    p.setPen(QPen(border, 1));
    p.setBrush(!enabled ? QColor(Qt::transparent) : hovered ? theme->cardHover() : theme->tokens().card2);
    p.drawRoundedRect(shape, 10, 10);

    // Text column: 10 px in from the left, up to the 24 px arrow area.
    qreal x = 10;
    const QIcon current = currentIndex() >= 0 ? itemIcon(currentIndex()) : QIcon();
    if (!current.isNull()) {
        const QSize is = iconSize();
        current.paint(&p, QRect(int(x), (height() - is.height()) / 2, is.width(), is.height()));
        x += is.width() + 8;
    }
    const QRectF textRect(x, 0, width() - x - 26, height());
    p.setFont(font());
    p.setPen(enabled ? theme->text() : theme->text3());
    const QString elided = fontMetrics().elidedText(currentText(), Qt::ElideRight, int(textRect.width()));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, elided);

    p.save();
    if (!enabled)
        p.setOpacity(0.5);
    arrowRenderer(theme->dark())->render(&p, QRectF(width() - 24 + 6, (height() - 12) / 2.0, 12, 12));
    p.restore();
}

} // namespace ui

#include "ui/widgets/selectpopup.h"

#include "ui/icons.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/select.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVariantAnimation>

namespace ui {

namespace {

// Text inset of an item: in the Windows look the check sits at the right and
// the text starts at the select's own text position; the compact look puts
// the check at the left, as macOS menus do.
constexpr qreal kTextInset = 6;
constexpr qreal kCompactTextInset = 26;
constexpr qreal kCheckPx = 14;

bool compactLook()
{
    return Theme::instance()->macLook();
}

} // namespace

SelectPopup::SelectPopup(Select *select)
    : QWidget(select, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint), m_select(select)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFont(select->font());
    m_highlight = select->currentIndex();
    repaintOnThemeChange(this);
}

QRect SelectPopup::geometryFor(const QRect &selectRect, int count, int current, int widestText,
                               const QRect &available, bool compact)
{
    const int h = itemHeight(compact);
    const int w = qMax(selectRect.width() + (compact ? 16 : 0), widestText + (compact ? 62 : 50));
    const int width = w + 2 * kMargin;
    const int height = count * h + 36;
    const int c = current < 0 ? 0 : current;
    int x = compact ? selectRect.x() - 18 - 16 : selectRect.x() - 18 + 4;
    int y = selectRect.y() - 18 + (selectRect.height() - h) / 2 - h * c;
    // qBound would assert when the popup is taller than the screen; then the
    // top edge wins so the first items stay reachable.
    x = qMax(available.left() - kMargin, qMin(x, available.right() + 1 + kMargin - width));
    y = qMax(available.top() - kMargin, qMin(y, available.bottom() + 1 + kMargin - height));
    return QRect(x, y, width, height);
}

int SelectPopup::count() const
{
    return m_select ? m_select->count() : 0;
}

QRectF SelectPopup::panelRect() const
{
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QRectF SelectPopup::itemRect(int index) const
{
    const QRectF panel = panelRect();
    const int h = itemHeight(compactLook());
    return QRectF(panel.left() + 4, panel.top() + 4 + index * h, panel.width() - 8, h);
}

int SelectPopup::itemAt(const QPointF &pos) const
{
    for (int i = 0; i < count(); ++i) {
        if (itemRect(i).contains(pos))
            return i;
    }
    return -1;
}

void SelectPopup::open()
{
    if (!m_select)
        return;
    const bool compact = compactLook();
    const QFontMetrics fm(font());
    int widest = 0;
    for (int i = 0; i < m_select->count(); ++i)
        widest = qMax(widest, fm.horizontalAdvance(m_select->itemText(i)));
    const QRect selectRect(m_select->mapToGlobal(QPoint(0, 0)), m_select->size());
    QScreen *screen = m_select->screen() ? m_select->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(selectRect.topLeft(), QSize(4096, 4096));
    setGeometry(geometryFor(selectRect, m_select->count(), m_select->currentIndex(), widest, available, compact));

    m_fade = 0.0;
    show();
    setFocus(Qt::PopupFocusReason);
    m_opened.start();
    auto *fade = new QVariantAnimation(this);
    fade->setDuration(110);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    connect(fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_fade = value.toReal();
        update();
    });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void SelectPopup::setHighlight(int index)
{
    if (index == m_highlight)
        return;
    m_highlight = index;
    update();
}

void SelectPopup::pick(int index)
{
    QPointer<SelectPopup> self(this);
    if (m_select && index >= 0 && index < count())
        m_select->pick(index);
    // A receiver of `activated` may have closed us already.
    if (self)
        close();
}

void SelectPopup::mousePressEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        return;
    // A press on the select itself closes the list; replaying it to the
    // select would open the list again at once.
    if (m_select && QRect(m_select->mapToGlobal(QPoint(0, 0)), m_select->size())
                        .contains(event->globalPosition().toPoint()))
        setAttribute(Qt::WA_NoMouseReplay);
    close();
}

void SelectPopup::mouseMoveEvent(QMouseEvent *event)
{
    const int index = itemAt(event->position());
    if (index >= 0)
        setHighlight(index);
}

void SelectPopup::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_opened.isValid() && m_opened.elapsed() < kReleaseGraceMs)
        return;
    const QPointF pos = event->position();
    const int index = itemAt(pos);
    if (index >= 0)
        pick(index);
    else if (!panelRect().contains(pos))
        close();
}

void SelectPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        if (m_highlight > 0)
            setHighlight(m_highlight - 1);
        else if (m_highlight < 0 && count() > 0)
            setHighlight(0);
        break;
    case Qt::Key_Down:
        if (m_highlight < count() - 1)
            setHighlight(m_highlight + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_highlight >= 0)
            pick(m_highlight);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void SelectPopup::paintEvent(QPaintEvent *)
{
    if (!m_select)
        return;
    const Theme *theme = Theme::instance();
    const bool compact = compactLook();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(m_fade);
    const QRectF panel = panelRect();

    // Soft shadow, a little lower than the panel, fading out into the margin.
    const int k = theme->dark() ? 46 : 20;
    p.setPen(Qt::NoPen);
    for (int i = 12; i >= 1; --i) {
        const qreal f = 1.0 - qreal(i) / 12.0;
        p.setBrush(QColor(0, 0, 0, int(f * f * k)));
        p.drawRoundedRect(panel.adjusted(-i, -(i - 3), i, i + 1), 10 + i, 10 + i);
    }
    p.setPen(QPen(theme->lineStrong(), 1));
    p.setBrush(theme->surface());
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);

    p.setFont(font());
    const int current = m_select->currentIndex();
    for (int i = 0; i < m_select->count(); ++i) {
        const QRectF item = itemRect(i);
        if (i == m_highlight) {
            p.setPen(Qt::NoPen);
            p.setBrush(theme->accentSoft());
            p.drawRoundedRect(item, 6, 6);
        }
        const qreal checkY = item.center().y() - kCheckPx / 2.0;
        QRectF textRect;
        if (compact) {
            textRect = item.adjusted(kCompactTextInset, 0, -8, 0);
            if (i == current)
                paintIcon(&p, QRectF(item.left() + 7, checkY, kCheckPx, kCheckPx), QStringLiteral("check"),
                          theme->accent());
        } else {
            textRect = item.adjusted(kTextInset, 0, -(kCheckPx + 16), 0);
            if (i == current)
                paintIcon(&p, QRectF(item.right() - 10 - kCheckPx, checkY, kCheckPx, kCheckPx),
                          QStringLiteral("check"), theme->accent());
        }
        p.setPen(i == current ? theme->text() : (i == m_highlight ? theme->text() : theme->text2()));
        QFont f = font();
        f.setWeight(i == current ? QFont::DemiBold : QFont::Normal);
        p.setFont(f);
        const QString text = QFontMetrics(f).elidedText(m_select->itemText(i), Qt::ElideRight, int(textRect.width()));
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace ui

#include "ui/widgets/segmented.h"

#include "ui/widgets/kit.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

QFont segmentFont()
{
    return Theme::instance()->font(13, 500);
}

} // namespace

Segmented::Segmented(const QStringList &options, QWidget *parent) : QWidget(parent), m_options(options)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setProperty("focusRadius", 10);
    relayout();
    repaintOnThemeChange(this);
    // The look changes the height and the fonts their metrics.
    connect(Theme::instance(), &Theme::changed, this, [this] {
        relayout();
        updateGeometry();
    });
}

void Segmented::setOptions(const QStringList &options)
{
    if (options == m_options)
        return;
    m_options = options;
    if (m_current >= m_options.size())
        m_current = 0;
    relayout();
    updateGeometry();
    update();
}

void Segmented::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_options.size() || index == m_current)
        return;
    m_current = index;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, hasFocus() ? QAccessible::Focus : QAccessible::Selection);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

void Segmented::pick(int index)
{
    if (index < 0 || index >= m_options.size() || index == m_current)
        return;
    setCurrentIndex(index);
    emit currentChanged(index);
}

void Segmented::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_options.size()) - 1;
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        target = std::max(0, m_current - 1);
        break;
    case Qt::Key_Right:
        target = std::min(last, m_current + 1);
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = last;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    pick(target);
    event->accept();
}

int Segmented::segmentAt(const QPointF &pos) const
{
    for (int i = 0; i < m_rects.size(); ++i) {
        if (m_rects.at(i).contains(pos))
            return i;
    }
    return -1;
}

QSize Segmented::sizeHint() const
{
    const QFontMetrics fm(segmentFont());
    int width = 4;
    for (const QString &option : m_options)
        width += fm.horizontalAdvance(option) + 24;
    return QSize(width, Theme::instance()->macLook() ? 30 : 34);
}

void Segmented::relayout()
{
    const QFontMetrics fm(segmentFont());
    m_rects.clear();
    qreal x = 2;
    for (const QString &option : m_options) {
        const qreal w = fm.horizontalAdvance(option) + 24;
        m_rects.append(QRectF(x, 2, w, qMax(0, height() - 4)));
        x += w;
    }
}

void Segmented::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void Segmented::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = segmentAt(event->position());
    if (index >= 0)
        pick(index);
}

void Segmented::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme->line(), 1));
    p.setBrush(theme->card());
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);

    p.setFont(segmentFont());
    for (int i = 0; i < m_rects.size(); ++i) {
        const QRectF r = m_rects.at(i);
        const bool current = i == m_current;
        if (current) {
            p.setPen(QPen(theme->line(), 1));
            p.setBrush(theme->dark() ? theme->cardHover() : theme->surface());
            p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
        }
        p.setPen(current ? theme->text() : theme->text2());
        p.drawText(r, Qt::AlignCenter, m_options.at(i));
    }
}

} // namespace ui

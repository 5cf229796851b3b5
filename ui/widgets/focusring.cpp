#include "ui/widgets/focusring.h"

#include "ui/theme.h"
#include "ui/widgets/button.h"
#include "ui/widgets/switch.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSet>
#include <QStyleFactory>

#include <functional>

namespace ui::focus {

namespace {

constexpr int kMargin = 5;   // room around the control for the ring
constexpr qreal kGap = 2.5;  // ring centre line outside the control's shape

// The styles draw a square dotted rectangle inside focused buttons and check
// boxes; the ring replaces it, for keyboard focus only.
class NoFocusRectStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// The shared ring: a transparent sibling laid over the focused control,
// a little larger than it, so the ring can lie outside the control's edge.
class RingOverlay final : public QWidget
{
public:
    explicit RingOverlay(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusRing"));
    }

    QPointer<QWidget> target;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!target)
            return;
        qreal radius = 0;
        const QRectF shape = ringShape(target, &radius);
        if (shape.isEmpty())
            return;
        QPainter p(this);
        paintRing(&p, shape.translated(target->mapTo(parentWidget(), QPoint()) - pos()), radius);
    }
};

class Tracker final : public QObject
{
public:
    explicit Tracker(QApplication *app) : QObject(app)
    {
        connect(app, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    }

    bool keyboard = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            switch (key->key()) {
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Alt:
            case Qt::Key_Meta:
            case Qt::Key_AltGr:
                break;
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                // The key goes on to the focused widget, which moves the
                // focus along the chain: put the chain in order first.
                if (auto *w = qobject_cast<QWidget *>(watched);
                    w && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                    orderByLayout(w->window());
                setKeyboard(true);
                break;
            default:
                setKeyboard(true);
                break;
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            setKeyboard(false);
            break;
        default:
            break;
        }
        if (m_ring && (watched == m_target || m_between.contains(watched))) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
            case QEvent::EnabledChange:
                place();
                // Layouts settle a shown widget's geometry a moment later.
                if (event->type() == QEvent::Show)
                    QMetaObject::invokeMethod(this, [this] { place(); }, Qt::QueuedConnection);
                break;
            default:
                break;
            }
        }
        return false;
    }

    void setKeyboard(bool on)
    {
        if (on == keyboard)
            return;
        keyboard = on;
        place();
        // Controls that draw their own ring repaint with the new mode.
        if (QWidget *w = QApplication::focusWidget())
            w->update();
    }

    // The target's moves and resizes reach eventFilter as the application's
    // filter sees every event.
    void follow(QWidget *now)
    {
        if (m_target == now)
            return;
        m_target = now;
        place();
    }

    void place()
    {
        qreal radius = 0;
        QWidget *target = m_target;
        QWidget *parent = target ? target->parentWidget() : nullptr;
        const bool wanted = keyboard && target && parent && !target->isWindow() && target->isVisible()
                            && target->hasFocus() && !ringShape(target, &radius).isEmpty();
        if (!wanted) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        // The ring goes into the nearest ancestor with room for it: a button
        // at the edge of a tight row would lose the ring's outer side. It
        // never leaves a scroll area's viewport, whose edge hides what
        // scrolled out of view, ring included.
        QRect ring = target->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin);
        QWidget *host = parent;
        m_between.clear();
        while (!host->rect().contains(ring) && host->parentWidget() && !host->isWindow()
               && !qobject_cast<QAbstractScrollArea *>(host->parentWidget())) {
            m_between.append(host);
            ring.translate(host->pos());
            host = host->parentWidget();
        }
        if (!m_ring)
            m_ring = new RingOverlay(host);
        else if (m_ring->parentWidget() != host)
            m_ring->setParent(host);
        static_cast<RingOverlay *>(m_ring.data())->target = target;
        m_ring->setGeometry(ring);
        m_ring->show();
        m_ring->raise();
        m_ring->update();
    }

private:
    QPointer<QWidget> m_target;
    // Only a QWidget: its destructor still sends events through this filter
    // once the RingOverlay part is gone.
    QPointer<QWidget> m_ring;
    // The target's ancestors below the ring's parent: their moves move it.
    QList<QObject *> m_between;
};

Tracker *tracker = nullptr;

// The focusable widgets under `widget` in layout order.
void collect(QWidget *widget, QWidget *root, QList<QWidget *> &out)
{
    if (widget != root && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
        out.append(widget);
    QSet<QWidget *> placed;
    const std::function<void(QLayout *)> walk = [&](QLayout *layout) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (QWidget *w = item->widget()) {
                if (w->parentWidget() == widget && !w->isWindow() && !placed.contains(w)) {
                    placed.insert(w);
                    collect(w, root, out);
                }
            } else if (QLayout *inner = item->layout()) {
                walk(inner);
            }
        }
    };
    if (QLayout *layout = widget->layout())
        walk(layout);
    for (QObject *child : widget->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isWindow() && !placed.contains(w))
            collect(w, root, out);
    }
}

} // namespace

void install(QApplication *app)
{
    if (!app || tracker)
        return;
    tracker = new Tracker(app);
    app->installEventFilter(tracker);
    QStyle *base = QStyleFactory::create(app->style()->name());
    QApplication::setStyle(new NoFocusRectStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion"))));
}

bool keyboardMode()
{
    return tracker && tracker->keyboard;
}

bool ringVisible(const QWidget *widget)
{
    return widget && widget->hasFocus() && keyboardMode();
}

void paintRing(QPainter *painter, const QRectF &shape, qreal radius)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Theme::instance()->accent(), 2));
    painter->drawRoundedRect(shape.adjusted(-kGap, -kGap, kGap, kGap), radius + kGap, radius + kGap);
    painter->restore();
}

QRectF ringShape(const QWidget *widget, qreal *radius)
{
    if (!widget)
        return {};
    const QVariant opt = widget->property("focusRing");
    if (opt.isValid() && !opt.toBool())
        return {};
    const QRectF whole = QRectF(widget->rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (const auto *toggle = qobject_cast<const Switch *>(widget)) {
        const QRectF track = toggle->trackRect();
        *radius = track.height() / 2.0;
        return track;
    }
    if (qobject_cast<const QAbstractScrollArea *>(widget)) {
        // A scroll area fills its card or its page, which would hide a ring
        // outside it: the ring runs just inside its edge.
        const QVariant r = widget->property("focusRadius");
        *radius = r.isValid() ? r.toReal() : 10;
        const qreal in = kGap + 2;
        return whole.adjusted(in, in, -in, -in);
    }
    if (const auto *button = qobject_cast<const Button *>(widget)) {
        *radius = button->kind() == u"link" ? 6 : (button->isLarge() ? 12 : 10);
        return whole;
    }
    const QVariant r = widget->property("focusRadius");
    if (r.isValid()) {
        *radius = r.toReal();
        return whole;
    }
    if (qobject_cast<const QComboBox *>(widget)) {
        *radius = 10;
        return whole;
    }
    if (qobject_cast<const QAbstractButton *>(widget)) {
        *radius = 6;
        return whole;
    }
    return {};
}

void orderByLayout(QWidget *root)
{
    if (!root)
        return;
    QList<QWidget *> wanted;
    collect(root, root, wanted);
    if (wanted.size() < 2)
        return;
    // Only touch the chain when it differs: most presses find it in order.
    const QSet<QWidget *> members(wanted.cbegin(), wanted.cend());
    QList<QWidget *> current;
    for (QWidget *w = root->nextInFocusChain(); w && w != root; w = w->nextInFocusChain()) {
        if (members.contains(w))
            current.append(w);
    }
    if (current == wanted)
        return;
    for (qsizetype i = 1; i < wanted.size(); ++i)
        QWidget::setTabOrder(wanted.at(i - 1), wanted.at(i));
}

} // namespace ui::focus

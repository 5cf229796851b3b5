#include "ui/widgets/accessible.h"

#include "ui/widgets/segmented.h"
#include "ui/widgets/treemap.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <functional>

namespace ui::a11y {

namespace {

const char *const kRole = "a11yRole";
const char *const kCheckState = "a11yCheckState";
const char *const kValue = "a11yValue";

void sendKey(QWidget *widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// A plain or painted widget with a role of its own.
class KitWidget final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    KitWidget(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QVariant check = widget()->property(kCheckState);
        if (check.isValid()) {
            s.checkable = true;
            s.checked = check.toInt() == Qt::Checked;
            s.checkStateMixed = check.toInt() == Qt::PartiallyChecked;
        }
        if (role() == QAccessible::ProgressBar && !widget()->property(kValue).isValid())
            s.busy = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const QVariant v = widget()->property(kValue);
            return v.isValid() ? QString::number(std::lround(v.toDouble())) + u'%' : QString();
        }
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && widget()->property(kValue).isValid())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return widget()->property(kValue); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            if (widget()->property(kCheckState).isValid())
                names << toggleAction();
            switch (role()) {
            case QAccessible::Button:
            case QAccessible::PageTab:
            case QAccessible::ListItem:
            case QAccessible::Link:
            case QAccessible::CheckBox:
                names << pressAction();
                break;
            default:
                break;
            }
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (!widget()->isEnabled())
            return;
        if (name == toggleAction())
            sendKey(widget(), Qt::Key_Space);
        else if (name == pressAction())
            sendKey(widget(), Qt::Key_Return);
        else
            QAccessibleWidget::doAction(name);
    }
};

// A button whose role is not the one its checkability suggests: the
// navigation entries are page tabs, whose press navigates.
class KitButton final : public QAccessibleWidget
{
public:
    KitButton(QAbstractButton *button, QAccessible::Role role) : QAccessibleWidget(button, role) {}

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = button()->text();
        return s;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isCheckable()) {
            s.checkable = true;
            s.checked = button()->isChecked();
            if (role() == QAccessible::PageTab) {
                s.selectable = true;
                s.selected = button()->isChecked();
            }
        }
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// One item of a painted widget that has no widget of its own.
class Item : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    Item(QWidget *owner, int index) : m_owner(owner), m_index(index) {}

    bool isValid() const override { return m_owner && m_index < count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_owner ? m_owner->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_owner); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = localRect().toAlignedRect();
        return QRect(m_owner->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = true;
        s.selectable = true;
        s.selected = isCurrent();
        s.focused = isCurrent() && m_owner->hasFocus();
        s.invisible = localRect().isEmpty() || !m_owner->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    virtual int count() const = 0;
    virtual QRectF localRect() const = 0;
    virtual bool isCurrent() const = 0;

    QPointer<QWidget> m_owner;
    int m_index;
};

class SegmentItem final : public Item
{
public:
    using Item::Item;
    Segmented *seg() const { return static_cast<Segmented *>(m_owner.data()); }

    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? seg()->options().value(m_index) : QString();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            seg()->pick(m_index);
    }

protected:
    int count() const override { return m_owner ? int(seg()->options().size()) : 0; }
    QRectF localRect() const override { return seg()->segmentRects().value(m_index); }
    bool isCurrent() const override { return seg()->currentIndex() == m_index; }
};

class TileItem final : public Item
{
public:
    using Item::Item;
    Treemap *map() const { return static_cast<Treemap *>(m_owner.data()); }

    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const TreemapTile &tile = map()->tiles().at(m_index);
        return tile.name + QStringLiteral(", ") + tile.sizeText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = Item::state();
        if (isValid()) {
            s.checkable = true;
            s.checked = map()->checked().contains(map()->tiles().at(m_index).path);
        }
        return s;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString &name) override
    {
        if (name == toggleAction() && isValid())
            map()->toggleTile(m_index);
    }

protected:
    int count() const override { return m_owner ? int(map()->tiles().size()) : 0; }
    QRectF localRect() const override { return map()->tileRects().value(m_index); }
    bool isCurrent() const override { return map()->currentIndex() == m_index; }
};

// A painted widget whose items are its children.
template<typename ItemType>
class ItemOwner final : public QAccessibleWidget
{
public:
    ItemOwner(QWidget *widget, QAccessible::Role role, std::function<int()> count, std::function<int()> current)
        : QAccessibleWidget(widget, role), m_count(std::move(count)), m_current(std::move(current))
    {
    }

    ~ItemOwner() override
    {
        for (const QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return m_count(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= m_count())
            return nullptr;
        if (const QAccessible::Id id = m_children.value(index))
            return QAccessible::accessibleInterface(id);
        auto *item = new ItemType(widget(), index);
        m_children.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_children.cbegin(); it != m_children.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key() < m_count() ? it.key() : -1;
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < m_count(); ++i) {
            if (QAccessibleInterface *c = child(i); c && c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? child(m_current()) : nullptr;
    }

private:
    std::function<int()> m_count;
    std::function<int()> m_current;
    mutable QHash<int, QAccessible::Id> m_children;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == u"ui::Segmented") {
        auto *seg = static_cast<Segmented *>(widget);
        return new ItemOwner<SegmentItem>(
            widget, QAccessible::PageTabList, [seg] { return int(seg->options().size()); },
            [seg] { return seg->currentIndex(); });
    }
    if (className == u"ui::Treemap") {
        auto *map = static_cast<Treemap *>(widget);
        return new ItemOwner<TileItem>(
            widget, QAccessible::List, [map] { return int(map->tiles().size()); },
            [map] { return map->currentIndex(); });
    }
    // Asked once per class of the widget's ancestry, most derived first; the
    // role property settles it at the first question.
    const QVariant role = widget->property(kRole);
    if (!role.isValid() || className != QLatin1String(widget->metaObject()->className()))
        return nullptr;
    const auto r = QAccessible::Role(role.toInt());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return new KitButton(button, r);
    return new KitWidget(widget, r);
}

bool installed = false;

} // namespace

void install()
{
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(kRole, int(role));
    // An interface made before (Qt makes one while a widget is built) has
    // the stock role: it is dropped and made again on demand.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && iface->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void setCheckState(QWidget *widget, Qt::CheckState state)
{
    const QVariant before = widget->property(kCheckState);
    if (before.isValid() && before.toInt() == state)
        return;
    widget->setProperty(kCheckState, int(state));
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.checkStateMixed = true;
        QAccessibleStateChangeEvent event(widget, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void setValue(QWidget *widget, qreal value)
{
    const QVariant before = widget->property(kValue);
    if (before.isValid() && qFuzzyCompare(before.toDouble() + 1, value + 1))
        return;
    widget->setProperty(kValue, value);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, value);
        QAccessible::updateAccessibility(&event);
    }
}

void setName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace ui::a11y

#include "ui/windowagent.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom))
        return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom))
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

WindowAgent::WindowAgent(QObject *parent)
    : QObject(parent)
{
}

WindowAgent::~WindowAgent()
{
    if (m_cursorOverridden)
        QGuiApplication::restoreOverrideCursor();
}

bool WindowAgent::setup(QWidget *window)
{
    if (!window || m_window)
        return false;
    m_window = window;
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    window->installEventFilter(this);
    attachToWindowHandle();
    return true;
}

void WindowAgent::setTitleBar(QWidget *titleBar)
{
    m_titleBar = titleBar;
}

void WindowAgent::setSystemButton(SystemButton button, QWidget *widget)
{
    m_systemButtons.insert(button, widget);
}

QWidget *WindowAgent::systemButton(SystemButton button) const
{
    return m_systemButtons.value(button);
}

void WindowAgent::setHitTestVisible(QWidget *widget, bool visible)
{
    if (!widget)
        return;
    if (visible) {
        if (!m_hitTestVisible.contains(widget))
            connect(widget, &QObject::destroyed, this,
                    [this, widget] { m_hitTestVisible.remove(widget); });
        m_hitTestVisible.insert(widget);
    } else {
        m_hitTestVisible.remove(widget);
    }
}

bool WindowAgent::isHitTestVisible(const QWidget *widget) const
{
    return m_hitTestVisible.contains(widget);
}

bool WindowAgent::isInteractive(const QWidget *child) const
{
    if (m_hitTestVisible.contains(child))
        return true;
    for (const QPointer<QWidget> &button : m_systemButtons)
        if (button == child)
            return true;
    return false;
}

Qt::Edges WindowAgent::resizeEdges(const QPoint &windowPos) const
{
    if (!m_window || m_window->isMaximized() || m_window->isFullScreen())
        return {};
    const QRect r = m_window->rect();
    if (!r.contains(windowPos))
        return {};
    Qt::Edges edges;
    if (windowPos.x() < kResizeBorder)
        edges |= Qt::LeftEdge;
    else if (windowPos.x() >= r.width() - kResizeBorder)
        edges |= Qt::RightEdge;
    if (windowPos.y() < kResizeBorder)
        edges |= Qt::TopEdge;
    else if (windowPos.y() >= r.height() - kResizeBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

WindowAgent::Hit WindowAgent::hitTest(const QPoint &windowPos) const
{
    if (!m_window)
        return Hit::Client;
    if (resizeEdges(windowPos))
        return Hit::Resize;
    if (!m_titleBar || !m_titleBar->isVisible())
        return Hit::Client;
    const QPoint inBar = m_titleBar->mapFrom(m_window, windowPos);
    if (!m_titleBar->rect().contains(inBar))
        return Hit::Client;
    // Everything on the title bar drags, except what was registered to keep
    // its clicks (and whatever lies inside such a widget).
    for (const QWidget *w = m_titleBar->childAt(inBar); w && w != m_titleBar; w = w->parentWidget())
        if (isInteractive(w))
            return Hit::Client;
    return Hit::Caption;
}

void WindowAgent::attachToWindowHandle()
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle || handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    m_handle->installEventFilter(this);
}

void WindowAgent::updateCursor(Qt::Edges edges)
{
    if (edges) {
        const Qt::CursorShape shape = cursorFor(edges);
        if (m_cursorOverridden)
            QGuiApplication::changeOverrideCursor(shape);
        else
            QGuiApplication::setOverrideCursor(shape);
        m_cursorOverridden = true;
    } else if (m_cursorOverridden) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorOverridden = false;
    }
}

void WindowAgent::toggleMaximized()
{
    if (!m_window)
        return;
    if (m_window->isMaximized())
        m_window->showNormal();
    else
        m_window->showMaximized();
}

bool WindowAgent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            attachToWindowHandle();
        return false;
    }
    if (watched != m_handle || !m_window)
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            break;
        const QPoint pos = me->position().toPoint();
        if (const Qt::Edges edges = resizeEdges(pos)) {
            m_handle->startSystemResize(edges);
            return true;
        }
        m_captionPressed = hitTest(pos) == Hit::Caption;
        m_pressPos = pos;
        break;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = me->position().toPoint();
        if (m_captionPressed && (me->buttons() & Qt::LeftButton)) {
            if ((pos - m_pressPos).manhattanLength() >= kDragThreshold) {
                m_captionPressed = false;
                m_handle->startSystemMove();
            }
            break;
        }
        if (me->buttons() == Qt::NoButton)
            updateCursor(resizeEdges(pos));
        break;
    }
    case QEvent::MouseButtonRelease:
        m_captionPressed = false;
        break;
    case QEvent::MouseButtonDblClick: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton && hitTest(me->position().toPoint()) == Hit::Caption) {
            m_captionPressed = false;
            toggleMaximized();
            return true;
        }
        break;
    }
    case QEvent::Leave:
        updateCursor({});
        break;
    default:
        break;
    }
    return false;
}

} // namespace ui

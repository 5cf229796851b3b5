#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>

class QWidget;
class QWindow;

namespace ui {

// A frameless top-level window that still moves, resizes and maximises like a
// framed one. It offers the four calls of the QWindowKit widget agent, which
// is not packaged here, on top of Qt::FramelessWindowHint and the
// window-system move and resize requests:
// - the title bar drags the window, except over system buttons and widgets
//   marked hit-test visible, which keep their clicks;
// - a double click on the drag area maximises or restores;
// - an invisible band of kResizeBorder pixels along the edges resizes.
// All mouse events of the window pass through an event filter on its
// QWindow, so the band works even where child widgets cover the edges.
class WindowAgent final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowAgent)

public:
    enum SystemButton { Unknown = 0, WindowIcon, Help, Minimize, Maximize, Close };
    Q_ENUM(SystemButton)

    // What a point of the window (in window coordinates) is for.
    enum class Hit { Client, Caption, Resize };

    static constexpr int kResizeBorder = 6;
    // Pointer travel before a press on the title bar becomes a window move;
    // starting the move on the press itself would swallow double clicks.
    static constexpr int kDragThreshold = 3;

    explicit WindowAgent(QObject *parent = nullptr);
    ~WindowAgent() override;

    // Makes `window` frameless and starts watching it. Call once, before the
    // window is shown.
    bool setup(QWidget *window);
    void setTitleBar(QWidget *titleBar);
    void setSystemButton(SystemButton button, QWidget *widget);
    void setHitTestVisible(QWidget *widget, bool visible = true);

    QWidget *titleBar() const { return m_titleBar; }
    QWidget *systemButton(SystemButton button) const;
    bool isHitTestVisible(const QWidget *widget) const;

    Hit hitTest(const QPoint &windowPos) const;
    // The edges a press at `windowPos` would resize; none while the window is
    // maximised or full screen, or outside the band.
    Qt::Edges resizeEdges(const QPoint &windowPos) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachToWindowHandle();
    void updateCursor(Qt::Edges edges);
    void toggleMaximized();
    bool isInteractive(const QWidget *child) const;

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_titleBar;
    QPointer<QWindow> m_handle;
    QHash<SystemButton, QPointer<QWidget>> m_systemButtons;
    QSet<const QWidget *> m_hitTestVisible;
    QPoint m_pressPos;
    bool m_captionPressed = false;
    bool m_cursorOverridden = false;
};

} // namespace ui

#pragma once

#include <QMenu>
#include <QPointer>

namespace ui {

// The styled popup menu of the title bar and the tray: a frameless,
// translucent popup that paints its own soft shadow inside a 14 px margin, so
// that it looks the same on every window system. An action may carry the
// dynamic property "appMenuTrailingText", a short text drawn right-aligned
// in its row (the version after "About Varnholt").
//
// The menu does not delete itself; the title bar's owner deletes each one
// when it hides, the tray keeps its single menu.
class AppMenu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppMenu)

public:
    static constexpr int kMargin = 14;
    static constexpr const char *kTrailingProperty = "appMenuTrailingText";

    explicit AppMenu(QWidget *parent = nullptr);

    // A submenu that is itself an AppMenu, so that it looks the same.
    AppMenu *addAppMenu(const QIcon &icon, const QString &title);

    // Keeps the visible body of this menu and of its submenus inside
    // `window`'s geometry (8 px in from its edges) where it fits: the title bar's menu opened near an
    // edge moves in, a submenu that would leave the window on the right opens
    // to the left of its parent. Not set for the tray's menu, which opens at
    // the icon, outside any window.
    void keepInside(QWidget *window);

    // The menu's style sheet for the current theme.
    static QString styleSheetText();
    // The widest of (text + trailing text + 84, or + 100 with a submenu) over
    // the actions that are not separators, plus 42; 0 without trailing texts.
    int trailingMinimumWidth() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void restyle();
    void dropStyleShadow();
    // `body` moved (not resized) to lie inside `bounds`; one larger than the
    // bounds keeps its top-left corner on them.
    static QRect placedInside(QRect body, const QRect &bounds);

    QPointer<QWidget> m_bounds;
};

} // namespace ui

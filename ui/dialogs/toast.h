#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace ui {

// The transient notice at the bottom of the window: an icon, one line of text
// and, for undoable actions, an "Undo" button. A success shows a check, a
// warning (something failed, was refused or stayed undone) an alert sign. One
// per main window, created once and only shown and hidden; it floats over the
// host outside any layout and follows the host's size.
//
// Owner's part: create it as a child of the body widget, connect
// AppState::toast to showMessage and `undo` to AppState::undoLastMove.
class Toast final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Toast)

public:
    enum Kind { Success = 0, Warning = 1 };

    static constexpr int kTimeoutMs = 4500;
    static constexpr int kBottomGap = 24;

    explicit Toast(QWidget *host);

    // Replaces whatever is showing and restarts the timer that hides it.
    void showMessage(const QString &text, bool undoable = false, Kind kind = Success);

    QString text() const;
    bool isUndoable() const { return m_undoable; }
    // The icon's name for the kind shown: "check" or "alert".
    QString iconName() const;
    // Milliseconds until the toast hides itself; -1 when no timer is running.
    int remainingTime() const { return m_timer.isActive() ? m_timer.remainingTime() : -1; }

signals:
    void undo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    void restyle();

    // Holds the icon's place in the layout; the icon itself is painted with
    // the toast, in a colour that stands out from the inverse fill.
    QWidget *m_icon = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_undoButton = nullptr;
    QTimer m_timer;
    bool m_undoable = false;
    Kind m_kind = Success;
};

} // namespace ui

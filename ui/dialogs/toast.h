#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace ui {

class IconView;

// The transient notice at the bottom of the window: a check icon, one line of
// text and, for undoable actions, an "Undo" button. One per main window,
// created once and only shown and hidden; it floats over the host outside any
// layout and follows the host's size.
//
// Owner's part: create it as a child of the body widget, connect
// AppState::toast to showMessage and `undo` to AppState::undoLastMove.
class Toast final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Toast)

public:
    static constexpr int kTimeoutMs = 4500;
    static constexpr int kBottomGap = 24;

    explicit Toast(QWidget *host);

    // Replaces whatever is showing and restarts the timer that hides it.
    void showMessage(const QString &text, bool undoable = false);

    QString text() const;
    bool isUndoable() const { return m_undoable; }
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

    IconView *m_icon = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_undoButton = nullptr;
    QTimer m_timer;
    bool m_undoable = false;
};

} // namespace ui

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QBoxLayout;
class QHBoxLayout;
class QPropertyAnimation;
class QPushButton;
class QVBoxLayout;

namespace ui {

// The base of every in-window dialog: a dimming layer over the whole host
// (the main window's content area) with a centred panel that holds the
// dialog's content.
//
// Owner's part: create the dialog with the host as parent and call open().
// The overlay deletes itself when closed (Escape, a press on the dimmed area,
// or a button of the dialog), so keep at most a QPointer to it. To know
// whether any dialog is showing (the automatic update check must not open a
// second one), ask Overlay::openIn(host).
//
// An open overlay owns the keyboard, as a modal dialog does: Tab and
// Shift+Tab cycle through the panel's controls and never reach the page
// beneath, Escape closes it from any control, Return and Enter press the
// focused button or else the panel's default button (QPushButton::setDefault;
// outside a QDialog Qt itself ignores it). The focus starts on the
// affirmative button (see focusPrimaryButton); closing gives it back to the
// control that had it before. Only one overlay is open in a host at a
// time: open() on a second one leaves the first in front and deletes the
// second. Assistive technology sees a dialog named by its "h2" title.
class Overlay : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Overlay)

public:
    static constexpr int kSlideMs = 180;
    static constexpr int kSlideOffset = 12;

    explicit Overlay(QWidget *host);
    ~Overlay() override;

    // Covers the host, sizes and centres the panel, shows, raises and focuses
    // the overlay and slides the panel into place. When another overlay is
    // open in the host, that one is raised and focused instead, this one is
    // deleted, and the answer is false.
    bool open();

    // The panel that dialogs fill; its layout is the dialog's.
    QWidget *panel() const { return m_panel; }
    // Where the panel rests once the entrance animation is over.
    QPoint panelRestPosition() const;
    bool isOpen() const { return m_open; }

    // Overlays of `host` that were opened and are not closed yet, oldest first.
    static QList<Overlay *> openIn(const QWidget *host);

protected:
    // Lets the panel take its preferred size (never below its minimum) and
    // re-centres it; dialogs call this after their content changed.
    void refit();

    // The frame shared by the question dialogs: a fixed panel width, a content
    // column with the look's margins and the given spacing, and a button bar
    // (with a divider above it in the Windows look). Returns the content
    // column.
    QVBoxLayout *buildQuestionFrame(int width, int macWidth, int spacing);
    // Places the buttons in the bar: in the Windows look equal widths with the
    // affirmative one first, in the mac look a stretch and natural widths with
    // the affirmative one last. `buttons` lists the affirmative one first.
    void setButtons(const QList<QPushButton *> &buttons);
    // Gives the focus to the affirmative button of the bar, the first one
    // shown and enabled; when that one deletes for good ("danger"), to the
    // next one, so that a stray Space cannot confirm it. open() calls it.
    void focusPrimaryButton();
    QHBoxLayout *buttonBar() const { return m_buttonBar; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void coverHost();
    // The panel's controls that Tab stops at, in tab order.
    QList<QWidget *> tabStops() const;
    // Takes the focus back when something outside the panel got it.
    void keepFocus(QWidget *now);
    void nameFromTitle();

    QPointer<QWidget> m_host;
    QPointer<QWidget> m_returnFocus;
    QList<QPointer<QPushButton>> m_buttons;  // as setButtons got them
    QWidget *m_panel = nullptr;
    QHBoxLayout *m_buttonBar = nullptr;
    QPropertyAnimation *m_slide = nullptr;
    QMetaObject::Connection m_keepFocus;
    bool m_open = false;
};

} // namespace ui

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
    // the overlay and slides the panel into place.
    void open();

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
    QHBoxLayout *buttonBar() const { return m_buttonBar; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void coverHost();

    QPointer<QWidget> m_host;
    QWidget *m_panel = nullptr;
    QHBoxLayout *m_buttonBar = nullptr;
    QPropertyAnimation *m_slide = nullptr;
    bool m_open = false;
};

} // namespace ui

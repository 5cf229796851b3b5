#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class QLabel;

namespace ui {

// One of the four buttons at the right of the title bar. Glyphs come from the
// Windows icon font when it is installed and are drawn as strokes otherwise.
class CaptionButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionButton)

public:
    enum Kind { Menu = 0, Minimize = 1, Maximize = 2, Close = 3 };
    Q_ENUM(Kind)

    static constexpr int kWidth = 46;
    static constexpr int kHeight = 40;

    CaptionButton(Kind kind, QWidget *window, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    bool isHovered() const { return m_hovered; }

    // "Segoe Fluent Icons", else "Segoe MDL2 Assets", else empty (draw strokes).
    static QString glyphFamily();
    // The icon-font code point of a kind; the maximise button shows the
    // restore glyph while the window is maximised.
    static QChar glyph(Kind kind, bool maximized);

    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paintStrokes(QPainter &p, const QColor &color, bool maximized) const;

    Kind m_kind;
    QPointer<QWidget> m_window;
    bool m_hovered = false;
};

// The 40 px bar at the top of the frameless window: the logo, the product
// name and the caption buttons menu, minimise, maximise and close. Closing
// goes through the window's close event, which decides whether the program
// hides to the tray or quits.
class TitleBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitleBar)

public:
    static constexpr int kHeight = 40;

    explicit TitleBar(QWidget *window, QWidget *parent = nullptr);

    CaptionButton *menuButton() const { return m_menu; }
    CaptionButton *minimizeButton() const { return m_minimize; }
    CaptionButton *maximizeButton() const { return m_maximize; }
    CaptionButton *closeButton() const { return m_close; }
    QLabel *captionLabel() const { return m_caption; }

signals:
    // Global position of the menu button's bottom-left corner.
    void menuRequested(QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QPointer<QWidget> m_window;
    QLabel *m_caption = nullptr;
    CaptionButton *m_menu = nullptr;
    CaptionButton *m_minimize = nullptr;
    CaptionButton *m_maximize = nullptr;
    CaptionButton *m_close = nullptr;
};

} // namespace ui

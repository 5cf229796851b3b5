#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace ui {

class Select;

// The list a Select opens: a frameless, translucent popup window whose
// panel sits 14 px inside it (the margin holds the soft shadow). It is
// created for each opening and deletes itself when closed.
//
// It fades in by painting with a rising alpha, never through the window's
// opacity: where nothing composes windows (X11 without a compositing
// manager, Wine) a window faded from zero may stay invisible.
//
// The release that ends the opening click arrives within a few hundred
// milliseconds and must not pick the item under the pointer, so releases
// during the first 300 ms are ignored.
class SelectPopup final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectPopup)

public:
    static constexpr int kMargin = 14;
    static constexpr int kReleaseGraceMs = 300;

    explicit SelectPopup(Select *select);

    // Where the popup window goes for a select whose frame on the screen is
    // `selectRect`: `count` items, `current` the current index (-1: none),
    // `widestText` the widest item text in pixels, `available` the screen's
    // available geometry.
    static QRect geometryFor(const QRect &selectRect, int count, int current, int widestText,
                             const QRect &available, bool compact);
    static int itemHeight(bool compact) { return compact ? 26 : 34; }

    int highlighted() const { return m_highlight; }
    // The panel and the items, in popup coordinates.
    QRectF panelRect() const;
    QRectF itemRect(int index) const;
    int itemAt(const QPointF &pos) const;

    // Places the popup and shows it, fading its contents in.
    void open();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setHighlight(int index);
    void pick(int index);
    int count() const;

    QPointer<Select> m_select;
    int m_highlight = -1;
    qreal m_fade = 1.0;
    QElapsedTimer m_opened;
};

} // namespace ui

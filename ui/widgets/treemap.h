#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QWidget>

namespace ui {

struct TreemapTile
{
    QString path;
    QString name;
    QString sizeText;
    qint64 bytes = 0;
    QColor color;
};

// Files as a squarified treemap: every tile's area is proportional to its
// bytes, laid out in rows whose worst aspect ratio is kept as low as the
// greedy rule allows. Tiles are given largest first. The layout is computed
// when the tiles or the size change; painting only reads it. A click toggles
// the tile's file; checked tiles glow and carry a check mark, and once any
// tile is checked the others are dimmed.
//
// From the keyboard the treemap is one stop in the tab order with a current
// tile, ringed while the keyboard is in use: the arrow keys walk the tiles
// from the largest to the smallest, Home and End jump to either end, Space
// toggles the current tile's file. Assistive technology sees a list whose
// items are the tiles, named by file and size.
class Treemap final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Treemap)

public:
    explicit Treemap(QWidget *parent = nullptr);

    void setTiles(const QList<TreemapTile> &tiles);
    const QList<TreemapTile> &tiles() const { return m_tiles; }
    // One rectangle per tile, in widget coordinates.
    const QList<QRectF> &tileRects() const { return m_rects; }
    void setChecked(const QSet<QString> &paths);
    const QSet<QString> &checked() const { return m_checked; }
    int hoveredIndex() const { return m_hovered; }
    // The tile the keyboard is on, or -1.
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // As a click on the tile: emits toggled with its path.
    void toggleTile(int index);
    // The last tile whose rectangle holds the point (tiles only touch at
    // their edges), or -1.
    int tileAt(const QPointF &pos) const;

    // The squarified layout of `bytes` over `area`: one rectangle per entry,
    // in the same order. Nothing is laid out (all rectangles empty) when the
    // total is not positive or the area has no width; entries of zero or
    // fewer bytes get an empty rectangle.
    static QList<QRectF> squarify(const QList<qint64> &bytes, const QRectF &area);
    // The colour of the n-th tile (counting from 0) of one kind, shifted in
    // hue and value so that neighbours of a kind can be told apart; greyish
    // kind colours (saturation 40 or less) stay as they are.
    static QColor variedColor(const QColor &kindColor, int n);

    QSize sizeHint() const override { return {400, 200}; }
    QSize minimumSizeHint() const override { return {120, 120}; }

signals:
    void toggled(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void relayout();
    void setHovered(int index);
    void paintTile(QPainter &p, int index, bool dimmed) const;

    QList<TreemapTile> m_tiles;
    QList<QRectF> m_rects;
    QSet<QString> m_checked;
    int m_hovered = -1;
    int m_current = -1;
};

} // namespace ui

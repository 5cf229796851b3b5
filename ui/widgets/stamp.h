#pragma once

// Parts of a picture that repeat from shape to shape (a glow, an outline, a
// badge) drawn once into small images and then stamped, at the pixel ratio
// of what is painted on and within 1 / `phases` of a device pixel of where
// the shape lies: a stamped part looks as the same part drawn in place. More
// phases are closer and cost more images (phases² per look).
//
// GUI thread only; the images are kept for the life of the program (a few
// thousand at most, then they are made again).

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace ui::stamp {

// Paints a part whose own square is `side` logical pixels, its top left at
// the origin.
using Draw = std::function<void(QPainter &)>;

// Stamps the part drawn by `draw` with its top left at `topLeft`. `key`
// names the part's look (everything `draw` depends on). With a valid `tint`
// the part is drawn in white (any alpha) and stamped in the tint's colour,
// its alpha kept: parts that differ only in colour are drawn once.
void part(QPainter &p, const QPointF &topLeft, int side, int phases, const QString &key, const QColor &tint,
          const Draw &draw);

// Stamps as a nine-patch over `target` a part drawn for a square of `side`
// whose outer `corner` logical pixels on every side hold its corners and
// whose middle row and column are the same all along the straight sides:
// the corners go down as drawn, the sides stretch the middle. False, with
// nothing painted, when `target` is too small for the corners; the caller
// then draws the part in place.
bool ninePatch(QPainter &p, const QRectF &target, int side, int corner, int phases, const QString &key,
               const QColor &tint, const Draw &draw);

} // namespace ui::stamp

#include "ui/widgets/stamp.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace ui::stamp {

namespace {


qreal ratioOf(QPainter &p)
{
    // Rendered into an image, what is painted on is the image, not the
    // widget on its screen.
    const QPaintDevice *target = p.paintEngine() ? p.paintEngine()->paintDevice() : p.device();
    return target ? target->devicePixelRatio() : 1.0;
}

// A device coordinate as a whole pixel and a phase (0 .. kPhases - 1).
struct Split
{
    int pixel = 0;
    int phase = 0;
};

Split split(qreal device, int phases)
{
    const qint64 steps = qRound64(device * phases);
    const qint64 pixel = steps >= 0 ? steps / phases : -((-steps + phases - 1) / phases);
    return {int(pixel), int(steps - pixel * phases)};
}

// The part at one phase is its square shifted right and down by the phase,
// in an image one device pixel larger than the square to hold the shift.
struct Look
{
    QString key;
    int dpr100 = 100;
    int phases = 1;
    int phaseX = 0;
    int phaseY = 0;
    QRgb tint = 0;  // 0: as drawn
    friend bool operator==(const Look &, const Look &) = default;
};

size_t qHash(const Look &l, size_t seed = 0)
{
    return qHashMulti(seed, l.key, l.dpr100, l.phases, l.phaseX, l.phaseY, l.tint);
}

// The part at one phase, tinted when asked: a tint of an image already
// drawn is a fill of a few thousand pixels, far cheaper than drawing it.
const QImage &imageOf(const QString &key, int side, qreal dpr, int phases, int phaseX, int phaseY,
                      const QColor &tint, const Draw &draw)
{
    static QHash<Look, QImage> cache;
    const Look look{key, qRound(dpr * 100), phases, phaseX, phaseY, tint.isValid() ? tint.rgb() : 0};
    if (const auto it = cache.constFind(look); it != cache.cend())
        return it.value();
    if (cache.size() > 4000)
        cache.clear();  // the colours of a long session: start again rather than grow
    if (tint.isValid()) {
        QImage tinted = imageOf(key, side, dpr, phases, phaseX, phaseY, QColor(), draw).copy();
        {
            QPainter painter(&tinted);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(QRectF(QPointF(0, 0), tinted.deviceIndependentSize()), tint.rgb());
        }
        return *cache.insert(look, tinted);
    }
    const int pixels = int(std::ceil(side * dpr)) + 1;
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(qreal(phaseX) / phases / dpr, qreal(phaseY) / phases / dpr);
        draw(painter);
    }
    return *cache.insert(look, image);
}

// Copies source pixels [sx, sx + sw) x [sy, sy + sh) of `image` onto device
// pixels [dx, dx + dw) x [dy, dy + dh), stretching when the sizes differ.
void copy(QPainter &p, const QImage &image, qreal dpr, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
          int sh)
{
    if (dw <= 0 || dh <= 0)
        return;
    p.drawImage(QRectF(dx / dpr, dy / dpr, dw / dpr, dh / dpr), image, QRectF(sx, sy, sw, sh));
}

} // namespace

void part(QPainter &p, const QPointF &topLeft, int side, int phases, const QString &key, const QColor &tint,
          const Draw &draw)
{
    const qreal dpr = ratioOf(p);
    const Split x = split(topLeft.x() * dpr, phases), y = split(topLeft.y() * dpr, phases);
    const QImage &image = imageOf(key, side, dpr, phases, x.phase, y.phase, tint, draw);
    copy(p, image, dpr, x.pixel, y.pixel, image.width(), image.height(), 0, 0, image.width(), image.height());
}

bool ninePatch(QPainter &p, const QRectF &target, int side, int corner, int phases, const QString &key,
               const QColor &tint, const Draw &draw)
{
    const qreal dpr = ratioOf(p);
    const int pixels = int(std::ceil(side * dpr)) + 1;
    // The near corners take the image as it lies at the target's near edges;
    // the far ones as it lies with its far edges on the target's.
    const Split left = split(target.left() * dpr, phases), right = split((target.right() - side) * dpr, phases);
    const Split top = split(target.top() * dpr, phases), bottom = split((target.bottom() - side) * dpr, phases);
    const int nearCells = int(std::ceil(corner * dpr));      // image pixels [0, near)
    const int farStart = int(std::floor((side - corner) * dpr));  // image pixels [far, pixels)
    const int middleX0 = left.pixel + nearCells, middleX1 = right.pixel + farStart;
    const int middleY0 = top.pixel + nearCells, middleY1 = bottom.pixel + farStart;
    if (middleX1 < middleX0 || middleY1 < middleY0)
        return false;

    struct Span
    {
        int device, length, source, sourceLength, phase;
    };
    const Span across[3] = {{left.pixel, nearCells, 0, nearCells, left.phase},
                            {middleX0, middleX1 - middleX0, nearCells, 1, 0},
                            {middleX1, pixels - farStart, farStart, pixels - farStart, right.phase}};
    const Span down[3] = {{top.pixel, nearCells, 0, nearCells, top.phase},
                          {middleY0, middleY1 - middleY0, nearCells, 1, 0},
                          {middleY1, pixels - farStart, farStart, pixels - farStart, bottom.phase}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (r == 1 && c == 1)
                continue;  // the middle is the shape's own
            const Span &x = across[c];
            const Span &y = down[r];
            const QImage &image = imageOf(key, side, dpr, phases, x.phase, y.phase, tint, draw);
            copy(p, image, dpr, x.device, y.device, x.length, y.length, x.source, y.source, x.sourceLength,
                 y.sourceLength);
        }
    }
    return true;
}

} // namespace ui::stamp

#include "ui/widgets/treemap.h"

#include "ui/theme.h"
#include "ui/widgets/focusring.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/stamp.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ui {

namespace {

// Worst aspect ratio of a row whose tiles' areas sum to `sum`, laid along
// `side`. Each tile's ratio is max(t / l, l / t) with thickness t = sum / side
// and length l = a / t; that grows with the distance of a from t², so only
// the smallest and the largest area can be the worst.
double worstRatio(double sum, double minArea, double maxArea, double side)
{
    const double t = sum / side;
    const auto ratio = [t](double a) {
        const double l = a / t;
        return std::max(t / l, l / t);
    };
    return std::max(ratio(minArea), ratio(maxArea));
}

// Names come from the file system: a file called "<b>x</b>" must show its
// name, not bold text.
QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// ---- the parts every checked tile repeats ----------------------------------
//
// The glow round a checked tile, its white outline and its check badge look
// the same on every tile of a radius and colour: they are stamped (see
// stamp.h), the glow and the outline as nine-patches. A paint with hundreds
// of checked tiles thus costs a few image copies per tile instead of a dozen
// antialiased outlines.

constexpr int kGlowRings = 6;

// The rings of a checked tile's glow round `d`: each the band between two
// rounded outlines, filled, fading outwards.
void paintGlow(QPainter &p, const QRectF &d, qreal radius, const QColor &color)
{
    p.setPen(Qt::NoPen);
    for (int i = kGlowRings; i >= 1; --i) {
        const qreal k = 1.0 - qreal(i) / (kGlowRings + 1);
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addRoundedRect(d.adjusted(-i, -i, i, i), radius + i, radius + i);
        ring.addRoundedRect(d.adjusted(1 - i, 1 - i, i - 1, i - 1), radius + i - 1, radius + i - 1);
        p.setBrush(withAlphaF(color, k * k * 0.32));
        p.drawPath(ring);
    }
}

void paintOutline(QPainter &p, const QRectF &d, qreal radius)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1));
    const qreal r = std::max<qreal>(0, radius - 1.5);
    p.drawRoundedRect(d.adjusted(1.5, 1.5, -1.5, -1.5), r, r);
}

constexpr qreal kBadgeRadius = 9;

// The check mark of a badge centred on `c`.
void paintTick(QPainter &p, const QPointF &c, const QColor &color)
{
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF points[3] = {c + QPointF(-4.2, 0.2), c + QPointF(-1.2, 3.2), c + QPointF(4.4, -2.8)};
    p.drawPolyline(points, 3);
}

} // namespace

Treemap::Treemap(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("treemap"));
    setMouseTracking(true);
    setMinimumHeight(120);
    setMaximumHeight(200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setFocusPolicy(Qt::StrongFocus);
    // The ring goes round the current tile, not the whole map.
    setProperty("focusRing", false);
    repaintOnThemeChange(this);
}

void Treemap::setTiles(const QList<TreemapTile> &tiles)
{
    // The keyboard stays on the same file when it is still there.
    const QString current = m_current >= 0 && m_current < m_tiles.size() ? m_tiles[m_current].path : QString();
    m_tiles = tiles;
    m_current = -1;
    for (int i = 0; i < m_tiles.size() && !current.isEmpty(); ++i) {
        if (m_tiles[i].path == current)
            m_current = i;
    }
    if (m_current < 0 && hasFocus() && !m_tiles.isEmpty())
        m_current = 0;
    m_hovered = -1;
    setToolTip({});
    relayout();
    update();
}

void Treemap::setChecked(const QSet<QString> &paths)
{
    if (paths == m_checked)
        return;
    m_checked = paths;
    update();
}

int Treemap::tileAt(const QPointF &pos) const
{
    for (int i = int(m_rects.size()) - 1; i >= 0; --i) {
        if (!m_rects[i].isEmpty() && m_rects[i].contains(pos))
            return i;
    }
    return -1;
}

QList<QRectF> Treemap::squarify(const QList<qint64> &bytes, const QRectF &area)
{
    QList<QRectF> rects(bytes.size());
    double total = 0;
    for (qint64 b : bytes)
        total += double(std::max<qint64>(b, 0));
    if (total <= 0 || area.width() <= 0 || area.height() <= 0)
        return rects;

    const double scale = area.width() * area.height() / total;
    // Tiles without bytes take no room; they are left out of the rows.
    QList<int> order;
    order.reserve(bytes.size());
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] > 0)
            order.append(i);
    }

    double x = area.left(), y = area.top(), w = area.width(), h = area.height();
    qsizetype next = 0;
    while (next < order.size()) {
        const bool columnRow = h <= w;
        const double side = columnRow ? h : w;
        if (side <= 0)
            break;
        double sum = double(bytes[order[next]]) * scale;
        double minArea = sum, maxArea = sum;
        qsizetype end = next + 1;
        double worst = worstRatio(sum, minArea, maxArea, side);
        while (end < order.size()) {
            const double a = double(bytes[order[end]]) * scale;
            const double with = worstRatio(sum + a, std::min(minArea, a), std::max(maxArea, a), side);
            if (with > worst)
                break;
            sum += a;
            minArea = std::min(minArea, a);
            maxArea = std::max(maxArea, a);
            worst = with;
            ++end;
        }

        const double t = sum / side;
        double offset = 0;
        for (qsizetype k = next; k < end; ++k) {
            const double length = double(bytes[order[k]]) * scale / t;
            rects[order[k]] = columnRow ? QRectF(x, y + offset, t, length) : QRectF(x + offset, y, length, t);
            offset += length;
        }
        if (columnRow) {
            x += t;
            w = std::max(0.0, w - t);
        } else {
            y += t;
            h = std::max(0.0, h - t);
        }
        next = end;
    }
    return rects;
}

QColor Treemap::variedColor(const QColor &kindColor, int n)
{
    int h = 0, s = 0, v = 0;
    kindColor.getHsv(&h, &s, &v);
    if (s <= 40)
        return kindColor;
    static constexpr std::array<int, 8> shifts{0, 16, -12, 30, -24, 8, -20, 24};
    n = std::max(n, 0);
    int d = shifts[size_t(n % 8)];
    // Reds and oranges turn muddy quickly, so their hue moves a third as far.
    if (h < 70 || h > 300)
        d /= 3;
    return QColor::fromHsv((h + 360 + d) % 360, std::min(s + 20, 255), std::clamp(v - 22 - 8 * (n % 3), 0, 255),
                           kindColor.alpha());
}

void Treemap::relayout()
{
    QList<qint64> bytes;
    bytes.reserve(m_tiles.size());
    for (const TreemapTile &t : std::as_const(m_tiles))
        bytes.append(t.bytes);
    m_rects = squarify(bytes, QRectF(rect()));
}

void Treemap::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void Treemap::setHovered(int index)
{
    if (index == m_hovered)
        return;
    m_hovered = index;
    if (index >= 0)
        setToolTip(plainToolTip(m_tiles[index].name + QStringLiteral(" · ") + m_tiles[index].sizeText));
    else
        setToolTip({});
    update();
}

void Treemap::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(tileAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

void Treemap::leaveEvent(QEvent *event)
{
    setHovered(-1);
    QWidget::leaveEvent(event);
}

void Treemap::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    for (int i = 0; i < m_rects.size(); ++i) {
        if (!m_rects[i].isEmpty() && m_rects[i].contains(event->position())) {
            emit toggled(m_tiles[i].path);
            return;
        }
    }
}

void Treemap::setCurrentIndex(int index)
{
    if (index < -1 || index >= m_tiles.size() || index == m_current)
        return;
    m_current = index;
    update();
    if (index >= 0 && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

void Treemap::toggleTile(int index)
{
    if (index >= 0 && index < m_tiles.size())
        emit toggled(m_tiles[index].path);
}

void Treemap::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_tiles.size()) - 1;
    if (last < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int at = std::clamp(m_current, 0, last);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrentIndex(m_current < 0 ? 0 : std::max(0, at - 1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrentIndex(m_current < 0 ? 0 : std::min(last, at + 1));
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(last);
        break;
    case Qt::Key_Space:
    case Qt::Key_Select:
        setCurrentIndex(at);
        toggleTile(at);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Treemap::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_current < 0 && !m_tiles.isEmpty())
        setCurrentIndex(0);
    update();
}

void Treemap::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Treemap::paintEvent(QPaintEvent *)
{
    if (m_rects.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    bool anyChecked = false;
    for (const TreemapTile &t : std::as_const(m_tiles)) {
        if (m_checked.contains(t.path)) {
            anyChecked = true;
            break;
        }
    }
    // Checked tiles last, so their glow lies over their neighbours.
    for (int i = 0; i < m_tiles.size(); ++i) {
        if (!m_checked.contains(m_tiles[i].path))
            paintTile(p, i, anyChecked);
    }
    if (anyChecked) {
        for (int i = 0; i < m_tiles.size(); ++i) {
            if (m_checked.contains(m_tiles[i].path))
                paintTile(p, i, false);
        }
    }
    if (focus::ringVisible(this) && m_current >= 0 && m_current < m_rects.size()) {
        const QRectF d = m_rects[m_current].adjusted(2, 2, -2, -2);
        if (d.width() >= 1 && d.height() >= 1)
            focus::paintRing(&p, d.adjusted(1.5, 1.5, -1.5, -1.5),
                             std::min<qreal>(8, std::min(d.width(), d.height()) / 3));
    }
}

void Treemap::paintTile(QPainter &p, int index, bool dimmed) const
{
    const TreemapTile &tile = m_tiles[index];
    const QRectF d = m_rects[index].adjusted(2, 2, -2, -2);
    if (d.width() < 1 || d.height() < 1)
        return;
    const bool checked = m_checked.contains(tile.path);
    const qreal radius = std::min<qreal>(8, std::min(d.width(), d.height()) / 3);
    const QColor base = index == m_hovered ? tile.color.lighter(115) : tile.color;

    // Dimming scales the alpha of each colour rather than the painter's
    // opacity: a tile's parts never overlap, so the picture is the same, and
    // the raster engine's opacity path is several times slower.
    const qreal fade = dimmed ? 0.45 : 1.0;
    p.save();

    // The stamped parts take the radius to a quarter of a pixel, so that
    // tiles of nearly the same size share them, and are drawn in white and
    // tinted, so that tiles of every colour share them too.
    const qreal stampRadius = std::round(radius * 4) / 4;
    const QString radiusKey = QString::number(stampRadius * 4);
    QColor opaque = tile.color;
    opaque.setAlpha(255);
    if (checked) {
        // The glow's square: a tile just big enough for its rounded corners
        // and a straight middle, with the rings round it. Faint as it is, it
        // goes down at the nearest device pixel.
        const int corner = kGlowRings + int(std::ceil(stampRadius));
        const int side = 2 * corner + 1;
        const QRectF model(kGlowRings, kGlowRings, side - 2 * kGlowRings, side - 2 * kGlowRings);
        if (!stamp::ninePatch(p, d.adjusted(-kGlowRings, -kGlowRings, kGlowRings, kGlowRings), side, corner, 2,
                              u"glow " + radiusKey, opaque,
                              [&](QPainter &g) { paintGlow(g, model, stampRadius, Qt::white); }))
            paintGlow(p, d, radius, tile.color);
    }

    QLinearGradient fill(d.topLeft(), d.bottomLeft());
    fill.setColorAt(0, withAlphaF(base, base.alphaF() * fade));
    fill.setColorAt(1, withAlphaF(base, base.alphaF() * 0.92 * fade));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(d, radius, radius);

    if (checked) {
        // The white outline and the badge stand out: they go down within a
        // quarter of a device pixel of where they belong.
        const int corner = int(std::ceil(stampRadius)) + 1;
        const int side = 2 * corner + 1;
        if (!stamp::ninePatch(p, d, side, corner, 4, u"outline " + radiusKey, QColor(),
                              [&](QPainter &o) { paintOutline(o, QRectF(0, 0, side, side), stampRadius); }))
            paintOutline(p, d, radius);
        if (d.width() > 30 && d.height() > 30) {
            constexpr int kBadge = 2 * kBadgeRadius + 4;  // and room for the antialiased edge
            const QPointF centre(d.right() - 16, d.top() + 16);
            const QPointF middle(kBadge / 2.0, kBadge / 2.0);
            stamp::part(p, centre - middle, kBadge, 8, QStringLiteral("disc"), QColor(), [&](QPainter &b) {
                b.setPen(Qt::NoPen);
                b.setBrush(Qt::white);
                b.drawEllipse(middle, kBadgeRadius, kBadgeRadius);
            });
            stamp::part(p, centre - middle, kBadge, 8, QStringLiteral("tick"), tile.color.darker(115),
                        [&](QPainter &b) { paintTick(b, middle, Qt::white); });
        }
    }

    // Light text on every tile; a dimmed tile's text takes the tile's own hue
    // so that it recedes with it.
    QColor ink = Qt::white;
    if (dimmed)
        ink = Theme::instance()->dark() ? tile.color.lighter(150) : tile.color.darker(175);
    const QRectF l = d.adjusted(9, 7, -9, -7);
    if (d.width() > 96 && d.height() > 52) {
        const QFont nameFont = Theme::instance()->font(12, 600);
        p.setFont(nameFont);
        p.setPen(withAlphaF(ink, 245.0 / 255.0 * fade));
        const int width = int(l.width()) - (checked ? 22 : 0);
        const QString name = QFontMetrics(nameFont).elidedText(tile.name, Qt::ElideRight, std::max(width, 0));
        p.drawText(l, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
        p.setFont(Theme::monoFont(11));
        p.setPen(withAlphaF(ink, 210.0 / 255.0 * fade));
        p.drawText(l, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, tile.sizeText);
    } else if (d.width() > 56 && d.height() > 30) {
        p.setFont(Theme::monoFont(11));
        p.setPen(withAlphaF(ink, 225.0 / 255.0 * fade));
        p.drawText(l, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, tile.sizeText);
    }
    p.restore();
}

} // namespace ui

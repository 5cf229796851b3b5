#include "ui/icons.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ui {

namespace {

QSvgRenderer *logoRenderer(bool small)
{
    static QSvgRenderer *const full = new QSvgRenderer(QStringLiteral(":/logo.svg"));
    static QSvgRenderer *const compact = new QSvgRenderer(QStringLiteral(":/logo-small.svg"));
    return small ? compact : full;
}

} // namespace

const QStringList &iconNames()
{
    static const QStringList names = {
        QStringLiteral("alert"),        QStringLiteral("archive"),      QStringLiteral("bell"),
        QStringLiteral("box"),          QStringLiteral("calendar"),     QStringLiteral("check"),
        QStringLiteral("chev"),         QStringLiteral("clock"),        QStringLiteral("code"),
        QStringLiteral("disc"),         QStringLiteral("download"),     QStringLiteral("drive"),
        QStringLiteral("external"),     QStringLiteral("file"),         QStringLiteral("film"),
        QStringLiteral("folder"),       QStringLiteral("globe"),        QStringLiteral("history"),
        QStringLiteral("image"),        QStringLiteral("info"),         QStringLiteral("layers"),
        QStringLiteral("lock"),         QStringLiteral("menu-help"),    QStringLiteral("menu-info"),
        QStringLiteral("menu-power"),   QStringLiteral("menu-settings"), QStringLiteral("menu-update"),
        QStringLiteral("plus"),         QStringLiteral("refresh"),      QStringLiteral("ruler"),
        QStringLiteral("scan"),         QStringLiteral("search"),       QStringLiteral("shield"),
        QStringLiteral("sliders"),      QStringLiteral("sparkle"),      QStringLiteral("trash"),
        QStringLiteral("x"),
    };
    return names;
}

QByteArray iconSource(const QString &name)
{
    static QHash<QString, QByteArray> sources;
    const auto it = sources.constFind(name);
    if (it != sources.constEnd())
        return *it;
    QByteArray data;
    QFile f(QStringLiteral(":/icons/%1.svg").arg(name));
    if (f.open(QIODevice::ReadOnly))
        data = f.readAll();
    sources.insert(name, data);
    return data;
}

QSvgRenderer *iconRenderer(const QString &name, const QColor &color)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    const QString colorName = color.name(QColor::HexRgb);
    const QString key = name + u'|' + colorName;
    const auto it = renderers.constFind(key);
    if (it != renderers.constEnd())
        return it->get();
    QByteArray svg = iconSource(name);
    svg.replace("currentColor", colorName.toLatin1());
    auto renderer = std::make_shared<QSvgRenderer>();
    if (!svg.isEmpty())
        renderer->load(svg);
    renderers.insert(key, renderer);
    return renderer.get();
}

void paintIcon(QPainter *painter, const QRectF &rect, const QString &name, const QColor &color)
{
    QSvgRenderer *r = iconRenderer(name, color);
    if (!r->isValid())
        return;
    if (color.alpha() == 255) {
        r->render(painter, rect);
        return;
    }
    // A translucent colour is drawn opaque on a layer that then goes down at
    // the colour's alpha: as painter opacity, each stroke would be blended on
    // its own and the places where strokes overlap would come out darker.
    const QTransform device = painter->deviceTransform();
    const qreal scale = std::max<qreal>(1, std::sqrt(std::abs(device.determinant())));
    QImage layer((rect.size() * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHints(painter->renderHints());
        r->render(&p, QRectF(QPointF(0, 0), QSizeF(layer.size())));
    }
    painter->save();
    painter->setOpacity(painter->opacity() * color.alphaF());
    painter->drawImage(rect, layer);
    painter->restore();
}

void paintIcon(QPainter *painter, const QRectF &rect, const QString &name, Tone tone)
{
    paintIcon(painter, rect, name, Theme::instance()->color(tone));
}

QIcon icon(const QString &name, const QColor &color, int px)
{
    QIcon result;
    for (const qreal ratio : {1.0, 1.5}) {
        const int side = qRound(px * ratio);
        QPixmap pm(side, side);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        paintIcon(&p, QRectF(0, 0, px, px), name, color);
        p.end();
        result.addPixmap(pm, QIcon::Normal, QIcon::Off);
    }
    return result;
}

QIcon icon(const QString &name, Tone tone, int px)
{
    return icon(name, Theme::instance()->color(tone), px);
}

void paintLogo(QPainter *painter, const QRectF &rect)
{
    logoRenderer(false)->render(painter, rect);
}

QIcon appIcon()
{
    QIcon result;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        logoRenderer(side <= 32)->render(&p, QRectF(0, 0, side, side));
        p.end();
        result.addPixmap(pm);
    }
    return result;
}

QString kindIcon(const QString &kind)
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("Disk image"), QStringLiteral("disc")},
        {QStringLiteral("Video"), QStringLiteral("film")},
        {QStringLiteral("Archive"), QStringLiteral("archive")},
        {QStringLiteral("Installer"), QStringLiteral("download")},
        {QStringLiteral("Document"), QStringLiteral("file")},
        {QStringLiteral("Backup"), QStringLiteral("archive")},
        {QStringLiteral("Audio"), QStringLiteral("file")},
        {QStringLiteral("Image"), QStringLiteral("image")},
        {QStringLiteral("Partial download"), QStringLiteral("download")},
    };
    return map.value(kind, QStringLiteral("file"));
}

} // namespace ui

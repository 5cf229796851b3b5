#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStringList>

#include "ui/theme.h"

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui {

// Named line icons: 24 x 24 stroke drawings in resources/icons/<name>.svg whose
// strokes use "currentColor", recoloured by text substitution. Parsing happens
// once per (name, colour); repaints on hover or theme changes reuse the cached
// renderer. GUI thread only; the caches are never emptied.

// Every icon name the resources provide. Directional icons have one drawing:
// "chev" points right (rotate the painter for down/left/up), "external" points
// up-right, "download" down. Inside a class that has its own `icon` member,
// call these as ui::icon(...).
const QStringList &iconNames();

// The icon's SVG text as stored, cached on first use; empty when missing.
QByteArray iconSource(const QString &name);

// A cached renderer of the icon in `color`. The alpha of `color` is not part
// of the key (paintIcon applies it as opacity), so one renderer serves every
// alpha. Never null; a missing icon gives a renderer that draws nothing.
QSvgRenderer *iconRenderer(const QString &name, const QColor &color);

// Draws the icon into `rect` with the colour's alpha as extra opacity.
void paintIcon(QPainter *painter, const QRectF &rect, const QString &name, const QColor &color);
// The same with a theme colour, read at the time of the call.
void paintIcon(QPainter *painter, const QRectF &rect, const QString &name, Tone tone = Tone::Text);

// A QIcon for buttons and menus with pixmaps for device pixel ratios 1 and 1.5.
// It carries the colour it was made with: rebuild it on Theme::changed.
QIcon icon(const QString &name, const QColor &color, int px);
QIcon icon(const QString &name, Tone tone, int px);

// The product logo (resources/logo.svg), e.g. in the title bar.
void paintLogo(QPainter *painter, const QRectF &rect);
// Window and tray icon: the small logo up to 32 px, the full logo above.
QIcon appIcon();

// The icon of a large-file kind label ("Disk image", "Video", ...); "file"
// for anything else.
QString kindIcon(const QString &kind);

} // namespace ui

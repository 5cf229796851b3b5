#pragma once

#include <QString>

// The AppImage runtime mounts the image at $APPDIR, starts the program from
// there and names the image file in $APPIMAGE. Both variables are inherited by
// everything started from an AppImage (a terminal packaged as one, say), so
// $APPIMAGE alone does not mean that *this* program is that image: it is
// believed only when the running executable lies inside $APPDIR. The updater
// (which replaces the image) and the login entry (which starts it) both ask here.
// Linux only.
namespace appimage {

// The image this program runs from, or an empty string.
QString runningImage();

// The rule over given values: `image` when it is an absolute path to a regular
// file (not a link), `appDir` is set and not the root, and `executable` lies
// under `appDir`, both compared by their real paths; otherwise empty.
QString imageFor(const QString &image, const QString &appDir, const QString &executable);

} // namespace appimage

#include "app/singleinstance.h"

#include "scan/pathrules.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

QString SingleInstance::sessionName()
{
    // Root keeps to its own temporary folder; the runtime folder must be the
    // user's own (Qt checks), so root started through pkexec with the
    // user's XDG_RUNTIME_DIR gets a folder of its own.
    keepRootInItsOwnFolders();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // The display tells one user's sessions apart: the window brought
    // forward must be on the screen the start came from. ":0.0" and ":0" are
    // one display.
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    static const QRegularExpression screen(QStringLiteral("(:\\d+)\\.\\d+$"));
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._:-]"));
    display.replace(screen, QStringLiteral("\\1")).replace(unsafe, QStringLiteral("_"));
    QString name = folder + QStringLiteral("/varnholt-") + QString::number(::geteuid());
    if (!display.isEmpty())
        name += u'-' + display;
    return name;
}

void SingleInstance::yieldForeground()
{
}

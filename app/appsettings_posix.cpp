#include "app/appsettings.h"

#include "scan/pathrules.h"
#include "update/appimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Quotes a path as one argument of a desktop entry's Exec key: inside double
// quotes the characters " ` $ and \ take a backslash; then the whole value is
// escaped once more as a desktop-entry string (\ doubled) and % doubled, so a
// folder name like "50% off" or one with a quote cannot change the command.
QString execArgument(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

QString programPath()
{
    // An AppImage runs from a temporary mount that disappears at exit; the
    // image file itself is what must start at the next login.
    const QString appImage = appimage::runningImage();
    return appImage.isEmpty() ? QCoreApplication::applicationFilePath() : appImage;
}

// The entry is line-based: a line break in the path would add keys of its own
// (a second Exec=), so a path with any control character is never written.
bool isStartablePath(const QString &path)
{
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return QFileInfo(path).isFile();
}

} // namespace

QString AppSettings::autostartFilePath()
{
    return userFolder(UserFolder::Config) + QStringLiteral("/autostart/varnholt.desktop");
}

bool AppSettings::platformLaunchAtLogin()
{
    return QFileInfo::exists(autostartFilePath());
}

void AppSettings::platformSetLaunchAtLogin(bool on)
{
    const QString path = autostartFilePath();
    if (!on) {
        QFile::remove(path);
        return;
    }
    const QString program = programPath();
    if (!isStartablePath(program)) {
        // An older entry would start whatever its path names now.
        QFile::remove(path);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Varnholt\n"
                                         "Comment=Disk cleanup utility\n"
                                         "Exec=%1 --background\n"
                                         "Icon=varnholt\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execArgument(program));
    file.write(entry.toUtf8());
    file.commit();
}

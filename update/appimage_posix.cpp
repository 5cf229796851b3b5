#include "update/appimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

QString appimage::runningImage()
{
    return imageFor(qEnvironmentVariable("APPIMAGE"), qEnvironmentVariable("APPDIR"),
                    QCoreApplication::applicationFilePath());
}

QString appimage::imageFor(const QString &image, const QString &appDir, const QString &executable)
{
    if (image.isEmpty() || appDir.isEmpty() || !QDir::isAbsolutePath(image) || !QDir::isAbsolutePath(appDir))
        return {};
    const QString mount = QFileInfo(appDir).canonicalFilePath();
    const QString program = QFileInfo(executable).canonicalFilePath();
    // The root would hold every program; a name prefix ("/opt/app" of "/opt/app2") is no folder of it.
    if (mount.isEmpty() || mount == u"/" || program.isEmpty() || !program.startsWith(mount + u'/'))
        return {};
    struct stat st {};
    if (::lstat(QFile::encodeName(image).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return image;
}

#include "app/appstate.h"

#include "app/trash.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

bool AppState::moveFileToBin(const QString &path, QString *pathInBin)
{
    return trash::moveToTrash(path, nullptr, pathInBin);
}

bool AppState::restoreFromBin(const QString &pathInBin, const QString &originalPath)
{
    // A plain rename that never replaces what now sits at the original place
    // (QFile::rename would fall back to copying across volumes); then the
    // entry's info file goes, so the desktop's trash no longer lists it.
    const QByteArray from = QFile::encodeName(pathInBin);
    const QByteArray to = QFile::encodeName(originalPath);
    int rc = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
        if (::access(to.constData(), F_OK) == 0 || errno != ENOENT)
            return false;
        rc = ::rename(from.constData(), to.constData());
    }
    if (rc != 0)
        return false;

    const qsizetype slash = pathInBin.lastIndexOf(u'/');
    const QString filesDir = pathInBin.left(slash);
    if (filesDir.endsWith(QLatin1String("/files"))) {
        const QString info = filesDir.chopped(5) + QStringLiteral("info/") + pathInBin.mid(slash + 1)
            + QStringLiteral(".trashinfo");
        ::unlink(QFile::encodeName(info).constData());
    }
    return true;
}

#include "app/appstate.h"

#include <QFile>

bool AppState::moveFileToBin(const QString &path, QString *pathInBin)
{
    return QFile::moveToTrash(path, pathInBin);
}

bool AppState::restoreFromBin(const QString &pathInBin, const QString &originalPath)
{
    // QFile::rename refuses to replace a file that now sits at the original
    // place, so a newer file of the same name is never overwritten.
    return QFile::rename(pathInBin, originalPath);
}

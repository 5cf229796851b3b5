#include "app/appstate.h"

#include "scan/winlogic.h"

#include <QFile>
#include <QFileInfo>

#include <windows.h>

bool AppState::moveFileToBin(const QString &path, QString *pathInBin)
{
    return QFile::moveToTrash(path, pathInBin);
}

// A rename on the same volume, never a copy: MoveFileExW without
// MOVEFILE_COPY_ALLOWED or MOVEFILE_REPLACE_EXISTING, so a newer file of the
// same name is never overwritten. The Recycle Bin keeps what it needs to list
// an item in a "$I" record next to its "$R" data; once the data is back in
// place the record goes too, or the bin would go on listing a ghost.
bool AppState::restoreFromBin(const QString &pathInBin, const QString &originalPath)
{
    const QString from = winlogic::extendedPath(pathInBin);
    const QString to = winlogic::extendedPath(originalPath);
    if (from.isEmpty() || to.isEmpty())
        return false;
    if (!MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()), 0))
        return false;
    const QFileInfo data(pathInBin);
    const QString name = data.fileName();
    if (name.startsWith(QLatin1String("$R")) && data.absolutePath().contains(QLatin1String("$Recycle.Bin"), Qt::CaseInsensitive)) {
        const QString record = winlogic::extendedPath(data.absolutePath() + QLatin1String("/$I") + name.mid(2));
        if (!record.isEmpty())
            DeleteFileW(reinterpret_cast<LPCWSTR>(record.utf16()));
    }
    return true;
}

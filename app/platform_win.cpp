#include "app/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>

#include <windows.h>
#include <shellapi.h>

VolumeInfo homeVolume()
{
    VolumeInfo v;
    QStorageInfo storage(QDir::homePath());
    storage.refresh();
    v.rootPath = storage.rootPath();
    v.totalBytes = qMax<qint64>(storage.bytesTotal(), 0);
    v.availableBytes = qMax<qint64>(storage.bytesAvailable(), 0);
    const QString drive = QDir::toNativeSeparators(v.rootPath).left(2);
    QString label = storage.name();
    if (label.isEmpty())
        label = QCoreApplication::translate("Platform", "Local Disk");
    v.displayName = QStringLiteral("%1 (%2)").arg(label, drive);
    v.fileSystem = QString::fromLatin1(storage.fileSystemType()).toUpper();
    return v;
}

QString recycleBinName()
{
    return QCoreApplication::translate("Platform", "Recycle Bin");
}

QString fileManagerName()
{
    return QCoreApplication::translate("Platform", "File Explorer");
}

bool recycleBinInfo(qint64 &bytes, qint64 &items)
{
    SHQUERYRBINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof(SHQUERYRBINFO);
    const HRESULT hr = SHQueryRecycleBinW(nullptr, &info);
    if (FAILED(hr))
        return false;
    bytes = qint64(info.i64Size);
    items = qint64(info.i64NumItems);
    return true;
}

bool emptyRecycleBin()
{
    const HRESULT hr = SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    // E_UNEXPECTED is what the shell answers for a bin that is already empty.
    return !FAILED(hr) || hr == HRESULT(0x8000FFFF);
}

void revealInFileManager(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        QProcess::startDetached(QStringLiteral("explorer.exe"), {native});
    else
        QProcess::startDetached(QStringLiteral("explorer.exe"), {QStringLiteral("/select,") + native});
}

bool isElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation;
    DWORD size = 0;
    const BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return ok && elevation.TokenIsElevated != 0;
}

bool relaunchElevated()
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString parameters = QStringLiteral("--elevated");
    SHELLEXECUTEINFOW info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof(SHELLEXECUTEINFOW);
    info.fMask = 0;
    info.lpVerb = L"runas";
    info.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    info.lpParameters = reinterpret_cast<LPCWSTR>(parameters.utf16());
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

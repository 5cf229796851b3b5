#include "scan/scanner.h"

#include "scan/winlogic.h"

#include <QDir>
#include <QSettings>

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <string>
#include <vector>

// C:\Windows\Temp is shared by every account and service: an entry counts as
// the user's own when its owner is the account the run belongs to (an
// elevated administrator runs as the same account, so the user who elevated
// is covered). A run as a service account offers nothing there. Entries
// owned by a group, as an elevated process's files are by default, belong to
// no one in particular and are never offered.

namespace {

QString sidString(PSID sid)
{
    LPWSTR text = nullptr;
    if (!sid || !ConvertSidToStringSidW(sid, &text))
        return {};
    const QString s = QString::fromWCharArray(text);
    LocalFree(text);
    return s;
}

QString tokenUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size ? size : 1);
    QString sid;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        sid = sidString(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid);
    CloseHandle(token);
    return sid;
}

// What the Recycle Bin of the volume mounted at `root` takes: -1 nothing (a
// network, removable or optical drive or a RAM disk, which have none, or a
// bin switched off by policy or in its properties), else the largest file in
// bytes, 0 when that is unknown. Read from the drive's type and the settings
// the bin's properties write; nothing is moved.
qint64 binOfVolume(const std::wstring &root)
{
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_REMOTE:
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
    case DRIVE_RAMDISK:
        return -1;
    default:
        break;
    }
    const QString policy = QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
    for (const char *hive : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}) {
        const QSettings policies(QLatin1String(hive) + policy, QSettings::NativeFormat);
        if (policies.value(QStringLiteral("NoRecycleFiles")).toInt() == 1)
            return -1;
    }
    // "\\?\Volume{GUID}\": the bin's settings are kept under the GUID.
    wchar_t volume[64] = {};
    if (!GetVolumeNameForVolumeMountPointW(root.c_str(), volume, 64))
        return 0;
    const QString name = QString::fromWCharArray(volume);
    const qsizetype open = name.indexOf(QLatin1Char('{'));
    const qsizetype close = name.indexOf(QLatin1Char('}'));
    if (open < 0 || close < open)
        return 0;
    const QSettings bin(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                       "BitBucket\\Volume\\")
                            + name.mid(open, close - open + 1),
                        QSettings::NativeFormat);
    if (bin.value(QStringLiteral("NukeOnDelete")).toInt() == 1)
        return -1;
    const qint64 megabytes = bin.value(QStringLiteral("MaxCapacity")).toLongLong();
    return megabytes > 0 ? megabytes * 1024 * 1024 : 0;
}

} // namespace

int Scanner::trashFit(const ScanItem &item, QHash<QString, qint64> &drives)
{
    if (item.path.isEmpty())
        return TrashFits;
    const std::wstring native = QDir::toNativeSeparators(item.path).toStdWString();
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(native.c_str(), root, MAX_PATH + 1))
        return TrashFits;  // cannot tell: the cleaner will
    const QString key = QString::fromWCharArray(root).toLower();
    auto it = drives.constFind(key);
    if (it == drives.cend())
        it = drives.insert(key, binOfVolume(root));
    if (*it < 0)
        return NoTrashOnDrive;
    if (item.contentsOnly)
        return TrashFits;
    // A path the shell would read as another name is never handed to it.
    if (!winlogic::shellCanParse(item.path))
        return TrashRefuses;
    // The shell would delete a file larger than the bin for good, which the
    // cleaner does not let it do; a folder too large for it moves entry by
    // entry, and only a single file can be too large on its own.
    if (*it > 0 && item.files <= 1 && item.bytes > *it)
        return TrashRefuses;
    return TrashFits;
}

bool Scanner::isOwnEntry(const QString &path)
{
    static const QString accepted = winlogic::tempOwner(tokenUser(), QString());
    if (accepted.isEmpty())
        return false;
    const QString extended = winlogic::extendedPath(path);
    if (extended.isEmpty())
        return false;
    // The entry itself, never what a link names.
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(extended.utf16()), READ_CONTROL,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    const DWORD rc = GetSecurityInfo(h, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                                     nullptr, &sd);
    CloseHandle(h);
    if (rc != ERROR_SUCCESS)
        return false;
    const bool own = sidString(owner).compare(accepted, Qt::CaseInsensitive) == 0;
    LocalFree(sd);
    return own;
}

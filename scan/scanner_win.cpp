#include "scan/scanner.h"

#include "scan/winlogic.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

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

} // namespace

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

#include "scan/appguard.h"

#include <QDir>

#include <windows.h>
#include <restartmanager.h>
#include <tlhelp32.h>

#include <iterator>
#include <string>

RunningApps snapshot()
{
    RunningApps apps;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return apps;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snap, &entry); ok; ok = Process32NextW(snap, &entry)) {
        QString name = QString::fromWCharArray(entry.szExeFile);
        // Other users' and protected processes refuse the query and keep
        // their bare executable name.
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (process) {
            wchar_t buffer[520];
            DWORD size = DWORD(std::size(buffer));
            if (QueryFullProcessImageNameW(process, 0, buffer, &size))
                name = QString::fromWCharArray(buffer, int(size));
            CloseHandle(process);
        }
        apps.addProcess(name);
    }
    CloseHandle(snap);
    return apps;
}

bool isFileInUse(const QString &path)
{
    if (path.isEmpty())
        return false;
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (RmStartSession(&session, 0, key) != ERROR_SUCCESS)
        return false;
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    LPCWSTR files[] = {native.c_str()};
    bool inUse = false;
    if (RmRegisterResources(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS) {
        UINT needed = 0;
        UINT count = 0;
        DWORD reasons = RmRebootReasonNone;
        const DWORD rc = RmGetList(session, &needed, &count, nullptr, &reasons);
        inUse = (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) && needed > 0;
    }
    RmEndSession(session);
    return inUse;
}

// Windows has no cheap table of open files; the Restart Manager answers per
// file, so the snapshot stays empty and each question goes to it.
OpenFiles OpenFiles::capture()
{
    return OpenFiles();
}

bool OpenFiles::contains(qint64 device, qint64 inode) const
{
    return m_files.contains({device, inode});
}

bool OpenFiles::isInUse(const QString &path) const
{
    return isFileInUse(path);
}

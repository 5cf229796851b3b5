#include "scan/appguard.h"

#include "scan/fs.h"
#include "scan/winlogic.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <restartmanager.h>
#include <tlhelp32.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

RunningApps snapshot()
{
    RunningApps apps;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return apps;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    const DWORD ownPid = GetCurrentProcessId();
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
        // Only the executable's folder is known of what a process uses.
        if (entry.th32ProcessID != ownPid) {
            const QFileInfo image(QDir::fromNativeSeparators(name));
            QString program = image.fileName();
            if (program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
                program.chop(4);
            apps.addUsedFolder(image.path(), program);
        }
    }
    CloseHandle(snap);
    return apps;
}

namespace {

// Paths handed to RmRegisterResources in one call.
constexpr qsizetype kRegisterBatch = 1000;
// Sessions one holders() call may open to tell which file of a held group
// is held; past it, the files of a group share the group's holders.
constexpr int kSessionBudget = 64;

// One Restart Manager session over `paths`: the processes holding any of
// them, in the manager's order. False (and nothing) when the manager fails,
// which reads as not in use.
bool sessionHolders(const QStringList &paths, QList<FileHolder> &out)
{
    out.clear();
    if (paths.isEmpty())
        return true;
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (RmStartSession(&session, 0, key) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (qsizetype from = 0; ok && from < paths.size(); from += kRegisterBatch) {
        const qsizetype n = std::min(kRegisterBatch, paths.size() - from);
        std::vector<std::wstring> natives;
        natives.reserve(size_t(n));
        std::vector<LPCWSTR> files;
        files.reserve(size_t(n));
        for (qsizetype i = from; i < from + n; ++i) {
            natives.push_back(QDir::toNativeSeparators(paths.at(i)).toStdWString());
            files.push_back(natives.back().c_str());
        }
        ok = RmRegisterResources(session, UINT(n), files.data(), 0, nullptr, 0, nullptr) == ERROR_SUCCESS;
    }
    if (ok) {
        std::vector<RM_PROCESS_INFO> infos;
        DWORD rc = ERROR_MORE_DATA;
        UINT count = 0;
        // The list may grow between the call that sizes it and the one that
        // fills it.
        for (int attempt = 0; attempt < 3 && rc == ERROR_MORE_DATA; ++attempt) {
            UINT needed = 0;
            count = UINT(infos.size());
            DWORD reasons = RmRebootReasonNone;
            rc = RmGetList(session, &needed, &count, infos.empty() ? nullptr : infos.data(), &reasons);
            if (rc == ERROR_MORE_DATA)
                infos.resize(size_t(needed) + 4);
        }
        ok = rc == ERROR_SUCCESS;
        for (UINT i = 0; ok && i < count && i < infos.size(); ++i)
            out.append({QString::fromWCharArray(infos[i].strAppName), qint64(infos[i].Process.dwProcessId)});
    }
    RmEndSession(session);
    return ok;
}

// Which files of `group`, known to be held by `held`, are held: halves that
// are held are split again while sessions remain.
void attribute(const QStringList &group, const QList<FileHolder> &held, int &budget,
               QHash<QString, QList<FileHolder>> &out)
{
    if (held.isEmpty())
        return;
    if (group.size() == 1 || budget < 2) {
        for (const QString &path : group)
            out.insert(path, held);
        return;
    }
    const qsizetype half = group.size() / 2;
    for (const QStringList &part : {group.mid(0, half), group.mid(half)}) {
        --budget;
        QList<FileHolder> partHeld;
        if (!sessionHolders(part, partHeld))
            partHeld = held;  // cannot tell: keep the group's answer
        attribute(part, partHeld, budget, out);
    }
}

} // namespace

bool isFileInUse(const QString &path)
{
    if (path.isEmpty())
        return false;
    QList<FileHolder> held;
    return sessionHolders({path}, held) && !held.isEmpty();
}

// Windows has no cheap table of open files; the Restart Manager answers per
// session, so the snapshot stays empty and each question goes to it.
OpenFiles OpenFiles::capture(Scope)
{
    return OpenFiles();
}

bool OpenFiles::contains(qint64 device, qint64 inode) const
{
    return m_files.contains({device, inode});
}

bool OpenFiles::containsFolder(qint64, qint64) const
{
    return false;
}

// A working folder (cmd.exe's, say) or any folder a program keeps a handle
// on without sharing deletion cannot be opened for deletion: that is the
// test, folder by folder down the tree. Links are not entered. The Restart
// Manager names holders of files only, so the holders stay unnamed.
bool OpenFiles::holdsBusyFolder(const QString &path, QList<FileHolder> *) const
{
    fs::Entry top;
    if (path.isEmpty() || !fs::stat(path, top) || !top.isDir || top.isLink)
        return false;
    QStringList stack{path};
    while (!stack.isEmpty()) {
        const QString folder = stack.takeLast();
        const QString extended = winlogic::extendedPath(folder);
        if (extended.isEmpty())
            continue;
        const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t *>(extended.utf16()), DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_SHARING_VIOLATION)
                return true;
        } else {
            CloseHandle(h);
        }
        for (const fs::Entry &e : fs::list(folder)) {
            if (e.isDir && !e.isLink && !e.skip)
                stack.append(fs::join(folder, e.name));
        }
    }
    return false;
}

bool OpenFiles::isInUse(const QString &path) const
{
    return isFileInUse(path);
}

QHash<QString, QList<FileHolder>> OpenFiles::holders(const QStringList &paths) const
{
    QHash<QString, QList<FileHolder>> out;
    QStringList asked = paths;
    asked.removeAll(QString());
    asked.removeDuplicates();
    QList<FileHolder> held;
    if (!sessionHolders(asked, held))
        return out;
    int budget = kSessionBudget;
    attribute(asked, held, budget, out);
    return out;
}

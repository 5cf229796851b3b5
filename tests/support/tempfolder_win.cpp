#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

#include <windows.h>
#include <aclapi.h>
#include <winioctl.h>

#ifndef SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
#define SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE 0x2
#endif

namespace {

// The "\\?\" form of an absolute path, which the file calls take at any
// length (the deep chains go far past MAX_PATH).
std::wstring extended(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return QString(QStringLiteral("\\\\?\\") + native).toStdWString();
}

// An access list with no entries: nobody is granted anything, though the
// owner may still change the list. `protect` keeps the parent's entries out;
// without it the folder takes them back.
bool setEmptyAccessList(const QString &path, bool protect)
{
    ACL acl;
    if (!InitializeAcl(&acl, sizeof acl, ACL_REVISION))
        return false;
    std::wstring name = extended(path);
    const SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION
        | (protect ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
    return SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, what, nullptr, nullptr, &acl, nullptr)
        == ERROR_SUCCESS;
}

} // namespace

bool testsupport::setModificationTime(const QString &path, const QDateTime &when)
{
    // Opened as the entry itself: a link keeps its target's time.
    const HANDLE h = CreateFileW(extended(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    // FILETIME counts 100 ns steps since 1601-01-01.
    constexpr qint64 kEpochOffsetMs = 11644473600000LL;
    const quint64 ticks = quint64(when.toMSecsSinceEpoch() + kEpochOffsetMs) * 10000ULL;
    FILETIME ft;
    ft.dwLowDateTime = DWORD(ticks & 0xffffffffULL);
    ft.dwHighDateTime = DWORD(ticks >> 32);
    const bool ok = SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
    return ok;
}

bool testsupport::makeHardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(extended(link).c_str(), extended(existing).c_str(), nullptr);
}

bool testsupport::makeSymlink(const QString &target, const QString &link)
{
    const QString resolved = QDir::isAbsolutePath(target) ? target : QFileInfo(link).dir().filePath(target);
    DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (QFileInfo(resolved).isDir())
        flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
    return CreateSymbolicLinkW(extended(link).c_str(), QDir::toNativeSeparators(target).toStdWString().c_str(),
                               flags);
}

bool testsupport::allocateFile(const QString &path, qint64 bytes)
{
    const HANDLE h = CreateFileW(extended(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FILE_ALLOCATION_INFO allocation;
    allocation.AllocationSize.QuadPart = bytes;
    LARGE_INTEGER end;
    end.QuadPart = bytes;
    const bool ok = SetFileInformationByHandle(h, FileAllocationInfo, &allocation, sizeof allocation)
        && SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    return ok;
}

TempFolder::~TempFolder()
{
    for (const QString &p : std::as_const(m_locked))
        setEmptyAccessList(p, false);
    if (m_dir.isValid())
        QDir(m_dir.path()).removeRecursively();
}

QString TempFolder::makeSparseFile(const QString &relative, qint64 logicalSize, qint64 dataBytes)
{
    const QString abs = makeFileOfSize(relative, dataBytes);
    if (abs.isEmpty())
        return {};
    const HANDLE h = CreateFileW(extended(abs).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    // Only a file marked sparse leaves the part past its data unallocated.
    DWORD returned = 0;
    LARGE_INTEGER end;
    end.QuadPart = logicalSize;
    const bool ok = DeviceIoControl(h, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr)
        && SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    return ok ? abs : QString();
}

bool TempFolder::denyAll(const QString &abs)
{
    return setEmptyAccessList(abs, true);
}

// A child runs as the same user on Windows, and the folder already carries
// the temp folder's access list.
bool TempFolder::openToOthers()
{
    return true;
}

#include "scan/fs.h"

#include "scan/winlogic.h"

#include <QDir>

#include <vector>

#include <windows.h>

// Every call gets the "\\?\" form of its path (winlogic::extendedPath), so
// long paths and names ending in a dot or a space are measured as they are.
// Folders are listed through a handle with FileIdBothDirectoryInfo, which
// gives each entry's size on disk (what compression, sparseness and cloud
// placeholders leave of it), its file ID and, for a reparse point, its tag;
// no file is opened to list it, so nothing stored in the cloud is fetched.
// The listing has no link count: every file with an ID is counted as one
// that may have other names, so measure() counts each file once by its ID.

namespace fs {

namespace {

const wchar_t *wide(const QString &s)
{
    return reinterpret_cast<const wchar_t *>(s.utf16());
}

qint64 toMs(qint64 ticks)
{
    if (ticks == 0)
        return 0;
    return (ticks - 116444736000000000LL) / 10000;
}

qint64 toMs(const FILETIME &ft)
{
    return toMs(qint64((quint64(ft.dwHighDateTime) << 32) | ft.dwLowDateTime));
}

void classifyInto(Entry &e, DWORD attributes, DWORD tag)
{
    const winlogic::Kind kind = winlogic::classify(attributes, tag);
    e.isDir = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    e.isLink = kind == winlogic::Kind::Link;
    e.skip = kind == winlogic::Kind::Special;
    e.attributes = attributes;
}

HANDLE openFolder(const QString &dir)
{
    const QString path = winlogic::extendedPath(dir);
    if (path.isEmpty()) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(wide(path), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

} // namespace

QList<Entry> list(const QString &dir)
{
    QList<Entry> out;
    const HANDLE h = openFolder(dir);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    BY_HANDLE_FILE_INFORMATION self{};
    const qint64 device = GetFileInformationByHandle(h, &self) ? qint64(self.dwVolumeSerialNumber) : 0;
    std::vector<unsigned char> buffer(64 * 1024);
    FILE_INFO_BY_HANDLE_CLASS cls = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(h, cls, buffer.data(), DWORD(buffer.size()))) {
        cls = FileIdBothDirectoryInfo;
        size_t at = 0;
        for (;;) {
            const auto *d = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO *>(buffer.data() + at);
            const QString name = QString::fromWCharArray(d->FileName, qsizetype(d->FileNameLength / sizeof(WCHAR)));
            if (name != QLatin1String(".") && name != QLatin1String("..")) {
                Entry e;
                e.name = name;
                // For a reparse point the EA size field holds its tag.
                classifyInto(e, d->FileAttributes,
                             (d->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? DWORD(d->EaSize) : 0);
                const bool data = !e.isDir && !e.isLink;
                e.size = data ? d->EndOfFile.QuadPart : 0;
                e.allocated = data ? d->AllocationSize.QuadPart : 0;
                e.inode = d->FileId.QuadPart;
                e.links = data && e.inode != 0 ? 2 : 1;
                e.mtime = toMs(d->LastWriteTime.QuadPart);
                e.atime = toMs(d->LastAccessTime.QuadPart);
                e.ctime = toMs(d->ChangeTime.QuadPart);
                e.btime = toMs(d->CreationTime.QuadPart);
                e.device = device;
                out.append(e);
            }
            if (d->NextEntryOffset == 0)
                break;
            at += d->NextEntryOffset;
        }
    }
    CloseHandle(h);
    return out;
}

bool stat(const QString &path, Entry &entry)
{
    const QString extended = winlogic::extendedPath(path);
    if (extended.isEmpty())
        return false;
    // The directory entry itself (a link not followed), with its tag.
    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW(wide(extended), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
    } else {
        // A drive or share root has no directory entry of its own.
        WIN32_FILE_ATTRIBUTE_DATA attributes;
        if (!GetFileAttributesExW(wide(extended), GetFileExInfoStandard, &attributes))
            return false;
        data.dwFileAttributes = attributes.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT);
        data.ftLastWriteTime = attributes.ftLastWriteTime;
        data.ftLastAccessTime = attributes.ftLastAccessTime;
        data.ftCreationTime = attributes.ftCreationTime;
        data.nFileSizeHigh = attributes.nFileSizeHigh;
        data.nFileSizeLow = attributes.nFileSizeLow;
    }
    Entry e;
    QString name = QDir::fromNativeSeparators(path);
    while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
        name.chop(1);
    e.name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    classifyInto(e, data.dwFileAttributes,
                 (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0);
    const bool isData = !e.isDir && !e.isLink;
    e.size = isData ? qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow) : 0;
    e.mtime = toMs(data.ftLastWriteTime);
    e.atime = toMs(data.ftLastAccessTime);
    e.btime = toMs(data.ftCreationTime);
    // Size on disk, identity and link count need the entry opened for its
    // attributes; an offline or cloud-only file is left closed and counts as
    // taking no space here.
    if (!winlogic::mustNotOpen(data.dwFileAttributes)) {
        const HANDLE h = CreateFileW(wide(extended), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION by{};
            FILE_STANDARD_INFO standard{};
            FILE_BASIC_INFO basic{};
            // The change time is not in the directory entry's find data.
            if (GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
                e.ctime = toMs(basic.ChangeTime.QuadPart);
            if (GetFileInformationByHandle(h, &by)) {
                e.device = qint64(by.dwVolumeSerialNumber);
                e.inode = qint64((quint64(by.nFileIndexHigh) << 32) | by.nFileIndexLow);
                e.links = int(by.nNumberOfLinks);
            }
            if (isData && GetFileInformationByHandleEx(h, FileStandardInfo, &standard, sizeof standard))
                e.allocated = standard.AllocationSize.QuadPart;
            CloseHandle(h);
        } else if (isData) {
            e.allocated = e.size;
        }
    }
    entry = e;
    return true;
}

bool canList(const QString &dir)
{
    const HANDLE h = openFolder(dir);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    return GetLastError() != ERROR_ACCESS_DENIED;
}

bool reachableWithoutLinks(const QString &)
{
    return true;
}

Measure measure(const QString &path, const std::atomic_bool *cancel, const ProgressFn &progress,
                const ExclusionMatcher *excluded, FileIds *linked)
{
    return detail::measureByListing(path, cancel, progress, excluded, linked);
}

bool walk(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
          const FileFn &onFile, const WalkLimits &limits)
{
    return detail::walkByListing(root, cancel, filter, onFile, limits);
}

} // namespace fs

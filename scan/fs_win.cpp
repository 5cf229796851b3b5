#include "scan/fs.h"

#include <QDir>

#include <windows.h>

namespace fs {

namespace {

const wchar_t *wide(const QString &s)
{
    return reinterpret_cast<const wchar_t *>(s.utf16());
}

qint64 toMs(const FILETIME &ft)
{
    const quint64 ticks = (quint64(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    if (ticks == 0)
        return 0;
    return (qint64(ticks) - 116444736000000000LL) / 10000;
}

qint64 combine(DWORD high, DWORD low)
{
    return qint64((quint64(high) << 32) | low);
}

// Compressed and sparse files occupy less than their length; only they pay
// for the extra call, everything else takes its size from the listing.
qint64 allocatedSize(DWORD attributes, qint64 size, const QString &nativePath)
{
    if (!(attributes & (FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE)))
        return size;
    DWORD high = 0;
    const DWORD low = GetCompressedFileSizeW(wide(nativePath), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != 0)
        return size;
    return combine(high, low);
}

Entry makeEntry(const QString &name, DWORD attributes, DWORD sizeHigh, DWORD sizeLow,
                const FILETIME &written, const FILETIME &accessed, const QString &nativePath)
{
    Entry e;
    e.name = name;
    e.isDir = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    e.isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    e.size = e.isDir ? 0 : combine(sizeHigh, sizeLow);
    e.allocated = e.isDir ? 0 : allocatedSize(attributes, e.size, nativePath);
    e.inode = 0;
    e.links = 1;
    e.mtime = toMs(written);
    e.atime = toMs(accessed);
    e.device = 0;
    e.skip = false;
    return e;
}

QString searchPattern(const QString &dir)
{
    return QDir::toNativeSeparators(join(dir, QStringLiteral("*")));
}

} // namespace

QList<Entry> list(const QString &dir)
{
    QList<Entry> out;
    WIN32_FIND_DATAW data;
    const QString pattern = searchPattern(dir);
    HANDLE h = FindFirstFileExW(wide(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    const QString nativeDir = QDir::toNativeSeparators(dir);
    do {
        const QString name = QString::fromWCharArray(data.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        out.append(makeEntry(name, data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                             data.ftLastWriteTime, data.ftLastAccessTime, join(nativeDir, name)));
    } while (FindNextFileW(h, &data));
    FindClose(h);
    return out;
}

bool stat(const QString &path, Entry &entry)
{
    const QString native = QDir::toNativeSeparators(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(native), GetFileExInfoStandard, &data))
        return false;
    QString name = native;
    while (name.size() > 1 && name.endsWith(QLatin1Char('\\')))
        name.chop(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
    entry = makeEntry(name, data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                      data.ftLastWriteTime, data.ftLastAccessTime, native);
    return true;
}

bool canList(const QString &dir)
{
    WIN32_FIND_DATAW data;
    const QString pattern = searchPattern(dir);
    HANDLE h = FindFirstFileExW(wide(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (h != INVALID_HANDLE_VALUE) {
        FindClose(h);
        return true;
    }
    return GetLastError() != ERROR_ACCESS_DENIED;
}

bool reachableWithoutLinks(const QString &)
{
    return true;
}

Measure measure(const QString &path, const std::atomic_bool *cancel, const ProgressFn &progress,
                const ExclusionMatcher *excluded)
{
    return detail::measureByListing(path, cancel, progress, excluded);
}

bool walk(const QString &root, const std::atomic_bool *cancel, const FolderFilter &filter,
          const FileFn &onFile)
{
    return detail::walkByListing(root, cancel, filter, onFile);
}

} // namespace fs

#include "clean/restore.h"

#include "scan/fs.h"
#include "scan/winlogic.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <windows.h>
#include <sddl.h>

// The Recycle Bin keeps each entry as "$R<id><ext>" in the folder
// "<drive>:\$Recycle.Bin\<SID>" and describes it in "$I<id><ext>" beside it: a version (1 or 2), the
// size, the deletion time as a FILETIME, then the original path (version 1:
// 260 characters; version 2: its length, then the characters).

namespace restore {

namespace {

LPCWSTR wide(const QString &text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    QString sid;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        LPWSTR text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

bool isRealFolder(const QString &path)
{
    const QString ext = winlogic::extendedPath(path);
    const DWORD attributes = ext.isEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide(ext));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
        && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool exists(const QString &path)
{
    const QString ext = winlogic::extendedPath(path);
    return !ext.isEmpty() && GetFileAttributesW(wide(ext)) != INVALID_FILE_ATTRIBUTES;
}

QString parentOf(const QString &path)
{
    return path.left(std::max<qsizetype>(path.lastIndexOf(QLatin1Char('/')), 0));
}

// "C:/a/b": a drive path without "." or ".." parts.
bool isPlainPath(const QString &path)
{
    return path.size() > 3 && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('/')
        && QDir::cleanPath(path) == path;
}

struct Record
{
    QString original;
    QDateTime deleted;
};

bool readRecord(const QString &path, Record &record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return false;
    const QByteArray data = file.readAll();
    if (data.size() < 24)
        return false;
    qint64 version = 0;
    quint64 filetime = 0;
    memcpy(&version, data.constData(), 8);
    memcpy(&filetime, data.constData() + 16, 8);
    qsizetype offset = 24;
    qsizetype chars = 260;
    if (version == 2) {
        if (data.size() < 28)
            return false;
        quint32 length = 0;
        memcpy(&length, data.constData() + 24, 4);
        offset = 28;
        chars = qsizetype(length);
    } else if (version != 1) {
        return false;
    }
    if (data.size() < offset + chars * 2)
        return false;
    QString original(reinterpret_cast<const QChar *>(data.constData() + offset), chars);
    original.truncate(original.indexOf(QChar(0)) >= 0 ? original.indexOf(QChar(0)) : original.size());
    record.original = QDir::fromNativeSeparators(original);
    // 100 ns steps since 1601-01-01 UTC.
    constexpr quint64 kEpochDiff = 116444736000000000ULL;
    if (filetime > kEpochDiff)
        record.deleted = QDateTime::fromMSecsSinceEpoch(qint64((filetime - kEpochDiff) / 10000)).toLocalTime();
    return !record.original.isEmpty();
}

QString recordOf(const QString &bin, const QString &name)
{
    return bin + QStringLiteral("/$I") + name.mid(2);
}

// Makes the missing folders of `folder` one by one; every folder that is
// there already must be a real folder, not a junction or link.
bool makeFolders(const QString &folder)
{
    const QStringList parts = folder.mid(3).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = folder.left(2);
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        if (isRealFolder(path))
            continue;
        if (exists(path))
            return false;
        const QString ext = winlogic::extendedPath(path);
        if (ext.isEmpty() || (!CreateDirectoryW(wide(ext), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            || !isRealFolder(path))
            return false;
    }
    return true;
}

bool fail(RestoreReport::Reason *reason, RestoreReport::Reason value)
{
    *reason = value;
    return false;
}

} // namespace

QStringList bins()
{
    QStringList out;
    const QString sid = userSid();
    if (sid.isEmpty())
        return out;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        const QString bin = QString(QChar(u'A' + i)) + QStringLiteral(":/$Recycle.Bin/") + sid;
        if (isRealFolder(bin))
            out.append(bin);
    }
    return out;
}

bool putBack(const Entry &entry, const QStringList &bins, RestoreReport::Reason *reason, qint64 *bytes)
{
    const QString bin = parentOf(entry.inTrash);
    const QString name = entry.inTrash.mid(bin.size() + 1);
    const bool known = std::any_of(bins.cbegin(), bins.cend(),
                                   [&bin](const QString &b) { return b.compare(bin, Qt::CaseInsensitive) == 0; });
    if (!isPlainPath(entry.inTrash) || !isPlainPath(entry.original) || !known
        || !name.startsWith(QLatin1String("$R"), Qt::CaseInsensitive)
        || entry.original.contains(QLatin1String("/$Recycle.Bin"), Qt::CaseInsensitive))
        return fail(reason, RestoreReport::NotTrashEntry);
    if (!exists(entry.inTrash))
        return fail(reason, RestoreReport::NotInTrash);
    Record record;
    if (!readRecord(recordOf(bin, name), record) || record.original.compare(entry.original, Qt::CaseInsensitive) != 0
        || !record.deleted.isValid() || record.deleted < entry.from || record.deleted > entry.to)
        return fail(reason, RestoreReport::NotInTrash);
    if (exists(entry.original))
        return fail(reason, RestoreReport::PlaceTaken);
    if (!makeFolders(parentOf(entry.original)))
        return fail(reason, RestoreReport::CouldNotMove);
    const qint64 size = fs::measure(entry.inTrash).bytes;
    // A rename on the volume, never a copy, never over what is there.
    const QString from = winlogic::extendedPath(entry.inTrash);
    const QString to = winlogic::extendedPath(entry.original);
    if (from.isEmpty() || to.isEmpty() || !MoveFileExW(wide(from), wide(to), 0)) {
        const DWORD error = GetLastError();
        return fail(reason, error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? RestoreReport::PlaceTaken
                                                                                         : RestoreReport::CouldNotMove);
    }
    const QString info = winlogic::extendedPath(recordOf(bin, name));
    if (!info.isEmpty())
        DeleteFileW(wide(info));
    *bytes = size;
    return true;
}

QList<Entry> recordsBetween(const QStringList &bins, const QDateTime &from, const QDateTime &to)
{
    QList<Entry> out;
    for (const QString &bin : bins) {
        const QString pattern = winlogic::extendedPath(bin + QStringLiteral("/$I*"));
        if (pattern.isEmpty())
            continue;
        WIN32_FIND_DATAW found;
        const HANDLE find = FindFirstFileW(wide(pattern), &found);
        if (find == INVALID_HANDLE_VALUE)
            continue;
        do {
            const QString recordName = QString::fromWCharArray(found.cFileName);
            const QString data = bin + QStringLiteral("/$R") + recordName.mid(2);
            Record record;
            if (!readRecord(bin + QLatin1Char('/') + recordName, record) || !record.deleted.isValid()
                || record.deleted < from || record.deleted > to || !exists(data))
                continue;
            out.append({record.original, data, from, to});
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return out;
}

} // namespace restore

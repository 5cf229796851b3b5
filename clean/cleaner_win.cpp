#include "clean/cleaner_p.h"

#include "scan/fs.h"

#include <QDir>
#include <QFile>

#include <windows.h>

// Windows goes by path: DeleteFileW and RemoveDirectoryW act on the entry
// itself, and a junction or directory link is removed as the link, never
// entered. Files in use fail on their own, so no snapshot is needed.

namespace removal {

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// The read-only attribute blocks DeleteFileW; it is the only one cleared.
void clearReadOnly(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
}

// True when the file is gone; otherwise error holds the reason.
bool deleteFile(const QString &path, quint32 &error)
{
    const std::wstring p = native(path);
    clearReadOnly(p);
    if (DeleteFileW(p.c_str()))
        return true;
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND)
        return true;
    error = quint32(code);
    return false;
}

} // namespace

// Whether the user excluded `name` inside `folder`; reported when `report`.
static bool keeps(const ExclusionMatcher *excluded, const Remover::Excluded &onExcluded, const QString &folder,
                  const fs::Entry &entry, bool report)
{
    const QString &name = entry.name;
    if (!excluded || !excluded->matchesChild(folder, name, entry.isDir && !entry.isLink))
        return false;
    if (report && onExcluded)
        onExcluded(fs::join(folder, name));
    return true;
}

// Whether a folder holds an excluded entry anywhere below it: then it is
// moved entry by entry, never as a whole.
static bool holdsExcluded(const ExclusionMatcher *excluded, const QString &folder)
{
    if (!excluded)
        return false;
    QStringList stack{folder};
    while (!stack.isEmpty()) {
        const QString dir = stack.takeLast();
        for (const fs::Entry &e : fs::list(dir)) {
            if (e.skip)
                continue;
            if (excluded->matchesChild(dir, e.name, e.isDir && !e.isLink))
                return true;
            if (e.isDir && !e.isLink)
                stack.append(fs::join(dir, e.name));
        }
    }
    return false;
}

void Remover::beginPass() {}

Reach Remover::entries(const QString &, const QString &folder, QStringList &names) const
{
    names.clear();
    fs::Entry self;
    if (!fs::stat(folder, self))
        return Reach::Gone;
    if (self.isLink || !self.isDir)
        return Reach::Replaced;
    for (const fs::Entry &e : fs::list(folder)) {
        if (!e.skip)
            names.append(e.name);
    }
    return Reach::Folder;
}

void Remover::removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    fs::Entry e;
    if (!fs::stat(path, e))
        return;
    if (!e.isDir) {
        quint32 error = 0;
        if (!deleteFile(path, error))
            failures.append({path, error, {}});
        else if (m_onRemoved)
            m_onRemoved({e.allocated, e.device, e.inode, e.links});
        return;
    }
    if (!e.isLink) {
        for (const fs::Entry &child : fs::list(path)) {
            if (!child.skip && !keeps(m_excluded, m_onExcluded, path, child, true))
                removePermanently(anchor, fs::join(path, child.name), failures);
        }
    }
    // A busy file inside keeps the folder; that is not reported.
    RemoveDirectoryW(native(path).c_str());
}

void Remover::moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    fs::Entry e;
    if (!fs::stat(path, e))
        return;
    const bool whole = !e.isDir || e.isLink || !holdsExcluded(m_excluded, path);
    if (whole && QFile::moveToTrash(path))
        return;
    if (!fs::stat(path, e))
        return;
    if (!e.isDir || e.isLink) {
        failures.append({path, 0, {}});
        return;
    }
    for (const fs::Entry &child : fs::list(path)) {
        if (!child.skip && !keeps(m_excluded, m_onExcluded, path, child, true))
            moveToTrash(anchor, fs::join(path, child.name), failures);
    }
    RemoveDirectoryW(native(path).c_str());
}

bool Remover::retryDelete(const QString &, const QString &path, quint32 &error) const
{
    return deleteFile(path, error);
}

bool Remover::retryTrash(const QString &, const QString &path) const
{
    if (QFile::moveToTrash(path))
        return true;
    fs::Entry e;
    return !fs::stat(path, e);
}

bool Remover::removeEmptyFolder(const QString &, const QString &path) const
{
    return RemoveDirectoryW(native(path).c_str()) != 0;
}

} // namespace removal

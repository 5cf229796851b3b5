#include "clean/cleaner_p.h"

#include "scan/fs.h"
#include "scan/winlogic.h"

#include <QDir>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/comapartment_win.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shobjidl.h>
#include <winioctl.h>
#include <winternl.h>

// Every folder is reached through open handles, never by re-resolving a
// path. The folder that holds an item is opened from the item's anchor one
// component at a time, each relative to the handle of the one above, with
// reparse points not followed and without FILE_SHARE_DELETE, so that no
// folder of the chain can be renamed, removed or swapped for a junction while
// it is held. Entries are listed through the folder's handle and deleted
// through their own (POSIX semantics: gone at once, even while others still
// read them). A reparse point is removed as itself and never entered; a
// mounted volume is never removed. The walk keeps one handle per level on an
// explicit stack instead of recursing.

namespace removal {

namespace {

using NtCreateFileFn = NTSTATUS(NTAPI *)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PIO_STATUS_BLOCK,
                                         PLARGE_INTEGER, ULONG, ULONG, ULONG, ULONG, PVOID, ULONG);
using StatusToErrorFn = ULONG(NTAPI *)(NTSTATUS);

struct NtApi
{
    NtCreateFileFn create = nullptr;
    StatusToErrorFn toError = nullptr;
};

template <typename Fn>
Fn resolve(HMODULE module, const char *name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const NtApi &nt()
{
    static const NtApi api = [] {
        NtApi a;
        if (HMODULE m = GetModuleHandleW(L"ntdll.dll")) {
            a.create = resolve<NtCreateFileFn>(m, "NtCreateFile");
            a.toError = resolve<StatusToErrorFn>(m, "RtlNtStatusToDosError");
        }
        return a;
    }();
    return api;
}

class Handle
{
public:
    Handle() = default;
    explicit Handle(HANDLE h) : m_h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    Handle(Handle &&other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    Handle &operator=(Handle &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_h = std::exchange(other.m_h, nullptr);
        }
        return *this;
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle() { reset(); }
    void reset()
    {
        if (m_h)
            CloseHandle(m_h);
        m_h = nullptr;
    }
    HANDLE get() const { return m_h; }
    bool valid() const { return m_h != nullptr; }

private:
    HANDLE m_h = nullptr;
};

// Win32 values the MinGW headers leave out or hide behind a version test:
// ERROR_STOPPED_ON_SYMLINK, and FileDispositionInfoEx (Windows 10 1607).
constexpr DWORD kErrorReplaced = 681;
constexpr FILE_INFO_BY_HANDLE_CLASS kDispositionInfoEx = FILE_INFO_BY_HANDLE_CLASS(21);

// Held folders may be read and written by others, never renamed or removed.
constexpr ULONG kShareHeld = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr ACCESS_MASK kListAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr ACCESS_MASK kDeleteAccess = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

bool isGoneError(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Opens `name` (one component) inside the open folder `parent` without
// following a reparse point. `folder`: as a folder to list (fails with
// ERROR_DIRECTORY on anything else). On failure error holds a Win32 code.
// The open is relative to the parent's handle, so the parent cannot be
// exchanged between the listing and the open.
Handle openAt(HANDLE parent, const QString &name, ACCESS_MASK access, ULONG share, bool folder, DWORD &error)
{
    const NtApi &api = nt();
    if (!api.create || !api.toError || name.isEmpty() || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1Char('/')) || name.size() > 32767) {
        error = ERROR_INVALID_NAME;
        return {};
    }
    std::wstring wide = name.toStdWString();
    UNICODE_STRING objectName;
    objectName.Buffer = wide.data();
    objectName.Length = USHORT(wide.size() * sizeof(wchar_t));
    objectName.MaximumLength = objectName.Length;
    OBJECT_ATTRIBUTES attributes;
    // Matched as spelt, so that a folder with case-sensitive names never
    // gives a sibling of the name asked for.
    InitializeObjectAttributes(&attributes, &objectName, 0, parent, nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE h = nullptr;
    const ULONG options = FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_FOR_BACKUP_INTENT
        | (folder ? FILE_DIRECTORY_FILE : 0);
    const NTSTATUS status = api.create(&h, access, &attributes, &io, nullptr, 0, share, FILE_OPEN, options,
                                       nullptr, 0);
    if (status < 0) {
        error = api.toError(status);
        return {};
    }
    return Handle(h);
}

// What an open handle refers to.
struct Info
{
    DWORD attributes = 0;
    DWORD tag = 0;
    qint64 allocated = 0;
    qint64 volume = 0;
    qint64 id = 0;
    int links = 1;
    winlogic::Kind kind = winlogic::Kind::File;
};

bool describe(HANDLE h, Info &info)
{
    FILE_ATTRIBUTE_TAG_INFO tag{};
    BY_HANDLE_FILE_INFORMATION by{};
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag)
        || !GetFileInformationByHandle(h, &by))
        return false;
    FILE_STANDARD_INFO standard{};
    if (GetFileInformationByHandleEx(h, FileStandardInfo, &standard, sizeof standard))
        info.allocated = standard.AllocationSize.QuadPart;
    info.attributes = tag.FileAttributes;
    info.tag = (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? tag.ReparseTag : 0;
    info.volume = qint64(by.dwVolumeSerialNumber);
    info.id = qint64((quint64(by.nFileIndexHigh) << 32) | by.nFileIndexLow);
    info.links = int(by.nNumberOfLinks);
    info.kind = winlogic::classify(info.attributes, info.tag);
    if (info.kind == winlogic::Kind::Folder)
        info.allocated = 0;
    return true;
}

// Whether the mount-point reparse point open at `h` mounts a volume (or
// cannot be read, which counts the same): such a folder is never removed.
bool mountsVolume(HANDLE h, const Info &info)
{
    if (info.tag != IO_REPARSE_TAG_MOUNT_POINT)
        return false;
    std::vector<unsigned char> buffer(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD got = 0;
    if (!DeviceIoControl(h, FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer.data(), DWORD(buffer.size()), &got,
                         nullptr)
        || got < 16)
        return true;
    // Tag, data length, reserved, then the offsets and lengths of the
    // substitute and print names, then the names themselves.
    auto u16 = [&](size_t at) { return size_t(buffer[at]) | (size_t(buffer[at + 1]) << 8); };
    const size_t offset = u16(8), length = u16(10);
    if (16 + offset + length > got)
        return true;
    const QString target = QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer.data() + 16 + offset),
                                              qsizetype(length / 2));
    return winlogic::isVolumeMount(target);
}

// Deletes what `h` is open on. POSIX semantics take the name away at once;
// where the file system has none (FAT, old Windows) the classic delete runs,
// with a read-only attribute cleared first and put back when it fails.
bool deleteByHandle(HANDLE h, DWORD &error)
{
    FILE_DISPOSITION_INFO_EX ex{FILE_DISPOSITION_FLAG_DELETE | FILE_DISPOSITION_FLAG_POSIX_SEMANTICS
                                | FILE_DISPOSITION_FLAG_IGNORE_READONLY_ATTRIBUTE};
    if (SetFileInformationByHandle(h, kDispositionInfoEx, &ex, sizeof ex))
        return true;
    error = GetLastError();
    if (error != ERROR_INVALID_PARAMETER && error != ERROR_NOT_SUPPORTED && error != ERROR_INVALID_FUNCTION)
        return false;
    FILE_BASIC_INFO basic{};
    Handle writable;
    if (GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)
        && (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
        writable = Handle(ReOpenFile(h, FILE_WRITE_ATTRIBUTES | SYNCHRONIZE, kShareAll,
                                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT));
        FILE_BASIC_INFO cleared = basic;
        cleared.FileAttributes &= ~DWORD(FILE_ATTRIBUTE_READONLY);
        if (!cleared.FileAttributes)
            cleared.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        if (!writable.valid() || !SetFileInformationByHandle(writable.get(), FileBasicInfo, &cleared, sizeof cleared)) {
            error = ERROR_ACCESS_DENIED;
            return false;
        }
    }
    FILE_DISPOSITION_INFO classic{TRUE};
    if (SetFileInformationByHandle(h, FileDispositionInfo, &classic, sizeof classic))
        return true;
    error = GetLastError();
    if (writable.valid())
        SetFileInformationByHandle(writable.get(), FileBasicInfo, &basic, sizeof basic);
    return false;
}

// The entries of an open folder, read through its handle a batch at a time.
struct Listed
{
    QString name;
    DWORD attributes = 0;
    DWORD tag = 0;
    qint64 allocated = 0;
    winlogic::Kind kind = winlogic::Kind::File;
};

class Lister
{
public:
    explicit Lister(HANDLE dir) : m_dir(dir), m_buffer(64 * 1024) {}

    // The next entry other than "." and ".."; false at the end.
    bool next(Listed &out)
    {
        for (;;) {
            if (!m_pending && !refill())
                return false;
            const auto *e = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO *>(m_buffer.data() + m_at);
            m_pending = e->NextEntryOffset != 0;
            m_at += e->NextEntryOffset;
            const QString name = QString::fromWCharArray(e->FileName, qsizetype(e->FileNameLength / sizeof(WCHAR)));
            if (name == QLatin1String(".") || name == QLatin1String(".."))
                continue;
            out.name = name;
            out.attributes = e->FileAttributes;
            // For a reparse point the EA size field holds its tag.
            out.tag = (e->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? DWORD(e->EaSize) : 0;
            out.kind = winlogic::classify(out.attributes, out.tag);
            out.allocated = out.kind == winlogic::Kind::File ? e->AllocationSize.QuadPart : 0;
            return true;
        }
    }

private:
    bool refill()
    {
        if (m_done)
            return false;
        const FILE_INFO_BY_HANDLE_CLASS cls = m_started ? FileIdBothDirectoryInfo : FileIdBothDirectoryRestartInfo;
        m_started = true;
        if (!GetFileInformationByHandleEx(m_dir, cls, m_buffer.data(), DWORD(m_buffer.size()))) {
            m_done = true;
            return false;
        }
        m_at = 0;
        m_pending = true;
        return true;
    }

    HANDLE m_dir;
    std::vector<unsigned char> m_buffer;
    size_t m_at = 0;
    bool m_pending = false;
    bool m_started = false;
    bool m_done = false;
};

// The chain of open folders from the anchor down to the folder that holds
// `path`, and the last name of `path`. error: a Win32 code, or
// kErrorReplaced when a folder on the way is a reparse point.
struct Parent
{
    std::vector<Handle> chain;
    QString name;
    DWORD error = 0;
    HANDLE folder() const { return chain.back().get(); }
};

Handle openAnchor(const QString &anchor, DWORD &error)
{
    const QString extended = winlogic::extendedPath(anchor);
    if (extended.isEmpty()) {
        error = ERROR_INVALID_NAME;
        return {};
    }
    Handle h(CreateFileW(reinterpret_cast<LPCWSTR>(extended.utf16()), kListAccess, kShareHeld, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.valid()) {
        error = GetLastError();
        return {};
    }
    Info info;
    if (!describe(h.get(), info) || info.kind != winlogic::Kind::Folder) {
        error = kErrorReplaced;
        return {};
    }
    return h;
}

void openParent(const QString &anchor, const QString &path, Parent &out)
{
    const QString a = QDir::fromNativeSeparators(anchor);
    const QString p = QDir::fromNativeSeparators(path);
    const QString prefix = a.endsWith(QLatin1Char('/')) ? a : a + QLatin1Char('/');
    if (a.isEmpty() || !p.startsWith(prefix, Qt::CaseInsensitive) || p.size() == prefix.size()) {
        out.error = ERROR_INVALID_NAME;
        return;
    }
    const QStringList parts = p.mid(prefix.size()).split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")) {
            out.error = ERROR_INVALID_NAME;
            return;
        }
    }
    Handle top = openAnchor(anchor, out.error);
    if (!top.valid())
        return;
    out.chain.push_back(std::move(top));
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        Handle next = openAt(out.folder(), parts.at(i), kListAccess, kShareHeld, true, out.error);
        Info info;
        if (next.valid() && (!describe(next.get(), info) || info.kind != winlogic::Kind::Folder)) {
            out.error = info.tag == IO_REPARSE_TAG_MOUNT_POINT && mountsVolume(next.get(), info)
                ? ERROR_NOT_SAME_DEVICE
                : kErrorReplaced;
            next.reset();
        }
        if (!next.valid()) {
            if (out.error == ERROR_DIRECTORY)
                out.error = kErrorReplaced;
            out.chain.clear();
            return;
        }
        out.chain.push_back(std::move(next));
    }
    out.name = parts.constLast();
}

// Opens entry `name` of `parent` for removal: as a folder to list when it is
// one, otherwise (a file, a link of any kind) as itself.
Handle openForRemoval(HANDLE parent, const QString &name, bool asFolder, Info &info, DWORD &error)
{
    Handle h;
    if (asFolder) {
        h = openAt(parent, name, kListAccess | DELETE, kShareHeld, true, error);
        if (!h.valid() && error != ERROR_DIRECTORY && error != ERROR_ACCESS_DENIED)
            return {};
    }
    const bool listable = h.valid();
    if (!h.valid())
        h = openAt(parent, name, kDeleteAccess, kShareAll, false, error);
    if (h.valid() && !describe(h.get(), info)) {
        error = GetLastError();
        return {};
    }
    // A folder whose entries cannot be read is reported, never taken for
    // empty.
    if (h.valid() && info.kind == winlogic::Kind::Folder && !listable) {
        h.reset();
        if (!asFolder)  // a folder where the listing saw a file
            return openForRemoval(parent, name, true, info, error);
        error = ERROR_ACCESS_DENIED;
    }
    return h;
}

// What every removal walk needs of its Remover.
struct Hooks
{
    const ExclusionMatcher *excluded;
    const Remover::Removed &onRemoved;
    const Remover::Excluded &onExcluded;
    Preview *preview = nullptr;  // set: record what would go, remove nothing

    bool keeps(const QString &folder, const QString &name, bool isFolder) const
    {
        if (!excluded || !excluded->matchesChild(folder, name, isFolder))
            return false;
        if (onExcluded)
            onExcluded(fs::join(folder, name));
        return true;
    }
};

Failure failureFor(const QString &path, DWORD error)
{
    return {path, quint32(error), {}};
}

// Removes the open non-folder `h` (a file, or a link as itself).
void removeOpened(const Hooks &hooks, HANDLE h, const Info &info, const QString &path, QList<Failure> &failures)
{
    if (info.kind == winlogic::Kind::Special)
        return;
    if (info.kind == winlogic::Kind::Link && mountsVolume(h, info)) {
        failures.append({path, quint32(ERROR_NOT_SAME_DEVICE), mountPointReason()});
        return;
    }
    if (hooks.preview) {
        hooks.preview->gone(path, info.allocated, false);
        return;
    }
    DWORD error = 0;
    if (deleteByHandle(h, error)) {
        if (hooks.onRemoved && info.kind == winlogic::Kind::File)
            hooks.onRemoved({info.allocated, info.volume, info.id, info.links});
    } else if (!isGoneError(error)) {
        failures.append(failureFor(path, error));
    }
}

// What a preview does where a folder would be removed once emptied: it
// counts as removed when everything it holds would go.
bool previewFolderGone(Preview &preview, HANDLE h, const QString &path)
{
    QStringList children;
    Lister lister(h);
    Listed e;
    while (lister.next(e))
        children.append(fs::join(path, e.name));
    return preview.folderGone(path, children);
}

// Removes entry `name` of the open folder `parent`: a file or link as
// itself, a folder with everything in it, depth first with one handle per
// level. Excluded entries stay, and so do the folders on the way to them; a
// folder keeping anything stays without being reported (what it keeps is).
void removeEntry(const Hooks &hooks, HANDLE parent, const QString &name, bool asFolder, const QString &path,
                 QList<Failure> &failures)
{
    Info info;
    DWORD error = 0;
    Handle top = openForRemoval(parent, name, asFolder, info, error);
    if (!top.valid()) {
        if (!isGoneError(error))
            failures.append(failureFor(path, error));
        return;
    }
    if (info.kind != winlogic::Kind::Folder) {
        removeOpened(hooks, top.get(), info, path, failures);
        return;
    }
    struct Frame
    {
        Handle handle;
        QString path;
        Lister lister;
    };
    std::vector<Frame> stack;
    const HANDLE topHandle = top.get();
    stack.push_back({std::move(top), path, Lister(topHandle)});
    while (!stack.empty()) {
        Frame &frame = stack.back();
        Listed e;
        if (!frame.lister.next(e)) {
            DWORD ignored = 0;
            if (hooks.preview)
                previewFolderGone(*hooks.preview, frame.handle.get(), frame.path);
            else
                deleteByHandle(frame.handle.get(), ignored);
            stack.pop_back();
            continue;
        }
        if (e.kind == winlogic::Kind::Special)
            continue;
        const bool isFolder = e.kind == winlogic::Kind::Folder;
        if (hooks.keeps(frame.path, e.name, isFolder))
            continue;
        const QString child = fs::join(frame.path, e.name);
        Handle h = openForRemoval(frame.handle.get(), e.name, isFolder, info, error);
        if (!h.valid()) {
            if (!isGoneError(error))
                failures.append(failureFor(child, error));
            continue;
        }
        if (info.kind != winlogic::Kind::Folder) {
            if (!isFolder && info.allocated == 0)
                info.allocated = e.allocated;
            removeOpened(hooks, h.get(), info, child, failures);
            continue;
        }
        const HANDLE sub = h.get();
        stack.push_back({std::move(h), child, Lister(sub)});
    }
}

// Whether the folder open at `h` holds an entry the user excluded, at any
// depth (links are not entered).
bool holdsExcluded(const ExclusionMatcher *excluded, HANDLE h, const QString &path)
{
    if (!excluded)
        return false;
    struct Level
    {
        Handle handle;  // empty for the folder the caller holds
        QString path;
        Lister lister;
    };
    std::vector<Level> stack;
    stack.push_back({Handle(), path, Lister(h)});
    while (!stack.empty()) {
        Level &level = stack.back();
        Listed e;
        if (!level.lister.next(e)) {
            stack.pop_back();
            continue;
        }
        if (e.kind == winlogic::Kind::Special)
            continue;
        const bool isFolder = e.kind == winlogic::Kind::Folder;
        if (excluded->matchesChild(level.path, e.name, isFolder))
            return true;
        if (!isFolder)
            continue;
        DWORD error = 0;
        const HANDLE parent = level.handle.valid() ? level.handle.get() : h;
        Handle sub = openAt(parent, e.name, kListAccess, kShareHeld, true, error);
        Info info;
        // What cannot be looked into cannot be vouched for.
        if (!sub.valid() || !describe(sub.get(), info))
            return !isGoneError(error);
        if (info.kind != winlogic::Kind::Folder)
            continue;
        const HANDLE raw = sub.get();
        QString subPath = fs::join(level.path, e.name);
        stack.push_back({std::move(sub), std::move(subPath), Lister(raw)});
    }
    return false;
}

Reach reachOf(DWORD error)
{
    if (isGoneError(error))
        return Reach::Gone;
    if (error == ERROR_NOT_SAME_DEVICE)
        return Reach::Mount;
    if (error == kErrorReplaced || error == ERROR_DIRECTORY)
        return Reach::Replaced;
    return Reach::Unreadable;
}

} // namespace

quint32 busyError()
{
    return ERROR_SHARING_VIOLATION;
}

void Remover::beginPass() {}

Reach Remover::entries(const QString &anchor, const QString &folder, QStringList &names, QStringList &) const
{
    names.clear();
    Parent parent;
    openParent(anchor, folder, parent);
    if (parent.error != 0)
        return reachOf(parent.error);
    DWORD error = 0;
    Handle h = openAt(parent.folder(), parent.name, kListAccess, kShareHeld, true, error);
    if (!h.valid())
        return reachOf(error);
    Info info;
    if (!describe(h.get(), info))
        return Reach::Unreadable;
    if (info.kind != winlogic::Kind::Folder)
        return mountsVolume(h.get(), info) ? Reach::Mount : Reach::Replaced;
    Lister lister(h.get());
    Listed e;
    while (lister.next(e)) {
        if (e.kind != winlogic::Kind::Special)
            names.append(e.name);
    }
    return Reach::Folder;
}

void Remover::removePermanently(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    const Hooks hooks{m_excluded, m_onRemoved, m_onExcluded, m_preview};
    Parent parent;
    openParent(anchor, path, parent);
    if (parent.error != 0) {
        if (parent.error == ERROR_NOT_SAME_DEVICE)
            failures.append({path, quint32(parent.error), mountPointReason()});
        else if (!isGoneError(parent.error))
            failures.append(failureFor(path, parent.error));
        return;
    }
    removeEntry(hooks, parent.folder(), parent.name, true, path, failures);
}

namespace {

// Releases a COM interface when it goes.
template <typename T>
class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    ComPtr(ComPtr &&other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    T *get() const { return m_p; }
    T **out() { return &m_p; }
    void **outVoid() { return reinterpret_cast<void **>(&m_p); }

private:
    T *m_p = nullptr;
};

// Told of one queued entry's delete (and, for a folder the shell takes
// apart, of its entries first): keeps the outcome for the entry itself.
class DeleteSink final : public IFileOperationProgressSink
{
public:
    explicit DeleteSink(IShellItem *item) : m_item(item) {}

    // The entry went: the shell's own report for it, or, when no report
    // could be matched to it, the last one it gave for this delete.
    bool succeeded() const { return m_reported && m_result == S_OK; }
    // The shell was about to delete something of the entry for good (too
    // large for the bin, a drive without one) and was stopped.
    bool refused() const { return m_refused; }
    bool reported() const { return m_reported; }
    // Where the entry went in the Recycle Bin; empty when unknown or when
    // the shell deleted it for good instead.
    const QString &inTrash() const { return m_inTrash; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override
    {
        if (!out)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IFileOperationProgressSink)) {
            *out = static_cast<IFileOperationProgressSink *>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_refs);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem *item, HRESULT result, IShellItem *created) override
    {
        int order = 1;
        const bool self = item
            && (item == m_item || (m_item && m_item->Compare(item, SICHINT_CANONICAL, &order) == S_OK && order == 0));
        if (self || !m_matched) {
            m_result = result;
            m_reported = true;
            m_matched = self;
            m_inTrash.clear();
            LPWSTR name = nullptr;
            if (created && SUCCEEDED(created->GetDisplayName(SIGDN_FILESYSPATH, &name)) && name)
                m_inTrash = QString::fromWCharArray(name);
            ComApartment::freeTask(name);
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem *, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem *, LPCWSTR, HRESULT, IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem *, IShellItem *, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem *, IShellItem *, LPCWSTR, HRESULT, IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem *, IShellItem *, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem *, IShellItem *, LPCWSTR, HRESULT, IShellItem *) override
    {
        return S_OK;
    }
    // Without "recycle if possible" the shell deletes for good what the bin
    // cannot take, silently under these flags. Nothing goes for good in a
    // move to the bin: stopping here cancels this delete and the rest of
    // the operation, which the caller queues again.
    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem *) override
    {
        if (flags & TSF_DELETE_RECYCLE_IF_POSSIBLE)
            return S_OK;
        m_refused = true;
        return HRESULT_FROM_WIN32(ERROR_CANCELLED);
    }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem *, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem *, LPCWSTR, LPCWSTR, DWORD, HRESULT, IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }

private:
    ~DeleteSink() = default;

    LONG m_refs = 1;
    IShellItem *m_item;  // owned by the queued entry, which outlives the operation
    HRESULT m_result = E_FAIL;
    QString m_inTrash;
    bool m_reported = false;
    bool m_matched = false;
    bool m_refused = false;
};

// One shell operation that moves entries to the Recycle Bin. Each entry is
// queued by its plain path (the shell takes no "\\?\" form) and gets its
// own outcome.
class TrashBatch
{
public:
    TrashBatch()
    {
        if (FAILED(ComApartment::create(__uuidof(FileOperation), __uuidof(IFileOperation), m_op.outVoid()))
            || !m_op.get())
            return;
        DWORD flags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
#ifdef FOFX_RECYCLEONDELETE
        flags |= FOFX_RECYCLEONDELETE;
#endif
        m_ready = SUCCEEDED(m_op.get()->SetOperationFlags(flags));
    }

    // Queues `path`; false when the shell cannot take it.
    bool add(const QString &path)
    {
        if (!m_ready)
            return false;
        const QString native = QDir::toNativeSeparators(path);
        Entry e;
        if (FAILED(SHCreateItemFromParsingName(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr,
                                               __uuidof(IShellItem), e.item.outVoid()))
            || !e.item.get())
            return false;
        e.sink = new DeleteSink(e.item.get());
        if (FAILED(m_op.get()->DeleteItem(e.item.get(), e.sink))) {
            e.sink->Release();
            return false;
        }
        m_entries.push_back(std::move(e));
        return true;
    }

    // Runs the queued moves; afterwards went(i) tells the outcome of the
    // i-th entry queued.
    void perform()
    {
        if (m_ready && !m_entries.empty())
            m_op.get()->PerformOperations();
    }
    bool went(size_t i) const { return m_entries.at(i).sink->succeeded(); }
    bool refused(size_t i) const { return m_entries.at(i).sink->refused(); }
    bool reported(size_t i) const { return m_entries.at(i).sink->reported(); }
    bool anyRefused() const
    {
        return std::any_of(m_entries.begin(), m_entries.end(), [](const Entry &e) { return e.sink->refused(); });
    }
    const QString &inTrash(size_t i) const { return m_entries.at(i).sink->inTrash(); }

private:
    struct Entry
    {
        ComPtr<IShellItem> item;
        DeleteSink *sink = nullptr;
        Entry() = default;
        Entry(Entry &&other) noexcept : item(std::move(other.item)), sink(std::exchange(other.sink, nullptr)) {}
        Entry(const Entry &) = delete;
        Entry &operator=(const Entry &) = delete;
        ~Entry()
        {
            if (sink)
                sink->Release();
        }
    };

    ComPtr<IFileOperation> m_op;
    std::vector<Entry> m_entries;
    bool m_ready = false;
};

} // namespace

// Moving to the Recycle Bin goes through the shell by path, one shell
// operation for all the entries of an item. Every folder on the way to them
// stays open meanwhile (no FILE_SHARE_DELETE), so none of them can be
// renamed or swapped for a link before the shell acts; only the entries
// being moved are left free for it. A folder holding an excluded entry at
// any depth, or one the shell could not move whole, is moved entry by entry
// (listed through its handle) and removed afterwards once empty. A path the
// shell would parse into another name is never handed over.
void Remover::moveToTrash(const QString &anchor, const QString &path, QList<Failure> &failures) const
{
    Parent parent;
    openParent(anchor, path, parent);
    if (parent.error != 0) {
        if (parent.error == ERROR_NOT_SAME_DEVICE)
            failures.append({path, quint32(parent.error), mountPointReason()});
        else if (!isGoneError(parent.error))
            failures.append({path, 0, {}});
        return;
    }
    constexpr size_t kChain = size_t(-1);  // the folder that holds the item
    // Folders being moved entry by entry, each opened through its parent
    // (an earlier one, or the chain).
    struct Held
    {
        Handle handle;
        size_t parent;
        QString name;
        QString path;
    };
    std::vector<Held> held;
    struct Entry
    {
        size_t parent;
        QString name;
        QString path;
        bool split;  // a folder the shell could not move whole
    };
    auto folderOf = [&](size_t i) { return i == kChain ? parent.folder() : held.at(i).handle.get(); };

    const ComApartment com;
    std::vector<Entry> todo{{kChain, parent.name, path, false}};
    while (!todo.empty()) {
        TrashBatch batch;
        std::vector<std::pair<Entry, bool>> queued;  // the entry, whether a folder
        while (!todo.empty()) {
            Entry item = todo.back();
            todo.pop_back();
            const HANDLE in = folderOf(item.parent);
            DWORD error = 0;
            Info info;
            Handle h = openAt(in, item.name, kListAccess, kShareHeld, true, error);
            const bool listable = h.valid();
            if (!h.valid() && (error == ERROR_DIRECTORY || error == ERROR_ACCESS_DENIED))
                h = openAt(in, item.name, FILE_READ_ATTRIBUTES | SYNCHRONIZE, kShareAll, false, error);
            if (!h.valid() || !describe(h.get(), info)) {
                if (!h.valid() && !isGoneError(error))
                    failures.append({item.path, 0, {}});
                continue;
            }
            if (info.kind == winlogic::Kind::Special)
                continue;
            if (info.kind == winlogic::Kind::Link && mountsVolume(h.get(), info)) {
                failures.append({item.path, quint32(ERROR_NOT_SAME_DEVICE), mountPointReason()});
                continue;
            }
            const bool folder = info.kind == winlogic::Kind::Folder;
            // A folder that cannot be looked into cannot be vouched for when
            // something in it may be excluded, nor taken apart.
            if (folder && !listable && (m_excluded || item.split)) {
                failures.append({item.path, 0, {}});
                continue;
            }
            if (!folder || (!item.split && !holdsExcluded(m_excluded, h.get(), item.path))) {
                if (!winlogic::shellCanParse(item.path)) {
                    failures.append({item.path, 0, noTrashReason()});
                    continue;
                }
                if (m_preview) {
                    m_preview->gone(item.path, folder ? fs::measure(item.path).bytes : info.allocated, folder);
                    continue;
                }
                h.reset();  // the shell needs the entry itself free to move it
                // A shell without a working file operation (Wine's is a stub)
                // cannot take anything to the bin: a final skip with its
                // reason, not a busy file to retry.
                if (batch.add(item.path))
                    queued.emplace_back(std::move(item), folder);
                else
                    failures.append({item.path, 0, noTrashReason()});
                continue;
            }
            held.push_back({std::move(h), item.parent, item.name, item.path});
            const size_t at = held.size() - 1;
            Lister lister(held.back().handle.get());
            Listed e;
            while (lister.next(e)) {
                if (e.kind == winlogic::Kind::Special)
                    continue;
                if (m_excluded && m_excluded->matchesChild(item.path, e.name, e.kind == winlogic::Kind::Folder)) {
                    if (m_onExcluded)
                        m_onExcluded(fs::join(item.path, e.name));
                    continue;
                }
                todo.push_back({at, e.name, fs::join(item.path, e.name), false});
            }
        }
        batch.perform();
        // What the shell left: gone all the same, a folder to take apart,
        // or a file to report. A refused delete cancelled the entries after
        // it: those go into the next operation as they are (each round with
        // a refusal settles at least the refused entry).
        const bool cancelled = batch.anyRefused();
        for (size_t i = 0; i < queued.size(); ++i) {
            if (batch.went(i))
                continue;
            Entry &item = queued[i].first;
            if (cancelled && !batch.refused(i) && !batch.reported(i)) {
                todo.push_back(std::move(item));
                continue;
            }
            if (batch.refused(i) && !queued[i].second) {
                failures.append({item.path, 0, noTrashReason()});
                continue;
            }
            DWORD error = 0;
            Handle h = openAt(folderOf(item.parent), item.name, FILE_READ_ATTRIBUTES | SYNCHRONIZE, kShareAll, false,
                              error);
            if (!h.valid() && isGoneError(error))
                continue;
            h.reset();
            if (queued[i].second) {
                item.split = true;
                todo.push_back(std::move(item));
            } else {
                failures.append({item.path, 0, {}});
            }
        }
    }
    // Emptied folders go deepest first, each through the folder above it,
    // which is still held.
    for (size_t i = held.size(); i-- > 0;) {
        held[i].handle.reset();
        DWORD error = 0;
        Handle h = openAt(folderOf(held[i].parent), held[i].name, kListAccess | DELETE, kShareHeld, true, error);
        Info info;
        if (h.valid() && describe(h.get(), info) && info.kind == winlogic::Kind::Folder) {
            if (m_preview)
                previewFolderGone(*m_preview, h.get(), held[i].path);
            else
                deleteByHandle(h.get(), error);
        }
    }
}

bool Remover::removeEmptyFolder(const QString &anchor, const QString &path) const
{
    Parent parent;
    openParent(anchor, path, parent);
    if (parent.error != 0)
        return false;
    DWORD error = 0;
    Handle h = openAt(parent.folder(), parent.name, kListAccess | DELETE, kShareHeld, true, error);
    Info info;
    if (!h.valid() || !describe(h.get(), info) || info.kind != winlogic::Kind::Folder)
        return false;
    return deleteByHandle(h.get(), error);
}

} // namespace removal

#include "app/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

VolumeInfo homeVolume()
{
    VolumeInfo v;
    QStorageInfo storage(QDir::homePath());
    storage.refresh();
    v.rootPath = storage.rootPath();
    v.totalBytes = qMax<qint64>(storage.bytesTotal(), 0);
    v.availableBytes = qMax<qint64>(storage.bytesAvailable(), 0);
    const QString drive = QDir::toNativeSeparators(v.rootPath).left(2);
    QString label = storage.name();
    if (label.isEmpty())
        label = QCoreApplication::translate("Platform", "Local Disk");
    v.displayName = QStringLiteral("%1 (%2)").arg(label, drive);
    v.fileSystem = QString::fromLatin1(storage.fileSystemType()).toUpper();
    return v;
}

QString recycleBinName()
{
    return QCoreApplication::translate("Platform", "Recycle Bin");
}

QString fileManagerName()
{
    return QCoreApplication::translate("Platform", "File Explorer");
}

namespace {

// The shell's Recycle Bin calls need COM in a single-threaded apartment on
// the calling thread, which may be a worker. Joined for the call and left
// afterwards when this call set it up; a thread already in another
// apartment keeps it. ole32 is reached at run time, as Qt has it loaded.
class ComApartment
{
public:
    ComApartment()
    {
        using Init = HRESULT(WINAPI *)(LPVOID, DWORD);
        HMODULE ole = GetModuleHandleW(L"ole32.dll");
        if (!ole)
            ole = LoadLibraryW(L"ole32.dll");
        if (!ole)
            return;
        const auto init = reinterpret_cast<Init>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoInitializeEx")));
        m_uninit = reinterpret_cast<void(WINAPI *)()>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoUninitialize")));
        m_joined = init && m_uninit && SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment()
    {
        if (m_joined)
            m_uninit();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

private:
    void(WINAPI *m_uninit)() = nullptr;
    bool m_joined = false;
};

} // namespace

bool recycleBinInfo(qint64 &bytes, qint64 &items, const std::function<void(const QString &, qint64, qint64)> &)
{
    const ComApartment com;
    SHQUERYRBINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof(SHQUERYRBINFO);
    const HRESULT hr = SHQueryRecycleBinW(nullptr, &info);
    if (FAILED(hr))
        return false;
    bytes = qint64(info.i64Size);
    items = qint64(info.i64NumItems);
    return true;
}

bool emptyRecycleBin(const std::function<void(qint64)> &)
{
    const ComApartment com;
    const HRESULT hr = SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    // E_UNEXPECTED is what the shell answers for a bin that is already empty.
    return !FAILED(hr) || hr == HRESULT(0x8000FFFF);
}

// Through the shell's own call rather than an explorer.exe command line,
// which splits paths at commas and mangles some with spaces.
void revealInFileManager(const QString &path, const std::function<void()> &failed)
{
    const QFileInfo info(path);
    bool shown = false;
    if (info.exists() || info.isSymLink()) {
        const QString native = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
        if (info.isDir() && !info.isSymLink()) {
            shown = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"explore", reinterpret_cast<LPCWSTR>(native.utf16()),
                                                            nullptr, nullptr, SW_SHOWNORMAL))
                > 32;
        } else {
            const ComApartment com;
            PIDLIST_ABSOLUTE item = nullptr;
            if (SUCCEEDED(SHParseDisplayName(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, &item, 0, nullptr))
                && item) {
                shown = SUCCEEDED(SHOpenFolderAndSelectItems(item, 0, nullptr, 0));
                ILFree(item);
            }
        }
    }
    if (!shown && failed)
        failed();
}

bool isElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation;
    DWORD size = 0;
    const BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return ok && elevation.TokenIsElevated != 0;
}

bool relaunchElevated()
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString parameters = QStringLiteral("--elevated");
    SHELLEXECUTEINFOW info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof(SHELLEXECUTEINFOW);
    // Synchronous, so that the consent prompt has finished before this
    // returns, and owned by the active window, so that the prompt comes to
    // the front instead of flashing in the task bar.
    info.fMask = SEE_MASK_NOASYNC;
    info.hwnd = GetActiveWindow();
    info.lpVerb = L"runas";
    info.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    info.lpParameters = reinterpret_cast<LPCWSTR>(parameters.utf16());
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

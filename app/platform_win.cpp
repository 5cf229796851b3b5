#include "app/platform.h"

#include "app/comapartment_win.h"
#include "scan/winlogic.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <memory>

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
    //: The Windows bin, standing alone (a list entry, a log line)
    return QCoreApplication::translate("Platform", "Recycle Bin");
}

QString fileManagerName()
{
    //: The Windows file manager, standing alone
    return QCoreApplication::translate("Platform", "File Explorer");
}

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

BinEmptied emptyRecycleBin(const std::function<void(qint64)> &)
{
    // The shell empties the bin as a whole; what it removed is what the bin
    // no longer holds afterwards.
    BinEmptied out;
    qint64 bytesBefore = 0, itemsBefore = 0, bytesAfter = 0, itemsAfter = 0;
    const bool known = recycleBinInfo(bytesBefore, itemsBefore);
    const ComApartment com;
    const HRESULT hr = SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    // E_UNEXPECTED is what the shell answers for a bin that is already empty.
    const bool ok = !FAILED(hr) || hr == HRESULT(0x8000FFFF);
    if (known && recycleBinInfo(bytesAfter, itemsAfter)) {
        out.bytes = std::max<qint64>(bytesBefore - bytesAfter, 0);
        out.items = std::max<qint64>(itemsBefore - itemsAfter, 0);
    }
    if (!ok || itemsAfter > 0)
        out.stayed.append({recycleBinName(), QStringLiteral("could not empty")});
    return out;
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

namespace {

// The elevation type (TOKEN_ELEVATION_TYPE) and elevation of this process's
// token; false when the token cannot be read.
bool readElevation(TOKEN_ELEVATION_TYPE *type, bool *elevated)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation;
    ZeroMemory(&elevation, sizeof elevation);
    DWORD size = 0;
    bool ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != FALSE;
    if (ok && type)
        ok = GetTokenInformation(token, TokenElevationType, type, sizeof *type, &size) != FALSE;
    CloseHandle(token);
    *elevated = ok && elevation.TokenIsElevated != 0;
    return ok;
}

} // namespace

bool isElevated()
{
    bool elevated = false;
    readElevation(nullptr, &elevated);
    return elevated;
}

bool elevationHelps(bool systemWide)
{
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    bool elevated = false;
    // A token that cannot be read offers nothing: whom the prompt would run
    // as is unknown.
    return readElevation(&type, &elevated) && winlogic::elevationHelps(int(type), elevated, systemWide);
}

namespace {

class InstallerQuitFilter final : public QAbstractNativeEventFilter
{
public:
    explicit InstallerQuitFilter(std::function<void()> quit)
        : m_quit(std::move(quit)), m_message(RegisterWindowMessageW(L"Varnholt.QuitForInstall"))
    {
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (m_message == 0 || type != "windows_generic_MSG")
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        // A broadcast reaches every copy: only the one named acts on it.
        if (msg->message != m_message || msg->wParam != WPARAM(GetCurrentProcessId()))
            return false;
        if (!m_asked) {
            m_asked = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), m_quit, Qt::QueuedConnection);
        }
        return true;
    }

private:
    std::function<void()> m_quit;
    UINT m_message;
    bool m_asked = false;
};

} // namespace

void quitWhenInstallerAsks(const std::function<void()> &quit)
{
    static std::unique_ptr<InstallerQuitFilter> filter;
    if (!QCoreApplication::instance() || filter)
        return;
    filter = std::make_unique<InstallerQuitFilter>(quit);
    QCoreApplication::instance()->installNativeEventFilter(filter.get());
}

bool relaunchElevated(quintptr window)
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString parameters = QStringLiteral("--elevated");
    SHELLEXECUTEINFOW info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof(SHELLEXECUTEINFOW);
    // Synchronous, so that the consent prompt has finished before this
    // returns, and owned by the caller's window, so that the prompt comes to
    // the front instead of flashing in the task bar. The process handle says
    // the new instance really exists before this one quits.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = window ? reinterpret_cast<HWND>(window) : GetActiveWindow();
    info.lpVerb = L"runas";
    info.lpFile = reinterpret_cast<LPCWSTR>(program.utf16());
    info.lpParameters = reinterpret_cast<LPCWSTR>(parameters.utf16());
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        // ERROR_CANCELLED is the user saying no at the prompt; like any other
        // failure it leaves this instance running as it was.
        return false;
    }
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return true;
}

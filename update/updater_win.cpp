#include "update/updater.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <windows.h>

#include <shellapi.h>
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>
#include <winver.h>

#include <vector>

namespace {

// Display name of the first signer of a file's Authenticode signature; empty when the
// file is unsigned, the signature is not trusted, or anything else fails.
QString authenticodePublisher(const QString &path)
{
    const std::wstring file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();

    WINTRUST_FILE_INFO fileInfo {};
    fileInfo.cbStruct = sizeof fileInfo;
    fileInfo.pcwszFilePath = file.c_str();

    WINTRUST_DATA trust {};
    trust.cbStruct = sizeof trust;
    trust.dwUIChoice = WTD_UI_NONE;
    trust.fdwRevocationChecks = WTD_REVOKE_NONE;
    trust.dwUnionChoice = WTD_CHOICE_FILE;
    trust.pFile = &fileInfo;
    trust.dwStateAction = WTD_STATEACTION_VERIFY;
    // Verification must not wait on the network from the GUI thread.
    trust.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;

    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const HWND noWindow = static_cast<HWND>(INVALID_HANDLE_VALUE);
    QString name;
    if (WinVerifyTrust(noWindow, &action, &trust) == 0) {
        CRYPT_PROVIDER_DATA *provider = WTHelperProvDataFromStateData(trust.hWVTStateData);
        CRYPT_PROVIDER_SGNR *signer =
            provider ? WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0) : nullptr;
        if (signer && signer->csCertChain > 0 && signer->pasCertChain
            && signer->pasCertChain[0].pCert) {
            wchar_t buffer[512] = {};
            const DWORD length = CertGetNameStringW(signer->pasCertChain[0].pCert,
                                                    CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr,
                                                    buffer, 512);
            if (length > 1)
                name = QString::fromWCharArray(buffer, int(length) - 1);
        }
    }
    trust.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(noWindow, &action, &trust);
    return name;
}

// The file version of an installer's own version resource as "a.b.c.d"; empty
// when it has none.
QString fileVersion(const QString &path)
{
    const std::wstring file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        return {};
    void *block = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &length) || !block || length < sizeof(VS_FIXEDFILEINFO))
        return {};
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(block);
    if (fixed->dwSignature != 0xFEEF04BD)
        return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(HIWORD(fixed->dwFileVersionMS))
        .arg(LOWORD(fixed->dwFileVersionMS))
        .arg(HIWORD(fixed->dwFileVersionLS))
        .arg(LOWORD(fixed->dwFileVersionLS));
}

} // namespace

QString Updater::defaultDownloadFolder()
{
    // The temporary folder is per user on Windows.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/Varnholt-update");
}

bool Updater::hasPublishedVersion(const QString &path) const
{
    // A validly signed installer of an older release must not pass for the new one.
    return isSameVersion(fileVersion(path), m_info.version);
}

bool Updater::isSignedByPublisher(const QString &path) const
{
    return authenticodePublisher(path) == m_publisher;
}

bool Updater::preparePrivateFolder(const QString &folder)
{
    // The temporary folder is per user on Windows.
    return QDir().mkpath(folder);
}

QString Updater::defaultLauncher(const QString &installerPath)
{
    const std::wstring file = QDir::toNativeSeparators(installerPath).toStdWString();
    const wchar_t parameters[] = L"/SILENT /SP- /SUPPRESSMSGBOXES /NORESTART /CLOSEAPPLICATIONS /update=1";

    SHELLEXECUTEINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters;
    info.lpDirectory = nullptr;
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info))
        return {};
    if (GetLastError() == ERROR_CANCELLED)
        return tr("The update was not installed, because Windows did not get permission to install it.");
    return tr("Could not start the installer.");
}

#include "update/updater.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

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

} // namespace

QByteArray Updater::builtInSigningKey()
{
    return {};
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

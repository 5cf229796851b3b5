#include "update/updater.h"

#include "update/signature.h"

#include <QCryptographicHash>
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

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

// SHA-256 thumbprint of the certificate that signed a file's Authenticode
// signature (the first signer, not a counter-signer); empty when the file is
// unsigned, the signature is not trusted, or anything else fails. `held` is
// an open handle of the file, so the signature read is that of the file held.
QByteArray signerThumbprint(const QString &path, HANDLE held)
{
    const std::wstring file = nativePath(path);

    WINTRUST_FILE_INFO fileInfo {};
    fileInfo.cbStruct = sizeof fileInfo;
    fileInfo.pcwszFilePath = file.c_str();
    fileInfo.hFile = held;

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
    QByteArray thumbprint;
    if (WinVerifyTrust(noWindow, &action, &trust) == 0) {
        CRYPT_PROVIDER_DATA *provider = WTHelperProvDataFromStateData(trust.hWVTStateData);
        CRYPT_PROVIDER_SGNR *signer =
            provider ? WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0) : nullptr;
        // The chain starts with the signer's own certificate. Names are
        // anyone's to choose in a certificate; its hash is not.
        if (signer && signer->csCertChain > 0 && signer->pasCertChain
            && signer->pasCertChain[0].pCert) {
            const PCCERT_CONTEXT certificate = signer->pasCertChain[0].pCert;
            BYTE hash[32] = {};
            DWORD size = sizeof hash;
            if (CertGetCertificateContextProperty(certificate, CERT_SHA256_HASH_PROP_ID, hash, &size)
                && size == sizeof hash) {
                thumbprint = QByteArray(reinterpret_cast<const char *>(hash), int(size));
            } else if (certificate->pbCertEncoded && certificate->cbCertEncoded > 0) {
                // Systems that do not compute that property: the thumbprint
                // is the hash of the encoded certificate all the same.
                thumbprint = QCryptographicHash::hash(
                    QByteArrayView(certificate->pbCertEncoded, qsizetype(certificate->cbCertEncoded)),
                    QCryptographicHash::Sha256);
            }
        }
    }
    trust.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(noWindow, &action, &trust);
    return thumbprint;
}

// The file version of an installer's own version resource as "a.b.c.d"; empty
// when it has none.
QString fileVersion(const QString &path)
{
    const std::wstring file = nativePath(path);
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

bool Updater::isSignedByPublisher(const QString &path, const FileHold &hold) const
{
    return signature::isAcceptedSigner(signerThumbprint(path, static_cast<HANDLE>(hold.get())), m_signers);
}

bool Updater::placeDownload(const QString &partPath, const QString &finalPath)
{
    const std::wstring from = nativePath(partPath);
    const std::wstring to = nativePath(finalPath);
    for (int retries = 0;; ++retries) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
            return true;
        if (!retryBusyFile(GetLastError(), retries))
            return false;
        Sleep(kBusyRetryMs);
    }
}

Updater::FileHold Updater::holdFile(const QString &path)
{
    const std::wstring file = nativePath(path);
    for (int retries = 0;; ++retries) {
        // Reading is all that is shared: starting the installer only reads
        // it, while writing, renaming and removing it wait for the release.
        // A link in its place is opened as itself and refused below.
        const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION info {};
            if (GetFileInformationByHandle(handle, &info)
                && !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
                return FileHold(handle, CloseHandle);
            CloseHandle(handle);
            return {};
        }
        if (!retryBusyFile(GetLastError(), retries))
            return {};
        Sleep(kBusyRetryMs);
    }
}

bool Updater::preparePrivateFolder(const QString &folder)
{
    // The temporary folder is per user on Windows.
    return QDir().mkpath(folder);
}

QString Updater::defaultLauncher(const QString &installerPath)
{
    const std::wstring file = nativePath(installerPath);
    const wchar_t parameters[] = L"/SILENT /SP- /SUPPRESSMSGBOXES /NORESTART /CLOSEAPPLICATIONS /update=1";

    // Synchronous: when this returns the installer's process exists (after
    // its elevation prompt), so the caller's hold on the file may end.
    SHELLEXECUTEINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters;
    info.lpDirectory = nullptr;
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) {
        if (info.hProcess)
            CloseHandle(info.hProcess);
        return {};
    }
    if (GetLastError() == ERROR_CANCELLED)
        return tr("The update was not installed, because Windows did not get permission to install it.");
    return tr("Could not start the installer.");
}

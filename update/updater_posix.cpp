#include "update/updater.h"

#include "app/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <openssl/evp.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

// The public half of the release signing key; the private half never leaves the release machine.
constexpr unsigned char kReleaseKey[32] = {
    0x81, 0x84, 0xf4, 0x14, 0x36, 0x95, 0xc3, 0xdf, 0xe6, 0x0f, 0xb6, 0xcb, 0x60, 0x50, 0x71, 0xeb,
    0x47, 0xf0, 0x2b, 0x9e, 0x09, 0x77, 0x44, 0x22, 0x16, 0x5d, 0x11, 0x47, 0xa1, 0xc8, 0x8a, 0xa7,
};

struct PkeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};

// Writes data to a new file next to target and renames it over target, so the old
// AppImage stays intact until the new one is complete.
QString replaceAtomically(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QByteArray tmpl = QFile::encodeName(QFileInfo(target).absolutePath()) + "/.varnholt-update-XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return QString::fromLocal8Bit(strerror(errno));
    QFile out;
    if (!out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(tmpl.constData());
        return out.errorString();
    }
    QString error;
    while (error.isEmpty() && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            error = in.errorString();
        else if (out.write(chunk) != chunk.size())
            error = out.errorString();
    }
    if (error.isEmpty() && (::fchmod(fd, 0755) != 0 || ::fsync(fd) != 0))
        error = QString::fromLocal8Bit(strerror(errno));
    out.close();
    if (error.isEmpty() && ::rename(tmpl.constData(), QFile::encodeName(target).constData()) != 0)
        error = QString::fromLocal8Bit(strerror(errno));
    if (!error.isEmpty())
        ::unlink(tmpl.constData());
    return error;
}

// The AppImage runtime names the image it started from; only a plain file of ours is replaced.
QString replaceableAppImage()
{
    const QString path = qEnvironmentVariable("APPIMAGE");
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return path;
}

} // namespace

QByteArray Updater::builtInSigningKey()
{
    return QByteArray(reinterpret_cast<const char *>(kReleaseKey), sizeof kReleaseKey);
}

bool Updater::isSignedByPublisher(const QString &path) const
{
    return hasValidSignature(path, m_info.signature, m_signingKey);
}

bool Updater::hasValidSignature(const QString &path, const QString &base64Signature,
                                const QByteArray &rawPublicKey)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64Signature.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != 64 || rawPublicKey.size() != 32)
        return false;
    const std::unique_ptr<EVP_PKEY, PkeyFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(rawPublicKey.constData()),
        size_t(rawPublicKey.size())));
    if (!key)
        return false;

    // Ed25519 signs the whole message at once; mapping the file avoids a copy of up to 300 MiB.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const uchar *data = size > 0 ? file.map(0, size) : reinterpret_cast<const uchar *>("");
    if (!data)
        return false;

    const std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    const bool ok = ctx && EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) == 1
        && EVP_DigestVerify(ctx.get(),
                            reinterpret_cast<const unsigned char *>(decoded.decoded.constData()),
                            size_t(decoded.decoded.size()), data, size_t(size))
            == 1;
    return ok;
}

bool Updater::preparePrivateFolder(const QString &folder)
{
    // The temporary folder may be shared with other users: the download folder must be
    // ours alone, or someone could swap the installer between verification and start.
    QDir().mkpath(QFileInfo(folder).absolutePath());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return false;
    return true;
}

QString Updater::defaultLauncher(const QString &installerPath)
{
    const QString appImage = replaceableAppImage();
    if (appImage.isEmpty()) {
        revealInFileManager(installerPath);
        return tr("The update was downloaded. Install it with your package manager.");
    }
    const QString error = replaceAtomically(installerPath, appImage);
    if (!error.isEmpty())
        return tr("Could not save the update: %1").arg(error);
    if (!QProcess::startDetached(appImage, {QStringLiteral("--updated")}))
        return tr("Could not start the installer.");
    return {};
}

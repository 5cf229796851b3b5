#include "update/updater.h"

#include "app/platform.h"
#include "scan/pathrules.h"
#include "update/appimage.h"
#include "update/signature.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

QString Updater::defaultDownloadFolder()
{
    // Per user: in a shared temporary folder anyone could take the name first.
    return userFolder(UserFolder::Cache) + QStringLiteral("/Varnholt/update");
}

bool Updater::isSignedByPublisher(const QString &path, const FileHold &) const
{
    return hasValidSignature(path, m_info.signature, m_signingKey);
}

bool Updater::hasPublishedVersion(const QString &) const
{
    return true;
}

bool Updater::hasValidSignature(const QString &path, const QString &base64Signature,
                                const QByteArray &rawPublicKey)
{
    const QByteArray sig = signature::decode(base64Signature.toLatin1());
    if (sig.isEmpty())
        return false;
    // Ed25519 signs the whole message at once; mapping the file avoids a copy of up to 300 MiB.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const uchar *data = size > 0 ? file.map(0, size) : reinterpret_cast<const uchar *>("");
    return data
        && signature::verify(QByteArrayView(reinterpret_cast<const char *>(data), size), sig, rawPublicKey);
}

bool Updater::placeDownload(const QString &partPath, const QString &finalPath)
{
    QFile::remove(finalPath);
    return QFile::rename(partPath, finalPath);
}

Updater::FileHold Updater::holdFile(const QString &)
{
    // Nobody else can enter the download folder (preparePrivateFolder).
    return std::make_shared<bool>(true);
}

bool Updater::preparePrivateFolder(const QString &folder)
{
    // The download folder must be ours alone, or someone could swap the installer
    // between verification and start: owned by us, 0700, and not a link.
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
    const QString appImage = appimage::runningImage();
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

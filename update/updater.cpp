#include "update/updater.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QStandardPaths>

#ifndef VARNHOLT_VERSION
#define VARNHOLT_VERSION "1.0.0"
#endif

namespace {

const QString kFallbackInstallerName = QStringLiteral("varnholt-update");

// Compares two runs of decimal digits by value without converting them, so a
// 39-digit segment cannot overflow and "010" equals "10".
int compareDigits(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.sliced(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.sliced(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

int compareVersions(const QString &a, const QString &b)
{
    const QStringList left = a.split(u'.');
    const QStringList right = b.split(u'.');
    const qsizetype n = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString l = i < left.size() ? left.at(i) : QStringLiteral("0");
        const QString r = i < right.size() ? right.at(i) : QStringLiteral("0");
        if (const int c = compareDigits(l, r); c != 0)
            return c < 0 ? -1 : 1;
    }
    return 0;
}

} // namespace

QUrl Updater::defaultManifestUrl()
{
    return QUrl(QStringLiteral("https://updates.varnholt.app/desktop/upgrade.json"));
}

QString Updater::defaultTrustedDomain()
{
    return QStringLiteral("varnholt.app");
}

QString Updater::platformKey()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("win");
#else
    return QStringLiteral("linux");
#endif
}

Updater::Updater(QObject *parent, const QUrl &manifestUrl, const QString &trustedDomain)
    : QObject(parent)
    , m_manifestUrl(manifestUrl)
    , m_network(new QNetworkAccessManager(this))
    , m_downloadFolder(QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                       + QStringLiteral("/Varnholt-update"))
    , m_trustedDomain(trustedDomain)
    , m_publisher(QStringLiteral("Quorvane Technology Limited"))
    , m_currentVersion(QStringLiteral(VARNHOLT_VERSION))
    , m_launcher(&Updater::defaultLauncher)
    , m_signingKey(builtInSigningKey())
{
}

Updater::~Updater()
{
    // Quitting in the middle of a download must not leave a half-written installer behind.
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
    }
    if (m_file) {
        const QString partPath = m_file->fileName();
        m_file->close();
        m_file.reset();
        QFile::remove(partPath);
    }
}

void Updater::setInstallerLauncher(Launcher launcher)
{
    m_launcher = std::move(launcher);
}

void Updater::setSigningKey(const QByteArray &rawPublicKey)
{
    m_signingKey = rawPublicKey;
}

void Updater::setExtraCaCertificates(const QList<QSslCertificate> &certificates)
{
    m_extraCas = certificates;
}

void Updater::setState(int state)
{
    m_state = state;
    emit stateChanged();
}

QNetworkRequest Updater::makeRequest(const QUrl &url, int timeoutMs) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QString(QStringLiteral("Varnholt/") + m_currentVersion));
#if QT_CONFIG(ssl)
    if (!m_extraCas.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(m_extraCas);
        request.setSslConfiguration(tls);
    }
#endif
    return request;
}

// ---- manifest ---------------------------------------------------------------

bool Updater::isValidVersion(const QString &version)
{
    // Anchored as a whole: a plain "$" would also accept a trailing newline.
    static const QRegularExpression rule(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(?:\\.[0-9]+){1,3}")));
    return version.size() < 40 && rule.match(version).hasMatch();
}

bool Updater::isNewerVersion(const QString &published, const QString &current)
{
    if (!isValidVersion(published) || !isValidVersion(current))
        return false;
    return compareVersions(published, current) > 0;
}

bool Updater::isTrustedUrl(const QUrl &url, const QString &trustedDomain)
{
    if (trustedDomain.isEmpty())
        return true;
    if (url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0)
        return false;
    if (!url.userName().isEmpty() || !url.password().isEmpty()
        || url.authority(QUrl::FullyEncoded).contains(u'@'))
        return false;
    const QString host = url.host().toLower();
    const QString domain = trustedDomain.toLower();
    return !host.isEmpty() && (host == domain || host.endsWith(u'.' + domain));
}

Updater::ManifestResult Updater::parseManifest(const QByteArray &body, const QString &trustedDomain,
                                               UpdateInfo &info)
{
    info = {};
    if (body.size() > kMaxManifestBytes)
        return ManifestResult::Invalid;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return ManifestResult::Invalid;
    const QJsonObject root = document.object();
    // Nothing published for this platform is not an error: the program is up to date.
    if (!root.contains(platformKey()))
        return ManifestResult::NoEntry;
    const QJsonObject entry = root.value(platformKey()).toObject();

    UpdateInfo parsed;
    parsed.version = entry.value(QLatin1String("version")).toString();
    QJsonValue address = entry.value(QLatin1String("url"));
    QJsonValue checksum = entry.value(QLatin1String("sha256"));
    QJsonValue signature = entry.value(QLatin1String("sig"));
#if defined(Q_PROCESSOR_ARM_64)
    if (entry.contains(QLatin1String("arm64url"))) {
        address = entry.value(QLatin1String("arm64url"));
        checksum = entry.value(QLatin1String("arm64sha256"));
        signature = entry.value(QLatin1String("arm64sig"));
    }
#endif
    parsed.url = QUrl(address.toString(), QUrl::StrictMode);

    // A relative address would resolve against nothing; only absolute ones can be downloaded.
    if (!isValidVersion(parsed.version) || !parsed.url.isValid() || parsed.url.isRelative()
        || !isTrustedUrl(parsed.url, trustedDomain))
        return ManifestResult::Invalid;

    static const QRegularExpression hex64(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9a-fA-F]{64}")));
    if (!checksum.isString() || !hex64.match(checksum.toString()).hasMatch())
        return ManifestResult::Invalid;
    parsed.sha256 = checksum.toString().toLower();

    parsed.size = entry.value(QLatin1String("size")).toString();
    parsed.date = entry.value(QLatin1String("date")).toString();
    // A missing or wrong-typed signature is caught by the verification, with the publisher text.
    parsed.signature = signature.toString();

    const QJsonValue change = entry.value(QLatin1String("change"));
    if (!change.isArray())
        return ManifestResult::Invalid;
    const QJsonArray lines = change.toArray();
    for (const QJsonValue &line : lines) {
        if (!line.isString())
            return ManifestResult::Invalid;
        parsed.changes.append(line.toString());
    }
    info = parsed;
    return ManifestResult::Valid;
}

void Updater::check()
{
    if (m_reply || m_state == Checking || m_state == Downloading || m_state == Installing)
        return;
    m_info = {};
    m_error.clear();
    setState(Checking);

    QNetworkReply *reply = m_network->get(makeRequest(m_manifestUrl, kCheckTimeoutMs));
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [reply] {
        if (reply->bytesAvailable() > kMaxManifestBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onCheckFinished(reply); });
}

void Updater::onCheckFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (m_reply == reply)
        m_reply = nullptr;

    QString error;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        error = reply->errorString();
    } else if (status != 200) {
        error = QStringLiteral("HTTP %1").arg(status);
    } else {
        UpdateInfo parsed;
        switch (parseManifest(reply->readAll(), m_trustedDomain, parsed)) {
        case ManifestResult::NoEntry:
            setState(UpToDate);
            return;
        case ManifestResult::Invalid:
            error = tr("The update information could not be read.");
            break;
        case ManifestResult::Valid:
            m_info = parsed;
            break;
        }
    }

    if (!error.isEmpty()) {
        m_error = error;
        setState(Failed);
    } else {
        setState(isNewerVersion(m_info.version, m_currentVersion) ? Available : UpToDate);
    }
}

// ---- download ---------------------------------------------------------------

QString Updater::installerFileName(const QUrl &url)
{
    const QString name = url.fileName();
    // The name becomes a path inside the download folder: anything that could step
    // out of it or is not a plain file name on every platform falls back to ours.
    static const QRegularExpression unsafe(QStringLiteral("[\\x00-\\x1f<>:\"/\\\\|?*]"));
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(unsafe))
        return kFallbackInstallerName;
    return name;
}

void Updater::download()
{
    if (m_state != Available || m_reply)
        return;
    m_error.clear();
    m_bytesReceived = 0;
    m_bytesTotal = 0;

    if (!isTrustedUrl(m_info.url, m_trustedDomain)) {
        m_error = tr("The update is not on Varnholt's server.");
        emit stateChanged();
        return;
    }
    if (!preparePrivateFolder(m_downloadFolder)) {
        m_error = tr("Could not save the update: %1").arg(QDir::toNativeSeparators(m_downloadFolder));
        emit stateChanged();
        return;
    }
    m_finalPath = m_downloadFolder + u'/' + installerFileName(m_info.url);
    QFile::remove(m_finalPath);

    // A stale partial file is removed and the new one created exclusively, so the
    // download never writes through a link someone left under that name.
    const QString partPath = m_finalPath + QStringLiteral(".part");
    QFile::remove(partPath);
    auto file = std::make_unique<QFile>(partPath);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        m_error = tr("Could not save the update: %1").arg(file->errorString());
        emit stateChanged();
        return;
    }
    m_file = std::move(file);
    setState(Downloading);

    QNetworkReply *reply = m_network->get(makeRequest(m_info.url, kDownloadTimeoutMs));
    m_reply = reply;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &target) {
        if (!isTrustedUrl(target, m_trustedDomain))
            failDownload(reply, tr("The update is not on Varnholt's server."));
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { onDownloadData(reply); });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        m_bytesReceived = received;
        m_bytesTotal = total;
        emit stateChanged();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onDownloadFinished(reply); });
}

void Updater::cancel()
{
    if (m_state == Downloading && m_reply)
        m_reply->abort();
}

bool Updater::writeChunk(const QByteArray &data, QString *failure)
{
    if (m_file->pos() + data.size() > kMaxDownloadBytes) {
        *failure = tr("The update has an unexpected size.");
        return false;
    }
    if (m_file->write(data) < data.size()) {
        *failure = tr("Could not save the update: %1").arg(m_file->errorString());
        return false;
    }
    return true;
}

void Updater::onDownloadData(QNetworkReply *reply)
{
    if (!m_file)
        return;
    QString failure;
    if (!writeChunk(reply->readAll(), &failure))
        failDownload(reply, failure);
}

void Updater::failDownload(QNetworkReply *reply, const QString &text)
{
    // Detach first: aborting emits finished at once, which must not read as a cancel.
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    if (m_reply == reply)
        m_reply = nullptr;
    finishDownload(text);
}

void Updater::onDownloadFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (m_reply == reply)
        m_reply = nullptr;
    if (!m_file)
        return;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString text;
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        finishDownload(QString(), true);
        return;
    }
    if (reply->error() != QNetworkReply::NoError)
        text = reply->errorString();
    else if (status != 200)
        text = QStringLiteral("HTTP %1").arg(status);
    else
        writeChunk(reply->readAll(), &text);
    finishDownload(text);
}

void Updater::finishDownload(QString text, bool canceled)
{
    if (!m_file)
        return;
    const QString partPath = m_file->fileName();
    m_file->close();
    m_file.reset();
    m_bytesReceived = 0;
    m_bytesTotal = 0;

    if (!canceled && text.isEmpty())
        text = verifyDownload(partPath);
    if (!canceled && text.isEmpty()) {
        QFile::remove(m_finalPath);
        if (!QFile::rename(partPath, m_finalPath))
            text = tr("Could not save the update: %1").arg(QDir::toNativeSeparators(m_finalPath));
    }
    if (!canceled && text.isEmpty()) {
        setState(Installing);
        const QString launchError =
            m_launcher ? m_launcher(m_finalPath) : tr("Could not start the installer.");
        if (launchError.isEmpty()) {
            emit quitForUpdate();
        } else {
            m_error = launchError;
            setState(Available);
        }
        return;
    }

    QFile::remove(partPath);
    m_error = canceled ? QString() : tr("The update could not be downloaded: %1").arg(text);
    setState(Available);
}

QString Updater::verifyDownload(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("Could not read the update.");
    const qint64 size = file.size();
    if (size < kMinInstallerBytes || size > kMaxDownloadBytes)
        return tr("The update has an unexpected size.");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (m_info.sha256.isEmpty() || !hash.addData(&file) || file.pos() != size
        || hash.result().toHex() != m_info.sha256.toLower().toLatin1())
        return tr("The update does not match the published checksum.");
    file.close();
    if (!m_publisher.isEmpty() && !isSignedByPublisher(path))
        return tr("The update is not signed by %1.").arg(m_publisher);
    return {};
}

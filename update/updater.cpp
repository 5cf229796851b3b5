#include "update/updater.h"

#include "update/signature.h"

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
#include <QSysInfo>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <utility>

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

// Whether a build for `arch` (QSysInfo's names: "x86_64", "arm64", ...) runs here.
bool runsHere(const QString &arch)
{
    const QString own = QSysInfo::buildCpuArchitecture();
#if defined(Q_OS_WIN)
    // Windows on ARM64 runs x64 programs.
    if (own == u"arm64" && arch == u"x86_64")
        return true;
#endif
    return arch == own;
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
    , m_deadline(new QTimer(this))
    , m_downloadFolder(defaultDownloadFolder())
    , m_trustedDomain(trustedDomain)
    , m_publisher(QStringLiteral("Quorvane Technology Limited"))
    , m_signers(signature::releaseSigners())
    , m_currentVersion(QStringLiteral(VARNHOLT_VERSION))
    , m_launcher(&Updater::defaultLauncher)
    , m_signingKey(signature::releaseKey())
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, &Updater::onDeadline);
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

void Updater::setAcceptedSigners(const QStringList &sha256Thumbprints)
{
    m_signers = sha256Thumbprints;
}

void Updater::setSigningKey(const QByteArray &rawPublicKey)
{
    m_signingKey = rawPublicKey;
}

void Updater::setDeadlines(const Deadlines &deadlines)
{
    m_deadlines = deadlines;
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

bool Updater::isSameVersion(const QString &a, const QString &b)
{
    return isValidVersion(a) && isValidVersion(b) && compareVersions(a, b) == 0;
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

QUrl Updater::signatureUrl(const QUrl &manifestUrl)
{
    QUrl url = manifestUrl;
    url.setPath(url.path() + QStringLiteral(".sig"));
    return url;
}

bool Updater::isSignedManifest(const QByteArray &body, const QByteArray &signatureText,
                               const QByteArray &rawPublicKey)
{
    return signature::verify(body, signature::decode(signatureText), rawPublicKey);
}

Updater::ManifestResult Updater::parseManifest(const QByteArray &body, const QString &trustedDomain,
                                               UpdateInfo &info, const QDateTime &now)
{
    info = {};
    if (body.size() > kMaxManifestBytes)
        return ManifestResult::Invalid;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return ManifestResult::Invalid;
    const QJsonObject root = document.object();
    // A signed manifest holds only until the time it names, so an old one cannot
    // be served forever to keep the program from hearing of newer releases.
    const QDateTime expires =
        QDateTime::fromString(root.value(QLatin1String("expires")).toString(), Qt::ISODate);
    if (!expires.isValid() || now >= expires)
        return ManifestResult::Invalid;
    // Nothing published for this platform is not an error: the program is up to date.
    if (!root.contains(platformKey()))
        return ManifestResult::NoEntry;
    const QJsonObject entry = root.value(platformKey()).toObject();

    // "url" is the build for the processor "arch" names (x86_64 when it names none);
    // "arm64url" is always the ARM64 build and is preferred by one.
    const QJsonValue arch = entry.value(QLatin1String("arch"));
    if (!arch.isUndefined() && !arch.isString())
        return ManifestResult::Invalid;
    const bool arm64Build = QSysInfo::buildCpuArchitecture() == u"arm64"
        && entry.contains(QLatin1String("arm64url"));
    if (!arm64Build && !runsHere(arch.toString(QStringLiteral("x86_64"))))
        return ManifestResult::NoEntry;

    UpdateInfo parsed;
    parsed.version = entry.value(QLatin1String("version")).toString();
    const QString prefix = arm64Build ? QStringLiteral("arm64") : QString();
    const QJsonValue address = entry.value(prefix + QLatin1String("url"));
    const QJsonValue checksum = entry.value(prefix + QLatin1String("sha256"));
    const QJsonValue signature = entry.value(prefix + QLatin1String("sig"));
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
    m_manifestBody.clear();
    m_haveManifest = false;
    setState(Checking);
    m_deadline->start(m_deadlines.checkMs);
    fetchForCheck(m_manifestUrl, kMaxManifestBytes);
}

// One GET of the check: the manifest first, then its signature.
void Updater::fetchForCheck(const QUrl &url, qint64 limit)
{
    QNetworkReply *reply = m_network->get(makeRequest(url, kCheckTimeoutMs));
    m_reply = reply;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &target) {
        if (!isTrustedUrl(target, m_trustedDomain)) {
            dropReply(reply);
            endCheck(tr("The update is not on Varnholt's server."));
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, limit] {
        if (reply->bytesAvailable() > limit)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onCheckFinished(reply); });
}

void Updater::onCheckFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (m_reply == reply)
        m_reply = nullptr;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_haveManifest && status != 0 && status != 200) {
        // The server answered, but with no signature: the manifest is unsigned.
        endCheck({}, {});
    } else if (reply->error() != QNetworkReply::NoError) {
        endCheck(reply->errorString());
    } else if (status != 200) {
        endCheck(QStringLiteral("HTTP %1").arg(status));
    } else if (!m_haveManifest) {
        m_manifestBody = reply->readAll();
        m_haveManifest = true;
        fetchForCheck(signatureUrl(m_manifestUrl), kMaxSignatureBytes);
    } else {
        endCheck({}, reply->readAll());
    }
}

// Ends the running check: with `error` when it is set, otherwise by the manifest
// held and its signature text.
void Updater::endCheck(const QString &error, const QByteArray &signatureText)
{
    m_deadline->stop();
    const QByteArray body = std::exchange(m_manifestBody, {});
    m_haveManifest = false;
    m_error = error;
    if (m_error.isEmpty()) {
        UpdateInfo parsed;
        // Nothing of the manifest is read before its signature is known to be good.
        const ManifestResult result = isSignedManifest(body, signatureText, m_signingKey)
            ? parseManifest(body, m_trustedDomain, parsed)
            : ManifestResult::Invalid;
        if (result == ManifestResult::NoEntry) {
            setState(UpToDate);
            return;
        }
        if (result == ManifestResult::Invalid)
            m_error = tr("The update information could not be read.");
        else
            m_info = parsed;
    }
    if (!m_error.isEmpty())
        setState(Failed);
    else
        setState(isNewerVersion(m_info.version, m_currentVersion) ? Available : UpToDate);
}

void Updater::onDeadline()
{
    const QString text = tr("The connection to the update server timed out.");
    if (m_state == Checking) {
        if (m_reply)
            dropReply(m_reply);
        endCheck(text);
    } else if (m_state == Downloading && m_reply) {
        failDownload(m_reply, text);
    }
}

void Updater::dropReply(QNetworkReply *reply)
{
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    if (m_reply == reply)
        m_reply = nullptr;
}

qint64 Updater::downloadDeadlineMs(qint64 expectedBytes) const
{
    const qint64 rate = std::max<qint64>(1, m_deadlines.downloadBytesPerSecond);
    return std::min<qint64>(INT_MAX, m_deadlines.downloadBaseMs + expectedBytes / rate * 1000);
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

bool Updater::retryBusyFile(quint32 windowsError, int retriesDone)
{
    constexpr quint32 kAccessDenied = 5, kSharingViolation = 32;
    return (windowsError == kAccessDenied || windowsError == kSharingViolation) && retriesDone >= 0
        && retriesDone < kBusyRetries;
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
        //: %1: the system's reason
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
    m_downloadClock.start();
    m_deadline->start(int(downloadDeadlineMs(kMaxDownloadBytes)));
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &target) {
        if (!isTrustedUrl(target, m_trustedDomain))
            failDownload(reply, tr("The update is not on Varnholt's server."));
    });
    // Once the server names the size, the deadline follows it (from the start of the download).
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length >= 0 && length <= kMaxDownloadBytes)
            m_deadline->start(int(std::max<qint64>(0, downloadDeadlineMs(length) - m_downloadClock.elapsed())));
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
    if ((m_state == Checking || m_state == Downloading) && m_reply)
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
    // Detached first: aborting emits finished at once, which must not read as a cancel.
    dropReply(reply);
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
    m_deadline->stop();
    const QString partPath = m_file->fileName();
    m_file->close();
    m_file.reset();
    m_bytesReceived = 0;
    m_bytesTotal = 0;

    // The download takes its final name first and is held there from before
    // its checks until the installer has started, so that nothing can take
    // its place in between: what was verified is what starts.
    bool placed = false;
    if (!canceled && text.isEmpty()) {
        placed = placeDownload(partPath, m_finalPath);
        if (!placed)
            text = tr("Could not save the update: %1").arg(QDir::toNativeSeparators(m_finalPath));
    }
    FileHold hold;
    if (!canceled && text.isEmpty()) {
        hold = holdFile(m_finalPath);
        text = hold ? verifyDownload(m_finalPath, hold) : tr("Could not read the update.");
    }
    if (!canceled && text.isEmpty()) {
        setState(Installing);
        const QString launchError =
            m_launcher ? m_launcher(m_finalPath) : tr("Could not start the installer.");
        hold.reset();
        if (launchError.isEmpty()) {
            emit quitForUpdate();
        } else {
            m_error = launchError;
            setState(Available);
        }
        return;
    }

    hold.reset();
    QFile::remove(partPath);
    // A download that failed its checks never stays under the installer's name.
    if (placed)
        QFile::remove(m_finalPath);
    //: %1: the network's reason
    m_error = canceled ? QString() : tr("The update could not be downloaded: %1").arg(text);
    setState(Available);
}

QString Updater::verifyDownload(const QString &path, const FileHold &hold) const
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
    if (!m_publisher.isEmpty() && !isSignedByPublisher(path, hold))
        //: %1: the publisher's name
        return tr("The update is not signed by %1.").arg(m_publisher);
    if (!hasPublishedVersion(path))
        //: %1: a version number
        return tr("The update is not the published version %1.").arg(m_info.version);
    return {};
}

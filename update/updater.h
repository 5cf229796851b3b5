#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTimer;

// What the published manifest says about the newest release for this platform.
struct UpdateInfo
{
    QString version;
    QString size;       // display text, not a number
    QString date;       // display text
    QString sha256;     // lower-case hex
    QStringList changes;
    QUrl url;
    QString signature;  // base64 Ed25519 signature of the installer (Linux builds only)
};

// Checks the published manifest, downloads the installer, verifies it and starts it.
// Everything runs on the GUI thread through the network layer's signals; at most one
// reply (check or download) is in flight at any time.
//
// The manifest is believed only with its detached signature (signatureUrl()): an
// Ed25519 signature of its exact bytes by the release key, checked before any of
// its members is read. A signed manifest also says until when it holds ("expires")
// and, per platform entry, which processor its build is for ("arch"), so an old or
// foreign signed manifest cannot be passed off as the current one. Every redirect,
// of the check and of the download, must stay on the trusted domain, and every
// network step has an overall deadline besides the transfer time-out (which a
// server sending a byte now and then would keep resetting).
class Updater final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Updater)

public:
    enum State {
        NotChecked = 0,
        Checking = 1,
        UpToDate = 2,
        Available = 3,
        Failed = 4,
        Downloading = 5,
        Installing = 6,
    };
    Q_ENUM(State)

    enum class ManifestResult {
        Valid,
        NoEntry,  // a JSON object without this platform's member: nothing is published for us
        Invalid,
    };

    // Takes the installer's path, returns an error text (empty when the installer started).
    // It is called while the verified file is held (holdFile), so what it starts is
    // what was verified.
    using Launcher = std::function<QString(const QString &installerPath)>;

    static constexpr qint64 kMaxManifestBytes = 262144;
    static constexpr qint64 kMaxSignatureBytes = 4096;
    static constexpr qint64 kMaxDownloadBytes = 314572800;
    static constexpr qint64 kMinInstallerBytes = 1048576;
    static constexpr int kCheckTimeoutMs = 15000;
    static constexpr int kDownloadTimeoutMs = 60000;
    // A virus scanner opens a new file right after it was written and holds it
    // for a moment: moving or holding the download is retried this often, this far apart.
    static constexpr int kBusyRetries = 5;
    static constexpr int kBusyRetryMs = 200;

    // Overall deadlines: the whole check (manifest and signature), and the download,
    // which gets a fixed allowance plus its expected size at a slow but workable
    // rate (the size the server announces, the largest accepted one until then).
    struct Deadlines
    {
        int checkMs = 30000;
        int downloadBaseMs = 120000;
        qint64 downloadBytesPerSecond = 64 * 1024;
    };

    static QUrl defaultManifestUrl();
    static QString defaultTrustedDomain();
    // The manifest member this build reads: "win" on Windows, "linux" elsewhere.
    static QString platformKey();

    // An empty trusted domain lets every address pass (used by tests against a local server).
    explicit Updater(QObject *parent = nullptr, const QUrl &manifestUrl = defaultManifestUrl(),
                     const QString &trustedDomain = defaultTrustedDomain());
    ~Updater() override;

    void check();
    void download();
    void cancel();

    int state() const { return m_state; }
    const UpdateInfo &info() const { return m_info; }
    QString errorText() const { return m_error; }
    qint64 bytesReceived() const { return m_bytesReceived; }
    qint64 bytesTotal() const { return m_bytesTotal; }
    QString currentVersion() const { return m_currentVersion; }
    QUrl manifestUrl() const { return m_manifestUrl; }
    QString trustedDomain() const { return m_trustedDomain; }
    QString downloadFolder() const { return m_downloadFolder; }
    QString expectedPublisher() const { return m_publisher; }
    // SHA-256 thumbprints of the certificates a Windows installer may be signed
    // with (signature::isAcceptedSigner); the publisher's name is only shown.
    QStringList acceptedSigners() const { return m_signers; }
    void setAcceptedSigners(const QStringList &sha256Thumbprints);

    void setInstallerLauncher(Launcher launcher);
    // Replaces the built-in Ed25519 public key (32 raw bytes) that manifests and
    // downloads are verified against.
    void setSigningKey(const QByteArray &rawPublicKey);
    // Shorter deadlines for tests.
    void setDeadlines(const Deadlines &deadlines);
    // Extra certificate authorities trusted besides the system's (a local test server's).
    void setExtraCaCertificates(const QList<QSslCertificate> &certificates);

    static bool isValidVersion(const QString &version);
    static bool isNewerVersion(const QString &published, const QString &current);
    // Both valid and equal as version numbers (1.2 equals 1.2.0.0).
    static bool isSameVersion(const QString &a, const QString &b);
    static bool isTrustedUrl(const QUrl &url, const QString &trustedDomain);
    // Where the manifest's signature is published: its address with ".sig" added to the path.
    static QUrl signatureUrl(const QUrl &manifestUrl);
    // Whether `signatureText` (base64) is the signing key's signature of exactly `body`.
    static bool isSignedManifest(const QByteArray &body, const QByteArray &signatureText,
                                 const QByteArray &rawPublicKey);
    // Reads an already verified manifest. An expired one, or one that does not say
    // until when it holds, is invalid; an entry whose build is for another processor
    // counts as nothing published for this platform.
    static ManifestResult parseManifest(const QByteArray &body, const QString &trustedDomain,
                                        UpdateInfo &info,
                                        const QDateTime &now = QDateTime::currentDateTimeUtc());
    // Name the installer is saved under: the last path segment, or "varnholt-update".
    static QString installerFileName(const QUrl &url);
    // Whether a file call that failed with the Windows error `windowsError`, after
    // `retriesDone` retries, is tried again kBusyRetryMs later: only for a file
    // someone holds (ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION), kBusyRetries times.
    static bool retryBusyFile(quint32 windowsError, int retriesDone);

signals:
    void stateChanged();
    void quitForUpdate();

private:
    QNetworkRequest makeRequest(const QUrl &url, int timeoutMs) const;
    void setState(int state);
    void fetchForCheck(const QUrl &url, qint64 limit);
    void onCheckFinished(QNetworkReply *reply);
    void endCheck(const QString &error, const QByteArray &signatureText = {});
    void onDeadline();
    // Detaches, aborts and releases a reply, so that its end is not taken for a cancel.
    void dropReply(QNetworkReply *reply);
    qint64 downloadDeadlineMs(qint64 expectedBytes) const;
    void onDownloadData(QNetworkReply *reply);
    void onDownloadFinished(QNetworkReply *reply);
    bool writeChunk(const QByteArray &data, QString *failure);
    void failDownload(QNetworkReply *reply, const QString &text);
    void finishDownload(QString text, bool canceled = false);
    // Keeps a file from being written, renamed or removed while it lives (see holdFile).
    using FileHold = std::shared_ptr<void>;
    QString verifyDownload(const QString &path, const FileHold &hold) const;
    bool isSignedByPublisher(const QString &path, const FileHold &hold) const;

    // Platform parts (updater_win.cpp / updater_posix.cpp).
    // Moves the finished download to its final name, replacing a file there.
    static bool placeDownload(const QString &partPath, const QString &finalPath);
    // Holds the file at `path` from before its checks until the installer has
    // started. Windows: an open handle that shares reading only, so anyone may
    // still read and start it but nobody can change, rename or remove it; null
    // when it cannot be opened so. Elsewhere the private download folder
    // already keeps others out and the hold is a token.
    static FileHold holdFile(const QString &path);
    static QString defaultLauncher(const QString &installerPath);
    // A folder of this user's alone: the temporary folder on Windows, the cache elsewhere.
    static QString defaultDownloadFolder();
    static bool preparePrivateFolder(const QString &folder);
    // Whether the installer states the published version itself (Windows: its version
    // resource; elsewhere the signed manifest's checksum already ties file and version).
    bool hasPublishedVersion(const QString &path) const;
#if !defined(Q_OS_WIN)
    // Ed25519 check of a whole file against a base64 signature and a raw 32-byte public key.
    static bool hasValidSignature(const QString &path, const QString &base64Signature,
                                  const QByteArray &rawPublicKey);
#endif

    QUrl m_manifestUrl;
    QNetworkAccessManager *m_network = nullptr;
    QTimer *m_deadline = nullptr;
    Deadlines m_deadlines;
    QElapsedTimer m_downloadClock;
    QPointer<QNetworkReply> m_reply;
    // The manifest of a running check while its signature is fetched.
    QByteArray m_manifestBody;
    bool m_haveManifest = false;
    std::unique_ptr<QFile> m_file;
    int m_state = NotChecked;
    UpdateInfo m_info;
    QString m_error;
    QString m_downloadFolder;
    QString m_finalPath;
    QString m_trustedDomain;
    QString m_publisher;
    QStringList m_signers;
    QString m_currentVersion;
    Launcher m_launcher;
    QByteArray m_signingKey;
    QList<QSslCertificate> m_extraCas;
    qint64 m_bytesReceived = 0;
    qint64 m_bytesTotal = 0;
};

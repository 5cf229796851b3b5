#pragma once

// The large-file engine: walks the home folder on the global thread pool and
// collects every file whose size on disk reaches a threshold. It only reads.
//
// Signals are emitted on the worker thread; connect with the default
// (automatic) connection so they are queued onto the receiver's thread.

#include <QDateTime>
#include <QFuture>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

struct LargeFile
{
    QString path;        // as fs::join built it
    QString name;
    QString dir;         // containing folder, native separators
    QString kind;        // English kind label (largeFileKind), never translated here
    qint64 bytes = 0;    // size on disk
    QDateTime lastUsed;  // the later of last write and last access

    friend bool operator==(const LargeFile &, const LargeFile &) = default;
};

Q_DECLARE_METATYPE(LargeFile)

// Registers LargeFile and QList<LargeFile> for queued connections.
void registerLargeFileTypes();

// Kind label of a file name, keyed on the text after its last '.' in lower
// case ("Video", "Archive", ...), or "File" for an unknown or missing
// extension. The labels are stable English keys: pages choose icons and
// colours by them, --json prints them, and largeFileKindText() translates
// them for display. Thread-safe.
QString largeFileKind(const QString &fileName);
// A kind label as the interface language writes it (context "LargeFileKind").
QString largeFileKindText(const QString &kind);

namespace fs {
struct Entry;
}

// Whether the Space Map's walk leaves out the subfolder `folder` of `parent`
// (exclusions aside): hidden dot-folders, package trees, the Windows bin and
// cloud-synced folders; with `windowsRules` also folders marked hidden or
// system and the application-data folders: `appData` (normalised,
// '/'-separated: the folders of APPDATA and LOCALAPPDATA) and "AppData"
// directly in `home`. Compared without regard to case on Windows.
bool isSkippedLargeFileFolder(const QString &parent, const fs::Entry &folder, const QString &home,
                              const QStringList &appData, bool windowsRules);

// Whether `path` is the live store of another program that keeps it open or
// cannot do without it: the disk image of a WSL distribution or of Docker,
// a mail store (Outlook data files, mbox folders, the profiles of mail
// programs). Judged by the path alone, Windows or POSIX spelling.
bool isLiveDataStore(const QString &path);

// Whether a large file may be moved to the Recycle Bin at the user's request:
// not in a protected location, not a guarded app's data, not a live store
// (and on Windows a path the shell names exactly). Checked again at the move
// whatever the list said: the list may be stale and the path is the caller's.
bool mayMoveLargeFile(const QString &path);

class LargeFileFinder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LargeFileFinder)

public:
    // Files this many and more are handed over in finished(), largest first.
    static constexpr int kMaxResults = 500;
    // Size of the largest-so-far list carried by progress().
    static constexpr int kLargestShown = 8;
    // progress() is sent at most this often.
    static constexpr qint64 kProgressIntervalMs = 80;

    explicit LargeFileFinder(QObject *parent = nullptr);
    // Stops a run at its next folder and waits for the worker; the worker
    // still emits finished() with cancelled = true.
    ~LargeFileFinder() override;

    // Walks QDir::homePath(). Ignored while a run is in progress.
    void start(qint64 thresholdBytes, const QStringList &exclusions);
    // Asks a run to leave at its next folder; it still emits finished() with
    // cancelled = true. Returns at once.
    void stop();
    // True from start() until finished() is emitted.
    bool isRunning() const;

signals:
    // largest: at most kLargestShown files, largest first.
    void progress(qint64 filesChecked, const QString &currentDir, int found, qint64 foundBytes,
                  const QList<LargeFile> &largest);
    void finished(const QList<LargeFile> &files, bool cancelled);

private:
    void run(qint64 thresholdBytes, const QStringList &exclusions);

    std::atomic_bool m_cancel{false};
    std::atomic_bool m_running{false};
    // Every worker ever started and not yet seen to finish: a worker may
    // still be returning from finished() when the next run starts, and the
    // destructor must wait for both.
    QList<QFuture<void>> m_workers;
};

#include "largefiles/largefilefinder.h"

#include "largefiles/largefilecollector.h"
#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QDir>
#include <QHash>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

QHash<QString, QString> buildKindTable()
{
    struct Kind
    {
        const char *label;
        const char *extensions;
    };
    static const Kind kinds[] = {
        {"Disk image", "iso img dmg vhd vhdx vmdk vdi qcow2 hdd wim esd vmem vmsn nvram"},
        {"Partial download", "part crdownload download partial tmp"},
        {"Video", "mp4 mov mkv avi wmv m4v webm mts m2ts flv"},
        {"Archive", "zip rar 7z tar gz tgz bz2 xz zst cab"},
        {"Installer", "exe msi msix appx pkg mpkg apk ipa deb rpm appimage flatpak snap"},
        {"Audio", "mp3 wav flac aac m4a aiff ogg"},
        {"Image", "psd psb tif tiff raw cr2 nef arw dng png jpg heic"},
        {"Document", "pdf csv json xlsx docx pptx txt log sql db sqlite parquet"},
        {"Backup", "bak backup tm"},
    };
    QHash<QString, QString> table;
    for (const Kind &k : kinds) {
        const QString label = QString::fromLatin1(k.label);
        const QStringList exts = QString::fromLatin1(k.extensions).split(u' ', Qt::SkipEmptyParts);
        for (const QString &ext : exts)
            table.insert(ext, label);
    }
    return table;
}

// Folders that never hold the user's own large files, or whose content lives
// elsewhere: hidden dot-folders (caches, tool state), package trees, the
// Windows bin, and cloud-synced folders whose files may only be placeholders.
// Compared case-sensitively, as the tools that create them spell them.
bool isSkippedFolderName(const QString &name)
{
    return name.startsWith(u'.') || name == u"node_modules" || name == u"$Recycle.Bin"
        || name == u"Mobile Documents" || name == u"CloudStorage";
}

} // namespace

void registerLargeFileTypes()
{
    qRegisterMetaType<LargeFile>();
    qRegisterMetaType<QList<LargeFile>>();
}

QString largeFileKind(const QString &fileName)
{
    // Built on first use; the initialisation of a function-local static is
    // thread-safe.
    static const QHash<QString, QString> table = buildKindTable();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot >= 0)
        if (const auto it = table.constFind(fileName.mid(dot + 1).toLower()); it != table.cend())
            return it.value();
    return QStringLiteral("File");
}

LargeFileFinder::LargeFileFinder(QObject *parent)
    : QObject(parent)
{
}

LargeFileFinder::~LargeFileFinder()
{
    m_cancel.store(true);
    for (QFuture<void> &worker : m_workers)
        worker.waitForFinished();
}

void LargeFileFinder::start(qint64 thresholdBytes, const QStringList &exclusions)
{
    bool idle = false;
    if (!m_running.compare_exchange_strong(idle, true))
        return;
    m_cancel.store(false);
    m_workers.removeIf([](const QFuture<void> &w) { return w.isFinished(); });
    m_workers.append(QtConcurrent::run(QThreadPool::globalInstance(),
                                       [this, thresholdBytes, exclusions] { run(thresholdBytes, exclusions); }));
}

void LargeFileFinder::stop()
{
    m_cancel.store(true);
}

bool LargeFileFinder::isRunning() const
{
    return m_running.load();
}

void LargeFileFinder::run(qint64 thresholdBytes, const QStringList &exclusions)
{
    LargeFileCollector collector(
        thresholdBytes, exclusions,
        [this](qint64 checked, const QString &dir, int found, qint64 foundBytes, const QList<LargeFile> &largest) {
            emit progress(checked, dir, found, foundBytes, largest);
        });

    const fs::FolderFilter skipFolder = [&exclusions](const QString &parent, const QString &name) {
        if (isSkippedFolderName(name))
            return true;
        return !exclusions.isEmpty() && isExcluded(fs::join(parent, name), exclusions);
    };
    const bool completed =
        fs::walk(QDir::homePath(), &m_cancel, skipFolder,
                 [&collector](const QString &path, const fs::Entry &entry) { collector.addFile(path, entry); });

    // The walk's threads meet the files in no fixed order: files of equal
    // size go by path, so a tree gives the same list on every run.
    QList<LargeFile> files = collector.takeFiles();
    std::stable_sort(files.begin(), files.end(), [](const LargeFile &a, const LargeFile &b) {
        return a.bytes != b.bytes ? a.bytes > b.bytes : a.path < b.path;
    });
    // Idle before the result goes out: a receiver of finished() may start the
    // next run at once and must not find the finder still busy.
    m_running.store(false);
    emit finished(files, !completed);
}

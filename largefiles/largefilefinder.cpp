#include "largefiles/largefilefinder.h"

#include "largefiles/largefilecollector.h"
#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"
#include "scan/winlogic.h"

#include <QCoreApplication>
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
    // Marked for lupdate here; largeFileKindText() looks them up.
    static const Kind kinds[] = {
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Disk image"),
         "iso img dmg vhd vhdx vmdk vdi qcow2 hdd wim esd vmem vmsn nvram"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Partial download"),
         "part crdownload download partial tmp"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Video"), "mp4 mov mkv avi wmv m4v webm mts m2ts flv"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Archive"), "zip rar 7z tar gz tgz bz2 xz zst cab"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Installer"),
         "exe msi msix appx pkg mpkg apk ipa deb rpm appimage flatpak snap"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Audio"), "mp3 wav flac aac m4a aiff ogg"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Image"),
         "psd psb tif tiff raw cr2 nef arw dng png jpg heic"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Document"),
         "pdf csv json xlsx docx pptx txt log sql db sqlite parquet"},
        //: Kind of large file (the Space Map's Kind column)
        {QT_TRANSLATE_NOOP("LargeFileKind", "Backup"), "bak backup tm"},
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

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

// Windows attributes that keep a folder out of the walk.
constexpr quint32 kHidden = 0x2;
constexpr quint32 kSystem = 0x4;

// A Windows path with '/' separators, cleaned.
QString normalised(const QString &path)
{
    return QDir::cleanPath(QString(path).replace(u'\\', u'/'));
}

// The application-data folders of the running platform (Windows only).
QStringList appDataFolders()
{
    QStringList out;
    for (const char *name : {"APPDATA", "LOCALAPPDATA"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            out.append(normalised(value));
    }
    return out;
}

} // namespace

bool isSkippedLargeFileFolder(const QString &parent, const fs::Entry &folder, const QString &home,
                              const QStringList &appData, bool windowsRules)
{
    if (isSkippedFolderName(folder.name))
        return true;
    if (!windowsRules)
        return false;
    if (folder.attributes & (kHidden | kSystem))
        return true;
    const QString p = normalised(parent);
    if (folder.name.compare(u"AppData", Qt::CaseInsensitive) == 0
        && p.compare(normalised(home), Qt::CaseInsensitive) == 0)
        return true;
    const QString path = normalised(fs::join(parent, folder.name));
    return std::any_of(appData.cbegin(), appData.cend(),
                       [&path](const QString &a) { return path.compare(a, Qt::CaseInsensitive) == 0; });
}

bool isLiveDataStore(const QString &path)
{
    // '\\' counts as a separator on every platform: a name holding one only
    // makes the rule stricter.
    const QStringList parts = QString(path).replace(u'\\', u'/').toLower().split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    const QString &name = parts.constLast();
    const QString ext = name.contains(u'.') ? name.section(u'.', -1) : QString();
    // Mail: Outlook's data files (and those of Outlook Express and Notes),
    // mbox files anywhere, and whatever lies in a mail program's own folder.
    static const QStringList mailExtensions = words("pst ost nst dbx nsf mbox mbx");
    if (mailExtensions.contains(ext))
        return true;
    static const QStringList mailFolders = words("thunderbird .thunderbird .mozilla-thunderbird betterbird "
                                                 "evolution geary local-mail kmail2 .claws-mail")
        + QStringList{QStringLiteral("windows live mail"), QStringLiteral("windows mail")};
    const QStringList folders = parts.mid(0, parts.size() - 1);
    for (const QString &f : folders) {
        if (mailFolders.contains(f))
            return true;
    }
    // Virtual disks of WSL and Docker: a WSL distribution keeps its disk as
    // ext4.vhdx wherever it was installed or imported; Docker keeps its
    // disks in a folder of its own; the Store packages of WSL distributions
    // keep theirs in LocalState.
    static const QStringList vmDisks =
        words("ext4.vhdx swap.vhdx docker_data.vhdx dockerdesktop.vhdx docker.raw docker.qcow2");
    if (vmDisks.contains(name))
        return true;
    const bool diskImage = largeFileKind(name) == u"Disk image" || ext == u"raw";
    if (!diskImage)
        return false;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString &f = folders.at(i);
        if (f == u"docker" || f == u".docker" || f == u"dockerdesktop" || f == u"docker desktop")
            return true;
        if (f == u"localstate" && i >= 2 && folders.at(i - 2) == u"packages")
            return true;
    }
    return false;
}

bool mayMoveLargeFile(const QString &path)
{
#ifdef Q_OS_WIN
    // The move goes through the shell, which would act on whatever its own
    // parsing makes of the path.
    if (!winlogic::shellCanParse(path))
        return false;
#endif
    return !isProtectedPath(path) && !isGuardedPath(path) && !isLiveDataStore(path);
}

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
    //: Kind of large file (the Space Map's Kind column)
    return QString::fromLatin1(QT_TRANSLATE_NOOP("LargeFileKind", "File"));
}

QString largeFileKindText(const QString &kind)
{
    return QCoreApplication::translate("LargeFileKind", kind.toLatin1().constData());
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

#ifdef Q_OS_WIN
    constexpr bool windowsRules = true;
#else
    constexpr bool windowsRules = false;
#endif
    const QString home = QDir::homePath();
    const QStringList appData = windowsRules ? appDataFolders() : QStringList();
    // The walk never enters an excluded folder, so a folder's own name (or
    // its path, for patterns with a '/') is all the matcher needs to look at;
    // the patterns are compiled once, and the walk's threads share nothing
    // while matching. The collector still checks every large file's whole
    // path, so exclusions that name a folder above the home folder hold too.
    const ExclusionMatcher excluded(exclusions);
    const fs::FolderFilter skipFolder = [&](const QString &parent, const fs::Entry &folder) {
        if (isSkippedLargeFileFolder(parent, folder, home, appData, windowsRules))
            return true;
        return excluded.matchesChild(parent, folder.name, true);
    };
    // Only files that reach the threshold become text; the rest are counted.
    fs::WalkLimits limits;
    limits.minAllocated = thresholdBytes;
    limits.counted = [&collector](qint64 files, const QString &folder) { collector.countFiles(files, folder); };
    const bool completed = fs::walk(
        home, &m_cancel, skipFolder,
        [&collector](const QString &path, const fs::Entry &entry) { collector.consider(path, entry); }, limits);

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

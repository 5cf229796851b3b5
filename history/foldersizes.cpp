#include "history/foldersizes.h"

#include "history/folderwalk.h"
#include "largefiles/largefilefinder.h"
#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindowsRules = true;
#else
constexpr bool kWindowsRules = false;
#endif
constexpr Qt::CaseSensitivity kCase = fs::kPathCase;

QString normalised(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

// The application-data folders the Space Map leaves out (Windows).
QStringList appDataFolders()
{
    QStringList out;
    if (kWindowsRules) {
        for (const char *name : {"APPDATA", "LOCALAPPDATA"})
            if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
                out.append(normalised(value));
    }
    return out;
}

bool isWithin(const QString &path, const QString &folder)
{
    return path.compare(folder, kCase) == 0
        || (path.size() > folder.size() && path.at(folder.size()) == u'/' && path.startsWith(folder, kCase));
}

} // namespace

std::optional<FolderReading> readFolderSizes(const FolderSizeRules &rules, const std::atomic_bool *cancel)
{
    FolderReading reading;
    reading.time = QDateTime::currentDateTimeUtc();
    reading.root = normalised(rules.root);
    const QString &root = reading.root;
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    const auto relative = [&](const QString &path) {
        return path.size() <= root.size() ? QString() : path.mid(prefix.size());
    };
    const QStringList appData = appDataFolders();

    // The catalogue's roots in the home folder, relative; each is measured
    // whole, and so is the first folder on the way to it that the Space Map
    // would leave out (~/.cache for ~/.cache/thumbnails), folders on the way
    // being entered whatever their names.
    QSet<QString> catalogueRoots;
    QSet<QString> onTheWay;
    QStringList whole;
    for (const QString &r : rules.categoryRoots) {
        const QString path = normalised(r);
        if (!path.startsWith(prefix, kCase) || path.size() == prefix.size())
            continue;
        const QString rel = relative(path);
        catalogueRoots.insert(rel);
        QString wholeFrom = rel;
        QString parent = root;
        const QStringList parts = rel.split(u'/');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QString here = parts.mid(0, i + 1).join(u'/');
            fs::Entry e;
            e.name = parts.at(i);
            e.isDir = true;
            if (i + 1 < parts.size())
                onTheWay.insert(here);
            if (isSkippedLargeFileFolder(parent, e, root, appData, kWindowsRules)) {
                wholeFrom = here;
                break;
            }
            parent = fs::join(parent, parts.at(i));
        }
        whole.append(wholeFrom);
    }

    const ExclusionMatcher excluded(rules.exclusions);
    const folderwalk::Skip skip = [&](const QString &parent, const fs::Entry &folder) {
        const QString path = fs::join(parent, folder.name);
        if (excluded.matches(path))
            return true;
        const QString rel = relative(path);
        if (onTheWay.contains(rel)
            || std::any_of(whole.cbegin(), whole.cend(), [&rel](const QString &w) { return isWithin(rel, w); }))
            return false;
        return isSkippedLargeFileFolder(parent, folder, root, appData, kWindowsRules);
    };
    QHash<QString, qint64> own;
    if (!folderwalk::ownBytes(root, skip, &excluded, rules.maxThreads, rules.lowPriority, cancel, own)
        || own.isEmpty())
        return std::nullopt;

    // Each folder's total: the deepest first, each handed to its parent.
    QList<std::pair<QString, qint64>> folders;
    folders.reserve(own.size());
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        folders.append({relative(it.key()), it.value()});
    own.clear();
    std::sort(folders.begin(), folders.end());
    QHash<QString, qsizetype> index;
    index.reserve(folders.size());
    for (qsizetype i = 0; i < folders.size(); ++i)
        index.insert(folders.at(i).first, i);
    QList<qsizetype> byDepth(folders.size());
    for (qsizetype i = 0; i < folders.size(); ++i)
        byDepth[i] = i;
    QList<int> depth(folders.size());
    for (qsizetype i = 0; i < folders.size(); ++i)
        depth[i] = folderDepth(folders.at(i).first);
    std::sort(byDepth.begin(), byDepth.end(), [&depth](qsizetype a, qsizetype b) { return depth[a] > depth[b]; });
    for (const qsizetype i : std::as_const(byDepth)) {
        if (depth[i] == 0)
            continue;
        if (const auto p = index.constFind(parentFolder(folders.at(i).first)); p != index.cend())
            folders[*p].second += folders.at(i).second;
    }

    const auto rootAt = index.constFind(QString());
    if (rootAt == index.cend())
        return std::nullopt;
    const qint64 total = folders.at(*rootAt).second;
    reading.threshold = std::max<qint64>(1, std::min(kRecordBytes, qint64(double(total) * kRecordShare)));
    const QSet<QString> keep(rules.keep.cbegin(), rules.keep.cend());
    QList<bool> recorded;
    // Every folder to three levels, unless that is too many; the folders the
    // last reading recorded then drop out too (the levels the reading gives
    // keep comparisons with it true).
    for (reading.allLevels = FolderReading::kAllLevels; reading.allLevels >= 0; --reading.allLevels) {
        recorded.fill(false, folders.size());
        qsizetype count = 0;
        for (qsizetype i = 0; i < folders.size(); ++i) {
            const auto &[path, bytes] = folders.at(i);
            if (recorded.at(i))
                continue;
            if (depth[i] > reading.allLevels && bytes < reading.threshold && !catalogueRoots.contains(path)
                && !(reading.allLevels == FolderReading::kAllLevels && keep.contains(path)))
                continue;
            // With every folder above it.
            for (QString p = path;; p = parentFolder(p)) {
                const auto at = index.constFind(p);
                if (at == index.cend() || recorded.at(*at))
                    break;
                recorded[*at] = true;
                ++count;
                if (p.isEmpty())
                    break;
            }
        }
        if (count <= FolderReading::kMaxFolders || reading.allLevels == 0)
            break;
    }
    for (qsizetype i = 0; i < folders.size(); ++i)
        if (recorded.at(i))
            reading.folders.append({folders.at(i).first, folders.at(i).second});
    return reading;
}

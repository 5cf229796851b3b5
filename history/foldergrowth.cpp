#include "history/foldergrowth.h"

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif

QString absolute(const QString &root, const QString &relative)
{
    return relative.isEmpty() ? root : fs::join(root, relative);
}

// A reading's folders by path, with what `exclusions` match now taken out,
// and their sizes taken off every folder above them.
QHash<QString, qint64> sizesOf(const FolderReading &r, const QStringList &exclusions)
{
    QHash<QString, qint64> sizes;
    sizes.reserve(r.folders.size());
    for (const FolderSize &f : r.folders)
        sizes.insert(f.path, f.bytes);
    if (exclusions.isEmpty())
        return sizes;
    // Sorted, a folder comes before what lies in it: an excluded folder is
    // met before its contents, which then go with it.
    QStringList gone;
    for (const FolderSize &f : r.folders) {
        if (f.path.isEmpty() || !sizes.contains(f.path) || !isExcluded(absolute(r.root, f.path), exclusions))
            continue;
        for (QString above = parentFolder(f.path);; above = parentFolder(above)) {
            if (auto it = sizes.find(above); it != sizes.end())
                *it -= f.bytes;
            if (above.isEmpty())
                break;
        }
        const QString inside = f.path + u'/';
        sizes.removeIf([&](const QHash<QString, qint64>::iterator it) {
            return it.key() == f.path || it.key().startsWith(inside);
        });
    }
    return sizes;
}

// What one reading says about a folder the other one recorded.
struct Side
{
    std::optional<qint64> bytes;
    bool atMost = false;
};

// `path`'s size in a reading that did not record it. When the folder that
// holds its first missing ancestor recorded all its folders, the folder was
// not there; otherwise it may have been, too small to be recorded: no more
// than the threshold, nor than what that folder holds beyond the folders
// recorded in it.
Side missingSide(const QString &path, const QHash<QString, qint64> &sizes,
                 const QHash<QString, qint64> &unrecorded, qint64 threshold)
{
    QString first = path;
    QString holder = parentFolder(path);
    while (!holder.isEmpty() && !sizes.contains(holder)) {
        first = holder;
        holder = parentFolder(holder);
    }
    if (folderDepth(holder) < FolderReading::kAllLevels)
        return {};
    const qint64 rest = unrecorded.value(holder);
    if (rest <= 0)
        return {};
    return {std::min(rest, threshold), true};
}

// The bytes of each folder not in any folder recorded in it.
QHash<QString, qint64> unrecordedOf(const QHash<QString, qint64> &sizes)
{
    QHash<QString, qint64> rest = sizes;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
        if (!it.key().isEmpty())
            if (auto p = rest.find(parentFolder(it.key())); p != rest.end())
                *p -= it.value();
    }
    return rest;
}

// The category whose root is `path` or holds it; of nested roots the
// innermost.
QString categoryOf(const QString &path, const QList<std::pair<QString, QString>> &roots)
{
    QString id;
    qsizetype best = -1;
    for (const auto &[root, rootId] : roots) {
        const bool within = path.compare(root, kCase) == 0
            || (path.startsWith(root, kCase) && path.size() > root.size() && path.at(root.size()) == u'/');
        if (within && root.size() > best) {
            best = root.size();
            id = rootId;
        }
    }
    return id;
}

} // namespace

namespace foldergrowth {

FolderGrowthReport compare(const FolderReading &older, const FolderReading &newer,
                           const QList<CategoryDef> &categories, const QStringList &exclusions)
{
    FolderGrowthReport report;
    if (!older.isValid() || !newer.isValid() || older.root.compare(newer.root, kCase) != 0)
        return report;
    report.before = older.time;
    report.after = newer.time;
    report.root = newer.root;

    const QHash<QString, qint64> was = sizesOf(older, exclusions);
    const QHash<QString, qint64> is = sizesOf(newer, exclusions);
    const QHash<QString, qint64> wasRest = unrecordedOf(was);
    const QHash<QString, qint64> isRest = unrecordedOf(is);
    report.bytesBefore = was.value(QString());
    report.bytesAfter = is.value(QString());

    QList<std::pair<QString, QString>> roots;
    for (const CategoryDef &def : categories)
        for (const CategoryRoot &root : def.roots)
            roots.append({root.path, def.id});

    // Every folder either reading recorded, with both sides.
    QHash<QString, FolderGrowth> all;
    all.reserve(is.size() + was.size() / 8);
    const auto add = [&](const QString &path) {
        if (all.contains(path))
            return;
        FolderGrowth g;
        g.path = path;
        Side before{was.contains(path) ? std::optional<qint64>(was.value(path)) : std::nullopt};
        if (!before.bytes)
            before = missingSide(path, was, wasRest, older.threshold);
        Side after{is.contains(path) ? std::optional<qint64>(is.value(path)) : std::nullopt};
        if (!after.bytes)
            after = missingSide(path, is, isRest, newer.threshold);
        g.before = before.bytes;
        g.beforeAtMost = before.atMost;
        g.after = after.bytes;
        g.afterAtMost = after.atMost;
        g.change = g.after.value_or(0) - g.before.value_or(0);
        all.insert(path, g);
    };
    for (auto it = is.cbegin(); it != is.cend(); ++it)
        add(it.key());
    for (auto it = was.cbegin(); it != was.cend(); ++it)
        add(it.key());

    // The largest change among each folder's children, either way.
    QHash<QString, double> explainedBy;
    for (const FolderGrowth &g : std::as_const(all)) {
        if (g.path.isEmpty())
            continue;
        const auto parent = all.constFind(parentFolder(g.path));
        if (parent == all.cend() || parent->change == 0)
            continue;
        const double share = double(g.change) / double(parent->change);
        double &best = explainedBy[parent->path];
        best = std::max(best, share);
    }

    report.changes.reserve(is.size());
    for (const FolderGrowth &g : std::as_const(all)) {
        const QString path = absolute(newer.root, g.path);
        if (is.contains(g.path))
            report.changes.insert(path, g.change);
        if (std::llabs(g.change) < kMinChange || explainedBy.value(g.path) >= kExplainedShare)
            continue;
        FolderGrowth entry = g;
        entry.path = path;
        entry.categoryId = categoryOf(path, roots);
        report.entries.append(entry);
    }
    std::sort(report.entries.begin(), report.entries.end(), [](const FolderGrowth &a, const FolderGrowth &b) {
        const qint64 x = std::llabs(a.change), y = std::llabs(b.change);
        return x != y ? x > y : a.path < b.path;
    });
    return report;
}

} // namespace foldergrowth

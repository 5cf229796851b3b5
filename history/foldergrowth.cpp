#include "history/foldergrowth.h"

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Qt::CaseSensitivity kCase = fs::kPathCase;

QString absolute(const QString &root, const QString &relative)
{
    return relative.isEmpty() ? root : fs::join(root, relative);
}

// A reading's folders with what `exclusions` match now taken out, and their
// sizes taken off every folder above them.
QList<FolderSize> withoutExcluded(const FolderReading &r, const QStringList &exclusions)
{
    if (exclusions.isEmpty())
        return r.folders;
    const ExclusionMatcher excluded(exclusions);
    QList<FolderSize> out;
    out.reserve(r.folders.size());
    QStringList gone;  // sorted: a folder comes before what lies in it
    for (const FolderSize &f : r.folders) {
        const bool inside = std::any_of(gone.cbegin(), gone.cend(), [&f](const QString &g) {
            return f.path.startsWith(g) && f.path.size() > g.size() && f.path.at(g.size()) == u'/';
        });
        if (inside)
            continue;
        if (!f.path.isEmpty() && excluded.matches(absolute(r.root, f.path))) {
            gone.append(f.path);
            continue;
        }
        out.append(f);
    }
    for (const QString &g : std::as_const(gone)) {
        const qint64 bytes = r.bytesOf(g).value_or(0);
        for (FolderSize &f : out)
            if (f.path.isEmpty() || (g.startsWith(f.path) && g.size() > f.path.size() && g.at(f.path.size()) == u'/'))
                f.bytes -= bytes;
    }
    return out;
}

// A folder of either reading: its size in each (-1: not recorded there) and
// the folder that holds it.
struct Row
{
    QString path;
    qint64 was = -1;
    qint64 is = -1;
    qsizetype parent = -1;
    qint64 wasRest = 0;  // bytes not in any folder recorded in it
    qint64 isRest = 0;
};

// What a reading that did not record a folder says about it. When the
// folder that holds its first missing ancestor recorded all its folders, it
// was not there; otherwise it may have been, too small to be recorded: no
// more than the threshold, nor than what that folder holds beyond the
// folders recorded in it.
std::pair<std::optional<qint64>, bool> missingSide(const QList<Row> &rows, qsizetype i, bool newer,
                                                   const FolderReading &reading)
{
    qsizetype holder = rows.at(i).parent;
    while (holder > 0 && (newer ? rows.at(holder).is : rows.at(holder).was) < 0)
        holder = rows.at(holder).parent;
    if (holder < 0 || folderDepth(rows.at(holder).path) < reading.allLevels)
        return {std::nullopt, false};
    const qint64 rest = newer ? rows.at(holder).isRest : rows.at(holder).wasRest;
    if (rest <= 0)
        return {std::nullopt, false};
    return {std::min(rest, reading.threshold), true};
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

    // Both readings merged by path, the root first.
    const QList<FolderSize> was = withoutExcluded(older, exclusions);
    const QList<FolderSize> is = withoutExcluded(newer, exclusions);
    QList<Row> rows;
    rows.reserve(is.size() + is.size() / 8);
    for (qsizetype a = 0, b = 0; a < was.size() || b < is.size();) {
        const bool takeWas = b == is.size() || (a < was.size() && !(is.at(b).path < was.at(a).path));
        const bool takeIs = a == was.size() || (b < is.size() && !(was.at(a).path < is.at(b).path));
        Row row;
        row.path = takeWas ? was.at(a).path : is.at(b).path;
        row.was = takeWas ? was.at(a++).bytes : -1;
        row.is = takeIs ? is.at(b++).bytes : -1;
        rows.append(std::move(row));
    }
    if (rows.isEmpty() || !rows.first().path.isEmpty() || rows.first().was < 0 || rows.first().is < 0)
        return {};
    QHash<QString, qsizetype> index;
    index.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        index.insert(rows.at(i).path, i);
    for (Row &row : rows) {
        row.wasRest = std::max<qint64>(row.was, 0);
        row.isRest = std::max<qint64>(row.is, 0);
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        Row &row = rows[i];
        row.parent = index.value(parentFolder(row.path), 0);
        rows[row.parent].wasRest -= std::max<qint64>(row.was, 0);
        rows[row.parent].isRest -= std::max<qint64>(row.is, 0);
    }
    report.bytesBefore = rows.first().was;
    report.bytesAfter = rows.first().is;

    QList<std::pair<QString, QString>> roots;
    for (const CategoryDef &def : categories)
        for (const CategoryRoot &root : def.roots)
            roots.append({root.path, def.id});

    QList<FolderGrowth> all(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row &row = rows.at(i);
        FolderGrowth &g = all[i];
        std::tie(g.before, g.beforeAtMost) = row.was >= 0 ? std::pair{std::optional<qint64>(row.was), false}
                                                          : missingSide(rows, i, false, older);
        std::tie(g.after, g.afterAtMost) = row.is >= 0 ? std::pair{std::optional<qint64>(row.is), false}
                                                       : missingSide(rows, i, true, newer);
        g.change = g.after.value_or(0) - g.before.value_or(0);
    }
    // The largest share of each folder's change among its children's.
    QList<double> explained(rows.size(), 0.0);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const qsizetype parent = rows.at(i).parent;
        if (all.at(parent).change != 0)
            explained[parent] = std::max(explained.at(parent), double(all.at(i).change) / double(all.at(parent).change));
    }

    report.changes.reserve(is.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        FolderGrowth &g = all[i];
        const QString path = absolute(newer.root, rows.at(i).path);
        if (rows.at(i).is >= 0)
            report.changes.insert(path, g.change);
        if (std::llabs(g.change) < kMinChange || explained.at(i) >= kExplainedShare)
            continue;
        g.path = path;
        g.categoryId = categoryOf(path, roots);
        report.entries.append(std::move(g));
    }
    std::sort(report.entries.begin(), report.entries.end(), [](const FolderGrowth &a, const FolderGrowth &b) {
        const qint64 x = std::llabs(a.change), y = std::llabs(b.change);
        return x != y ? x > y : a.path < b.path;
    });
    return report;
}

} // namespace foldergrowth

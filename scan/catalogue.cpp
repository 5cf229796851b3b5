#include "scan/catalogue.h"
#include "scan/cataloguerules.h"

#include "scan/fs.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace {

// Whether the folder `key` is the folder `inner` or holds it (normalised).
bool holds(const QString &key, const QString &inner)
{
    if (key.isEmpty())
        return false;
    return inner == key || inner.startsWith(key.endsWith(QLatin1Char('/')) ? key : key + QLatin1Char('/'));
}

} // namespace

namespace cataloguerules {

QString trc(const char *text)
{
    return QCoreApplication::translate("Categories", text);
}

// Whether `path` is `folder` or lies inside it (both cleaned, '/' separators).
bool isAtOrBelow(const QString &path, const QString &folder)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (folder.isEmpty())
        return false;
    if (path.compare(folder, cs) == 0)
        return true;
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), cs);
}

// The first link (symbolic link or junction) on the way from `from` down to
// `path`, `from` itself not counted and `path` included; empty when there is
// none or `path` does not lie below `from`.
QString linkBelow(const QString &from, const QString &path)
{
    if (!isAtOrBelow(path, from))
        return {};
    QString at = from;
    const QString rest = path.mid(from.size());
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = catalogueJoin(at, part);
        const QFileInfo fi(at);
        if (fi.isSymLink() || fi.isJunction())
            return at;
    }
    return {};
}

// Appends a root when its folder exists. A root that is itself a link or
// junction, or is reached through one below `from` (a folder already judged),
// is left out: cleaning "the contents" of a link would reach into whatever
// folder it points at. A relative path (an unset base) is never resolved
// against the working folder. Doubles are dropped once a category is
// complete (dropDuplicateRoots).
void addRoot(QList<CategoryRoot> &roots, const CategoryRoot &root, const QString &from)
{
    if (root.path.isEmpty() || QDir::isRelativePath(root.path))
        return;
    const QFileInfo fi(root.path);
    if (!fi.isDir() || fi.isSymLink() || fi.isJunction())
        return;
    if (!from.isEmpty() && !linkBelow(from, root.path).isEmpty())
        return;
    roots.append(root);
}

// Keeps the first of roots with the same folder and patterns, so that a
// folder reached through two bases is not counted twice. One hash look-up per
// root: a cache folder may hold tens of thousands of folders.
void dropDuplicateRoots(QList<CategoryRoot> &roots)
{
    QSet<QString> seen;
    seen.reserve(roots.size());
    QList<CategoryRoot> kept;
    kept.reserve(roots.size());
    for (const CategoryRoot &r : std::as_const(roots)) {
        QString key = QDir::cleanPath(r.path);
#ifdef Q_OS_WIN
        key = key.toLower();
#endif
        key += QChar(0) + r.patterns.join(QChar(0)) + (r.filesOnly ? QChar(1) : QChar(0));
        if (!seen.contains(key)) {
            seen.insert(key);
            kept.append(r);
        }
    }
    roots = std::move(kept);
}

void addRoot(QList<CategoryRoot> &roots, const QString &path, const QString &label, const QStringList &patterns,
             const QString &from)
{
    CategoryRoot r;
    r.path = path;
    r.label = label;
    r.patterns = patterns;
    addRoot(roots, r, from);
}

// The trash folders of a volume mounted inside a base (".Trash",
// ".Trash-1000"): what the user deleted there, never a cache.
bool isVolumeTrashName(const QString &name)
{
    return name.compare(QLatin1String(".Trash"), Qt::CaseInsensitive) == 0
        || name.startsWith(QLatin1String(".Trash-"), Qt::CaseInsensitive);
}

void addNote(QStringList &notes, const QString &note)
{
    if (!notes.contains(note))
        notes.append(note);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString linkNote(const QString &path, const QString &real)
{
    //: %1: a folder of the catalogue; %2: where its link leads
    return QCoreApplication::translate("Categories", "%1 was left out: it leads through a link to %2.")
        .arg(shown(path), shown(real));
}

Base perUserBase(const QString &path, QStringList users, const QString &ownFolder, QStringList freeNames)
{
    Base b;
    b.path = path.isEmpty() ? QString() : QDir::cleanPath(path);
    b.users = std::move(users);
    b.ownFolder = ownFolder;
    b.freeNames = std::move(freeNames);
    return b;
}

Base tempBase(const QString &path)
{
    Base b = perUserBase(path, {QStringLiteral("temp")});
    b.temp = true;
    return b;
}

// Judges every base in order and notes why one is left out. One that is
// missing or unset is left out silently: it has nothing to offer.
//
// Overlaps: when one base lies inside another, the outer one is left out.
// The roots of a base stay inside it, so the inner one cannot reach into
// the outer one's folder, while the outer one's roots could take in the
// inner one whole under the wrong role (every folder of a cache folder is a
// cache, so a data folder inside it would become one). The exception is a
// folder the outer base never enters (its freeNames: %LOCALAPPDATA%\Temp).
// Of two bases naming the same folder the earlier one is kept; the
// catalogues list the bases whose roots are narrow (named sub-folders)
// before the temporary folders and those before the cache folder, whose
// every folder is taken.
void judgeBases(QList<Base> &bases, const QString &home, const QString &homeReal, const ProtectionRules &rules,
                Notes &notes)
{
    const QString homeKey = homeReal.isEmpty() ? QString() : normalizePath(homeReal);
    QStringList keys(bases.size());
    QList<QString> why(bases.size());
    for (qsizetype i = 0; i < bases.size(); ++i) {
        Base &b = bases[i];
        if (b.path.isEmpty() || QDir::isRelativePath(b.path))
            continue;
        const QFileInfo fi(b.path);
        b.real = fi.canonicalFilePath();
        if (b.real.isEmpty() || !QFileInfo(b.real).isDir()) {
            b.real.clear();
            continue;
        }
        const QString key = normalizePath(b.real);
        if (!b.temp) {
            const bool belowHome = isAtOrBelow(b.path, home) || isAtOrBelow(b.path, homeReal);
            const QString link = belowHome ? linkBelow(isAtOrBelow(b.path, home) ? home : homeReal, b.path)
                                           : (fi.isSymLink() || fi.isJunction() ? b.path : QString());
            if (!link.isEmpty()) {
                why[i] = linkNote(b.path, b.real);
                continue;
            }
        }
        if (holds(key, homeKey)) {
            //: %1: a folder of the catalogue
            why[i] = QCoreApplication::translate("Categories", "%1 was left out: it is the home folder or holds it.")
                         .arg(shown(b.path));
            continue;
        }
        // A base may be the very home sub-folder that the rules protect as a
        // folder (~/.cache, %LOCALAPPDATA%): only what is inside it is taken,
        // and that is not protected by that rule.
        ProtectionRules own = rules;
        if (!b.ownFolder.isEmpty() && key == normalizePath(b.ownFolder))
            own.homeFolders.removeAll(key);
        if (isProtectedPath(b.real, own) || (!b.temp && isProtectedPath(b.path, own))) {
            //: %1: a folder of the catalogue
            why[i] = QCoreApplication::translate("Categories", "%1 was left out: it lies in a protected location.")
                         .arg(shown(b.path));
            continue;
        }
        keys[i] = key;
    }

    auto isFree = [](const Base &outer, const Base &inner) {
        return isAtOrBelow(inner.real, outer.real)
            && outer.freeNames.contains(inner.real.mid(outer.real.size() + 1).section(QLatin1Char('/'), 0, 0));
    };
    for (qsizetype i = 0; i < bases.size(); ++i) {
        if (keys.at(i).isEmpty())
            continue;
        bool overlaps = false;
        for (qsizetype j = 0; j < bases.size() && !overlaps; ++j) {
            if (j == i || keys.at(j).isEmpty())
                continue;
            const bool same = keys.at(i) == keys.at(j);
            overlaps = same ? j < i : holds(keys.at(i), keys.at(j)) && !isFree(bases.at(i), bases.at(j));
            // Two temporary folders that are one folder are simply listed once.
            if (overlaps && !(same && bases.at(i).temp && bases.at(j).temp))
                //: %1: a folder of the catalogue; %2: the category it overlaps
                why[i] = QCoreApplication::translate("Categories", "%1 was left out: it overlaps %2.")
                             .arg(shown(bases.at(i).path), shown(bases.at(j).path));
        }
        bases[i].usable = !overlaps;
    }
    for (qsizetype i = 0; i < bases.size(); ++i) {
        if (why.at(i).isEmpty())
            continue;
        for (const QString &id : std::as_const(bases.at(i).users))
            addNote(notes[id], why.at(i));
    }
}

// base + "/" + rel for a root at a fixed place below a judged base; empty
// when the base was left out, or, with a note when the folder is there, when
// a link lies on the way.
QString below(const Base &base, const QString &rel, QStringList &notes)
{
    const QString from = base.rootPath();
    if (from.isEmpty())
        return {};
    const QString p = catalogueJoin(from, rel);
    if (!linkBelow(from, p).isEmpty()) {
        const QString real = QFileInfo(p).canonicalFilePath();
        if (!real.isEmpty())
            addNote(notes, linkNote(p, real));
        return {};
    }
    return p;
}

QString realOrClean(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(path) : real;
}

void handOutNotes(QList<CategoryDef> &defs, const Notes &notes)
{
    for (CategoryDef &d : defs)
        d.notes = notes.value(d.id);
}

CategoryDef makeDef(const char *id, const QString &name, const QString &detail, const QString &description,
                    const char *icon, const char *color, int risk)
{
    CategoryDef d;
    d.id = QString::fromLatin1(id);
    d.name = name;
    d.detail = detail;
    d.description = description;
    d.icon = QString::fromLatin1(icon);
    d.color = QString::fromLatin1(color);
    d.risk = risk;
    return d;
}

QString tempDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Scratch files that apps and the system create while working. They are not needed once the app closes."));
}
QString appCacheDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Data apps keep to load faster. Apps rebuild these automatically the next time they need them."));
}
QString browserDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched."));
}
QString logsDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem."));
}
QString thumbsDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Preview images of your files. They are regenerated the next time you open a folder."));
}
QString devDescription()
{
    return trc(QT_TRANSLATE_NOOP("Categories", "Package manager caches and build output. Removing them is safe, but the next build or install will be slower."));
}

CategoryDef trashDef(const QString &name)
{
    //: Where a category looks: every drive, not one folder
    CategoryDef d = makeDef("trash", name, trc(QT_TRANSLATE_NOOP("Categories", "All drives")),
                            trc(QT_TRANSLATE_NOOP("Categories", "Items you have already deleted. Emptying cannot be undone.")),
                            "trash", "#ef4444", Permanent);
    d.isTrash = true;
    return d;
}

} // namespace cataloguerules

using namespace cataloguerules;

QString catalogueJoin(const QString &a, const QString &b)
{
    return QDir::cleanPath(a + QLatin1Char('/') + b);
}

const QStringList &appCacheSkipSet()
{
    static const QStringList set = {
        QStringLiteral("Google"), QStringLiteral("Mozilla"), QStringLiteral("BraveSoftware"),
        QStringLiteral("Microsoft"), QStringLiteral("Packages"), QStringLiteral("Temp"),
        QStringLiteral("npm-cache"), QStringLiteral("pip"), QStringLiteral("Yarn"),
        QStringLiteral("NuGet"), QStringLiteral("go-build"), QStringLiteral("CrashDumps"),
    };
    return set;
}

const QStringList &cacheFolderNames()
{
    static const QStringList names = {
        QStringLiteral("Cache"), QStringLiteral("Code Cache"), QStringLiteral("GPUCache"),
        QStringLiteral("CachedData"), QStringLiteral("DawnCache"), QStringLiteral("DawnGraphiteCache"),
        QStringLiteral("GrShaderCache"), QStringLiteral("ShaderCache"),
    };
    return names;
}

QList<CategoryRoot> discoverAppCaches(const QStringList &bases, const QStringList &extraSkips)
{
    const QStringList &skip = appCacheSkipSet();
    const QStringList &names = cacheFolderNames();
    QList<CategoryRoot> roots;
    for (const QString &base : bases) {
        if (base.isEmpty())
            continue;
        for (const QString &app : listSubdirs(base)) {
            if (skip.contains(app) || extraSkips.contains(app) || isVolumeTrashName(app))
                continue;
            const QString appPath = catalogueJoin(base, app);
            const QStringList subdirs = listSubdirs(appPath);
            for (const QString &n : names) {
                if (subdirs.contains(n))
                    addRoot(roots, catalogueJoin(appPath, n), app + Dot + n);
            }
            for (const QString &e : subdirs) {
                if (names.contains(e) || isVolumeTrashName(e))
                    continue;
                const QString inner = QDir::cleanPath(appPath + QLatin1Char('/') + e);
                const QStringList innerSubdirs = listSubdirs(inner);
                for (const QString &n : names) {
                    if (innerSubdirs.contains(n))
                        addRoot(roots, QDir::cleanPath(inner + QLatin1Char('/') + n),
                                app + QLatin1Char(' ') + e + Dot + n);
                }
            }
        }
    }
    return roots;
}

QList<CategoryRoot> chromiumProfileRoots(const QString &userData, const QString &browser,
                                         const QStringList &lookupBases)
{
    static const QStringList subPaths = {
        QStringLiteral("Cache"), QStringLiteral("Code Cache"), QStringLiteral("GPUCache"),
        QStringLiteral("Service Worker/CacheStorage"),
    };
    const QStringList bases = lookupBases.isEmpty() ? QStringList{userData} : lookupBases;
    QList<CategoryRoot> roots;
    if (userData.isEmpty())
        return roots;
    for (const QString &profile : listSubdirs(userData)) {
        if (profile != QLatin1String("Default") && !profile.startsWith(QLatin1String("Profile ")))
            continue;
        for (const QString &base : bases) {
            const QString profileDir = QDir::cleanPath(base + QLatin1Char('/') + profile);
            for (const QString &sub : subPaths) {
                const QString last = sub.section(QLatin1Char('/'), -1);
                addRoot(roots, QDir::cleanPath(profileDir + QLatin1Char('/') + sub),
                        browser + Dot + profile + Dot + last, {}, base);
            }
        }
    }
    return roots;
}

QList<CategoryRoot> firefoxProfileRoots(const QString &profilesDir)
{
    QList<CategoryRoot> roots;
    if (profilesDir.isEmpty())
        return roots;
    for (const QString &profile : listSubdirs(profilesDir)) {
        if (!isVolumeTrashName(profile))
            addRoot(roots, catalogueJoin(profilesDir, profile + QStringLiteral("/cache2")),
                    QStringLiteral("Firefox") + Dot + profile, {}, profilesDir);
    }
    return roots;
}

QList<CategoryDef> defaultCategories()
{
#ifdef Q_OS_WIN
    return windowsCatalogue(WindowsBases::fromEnvironment());
#else
    return linuxCatalogue(LinuxBases::fromEnvironment());
#endif
}

#pragma once

// What both catalogues are built from: how a base folder is judged before
// anything below it is offered, how a root is added, and the categories'
// shared texts. Each platform's entries are in a file of their own
// (linuxcatalogue.cpp, windowscatalogue.cpp); next to each entry a line says
// what brings it back once removed and what of the user's can live there.

#include "scan/category.h"
#include "scan/pathrules.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace cataloguerules {

inline constexpr qint64 DayMs = 24LL * 60 * 60 * 1000;
inline const QString Dot = QStringLiteral(" · ");

// A text of the "Categories" context.
QString trc(const char *text);

// Whether `path` is `folder` or lies inside it (both cleaned, '/' separators).
bool isAtOrBelow(const QString &path, const QString &folder);

// The first link (symbolic link or junction) on the way from `from` down to
// `path`, `from` itself not counted and `path` included; empty when there is
// none or `path` does not lie below `from`.
QString linkBelow(const QString &from, const QString &path);

// Appends a root when its folder exists. A root that is itself a link or
// junction, or is reached through one below `from` (a folder already judged),
// is left out: cleaning "the contents" of a link would reach into whatever
// folder it points at. A relative path (an unset base) is never resolved
// against the working folder. Doubles are dropped once a category is
// complete (dropDuplicateRoots).
void addRoot(QList<CategoryRoot> &roots, const CategoryRoot &root, const QString &from = {});
void addRoot(QList<CategoryRoot> &roots, const QString &path, const QString &label = {},
             const QStringList &patterns = {}, const QString &from = {});

// Keeps the first of roots with the same folder and patterns, so that a
// folder reached through two bases is not counted twice.
void dropDuplicateRoots(QList<CategoryRoot> &roots);

// The trash folders of a volume mounted inside a base (".Trash",
// ".Trash-1000"): what the user deleted there, never a cache.
bool isVolumeTrashName(const QString &name);

void addNote(QStringList &notes, const QString &note);

// Notes by category id; each catalogue hands them to its categories at the end.
using Notes = QMap<QString, QStringList>;

// One folder the catalogue takes roots from (a temporary folder, an XDG or
// per-user folder, a cache folder of a tool below home). Before anything
// below it is offered it is judged by where it really points: a variable
// that names the home folder, a cache folder that is a link to /var/tmp or
// two variables naming the same folder would otherwise turn personal files
// or other people's live files into "caches".
struct Base
{
    QString path;            // as configured, cleaned; roots are built on it
    QStringList users;       // ids of the categories built from it; they carry its note
    // Temporary folders are judged by their real path alone and listed
    // there: TMPDIR commonly points through a link and systems link /tmp,
    // and entries of a temporary folder are only ever taken when the user
    // owns them and they are a day old. Every other base must not be a
    // link, nor be reached through one below the home folder.
    bool temp = false;
    QString ownFolder;       // the protected home sub-folder this base is by default (~/.cache)
    QStringList freeNames;   // folders directly inside that none of its roots enters

    QString real;            // canonical path, empty when the folder is missing
    bool usable = false;

    QString rootPath() const { return usable ? (temp ? real : path) : QString(); }
};

Base perUserBase(const QString &path, QStringList users, const QString &ownFolder = {}, QStringList freeNames = {});
Base tempBase(const QString &path);

// Judges every base in order and notes why one is left out (see the
// definition for the rules on overlaps).
void judgeBases(QList<Base> &bases, const QString &home, const QString &homeReal, const ProtectionRules &rules,
                Notes &notes);

// base + "/" + rel for a root at a fixed place below a judged base; empty
// when the base was left out, or, with a note when the folder is there, when
// a link lies on the way.
QString below(const Base &base, const QString &rel, QStringList &notes);

// The canonical path when the folder exists, else the cleaned one.
QString realOrClean(const QString &path);

void handOutNotes(QList<CategoryDef> &defs, const Notes &notes);

CategoryDef makeDef(const char *id, const QString &name, const QString &detail, const QString &description,
                    const char *icon, const char *color, int risk);

QString tempDescription();
QString appCacheDescription();
QString browserDescription();
QString logsDescription();
QString thumbsDescription();
QString devDescription();
CategoryDef trashDef(const QString &name);

struct DevCache
{
    QString path;
    const char *label;
};

} // namespace cataloguerules

#pragma once

// The records shared by the scanner, the cleaner and the pages. They travel
// between threads in queued signals, so they are plain values registered with
// the meta-type system (registerCategoryTypes(), called once at start-up).

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <functional>

// Stored as an int in CategoryDef::risk.
enum Risk : int {
    Safe = 0,
    Review = 1,
    Permanent = 2,
};

// Whether the Recycle Bin (Trash) can take an item, as the scan found without
// moving or creating anything. Stored as an int in ScanItem::trashFit.
enum TrashFit : int {
    TrashFits = 0,
    NoTrashOnDrive = 1,  // its drive has no bin that may be used
    TrashRefuses = 2,    // the bin is there but cannot take it (a name too long for its record, a file too large)
};

// One folder that a category scans. A root with a label is measured as one
// whole item whose contents are cleaned; a root without one contributes one
// item per matching entry directly inside it.
struct CategoryRoot
{
    QString path;          // absolute, '/' separators, cleaned
    QStringList patterns;  // wildcard file-name filters (QDir::match); empty = every entry
    QString label;

    // Listing roots only. Shared folders such as /tmp hold the live files of
    // other users and of running programs, so there the scanner keeps entries
    // owned by the current user (ownEntriesOnly) and, when minAgeMs > 0, only
    // entries that nobody has touched for minAgeMs milliseconds: no time a
    // user's action leaves (fs::lastTouched) on the entry or anything in it
    // is more recent. The cleaner looks again before it removes one.
    bool ownEntriesOnly = false;
    qint64 minAgeMs = 0;
    // Listing roots only: plain files directly inside are items; folders and
    // links are left to the roots that know what they are.
    bool filesOnly = false;
    // Labelled roots only: only files with a single name count and go; files
    // hard-linked elsewhere, and the folders that hold them, stay.
    bool singleLinkFiles = false;
    // Labelled roots only: a build tool's local repository, in which what the
    // user's own projects installed stays (neveroffer::isLocalBuild).
    bool keepsLocalBuilds = false;
    // Labelled roots only: a tool's whole cache folder, whose settings files
    // at the top (neveroffer::isSettingsFileName) stay.
    bool keepsTopSettings = false;

    bool isLabelled() const { return !label.isEmpty(); }
    friend bool operator==(const CategoryRoot &, const CategoryRoot &) = default;
};

struct CategoryDef
{
    QString id;           // stable key: "temp", "appcache", "browser", "logs", "thumbs", "update", "dev", "trash"
    QString name;         // translated (context "Categories")
    QString detail;       // one short where-from line
    QString description;  // translated (context "Categories")
    QString icon;         // icon name
    // '#' and six hexadecimal digits. Kept as text because the engine library
    // does not link Qt Gui; the pages build a QColor from it.
    QString color;
    int risk = Safe;
    bool needsAdmin = false;           // folders belong to the system
    bool needsFullDiskAccess = false;  // only meaningful on macOS; never set here
    bool isTrash = false;              // no roots; measured and emptied through the trash services
    QList<CategoryRoot> roots;
    // Why folders this category would normally scan were left out (a base
    // that is a link, holds the home folder, lies in a protected location or
    // overlaps another base), and, in a scan's result, which items were left
    // out because programs are working in them. Translated (context
    // "Categories"), one sentence each, naming the folder.
    QStringList notes;

    friend bool operator==(const CategoryDef &, const CategoryDef &) = default;
};

struct ScanItem
{
    QString path;          // empty for the Recycle Bin item
    QString label;
    bool contentsOnly = false;  // true: clean what is inside the folder, keep the folder
    bool linkedFilesStay = false;  // files with other names too are neither counted nor removed
    bool localBuildsStay = false;  // what projects installed into a build tool's repository stays
    bool topSettingsStay = false;  // the settings files directly in the item's folder stay
    QString runningApp;    // display name of the running owner (see isProgramCacheCategory)
    // A TrashFit value; judged for the items of categories that a cleanup
    // may move to the bin (not those of risk Permanent). A cleanup to the bin
    // leaves an item that does not fit where it is, unless deleteInstead.
    int trashFit = TrashFits;
    // Set on an item handed to a cleanup to the bin: delete it for good
    // instead (the user's choice for what the bin cannot take).
    bool deleteInstead = false;
    // The age rule the item was offered under (its root's minAgeMs): the
    // cleaner leaves it where anything in it was touched more recently.
    qint64 minAgeMs = 0;
    qint64 bytes = 0;      // on disk
    qint64 files = 0;
    // Newest modification, ms since the Unix epoch, 0 when unknown. For an
    // item offered under an age rule, the last time anything in it was
    // touched (what the rule judged): an archive unpacked last week shows
    // last week, not the years-old times of what it holds.
    qint64 newest = 0;

    friend bool operator==(const ScanItem &, const ScanItem &) = default;
};

// A measured category: every field of its definition plus the totals.
struct CategoryResult : CategoryDef
{
    CategoryResult() = default;
    explicit CategoryResult(const CategoryDef &def) : CategoryDef(def) {}

    qint64 bytes = 0;           // sum of the items' bytes
    qint64 files = 0;           // files examined while measuring
    bool accessDenied = false;  // at least one root could not be listed
    QList<ScanItem> items;      // largest first

    friend bool operator==(const CategoryResult &, const CategoryResult &) = default;
};

Q_DECLARE_METATYPE(CategoryRoot)
Q_DECLARE_METATYPE(CategoryDef)
Q_DECLARE_METATYPE(ScanItem)
Q_DECLARE_METATYPE(CategoryResult)

// Registers the records above and their lists for queued connections.
void registerCategoryTypes();

// Translated label of a Risk value ("Safe", "Review", "Permanent"); empty for
// any other value.
QString riskLabel(int risk);

// Names of the subfolders of path that are real directories (links, junctions
// and mount points left out), in listing order; empty when path cannot be
// listed.
QStringList listSubdirs(const QString &path);

// A function that yields the catalogue. The scanner takes one so that tests
// can hand it fixture catalogues instead of the real system folders.
using CatalogueSource = std::function<QList<CategoryDef>()>;

// The catalogue of the platform this build runs on, built from the real
// environment and the disk on every call. Thread-safe.
QList<CategoryDef> defaultCategories();

#include "cli/commands.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "cli/clitext.h"
#include "cli/console.h"
#include "cli/output.h"
#include "scan/fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <climits>
#include <csignal>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace cli;

namespace {

// Set from a signal handler (POSIX) or the console's handler thread (Windows).
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

#ifdef Q_OS_UNIX
void onInterrupt(int)
{
    g_interrupted = 1;
}
#endif

#ifdef Q_OS_WIN
// How long a closing console window waits for the run to stop and finish its
// log; the system ends the process itself after about five seconds.
constexpr DWORD kCloseGraceMs = 4500;

// Runs on a thread the console starts for each event.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        // The first one ends the wait, as SIGINT does; a second one falls
        // through to the default handler, which ends the process at once.
        return g_interrupted.exchange(1) == 0 ? TRUE : FALSE;
    case CTRL_CLOSE_EVENT:
        // The process ends when this returns. Until then the run stops as it
        // does for SIGTERM; leaving main ends the process before this returns.
        g_interrupted = 1;
        Sleep(kCloseGraceMs);
        return FALSE;
    default:
        return FALSE;
    }
}
#endif

// Items listed per category in the table; --json lists all of them.
constexpr int kItemsShown = 5;
constexpr qint64 kProgressIntervalMs = 100;

// One rewritten line on stderr, and only on a terminal: piped or redirected
// output stays clean for scripts.
class ProgressLine final
{
public:
    ProgressLine() : m_width(console::columns(console::Error)), m_err(console::errors()) { m_timer.start(); }
    ~ProgressLine() { clear(); }

    void show(const QString &text)
    {
        if (m_width <= 0 || (m_shown && m_timer.elapsed() < kProgressIntervalMs))
            return;
        m_timer.restart();
        const QString line = fitToWidth(text, m_width);
        m_err << '\r' << padded(line, m_lastWidth, false) << Qt::flush;
        m_lastWidth = displayWidth(line);
        m_shown = true;
    }
    void clear()
    {
        if (!m_shown)
            return;
        m_err << '\r' << QString(m_lastWidth, QLatin1Char(' ')) << '\r' << Qt::flush;
        m_shown = false;
        m_lastWidth = 0;
    }

private:
    const int m_width;  // 0: stderr is not a terminal
    bool m_shown = false;
    int m_lastWidth = 0;
    QTextStream m_err;
    QElapsedTimer m_timer;
};

// Runs the event loop until `done` holds, re-checking after each `signal`.
// False when an interrupt ended the wait first.
template<typename Signal, typename Done>
bool waitUntil(AppState &state, Signal signal, Done done)
{
    if (done())
        return true;
    QEventLoop loop;
    QObject::connect(&state, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (g_interrupted)
            loop.quit();
    });
    poll.start(100);
    loop.exec();
    return done();
}

int interruptedExit()
{
    //: Printed when Ctrl+C stopped the command
    QTextStream(console::errors()) << '\n' << CliText::tr("Interrupted.") << '\n';
    return 1;
}

QString shortDate(qint64 msecs)
{
    if (msecs <= 0)
        return QStringLiteral("-");
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// Runs a scan through the state and waits for its end. False when it did not
// complete.
bool scanAndWait(AppState &state)
{
    ProgressLine progress;
    QObject::connect(&state, &AppState::scanProgressChanged, &state, [&] {
        const int i = state.currentIndex();
        const QString name = i >= 0 && i < state.defs().size() ? shown(state.defs().at(i).name) : QString();
        //: Progress line; %1: a category; %2: the size found; %3: a folder
        progress.show(CliText::tr("Scanning %1 · %2 · %Ln file(s) · %3", nullptr,
                                  int(std::min<qint64>(state.filesChecked(), INT_MAX)))
                          .arg(name, formatSize(state.foundBytes()), shownPath(state.currentPath())));
    });
    state.startScan();
    const bool ended = waitUntil(state, &AppState::phaseChanged, [&] { return state.phase() != AppState::Scanning; });
    QObject::disconnect(&state, &AppState::scanProgressChanged, &state, nullptr);
    return ended && state.phase() == AppState::Results;
}

QJsonObject itemJson(const ScanItem &item)
{
    return QJsonObject{
        {QStringLiteral("path"), nativePath(item.path)},
        {QStringLiteral("label"), item.label},
        {QStringLiteral("bytes"), item.bytes},
        {QStringLiteral("files"), item.files},
        {QStringLiteral("newest"), item.newest},
        {QStringLiteral("contentsOnly"), item.contentsOnly},
        {QStringLiteral("runningApp"), item.runningApp},
    };
}

QJsonObject categoryJson(const CategoryResult &r)
{
    QJsonArray items;
    for (const ScanItem &item : r.items)
        items.append(itemJson(item));
    QJsonObject o{
        {QStringLiteral("id"), r.id},
        {QStringLiteral("name"), r.name},
        {QStringLiteral("risk"), r.risk},
        {QStringLiteral("needsAdmin"), r.needsAdmin},
        {QStringLiteral("isTrash"), r.isTrash},
        {QStringLiteral("bytes"), r.bytes},
        {QStringLiteral("files"), r.files},
        {QStringLiteral("accessDenied"), r.accessDenied},
        {QStringLiteral("items"), items},
    };
    // Why folders of the category were left out; only present when some were.
    if (!r.notes.isEmpty())
        o.insert(QStringLiteral("notes"), QJsonArray::fromStringList(r.notes));
    return o;
}

void printScanTable(const AppState &state)
{
    QTextStream out(console::output());
    QList<QStringList> rows{{//: Column heading of the scan table
                             CliText::tr("Category"),
                             //: Column heading of the scan table: Safe, Review or Permanent
                             CliText::tr("Risk"),
                             //: Column heading
                             CliText::tr("Size"),
                             //: Column heading: a number of files
                             CliText::tr("Files"),
                             //: Column heading: a number of items (folders or files)
                             CliText::tr("Items")}};
    QStringList unreadable;
    QStringList notes;  // a folder left out of several categories is noted once
    for (const CategoryResult &r : state.results()) {
        for (const QString &note : r.notes) {
            if (const QString line = shown(note); !notes.contains(line))
                notes.append(line);
        }
        rows.append({shown(r.name) + QStringLiteral(" [") + shown(r.id) + QLatin1Char(']'), riskLabel(r.risk),
                     formatSize(r.bytes), formatNumber(r.files), formatNumber(r.items.size())});
        for (qsizetype i = 0; i < r.items.size() && i < kItemsShown; ++i) {
            const ScanItem &item = r.items.at(i);
            QString where = item.path.isEmpty() ? shown(item.label) : shownPath(item.path);
            if (!item.runningApp.isEmpty())
                //: After an item of the scan table; %1: an app's name
                where += QLatin1Char(' ') + CliText::tr("(%1 is running)").arg(shown(item.runningApp));
            rows.append({QStringLiteral("  ") + where, QString(), formatSize(item.bytes), formatNumber(item.files),
                         QString()});
        }
        if (r.items.size() > kItemsShown)
            //: %1: a number of items not printed
            rows.append({QStringLiteral("  ") + CliText::tr("… %1 more (--json lists all)").arg(r.items.size() - kItemsShown),
                         QString(), QString(), QString(), QString()});
        if (r.accessDenied)
            unreadable.append(shown(r.name));
    }
    // On a terminal the paths are shortened rather than wrapped.
    printTable(out, rows, {false, false, true, true, true}, console::columns(console::Output));
    out << '\n'
        << CliText::tr("%1 found · %Ln file(s) checked · %2 s", "%1: a size; %2: seconds",
                       int(std::min<qint64>(state.filesChecked(), INT_MAX)))
               .arg(formatSize(state.totalBytes()),
                    QLocale().toString(double(state.scanTimer().elapsed()) / 1000.0, 'f', 1))
        << '\n';
    for (const QString &name : std::as_const(unreadable))
        //: %1: a category
        out << CliText::tr("Some folders of %1 could not be read.").arg(name) << '\n';
    for (const QString &note : std::as_const(notes))
        out << note << '\n';
}

// Whether `inner` is `outer` or lies inside it (both cleaned, '/' separators).
bool isAtOrBelow(const QString &inner, const QString &outer)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (inner.compare(outer, cs) == 0)
        return true;
    const QString prefix = outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/');
    return inner.startsWith(prefix, cs);
}

QString normalised(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString absolute(const QString &path)
{
    return normalised(QFileInfo(path).absoluteFilePath());
}

// The path with its longest existing part resolved to the real location
// (links followed) and the rest appended as written, so that a path below a
// linked home folder, or one that is gone, still compares by where it is.
QString realPath(const QString &path)
{
    QString head = absolute(path);
    QStringList tail;
    for (;;) {
        const QString real = QFileInfo(head).canonicalFilePath();
        if (!real.isEmpty())
            return normalised((QStringList{real} + tail).join(QLatin1Char('/')));
        const QFileInfo info(head);
        if (info.path() == head)
            return absolute(path);
        tail.prepend(info.fileName());
        head = info.path();
    }
}

// The real folder of a path with its own name kept: a link is compared as
// the link itself, which is what the cleaner removes.
QString realLocation(const QString &path)
{
    const QFileInfo info(absolute(path));
    if (info.fileName().isEmpty())
        return realPath(info.filePath());
    return normalised(realPath(info.path()) + QLatin1Char('/') + info.fileName());
}

// Every spelling under which a path may be compared: as written, where its
// folder really is, and (for what is given) where it finally leads.
QStringList spellings(const QString &path, bool followOwnLink)
{
    QStringList out{absolute(path), realLocation(path)};
    if (followOwnLink)
        out.append(realPath(path));
    out.removeDuplicates();
    return out;
}

// Unticks every item of the chosen categories that --skip-item names, that
// lies below it, or that holds it: an item is removed as a whole, so keeping
// a file inside an item means keeping that item. Returns the paths given
// that named no item at all.
QStringList applySkipItems(AppState &state, const Options &options, QTextStream &err)
{
    QStringList unmatched;
    for (const QString &given : options.skipItems) {
        const QStringList skips = spellings(given, true);
        bool matched = false;
        for (const QString &id : options.categories) {
            const CategoryResult *r = state.findResult(id);
            if (!r)
                continue;
            for (const ScanItem &item : r->items) {
                if (item.path.isEmpty())
                    continue;
                bool exact = false;
                bool holds = false;
                for (const QString &itemPath : spellings(item.path, false)) {
                    for (const QString &skip : skips) {
                        exact = exact || isAtOrBelow(itemPath, skip);
                        holds = holds || isAtOrBelow(skip, itemPath);
                    }
                }
                if (!exact && !holds)
                    continue;
                matched = true;
                if (!exact)
                    //: %1: a folder; %2: the file or folder that keeps it
                    err << CliText::tr("Keeping %1 as a whole: %2 lies inside it.")
                               .arg(shownPath(item.path), shown(given))
                        << '\n';
                state.setItemSelected(id, item.path, false);
            }
        }
        if (!matched)
            unmatched.append(given);
    }
    return unmatched;
}

QJsonObject previewJson(const CleanReport &preview)
{
    QJsonArray went;
    QJsonArray kept;
    qint64 total = 0;
    for (const PreviewEntry &e : preview.wouldGo) {
        total += e.bytes;
        went.append(QJsonObject{
            {QStringLiteral("path"), e.path},
            {QStringLiteral("bytes"), e.bytes},
            {QStringLiteral("folder"), e.isFolder},
            {QStringLiteral("action"), e.toTrash ? QStringLiteral("trash") : QStringLiteral("delete")},
        });
    }
    for (const PreviewEntry &e : preview.wouldKeep)
        kept.append(QJsonObject{{QStringLiteral("path"), e.path}, {QStringLiteral("reason"), e.reason}});
    return QJsonObject{
        {QStringLiteral("preview"), true},
        {QStringLiteral("bytes"), total},
        {QStringLiteral("wouldGo"), went},
        {QStringLiteral("wouldKeep"), kept},
        {QStringLiteral("skippedCount"), preview.skippedCount},
        {QStringLiteral("needsAdmin"), preview.needsAdmin},
        {QStringLiteral("runningApps"), QJsonArray::fromStringList(preview.runningApps)},
    };
}

void printPreview(const CleanReport &preview)
{
    QTextStream out(console::output());
    QList<QStringList> rows{{CliText::tr("Size"),
                             //: Column heading of the --dry-run table: what would happen to the path
                             CliText::tr("Action"), CliText::tr("Path")}};
    qint64 total = 0;
    for (const PreviewEntry &e : preview.wouldGo) {
        total += e.bytes;
        // A folder that goes whole ends in a separator.
        const QString path = e.isFolder ? shown(e.path) + QDir::separator() : shown(e.path);
        rows.append({formatSize(e.bytes), e.toTrash ? onPlatform(
                                                     //: The Action column of --dry-run's table: to the Recycle Bin
                                                     CliText::tr("move to Recycle Bin"),
                                                     //: The Action column of --dry-run's table: to the Trash
                                                     CliText::tr("move to Trash"))
                                               : CliText::tr("delete", "the Action column of --dry-run's table: "
                                                                       "the file is deleted for good"),
                     path});
    }
    if (!preview.wouldGo.isEmpty())
        printTable(out, rows, {true, false, false});
    if (!preview.wouldKeep.isEmpty()) {
        //: Heading over the paths --dry-run would keep
        out << CliText::tr("Would stay:") << '\n';
        for (const PreviewEntry &e : preview.wouldKeep)
            out << "  " << shown(e.path) << "  (" << shown(e.reason) << ")\n";
    }
    //: "would go": would be removed; %1: their size
    out << CliText::tr("Preview only, nothing was removed: %n path(s) would go, %1.", nullptr, int(preview.wouldGo.size()))
               .arg(formatSize(total))
        << '\n';
}

QJsonArray holdersJson(const CleanReport &report)
{
    QJsonArray out;
    for (const CleanReport::Holder &h : report.holders) {
        QJsonArray pids;
        for (const qint64 pid : h.pids)
            pids.append(pid);
        out.append(QJsonObject{{QStringLiteral("name"), h.name},
                               {QStringLiteral("pids"), pids},
                               {QStringLiteral("files"), h.files}});
    }
    return out;
}

QJsonObject reportJson(const CleanReport &report)
{
    QJsonArray noTrash;
    for (const auto &[path, reason] : report.noTrash)
        noTrash.append(QJsonObject{{QStringLiteral("path"), path}, {QStringLiteral("reason"), reason}});
    return QJsonObject{
        {QStringLiteral("freedBytes"), report.freedBytes},
        {QStringLiteral("trashedBytes"), report.trashedBytes},
        {QStringLiteral("filesRemoved"), report.filesRemoved},
        {QStringLiteral("skippedCount"), report.skippedCount},
        {QStringLiteral("skippedSamples"), QJsonArray::fromStringList(report.skippedSamples)},
        {QStringLiteral("noTrash"), noTrash},
        {QStringLiteral("cleanedCategories"), QJsonArray::fromStringList(report.removedFrom)},
        {QStringLiteral("logPath"), nativePath(report.logPath)},
        {QStringLiteral("needsAdmin"), report.needsAdmin},
        {QStringLiteral("runningApps"), QJsonArray::fromStringList(report.runningApps)},
        {QStringLiteral("changedSinceScan"), QJsonArray::fromStringList(report.changedSinceScan)},
        {QStringLiteral("heldFiles"), report.heldFiles},
        {QStringLiteral("holders"), holdersJson(report)},
    };
}

// `moved`: something went to the bin, also when it added nothing to
// trashedBytes (a file other names still hold).
void printReport(const CleanReport &report, bool moved)
{
    QTextStream out(console::output());
    // Each figure is a clause of its own, so that each count takes its plural.
    QStringList clauses;
    // What went to the trash still takes its space until the trash is emptied.
    if (report.trashedBytes > 0 || moved) {
        clauses << onPlatform(CliText::tr("Moved %1 to the Recycle Bin", "%1: a size"),
                              CliText::tr("Moved %1 to the Trash", "%1: a size"))
                       .arg(formatSize(report.trashedBytes))
                << CliText::tr("freed %1", "follows what was moved to the bin; %1: a size")
                       .arg(formatSize(report.freedBytes));
    } else {
        clauses << CliText::tr("Freed %1", "%1: a size").arg(formatSize(report.freedBytes));
    }
    //: Clause of the line that sums up a cleanup
    clauses << CliText::tr("%n file(s) removed", nullptr, int(std::min<qint64>(report.filesRemoved, INT_MAX)))
            << CliText::tr("%Ln skipped", "a number of files and folders left alone",
                           int(std::min<qint64>(report.skippedCount, INT_MAX)));
    //: Between the clauses of the line that sums up a cleanup
    out << clauses.join(CliText::tr(" · "));
    out << '\n';
    if (!report.removedFrom.isEmpty())
        //: %1: a list of categories
        out << CliText::tr("Cleaned: %1").arg(shownList(report.removedFrom).join(QLatin1String(", "))) << '\n';
    if (!report.skippedSamples.isEmpty()) {
        // In use, protected, changed since the scan, a mount point...: the
        // report keeps the paths, the log each one's reason.
        //: Heading over paths a cleanup left alone, for reasons of several kinds
        out << CliText::tr("Skipped (the log gives each reason):") << '\n';
        for (const QString &path : report.skippedSamples)
            out << "  " << shown(path) << '\n';
        // The report keeps the first few; the log names every one.
        const qint64 more = report.skippedCount - report.noTrash.size() - report.skippedSamples.size();
        if (more > 0)
            //: Below the skipped paths printed
            out << "  " << CliText::tr("… and %n more", nullptr, int(std::min<qint64>(more, INT_MAX))) << '\n';
    }
    if (!report.noTrash.isEmpty()) {
        out << onPlatform(CliText::tr("Could not be moved to the Recycle Bin, left where they are:"),
                          CliText::tr("Could not be moved to the Trash, left where they are:"))
            << '\n';
        for (const auto &[path, reason] : report.noTrash)
            out << "  " << shown(path) << "  (" << reason << ")\n";
    }
    for (const CleanReport::Holder &h : report.holders) {
        QStringList pids;
        for (const qint64 pid : h.pids)
            pids.append(QString::number(pid));
        //: %1: a program's name; %2: its process number
        out << CliText::tr("In use by %1 (PID %2): %n file(s)", nullptr, int(std::min<qint64>(h.files, INT_MAX)))
                   .arg(shown(h.name), pids.join(QLatin1String(", ")))
            << '\n';
    }
    if (!report.changedSinceScan.isEmpty())
        //: %1: a list of paths
        out << CliText::tr("Kept because something in them changed since the scan: %1")
                   .arg(shownList(report.changedSinceScan).join(QLatin1String(", ")))
            << '\n';
    if (!report.runningApps.isEmpty())
        //: %1: a list of app names
        out << CliText::tr("Left alone because they are running: %1")
                   .arg(shownList(report.runningApps).join(QLatin1String(", ")))
            << '\n';
    if (report.needsAdmin)
        out << CliText::tr("Some items need administrator rights.") << '\n';
    if (!report.logPath.isEmpty())
        //: %1: the path of the log file
        out << CliText::tr("Log: %1").arg(shownPath(report.logPath)) << '\n';
}

// A scan or a search only measures, so it may run on whatever the settings
// yielded; the user is told that the figures may not follow their choices.
void warnIfSettingsUnreadable(const AppState &state)
{
    if (!state.settingsReadable())
        warnUnreadableSettings(state.settingsLocation());
}

} // namespace

void installInterruptHandler()
{
#ifdef Q_OS_UNIX
    // The first Ctrl+C ends the wait; leaving main then destroys the state,
    // whose engines stop at their next check (a cleanup still finishes its
    // log). A second one ends the process at once.
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#endif
}

int runScan(AppState &state, const Options &options)
{
    warnIfSettingsUnreadable(state);
    if (!scanAndWait(state)) {
        if (g_interrupted)
            return interruptedExit();
        QTextStream(console::errors()) << CliText::tr("The scan did not complete.") << '\n';
        return 1;
    }
    if (options.json) {
        QJsonArray categories;
        for (const CategoryResult &r : state.results())
            categories.append(categoryJson(r));
        printJson(QJsonObject{
            {QStringLiteral("categories"), categories},
            {QStringLiteral("filesChecked"), state.filesChecked()},
            {QStringLiteral("elapsedMs"), state.scanTimer().elapsed()},
        });
    } else {
        printScanTable(state);
    }
    return 0;
}

int runClean(AppState &state, const Options &options)
{
    QTextStream err(console::errors());
    // Without the settings the exclusions and the trash mode are unknown,
    // even when options replace them: the store must be fixed first.
    if (!state.settingsReadable()) {
#ifdef Q_OS_WIN
        //: %1: a file's path
        const QString unknown = CliText::tr("Cannot read the settings file %1, so your exclusions and your choice "
                                            "between the Recycle Bin and deleting are unknown. Nothing was cleaned: "
                                            "fix or remove that file first.");
#else
        //: %1: a file's path
        const QString unknown = CliText::tr("Cannot read the settings file %1, so your exclusions and your choice "
                                            "between the trash and deleting are unknown. Nothing was cleaned: fix or "
                                            "remove that file first.");
#endif
        err << "varnholt-cli: " << unknown.arg(shownPath(state.settingsLocation())) << '\n';
        return 1;
    }
    if (!scanAndWait(state)) {
        if (g_interrupted)
            return interruptedExit();
        err << CliText::tr("The scan did not complete; nothing was cleaned.") << '\n';
        return 1;
    }
    state.selectAll(false);
    for (const QString &id : options.categories)
        state.setCategorySelected(id, true);
    // A path to keep that matches nothing is most likely mistyped, and
    // cleaning anyway could remove exactly what it meant to keep.
    if (const QStringList unmatched = applySkipItems(state, options, err); !unmatched.isEmpty()) {
        for (const QString &given : unmatched)
            err << "varnholt-cli: "
                << CliText::tr("--skip-item %1 names no item of the categories given.", "%1: the path given")
                       .arg(shown(given))
                << '\n';
        //: Printed when a cleanup removed nothing
        err << CliText::tr("Nothing was cleaned.") << '\n';
        return 2;
    }
    err << Qt::flush;

    if (options.preview) {
        // The same selection and settings the clean below would use.
        if (state.startPreview()
            && !waitUntil(state, &AppState::previewChanged, [&] { return !state.previewRunning(); }))
            return interruptedExit();
        CleanReport preview = state.selectedResults().isEmpty() ? CleanReport() : state.preview();
        preview.preview = true;
        if (options.json)
            printJson(previewJson(preview));
        else
            printPreview(preview);
        return 0;
    }

    if (state.selectedResults().isEmpty()) {
        // All the categories given hold may be the caches of running
        // programs: then that is why nothing goes, not that nothing is there.
        CleanReport none;
        for (const QString &id : options.categories) {
            const CategoryResult *r = state.findResult(id);
            for (const ScanItem &item : r ? r->items : QList<ScanItem>()) {
                if (!item.runningApp.isEmpty() && !none.runningApps.contains(item.runningApp))
                    none.runningApps.append(item.runningApp);
            }
        }
        if (options.json)
            printJson(reportJson(none));
        else if (!none.runningApps.isEmpty())
            QTextStream(console::output()) << CliText::tr("Left alone because they are running: %1")
                                                  .arg(shownList(none.runningApps).join(QLatin1String(", ")))
                                           << '\n';
        else
            QTextStream(console::output()) << CliText::tr("Nothing to clean in the categories given.") << '\n';
        return 0;
    }

    {
        ProgressLine progress;
        QObject::connect(&state, &AppState::cleanProgress, &state,
                         [&](qint64 done, qint64 total, const QString &path) {
                             //: Progress line; %1: the size cleaned; %2: the total; %3: the category
                             progress.show(CliText::tr("Cleaning %1 of %2 · %3")
                                               .arg(formatSize(done), formatSize(total), shownPath(path)));
                         });
        state.startClean();
        const bool ended =
            waitUntil(state, &AppState::phaseChanged, [&] { return state.phase() != AppState::Cleaning; });
        QObject::disconnect(&state, &AppState::cleanProgress, &state, nullptr);
        if (!ended)
            return interruptedExit();
    }

    const CleanReport &report = state.lastReport();
    if (options.json)
        printJson(reportJson(report));
    else
        printReport(report, state.lastCleanupRestorable());
    return report.skippedCount > 0 || !report.changedSinceScan.isEmpty() || report.needsAdmin ? 1 : 0;
}

int runLarge(AppState &state, const Options &options)
{
    warnIfSettingsUnreadable(state);
    {
        ProgressLine progress;
        QObject::connect(&state, &AppState::largeProgress, &state,
                         [&](qint64 checked, const QString &dir, int found, qint64 foundBytes) {
                             //: Progress line; %1: the number of large files found; %2: their size; %3: a folder
                             progress.show(CliText::tr("%Ln file(s) checked · %1 found (%2) · %3", nullptr,
                                                       int(std::min<qint64>(checked, INT_MAX)))
                                               .arg(formatNumber(found), formatSize(foundBytes), shownPath(dir)));
                         });
        state.scanLargeFiles();
        const bool ended = waitUntil(state, &AppState::largeFilesChanged, [&] { return !state.largeScanRunning(); });
        QObject::disconnect(&state, &AppState::largeProgress, &state, nullptr);
        if (!ended)
            return interruptedExit();
    }
    if (!state.largeLoaded()) {
        QTextStream(console::errors()) << CliText::tr("The search for large files did not complete.") << '\n';
        return 1;
    }

    const QList<LargeFile> &files = state.largeFiles();
    if (options.json) {
        QJsonArray list;
        for (const LargeFile &f : files)
            list.append(QJsonObject{
                {QStringLiteral("path"), nativePath(f.path)},
                {QStringLiteral("name"), f.name},
                {QStringLiteral("dir"), f.dir},
                {QStringLiteral("kind"), f.kind},
                {QStringLiteral("bytes"), f.bytes},
                {QStringLiteral("lastUsed"), isoDate(f.lastUsed)},
            });
        printJson(QJsonObject{{QStringLiteral("files"), list}});
        return 0;
    }

    QTextStream out(console::output());
    QList<QStringList> rows{{CliText::tr("Size"),
                             //: Column heading of the large-file table: Video, Archive, …
                             CliText::tr("Kind"),
                             //: Column heading of the large-file table: a date
                             CliText::tr("Last used"),
                             //: Column heading
                             CliText::tr("Path")}};
    qint64 total = 0;
    for (const LargeFile &f : files) {
        rows.append({formatSize(f.bytes), shown(largeFileKindText(f.kind)),
                     f.lastUsed.toString(QStringLiteral("yyyy-MM-dd")),
                     shownPath(f.path)});
        total += f.bytes;
    }
    if (!files.isEmpty())
        printTable(out, rows, {true, false, false, false});
    //: Below the large-file table
    out << CliText::tr("%n large file(s)", nullptr, int(files.size())) << QStringLiteral(" · ") << formatSize(total) << '\n';
    return 0;
}

int runMeasure(const Options &options)
{
    const QString path = QDir::cleanPath(QFileInfo(options.path).absoluteFilePath());
    fs::Entry entry;
    if (!fs::stat(path, entry)) {
        //: %1: a file's path
        QTextStream(console::errors()) << CliText::tr("Cannot read %1.").arg(shownPath(options.path)) << '\n';
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    const fs::Measure m = fs::measure(path);
    const qint64 elapsed = timer.elapsed();

    if (options.json) {
        printJson(QJsonObject{
            {QStringLiteral("bytes"), m.bytes},
            {QStringLiteral("files"), m.files},
            {QStringLiteral("newest"), m.newest},
            {QStringLiteral("elapsedMs"), elapsed},
        });
        return 0;
    }
    QTextStream out(console::output());
    printTable(out,
               {{CliText::tr("Path"), shownPath(path)},
                {CliText::tr("Size"), formatSize(m.bytes)},
                {CliText::tr("Files"), formatNumber(m.files)},
                //: Column heading of the history table: the latest record
                {CliText::tr("Newest"), shortDate(m.newest)},
                {//: Column heading of the timing table
                 CliText::tr("Time"),
                 //: %1: a number of milliseconds
                 CliText::tr("%1 ms").arg(elapsed)}},
               {false, false});
    return 0;
}

bool interruptRequested()
{
    return g_interrupted != 0;
}

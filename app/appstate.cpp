#include "app/appstate.h"

#include "app/appsettings.h"
#include "clean/cleanuplog.h"
#include "history/folderrecorder.h"
#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/pathrules.h"
#include "scan/scanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>
#include <utility>

void registerEngineTypes()
{
    registerCategoryTypes();
    registerLargeFileTypes();
    qRegisterMetaType<CleanReport>();
    qRegisterMetaType<RestoreReport>();
}

namespace {

constexpr int kDefaultThresholdMB = 500;

AppSettings *settings()
{
    return AppSettings::instance();
}

// Whether `path` is `item` or lies below it, spelt as the cleaner spells
// what it met inside an item.
bool liesIn(const QString &path, const QString &item)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString p = QDir::fromNativeSeparators(path);
    const QString i = QDir::fromNativeSeparators(item);
    if (p.isEmpty() || i.isEmpty() || QDir::cleanPath(p) != p)
        return false;
    return p.compare(i, cs) == 0 || p.startsWith(i.endsWith(QLatin1Char('/')) ? i : i + QLatin1Char('/'), cs);
}

// The busy paths of a cleanup as items of the categories that cleanup was
// given; a path outside every item of its category is left out.
QList<CategoryResult> retryInput(const QList<CategoryResult> &cleaned, const QList<CleanReport::Busy> &busy)
{
    QList<CategoryResult> out;
    for (const CategoryResult &c : cleaned) {
        if (c.isTrash)
            continue;
        CategoryResult again = c;
        again.items.clear();
        again.bytes = 0;
        again.files = 0;
        for (const CleanReport::Busy &b : busy) {
            const auto within = std::find_if(c.items.cbegin(), c.items.cend(),
                                             [&b](const ScanItem &i) { return liesIn(b.path, i.path); });
            if (b.category != c.id || within == c.items.cend())
                continue;
            ScanItem item;
            item.path = b.path;
            item.linkedFilesStay = within->linkedFilesStay;
            item.localBuildsStay = within->localBuildsStay;
            item.deleteInstead = within->deleteInstead;
            item.minAgeMs = within->minAgeMs;
            item.label = QDir::fromNativeSeparators(b.path).section(QLatin1Char('/'), -1);
            item.bytes = b.bytes;
            item.files = b.files;
            again.items.append(item);
            again.bytes += b.bytes;
            again.files += b.files;
        }
        if (!again.items.isEmpty())
            out.append(again);
    }
    return out;
}

// The first cleanup's report with a retry of its busy paths added: what the
// retry freed adds up, and what it tried replaces what the first run said
// about those paths. The caches of running programs were all tried again:
// the retry's word on them stands.
CleanReport withRetry(const CleanReport &first, const CleanReport &retry, const QList<CleanReport::Busy> &retried)
{
    CleanReport out = first;
    out.freedBytes += retry.freedBytes;
    out.trashedBytes += retry.trashedBytes;
    out.filesRemoved += retry.filesRemoved;
    out.skippedCount = std::max<qint64>(first.skippedCount - retried.size(), 0) + retry.skippedCount;
    QSet<QString> again;
    for (const CleanReport::Busy &b : retried)
        again.insert(QDir::toNativeSeparators(b.path));
    out.skippedSamples.clear();
    for (const QString &sample : first.skippedSamples) {
        if (!again.contains(sample))
            out.skippedSamples.append(sample);
    }
    out.skippedSamples += retry.skippedSamples;
    out.skippedSamples = out.skippedSamples.mid(0, 5);
    out.noTrash += retry.noTrash;
    const auto addMissing = [](QStringList &to, const QStringList &from) {
        for (const QString &s : from) {
            if (!to.contains(s))
                to.append(s);
        }
    };
    addMissing(out.cleanedCategories, retry.cleanedCategories);
    addMissing(out.removedFrom, retry.removedFrom);
    addMissing(out.changedSinceScan, retry.changedSinceScan);
    out.runningApps = retry.runningApps;
    out.leftRunning = retry.leftRunning;
    out.retryLogPaths.append(retry.logPath);
    out.busy = retry.busy;
    for (const CleanReport::Busy &b : first.busy) {
        if (!retried.contains(b))
            out.busy.append(b);
    }
    // Only busy files set it, and those that were not tried again keep it.
    out.needsAdmin = retry.needsAdmin || (first.needsAdmin && out.busy.size() > retry.busy.size());
    out.holders = retry.holders;
    out.heldFiles = retry.heldFiles;
    return out;
}

} // namespace

AppState::AppState(QObject *parent) : AppState(CatalogueSource(), parent) {}

AppState::AppState(CatalogueSource catalogue, QObject *parent)
    : QObject(parent), m_catalogue(catalogue ? std::move(catalogue) : CatalogueSource(&defaultCategories))
{
    registerEngineTypes();
    m_scanner = new Scanner(m_catalogue, this);
    m_remeasurer = new Scanner(this);
    m_cleaner = new Cleaner(this);
    m_previewer = new Cleaner(this);
    m_finder = new LargeFileFinder(this);
    m_restorer = new Restorer(this);
    m_folderRecorder = new FolderRecorder(this);
    m_volume = homeVolume();
    m_lastScan = settings()->lastScan();

    connect(m_scanner, &Scanner::started, this, &AppState::onScanStarted);
    connect(m_scanner, &Scanner::categoryStarted, this, &AppState::onCategoryStarted);
    connect(m_scanner, &Scanner::categoryFinished, this, &AppState::onCategoryFinished);
    connect(m_scanner, &Scanner::progress, this, &AppState::onScanProgress);
    connect(m_scanner, &Scanner::finished, this, &AppState::onScanFinished);
    connect(m_remeasurer, &Scanner::finished, this, &AppState::onRemeasureFinished);
    connect(m_cleaner, &Cleaner::progress, this, &AppState::cleanProgress);
    connect(m_cleaner, &Cleaner::finished, this, &AppState::onCleanFinished);
    connect(m_previewer, &Cleaner::finished, this, &AppState::onPreviewFinished);
    connect(m_finder, &LargeFileFinder::progress, this, &AppState::onLargeProgress);
    connect(m_finder, &LargeFileFinder::finished, this, &AppState::onLargeFinished);
    connect(m_restorer, &Restorer::progress, this, &AppState::restoreProgress);
    connect(m_restorer, &Restorer::finished, this, &AppState::onRestoreFinished);
    connect(m_folderRecorder, &FolderRecorder::finished, this, &AppState::onFolderRecordingFinished);
    connect(settings(), &AppSettings::changed, this, &AppState::onSettingsChanged);
}

AppState::~AppState()
{
    m_largeMove.waitForFinished();
    // Join the workers while this object is still whole, and make sure
    // nothing they emit on the way out reaches a half-destroyed receiver.
    for (QObject *engine : {static_cast<QObject *>(m_scanner), static_cast<QObject *>(m_cleaner),
                            static_cast<QObject *>(m_finder), static_cast<QObject *>(m_remeasurer),
                            static_cast<QObject *>(m_restorer), static_cast<QObject *>(m_previewer),
                            static_cast<QObject *>(m_folderRecorder)})
        engine->disconnect(this);
    delete m_folderRecorder;
    delete m_previewer;
    delete m_restorer;
    delete m_cleaner;
    delete m_scanner;
    delete m_remeasurer;
    delete m_finder;
}

void AppState::setClock(Clock clock)
{
    m_clock = std::move(clock);
    m_cleaner->setClock(m_clock);
}

QDateTime AppState::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

QStringList AppState::currentExclusions() const
{
    return m_overrides.exclusions ? *m_overrides.exclusions : settings()->exclusions();
}

bool AppState::currentMoveToTrash() const
{
    return m_overrides.moveToTrash ? *m_overrides.moveToTrash : settings()->moveToTrash();
}

qint64 AppState::currentLargeThreshold() const
{
    if (m_overrides.largeThresholdBytes && *m_overrides.largeThresholdBytes > 0)
        return *m_overrides.largeThresholdBytes;
    // A stored threshold of zero or less would list every file of the home
    // folder as "large"; the default stands in for it.
    int mb = settings()->largeThresholdMB();
    if (mb <= 0)
        mb = kDefaultThresholdMB;
    return qint64(mb) * sizeUnitBase() * sizeUnitBase();
}

void AppState::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

// ---- scan -------------------------------------------------------------------

void AppState::startScan()
{
    if (m_scanner->isRunning() || m_cleaner->isRunning())
        return;
    m_defs.clear();
    m_scanResults.clear();
    m_currentIndex = -1;
    m_foundBytes = 0;
    m_filesChecked = 0;
    m_currentPath.clear();
    m_scanTimer.start();
    // The full scan measures everything again.
    m_remeasurer->stop();
    // The disk may have filled or emptied since the window last looked.
    refreshVolume();
    m_resultsExclusions = currentExclusions();
    setPhase(Scanning);
    m_scanner->start(m_resultsExclusions);
}

void AppState::cancelScan()
{
    m_scanner->stop();
}

void AppState::startScheduledScan()
{
    if (m_scanner->isRunning() || m_cleaner->isRunning())
        return;
    startScan();
    m_recordAfterScan = true;
}

void AppState::onScanStarted(const QList<CategoryDef> &defs)
{
    m_defs = defs;
    m_scanResults.clear();
    m_scanResults.reserve(defs.size());
    for (qsizetype i = 0; i < defs.size(); ++i)
        m_scanResults.append(CategoryResult());
    emit scanProgressChanged();
}

void AppState::onCategoryStarted(int index)
{
    m_currentIndex = index;
    emit scanProgressChanged();
}

void AppState::onCategoryFinished(int index, const CategoryResult &result)
{
    if (index >= 0 && index < m_scanResults.size())
        m_scanResults[index] = result;
}

void AppState::onScanProgress(qint64 foundBytes, qint64 filesChecked, const QString &currentPath)
{
    m_foundBytes = foundBytes;
    m_filesChecked = filesChecked;
    if (!currentPath.isEmpty())
        m_currentPath = currentPath;
    emit scanProgressChanged();
}

void AppState::onScanFinished(const QList<CategoryResult> &results, bool cancelled)
{
    joinFinished(m_scanner);
    refreshVolume();
    if (std::exchange(m_recordAfterScan, false) && !cancelled) {
        recordFreeSpace();
        if (settings()->folderHistory())
            recordFolderSizes();
    }
    if (cancelled) {
        remeasureStale();
        setPhase(m_results.isEmpty() ? Idle : Results);
        return;
    }
    m_results = results;
    m_stale.clear();
    m_lastScan = now();
    settings()->setLastScan(m_lastScan);
    selectRecommended();
    emit resultsChanged();
    setPhase(Results);
}

// ---- selection --------------------------------------------------------------

const CategoryResult *AppState::findResult(const QString &id) const
{
    for (const CategoryResult &r : m_results)
        if (r.id == id)
            return &r;
    return nullptr;
}

void AppState::untickRunning(const CategoryResult &result)
{
    if (!m_selectedCategories.contains(result.id))
        return;
    bool anyTicked = false;
    for (const ScanItem &item : result.items) {
        if (!item.runningApp.isEmpty())
            m_excludedItems.insert(item.path);
        anyTicked = anyTicked || !m_excludedItems.contains(item.path);
    }
    if (!anyTicked && !result.items.isEmpty()) {
        m_selectedCategories.remove(result.id);
        for (const ScanItem &item : result.items)
            m_excludedItems.remove(item.path);
    }
}

void AppState::selectAll(bool on)
{
    m_selectedCategories.clear();
    m_excludedItems.clear();
    if (on) {
        for (const CategoryResult &r : std::as_const(m_results)) {
            if (r.bytes > 0) {
                m_selectedCategories.insert(r.id);
                untickRunning(r);
            }
        }
    }
    emit selectionChanged();
}

void AppState::selectRecommended()
{
    m_selectedCategories.clear();
    m_excludedItems.clear();
    for (const CategoryResult &r : std::as_const(m_results)) {
        if (r.risk == Safe && r.bytes >= 1) {
            m_selectedCategories.insert(r.id);
            untickRunning(r);
        }
    }
    untickWithoutTrash();
    emit selectionChanged();
}

void AppState::setCategorySelected(const QString &id, bool on)
{
    const CategoryResult *r = findResult(id);
    if (!r)
        return;
    const bool current = m_selectedCategories.contains(id);
    if (on == current) {
        if (!on)
            return;
        // Ticking a partly checked category ticks all its items again.
        const bool partly = std::any_of(r->items.cbegin(), r->items.cend(),
                                        [this](const ScanItem &i) { return m_excludedItems.contains(i.path); });
        if (!partly)
            return;
    }
    if (on)
        m_selectedCategories.insert(id);
    else
        m_selectedCategories.remove(id);
    for (const ScanItem &item : r->items)
        m_excludedItems.remove(item.path);
    untickRunning(*r);
    emit selectionChanged();
}

void AppState::setItemSelected(const QString &id, const QString &path, bool on)
{
    const CategoryResult *r = findResult(id);
    if (!r)
        return;
    // A path that is not an item of the category would leave it selected
    // with nothing in it (or poison the exclusions); it is not a selection.
    // The cache of a running program is shown, never ticked: the cleaner
    // would leave it alone anyway.
    const auto item = std::find_if(r->items.cbegin(), r->items.cend(), [&path](const ScanItem &i) { return i.path == path; });
    if (item == r->items.cend() || (on && !item->runningApp.isEmpty()))
        return;
    const bool categorySelected = m_selectedCategories.contains(id);
    const bool current = categorySelected && !m_excludedItems.contains(path);
    if (on == current)
        return;

    if (on) {
        if (!categorySelected) {
            // Only the requested item becomes selected.
            m_selectedCategories.insert(id);
            for (const ScanItem &item : r->items)
                m_excludedItems.insert(item.path);
        }
        m_excludedItems.remove(path);
    } else {
        m_excludedItems.insert(path);
        const bool allExcluded = std::all_of(r->items.cbegin(), r->items.cend(),
                                             [this](const ScanItem &i) { return m_excludedItems.contains(i.path); });
        if (allExcluded) {
            m_selectedCategories.remove(id);
            for (const ScanItem &item : r->items)
                m_excludedItems.remove(item.path);
        }
    }
    emit selectionChanged();
}

int AppState::checkState(const QString &id) const
{
    if (!m_selectedCategories.contains(id))
        return 0;
    if (const CategoryResult *r = findResult(id)) {
        for (const ScanItem &item : r->items)
            if (m_excludedItems.contains(item.path))
                return 1;
    }
    return 2;
}

bool AppState::isItemSelected(const QString &id, const QString &path) const
{
    return m_selectedCategories.contains(id) && !m_excludedItems.contains(path);
}

QList<CategoryResult> AppState::selectedResults() const
{
    QList<CategoryResult> out;
    for (const CategoryResult &r : m_results) {
        if (!m_selectedCategories.contains(r.id) || r.bytes < 1)
            continue;
        CategoryResult copy = r;
        if (!m_excludedItems.isEmpty()) {
            QList<ScanItem> kept;
            kept.reserve(copy.items.size());
            for (const ScanItem &item : std::as_const(copy.items)) {
                if (m_excludedItems.contains(item.path)) {
                    copy.bytes -= item.bytes;
                    copy.files -= item.files;
                } else {
                    kept.append(item);
                }
            }
            copy.items = kept;
            copy.bytes = std::max<qint64>(copy.bytes, 0);
            copy.files = std::max<qint64>(copy.files, 0);
        }
        if (copy.bytes > 0)
            out.append(copy);
    }
    return out;
}

qint64 AppState::selectedBytes() const
{
    qint64 sum = 0;
    for (const CategoryResult &r : selectedResults())
        sum += r.bytes;
    return sum;
}

bool AppState::selectionNeedsAdmin() const
{
    if (isElevated())
        return false;
    const QList<CategoryResult> sel = selectedResults();
    return std::any_of(sel.cbegin(), sel.cend(), [](const CategoryResult &r) { return r.needsAdmin; });
}

// ---- clean ------------------------------------------------------------------

bool AppState::settingsReadable() const
{
    return settings()->readable();
}

QString AppState::settingsLocation() const
{
    return settings()->storeLocation();
}

void AppState::startClean(bool deleteWithoutTrash)
{
    const QList<CategoryResult> sel = cleanInput(deleteWithoutTrash);
    if (sel.isEmpty() || m_cleaner->isRunning() || m_restorer->isRunning())
        return;
    if (!settingsReadable()) {
        emit toast(tr("Nothing was cleaned: your settings cannot be read."), false, true);
        return;
    }
    // "Available before" is the disk as the cleanup finds it.
    refreshVolume();
    m_availableBeforeClean = m_volume.availableBytes;
    m_selectedBeforeClean = 0;
    for (const CategoryResult &r : sel)
        m_selectedBeforeClean += r.bytes;
    // A measurement running beside the cleanup would describe neither the
    // disk before it nor after it.
    m_remeasurer->stop();
    m_lastCleanInput = sel;
    m_lastCleanToTrash = currentMoveToTrash();
    m_lastCleanExclusions = currentExclusions();
    m_retrying = false;
    setPhase(Cleaning);
    m_cleaner->start(sel, m_lastCleanToTrash, m_lastCleanExclusions);
}

bool AppState::canRetrySkipped() const
{
    return m_phase == Done && !(m_lastReport.busy.isEmpty() && m_lastReport.leftRunning.isEmpty())
        && !m_cleaner->isRunning() && !m_restorer->isRunning();
}

void AppState::retrySkipped()
{
    if (!canRetrySkipped())
        return;
    if (!settingsReadable()) {
        emit toast(tr("Nothing was cleaned: your settings cannot be read."), false, true);
        return;
    }
    const QList<CategoryResult> input = retryInput(m_lastCleanInput, m_lastReport.busy + m_lastReport.leftRunning);
    if (input.isEmpty())
        return;
    // What the user excluded since counts too.
    QStringList exclusions = m_lastCleanExclusions;
    for (const QString &pattern : currentExclusions()) {
        if (!exclusions.contains(pattern))
            exclusions.append(pattern);
    }
    m_retried.clear();
    for (const CategoryResult &c : input) {
        for (const ScanItem &item : c.items) {
            const auto it = std::find_if(m_lastReport.busy.cbegin(), m_lastReport.busy.cend(),
                                         [&](const CleanReport::Busy &b) { return b.path == item.path && b.category == c.id; });
            if (it != m_lastReport.busy.cend())
                m_retried.append(*it);
        }
    }
    m_retrying = true;
    m_remeasurer->stop();
    setPhase(Cleaning);
    m_cleaner->start(input, m_lastCleanToTrash, exclusions);
}

bool AppState::startPreview(bool deleteWithoutTrash)
{
    const QList<CategoryResult> sel = cleanInput(deleteWithoutTrash);
    if (sel.isEmpty() || m_cleaner->isRunning() || !settingsReadable())
        return false;
    m_previewDeleteWithoutTrash = deleteWithoutTrash;
    if (m_previewRunning) {
        m_previewAgain = true;
        return true;
    }
    m_previewRunning = true;
    m_previewer->startPreview(sel, currentMoveToTrash(), currentExclusions());
    emit previewChanged();
    return true;
}

void AppState::onPreviewFinished(const CleanReport &report)
{
    joinFinished(m_previewer);
    m_previewRunning = false;
    // Asked again meanwhile: the selection or the settings may have changed.
    const bool again = std::exchange(m_previewAgain, false);
    if (again && startPreview(m_previewDeleteWithoutTrash))
        return;
    m_preview = again ? CleanReport() : report;
    emit previewChanged();
}

void AppState::onCleanFinished(const CleanReport &report)
{
    joinFinished(m_cleaner);
    if (std::exchange(m_retrying, false)) {
        m_lastReport = withRetry(m_lastReport, report, std::exchange(m_retried, {}));
        m_lastCleanupRestorable = m_lastCleanupRestorable || !CleanupLog::read(report.logPath).moves.isEmpty();
        settings()->addFreed(report.freedBytes);
        // The results already left out what the first run cleaned; only
        // the figures are measured again.
        for (const CategoryResult &r : std::as_const(m_results)) {
            if (report.cleanedCategories.contains(r.id) || (r.isTrash && report.trashedBytes > 0))
                m_stale.insert(r.id);
        }
        remeasureStale();
        refreshVolume();
        emit resultsChanged();
        setPhase(Done);
        return;
    }
    m_lastReport = report;
    m_lastCleanupRestorable = !CleanupLog::read(report.logPath).moves.isEmpty();
    m_lastRestore = RestoreReport();
    // Only space really released counts: what went to the Recycle Bin is
    // still on the disk.
    settings()->addFreed(report.freedBytes);
    // What the cleanup left behind is measured, not guessed. Until then a
    // cleaned category lists only the items the user left out of it.
    for (CategoryResult &r : m_results) {
        const bool binGrew = r.isTrash && report.trashedBytes > 0;
        if (!report.cleanedCategories.contains(r.id) && !binGrew)
            continue;
        m_stale.insert(r.id);
        if (!report.cleanedCategories.contains(r.id))
            continue;
        r.items.removeIf([this](const ScanItem &item) { return !m_excludedItems.contains(item.path); });
        r.bytes = 0;
        r.files = 0;
        for (const ScanItem &item : std::as_const(r.items)) {
            r.bytes += item.bytes;
            r.files += item.files;
        }
    }
    m_selectedCategories.clear();
    m_excludedItems.clear();
    remeasureStale();
    refreshVolume();
    emit resultsChanged();
    emit selectionChanged();
    setPhase(Done);
}

void AppState::remeasureStale()
{
    if (m_stale.isEmpty() || m_scanner->isRunning() || m_cleaner->isRunning() || m_remeasurer->isRunning())
        return;
    m_remeasurer->setCatalogueSource([source = m_catalogue, ids = m_stale] {
        QList<CategoryDef> defs = source();
        defs.removeIf([&ids](const CategoryDef &d) { return !ids.contains(d.id); });
        return defs;
    });
    m_remeasurer->start(currentExclusions());
}

void AppState::onRemeasureFinished(const QList<CategoryResult> &results, bool cancelled)
{
    joinFinished(m_remeasurer);
    bool selectionTouched = false;
    if (!cancelled) {
        for (const CategoryResult &fresh : results) {
            m_stale.remove(fresh.id);
            auto it = std::find_if(m_results.begin(), m_results.end(),
                                   [&fresh](const CategoryResult &r) { return r.id == fresh.id; });
            if (it == m_results.end()) {
                // A category the cleanup emptied, back after a restore: in
                // the catalogue's order, unticked.
                const auto order = [this](const QString &id) {
                    return std::find_if(m_defs.cbegin(), m_defs.cend(), [&id](const CategoryDef &d) { return d.id == id; })
                        - m_defs.cbegin();
                };
                if (fresh.bytes > 0)
                    m_results.insert(std::find_if(m_results.begin(), m_results.end(),
                                                  [&](const CategoryResult &r) { return order(r.id) > order(fresh.id); }),
                                     fresh);
                continue;
            }
            if (m_selectedCategories.contains(fresh.id)) {
                for (const ScanItem &item : fresh.items) {
                    if (!item.runningApp.isEmpty())
                        m_excludedItems.insert(item.path);
                }
            }
            if (m_selectedCategories.contains(fresh.id)) {
                // What was ticked stays ticked; nothing the user has not seen
                // becomes part of the selection.
                QSet<QString> ticked;
                for (const ScanItem &item : std::as_const(it->items)) {
                    if (!m_excludedItems.contains(item.path))
                        ticked.insert(item.path);
                    m_excludedItems.remove(item.path);
                }
                bool any = false;
                for (const ScanItem &item : fresh.items) {
                    if (ticked.contains(item.path))
                        any = true;
                    else
                        m_excludedItems.insert(item.path);
                }
                if (!any) {
                    m_selectedCategories.remove(fresh.id);
                    for (const ScanItem &item : fresh.items)
                        m_excludedItems.remove(item.path);
                }
                selectionTouched = true;
            }
            *it = fresh;
        }
    }
    remeasureStale();
    emit resultsChanged();
    if (selectionTouched)
        emit selectionChanged();
}

void AppState::onSettingsChanged()
{
    // An exclusion added (or taken back) after a scan: what it names leaves
    // the results and the totals at once, and every category is measured
    // again under the new rules, as the cleaner will judge it.
    const QStringList exclusions = currentExclusions();
    if (m_results.isEmpty() || exclusions == m_resultsExclusions || m_scanner->isRunning())
        return;
    m_resultsExclusions = exclusions;
    for (CategoryResult &r : m_results) {
        if (r.isTrash)
            continue;
        m_stale.insert(r.id);
        const qsizetype before = r.items.size();
        r.items.removeIf([&](const ScanItem &item) {
            const bool gone = isExcluded(item.path, exclusions);
            if (gone)
                m_excludedItems.remove(item.path);
            return gone;
        });
        if (r.items.size() == before)
            continue;
        r.bytes = 0;
        r.files = 0;
        for (const ScanItem &item : std::as_const(r.items)) {
            r.bytes += item.bytes;
            r.files += item.files;
        }
        untickRunning(r);
        if (!r.items.isEmpty()
            && std::all_of(r.items.cbegin(), r.items.cend(), [this](const ScanItem &i) { return m_excludedItems.contains(i.path); }))
            m_selectedCategories.remove(r.id);
    }
    m_remeasurer->stop();
    remeasureStale();
    emit resultsChanged();
    emit selectionChanged();
}

void AppState::dismissDone()
{
    if (m_phase != Done)
        return;
    setPhase(m_results.isEmpty() ? Idle : Results);
}

// ---- queries ----------------------------------------------------------------

qint64 AppState::totalBytes() const
{
    qint64 sum = 0;
    for (const CategoryResult &r : m_results)
        sum += r.bytes;
    return sum;
}

qint64 AppState::liveBytes(int index) const
{
    if (index < 0 || index >= m_scanResults.size())
        return 0;
    return m_scanResults.at(index).bytes;
}

void AppState::recordFreeSpace()
{
    const VolumeInfo volume = homeVolume();
    settings()->recordFreeSpace({now().toMSecsSinceEpoch(), volume.availableBytes, volume.totalBytes});
}

SpaceForecast AppState::spaceForecast() const
{
    return forecast::fit(settings()->freeSpaceHistory());
}

void AppState::refreshVolume()
{
    m_volume = homeVolume();
    emit volumeChanged();
}

// ---- large files ------------------------------------------------------------

bool AppState::largeScanRunning() const
{
    return m_largeRunning;
}

void AppState::scanLargeFiles()
{
    if (m_finder->isRunning() || m_largeRunning)
        return;
    startLargeScan();
}

void AppState::cancelLargeScan()
{
    m_finder->stop();
}

void AppState::notify(const QString &text)
{
    emit toast(text, false, true);
}

void AppState::announce(const QString &text)
{
    emit toast(text, false, false);
}

void AppState::startLargeScan()
{
    m_largeChecked = 0;
    m_largeRunning = true;
    m_largeSearchThreshold = currentLargeThreshold();
    m_finder->start(m_largeSearchThreshold, currentExclusions());
    emit largeFilesChanged();
}

void AppState::onLargeProgress(qint64 filesChecked, const QString &currentDir, int found, qint64 foundBytes,
                               const QList<LargeFile> &largest)
{
    m_largeChecked = filesChecked;
    emit largeProgress(filesChecked, currentDir, found, foundBytes, largest);
}

void AppState::onLargeFinished(const QList<LargeFile> &files, bool cancelled)
{
    m_largeRunning = false;
    if (!cancelled) {
        m_largeFiles = files;
        m_largeLoaded = true;
        m_largeThreshold = m_largeSearchThreshold;
    }
    emit largeFilesChanged();
}

qint64 AppState::largeThreshold() const
{
    if (m_largeRunning)
        return m_largeSearchThreshold;
    return m_largeLoaded ? m_largeThreshold : currentLargeThreshold();
}

void AppState::moveLargeFilesToTrash(const QStringList &paths)
{
    m_pendingMoves.append(paths);
    if (!m_largeMoving)
        startLargeMove();
}

void AppState::startLargeMove()
{
    if (m_pendingMoves.isEmpty())
        return;
    const QStringList paths = m_pendingMoves.takeFirst();
    QSet<QString> listed;
    for (const LargeFile &f : std::as_const(m_largeFiles))
        listed.insert(f.path);
    m_largeMoving = true;
    m_largeMove = QtConcurrent::run(QThreadPool::globalInstance(), [this, paths, listed] {
        const LargeMove move = moveLargeFiles(paths, listed);
        QMetaObject::invokeMethod(this, [this, move] { onLargeMoveFinished(move); }, Qt::QueuedConnection);
    });
}

AppState::LargeMove AppState::moveLargeFiles(const QStringList &paths, const QSet<QString> &listed)
{
    LargeMove out;
    struct Candidate
    {
        QString path;
        qint64 size = 0;
    };
    QList<Candidate> candidates;
    for (const QString &path : paths) {
        fs::Entry entry;
        const bool described = fs::stat(path, entry);
        // Only files the user picked from the list, and only while they are
        // still plain files: a path that became a folder or a link since the
        // scan is not what was selected. What lies in a protected location,
        // belongs to a guarded app or is another program's live store (a
        // virtual disk, a mailbox) stays, whatever the list said. None of
        // these is in use, so none is counted as such.
        if (!listed.contains(path) || !described || entry.isDir || entry.isLink || entry.skip
            || !mayMoveLargeFile(path)) {
            out.notMoved.append(path);
            continue;
        }
        candidates.append({path, entry.allocated});
    }
    // One question for the whole batch: one look at every process's open
    // files on Linux, one Restart Manager session on Windows.
    QStringList asked;
    for (const Candidate &c : std::as_const(candidates))
        asked.append(c.path);
    const QHash<QString, QList<FileHolder>> held = OpenFiles::capture().holders(asked);

    for (const Candidate &c : std::as_const(candidates)) {
        QString inBin;
        if (held.contains(c.path)) {
            out.skipped.append(c.path);
        } else if (moveFileToBin(c.path, &inBin)) {
            out.moved.append({c.path, inBin});
            out.movedBytes += c.size;
        } else {
            out.notMoved.append(c.path);
        }
    }
    return out;
}

void AppState::onLargeMoveFinished(const LargeMove &move)
{
    m_largeMove.waitForFinished();
    m_largeMoving = false;
    m_undoMoves = move.moved;
    QSet<QString> gone;
    for (const auto &[source, inBin] : move.moved)
        gone.insert(source);
    m_largeFiles.removeIf([&gone](const LargeFile &f) { return gone.contains(f.path); });

    refreshVolume();
    emit largeFilesChanged();

    const int moved = int(std::min<qint64>(move.moved.size(), INT_MAX));
    QString message = onPlatform(tr("%Ln file(s) (%1) moved to the Recycle Bin", "%1: their size", moved),
                                 tr("%Ln file(s) (%1) moved to the Trash", "%1: their size", moved))
                          .arg(formatSize(move.movedBytes));
    if (!move.skipped.isEmpty())
        message += tr(" · %Ln in use, skipped", "follows the files moved; the number of files left alone",
                      int(move.skipped.size()));
    if (!move.notMoved.isEmpty())
        message += onPlatform(tr(" · %Ln could not be moved to the Recycle Bin", "follows the files moved",
                                 int(move.notMoved.size())),
                              tr(" · %Ln could not be moved to the Trash", "follows the files moved",
                                 int(move.notMoved.size())));
    emit toast(message, moved >= 1, !move.skipped.isEmpty() || !move.notMoved.isEmpty());
    startLargeMove();
}

void AppState::undoLastMove()
{
    if (m_largeMoving)
        return;
    int restored = 0;
    for (const auto &[source, inBin] : std::as_const(m_undoMoves)) {
        if (!inBin.isEmpty() && restoreFromBin(inBin, source))
            ++restored;
    }
    const bool fellShort = restored == 0 || restored < m_undoMoves.size();
    m_undoMoves.clear();
    refreshVolume();
    if (restored > 0 && !m_finder->isRunning() && !m_largeRunning)
        startLargeScan();
    //: Toast after Undo put the files moved from the Space Map back
    emit toast(tr("Restored %n file(s)", nullptr, restored), false, fellShort);
}

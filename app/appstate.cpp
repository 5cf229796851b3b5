#include "app/appstate.h"

#include "app/appsettings.h"
#include "scan/appguard.h"
#include "scan/fs.h"
#include "scan/scanner.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

void registerEngineTypes()
{
    registerCategoryTypes();
    registerLargeFileTypes();
    qRegisterMetaType<CleanReport>();
}

namespace {

constexpr int kDefaultThresholdMB = 500;

AppSettings *settings()
{
    return AppSettings::instance();
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
    m_finder = new LargeFileFinder(this);
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
    connect(m_finder, &LargeFileFinder::progress, this, &AppState::onLargeProgress);
    connect(m_finder, &LargeFileFinder::finished, this, &AppState::onLargeFinished);
}

AppState::~AppState()
{
    // Join the workers while this object is still whole, and make sure
    // nothing they emit on the way out reaches a half-destroyed receiver.
    for (QObject *engine : {static_cast<QObject *>(m_scanner), static_cast<QObject *>(m_cleaner),
                            static_cast<QObject *>(m_finder), static_cast<QObject *>(m_remeasurer)})
        engine->disconnect(this);
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
    setPhase(Scanning);
    m_scanner->start(currentExclusions());
}

void AppState::cancelScan()
{
    m_scanner->stop();
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
    // finished() is the worker's last act; wait for it to return so that a
    // receiver of the signals below may start the next scan at once.
    m_scanner->wait();
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

void AppState::selectAll(bool on)
{
    m_selectedCategories.clear();
    m_excludedItems.clear();
    if (on) {
        for (const CategoryResult &r : std::as_const(m_results))
            if (r.bytes > 0)
                m_selectedCategories.insert(r.id);
    }
    emit selectionChanged();
}

void AppState::selectRecommended()
{
    m_selectedCategories.clear();
    m_excludedItems.clear();
    for (const CategoryResult &r : std::as_const(m_results))
        if (r.risk == Safe && r.bytes >= 1)
            m_selectedCategories.insert(r.id);
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
    emit selectionChanged();
}

void AppState::setItemSelected(const QString &id, const QString &path, bool on)
{
    const CategoryResult *r = findResult(id);
    if (!r)
        return;
    // A path that is not an item of the category would leave it selected
    // with nothing in it (or poison the exclusions); it is not a selection.
    const bool isItem = std::any_of(r->items.cbegin(), r->items.cend(),
                                    [&path](const ScanItem &i) { return i.path == path; });
    if (!isItem)
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

void AppState::startClean()
{
    const QList<CategoryResult> sel = selectedResults();
    if (sel.isEmpty() || m_cleaner->isRunning())
        return;
    if (!settingsReadable()) {
        emit toast(tr("Nothing was cleaned: your settings cannot be read."), false);
        return;
    }
    m_availableBeforeClean = m_volume.availableBytes;
    m_selectedBeforeClean = 0;
    for (const CategoryResult &r : sel)
        m_selectedBeforeClean += r.bytes;
    // A measurement running beside the cleanup would describe neither the
    // disk before it nor after it.
    m_remeasurer->stop();
    setPhase(Cleaning);
    m_cleaner->start(sel, currentMoveToTrash(), currentExclusions());
}

void AppState::onCleanFinished(const CleanReport &report)
{
    m_cleaner->wait();
    m_lastReport = report;
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
    m_remeasurer->wait();
    bool selectionTouched = false;
    if (!cancelled) {
        for (const CategoryResult &fresh : results) {
            m_stale.remove(fresh.id);
            auto it = std::find_if(m_results.begin(), m_results.end(),
                                   [&fresh](const CategoryResult &r) { return r.id == fresh.id; });
            if (it == m_results.end())
                continue;
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
    emit toast(text, false);
}

void AppState::startLargeScan()
{
    m_largeChecked = 0;
    m_largeRunning = true;
    m_finder->start(currentLargeThreshold(), currentExclusions());
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
    }
    emit largeFilesChanged();
}

void AppState::moveLargeFilesToTrash(const QStringList &paths)
{
    m_undoMoves.clear();
    qint64 moved = 0;
    qint64 movedBytes = 0;
    QStringList skipped;

    QSet<QString> listed;
    for (const LargeFile &f : std::as_const(m_largeFiles))
        listed.insert(f.path);
    // One look at the open files of every process for the whole batch.
    const OpenFiles openFiles = OpenFiles::capture();

    for (const QString &path : paths) {
        fs::Entry entry;
        const bool described = fs::stat(path, entry);
        const qint64 size = described ? entry.allocated : 0;
        // Only files the user picked from the list, and only while they are
        // still plain files: a path that became a folder or a link since the
        // scan is not what was selected.
        if (!listed.contains(path) || !described || entry.isDir || entry.isLink || entry.skip
            || openFiles.isInUse(path)) {
            skipped.append(path);
            continue;
        }
        QString inBin;
        if (moveFileToBin(path, &inBin)) {
            m_undoMoves.append({path, inBin});
            movedBytes += size;
            ++moved;
        } else {
            skipped.append(path);
        }
    }

    const QSet<QString> gone = QSet<QString>(paths.cbegin(), paths.cend()) - QSet<QString>(skipped.cbegin(), skipped.cend());
    m_largeFiles.removeIf([&gone](const LargeFile &f) { return gone.contains(f.path); });

    refreshVolume();
    emit largeFilesChanged();

    const QString files = moved == 1 ? tr("1 file") : tr("%1 files").arg(formatNumber(moved));
    QString message = tr("%1 (%2) moved to the %3").arg(files, formatSize(movedBytes), recycleBinName());
    if (!skipped.isEmpty())
        message += tr(" · %1 in use, skipped").arg(formatNumber(skipped.size()));
    emit toast(message, moved >= 1);
}

void AppState::undoLastMove()
{
    int restored = 0;
    for (const auto &[source, inBin] : std::as_const(m_undoMoves)) {
        if (!inBin.isEmpty() && restoreFromBin(inBin, source))
            ++restored;
    }
    m_undoMoves.clear();
    refreshVolume();
    if (restored > 0 && !m_finder->isRunning() && !m_largeRunning)
        startLargeScan();
    emit toast(tr("Restored %n file(s)", nullptr, restored), false);
}

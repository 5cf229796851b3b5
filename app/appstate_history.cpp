// AppState: the history of folder sizes.

#include "app/appstate.h"

#include "app/appsettings.h"
#include "history/folderhistory.h"
#include "history/folderrecorder.h"

#include <QDir>

QList<QDateTime> AppState::folderReadings() const
{
    return FolderHistory().readings();
}

const QList<CategoryDef> &AppState::historyCategories() const
{
    if (m_historyCategories)
        return *m_historyCategories;
    // A folder is a category's when the category offers all of it: a
    // labelled root, or a root whose every entry is an item. A root that
    // offers only files of some names in it (the logs in the home folder)
    // says nothing about the folders there.
    const QString home = QDir::cleanPath(QDir::homePath());
    QList<CategoryDef> defs = m_catalogue();
    for (CategoryDef &def : defs) {
        def.roots.removeIf([&home](const CategoryRoot &root) {
            return root.path == home || (!root.isLabelled() && (!root.patterns.isEmpty() || root.filesOnly));
        });
    }
    m_historyCategories = defs;
    return *m_historyCategories;
}

FolderGrowthReport AppState::folderGrowth(const QDateTime &since) const
{
    const auto readings = FolderHistory().pair(since);
    if (!readings)
        return {};
    return foldergrowth::compare(readings->first, readings->second, historyCategories(), currentExclusions());
}

FolderReading AppState::newestFolderReading() const
{
    return FolderHistory().newest().value_or(FolderReading{});
}

void AppState::recordFolderSizes()
{
    if (m_folderRecorder->isRunning())
        return;
    FolderSizeRules rules;
    rules.root = QDir::homePath();
    rules.exclusions = currentExclusions();
    for (const CategoryDef &def : historyCategories())
        for (const CategoryRoot &root : def.roots)
            rules.categoryRoots.append(root.path);
    m_forgetAfterRecording = false;
    m_folderRecorder->start(rules);
}

void AppState::recordFolderSizesIfDue()
{
    if (!AppSettings::instance()->folderHistory() || m_folderRecorder->isRunning())
        return;
    const QList<QDateTime> times = folderReadings();
    if (!times.isEmpty() && times.constLast().toLocalTime().date() == now().date())
        return;
    recordFolderSizes();
}

bool AppState::recordingFolderSizes() const
{
    return m_folderRecorder->isRunning();
}

void AppState::forgetFolderHistory()
{
    if (m_folderRecorder->isRunning()) {
        m_folderRecorder->stop();
        m_forgetAfterRecording = true;
    }
    FolderHistory().forget();
    emit folderHistoryChanged();
}

void AppState::onFolderRecordingFinished(bool recorded, int folders, qint64 bytes)
{
    // A reading that was under way when the history was forgotten goes too.
    if (std::exchange(m_forgetAfterRecording, false) && recorded) {
        FolderHistory().forget();
        recorded = false;
    }
    m_lastFolderRecording = {recorded, recorded ? folders : 0, recorded ? bytes : 0};
    emit folderHistoryChanged();
}

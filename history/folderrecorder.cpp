#include "history/folderrecorder.h"

#include "history/folderhistory.h"

#include <QDir>
#include <QThread>

FolderRecorder::FolderRecorder(QObject *parent) : QObject(parent) {}

FolderRecorder::~FolderRecorder()
{
    m_cancel.store(true);
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void FolderRecorder::start(const FolderSizeRules &rules, const QString &historyFolder)
{
    bool idle = false;
    if (!m_running.compare_exchange_strong(idle, true))
        return;
    if (m_thread) {
        // The last one has emitted finished(); it is ending, if not gone.
        m_thread->wait();
        delete m_thread;
    }
    m_cancel.store(false);
    // A thread of its own: the walk lowers its priority for good.
    m_thread = QThread::create([this, rules, historyFolder] {
        FolderHistory history(historyFolder);
        FolderSizeRules r = rules;
        if (const std::optional<FolderReading> last = history.newest(); last && last->root == QDir::cleanPath(r.root)) {
            for (const FolderSize &f : last->folders)
                r.keep.append(f.path);
        }
        const std::optional<FolderReading> reading = readFolderSizes(r, &m_cancel);
        const bool recorded = reading && !m_cancel.load() && history.add(*reading);
        m_running.store(false);
        emit finished(recorded, recorded ? int(reading->folders.size()) : 0, recorded ? reading->totalBytes() : 0);
    });
    m_thread->start();
}

void FolderRecorder::stop()
{
    m_cancel.store(true);
}

#pragma once

// Takes a reading of folder sizes on a thread of its own (its priority is
// lowered for the walk, and the thread ends with it) and adds it to the
// history. finished() comes on that thread; connect with the default
// connection so it is queued onto the receiver's.

#include "history/foldersizes.h"

#include <QObject>
#include <QString>

#include <atomic>

class QThread;

class FolderRecorder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderRecorder)

public:
    explicit FolderRecorder(QObject *parent = nullptr);
    // Stops a reading at its next entry and waits for the thread.
    ~FolderRecorder() override;

    // Measures by `rules` (keep is filled in from the newest reading) and
    // adds the reading to the history in `historyFolder` (empty: the
    // default). Ignored while one runs.
    void start(const FolderSizeRules &rules, const QString &historyFolder = {});
    void stop();
    bool isRunning() const { return m_running.load(); }

signals:
    // `recorded`: a reading was added; `folders`, `bytes`: how many folders
    // it holds and the root's size.
    void finished(bool recorded, int folders, qint64 bytes);

private:
    std::atomic_bool m_cancel{false};
    std::atomic_bool m_running{false};
    QThread *m_thread = nullptr;
};

#pragma once

// The readings of folder sizes kept on disk: one file per reading in a folder
// of the user's own (<data>/Varnholt/history, mode 0700, files 0600), named
// after the reading's time. Thinned as readings are added: the last day's
// readings one per hour, then one per day for two weeks, then one per week
// for three months; the newest two are always kept.
//
// A file that is not a whole, intact reading of a known format is never
// trusted: it is left out of every answer, and the next add() removes it.
// Only files of this folder named as readings are ever read or removed.

#include "history/folderreading.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class FolderHistory final
{
public:
    // `folder` empty: defaultFolder().
    explicit FolderHistory(const QString &folder = {});

    // <user data folder>/Varnholt/history.
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // The times of the readings whose files look whole, oldest first.
    QList<QDateTime> readings() const;
    // The reading taken at `time` exactly; none when there is none or its
    // file turns out damaged.
    std::optional<FolderReading> load(const QDateTime &time) const;
    // The newest intact reading.
    std::optional<FolderReading> newest() const;
    // The newest intact reading and the one nearest to `since` before it (of
    // the same root); none when there are not two.
    std::optional<std::pair<FolderReading, FolderReading>> pair(const QDateTime &since) const;

    // Writes `reading` under its own time (replacing one of that time), then
    // thins the readings and removes files that are not intact readings.
    // False, with nothing changed, when it could not be written.
    bool add(const FolderReading &reading);
    // Removes every reading. False when one stayed.
    bool forget();

private:
    QString fileFor(const QDateTime &time) const;
    // (time, file) of every file named as a reading, by name alone.
    QList<std::pair<QDateTime, QString>> named() const;

    QString m_folder;
};

namespace folderhistory {

// Of readings taken at `times`, the ones to keep, oldest first, judged from
// the newest of them: the newest two; within a day of it the newest of each
// hour, within 14 days the newest of each day, within 13 weeks the newest of
// each week (days and weeks counted in UTC from the epoch); older ones go.
QList<QDateTime> kept(QList<QDateTime> times);

} // namespace folderhistory

#pragma once

// The command line of varnholt-cli, parsed without side effects: nothing is
// scanned or read from the settings until the whole line is known to be
// valid, so a usage error never leaves anything done.

#include <QString>
#include <QStringList>

#include <optional>

struct Options
{
    enum Command { None, Help, Version, Scan, Clean, Large, Measure, Restore, Forecast, Grew };

    Command command = None;
    bool json = false;
    bool yes = false;
    bool preview = false;                   // clean --preview: list, remove nothing
    std::optional<QStringList> exclusions;  // set when --exclude was given at all
    QStringList categories;
    QStringList skipItems;
    std::optional<bool> moveToTrash;        // --trash / --delete
    std::optional<qint64> thresholdBytes;   // --threshold-mb
    QString path;                           // measure; restore (the log, may be empty)
    qint64 sinceSecs = 7 * 24 * 3600;       // grew --since
    bool record = false;                    // grew --record

    // Empty when the line is valid; otherwise the message for stderr.
    QString error;
};

// Parses the arguments after the program name. Category ids are checked
// later, against the catalogue (see checkCategories).
Options parseOptions(const QStringList &arguments);

// The message for ids that are not in `knownIds`, or empty when all are.
QString checkCategories(const QStringList &ids, const QStringList &knownIds);

QString usageText();

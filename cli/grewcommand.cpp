#include "cli/commands.h"

#include "app/appstate.h"
#include "app/platform.h"
#include "cli/clitext.h"
#include "cli/console.h"
#include "cli/output.h"

#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

using namespace cli;

namespace {

// Places listed in the table; --json lists all of them.
constexpr int kShown = 20;

QString when(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString signedSize(qint64 bytes)
{
    return (bytes < 0 ? QStringLiteral("-") : QStringLiteral("+")) + formatSize(std::llabs(bytes));
}

// "-" for a folder that was not there, "< 5 MB" for one too small then to be
// recorded.
QString sizeText(const std::optional<qint64> &bytes, bool atMost)
{
    if (!bytes)
        return QStringLiteral("-");
    return atMost ? QStringLiteral("< ") + formatSize(*bytes) : formatSize(*bytes);
}

QJsonValue optionalBytes(const std::optional<qint64> &bytes)
{
    return bytes ? QJsonValue(*bytes) : QJsonValue();
}

int record(AppState &state, const Options &options)
{
    state.recordFolderSizes();
    QEventLoop loop;
    QObject::connect(&state, &AppState::folderHistoryChanged, &loop, [&] {
        if (!state.recordingFolderSizes())
            loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (interruptRequested())
            loop.quit();
    });
    poll.start(100);
    if (state.recordingFolderSizes())
        loop.exec();
    if (state.recordingFolderSizes()) {
        QTextStream(console::errors()) << '\n' << CliText::tr("Interrupted.") << '\n';
        return 1;
    }
    const AppState::FolderRecording &r = state.lastFolderRecording();
    const QList<QDateTime> readings = state.folderReadings();
    if (options.json) {
        printJson(QJsonObject{
            {QStringLiteral("recorded"), r.recorded},
            {QStringLiteral("time"), r.recorded && !readings.isEmpty() ? isoDate(readings.constLast()) : QString()},
            {QStringLiteral("root"), nativePath(QDir::homePath())},
            {QStringLiteral("folders"), r.folders},
            {QStringLiteral("bytes"), r.bytes},
            {QStringLiteral("readings"), readings.size()},
        });
    } else if (r.recorded) {
        QTextStream(console::output())
            << CliText::tr("Recorded the sizes of %n folder(s) in %1 (%2 in all).", nullptr, r.folders)
                   .arg(shownPath(nativePath(QDir::homePath())), formatSize(r.bytes))
            << '\n'
            << CliText::tr("%n reading(s) of folder sizes kept.", nullptr, int(readings.size())) << '\n';
    }
    if (!r.recorded) {
        QTextStream(console::errors()) << CliText::tr("The reading of folder sizes did not complete.") << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int runGrew(AppState &state, const Options &options)
{
    if (options.record)
        return record(state, options);

    const QDateTime since = QDateTime::currentDateTimeUtc().addSecs(-options.sinceSecs);
    const FolderGrowthReport report = state.folderGrowth(since);
    if (!report.isValid()) {
        const int count = int(state.folderReadings().size());
        if (options.json) {
            printJson(QJsonObject{{QStringLiteral("readings"), count},
                                  {QStringLiteral("reason"), QStringLiteral("tooFewReadings")}});
        } else {
            QTextStream(console::output())
                << CliText::tr("Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison "
                               "needs two. The Varnholt app takes one a day while its history of folder sizes is "
                               "on; \"varnholt-cli grew --record\" takes one now.",
                               nullptr, count)
                << '\n';
        }
        return 0;
    }

    if (options.json) {
        QJsonArray folders;
        for (const FolderGrowth &g : report.entries)
            folders.append(QJsonObject{
                {QStringLiteral("path"), nativePath(g.path)},
                {QStringLiteral("before"), optionalBytes(g.before)},
                {QStringLiteral("beforeAtMost"), g.beforeAtMost},
                {QStringLiteral("after"), optionalBytes(g.after)},
                {QStringLiteral("afterAtMost"), g.afterAtMost},
                {QStringLiteral("change"), g.change},
                {QStringLiteral("category"), g.categoryId.isEmpty() ? QJsonValue() : QJsonValue(g.categoryId)},
            });
        printJson(QJsonObject{
            {QStringLiteral("root"), nativePath(report.root)},
            {QStringLiteral("before"), isoDate(report.before)},
            {QStringLiteral("after"), isoDate(report.after)},
            {QStringLiteral("bytesBefore"), report.bytesBefore},
            {QStringLiteral("bytesAfter"), report.bytesAfter},
            {QStringLiteral("folders"), folders},
        });
        return 0;
    }

    QTextStream out(console::output());
    out << CliText::tr("Changes in %1 between %2 and %3:")
               .arg(shownPath(nativePath(report.root)), when(report.before), when(report.after))
        << '\n';
    if (report.entries.isEmpty()) {
        out << CliText::tr("No folder changed by %1 or more.").arg(formatSize(foldergrowth::kMinChange)) << '\n';
    } else {
        QList<QStringList> rows{{CliText::tr("Change"), CliText::tr("Then"), CliText::tr("Now"),
                                 CliText::tr("Category"), CliText::tr("Folder")}};
        QStringList categories;
        for (const FolderGrowth &g : report.entries.mid(0, kShown)) {
            rows.append({signedSize(g.change), sizeText(g.before, g.beforeAtMost), sizeText(g.after, g.afterAtMost),
                         g.categoryId, shownPath(nativePath(g.path))});
            if (!g.categoryId.isEmpty() && !categories.contains(g.categoryId))
                categories.append(g.categoryId);
        }
        printTable(out, rows, {true, true, true, false, false});
        if (report.entries.size() > kShown)
            out << CliText::tr("and %n more (--json lists them all)", nullptr, int(report.entries.size() - kShown))
                << '\n';
        for (const QString &id : std::as_const(categories))
            out << CliText::tr("%1: clean it with: %2").arg(id, QStringLiteral("varnholt-cli clean --category ") + id)
                << '\n';
    }
    out << CliText::tr("In all: %1 then, %2 now (%3).")
               .arg(formatSize(report.bytesBefore), formatSize(report.bytesAfter),
                    signedSize(report.bytesAfter - report.bytesBefore))
        << '\n';
    return 0;
}

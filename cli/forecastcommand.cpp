#include "cli/commands.h"

#include "app/appsettings.h"
#include "app/forecast.h"
#include "cli/clitext.h"
#include "cli/console.h"
#include "cli/output.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include <cmath>

using namespace cli;

namespace {

QString forecastReason(SpaceForecast::Status status)
{
    switch (status) {
    case SpaceForecast::TooFewSamples: return QStringLiteral("tooFewSamples");
    case SpaceForecast::TooShortSpan: return QStringLiteral("tooShortSpan");
    case SpaceForecast::NotFalling: return QStringLiteral("notFalling");
    case SpaceForecast::Distant: return QStringLiteral("beyondAYear");
    case SpaceForecast::Falling:
    case SpaceForecast::Full: break;
    }
    return {};
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// A rate is worth telling only from a history long enough for a forecast:
// two readings minutes apart can make any rate at all.
bool rateKnown(const SpaceForecast &f)
{
    return f.samples.size() >= forecast::kMinSamples && f.spanDays() >= forecast::kMinSpanDays;
}

QJsonObject forecastJson(const SpaceForecast &f)
{
    QJsonArray history;
    for (const SpaceSample &s : f.samples)
        history.append(QJsonObject{
            {QStringLiteral("time"), isoDate(QDateTime::fromMSecsSinceEpoch(s.when))},
            {QStringLiteral("availableBytes"), s.availableBytes},
            {QStringLiteral("totalBytes"), s.totalBytes},
        });
    const bool none = f.samples.isEmpty();
    QJsonObject o{
        {QStringLiteral("samples"), f.samples.size()},
        {QStringLiteral("spanDays"), rounded(f.spanDays(), 1)},
        {QStringLiteral("slopeBytesPerDay"),
         rateKnown(f) ? QJsonValue(qint64(std::llround(f.slopeBytesPerDay))) : QJsonValue()},
        {QStringLiteral("availableBytes"), none ? QJsonValue() : QJsonValue(f.samples.last().availableBytes)},
        {QStringLiteral("totalBytes"), none ? QJsonValue() : QJsonValue(f.samples.last().totalBytes)},
        {QStringLiteral("daysUntilFull"), f.daysUntilFull < 0 ? QJsonValue() : QJsonValue(rounded(f.daysUntilFull, 1))},
        {QStringLiteral("history"), history},
    };
    if (f.daysUntilFull < 0)
        o.insert(QStringLiteral("reason"), forecastReason(f.status));
    return o;
}

void printForecast(const SpaceForecast &f)
{
    QTextStream out(console::output());
    switch (f.status) {
    case SpaceForecast::Falling:
        out << forecast::fullInText(f.daysUntilFull) << '\n';
        break;
    case SpaceForecast::Full:
        out << CliText::tr("The disk is already full.") << '\n';
        break;
    case SpaceForecast::TooFewSamples:
        //: %1: a number of records
        out << CliText::tr("No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records "
                           "it when it starts); a forecast needs at least %1.",
                           nullptr, int(f.samples.size()))
                   .arg(forecast::kMinSamples)
            << '\n';
        break;
    case SpaceForecast::TooShortSpan:
        //: %1: a number of days
        out << CliText::tr("No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.",
                           nullptr, int(f.spanDays()))
                   .arg(forecast::kMinSpanDays)
            << '\n';
        break;
    case SpaceForecast::NotFalling:
        out << CliText::tr("No forecast: free space is not falling.") << '\n';
        break;
    case SpaceForecast::Distant:
        out << CliText::tr("No forecast: at this rate the disk is not full within a year.") << '\n';
        break;
    }
    if (rateKnown(f) && f.slopeBytesPerDay != 0)
        out << forecast::trendText(f.slopeBytesPerDay) << '\n';
    if (!f.samples.isEmpty())
        //: %1: a date
        out << CliText::tr("%n record(s) of free space since %1", nullptr, int(f.samples.size()))
                   .arg(QDateTime::fromMSecsSinceEpoch(f.samples.first().when).toString(QStringLiteral("yyyy-MM-dd")))
            << '\n';
}

} // namespace

int runForecast(const Options &options)
{
    const AppSettings *settings = AppSettings::instance();
    // What could be read still gives a forecast; the user is told that the
    // history may be incomplete.
    if (!settings->readable())
        warnUnreadableSettings(settings->storeLocation());
    const SpaceForecast f = forecast::fit(settings->freeSpaceHistory());
    if (options.json)
        printJson(forecastJson(f));
    else
        printForecast(f);
    return 0;
}

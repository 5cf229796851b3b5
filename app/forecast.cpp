#include "app/forecast.h"

#include "app/platform.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A step must move at least this much to count as a one-off: below it, a
// history with almost no spread would call every small wiggle a step.
constexpr double kStepFloorBytes = 256.0 * 1024 * 1024;
// How far outside the usual spread of the intervals a step lies.
constexpr double kStepFactor = 8.0;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    const double upper = values[mid];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + mid);
    return (lower + upper) / 2;
}

double upperQuartile(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const size_t at = (values.size() - 1) * 3 / 4;
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[at];
}

// Median of the slopes between every pair of points; times are distinct.
double theilSen(const std::vector<double> &t, const std::vector<double> &y)
{
    std::vector<double> slopes;
    slopes.reserve(t.size() * (t.size() - 1) / 2);
    for (size_t i = 0; i < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j)
            slopes.push_back((y[j] - y[i]) / (t[j] - t[i]));
    return median(std::move(slopes));
}

// The slope in bytes per day, with rare one-off steps taken out first.
double robustSlope(const QList<SpaceSample> &samples)
{
    const size_t n = size_t(samples.size());
    std::vector<double> t(n), y(n);
    for (size_t i = 0; i < n; ++i) {
        t[i] = double(samples[qsizetype(i)].when - samples.first().when) / double(forecast::kDayMs);
        y[i] = double(samples[qsizetype(i)].availableBytes);
    }
    const double first = theilSen(t, y);

    // How much each interval moved beyond what the first fit expects.
    std::vector<double> residual(n - 1);
    for (size_t i = 0; i + 1 < n; ++i)
        residual[i] = (y[i + 1] - y[i]) - first * (t[i + 1] - t[i]);
    const double usual = median(residual);
    std::vector<double> spread(n - 1);
    for (size_t i = 0; i + 1 < n; ++i)
        spread[i] = std::abs(residual[i] - usual);
    const double limit = std::max(kStepFactor * upperQuartile(spread), kStepFloorBytes);

    std::vector<size_t> steps;
    for (size_t i = 0; i + 1 < n; ++i)
        if (spread[i] > limit)
            steps.push_back(i);
    // Many large steps are the way this disk fills, not accidents.
    const size_t allowed = std::max<size_t>(1, (n - 1) / 10);
    if (steps.empty() || steps.size() > allowed)
        return first;

    // Every reading after a step moves back by what the step did beyond a
    // usual interval.
    double shift = 0;
    size_t next = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        if (next < steps.size() && steps[next] == i) {
            shift += residual[i] - usual;
            ++next;
        }
        y[i + 1] -= shift;
    }
    return theilSen(t, y);
}

// Valid readings, oldest first, one per moment.
QList<SpaceSample> cleaned(const QList<SpaceSample> &history)
{
    QList<SpaceSample> valid;
    for (const SpaceSample &s : history)
        if (s.totalBytes > 0 && s.availableBytes >= 0)
            valid.append(s);
    std::stable_sort(valid.begin(), valid.end(),
                     [](const SpaceSample &a, const SpaceSample &b) { return a.when < b.when; });

    QList<SpaceSample> out;
    for (qsizetype i = 0; i < valid.size();) {
        qsizetype end = i + 1;
        while (end < valid.size() && valid[end].when == valid[i].when)
            ++end;
        std::vector<double> available;
        SpaceSample merged = valid[i];
        for (qsizetype k = i; k < end; ++k) {
            available.push_back(double(valid[k].availableBytes));
            merged.totalBytes = std::max(merged.totalBytes, valid[k].totalBytes);
        }
        merged.availableBytes = qint64(std::llround(median(std::move(available))));
        out.append(merged);
        i = end;
    }
    return out;
}

} // namespace

double SpaceForecast::spanDays() const
{
    if (samples.size() < 2)
        return 0;
    return double(samples.last().when - samples.first().when) / double(forecast::kDayMs);
}

namespace forecast {

SpaceForecast fit(const QList<SpaceSample> &history)
{
    SpaceForecast f;
    f.samples = cleaned(history);
    if (f.samples.size() >= 2)
        f.slopeBytesPerDay = robustSlope(f.samples);

    // Out of space now is a fact, whatever the history says.
    if (!f.samples.isEmpty() && f.samples.last().availableBytes <= 0) {
        f.status = SpaceForecast::Full;
        f.daysUntilFull = 0;
        return f;
    }
    if (f.samples.size() < kMinSamples) {
        f.status = SpaceForecast::TooFewSamples;
        return f;
    }
    if (f.spanDays() < kMinSpanDays) {
        f.status = SpaceForecast::TooShortSpan;
        return f;
    }
    if (!(f.slopeBytesPerDay < 0)) {
        f.status = SpaceForecast::NotFalling;
        return f;
    }
    const double days = double(f.samples.last().availableBytes) / -f.slopeBytesPerDay;
    if (days > kHorizonDays) {
        f.status = SpaceForecast::Distant;
        return f;
    }
    f.status = SpaceForecast::Falling;
    f.daysUntilFull = days;
    return f;
}

QList<SpaceSample> withSample(QList<SpaceSample> history, const SpaceSample &sample)
{
    if (sample.totalBytes <= 0 || sample.availableBytes < 0)
        return history;
    const qsizetype n = history.size();
    if (n >= 2 && history[n - 1].when - history[n - 2].when < kMinGapMs)
        history[n - 1] = sample;
    else
        history.append(sample);
    if (history.size() > kMaxSamples)
        history.remove(0, history.size() - kMaxSamples);
    return history;
}

FullIn fullIn(double days)
{
    if (!(days >= 0))
        days = 0;
    if (days < 14)
        return {false, std::max(1, int(std::lround(days)))};
    return {true, std::max(2, int(std::lround(std::min(days, 1e6) / 7)))};
}

QString fullInText(double days)
{
    const FullIn in = fullIn(days);
    //: Forecast on the Overview, from the history of free space
    return in.weeks ? QCoreApplication::translate("AppState", "At this rate the disk is full in about %n week(s)",
                                                  nullptr, in.count)
                    : QCoreApplication::translate("AppState", "At this rate the disk is full in about %n day(s)",
                                                  nullptr, in.count);
}

QString trendText(double slopeBytesPerDay)
{
    const qint64 perDay = qint64(std::llround(std::min(std::abs(slopeBytesPerDay), 9.0e18)));
    const bool falling = slopeBytesPerDay < 0;
    return falling
        //: %1: a size, e.g. "1.2 GB"
        ? QCoreApplication::translate("AppState", "Free space falls by about %1 a day").arg(formatSize(perDay))
        //: %1: a size, e.g. "1.2 GB"
        : QCoreApplication::translate("AppState", "Free space rises by about %1 a day").arg(formatSize(perDay));
}

} // namespace forecast

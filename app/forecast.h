#pragma once

// When will the home volume be full? A small history of free-space readings
// (one at each program start and after each scheduled scan, kept in the
// settings) and a robust straight-line fit through it.
//
// The fit is a Theil-Sen estimate: the median of the slopes between every
// pair of readings, so a few odd readings cannot tilt it. A one-off step
// (a 40 GB download, a big clean-up) is different: it shifts every reading
// after it, and with the step near the middle of the history more than half
// of the pairs straddle it. Such steps are therefore taken out first: an
// interval whose change stands far outside what the other intervals do, and
// that is rare (at most one interval in ten, at least one), is replaced by a
// typical change before the final fit. A history that falls in many similar
// steps keeps them: that is how the disk fills.
//
// The forecast itself starts from the latest reading (the free space now is
// known exactly; only the rate is estimated) and is offered only when it is
// meaningful: at least kMinSamples readings over at least kMinSpanDays, a
// falling trend, and a disk full within kHorizonDays.
//
// Pure functions over values; safe on any thread.

#include <QList>
#include <QString>
#include <QtGlobal>

// One reading of the home volume.
struct SpaceSample
{
    qint64 when = 0;            // ms since the Unix epoch
    qint64 availableBytes = 0;  // free for the current user
    qint64 totalBytes = 0;

    friend bool operator==(const SpaceSample &, const SpaceSample &) = default;
};

struct SpaceForecast
{
    enum Status {
        Falling,        // full in daysUntilFull days
        Full,           // the latest reading has no free space left
        TooFewSamples,  // fewer than kMinSamples distinct readings
        TooShortSpan,   // the readings cover less than kMinSpanDays
        NotFalling,     // free space is steady or rising
        Distant,        // falling, but full only after kHorizonDays
    };

    Status status = TooFewSamples;
    // The readings the fit used: valid ones only, oldest first, one per
    // moment (readings taken at the same moment count as their median).
    QList<SpaceSample> samples;
    // Bytes per day; negative while free space falls. 0 with fewer than two
    // readings.
    double slopeBytesPerDay = 0;
    // Falling: more than 0; Full: 0; otherwise -1 (no forecast).
    double daysUntilFull = -1;

    bool hasForecast() const { return status == Falling; }
    // From the first to the last reading.
    double spanDays() const;
};

namespace forecast {

constexpr int kMinSamples = 5;
constexpr int kMinSpanDays = 7;
constexpr int kHorizonDays = 365;
// The history keeps this many readings, dropping the oldest.
constexpr int kMaxSamples = 90;
// Readings closer together than this are not kept side by side (see
// withSample).
constexpr qint64 kMinGapMs = qint64(6) * 60 * 60 * 1000;
constexpr qint64 kDayMs = qint64(24) * 60 * 60 * 1000;

SpaceForecast fit(const QList<SpaceSample> &history);

// `history` with `sample` added. Every reading is kept at least kMinGapMs
// after the one before it, except the newest, which holds the latest figures:
// a sample replaces the last one while that one is still closer than
// kMinGapMs to its predecessor, and is appended otherwise. A day of restarts
// thus adds about four readings rather than one each, and the history never
// stalls on a reading that keeps moving forward. At most kMaxSamples are
// kept. A reading without a size (an unreadable volume) is not added.
QList<SpaceSample> withSample(QList<SpaceSample> history, const SpaceSample &sample);

// The wording of a forecast: days below two weeks, else weeks; at least 1.
struct FullIn
{
    bool weeks = false;
    int count = 0;
};
FullIn fullIn(double days);

// "At this rate the disk is full in about %n day(s)" / "... week(s)"
// (context "AppState"), for the Overview page and the command line alike.
QString fullInText(double days);
// "Free space falls by about %1 a day" or "... rises ..." (context "AppState").
QString trendText(double slopeBytesPerDay);

} // namespace forecast

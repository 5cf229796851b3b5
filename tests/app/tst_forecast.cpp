#include "app/forecast.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

Q_DECLARE_METATYPE(SpaceSample)

namespace {

constexpr double kGB = 1024.0 * 1024 * 1024;
constexpr qint64 kStart = 1'780'000'000'000;  // a moment in 2026
constexpr qint64 kTotal = qint64(500) << 30;

SpaceSample at(double day, double availableGB)
{
    return {kStart + qint64(std::llround(day * double(forecast::kDayMs))), qint64(std::llround(availableGB * kGB)),
            kTotal};
}

// `count` readings `everyDays` apart; the free space (GB) of each comes from
// `level` over the day number.
QList<SpaceSample> series(int count, double everyDays, const std::function<double(double)> &level)
{
    QList<SpaceSample> out;
    for (int i = 0; i < count; ++i)
        out.append(at(i * everyDays, level(i * everyDays)));
    return out;
}

// A fixed wobble of up to +-0.3 GB, the same on every run.
double wobble(double day)
{
    static const double pattern[] = {0.3, -0.2, 0.1, -0.3, 0.2, 0.0, -0.1, 0.25, -0.25, 0.15};
    return pattern[int(std::lround(day)) % 10];
}

} // namespace

class TestForecast final : public QObject
{
    Q_OBJECT

private slots:
    // Each row: a history, what the fit makes of it (status, slope in GB a
    // day, days until full; NaN where the figure does not matter), the
    // relative tolerance of the figures and the sentence shown for it.
    void fit_data()
    {
        QTest::addColumn<QList<SpaceSample>>("history");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("slopeGB");
        QTest::addColumn<double>("days");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<QString>("text");
        const double any = std::nan("");
        const auto falling = series(10, 1, [](double d) { return 100 - 2 * d; });

        QTest::newRow("falling") << falling << int(SpaceForecast::Falling) << -2.0 << 41.0 << 1e-9
                                 << "At this rate the disk is full in about 6 week(s)";
        QTest::newRow("falling fast, in days")
            << series(8, 1, [](double d) { return 30 - 3 * d; }) << int(SpaceForecast::Falling) << -3.0 << 3.0
            << 1e-9 << "At this rate the disk is full in about 3 day(s)";
        QTest::newRow("flat") << series(10, 1, [](double) { return 100; }) << int(SpaceForecast::NotFalling) << 0.0
                              << -1.0 << 1e-9 << "";
        QTest::newRow("rising") << series(10, 1, [](double d) { return 50 + d; }) << int(SpaceForecast::NotFalling)
                                << 1.0 << -1.0 << 1e-9 << "";
        QTest::newRow("noisy, a 40 GB drop then steady")
            << series(21, 1, [](double d) { return 200 - d + wobble(d) - (d > 10 ? 40 : 0); })
            << int(SpaceForecast::Falling) << -1.0 << 140.0 << 0.1 << "At this rate the disk is full in about 21 week(s)";
        QTest::newRow("flat, one 40 GB download")
            << series(21, 1, [](double d) { return 120 + wobble(d) - (d > 10 ? 40 : 0); })
            << int(SpaceForecast::NotFalling) << any << -1.0 << 0.0 << "";
        QTest::newRow("falling, one 40 GB clean-up")
            << series(21, 1, [](double d) { return 100 - 2 * d + (d > 12 ? 40 : 0); }) << int(SpaceForecast::Falling)
            << -2.0 << 50.0 << 1e-9 << "At this rate the disk is full in about 7 week(s)";
        QTest::newRow("many steps are the trend")
            << series(31, 1, [](double d) { return 100 - 10 * std::floor(d / 5); }) << int(SpaceForecast::Falling)
            << -2.0 << 20.0 << 0.05 << "At this rate the disk is full in about 3 week(s)";
        QTest::newRow("too few samples") << series(4, 5, [](double d) { return 100 - 2 * d; })
                                         << int(SpaceForecast::TooFewSamples) << -2.0 << -1.0 << 1e-9 << "";
        QTest::newRow("too short a span") << series(10, 0.5, [](double d) { return 100 - 2 * d; })
                                          << int(SpaceForecast::TooShortSpan) << -2.0 << -1.0 << 1e-9 << "";
        QTest::newRow("disk already full") << series(6, 2, [](double d) { return std::max(0.0, 8 - d); })
                                           << int(SpaceForecast::Full) << any << 0.0 << 0.0 << "";
        QTest::newRow("full with no history") << QList{at(0, 0)} << int(SpaceForecast::Full) << 0.0 << 0.0 << 0.0
                                              << "";
        QList<SpaceSample> shuffled = falling;
        std::reverse(shuffled.begin(), shuffled.end());
        std::swap(shuffled[2], shuffled[7]);
        QTest::newRow("unsorted timestamps") << shuffled << int(SpaceForecast::Falling) << -2.0 << 41.0 << 1e-9
                                             << "At this rate the disk is full in about 6 week(s)";
        QList<SpaceSample> doubled = falling;
        doubled.insert(4, at(4, 10));   // same moment as reading 4 (92 GB)...
        doubled.insert(4, at(4, 174));  // ...and another: their median is 92 GB
        QTest::newRow("equal timestamps") << doubled << int(SpaceForecast::Falling) << -2.0 << 41.0 << 1e-9
                                          << "At this rate the disk is full in about 6 week(s)";
        QTest::newRow("all at one moment") << QList{at(3, 50), at(3, 40), at(3, 30), at(3, 20), at(3, 10)}
                                           << int(SpaceForecast::TooFewSamples) << 0.0 << -1.0 << 1e-9 << "";
        QTest::newRow("full only after a year") << series(10, 3, [](double d) { return 400 - 0.5 * d; })
                                                << int(SpaceForecast::Distant) << -0.5 << -1.0 << 1e-9 << "";
        QList<SpaceSample> unreadable = falling;
        unreadable.insert(3, SpaceSample{kStart + 3 * forecast::kDayMs + 1, 0, 0});
        unreadable.append(SpaceSample{kStart + 20 * forecast::kDayMs, -5, kTotal});
        QTest::newRow("unreadable volume readings are ignored")
            << unreadable << int(SpaceForecast::Falling) << -2.0 << 41.0 << 1e-9
            << "At this rate the disk is full in about 6 week(s)";
    }

    void fit()
    {
        QFETCH(QList<SpaceSample>, history);
        QFETCH(double, slopeGB);
        QFETCH(double, days);
        QFETCH(double, tolerance);
        const SpaceForecast f = forecast::fit(history);
        QTEST(int(f.status), "status");
        QVERIFY(std::is_sorted(f.samples.cbegin(), f.samples.cend(),
                               [](const SpaceSample &a, const SpaceSample &b) { return a.when <= b.when; }));
        const auto near = [tolerance](double actual, double expected) {
            return std::isnan(expected) || std::abs(actual - expected) <= tolerance * std::max(1.0, std::abs(expected));
        };
        QVERIFY2(near(f.slopeBytesPerDay / kGB, slopeGB), qPrintable(QString::number(f.slopeBytesPerDay / kGB)));
        QVERIFY2(near(f.daysUntilFull, days), qPrintable(QString::number(f.daysUntilFull)));
        QTEST(f.hasForecast() ? forecast::fullInText(f.daysUntilFull) : QString(), "text");
    }

    // Readings at these hours after the first; the hours kept.
    void recording_data()
    {
        QTest::addColumn<QList<double>>("hours");
        QTest::addColumn<QList<double>>("kept");
        QTest::newRow("restarts within hours") << QList<double>{0, 1, 2, 3} << QList<double>{0, 3};
        QTest::newRow("a day of restarts every two hours")
            << QList<double>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}
            << QList<double>{0, 6, 12, 18, 24};
        QTest::newRow("restarts every five hours") << QList<double>{0, 5, 10, 15, 20} << QList<double>{0, 10, 20};
        QTest::newRow("daily") << QList<double>{0, 24, 48} << QList<double>{0, 24, 48};
        QList<double> hundredDays;
        for (int d = 0; d < 100; ++d)
            hundredDays << d * 24.0;
        QTest::newRow("the oldest make room") << hundredDays << hundredDays.mid(10);
    }

    void recording()
    {
        QFETCH(QList<double>, hours);
        QList<SpaceSample> history;
        for (const double h : hours)
            history = forecast::withSample(history, at(h / 24, 1000 - h / 10));
        // A volume that could not be read adds nothing.
        QCOMPARE(forecast::withSample(history, SpaceSample{kStart, 0, 0}), history);
        QList<double> keptHours;
        for (const SpaceSample &s : history)
            keptHours << double(s.when - kStart) / 3'600'000.0;
        QTEST(keptHours, "kept");
    }
};

QTEST_GUILESS_MAIN(TestForecast)
#include "tst_forecast.moc"

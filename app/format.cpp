#include "app/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace {

constexpr qint64 kKB = 1024;
constexpr qint64 kMB = kKB * 1024;
constexpr qint64 kGB = kMB * 1024;
constexpr qint64 kTB = kGB * 1024;

// Whole units, halves rounded away from zero (v is never negative here).
qint64 roundedUnits(qint64 v, qint64 unit)
{
    return (v + unit / 2) / unit;
}

// Characters that move the cursor, colour or retitle a terminal, start a new
// line in some viewer, or reorder the text shown around them.
bool isControlOrBidi(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f
        || (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

// Characters that show as nothing, so that two different names would read
// the same: the soft hyphen, zero-width space, word joiner and the invisible
// operators, the byte-order mark, the Mongolian vowel separator and the
// Hangul fillers. The joiners that emoji and some scripts need (U+200C,
// U+200D) stay as they are.
bool isInvisible(char16_t c)
{
    return c == 0x00ad || c == 0x115f || c == 0x1160 || c == 0x180e || c == 0x200b || (c >= 0x2060 && c <= 0x2064)
        || c == 0x3164 || c == 0xfeff || c == 0xffa0;
}

// Whether text[i] must be escaped; a surrogate counts only when unpaired.
bool mustEscape(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return isControlOrBidi(c.unicode()) || isInvisible(c.unicode());
}

QString withUnit(const QString &number, const char *unit)
{
    //: A size; %1: the number; %2: the unit (KB, MB, …)
    return QCoreApplication::translate("fmt", "%1 %2").arg(number, QCoreApplication::translate("fmt", unit));
}

} // namespace

QString formatSize(qint64 bytes)
{
    const qint64 v = qMax<qint64>(bytes, 0);
    const QLocale locale;
    if (v >= kTB)
        //: Unit of size: terabyte
        return withUnit(locale.toString(double(v) / double(kTB), 'f', 1), QT_TRANSLATE_NOOP("fmt", "TB"));
    if (v >= kGB) {
        const int decimals = v < 100 * kGB ? 1 : 0;
        //: Unit of size: gigabyte
        return withUnit(locale.toString(double(v) / double(kGB), 'f', decimals), QT_TRANSLATE_NOOP("fmt", "GB"));
    }
    if (v >= kMB)
        //: Unit of size: megabyte
        return withUnit(locale.toString(roundedUnits(v, kMB)), QT_TRANSLATE_NOOP("fmt", "MB"));
    if (v >= kKB)
        //: Unit of size: kilobyte
        return withUnit(locale.toString(roundedUnits(v, kKB)), QT_TRANSLATE_NOOP("fmt", "KB"));
    return withUnit(locale.toString(v > 0 ? 1 : 0), QT_TRANSLATE_NOOP("fmt", "KB"));
}

QString formatNumber(qint64 n)
{
    return QLocale().toString(n);
}

int monthsSince(const QDateTime &when, const QDate &today)
{
    if (!when.isValid() || !today.isValid())
        return 0;
    const QDate d = when.toLocalTime().date();
    int months = (today.year() - d.year()) * 12 + (today.month() - d.month());
    if (today.day() < d.day())
        --months;
    return qMax(months, 0);
}

int monthsSince(const QDateTime &when)
{
    return monthsSince(when, QDate::currentDate());
}

QString relativeTime(const QDateTime &when, const QDate &today)
{
    if (!when.isValid())
        return {};
    const qint64 days = when.toLocalTime().date().daysTo(today);
    if (days < 1)
        //: A relative date, also in the Opened column of the Space Map
        return QCoreApplication::translate("fmt", "Today");
    if (days == 1)
        //: A relative date
        return QCoreApplication::translate("fmt", "Yesterday");
    if (days < 7)
        //: A relative date
        return QCoreApplication::translate("fmt", "%n day(s) ago", nullptr, int(days));
    // The counts are computed first: lupdate misreads a division inside the
    // translate call (it loops on one and drops the other message).
    const int weeks = int(days / 7);
    if (days < 31)
        //: A relative date
        return QCoreApplication::translate("fmt", "%n week(s) ago", nullptr, weeks);
    const int months = qMax(monthsSince(when, today), 1);
    if (months < 12)
        //: A relative date
        return QCoreApplication::translate("fmt", "%n month(s) ago", nullptr, months);
    const int years = months / 12;
    //: A relative date
    return QCoreApplication::translate("fmt", "%n year(s) ago", nullptr, years);
}

QString relativeTime(const QDateTime &when)
{
    return relativeTime(when, QDate::currentDate());
}

QString relativeTimeInText(const QDateTime &when, const QDate &today)
{
    QString text = relativeTime(when, today);
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

QString relativeTimeInText(const QDateTime &when)
{
    return relativeTimeInText(when, QDate::currentDate());
}

QString formatDuration(qint64 seconds)
{
    const qint64 s = qMax<qint64>(seconds, 0);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString displayPath(const QString &path, const QString &home)
{
    const QString native = QDir::toNativeSeparators(path);
    QString h = QDir::toNativeSeparators(home);
    const QChar sep = QDir::separator();
    while (h.size() > 1 && h.endsWith(sep))
        h.chop(1);
    // A home at the file-system root would turn every path into "~...".
    if (h.isEmpty() || h == sep || (h.size() == 3 && h.endsWith(QLatin1String(":\\"))))
        return native;
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    // Folders differing only in case are different folders here.
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (native.compare(h, cs) == 0)
        return QStringLiteral("~");
    if (native.startsWith(h, cs) && native.at(h.size()) == sep)
        return QLatin1Char('~') + native.mid(h.size());
    return native;
}

QString displayPath(const QString &path)
{
    return displayPath(path, QDir::homePath());
}

qint64 sizeUnitBase()
{
    return kKB;
}

QString escapeControls(const QString &text)
{
    bool plain = !text.startsWith(QLatin1Char('"'));
    for (qsizetype i = 0; plain && i < text.size(); ++i)
        plain = !mustEscape(text, i);
    if (plain)
        return text;
    QString out;
    out.reserve(text.size() + 8);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (!mustEscape(text, i)) {
            out += c;
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c.unicode() < 0x100) {
            out += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        }
    }
    out += QLatin1Char('"');
    return out;
}

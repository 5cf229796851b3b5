#include "cli/output.h"

#include "app/platform.h"
#include "cli/clitext.h"
#include "cli/console.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr QChar kEllipsis(0x2026);
// The narrowest the first column of a table is cut to: enough to tell its
// rows apart; a terminal narrower than that wraps the lines instead.
constexpr int kMinFirstColumn = 20;

int columnsOf(char32_t c)
{
    const auto category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
        return 0;
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
        || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

QString fromChars(QList<uint>::const_iterator begin, QList<uint>::const_iterator end)
{
    const QList<char32_t> chars(begin, end);
    return QString::fromUcs4(chars.constData(), chars.size());
}

// The longest start of `chars` that takes at most `columns`.
QString leading(const QList<uint> &chars, int columns)
{
    auto it = chars.cbegin();
    for (int width = 0; it != chars.cend() && width + columnsOf(*it) <= columns; ++it)
        width += columnsOf(*it);
    return fromChars(chars.cbegin(), it);
}

// The longest end of `chars` that takes at most `columns`.
QString trailing(const QList<uint> &chars, int columns)
{
    auto it = chars.cend();
    for (int width = 0; it != chars.cbegin() && width + columnsOf(*(it - 1)) <= columns; --it)
        width += columnsOf(*(it - 1));
    return fromChars(it, chars.cend());
}

} // namespace

namespace cli {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString shown(const QString &text)
{
    return escapeControls(text);
}

QString shownPath(const QString &path)
{
    return shown(nativePath(path));
}

QStringList shownList(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &text : texts)
        out.append(shown(text));
    return out;
}

void warnUnreadableSettings(const QString &location)
{
    QTextStream(console::errors())
        //: %1: a file's path
        << CliText::tr("Warning: cannot read the settings file %1; this run may not use your settings.")
               .arg(shownPath(location))
        << '\n';
}

void printJson(const QJsonObject &object)
{
    QTextStream(console::output()) << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString isoDate(const QDateTime &when)
{
    if (!when.isValid())
        return {};
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate);
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (const uint c : text.toUcs4())
        width += columnsOf(char32_t(c));
    return width;
}

QString fitToWidth(const QString &text, int columns)
{
    if (displayWidth(text) <= columns)
        return text;
    return leading(text.toUcs4(), columns - 1) + kEllipsis;
}

QString elideMiddle(const QString &text, int columns)
{
    if (displayWidth(text) <= columns)
        return text;
    if (columns < 3)
        return fitToWidth(text, columns);
    const QList<uint> chars = text.toUcs4();
    const int room = columns - 1;  // the ellipsis takes one
    // The file name with the separator before it: from the last separator
    // that is neither the first character nor the last.
    int nameWidth = 0;
    for (qsizetype i = chars.size() - 2; i > 0; --i) {
        if (chars.at(i) == u'/' || chars.at(i) == u'\\') {
            for (qsizetype j = i; j < chars.size(); ++j)
                nameWidth += columnsOf(chars.at(j));
            break;
        }
    }
    const int headRoom = std::min(room / 3, 12);
    const int tailRoom = nameWidth > 0 ? std::min(nameWidth, room - headRoom) : room / 2;
    return leading(chars, room - tailRoom) + kEllipsis + trailing(chars, tailRoom);
}

QString padded(const QString &text, int columns, bool right)
{
    const QString fill(std::max(0, columns - displayWidth(text)), QLatin1Char(' '));
    return right ? fill + text : text + fill;
}

void printTable(QTextStream &out, const QList<QStringList> &rows, const QList<bool> &rightAligned, int maxWidth)
{
    QList<int> widths(rightAligned.size(), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row.at(c)));
    if (maxWidth > 0 && !widths.isEmpty()) {
        int total = 2 * int(widths.size() - 1);
        for (const int width : std::as_const(widths))
            total += width;
        if (total > maxWidth)
            widths[0] = std::max(std::min(widths[0], kMinFirstColumn), widths[0] - (total - maxWidth));
    }
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c) {
            if (c > 0)
                line += QLatin1String("  ");
            const bool last = c == row.size() - 1;
            const QString cell = c == 0 ? elideMiddle(row.at(c), widths.at(c)) : row.at(c);
            if (rightAligned.at(c))
                line += padded(cell, widths.at(c), true);
            else
                line += last ? cell : padded(cell, widths.at(c), false);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out << line << '\n';
    }
}

} // namespace cli

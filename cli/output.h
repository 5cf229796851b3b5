#pragma once

// What the commands of varnholt-cli print with: text laid out for a
// terminal, measured in terminal columns (East Asian wide and full-width
// characters take two, combining marks none, so translated tables stay
// aligned), names and paths made safe to show, and JSON.

#include <QList>
#include <QString>
#include <QStringList>

class QDateTime;
class QJsonObject;
class QTextStream;

namespace cli {

// Paths as the Windows build writes them, "C:\..." there and "/..." here.
QString nativePath(const QString &path);
// Names and paths come from the file system: text output shows their control
// and bidi characters as escapes, so a name cannot colour the terminal, set
// its title or forge rows. --json needs no such care.
QString shown(const QString &text);
QString shownPath(const QString &path);
QStringList shownList(const QStringList &texts);

// On the standard error: the settings file at `location` cannot be read, so
// the figures may not follow the user's settings.
void warnUnreadableSettings(const QString &location);

// The object, indented, on the standard output.
void printJson(const QJsonObject &object);
// With the offset, so the moment is unambiguous wherever it is read; empty
// for an invalid time.
QString isoDate(const QDateTime &when);

int displayWidth(const QString &text);

// The text cut to at most `columns` columns, ending in "…" when cut.
QString fitToWidth(const QString &text, int columns);

// The text cut to at most `columns` columns with "…" in the middle when cut:
// it keeps its start and, when it holds a path, the whole file name at the
// end ("  /home/al/…/report.pdf"); of a name too long for that, its end.
QString elideMiddle(const QString &text, int columns);

QString padded(const QString &text, int columns, bool right);

// Left-aligned text columns and right-aligned figures, two blanks apart,
// trailing blanks dropped. With `maxWidth` above 0, the cells of the first
// column are cut in the middle (elideMiddle) as far as needed for no line to
// be wider, though never below a width that still names something.
void printTable(QTextStream &out, const QList<QStringList> &rows, const QList<bool> &rightAligned, int maxWidth = 0);

} // namespace cli

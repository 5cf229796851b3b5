#include "clean/cleanuplog.h"

#include "app/platform.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Paths shown to the user keep the platform's own separators.
QString shown(const QString &path)
{
    return escapeControls(QDir::toNativeSeparators(path));
}

} // namespace

CleanupLog::CleanupLog(Clock clock) : m_clock(std::move(clock)) {}

CleanupLog::~CleanupLog()
{
    if (m_file.isOpen()) {
        m_file.flush();
        m_file.close();
    }
}

QString CleanupLog::folder()
{
    return userFolder(UserFolder::Data) + QStringLiteral("/Varnholt/logs");
}

bool CleanupLog::ensureFolder()
{
    return QDir().mkpath(folder());
}

QString CleanupLog::fileName(const QDateTime &start, int run)
{
    const QString number = run > 1 ? QLatin1Char('-') + QString::number(run) : QString();
    return QStringLiteral("cleanup-") + start.toString(QStringLiteral("yyyyMMdd-HHmmss")) + number
        + QStringLiteral(".log");
}

QStringList CleanupLog::logs()
{
    static const QRegularExpression pattern(QStringLiteral("^cleanup-(\\d{8}-\\d{6})(?:-([1-9]\\d{0,8}))?\\.log$"));
    struct Named
    {
        QString time;
        int run = 1;
        QString name;
    };
    QList<Named> found;
    const QDir dir(folder());
    for (const QString &name : dir.entryList({QStringLiteral("cleanup-*.log")}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (m.hasMatch())
            found.append({m.captured(1), m.hasCaptured(2) ? m.captured(2).toInt() : 1, name});
    }
    std::sort(found.begin(), found.end(), [](const Named &a, const Named &b) {
        return a.time != b.time ? a.time > b.time : a.run > b.run;
    });
    QStringList out;
    for (const Named &n : std::as_const(found))
        out.append(dir.filePath(n.name));
    return out;
}

QString CleanupLog::open()
{
    const QString dir = folder();
    const QDateTime start = now();
    m_path = dir + QLatin1Char('/') + fileName(start);
    if (!QDir().mkpath(dir))
        return m_path;
    // A log is never written over: when the name is taken, the next number
    // of it is tried. Any other failure ends the search.
    constexpr int kMaxRuns = 9999;
    for (int run = 1; run <= kMaxRuns; ++run) {
        const QString path = dir + QLatin1Char('/') + fileName(start, run);
        m_file.setFileName(path);
        // Text mode gives CR LF line ends on Windows and LF elsewhere.
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text)) {
            m_path = path;
            break;
        }
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink())
            break;
    }
    return m_path;
}

QDateTime CleanupLog::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void CleanupLog::write(const QString &line)
{
    if (!m_file.isOpen())
        return;
    m_file.write(line.toUtf8());
    m_file.write("\n", 1);
}

QString CleanupLog::statusLine(const QString &word, const QString &text)
{
    return word.leftJustified(9, QLatin1Char(' ')) + text;
}

void CleanupLog::header(bool moveToTrash, qint64 selectedBytes, qint64 deletedInstead)
{
    write(QStringLiteral("Varnholt cleanup ") + now().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    QString mode = moveToTrash ? QStringLiteral("move to ") + recycleBinName()
                               //: Mode line of the cleanup log: the files are removed for good
                               : QCoreApplication::translate("Cleaner", "delete permanently");
    if (moveToTrash && deletedInstead > 0)
        mode += QStringLiteral("; delete permanently %1 item%2 it cannot take")
                    .arg(deletedInstead)
                    .arg(deletedInstead == 1 ? QString() : QStringLiteral("s"));
    write(QStringLiteral("Mode: ") + mode);
    write(QStringLiteral("Selected: ") + formatSize(selectedBytes));
    write(QString());
}

void CleanupLog::categoryHeading(const QString &name, qint64 bytes)
{
    write(QStringLiteral("== ") + escapeControls(name) + QStringLiteral(" (") + formatSize(bytes) + QLatin1Char(')'));
}

void CleanupLog::excluded(const QString &path, const QString &reason)
{
    write(statusLine(QStringLiteral("EXCLUDED"),
                     reason.isEmpty() ? shown(path) : shown(path) + QStringLiteral("  (") + reason + QLatin1Char(')')));
}

void CleanupLog::skipped(const QString &pathOrName, const QString &reason)
{
    write(statusLine(QStringLiteral("SKIPPED"), shown(pathOrName) + QStringLiteral("  (") + reason + QLatin1Char(')')));
}

void CleanupLog::skippedRunning(const QString &path, const QString &appName)
{
    skipped(path, escapeControls(appName) + QStringLiteral(" is running"));
}

void CleanupLog::skippedFinal(const QString &path, quint32 errorCode, const QList<FileHolder> &holders)
{
    QString reason = QStringLiteral("in use or access denied");
    if (errorCode != 0)
        reason += QStringLiteral(", error ") + QString::number(errorCode);
    // Inside the brackets, so that readers taking the text after the last
    // "  (" as the reason still find the path before it.
    if (!holders.isEmpty())
        reason += QStringLiteral("; held by ") + heldByText(holders);
    skipped(path, reason);
}

QString CleanupLog::heldByText(const QList<FileHolder> &holders)
{
    QStringList names;
    QList<QStringList> pids;
    for (const FileHolder &h : holders) {
        // A name with no double blank cannot end the path early for a
        // reader looking for "  (".
        const QString name = escapeControls(h.name.simplified());
        qsizetype at = names.indexOf(name);
        if (at < 0) {
            names.append(name);
            pids.append(QStringList());
            at = names.size() - 1;
        }
        pids[at].append(QString::number(h.pid));
    }
    QStringList parts;
    for (qsizetype i = 0; i < names.size(); ++i)
        parts.append(names.at(i) + QStringLiteral(" [") + pids.at(i).join(QStringLiteral(", ")) + QLatin1Char(']'));
    return parts.join(QStringLiteral(", "));
}

void CleanupLog::busy(const QString &path, quint32 errorCode)
{
    write(statusLine(QStringLiteral("BUSY"),
                     shown(path) + QStringLiteral("  (error ") + QString::number(errorCode) + QStringLiteral(", will retry)")));
}

void CleanupLog::emptied(const QString &binName)
{
    write(statusLine(QStringLiteral("EMPTIED"), escapeControls(binName)));
}

void CleanupLog::trashed(const QString &path, qint64 freedBytes)
{
    write(statusLine(QStringLiteral("TRASHED"), shown(path) + QStringLiteral("  ") + formatSize(freedBytes)));
}

void CleanupLog::trashedTo(const QString &inTrash, const QString &original)
{
    write(QStringLiteral("  -> ") + shown(inTrash) + QLatin1Char('\t') + shown(original));
}

void CleanupLog::deleted(const QString &path, qint64 freedBytes)
{
    write(statusLine(QStringLiteral("DELETED"), shown(path) + QStringLiteral("  ") + formatSize(freedBytes)));
}

void CleanupLog::blank()
{
    write(QString());
}

void CleanupLog::summary(qint64 freedBytes, qint64 filesRemoved, qint64 skippedCount)
{
    write(QStringLiteral("Freed ") + formatSize(freedBytes) + QStringLiteral(", removed ") + QString::number(filesRemoved)
          + QStringLiteral(" files, skipped ") + QString::number(skippedCount) + QLatin1Char('.'));
}

void CleanupLog::flush()
{
    if (m_file.isOpen())
        m_file.flush();
}

QString CleanupLog::readPath(const QString &written)
{
    // No path holds a NUL, and the kernel would take the text before one for
    // the whole: escapeControls never lets one through, so it was not written.
    if (!written.startsWith(QLatin1Char('"')))
        return written.contains(QChar(0)) ? QString() : QDir::fromNativeSeparators(written);
    if (written.size() < 2 || !written.endsWith(QLatin1Char('"')))
        return {};
    QString out;
    const qsizetype end = written.size() - 1;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = written.at(i);
        if (c == QLatin1Char('"') || c == QChar(0))
            return {};
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= end)
            return {};
        const QChar e = written.at(i);
        int digits = 0;
        if (e == QLatin1Char('\\') || e == QLatin1Char('"'))
            out += e;
        else if (e == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (e == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (e == QLatin1Char('x'))
            digits = 2;
        else if (e == QLatin1Char('u'))
            digits = 4;
        else
            return {};
        if (digits == 0)
            continue;
        bool ok = false;
        const uint code = written.mid(i + 1, digits).toUInt(&ok, 16);
        if (!ok || code == 0 || i + digits >= end)
            return {};
        out += QChar(char16_t(code));
        i += digits;
    }
    return QDir::fromNativeSeparators(out);
}

CleanupLog::Contents CleanupLog::read(const QString &path)
{
    Contents c;
    QFile file(path);
    // No path (a run that made no log) is no log, without Qt's warning.
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return c;
    const QString headerWord = QStringLiteral("Varnholt cleanup ");
    bool first = true;
    bool inTrashed = false;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        if (first) {
            first = false;
            if (!line.startsWith(headerWord))
                return c;
            c.started = QDateTime::fromString(line.mid(headerWord.size()), Qt::ISODate);
            c.valid = c.started.isValid();
            if (!c.valid)
                return c;
            continue;
        }
        if (line.startsWith(QLatin1String("Mode: "))) {
            c.toTrash = line.startsWith(QLatin1String("Mode: move to "));
        } else if (line.startsWith(QLatin1String("TRASHED  "))) {
            const QString rest = line.mid(9);
            const qsizetype gap = rest.lastIndexOf(QLatin1String("  "));
            const QString item = readPath(gap > 0 ? rest.left(gap) : rest);
            inTrashed = !item.isEmpty();
            if (inTrashed)
                c.trashedItems.append(item);
        } else if (inTrashed && line.startsWith(QLatin1String("  -> "))) {
            const QStringList fields = line.mid(5).split(QLatin1Char('\t'));
            const QString inTrash = fields.size() == 2 ? readPath(fields.at(0)) : QString();
            const QString original = fields.size() == 2 ? readPath(fields.at(1)) : QString();
            if (!inTrash.isEmpty() && !original.isEmpty())
                c.moves.append({inTrash, original});
        } else {
            inTrashed = false;
            c.deleted = c.deleted || line.startsWith(QLatin1String("DELETED  "));
            c.emptied = c.emptied || line.startsWith(QLatin1String("EMPTIED  "));
            if (line.startsWith(QLatin1String("Freed "))) {
                const qsizetype comma = line.indexOf(QLatin1String(", removed "));
                c.freedText = line.mid(6, comma > 6 ? comma - 6 : -1);
            }
        }
    }
    const QFileInfo info(file);
    c.written = info.lastModified();
#ifndef Q_OS_WIN
    if (const QDateTime born = info.birthTime(); born.isValid())
        c.written = c.started.addMSecs(born.msecsTo(c.written));
#endif
    return c;
}

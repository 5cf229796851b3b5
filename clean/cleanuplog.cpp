#include "clean/cleanuplog.h"

#include "app/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Varnholt/logs");
}

bool CleanupLog::ensureFolder()
{
    return QDir().mkpath(folder());
}

QString CleanupLog::fileName(const QDateTime &start)
{
    return QStringLiteral("cleanup-") + start.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral(".log");
}

QString CleanupLog::open()
{
    const QString dir = folder();
    m_path = dir + QLatin1Char('/') + fileName(now());
    if (!QDir().mkpath(dir))
        return m_path;
    m_file.setFileName(m_path);
    // Text mode gives CR LF line ends on Windows and LF elsewhere.
    (void)m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
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

void CleanupLog::header(bool moveToTrash, qint64 selectedBytes)
{
    write(QStringLiteral("Varnholt cleanup ") + now().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    const QString mode = moveToTrash ? QStringLiteral("move to ") + recycleBinName()
                                     : QCoreApplication::translate("Cleaner", "delete permanently");
    write(QStringLiteral("Mode: ") + mode);
    write(QStringLiteral("Selected: ") + formatSize(selectedBytes));
    write(QString());
}

void CleanupLog::categoryHeading(const QString &name, qint64 bytes)
{
    write(QStringLiteral("== ") + escapeControls(name) + QStringLiteral(" (") + formatSize(bytes) + QLatin1Char(')'));
}

void CleanupLog::excluded(const QString &path)
{
    write(statusLine(QStringLiteral("EXCLUDED"), shown(path)));
}

void CleanupLog::skipped(const QString &pathOrName, const QString &reason)
{
    write(statusLine(QStringLiteral("SKIPPED"), shown(pathOrName) + QStringLiteral("  (") + reason + QLatin1Char(')')));
}

void CleanupLog::skippedRunning(const QString &path, const QString &appName)
{
    skipped(path, escapeControls(appName) + QStringLiteral(" is running"));
}

void CleanupLog::skippedFinal(const QString &path, quint32 errorCode)
{
    QString reason = QStringLiteral("in use or access denied");
    if (errorCode != 0)
        reason += QStringLiteral(", error ") + QString::number(errorCode);
    skipped(path, reason);
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

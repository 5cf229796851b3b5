#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The helpers that need the operating system's own calls live in
// tempfolder_posix.cpp and tempfolder_win.cpp.

TempFolder::TempFolder()
    : TempFolder(QDir::tempPath())
{
}

TempFolder::TempFolder(const QString &baseFolder)
    : m_dir(baseFolder + QStringLiteral("/varnholt-test-XXXXXX"))
{
    m_dir.setAutoRemove(false); // the destructor removes it, more thoroughly
}

QString TempFolder::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

QString TempFolder::prepare(const QString &relative)
{
    const QString abs = path(relative);
    if (!QDir().mkpath(QFileInfo(abs).absolutePath()))
        return {};
    return abs;
}

QString TempFolder::makeDir(const QString &relative)
{
    const QString abs = path(relative);
    return QDir().mkpath(abs) ? abs : QString();
}

QString TempFolder::makeFile(const QString &relative, const QByteArray &content)
{
    const QString abs = prepare(relative);
    if (abs.isEmpty())
        return {};
    QFile f(abs);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        return {};
    return abs;
}

bool testsupport::writeFileOfSize(const QString &path, qint64 bytes)
{
    QFile f(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray chunk(64 * 1024, 'x');
    for (qint64 left = bytes; left > 0;) {
        const qint64 n = qMin<qint64>(left, chunk.size());
        if (f.write(chunk.constData(), n) != n)
            return false;
        left -= n;
    }
    return true;
}

QString TempFolder::makeFileOfSize(const QString &relative, qint64 bytes)
{
    const QString abs = path(relative);
    return testsupport::writeFileOfSize(abs, bytes) ? abs : QString();
}

QString TempFolder::makeHardLink(const QString &existingRelative, const QString &linkRelative)
{
    const QString abs = prepare(linkRelative);
    return !abs.isEmpty() && testsupport::makeHardLink(path(existingRelative), abs) ? abs : QString();
}

QString TempFolder::makeSymlink(const QString &target, const QString &linkRelative)
{
    const QString abs = prepare(linkRelative);
    return !abs.isEmpty() && testsupport::makeSymlink(target, abs) ? abs : QString();
}

QString TempFolder::makeUnreadableDir(const QString &relative, const QString &fileInside)
{
    const QString abs = makeDir(relative);
    if (abs.isEmpty() || (!fileInside.isEmpty() && makeFile(relative + QLatin1Char('/') + fileInside, "secret").isEmpty())
        || !denyAll(abs))
        return {};
    m_locked.append(abs);
    return abs;
}

bool TempFolder::setMTime(const QString &relative, const QDateTime &when)
{
    return testsupport::setModificationTime(path(relative), when);
}

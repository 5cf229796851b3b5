#include "scan/neveroffer.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace neveroffer {

namespace {

bool endsWithAny(const QString &lower, std::initializer_list<const char *> suffixes)
{
    for (const char *s : suffixes) {
        if (lower.endsWith(QLatin1String(s)))
            return true;
    }
    return false;
}

} // namespace

bool isKeptFolderName(const QString &name)
{
    static const QSet<QString> names = {
        QStringLiteral("localhistory"), QStringLiteral("local-history"), QStringLiteral(".history"),
        QStringLiteral("history"),      QStringLiteral("vfs"),           QStringLiteral("upload"),
        QStringLiteral("uploads"),      QStringLiteral("outbox"),        QStringLiteral("unsynced"),
        QStringLiteral("swap"),         QStringLiteral("undo"),          QStringLiteral("backup"),
        QStringLiteral("backups"),
    };
    return names.contains(name.toLower());
}

bool isKeptFileName(const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("token") || n == QLatin1String("cookies") || n == QLatin1String(".netrc"))
        return true;
    for (const char *part : {"_token", "token.", "tokens", "credential", "secret", "history", "cookies."}) {
        if (n.contains(QLatin1String(part)))
            return true;
    }
    return endsWithAny(n, {".pem", ".key", ".p12", ".pfx", ".jks", ".keystore", ".kdbx"});
}

bool isSettingsFileName(const QString &name)
{
    return endsWithAny(name.toLower(),
                       {".json", ".yaml", ".yml", ".toml", ".ini", ".conf", ".cfg", ".properties"});
}

const QStringList &syncFolderNames()
{
    static const QStringList names = {
        QStringLiteral("rclone"),   QStringLiteral("onedriver"), QStringLiteral("onedrive"),
        QStringLiteral("maestral"), QStringLiteral("nextcloud"), QStringLiteral("owncloud"),
        QStringLiteral("insync"),   QStringLiteral("megasync"),  QStringLiteral("dropbox"),
        QStringLiteral("pcloud"),   QStringLiteral("seafile"),   QStringLiteral("gdfuse"),
        QStringLiteral("s3fs"),     QStringLiteral("goofys"),    QStringLiteral("mountpoint-s3"),
        QStringLiteral("kdrive"),   QStringLiteral("syncthing"), QStringLiteral("expandrive"),
    };
    return names;
}

bool isLocalBuild(const QString &path)
{
    const QDir dir(path);
    if (dir.exists(QStringLiteral("maven-metadata-local.xml")))
        return true;
    const QStringList artifacts =
        dir.entryList({QStringLiteral("*.pom"), QStringLiteral("*.jar")}, QDir::Files | QDir::Hidden);
    if (artifacts.isEmpty())
        return false;  // a group or artifact folder: judged by what is inside
    QFile record(dir.filePath(QStringLiteral("_remote.repositories")));
    if (record.size() > 1024 * 1024 || !record.open(QIODevice::ReadOnly))
        return true;
    // Every artifact must be recorded as downloaded ("name>repo=").
    QSet<QString> fromRemote;
    for (const QByteArray &raw : record.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype gt = line.indexOf('>');
        if (line.startsWith('#') || gt <= 0 || !line.endsWith('='))
            continue;
        if (line.size() - gt - 2 <= 0)
            return true;  // "name>=": installed from a project here
        fromRemote.insert(QString::fromUtf8(line.left(gt)));
    }
    for (const QString &a : artifacts) {
        if (!fromRemote.contains(a))
            return true;
    }
    return false;
}

} // namespace neveroffer

#include "scan/scanner.h"

#include "app/trash.h"

#include <QFile>
#include <QTextStream>

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lowest uid of a person's account: UID_MIN of /etc/login.defs, 1000
// when the file or the key is missing.
uid_t firstPersonUid(const QString &loginDefs)
{
    QFile file(loginDefs);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QStringList words = in.readLine().simplified().split(QLatin1Char(' '));
            if (words.size() >= 2 && words.at(0) == QLatin1String("UID_MIN")) {
                bool ok = false;
                const uint n = words.at(1).toUInt(&ok);
                if (ok)
                    return uid_t(n);
            }
        }
    }
    return 1000;
}

} // namespace

qint64 Scanner::tempOwner(qint64 effectiveUid, const QString &pkexecUid, const QString &sudoUid,
                          const QString &loginDefs)
{
    if (effectiveUid != 0)
        return effectiveUid;
    const QString invoker = !pkexecUid.isEmpty() ? pkexecUid : sudoUid;
    if (invoker.isEmpty())
        return 0; // root's own session
    // Elevated on someone's behalf: only that person's entries, and never
    // those of root or of a system account, whatever the variable says.
    bool ok = false;
    const uint uid = invoker.toUInt(&ok);
    if (!ok || uid < firstPersonUid(loginDefs))
        return -1;
    return qint64(uid);
}

bool Scanner::isOwnEntry(const QString &path)
{
    struct Cached
    {
        QString pkexec;
        QString sudo;
        qint64 owner = -1;
        bool valid = false;
    };
    thread_local Cached cached;
    const QString pkexec = qEnvironmentVariable("PKEXEC_UID");
    const QString sudo = qEnvironmentVariable("SUDO_UID");
    if (!cached.valid || cached.pkexec != pkexec || cached.sudo != sudo) {
        cached = {pkexec, sudo,
                  tempOwner(qint64(::geteuid()), pkexec, sudo, QStringLiteral("/etc/login.defs")), true};
    }
    const qint64 owner = cached.owner;
    if (owner < 0)
        return false;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return qint64(st.st_uid) == owner;
}

int Scanner::trashFit(const ScanItem &item, QHash<QString, qint64> &drives)
{
    struct stat st;
    if (item.path.isEmpty() || ::lstat(QFile::encodeName(item.path).constData(), &st) != 0)
        return TrashFits;  // gone: nothing to tell
    // The trash folder the cleaner's moves would use or make, by device: -1
    // when there is none. The item's entries share its device (mounts
    // inside it are never entered).
    const QString key = QString::number(quint64(st.st_dev));
    auto it = drives.constFind(key);
    if (it == drives.cend())
        it = drives.insert(key, trash::trashFolderForDevice(st.st_dev, item.path, nullptr, false).isEmpty() ? -1 : 0);
    if (*it < 0)
        return NoTrashOnDrive;
    // The record of an entry is its name and ".trashinfo"; an item whose
    // contents go keeps its own name.
    const QByteArray name = QFile::encodeName(item.path.section(QLatin1Char('/'), -1));
    if (!item.contentsOnly && name.size() + qsizetype(sizeof ".trashinfo") - 1 > NAME_MAX)
        return TrashRefuses;
    return TrashFits;
}

#include "scan/scanner.h"

#include <QFile>
#include <QTextStream>

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

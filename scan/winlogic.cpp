#include "scan/winlogic.h"

#include <QRegularExpression>
#include <QStringList>

namespace winlogic {

namespace {

// Win32 values, spelt here so that this file builds everywhere.
constexpr quint32 kDirectory = 0x10;
constexpr quint32 kReparsePoint = 0x400;
constexpr quint32 kOffline = 0x1000;
constexpr quint32 kRecallOnOpen = 0x40000;
constexpr quint32 kRecallOnDataAccess = 0x400000;

constexpr quint32 kTagNameSurrogate = 0x20000000;
constexpr quint32 kTagAppExecLink = 0x8000001B;
constexpr quint32 kTagAfUnix = 0x80000023;
constexpr quint32 kTagLxFifo = 0x80000024;
constexpr quint32 kTagLxChr = 0x80000025;
constexpr quint32 kTagLxBlk = 0x80000026;

bool isDriveLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// A person's account: a local or domain account (S-1-5-21-...) or an
// Azure AD one (S-1-12-1-...).
bool isPerson(const QString &sid)
{
    return sid.startsWith(QLatin1String("S-1-5-21-"), Qt::CaseInsensitive)
        || sid.startsWith(QLatin1String("S-1-12-1-"), Qt::CaseInsensitive);
}

// Whether Win32 path parsing would turn `name` into another name or into a
// device.
bool shellAltersName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return true;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            return true;
    }
    // Device names count with any extension and with blanks before it.
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                     QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))) {
        const QChar n = base.at(3);
        if ((n >= QLatin1Char('0') && n <= QLatin1Char('9')) || n == QChar(0xB9) || n == QChar(0xB2)
            || n == QChar(0xB3))
            return true;
    }
    // "name.{20D04FE0-3AEA-1069-A2D8-08002B30309D}" is a shell junction.
    static const QRegularExpression classId(QStringLiteral("\\.\\{[0-9A-Fa-f]{8}(-[0-9A-Fa-f]{4}){3}-[0-9A-Fa-f]{12}\\}$"));
    return classId.match(name).hasMatch();
}

} // namespace

bool shellCanParse(const QString &path)
{
    constexpr qsizetype kMaxPath = 260;  // with the terminating null
    if (path.size() >= kMaxPath)
        return false;
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QString rest;
    qsizetype rootParts = 0;
    if (p.size() >= 3 && isDriveLetter(p.at(0)) && p.at(1) == QLatin1Char(':') && p.at(2) == QLatin1Char('\\')) {
        rest = p.mid(3);
    } else if (p.startsWith(QLatin1String("\\\\")) && p.size() > 2 && p.at(2) != QLatin1Char('?')
               && p.at(2) != QLatin1Char('.')) {
        rest = p.mid(2);
        rootParts = 2;  // server and share
    } else {
        return false;
    }
    const QStringList parts = rest.split(QLatin1Char('\\'));
    if (parts.size() <= rootParts)
        return false;
    for (const QString &part : parts) {
        if (shellAltersName(part))
            return false;
    }
    return true;
}

QString extendedPath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (p.startsWith(QLatin1String("\\\\?\\")) || p.startsWith(QLatin1String("\\\\.\\")))
        return p;
    QString prefix;
    QString rest;
    if (p.size() >= 3 && isDriveLetter(p.at(0)) && p.at(1) == QLatin1Char(':') && p.at(2) == QLatin1Char('\\')) {
        prefix = QStringLiteral("\\\\?\\") + p.left(2);
        rest = p.mid(2);
    } else if (p.startsWith(QLatin1String("\\\\")) && p.size() > 2 && p.at(2) != QLatin1Char('\\')) {
        prefix = QStringLiteral("\\\\?\\UNC");
        rest = p.mid(1);
    } else {
        return {};
    }
    const QStringList parts = rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
    }
    // A share needs both its server and its share name.
    if (prefix.endsWith(QLatin1String("UNC")) && parts.size() < 2)
        return {};
    if (parts.isEmpty())
        return prefix + QLatin1Char('\\');
    return prefix + QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
}

Kind classify(quint32 attributes, quint32 reparseTag)
{
    const bool dir = (attributes & kDirectory) != 0;
    if (attributes & kReparsePoint) {
        switch (reparseTag) {
        case kTagAfUnix:
        case kTagLxFifo:
        case kTagLxChr:
        case kTagLxBlk:
            return Kind::Special;
        case kTagAppExecLink:
            return Kind::Link;
        default:
            break;
        }
        // Symbolic links, junctions, mount points and WSL links stand for
        // another name; placeholders, compressed and deduplicated files are
        // the data itself, kept another way.
        if (reparseTag & kTagNameSurrogate)
            return Kind::Link;
    }
    return dir ? Kind::Folder : Kind::File;
}

bool isVolumeMount(const QString &target)
{
    // "\??\C:\..." (the form junctions store) or "C:\..." is a folder link.
    QString t = target;
    if (t.startsWith(QLatin1String("\\??\\")))
        t = t.mid(4);
    const bool drivePath = t.size() >= 3 && isDriveLetter(t.at(0)) && t.at(1) == QLatin1Char(':')
        && t.at(2) == QLatin1Char('\\');
    return !drivePath;
}

bool mustNotOpen(quint32 attributes)
{
    return (attributes & (kOffline | kRecallOnOpen | kRecallOnDataAccess)) != 0;
}

QString tempOwner(const QString &tokenUser, const QString &sessionUser)
{
    if (isPerson(tokenUser))
        return tokenUser;
    if (isPerson(sessionUser))
        return sessionUser;
    return {};
}

bool elevationHelps(int elevationType, bool elevated, bool systemWide)
{
    constexpr int kDefault = 1, kLimited = 3;
    if (elevated)
        return false;
    if (elevationType == kLimited)
        return true;
    return elevationType == kDefault && systemWide;
}

} // namespace winlogic

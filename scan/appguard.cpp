#include "scan/appguard.h"

#include "scan/catalogue.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QThreadStorage>

#include <algorithm>

namespace {

// All patterns as one alternation: a component is guarded when any of them
// matches it whole, and one match per component is far cheaper than one per
// pattern (this runs for every entry a scan or a cleanup touches).
QRegularExpression compileGuardPatterns()
{
    QStringList alternatives;
    for (const QString &p : guardedAppPatterns()) {
        alternatives.append(QStringLiteral("(?:")
                            + QRegularExpression::wildcardToRegularExpression(
                                p, QRegularExpression::UnanchoredWildcardConversion)
                            + QLatin1Char(')'));
    }
    QRegularExpression re(QStringLiteral("^(?:") + alternatives.join(QLatin1Char('|')) + QStringLiteral(")$"),
                          QRegularExpression::CaseInsensitiveOption);
    re.optimize();
    return re;
}

const QRegularExpression &guardRegex()
{
    static const QRegularExpression re = compileGuardPatterns();
    return re;
}

QString lowerClean(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path).toLower());
}

// Only the first letter is raised: "microsoft teams" gives "Microsoft teams".
QString raiseFirst(QString s)
{
    if (!s.isEmpty())
        s[0] = s.at(0).toUpper();
    return s;
}

} // namespace

const QStringList &guardedAppPatterns()
{
    static const QStringList patterns = {
        // password managers
        QStringLiteral("com.agilebits*"), QStringLiteral("com.1password*"), QStringLiteral("1password*"),
        QStringLiteral("com.bitwarden*"), QStringLiteral("bitwarden*"), QStringLiteral("com.lastpass*"),
        QStringLiteral("lastpass*"), QStringLiteral("com.dashlane*"), QStringLiteral("dashlane*"),
        QStringLiteral("org.keepassxc*"), QStringLiteral("keepass*"), QStringLiteral("*enpass*"),
        QStringLiteral("*nordpass*"), QStringLiteral("com.apple.passwords*"), QStringLiteral("*keeper*security*"),
        // input methods
        QStringLiteral("*inputmethod*"), QStringLiteral("im.rime*"), QStringLiteral("rime"),
        QStringLiteral("*sogou*"), QStringLiteral("*.ime"), QStringLiteral("*pinyin*"),
        // security and device-management agents
        QStringLiteral("com.crowdstrike*"), QStringLiteral("crowdstrike*"), QStringLiteral("com.sentinelone*"),
        QStringLiteral("com.sentinel-labs*"), QStringLiteral("sentinelone*"), QStringLiteral("com.jamf*"),
        QStringLiteral("jamf*"), QStringLiteral("com.paloaltonetworks*"), QStringLiteral("palo alto networks"),
        QStringLiteral("com.cisco.anyconnect*"), QStringLiteral("com.cisco.secureclient*"), QStringLiteral("cisco"),
        QStringLiteral("com.microsoft.wdav*"), QStringLiteral("windows defender*"), QStringLiteral("com.eset*"),
        QStringLiteral("eset"), QStringLiteral("com.sophos*"), QStringLiteral("sophos*"),
        QStringLiteral("com.symantec*"), QStringLiteral("symantec*"), QStringLiteral("broadcom"),
        QStringLiteral("com.mcafee*"), QStringLiteral("mcafee*"), QStringLiteral("com.kaspersky*"),
        QStringLiteral("kaspersky*"), QStringLiteral("com.malwarebytes*"), QStringLiteral("malwarebytes*"),
        QStringLiteral("com.bitdefender*"), QStringLiteral("bitdefender*"), QStringLiteral("com.trendmicro*"),
        QStringLiteral("trend micro*"), QStringLiteral("com.zscaler*"), QStringLiteral("zscaler*"),
        QStringLiteral("com.netskope*"), QStringLiteral("netskope*"), QStringLiteral("com.kandji*"),
        QStringLiteral("io.kandji*"), QStringLiteral("com.mosyle*"), QStringLiteral("com.addigy*"),
        QStringLiteral("com.alibaba.security*"),
        // VPNs
        QStringLiteral("com.wireguard*"), QStringLiteral("wireguard*"), QStringLiteral("net.tunnelblick*"),
        QStringLiteral("com.expressvpn*"), QStringLiteral("expressvpn*"), QStringLiteral("com.nordvpn*"),
        QStringLiteral("nordvpn*"), QStringLiteral("*tailscale*"), QStringLiteral("*zerotier*"),
        QStringLiteral("*openvpn*"), QStringLiteral("*protonvpn*"), QStringLiteral("com.surfshark*"),
        QStringLiteral("*globalprotect*"),
    };
    return patterns;
}

const QList<KnownApp> &knownApps()
{
    static const QList<KnownApp> rows = [] {
        QList<KnownApp> r = {
            {QStringLiteral("google"), QStringLiteral("chrome"), QStringLiteral("com.google.chrome"),
             QStringLiteral("chrome"), QStringLiteral("Google Chrome")},
            {QStringLiteral("microsoft"), QStringLiteral("edge"), QStringLiteral("com.microsoft.edgemac"),
             QStringLiteral("msedge"), QStringLiteral("Microsoft Edge")},
            {QStringLiteral("com.microsoft.edgemac"), {}, QStringLiteral("com.microsoft.edgemac"),
             QStringLiteral("msedge"), QStringLiteral("Microsoft Edge")},
            {QStringLiteral("bravesoftware"), {}, QStringLiteral("com.brave.browser"), QStringLiteral("brave"),
             QStringLiteral("Brave")},
            {QStringLiteral("mozilla"), QStringLiteral("firefox"), QStringLiteral("org.mozilla.firefox"),
             QStringLiteral("firefox"), QStringLiteral("Firefox")},
            {QStringLiteral("firefox"), {}, QStringLiteral("org.mozilla.firefox"), QStringLiteral("firefox"),
             QStringLiteral("Firefox")},
            {QStringLiteral("com.apple.safari"), {}, QStringLiteral("com.apple.safari"), QStringLiteral("safari"),
             QStringLiteral("Safari")},
            {QStringLiteral("code"), {}, QStringLiteral("com.microsoft.vscode"), QStringLiteral("code"),
             QStringLiteral("Visual Studio Code")},
            {QStringLiteral("slack"), {}, QStringLiteral("com.tinyspeck.slackmacgap"), QStringLiteral("slack"),
             QStringLiteral("Slack")},
            {QStringLiteral("spotify"), {}, QStringLiteral("com.spotify.client"), QStringLiteral("spotify"),
             QStringLiteral("Spotify")},
            {QStringLiteral("discord"), {}, QStringLiteral("com.hnc.discord"), QStringLiteral("discord"),
             QStringLiteral("Discord")},
        };
#ifndef Q_OS_WIN
        // The browsers' Linux folder names (and Debian's Firefox binary), so
        // that the cache of a running browser is recognised here too.
        r += {
            {QStringLiteral("google-chrome"), {}, {}, QStringLiteral("chrome"), QStringLiteral("Google Chrome")},
            {QStringLiteral("chromium"), {}, {}, QStringLiteral("chromium"), QStringLiteral("Chromium")},
            {QStringLiteral("microsoft-edge"), {}, {}, QStringLiteral("msedge"), QStringLiteral("Microsoft Edge")},
            {QStringLiteral("mozilla"), QStringLiteral("firefox"), {}, QStringLiteral("firefox-esr"),
             QStringLiteral("Firefox")},
            // Telegram reads its caches while it runs and does not notice
            // them vanish (distribution builds and the upstream "Telegram").
            {QStringLiteral("telegramdesktop"), QStringLiteral("tdata"), {}, QStringLiteral("telegram-desktop"),
             QStringLiteral("Telegram")},
            {QStringLiteral("telegramdesktop"), QStringLiteral("tdata"), {}, QStringLiteral("telegram"),
             QStringLiteral("Telegram")},
        };
#endif
        return r;
    }();
    return rows;
}

void RunningApps::addProcess(const QString &imagePathOrName)
{
    const QString p = lowerClean(imagePathOrName.trimmed());
    if (p.isEmpty() || p == QLatin1String("."))
        return;
    QString base = p.section(QLatin1Char('/'), -1);
    if (base.endsWith(QLatin1String(".exe")))
        base.chop(4);
    if (!base.isEmpty())
        processNames.insert(base);
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    processDirs.append(slash < 0 ? QString() : p.left(slash + 1));
}

void RunningApps::addBareName(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n.isEmpty())
        return;
    processNames.insert(n);
    processDirs.append(QString());
}

QStringList guardBases()
{
#ifdef Q_OS_WIN
    const WindowsBases b = WindowsBases::fromEnvironment();
    const QStringList raw{b.localAppData, b.appData, b.systemRoot, b.programData, b.temp, b.home};
#else
    const LinuxBases b = LinuxBases::fromEnvironment();
    const QStringList raw{b.home,
                          b.cache,
                          b.config,
                          b.data,
                          b.temp,
                          QStringLiteral("/var/tmp"),
                          QStringLiteral("/var/crash"),
                          QStringLiteral("/var/cache")};
#endif
    // Every entry of a scan comes here; each thread keeps the last answer and
    // normalises again only when the folders change. QThreadStorage, not
    // thread_local: MinGW frees a thread's thread_local block before it runs
    // the destructors of what it holds, which corrupts the heap at exit.
    struct Cached
    {
        QStringList raw;
        QStringList bases;
    };
    static QThreadStorage<Cached> storage;
    Cached &cached = storage.localData();
    if (cached.raw != raw) {
        cached.raw = raw;
        cached.bases.clear();
        for (const QString &r : raw) {
            if (!r.isEmpty() && !QDir::isRelativePath(QDir::fromNativeSeparators(r)))
                cached.bases.append(normalizePath(r));
        }
    }
    return cached.bases;
}

bool isGuardedPath(const QString &path, const QStringList &bases)
{
    const QString p = normalizePath(path);
    // Only what lies below the deepest base that holds the path is looked
    // at: a user account or a folder above the catalogue named like a
    // guarded product would otherwise guard everything. A path below no base
    // is judged by all its components.
    qsizetype start = 0;
    for (const QString &b : bases) {
        if (b.size() <= start)
            continue;
        const bool holds = p == b
            || (p.startsWith(b) && (b.endsWith(QLatin1Char('/')) || p.at(b.size()) == QLatin1Char('/')));
        if (holds)
            start = b.size();
    }
    const QStringList parts = QStringView(p).mid(start).toString().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QRegularExpression &re = guardRegex();
    for (const QString &part : parts) {
        if (re.match(part).hasMatch())
            return true;
    }
    return false;
}

bool isGuardedPath(const QString &path)
{
    return isGuardedPath(path, guardBases());
}

bool isGuardedName(const QString &name)
{
    return guardRegex().match(name).hasMatch();
}

QString runningOwner(const QString &path, const RunningApps &apps, const QStringList &appDataBases)
{
    const QString p = lowerClean(path);
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    const QList<KnownApp> &rows = knownApps();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        for (const KnownApp &row : rows) {
            if (part != row.folder)
                continue;
            if (!row.subfolder.isEmpty() && (i + 1 >= parts.size() || parts.at(i + 1) != row.subfolder))
                continue;
            if ((!row.bundleId.isEmpty() && apps.bundleIds.contains(row.bundleId))
                || apps.processNames.contains(row.processName))
                return row.displayName;
        }
        if (part.count(QLatin1Char('.')) > 1 && apps.bundleIds.contains(part))
            return apps.bundleNames.value(part, part);
    }

    const QString last = parts.isEmpty() ? QString() : parts.constLast();
    for (const QString &base : appDataBases) {
        if (base.isEmpty())
            continue;
        const QString b = lowerClean(base) + QLatin1Char('/');
        if (b.size() <= 3 || !p.startsWith(b))
            continue;
        const QStringList rest = p.mid(b.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (rest.isEmpty())
            continue;
        QStringList candidates{rest.at(0)};
        if (rest.size() > 1)
            candidates.append(rest.at(1));
        for (const QString &c : std::as_const(candidates)) {
            if (apps.processNames.contains(c) || apps.processNames.contains(QString(c).remove(QLatin1Char(' '))))
                return last == c ? c : raiseFirst(c);
        }
        // A folder shared by many programs (a vendor's such as Microsoft or
        // Google, the Store packages, Temp) is owned only by a program that
        // runs from the product folder the path lies in, not by any program
        // of the vendor: OneDrive running keeps no other Microsoft cache.
        const bool shared = std::any_of(appCacheSkipSet().cbegin(), appCacheSkipSet().cend(), [&](const QString &s) {
            return s.compare(rest.at(0), Qt::CaseInsensitive) == 0;
        });
        const QString &owner = shared && rest.size() > 1 ? rest.at(1) : rest.at(0);
        QString ownDir = b + rest.at(0) + QLatin1Char('/');
        if (shared && rest.size() > 1)
            ownDir += rest.at(1) + QLatin1Char('/');
        for (const QString &dir : apps.processDirs) {
            if (dir.startsWith(ownDir))
                return raiseFirst(owner);
        }
    }
    return {};
}

QString runningOwner(const QString &path, const RunningApps &apps)
{
    QStringList bases{qEnvironmentVariable("LOCALAPPDATA"), qEnvironmentVariable("APPDATA")};
#ifndef Q_OS_WIN
    // Linux keeps application caches in the XDG cache and config folders.
    if (bases.at(0).isEmpty() && bases.at(1).isEmpty()) {
        bases = {userFolder(UserFolder::Cache), userFolder(UserFolder::Config)};
    }
#endif
    return runningOwner(path, apps, bases);
}

QString guardedAppsText()
{
    return QCoreApplication::translate("AppGuard",
                                       "Password managers, input methods, security and device-management agents, VPNs");
}

#include "scan/appguard.h"

#include "scan/catalogue.h"
#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

// A base as compared: lower-case, cleaned, ending in '/'. Empty for a blank
// base or a root, whose every top folder would be some program's.
QString baseKey(const QString &base)
{
    if (base.isEmpty())
        return {};
    const QString b = lowerClean(base) + QLatin1Char('/');
    return b.size() <= 3 ? QString() : b;
}

// The product folder of a path whose components below the base `b` (a
// baseKey) are `rest`, not empty: lower-case, ending in '/'. Below a folder
// shared by many programs (a vendor's such as Microsoft or Google, the Store
// packages, Temp) it is the folder one deeper.
QString productBelow(const QString &b, const QStringList &rest)
{
    QString dir = b + rest.at(0) + QLatin1Char('/');
    const QStringList &shared = appCacheSkipSet();
    if (rest.size() > 1 && std::any_of(shared.cbegin(), shared.cend(), [&](const QString &s) {
            return s.compare(rest.at(0), Qt::CaseInsensitive) == 0;
        }))
        dir += rest.at(1) + QLatin1Char('/');
    return dir;
}

// The product folder of `p` (lowerClean) below the deepest of `bases` that
// holds it; empty when none does or `p` is that base.
QString productFolder(const QString &p, const QStringList &bases)
{
    const QString slashed = p + QLatin1Char('/');
    QString deepest;
    for (const QString &base : bases) {
        const QString b = baseKey(base);
        if (b.size() > deepest.size() && slashed.startsWith(b))
            deepest = b;
    }
    if (deepest.isEmpty() || deepest == slashed)
        return {};
    return productBelow(deepest, p.mid(deepest.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts));
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

void RunningApps::addUsedFolder(const QString &folder, const QString &program)
{
    if (folder.isEmpty() || QDir::isRelativePath(QDir::fromNativeSeparators(folder)))
        return;
    QString f = lowerClean(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    if (!usedFolders.contains(f))
        usedFolders.insert(f, program);
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

QString runningOwner(const QString &path, const RunningApps &apps, const ProductBases &bases)
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
    for (const QString &base : bases.appData) {
        const QString b = baseKey(base);
        if (b.isEmpty() || !p.startsWith(b))
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
        // A shared folder is owned only by a program that runs from the
        // product folder the path lies in, not by any program of the
        // vendor: OneDrive running keeps no other Microsoft cache.
        const QString ownDir = productBelow(b, rest);
        for (const QString &dir : apps.processDirs) {
            if (dir.startsWith(ownDir))
                return raiseFirst(ownDir.section(QLatin1Char('/'), -2, -2));
        }
    }

    // Whatever the product folder is called, a program is running while it
    // runs from there, works there or holds a file open there. The folders
    // inside the product folder sort right after it.
    const QString product = productFolder(p, bases.appData + bases.others);
    if (!product.isEmpty()) {
        const auto used = apps.usedFolders.lowerBound(product);
        if (used != apps.usedFolders.cend() && used.key().startsWith(product))
            return used.value();
    }
    return {};
}

ProductBases productBases()
{
    ProductBases b;
#ifdef Q_OS_WIN
    b.appData = {qEnvironmentVariable("LOCALAPPDATA"), qEnvironmentVariable("APPDATA")};
    b.others = {QDir::homePath()};
#else
    b.appData = {userFolder(UserFolder::Cache), userFolder(UserFolder::Config)};
    b.others = {userFolder(UserFolder::Data)};
    // After userFolder(), which settles HOME for a run as root.
    const QString home = QDir::homePath();
    b.others += {home + QStringLiteral("/.var/app"), home + QStringLiteral("/snap"), home};
#endif
    for (QStringList *list : {&b.appData, &b.others}) {
        for (qsizetype i = 0, n = list->size(); i < n; ++i) {
            const QString real = QFileInfo(list->at(i)).canonicalFilePath();
            if (!real.isEmpty() && real != QDir::cleanPath(QDir::fromNativeSeparators(list->at(i))))
                list->append(real);
        }
    }
    return b;
}

QString runningOwner(const QString &path, const RunningApps &apps)
{
    const ProductBases bases = productBases();
    const QString owner = runningOwner(path, apps, bases);
    if (!owner.isEmpty() || path.isEmpty())
        return owner;
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty() || real == QDir::cleanPath(QDir::fromNativeSeparators(path)))
        return owner;
    return runningOwner(real, apps, bases);
}

bool isProgramCacheCategory(const QString &categoryId)
{
    return categoryId == QLatin1String("appcache") || categoryId == QLatin1String("browser")
        || categoryId == QLatin1String("dev");
}

QString guardedAppsText()
{
    return QCoreApplication::translate("AppGuard",
                                       "Password managers, input methods, security and device-management agents, VPNs");
}

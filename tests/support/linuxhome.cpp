#include "linuxhome.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "tempfolder.h"
#include "testsupport.h"

#include "scan/fs.h"

#include <algorithm>
#include <utility>

// Small files whose contents matter: the records a build tool keeps beside
// what it downloaded.
const std::pair<const char *, const char *> kTexts[] = {
    {"home/.m2/repository/org/x/1.0/_remote.repositories", "x-1.0.jar>central=\n"},
    {"home/.m2/repository/com/mine/app/1.0-SNAPSHOT/_remote.repositories", "app-1.0-SNAPSHOT.jar>=\n"},
    {"home/.m2/repository/com/mine/lib/maven-metadata-local.xml", "<metadata/>\n"},
};

bool buildLinuxHome(const QString &root)
{
    constexpr qint64 day = 24LL * 60 * 60 * 1000;
    // Making a file leaves a change time of now, which no program can set
    // back: the engines' clock goes sixty days ahead instead, and the ages are
    // counted from there.
    fs::detail::setClockOffset(60 * day);
    const qint64 now = fs::now();
    const QList<QStringList> files = testsupport::fixtureRows(QStringLiteral("scan/linuxhome.tsv"), 3);
    bool ok = !files.isEmpty();
    for (const QStringList &f : files) {
        const QString p = root + QLatin1Char('/') + f[0];
        bool kibRead = false;
        bool ageRead = false;
        const qint64 bytes = f[1].toLongLong(&kibRead) * 1024;
        const qint64 mtime = now - f[2].toLongLong(&ageRead) * day;
        ok = kibRead && ageRead && testsupport::writeFileOfSize(p, bytes)
            && testsupport::setModificationTime(p, QDateTime::fromMSecsSinceEpoch(mtime)) && ok;
    }
    for (const auto &[path, text] : kTexts) {
        QFile f(root + QLatin1Char('/') + QString::fromUtf8(path));
        ok = f.open(QIODevice::WriteOnly) && f.write(text) == qint64(qstrlen(text)) && ok;
    }
    // The pnpm store hard-links its files into every project that uses them.
    ok = QDir().mkpath(root + QStringLiteral("/home/projects/app/node_modules/.pnpm")) && ok;
    ok = testsupport::makeHardLink(root + QStringLiteral("/home/.local/share/pnpm/store/v3/files/ab/linked"),
                                   root + QStringLiteral("/home/projects/app/node_modules/.pnpm/linked"))
        && ok;
    // Snap keeps every revision in its own folder and links "current" to one;
    // Steam links ~/.steam/steam to its data folder.
    const struct { const char *target; const char *link; } links[] = {
        {"4173", "home/snap/firefox/current"},
        {"150", "home/snap/code/current"},
        {"2701", "home/snap/chromium/current"},
        {"../.local/share/Steam", "home/.steam/steam"},
    };
    for (const auto &l : links) {
        const QString at = root + QLatin1Char('/') + QString::fromLatin1(l.link);
        ok = QDir().mkpath(QFileInfo(at).path()) && testsupport::makeSymlink(QString::fromLatin1(l.target), at) && ok;
    }
    ok = QDir().mkpath(root + QStringLiteral("/tmp")) && ok;

    // Folders take the time of the newest file below them, deepest first.
    QStringList dirs;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        dirs.append(it.next());
    std::sort(dirs.begin(), dirs.end(), [](const QString &a, const QString &b) {
        return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/'));
    });
    for (const QString &d : std::as_const(dirs)) {
        if (QFileInfo(d).isSymLink())
            continue;
        qint64 newest = 0;
        const QFileInfoList entries =
            QDir(d).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QFileInfo &e : entries) {
            if (!e.isSymLink())
                newest = std::max(newest, e.lastModified().toMSecsSinceEpoch());
        }
        if (newest > 0)
            ok = testsupport::setModificationTime(d, QDateTime::fromMSecsSinceEpoch(newest)) && ok;
    }
    return ok;
}

LinuxBases linuxHomeBases(const QString &root)
{
    LinuxBases b;
    b.home = root + QStringLiteral("/home");
    b.cache = b.home + QStringLiteral("/.cache");
    b.config = b.home + QStringLiteral("/.config");
    b.data = b.home + QStringLiteral("/.local/share");
    b.temp = root + QStringLiteral("/tmp");
    b.system = root + QStringLiteral("/sys");
    return b;
}

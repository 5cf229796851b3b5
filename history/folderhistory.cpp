#include "history/folderhistory.h"

#include "scan/pathrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

namespace {

constexpr qint64 kHourMs = 3600 * 1000;
constexpr qint64 kDayMs = 24 * kHourMs;
constexpr qint64 kWeekMs = 7 * kDayMs;
// Far larger than any reading of a home folder: a file this big is no
// reading of ours and is not read into memory.
constexpr qint64 kMaxFileSize = qint64(64) * 1024 * 1024;

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// "folders-<ms since the epoch>.vfh"
const QString kPrefix = QStringLiteral("folders-");
const QString kSuffix = QStringLiteral(".vfh");

std::optional<QByteArray> readSmallFile(const QString &path, qint64 limit = kMaxFileSize)
{
    const QFileInfo info(path);
    // A link or anything but a plain file is no file of ours.
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(limit);
}

} // namespace

FolderHistory::FolderHistory(const QString &folder) : m_folder(folder.isEmpty() ? defaultFolder() : folder) {}

QString FolderHistory::defaultFolder()
{
    return userFolder(UserFolder::Data) + QStringLiteral("/Varnholt/history");
}

QString FolderHistory::fileFor(const QDateTime &time) const
{
    return m_folder + u'/' + kPrefix + QString::number(time.toMSecsSinceEpoch()) + kSuffix;
}

QList<std::pair<QDateTime, QString>> FolderHistory::named() const
{
    static const QRegularExpression pattern(QStringLiteral("^folders-(0|[1-9][0-9]{0,15})\\.vfh$"));
    QList<std::pair<QDateTime, QString>> out;
    const QStringList names = QDir(m_folder).entryList({kPrefix + u'*' + kSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (const QRegularExpressionMatch m = pattern.match(name); m.hasMatch())
            out.append({QDateTime::fromMSecsSinceEpoch(m.captured(1).toLongLong(), Qt::UTC), m_folder + u'/' + name});
    }
    std::sort(out.begin(), out.end());
    return out;
}

QList<QDateTime> FolderHistory::readings() const
{
    QList<QDateTime> out;
    for (const auto &[time, path] : named()) {
        const std::optional<QByteArray> start = readSmallFile(path, folderfile::kHeaderSize + 8);
        if (start && folderfile::peekTime(*start, QFileInfo(path).size()) == time)
            out.append(time);
    }
    return out;
}

std::optional<FolderReading> FolderHistory::load(const QDateTime &time) const
{
    const std::optional<QByteArray> data = readSmallFile(fileFor(time));
    if (!data)
        return std::nullopt;
    std::optional<FolderReading> r = folderfile::decode(*data);
    // A file renamed to another time is not that time's reading.
    if (!r || r->time != time)
        return std::nullopt;
    return r;
}

std::optional<FolderReading> FolderHistory::newest() const
{
    const QList<QDateTime> times = readings();
    for (auto it = times.crbegin(); it != times.crend(); ++it)
        if (std::optional<FolderReading> r = load(*it))
            return r;
    return std::nullopt;
}

std::optional<std::pair<FolderReading, FolderReading>> FolderHistory::pair(const QDateTime &since) const
{
    QList<QDateTime> times = readings();
    std::optional<FolderReading> latest;
    while (!latest && !times.isEmpty())
        latest = load(times.takeLast());
    if (!latest)
        return std::nullopt;
    // The others, nearest to `since` first.
    const qint64 target = since.toMSecsSinceEpoch();
    std::stable_sort(times.begin(), times.end(), [target](const QDateTime &a, const QDateTime &b) {
        return std::llabs(a.toMSecsSinceEpoch() - target) < std::llabs(b.toMSecsSinceEpoch() - target);
    });
    for (const QDateTime &t : std::as_const(times)) {
        std::optional<FolderReading> older = load(t);
        if (older && older->root == latest->root)
            return std::pair{std::move(*older), std::move(*latest)};
    }
    return std::nullopt;
}

bool FolderHistory::add(const FolderReading &reading)
{
    if (!reading.isValid() || !QDir().mkpath(m_folder))
        return false;
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString path = fileFor(reading.time);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(kOwnerOnly);
    file.write(folderfile::encode(reading));
    if (!file.commit())
        return false;
    QFile::setPermissions(path, kOwnerOnly);

    // Thinned, and what is not an intact reading goes too.
    const QList<std::pair<QDateTime, QString>> files = named();
    QList<QDateTime> intact;
    QSet<QString> damaged;
    for (const auto &[time, name] : files) {
        if (load(time))
            intact.append(time);
        else
            damaged.insert(name);
    }
    const QList<QDateTime> keep = folderhistory::kept(intact);
    for (const auto &[time, name] : files)
        if (damaged.contains(name) || !keep.contains(time))
            QFile::remove(name);
    return true;
}

bool FolderHistory::forget()
{
    bool all = true;
    for (const auto &[time, name] : named())
        all = QFile::remove(name) && all;
    return all;
}

namespace folderhistory {

QList<QDateTime> kept(QList<QDateTime> times)
{
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    if (times.isEmpty())
        return times;
    const qint64 newest = times.constLast().toMSecsSinceEpoch();
    // Newest first: the first reading met in a bucket is the one it keeps.
    QList<QDateTime> out;
    QSet<qint64> taken;
    for (auto it = times.crbegin(); it != times.crend(); ++it) {
        const qint64 t = it->toMSecsSinceEpoch();
        const qint64 age = newest - t;
        qint64 bucket;
        if (age < kDayMs)
            bucket = t / kHourMs;
        else if (age < 14 * kDayMs)
            bucket = 1'000'000'000 + t / kDayMs;
        else if (age < 13 * kWeekMs)
            bucket = 2'000'000'000 + t / kWeekMs;
        else
            continue;
        // The newest two whenever taken: "record, change, record" compares.
        if (!taken.contains(bucket) || it - times.crbegin() < 2)
            out.prepend(*it);
        taken.insert(bucket);
    }
    return out;
}

} // namespace folderhistory

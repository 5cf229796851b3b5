#include "app/appsettings.h"

#include "scan/pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QVariantMap>

namespace {

const QString kTheme = QStringLiteral("ui/theme");
const QString kLanguage = QStringLiteral("ui/language");
const QString kCloseAction = QStringLiteral("ui/closeAction");
const QString kShowInTray = QStringLiteral("ui/showInTray");
const QString kMoveToTrash = QStringLiteral("clean/moveToTrash");
const QString kExclusions = QStringLiteral("clean/exclusions");
const QString kLargeThreshold = QStringLiteral("large/thresholdMB");
const QString kOldMonths = QStringLiteral("large/oldMonths");
const QString kSchedule = QStringLiteral("auto/schedule");
const QString kLowSpace = QStringLiteral("auto/lowSpaceAlerts");
const QString kFolderHistory = QStringLiteral("auto/folderHistory");
const QString kLastScan = QStringLiteral("history/lastScan");
const QString kFreed = QStringLiteral("history/freed");
const QString kFreeSpace = QStringLiteral("history/freeSpace");

const QString kMonthFormat = QStringLiteral("yyyy-MM");

// A stored value of the wrong type reads as the default rather than as the
// type's zero: a threshold of 0 MB would make every file "large".
int toInt(const QVariant &v, int def)
{
    if (!v.isValid())
        return def;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : def;
}

bool toBool(const QVariant &v, bool def)
{
    if (!v.isValid())
        return def;
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool();
    const QString s = v.toString().trimmed().toLower();
    if (s == u"true" || s == u"1")
        return true;
    if (s == u"false" || s == u"0")
        return false;
    return def;
}

qint64 toInt64(const QVariant &v)
{
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok ? n : 0;
}

// Reads and writes go through the one store object, except on Windows: a
// registry key kept open goes on reading and writing the key even after it
// was deleted (by the uninstaller or any other process), and every later
// change would be lost without an error. There each access opens the key
// afresh, which also sees other processes' changes at once.
QVariant loadValue(QSettings &kept, const QString &key)
{
#ifdef Q_OS_WIN
    return QSettings(kept.format(), kept.scope(), kept.organizationName(), kept.applicationName()).value(key);
#else
    // Picks up changes another process made to the store since the last read.
    kept.sync();
    return kept.value(key);
#endif
}

void storeValue(QSettings &kept, const QString &key, const QVariant &value)
{
#ifdef Q_OS_WIN
    QSettings fresh(kept.format(), kept.scope(), kept.organizationName(), kept.applicationName());
    fresh.setValue(key, value);
    fresh.sync();
#else
    kept.setValue(key, value);
    kept.sync();
#endif
}

#ifndef Q_OS_WIN
// Whether a file that is not at `path` is truly absent: every folder above
// it that exists must be searchable, or the file may be there unseen.
bool knownAbsent(const QString &path)
{
    QFileInfo folder(QFileInfo(path).absolutePath());
    while (!folder.exists()) {
        const QString parent = folder.absolutePath();
        if (parent == folder.absoluteFilePath())
            return false;
        folder = QFileInfo(parent);
    }
    return folder.isDir() && folder.isExecutable();
}
#endif

} // namespace

bool AppSettings::readable() const
{
#ifdef Q_OS_WIN
    // The registry is read live: a fresh object reports what fails now.
    QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                    QStringLiteral("Varnholt"));
    probe.allKeys();
    return probe.status() == QSettings::NoError;
#else
    // The settings library shares one parsed copy of a file between all its
    // objects, re-reads it only when its size or time changes and keeps an
    // error once it is seen, so its status cannot say whether the file can
    // be read now. The file itself is asked instead.
    const QString path = m_store.fileName();
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink() && knownAbsent(path);
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return parses(content);
#endif
}

bool AppSettings::parses(const QByteArray &content) const
{
    if (content.isEmpty())
        return true;
    if (content == m_checkedContent)
        return m_checkedParses;
    // A copy under a name of its own is parsed afresh by the settings library
    // itself, so "parses" means exactly what the store will make of it.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/varnholt-settings-XXXXXX.conf"));
    // A copy that cannot be made leaves the question open: no verdict is
    // kept, and the store counts as unreadable until it can be checked.
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush())
        return false;
    copy.close();
    QSettings probe(copy.fileName(), QSettings::IniFormat);
    probe.allKeys();
    m_checkedContent = content;
    m_checkedParses = probe.status() == QSettings::NoError;
    return m_checkedParses;
}

QString AppSettings::storeLocation() const
{
    return m_store.fileName();
}

namespace {

// The store is named like the application (both programs name it
// "Varnholt"), so that a test that names itself otherwise never reaches the
// user's own settings, which on Windows are a registry key outside any
// sandbox. Unnamed, it is Varnholt's.
QString storeName(const QString &given)
{
    return given.isEmpty() ? QStringLiteral("Varnholt") : given;
}

} // namespace

#ifndef Q_OS_WIN
// Every settings object of the process (the window keeps its geometry in one
// of its own) reads and writes below the folder userFolder() names: left to
// itself, the settings library takes a relative XDG_CONFIG_HOME as it stands.
void keepSettingsInUserFolder()
{
    const QString folder = userFolder(UserFolder::Config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
Q_COREAPP_STARTUP_FUNCTION(keepSettingsInUserFolder)
#endif

AppSettings::AppSettings()
    : m_store(QSettings::NativeFormat, QSettings::UserScope, storeName(QCoreApplication::organizationName()),
              storeName(QCoreApplication::applicationName()))
{
}

AppSettings *AppSettings::instance()
{
    // Function-local statics are initialised once, thread-safely. The object is
    // never destroyed: receivers may still call it while the process winds down.
    static AppSettings *const self = new AppSettings;
    return self;
}

QVariant AppSettings::read(const QString &key) const
{
    return loadValue(m_store, key);
}

void AppSettings::write(const QString &key, const QVariant &value)
{
    // Writing would replace a store the library could only partly read with
    // the part it understood.
    if (!readable())
        return;
    QVariant stored = read(key);
    if (stored.isValid() && stored.metaType() != value.metaType())
        stored.convert(value.metaType());
    if (stored.isValid() && stored == value)
        return;
    storeValue(m_store, key, value);
    emit changed();
}

int AppSettings::theme() const { return toInt(read(kTheme), 0); }
QString AppSettings::language() const { return read(kLanguage).toString(); }
int AppSettings::closeAction() const { return toInt(read(kCloseAction), Ask); }
bool AppSettings::showInTray() const { return toBool(read(kShowInTray), true); }
bool AppSettings::moveToTrash() const { return toBool(read(kMoveToTrash), true); }
int AppSettings::largeThresholdMB() const { return toInt(read(kLargeThreshold), 500); }
int AppSettings::oldMonths() const { return toInt(read(kOldMonths), 6); }
int AppSettings::schedule() const { return toInt(read(kSchedule), Weekly); }
bool AppSettings::lowSpaceAlerts() const { return toBool(read(kLowSpace), true); }
bool AppSettings::folderHistory() const { return toBool(read(kFolderHistory), true); }

QStringList AppSettings::exclusions() const
{
    const QVariant v = read(kExclusions);
    if (!v.isValid())
        return {QStringLiteral("**/.git")};
    return v.toStringList();
}

QDateTime AppSettings::lastScan() const
{
    return read(kLastScan).toDateTime();
}

void AppSettings::setTheme(int value) { write(kTheme, value); }
void AppSettings::setLanguage(const QString &value) { write(kLanguage, value); }
void AppSettings::setCloseAction(int value) { write(kCloseAction, value); }
void AppSettings::setShowInTray(bool value) { write(kShowInTray, value); }
void AppSettings::setMoveToTrash(bool value) { write(kMoveToTrash, value); }
void AppSettings::setExclusions(const QStringList &value) { write(kExclusions, value); }
void AppSettings::setLargeThresholdMB(int value) { write(kLargeThreshold, value); }
void AppSettings::setOldMonths(int value) { write(kOldMonths, value); }
void AppSettings::setSchedule(int value) { write(kSchedule, value); }
void AppSettings::setLowSpaceAlerts(bool value) { write(kLowSpace, value); }
void AppSettings::setFolderHistory(bool value) { write(kFolderHistory, value); }
void AppSettings::setLastScan(const QDateTime &value) { write(kLastScan, value); }

bool AppSettings::launchAtLogin() const
{
    return platformLaunchAtLogin();
}

void AppSettings::setLaunchAtLogin(bool on)
{
    platformSetLaunchAtLogin(on);
    emit changed();
}

void AppSettings::addFreed(qint64 bytes)
{
    if (bytes <= 0 || !readable())
        return;
    QVariantMap map = read(kFreed).toMap();
    const QString key = today().toString(kMonthFormat);
    map.insert(key, toInt64(map.value(key)) + bytes);
    storeValue(m_store, kFreed, map);
    emit changed();
}

QList<qint64> AppSettings::freedHistory(int months) const
{
    QList<qint64> out;
    if (months <= 0)
        return out;
    const QVariantMap map = read(kFreed).toMap();
    const QDate now = today();
    out.reserve(months);
    for (int i = months - 1; i >= 0; --i)
        out.append(toInt64(map.value(now.addMonths(-i).toString(kMonthFormat))));
    return out;
}

// Each reading is stored as "when available total" (ms since the epoch and
// bytes): a plain string list reads the same in the registry and in the
// text file, and stays legible there.
QList<SpaceSample> AppSettings::freeSpaceHistory() const
{
    QList<SpaceSample> out;
    for (const QString &entry : read(kFreeSpace).toStringList()) {
        const QStringList parts = entry.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() != 3)
            continue;
        bool okWhen = false, okAvailable = false, okTotal = false;
        const SpaceSample s{parts[0].toLongLong(&okWhen), parts[1].toLongLong(&okAvailable),
                            parts[2].toLongLong(&okTotal)};
        if (okWhen && okAvailable && okTotal)
            out.append(s);
    }
    return out;
}

void AppSettings::recordFreeSpace(const SpaceSample &sample)
{
    if (!readable())
        return;
    QStringList entries;
    for (const SpaceSample &s : forecast::withSample(freeSpaceHistory(), sample))
        entries.append(QStringLiteral("%1 %2 %3").arg(s.when).arg(s.availableBytes).arg(s.totalBytes));
    write(kFreeSpace, entries);
}

bool AppSettings::scanDue() const
{
    const int s = schedule();
    if (s == Off)
        return false;
    const QDateTime last = lastScan();
    if (!last.isValid())
        return false;
    // Midnights passed, not 24-hour periods: a scan on Monday evening makes the
    // weekly scan due from the first minute of the next Monday.
    const qint64 days = last.toLocalTime().date().daysTo(today());
    return days >= (s == Weekly ? 7 : 30);
}

void AppSettings::setTodayFunction(std::function<QDate()> today)
{
    m_today = std::move(today);
}

QDate AppSettings::today() const
{
    return m_today ? m_today() : QDate::currentDate();
}

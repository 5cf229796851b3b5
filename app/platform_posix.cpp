#include "app/platform.h"

#include "app/trash.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <unistd.h>

VolumeInfo homeVolume()
{
    VolumeInfo v;
    QStorageInfo storage(QDir::homePath());
    storage.refresh();
    QString label = storage.name();
    if (label.isEmpty())
        //: Name of a drive without a label
        label = QCoreApplication::translate("Platform", "Local Disk");
    if (!storage.isValid()) {
        v.displayName = label;
        return v;
    }
    v.rootPath = storage.rootPath();
    v.totalBytes = qMax<qint64>(storage.bytesTotal(), 0);
    v.availableBytes = qMax<qint64>(storage.bytesAvailable(), 0);
    // The mount point plays the part of the drive letter.
    v.displayName = QStringLiteral("%1 (%2)").arg(label, QDir::toNativeSeparators(v.rootPath));
    v.fileSystem = QString::fromLatin1(storage.fileSystemType()).toUpper();
    return v;
}

QString recycleBinName()
{
    //: The bin of Linux desktops, standing alone (a list entry, a log line)
    return QCoreApplication::translate("Platform", "Trash");
}

QString fileManagerName()
{
    //: The file manager of Linux desktops, standing alone
    return QCoreApplication::translate("Platform", "File Manager");
}

bool recycleBinInfo(qint64 &bytes, qint64 &items, const std::function<void(const QString &, qint64, qint64)> &progress)
{
    trash::measure(trash::allTrashFolders(), bytes, items, progress);
    return true;
}

BinEmptied emptyRecycleBin(const std::function<void(qint64)> &progress)
{
    return trash::empty(trash::allTrashFolders(), progress);
}

namespace {

bool openFolderWithXdgOpen(const QString &path, bool isDir)
{
    const QString folder = isDir ? path : QFileInfo(path).absolutePath();
    return QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

} // namespace

void revealInFileManager(const QString &path, const std::function<void()> &failed)
{
    const QFileInfo info(path);
    const bool isDir = info.isDir() && !info.isSymLink();
    if (!info.exists() && !info.isSymLink()) {
        if (failed)
            failed();
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (!openFolderWithXdgOpen(path, isDir) && failed)
            failed();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), isDir ? QStringLiteral("ShowFolders") : QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    // Asynchronous so a slow or missing file manager never blocks the window;
    // without one, the folder opens in whatever xdg-open picks.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [path, isDir, failed](QDBusPendingCallWatcher *w) {
                         if (w->isError() && !openFolderWithXdgOpen(path, isDir) && failed)
                             failed();
                         w->deleteLater();
                     });
}

bool isElevated()
{
    return ::geteuid() == 0;
}

bool elevationHelps(bool systemWide)
{
    // pkexec runs the new instance as root, with root's home and caches.
    return systemWide && !isElevated();
}

void quitWhenInstallerAsks(const std::function<void()> &)
{
    // Linux packages replace files without asking the program to end.
}

bool relaunchElevated(quintptr)
{
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // pkexec clears the environment; the new instance needs the display.
    QStringList args{QStringLiteral("env")};
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE",
                             "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM", "VARNHOLT_LANG", "VARNHOLT_LOOK"}) {
        if (qEnvironmentVariableIsSet(name))
            args << QString::fromLatin1(name) + QLatin1Char('=') + qEnvironmentVariable(name);
    }
    // pkexec waits for its command; the shell starts the program in its own
    // session and returns at once, so pkexec's exit status says whether the
    // prompt was accepted (126/127 when refused or not possible).
    args << QStringLiteral("/bin/sh") << QStringLiteral("-c")
         << QStringLiteral("setsid \"$0\" \"$@\" </dev/null >/dev/null 2>&1 &")
         << QCoreApplication::applicationFilePath() << QStringLiteral("--elevated");

    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(pkexec, args);
    if (!process.waitForStarted())
        return false;
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

#include "app/appsettings.h"

#include <QCoreApplication>
#include <QDir>

// The Run value lives outside the application's own key and is reached through
// the settings library's registry backend, so no Win32 call is needed here.
namespace {

const QString kRunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kRunValue = QStringLiteral("Varnholt");

} // namespace

bool AppSettings::platformLaunchAtLogin()
{
    QSettings run(kRunKey, QSettings::NativeFormat);
    return run.contains(kRunValue);
}

void AppSettings::platformSetLaunchAtLogin(bool on)
{
    QSettings run(kRunKey, QSettings::NativeFormat);
    if (on) {
        const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
        run.setValue(kRunValue, QStringLiteral("\"%1\" --background").arg(program));
    } else {
        run.remove(kRunValue);
    }
    run.sync();
}

#include "app/appsettings.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

// The Run value lives outside the application's own key and is reached through
// the settings library's registry backend.
// Windows keeps whether the user turned an entry off in Task Manager or
// Settings in a second key, StartupApproved\Run: an entry whose first byte
// there is odd (3 for off, 2 for on) does not start, whatever Run says.
namespace {

const QString kRunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kApprovedKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run");
const QString kRunValue = QStringLiteral("Varnholt");

} // namespace

bool AppSettings::platformLaunchAtLogin()
{
    QSettings run(kRunKey, QSettings::NativeFormat);
    if (!run.contains(kRunValue))
        return false;
    // A binary value, read as such (the settings backend would decode it as
    // text).
    BYTE state[12] = {};
    DWORD size = sizeof state;
    const LSTATUS rc = RegGetValueW(HKEY_CURRENT_USER,
                                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
                                    L"Varnholt", RRF_RT_REG_BINARY, nullptr, state, &size);
    return rc != ERROR_SUCCESS || size == 0 || (state[0] & 1) == 0;
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
    // An old "turned off" mark would keep a newly enabled entry from
    // starting; with the entry gone the mark means nothing.
    QSettings approved(kApprovedKey, QSettings::NativeFormat);
    approved.remove(kRunValue);
    approved.sync();
}

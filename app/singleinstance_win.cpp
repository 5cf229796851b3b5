#include "app/singleinstance.h"

#include "app/platform.h"

#include <iterator>

#include <windows.h>

QString SingleInstance::sessionName()
{
    // Pipe names are machine-wide: the user and the session keep two
    // people's copies apart, and an elevated copy is a session of its own
    // (an administrator's elevated restart runs as the same user).
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    wchar_t user[257];
    DWORD size = DWORD(std::size(user));
    const QString userName = GetUserNameW(user, &size) ? QString::fromWCharArray(user)
                                                       : qEnvironmentVariable("USERNAME");
    QString name = QStringLiteral("Varnholt-%1-%2").arg(userName).arg(session);
    if (isElevated())
        name += QStringLiteral("-admin");
    return name;
}

void SingleInstance::yieldForeground()
{
    // The running copy is asked to come forward at once; this process, which
    // the user just started, may pass on its right to take the foreground.
    AllowSetForegroundWindow(ASFW_ANY);
}

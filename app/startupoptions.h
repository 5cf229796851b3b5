#pragma once

#include <QStringList>

// The command-line switches of the program. Each counts only as a whole
// argument, written exactly so; anything else, other capitals or an attached
// value included, is ignored. "--elevated" is what the program passes to the
// copy of itself it restarts with administrator rights; start-up treats such
// a start like any other.
struct StartupOptions
{
    enum class Show { Normal, Hidden, Minimized };

    bool background = false;  // start in the tray
    bool updated = false;     // the start that follows an update installation
    bool elevated = false;

    // `arguments` as QCoreApplication::arguments() gives them, program first.
    static StartupOptions parse(const QStringList &arguments);

    // How the window appears: hidden for a background start while the tray
    // icon is visible, minimised when there is no tray to live in (so the
    // program is always reachable), otherwise shown.
    Show initialShow(bool trayVisible) const;
};

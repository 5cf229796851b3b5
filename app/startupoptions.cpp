#include "app/startupoptions.h"

StartupOptions StartupOptions::parse(const QStringList &arguments)
{
    StartupOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == u"--background")
            options.background = true;
        else if (arg == u"--updated")
            options.updated = true;
        else if (arg == u"--elevated")
            options.elevated = true;
    }
    return options;
}

StartupOptions::Show StartupOptions::initialShow(bool trayVisible) const
{
    if (!background)
        return Show::Normal;
    return trayVisible ? Show::Hidden : Show::Minimized;
}

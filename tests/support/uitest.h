#pragma once

// Start-up shared by the widget tests, in the program's own order: test-mode
// settings, the engine's queued types, the interface language (VARNHOLT_LANG
// is "en" under CTest, so plural texts read as users see them) and the theme.
// Only tests that link the widget library include this header.

#include "app/appstate.h"
#include "ui/i18n.h"
#include "ui/theme.h"

#include <QApplication>
#include <QStandardPaths>

inline void startUiTest()
{
    QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
    // The settings are a registry key of the user there, outside any
    // sandbox: the tests keep their own.
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt Tests"));
#else
    QCoreApplication::setOrganizationName(QStringLiteral("Varnholt"));
#endif
    QCoreApplication::setApplicationName(QStringLiteral("Varnholt"));
    registerEngineTypes();
    ui::applyLanguage(qApp);
    Theme::instance()->install(qApp);
}

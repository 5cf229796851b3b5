#pragma once

// Start-up shared by the widget tests, in the program's own order: test-mode
// settings, the engine's queued types, the interface language (VARNHOLT_LANG
// is "en" under CTest, so plural texts read as users see them) and the theme.
// Only tests that link the widget library include this header.

#include "app/appstate.h"
#include "history/folderhistory.h"
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
    // Windows keeps the program's data in the test prefix's profile, which
    // every test program shares: no reading of another may show here.
    FolderHistory().forget();
}

// A category `id` of the given risk whose files are under `root` (no root
// when empty).
inline CategoryDef categoryDef(const QString &id, int risk, const QString &root, bool needsAdmin = false)
{
    CategoryDef d;
    d.id = d.name = id;
    d.icon = QStringLiteral("folder");
    d.risk = risk;
    d.needsAdmin = needsAdmin;
    if (!root.isEmpty())
        d.roots = {CategoryRoot{root, {}, {}}};
    return d;
}

// For pages whose scan is not what a test looks at.
inline CatalogueSource emptyCatalogue()
{
    return [] { return QList<CategoryDef>{}; };
}

// Two readings of folder sizes under `root` a week apart, the newer an hour
// ago: `grown` went from 1 to 3 GB, "Documents" (larger, and first by name)
// from 2.5 to 2.6 GB.
inline bool plantFolderReadings(const QString &root, const QString &grown)
{
    constexpr qint64 gb = qint64(1) << 30;
    const QDateTime now = QDateTime::currentDateTimeUtc().addSecs(-3600);
    FolderReading older{now.addDays(-7), root, 0, FolderReading::kAllLevels, {{"", 4 * gb}, {"Documents", 25 * gb / 10}, {grown, gb}}};
    FolderReading newer{now, root, 0, FolderReading::kAllLevels, {{"", 6 * gb}, {"Documents", 26 * gb / 10}, {grown, 3 * gb}}};
    return FolderHistory().forget() && FolderHistory().add(older) && FolderHistory().add(newer);
}

#pragma once

#include <QCoreApplication>

// Interface texts are grouped by screen rather than by class: the pages and
// dialogs live in namespace ui, so QObject::tr would file them under
// "ui::CleanupPage" and the like. Each holder gives its screen's texts their
// plain context name, and lupdate reads the calls straight from the sources.
namespace ui {

struct CleanupText { Q_DECLARE_TR_FUNCTIONS(CleanupPage) };
struct OverviewText { Q_DECLARE_TR_FUNCTIONS(OverviewPage) };
struct SettingsText { Q_DECLARE_TR_FUNCTIONS(SettingsPage) };
struct LargeFilesText { Q_DECLARE_TR_FUNCTIONS(LargeFilesPage) };
struct OverlayText { Q_DECLARE_TR_FUNCTIONS(Overlay) };
struct SidebarText { Q_DECLARE_TR_FUNCTIONS(Sidebar) };
struct MenuBarText { Q_DECLARE_TR_FUNCTIONS(MenuBar) };
struct TrayText { Q_DECLARE_TR_FUNCTIONS(Tray) };

} // namespace ui

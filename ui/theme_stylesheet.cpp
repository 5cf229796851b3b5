#include "ui/theme.h"

// Plain Qt style-sheet rules; "@name" placeholders are filled by
// Theme::substitute. Kinds "primary" and "danger" of push buttons are painted
// by the button widget itself and therefore have no rules here.
//
// A label that needs a token colour besides its role's sets the property
// "tone" rather than a colour of its own, so the colour follows the mode.
// Tray balloons (drawn by Qt where the desktop has no notification service)
// would keep their fixed pale yellow under the mode's text colour: they take
// the `surface` fill instead.
QString Theme::styleSheetTemplate()
{
    return QStringLiteral(R"QSS(
* { color: @text; }
QToolTip { background: transparent; border: none; margin: @tipShadowpx; padding: 5px 10px; }
QLabel { background: transparent; }
QLabel[role="h1"] { font-family: "@display"; font-size: @h1px; font-weight: 600; }
QLabel[role="h2"] { font-size: 18px; font-weight: 600; }
QLabel[role="h3"] { font-size: 14px; font-weight: 600; }
QLabel[role="strong"] { font-weight: 600; }
QLabel[role="sub"] { color: @text2; }
QLabel[role="caption"] { color: @text2; font-size: 12px; }
QLabel[role="micro"] { color: @text3; font-size: 11px; }
QLabel[role="grp"] { color: @text3; font-size: 11px; font-weight: 600; }
QLabel[role="mono"] { color: @text3; font-family: "@mono"; font-size: 11px; }
QLabel[role="num"] { font-family: "@mono"; font-size: 13px; font-weight: 600; }
QLabel[role="value"] { font-family: "@mono"; font-size: 20px; font-weight: 600; }
QLabel[role="big"] { font-family: "@mono"; font-size: 48px; font-weight: 600; }
QLabel[role="ok"] { color: @ok; font-weight: 600; }
QLabel[role="warn"] { color: @warn; font-weight: 500; }
QLabel[tone="ok"] { color: @ok; }
QLabel[tone="text2"] { color: @text2; }
QBalloonTip { background: @surface; }

QPushButton { background: @card2; border: 1px solid @lineStrong; border-radius: @rbpx; padding: 0px 16px; min-height: @hpx; max-height: @hpx; font-weight: 600; }
QPushButton:hover { background: @cardHover; }
QPushButton:pressed { background: @press; }
QPushButton:disabled { color: @text3; background: transparent; border: 1px solid @line; }
QPushButton[kind="ghost"] { background: transparent; border: 1px solid transparent; color: @text2; }
QPushButton[kind="ghost"]:hover { background: @hover; color: @text; }
QPushButton[kind="link"] { background: transparent; border: none; color: @accent; padding: 0px; min-height: 0px; font-weight: 500; }
QPushButton[kind="link"]:hover { color: @accentHover; }
QPushButton[size="lg"] { min-height: @lgpx; max-height: @lgpx; padding: 0px 22px; font-size: 14px; border-radius: 12px; }

QCheckBox { spacing: 10px; }
QCheckBox::indicator { width: 16px; height: 16px; border-radius: 5px; border: none; }
QCheckBox::indicator:unchecked { image: url(:/ui/@box.svg); }
QCheckBox::indicator:unchecked:hover { image: url(:/ui/@box-hover.svg); }
QCheckBox::indicator:unchecked:disabled { image: url(:/ui/@box-off.svg); }
QCheckBox::indicator:checked { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #22d3ee, stop:0.55 #6366f1, stop:1 #a855f7); image: url(:/ui/check.svg); }
QCheckBox::indicator:indeterminate { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #22d3ee, stop:0.55 #6366f1, stop:1 #a855f7); image: url(:/ui/dash.svg); }

QComboBox { background: @card2; border: 1px solid @lineStrong; border-radius: @rbpx; padding: 0px 26px 0px 10px; min-height: @fieldpx; }
QComboBox:hover { background: @cardHover; }
QComboBox::drop-down { width: 24px; border: none; }
QComboBox::down-arrow { image: url(:/ui/@arrow.svg); width: 12px; height: 12px; }
QComboBox QAbstractItemView { background: @surface; border: 1px solid @lineStrong; padding: 4px; outline: none; selection-background-color: @accentSoft; selection-color: @text; }

QLineEdit { background: @card; border: 1px solid @line; border-radius: @rbpx; padding: 0px 10px; min-height: @fieldpx; selection-background-color: @accent; selection-color: @onAccent; }
QLineEdit:hover { border: 1px solid @lineStrong; }
QLineEdit:focus { border: 1px solid @accent; }

QScrollArea, QScrollArea > QWidget, QScrollArea > QWidget > QWidget, QStackedWidget { background: transparent; border: none; }
QScrollBar:vertical { width: 10px; margin: 2px; background: transparent; border: none; }
QScrollBar:horizontal { height: 10px; margin: 2px; background: transparent; border: none; }
QScrollBar::handle { background: @lineStrong; border-radius: 3px; }
QScrollBar::handle:vertical { min-height: 32px; }
QScrollBar::handle:horizontal { min-width: 32px; }
QScrollBar::handle:hover { background: @text3; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }

QTableView { background: transparent; border: none; outline: none; selection-background-color: transparent; }
QTreeView#previewList { background: @card; border: 1px solid @line; border-radius: 10px; padding: 4px; outline: none; }
QTreeView#previewList::item { padding: 3px 6px; border: none; }
QTreeView#previewList::item:selected { background: @accentSoft; color: @text; }
QHeaderView::section { background: transparent; color: @text3; border: none; border-bottom: 1px solid @line; padding: 0px 12px 8px 12px; font-family: "@mono"; font-size: 11px; font-weight: 500; }
QHeaderView::section:hover { color: @text; }
QHeaderView::up-arrow, QHeaderView::down-arrow { image: none; width: 0px; height: 0px; }

QMenu { background: @surface; border: 1px solid @lineStrong; padding: 4px; border-radius: 8px; }
QMenu::item { padding: 6px 16px; border-radius: 5px; }
QMenu::item:selected { background: @accentSoft; }
)QSS");
}

#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QObject>
#include <QString>

#include <functional>

class QApplication;
class QPainter;
class QRect;
class QRectF;
class QWidget;

// The role of a painted icon or glyph, mapped to a colour of the current mode
// by Theme::color. Widgets store a Tone rather than a colour so that they
// follow light/dark switches without re-reading anything themselves.
enum class Tone { Text, Text2, Text3, Accent, OnAccent, Ok, Warn, Bad, White };

// The colour tokens of one mode. `card2` is only used by the style sheet
// (default push buttons and combo boxes); painted widgets use the others.
struct ThemeTokens
{
    QColor bg;          // window background under the backdrop glows
    QColor surface;     // popups, menus, tooltips, combo lists
    QColor surface2;    // secondary surface
    QColor hover;       // hover fill of flat controls
    QColor press;       // pressed fill
    QColor text;        // primary text
    QColor text2;       // secondary text
    QColor text3;       // tertiary text, placeholders, table headers
    QColor line;        // hairlines, field borders
    QColor lineStrong;  // button and popup borders, scroll handles
    QColor accent;      // links, focus, selection
    QColor accentHover; // accent under the mouse
    QColor accentSoft;  // selected menu and list items
    QColor onAccent;    // text on an accent fill
    QColor ok;
    QColor okSoft;
    QColor warn;
    QColor warnSoft;
    QColor bad;
    QColor badSoft;
    QColor scrim;       // dimming behind modal overlays
    QColor inverse;     // inverted fill
    QColor onInverse;   // text on `inverse`
    QColor card;        // card and input-field fill
    QColor cardHover;   // card or button under the mouse
    QColor track;       // empty part of progress bars and rings
    QColor glowCyan;    // first backdrop glow
    QColor glowViolet;  // second backdrop glow
    QColor well;        // inset fill of painted discs (radar, gauges)
    QColor card2;       // style sheet only

    // The 29 painted tokens (card2 excluded) in declaration order, with
    // their names; handy for checks and for the gallery.
    QList<std::pair<const char *, QColor>> named() const;
};

// The single source of every colour, font and size of the interface.
//
// Created on first use (before or after the application object exists) and
// kept for the whole process. Start-up calls install() once, after the
// application object and its "Fusion" style exist and before any widget is
// created; from then on every apply() restyles the whole application and ends
// with `changed`. Widgets read tokens at paint time and repaint on `changed`;
// nothing caches a colour across a change.
//
// The compact look ("VARNHOLT_LOOK" = "mac", exactly) is decided once, in the
// constructor; widgets read macLook() for their own metrics.
class Theme final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Theme)

public:
    static Theme *instance();

    // Remembers the application, installs the kit's keyboard focus rings and
    // accessibility (ui/widgets/focusring.h, accessible.h) and the tooltip
    // styler, switches off animated tooltips, follows the platform colour
    // scheme (on Qt 6.4: its theme and palette change events) and the
    // "ui/theme" setting, then applies.
    void install(QApplication *app);
    // Decides the mode, loads its tokens and, once installed, pushes palette,
    // font and style sheet to the application. Always emits `changed`.
    void apply();

    bool dark() const { return m_dark; }
    bool macLook() const { return m_macLook; }
    bool installed() const { return m_app != nullptr; }

    const ThemeTokens &tokens() const { return m_t; }
    QColor bg() const { return m_t.bg; }
    QColor surface() const { return m_t.surface; }
    QColor surface2() const { return m_t.surface2; }
    QColor hover() const { return m_t.hover; }
    QColor press() const { return m_t.press; }
    QColor text() const { return m_t.text; }
    QColor text2() const { return m_t.text2; }
    QColor text3() const { return m_t.text3; }
    QColor line() const { return m_t.line; }
    QColor lineStrong() const { return m_t.lineStrong; }
    QColor accent() const { return m_t.accent; }
    QColor accentHover() const { return m_t.accentHover; }
    QColor accentSoft() const { return m_t.accentSoft; }
    QColor onAccent() const { return m_t.onAccent; }
    QColor ok() const { return m_t.ok; }
    QColor okSoft() const { return m_t.okSoft; }
    QColor warn() const { return m_t.warn; }
    QColor warnSoft() const { return m_t.warnSoft; }
    QColor bad() const { return m_t.bad; }
    QColor badSoft() const { return m_t.badSoft; }
    QColor scrim() const { return m_t.scrim; }
    QColor inverse() const { return m_t.inverse; }
    QColor onInverse() const { return m_t.onInverse; }
    QColor card() const { return m_t.card; }
    QColor cardHover() const { return m_t.cardHover; }
    QColor track() const { return m_t.track; }
    QColor glowCyan() const { return m_t.glowCyan; }
    QColor glowViolet() const { return m_t.glowViolet; }
    QColor well() const { return m_t.well; }

    // The colour of a Tone in the current mode; unknown values give `text`.
    QColor color(Tone tone) const;
    // The fill of danger buttons, deep enough for their white label in both
    // modes (`bad` itself is a text colour in dark mode).
    static QColor dangerFill() { return QColor(0xb9, 0x1c, 0x1c); }

    // The application style sheet for the current mode and look, with every
    // "@" placeholder replaced. Labels are styled through the dynamic property
    // "role" (h1, h2, h3, strong, sub, caption, micro, grp, mono, num, value,
    // big, ok, warn), push buttons through "kind" (ghost, link; primary and
    // danger paint themselves) and "size" ("lg"). Note that QWidget already
    // has a property named "size": a button class that supports "lg" must
    // declare its own Q_PROPERTY(QString size ...), which the style sheet
    // then sees. Set these properties before the widget is first polished,
    // or re-polish it (style()->unpolish/polish) after changing them.
    QString styleSheet() const;

    // UI font family: the Display or Text optical size of Segoe UI Variable,
    // else "Segoe UI", else (Linux) "Inter", else the system font's family.
    static QString uiFamily(bool display);
    // A UI font at a pixel size and CSS-like weight (400 regular, 600 semibold).
    // `display` picks the display optical size, except in the compact look.
    QFont font(int px, int weight = 400, bool display = false) const;
    // The numeric font: figureFamily of the installed families, else the
    // system fixed font, followed by the UI family for missing characters.
    static QFont monoFont(int px, int weight = 400);
    // The family figures are set in, from those installed: a sans monospace
    // (Cascadia Mono, Consolas, Noto Sans Mono, DejaVu Sans Mono, ...), else a
    // sans whose digits share one width (Segoe UI, Tahoma, Arial, ...), else
    // any other installed "Mono" family that is not a serif; empty when there
    // is none. A Courier-like serif is never picked while a sans exists.
    static QString figureFamily(const QStringList &installed);
    // Small-capitals label font: monoFont, weight 500, all capitals, spaced
    // 0.13 x px apart except for Chinese, Japanese and Korean interfaces.
    static QFont eyebrowFont(int px);
    // Names (files, folders, paths, the items of a category) are shown
    // exactly as they are written. The UI family's contextual alternates and
    // ligatures would redraw them: Inter turns the "x" of "3x9" into a
    // multiplication sign and "->" into an arrow. `font` with shaping off
    // where the script does not need it (Latin, Cyrillic, CJK; Arabic and
    // Indic scripts are still shaped).
    static QFont asWritten(QFont font);
    // The widget's text in asWritten of its font, style-sheet fonts included.
    static void showAsWritten(QWidget *widget);

    // "rgba(r,g,b,a)" with integer components, for style-sheet text.
    static QString rgba(const QColor &c);
    // The fixed brand gradient (#22d3ee, #6366f1 at 0.55, #a855f7) running
    // from the rectangle's top-left to its bottom-right corner.
    static QLinearGradient brandGradient(const QRectF &rect);
    // The brand gradient for text: in light mode its stops are the darker
    // shades of the same hues (#0e7490, #4f46e5, #9333ea), which stand out
    // from the light backgrounds as text must; in dark mode the brand stops.
    QLinearGradient textGradient(const QRectF &rect) const;
    static QGradientStops textStops(bool dark);
    // The WCAG contrast ratio of two opaque colours, 1 to 21.
    static qreal contrastRatio(const QColor &a, const QColor &b);
    // `color` with its lightness moved away from `background` (same hue and
    // saturation) just until the two reach `ratio`; unchanged when they do.
    static QColor readableOn(const QColor &color, const QColor &background, qreal ratio);
    // The window background: `bg` with two soft elliptical glows.
    void paintBackdrop(QPainter *painter, const QRect &rect) const;

    // Pure pieces of the above, exposed for tests and tools.
    static ThemeTokens tokensFor(bool dark);
    // setting: "ui/theme"; systemDark: the platform reports a dark scheme.
    static bool decideDark(int setting, bool installed, bool systemDark);
    // The look named by "VARNHOLT_LOOK": exactly "mac" selects the compact
    // look; anything else, other capitals included, keeps the Windows look.
    static bool macLookFrom(const QByteArray &value);
    // The template before substitution, and the substitution itself.
    static QString styleSheetTemplate();
    static QString substitute(QString sheet, const ThemeTokens &t, bool dark, bool macLook);
    // Whether the platform currently prefers a dark scheme. On Qt 6.4, which
    // has no colour-scheme query, this is the lightness of the platform's
    // window colour, read again whenever the platform announces a new theme
    // or palette (see readPlatformDark).
    bool systemDark() const;
    // Replaces the Qt 6.4 reading of the platform's scheme; tests use it to
    // stand in for a desktop that switches. An empty function restores it.
    void setPlatformDarkProbe(std::function<bool()> probe);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Theme();
    void onSettingsChanged();
    // The platform's own palette, which the theme's palette hides once set:
    // lifted for a moment to read its window colour.
    bool readPlatformDark();
    void onPlatformChanged();

    QApplication *m_app = nullptr;
    ThemeTokens m_t;
    bool m_dark = false;
    bool m_macLook = false;
    bool m_systemDarkAtInstall = false;
    std::function<bool()> m_platformProbe;
    // Set while the theme itself changes the application palette, whose
    // change events must not be taken for the platform's.
    bool m_settingPalette = false;
    bool m_recheckPending = false;
};

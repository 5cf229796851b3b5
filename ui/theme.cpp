#include "ui/theme.h"

#include "app/appsettings.h"
#include "ui/i18n.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/focusring.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRadialGradient>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace {

QColor hex(const char *name) { return QColor(QLatin1String(name)); }
QColor mk(int r, int g, int b, int a) { return QColor(r, g, b, a); }

// Tooltips are frameless, translucent windows whose bubble and soft shadow are
// painted here, so they look the same on every platform; the style sheet only
// reserves the 8 px shadow margin around the text.
class TooltipStyler final : public QObject
{
public:
    explicit TooltipStyler(QObject *parent) : QObject(parent) {}

    bool eventFilter(QObject *obj, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::Move && type != QEvent::Paint)
            return false;
        auto *label = qobject_cast<QLabel *>(obj);
        if (!label || qstrcmp(label->metaObject()->className(), "QTipLabel") != 0)
            return false;

        switch (type) {
        case QEvent::Polish:
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->setWindowFlags(label->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
            break;
        case QEvent::Show:
            if (label->margin() != 0) {
                label->setMargin(0);
                label->resize(label->sizeHint() + QSize(1, 0));
            }
            break;
        case QEvent::Move: {
            // The placement below moves the label again; remembering where we put
            // it lets that second move pass without being corrected twice.
            const QPoint pos = label->pos();
            const QVariant placed = label->property("cbPlaced");
            if (placed.isValid() && placed.toPoint() == pos)
                break;
            const QPoint cursor = QCursor::pos();
            const int x = pos.x() - kShadow;
            const int centreY = pos.y() + label->height() / 2;
            const int y = centreY < cursor.y() ? pos.y() + kShadow : cursor.y() + 14;
            const QPoint target(x, y);
            label->setProperty("cbPlaced", target);
            label->move(target);
            break;
        }
        case QEvent::Paint:
            paintBubble(label);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int kShadow = 8;

    static void paintBubble(QLabel *label)
    {
        const Theme *theme = Theme::instance();
        QPainter p(label);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF inner = QRectF(label->rect()).adjusted(kShadow, kShadow, -kShadow, -kShadow);
        const int k = theme->dark() ? 40 : 18;
        p.setPen(Qt::NoPen);
        for (int i = kShadow; i >= 1; --i) {
            const qreal f = 1.0 - qreal(i) / kShadow;
            QColor shade(0, 0, 0, int(std::floor(f * f * k)));
            p.setBrush(shade);
            // Grown less at the top so the shadow sits 2 px low.
            p.drawRoundedRect(inner.adjusted(-i, -(i - 2), i, i), 7 + i, 7 + i);
        }
        p.setBrush(theme->surface());
        p.setPen(QPen(theme->line(), 1));
        p.drawRoundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    }
};

QString familyIfInstalled(const QStringList &candidates)
{
    for (const QString &f : candidates) {
        if (QFontDatabase::hasFamily(f))
            return f;
    }
    return {};
}

} // namespace

QList<std::pair<const char *, QColor>> ThemeTokens::named() const
{
    return {{"bg", bg},
            {"surface", surface},
            {"surface2", surface2},
            {"hover", hover},
            {"press", press},
            {"text", text},
            {"text2", text2},
            {"text3", text3},
            {"line", line},
            {"lineStrong", lineStrong},
            {"accent", accent},
            {"accentHover", accentHover},
            {"accentSoft", accentSoft},
            {"onAccent", onAccent},
            {"ok", ok},
            {"okSoft", okSoft},
            {"warn", warn},
            {"warnSoft", warnSoft},
            {"bad", bad},
            {"badSoft", badSoft},
            {"scrim", scrim},
            {"inverse", inverse},
            {"onInverse", onInverse},
            {"card", card},
            {"cardHover", cardHover},
            {"track", track},
            {"glowCyan", glowCyan},
            {"glowViolet", glowViolet},
            {"well", well}};
}

Theme::Theme()
{
    m_macLook = macLookFrom(qgetenv("VARNHOLT_LOOK"));
}

bool Theme::macLookFrom(const QByteArray &value)
{
    return value == "mac";
}

Theme *Theme::instance()
{
    static Theme *const self = new Theme;
    return self;
}

ThemeTokens Theme::tokensFor(bool dark)
{
    ThemeTokens t;
    if (!dark) {
        t.bg = hex("#f4f6fa");
        t.surface = hex("#ffffff");
        t.surface2 = hex("#f8fafc");
        t.hover = mk(15, 23, 42, 13);
        t.press = mk(15, 23, 42, 20);
        t.text = hex("#0f172a");
        t.text2 = hex("#526075");
        t.text3 = hex("#8a96a8");
        t.line = mk(15, 23, 42, 20);
        t.lineStrong = mk(15, 23, 42, 36);
        t.accent = hex("#4f46e5");
        t.accentHover = hex("#6366f1");
        t.accentSoft = mk(79, 70, 229, 26);
        t.onAccent = hex("#ffffff");
        t.ok = hex("#059669");
        t.okSoft = mk(5, 150, 105, 26);
        t.warn = hex("#b45309");
        t.warnSoft = mk(245, 158, 11, 31);
        t.bad = hex("#dc2626");
        t.badSoft = mk(220, 38, 38, 23);
        t.scrim = mk(15, 23, 42, 71);
        t.inverse = hex("#0f172a");
        t.onInverse = hex("#ffffff");
        t.card = mk(255, 255, 255, 184);
        t.cardHover = hex("#ffffff");
        t.track = mk(15, 23, 42, 18);
        t.glowCyan = mk(34, 211, 238, 41);
        t.glowViolet = mk(139, 92, 246, 31);
        t.well = hex("#eef1f6");
        t.card2 = hex("#ffffff");
    } else {
        t.bg = hex("#0a0d13");
        t.surface = hex("#151a23");
        t.surface2 = hex("#1b2130");
        t.hover = mk(255, 255, 255, 15);
        t.press = mk(255, 255, 255, 10);
        t.text = hex("#e8ecf3");
        t.text2 = hex("#9aa4b5");
        t.text3 = hex("#636d7e");
        t.line = mk(255, 255, 255, 20);
        t.lineStrong = mk(255, 255, 255, 36);
        t.accent = hex("#22d3ee");
        t.accentHover = hex("#67e8f9");
        t.accentSoft = mk(34, 211, 238, 31);
        t.onAccent = hex("#04131a");
        t.ok = hex("#34d399");
        t.okSoft = mk(52, 211, 153, 31);
        t.warn = hex("#fbbf24");
        t.warnSoft = mk(251, 191, 36, 31);
        t.bad = hex("#f87171");
        t.badSoft = mk(248, 113, 113, 31);
        t.scrim = mk(0, 0, 0, 140);
        t.inverse = hex("#e8ecf3");
        t.onInverse = hex("#0a0d13");
        t.card = mk(255, 255, 255, 9);
        t.cardHover = mk(255, 255, 255, 18);
        t.track = mk(255, 255, 255, 18);
        t.glowCyan = mk(34, 211, 238, 33);
        t.glowViolet = mk(139, 92, 246, 36);
        t.well = hex("#0f131b");
        t.card2 = mk(255, 255, 255, 15);
    }
    return t;
}

bool Theme::decideDark(int setting, bool installed, bool systemDark)
{
    if (setting == 2)
        return true;
    return setting == 0 && installed && systemDark;
}

bool Theme::systemDark() const
{
    if (m_platformProbe)
        return m_systemDarkAtInstall;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    // Once installed, the application palette is our own; the platform's is
    // read when it is installed and again whenever the platform changes it.
    if (m_app)
        return m_systemDarkAtInstall;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    return false;
#endif
}

void Theme::setPlatformDarkProbe(std::function<bool()> probe)
{
    m_platformProbe = std::move(probe);
    if (m_platformProbe)
        m_systemDarkAtInstall = m_platformProbe();
}

bool Theme::readPlatformDark()
{
    if (m_platformProbe)
        return m_platformProbe();
    // A palette without any role of its own resolves to the platform's.
    const QPalette ours = QGuiApplication::palette();
    m_settingPalette = true;
    QGuiApplication::setPalette(QPalette());
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    QGuiApplication::setPalette(ours);
    m_settingPalette = false;
    return dark;
}

bool Theme::eventFilter(QObject *watched, QEvent *event)
{
    // A new desktop theme reaches every window as ThemeChange; a palette the
    // platform changed reaches the application as ApplicationPaletteChange.
    // Both arrive many times over (once per window or widget): one re-check
    // runs after them.
    const QEvent::Type type = event->type();
    if ((type == QEvent::ThemeChange || (type == QEvent::ApplicationPaletteChange && watched == m_app))
        && !m_settingPalette && !m_recheckPending) {
        m_recheckPending = true;
        QTimer::singleShot(0, this, &Theme::onPlatformChanged);
    }
    return QObject::eventFilter(watched, event);
}

void Theme::onPlatformChanged()
{
    m_recheckPending = false;
    if (!m_app)
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (!m_platformProbe)
        return;  // colorSchemeChanged reports it
#endif
    const bool dark = readPlatformDark();
    m_systemDarkAtInstall = dark;
    if (decideDark(AppSettings::instance()->theme(), installed(), dark) != m_dark)
        apply();
}

void Theme::install(QApplication *app)
{
    if (!app || m_app)
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    m_systemDarkAtInstall = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
#endif
    m_app = app;
    // The kit's application-wide parts: keyboard focus rings, tab order by
    // layout, and how assistive technology sees painted widgets.
    ui::focus::install(app);
    ui::a11y::install();
    app->installEventFilter(new TooltipStyler(this));
    app->installEventFilter(this);
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false);
    QApplication::setEffectEnabled(Qt::UI_FadeTooltip, false);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this, &Theme::apply);
#endif
    connect(AppSettings::instance(), &AppSettings::changed, this, &Theme::onSettingsChanged);
    apply();
}

void Theme::onSettingsChanged()
{
    // Settings change for many reasons; restyling the whole application is
    // only worth it when the light/dark decision actually flips.
    if (decideDark(AppSettings::instance()->theme(), installed(), systemDark()) != m_dark)
        apply();
}

void Theme::apply()
{
    m_dark = decideDark(AppSettings::instance()->theme(), installed(), systemDark());
    m_t = tokensFor(m_dark);

    if (m_app) {
        QPalette pal;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Window, m_t.bg);
            pal.setColor(group, QPalette::Base, m_t.surface);
            pal.setColor(group, QPalette::AlternateBase, m_t.surface2);
            pal.setColor(group, QPalette::WindowText, m_t.text);
            pal.setColor(group, QPalette::Text, m_t.text);
            pal.setColor(group, QPalette::ButtonText, m_t.text);
            pal.setColor(group, QPalette::Button, m_t.surface);
            pal.setColor(group, QPalette::Highlight, m_t.accent);
            pal.setColor(group, QPalette::HighlightedText, m_t.onAccent);
            pal.setColor(group, QPalette::PlaceholderText, m_t.text3);
            pal.setColor(group, QPalette::ToolTipBase, m_t.surface);
            pal.setColor(group, QPalette::ToolTipText, m_t.text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            pal.setColor(group, QPalette::Accent, m_t.accent);
#endif
        }
        // The palette and style sheet send change events to every widget;
        // they are the theme's own, not the platform's.
        m_settingPalette = true;
        QApplication::setPalette(pal);
        QApplication::setFont(font(13, 400, false));
        m_app->setStyleSheet(styleSheet());
        QTimer::singleShot(0, this, [this] { m_settingPalette = false; });
    }
    emit changed();
}

QColor Theme::color(Tone tone) const
{
    switch (tone) {
    case Tone::Text: return m_t.text;
    case Tone::Text2: return m_t.text2;
    case Tone::Text3: return m_t.text3;
    case Tone::Accent: return m_t.accent;
    case Tone::OnAccent: return m_t.onAccent;
    case Tone::Ok: return m_t.ok;
    case Tone::Warn: return m_t.warn;
    case Tone::Bad: return m_t.bad;
    case Tone::White: return QColor(255, 255, 255);
    }
    return m_t.text;
}

QString Theme::styleSheet() const
{
    return substitute(styleSheetTemplate(), m_t, m_dark, m_macLook);
}

QString Theme::substitute(QString s, const ThemeTokens &t, bool dark, bool macLook)
{
    // Longer names first wherever one placeholder is a prefix of another.
    //
    // The heights are outer heights: 34 (30) for buttons, so that plain and
    // painted primary buttons line up in a row, 42 (38) for large buttons and
    // 32 (28) for fields. Qt's style sheets apply min-height to the content
    // box, so the 1 px top and bottom borders of these rules are taken off.
    const int border = 2;
    const int hpx = (macLook ? 30 : 34) - border;
    const int lgpx = (macLook ? 38 : 42) - border;
    const QList<std::pair<const char *, QString>> steps = {
        {"@accentHover", rgba(t.accentHover)},
        {"@accentSoft", rgba(t.accentSoft)},
        {"@accent", rgba(t.accent)},
        {"@onAccent", rgba(t.onAccent)},
        {"@surface2", rgba(t.surface2)},
        {"@surface", rgba(t.surface)},
        {"@cardHover", rgba(t.cardHover)},
        {"@card2", rgba(t.card2)},
        {"@card", rgba(t.card)},
        {"@lineStrong", rgba(t.lineStrong)},
        {"@line", rgba(t.line)},
        {"@press", rgba(t.press)},
        {"@hover", rgba(t.hover)},
        {"@text2", rgba(t.text2)},
        {"@text3", rgba(t.text3)},
        {"@text", rgba(t.text)},
        {"@ok", rgba(t.ok)},
        {"@warn", rgba(t.warn)},
        {"@bad", rgba(t.bad)},
        {"@display", uiFamily(!macLook)},
        {"@mono", monoFont(11, 400).family() + QStringLiteral("\", \"") + uiFamily(false)},
        {"@arrow", dark ? QStringLiteral("arrow-dark") : QStringLiteral("arrow-light")},
        {"@box", dark ? QStringLiteral("box-dark") : QStringLiteral("box-light")},
        {"@h1px", macLook ? QStringLiteral("24px") : QStringLiteral("26px")},
        {"@rbpx", QStringLiteral("10px")},
        {"@hpx", QString::number(hpx) + QStringLiteral("px")},
        {"@lgpx", QString::number(lgpx) + QStringLiteral("px")},
        {"@fieldpx", QString::number(hpx - 2) + QStringLiteral("px")},
        {"@tipShadowpx", QStringLiteral("8px")},
    };
    for (const auto &[placeholder, value] : steps)
        s.replace(QLatin1String(placeholder), value);
    return s;
}

QString Theme::uiFamily(bool display)
{
    const QString preferred = display ? QStringLiteral("Segoe UI Variable Display")
                                      : QStringLiteral("Segoe UI Variable Text");
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return preferred;
    // The font database is asked once per variant; fonts installed while the
    // program runs are picked up at the next start.
    static QString cached[2];
    QString &slot = cached[display ? 1 : 0];
    if (slot.isEmpty()) {
        slot = familyIfInstalled({preferred, QStringLiteral("Segoe UI"), QStringLiteral("Inter")});
        if (slot.isEmpty())
            slot = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return slot;
}

QFont Theme::font(int px, int weight, bool display) const
{
    QFont f(uiFamily(display && !m_macLook));
    f.setPixelSize(px);
    f.setWeight(QFont::Weight(weight));
    return f;
}

QFont Theme::monoFont(int px, int weight)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    static const QString family = [&f] {
        QString name = figureFamily(QFontDatabase::families());
        if (!name.isEmpty())
            return name;
        // Linux reports the fixed font as the fontconfig alias "monospace".
        // Inside a family list an alias matches nothing, and every figure
        // would silently fall through to the UI font; use the real family.
        name = f.family();
        if (!QFontDatabase::hasFamily(name))
            name = QFontInfo(f).family();
        return name;
    }();
    f.setFamilies({family, uiFamily(false)});
    f.setPixelSize(px);
    f.setWeight(QFont::Weight(weight));
    return f;
}

QString Theme::figureFamily(const QStringList &installed)
{
    // The Windows families first, then those of the Linux desktops and of
    // Wine; the proportional ones all draw their digits at one width.
    static const char *const preferred[] = {
        "Cascadia Mono", "Cascadia Code", "Consolas", "Noto Sans Mono", "DejaVu Sans Mono", "Liberation Mono",
        "Lucida Console", "Segoe UI", "Tahoma", "Verdana", "Arial", "Liberation Sans", "DejaVu Sans", "Noto Sans",
        "Inter"};
    for (const char *name : preferred) {
        for (const QString &family : installed) {
            if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    for (const QString &family : installed) {
        if (family.contains(u"mono", Qt::CaseInsensitive) && !family.contains(u"serif", Qt::CaseInsensitive))
            return family;
    }
    return {};
}

QFont Theme::eyebrowFont(int px)
{
    // CJK scripts have no capitals and look broken when letter-spaced.
    static const bool cjk = [] {
        const QString code = ui::currentLanguage();
        return code.startsWith(u"zh") || code == u"ja" || code == u"ko";
    }();
    QFont f = monoFont(px, 500);
    f.setCapitalization(QFont::AllUppercase);
    if (!cjk)
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.13 * px);
    return f;
}

QFont Theme::asWritten(QFont font)
{
    // Qt 6.4 has no switch for single OpenType features; text that skips the
    // shaper is set glyph by glyph from the font's character map.
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

void Theme::showAsWritten(QWidget *widget)
{
    // A font with only the strategy set leaves family and size to the
    // parent and the style sheet; one the widget set itself is kept.
    QFont font = widget->testAttribute(Qt::WA_SetFont) ? widget->font() : QFont();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    widget->setFont(font);
}

QString Theme::rgba(const QColor &c)
{
    const QColor r = c.toRgb();
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(r.red()).arg(r.green()).arg(r.blue()).arg(r.alpha());
}

QGradientStops Theme::textStops(bool dark)
{
    if (dark)
        return brandGradient(QRectF(0, 0, 1, 1)).stops();
    return {{0.0, QColor(0x0e, 0x74, 0x90)}, {0.55, QColor(0x4f, 0x46, 0xe5)}, {1.0, QColor(0x93, 0x33, 0xea)}};
}

QLinearGradient Theme::textGradient(const QRectF &rect) const
{
    QLinearGradient g(rect.topLeft(), rect.bottomRight());
    g.setStops(textStops(m_dark));
    return g;
}

qreal Theme::contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](float v) {
            return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        const QColor rgb = c.toRgb();
        return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Theme::readableOn(const QColor &color, const QColor &background, qreal ratio)
{
    QColor c = color.toHsl();
    const bool darken = background.lightnessF() >= 0.5;
    for (int step = 0; step < 100 && contrastRatio(c, background) < ratio; ++step) {
        const float l = c.lightnessF();
        const float next = darken ? std::max(0.0f, l - 0.01f) : std::min(1.0f, l + 0.01f);
        if (next == l)
            break;
        c.setHslF(c.hslHueF(), c.hslSaturationF(), next, c.alphaF());
    }
    return c.toRgb();
}

QLinearGradient Theme::brandGradient(const QRectF &rect)
{
    QLinearGradient g(rect.topLeft(), rect.bottomRight());
    g.setColorAt(0.0, QColor(0x22, 0xd3, 0xee));
    g.setColorAt(0.55, QColor(0x63, 0x66, 0xf1));
    g.setColorAt(1.0, QColor(0xa8, 0x55, 0xf7));
    return g;
}

void Theme::paintBackdrop(QPainter *painter, const QRect &rect) const
{
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->fillRect(rect, m_t.bg);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    const auto glow = [painter](QPointF centre, qreal rx, qreal ry, const QColor &k) {
        QColor clear = k;
        clear.setAlpha(0);
        QRadialGradient g(QPointF(0, 0), rx);
        g.setColorAt(0.0, k);
        g.setColorAt(0.6, clear);
        g.setColorAt(1.0, clear);
        painter->save();
        painter->translate(centre);
        painter->scale(1.0, ry / rx);
        painter->setBrush(g);
        painter->drawEllipse(QPointF(0, 0), rx, rx);
        painter->restore();
    };
    const qreal w = rect.width();
    const qreal h = rect.height();
    glow(QPointF(rect.left() + 0.12 * w, rect.top() - 0.1 * h), 900, 500, m_t.glowCyan);
    glow(QPointF(rect.left() + w + 0.05 * w, rect.top() + h + 0.1 * h), 800, 600, m_t.glowViolet);
    painter->restore();
}

#include "ui/i18n.h"

#include "ui/theme.h"

#include <QCoreApplication>
#include <QFont>

namespace ui {

QStringList cjkFonts(const QString &code)
{
    if (code == u"ja")
        return {QStringLiteral("Yu Gothic UI"), QStringLiteral("Noto Sans CJK JP")};
    if (code == u"zh_CN")
        return {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Noto Sans CJK SC")};
    if (code == u"zh_TW")
        return {QStringLiteral("Microsoft JhengHei UI"), QStringLiteral("Noto Sans CJK TC")};
    if (code == u"ko")
        return {QStringLiteral("Malgun Gothic"), QStringLiteral("Noto Sans CJK KR")};
    return {};
}

QStringList substitutedFamilies()
{
    // The Windows families the theme asks for, plus the families it falls
    // back to elsewhere, so Latin text keeps its look and CJK glyphs come from
    // the font drawn for that script rather than whatever the system picks.
    QStringList families = {QStringLiteral("Segoe UI Variable Text"),
                            QStringLiteral("Segoe UI Variable Display"), QStringLiteral("Segoe UI"),
                            QStringLiteral("Inter")};
    for (const QString &f : {Theme::uiFamily(false), Theme::uiFamily(true)}) {
        if (!families.contains(f))
            families.append(f);
    }
    return families;
}

void applyLanguage(QCoreApplication *app)
{
    const QStringList fonts = cjkFonts(loadLanguage(app));
    if (!fonts.isEmpty()) {
        for (const QString &family : substitutedFamilies())
            QFont::insertSubstitutions(family, fonts);
    }
}

} // namespace ui

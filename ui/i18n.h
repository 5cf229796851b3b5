#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace ui {

struct Language
{
    QString code; // "en", "zh_CN", ...
    QString name; // the language's own name, shown untranslated
};

// The interface languages, in the order the Settings page lists them.
const QList<Language> &languages();
// The native name of a code; "English" for codes not in the list.
QString languageName(const QString &code);

// The interface language of this run: "VARNHOLT_LANG" when set and non-empty,
// else the "ui/language" setting; a value that is not exactly one of the codes
// falls back to detection from the system's preferred UI languages. Always
// one of the list's codes.
QString currentLanguage();

// The decision behind currentLanguage, with the system's preferred UI
// languages passed in (as QLocale::uiLanguages gives them, e.g. "zh-Hant-HK").
QString detectLanguage(const QString &requested, const QStringList &uiLanguages);

// Installs the translation of currentLanguage (when its file loads), sets the
// default locale used for numbers, sizes and dates, and registers CJK font
// substitutions for the UI families. Called once, before any widget exists.
void applyLanguage(QCoreApplication *app);

// The fonts that supply CJK glyphs for a language code, most preferred first:
// the Windows UI font of that script, then its Noto Sans CJK variant. Empty
// for languages that need none.
QStringList cjkFonts(const QString &code);
// The UI families that receive those substitutions.
QStringList substitutedFamilies();

} // namespace ui

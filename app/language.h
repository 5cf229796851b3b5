#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The ten interface languages and the choice of one for this run. The window
// and the command-line program share them; the compiled catalogues are
// embedded in each program as ":/i18n/varnholt_<code>.qm".

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

// Installs the catalogue of currentLanguage (when the program embeds it) and
// makes that language the default locale for numbers, sizes and dates.
// Returns the code.
QString loadLanguage(QCoreApplication *app);

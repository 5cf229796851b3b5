#pragma once

#include "app/language.h"

#include <QStringList>

class QCoreApplication;

namespace ui {

using ::Language;
using ::languages;
using ::languageName;
using ::currentLanguage;
using ::detectLanguage;

// loadLanguage, plus the CJK font substitutions for the UI families. Called
// once, before any widget exists.
void applyLanguage(QCoreApplication *app);

// The fonts that supply CJK glyphs for a language code, most preferred first:
// the Windows UI font of that script, then its Noto Sans CJK variant. Empty
// for languages that need none.
QStringList cjkFonts(const QString &code);
// The UI families that receive those substitutions.
QStringList substitutedFamilies();

} // namespace ui

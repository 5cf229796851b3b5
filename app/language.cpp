#include "app/language.h"

#include "app/appsettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

const QList<Language> &languages()
{
    static const QList<Language> list = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
    };
    return list;
}

namespace {

bool isKnown(const QString &code)
{
    for (const Language &l : languages()) {
        if (l.code == code)
            return true;
    }
    return false;
}

} // namespace

QString languageName(const QString &code)
{
    for (const Language &l : languages()) {
        if (l.code == code)
            return l.name;
    }
    return QStringLiteral("English");
}

QString detectLanguage(const QString &requested, const QStringList &uiLanguages)
{
    if (isKnown(requested))
        return requested;
    for (QString tag : uiLanguages) {
        tag.replace(u'-', u'_');
        const QString lang = tag.section(u'_', 0, 0);
        if (lang == u"zh") {
            const bool traditional = tag.contains(u"Hant") || tag.contains(u"_TW") || tag.contains(u"_HK")
                                     || tag.contains(u"_MO");
            return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
        }
        if (lang == u"pt")
            return QStringLiteral("pt_BR");
        if (isKnown(lang))
            return lang;
    }
    return QStringLiteral("en");
}

QString currentLanguage()
{
    QString requested = qEnvironmentVariable("VARNHOLT_LANG");
    if (requested.isEmpty())
        requested = AppSettings::instance()->language();
    return detectLanguage(requested, QLocale::system().uiLanguages());
}

QString loadLanguage(QCoreApplication *app)
{
    const QString code = currentLanguage();
    auto *translator = new QTranslator(app);
    if (translator->load(QStringLiteral(":/i18n/varnholt_%1.qm").arg(code)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    QLocale::setDefault(QLocale(code == u"en" ? QStringLiteral("en_US") : code));
    return code;
}

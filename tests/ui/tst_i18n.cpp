#include "app/appsettings.h"
#include "ui/i18n.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

class TestI18n final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cleanup()
    {
        qunsetenv("VARNHOLT_LANG");
        AppSettings::instance()->setLanguage(QString());
        for (const QString &family : ui::substitutedFamilies())
            QFont::removeSubstitutions(family);
    }

    void unknownCodeIsNamedEnglish() { QCOMPARE(ui::languageName(QStringLiteral("xx")), QStringLiteral("English")); }

    void detection_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("code");
        QTest::newRow("requested code wins") << "ko" << QStringList{"de-DE"} << "ko";
        QTest::newRow("requested with region") << "zh_CN" << QStringList{"en-US"} << "zh_CN";
        QTest::newRow("invalid request falls back") << "klingon" << QStringList{"fr-FR"} << "fr";
        QTest::newRow("requested in wrong case") << "DE" << QStringList{"es-ES"} << "es";
        QTest::newRow("traditional hong kong") << "" << QStringList{"zh-Hant-HK"} << "zh_TW";
        QTest::newRow("macau") << "" << QStringList{"zh-MO"} << "zh_TW";
        QTest::newRow("bare chinese") << "" << QStringList{"zh"} << "zh_CN";
        QTest::newRow("portugal") << "" << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("italian then french") << "" << QStringList{"it-IT", "fr-FR"} << "fr";
        QTest::newRow("italian alone") << "" << QStringList{"it-IT"} << "en";
        QTest::newRow("nothing") << "" << QStringList{} << "en";
        QTest::newRow("english region") << "" << QStringList{"en-GB", "de"} << "en";
    }

    void detection()
    {
        QFETCH(QString, requested);
        QFETCH(QStringList, system);
        QTEST(ui::detectLanguage(requested, system), "code");
    }

    void environmentBeatsSetting()
    {
        AppSettings::instance()->setLanguage(QStringLiteral("fr"));
        qputenv("VARNHOLT_LANG", "de");
        QCOMPARE(ui::currentLanguage(), QStringLiteral("de"));
        qputenv("VARNHOLT_LANG", "");
        QCOMPARE(ui::currentLanguage(), QStringLiteral("fr"));
    }

    void applyLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("cjk");  // lower case, as the font database keeps them
        QTest::newRow("english") << "en" << "en_US" << QStringList{};
        QTest::newRow("german") << "de" << "de_DE" << QStringList{};
        QTest::newRow("japanese") << "ja" << "ja_JP" << QStringList{"yu gothic ui", "noto sans cjk jp"};
        QTest::newRow("simplified chinese")
            << "zh_CN" << "zh_CN" << QStringList{"microsoft yahei ui", "noto sans cjk sc"};
        QTest::newRow("traditional chinese")
            << "zh_TW" << "zh_TW" << QStringList{"microsoft jhenghei ui", "noto sans cjk tc"};
        QTest::newRow("korean") << "ko" << "ko_KR" << QStringList{"malgun gothic", "noto sans cjk kr"};
    }

    void applyLanguage()
    {
        QFETCH(QString, code);
        qputenv("VARNHOLT_LANG", code.toUtf8());
        ui::applyLanguage(QCoreApplication::instance());
        QTEST(QLocale().name(), "locale");
        for (const char *family : {"Segoe UI Variable Text", "Segoe UI Variable Display", "Segoe UI", "Inter"})
            QTEST(QFont::substitutes(QString::fromLatin1(family)), "cjk");
    }
};

QTEST_MAIN(TestI18n)
#include "tst_i18n.moc"

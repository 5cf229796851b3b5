#include "app/appsettings.h"
#include "ui/i18n.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

class TestI18n : public QObject
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

    void unknownCodeIsNamedEnglish()
    {
        QCOMPARE(ui::languages().size(), 10);
        QCOMPARE(ui::languageName(QStringLiteral("xx")), QStringLiteral("English"));
    }

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
        QTest::newRow("simplified") << "" << QStringList{"zh-Hans-CN"} << "zh_CN";
        QTest::newRow("macau") << "" << QStringList{"zh-MO"} << "zh_TW";
        QTest::newRow("taiwan") << "" << QStringList{"zh_TW"} << "zh_TW";
        QTest::newRow("bare chinese") << "" << QStringList{"zh"} << "zh_CN";
        QTest::newRow("portugal") << "" << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("italian then french") << "" << QStringList{"it-IT", "fr-FR"} << "fr";
        QTest::newRow("italian alone") << "" << QStringList{"it-IT"} << "en";
        QTest::newRow("nothing") << "" << QStringList{} << "en";
        QTest::newRow("japanese") << "" << QStringList{"ja-JP", "en-US"} << "ja";
        QTest::newRow("english region") << "" << QStringList{"en-GB", "de"} << "en";
    }

    void detection()
    {
        QFETCH(QString, requested);
        QFETCH(QStringList, system);
        QFETCH(QString, code);
        QCOMPARE(ui::detectLanguage(requested, system), code);
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
        QTest::addColumn<QStringList>("cjk");
        QTest::newRow("english") << "en" << "en_US" << QStringList{};
        QTest::newRow("german") << "de" << "de_DE" << QStringList{};
        QTest::newRow("japanese") << "ja" << "ja_JP" << QStringList{"Yu Gothic UI", "Noto Sans CJK JP"};
        QTest::newRow("simplified chinese")
            << "zh_CN" << "zh_CN" << QStringList{"Microsoft YaHei UI", "Noto Sans CJK SC"};
        QTest::newRow("traditional chinese")
            << "zh_TW" << "zh_TW" << QStringList{"Microsoft JhengHei UI", "Noto Sans CJK TC"};
        QTest::newRow("korean") << "ko" << "ko_KR" << QStringList{"Malgun Gothic", "Noto Sans CJK KR"};
    }

    void applyLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, locale);
        QFETCH(QStringList, cjk);
        qputenv("VARNHOLT_LANG", code.toUtf8());
        ui::applyLanguage(QCoreApplication::instance());
        QCOMPARE(QLocale().name(), locale);
        for (const QString &family : {QStringLiteral("Segoe UI Variable Text"),
                                      QStringLiteral("Segoe UI Variable Display"), QStringLiteral("Segoe UI"),
                                      QStringLiteral("Inter")})
        {
            // The font database keeps family names in lower case.
            QStringList expected;
            for (const QString &f : cjk)
                expected << f.toLower();
            QCOMPARE(QFont::substitutes(family), expected);
        }
    }
};

QTEST_MAIN(TestI18n)
#include "tst_i18n.moc"

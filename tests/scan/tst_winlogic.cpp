#include "scan/winlogic.h"
#include "support/testsupport.h"

#include <QTest>

class TestWinLogic : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("expected");
        for (const QStringList &f : testsupport::fixtureRows(QStringLiteral("scan/winlogic.tsv"), 4))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << (f[3] == u"-" ? QString() : f[3]);
        // Paths a line of text would not carry well.
        QTest::newRow("trailing dot and space kept") << "extendedPath" << "C:/t/name. /x " << R"(\\?\C:\t\name. \x )";
        QTest::newRow("just under MAX_PATH") << "shellCanParse" << "C:/" + QString(256, 'a') << "true";
        QTest::newRow("MAX_PATH long") << "shellCanParse" << "C:/" + QString(257, 'a') << "false";
        QTest::newRow("control character") << "shellCanParse" << QString("C:/t/a") + QChar(0x7) << "false";
    }
    void rules()
    {
        QFETCH(QString, function);
        QFETCH(QString, arguments);
        const QStringList a = arguments.split(u',');
        const auto yes = [](bool v) { return QString::fromLatin1(v ? "true" : "false"); };
        const auto hex = [&a](int i) { return a.value(i).toUInt(nullptr, 16); };
        static const char *const kinds[] = {"File", "Folder", "Link", "Special"};
        QString got;
        if (function == u"extendedPath")
            got = winlogic::extendedPath(arguments);
        else if (function == u"shellCanParse")
            got = yes(winlogic::shellCanParse(arguments));
        else if (function == u"classify")
            got = QString::fromLatin1(kinds[int(winlogic::classify(hex(0), hex(1)))]);
        else if (function == u"isVolumeMount")
            got = yes(winlogic::isVolumeMount(arguments));
        else if (function == u"mustNotOpen")
            got = yes(winlogic::mustNotOpen(arguments.toUInt()));
        else if (function == u"tempOwner")
            got = winlogic::tempOwner(a.value(0), a.value(1));
        else if (function == u"elevationHelps")
            got = yes(winlogic::elevationHelps(a.value(0).toInt(), a.value(1) == u"1", a.value(2) == u"1"));
        else
            QFAIL(qPrintable(u"no such function: " + function));
        QTEST(got, "expected");
    }
};

QTEST_GUILESS_MAIN(TestWinLogic)
#include "tst_winlogic.moc"

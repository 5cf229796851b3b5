#include "scan/winlogic.h"

#include <QTest>

using winlogic::Kind;

class TestWinLogic : public QObject
{
    Q_OBJECT

private slots:
    void extendedPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drive") << "C:/Users/a/AppData" << R"(\\?\C:\Users\a\AppData)";
        QTest::newRow("drive root") << "c:/" << R"(\\?\c:\)";
        QTest::newRow("trailing dot and space kept") << "C:/t/name. /x " << R"(\\?\C:\t\name. \x )";
        QTest::newRow("reserved name kept") << R"(C:\t\CON)" << R"(\\?\C:\t\CON)";
        QTest::newRow("doubled and trailing separators") << "C:\\t//a\\" << R"(\\?\C:\t\a)";
        QTest::newRow("share") << "//srv/share/dir" << R"(\\?\UNC\srv\share\dir)";
        QTest::newRow("share root") << R"(\\srv\share)" << R"(\\?\UNC\srv\share)";
        QTest::newRow("already extended") << R"(\\?\C:\a.)" << R"(\\?\C:\a.)";
        QTest::newRow("device path") << R"(\\.\Volume{1})" << R"(\\.\Volume{1})";
        QTest::newRow("relative") << "dir/file" << "";
        QTest::newRow("drive-relative") << "C:dir" << "";
        QTest::newRow("rooted without drive") << "/dir" << "";
        QTest::newRow("parent component") << "C:/a/../b" << "";
        QTest::newRow("dot component") << "C:/a/./b" << "";
        QTest::newRow("server without share") << "//srv" << "";
        QTest::newRow("empty") << "" << "";
    }
    void extendedPath()
    {
        QFETCH(QString, path);
        QTEST(winlogic::extendedPath(path), "expected");
    }

    // The shell parses paths the Win32 way: whatever that would alter must be
    // refused, never handed over to land on another entry.
    void shellCanParse_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("expected");
        QTest::newRow("drive") << "C:/Users/a/AppData/Local/x.tmp" << true;
        QTest::newRow("native separators") << R"(C:\Users\a\b c)" << true;
        QTest::newRow("share") << R"(\\srv\share\dir\f)" << true;
        QTest::newRow("inner dots and blanks") << "C:/a/.hidden/ name/a..b/con_file/com10/NULL" << true;
        QTest::newRow("just under MAX_PATH") << "C:/" + QString(256, 'a') << true;
        QTest::newRow("MAX_PATH long") << "C:/" + QString(257, 'a') << false;
        QTest::newRow("trailing dot") << "C:/t/name." << false;
        QTest::newRow("trailing blank on the way") << "C:/t/dir /f" << false;
        QTest::newRow("dot component") << "C:/t/./f" << false;
        QTest::newRow("parent component") << "C:/t/../f" << false;
        QTest::newRow("doubled separator") << "C:/t//f" << false;
        QTest::newRow("trailing separator") << "C:/t/" << false;
        QTest::newRow("device name") << "C:/t/NUL" << false;
        QTest::newRow("device name, lower case with extension") << "C:/t/con.txt" << false;
        QTest::newRow("device name with blank before extension") << "C:/t/aux .log" << false;
        QTest::newRow("numbered port") << "C:/t/Lpt9" << false;
        QTest::newRow("superscript port") << QString("C:/t/COM") + QChar(0xB9) << false;
        QTest::newRow("stream") << "C:/t/f:zone" << false;
        QTest::newRow("wildcard") << "C:/t/f*" << false;
        QTest::newRow("control character") << QString("C:/t/a") + QChar(0x7) << false;
        QTest::newRow("shell class folder") << "C:/t/bin.{645FF040-5081-101B-9F08-00AA002F954E}" << false;
        QTest::newRow("braces that are no class") << "C:/t/{645FF040}" << true;
        QTest::newRow("extended") << R"(\\?\C:\t\f)" << false;
        QTest::newRow("device path") << R"(\\.\C:\t\f)" << false;
        QTest::newRow("drive root") << "C:/" << false;
        QTest::newRow("share root") << "//srv/share" << false;
        QTest::newRow("relative") << "t/f" << false;
        QTest::newRow("drive-relative") << "C:t" << false;
        QTest::newRow("empty") << "" << false;
    }
    void shellCanParse()
    {
        QFETCH(QString, path);
        QTEST(winlogic::shellCanParse(path), "expected");
    }

    void classify_data()
    {
        QTest::addColumn<quint32>("attributes");
        QTest::addColumn<quint32>("tag");
        QTest::addColumn<Kind>("kind");
        constexpr quint32 dir = 0x10, reparse = 0x400, file = 0x20;
        QTest::newRow("file") << file << 0u << Kind::File;
        QTest::newRow("folder") << dir << 0u << Kind::Folder;
        QTest::newRow("tag ignored without the attribute") << dir << 0xA0000003u << Kind::Folder;
        QTest::newRow("junction") << (dir | reparse) << 0xA0000003u << Kind::Link;
        QTest::newRow("file symlink") << reparse << 0xA000000Cu << Kind::Link;
        QTest::newRow("folder symlink") << (dir | reparse) << 0xA000000Cu << Kind::Link;
        QTest::newRow("WSL symlink") << reparse << 0xA000001Du << Kind::Link;
        QTest::newRow("app execution alias") << reparse << 0x8000001Bu << Kind::Link;
        QTest::newRow("cloud placeholder") << reparse << 0x9000001Au << Kind::File;
        QTest::newRow("cloud placeholder, other flavour") << reparse << 0x9000301Au << Kind::File;
        QTest::newRow("cloud folder") << (dir | reparse) << 0x9000001Au << Kind::Folder;
        QTest::newRow("WOF compressed") << reparse << 0x80000017u << Kind::File;
        QTest::newRow("deduplicated") << reparse << 0x80000013u << Kind::File;
        QTest::newRow("unknown vendor tag") << reparse << 0x00001234u << Kind::File;
        QTest::newRow("AF_UNIX socket") << reparse << 0x80000023u << Kind::Special;
        QTest::newRow("WSL FIFO") << reparse << 0x80000024u << Kind::Special;
        QTest::newRow("WSL block device") << reparse << 0x80000026u << Kind::Special;
    }
    void classify()
    {
        QFETCH(quint32, attributes);
        QFETCH(quint32, tag);
        QTEST(winlogic::classify(attributes, tag), "kind");
    }

    // Mount targets, data that must stay where it is, whose temp entries a
    // run may offer and when elevating helps: one small table.
    void smallRules_data()
    {
        QTest::addColumn<int>("rule");  // 0 isVolumeMount, 1 mustNotOpen, 2 tempOwner, 3 elevationHelps
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        const QString user = "S-1-5-21-1-2-3-1001", aad = "S-1-12-1-5-6-7-8";
        QTest::newRow("junction target") << 0 << R"(\??\C:\Users\a\real)" << "" << "false";
        QTest::newRow("volume target") << 0 << R"(\??\Volume{0a1b}\)" << "" << "true";
        QTest::newRow("unreadable target") << 0 << "" << "" << "true";
        QTest::newRow("plain file") << 1 << "32" << "" << "false";
        QTest::newRow("offline") << 1 << "4096" << "" << "true";
        QTest::newRow("recall on data access") << 1 << "4194336" << "" << "true";
        QTest::newRow("recall on open") << 1 << "262144" << "" << "true";
        QTest::newRow("person") << 2 << user << "" << user;
        QTest::newRow("Azure AD person") << 2 << aad << user << aad;
        QTest::newRow("SYSTEM for a signed-in person") << 2 << "S-1-5-18" << user << user;
        QTest::newRow("SYSTEM alone") << 2 << "S-1-5-18" << "" << "";
        QTest::newRow("local service") << 2 << "S-1-5-19" << "S-1-5-20" << "";
        QTest::newRow("Administrators group") << 2 << "S-1-5-32-544" << "" << "";
        QTest::newRow("unknown") << 2 << "" << "" << "";
        // Elevation: "type,elevated" and whether the need is system-wide.
        QTest::newRow("split admin, own categories") << 3 << "3,0" << "0" << "true";
        QTest::newRow("already elevated") << 3 << "2,1" << "1" << "false";
        QTest::newRow("standard user, own categories") << 3 << "1,0" << "0" << "false";
        QTest::newRow("standard user, system folders") << 3 << "1,0" << "1" << "true";
        QTest::newRow("UAC off, administrator") << 3 << "1,1" << "1" << "false";
    }
    void smallRules()
    {
        QFETCH(int, rule);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const auto yes = [](bool v) { return QString::fromLatin1(v ? "true" : "false"); };
        const QString got = rule == 0 ? yes(winlogic::isVolumeMount(a))
            : rule == 1               ? yes(winlogic::mustNotOpen(a.toUInt()))
            : rule == 2 ? winlogic::tempOwner(a, b)
                        : yes(winlogic::elevationHelps(a.section(',', 0, 0).toInt(), a.section(',', 1) == "1", b == "1"));
        QTEST(got, "expected");
    }
};

QTEST_GUILESS_MAIN(TestWinLogic)
#include "tst_winlogic.moc"

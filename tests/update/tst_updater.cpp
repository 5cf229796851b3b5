#include "update/appimage.h"
#include "update/updater.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using MR = Updater::ManifestResult;

namespace {

const QString kDomain = QStringLiteral("varnholt.app");
const QString kSha = QStringLiteral("ab").repeated(32);
const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);

QJsonObject goodEntry()
{
    return QJsonObject{{"version", "1.2.0"},
                       {"url", "https://dl.varnholt.app/Varnholt-1.2.0.exe"},
                       {"sha256", kSha},
                       {"size", "84 MB"},
                       {"date", "2026-11-02"},
                       {"change", QJsonArray{"Faster scans", "Fixes"}}};
}

void put(QJsonObject &object, const QString &key, const QJsonValue &value)
{
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
}

// A manifest that expires a week after kNow, with these members.
QByteArray manifestOf(const QJsonObject &members)
{
    QJsonObject root{{"expires", "2026-06-08T00:00:00Z"}};
    for (auto it = members.begin(); it != members.end(); ++it)
        root.insert(it.key(), it.value());
    return QJsonDocument(root).toJson();
}

// A valid manifest with one member of the platform entry replaced.
QByteArray manifestWith(const QString &key, const QJsonValue &value)
{
    QJsonObject entry = goodEntry();
    put(entry, key, value);
    return manifestOf({{Updater::platformKey(), entry}});
}

// A valid manifest with one member of its top level replaced.
QByteArray manifestWithTop(const QString &key, const QJsonValue &value)
{
    QJsonObject root{{"expires", "2026-06-08T00:00:00Z"}, {Updater::platformKey(), goodEntry()}};
    put(root, key, value);
    return QJsonDocument(root).toJson();
}

// Pads a valid manifest with trailing white space to an exact byte count.
QByteArray paddedTo(qsizetype size)
{
    QByteArray body = manifestWith("date", "x");
    return body + QByteArray(size - body.size(), ' ');
}

} // namespace

class TestUpdater final : public QObject
{
    Q_OBJECT

private slots:
    void versions_data()
    {
        QTest::addColumn<QString>("published");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<bool>("same");
        QTest::newRow("patch above nine") << "1.0.10" << "1.0.9" << true << true << false;
        QTest::newRow("fourth segment") << "1.0.0.1" << "1.0.0" << true << true << false;
        QTest::newRow("missing segment is zero") << "1.0" << "1.0.0" << true << false << true;
        QTest::newRow("older") << "0.9.9" << "1.0.0" << true << false << false;
        QTest::newRow("leading zeros count by value") << "1.0.010" << "1.0.9" << true << true << false;
        QTest::newRow("leading zeros equal") << "01.00.0" << "1.0" << true << false << true;
        QTest::newRow("segment too big for 64 bits") << "1.99999999999999999999999999" << "1.9" << true << true << false;
        QTest::newRow("39 characters") << "1." + QString(37, '0') << "0.1" << true << true << false;
        QTest::newRow("40 characters") << "1." + QString(38, '0') << "0.1" << false << false << false;
        QTest::newRow("suffix") << "1.1.0-beta" << "1.0.0" << false << false << false;
        QTest::newRow("five segments") << "1.0.0.0.1" << "1.0.0" << false << false << false;
        QTest::newRow("one segment") << "2" << "1.0.0" << false << false << false;
        QTest::newRow("trailing newline") << "1.1.0\n" << "1.0.0" << false << false << false;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661.\u0662") << "1.0.0" << false << false << false;
        QTest::newRow("current invalid") << "2.0.0" << "1.0.0-dev" << true << false << false;
        QTest::newRow("equal with an invalid one") << "" << "0.0" << false << false << false;
    }
    void versions()
    {
        QFETCH(QString, published);
        QFETCH(QString, current);
        QFETCH(bool, valid);
        QFETCH(bool, newer);
        QFETCH(bool, same);
        QCOMPARE(Updater::isValidVersion(published), valid);
        QCOMPARE(Updater::isNewerVersion(published, current), newer);
        QCOMPARE(Updater::isSameVersion(published, current), same);
    }

    void trustedUrls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<bool>("trusted");
        QTest::newRow("domain itself") << "https://varnholt.app/a.exe" << kDomain << true;
        QTest::newRow("sub-domain") << "https://dl.eu.varnholt.app/a.exe" << kDomain << true;
        QTest::newRow("upper-case host and scheme") << "HTTPS://DL.Varnholt.APP/a" << kDomain << true;
        QTest::newRow("plain http") << "http://dl.varnholt.app/a.exe" << kDomain << false;
        QTest::newRow("user name") << "https://user@dl.varnholt.app/a.exe" << kDomain << false;
        QTest::newRow("password only") << "https://:pw@dl.varnholt.app/a.exe" << kDomain << false;
        QTest::newRow("look-alike prefix") << "https://evilvarnholt.app/a.exe" << kDomain << false;
        QTest::newRow("domain as sub-domain") << "https://varnholt.app.evil.com/a" << kDomain << false;
        QTest::newRow("domain in user info") << "https://varnholt.app@evil.com/a" << kDomain << false;
        QTest::newRow("other scheme") << "ftp://varnholt.app/a" << kDomain << false;
        QTest::newRow("no host") << "https:///a" << kDomain << false;
        QTest::newRow("empty domain lets all pass") << "http://127.0.0.1:8080/a" << QString() << true;
    }
    void trustedUrls()
    {
        QFETCH(QString, url);
        QFETCH(QString, domain);
        QFETCH(bool, trusted);
        QCOMPARE(Updater::isTrustedUrl(QUrl(url), domain), trusted);
    }

    void manifest_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<MR>("result");
        const QString key = Updater::platformKey();
        QTest::newRow("valid") << manifestWith("extra", 42) << MR::Valid;
        QTest::newRow("empty change list") << manifestWith("change", QJsonArray()) << MR::Valid;
        QTest::newRow("size and date wrong-typed") << manifestWith("size", 84) << MR::Valid;
        QTest::newRow("exactly 256 KiB") << paddedTo(262144) << MR::Valid;
        QTest::newRow("one byte over 256 KiB") << paddedTo(262145) << MR::Invalid;
        QTest::newRow("truncated") << manifestWith("size", "1").chopped(9) << MR::Invalid;
        QTest::newRow("array") << QByteArray("[{\"version\":\"2.0\"}]") << MR::Invalid;
        QTest::newRow("trailing garbage") << manifestWith("size", "1") + "}" << MR::Invalid;
        QTest::newRow("deep nesting") << QByteArray(100000, '[') << MR::Invalid;
        QTest::newRow("no entry for us") << manifestOf({{"mac", QJsonObject()}}) << MR::NoEntry;
#if !defined(Q_OS_WIN)
        // A Linux build never takes the Windows installer, even when nothing else is published.
        QTest::newRow("windows entry only") << manifestOf({{"win", goodEntry()}}) << MR::NoEntry;
#endif
        QTest::newRow("entry not an object") << manifestWithTop(key, "1.2") << MR::Invalid;
        QTest::newRow("expires with an offset") << manifestWithTop("expires", "2026-06-01T14:00:01+02:00") << MR::Valid;
        QTest::newRow("expires now") << manifestWithTop("expires", "2026-06-01T14:00:00+02:00") << MR::Invalid;
        QTest::newRow("expired") << manifestWithTop("expires", "2026-06-01T11:59:59Z") << MR::Invalid;
        QTest::newRow("expired, nothing for us")
            << manifestOf({{"expires", "2026-01-01T00:00:00Z"}, {"mac", QJsonObject()}}) << MR::Invalid;
        QTest::newRow("expiry missing") << manifestWithTop("expires", QJsonValue::Undefined) << MR::Invalid;
        QTest::newRow("expiry not a time") << manifestWithTop("expires", "next week") << MR::Invalid;
        QTest::newRow("build for this processor") << manifestWith("arch", QSysInfo::buildCpuArchitecture()) << MR::Valid;
        QTest::newRow("build for another processor") << manifestWith("arch", "riscv64") << MR::NoEntry;
        QTest::newRow("processor not a name") << manifestWith("arch", 64) << MR::Invalid;
        QTest::newRow("version suffix") << manifestWith("version", "1.2.0-rc1") << MR::Invalid;
        QTest::newRow("version number") << manifestWith("version", 1.2) << MR::Invalid;
        QTest::newRow("version missing") << manifestWith("version", QJsonValue::Undefined) << MR::Invalid;
        QTest::newRow("url missing") << manifestWith("url", QJsonValue::Undefined) << MR::Invalid;
        QTest::newRow("url relative") << manifestWith("url", "Varnholt.exe") << MR::Invalid;
        QTest::newRow("url untrusted") << manifestWith("url", "https://evilvarnholt.app/a") << MR::Invalid;
        QTest::newRow("url broken") << manifestWith("url", "https://dl.varnholt.app:99999/a") << MR::Invalid;
        QTest::newRow("sha256 63 digits") << manifestWith("sha256", kSha.left(63)) << MR::Invalid;
        QTest::newRow("sha256 65 digits") << manifestWith("sha256", QString(kSha + "a")) << MR::Invalid;
        QTest::newRow("sha256 number") << manifestWith("sha256", 12345) << MR::Invalid;
        QTest::newRow("sha256 newline") << manifestWith("sha256", QString(kSha + "\n")) << MR::Invalid;
        QTest::newRow("change missing") << manifestWith("change", QJsonValue::Undefined) << MR::Invalid;
        QTest::newRow("change with number") << manifestWith("change", QJsonArray{"a", 1}) << MR::Invalid;
    }
    void manifest()
    {
        QFETCH(QByteArray, body);
        QFETCH(MR, result);
        UpdateInfo info;
        QCOMPARE(Updater::parseManifest(body, kDomain, info, kNow), result);
        if (result != MR::Valid)
            QVERIFY(info.version.isEmpty() && info.url.isEmpty());
    }

    void manifestFields()
    {
        UpdateInfo info;
        QCOMPARE(Updater::parseManifest(manifestWith("sha256", kSha.toUpper()), kDomain, info, kNow), MR::Valid);
        QCOMPARE(info.sha256, kSha);
        QCOMPARE(info.version, "1.2.0");
        QCOMPARE(info.url, QUrl("https://dl.varnholt.app/Varnholt-1.2.0.exe"));
        QCOMPARE(info.changes, QStringList({"Faster scans", "Fixes"}));
        QCOMPARE(info.size, "84 MB");
    }

    void installerNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::newRow("last segment") << "https://h/a/Varnholt-2.0.AppImage" << "Varnholt-2.0.AppImage";
        QTest::newRow("trailing slash") << "https://h/a/" << "varnholt-update";
        QTest::newRow("no path") << "https://h" << "varnholt-update";
        QTest::newRow("dot dot") << "https://h/a/%2E%2E" << "varnholt-update";
        QTest::newRow("encoded slash") << "https://h/a/..%2F..%2Fbin%2Fsh" << "sh";
        QTest::newRow("backslash") << "https://h/a/..%5Cevil.exe" << "varnholt-update";
        QTest::newRow("control character") << "https://h/a/x%0Ay" << "varnholt-update";
    }
    void installerNames()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(Updater::installerFileName(QUrl(url)), name);
    }

#if !defined(Q_OS_WIN)
    // Paths are relative to a scratch folder holding the image, the image's mount
    // "app" (with a link "applink" to it) and two folders beside it.
    void appImageRule_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("believed");
        QTest::newRow("running inside the image") << "V.AppImage" << "app" << "app/usr/bin/v" << true;
        QTest::newRow("mount reached through a link") << "V.AppImage" << "applink" << "app/usr/bin/v" << true;
        QTest::newRow("inherited, no mount") << "V.AppImage" << "" << "app/usr/bin/v" << false;
        QTest::newRow("program outside the mount") << "V.AppImage" << "app" << "other/v" << false;
        QTest::newRow("mount only a name prefix") << "V.AppImage" << "app" << "app2/usr/bin/v" << false;
        QTest::newRow("mount is the root") << "V.AppImage" << "/" << "app/usr/bin/v" << false;
        QTest::newRow("image is a link") << "link.AppImage" << "app" << "app/usr/bin/v" << false;
        QTest::newRow("image missing") << "gone.AppImage" << "app" << "app/usr/bin/v" << false;
    }
    void appImageRule()
    {
        QFETCH(QString, image);
        QFETCH(QString, appDir);
        QFETCH(QString, program);
        QFETCH(bool, believed);
        QTemporaryDir root;
        const auto at = [&](const QString &p) { return p.isEmpty() || p.startsWith(u'/') ? p : root.filePath(p); };
        for (const char *file : {"V.AppImage", "app/usr/bin/v", "other/v", "app2/usr/bin/v"}) {
            QVERIFY(QDir().mkpath(QFileInfo(at(file)).path()));
            QFile f(at(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(at("V.AppImage"), at("link.AppImage")) && QFile::link(at("app"), at("applink")));
        QCOMPARE(appimage::imageFor(at(image), at(appDir), at(program)), believed ? at(image) : QString());
    }
#endif
};

QTEST_GUILESS_MAIN(TestUpdater)
#include "tst_updater.moc"

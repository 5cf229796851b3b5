#include "update/appimage.h"
#include "update/signature.h"
#include "update/signature_p.h"
#include "update/updater.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <tuple>

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

// A manifest that expires a week after kNow with goodEntry() for this platform,
// changed as a row of manifests.json says: "entry" replaces members of the
// entry (null removes one), or, when it is not an object, is the entry itself
// (null: no entry for us); "top" does the same for the manifest's members.
QByteArray manifestWith(const QJsonValue &entryChanges, const QJsonObject &topChanges = {})
{
    const auto change = [](QJsonObject &object, const QJsonObject &changes) {
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it->isNull())
                object.remove(it.key());
            else
                object.insert(it.key(), *it);
        }
    };
    QJsonObject entry = goodEntry();
    change(entry, entryChanges.toObject());
    QJsonObject root{{"expires", "2026-06-08T00:00:00Z"}};
    if (!entryChanges.isNull())
        root.insert(Updater::platformKey(), entryChanges.isObject() ? QJsonValue(entry) : entryChanges);
    change(root, topChanges);
    return QJsonDocument(root).toJson();
}

// Pads a valid manifest with trailing white space to an exact byte count.
QByteArray paddedTo(qsizetype size)
{
    QByteArray body = manifestWith(QJsonObject{{"date", "x"}});
    return body + QByteArray(size - body.size(), ' ');
}

// The rows of a table in tests/fixtures/update/<name>: a JSON array of
// objects, one a line, each named by its "row" and with the members of the
// first. A file that does not parse, or a row with other members, fails the
// test that reads it.
void readRows(const char *name, QJsonArray &rows)
{
    QFile file(QStringLiteral(VARNHOLT_FIXTURES "/update/") + QLatin1String(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonParseError error;
    rows = QJsonDocument::fromJson(file.readAll(), &error).array();
    QVERIFY2(error.error == QJsonParseError::NoError && !rows.isEmpty(), qPrintable(error.errorString()));
    for (const QJsonValue &row : rows)
        QVERIFY2(row.toObject().keys() == rows.first().toObject().keys(), qPrintable(row["row"].toString()));
}

// The Ed25519 back ends this build has: signature::verify, and both libraries
// where the test compiles in the one the platform does not use.
using Verify = std::function<bool(QByteArrayView, QByteArrayView, QByteArrayView)>;
const QList<std::pair<const char *, Verify>> kBackEnds = {
    {"signature::verify", signature::verify},
#ifdef VARNHOLT_TEST_GCRYPT_BACKEND
    {"OpenSSL", signature::backend::verifyOpenSsl},
    {"libgcrypt", signature::backend::verifyGcrypt},
#endif
};

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
        QJsonArray rows;
        readRows("versions.json", rows);
        for (const QJsonValue &v : rows)
            QTest::newRow(qPrintable(v["row"].toString())) << v["published"].toString() << v["current"].toString()
                                                           << v["valid"].toBool() << v["newer"].toBool() << v["same"].toBool();
    }
    void versions()
    {
        QFETCH(QString, published);
        QFETCH(QString, current);
        QTEST(Updater::isValidVersion(published), "valid");
        QTEST(Updater::isNewerVersion(published, current), "newer");
        QTEST(Updater::isSameVersion(published, current), "same");
    }

    void trustedUrls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<bool>("trusted");
        QJsonArray rows;
        readRows("trustedurls.json", rows);
        for (const QJsonValue &v : rows)
            QTest::newRow(qPrintable(v["row"].toString())) << v["url"].toString() << v["domain"].toString() << v["trusted"].toBool();
    }
    void trustedUrls()
    {
        QFETCH(QString, url);
        QFETCH(QString, domain);
        QTEST(Updater::isTrustedUrl(QUrl(url), domain), "trusted");
    }

    void manifest_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<MR>("result");
        QJsonArray rows;
        readRows("manifests.json", rows);
        const QHash<QString, MR> results{{"Valid", MR::Valid}, {"NoEntry", MR::NoEntry}, {"Invalid", MR::Invalid}};
        for (const QJsonValue &v : rows)
            QTest::newRow(qPrintable(v["row"].toString()))
                << manifestWith(v["entry"], v["top"].toObject()) << results.value(v["result"].toString(), MR(-1));
        // Rows of other shapes than a change of members.
        QTest::newRow("exactly 256 KiB") << paddedTo(262144) << MR::Valid;
        QTest::newRow("one byte over 256 KiB") << paddedTo(262145) << MR::Invalid;
        QTest::newRow("truncated") << manifestWith(QJsonObject{{"size", "1"}}).chopped(9) << MR::Invalid;
        QTest::newRow("array") << QByteArray("[{\"version\":\"2.0\"}]") << MR::Invalid;
        QTest::newRow("trailing garbage") << manifestWith(QJsonObject{{"size", "1"}}) + "}" << MR::Invalid;
        QTest::newRow("deep nesting") << QByteArray(100000, '[') << MR::Invalid;
        QTest::newRow("build for this processor")
            << manifestWith(QJsonObject{{"arch", QSysInfo::buildCpuArchitecture()}}) << MR::Valid;
#if !defined(Q_OS_WIN)
        // A Linux build never takes the Windows installer, even when nothing else is published.
        QTest::newRow("windows entry only") << manifestWith(QJsonValue::Null, {{"win", goodEntry()}}) << MR::NoEntry;
#endif
    }

    void manifest()
    {
        QFETCH(QByteArray, body);
        QFETCH(MR, result);
        UpdateInfo info;
        QCOMPARE(Updater::parseManifest(body, kDomain, info, kNow), result);
        // Every valid row keeps these members of goodEntry(); the checksum is
        // compared in lower case.
        if (result == MR::Valid)
            QCOMPARE(std::tuple(info.version, info.url, info.sha256),
                     std::tuple(QString("1.2.0"), QUrl("https://dl.varnholt.app/Varnholt-1.2.0.exe"), kSha));
        else
            QVERIFY(info.version.isEmpty() && info.url.isEmpty());
    }

    void installerNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QJsonArray rows;
        readRows("installernames.json", rows);
        for (const QJsonValue &v : rows)
            QTest::newRow(qPrintable(v["row"].toString())) << v["url"].toString() << v["name"].toString();
    }
    void installerNames()
    {
        QFETCH(QString, url);
        QTEST(Updater::installerFileName(QUrl(url)), "name");
    }

    // The installer's signer is recognised by its certificate's SHA-256
    // thumbprint, however a release engineer copied it into the configuration.
    void acceptedSigners_data()
    {
        QTest::addColumn<QByteArray>("certificate"); // the signer certificate's SHA-256
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<bool>("matches");
        QJsonArray rows;
        readRows("signers.json", rows);
        for (const QJsonValue &v : rows)
            QTest::newRow(qPrintable(v["row"].toString()))
                << QByteArray::fromHex(v["certificate"].toString().toLatin1())
                << v["accepted"].toVariant().toStringList() << v["matches"].toBool();
    }
    void acceptedSigners()
    {
        QFETCH(QByteArray, certificate);
        QFETCH(QStringList, accepted);
        QTEST(signature::isAcceptedSigner(certificate, accepted), "matches");
    }

    // Known signatures, and the forms of key and signature one of the two
    // libraries accepts or aborts the program on by itself. Every back end
    // must give the one answer isWellFormed allows: a valid signature with a
    // key and R of order L, canonically encoded, holds; nothing else does.
    // known.json holds the two signatures of RFC 8032 (tests 1 and 2), test 1
    // with one thing changed, and the keys libgcrypt 1.10 aborts on (see the
    // README there). ed25519vectors.json holds the C2SP edge cases: every point
    // input of small order, with a component of small order, or
    // non-canonical, which takes in the keys and R of "Taming the many
    // EdDSAs" (Chalkias, Garillot, Nikolaenko, 2020); its S of L or more is a
    // row of known.json. Only a vector with no flags is an ordinary signature.
    void signatureEdges_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<bool>("valid");
        for (const auto &[name, count] : {std::pair("known.json", 11), std::pair("ed25519vectors.json", 914)}) {
            QFile file(QStringLiteral(VARNHOLT_FIXTURES "/ed25519/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QJsonArray vectors = QJsonDocument::fromJson(file.readAll()).array();
            QCOMPARE(vectors.size(), count);
            for (const QJsonValue &v : vectors) {
                const QJsonArray flags = v["flags"].toArray();
                QStringList names;
                for (const QJsonValue &f : flags)
                    names << f.toString();
                const QString row = v["name"].toString(QStringLiteral("vector %1 %2").arg(v["number"].toInt()).arg(names.join(u',')));
                QTest::newRow(qPrintable(row))
                    << QByteArray::fromHex(v["key"].toString().toLatin1()) << v["msg"].toString().toUtf8()
                    << QByteArray::fromHex(v["sig"].toString().toLatin1()) << flags.isEmpty();
            }
        }
    }
    void signatureEdges()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, signature);
        QFETCH(bool, valid);
        QStringList answers;
        bool allRight = true;
        for (const auto &[name, verify] : kBackEnds) {
            const bool answer = verify(message, signature, key);
            answers << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(answer);
            allRight = allRight && answer == valid;
        }
        QVERIFY2(allRight, qPrintable(answers.join(u", ")));
    }

    void busyFileRetries_data()
    {
        QTest::addColumn<quint32>("error");
        QTest::addColumn<int>("retriesDone");
        QTest::addColumn<bool>("retry");
        QTest::newRow("sharing violation") << 32u << 0 << true;
        QTest::newRow("access denied, last retry") << 5u << Updater::kBusyRetries - 1 << true;
        QTest::newRow("access denied, retries used up") << 5u << Updater::kBusyRetries << false;
        QTest::newRow("file not found") << 2u << 0 << false;
        QTest::newRow("lock violation") << 33u << 0 << false;
        QTest::newRow("no error code") << 0u << 0 << false;
    }
    void busyFileRetries()
    {
        QFETCH(quint32, error);
        QFETCH(int, retriesDone);
        QTEST(Updater::retryBusyFile(error, retriesDone), "retry");
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

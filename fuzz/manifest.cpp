// The update manifest: what the update server, or whoever stands in for it,
// sends. The input is the manifest, read as if its signature had been
// checked (signature.cpp fuzzes that check), for the reader behind the check
// has to hold against a leaked key as well.

#include "fuzz/fuzzinput.h"
#include "update/updater.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString domain = Updater::defaultTrustedDomain();
    static const QDateTime now(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);
    UpdateInfo info;
    if (Updater::parseManifest(bytesOf(data, size), domain, info, now) != Updater::ManifestResult::Valid)
        return 0;
    // What a valid manifest hands on: a version to compare, an address to
    // download from on the trusted domain, a checksum and a file name.
    FUZZ_CHECK(Updater::isValidVersion(info.version));
    FUZZ_CHECK(info.url.isValid() && !info.url.isRelative() && Updater::isTrustedUrl(info.url, domain));
    static const QRegularExpression hex64(QRegularExpression::anchoredPattern(QStringLiteral("[0-9a-f]{64}")));
    FUZZ_CHECK(hex64.match(info.sha256).hasMatch());
    const QString name = Updater::installerFileName(info.url);
    FUZZ_CHECK(!name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".."));
    Updater::isNewerVersion(info.version, QStringLiteral(VARNHOLT_VERSION));
    return 0;
}

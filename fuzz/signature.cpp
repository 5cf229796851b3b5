// The signature check of the update manifest: the detached signature file
// (base64 text of an Ed25519 signature) comes from the same server as the
// manifest. The input is that file; it is checked against a manifest under
// the release key, which nothing the fuzzer makes may pass, and the same
// bytes as a thumbprint of an installer's signing certificate.

#include "fuzz/fuzzinput.h"
#include "update/signature.h"
#include "update/updater.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray manifest = QByteArrayLiteral(
        "{\"expires\": \"2026-06-08T00:00:00Z\", \"linux\": {\"version\": \"1.2.0\", "
        "\"url\": \"https://dl.varnholt.app/Varnholt-1.2.0.AppImage\", \"change\": []}}\n");
    const QByteArray text = bytesOf(data, size);
    FUZZ_CHECK(!Updater::isSignedManifest(manifest, text, signature::releaseKey()));
    const QByteArray thumbprint = signature::parseThumbprint(QString::fromUtf8(text));
    FUZZ_CHECK(thumbprint.isEmpty() || thumbprint.size() == 32);
    return 0;
}

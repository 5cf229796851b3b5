#include "update/signature.h"

#include <openssl/evp.h>

#include <memory>

namespace {

constexpr unsigned char kReleaseKey[32] = {
    0x81, 0x84, 0xf4, 0x14, 0x36, 0x95, 0xc3, 0xdf, 0xe6, 0x0f, 0xb6, 0xcb, 0x60, 0x50, 0x71, 0xeb,
    0x47, 0xf0, 0x2b, 0x9e, 0x09, 0x77, 0x44, 0x22, 0x16, 0x5d, 0x11, 0x47, 0xa1, 0xc8, 0x8a, 0xa7,
};

struct PkeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};

const unsigned char *bytes(QByteArrayView data)
{
    // OpenSSL wants a non-null pointer even for an empty message.
    static const unsigned char empty = 0;
    return data.isEmpty() ? &empty : reinterpret_cast<const unsigned char *>(data.data());
}

} // namespace

QByteArray signature::releaseKey()
{
    return QByteArray(reinterpret_cast<const char *>(kReleaseKey), sizeof kReleaseKey);
}

QByteArray signature::decode(QByteArrayView base64Text)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64Text.trimmed().toByteArray(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded && decoded.decoded.size() == 64 ? decoded.decoded : QByteArray();
}

bool signature::verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey)
{
    if (signature.size() != 64 || publicKey.size() != 32)
        return false;
    const std::unique_ptr<EVP_PKEY, PkeyFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, bytes(publicKey), size_t(publicKey.size())));
    const std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    // Ed25519 signs the whole message at once: there is no streaming form.
    return key && ctx && EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) == 1
        && EVP_DigestVerify(ctx.get(), bytes(signature), size_t(signature.size()), bytes(message),
                            size_t(message.size()))
               == 1;
}

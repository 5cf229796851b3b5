#include "update/signature_p.h"

#include <openssl/evp.h>

#include <memory>

namespace {

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

bool signature::backend::verifyOpenSsl(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey)
{
    if (!isWellFormed(signature, publicKey))
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

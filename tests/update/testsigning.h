#pragma once

// Signing with the test key pair of the fixtures (or a throw-away key), so tests can
// produce downloads the updater accepts once the test public key is injected.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

using KeyPtr = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;

inline KeyPtr testKey()
{
    QFile file(QStringLiteral(VARNHOLT_FIXTURES "/update/test-signing-key.pem"));
    file.open(QIODevice::ReadOnly);
    const QByteArray pem = file.readAll();
    BIO *bio = BIO_new_mem_buf(pem.constData(), int(pem.size()));
    KeyPtr key(PEM_read_bio_PrivateKey(bio, nullptr, nullptr, nullptr), &EVP_PKEY_free);
    BIO_free(bio);
    return key;
}

inline QByteArray rawPublicKey(EVP_PKEY *key)
{
    QByteArray raw(32, 0);
    size_t length = size_t(raw.size());
    EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char *>(raw.data()), &length);
    return raw;
}

inline QString sign(const QByteArray &data, EVP_PKEY *key)
{
    QByteArray sig(64, 0);
    size_t length = size_t(sig.size());
    EVP_MD_CTX *ctx = EVP_MD_CTX_new();
    EVP_DigestSignInit(ctx, nullptr, nullptr, nullptr, key);
    EVP_DigestSign(ctx, reinterpret_cast<unsigned char *>(sig.data()), &length,
                   reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()));
    EVP_MD_CTX_free(ctx);
    return QString::fromLatin1(sig.toBase64());
}

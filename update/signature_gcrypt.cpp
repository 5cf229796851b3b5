#include "update/signature_p.h"

#include <gcrypt.h>

#include <climits>
#include <memory>

namespace {

// libgcrypt must be initialised once, before its first use, and then finished
// off, or it warns and refuses some calls. The first caller does it; callers on
// other threads wait for it (a function-local static). Nothing here needs its
// secure memory, which would otherwise have to be set up first. Anyone in the
// process who initialised it before keeps their settings.
bool gcryptReady()
{
    static const bool ready = [] {
        if (!gcry_check_version(GCRYPT_VERSION))
            return false;
        if (!gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
            gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
            gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        }
        return true;
    }();
    return ready;
}

struct SexpFree {
    void operator()(gcry_sexp *sexp) const { gcry_sexp_release(sexp); }
};
using Sexp = std::unique_ptr<gcry_sexp, SexpFree>;

// Builds an S-expression from a format whose arguments are all %b (length,
// bytes); null when that fails.
template<typename... Args>
Sexp build(const char *format, Args... args)
{
    gcry_sexp_t sexp = nullptr;
    if (gcry_sexp_build(&sexp, nullptr, format, args...) != 0)
        return {};
    return Sexp(sexp);
}

const void *bytes(QByteArrayView data)
{
    // A %b of length 0 still takes a pointer.
    static const char empty = 0;
    return data.isEmpty() ? &empty : data.data();
}

} // namespace

bool signature::backend::verifyGcrypt(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey)
{
    if (!isWellFormed(signature, publicKey) || message.size() > INT_MAX || !gcryptReady())
        return false;
    // The key is the encoded point as is; "eddsa" in the data's flags makes
    // libgcrypt hash the message itself, with SHA-512, as Ed25519 does.
    const Sexp key = build("(public-key (ecc (curve Ed25519) (flags eddsa) (q %b)))", int(publicKey.size()),
                           bytes(publicKey));
    const Sexp sig = build("(sig-val (eddsa (r %b) (s %b)))", 32, bytes(signature.first(32)), 32,
                           bytes(signature.sliced(32)));
    const Sexp data = build("(data (flags eddsa) (hash-algo sha512) (value %b))", int(message.size()),
                            bytes(message));
    return key && sig && data && gcry_pk_verify(sig.get(), data.get(), key.get()) == 0;
}

#pragma once

// The two Ed25519 back ends behind signature::verify: OpenSSL everywhere but
// Windows (signature_openssl.cpp), libgcrypt on Windows, where Debian's
// mingw-w64 has no OpenSSL (signature_gcrypt.cpp). A Linux build also compiles
// the libgcrypt one into the updater's test, which holds the two against each
// other. Both give the same answer for every input.

#include <QByteArrayView>

namespace signature::backend {

// Whether a signature and a public key are of a form a back end may check at
// all: 64 and 32 bytes, the signature's scalar S below the group order (so no
// second signature of a message can be made from a first one), and a key that
// is the canonical encoding of a point of large order (anyone can forge a
// signature for a point of small order). Both back ends start with it: on
// their own, OpenSSL accepts forgeries for small-order keys and libgcrypt
// accepts S plus the group order.
bool isWellFormed(QByteArrayView signature, QByteArrayView publicKey);

// signature::verify through one library. Each is complete, isWellFormed included.
bool verifyOpenSsl(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey);
bool verifyGcrypt(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey);

} // namespace signature::backend

#pragma once

// The two Ed25519 back ends behind signature::verify: OpenSSL everywhere but
// Windows (signature_openssl.cpp), libgcrypt on Windows, where Debian's
// mingw-w64 has no OpenSSL (signature_gcrypt.cpp). A Linux build also compiles
// the libgcrypt one into the updater's test, which holds the two against each
// other. Both give the same answer for every input: both start with
// isWellFormed, which lets through only what the two libraries check alike (a
// key and R of order L, canonically encoded, and S below L).

#include <QByteArrayView>

namespace signature::backend {

// Whether a signature and a public key are of a form a back end may check at
// all: 64 and 32 bytes, the signature's scalar S below the group order L (so
// no second signature of a message can be made from a first one), and the key
// and the signature's point R each the canonical encoding of a point of order
// exactly L (no point of small order, none with a component of small order;
// anyone can forge a signature for a key of small order), with no key
// libgcrypt cannot take. On their own, OpenSSL accepts forgeries for
// small-order keys, libgcrypt accepts S plus the group order, and the two
// disagree on points with a component of small order.
bool isWellFormed(QByteArrayView signature, QByteArrayView publicKey);

// signature::verify through one library. Each is complete, isWellFormed included.
bool verifyOpenSsl(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey);
bool verifyGcrypt(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey);

} // namespace signature::backend

#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Ed25519 signatures as the release tooling writes them: 64 raw bytes, carried
// as base64 text (in the manifest's "sig" members and in the manifest's detached
// signature file), checked against a raw 32-byte public key.
namespace signature {

// The public half of the release signing key; the private half never leaves the
// release machine (see the README's release notes for how releases are signed).
QByteArray releaseKey();

// The 64 signature bytes of a base64 text (surrounding white space allowed);
// empty when the text is not exactly that.
QByteArray decode(QByteArrayView base64Text);

// Whether `signature` (64 raw bytes) is a valid Ed25519 signature of all of
// `message` under `publicKey` (32 raw bytes). Any malformed input is false.
bool verify(QByteArrayView message, QByteArrayView signature, QByteArrayView publicKey);

} // namespace signature

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

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

// The SHA-256 thumbprints of the certificates Windows installers are signed
// with: set at build time (VARNHOLT_SIGNER_SHA256, thumbprints separated by
// ';'), so a renewed certificate needs no code change. Empty when the build
// names none, and then no installer is accepted.
QStringList releaseSigners();

// The 32 bytes of a SHA-256 thumbprint written as certificate viewers show
// it: 64 hexadecimal digits in either case, which may be grouped by spaces,
// colons or hyphens, around or between them the invisible direction marks
// some viewers copy along. Empty for anything else (a SHA-1 thumbprint, a
// prefix such as "0x", any other character).
QByteArray parseThumbprint(QStringView text);

// Whether `certificateSha256`, the SHA-256 of a signer certificate's encoded
// form, is one of the thumbprints in `accepted`. An unreadable certificate
// (not 32 bytes) and unparsable entries never match.
bool isAcceptedSigner(QByteArrayView certificateSha256, const QStringList &accepted);

} // namespace signature

#include "update/signature.h"

#include "update/signature_p.h"

#include <algorithm>
#include <array>

namespace {

constexpr unsigned char kReleaseKey[32] = {
    0x81, 0x84, 0xf4, 0x14, 0x36, 0x95, 0xc3, 0xdf, 0xe6, 0x0f, 0xb6, 0xcb, 0x60, 0x50, 0x71, 0xeb,
    0x47, 0xf0, 0x2b, 0x9e, 0x09, 0x77, 0x44, 0x22, 0x16, 0x5d, 0x11, 0x47, 0xa1, 0xc8, 0x8a, 0xa7,
};

bool isAsciiHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Numbers of 32 bytes, least significant byte first, as Ed25519 writes them.
using Number = std::array<unsigned char, 32>;

Number numberAt(QByteArrayView bytes)
{
    Number n;
    std::copy_n(reinterpret_cast<const unsigned char *>(bytes.data()), n.size(), n.begin());
    return n;
}

bool isBelow(const Number &a, const Number &b)
{
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

// The order of the group Ed25519 works in: 2^252 + 27742317777372353535851937790883648493.
constexpr Number kGroupOrder = {
    0xed, 0xd3, 0xf5, 0x5c, 0x1a, 0x63, 0x12, 0x58, 0xd6, 0x9c, 0xf7, 0xa2, 0xde, 0xf9, 0xde, 0x14,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10,
};
// The field's prime, 2^255 - 19; a point's y coordinate is canonical below it.
constexpr Number kPrime = {
    0xed, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
    0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x7f,
};
// The y coordinates of the points of small order other than y = 0 and y = 1,
// which the size rule below already refuses: p - 1 (order 2) and the two of
// the points of order 8.
constexpr Number kSmallOrderY[] = {
    {0xec, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
     0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x7f},
    {0x26, 0xe8, 0x95, 0x8f, 0xc2, 0xb2, 0x27, 0xb0, 0x45, 0xc3, 0xf4, 0x89, 0xf2, 0xef, 0x98, 0xf0,
     0xd5, 0xdf, 0xac, 0x05, 0xd3, 0xc6, 0x33, 0x39, 0xb1, 0x38, 0x02, 0x88, 0x6d, 0x53, 0xfc, 0x05},
    {0xc7, 0x17, 0x6a, 0x70, 0x3d, 0x4d, 0xd8, 0x4f, 0xba, 0x3c, 0x0b, 0x76, 0x0d, 0x10, 0x67, 0x0f,
     0x2a, 0x20, 0x53, 0xfa, 0x2c, 0x39, 0xcc, 0xc6, 0x4e, 0xc7, 0xfd, 0x77, 0x92, 0xac, 0x03, 0x7a},
};

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
#if defined(Q_OS_WIN)
    return backend::verifyGcrypt(message, signature, publicKey);
#else
    return backend::verifyOpenSsl(message, signature, publicKey);
#endif
}

bool signature::backend::isWellFormed(QByteArrayView signature, QByteArrayView publicKey)
{
    if (signature.size() != 64 || publicKey.size() != 32)
        return false;
    if (!isBelow(numberAt(signature.sliced(32)), kGroupOrder))
        return false;
    // The top bit is the sign of x; the rest is y.
    Number y = numberAt(publicKey);
    y[31] &= 0x7f;
    // libgcrypt 1.10 aborts the whole process when it decodes a key whose y
    // is below 2^192 (its upper 64 bits zero); both back ends refuse those
    // keys. A real key is one of them with a chance of one in 2^63.
    const bool shortY = std::all_of(y.begin() + 24, y.end(), [](unsigned char b) { return b == 0; });
    return !shortY && isBelow(y, kPrime)
        && std::find(std::begin(kSmallOrderY), std::end(kSmallOrderY), y) == std::end(kSmallOrderY);
}

QStringList signature::releaseSigners()
{
#ifdef VARNHOLT_SIGNER_SHA256
    return QString::fromLatin1(VARNHOLT_SIGNER_SHA256).split(u';', Qt::SkipEmptyParts);
#else
    return {};
#endif
}

QByteArray signature::parseThumbprint(QStringView text)
{
    QByteArray hex;
    hex.reserve(64);
    for (const QChar c : text) {
        if (c.isSpace() || c == u':' || c == u'-' || c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0xFEFF))
            continue;
        if (!isAsciiHexDigit(c.unicode()) || hex.size() == 64)
            return {};
        hex.append(char(c.unicode()));
    }
    return hex.size() == 64 ? QByteArray::fromHex(hex) : QByteArray();
}

bool signature::isAcceptedSigner(QByteArrayView certificateSha256, const QStringList &accepted)
{
    if (certificateSha256.size() != 32)
        return false;
    return std::any_of(accepted.cbegin(), accepted.cend(),
                       [&](const QString &t) { return parseThumbprint(t) == certificateSha256; });
}

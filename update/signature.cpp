#include "update/signature.h"

#include "update/signature_p.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

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
// The field's prime, 2^255 - 19; a coordinate is canonical below it.
constexpr Number kPrime = {
    0xed, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
    0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x7f,
};

// Just enough of the curve edwards25519 to tell which points the signature
// check takes: the points of the subgroup of prime order other than the
// neutral one. Everything here handles public values only, so nothing needs
// to run in constant time.
//
// A field element has 16 signed limbs of 16 bits, least significant first:
// products of two limbs and their sums fit in 64 bits with room to spare, so
// plain integer arithmetic does, with carries taken after each product.
using Fe = std::array<std::int64_t, 16>;

// The curve's constant d = -121665/121666, twice d, and a square root of -1.
constexpr Fe kD = {0x78a3, 0x1359, 0x4dca, 0x75eb, 0xd8ab, 0x4141, 0x0a4d, 0x0070,
                   0xe898, 0x7779, 0x4079, 0x8cc7, 0xfe73, 0x2b6f, 0x6cee, 0x5203};
constexpr Fe kD2 = {0xf159, 0x26b2, 0x9b94, 0xebd6, 0xb156, 0x8283, 0x149a, 0x00e0,
                    0xd130, 0xeef3, 0x80f2, 0x198e, 0xfce7, 0x56df, 0xd9dc, 0x2406};
constexpr Fe kSqrtMinusOne = {0xa0b0, 0x4a0e, 0x1b27, 0xc4ee, 0xe478, 0xad2f, 0x1806, 0x2f43,
                              0xd7a7, 0x3dfb, 0x0099, 0x2b4d, 0xdf0b, 0x4fc1, 0x2480, 0x2b83};
constexpr Fe kOne = {1};

// Brings limbs 1 to 15 into [0, 2^16) and folds the carry out of the top one
// back into limb 0 as 2^256 = 38 (mod p); the value stays the same modulo p.
// Taken again, it settles limb 0 too.
void carry(Fe &a)
{
    for (int i = 0; i < 16; ++i) {
        const std::int64_t c = a[i] >> 16; // rounds down, negative limbs too
        a[i] -= c * 65536;
        a[(i + 1) % 16] += i == 15 ? 38 * c : c;
    }
}

Fe add(const Fe &a, const Fe &b)
{
    Fe r;
    for (int i = 0; i < 16; ++i)
        r[i] = a[i] + b[i];
    return r;
}

Fe sub(const Fe &a, const Fe &b)
{
    Fe r;
    for (int i = 0; i < 16; ++i)
        r[i] = a[i] - b[i];
    return r;
}

Fe mul(const Fe &a, const Fe &b)
{
    std::array<std::int64_t, 31> t{};
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            t[i + j] += a[i] * b[j];
    Fe r;
    for (int i = 0; i < 16; ++i)
        r[i] = t[i] + (i < 15 ? 38 * t[i + 16] : 0);
    carry(r);
    carry(r);
    return r;
}

// The canonical bytes of a product (a value mul returned): below p.
Number bytesOf(Fe a)
{
    carry(a);
    carry(a);
    carry(a);
    // Subtracts p twice where it fits: what carry leaves is below 2p.
    for (int round = 0; round < 2; ++round) {
        Fe m;
        std::int64_t borrow = 0;
        for (int i = 0; i < 16; ++i) {
            const std::int64_t limb = i == 0 ? 0xffed : i == 15 ? 0x7fff : 0xffff;
            m[i] = a[i] - limb - borrow;
            borrow = (m[i] >> 16) & 1;
            m[i] &= 0xffff;
        }
        if (!borrow)
            a = m;
    }
    Number n;
    for (int i = 0; i < 16; ++i) {
        n[2 * i] = static_cast<unsigned char>(a[i] & 0xff);
        n[2 * i + 1] = static_cast<unsigned char>(a[i] >> 8);
    }
    return n;
}

// a^(2^252 - 3), the power a square root mod p is taken with.
Fe powP58(const Fe &a)
{
    Fe r = a;
    for (int bit = 250; bit >= 0; --bit) {
        r = mul(r, r);
        if (bit != 1)
            r = mul(r, a);
    }
    return r;
}

// A point in extended coordinates: x = X/Z, y = Y/Z, x y = T/Z.
struct Point {
    Fe x, y, z, t;
};

// The sum of two points: the formula works for any two, a point and itself
// or the neutral point included.
Point add(const Point &p, const Point &q)
{
    const Fe a = mul(sub(p.y, p.x), sub(q.y, q.x));
    const Fe b = mul(add(p.y, p.x), add(q.y, q.x));
    const Fe c = mul(mul(p.t, q.t), kD2);
    const Fe d0 = mul(p.z, q.z);
    const Fe d = add(d0, d0);
    const Fe e = sub(b, a), f = sub(d, c), g = add(d, c), h = add(b, a);
    return {mul(e, f), mul(h, g), mul(g, f), mul(e, h)};
}

// The point an encoding names, when it is the one canonical encoding of a
// point: y below p, x one of the two roots of the curve equation, and the
// sign bit not set for x = 0 (where -x is x).
std::optional<Point> decodePoint(const Number &encoded)
{
    Number yBytes = encoded;
    const bool negative = yBytes[31] & 0x80;
    yBytes[31] &= 0x7f;
    if (!isBelow(yBytes, kPrime))
        return std::nullopt;
    Fe y;
    for (int i = 0; i < 16; ++i)
        y[i] = yBytes[2 * i] | (std::int64_t(yBytes[2 * i + 1]) << 8);
    // x^2 = u / v with u = y^2 - 1 and v = d y^2 + 1; x = u v^3 (u v^7)^((p-5)/8)
    // is a root of that or of its negative.
    const Fe y2 = mul(y, y);
    const Fe u = sub(y2, kOne);
    const Fe v = add(mul(y2, kD), kOne);
    const Fe v3 = mul(mul(v, v), v);
    Fe x = mul(mul(u, v3), powP58(mul(u, mul(mul(v3, v3), v))));
    const Number uBytes = bytesOf(mul(u, kOne));
    if (bytesOf(mul(mul(x, x), v)) != uBytes)
        x = mul(x, kSqrtMinusOne);
    if (bytesOf(mul(mul(x, x), v)) != uBytes)
        return std::nullopt; // no point has this y
    const Number xBytes = bytesOf(x);
    if (xBytes == Number{} && negative)
        return std::nullopt;
    if (bool(xBytes[0] & 1) != negative)
        x = mul(sub(Fe{}, x), kOne);
    return Point{x, y, kOne, mul(x, y)};
}

bool isNeutral(const Point &p)
{
    return bytesOf(p.x) == Number{} && bytesOf(p.y) == bytesOf(p.z);
}

// Whether the point has order exactly L: L times it is the neutral point (so
// it has no component of small order, L being prime to the cofactor 8), and it
// is not the neutral point itself. That refuses the eight points of small
// order and every point that is one of them plus a point of order L.
bool hasGroupOrder(const Point &p)
{
    Point sum{Fe{}, kOne, kOne, Fe{}};
    for (int bit = 252; bit >= 0; --bit) {
        sum = add(sum, sum);
        if (kGroupOrder[bit / 8] >> (bit % 8) & 1)
            sum = add(sum, p);
    }
    return isNeutral(sum) && !isNeutral(p);
}

// Whether the upper 64 bits of a canonical coordinate are all zero.
bool isShort(const Number &coordinate)
{
    return std::all_of(coordinate.begin() + 24, coordinate.end(), [](unsigned char b) { return b == 0; });
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
    // Both libraries check R and the key only as far as their own sums need,
    // and not alike: for keys of small order, with a component of small
    // order, or encoded the non-canonical way their answers differ, and
    // libgcrypt aborts the whole process on some keys. Taking only points of
    // order L, canonically encoded, makes the answer the same through either:
    // each then checks R = [S]B - [k]A the same way, no signature holds for
    // every message or for two encodings of one key, and release keys and
    // honest signatures are always such points.
    const auto key = decodePoint(numberAt(publicKey));
    const auto r = decodePoint(numberAt(signature.first(32)));
    if (!key || !r || !hasGroupOrder(*key) || !hasGroupOrder(*r))
        return false;
    // libgcrypt 1.10 also aborts the process on a key of order L whose x or
    // y is below 2^192 (the upper 64 bits zero, so fewer limbs than it
    // expects). Such keys are easy to find by trying small values, but a
    // generated key is one of them only with a chance of about one in 2^63.
    return !isShort(bytesOf(key->x)) && !isShort(bytesOf(key->y));
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

#include "history/folderreading.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// "\x89VFH\r\n\x1a\n": a byte above ASCII, the name, and the line endings and
// end-of-file mark that a transfer in text mode would mangle.
constexpr char kMagic[8] = {'\x89', 'V', 'F', 'H', '\r', '\n', '\x1a', '\n'};
// Sizes and counts above this are no reading of ours.
constexpr quint64 kMaxNumber = quint64(1) << 62;
constexpr qsizetype kMaxPath = 1 << 16;

quint32 crc32(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : data)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putNumber(QByteArray &out, quint64 n)
{
    while (n >= 0x80) {
        out.append(char(quint8(n) | 0x80));
        n >>= 7;
    }
    out.append(char(n));
}

// Reads what putNumber wrote, never past the end.
class Reader final
{
public:
    Reader(const char *data, qsizetype size) : m_data(data), m_size(size) {}

    bool number(quint64 &n)
    {
        n = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_pos >= m_size)
                return false;
            const quint8 byte = quint8(m_data[m_pos++]);
            n |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return n <= kMaxNumber;
        }
        return false;
    }
    bool bytes(qsizetype count, const char *&out)
    {
        if (count < 0 || count > m_size - m_pos)
            return false;
        out = m_data + m_pos;
        m_pos += count;
        return true;
    }
    bool atEnd() const { return m_pos == m_size; }
    qsizetype left() const { return m_size - m_pos; }

private:
    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

// A stored relative path: valid UTF-8 without NUL, no empty, "." or ".."
// component (so no leading or trailing '/').
bool plausiblePath(const QByteArray &utf8)
{
    if (utf8.isEmpty())
        return true;
    if (!QByteArrayView(utf8).isValidUtf8() || utf8.contains('\0'))
        return false;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = utf8.indexOf('/', start);
        const QByteArrayView part = QByteArrayView(utf8).sliced(start, (end < 0 ? utf8.size() : end) - start);
        if (part.isEmpty() || part == "." || part == "..")
            return false;
        if (end < 0)
            return true;
        start = end + 1;
    }
}

// A size: n * 512 as 2n, anything else as 2n + 1.
quint64 sizeNumber(qint64 bytes)
{
    const quint64 b = quint64(std::max<qint64>(bytes, 0));
    return b % 512 == 0 ? (b / 512) << 1 : (b << 1) | 1;
}

std::optional<qint64> sizeFromNumber(quint64 n)
{
    if (n & 1)
        return qint64(n >> 1);
    if ((n >> 1) > (kMaxNumber >> 9))
        return std::nullopt;
    return qint64((n >> 1) << 9);
}

// Format 1: time (8 bytes, ms since the epoch, little-endian), threshold,
// levels, the root's length and bytes, the number of folders, and per folder
// the bytes it shares with the path before it, the length and bytes of the
// rest, and its size.
std::optional<FolderReading> decodeVersion1(const QByteArray &content)
{
    Reader in(content.constData(), content.size());
    const char *raw = nullptr;
    if (!in.bytes(8, raw))
        return std::nullopt;
    FolderReading r;
    r.time = QDateTime::fromMSecsSinceEpoch(qFromLittleEndian<qint64>(raw), Qt::UTC);
    quint64 threshold = 0, levels = 0, rootLength = 0, count = 0;
    if (!in.number(threshold) || !in.number(levels) || levels > 64 || !in.number(rootLength) || rootLength == 0
        || rootLength > quint64(kMaxPath) || !in.bytes(qsizetype(rootLength), raw))
        return std::nullopt;
    r.threshold = qint64(threshold);
    r.allLevels = int(levels);
    const QByteArray rootUtf8(raw, qsizetype(rootLength));
    r.root = QString::fromUtf8(rootUtf8);
    if (!QByteArrayView(rootUtf8).isValidUtf8() || rootUtf8.contains('\0') || !r.time.isValid())
        return std::nullopt;
    // Every folder takes three bytes at least: no count can claim more.
    if (!in.number(count) || count == 0 || count > quint64(in.left() / 3))
        return std::nullopt;
    r.folders.reserve(qsizetype(count));
    QByteArray previous;
    for (quint64 i = 0; i < count; ++i) {
        quint64 shared = 0, restLength = 0, bytes = 0;
        if (!in.number(shared) || shared > quint64(previous.size()) || !in.number(restLength)
            || restLength > quint64(kMaxPath) || !in.bytes(qsizetype(restLength), raw) || !in.number(bytes))
            return std::nullopt;
        const std::optional<qint64> size = sizeFromNumber(bytes);
        previous.truncate(qsizetype(shared));
        previous.append(raw, qsizetype(restLength));
        FolderSize f{QString::fromUtf8(previous), size.value_or(0)};
        if (!size || !plausiblePath(previous))
            return std::nullopt;
        // The root first, then strictly in order.
        if (i == 0 ? !f.path.isEmpty() : !(r.folders.constLast().path < f.path))
            return std::nullopt;
        r.folders.append(std::move(f));
    }
    if (!in.atEnd())
        return std::nullopt;
    return r;
}

} // namespace

std::optional<qint64> FolderReading::bytesOf(const QString &path) const
{
    const auto it = std::lower_bound(folders.cbegin(), folders.cend(), path,
                                     [](const FolderSize &f, const QString &p) { return f.path < p; });
    if (it == folders.cend() || it->path != path)
        return std::nullopt;
    return it->bytes;
}

int folderDepth(const QString &relativePath)
{
    return relativePath.isEmpty() ? 0 : int(relativePath.count(u'/')) + 1;
}

QString parentFolder(const QString &relativePath)
{
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    return slash < 0 ? QString() : relativePath.left(slash);
}

namespace folderfile {

QByteArray seal(const QByteArray &content, quint16 version)
{
    QByteArray out(kHeaderSize, Qt::Uninitialized);
    char *h = out.data();
    std::memcpy(h, kMagic, 8);
    qToLittleEndian<quint16>(version, h + 8);
    qToLittleEndian<quint16>(0, h + 10);
    qToLittleEndian<quint32>(quint32(content.size()), h + 12);
    qToLittleEndian<quint32>(crc32(content), h + 16);
    return out + content;
}

QByteArray encode(const FolderReading &reading)
{
    QByteArray content(8, Qt::Uninitialized);
    qToLittleEndian<qint64>(reading.time.toMSecsSinceEpoch(), content.data());
    putNumber(content, quint64(std::max<qint64>(reading.threshold, 0)));
    putNumber(content, quint64(std::clamp(reading.allLevels, 0, 64)));
    const QByteArray root = reading.root.toUtf8();
    putNumber(content, quint64(root.size()));
    content.append(root);
    putNumber(content, quint64(reading.folders.size()));
    QByteArray previous;
    for (const FolderSize &f : reading.folders) {
        const QByteArray path = f.path.toUtf8();
        const qsizetype limit = std::min(previous.size(), path.size());
        qsizetype shared = 0;
        while (shared < limit && previous.at(shared) == path.at(shared))
            ++shared;
        putNumber(content, quint64(shared));
        putNumber(content, quint64(path.size() - shared));
        content.append(path.constData() + shared, path.size() - shared);
        putNumber(content, sizeNumber(f.bytes));
        previous = path;
    }
    return seal(content, kVersion);
}

std::optional<FolderReading> decode(const QByteArray &data)
{
    if (data.size() < kHeaderSize || std::memcmp(data.constData(), kMagic, 8) != 0)
        return std::nullopt;
    const char *h = data.constData();
    const quint16 version = qFromLittleEndian<quint16>(h + 8);
    const quint32 length = qFromLittleEndian<quint32>(h + 12);
    if (qFromLittleEndian<quint16>(h + 10) != 0 || qint64(length) != qint64(data.size()) - kHeaderSize)
        return std::nullopt;
    const QByteArray content = data.sliced(kHeaderSize);
    if (crc32(content) != qFromLittleEndian<quint32>(h + 16))
        return std::nullopt;
    // Every format this build has ever written keeps its reader here.
    switch (version) {
    case 1: return decodeVersion1(content);
    default: return std::nullopt;
    }
}

QDateTime peekTime(const QByteArray &start, qint64 fileSize)
{
    if (start.size() < kHeaderSize + 8 || std::memcmp(start.constData(), kMagic, 8) != 0)
        return {};
    const char *h = start.constData();
    const quint16 version = qFromLittleEndian<quint16>(h + 8);
    if (version < 1 || version > kVersion || qFromLittleEndian<quint32>(h + 12) != fileSize - kHeaderSize)
        return {};
    return QDateTime::fromMSecsSinceEpoch(qFromLittleEndian<qint64>(h + kHeaderSize), Qt::UTC);
}

} // namespace folderfile

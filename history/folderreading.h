#pragma once

// A reading of folder sizes: how much space the folders of the home folder
// took at one moment, and the file format that keeps one. folderhistory.h
// keeps the readings, foldergrowth.h compares two, foldersizes.h takes one.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct FolderSize
{
    QString path;      // relative to the reading's root, '/' separators; empty for the root itself
    qint64 bytes = 0;  // on disk, everything below it counted

    friend bool operator==(const FolderSize &, const FolderSize &) = default;
};

struct FolderReading
{
    // Every folder this many levels below the root and above is recorded;
    // deeper ones only from `threshold` bytes on (or when a catalogue root,
    // or recorded by the reading before). A home with more than kMaxFolders
    // such folders is recorded to fewer levels (allLevels says how many), so
    // that no reading grows past a few hundred kilobytes.
    static constexpr int kAllLevels = 3;
    static constexpr int kMaxFolders = 15000;

    QDateTime time;      // when it was taken, UTC
    QString root;        // the folder measured (the home folder), '/' separators
    qint64 threshold = 0;
    // A folder missing from the reading was smaller than the threshold (or
    // not there) when the folder holding it lies this deep or deeper; not
    // there when it lies higher up.
    int allLevels = kAllLevels;
    // Sorted by path (QString's order), no path twice, the root first and
    // every folder's parent among them.
    QList<FolderSize> folders;

    bool isValid() const { return time.isValid() && !root.isEmpty() && !folders.isEmpty(); }
    // The root's size.
    qint64 totalBytes() const { return folders.isEmpty() ? 0 : folders.first().bytes; }
    // The bytes of a folder by its relative path; none when not recorded.
    std::optional<qint64> bytesOf(const QString &path) const;

    friend bool operator==(const FolderReading &, const FolderReading &) = default;
};

// Depth of a relative path: 0 for the root, 1 for "Music", 2 for "Music/x".
int folderDepth(const QString &relativePath);
// The relative path of the folder that holds `relativePath` ("" for a
// folder directly in the root); not meaningful for the root itself.
QString parentFolder(const QString &relativePath);

// The file of one reading: a 20-byte header (magic, format version, content
// length, CRC-32 of the content), then the content: time, threshold, levels,
// root and the folders, each path stored as the bytes it shares with the path
// before it and the rest (UTF-8), sizes as variable-length numbers (in units
// of 512 bytes where they are whole ones).
namespace folderfile {

inline constexpr quint16 kVersion = 1;
inline constexpr int kHeaderSize = 20;

QByteArray encode(const FolderReading &reading);
// The reading a file holds; none for anything that is not a whole, intact
// reading of a version this build can read (a file cut short, damaged, of a
// later version, or not one of ours). Never reads past the end of `data`.
std::optional<FolderReading> decode(const QByteArray &data);
// The time of the reading, from the header and the first bytes of the
// content alone (kHeaderSize + 8 bytes are enough): what a listing of the
// readings needs without reading every file. Invalid when those bytes do not
// look like ours; decode() still has the last word.
QDateTime peekTime(const QByteArray &start, qint64 fileSize);
// `content` of format `version` with the header in front: how encode()
// finishes a file (and how tests and the fuzz target make files of their own).
QByteArray seal(const QByteArray &content, quint16 version);

} // namespace folderfile

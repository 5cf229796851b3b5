#pragma once

// Builds the benchmark tree: the same tree on every run and machine (fixed
// seed), shaped like a user's cache folders: 20 x 20 x 19 nested folders plus
// the upper levels (8,020 folders), 25 entries in each (about 200,000 files).
// Most files get a logical size but no data blocks, so the tree costs little
// disk space and creating it does not depend on the disk's write speed; every
// tenth file holds real data, one in a hundred is a hard link to its
// neighbour and one in two hundred a symbolic link.
//
// A file "TREE-OK" written last marks a complete tree, so an interrupted run
// is rebuilt and a complete one reused.

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace benchtree {

inline constexpr int kTop = 20;
inline constexpr int kMid = 20;
inline constexpr int kLeaf = 19;
inline constexpr int kFilesPerFolder = 25;
inline constexpr const char *kMarker = "TREE-OK-v1";

inline bool isComplete(const std::string &root)
{
    struct stat st;
    return ::stat((root + "/" + kMarker).c_str(), &st) == 0;
}

inline bool fillFolder(const std::string &dir, std::mt19937 &rng, long &files)
{
    std::uniform_int_distribution<int> size(0, 64 * 1024);
    std::uniform_int_distribution<int> dice(0, 199);
    static const std::string data(4096, 'v');
    std::string previous;
    for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string path = dir + "/f" + std::to_string(i) + ".dat";
        const int roll = dice(rng);
        if (roll == 0 && !previous.empty()) {
            if (::symlink(previous.c_str(), path.c_str()) != 0)
                return false;
        } else if (roll < 3 && !previous.empty()) {
            if (::link(previous.c_str(), path.c_str()) != 0)
                return false;
        } else {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0)
                return false;
            bool ok = true;
            if (roll < 20)
                ok = ::write(fd, data.data(), 1 + size(rng) % 4096) > 0;
            else
                ok = ::ftruncate(fd, size(rng)) == 0;
            ::close(fd);
            if (!ok)
                return false;
            previous = path;
        }
        ++files;
    }
    return true;
}

// Creates the tree under `root` (which must not hold an incomplete tree of
// another shape). Returns the number of files, or -1 on failure.
inline long generate(const std::string &root)
{
    std::mt19937 rng(20240607);
    long files = 0;
    ::mkdir(root.c_str(), 0755);
    for (int a = 0; a < kTop; ++a) {
        const std::string da = root + "/a" + std::to_string(a);
        ::mkdir(da.c_str(), 0755);
        if (!fillFolder(da, rng, files))
            return -1;
        for (int b = 0; b < kMid; ++b) {
            const std::string db = da + "/b" + std::to_string(b);
            ::mkdir(db.c_str(), 0755);
            if (!fillFolder(db, rng, files))
                return -1;
            for (int c = 0; c < kLeaf; ++c) {
                const std::string dc = db + "/c" + std::to_string(c);
                ::mkdir(dc.c_str(), 0755);
                if (!fillFolder(dc, rng, files))
                    return -1;
            }
        }
    }
    const int fd = ::open((root + "/" + kMarker).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    ::close(fd);
    return files;
}

// The tree the removal benchmarks delete: 20 x 20 x 9 folders (and the
// levels above) of 25 entries, 100,500 files, made afresh for every run.
inline long generateRemovalTree(const std::string &root)
{
    std::mt19937 rng(7);
    long files = 0;
    ::mkdir(root.c_str(), 0755);
    for (int a = 0; a < 20; ++a) {
        const std::string da = root + "/a" + std::to_string(a);
        ::mkdir(da.c_str(), 0755);
        if (!fillFolder(da, rng, files))
            return -1;
        for (int b = 0; b < 20; ++b) {
            const std::string db = da + "/b" + std::to_string(b);
            ::mkdir(db.c_str(), 0755);
            if (!fillFolder(db, rng, files))
                return -1;
            for (int c = 0; c < 9; ++c) {
                const std::string dc = db + "/c" + std::to_string(c);
                ::mkdir(dc.c_str(), 0755);
                if (!fillFolder(dc, rng, files))
                    return -1;
            }
        }
    }
    return files;
}

} // namespace benchtree

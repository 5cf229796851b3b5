// The reader of the readings of folder sizes. They are files in the user's
// data folder that anything running as the user can write: the input is such
// a file, read as it is, and the same bytes as the content of a file whose
// header and checksum are right, so that the search reaches past the
// checksum into the parser of format 1.

#include "fuzz/fuzzinput.h"
#include "history/folderreading.h"

namespace {

void check(const QByteArray &file)
{
    const std::optional<FolderReading> r = folderfile::decode(file);
    if (!r)
        return;
    // What a reading promises: the root first, the rest strictly in order,
    // every path relative and plain, and it writes back as it was read.
    FUZZ_CHECK(!r->folders.isEmpty() && r->folders.first().path.isEmpty());
    for (qsizetype i = 1; i < r->folders.size(); ++i) {
        const QString &path = r->folders.at(i).path;
        FUZZ_CHECK(r->folders.at(i - 1).path < path);
        FUZZ_CHECK(!path.startsWith(u'/') && !path.endsWith(u'/') && !path.contains(QStringLiteral("//")));
        FUZZ_CHECK(path != u".." && !path.startsWith(QStringLiteral("../")) && !path.contains(QStringLiteral("/../")));
        FUZZ_CHECK(r->folders.at(i).bytes >= 0);
    }
    FUZZ_CHECK(folderfile::decode(folderfile::encode(*r)) == r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = bytesOf(data, size);
    check(input);
    check(folderfile::seal(input, 1));
    return 0;
}

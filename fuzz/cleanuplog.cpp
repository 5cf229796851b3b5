// The cleanup log reader. A restore reads the log of a run, a text file the
// user may have edited, to learn what went to the trash and from where: the
// input is such a log, read through CleanupLog::read from a file in memory.
// The same text as one name also checks that readPath undoes escapeControls,
// or a restore could not find what the log names.

#include "app/platform.h"
#include "clean/cleanuplog.h"
#include "fuzz/fuzzinput.h"

#include <QDir>
#include <QString>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// A file in memory whose /proc/self/fd link opens it afresh, as a path.
int logFile()
{
    static const int fd = ::memfd_create("cleanup.log", MFD_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int fd = logFile();
    FUZZ_CHECK(::ftruncate(fd, 0) == 0);
    FUZZ_CHECK(::pwrite(fd, data, size, 0) == ssize_t(size));
    const CleanupLog::Contents log = CleanupLog::read(QStringLiteral("/proc/self/fd/") + QString::number(fd));
    // A file system path never holds a NUL: the kernel would see a shorter one.
    for (const QString &item : log.trashedItems)
        FUZZ_CHECK(!item.isEmpty() && !item.contains(QChar(0)));
    for (const CleanupLog::Move &m : log.moves) {
        FUZZ_CHECK(!m.inTrash.isEmpty() && !m.inTrash.contains(QChar(0)));
        FUZZ_CHECK(!m.original.isEmpty() && !m.original.contains(QChar(0)));
    }

    const QString name = QString::fromUtf8(bytesOf(data, size));
    if (!name.contains(QChar(0)))
        FUZZ_CHECK(CleanupLog::readPath(escapeControls(name)) == QDir::fromNativeSeparators(name));
    return 0;
}

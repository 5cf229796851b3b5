// The readers of /proc text: a process's status (whose it is), its memory
// maps (the files it holds) and the table of file locks. Other users' processes
// put their own names and paths into these texts. The input is fed to each.

#include "fuzz/fuzzinput.h"
#include "scan/appguard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text = bytesOf(data, size);
    for (const uint uid : {0u, 1000u, 4294967295u})
        isProcessOf(text, uid);
    for (const MappedFile &m : parseMaps(text)) {
        FUZZ_CHECK(m.inode != 0);
        FUZZ_CHECK(m.path.isEmpty() || m.path.startsWith('/'));
    }
    parseLocks(text);
    return 0;
}

// The .trashinfo reader. Anyone who can write to a trash folder writes its
// records (the desktop's file manager, other programs, the user by hand), and
// a restore and the older logs' matching believe what they say: the input is
// one record, read for the home trash and for the trash folders of a volume.

#include "app/trash.h"
#include "fuzz/fuzzinput.h"

#include <QString>
#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList folders{
        QStringLiteral("/home/user/.local/share/Trash"),
        QStringLiteral("/media/user/stick/.Trash-1000"),
        QStringLiteral("/mnt/disk/.Trash/1000"),
        QStringLiteral("/.Trash-0"),
    };
    const QByteArray text = bytesOf(data, size);
    for (const QString &folder : folders) {
        trash::Info info;
        if (!trash::parseInfo(text, folder, info))
            continue;
        // Where the entry goes back to: an absolute path the kernel reads as written.
        FUZZ_CHECK(info.originalPath.startsWith(QLatin1Char('/')));
        FUZZ_CHECK(!info.originalPath.contains(QChar(0)));
    }
    return 0;
}

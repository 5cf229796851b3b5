// The command line of varnholt-cli, which a script or another program may
// build from what it was given. The input is the arguments after the
// program's name, separated by NUL bytes as the kernel passes them.

#include "cli/options.h"
#include "fuzz/fuzzinput.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments;
    if (size > 0) {
        for (const QByteArray &argument : bytesOf(data, size).split('\0'))
            arguments.append(QString::fromLocal8Bit(argument));
    }
    const Options o = parseOptions(arguments);
    if (!o.error.isEmpty())
        return 0;
    FUZZ_CHECK(o.command != Options::None);
    // Nothing is removed unless the line asked for it, and only from the categories named.
    if (o.command == Options::Clean) {
        FUZZ_CHECK(!o.categories.isEmpty() && (o.yes || o.preview));
        checkCategories(o.categories, {QStringLiteral("temp"), QStringLiteral("logs"), QStringLiteral("trash")});
    }
    FUZZ_CHECK(!o.thresholdBytes || *o.thresholdBytes > 0);
    return 0;
}

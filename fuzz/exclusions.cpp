// The exclusion matcher. Patterns come from the settings and from
// varnholt-cli's --exclude, paths from the file system, where anyone who can
// create a file names it. The input is patterns, one a line, then an empty
// line, then paths (a line each). Besides not failing, everything below an
// excluded folder must be excluded, and the walker's question (matchesChild,
// asked of an entry of a folder that is not excluded) must answer exactly as
// the whole-path question does.

#include "fuzz/fuzzinput.h"
#include "scan/pathrules.h"

#include <QString>
#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(bytesOf(data, size)).split(QLatin1Char('\n'));
    const qsizetype gap = lines.indexOf(QString());
    const QStringList patterns = gap < 0 ? lines : lines.first(gap);
    const QStringList paths = gap < 0 ? QStringList() : lines.sliced(gap + 1);

    const ExclusionMatcher matcher(patterns);
    for (const QString &path : paths) {
        isExcluded(path, patterns);

        // An entry with a real name in an absolute folder: what is below an
        // excluded folder is excluded, and otherwise the walker's question
        // gets the same answer.
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString folder = normalizePath(slash == 0 ? QStringLiteral("/") : path.left(slash));
        const QString name = path.mid(slash + 1);
        if (slash < 0 || !folder.startsWith(QLatin1Char('/')) || name.isEmpty() || name == QLatin1String(".")
            || name == QLatin1String(".."))
            continue;
        const QString entry = (folder == QLatin1String("/") ? folder : folder + QLatin1Char('/')) + name;
        if (matcher.matches(folder))
            FUZZ_CHECK(matcher.matches(entry));
        else
            FUZZ_CHECK(matcher.matchesChild(folder, name) == matcher.matches(entry));
    }
    return 0;
}

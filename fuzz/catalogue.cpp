// The catalogue file reader of varnholt-cli (VARNHOLT_CATALOGUE): a JSON file
// that decides which folders a scan and a cleanup start from. The input is
// the file's bytes, after loadCatalogueFile read them.

#include "cli/cataloguefile.h"
#include "fuzz/fuzzinput.h"

#include <QDir>
#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<CategoryDef> defs;
    QString error;
    if (!parseCatalogueFile(bytesOf(data, size), QStringLiteral("catalogue.json"), &defs, &error)) {
        FUZZ_CHECK(!error.isEmpty() && defs.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!defs.isEmpty());
    QSet<QString> ids;
    for (const CategoryDef &def : std::as_const(defs)) {
        FUZZ_CHECK(!def.id.isEmpty() && !ids.contains(def.id));
        ids.insert(def.id);
        FUZZ_CHECK(def.risk >= Safe && def.risk <= Permanent);
        // A relative root would be taken from whatever folder the program runs in.
        for (const CategoryRoot &root : def.roots)
            FUZZ_CHECK(root.path.startsWith(QLatin1Char('/')) && root.minAgeMs >= 0);
    }
    return 0;
}

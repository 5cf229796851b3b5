#include "cli/cataloguefile.h"

#include "cli/clitext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#ifndef Q_OS_WIN
#include "scan/posixfs.h"
#include "scan/uniquefd.h"

#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
// The file's bytes, read only when it and every folder above it are root's
// alone (posixfs::openRootsOwn); false otherwise.
bool readTrustedByRoot(const QString &fileName, QByteArray *data)
{
    UniqueFd fd(posixfs::openRootsOwn(QDir::current().absoluteFilePath(fileName), true));
    QFile file;
    if (!fd.valid() || !file.open(fd.get(), QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    return true;
}
#endif

bool riskFrom(const QJsonValue &v, int *risk)
{
    if (v.isUndefined() || v.isNull()) {
        *risk = Safe;
        return true;
    }
    if (v.isDouble()) {
        const int r = v.toInt(-1);
        if (r < Safe || r > Permanent || double(r) != v.toDouble())
            return false;
        *risk = r;
        return true;
    }
    static const QStringList names{QStringLiteral("Safe"), QStringLiteral("Review"), QStringLiteral("Permanent")};
    const qsizetype i = names.indexOf(v.toString());
    if (i < 0)
        return false;
    *risk = int(i);
    return true;
}

// A hundred years: older than anything on a disk, far below what a signed
// 64-bit millisecond count holds.
constexpr double kMaxAgeMs = 100.0 * 365.25 * 24 * 3600 * 1000;

// A whole number of milliseconds from 0 to kMaxAgeMs; absent or null is 0.
// Anything else (a text, a fraction, a negative or huge number) is refused
// rather than converted: 1e300 would wrap to a negative age.
bool ageFrom(const QJsonValue &v, qint64 *ms)
{
    if (v.isUndefined() || v.isNull()) {
        *ms = 0;
        return true;
    }
    const double d = v.toDouble(-1);
    if (!v.isDouble() || !(d >= 0 && d <= kMaxAgeMs) || d != std::floor(d))
        return false;
    *ms = qint64(d);
    return true;
}

// Flags must be true or false when given: a "true" in quotes must not
// quietly read as false (ownEntriesOnly guards other users' files).
bool flagFrom(const QJsonValue &v, bool *flag)
{
    if (v.isUndefined() || v.isNull()) {
        *flag = false;
        return true;
    }
    if (!v.isBool())
        return false;
    *flag = v.toBool();
    return true;
}

} // namespace

bool loadCatalogueFile(const QString &fileName, QList<CategoryDef> *defs, QString *error)
{
    QByteArray data;
#ifndef Q_OS_WIN
    if (::geteuid() == 0) {
        if (!readTrustedByRoot(fileName, &data)) {
            //: %1: a file's path
            *error = CliText::tr("As root, the catalogue file %1 is used only when it and every folder above it "
                                 "belong to root and no one else may change them.")
                         .arg(fileName);
            return false;
        }
    } else
#endif
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            //: %1: a file's path; %2: the system's reason
            *error = CliText::tr("Cannot read the catalogue file %1: %2").arg(fileName, file.errorString());
            return false;
        }
        data = file.readAll();
    }
    return parseCatalogueFile(data, fileName, defs, error);
}

bool parseCatalogueFile(const QByteArray &data, const QString &fileName, QList<CategoryDef> *defs, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    if (doc.isNull()) {
        //: %1: a file's path; %2: what the JSON reader says
        *error = CliText::tr("The catalogue file %1 is not valid JSON: %2").arg(fileName, parseError.errorString());
        return false;
    }
    const QJsonArray categories = doc.isArray() ? doc.array() : doc.object().value(QLatin1String("categories")).toArray();

    const auto invalid = [&](const QString &what) {
        //: %1: a file's path; %2: one of the reasons below
        *error = CliText::tr("The catalogue file %1 is not usable: %2").arg(fileName, what);
        return false;
    };

    QList<CategoryDef> out;
    QSet<QString> ids;
    for (const QJsonValue &value : categories) {
        const QJsonObject c = value.toObject();
        CategoryDef def;
        def.id = c.value(QLatin1String("id")).toString();
        if (def.id.isEmpty())
            return invalid(CliText::tr("a category has no id"));
        if (ids.contains(def.id))
            //: %1: a category id
            return invalid(CliText::tr("the id \"%1\" appears twice").arg(def.id));
        ids.insert(def.id);
        def.name = c.value(QLatin1String("name")).toString(def.id);
        def.detail = c.value(QLatin1String("detail")).toString();
        def.description = c.value(QLatin1String("description")).toString();
        def.icon = c.value(QLatin1String("icon")).toString();
        def.color = c.value(QLatin1String("color")).toString(QStringLiteral("#808080"));
        if (!riskFrom(c.value(QLatin1String("risk")), &def.risk))
            //: %1: a category id; Safe, Review and Permanent are keys of the file, keep them
            return invalid(CliText::tr("the risk of \"%1\" is not Safe, Review or Permanent").arg(def.id));
        if (!flagFrom(c.value(QLatin1String("needsAdmin")), &def.needsAdmin)
            || !flagFrom(c.value(QLatin1String("isTrash")), &def.isTrash))
            //: %1: a category id; true and false are words of the file, keep them
            return invalid(CliText::tr("a flag of \"%1\" is not true or false").arg(def.id));
        for (const QJsonValue &rv : c.value(QLatin1String("roots")).toArray()) {
            const QJsonObject r = rv.toObject();
            CategoryRoot root;
            // To Qt a name starting with ':' is an absolute resource path,
            // which the walk would take from the working folder.
            const QString path = r.value(QLatin1String("path")).toString();
            root.path = QDir::cleanPath(QDir::fromNativeSeparators(path));
            if (path.isEmpty() || path.startsWith(QLatin1Char(':')) || !QDir::isAbsolutePath(root.path))
                //: %1: a category id
                return invalid(CliText::tr("a root of \"%1\" is not an absolute path").arg(def.id));
            // No patterns means every entry of the root: a pattern list that
            // is not a list of names must not widen a root to that.
            const QJsonValue patterns = r.value(QLatin1String("patterns"));
            if (!patterns.isUndefined() && !patterns.isNull() && !patterns.isArray())
                //: %1: a category id
                return invalid(CliText::tr("the patterns of a root of \"%1\" are not a list of names").arg(def.id));
            for (const QJsonValue &p : patterns.toArray()) {
                if (!p.isString() || p.toString().trimmed().isEmpty())
                    return invalid(CliText::tr("the patterns of a root of \"%1\" are not a list of names").arg(def.id));
                root.patterns.append(p.toString());
            }
            root.label = r.value(QLatin1String("label")).toString();
            if (!flagFrom(r.value(QLatin1String("ownEntriesOnly")), &root.ownEntriesOnly)
                || !flagFrom(r.value(QLatin1String("filesOnly")), &root.filesOnly)
                || !flagFrom(r.value(QLatin1String("singleLinkFiles")), &root.singleLinkFiles)
                || !flagFrom(r.value(QLatin1String("keepsLocalBuilds")), &root.keepsLocalBuilds)
                || !flagFrom(r.value(QLatin1String("keepsTopSettings")), &root.keepsTopSettings))
                return invalid(CliText::tr("a flag of \"%1\" is not true or false").arg(def.id));
            if (!ageFrom(r.value(QLatin1String("minAgeMs")), &root.minAgeMs))
                //: %1: a category id; minAgeMs is a key of the file, keep it
                return invalid(CliText::tr("the minAgeMs of a root of \"%1\" is not a whole number of "
                                           "milliseconds from 0 to 100 years")
                                   .arg(def.id));
            def.roots.append(root);
        }
        out.append(def);
    }
    if (out.isEmpty())
        return invalid(CliText::tr("it lists no categories"));
    *defs = out;
    return true;
}

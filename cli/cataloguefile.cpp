#include "cli/cataloguefile.h"

#include "cli/clitext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

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

} // namespace

bool loadCatalogueFile(const QString &fileName, QList<CategoryDef> *defs, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = CliText::tr("Cannot read the catalogue file %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull()) {
        *error = CliText::tr("The catalogue file %1 is not valid JSON: %2").arg(fileName, parseError.errorString());
        return false;
    }
    const QJsonArray categories = doc.isArray() ? doc.array() : doc.object().value(QLatin1String("categories")).toArray();

    const auto invalid = [&](const QString &what) {
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
            return invalid(CliText::tr("the id \"%1\" appears twice").arg(def.id));
        ids.insert(def.id);
        def.name = c.value(QLatin1String("name")).toString(def.id);
        def.detail = c.value(QLatin1String("detail")).toString();
        def.description = c.value(QLatin1String("description")).toString();
        def.icon = c.value(QLatin1String("icon")).toString();
        def.color = c.value(QLatin1String("color")).toString(QStringLiteral("#808080"));
        if (!riskFrom(c.value(QLatin1String("risk")), &def.risk))
            return invalid(CliText::tr("the risk of \"%1\" is not Safe, Review or Permanent").arg(def.id));
        def.needsAdmin = c.value(QLatin1String("needsAdmin")).toBool();
        def.isTrash = c.value(QLatin1String("isTrash")).toBool();
        for (const QJsonValue &rv : c.value(QLatin1String("roots")).toArray()) {
            const QJsonObject r = rv.toObject();
            CategoryRoot root;
            const QString path = r.value(QLatin1String("path")).toString();
            if (path.isEmpty() || !QDir::isAbsolutePath(path))
                return invalid(CliText::tr("a root of \"%1\" is not an absolute path").arg(def.id));
            root.path = QDir::cleanPath(QDir::fromNativeSeparators(path));
            for (const QJsonValue &p : r.value(QLatin1String("patterns")).toArray())
                root.patterns.append(p.toString());
            root.label = r.value(QLatin1String("label")).toString();
            root.ownEntriesOnly = r.value(QLatin1String("ownEntriesOnly")).toBool();
            root.minAgeMs = qint64(r.value(QLatin1String("minAgeMs")).toDouble());
            def.roots.append(root);
        }
        out.append(def);
    }
    if (out.isEmpty())
        return invalid(CliText::tr("it lists no categories"));
    *defs = out;
    return true;
}

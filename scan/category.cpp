#include "scan/category.h"

#include "scan/fs.h"

#include <QCoreApplication>

void registerCategoryTypes()
{
    qRegisterMetaType<CategoryRoot>();
    qRegisterMetaType<CategoryDef>();
    qRegisterMetaType<ScanItem>();
    qRegisterMetaType<CategoryResult>();
    qRegisterMetaType<QList<CategoryDef>>();
    qRegisterMetaType<QList<CategoryResult>>();
}

QString riskLabel(int risk)
{
    switch (risk) {
    case Safe:
        return QCoreApplication::translate("Categories", "Safe");
    case Review:
        return QCoreApplication::translate("Categories", "Review");
    case Permanent:
        return QCoreApplication::translate("Categories", "Permanent");
    default:
        return {};
    }
}

QStringList listSubdirs(const QString &path)
{
    QStringList names;
    if (path.isEmpty())
        return names;
    const QList<fs::Entry> entries = fs::list(path);
    for (const fs::Entry &e : entries) {
        if (e.isDir && !e.isLink && !e.skip)
            names.append(e.name);
    }
    return names;
}

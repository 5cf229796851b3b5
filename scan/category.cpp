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
        //: Risk level of a category: cleaning it loses nothing the user needs
        return QCoreApplication::translate("Categories", "Safe");
    case Review:
        //: Risk level of a category: look at it before cleaning (an adjective, not a command)
        return QCoreApplication::translate("Categories", "Review");
    case Permanent:
        //: Risk level of a category: what goes cannot be restored
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

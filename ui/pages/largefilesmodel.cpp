#include "ui/pages/largefilesmodel.h"

#include "app/platform.h"
#include "ui/trtext.h"

#include <QDir>
#include <QHash>
#include <QTextDocument>

#include <algorithm>

namespace ui {

QColor kindColor(const QString &kind)
{
    static const QHash<QString, QColor> colors{
        {QStringLiteral("Disk image"), QColor(0x6366f1)}, {QStringLiteral("Video"), QColor(0xec4899)},
        {QStringLiteral("Archive"), QColor(0xf59e0b)},    {QStringLiteral("Installer"), QColor(0x0ea5e9)},
        {QStringLiteral("Document"), QColor(0x10b981)},   {QStringLiteral("Backup"), QColor(0x8b5cf6)},
        {QStringLiteral("Audio"), QColor(0x14b8a6)},      {QStringLiteral("Image"), QColor(0xf97316)},
        {QStringLiteral("Partial download"), QColor(0x94a3b8)},
    };
    return colors.value(kind, QColor(0x64748b));
}

LargeFilesModel::LargeFilesModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int LargeFilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_files.size());
}

int LargeFilesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LargeFilesModel::data(const QModelIndex &index, int role) const
{
    const LargeFile *file = index.isValid() ? fileAt(index.row()) : nullptr;
    if (!file)
        return {};
    switch (role) {
    case FileRole:
        return QVariant::fromValue(*file);
    case CheckedRole:
        return m_checked.contains(file->path);
    case Qt::CheckStateRole:
        if (index.column() == CheckColumn)
            return m_checked.contains(file->path) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case KindColumn:
            return largeFileKindText(file->kind);
        case LastOpenedColumn:
            return relativeTime(file->lastUsed);
        case SizeColumn:
            return formatSize(file->bytes);
        default:
            return file->name;
        }
    case Qt::AccessibleDescriptionRole:
        return index.column() == NameColumn ? QDir::toNativeSeparators(file->dir) : QVariant();
    case Qt::ToolTipRole: {
        // A path is plain text even when it looks like markup.
        const QString path = QDir::toNativeSeparators(file->path);
        return Qt::mightBeRichText(path) ? QStringLiteral("<p style='white-space:pre'>") + path.toHtmlEscaped()
                                               + QStringLiteral("</p>")
                                         : path;
    }
    default:
        return {};
    }
}

Qt::ItemFlags LargeFilesModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    // Checkable for assistive technology; the page toggles the check itself.
    if (index.isValid() && index.column() == CheckColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant LargeFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment h = section == LastOpenedColumn || section == SizeColumn ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    // Upper-cased as the language writes them.
    static const char *const titles[ColumnCount] = {
        "",
        //: Column title of the Space Map's list (shown upper-cased): the file's name
        QT_TRANSLATE_NOOP("LargeFilesPage", "Name"),
        //: Column title (shown upper-cased): Video, Archive, …
        QT_TRANSLATE_NOOP("LargeFilesPage", "Kind"),
        //: Column title (shown upper-cased) over relative dates such as "3 months ago"
        QT_TRANSLATE_NOOP("LargeFilesPage", "Last opened"),
        //: Column title (shown upper-cased): the file's size
        QT_TRANSLATE_NOOP("LargeFilesPage", "Size"),
    };
    QString text = QCoreApplication::translate("LargeFilesPage", titles[section]).toUpper();
    if (section == m_sortColumn && section != CheckColumn && section != KindColumn)
        text += m_sortOrder == Qt::AscendingOrder ? QStringLiteral("  \u2191") : QStringLiteral("  \u2193");
    return text;
}

void LargeFilesModel::sort(int column, Qt::SortOrder order)
{
    if (column != CheckColumn && column != KindColumn && column >= 0 && column < ColumnCount)
        m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<QString> paths;
    paths.reserve(before.size());
    for (const QModelIndex &i : before)
        paths.append(m_files.at(i.row()).path);
    sortFiles();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k)
        after.append(index(rowOf(paths[k]), before[k].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void LargeFilesModel::sortFiles()
{
    const int column = m_sortColumn;
    const auto less = [column](const LargeFile &a, const LargeFile &b) {
        switch (column) {
        case NameColumn:
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        case LastOpenedColumn:
            return a.lastUsed < b.lastUsed;
        default:
            return a.bytes < b.bytes;
        }
    };
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(m_files.begin(), m_files.end(), less);
    else
        std::stable_sort(m_files.begin(), m_files.end(),
                         [&less](const LargeFile &a, const LargeFile &b) { return less(b, a); });
}

void LargeFilesModel::setFiles(const QList<LargeFile> &files)
{
    beginResetModel();
    m_files = files;
    sortFiles();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

const LargeFile *LargeFilesModel::fileAt(int row) const
{
    return row >= 0 && row < m_files.size() ? &m_files[row] : nullptr;
}

int LargeFilesModel::rowOf(const QString &path) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files[i].path == path)
            return i;
    }
    return -1;
}

void LargeFilesModel::toggleChecked(const QString &path)
{
    if (!m_checked.remove(path))
        m_checked.insert(path);
    const int row = rowOf(path);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit selectionChanged();
}

void LargeFilesModel::setOldMonths(int months)
{
    if (months == m_oldMonths)
        return;
    m_oldMonths = months;
    if (!m_files.isEmpty())
        emit dataChanged(index(0, LastOpenedColumn), index(int(m_files.size()) - 1, LastOpenedColumn));
}

} // namespace ui

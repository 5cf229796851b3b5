// What a cleanup to the Recycle Bin cannot move there: left out of the
// selection a scan makes, listed for the confirmation, and deleted for good
// only when the user chose that.

#include "app/appstate.h"

#include <algorithm>

namespace {

// Whether a cleanup in `toTrash` mode would try to move `item` of `category`
// to the bin and find that the bin cannot take it.
bool staysOutOfTrash(bool toTrash, const CategoryResult &category, const ScanItem &item)
{
    return toTrash && category.risk != Permanent && !category.isTrash && item.trashFit != TrashFits;
}

} // namespace

void AppState::untickWithoutTrash()
{
    const bool toTrash = currentMoveToTrash();
    for (const CategoryResult &r : std::as_const(m_results)) {
        if (!m_selectedCategories.contains(r.id))
            continue;
        for (const ScanItem &item : r.items) {
            if (staysOutOfTrash(toTrash, r, item))
                m_excludedItems.insert(item.path);
        }
        if (!r.items.isEmpty() && std::all_of(r.items.cbegin(), r.items.cend(), [this](const ScanItem &i) {
                return m_excludedItems.contains(i.path);
            })) {
            m_selectedCategories.remove(r.id);
            for (const ScanItem &item : r.items)
                m_excludedItems.remove(item.path);
        }
    }
}

QList<CategoryResult> AppState::selectedWithoutTrash() const
{
    QList<CategoryResult> out;
    const bool toTrash = currentMoveToTrash();
    for (CategoryResult r : selectedResults()) {
        r.items.removeIf([&](const ScanItem &item) { return !staysOutOfTrash(toTrash, r, item); });
        if (r.items.isEmpty())
            continue;
        r.bytes = 0;
        r.files = 0;
        for (const ScanItem &item : std::as_const(r.items)) {
            r.bytes += item.bytes;
            r.files += item.files;
        }
        out.append(r);
    }
    return out;
}

QList<CategoryResult> AppState::cleanInput(bool deleteWithoutTrash) const
{
    QList<CategoryResult> sel = selectedResults();
    const bool toTrash = currentMoveToTrash();
    for (CategoryResult &r : sel) {
        for (ScanItem &item : r.items)
            item.deleteInstead = deleteWithoutTrash && staysOutOfTrash(toTrash, r, item);
    }
    return sel;
}

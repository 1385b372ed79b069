#include "ui/models/MapListModel.h"

#include "core/setup/TextHelpers.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

ListModel* newMapListModel(const MapFiles& catalogue, QObject* parent) {
    return new ListModel([&catalogue] { return static_cast<int>(catalogue.size()); },
                         [&catalogue](int row, int role) -> QVariant {
                             const MapFile& map = *catalogue[static_cast<std::size_t>(row)];
                             if (role == Qt::DisplayRole || role == Qt::EditRole)
                                 return local(mapBaseName(map.fileName));
                             if (role == Qt::ToolTipRole)
                                 return local(map.longName);
                             return {};
                         },
                         parent);
}

SortedMapsModel::SortedMapsModel(ListModel& maps, QObject* parent) : QSortFilterProxyModel(parent) {
    setSourceModel(&maps);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(false);
    setDynamicSortFilter(true);
    sort(0);
}

int SortedMapsModel::rowOfMap(int catalogueIndex) const {
    if (catalogueIndex < 0 || catalogueIndex >= sourceModel()->rowCount())
        return -1;
    return mapFromSource(sourceModel()->index(catalogueIndex, 0)).row();
}

int SortedMapsModel::mapAt(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    return mapToSource(index(row, 0)).row();
}

} // namespace velkarn

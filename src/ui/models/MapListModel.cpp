#include "ui/models/MapListModel.h"

#include "core/setup/TextHelpers.h"
#include "ui/widgets/LocalText.h"

namespace velkarn {

MapListModel::MapListModel(const MapFiles& catalogue, QObject* parent)
    : QAbstractListModel(parent), catalogue_(catalogue) {
}

int MapListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(catalogue_.size());
}

QVariant MapListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MapFile& map = *catalogue_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return local(mapBaseName(map.fileName));
    case Qt::ToolTipRole:
        return local(map.longName);
    case CatalogueIndexRole:
        return index.row();
    default:
        return {};
    }
}

void MapListModel::catalogueChanged() {
    beginResetModel();
    endResetModel();
}

SortedMapsModel::SortedMapsModel(MapListModel& maps, QObject* parent)
    : QSortFilterProxyModel(parent) {
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

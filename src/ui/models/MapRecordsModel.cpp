#include "ui/models/MapRecordsModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

MapRecordsModel::MapRecordsModel(ResultsTracker& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { reload(); });
    reload();
}

void MapRecordsModel::reload() {
    beginResetModel();
    records_ = playerMapRecords(results_.series());
    endResetModel();
}

int MapRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int MapRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MapRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const MapRecord& record = records_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Map ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Map:
        return local(record.map);
    case Matches:
        return record.matches;
    case Wins:
        return record.wins;
    case AveragePlace:
        return role == Qt::DisplayRole ? QVariant(QString::number(record.averagePlace, 'f', 2))
                                       : QVariant(record.averagePlace);
    case BestPlace:
        return record.bestPlace;
    default:
        return {};
    }
}

QVariant MapRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Map", "Maps Played", "Wins", "Average Place",
                                                      "Best Place"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

} // namespace velkarn

#include "ui/models/StandingsModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

namespace {

enum Column { Name, Matches, Wins, AveragePlace, BestPlace };

} // namespace

StandingsModel* StandingsModel::bots(ResultsTracker& results, QObject* parent) {
    return new StandingsModel(results, {"Name", "Maps Played", "Wins", "Average Place"},
                              &ResultsTracker::Totals::bots, parent);
}

StandingsModel* StandingsModel::playerMaps(ResultsTracker& results, QObject* parent) {
    return new StandingsModel(results,
                              {"Map", "Maps Played", "Wins", "Average Place", "Best Place"},
                              &ResultsTracker::Totals::playerMaps, parent);
}

StandingsModel::StandingsModel(ResultsTracker& results, QStringList captions, Rows rows,
                               QObject* parent)
    : QAbstractTableModel(parent), results_(results), captions_(std::move(captions)),
      rowsOfTotals_(rows) {
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { reload(); });
    reload();
}

void StandingsModel::reload() {
    beginResetModel();
    rows_ = results_.totals().*rowsOfTotals_;
    endResetModel();
}

int StandingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StandingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant StandingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Standing& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Name:
        return local(row.name);
    case Matches:
        return row.matches;
    case Wins:
        return row.wins;
    case AveragePlace:
        return role == Qt::DisplayRole ? QVariant(QString::number(row.averagePlace, 'f', 2))
                                       : QVariant(row.averagePlace);
    case BestPlace:
        return row.bestPlace;
    default:
        return {};
    }
}

QVariant StandingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions_.size())
        return {};
    return captions_.at(section);
}

} // namespace velkarn

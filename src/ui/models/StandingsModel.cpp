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
    : RowTableModel(std::move(captions), parent), results_(results), rowsOfTotals_(rows) {
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { reload(); });
    reload();
}

QVariant StandingsModel::cell(const Standing& standing, int column, int role) const {
    if (role == Qt::TextAlignmentRole)
        return column == Name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (column) {
    case Name:
        return local(standing.name);
    case Matches:
        return standing.matches;
    case Wins:
        return standing.wins;
    case AveragePlace:
        return role == Qt::DisplayRole ? QVariant(QString::number(standing.averagePlace, 'f', 2))
                                       : QVariant(standing.averagePlace);
    case BestPlace:
        return standing.bestPlace;
    default:
        return {};
    }
}

} // namespace velkarn

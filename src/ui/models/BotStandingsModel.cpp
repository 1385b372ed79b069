#include "ui/models/BotStandingsModel.h"

#include "ui/widgets/LocalText.h"

namespace velkarn {

BotStandingsModel::BotStandingsModel(ResultsTracker& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { reload(); });
    reload();
}

void BotStandingsModel::reload() {
    beginResetModel();
    standings_ = botStandings(results_.series());
    endResetModel();
}

int BotStandingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(standings_.size());
}

int BotStandingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BotStandingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const BotStanding& bot = standings_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    // The sort role gives numbers, so that a sorting view orders them as numbers.
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Name:
        return local(bot.name);
    case Matches:
        return bot.matches;
    case Wins:
        return bot.wins;
    case AveragePlace:
        return role == Qt::DisplayRole ? QVariant(QString::number(bot.averagePlace, 'f', 2))
                                       : QVariant(bot.averagePlace);
    default:
        return {};
    }
}

QVariant BotStandingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Bot", "Maps", "Wins", "Average Place"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

} // namespace velkarn

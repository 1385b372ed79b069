#include "ui/models/SeriesModel.h"

#include "core/network/ServerStatus.h"
#include "ui/models/ColumnCaptions.h"
#include "ui/widgets/LocalText.h"

#include <QFont>

namespace velkarn {

namespace {

// A map row's internal id is its series' row + 1; a series row's is 0.
constexpr quintptr SeriesRow = 0;

QString placeText(const MatchResult& match) {
    const ParticipantResult* player = match.player();
    if (!player)
        return "-";
    return QString("%1/%2").arg(player->place).arg(match.participants.size());
}

QString setupText(const SeriesResult& series) {
    if (!series.launchedByVelkarn)
        return "(not started by Velkarn)";
    return series.setupName.empty() ? QString("-") : local(series.setupName);
}

QString seriesSummary(const SeriesResult& series) {
    int played = 0;
    int wins = 0;
    for (const auto& match : series.matches)
        if (match.finished && match.player()) {
            ++played;
            wins += match.playerWon() ? 1 : 0;
        }
    if (played == 0)
        return {};
    return QString("won %1 of %2").arg(wins).arg(played);
}

} // namespace

SeriesModel::SeriesModel(ResultsTracker& results, QObject* parent)
    : QAbstractItemModel(parent), results_(results) {
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

QModelIndex SeriesModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, SeriesRow);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex SeriesModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == SeriesRow)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, SeriesRow);
}

int SeriesModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(series().size());
    if (parent.internalId() != SeriesRow || parent.column() != 0)
        return 0;
    return static_cast<int>(series()[static_cast<std::size_t>(parent.row())].matches.size());
}

int SeriesModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

const MatchResult* SeriesModel::matchAt(const QModelIndex& index) const {
    if (!index.isValid())
        return nullptr;
    if (index.internalId() == SeriesRow) {
        const auto& s = series()[static_cast<std::size_t>(index.row())];
        return s.matches.empty() ? nullptr : &s.matches.back();
    }
    const auto& s = series()[index.internalId() - 1];
    return &s.matches[static_cast<std::size_t>(index.row())];
}

QVariant SeriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (index.internalId() == SeriesRow) {
        const SeriesResult& s = series()[static_cast<std::size_t>(index.row())];
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case When:
            return local(s.startedAt);
        case SetupOrMap:
            return setupText(s);
        case End:
            return s.matches.size() == 1 ? QString("1 map")
                                         : QString("%1 maps").arg(s.matches.size());
        case YourPlace:
            return seriesSummary(s);
        default:
            return {};
        }
    }
    const MatchResult& m = *matchAt(index);
    if (role == Qt::ToolTipRole && index.column() == When && !m.timeFromGame)
        return QString("The game logs no time of its own: this is when its log was written.");
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case When:
        return local(m.playedAt);
    case SetupOrMap:
        return local(m.map);
    case GameType:
        return local(gameTypeName(std::to_string(m.gameType)));
    case End:
        return m.finished ? local(m.endReason) : QString("unfinished");
    case YourPlace:
        return placeText(m);
    case Winner:
        return local(m.winnerName());
    default:
        return {};
    }
}

QVariant SeriesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList captions{"When", "Setup / Map", "Game Type",
                                      "End",  "Your Place",  "Winner"};
    return columnCaption(captions, section, orientation, role);
}

} // namespace velkarn

#include "ui/models/ParticipantsModel.h"

#include "ui/widgets/LocalText.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace velkarn {

namespace {

// A pale gold behind the winners, readable with the default text color.
const QColor WinnerBackground(255, 236, 160);

QString teamText(int team) {
    return team == 1 ? QString("Red") : team == 2 ? QString("Blue") : QString();
}

} // namespace

ParticipantsModel::ParticipantsModel(QObject* parent) : QAbstractTableModel(parent) {
}

void ParticipantsModel::showMatch(const MatchResult* match) {
    beginResetModel();
    match_.reset();
    if (match)
        match_ = *match;
    endResetModel();
}

int ParticipantsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !match_ ? 0 : static_cast<int>(match_->participants.size());
}

int ParticipantsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

bool ParticipantsModel::isWinner(int row) const {
    if (!match_ || row < 0 || row >= rowCount())
        return false;
    const ParticipantResult& p = match_->participants[static_cast<std::size_t>(row)];
    if (match_->teamGame()) {
        const std::string winner = match_->winnerName();
        return (winner == "Red" && p.team == 1) || (winner == "Blue" && p.team == 2);
    }
    return p.place == 1;
}

QVariant ParticipantsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !match_)
        return {};
    const ParticipantResult& p = match_->participants[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Place:
            return p.place;
        case Name:
            return local(p.name);
        case Kind:
            return p.bot      ? QString("Bot, skill %1").arg(p.skill)
                   : p.player ? QString("You")
                              : QString("Player");
        case Team:
            return teamText(p.team);
        case Score:
            return p.score;
        case Ping:
            return p.ping;
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return index.column() == Name ? local(p.codedName) : QVariant();
    case Qt::FontRole: {
        QFont font;
        font.setBold(isWinner(index.row()));
        font.setItalic(p.player);
        return font;
    }
    case Qt::BackgroundRole:
        return isWinner(index.row()) ? QBrush(WinnerBackground) : QVariant();
    case Qt::ForegroundRole:
        return isWinner(index.row()) ? QBrush(Qt::black) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Name || index.column() == Kind || index.column() == Team
                   ? QVariant()
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ParticipantsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[ColumnCount] = {"Place", "Name",  "Bot / Player",
                                                      "Team",  "Score", "Ping"};
    return section >= 0 && section < ColumnCount ? QString(captions[section]) : QVariant();
}

} // namespace velkarn

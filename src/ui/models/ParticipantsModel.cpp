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

ParticipantsModel::ParticipantsModel(QObject* parent)
    : RowTableModel({"Place", "Name", "Bot / Player", "Team", "Score", "Ping"}, parent) {
}

void ParticipantsModel::showMatch(const MatchResult* match) {
    teamGame_ = match && match->teamGame();
    winner_ = match ? match->winnerName() : std::string();
    setRows(match ? match->participants : std::vector<ParticipantResult>());
}

bool ParticipantsModel::won(const ParticipantResult& p) const {
    if (teamGame_)
        return (winner_ == "Red" && p.team == 1) || (winner_ == "Blue" && p.team == 2);
    return p.place == 1;
}

QVariant ParticipantsModel::cell(const ParticipantResult& p, int column, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
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
        return column == Name ? local(p.codedName) : QVariant();
    case Qt::FontRole: {
        QFont font;
        font.setBold(won(p));
        font.setItalic(p.player);
        return font;
    }
    case Qt::BackgroundRole:
        return won(p) ? QBrush(WinnerBackground) : QVariant();
    case Qt::ForegroundRole:
        return won(p) ? QBrush(Qt::black) : QVariant();
    case Qt::TextAlignmentRole:
        return column == Name || column == Kind || column == Team
                   ? QVariant()
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

} // namespace velkarn

#include "ui/models/RosterModel.h"

#include "core/setup/TextHelpers.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <algorithm>

namespace velkarn {

RosterModel::RosterModel(QObject* parent) : QAbstractListModel(parent) {
}

int RosterModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !entry_)
        return 0;
    return std::min<int>(entry_->botCount, MaxRosterSlots);
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
    if (!entry_ || !index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return local(
            rosterEntryText(entry_->bots[static_cast<std::size_t>(index.row())], teamColumn_));
    if (role == Qt::FontRole)
        return fixedPitchFont();
    return {};
}

void RosterModel::showEntry(RotationEntry* entry, bool teamColumn) {
    beginResetModel();
    entry_ = entry;
    teamColumn_ = teamColumn;
    endResetModel();
}

void RosterModel::rosterChanged() {
    beginResetModel();
    endResetModel();
}

} // namespace velkarn

#include "ui/models/RotationModel.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <functional>

namespace velkarn {

namespace {

// How a row whose map has no bot navigation in any archive is shown.
const QColor NoNavigationColor{160, 0, 0};
constexpr const char* NoNavigationHint = "No bot navigation: no archive holds maps/NAME.aas";

} // namespace

RotationModel::RotationModel(RotationAccess& rotation, const MapFiles& catalogue, QObject* parent)
    : QAbstractListModel(parent), rotation_(rotation), catalogue_(catalogue) {
}

int RotationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rotation_.size();
}

const MapFile* RotationModel::mapOf(int row) const {
    const int index = rotation_.mapFileIndex(row);
    return index >= 0 && index < static_cast<int>(catalogue_.size())
               ? catalogue_[static_cast<std::size_t>(index)].get()
               : nullptr;
}

QVariant RotationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rotation_.size())
        return {};
    const int row = index.row();
    const MapFile* map = mapOf(row);
    // Asked only where it shows: painting asks for every role of every row.
    const auto missingNavigation = [&] {
        return navigation_.navigation(*map) == Navigation::Missing;
    };
    switch (role) {
    case Qt::DisplayRole:
        return local(rotation_.entryText(row));
    case Qt::FontRole:
        return fixedPitchFont();
    case Qt::ToolTipRole: {
        if (!map)
            return QString("The catalogue holds no such map; the entry is kept but not played.");
        QString hint = local(map->longName);
        if (missingNavigation())
            hint += (hint.isEmpty() ? "" : "\n") + QString(NoNavigationHint);
        return hint;
    }
    case Qt::ForegroundRole:
        if (!map)
            return QPalette().color(QPalette::Disabled, QPalette::Text);
        if (missingNavigation())
            return NoNavigationColor;
        return {};
    default:
        return {};
    }
}

int RotationModel::appendEntry(int mapFileIndex) {
    const int row = rotation_.size();
    beginInsertRows({}, row, row);
    rotation_.add(catalogue_, mapFileIndex);
    endInsertRows();
    return row;
}

void RotationModel::removeEntries(const std::vector<int>& rows) {
    // One removal per row, last first, so that views keep their other rows and selections.
    std::vector<int> sorted = rows;
    // Last row first, so the rows still to remove keep their numbers.
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const int row : sorted) {
        if (row < 0 || row >= rotation_.size())
            continue;
        beginRemoveRows({}, row, row);
        rotation_.remove({row});
        endRemoveRows();
    }
}

void RotationModel::setGameType(const std::vector<int>& rows, int gameType) {
    rowsChanged(rotation_.setGameType(rows, gameType));
}

void RotationModel::setFragLimit(const std::vector<int>& rows, int fragLimit) {
    rowsChanged(rotation_.setFragLimit(rows, fragLimit));
}

void RotationModel::setTimeLimit(const std::vector<int>& rows, int timeLimit) {
    rowsChanged(rotation_.setTimeLimit(rows, timeLimit));
}

void RotationModel::rotationReplaced() {
    beginResetModel();
    endResetModel();
}

void RotationModel::catalogueChanged() {
    if (rotation_.size() > 0)
        emit dataChanged(index(0), index(rotation_.size() - 1));
}

void RotationModel::useNavigation(NavigationIndex navigation) {
    navigation_ = std::move(navigation);
    catalogueChanged();
}

void RotationModel::rowsChanged(const std::vector<int>& rows) {
    for (const int row : rows)
        emit dataChanged(index(row), index(row));
}

} // namespace velkarn

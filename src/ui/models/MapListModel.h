#pragma once

#include "core/setup/SetupRecords.h"
#include "ui/models/ListModel.h"

#include <QSortFilterProxyModel>

namespace velkarn {

// The catalogue's maps as rows, in catalogue order: each map's name (its file name without
// ".bsp") and its title as the hint. Refreshed when the catalogue changes.
ListModel* newMapListModel(const MapFiles& catalogue, QObject* parent);

// The map choices as a player looks for one among thousands: sorted by name without regard to
// case (maps.txt keeps its own order).
class SortedMapsModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit SortedMapsModel(ListModel& maps, QObject* parent = nullptr);

    // The row showing catalogue map `catalogueIndex`, or -1.
    int rowOfMap(int catalogueIndex) const;
    // The catalogue position of a row, or -1.
    int mapAt(int row) const;
};

} // namespace velkarn

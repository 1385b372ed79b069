#pragma once

#include "core/setup/SetupRecords.h"

#include <QAbstractListModel>
#include <QSortFilterProxyModel>

namespace velkarn {

// The catalogue's maps as rows, in catalogue order: each map's name (its file name without
// ".bsp"), its title as the hint, and its catalogue position under CatalogueIndexRole.
class MapListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int CatalogueIndexRole = Qt::UserRole + 1;

    explicit MapListModel(const MapFiles& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The catalogue changed: every row is read again.
    void catalogueChanged();

private:
    const MapFiles& catalogue_;
};

// The map choices as a player looks for one among thousands: sorted by name without regard to
// case (maps.txt keeps its own order).
class SortedMapsModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit SortedMapsModel(MapListModel& maps, QObject* parent = nullptr);

    // The row showing catalogue map `catalogueIndex`, or -1.
    int rowOfMap(int catalogueIndex) const;
    // The catalogue position of a row, or -1.
    int mapAt(int row) const;
};

} // namespace velkarn

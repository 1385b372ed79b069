#pragma once

#include "core/content/MapNavigation.h"
#include "ui/models/RotationAccess.h"

#include <QAbstractListModel>
#include <vector>

namespace velkarn {

// A rotation's entries as rows: each entry's line (map, game type and limits, for a fixed-pitch
// font) with its map's title as the hint, shown dimmed when the catalogue lacks the map and red
// when no archive holds the map's bot navigation. Every edit of the rotation goes through here,
// so every view of it shows each change at once.
class RotationModel : public QAbstractListModel {
    Q_OBJECT
public:
    RotationModel(RotationAccess& rotation, const MapFiles& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const RotationAccess& rotation() const { return rotation_; }
    // The catalogue's map of an entry, or nothing when the catalogue lacks it.
    const MapFile* mapOf(int row) const;

    // Appends the entry of catalogue map `mapFileIndex`; returns its row.
    int appendEntry(int mapFileIndex);
    void removeEntries(const std::vector<int>& rows);
    void setGameType(const std::vector<int>& rows, int gameType);
    void setFragLimit(const std::vector<int>& rows, int fragLimit);
    void setTimeLimit(const std::vector<int>& rows, int timeLimit);
    // The rotation was replaced as a whole (a setup read, a random series built).
    void rotationReplaced();
    // The catalogue changed: titles and marks are looked up again.
    void catalogueChanged();
    // The navigation of the game's archives as of the last search.
    void useNavigation(NavigationIndex navigation);

private:
    void rowsChanged(const std::vector<int>& rows);

    RotationAccess& rotation_;
    const MapFiles& catalogue_;
    mutable NavigationIndex navigation_; // remembers what it has listed
};

} // namespace velkarn

#pragma once

#include "core/setup/RotationOps.h"
#include "ui/models/MapListModel.h"
#include "ui/models/RotationModel.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QObject>
#include <memory>
#include <optional>
#include <vector>

namespace velkarn {

// The controls of a rotation editor, made by the page that lays them out its own way.
struct RotationControls {
    QComboBox* mapCombo; // the catalogue's maps, sorted by name, found by typing a part
    QListView* list;     // the rotation's entries
    QComboBox* gameTypeCombo;
    QLabel* fragLimitLabel;
    NumberSpin* fragLimitSpin;
    QLabel* timeLimitLabel;
    NumberSpin* timeLimitSpin;
};

// Editing a map rotation with its controls. The map box, the game types and the limits always
// show one thing: the map chosen to be added (no entry selected: Add/Remove adds it), or the
// entry under the cursor of the selected ones, whose map the map box then shows. Changing the
// game type or a limit stores it into every selected entry. The Complex page and the new-server
// group both edit their rotation through it and add what is their own.
class RotationEditor : public QObject {
    Q_OBJECT
public:
    RotationEditor(std::unique_ptr<RotationAccess> rotation, const MapFiles& catalogue,
                   RotationControls controls, QObject* parent = nullptr);

    RotationModel& model() { return *model_; }

    // The catalogue position of the map in the map box, or nothing.
    std::optional<int> chosenMap() const;
    // The map the user chose: every entry is deselected (so the next Add/Remove adds) and the
    // map's game types are offered.
    void showChosenMap();
    // Add/Remove: removes the selected entries, or adds the chosen map when none is selected.
    void addOrRemove();
    // Selects an entry alone, the cursor on it; the selection model's signals show it.
    void selectEntry(int row);
    // The selected rows, in order; the row under the cursor when it is selected.
    std::vector<int> selectedEntries() const;
    std::optional<int> focusedEntry() const;
    const GameTypeChoices& shownChoices() const { return shownChoices_; }
    // After the catalogue changed: the maps are read again and the map box keeps its map when
    // the catalogue still holds it, else takes the first.
    void catalogueChanged();
    // After the rotation was replaced as a whole: the first entry is selected and shown.
    void rotationReplaced();

signals:
    // The map the map box shows changed (to be described and previewed); -1 for none.
    void mapShown(int catalogueIndex);
    // An entry was shown (its row), or an entry was added (its row, not selected).
    void entryShown(int row);
    void entryAdded(int row);
    // Entries were removed; whatever pointed at them must let go.
    void entriesRemoved();
    // The selected entries' game type changed.
    void gameTypeApplied();

private:
    void connectControls();
    void showFocusedEntry();
    void showGameTypes(const GameTypeChoices& choices);
    void showMapInBox(int catalogueIndex);
    void applyGameType();
    void enableEntryControls();

    std::unique_ptr<RotationAccess> rotation_;
    const MapFiles& catalogue_;
    RotationControls controls_;
    RotationModel* model_;
    ListModel* maps_;
    SortedMapsModel* sortedMaps_;
    GameTypeChoices shownChoices_; // what gameTypeCombo offers, item for item
};

} // namespace velkarn

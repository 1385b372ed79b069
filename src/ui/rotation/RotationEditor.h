#pragma once

#include "core/content/MapNavigation.h"
#include "core/setup/RotationOps.h"
#include "ui/rotation/RotationAccess.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <vector>

namespace velkarn {

// The controls of a rotation editor; each page lays them out its own way.
struct RotationControls {
    QComboBox* mapCombo; // item i is catalogue map i
    QListWidget* list;   // line i is entry i
    QComboBox* gameTypeCombo;
    QLabel* fragLimitLabel;
    NumberSpin* fragLimitSpin;
    QLabel* timeLimitLabel;
    NumberSpin* timeLimitSpin;
};

// Editing a map rotation with its controls: choosing a catalogued map shows the game types it
// offers, Add/Remove adds it or removes the selected entries, showing an entry shows its game
// type and limits, and changing those stores them into every selected entry. The Complex page
// and the new-server group both edit their rotation through it and add what is their own.
class RotationEditor {
public:
    RotationEditor(RotationAccess& rotation, const MapFiles& catalogue, RotationControls controls);

    // Refills the map list from the catalogue and chooses its first map.
    void showMaps();
    // Refills the rotation list from the rotation (after it was replaced as a whole).
    void showRotation();
    // The catalogue position of the chosen map, or nothing.
    std::optional<int> chosenMap() const;
    // Deselects every entry, so the next Add/Remove adds, and offers the chosen map's game
    // types. False when no map is chosen.
    bool showChosenMap();
    // Appends an entry for the chosen map; its position, or nothing without a map.
    std::optional<int> addChosenMap();
    // Removes the selected entries, then shows the chosen map.
    void removeSelected();
    // Shows the focused entry's game type and limits without storing anything; its position,
    // or nothing when no entry is focused and selected.
    std::optional<int> showFocusedEntry();
    // Store the control's value into every selected entry; the selection stays.
    void applyGameType();
    void applyFragLimit();
    void applyTimeLimit();

    void enableEntryControls(bool on);
    // Marks the rows whose map has no bot navigation in the game's archives: those given here,
    // anew after each search as archives may have changed, and the map's own.
    void useNavigationFrom(std::vector<std::string> gameArchives);
    void markMapsWithoutNavigation();
    std::vector<int> selectedEntries() const;
    const GameTypeChoices& shownChoices() const { return shownChoices_; }

private:
    void showGameTypes(const GameTypeChoices& choices);
    void replaceLines(const std::vector<int>& positions);

    RotationAccess& rotation_;
    const MapFiles& catalogue_;
    RotationControls controls_;
    GameTypeChoices shownChoices_; // what gameTypeCombo offers, item for item
    NavigationIndex navigation_;
};

} // namespace velkarn

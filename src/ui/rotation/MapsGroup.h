#pragma once

#include "core/platform/Random.h"
#include "core/setup/RotationOps.h"
#include "core/setup/SetupModel.h"
#include "ui/rotation/RotationEditor.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <memory>

namespace velkarn {

class BotsGroup;
class LevelshotPreview;

// The "Maps" group of the Complex page: the offline rotation, each entry's game type and limits,
// and the preview of the chosen map.
class MapsGroup : public QGroupBox {
    Q_OBJECT
public:
    MapsGroup(SetupModel& model, Random& random, BotsGroup& bots, QWidget* parent = nullptr);

    QComboBox* mapCombo;
    QPushButton* findMapsButton;
    QPushButton* addRemoveMapsButton;
    QComboBox* gameTypeCombo;
    QLabel* fragLimitLabel;
    NumberSpin* fragLimitSpin;
    QLabel* timeLimitLabel;
    NumberSpin* timeLimitSpin;
    LevelshotPreview* preview; // jpegLabel and tgaView
    QLabel* mapInfoLabel;
    QListWidget* rotationList;

    // Shows a map's levelshot; shows it in `preview` unless replaced.
    std::function<void(const MapFile&, const std::string& mapName)> previewLevelshot;
    // Runs the content search ("Find...").
    std::function<void()> findMaps;

    // The entry the roster operations work on, or nothing when it is no longer in the rotation.
    RotationEntry* currentEntry() const;
    void makeCurrent(int position);
    // Gives an entry the focus without changing the selection, and shows it without preview.
    void focusEntry(int position);
    std::vector<int> selectedEntries() const;
    Random& random() { return random_; }

    // Refills mapCombo from the catalogue and chooses its first map.
    void showMaps();
    // Refills rotationList from the rotation (after it was replaced as a whole).
    void showRotation();
    // Marks the rows whose map has no bot navigation (see RotationEditor).
    void markMapsWithoutNavigation();
    void useNavigationFrom(std::vector<std::string> gameArchives);
    // Enables or disables the game type and limit controls.
    void enableEntryControls(bool on);

    void addOrRemoveEntries();
    void addChosenMap();
    void removeSelectedEntries();
    void showChosenMap();
    void showCurrentEntry(bool withPreview);
    // Stores the chosen game type into the selected entries and settles the team controls.
    void applyGameType();
    // The hint of an entry: its map's title.
    QString hintForRow(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const MapFile* catalogueEntry(int index) const;
    void describe(const MapFile& map);

    SetupModel& model_;
    Random& random_;
    BotsGroup& bots_;
    RotationEntry* currentEntry_ = nullptr;
    RotationAccessOf<RotationEntry> rotationAccess_;
    std::unique_ptr<RotationEditor> editor_;
};

} // namespace velkarn

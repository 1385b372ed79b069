#pragma once

#include "core/platform/Random.h"
#include "core/setup/RotationOps.h"
#include "core/setup/SetupModel.h"
#include "ui/widgets/SpinEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace velkarn {

class BotsGroup;
class LevelshotPreview;

// The "Maps" group of the Complex page: the offline rotation, each entry's game type and limits,
// and the preview of the chosen map.
class MapsGroup : public QGroupBox {
    Q_OBJECT
public:
    MapsGroup(SetupModel& model, Random& random, BotsGroup& bots, QWidget* parent = nullptr);

    QComboBox* cbMap;
    QPushButton* butFindMaps;
    QPushButton* butAddRemoveMaps;
    QComboBox* cbGameType;
    QLabel* lbFragLimit;
    TSpinEdit* spFragLimit;
    QLabel* lbTimeLimit;
    TSpinEdit* spTimeLimit;
    LevelshotPreview* preview; // imgMap and TargaImage
    QLabel* lbMapInfo;
    QListWidget* lbMaps;

    // Shows a map's levelshot; shows it in `preview` unless replaced.
    std::function<void(const AMapFile&, const std::string& mapName)> previewLevelshot;
    // Runs the content search ("Find...").
    std::function<void()> findMaps;

    // The entry the roster operations work on, or nothing when it is no longer in the rotation.
    AMap* currentEntry() const;
    void makeCurrent(int position);
    // Gives an entry the focus without changing the selection, and shows it without preview.
    void focusEntry(int position);
    std::vector<int> selectedEntries() const;
    Random& random() { return random_; }

    // Refills cbMap from the catalogue and chooses its first map.
    void showMaps();
    // Refills lbMaps from the rotation (after it was replaced as a whole).
    void showRotation();
    // Enables or disables the game type and limit controls.
    void enableEntryControls(bool on);

    void butAddRemoveMapsClick();
    void butAddMapClick();
    void butRemoveMapClick();
    void cbMapChange();
    void lbMapsClick(bool withPreview);
    void cbGameTypeChange();
    void spFragLimitChange();
    void spTimeLimitChange();
    // The hint of an entry: its map's title.
    QString hintForRow(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AMapFile* catalogueEntry(int index) const;
    void showGameTypes(const GameTypeChoices& choices);
    void replaceLines(const std::vector<int>& positions);
    void describe(const AMapFile& map);

    SetupModel& model_;
    Random& random_;
    BotsGroup& bots_;
    AMap* CurMap = nullptr;
    GameTypeChoices shownChoices_;
};

} // namespace velkarn

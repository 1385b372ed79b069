#pragma once

#include "core/setup/SetupModel.h"
#include "ui/rotation/RotationEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace velkarn {

class LevelshotPreview;

// The "Maps" group of the Complex page: the offline rotation with each entry's game type and
// limits, and the levelshot and title of the map the map box shows.
class MapsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit MapsGroup(SetupModel& model, QWidget* parent = nullptr);

    RotationEditor& editor() { return *editor_; }

signals:
    // "Find...": the content search is wanted.
    void findMapsRequested();

private:
    void createControls();
    void layOut();
    // Describes and previews a catalogue map, or shows nothing for -1.
    void showMap(int catalogueIndex);

    SetupModel& model_;
    QComboBox* mapCombo_;
    QPushButton* findMapsButton_;
    QPushButton* addRemoveMapsButton_;
    QComboBox* gameTypeCombo_;
    QLabel* fragLimitLabel_;
    NumberSpin* fragLimitSpin_;
    QLabel* timeLimitLabel_;
    NumberSpin* timeLimitSpin_;
    LevelshotPreview* preview_;
    QLabel* mapInfoLabel_;
    QListView* rotationList_;
    RotationEditor* editor_;
};

} // namespace velkarn

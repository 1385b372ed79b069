#pragma once

#include "core/launch/GameScript.h"
#include "core/session/Session.h"
#include "core/setup/RotationOps.h"
#include "ui/rotation/RotationEditor.h"
#include "ui/widgets/NumberSpin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

namespace velkarn {

// "Set Up New Server": the server's own map rotation (the model's serverRotation, mirrored item
// for item by serverRotationList) and its options, and starting it. Neither is stored in a file;
// both last for the run.
class NewServerGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit NewServerGroup(Session& session, QWidget* parent = nullptr);

    QGroupBox* serverMapsGroup;
    QComboBox* serverMapCombo; // item i is catalogue map i
    QPushButton* addRemoveServerMapButton;
    QListWidget* serverRotationList;
    QComboBox* serverGameTypeCombo;
    QLabel* serverFragLimitLabel;
    NumberSpin* serverFragLimitSpin;
    QLabel* serverTimeLimitLabel;
    NumberSpin* serverTimeLimitSpin;

    QGroupBox* serverOptionsGroup;
    QLabel* maxClientsLabel;
    NumberSpin* maxClientsSpin;
    QLabel* hostNameLabel;
    QLineEdit* hostNameEdit;
    QLabel* motdLabel;
    QLineEdit* motdEdit;
    QLabel* passwordLabel;
    QLineEdit* passwordEdit;
    QCheckBox* pureServerCheck;
    QLabel* maxRateLabel;
    NumberSpin* maxRateSpin;
    QLabel* weaponRespawnLabel;
    NumberSpin* weaponRespawnSpin;
    QLabel* weaponRespawnSecondsLabel;
    QCheckBox* allowVotingCheck;
    QCheckBox* synchronousClientsCheck;
    QPushButton* serverScriptButton; // shows what Start Server would write and start
    QPushButton* serveButton;        // the options as a dedicated server of a saved setup
    QPushButton* startServerButton;

    // Refills serverMapCombo from the catalogue and chooses its first map (after the start-up
    // reading and after each search).
    void showMaps();

    // The user chose a map: every entry is deselected, so the next Add/Remove adds, and the game
    // type list is made for that map. Nothing while no map is chosen.
    void showChosenServerMap();
    // Writes the server script from the options and the rotation, then starts the game.
    void startNewServer();
    void showServerScript();
    // Opens the Serve window with these options, to save them beside a setup.
    void showServeCommand();
    // Marks the rotation rows whose map has no bot navigation in these archives.
    void useNavigationFrom(std::vector<std::string> gameArchives);

    // The options as the controls hold them.
    ServerOptions serverOptions() const;

private:
    void createMapControls();
    void createOptionControls();
    void connectHandlers();

    Session& session_;
    RotationAccessOf<ServerRotationEntry> rotationAccess_;
    std::unique_ptr<RotationEditor> editor_;
};

} // namespace velkarn

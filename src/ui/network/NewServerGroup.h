#pragma once

#include "core/launch/GameScript.h"
#include "core/session/Session.h"
#include "ui/rotation/RotationEditor.h"
#include "ui/widgets/NumberSpin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <string>
#include <vector>

namespace velkarn {

// "Set Up New Server": the server's own map rotation (the model's serverRotation) and its
// options, and starting it. Neither is stored in a file unless saved for serve; both last for
// the run.
class NewServerGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit NewServerGroup(Session& session, QWidget* parent = nullptr);

    // The options as the controls hold them.
    ServerOptions serverOptions() const;
    // Marks the rotation rows whose map has no bot navigation in these archives.
    void useNavigationFrom(std::vector<std::string> gameArchives);

private:
    void createMapControls();
    void createOptionControls();
    void connectHandlers();
    // Writes the server script from the options and the rotation, then starts the game.
    void startNewServer();
    void showServerScript();
    // The options as a dedicated server of a saved setup: its serve command and unit.
    void showServeCommand();

    Session& session_;
    RotationEditor* editor_ = nullptr;
    QGroupBox* serverMapsGroup_;
    QComboBox* serverMapCombo_;
    QPushButton* addRemoveServerMapButton_;
    QListView* serverRotationList_;
    QComboBox* serverGameTypeCombo_;
    QLabel* serverFragLimitLabel_;
    NumberSpin* serverFragLimitSpin_;
    QLabel* serverTimeLimitLabel_;
    NumberSpin* serverTimeLimitSpin_;
    QGroupBox* serverOptionsGroup_;
    QLabel* maxClientsLabel_;
    NumberSpin* maxClientsSpin_;
    QLabel* hostNameLabel_;
    QLineEdit* hostNameEdit_;
    QLabel* motdLabel_;
    QLineEdit* motdEdit_;
    QLabel* passwordLabel_;
    QLineEdit* passwordEdit_;
    QCheckBox* pureServerCheck_;
    QLabel* maxRateLabel_;
    NumberSpin* maxRateSpin_;
    QLabel* weaponRespawnLabel_;
    NumberSpin* weaponRespawnSpin_;
    QLabel* weaponRespawnSecondsLabel_;
    QCheckBox* allowVotingCheck_;
    QCheckBox* synchronousClientsCheck_;
    QPushButton* serverScriptButton_;
    QPushButton* serveButton_;
    QPushButton* startServerButton_;
};

} // namespace velkarn

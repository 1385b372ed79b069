#pragma once

#include "core/session/Session.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// "Player Options": the player's coloured name, model, skin, team and simulated ping.
class PlayerOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // Shows and edits `session`'s player; the model list follows its catalogue.
    explicit PlayerOptionsWindow(Session& session, QWidget* parent = nullptr);

    QToolBar* colourToolBar;
    // blackButton, redButton, ... whiteButton: the colour codes "^0" to "^7".
    std::array<QToolButton*, 8> colourButtons{};
    QLabel* playerNameLabel;
    QLineEdit* playerNameEdit;
    QTextEdit* namePreview;   // read-only coloured preview
    QLabel* nameProblemLabel; // why the last keystroke was refused; hidden when none was
    QLabel* modelLabel;
    QComboBox* modelCombo;
    QLabel* skinLabel;
    QComboBox* skinCombo;
    QLabel* modelIconLabel; // the chosen model's icon in the chosen skin; empty when none
    QLabel* teamLabel;
    QComboBox* teamCombo;
    QLabel* simPingLabel;
    NumberSpin* simPingSpin;
    QPushButton* okButton;

    // The colour buttons: puts "^" and `digit` in front of the name field's selection
    // (the whole name when nothing is selected), dropping the codes inside it.
    void applyColourCode(char digit);
    // Rebuilds the coloured preview from the coded name; runs on every change of the name.
    void showNamePreview();
    // Refills the skins of the chosen model (exact name) and selects the first.
    void showModelSkins();
    // Shows the icon of the chosen model and skin from the game folder's archives.
    void showModelIcon();
    void closeOptions();

    // The sorted model list of the catalogue, then the player's model and skin.
    void showModels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addColourButtons();
    void layOut();
    void connectControls();
    // The skins of the model chosen in modelCombo (exact name), in slot order.
    void refillSkins();
    // Shows the player's values, leaving alone what already shows them.
    void showPlayer();
    void chooseModelInList();

    Session& session_;
    PlayerOptions& player_;

    // Leaving the name field by keyboard clears its selection; a colour button reached with
    // Tab still applies to what was selected.
    struct Selection {
        int start;
        int length;
    };
    std::optional<Selection> selectionAtFocusOut_;
    // The game folder's archives, listed again after each search or a change of game folder,
    // and the model and skin whose icon is shown.
    std::optional<std::string> archivesFolder_;
    std::vector<std::string> archives_;
    std::string iconShownFor_;
};

} // namespace velkarn

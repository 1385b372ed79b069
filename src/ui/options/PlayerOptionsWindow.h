#pragma once

#include "core/session/Session.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace velkarn {

class NumberSpin;
class TextListModel;

// "Player Options": the player's colored name, model, skin, team, simulated ping and whether
// the engine records local matches. The model
// and skin lists follow the catalogue. It grows in width and keeps its size and place.
class PlayerOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // Shows and edits `session`'s player.
    explicit PlayerOptionsWindow(Session& session, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void addColorButtons();
    void layOut();
    void connectControls();
    // The color buttons: puts "^" and `digit` in front of the name field's selection (the whole
    // name when nothing is selected), dropping the codes inside it.
    void applyColorCode(char digit);
    // Rebuilds the colored preview from the coded name; runs on every change of the name.
    void showNamePreview();
    // A model chosen in the list: the player takes it with its first skin.
    void chooseModel(int row);
    void chooseSkin(int row);
    // Lists the skins of the model named exactly `model` (case matters).
    void showSkinsOf(const std::string& model);
    // Shows the player's values, leaving alone what already shows them.
    void showPlayer();
    // Shows the icon of the chosen model and skin from the game's archives, while the window is
    // shown.
    void showModelIcon();

    Session& session_;
    PlayerOptions& player_;
    // The catalogue's models, sorted ignoring case, and the skins of one of them in slot order;
    // both keep their names, so a view never reads a catalogue being searched.
    TextListModel* modelList_;
    TextListModel* skinList_;
    std::string skinsShownFor_;

    QToolBar* colorToolBar_;
    // blackButton, redButton, ... whiteButton: the color codes "^0" to "^7".
    std::array<QToolButton*, 8> colorButtons_{};
    QLineEdit* playerNameEdit_;
    QTextEdit* namePreview_;   // read-only colored preview
    QLabel* nameProblemLabel_; // why the last keystroke was refused; hidden when none was
    QComboBox* modelCombo_;
    QComboBox* skinCombo_;
    QLabel* modelIconLabel_; // the chosen model's icon in the chosen skin; empty when none
    QComboBox* teamCombo_;
    NumberSpin* simPingSpin_;
    QCheckBox* recordGamesCheck_;

    // Leaving the name field by keyboard clears its selection; a color button reached with
    // Tab still applies to what was selected.
    struct Selection {
        int start;
        int length;
    };
    std::optional<Selection> selectionAtFocusOut_;
    // The game's archives, listed again after each search or a change of game folder, and the
    // model and skin whose icon is shown.
    std::optional<std::string> archivesFolder_;
    std::vector<std::string> archives_;
    std::string iconShownFor_;
};

} // namespace velkarn

#pragma once

#include "core/setup/SetupModel.h"
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
    // FormCreate: reads models.txt from the main window's appDir into its catalogue, so the
    // main window must exist first.
    explicit PlayerOptionsWindow(QWidget* parent = nullptr);

    QToolBar* colourToolBar;
    // blackButton, redButton, ... whiteButton: the colour codes "^0" to "^7".
    std::array<QToolButton*, 8> colourButtons{};
    QLabel* playerNameLabel;
    QLineEdit* playerNameEdit;
    QTextEdit* namePreview; // read-only coloured preview
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

    // After a content search: the sorted model list, then the model named `setupModel` and its
    // skin named `setupSkin` (both exact), each falling back to the first entry.
    void refillModels(const Catalogue& catalogue, const std::string& setupModel,
                      const std::string& setupSkin);

    // The player settings as the game script and the setup files read them.
    std::string playerName() const; // coded, as typed
    std::string modelName() const;
    std::string skinName() const;
    int team() const; // 0 "Choose at launch", 1 Blue, 2 Red
    int simPing() const;
    void setPlayerName(const std::string& codedName);
    void setSimPing(int ping);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addColourButtons();
    void refillSkins(const Catalogue& catalogue);

    // Leaving the name field by keyboard clears its selection; a colour button reached with
    // Tab still applies to what was selected.
    struct Selection {
        int start;
        int length;
    };
    std::optional<Selection> selectionAtFocusOut_;
    // The game folder's archives, listed again after each search or a change of game folder.
    std::string archivesFolder_;
    std::vector<std::string> archives_;
};

} // namespace velkarn

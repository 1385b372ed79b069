#pragma once

#include "core/session/GameOptions.h"
#include "ui/options/ModEditWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

// "Game Options": shows and edits the game options: the game folder, the extra command line and
// the mod list.
class GameOptionsWindow : public QDialog {
    Q_OBJECT
public:
    GameOptionsWindow(GameOptions& game, ModEditWindow& modEditor, QWidget* parent = nullptr);

    QLabel* installationLabel;
    QComboBox* installationCombo; // the installations found, then the folder named, if any
    QLabel* startCommandLabel;
    QLabel* homeFolderLabel;
    QLabel* gameFolderLabel;
    QLineEdit* gameFolderEdit;
    QPushButton* chooseGameFolderButton;
    QPushButton* okButton;
    QLabel* modLabel;
    QComboBox* modCombo;
    QPushButton* findModsButton;
    QPushButton* editModButton;
    QPushButton* removeModButton;
    QListWidget* modParametersList; // hidden; parameters of each mod, index for index with modCombo
    QLabel* commandLineLabel;
    QLineEdit* commandLineEdit;

    // Path validation when the field is left: a trailing "/" is added, then the game's
    // executable is looked for.
    void checkGameFolder();
    // The desktop's folder dialog; the folder chosen becomes the game.
    void chooseGameFolder();
    // The first start's question for the game: the installations found, the first one chosen,
    // in the window shown modally, without Find Mods while no folder is known.
    void askForGameFolder();
    // However the window is left (OK, Escape, its close box), what was entered is kept in
    // path.txt. A first start left without OK and without any change writes nothing, so the
    // next start asks again.
    void done(int result) override;
    void searchForMods();
    // Edits the selected mod in the mod edit window.
    void editSelectedMod();
    // Deletes the selected mod without asking and selects entry 0.
    void removeSelectedMod();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOut();
    void showPaths();
    // Lists the installations found, and the folder named when it is none of them.
    void showInstallations();
    // Mirrors the mod list into modCombo and modParametersList, index for index.
    void showMods();
    // Edit and Remove apply to every entry but entry 0.
    void updateModButtons();

    GameOptions& game_;
    ModEditWindow& modEditor_;
    std::vector<Installation> installations_; // those found, item for item in installationCombo
    GamePaths initialPaths_;                  // what the fields held before anything was entered
};

} // namespace velkarn

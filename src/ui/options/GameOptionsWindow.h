#pragma once

#include "core/session/GameOptions.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkarn {

class InstallationListModel;
class ListModel;
class ModEditWindow;

// "Game Options": shows and edits the game options: the game (an installation found or a folder),
// the extra command line and the mod list. It grows in width and keeps its size and place.
class GameOptionsWindow : public QDialog {
    Q_OBJECT
public:
    GameOptionsWindow(GameOptions& game, ModEditWindow& modEditor, QWidget* parent = nullptr);

    // The first start, for a program that found no path.txt, in two steps. First an
    // installation with game data (installationForFirstStart) becomes the game and is written to
    // path.txt at once, without a question; false when there is none. Errors (path.txt not
    // writable) are shown, never thrown; the installation is the game all the same.
    bool useInstallationFound();
    // Then, only when that found none, the question: "Please set Quake III Arena executable
    // path...", and this window modally, Find Mods disabled, until it is left; leaving writes
    // path.txt as GameOptions::writePathsOnLeaving says.
    void askForGameFolder();

    // However the window is left (OK, Escape, its close box), path.txt keeps what it shows as
    // GameOptions::writePathsOnLeaving says.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOut();
    void connectControls();
    // Shows the paths, the game chosen and what it will start.
    void showPaths();
    void showInstallationDetails();
    void showChosenMod();
    // The typed folder once the field is left: a trailing "/" is added and the game-folder rule
    // says what is wrong with it; the folder stays as typed either way.
    void checkTypedGameFolder();
    // The desktop's folder dialog; a folder that passes the game-folder rule becomes the game.
    void chooseGameFolder();
    void chooseInstallation(int row);
    // A folder that holds data but no engine is kept, but cannot start a game.
    void warnWithoutEngine(const Installation& folder);
    void editSelectedMod();
    void removeSelectedMod();
    // Edit and Remove apply to every entry but entry 0.
    void updateModButtons();

    GameOptions& game_;
    ModEditWindow& modEditor_;
    InstallationListModel* installationModel_;
    ListModel* modModel_;

    QComboBox* installationCombo_;
    QLabel* startCommandLabel_;
    QLabel* homeFolderLabel_;
    QLineEdit* gameFolderEdit_;
    QPushButton* chooseGameFolderButton_;
    QComboBox* modCombo_;
    QPushButton* findModsButton_;
    QPushButton* editModButton_;
    QPushButton* removeModButton_;
    QLineEdit* commandLineEdit_;
    QDialogButtonBox* buttons_;
};

} // namespace velkarn

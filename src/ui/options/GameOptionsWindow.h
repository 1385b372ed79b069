#pragma once

#include "core/setup/ModList.h"
#include "core/setup/PathFile.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

namespace velkarn {

// "Game Options": the game folder, the extra command line and the mod list.
class GameOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // FormCreate: reads the mod list from mods.txt in `appDir` (ending with "/").
    explicit GameOptionsWindow(const std::string& appDir, QWidget* parent = nullptr);

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

    // The game folder and command line as the fields hold them.
    GamePaths paths() const;
    void setPaths(const GamePaths& paths);

    // Path validation when the field is left: a trailing "/" is added, then the game's
    // executable is looked for.
    void checkGameFolder();
    void showFolderChooser();
    // Hides the window and writes path.txt.
    void savePathsAndClose();
    // However the window is left (OK, Escape, its close box), what was entered is kept in
    // path.txt. A first start left without any change writes nothing, so the next start asks
    // again.
    void done(int result) override;

    // Appends the mod folders of the game folder not yet listed and rewrites mods.txt; the
    // selection stays. The content search calls it too after each catalogue search.
    void searchForMods();
    // Edits the selected mod in the mod edit window; mods.txt is rewritten either way.
    void editSelectedMod();
    // Deletes the selected mod without asking, rewrites mods.txt and selects entry 0.
    void removeSelectedMod();
    // Edit and Remove apply to every entry but entry 0.
    void updateModButtons();

    // The mod choice as the launch and the setup files read it. No selection reads as -1, and
    // it and entry 0 start the game without mod parameters.
    int selectedModIndex() const;
    std::string selectedModParameters() const;
    std::string selectedModName() const;
    // Selects the first mod named `name` ignoring case, else entry 0.
    void selectModByName(const std::string& name);
    const std::vector<Mod>& modList() const { return mods_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GamePaths initialPaths_; // what the fields hold before anything is entered
    std::string modsFile() const { return appDir_ + "mods.txt"; }
    // Mirrors mods_ into modCombo and modParametersList, index for index, then selects `index`.
    void showModList(int index);
    void writeModList() const;

    std::string appDir_;
    std::vector<Mod> mods_ = freshModList();
};

} // namespace velkarn

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
class TfmGameOptions : public QDialog {
    Q_OBJECT
public:
    // FormCreate: reads the mod list from mods.txt in `appDir` (ending with "/").
    explicit TfmGameOptions(const std::string& appDir, QWidget* parent = nullptr);

    QLabel* lbExePath;
    QLineEdit* edExePath;
    QPushButton* butChooseExePath;
    QPushButton* butGOOK;
    QLabel* lbMod;
    QComboBox* cbMod;
    QPushButton* butFindMods;
    QPushButton* butEditMod;
    QPushButton* butRemoveMod;
    QListWidget* lbModParameters; // hidden; parameters of each mod, index for index with cbMod
    QLabel* lbCommandLine;
    QLineEdit* edCommandLine;

    // The game folder and command line as the fields hold them.
    GamePaths paths() const;
    void setPaths(const GamePaths& paths);

    // Path validation when the field is left: a trailing "/" is added, then the game's
    // executable is looked for.
    void edExePathChange();
    void butChooseExePathClick();
    // Hides the window and writes path.txt.
    void butGOOKClick();
    // However the window is left (OK, Escape, its close box), what was entered is kept in
    // path.txt. A first start left without any change writes nothing, so the next start asks
    // again.
    void done(int result) override;

    // Appends the mod folders of the game folder not yet listed and rewrites mods.txt; the
    // selection stays. The content search calls it too after each catalogue search.
    void butFindModsClick();
    // Edits the selected mod in the mod edit window; mods.txt is rewritten either way.
    void butEditModClick();
    // Deletes the selected mod without asking, rewrites mods.txt and selects entry 0.
    void butRemoveModClick();
    // Edit and Remove apply to every entry but entry 0.
    void cbModChange();

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
    // Mirrors mods_ into cbMod and lbModParameters, index for index, then selects `index`.
    void showModList(int index);
    void writeModList() const;

    std::string appDir_;
    std::vector<Mod> mods_ = FreshModList();
};

} // namespace velkarn

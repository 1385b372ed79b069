#pragma once

#include "core/launch/GameLaunch.h"
#include "core/platform/Installation.h"
#include "core/setup/ModList.h"
#include "core/setup/PathFile.h"

#include <QObject>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// The game the launches use: its folder and extra command line (kept in path.txt), and the mod
// list with the chosen mod (kept in mods.txt). The game options window edits it; play and scan
// read it the same way.
class GameOptions : public QObject {
    Q_OBJECT
public:
    // `appDir` is the list-file folder, ending with "/"; `layout` tells where installations are.
    explicit GameOptions(std::string appDir, SystemLayout layout = SystemLayout::current());

    const GamePaths& paths() const { return paths_; }
    void setPaths(const GamePaths& paths);
    // A folder the user names is a self-contained game folder.
    void setGameFolder(const std::string& folder);
    // Makes `installation` the game: its base folder becomes the game folder.
    void chooseInstallation(const Installation& installation);
    // The game path.txt names. Throws UserMessage when a packaged installation is gone.
    Installation installation() const;
    // The installation's content folders; none when it is gone (for views, which never fail).
    std::vector<std::string> contentFolders() const;
    // Whether the game path.txt would name is there and has game data.
    bool hasUsableGame() const;
    // The packaged installations here (findInstallations), looked for once, when first asked.
    const std::vector<Installation>& installations() const;
    const SystemLayout& layout() const { return layout_; }
    void setCommandLine(const std::string& commandLine);
    // Reads path.txt; throws FileOpenError. Nothing changes when it fails.
    void readPaths();
    // Writes both lines to path.txt. Throws FileCreateError.
    void writePaths() const;
    // Writes path.txt as the game options are left, when that keeps something: confirmed (OK)
    // always, even a folder without a game, since the user said so; otherwise (Escape, the close
    // box) when path.txt exists, so edits are kept, or when the game is usable, so a first start
    // left that way is settled while one that names nothing usable asks again. True when written.
    // Throws FileCreateError.
    bool writePathsOnLeaving(bool confirmed) const;
    std::string pathFile() const { return appDir_ + "path.txt"; }

    const std::vector<Mod>& mods() const { return mods_; }
    // -1 when nothing is chosen; -1 and 0 start the game without mod parameters.
    int modIndex() const { return modIndex_; }
    void chooseMod(int index);
    // Chooses the first mod named `name` ignoring case, else entry 0.
    void chooseModByName(const std::string& name);
    std::string chosenModName() const;
    // Reads mods.txt (a missing file gives the fresh list) and chooses entry 0; returns the
    // problems found (see readModsFile). When it cannot be read, the fresh list is used and
    // FileOpenError thrown, so the program still starts; it is then not saved with less in it.
    std::vector<std::string> readMods();
    // Appends the mod folders of the game's folders not yet listed and rewrites mods.txt; the
    // choice stays. An empty game folder names no folder and finds nothing. Mods found before a
    // failure stay listed.
    void findMods();
    // Replaces mods.txt with the list. Throws as writeModsFile does.
    void writeMods();
    // Replace or delete an entry other than entry 0 and rewrite mods.txt; false, and nothing
    // written, when the entry may not be changed. Removing chooses entry 0.
    bool editMod(int index, const Mod& edited);
    bool removeMod(int index);

    // What a launch reads: game folder, extra command line and the chosen mod's parameters,
    // and whom to tell when a game starts.
    GameSettings launchSettings() const;
    void setLaunchObserver(std::function<void(LaunchPath)> observer);
    void setJoinObserver(std::function<void(const SavedServer&)> observer);

signals:
    void pathsChanged();
    // The mod list changed, and maybe the choice with it.
    void modsChanged();
    // Only the choice of mod changed.
    void modChosen();

private:
    std::string appDir_;
    SystemLayout layout_;
    GamePaths paths_;
    mutable std::optional<std::vector<Installation>> installations_;
    std::vector<Mod> mods_ = freshModList();
    bool modsReadWhole_ = true;
    int modIndex_ = 0;
    std::function<void(LaunchPath)> launchObserver_;
    std::function<void(const SavedServer&)> joinObserver_;
};

} // namespace velkarn

#pragma once

#include "core/network/BuddyBook.h"
#include "core/network/CountryDatabase.h"
#include "core/platform/Random.h"
#include "core/results/ResultsTracker.h"
#include "core/session/GameOptions.h"
#include "core/session/PlayerOptions.h"
#include "core/session/StartupFiles.h"
#include "core/setup/SetupFile.h"
#include "core/setup/SetupModel.h"

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

namespace velkarn {

// The state of one run over one list-file folder: the game, the player, the setup with its
// rotation, saved servers and catalogue, the results, the buddies and the country database.
// The windows and the commands load and use it through the same functions.
class Session : public QObject {
    Q_OBJECT
public:
    // `appDir` is the list-file folder, ending with "/"; `seed` seeds the random generator;
    // `layout` tells where the game installations are.
    Session(std::string appDir, std::uint32_t seed,
            const SystemLayout& layout = SystemLayout::current());

    const std::string& appDir() const { return appDir_; }
    std::string setupFolder() const { return velkarn::setupFolder(appDir_); }

    GameOptions game;
    PlayerOptions player;
    SetupModel setup;
    Random random;
    // The results of the games this session starts, read from the game's log.
    ResultsTracker results;
    // The players looked for on the servers, from buddies.txt.
    BuddyBook buddies;
    // Where the servers stand, from the system's country databases.
    CountryDatabase countries;

    // Reads path.txt, maps.txt, bots.txt, servers.txt, buddies.txt, mods.txt and models.txt, and
    // creates the
    // configs folder when it is missing. Never throws for a broken file: each failure is recorded
    // and the next file is read.
    StartupFiles readListFiles();

    // Takes what a setup file gave: its rotation replaces the current one, and its player lines
    // set the name, ping and mod; the model and skin it names are chosen after the next search
    // (or at once by chooseSetupModel).
    void applySetup(SetupReadResult& read);
    // Reads configs/<fileName> into `read` and applies it; what was read before a failure is
    // applied too, then the failure is thrown. `read` keeps the info lines, the refused player
    // values and the notes of what the game leaves out (entries whose maps the catalogue lacks,
    // bots the game does not define), each with the file and line.
    void loadSetup(const std::string& fileName, SetupReadResult& read);
    // Reads configs/default.vkn, when there is one, as loadSetup does. A default setup that
    // cannot be read whole is remembered, so that closing keeps it rather than writing over it
    // with what was read.
    void loadDefaultSetup(SetupReadResult& read);
    // Replaces the rotation with one built elsewhere (the Simple page's random series).
    void replaceRotation(Rotation rotation);
    // Writes the rotation and the player lines to configs/<fileName>, with `info` lines first
    // when given. Reading and writing name the setup (SetupModel::setupName).
    void writeSetup(const std::string& fileName, const std::vector<std::string>* info);
    // Chooses the player model and skin the last setup named, else the first ones.
    void chooseSetupModel();

    // What closing the main window keeps: the current setup as configs/default.vkn (a default
    // setup that could not be read whole at start is first kept aside as default.vkn.bak), and
    // servers.txt unless it could not be read at start, when the file stays as it is. Both are
    // tried; then the first failure is thrown.
    void saveAtClose();

    // Called after the catalogue was rebuilt: chooses the setup's model and tells every view.
    void catalogueRebuilt();

    // The log of the game in use and the player's name, as the results read them. Throws
    // UserMessage when no game is set or it is gone.
    ResultsTracker::Source resultsSource() const;

    // Starts the game on `server` as the game and player options say; throws as
    // requireGameStarted does when there is no game to start.
    void join(const SavedServer& server);

signals:
    void catalogueChanged();
    // The rotation was replaced as a whole (a setup read, a random series built).
    void rotationReplaced();
    // The saved servers changed outside the window that lists them (a server search added one).
    void serversChanged();

private:
    void noteLaunch(LaunchPath path);

    std::string appDir_;
    StartupFiles startup_;
    bool defaultSetupUnreadable_ = false;
};

} // namespace velkarn

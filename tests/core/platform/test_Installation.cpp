#include "core/launch/GameLaunch.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Installation.h"
#include "support/TempFolder.h"
#include "support/TestLayout.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace velkarn;
using namespace velkarn::test;
namespace fs = std::filesystem;

namespace {

struct InstallationTest : ::testing::Test {
    TempFolder temp;
    SystemLayout layout = testLayout(temp);

    void program(const std::string& path) {
        temp.write(path, "#!/bin/sh\n");
        fs::permissions(temp.file(path), fs::perms::owner_all, fs::perm_options::add);
    }
    void debianOpenArena() {
        program("root/usr/games/openarena");
        temp.makeFolder("root/usr/lib/openarena/baseoa");
    }
};

} // namespace

TEST_F(InstallationTest, FindsEachPackagedKindMostLikelyFirst) {
    EXPECT_TRUE(findInstallations(layout).empty());
    debianOpenArena();
    program("root/usr/lib/ioquake3/ioquake3");
    program("bin/flatpak");
    layout.path = {temp.file("bin/")};
    temp.makeFolder("home/.local/share/flatpak/app/org.ioquake3.ioquake3");

    const auto found = findInstallations(layout);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].id(), "debian-openarena");
    EXPECT_EQ(found[0].startCommand,
              (std::vector<std::string>{temp.file("root/usr/games/openarena")}));
    EXPECT_EQ(found[0].baseFolder, temp.file("root/usr/lib/openarena/"));
    EXPECT_EQ(found[0].homeFolder, temp.file("home/.openarena/"));
    EXPECT_EQ(found[0].dataFolder, "baseoa");
    EXPECT_EQ(found[1].id(), "debian-ioquake3");
    EXPECT_EQ(fs::canonical(found[1].baseFolder),
              fs::canonical(temp.file("root/usr/lib/ioquake3")));
    EXPECT_EQ(found[1].homeFolder, temp.file("home/.q3a/"));
    EXPECT_EQ(found[2].startCommand,
              (std::vector<std::string>{temp.file("bin/flatpak"), "run", "org.ioquake3.ioquake3"}));
    EXPECT_EQ(found[2].homeFolder, temp.file("home/.var/app/org.ioquake3.ioquake3/data/q3a/"));

    // Newer engines use the XDG data folder once it exists.
    temp.makeFolder("home/.local/share/q3a");
    EXPECT_EQ(findInstallations(layout)[1].homeFolder, temp.file("home/.local/share/q3a/"));
}

// A machine without a display may hold Debian's server packages alone.
TEST_F(InstallationTest, DebianServerPackagesAreTheDedicatedEnginesWithOrWithoutTheirGames) {
    program("root/usr/games/openarena-server");
    temp.makeFolder("root/usr/lib/openarena-server/baseoa");
    program("root/usr/lib/ioquake3/ioq3ded");
    auto found = findInstallations(layout);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].id(), "debian-openarena");
    EXPECT_TRUE(found[0].startCommand.empty());
    EXPECT_EQ(found[0].serverCommand,
              (std::vector<std::string>{temp.file("root/usr/games/openarena-server")}));
    EXPECT_EQ(found[0].baseFolder, temp.file("root/usr/lib/openarena-server/"));
    EXPECT_EQ(found[0].homeFolder, temp.file("home/.openarena/"));
    EXPECT_EQ(found[1].id(), "debian-ioquake3");
    EXPECT_TRUE(found[1].startCommand.empty());
    EXPECT_EQ(found[1].serverCommand.size(), 1u);
    EXPECT_EQ(fs::canonical(found[1].serverCommand.front()),
              fs::canonical(temp.file("root/usr/lib/ioquake3/ioq3ded")));

    debianOpenArena();
    program("root/usr/lib/ioquake3/ioquake3");
    found = findInstallations(layout);
    EXPECT_EQ(found[0].startCommand,
              (std::vector<std::string>{temp.file("root/usr/games/openarena")}));
    EXPECT_EQ(found[0].baseFolder, temp.file("root/usr/lib/openarena/"));
    EXPECT_EQ(found[0].serverCommand,
              (std::vector<std::string>{temp.file("root/usr/games/openarena-server")}));
    EXPECT_EQ(found[1].startCommand.size(), 1u);
    EXPECT_EQ(found[1].serverCommand.size(), 1u);
}

TEST_F(InstallationTest, PackagedGamesGetTheirScriptAndStartInTheHomeFolder) {
    debianOpenArena();
    const Installation openArena = findInstallations(layout).front();
    EXPECT_EQ(scriptPath(openArena), temp.file("home/.openarena/baseoa/velkarn.cfg"));
    writeGameScript(openArena, {"vstr m0"});
    EXPECT_TRUE(folderExists(temp.file("home/.openarena/baseoa"))) << "created when missing";
    EXPECT_EQ(temp.read("home/.openarena/baseoa/velkarn.cfg"), "vstr m0\r\n");
    EXPECT_FALSE(fileExists(temp.file("root/usr/lib/openarena/baseoa/velkarn.cfg")));

    // The start command runs in the home folder, the base folder not being the user's.
    fs::copy_file(FAKE_GAME_PATH, openArena.startCommand.front(),
                  fs::copy_options::overwrite_existing);
    ASSERT_TRUE(startGame(openArena, {"+exec", "velkarn"}));
    const std::string run = temp.file("home/.openarena/fake_game_run.txt");
    for (int i = 0; i < 200 && !fileExists(run); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fileExists(run));

    // A home data folder that is a link out of the home folder is never written through.
    fs::remove_all(temp.file("home/.openarena/baseoa"));
    fs::create_directory_symlink(temp.file("root/usr/lib/openarena/baseoa"),
                                 temp.file("home/.openarena/baseoa"));
    EXPECT_THROW(writeGameScript(openArena, {"x"}), UserMessage);
    EXPECT_FALSE(fileExists(temp.file("root/usr/lib/openarena/baseoa/velkarn.cfg")));
}

TEST_F(InstallationTest, AFolderOfTheUsersKeepsItsDataFolderAndIsCheckedWhenNamed) {
    temp.makeFolder("games/oa/baseoa");
    const Installation folder = installationInFolder(temp.file("games/oa"), layout);
    EXPECT_EQ(folder.dataFolder, "baseoa");
    EXPECT_EQ(folder.homeFolder, folder.baseFolder);
    EXPECT_EQ(scriptPath(folder), temp.file("games/oa/baseoa/velkarn.cfg"));
    EXPECT_TRUE(folder.startCommand.empty());
    EXPECT_TRUE(installationInFolder("", layout).contentFolders().empty()) << "not the root";

    // The one rule for a folder the user names: an engine or a data folder will do.
    EXPECT_EQ(requireGameFolder(temp.file("games/oa"), layout).baseFolder, folder.baseFolder);
    temp.makeFolder("empty");
    temp.write("datafile/baseq3", "");
    for (const auto& [path, message] : std::vector<std::pair<std::string, std::string>>{
             {"", "No game folder is named."},
             {temp.file("nowhere"),
              "The game folder " + temp.file("nowhere/") + " does not exist."},
             {temp.file("empty"), "The folder " + temp.file("empty/") +
                                      " holds neither a game engine nor a data folder."},
             {temp.file("datafile"),
              "The data folder " + temp.file("datafile/baseq3") + " is a file, not a folder."}}) {
        try {
            requireGameFolder(path, layout);
            ADD_FAILURE() << path;
        } catch (const UserMessage& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
    EXPECT_THROW(storedInstallation("debian-openarena", "", layout), UserMessage)
        << "a package no longer installed";
    EXPECT_TRUE(storedInstallation("", "", layout).contentFolders().empty())
        << "no folder named yet is not the whole disk";
}

// Only archives where the engine reads them count: an engine alone, an empty data folder or a
// stray archive beside the data folder is no game data.
TEST_F(InstallationTest, InstallationsWithoutArchivesInTheirDataFoldersHaveNoGameData) {
    debianOpenArena();
    program("root/usr/lib/ioquake3/ioquake3");
    temp.write("root/usr/lib/ioquake3/pak0.pk3", "PK");
    temp.makeFolder("root/usr/lib/openarena/baseoa/pak9.pk3");
    auto found = findInstallations(layout);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].label, "OpenArena (Debian package) (no game data)");
    EXPECT_EQ(found[1].label, "ioquake3 (Debian package) (no game data)");
    EXPECT_FALSE(found[0].hasGameData || found[1].hasGameData);
    EXPECT_FALSE(installationForFirstStart(found));

    // The user's own folder of the engine counts as much as the package's.
    temp.write("home/.q3a/baseq3/pak0.pk3", "PK");
    found = findInstallations(layout);
    EXPECT_FALSE(found[0].hasGameData);
    EXPECT_TRUE(found[1].hasGameData);
    EXPECT_EQ(found[1].label, "ioquake3 (Debian package)");
    EXPECT_EQ(installationForFirstStart(found)->id(), "debian-ioquake3");

    temp.write("games/q3/baseq3/pak0.pk3", "PK");
    EXPECT_TRUE(installationInFolder(temp.file("games/q3"), layout).hasGameData);
}

TEST_F(InstallationTest, FirstStartPrefersAGameWithDataThatStartsOverAServerAlone) {
    program("root/usr/games/openarena-server");
    temp.write("root/usr/lib/openarena-server/baseoa/pak0.pk3", "PK");
    const auto serverAlone = findInstallations(layout);
    ASSERT_EQ(serverAlone.size(), 1u);
    EXPECT_EQ(installationForFirstStart(serverAlone)->id(), "debian-openarena");

    Installation game = serverAlone.front();
    game.kind = Installation::Kind::Flatpak;
    game.startCommand = {"flatpak"};
    EXPECT_EQ(installationForFirstStart({serverAlone.front(), game})->id(), "flatpak-ioquake3");
}

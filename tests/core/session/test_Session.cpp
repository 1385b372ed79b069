#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/session/Session.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using velkarn::test::TempFolder;

namespace {

std::string mapRecord(const std::string& file, const std::string& count, const std::string& ffa) {
    return file + "\r\n /games/pak0.pk3\r\n Title\r\n " + count + "\r\n " + ffa +
           "\r\n false\r\n false\r\n true\r\nEND\r\n";
}

} // namespace

TEST(SessionListFiles, EmptyFolderReportsMissingPathAndCreatesTheSetupFolder) {
    TempFolder app;
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    EXPECT_TRUE(result.pathFileMissing);
    EXPECT_FALSE(result.pathFileRead);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_TRUE(result.serverListReadable);
    EXPECT_TRUE(folderExists(app.file("configs")));
}

TEST(SessionListFiles, ReadsEveryListFileWithMixedLineEnds) {
    TempFolder app;
    app.write("path.txt", "/games/q3/\n+set r_fullscreen 0\rextra\r\n");
    app.write("maps.txt",
              mapRecord("gorge1.bsp", "2", "true") + mapRecord("vault.bsp", "0", "false"));
    app.write("bots.txt", "Vexor\r\nbrute\nAnvil\r");
    // Four lines: the second server has an empty address and password.
    app.write("servers.txt", "Home\r\n 127.0.0.1:27960\r\n secret\r\nSecond\r\n");
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    const SetupModel& model = session.setup;

    ASSERT_TRUE(result.pathFileRead);
    EXPECT_EQ(session.game.paths().gameFolder, "/games/q3/");
    EXPECT_EQ(session.game.paths().commandLine, "+set r_fullscreen 0");

    const auto& maps = model.catalogue.mapFiles;
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(maps[0]->fileName, "gorge1.bsp");
    EXPECT_EQ(maps[0]->archivePath, "/games/pak0.pk3");
    EXPECT_EQ(maps[0]->longName, "Title");
    EXPECT_EQ(maps[0]->arenaBotCount, 2);
    EXPECT_EQ(maps[0]->supportsDeathmatch, 1);
    EXPECT_EQ(maps[0]->supportsTournament, 0);
    EXPECT_EQ(maps[0]->supportsTeamDeathmatch, 0);
    EXPECT_EQ(maps[0]->supportsCaptureTheFlag, 1);
    EXPECT_EQ(maps[1]->supportsDeathmatch, 0);

    EXPECT_EQ(model.catalogue.botNames, (std::vector<std::string>{"Anvil", "brute", "Vexor"}));

    ASSERT_EQ(model.servers.size(), 2u);
    EXPECT_EQ(model.servers[0]->name, "Home");
    EXPECT_EQ(model.servers[0]->address, "127.0.0.1:27960");
    EXPECT_EQ(model.servers[0]->password, "secret");
    EXPECT_EQ(model.servers[1]->name, "Second");
    EXPECT_EQ(model.servers[1]->address, "");
    EXPECT_EQ(model.servers[1]->password, "");
}

TEST(SessionListFiles, EmptyFilesGiveNoEntries) {
    TempFolder app;
    app.write("path.txt", "");
    app.write("maps.txt", "");
    app.write("bots.txt", "");
    app.write("servers.txt", "");
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    const SetupModel& model = session.setup;
    ASSERT_TRUE(result.pathFileRead);
    EXPECT_EQ(session.game.paths().gameFolder, "");
    EXPECT_TRUE(model.catalogue.mapFiles.empty());
    EXPECT_TRUE(model.catalogue.botNames.empty());
    EXPECT_TRUE(model.servers.empty());
}

TEST(SessionListFiles, BrokenMapsFileIsReportedAndTheRestStillRead) {
    TempFolder app;
    app.write("maps.txt", mapRecord("a.bsp", "1", "true") + mapRecord("b.bsp", "two", "true") +
                              mapRecord("c.bsp", "3", "true"));
    app.write("bots.txt", "Vexor\r\n");
    app.write("servers.txt", "Home\r\n addr\r\n \r\n");
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    const SetupModel& model = session.setup;
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0],
              app.file("maps.txt") + ", line 13: 'two' is not a valid integer value");
    EXPECT_TRUE(model.catalogue.needsRebuild);
    ASSERT_EQ(model.catalogue.mapFiles.size(), 1u) << "records before the bad one stay";
    EXPECT_EQ(model.catalogue.botNames.size(), 1u);
    ASSERT_EQ(model.servers.size(), 1u);
    EXPECT_TRUE(result.serverListReadable);
}

// A list edited by hand (a field without its blank) or cut by a crash loses nothing: the cut is
// said once with its line, and the list saved again is no smaller than the one read.
TEST(SessionListFiles, AServerListEditedByHandOrCutIsReadWholeAndSavedNoSmaller) {
    TempFolder app;
    const std::string written = "Home\r\n127.0.0.1:27960\r\n secret\r\nLAN\r\n 127.0.0.1:27961\r\n";
    app.write("servers.txt", written);
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    ASSERT_EQ(session.setup.servers.size(), 2u);
    EXPECT_EQ(session.setup.servers[0]->address, "127.0.0.1:27960");
    EXPECT_EQ(session.setup.servers[1]->address, "127.0.0.1:27961");
    EXPECT_EQ(result.errors, (std::vector<std::string>{
                                 app.file("servers.txt") +
                                 ", line 4: the server \"LAN\" is cut short: its password line "
                                 "is missing."}));
    session.saveAtClose();
    EXPECT_GE(app.read("servers.txt").size(), written.size());
    EXPECT_EQ(app.read("servers.txt"),
              "Home\r\n 127.0.0.1:27960\r\n secret\r\nLAN\r\n 127.0.0.1:27961\r\n \r\n");

    app.write("servers.txt", "Home\r\n 127.0.0.1:27960\r\n sec");
    EXPECT_EQ(Session(app.path(), 1).readListFiles().errors,
              std::vector<std::string>{app.file("servers.txt") +
                                       ", line 3: the file ends inside this line: it may have "
                                       "been cut short."});
}

TEST(SessionListFiles, UnreadableServerListIsMarkedSoItIsNotOverwritten) {
    TempFolder app;
    app.makeFolder("servers.txt"); // exists but cannot be read as a file
    Session session(app.path(), 1);
    const StartupFiles result = session.readListFiles();
    EXPECT_FALSE(result.serverListReadable);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0],
              "Cannot open file " + app.file("servers.txt") + ": it is not a regular file");
}

TEST(SessionSetups, ASetupSetsThePlayerAndTheModByTheSameRulesAsTheWindows) {
    TempFolder app;
    app.write("maps.txt", mapRecord("gorge1.bsp", "0", "true"));
    app.write("mods.txt", "[None]\r\n\r\nArena\r\n+set fs_game arena\r\n");
    app.write("models.txt", "sarge\r\n default\r\n red\r\nEND\r\n");
    app.write("configs/duel.vkn", "1\r\ngorge1\r\n 1\r\n 20\r\n 10\r\n 0\r\n"
                                  "^1Ace\r\nsarge\r\nred\r\n900\r\nARENA\r\n");
    Session session(app.path(), 1);
    ASSERT_TRUE(session.readListFiles().errors.empty());
    SetupReadResult read;
    session.loadSetup("duel.vkn", read);
    session.chooseSetupModel();

    ASSERT_EQ(session.setup.rotation.size(), 1u);
    const PlayerSettings& player = session.player.settings();
    EXPECT_EQ(player.name, "^1Ace");
    EXPECT_EQ(player.simPing, PlayerOptions::MaxSimPing) << "brought into the field's range";
    EXPECT_EQ(player.model, "sarge");
    EXPECT_EQ(player.skin, "red");
    EXPECT_EQ(session.game.chosenModName(), "Arena") << "matched ignoring case";
    EXPECT_EQ(session.game.launchSettings().mod.parameters, "+set fs_game arena");
}

// Closing keeps what could not be read whole at start rather than writing over it with less.
TEST(SessionClose, KeepsWhatCouldNotBeReadAndStillWritesTheRest) {
    TempFolder app;
    app.makeFolder("servers.txt"); // cannot be read
    const std::string broken = "2\r\ngorge1\r\n 1\r\n lots\r\n";
    app.write("configs/default.vkn", broken);
    Session session(app.path(), 1);
    session.readListFiles();
    SetupReadResult read;
    EXPECT_THROW(session.loadDefaultSetup(read), ConvertError);
    session.saveAtClose();
    EXPECT_EQ(app.read("configs/default.vkn.bak"), broken);
    EXPECT_EQ(app.read("configs/default.vkn"), "0\r\n\r\n\r\n\r\n0\r\n[None]\r\n");
    EXPECT_TRUE(folderExists(app.file("servers.txt")));

    // A default setup that cannot be written still lets the server list be written, then says so.
    std::filesystem::remove(app.file("servers.txt"));
    Session second(app.path(), 1);
    second.readListFiles();
    std::filesystem::remove(app.file("configs/default.vkn"));
    app.makeFolder("configs/default.vkn");
    EXPECT_THROW(second.saveAtClose(), FileCreateError);
    EXPECT_EQ(app.read("servers.txt"), "");
    EXPECT_TRUE(fileExists(app.file("servers.txt")));
}

// Recording stays off until chosen, and the choice outlives the run, in its own folder only.
TEST(SessionPlayer, RecordingIsOffUntilChosenAndRemembered) {
    TempFolder app, other;
    EXPECT_FALSE(Session(app.path(), 1).player.settings().recordGames);
    Session(app.path(), 1).player.setRecordGames(true);
    EXPECT_TRUE(Session(app.path(), 1).player.settings().recordGames);
    EXPECT_FALSE(Session(other.path(), 1).player.settings().recordGames);
}

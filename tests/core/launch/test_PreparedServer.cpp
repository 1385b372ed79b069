#include "core/launch/PreparedServer.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "support/TempFolder.h"
#include "support/ThrownMessage.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

const Lines Script = {"sv_hostname Fleet", "sv_privateClients 1", "sv_privatePassword j0in",
                      "set rconpassword s3cret", "map oa_dm1"};

// A Debian OpenArena server installation whose home folder is a temporary one.
Installation openArenaServer(const TempFolder& home) {
    return Installation{Installation::Kind::DebianOpenArena,
                        "OpenArena server (Debian package)",
                        {},
                        "/usr/lib/openarena-server/",
                        home.path() + ".openarena/",
                        "baseoa",
                        home.path(),
                        {"/usr/games/openarena-server"}};
}

} // namespace

TEST(ScriptPasswords, AMaskedScriptIsMadeWholeOnlyWithItsPasswords) {
    const Lines masked = maskedScript(Script);
    EXPECT_EQ(masked[2], "sv_privatePassword ********");
    EXPECT_EQ(masked[3], "set rconpassword ********");
    EXPECT_EQ(masked[0], Script[0]);
    EXPECT_EQ(unmaskedScript(masked, scriptPasswords(Script)), Script);

    EXPECT_EQ(thrownMessage([&] {
                  unmaskedScript(masked, {"s3cret", ""});
              }),
              "Line 3 of the server script needs the server password, which was not given.");
    EXPECT_EQ(thrownMessage([&] {
                  unmaskedScript(masked, {"two words", "j0in"});
              }),
              "Line 4 of the server script: the remote console password is not one the server "
              "script can carry.");
    EXPECT_EQ(unmaskedScript({"map oa_dm1"}, {"unused", ""}), Lines{"map oa_dm1"});
}

TEST(PreparedServer, ReadsTheSetupFolderAndRefusesWhatTheEngineCannotRun) {
    TempFolder setup;
    setup.write("server.cfg", "sv_hostname Fleet\nset rconpassword ********\nmap oa_dm1\n");
    setup.write("command-line", "+set sv_fps 30\n");
    PreparedServer prepared = readPreparedServer(setup.path());
    EXPECT_EQ(prepared.script,
              (Lines{"sv_hostname Fleet", "set rconpassword ********", "map oa_dm1"}));
    EXPECT_EQ(prepared.commandLine, "+set sv_fps 30");
    EXPECT_EQ(prepared.mod.index, 0);

    setup.write("mod-parameters", "+set fs_game arena");
    prepared = readPreparedServer(setup.path());
    EXPECT_EQ(prepared.mod.index, 1);
    EXPECT_EQ(prepared.mod.parameters, "+set fs_game arena");

    setup.write("server.cfg", "map oa_dm1\nsay \x1b[2Jhi\n");
    EXPECT_EQ(thrownMessage([&] { readPreparedServer(setup.path()); }),
              "Line 2 of " + setup.file("server.cfg") + ": a control character.");
    setup.write("server.cfg", std::string(1024, 'x') + "\n");
    EXPECT_NE(thrownMessage([&] { readPreparedServer(setup.path()); }).find("at most 1023 bytes"),
              std::string::npos);
    std::filesystem::remove(setup.file("server.cfg"));
    EXPECT_THROW(readPreparedServer(setup.path()), FileOpenError);
}

TEST(PreparedServer, TheGameDataVolumeIsLinkedWhereTheEngineReadsArchives) {
    TempFolder home, data;
    data.write("pak0.pk3", "PK");
    data.write("ctf-pack.pk3", "PK");
    data.write("readme.txt", "not an archive");
    const Installation installation = openArenaServer(home);
    home.write(".openarena/baseoa/ctf-pack.pk3", "the player's own");

    linkGameData(installation, data.path());
    const std::string homeData = home.file(".openarena/baseoa/");
    EXPECT_EQ(std::filesystem::read_symlink(homeData + "pak0.pk3").string(), data.file("pak0.pk3"));
    EXPECT_EQ(home.read(".openarena/baseoa/ctf-pack.pk3"), "the player's own")
        << "a name taken is left alone";
    EXPECT_FALSE(pathExists(homeData + "readme.txt"));
    linkGameData(installation, data.path()); // again, as a restarted container does

    TempFolder empty;
    EXPECT_NE(thrownMessage([&] {
                  linkGameData(installation, empty.path());
              }).find("holds no .pk3 archive: is the game's data volume mounted there?"),
              std::string::npos);
}

TEST(PreparedServer, TheInstallationIsTheOneReadingTheDataFolder) {
    TempFolder home;
    const Installation server = openArenaServer(home);
    Installation client = server;
    client.serverCommand.clear();
    Installation quake = server;
    quake.dataFolder = "baseq3";
    EXPECT_EQ(preparedInstallation({client, quake, server}, "baseoa").serverCommand,
              server.serverCommand);
    EXPECT_NE(thrownMessage([&] {
                  preparedInstallation({client}, "baseoa");
              }).find("No dedicated server program here reads the data folder baseoa"),
              std::string::npos);
}

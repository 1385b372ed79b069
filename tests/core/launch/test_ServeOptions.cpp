#include "core/launch/ServeOptions.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"
#include "support/ThrownMessage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velkarn;
using namespace velkarn::test;

TEST(ServeOptions, EverySettingIsKeptAndReadBack) {
    TempFolder configs;
    const std::string path = serveOptionsPath(configs.path(), "duel");
    EXPECT_EQ(path, configs.file("duel.server"));
    ServeOptions options;
    EXPECT_FALSE(readServeOptions(path, options)) << "no file: the defaults stay";

    options.port = 27961;
    options.server = ServerOptions{12, "^1Red = Dead", "Be nice", "pw",         true, 25000,
                                   10, false,          true,      "never kept", ""};
    options.rconPasswordFile = "duel.rcon";
    // The join password goes to a file of its own, its owner's alone.
    keepServerPassword(configs.path(), "duel", options);
    EXPECT_EQ(options.passwordFile, "duel.password");
    EXPECT_EQ(readServerPasswordFile(configs.file("duel.password")), "pw");
    struct stat st {};
    ASSERT_EQ(::stat(configs.file("duel.password").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    writeServeOptions(path, options);
    EXPECT_EQ(configs.read("duel.server"),
              "port=27961\r\nhostname=^1Red = Dead\r\nmotd=Be nice\r\nmaxclients=12\r\n"
              "pure=1\r\nmaxrate=25000\r\nweaponrespawn=10\r\nallowvote=0\r\n"
              "synchronous=1\r\npasswordfile=duel.password\r\nrconpasswordfile=duel.rcon\r\n");

    ServeOptions read;
    EXPECT_TRUE(readServeOptions(path, read));
    EXPECT_EQ(read.port, 27961);
    EXPECT_EQ(read.server.hostName, "^1Red = Dead");
    EXPECT_EQ(read.server.maxClients, 12);
    EXPECT_TRUE(read.server.pure);
    EXPECT_FALSE(read.server.allowVote);
    EXPECT_EQ(read.server.maxRate, 25000);
    EXPECT_EQ(read.server.rconPassword, "");
    EXPECT_EQ(read.server.password, "");
    EXPECT_EQ(read.rconPasswordFile, "duel.rcon");
    EXPECT_EQ(read.passwordFile, "duel.password");

    // A file naming some settings leaves the others as they were; older files kept the
    // password itself, which is still read.
    configs.write("some.server", "\r\nmotd=Hi\r\npassword=old\r\n");
    ServeOptions some = read;
    EXPECT_TRUE(readServeOptions(configs.file("some.server"), some));
    EXPECT_EQ(some.server.motd, "Hi");
    EXPECT_EQ(some.server.password, "old");
    EXPECT_EQ(some.port, 27961);
}

TEST(ServeOptions, ABadLineIsNamedAndNothingIsTakenOrLost) {
    TempFolder configs;
    const std::string path = configs.write("duel.server", "motd=Hi\r\nport=99999\r\n");
    ServeOptions options;
    try {
        readServeOptions(path, options);
        ADD_FAILURE() << "read";
    } catch (const UserMessage& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Line 2 of " + path + ": '99999' is not a number from 1 to 65535");
    }
    EXPECT_EQ(options.server.motd, "") << "nothing of a file with a bad line is taken";
    configs.write("duel.server", "color=red\r\n");
    EXPECT_THROW(readServeOptions(path, options), UserMessage);
    configs.write("duel.server", "pure=yes\r\n");
    EXPECT_THROW(readServeOptions(path, options), UserMessage);
    // A text the server script would refuse is refused as the file is read, naming its line.
    configs.write("duel.server", "port=27961\r\nhostname=Caf\xc3\xa9\r\n");
    EXPECT_EQ(thrownMessage([&] { readServeOptions(path, options); }),
              "Line 2 of " + path +
                  ": The host name \"Caf\xc3\xa9\" must not contain a character outside plain "
                  "ASCII, which the game's console splits words at!");
    configs.write("duel.server", "password=a\\b\r\n");
    EXPECT_EQ(thrownMessage([&] { readServeOptions(path, options); }),
              "Line 1 of " + path +
                  ": The server password must not contain a backslash, which the game's info "
                  "strings refuse!");
    configs.write("duel.server", "pure=yes\r\n");

    // A text the server script would refuse is refused before the file is touched.
    options.server.hostName = "x;quit";
    EXPECT_THROW(writeServeOptions(path, options), UserMessage);
    EXPECT_EQ(configs.read("duel.server"), "pure=yes\r\n");
}

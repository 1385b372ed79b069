#include "core/launch/ServeOptions.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

TEST(ServeOptions, EverySettingIsKeptAndReadBack) {
    TempFolder configs;
    const std::string path = serveOptionsPath(configs.path(), "duel");
    EXPECT_EQ(path, configs.file("duel.server"));
    ServeOptions options;
    EXPECT_FALSE(readServeOptions(path, options)) << "no file: the defaults stay";

    options.port = 27961;
    options.server = ServerOptions{12, "^1Red = Dead", "Be nice", "pw",        true, 25000,
                                   10, false,          true,      "never kept"};
    options.rconPasswordFile = "duel.rcon";
    writeServeOptions(path, options);
    EXPECT_EQ(configs.read("duel.server"),
              "port=27961\r\nhostname=^1Red = Dead\r\nmotd=Be nice\r\nmaxclients=12\r\n"
              "password=pw\r\npure=1\r\nmaxrate=25000\r\nweaponrespawn=10\r\nallowvote=0\r\n"
              "synchronous=1\r\nrconpasswordfile=duel.rcon\r\n");

    ServeOptions read;
    EXPECT_TRUE(readServeOptions(path, read));
    EXPECT_EQ(read.port, 27961);
    EXPECT_EQ(read.server.hostName, "^1Red = Dead");
    EXPECT_EQ(read.server.maxClients, 12);
    EXPECT_TRUE(read.server.pure);
    EXPECT_FALSE(read.server.allowVote);
    EXPECT_EQ(read.server.maxRate, 25000);
    EXPECT_EQ(read.server.rconPassword, "");
    EXPECT_EQ(read.rconPasswordFile, "duel.rcon");

    // A file naming some settings leaves the others as they were.
    configs.write("some.server", "\r\nmotd=Hi\r\n");
    ServeOptions some = read;
    EXPECT_TRUE(readServeOptions(configs.file("some.server"), some));
    EXPECT_EQ(some.server.motd, "Hi");
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

    // A text the server script would refuse is refused before the file is touched.
    options.server.hostName = "x;quit";
    EXPECT_THROW(writeServeOptions(path, options), UserMessage);
    EXPECT_EQ(configs.read("duel.server"), "pure=yes\r\n");
}

#include "core/launch/ServiceUnit.h"
#include "core/platform/Errors.h"
#include "support/SystemdVerify.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

TEST(ServiceUnit, ArgumentsAreQuotedTheSystemdWay) {
    EXPECT_EQ(systemdQuoted("/usr/bin/velkarn"), "/usr/bin/velkarn");
    EXPECT_EQ(systemdQuoted("--port"), "--port");
    EXPECT_EQ(systemdQuoted(""), "\"\"");
    EXPECT_EQ(systemdQuoted("My \"Best\" Server"), "\"My \\\"Best\\\" Server\"");
    EXPECT_EQ(systemdQuoted("100% $HOME \\"), "\"100%% $$HOME \\\\\"");
    EXPECT_EQ(systemdQuoted("a\nb\x01"), "\"a\\nb\\x01\"");
    EXPECT_EQ(systemdQuoted("/opt/my $games/velkarn", ExecWord::Program),
              "\"/opt/my $games/velkarn\"");
    EXPECT_EQ(serviceUnitName("my duel/2"), "velkarn-my_duel_2.service");
}

// systemd itself reads the unit: the program path with a blank and a "%" must come out whole,
// and no argument may upset the parser.
TEST(ServiceUnit, SystemdAcceptsTheUnit) {
    if (!systemdVerdict(""))
        GTEST_SKIP() << "systemd-analyze is not installed";
    TempFolder temp;
    const std::string program = temp.makeFolder("my 100% games") + "velkarn";
    std::filesystem::copy_file(FAKE_GAME_PATH, program);
    const std::vector<std::string> command = {
        program,  "--appdir", temp.path(), "serve", "duel", "--hostname", "\"Best\" 100% $5",
        "--motd", "a\\b\tc",  "--port",    "27961"};
    const std::string unit = serviceUnitText(command, "duel 100%");
    EXPECT_NE(unit.find("\nType=simple\n"), std::string::npos);
    EXPECT_NE(unit.find("\nRestart=on-failure\n"), std::string::npos);
    EXPECT_NE(unit.find("\nDescription=Velkarn dedicated server: duel 100%%\n"), std::string::npos);

    EXPECT_EQ(systemdVerdict(unit, "velkarn-duel.service").value_or(""), "");

    // systemd takes only UTF-8, so a unit that would need anything else is refused.
    EXPECT_THROW(serviceUnitText({program, "serve", "caf\xe9"}, "caf\xe9"), UserMessage);
    EXPECT_NO_THROW(serviceUnitText({program, "serve", "caf\xc3\xa9"}, "caf\xc3\xa9"));
}

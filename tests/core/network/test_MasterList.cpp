#include "core/network/MasterList.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using velkarn::test::TempFolder;

TEST(MasterList, MissingFileIsCreatedWithTheWellKnownMasters) {
    TempFolder app;
    const MasterListRead read = readMasterList(app.path());
    EXPECT_EQ(read.masters, wellKnownMasters());
    EXPECT_EQ(app.read("masters.txt"), "master.quake3arena.com:27950 68\r\n"
                                       "master.ioquake3.org:27950 71\r\n"
                                       "dpmaster.deathmask.net:27950 71\r\n");
    EXPECT_EQ(readMasterList(app.path()).masters, wellKnownMasters()) << "read back the same";
}

TEST(MasterList, BadLinesAreReportedAndSkipped) {
    TempFolder app;
    app.write("masters.txt", "# mine\r\n\r\n127.0.0.1:27950 68\r\nnoprotocol\r\n[::1] 71\r\n"
                             "h:1 x\r\n[::1]:27951  71\r\n");
    const MasterListRead read = readMasterList(app.path());
    ASSERT_EQ(read.masters.size(), 3u);
    EXPECT_EQ(read.masters[1], (MasterServer{{"::1", 27950}, 71}));
    EXPECT_EQ(read.masters[2], (MasterServer{{"::1", 27951}, 71}));
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0],
              app.file("masters.txt") + ", line 4: this is not 'host:port protocol'");

    // A file of junk is said in a screenful, not a line for each of its lines.
    std::string junk;
    for (int i = 0; i < 100000; ++i)
        junk += "127.0.0.1:1:2 68\n";
    app.write("masters.txt", junk);
    const MasterListRead flood = readMasterList(app.path());
    EXPECT_TRUE(flood.masters.empty());
    ASSERT_EQ(flood.problems.size(), 21u);
    EXPECT_EQ(flood.problems.back(),
              "... and 99980 more problems in " + app.file("masters.txt") + ".");
}

TEST(MasterList, UnreadableFileIsReportedAndLeftAlone) {
    TempFolder app;
    app.makeFolder("masters.txt");
    EXPECT_THROW(readMasterList(app.path()), FileOpenError);
}

// A crash cuts the last line ("... 7" from "... 71" still reads as a master); a list past the
// limit keeps its first masters. Both are said once, with the line.
TEST(MasterList, ACutOrOverlongFileIsSaidAndWhatItHoldsIsKept) {
    TempFolder app;
    app.write("masters.txt", "127.0.0.1:27950 68\r\n127.0.0.1:27951 7");
    const MasterListRead cut = readMasterList(app.path());
    EXPECT_EQ(cut.masters.size(), 2u);
    EXPECT_EQ(cut.problems, std::vector<std::string>{app.file("masters.txt") +
                                                     ", line 2: the file ends inside this line: "
                                                     "it may have been cut short."});

    std::string many;
    for (int port = 1; port <= 70; ++port)
        many += "127.0.0.1:" + std::to_string(port) + " 71\r\n# more\r\n";
    app.write("masters.txt", many);
    const MasterListRead bounded = readMasterList(app.path());
    EXPECT_EQ(bounded.masters.size(), 64u);
    EXPECT_EQ(bounded.problems,
              std::vector<std::string>{app.file("masters.txt") +
                                       ", line 129: more than 64 master servers; the rest is "
                                       "left out"});
}

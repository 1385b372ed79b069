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

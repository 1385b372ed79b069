#include "cli/ResultsCommand.h"
#include "core/platform/TextFile.h"
#include "core/results/GameLogLines.h"
#include "core/results/ResultsStore.h"
#include "support/GameFolder.h"
#include "support/ResultsFileLock.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <sstream>
#include <utime.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct ResultsCommandTest : ::testing::Test {
    TempFolder app;
    GameFolder game;
    std::ostringstream out, err;

    void SetUp() override {
        ensureCoreApplication(); // Qt loads its SQLite driver only with one
        app.write("path.txt", game.path() + "\r\n\r\n");
    }
    void writeLog(const std::string& text) const { game.dir.write("baseq3/games.log", text); }
    int results(std::size_t last = 0) {
        out.str("");
        err.str("");
        return runResultsCommand(app.path(), last, out, err);
    }
};

} // namespace

TEST_F(ResultsCommandTest, PrintsEveryRecordedMapOnceAfterReadingTheLog) {
    writeLog(TeamDeathmatchLog);
    {
        ResultsStore store(app.path());
        GameLogSource source;
        source.path = game.dir.file("baseq3/games.log");
        source.folder = game.dir.file("baseq3/");
        source.installation = game.path();
        store.recordLaunch(source, "duel", "^1Ace", 2'000'000'000);
    }
    game.dir.write("baseq3/games.log", game.dir.read("baseq3/games.log") + DeathmatchWithPlayerLog);
    // The demo the game recorded of the oa_dm1 match, written as it ended.
    const std::string demo = game.dir.write(
        "baseq3/demos/rec.dm_71", readFileBytes(std::string(DEMO_FIXTURES) + "/ffa-oa_dm1.dm_71"));
    const auto ended = QDateTime::fromString("2026-12-08 17:24:10", "yyyy-MM-dd HH:mm:ss");
    const utimbuf times{ended.toSecsSinceEpoch(), ended.toSecsSinceEpoch()};
    ::utime(demo.c_str(), &times);
    EXPECT_EQ(results(), 0) << err.str();
    const std::string expected =
        "2026-12-08 17:27:46\t-\toa_dm2\tTeam Deathmatch\tTimelimit hit\t-\t-\tBlue\t-\t-\n"
        "2026-12-08 17:23:58\tduel\toa_dm1\tDeathmatch\tFraglimit hit\t2/4\t2\tGrism\t-\t"
        "rec.dm_71\n";
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(results(), 0);
    EXPECT_EQ(out.str(), expected) << "a second reading adds nothing";
    EXPECT_EQ(results(1), 0);
    EXPECT_EQ(out.str(), expected.substr(expected.find("2026-12-08 17:23:58")));
}

TEST_F(ResultsCommandTest, AResultsFileItCannotUseIsAnErrorAndLeftAlone) {
    app.write("results.sqlite", "no database");
    EXPECT_EQ(results(), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find(app.file("results.sqlite")), std::string::npos) << err.str();
    EXPECT_EQ(app.read("results.sqlite"), "no database");
}

TEST_F(ResultsCommandTest, AResultsFileAnotherProgramHoldsIsSaidAtOnce) {
    writeLog(TeamDeathmatchLog);
    ResultsStore(app.path()); // the file exists
    {
        ResultsFileLock lock(ResultsStore::filePath(app.path()));
        ASSERT_TRUE(lock.locked());
        EXPECT_EQ(results(), 1);
        EXPECT_EQ(err.str(), "The results file " + app.file("results.sqlite") +
                                 " is in use by another program.\n");
    }
    EXPECT_EQ(results(), 0) << err.str();
    EXPECT_NE(out.str().find("oa_dm2"), std::string::npos);
}

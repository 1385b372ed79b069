#include "core/results/GameLogLines.h"
#include "core/results/ResultsTracker.h"
#include "support/ResultsFileLock.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct ResultsTrackerTest : ::testing::Test {
    TempFolder app;
    TempFolder game;
    ResultsTracker::Source source;

    void SetUp() override {
        ensureCoreApplication(); // Qt loads its SQLite driver only with one
        source.log.folder = game.makeFolder("baseoa");
        source.log.path = source.log.folder + "games.log";
        source.log.running = false;
        source.playerName = "^1Ace";
    }
    void appendLog(const std::string& text) const {
        std::ofstream(source.log.path, std::ios::binary | std::ios::app) << text;
    }
};

} // namespace

// While another program holds the results file the tracker says so and keeps what it was told
// (a launch, a choice); once the file is free the next reading records all of it, once.
TEST_F(ResultsTrackerTest, ABusyFileIsTriedAgainAndLosesNothing) {
    ResultsTracker tracker(app.path(), [this] { return source; });
    appendLog(TeamDeathmatchLog);
    ASSERT_TRUE(tracker.update());
    ResultsFileLock lock(tracker.store()->path());
    ASSERT_TRUE(lock.locked());

    tracker.recordLaunch("duel");
    tracker.setBotsAdapt(true);
    appendLog(DeathmatchWithPlayerLog);
    EXPECT_FALSE(tracker.update());
    EXPECT_NE(tracker.problem().find("is in use by another program"), std::string::npos)
        << tracker.problem();
    EXPECT_TRUE(tracker.botsAdapt());

    lock.release();
    EXPECT_TRUE(tracker.update());
    EXPECT_EQ(tracker.problem(), "");
    EXPECT_FALSE(tracker.update()) << "never recorded twice";
    const auto& series = tracker.series();
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].setupName, "duel");
    ASSERT_EQ(series[0].matches.size(), 1u);
    EXPECT_EQ(series[0].matches[0].map, "oa_dm1");
    EXPECT_EQ(series[1].matches.size(), 1u);
    ResultsTracker again(app.path(), [this] { return source; });
    EXPECT_TRUE(again.botsAdapt());
}

// A join's length is known once the game seen running stops: its pid file goes.
TEST_F(ResultsTrackerTest, AJoinEndsWhenTheGamesPidFileGoes) {
    source.log.running.reset();
    const std::string pidFile = source.log.folder + "ioq3.pid";
    std::ofstream(pidFile) << QCoreApplication::applicationPid();
    ResultsTracker tracker(app.path(), [this] { return source; });
    int changes = 0;
    QObject::connect(&tracker, &ResultsTracker::recentServersChanged, [&] { ++changes; });
    tracker.startWatching();
    tracker.recordJoin("127.0.0.1:27960", "Red");
    ASSERT_EQ(tracker.recentServers().size(), 1u);
    EXPECT_FALSE(tracker.recentServers()[0].playedSeconds);
    runEventsUntil([] { return false; }, ResultsTracker::PollMilliseconds + 200);
    EXPECT_FALSE(tracker.recentServers()[0].playedSeconds) << "the game still runs";

    const int before = changes;
    std::remove(pidFile.c_str());
    ASSERT_TRUE(runEventsUntil([&] { return changes > before; }));
    EXPECT_TRUE(tracker.recentServers()[0].playedSeconds);
}

// More newer series without the player than are listed (bots alone, each map its own game run):
// the chart and the bots' adaptation still find the player's last series.
TEST_F(ResultsTrackerTest, ThePlayersLastSeriesIsFoundHoweverManyCameAfterIt) {
    std::string log = DeathmatchWithPlayerLog;
    for (std::size_t i = 0; i < ResultsStore::MaxSeriesListed; ++i)
        log += "  0:00 InitGame: \\g_gametype\\0\\mapname\\oa_dm2\\g_timestamp\\" +
               QDateTime::fromSecsSinceEpoch(1'800'000'000LL + static_cast<long long>(i) * 10800)
                   .toString("yyyy-MM-dd HH:mm:ss")
                   .toStdString() +
               "\n  0:00 ClientUserinfoChanged: 0 n\\Sarge\\t\\0\\model\\sarge\\skill\\ 3.00\n"
               "  0:30 Exit: Fraglimit hit.\n  0:30 score: 3  ping: 0  client: 0 Sarge\n"
               "  0:40 ShutdownGame:\n";
    appendLog(log);
    ResultsTracker tracker(app.path(), [this] { return source; });
    // A reading takes a bounded piece of the log.
    while (tracker.update()) {
    }
    ASSERT_EQ(tracker.series().size(), ResultsStore::MaxSeriesListed);
    const SeriesResult* mine = tracker.lastSeriesWithPlayer();
    ASSERT_TRUE(mine);
    ASSERT_EQ(mine->matches.size(), 1u);
    EXPECT_EQ(mine->matches[0].map, "oa_dm1");
    EXPECT_TRUE(mine->matches[0].player());
}

#include "core/platform/Errors.h"
#include "core/results/GameLogLines.h"
#include "core/results/ResultsStore.h"
#include "support/ResultsFileLock.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// Qt loads its SQLite driver only with an application object.
void needApplication() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives for the test program
}

struct ResultsStoreTest : ::testing::Test {
    TempFolder app;
    TempFolder game;
    GameLogSource source;
    const long long now = 2'000'000'000;

    void SetUp() override {
        needApplication();
        source.folder = game.makeFolder("baseoa");
        source.path = source.folder + "games.log";
        source.installation = "debian-openarena";
        source.keepsPidFile = true; // no pid file: the game is not running
    }
    void writeLog(const std::string& text) const { game.write("baseoa/games.log", text); }
    void appendLog(const std::string& text) const {
        std::ofstream(source.path, std::ios::binary | std::ios::app) << text;
    }
    // Reads until a reading says nothing more is there.
    void readAll(ResultsStore& store) {
        while (store.readLog(source, "", now).more) {
        }
    }
    int read(ResultsStore& store, const std::string& player = "") {
        return store.readLog(source, player, now).newMatches;
    }
};

std::string mapsOf(const std::vector<MatchResult>& matches) {
    std::string text;
    for (const auto& m : matches)
        text += m.map + (m.finished ? "" : "(unfinished)") + " ";
    return text;
}

// What the results file keeps of each match, its series included, but not its row numbers.
std::string describe(const std::vector<MatchResult>& matches) {
    std::string text;
    for (const auto& m : matches) {
        text += std::to_string(m.seriesId) + " " + m.playedAt + " " + m.map +
                (m.finished ? " finished " : " cut ") + m.endReason +
                std::to_string(m.durationSeconds);
        for (const auto& p : m.participants)
            text += " | " + p.codedName + " " + std::to_string(p.score) + " " +
                    std::to_string(p.place) + (p.player ? " me" : "");
        text += "\n";
    }
    return text;
}

// A short map as the engine logs it, three hours after the one before: a series of its own.
// Sarge wins the even ones, the player Ace the odd ones.
std::string mapOfItsOwnRun(int i, const std::string& grism) {
    const QString startedAt = QDateTime::fromSecsSinceEpoch(1'700'000'000LL + i * 10800LL)
                                  .toString("yyyy-MM-dd HH:mm:ss");
    const bool even = i % 2 == 0;
    const std::string scores =
        even ? "  0:30 score: 3  ping: 0  client: 0 Sarge\n  0:30 score: 1  ping: 9  client: 1 "
               "^1Ace\n  0:30 score: 1  ping: 0  client: 2 " +
                   grism + "\n"
             : "  0:30 score: 3  ping: 9  client: 1 ^1Ace\n  0:30 score: 2  ping: 0  client: 2 " +
                   grism + "\n  0:30 score: 0  ping: 0  client: 0 Sarge\n";
    return "  0:00 InitGame: \\g_gametype\\0\\mapname\\" + std::string(even ? "oa_dm1" : "oa_dm2") +
           "\\g_timestamp\\" + startedAt.toStdString() +
           "\n  0:00 ClientUserinfoChanged: 0 n\\Sarge\\t\\0\\model\\sarge\\skill\\ 3.00\n"
           "  0:00 ClientUserinfoChanged: 1 n\\^1Ace\\t\\0\\model\\sarge\n"
           "  0:00 ClientUserinfoChanged: 2 n\\" +
           grism +
           "\\t\\0\\model\\grism\\skill\\ 2.00\n"
           "  0:30 Exit: Fraglimit hit.\n" +
           scores + "  0:40 ShutdownGame:\n";
}

std::string standingsText(const std::vector<Standing>& standings) {
    std::string text;
    for (const Standing& s : standings)
        text += s.name + " " + std::to_string(s.matches) + " " + std::to_string(s.wins) + " " +
                QString::number(s.averagePlace, 'f', 2).toStdString() + " " +
                std::to_string(s.bestPlace) + "; ";
    return text;
}

} // namespace

// Totals cover every recorded map, not only the series a list holds; a map cut short counts
// for nothing.
TEST_F(ResultsStoreTest, TotalsCountEverythingRecorded) {
    std::string log;
    for (int i = 0; i < 20000; ++i)
        log += mapOfItsOwnRun(i, i == 19999 ? "GRISM" : "Grism");
    log += DeathmatchLog.substr(0, DeathmatchLog.find("  0:48 Exit")); // left unfinished
    writeLog(log);
    ResultsStore store(app.path());
    readAll(store);
    EXPECT_EQ(store.seriesCount(), 20001u);
    EXPECT_EQ(store.series().size(), ResultsStore::MaxSeriesListed);
    // One bot however the log spelled it, named as the newest map did.
    EXPECT_EQ(standingsText(store.botStandings()),
              "GRISM 20000 0 2.00 2; Sarge 20000 10000 2.00 1; ");
    EXPECT_EQ(standingsText(store.playerMapRecords()),
              "oa_dm1 10000 0 2.00 2; oa_dm2 10000 10000 1.00 1; ");
}

// The match a reading's end cuts is recorded whole by the next reading, never as unfinished,
// whether the log is read in small pieces or while the game writes it.
TEST_F(ResultsStoreTest, ALogReadInPiecesOrAsWrittenRecordsWhatAWholeReadDoes) {
    const std::string log = longServerLog(30);
    writeLog(log);
    TempFolder wholeApp;
    ResultsStore whole(wholeApp.path());
    readAll(whole);
    const std::string expected = describe(whole.lastMatches(100000));
    ASSERT_GE(whole.lastMatches(100000).size(), 200u);

    ResultsStore pieces(app.path(), 8192);
    readAll(pieces);
    EXPECT_EQ(describe(pieces.lastMatches(100000)), expected);

    TempFolder growingApp;
    ResultsStore growing(growingApp.path(), 65536);
    writeLog("");
    source.running = true;
    for (std::size_t at = 0, step = 1; at < log.size(); at += step, step = step * 7 % 50021) {
        appendLog(log.substr(at, step));
        readAll(growing);
    }
    source.running = false;
    readAll(growing);
    EXPECT_EQ(describe(growing.lastMatches(100000)), expected);
}

// A file another program holds fails at once, records nothing, and loses nothing: once free,
// the reading goes on from where the last one stopped.
TEST_F(ResultsStoreTest, AFileAnotherProgramHoldsIsReadWhenFree) {
    ResultsStore store(app.path());
    writeLog(TeamDeathmatchLog);
    EXPECT_EQ(read(store), 1);
    appendLog(TournamentLog);
    {
        ResultsFileLock lock(store.path());
        ASSERT_TRUE(lock.locked());
        try {
            read(store);
            FAIL() << "read a locked file";
        } catch (const ResultsFileBusy& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The results file " + store.path() + " is in use by another program.");
        }
        EXPECT_THROW(store.lastMatches(5), ResultsFileBusy);
        EXPECT_THROW(ResultsStore another(app.path()), ResultsFileBusy);
    }
    EXPECT_EQ(read(store), 2);
    EXPECT_EQ(read(store), 0);
    EXPECT_EQ(mapsOf(store.lastMatches(10)), "oa_dm2 czest1tourney czest1tourney ");
}

TEST_F(ResultsStoreTest, ReadsTheLogOnceAsItGrows) {
    ResultsStore store(app.path());
    // The game is running (its pid file names a live process: this one), so the map at the end
    // of the log may still grow.
    game.write("baseoa/ioq3.pid", std::to_string(::getpid()) + "\n");
    const std::size_t cut = DeathmatchLog.find("client: 0 Sarge");
    writeLog(DeathmatchLog.substr(0, cut));
    EXPECT_EQ(read(store), 0) << "the score lines are not all there";
    appendLog(DeathmatchLog.substr(cut));
    EXPECT_EQ(read(store), 1);
    EXPECT_EQ(read(store), 0) << "never recorded twice";
    appendLog(TournamentLog);
    EXPECT_EQ(read(store), 2) << "two duels; the warmup between them is no map";
    EXPECT_EQ(read(store), 0);

    const auto matches = store.lastMatches(10);
    EXPECT_EQ(mapsOf(matches), "oa_dm1 czest1tourney czest1tourney ");
    const auto& first = matches[0];
    EXPECT_EQ(first.playedAt, "2026-12-08 17:23:58");
    EXPECT_TRUE(first.timeFromGame);
    EXPECT_EQ(first.installation, "debian-openarena");
    EXPECT_EQ(first.endReason, "Fraglimit hit.");
    ASSERT_EQ(first.participants.size(), 3u);
    EXPECT_EQ(first.participants[0].name, "Grism");
    EXPECT_EQ(first.participants[0].score, 3);
    EXPECT_EQ(first.winnerName(), "Grism");
    EXPECT_EQ(store.lastMatches(1).at(0).id, matches.back().id);
}

TEST_F(ResultsStoreTest, AReplacedOrShortenedLogIsReadFromItsStart) {
    ResultsStore store(app.path());
    writeLog(TeamDeathmatchLog);
    EXPECT_EQ(read(store), 1);
    // Replaced: another file under the same name, as a log rotation leaves it.
    std::filesystem::rename(source.path, source.path + ".1");
    writeLog(TeamDeathmatchLog);
    EXPECT_EQ(read(store), 1);
    // Shortened in place: the same file, less in it than was read.
    std::filesystem::resize_file(source.path, 0);
    appendLog(DeathmatchLog.substr(0, DeathmatchLog.find("  1:04 ----")));
    ASSERT_LT(std::filesystem::file_size(source.path), TeamDeathmatchLog.size());
    EXPECT_EQ(read(store), 1);
    // Written over in place with more than was read.
    std::filesystem::resize_file(source.path, 0);
    appendLog(TournamentLog + TournamentLog);
    EXPECT_EQ(read(store), 4);
    EXPECT_EQ(read(store), 0);
    EXPECT_EQ(mapsOf(store.lastMatches(10)), "oa_dm2 oa_dm2 oa_dm1 czest1tourney czest1tourney "
                                             "czest1tourney czest1tourney ");
}

TEST_F(ResultsStoreTest, LaunchesNameTheirSeriesAndThePlayer) {
    ResultsStore store(app.path());
    writeLog(TeamDeathmatchLog);
    store.recordLaunch(source, "duel", "^1Ace", now);
    appendLog(DeathmatchWithPlayerLog);
    store.recordLaunch(source, "(random)", "^1Ace", now + 600);
    appendLog(TournamentLog);
    read(store, "Somebody Else");

    const auto series = store.series();
    ASSERT_EQ(series.size(), 3u);
    // Newest first.
    EXPECT_EQ(series[0].setupName, "(random)");
    EXPECT_EQ(mapsOf(series[0].matches), "czest1tourney czest1tourney ");
    EXPECT_EQ(series[1].setupName, "duel");
    EXPECT_TRUE(series[1].launchedByVelkarn);
    EXPECT_EQ(mapsOf(series[1].matches), "oa_dm1 ");
    const MatchResult& played = series[1].matches[0];
    ASSERT_NE(played.player(), nullptr);
    EXPECT_EQ(played.player()->codedName, "^1Ace");
    EXPECT_EQ(played.player()->place, 2);
    EXPECT_EQ(played.setupName, "duel");
    // The map read before the first launch is a series of its own.
    EXPECT_FALSE(series[2].launchedByVelkarn);
    EXPECT_EQ(series[2].setupName, "");
    EXPECT_EQ(mapsOf(series[2].matches), "oa_dm2 ");
}

TEST_F(ResultsStoreTest, MapsWithoutALaunchFormSeriesByGameRun) {
    // OpenArena logs when each map began: a pause of hours starts another run.
    ResultsStore store(app.path());
    std::string later = TeamDeathmatchLog;
    later.replace(later.find("2026-12-08 17:27:46"), 19, "2026-12-09 09:00:00");
    writeLog(TeamDeathmatchLog + TournamentLog + later);
    read(store);
    const auto series = store.series();
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(mapsOf(series[1].matches), "oa_dm2 czest1tourney czest1tourney ");
    EXPECT_EQ(mapsOf(series[0].matches), "oa_dm2 ");
    EXPECT_EQ(series[0].startedAt, "2026-12-09 09:00:00");
}

TEST_F(ResultsStoreTest, ANewerOrDamagedFileIsLeftAsItIs) {
    const std::string path = ResultsStore::filePath(app.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TABLE future (x)");
        QSqlQuery(db).exec(
            QString("PRAGMA user_version = %1").arg(ResultsStore::SchemaVersion + 1));
        db.close();
    }
    QSqlDatabase::removeDatabase("newer");
    const std::string before = app.read("results.sqlite");
    try {
        ResultsStore store(app.path());
        FAIL() << "a newer file was opened";
    } catch (const UserMessage& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("newer"), std::string::npos) << error.what();
    }
    EXPECT_EQ(app.read("results.sqlite"), before);

    const std::string garbage = "not a database at all, but somebody's notes\n";
    app.write("results.sqlite", garbage);
    EXPECT_THROW(ResultsStore store(app.path()), UserMessage);
    EXPECT_EQ(app.read("results.sqlite"), garbage);
}

// A server's log is its own; its matches name the server and nobody at this computer.
TEST_F(ResultsStoreTest, AServersMatchesKnowTheServer) {
    ResultsStore store(app.path());
    GameLogSource server = source;
    server.path = source.folder + "velkarn-server-duel-27961.log";
    server.serverPort = 27961;
    server.running = true;
    store.recordLaunch(server, "duel", "", now);
    game.write("baseoa/velkarn-server-duel-27961.log", DeathmatchWithPlayerLog);
    writeLog(DeathmatchWithPlayerLog);
    EXPECT_EQ(store.readLog(server, "^1Ace", now).newMatches, 1);
    EXPECT_EQ(read(store, "^1Ace"), 1);
    const auto matches = store.lastMatches(2);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].serverPort, 27961);
    EXPECT_EQ(matches[0].player(), nullptr);
    EXPECT_EQ(matches[0].setupName, "duel");
    EXPECT_EQ(matches[1].serverPort, 0);
    EXPECT_NE(matches[1].player(), nullptr);
    EXPECT_EQ(store.series().at(1).serverPort, 27961);
}

// A file of the first schema is taken to this one and keeps its results.
TEST_F(ResultsStoreTest, AnOlderFileIsUpgraded) {
    {
        ResultsStore store(app.path());
        writeLog(TeamDeathmatchLog);
        read(store);
    }
    const std::string path = ResultsStore::filePath(app.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "older");
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("DROP TABLE joins"));
        for (const char* table : {"launches", "series", "matches"})
            ASSERT_TRUE(
                QSqlQuery(db).exec(QString("ALTER TABLE %1 DROP COLUMN server_port").arg(table)));
        QSqlQuery(db).exec("PRAGMA user_version = 1");
        db.close();
    }
    QSqlDatabase::removeDatabase("older");
    ResultsStore store(app.path());
    ASSERT_EQ(store.lastMatches(5).size(), 1u);
    EXPECT_EQ(store.lastMatches(5)[0].serverPort, 0);
    appendLog(TournamentLog);
    EXPECT_EQ(read(store), 2);
    store.recordJoin("127.0.0.1:27960", "Upgraded", "debian-openarena", now);
    EXPECT_EQ(store.recentServers().size(), 1u) << "the joins table came with the upgrade";
}

// One row a server, the last joined first, its name the newest; the time played adds up the
// joins whose end was seen, and a clock set back counts nothing.
TEST_F(ResultsStoreTest, RecentServersAreListedOnceEachNewestFirst) {
    ResultsStore store(app.path());
    const long long a = store.recordJoin("127.0.0.1:27960", "Old Name", "oa", now);
    store.endJoin(a, now + 3725);
    store.recordJoin("[::1]:27961", "Six", "oa", now + 4000); // never seen to end
    const long long b = store.recordJoin("127.0.0.1:27960", "New Name", "oa", now + 5000);
    store.endJoin(b, now + 5060);
    store.endJoin(b, now + 9999); // ended once
    const long long c = store.recordJoin("127.0.0.1:27962", "Back", "oa", now + 6000);
    store.endJoin(c, now);

    const auto recent = store.recentServers();
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_EQ(recent[0].address, "127.0.0.1:27962");
    EXPECT_EQ(recent[0].playedText(), "0:00:00");
    EXPECT_EQ(recent[1].address, "127.0.0.1:27960");
    EXPECT_EQ(recent[1].name, "New Name");
    EXPECT_EQ(recent[1].joins, 2);
    EXPECT_EQ(recent[1].playedText(), "1:03:05");
    EXPECT_EQ(recent[1].lastJoinedAt.size(), 19u);
    EXPECT_EQ(recent[2].address, "[::1]:27961");
    EXPECT_EQ(recent[2].playedText(), "-");
    EXPECT_EQ(store.recentServers(1).size(), 1u);
}

TEST_F(ResultsStoreTest, KeepsPreferences) {
    {
        ResultsStore store(app.path());
        EXPECT_FALSE(store.preference("botsAdapt"));
        store.setPreference("botsAdapt", "1");
    }
    ResultsStore again(app.path());
    EXPECT_EQ(again.preference("botsAdapt"), "1");
}

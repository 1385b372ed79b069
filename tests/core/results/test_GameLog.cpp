#include "core/results/GameLog.h"
#include "core/results/GameLogLines.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::vector<std::string> names(const LogMatch& match) {
    std::vector<std::string> result;
    for (const auto& p : match.participants)
        result.push_back(p.name + " " + std::to_string(p.score) + " #" + std::to_string(p.place));
    return result;
}

// All that a match record holds, to compare readings record for record.
std::string describe(const std::vector<LogMatch>& matches) {
    std::string text;
    for (const LogMatch& m : matches) {
        text += std::to_string(m.offset) + " " + m.map + " " + std::to_string(m.gameType) + " " +
                m.startedAt + " " + std::to_string(m.durationSeconds) +
                (m.finished ? " finished " : " cut ") + m.endReason + " " +
                std::to_string(m.redScore.value_or(-1)) + ":" +
                std::to_string(m.blueScore.value_or(-1));
        for (const LogParticipant& p : m.participants)
            text += " | " + p.codedName + " " + std::to_string(p.client) + " " +
                    std::to_string(p.bot) + std::to_string(p.skill) + std::to_string(p.team) + " " +
                    std::to_string(p.ping);
        text += " " + (names(m).empty() ? "" : names(m).front()) + "\n";
    }
    return text;
}

std::string readInPieces(std::string_view log, std::size_t pieceBytes) {
    GameLogReader reader;
    std::vector<LogMatch> matches;
    for (std::size_t at = 0; at < log.size(); at += pieceBytes) {
        const std::string_view piece = log.substr(at, pieceBytes);
        GameLogRead read = reader.read(piece, at + piece.size() < log.size());
        EXPECT_LE(read.resumeOffset, at + piece.size());
        for (auto& match : read.matches)
            matches.push_back(std::move(match));
    }
    return describe(matches);
}

} // namespace

// A long log read in pieces of any size, a piece's end cutting lines and matches anywhere,
// gives the records one whole read gives.
TEST(GameLog, PiecesOfAnySizeGiveTheRecordsOfAWholeRead) {
    const std::string log = longServerLog(60);
    const GameLogRead whole = parseGameLog(log, 0, false);
    ASSERT_GE(whole.matches.size(), 400u);
    const std::string expected = describe(whole.matches);
    for (const std::size_t piece :
         {std::size_t{4096}, std::size_t{333}, MaxLogLineBytes + 1, std::size_t{65536}})
        EXPECT_EQ(readInPieces(log, piece), expected) << "pieces of " << piece;
    const std::string_view start =
        std::string_view(log).substr(0, log.find("  0:00 InitGame", 20000));
    EXPECT_EQ(readInPieces(start, 1), describe(parseGameLog(start, 0, false).matches));
}

TEST(GameLog, ReadsAFinishedMapAsTheEngineLoggedIt) {
    const GameLogRead read = parseGameLog(DeathmatchLog, 0, true);
    ASSERT_EQ(read.matches.size(), 1u);
    const LogMatch& match = read.matches[0];
    EXPECT_EQ(match.offset, DeathmatchLog.find("  0:00 InitGame"));
    EXPECT_EQ(match.map, "oa_dm1");
    EXPECT_EQ(match.gameType, 0);
    EXPECT_EQ(match.startedAt, "2026-12-08 17:23:58");
    EXPECT_TRUE(match.finished);
    EXPECT_EQ(match.endReason, "Fraglimit hit.");
    EXPECT_EQ(match.durationSeconds, 48);
    EXPECT_FALSE(match.redScore);
    EXPECT_EQ(names(match), (std::vector<std::string>{"Grism 3 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
    EXPECT_TRUE(match.participants[0].bot);
    EXPECT_EQ(match.participants[0].skill, 3);
    EXPECT_EQ(match.participants[2].skill, 2);
    // Its lines after the score lines are read too: the next pass starts after them.
    EXPECT_FALSE(read.matchOpen);
    EXPECT_EQ(read.resumeOffset, DeathmatchLog.size());
}

TEST(GameLog, TellsPeopleFromBotsAndKeepsColorCodes) {
    const LogMatch match = parseGameLog(DeathmatchWithPlayerLog, 0, true).matches.at(0);
    ASSERT_EQ(match.participants.size(), 4u);
    const LogParticipant& ace = match.participants[1];
    EXPECT_EQ(ace.codedName, "^1Ace");
    EXPECT_EQ(ace.name, "Ace");
    EXPECT_FALSE(ace.bot);
    EXPECT_EQ(ace.skill, 0);
    EXPECT_EQ(ace.ping, 48);
    EXPECT_EQ(ace.place, 2);
}

TEST(GameLog, TeamScoresAndARepeatedExitMakeOneMap) {
    const GameLogRead read = parseGameLog(TeamDeathmatchLog, 0, false);
    ASSERT_EQ(read.matches.size(), 1u);
    const LogMatch& match = read.matches[0];
    EXPECT_EQ(match.gameType, 3);
    EXPECT_EQ(match.redScore, 0);
    EXPECT_EQ(match.blueScore, 1);
    EXPECT_EQ(names(match), (std::vector<std::string>{"Grism 1 #1", "Sarge 0 #2", "Major 0 #2"}));
    EXPECT_EQ(match.participants[0].team, 2);
    EXPECT_EQ(match.participants[1].team, 1);
}

TEST(GameLog, AWarmupRestartIsNoMap) {
    const GameLogRead read = parseGameLog(TournamentLog, 0, false);
    ASSERT_EQ(read.matches.size(), 2u);
    EXPECT_EQ(names(read.matches[0]), (std::vector<std::string>{"Sarge 2 #1", "Grism 1 #2"}));
    EXPECT_EQ(names(read.matches[1]), (std::vector<std::string>{"Grism 2 #1", "Sarge 0 #2"}));
    EXPECT_EQ(read.matches[1].startSeconds, 47);
    EXPECT_TRUE(read.matches[1].finished);
}

TEST(GameLog, ARestartLeftAtOnceIsNoMap) {
    const GameLogRead read = parseGameLog(TournamentHandedOverLog, 0, false);
    ASSERT_EQ(read.matches.size(), 2u);
    EXPECT_EQ(read.matches[0].map, "czest1tourney");
    EXPECT_TRUE(read.matches[0].finished);
    EXPECT_EQ(read.matches[1].map, "aggressor");
    EXPECT_EQ(read.matches[1].endReason, "Timelimit hit.");
}

TEST(GameLog, ACutLineWaitsForItsEnd) {
    // The engine writes the log in 4 KB blocks: a read may end inside a score line.
    const std::size_t cut = DeathmatchLog.find("ping: 0  client: 0 Sarge") + 4;
    const GameLogRead first = parseGameLog(DeathmatchLog.substr(0, cut), 0, true);
    EXPECT_TRUE(first.matches.empty());
    EXPECT_TRUE(first.matchOpen);
    EXPECT_EQ(first.resumeOffset, DeathmatchLog.find("  0:00 InitGame"));
    EXPECT_LT(first.consumedOffset, cut);

    const GameLogRead next = parseGameLog(
        std::string_view(DeathmatchLog).substr(first.resumeOffset), first.resumeOffset, true);
    ASSERT_EQ(next.matches.size(), 1u);
    EXPECT_EQ(names(next.matches[0]),
              (std::vector<std::string>{"Grism 3 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
}

TEST(GameLog, AMapCutShortIsUnfinishedOnceTheGameHasEnded) {
    // The game was quit during the map: ShutdownGame without Exit, nothing after it.
    const std::string log = DeathmatchLog.substr(0, DeathmatchLog.find("  0:48 Kill")) +
                            "  0:48 ShutdownGame:\n  0:48 ------------------------------------\n";
    EXPECT_TRUE(parseGameLog(log, 0, true).matches.empty()) << "a restart may still follow";

    const GameLogRead read = parseGameLog(log, 0, false);
    ASSERT_EQ(read.matches.size(), 1u);
    const LogMatch& match = read.matches[0];
    EXPECT_FALSE(match.finished);
    EXPECT_EQ(match.endReason, "");
    // The scores as the PlayerScore lines left them, best first.
    EXPECT_EQ(names(match), (std::vector<std::string>{"Grism 2 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
    EXPECT_FALSE(read.matchOpen);
    EXPECT_EQ(read.resumeOffset, log.size());
}

TEST(GameLog, ARotationStoppedInItsSecondMap) {
    const GameLogRead running = parseGameLog(RotationLog, 0, true);
    ASSERT_EQ(running.matches.size(), 1u);
    EXPECT_EQ(names(running.matches[0]),
              (std::vector<std::string>{"Grism 2 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
    EXPECT_EQ(running.resumeOffset, RotationLog.rfind("  0:00 InitGame"));

    const GameLogRead stopped = parseGameLog(
        std::string_view(RotationLog).substr(running.resumeOffset), running.resumeOffset, false);
    ASSERT_EQ(stopped.matches.size(), 1u);
    const LogMatch& second = stopped.matches[0];
    EXPECT_EQ(second.map, "oa_dm2");
    EXPECT_FALSE(second.finished);
    // The kicked bots are gone; Angelyss never scored, so the game logged no score for her.
    EXPECT_EQ(names(second),
              (std::vector<std::string>{"Gargoyle 5 #1", "Major 3 #2", "Angelyss 0 #3"}));
}

TEST(GameLog, AGameKilledMidMapIsUnfinishedWhenTheNextOneStarts) {
    // No ShutdownGame (the engine was killed), then a new engine's first map at 0:00. Without
    // PlayerScore lines (ioquake3's own game) the scores are counted from the kills.
    const std::string log = DeathmatchLog.substr(0, DeathmatchLog.find("  0:48 Kill"));
    std::string withoutPlayerScores;
    for (std::size_t pos = 0; pos < log.size();) {
        const std::size_t end = log.find('\n', pos) + 1;
        if (log.compare(pos + 6, 12, "PlayerScore:") != 0)
            withoutPlayerScores += log.substr(pos, end - pos);
        pos = end;
    }
    const std::size_t start = DeathmatchLog.find("  0:00 ----");
    const std::string next = DeathmatchLog.substr(start, DeathmatchLog.find("  0:00 Info") - start);
    const GameLogRead read = parseGameLog(withoutPlayerScores + next, 0, true);
    ASSERT_EQ(read.matches.size(), 1u);
    EXPECT_FALSE(read.matches[0].finished);
    EXPECT_EQ(names(read.matches[0]),
              (std::vector<std::string>{"Grism 2 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
}

TEST(GameLog, GarbledAndUnknownLinesArePassedOver) {
    std::string log = DeathmatchLog;
    const std::size_t exitAt = log.find("  0:48 Exit");
    log.insert(exitAt, std::string("\x01\xff garbage without a time stamp\n") +
                           "  0:48 Weird: something new\n" + "  9:99 score: x\n" +
                           std::string(MaxLogLineBytes + 10, 'z') + "\n" +
                           "  0:48 ClientUserinfoChanged: 99 n\\Ghost\\skill\\ 5.00\n" +
                           "  0:48 Kill: 70 1 4: nobody killed Grism\n");
    const std::size_t scoresAt = log.find("  0:48 score: 1");
    log.insert(scoresAt, "  0:48 score: 3  ping: 0  client: 1 Grism\n"); // repeated line
    const GameLogRead read = parseGameLog(log, 0, true);
    ASSERT_EQ(read.matches.size(), 1u);
    EXPECT_EQ(names(read.matches[0]),
              (std::vector<std::string>{"Grism 3 #1", "Sarge 1 #2", "Kyonshi 0 #3"}));
}

TEST(GameLog, StopsAtTheMatchLimitAndResumesThere) {
    const std::string one = TournamentLog.substr(TournamentLog.find("  0:00 ----"));
    const std::string map = one.substr(0, one.find("  0:27 ----"));
    std::string log;
    for (std::size_t i = 0; i < MaxLogMatchesPerRead + 5; ++i)
        log += map;
    const GameLogRead first = parseGameLog(log, 0, true);
    EXPECT_EQ(first.matches.size(), MaxLogMatchesPerRead);
    EXPECT_TRUE(first.stoppedAtLimit);
    const GameLogRead rest =
        parseGameLog(std::string_view(log).substr(first.resumeOffset), first.resumeOffset, false);
    EXPECT_EQ(rest.matches.size(), 5u);
    EXPECT_EQ(rest.matches[0].offset, first.matches.back().offset + map.size());
}

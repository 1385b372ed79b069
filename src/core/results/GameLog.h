#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game's own log (g_log, "games.log"): one line per event, each after a "M:SS" time stamp
// counted from the start of the engine's current map (a "map" command starts again at 0:00, a
// map_restart goes on counting). What the real engine writes (ioquake3 with OpenArena 0.8.8):
//
//     0:00 InitGame: \...\g_gametype\0\mapname\oa_dm1\...\g_timestamp\2026-12-08 17:23:58
//     0:00 ClientUserinfoChanged: 1 n\Grism\t\0\model\sarge/classic\...\skill\ 3.00\tt\0\tl\0
//     0:48 Kill: 1 2 4: Grism killed Kyonshi by MOD_GRENADE
//     0:48 PlayerScore: 1 3: Grism now has 3 points            (OpenArena only)
//     0:48 Exit: Fraglimit hit.
//     3:12 red:0  blue:1                                     (team games only)
//     0:48 score: 3  ping: 0  client: 1 Grism
//     1:04 ShutdownGame:
//
// There is no wall-clock time but OpenArena's g_timestamp in InitGame. Bots carry "skill" in
// their user info; people do not. With g_logsync 0 (the default) the engine writes the log in
// 4 KB blocks, so a read may end in the middle of a line, and a map's last lines reach the file
// when the engine closes the log at the next map change.
namespace velkarn {

// Fixed limits on what one read takes in. The engine's lines are short (its InitGame line is
// at most about 1,100 bytes); longer lines come from no real engine and are passed over.
constexpr std::size_t MaxLogLineBytes = 8192;
constexpr int MaxLogClients = 64; // the engine's MAX_CLIENTS; client numbers are 0..63
constexpr std::size_t MaxLogMatchesPerRead = 1000;
constexpr std::size_t MaxLogNameBytes = 64; // the engine cuts names to 36

struct LogParticipant {
    int client = -1;
    std::string codedName; // as the log writes it, with the game's "^" color codes
    std::string name;      // without color codes
    bool bot = false;
    int skill = 0; // a bot's skill 1..5 as the log gives it; 0 for people
    int team = 0;  // 0 no team, 1 red, 2 blue (3, spectators, are left out)
    int score = 0;
    int ping = 0;
    int place = 0; // 1 + the number of participants with a higher score
};

struct LogMatch {
    std::uint64_t offset = 0; // where its InitGame line starts in the log
    std::string map;
    int gameType = 0;      // the engine's g_gametype
    std::string startedAt; // "YYYY-MM-DD HH:MM:SS" from g_timestamp, empty when not logged
    int startSeconds = 0;  // its InitGame time stamp
    int durationSeconds = 0;
    bool finished = false; // its map ended ("Exit:" and the score lines)
    std::string endReason; // the text after "Exit:", e.g. "Fraglimit hit."
    std::optional<int> redScore, blueScore;
    // Finished: the score lines' order (best first). Unfinished: those still in the game, best
    // first, with the last score the log gave them.
    std::vector<LogParticipant> participants;
};

// What one pass over the bytes found.
struct GameLogRead {
    std::vector<LogMatch> matches; // in log order, each once
    // Where the next pass starts: the InitGame line of a match still going on, otherwise the end
    // of the last whole line.
    std::uint64_t resumeOffset = 0;
    // The end of the last whole line; the pass never reads past it.
    std::uint64_t consumedOffset = 0;
    bool matchOpen = false;      // a match at resumeOffset is still going on
    bool stoppedAtLimit = false; // MaxLogMatchesPerRead was reached; more may follow
};

// Reads the log a piece at a time, keeping what a piece's end cut off (the open match, the
// start of a line) for the next piece, so that any pieces give the records one whole read
// gives. A match is taken when its score lines have ended; a match cut by ShutdownGame without
// "Exit:" is taken as unfinished unless the engine restarted the same map right after (a warmup
// or map_restart, which goes on counting time), and one cut off by a new InitGame without
// ShutdownGame (the engine was killed) is unfinished too. Cut, garbled and unknown lines are
// passed over.
class GameLogReader {
public:
    // Starts reading at `offset`, a line start.
    explicit GameLogReader(std::uint64_t offset = 0);
    ~GameLogReader();
    GameLogReader(const GameLogReader&) = delete;
    GameLogReader& operator=(const GameLogReader&) = delete;

    // Where the next piece starts: the end of all bytes given so far.
    std::uint64_t offset() const { return offset_; }
    // Where a reading started afresh must begin to give the same records (resumeOffset of the
    // last read).
    std::uint64_t resumeOffset() const { return resumeOffset_; }

    // Reads `piece`, the log's bytes from offset() on. When `moreFollows` (the game is running,
    // or the piece is not the end of the log) a match still open at its end waits for the next
    // piece; otherwise it is taken as it stands. A last line without its line end is never
    // read: it waits for its end.
    GameLogRead read(std::string_view piece, bool moreFollows);

private:
    class Parser;
    std::unique_ptr<Parser> parser_;
    std::string partialLine_;   // the start of a line the last piece cut
    bool skippingLine_ = false; // that line is longer than any the engine writes
    std::uint64_t lineStart_ = 0;
    std::uint64_t offset_;
    std::uint64_t resumeOffset_;
};

// Reads `bytes` whole, as one piece of a reader starting at `baseOffset`; `gameRunning` is its
// moreFollows.
GameLogRead parseGameLog(std::string_view bytes, std::uint64_t baseOffset, bool gameRunning);

// Names and game types are shown as the server views show them: plainName of
// core/setup/PlayerName.h and gameTypeName of core/network/ServerStatus.h.

} // namespace velkarn

#include "core/results/GameLog.h"

#include "core/network/InfoString.h"
#include "core/results/GameLogFields.h"
#include "core/setup/PlayerName.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace velkarn {

namespace {

using namespace gamelog;

constexpr int WorldClient = 1022; // the engine's ENTITYNUM_WORLD: falls, lava, crushers
constexpr int SpectatorTeam = 3;
constexpr std::size_t MaxReasonBytes = 64;
constexpr std::size_t MaxMapNameBytes = 64;

struct Client {
    bool present = false;
    LogParticipant participant;
    bool scoreLogged = false; // OpenArena's PlayerScore lines give the score as it stands
    int loggedScore = 0;
    int killScore = 0; // otherwise the score is counted from the kills
};

enum class Stage { Playing, Exited, Done };

struct OpenMatch {
    LogMatch match;
    Stage stage = Stage::Playing;
    bool shutDown = false;
    int shutdownSeconds = 0;
    int lastSeconds = 0;
    std::array<Client, MaxLogClients> clients{};
    std::vector<LogParticipant> scored; // from the score lines
    std::array<bool, MaxLogClients> scoredClients{};
    bool scoresLogged = false; // the game logs every score change (OpenArena)
};

// What a new InitGame says, for deciding whether it restarts the match before it.
struct NextStart {
    std::string map;
    int seconds = 0;
};

void assignPlaces(std::vector<LogParticipant>& participants) {
    for (auto& p : participants)
        p.place = 1 + static_cast<int>(std::count_if(
                          participants.begin(), participants.end(),
                          [&p](const LogParticipant& other) { return other.score > p.score; }));
}

} // namespace

class GameLogReader::Parser {
public:
    void line(std::string_view text, std::uint64_t start) {
        const auto parsed = splitLine(text);
        if (!parsed)
            return;
        if (parsed->event == "InitGame") {
            beginMatch(*parsed, start);
            return;
        }
        if (!open_ || open_->stage == Stage::Done)
            return;
        OpenMatch& m = *open_;
        if (m.stage == Stage::Exited) {
            if (parsed->event == "red")
                teamScores(m, parsed->rest);
            else if (parsed->event == "score")
                scoreLine(m, parsed->rest);
            else
                close(nullptr); // the score lines are over
            return;
        }
        if (m.shutDown)
            return; // only the next InitGame tells what became of the match
        m.lastSeconds = std::max(m.lastSeconds, parsed->seconds);
        const std::string_view event = parsed->event;
        if (event == "ClientUserinfoChanged")
            userInfo(m, parsed->rest);
        else if (event == "ClientDisconnect")
            disconnect(m, parsed->rest);
        else if (event == "Kill")
            kill(m, parsed->rest);
        else if (event == "PlayerScore")
            playerScore(m, parsed->rest);
        else if (event == "Exit") {
            m.stage = Stage::Exited;
            m.match.endReason = cleanText(parsed->rest, MaxReasonBytes);
        } else if (event == "ShutdownGame") {
            m.shutDown = true;
            m.shutdownSeconds = parsed->seconds;
        }
    }

    // A match whose end has not been read yet (its InitGame starts the next pass).
    const OpenMatch* openMatch() const {
        return open_ && open_->stage != Stage::Done ? open_.get() : nullptr;
    }

    // Takes the open match as it stands: the game that wrote it is gone.
    void closeAtEnd() { close(nullptr); }

    std::vector<LogMatch>& taken() { return taken_; }

private:
    void beginMatch(const LogLine& line, std::uint64_t start) {
        const InfoPairs info = parseInfoString(line.rest);
        const NextStart next{cleanText(infoValue(info, "mapname"), MaxMapNameBytes), line.seconds};
        close(&next);
        open_ = std::make_unique<OpenMatch>();
        LogMatch& match = open_->match;
        match.offset = start;
        match.map = next.map;
        const std::string typeText = infoValue(info, "g_gametype");
        std::string_view type = typeText;
        const auto gameType = leadingNumber(type);
        match.gameType = gameType && *gameType >= 0 && *gameType < 100 ? *gameType : 0;
        const std::string stamp = infoValue(info, "g_timestamp");
        if (isTimestamp(stamp))
            match.startedAt = stamp;
        match.startSeconds = line.seconds;
        open_->lastSeconds = line.seconds;
    }

    void userInfo(OpenMatch& m, std::string_view rest) {
        const auto number = clientNumber(rest);
        if (!number)
            return;
        skipSpaces(rest);
        const InfoPairs info = parseInfoString(rest);
        std::string coded = cleanText(infoValue(info, "n"), MaxLogNameBytes);
        if (coded.empty())
            return;
        Client& client = m.clients[static_cast<std::size_t>(*number)];
        LogParticipant& p = client.participant;
        client.present = true;
        p.client = *number;
        p.codedName = std::move(coded);
        p.name = plainName(p.codedName);
        const std::string teamText = infoValue(info, "t");
        std::string_view team = teamText;
        const auto teamNumber = leadingNumber(team);
        p.team = teamNumber && *teamNumber >= 0 && *teamNumber <= SpectatorTeam ? *teamNumber : 0;
        // Bots carry their skill ("skill\ 3.00"); people have none.
        const auto skill = std::find_if(info.begin(), info.end(),
                                        [](const auto& pair) { return pair.first == "skill"; });
        p.bot = skill != info.end();
        p.skill = 0;
        if (p.bot) {
            const double value = std::strtod(skill->second.c_str(), nullptr);
            if (std::isfinite(value))
                p.skill = static_cast<int>(std::lround(std::clamp(value, 1.0, 5.0)));
        }
    }

    void disconnect(OpenMatch& m, std::string_view rest) {
        if (const auto number = clientNumber(rest))
            m.clients[static_cast<std::size_t>(*number)] = Client{};
    }

    // Counts the score for logs without PlayerScore lines (ioquake3's own game): a kill of
    // another scores one, of a team mate loses one, and so does a suicide or a death by the
    // world.
    void kill(OpenMatch& m, std::string_view rest) {
        const auto killer = leadingNumber(rest);
        const auto victim = clientNumber(rest);
        if (!killer || !victim)
            return;
        Client& dead = m.clients[static_cast<std::size_t>(*victim)];
        if (*killer == *victim || *killer == WorldClient) {
            --dead.killScore;
            return;
        }
        if (*killer < 0 || *killer >= MaxLogClients)
            return;
        Client& scorer = m.clients[static_cast<std::size_t>(*killer)];
        const int team = scorer.participant.team;
        const bool teamMate = (team == 1 || team == 2) && team == dead.participant.team;
        scorer.killScore += teamMate ? -1 : 1;
    }

    void playerScore(OpenMatch& m, std::string_view rest) {
        const auto number = clientNumber(rest);
        const auto score = leadingNumber(rest);
        if (!number || !score)
            return;
        Client& client = m.clients[static_cast<std::size_t>(*number)];
        client.scoreLogged = true;
        client.loggedScore = *score;
        m.scoresLogged = true;
    }

    void teamScores(OpenMatch& m, std::string_view rest) {
        const auto red = leadingNumber(rest);
        if (!red || !takePrefix(rest, "blue:"))
            return;
        const auto blue = leadingNumber(rest);
        if (!blue)
            return;
        m.match.redScore = *red;
        m.match.blueScore = *blue;
    }

    // "3  ping: 0  client: 1 Grism"
    void scoreLine(OpenMatch& m, std::string_view rest) {
        const auto score = leadingNumber(rest);
        if (!score || !takePrefix(rest, "ping:"))
            return;
        const auto ping = leadingNumber(rest);
        if (!ping || !takePrefix(rest, "client:"))
            return;
        const auto number = clientNumber(rest);
        if (!number || rest.empty() || rest.front() != ' ')
            return;
        rest.remove_prefix(1);
        auto& seen = m.scoredClients[static_cast<std::size_t>(*number)];
        if (seen || rest.empty())
            return; // a repeated line counts once
        seen = true;
        LogParticipant p;
        p.client = *number;
        p.codedName = cleanText(rest, MaxLogNameBytes);
        p.name = plainName(p.codedName);
        const Client& known = m.clients[static_cast<std::size_t>(*number)];
        if (known.present && known.participant.codedName == p.codedName) {
            p.bot = known.participant.bot;
            p.skill = known.participant.skill;
            p.team = known.participant.team;
        }
        p.score = *score;
        p.ping = std::clamp(*ping, 0, 999);
        m.scored.push_back(std::move(p));
    }

    // Ends the open match: taken when its map ended or was cut short, dropped when `next`
    // restarts it (the same map, time going on: a warmup's end or a map_restart), or when it
    // was left the moment it began (serve hands a finished Tournament over to the next map
    // just as the engine restarts it).
    void close(const NextStart* next) {
        if (!open_)
            return;
        OpenMatch& m = *open_;
        if (m.stage == Stage::Exited)
            take(m, true);
        else if (m.stage == Stage::Playing) {
            const bool restarted = m.shutDown && next && next->map == m.match.map &&
                                   next->seconds >= m.shutdownSeconds;
            const bool leftAtOnce = m.shutDown && m.shutdownSeconds == m.match.startSeconds;
            if (!restarted && !leftAtOnce)
                take(m, false);
        }
        if (next)
            open_.reset();
        else
            m.stage = Stage::Done;
    }

    void take(OpenMatch& m, bool finished) {
        LogMatch match = std::move(m.match);
        match.finished = finished;
        match.durationSeconds = std::max(0, m.lastSeconds - match.startSeconds);
        if (finished && !m.scored.empty()) {
            match.participants = std::move(m.scored);
        } else {
            for (const Client& client : m.clients) {
                if (!client.present || client.participant.team == SpectatorTeam)
                    continue;
                LogParticipant p = client.participant;
                // A game that logs score changes logged none for one who never scored.
                p.score = client.scoreLogged ? client.loggedScore
                          : m.scoresLogged   ? 0
                                             : client.killScore;
                match.participants.push_back(std::move(p));
            }
            std::stable_sort(match.participants.begin(), match.participants.end(),
                             [](const auto& a, const auto& b) { return a.score > b.score; });
        }
        if (!finished) {
            match.endReason.clear();
            match.redScore.reset();
            match.blueScore.reset();
        }
        assignPlaces(match.participants);
        m.stage = Stage::Done;
        // A map with nobody in it, or an InitGame without a map, is nothing to show.
        if (match.map.empty() || match.participants.empty())
            return;
        taken_.push_back(std::move(match));
    }

    std::vector<LogMatch> taken_;
    std::unique_ptr<OpenMatch> open_; // a large record, kept apart
};

GameLogReader::GameLogReader(std::uint64_t offset)
    : parser_(std::make_unique<Parser>()), offset_(offset), resumeOffset_(offset) {
}

GameLogReader::~GameLogReader() = default;

GameLogRead GameLogReader::read(std::string_view piece, bool moreFollows) {
    GameLogRead result;
    const std::uint64_t pieceStart = offset_;
    const bool lineCut = !partialLine_.empty() || skippingLine_;
    std::uint64_t consumed = lineCut ? lineStart_ : offset_;
    std::size_t pos = 0;
    while (pos < piece.size()) {
        if (parser_->taken().size() >= MaxLogMatchesPerRead) {
            result.stoppedAtLimit = true;
            break;
        }
        if (partialLine_.empty() && !skippingLine_)
            lineStart_ = pieceStart + pos;
        const std::size_t end = piece.find('\n', pos);
        const std::string_view part = piece.substr(pos, end - pos);
        // Longer lines come from no real engine; they are passed over, however they are cut
        // (one byte more for a "\r" before the line end).
        skippingLine_ = skippingLine_ || partialLine_.size() + part.size() > MaxLogLineBytes + 1;
        if (end == std::string_view::npos) {
            if (skippingLine_)
                partialLine_.clear();
            else
                partialLine_.append(part); // the engine has not written the rest of it yet
            pos = piece.size();
            break;
        }
        if (!skippingLine_) {
            if (!partialLine_.empty())
                partialLine_.append(part);
            std::string_view line = partialLine_.empty() ? part : partialLine_;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (line.size() <= MaxLogLineBytes)
                parser_->line(line, lineStart_);
        }
        partialLine_.clear();
        skippingLine_ = false;
        pos = end + 1;
        consumed = pieceStart + pos;
    }
    offset_ = pieceStart + pos;
    result.consumedOffset = consumed;
    result.resumeOffset = consumed;
    if (const OpenMatch* open = parser_->openMatch()) {
        if (moreFollows || result.stoppedAtLimit) {
            result.resumeOffset = open->match.offset;
            result.matchOpen = true;
        } else {
            parser_->closeAtEnd();
        }
    }
    result.matches = std::move(parser_->taken());
    parser_->taken().clear();
    resumeOffset_ = result.resumeOffset;
    return result;
}

GameLogRead parseGameLog(std::string_view bytes, std::uint64_t baseOffset, bool gameRunning) {
    GameLogReader reader(baseOffset);
    return reader.read(bytes, gameRunning);
}

} // namespace velkarn

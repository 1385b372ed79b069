#include "cli/ResultsCommand.h"

#include "cli/SetupLoading.h"
#include "cli/TabField.h"
#include "core/demos/DemoListing.h"
#include "core/demos/MatchDemo.h"
#include "core/network/ServerStatus.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/session/Session.h"

#include <QDateTime>
#include <algorithm>

namespace velkarn {

namespace {

// Each reading takes at most ResultsStore::MaxLogBytesPerRead, so this covers 16 GB of log.
constexpr int MaxReadings = 1000;
constexpr std::size_t AllMaps = 1'000'000'000;

std::string endReason(const MatchResult& match) {
    if (!match.finished)
        return "unfinished";
    std::string reason = match.endReason;
    if (!reason.empty() && reason.back() == '.')
        reason.pop_back();
    return reason;
}

// The demos the game's folders hold; none when they cannot be listed, which leaves every
// match's demo field "-" rather than the results unprinted.
std::vector<DemoEntry> gameDemos(const Session& session) {
    try {
        return listDemos(session.game.installation(), DemoCache::filePath(session.appDir()));
    } catch (const std::exception&) {
        return {};
    }
}

std::string demoField(const MatchResult& match, const std::vector<DemoEntry>& demos) {
    const DemoEntry* demo = demoOfMatch(demos, match.map, match.playedAt);
    return demo ? tabField(printableText(demo->name)) : "-";
}

void printMatch(std::ostream& out, const MatchResult& match, const std::vector<DemoEntry>& demos) {
    const ParticipantResult* player = match.player();
    const std::string place =
        player ? std::to_string(player->place) + "/" + std::to_string(match.participants.size())
               : "-";
    out << tabField(match.playedAt) << '\t' << tabField(match.setupName) << '\t'
        << tabField(match.map) << '\t' << tabField(gameTypeName(std::to_string(match.gameType)))
        << '\t' << tabField(endReason(match)) << '\t' << place << '\t'
        << (player ? std::to_string(player->score) : "-") << '\t' << tabField(match.winnerName())
        << '\t' << (match.serverPort > 0 ? std::to_string(match.serverPort) : "-") << '\t'
        << demoField(match, demos) << '\n';
}

} // namespace

int runResultsCommand(const std::string& appDir, std::size_t lastCount, std::ostream& out,
                      std::ostream& err) {
    try {
        Session session(appDir, 0);
        ResultsStore* store = session.results.store();
        if (!store)
            throw UserMessage(session.results.problem());
        requirePathFile(session, session.readListFiles());
        // The player's name is kept in the setups; the default one is the last played.
        SetupReadResult read;
        try {
            session.loadDefaultSetup(read);
        } catch (const Error&) {
            // Without it the player is the only person in a map, or the one a launch named.
        }
        const ResultsTracker::Source source = session.resultsSource();
        if (!source.log.note.empty())
            err << source.log.note << "\n";
        const long long now = QDateTime::currentSecsSinceEpoch();
        bool busy = false;
        try {
            for (int i = 0; i < MaxReadings; ++i)
                if (!store->readLog(source.log, source.playerName, now).more)
                    break;
        } catch (const ResultsFileBusy& error) {
            // What is recorded may still be readable; the log is read by the next run.
            err << error.what() << "\n";
            busy = true;
        }
        const std::vector<DemoEntry> demos = gameDemos(session);
        for (const MatchResult& match : store->lastMatches(lastCount == 0 ? AllMaps : lastCount))
            printMatch(out, match, demos);
        return busy ? 1 : 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn

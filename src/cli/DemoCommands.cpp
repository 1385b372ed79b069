#include "cli/DemoCommands.h"

#include "cli/SetupLoading.h"
#include "cli/TabField.h"
#include "core/demos/DemoListing.h"
#include "core/demos/DemoLookup.h"
#include "core/launch/DemoLaunch.h"
#include "core/network/ServerStatus.h"
#include "core/platform/PrintableText.h"
#include "core/session/Session.h"
#include "core/setup/PlayerName.h"

namespace velkarn {

namespace {

// A name from a demo as a terminal may show it: no color codes, no control characters.
std::string shown(const std::string& text) {
    return tabField(printableText(plainName(text)));
}

std::string othersText(const DemoFacts& facts) {
    std::string text;
    for (const std::string& other : facts.others)
        text += (text.empty() ? "" : ",") + printableText(plainName(other));
    return text;
}

bool hasFacts(const DemoEntry& demo) {
    return demo.read.status == DemoReadStatus::Ok;
}

// The demos of the game path.txt names, which becomes `installation`.
std::vector<DemoEntry> gameDemos(const std::string& appDir, Installation& installation) {
    Session session(appDir, 0);
    requirePathFile(session, session.readListFiles());
    installation = session.game.installation();
    return listDemos(installation, DemoCache::filePath(appDir));
}

void printDemo(std::ostream& out, const DemoEntry& demo) {
    const DemoFacts& facts = demo.read.facts;
    const bool known = hasFacts(demo);
    out << demoDateText(demo) << '\t' << tabField(printableText(demo.name)) << '\t'
        << tabField(demo.mod) << '\t' << (known ? shown(facts.map) : "-") << '\t'
        << (known ? tabField(gameTypeName(std::to_string(facts.gameType))) : "-") << '\t'
        << tabField(demoLengthText(facts.lengthMs)) << '\t' << shown(facts.recorder) << '\t'
        << tabField(othersText(facts)) << '\t' << demo.size << '\t'
        << tabField(printableText(demo.where())) << '\n';
}

void printDetails(std::ostream& out, const DemoEntry& demo) {
    const DemoFacts& facts = demo.read.facts;
    out << "name\t" << tabField(printableText(demo.name)) << "\nmod\t" << tabField(demo.mod)
        << "\nfile\t" << tabField(printableText(demo.where())) << "\ndate\t" << demoDateText(demo)
        << "\nsize\t" << demo.size << '\n';
    if (!hasFacts(demo)) {
        out << "problem\t" << tabField(printableText(demo.read.problem)) << '\n';
        return;
    }
    out << "map\t" << shown(facts.map) << "\ngame type\t"
        << tabField(gameTypeName(std::to_string(facts.gameType))) << "\nlength\t"
        << tabField(demoLengthText(facts.lengthMs)) << "\nhost\t" << shown(facts.hostName)
        << "\nprotocol\t" << facts.protocol << "\nrecorder\t" << shown(facts.recorder) << '\n';
    for (const std::string& other : facts.others)
        out << "player\t" << shown(other) << '\n';
}

} // namespace

int runDemosCommand(const std::string& appDir, std::ostream& out, std::ostream& err) {
    try {
        Installation installation;
        for (const DemoEntry& demo : gameDemos(appDir, installation)) {
            printDemo(out, demo);
            if (!hasFacts(demo))
                err << printableText(demo.read.problem) << "\n";
        }
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

int runDemoCommand(const std::string& appDir, const std::string& name, bool printOnly,
                   std::ostream& out, std::ostream& err) {
    try {
        Installation installation;
        const auto demos = gameDemos(appDir, installation);
        const DemoEntry& demo = findDemo(demos, name);
        printDetails(out, demo);
        const auto arguments = demoArguments(demo.mod, demo.name);
        if (printOnly) {
            std::string line;
            for (const std::string& argument : arguments)
                line += (line.empty() ? "" : " ") + argument;
            out << line << '\n';
        } else {
            requireGameStarted(watchDemo(installation, demo.mod, demo.name));
        }
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn

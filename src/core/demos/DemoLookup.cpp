#include "core/demos/DemoLookup.h"

#include "core/platform/Errors.h"
#include "core/platform/NoCase.h"
#include "core/setup/PlayerName.h"

#include <QDateTime>
#include <sstream>

namespace velkarn {

namespace {

std::string withoutExtension(const std::string& name) {
    return name.substr(0, name.rfind(".dm_"));
}

bool namedBy(const DemoEntry& demo, const std::string& name) {
    return demo.name == name || withoutExtension(demo.name) == name;
}

std::string searchable(const DemoEntry& demo) {
    const DemoFacts& facts = demo.read.facts;
    std::string text = demo.name + '\n' + demo.mod + '\n' + facts.map + '\n' +
                       plainName(facts.hostName) + '\n' + plainName(facts.recorder);
    for (const std::string& other : facts.others)
        text += '\n' + plainName(other);
    return toLower(text);
}

} // namespace

const DemoEntry& findDemo(const std::vector<DemoEntry>& demos, const std::string& name) {
    const auto slash = name.find('/');
    const std::string mod = slash == std::string::npos ? std::string() : name.substr(0, slash);
    const std::string rest = slash == std::string::npos ? name : name.substr(slash + 1);
    for (const DemoEntry& demo : demos)
        if (namedBy(demo, name))
            return demo;
    if (slash != std::string::npos)
        for (const DemoEntry& demo : demos)
            if (namedBy(demo, rest) && (demo.mod == mod || (mod == "-" && demo.mod.empty())))
                return demo;
    throw UserMessage("There is no demo \"" + name + "\"; velkarn demos lists them.");
}

bool demoMatchesSearch(const DemoEntry& demo, const std::string& search) {
    const std::string text = searchable(demo);
    std::istringstream words(toLower(search));
    std::string word;
    while (words >> word)
        if (text.find(word) == std::string::npos)
            return false;
    return true;
}

std::string demoLengthText(std::int64_t lengthMs) {
    if (lengthMs < 0)
        return {};
    const std::int64_t seconds = lengthMs / 1000;
    const auto twoDigits = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (seconds < 3600)
        return std::to_string(seconds / 60) + ":" + twoDigits(seconds % 60);
    return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
           twoDigits(seconds % 60);
}

std::string demoDateText(const DemoEntry& demo) {
    return QDateTime::fromSecsSinceEpoch(demo.modifiedSeconds)
        .toString("yyyy-MM-dd hh:mm:ss")
        .toStdString();
}

} // namespace velkarn

#include "core/launch/DemoLaunch.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/setup/DemoName.h"
#include "core/setup/ScriptValues.h"

#include <algorithm>

namespace velkarn {

namespace {

// The demo protocols the packaged engines open. ioquake3 plays its own (71), the older 68 and
// 66 and 67; Debian's OpenArena sets both its protocols to 71, which leaves 68 out. Empty for
// an engine in a folder, which may be any.
std::vector<int> playableDemoProtocols(const Installation& installation) {
    switch (installation.kind) {
    case Installation::Kind::DebianOpenArena:
        return {71, 67, 66};
    case Installation::Kind::DebianIoquake3:
        return {71, 68, 67, 66};
    default:
        return {};
    }
}

std::string protocolsText(const std::vector<int>& protocols) {
    std::string text;
    for (std::size_t i = 0; i < protocols.size(); ++i)
        text += (i == 0                      ? ""
                 : i + 1 == protocols.size() ? " and "
                                             : ", ") +
                std::to_string(protocols[i]);
    return text;
}

} // namespace

std::string demoNameProblem(const std::string& name) {
    if (name.empty())
        return "be empty";
    if (name.find('+') != std::string::npos)
        return "contain \"+\", which starts a new command on the game's command line";
    if (name.front() == '-')
        return "start with \"-\"";
    return scriptValueProblem(name, ScriptValueKind::Word);
}

std::vector<std::string> demoArguments(const std::string& mod, const std::string& name) {
    if (const std::string problem = demoNameProblem(name); !problem.empty())
        throw UserMessage("The demo name \"" + printableText(name) + "\" must not " + problem +
                          "! Rename the file to watch it.");
    std::vector<std::string> arguments;
    if (!mod.empty()) {
        requireSafeScriptValue(mod, "demo's mod folder", ScriptValueKind::Word);
        arguments = {"+set", "fs_game", mod};
    }
    arguments.insert(arguments.end(), {"+demo", name});
    return arguments;
}

std::string demoProtocolProblem(const Installation& installation, const std::string& name) {
    const std::vector<int> playable = playableDemoProtocols(installation);
    const std::optional<int> protocol = demoNameProtocol(name);
    if (playable.empty() || !protocol ||
        std::find(playable.begin(), playable.end(), *protocol) != playable.end())
        return {};
    return "it plays demos of protocols " + protocolsText(playable) +
           " only; this one was recorded with protocol " + std::to_string(*protocol) +
           ", by another version of the game";
}

bool watchDemo(const Installation& installation, const std::string& mod, const std::string& name) {
    const auto arguments = demoArguments(mod, name);
    if (const std::string problem = demoProtocolProblem(installation, name); !problem.empty())
        throw UserMessage("The game cannot play " + printableText(name) + ": " + problem + ".");
    return startGame(installation, arguments);
}

} // namespace velkarn

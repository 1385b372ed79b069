#include "core/launch/DemoLaunch.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/setup/ScriptValues.h"

namespace velkarn {

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

bool watchDemo(const Installation& installation, const std::string& mod, const std::string& name) {
    return startGame(installation, demoArguments(mod, name));
}

} // namespace velkarn

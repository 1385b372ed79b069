#include "cli/GameCommands.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Installation.h"
#include "core/session/GameOptions.h"

#include <charconv>

namespace velkarn {

namespace {

void printInstallation(std::ostream& out, std::size_t number, const Installation& installation) {
    out << number << '\t' << installation.label << '\t' << installation.commandText() << '\t'
        << installation.baseFolder << '\t' << installation.homeFolder << '\t'
        << installation.dataFolder << '\n';
}

std::optional<std::size_t> numberIn(const std::string& text) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

Installation chosenInstallation(const std::string& choice, const SystemLayout& layout,
                                std::size_t& number) {
    if (const auto picked = numberIn(choice)) {
        const auto found = findInstallations(layout);
        if (*picked < 1 || *picked > found.size())
            throw UserMessage("There is no game installation " + choice + "; velkarn games lists " +
                              std::to_string(found.size()) + ".");
        number = *picked;
        return found[*picked - 1];
    }
    number = 0;
    return requireGameFolder(absoluteFrom(choice), layout);
}

} // namespace

int runGamesCommand(const SystemLayout& layout, std::ostream& out, std::ostream& err) {
    const auto found = findInstallations(layout);
    if (found.empty()) {
        err << "No game installation found.\n";
        return 1;
    }
    for (std::size_t i = 0; i < found.size(); ++i)
        printInstallation(out, i + 1, found[i]);
    return 0;
}

int runUseCommand(const std::string& appDir, const std::string& choice, const SystemLayout& layout,
                  std::ostream& out, std::ostream& err) {
    try {
        std::size_t number = 0;
        const Installation installation = chosenInstallation(choice, layout, number);
        GameOptions game(appDir, layout);
        if (fileExists(game.pathFile()))
            game.readPaths(); // the command line stays
        game.chooseInstallation(installation);
        game.writePaths();
        printInstallation(out, number, installation);
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn

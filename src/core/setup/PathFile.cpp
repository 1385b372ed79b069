#include "core/setup/PathFile.h"

#include "core/platform/TextFile.h"
#include "core/setup/ScriptValues.h"

namespace velkarn {

GamePaths readPathFile(const std::string& fileName) {
    const Lines lines = readTextFile(fileName);
    return {lineAt(lines, 0), lineAt(lines, 1), lineAt(lines, 2)};
}

void writePathFile(const std::string& fileName, const GamePaths& paths) {
    // Each value is one line of the file.
    requireSingleLineValue(paths.gameFolder, "game folder");
    requireSingleLineValue(paths.commandLine, "extra command line");
    Lines lines{paths.gameFolder, paths.commandLine};
    if (!paths.installation.empty())
        lines.push_back(paths.installation);
    writeTextFile(fileName, lines);
}

} // namespace velkarn

#include "core/setup/PathFile.h"

#include "core/platform/TextFile.h"

namespace velkarn {

GamePaths readPathFile(const std::string& fileName) {
    const Lines lines = readTextFile(fileName);
    return {lineAt(lines, 0), lineAt(lines, 1)};
}

void writePathFile(const std::string& fileName, const GamePaths& paths) {
    writeTextFile(fileName, {paths.gameFolder, paths.commandLine});
}

} // namespace velkarn

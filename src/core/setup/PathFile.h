#pragma once

#include <string>

// path.txt in the list-file folder: line 1 the game folder, line 2 the extra command line.
namespace velkarn {

struct GamePaths {
    std::string gameFolder;  // normally ends with "/"
    std::string commandLine; // extra game command line, may be empty
};

// Reads path.txt; a missing second line reads as empty, later lines are ignored.
// Throws FileOpenError.
GamePaths readPathFile(const std::string& fileName);

// Writes exactly two lines, replacing the file. Throws FileCreateError.
void writePathFile(const std::string& fileName, const GamePaths& paths);

} // namespace velkarn

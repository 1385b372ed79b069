#pragma once

#include <string>

// path.txt in the list-file folder: line 1 the game folder (the base folder of the game),
// line 2 the extra command line, and line 3, only for a packaged installation, which one.
namespace velkarn {

struct GamePaths {
    std::string gameFolder;   // normally ends with "/"
    std::string commandLine;  // extra game command line, may be empty
    std::string installation; // Installation::id(); empty for a self-contained folder
};

// Reads path.txt; missing lines read as empty, later lines are ignored.
// Throws FileOpenError.
GamePaths readPathFile(const std::string& fileName);

// Writes two lines, and the third only when it is not empty, replacing the file. Throws
// FileCreateError, or UserMessage (writing nothing) for a value holding a control character,
// which would break the file's lines.
void writePathFile(const std::string& fileName, const GamePaths& paths);

} // namespace velkarn

#pragma once

#include "core/platform/ProblemList.h"

#include <cstddef>
#include <string>
#include <string_view>

// What the list files (servers, buddies, masters, mods) share when they are read and saved.
namespace velkarn {

// The program writes a line end after every line, so a last line without one was cut short by
// a crash or a full disk (or typed by hand): true for such a text.
bool endsInsideLine(std::string_view text);

// Adds "FILE, line N: ..." to `problems` when `text`, split into `lineCount` lines, ends inside
// its last line. The line is still read: a cut name is better kept and said than lost.
void noteCutLastLine(const std::string& file, std::string_view text, std::size_t lineCount,
                     ProblemList& problems);

// Adds "FILE, line N: more than `most` `what`; the rest is left out" for a list read only to
// its limit.
void noteRestLeftOut(const std::string& file, std::size_t line, std::size_t most,
                     const std::string& what, ProblemList& problems);

// Replaces a list file with `bytes`. When it was not read whole (`readWhole` false), a file
// smaller than the one there is refused with UserMessage, so what could not be read is never
// written over with less. Throws FileCreateError with the old file left as it was.
void writeListFile(const std::string& file, const std::string& bytes, bool readWhole);

} // namespace velkarn

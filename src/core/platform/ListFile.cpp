#include "core/platform/ListFile.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

namespace velkarn {

bool endsInsideLine(std::string_view text) {
    return !text.empty() && text.back() != '\n' && text.back() != '\r';
}

void noteCutLastLine(const std::string& file, std::string_view text, std::size_t lineCount,
                     ProblemList& problems) {
    if (endsInsideLine(text))
        problems.add(fileLinePrefix(file, lineCount) +
                     "the file ends inside this line: it may have been cut short.");
}

void noteRestLeftOut(const std::string& file, std::size_t line, std::size_t most,
                     const std::string& what, ProblemList& problems) {
    problems.add(fileLinePrefix(file, line) + "more than " + std::to_string(most) + " " + what +
                 "; the rest is left out");
}

void writeListFile(const std::string& file, const std::string& bytes, bool readWhole) {
    FileState old;
    if (!readWhole && fileState(file, old) && bytes.size() < old.size)
        throw UserMessage(file + " could not be read whole when Velkarn started, so it is not "
                                 "saved with less in it. Mend it by hand or remove it.");
    writeFileAtomic(file, bytes);
}

} // namespace velkarn

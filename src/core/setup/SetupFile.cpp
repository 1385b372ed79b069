#include "core/setup/SetupFile.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace velkarn {

namespace {

constexpr std::size_t ExtensionLength = 4; // ".bsp", ".vkn"

// Reads the lines of one file in order; a line past the end reads as empty.
class LineReader {
public:
    explicit LineReader(Lines lines) : lines_(std::move(lines)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    const std::string& peek() const { return lineAt(lines_, next_); }
    const std::string& lineAfter(std::size_t n) const { return lineAt(lines_, next_ + n); }
    const std::string& take() { return lineAt(lines_, next_++); }
    // The integer of the next line from a 1-based column to its end.
    int takeInt(long long column = 1) { return toInt(columnText(take(), column)); }
    void skip(std::size_t count) { next_ += count; }

private:
    Lines lines_;
    std::size_t next_ = 0;
};

bool isInfoLine(const std::string& line) {
    const std::string trimmed = trim(line);
    return !trimmed.empty() && trimmed.front() == ';';
}

int catalogueIndex(const MapFiles& catalogue, const std::string& name) {
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const std::string& fileName = catalogue[i]->fileName;
        const std::size_t keep =
            fileName.size() > ExtensionLength ? fileName.size() - ExtensionLength : 0;
        if (fileName.compare(0, keep, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::unique_ptr<RotationEntry> readEntry(LineReader& reader, const std::string& name,
                                         int mapFileIndex) {
    auto entry = std::make_unique<RotationEntry>();
    entry->name = name;
    entry->mapFileIndex = mapFileIndex;
    entry->gameType = static_cast<std::uint8_t>(reader.takeInt(2));
    entry->fragLimit = reader.takeInt(2);
    entry->timeLimit = reader.takeInt(2);
    const int botCount = static_cast<std::uint8_t>(reader.takeInt(2));
    const int kept = std::min(botCount, MaxRosterSlots);
    for (int slot = 0; slot < kept; ++slot) {
        RosterBot& b = entry->bots[static_cast<std::size_t>(slot)];
        b.name = columnText(reader.take(), 3);
        b.skill = reader.takeInt(4);
        b.team = columnText(reader.take(), 4);
    }
    // A hand-edited file may list more bots than a roster holds.
    reader.skip(static_cast<std::size_t>(botCount - kept) * 3);
    entry->botCount = static_cast<std::uint8_t>(kept);
    return entry;
}

// A map that is no longer catalogued: its indented lines are passed over, but never more than
// the entry holds, so that a player name beginning with a blank is still read as one.
void skipEntryLines(LineReader& reader) {
    std::size_t limit = SIZE_MAX;
    try {
        const std::uint8_t botCount = static_cast<std::uint8_t>(toInt(reader.lineAfter(3)));
        limit = 4 + 3 * std::size_t{botCount};
    } catch (const ConvertError&) {
        // Not an entry as written by the program: the indentation alone tells where it ends.
    }
    for (std::size_t n = 0; n < limit && !reader.peek().empty() && reader.peek().front() == ' ';
         ++n)
        reader.skip(1);
}

} // namespace

void loadSetupFile(const std::string& path, const MapFiles& catalogue, SetupReadResult& into) {
    LineReader reader(readTextFile(path));
    while (isInfoLine(reader.peek()))
        into.info.push_back(columnText(reader.take(), 2));

    const int count = reader.takeInt();
    for (int n = 0; n < count; ++n) {
        // Past the last line every remaining entry and the ping read as empty, which can only
        // end in this conversion error; stopping here keeps a huge count from spinning.
        if (reader.atEnd())
            throw ConvertError("");
        const std::string name = reader.take();
        const int index = catalogueIndex(catalogue, name);
        if (index < 0) {
            skipEntryLines(reader);
            continue;
        }
        into.maps.push_back(readEntry(reader, name, index));
    }

    PlayerLines player;
    player.name = reader.take();
    player.model = reader.take();
    player.skin = reader.take();
    player.simPing = reader.takeInt();
    player.mod = reader.take();
    into.player = std::move(player);
    into.playerLinesRead = true;
}

Lines setupFileLines(const std::vector<std::string>* info, const Rotation& maps,
                     const PlayerLines& player) {
    Lines lines;
    if (info)
        for (const auto& line : *info)
            lines.push_back(";" + line);
    lines.push_back(std::to_string(maps.size()));
    for (const auto& entry : maps) {
        const int botCount = std::min<int>(entry->botCount, MaxRosterSlots);
        lines.push_back(entry->name);
        lines.push_back(" " + std::to_string(entry->gameType));
        lines.push_back(" " + std::to_string(entry->fragLimit));
        lines.push_back(" " + std::to_string(entry->timeLimit));
        lines.push_back(" " + std::to_string(botCount));
        for (int slot = 0; slot < botCount; ++slot) {
            const RosterBot& b = entry->bots[static_cast<std::size_t>(slot)];
            lines.push_back("  " + b.name);
            lines.push_back("   " + std::to_string(b.skill));
            lines.push_back("   " + b.team);
        }
    }
    lines.insert(lines.end(), {player.name, player.model, player.skin,
                               std::to_string(player.simPing), player.mod});
    return lines;
}

void saveSetupFile(const std::string& path, const std::vector<std::string>* info,
                   const Rotation& maps, const PlayerLines& player) {
    writeTextFile(path, setupFileLines(info, maps, player));
}

std::vector<std::string> predefinedSetupFiles(const std::string& configsFolder) {
    const std::string folder = withTrailingSlash(configsFolder);
    std::vector<std::string> files;
    for (const auto& entry : listFolder(folder)) {
        if (entry.isFolder || entry.name == "default.vkn" || !endsWithNoCase(entry.name, ".vkn"))
            continue;
        if (fileExists(folder + entry.name))
            files.push_back(entry.name);
    }
    // Windows listed them alphabetically ignoring case; the same order keeps the list stable.
    std::stable_sort(files.begin(), files.end(), lessNoCase);
    return files;
}

std::vector<std::string> predefinedSetupNames(const std::string& configsFolder) {
    std::vector<std::string> names;
    for (const auto& file : predefinedSetupFiles(configsFolder))
        names.push_back(file.substr(0, file.size() - ExtensionLength));
    return names;
}

std::string setupFileNameFromChosenPath(const std::string& chosen) {
    return fileNamePart(chosen);
}

} // namespace velkarn

#include "core/setup/SetupFile.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/PrintableText.h"
#include "core/setup/RotationOps.h"
#include "core/setup/ScriptValues.h"
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
    explicit LineReader(const std::string& path) : path_(path), lines_(readTextFile(path)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    const std::string& peek() const { return lineAt(lines_, next_); }
    const std::string& take() { return lineAt(lines_, next_++); }
    // The integer of the next line from a 1-based column to its end; a text that is none is
    // reported with the file and the line.
    int takeInt(long long column = 1) {
        const std::string text = columnText(take(), column);
        try {
            return toInt(text);
        } catch (const ConvertError&) {
            throw ConvertError(text, path_, next_);
        }
    }
    void skip(std::size_t count) { next_ += count; }
    std::size_t nextLineNumber() const { return next_ + 1; }

private:
    std::string path_;
    Lines lines_;
    std::size_t next_ = 0;
};

bool isInfoLine(const std::string& line) {
    const std::string trimmed = trim(line);
    return !trimmed.empty() && trimmed.front() == ';';
}

std::unique_ptr<RotationEntry> readEntry(LineReader& reader, const std::string& name,
                                         int mapFileIndex, std::vector<std::size_t>& botLines) {
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
        botLines.push_back(reader.nextLineNumber());
        b.name = columnText(reader.take(), 3);
        b.skill = reader.takeInt(4);
        b.team = columnText(reader.take(), 4);
    }
    // A hand-edited file may list more bots than a roster holds.
    reader.skip(static_cast<std::size_t>(botCount - kept) * 3);
    entry->botCount = static_cast<std::uint8_t>(kept);
    return entry;
}

// Said when the file is read, not only when the game is started.
void checkPlayerValue(SetupReadResult& into, std::size_t line, const std::string& value,
                      const char* field, ScriptValueKind kind) {
    const std::string refusal = scriptValueRefusal(value, field, kind);
    if (!refusal.empty())
        into.problems.push_back(fileLinePrefix(into.path, line) + refusal);
}

} // namespace

void loadSetupFile(const std::string& path, const MapFiles& catalogue, SetupReadResult& into) {
    into.path = path;
    LineReader reader(path);
    while (isInfoLine(reader.peek()))
        into.info.push_back(columnText(reader.take(), 2));

    const int count = reader.takeInt();
    for (int n = 0; n < count; ++n) {
        // Past the last line every remaining entry and the ping read as empty, which can only
        // end in this conversion error; stopping here keeps a huge count from spinning.
        if (reader.atEnd())
            throw ConvertError("", path, reader.nextLineNumber());
        const std::size_t line = reader.nextLineNumber();
        const std::string name = reader.take();
        std::vector<std::size_t> botLines;
        into.maps.push_back(readEntry(reader, name, mapFileIndexFor(catalogue, name), botLines));
        into.mapLines.push_back(line);
        into.botLines.push_back(std::move(botLines));
    }

    PlayerLines player;
    const std::size_t playerLine = reader.nextLineNumber();
    player.name = reader.take();
    player.model = reader.take();
    player.skin = reader.take();
    checkPlayerValue(into, playerLine, player.name, "player name", ScriptValueKind::Text);
    checkPlayerValue(into, playerLine + 1, player.model, "player model", ScriptValueKind::Word);
    checkPlayerValue(into, playerLine + 2, player.skin, "player skin", ScriptValueKind::Word);
    player.simPing = reader.takeInt();
    player.mod = reader.take();
    into.player = std::move(player);
    into.playerLinesRead = true;
}

std::vector<std::string> leftOutNotes(const SetupReadResult& read, const Rotation& rotation,
                                      const DefinedBots& bots) {
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < rotation.size() && i < read.mapLines.size(); ++i) {
        const RotationEntry& entry = *rotation[i];
        if (!hasCataloguedMap(entry)) {
            notes.push_back(fileLinePrefix(read.path, read.mapLines[i]) +
                            "the catalogue holds no map " + printableText(entry.name) +
                            ", so that entry is not played.");
            continue;
        }
        const auto& lines = read.botLines[i];
        for (std::size_t slot = 0; slot < entry.botCount && slot < lines.size(); ++slot)
            if (!definedBotName(bots, entry.bots[slot].name))
                notes.push_back(fileLinePrefix(read.path, lines[slot]) +
                                "the game defines no bot " + printableText(entry.bots[slot].name) +
                                ", so it is left out of the game.");
    }
    return notes;
}

std::string readMessages(const SetupReadResult& read) {
    std::string text;
    for (const auto* said : {&read.problems, &read.notes})
        for (const std::string& line : *said)
            text += (text.empty() ? "" : "\n") + line;
    return text;
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

std::vector<std::string> predefinedSetupFiles(const std::string& setupFolder) {
    const std::string folder = withTrailingSlash(setupFolder);
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

std::vector<std::string> predefinedSetupNames(const std::string& setupFolder) {
    std::vector<std::string> names;
    for (const auto& file : predefinedSetupFiles(setupFolder))
        names.push_back(file.substr(0, file.size() - ExtensionLength));
    return names;
}

std::string setupFileNameFromChosenPath(const std::string& chosen) {
    return fileNamePart(chosen);
}

} // namespace velkarn

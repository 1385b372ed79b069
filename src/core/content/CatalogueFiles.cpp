#include "core/content/CatalogueFiles.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

constexpr std::size_t MapRecordLines = 9;

std::uint8_t flagFrom(const std::string& line) {
    return columnText(line, 2) == "true" ? 1 : 0;
}

const char* flagText(std::uint8_t flag) {
    return flag == 1 ? " true" : " false";
}

bool holdsExactly(const std::string& path, const std::string& bytes) {
    if (!fileExists(path))
        return false;
    try {
        return readFileBytes(path) == bytes;
    } catch (const FileOpenError&) {
        return false;
    }
}

// A search that finds nothing new would only rewrite the same bytes, at the price of a flush to
// disk per file on every start; such files are left as they are.
void writeCatalogueFile(const std::string& path, const std::string& bytes) {
    if (!holdsExactly(path, bytes))
        writeFileAtomic(path, bytes);
}

// The text of a catalogue file, line by line with CR LF after each, as writeTextFile writes;
// made in one piece because thousands of records would otherwise be copied line by line twice.
struct CatalogueText {
    std::string bytes;
    void line(std::string_view first, std::string_view rest = {}) {
        bytes.append(first).append(rest).append("\r\n");
    }
};

// Runs a catalogue file's reading; a failure marks the catalogue for a full rebuild.
template <typename Reading> void readMarkingFailure(Catalogue& catalogue, Reading reading) {
    try {
        reading();
    } catch (...) {
        catalogue.needsRebuild = true;
        throw;
    }
}

} // namespace

void readMapsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] { appendMapRecords(readTextFile(fileName), catalogue); });
}

void readBotsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] {
        for (const auto& line : readTextFile(fileName))
            catalogue.addBotName(line);
    });
}

void readModelsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] { appendModelRecords(readTextFile(fileName), catalogue); });
}

void appendMapRecords(const Lines& lines, Catalogue& catalogue) {
    for (std::size_t i = 0; i < lines.size(); i += MapRecordLines) {
        auto map = std::make_unique<MapFile>();
        map->fileName = lines[i];
        map->archivePath = columnText(lineAt(lines, i + 1), 2);
        map->longName = columnText(lineAt(lines, i + 2), 2);
        map->arenaBotCount = toInt(columnText(lineAt(lines, i + 3), 2));
        map->supportsDeathmatch = flagFrom(lineAt(lines, i + 4));
        map->supportsTournament = flagFrom(lineAt(lines, i + 5));
        map->supportsTeamDeathmatch = flagFrom(lineAt(lines, i + 6));
        map->supportsCaptureTheFlag = flagFrom(lineAt(lines, i + 7));
        catalogue.mapFiles.push_back(std::move(map));
    }
}

void appendModelRecords(const Lines& lines, Catalogue& catalogue) {
    std::size_t i = 0;
    while (i < lines.size()) {
        auto model = std::make_unique<PlayerModel>();
        model->name = lines[i];
        // The line after the name is always a skin; more follow until the next line is "END".
        std::size_t next = i + 1;
        do {
            if (next >= lines.size())
                break;
            if (model->skinCount < MaxModelSkins)
                model->skins[model->skinCount++] = trim(lines[next]);
            ++next;
        } while (next < lines.size() && lines[next] != "END");
        catalogue.playerModels.push_back(std::move(model));
        i = next + 1;
    }
}

void writeCatalogueFiles(const std::string& folder, const Catalogue& catalogue) {
    CatalogueText maps;
    for (const auto& map : catalogue.mapFiles) {
        maps.line(map->fileName);
        maps.line(" ", map->archivePath);
        maps.line(" ", map->longName);
        maps.line(" ", std::to_string(map->arenaBotCount));
        for (const std::uint8_t flag : {map->supportsDeathmatch, map->supportsTournament,
                                        map->supportsTeamDeathmatch, map->supportsCaptureTheFlag})
            maps.line(flagText(flag));
        maps.line("END");
    }
    writeCatalogueFile(folder + "maps.txt", maps.bytes);

    writeCatalogueFile(folder + "bots.txt", joinLines(catalogue.botNames));

    CatalogueText models;
    for (const auto& name : catalogue.sortedModelNames()) {
        const PlayerModel* model = catalogue.findModel(name);
        models.line(name);
        for (int s = 0; s < model->skinCount; ++s)
            models.line(" ", model->skins[s]);
        models.line("END");
    }
    writeCatalogueFile(folder + "models.txt", models.bytes);
}

} // namespace velkarn

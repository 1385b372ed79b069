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

std::string flagText(std::uint8_t flag) {
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
void writeCatalogueFile(const std::string& path, const Lines& lines) {
    const std::string bytes = joinLines(lines);
    if (!holdsExactly(path, bytes))
        writeFileAtomic(path, bytes);
}

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
    Lines maps;
    for (const auto& map : catalogue.mapFiles) {
        maps.insert(maps.end(),
                    {map->fileName, " " + map->archivePath, " " + map->longName,
                     " " + std::to_string(map->arenaBotCount), flagText(map->supportsDeathmatch),
                     flagText(map->supportsTournament), flagText(map->supportsTeamDeathmatch),
                     flagText(map->supportsCaptureTheFlag), "END"});
    }
    writeCatalogueFile(folder + "maps.txt", maps);

    writeCatalogueFile(folder + "bots.txt", catalogue.botNames);

    Lines models;
    for (const auto& name : catalogue.sortedModelNames()) {
        const PlayerModel* model = catalogue.findModel(name);
        models.push_back(name);
        for (int s = 0; s < model->skinCount; ++s)
            models.push_back(" " + model->skins[s]);
        models.push_back("END");
    }
    writeCatalogueFile(folder + "models.txt", models);
}

} // namespace velkarn

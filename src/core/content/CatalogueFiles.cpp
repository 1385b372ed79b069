#include "core/content/CatalogueFiles.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

constexpr std::size_t MapRecordLines = 9;

std::uint8_t flagFrom(const std::string& line) {
    return ColumnText(line, 2) == "true" ? 1 : 0;
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
        auto map = std::make_unique<AMapFile>();
        map->FileName = lines[i];
        map->ArchivePath = ColumnText(lineAt(lines, i + 1), 2);
        map->LongName = ColumnText(lineAt(lines, i + 2), 2);
        map->ArenaBotCount = toInt(ColumnText(lineAt(lines, i + 3), 2));
        map->SupportsFFA = flagFrom(lineAt(lines, i + 4));
        map->SupportsTourney = flagFrom(lineAt(lines, i + 5));
        map->SupportsTeam = flagFrom(lineAt(lines, i + 6));
        map->SupportsCTF = flagFrom(lineAt(lines, i + 7));
        catalogue.MapFileList.push_back(std::move(map));
    }
}

void appendModelRecords(const Lines& lines, Catalogue& catalogue) {
    std::size_t i = 0;
    while (i < lines.size()) {
        auto model = std::make_unique<AModel>();
        model->Name = lines[i];
        // The line after the name is always a skin; more follow until the next line is "END".
        std::size_t next = i + 1;
        do {
            if (next >= lines.size())
                break;
            if (model->SkinCount < MaxModelSkins)
                model->Skins[model->SkinCount++] = Trim(lines[next]);
            ++next;
        } while (next < lines.size() && lines[next] != "END");
        catalogue.ModelList.push_back(std::move(model));
        i = next + 1;
    }
}

void WriteCatalogueFiles(const std::string& folder, const Catalogue& catalogue) {
    Lines maps;
    for (const auto& map : catalogue.MapFileList) {
        maps.insert(maps.end(), {map->FileName, " " + map->ArchivePath, " " + map->LongName,
                                 " " + std::to_string(map->ArenaBotCount),
                                 flagText(map->SupportsFFA), flagText(map->SupportsTourney),
                                 flagText(map->SupportsTeam), flagText(map->SupportsCTF), "END"});
    }
    writeCatalogueFile(folder + "maps.txt", maps);

    writeCatalogueFile(folder + "bots.txt", catalogue.BotNames);

    Lines models;
    for (const auto& name : catalogue.sortedModelNames()) {
        const AModel* model = catalogue.findModel(name);
        models.push_back(name);
        for (int s = 0; s < model->SkinCount; ++s)
            models.push_back(" " + model->Skins[s]);
        models.push_back("END");
    }
    writeCatalogueFile(folder + "models.txt", models);
}

} // namespace velkarn

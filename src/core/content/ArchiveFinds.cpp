#include "core/content/ArchiveFinds.h"

#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

struct Merge {
    const std::string& archivePath;
    CatalogueIndex& index;

    void operator()(const MapFind& find) const {
        if (!index.isKnownMapFile(find.fileName))
            index.appendMap(find.fileName);
        if (MapFile* map = index.findMapExact(find.fileName))
            map->archivePath = archivePath;
    }

    void operator()(const BotTextFind& find) const { index.addBots(find.names); }

    void operator()(const ArenaFind& find) const {
        MapFile* map = index.findMapNoCase(find.mapName + ".bsp");
        if (!map)
            map = &index.appendMap(toLower(find.mapName) + ".bsp");
        if (find.botCount)
            map->arenaBotCount = *find.botCount;
        if (find.longName)
            map->longName = *find.longName;
        if (find.gameTypes) {
            const auto& types = *find.gameTypes;
            map->supportsDeathmatch = types[0];
            map->supportsTournament = types[1];
            map->supportsTeamDeathmatch = types[2];
            map->supportsCaptureTheFlag = types[3];
        }
    }

    void operator()(const ModelFind& find) const {
        PlayerModel* model = index.findModelNoCase(find.model);
        if (!model && find.folderHasMesh)
            model = &index.appendModel(find.model);
        if (!model)
            return;
        if (find.skinKind == ModelFind::Skin::Refused)
            index.leaveOutNames();
        else if (find.skinKind == ModelFind::Skin::Named && !isKnownSkin(*model, find.skin) &&
                 model->skinCount < MaxModelSkins)
            model->skins[static_cast<std::size_t>(model->skinCount++)] = find.skin;
    }
};

} // namespace

void mergeFinds(const ArchiveFinds& finds, const std::string& archivePath, CatalogueIndex& index) {
    index.leaveOutNames(finds.leftOutNames);
    const Merge merge{archivePath, index};
    for (const auto& find : finds.finds)
        std::visit(merge, find);
}

} // namespace velkarn

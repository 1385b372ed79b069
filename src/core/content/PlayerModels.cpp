#include "core/content/PlayerModels.h"

#include "core/content/CatalogueFiles.h"
#include "core/platform/FileSystem.h"

#include <algorithm>

namespace velkarn {

bool loadModelsFile(const std::string& path, Catalogue& catalogue) {
    if (!pathExists(path))
        return false;
    readModelsFile(path, catalogue);
    return true;
}

std::optional<std::vector<std::string>> skinsForModel(const Catalogue& catalogue,
                                                      const std::string& modelName) {
    if (modelName.empty())
        return std::nullopt;
    std::vector<std::string> skins;
    if (const PlayerModel* model = catalogue.findModel(modelName))
        skins.assign(model->skins.begin(),
                     model->skins.begin() + std::clamp(model->skinCount, 0, MaxModelSkins));
    return skins;
}

} // namespace velkarn

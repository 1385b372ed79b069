#include "core/content/PlayerModels.h"

#include "core/content/CatalogueFiles.h"
#include "core/platform/FileSystem.h"

#include <algorithm>

namespace velkarn {

bool LoadModelsFile(const std::string& path, Catalogue& catalogue) {
    if (!pathExists(path))
        return false;
    readModelsFile(path, catalogue);
    return true;
}

std::optional<std::vector<std::string>> SkinsForModel(const Catalogue& catalogue,
                                                      const std::string& modelName) {
    if (modelName.empty())
        return std::nullopt;
    std::vector<std::string> skins;
    if (const AModel* model = catalogue.findModel(modelName))
        skins.assign(model->Skins.begin(),
                     model->Skins.begin() + std::clamp(model->SkinCount, 0, MaxModelSkins));
    return skins;
}

} // namespace velkarn

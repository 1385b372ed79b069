#include "core/content/ModelChoice.h"

#include <algorithm>

namespace velkarn {

std::pair<std::string, std::string> chooseModelAndSkin(const Catalogue& catalogue,
                                                       const std::string& setupModel,
                                                       const std::string& setupSkin) {
    const auto names = catalogue.sortedModelNames();
    // No models known (models.txt unreadable, no search yet): the setup's own choice stays, so
    // that saving the setup again does not lose it.
    if (names.empty())
        return {setupModel, setupSkin};
    const bool named = std::find(names.begin(), names.end(), setupModel) != names.end();
    const std::string model = named ? setupModel : names.front();
    const PlayerModel* record = catalogue.findModel(model);
    if (!record || record->skinCount <= 0)
        return {model, {}};
    const auto first = record->skins.begin();
    const auto last = first + record->skinCount;
    const bool skinNamed = std::find(first, last, setupSkin) != last;
    return {model, skinNamed ? setupSkin : *first};
}

} // namespace velkarn

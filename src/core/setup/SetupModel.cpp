#include "core/setup/SetupModel.h"

#include "core/setup/ScriptValues.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

const std::string* definedBotName(const DefinedBots& defined, std::string_view name) {
    const auto found = std::find_if(defined.begin(), defined.end(), [&](const std::string& known) {
        return equalsNoCase(known, name);
    });
    return found != defined.end() && isSafeBotName(*found) ? &*found : nullptr;
}

void Catalogue::addBotName(const std::string& name) {
    const auto place = std::upper_bound(botNames.begin(), botNames.end(), name, lessNoCase);
    botNames.insert(place, name);
}

bool Catalogue::isKnownBot(const std::string& name) const {
    return std::any_of(botNames.begin(), botNames.end(),
                       [&](const std::string& known) { return equalsNoCase(known, name); });
}

std::vector<std::string> Catalogue::sortedModelNames() const {
    std::vector<std::string> names;
    for (const auto& model : playerModels)
        names.push_back(model->name);
    std::stable_sort(names.begin(), names.end(), lessNoCase);
    return names;
}

const PlayerModel* Catalogue::findModel(const std::string& name) const {
    for (const auto& model : playerModels)
        if (model->name == name)
            return model.get();
    return nullptr;
}

} // namespace velkarn

#include "core/setup/SetupModel.h"

#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

void Catalogue::addBotName(const std::string& name) {
    const auto place = std::upper_bound(BotNames.begin(), BotNames.end(), name, lessNoCase);
    BotNames.insert(place, name);
}

bool Catalogue::isKnownBot(const std::string& name) const {
    return std::any_of(BotNames.begin(), BotNames.end(),
                       [&](const std::string& known) { return equalsNoCase(known, name); });
}

std::vector<std::string> Catalogue::sortedModelNames() const {
    std::vector<std::string> names;
    for (const auto& model : ModelList)
        names.push_back(model->Name);
    std::stable_sort(names.begin(), names.end(), lessNoCase);
    return names;
}

const AModel* Catalogue::findModel(const std::string& name) const {
    for (const auto& model : ModelList)
        if (model->Name == name)
            return model.get();
    return nullptr;
}

} // namespace velkarn

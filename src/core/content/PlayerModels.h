#pragma once

#include "core/setup/SetupModel.h"

#include <optional>
#include <string>
#include <vector>

// The player models of the player options, read from models.txt.
namespace velkarn {

// Appends the models of models.txt (see readModelsFile) when the file exists; false, and nothing
// changed, when it does not. Throws FileOpenError when it exists but cannot be read.
bool loadModelsFile(const std::string& path, Catalogue& catalogue);

// The skins to list for a chosen model: nothing for an empty model text (the skin list stays as
// it is), otherwise the skins of the first model whose name equals it exactly (case matters),
// in slot order; an empty list when no model has that name.
std::optional<std::vector<std::string>> skinsForModel(const Catalogue& catalogue,
                                                      const std::string& modelName);

} // namespace velkarn

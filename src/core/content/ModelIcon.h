#pragma once

#include <QImage>
#include <cstddef>
#include <string>
#include <vector>

namespace velkarn {

// Icons larger than this are not read.
constexpr std::size_t MaxModelIconBytes = std::size_t{4} * 1024 * 1024;

// The picture the game shows for a player model in a skin: models\players\<model>\icon_<skin>
// with ".tga", else ".jpg" (names compared ignoring case, as the game's file system does), from
// the first of `archives` holding a readable one. A null image when there is none; damaged
// pictures and archives are passed over without a message.
QImage readModelIcon(const std::vector<std::string>& archives, const std::string& model,
                     const std::string& skin);

} // namespace velkarn

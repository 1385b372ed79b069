#pragma once

#include "core/platform/TextFile.h"
#include "core/setup/SetupModel.h"

#include <string>

// The catalogue files maps.txt, bots.txt and models.txt.
namespace velkarn {

// The readers take a file only as the search writes it: maps.txt in records of nine lines
// (file name, then archive, title, arena bot count and four flags as fields indented by one
// blank, then "END"), bots.txt a bot name a line, models.txt a name line, one to 16 skin fields
// and "END"; names must be ones the game's console can take. A file cut inside a record, or
// holding anything else, throws FileFormatError (or ConvertError for a bad number) naming the
// file and line, and marks the catalogue with needsRebuild; records read before stay appended.
// A file that cannot be read throws FileOpenError, with the same mark.
void readMapsFile(const std::string& fileName, Catalogue& catalogue);
void readBotsFile(const std::string& fileName, Catalogue& catalogue);
void readModelsFile(const std::string& fileName, Catalogue& catalogue);

// Writes maps.txt, bots.txt and models.txt into `folder` (ending with "/"), in this order; a
// file that already holds exactly the new content is not rewritten. Throws FileCreateError;
// files written before a failure keep their new content.
void writeCatalogueFiles(const std::string& folder, const Catalogue& catalogue);

} // namespace velkarn

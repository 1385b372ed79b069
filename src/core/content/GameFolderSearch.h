#pragma once

#include "core/content/ArchiveCache.h"
#include "core/content/CatalogueIndex.h"
#include "core/content/SearchObserver.h"
#include "core/content/ZipArchive.h"
#include "core/setup/SetupModel.h"

#include <string>
#include <vector>

// The content search over the game folder: every ".pk3" archive below it that the catalogue
// does not know yet is scanned and merged in; the catalogue files then keep the result.
namespace velkarn {

// The file beside the catalogue files that keeps what each archive gave (see ArchiveCache).
extern const char* const ArchiveCacheFile;

// The whole search without windows: scans `gameFolder` (ending with "/"; empty: nothing to
// scan) and makes the catalogue anew from what its archives give, in the order the engine reads
// them, so that it always equals a first search into an empty catalogue; then writes maps.txt,
// bots.txt and models.txt and the archive cache into `appDir` (ending with "/"). Only archives
// new or changed since the last search are opened. Archive problems go to observer.message and
// the search goes on. When no folder exists, the catalogue read is kept (and its files
// rewritten unless they could not be read whole). Throws FileCreateError when a file cannot be
// written.
void rebuildCatalogue(const std::string& gameFolder, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer);
// The same over several folders, walked in the order given (an installation's home folder
// before its base folder, as the engine reads them).
void rebuildCatalogue(const std::vector<std::string>& folders, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer);

// Walks the folders (each ending with "/") depth first: subfolders first (except ones named
// exactly "Extras"), then the folder's own files whose names end exactly in ".pk3", each in the
// engine's order of names (ignoring case), a game folder's own data folder (baseq3, baseoa)
// after its mod folders, and merges what each archive gives into the catalogue: the finds
// `cache` kept for an archive unchanged since, or what reading it gives. A folder reached again
// through a symbolic link is not walked twice; below the folders directly inside a game folder,
// a folder link is followed only where it stays inside the game's folders, and never into "/",
// /proc, /sys or /dev. Names holding control characters are passed over and said; so are
// problems with an archive, the first 20 of each with control characters shown as "?", then how
// many more.
void scanFolders(const std::vector<std::string>& folders, CatalogueIndex& index,
                 ArchiveCache& cache, SearchObserver& observer);

// Every archive scanFolders would walk to, in its order, whether the catalogue knows it or not.
// An empty game folder has none.
std::vector<std::string> gameArchives(const std::vector<std::string>& folders);

// Drops map files that no archive holds (named only by an arena text) and models without
// skins, keeping the order of the rest.
void purgeCatalogue(Catalogue& catalogue);

} // namespace velkarn

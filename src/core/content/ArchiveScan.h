#pragma once

#include "core/content/ArchiveFinds.h"
#include "core/content/CatalogueIndex.h"
#include "core/content/SearchObserver.h"
#include "core/content/ZipArchive.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkarn {

// Bot and arena texts larger than this are not read: real ones hold a few kilobytes, and the
// largest arenas.txt of a big map pack stays far below.
constexpr std::size_t MaxTextEntryBytes = 16 * 1024 * 1024;

// Lists one archive and collects what its entry names offer: map files, bot and arena texts
// (read and parsed), entries of model folders with whether the folder holds a mesh and which
// head skin they are. Unreadable archives and entries are reported through `zip`'s message
// handler and skipped.
ArchiveFinds readArchiveFinds(const std::string& archivePath, ZipArchive& zip,
                              SearchObserver& observer);

// readArchiveFinds merged into the catalogue at once (mergeFinds: the archive examined last
// becomes a map's home; models holding a mesh, with up to 16 head skins each).
void scanArchive(const std::string& archivePath, ZipArchive& zip, CatalogueIndex& index,
                 SearchObserver& observer);

// Answers whether the model folder of an entry holds a ".md3" mesh, walking the entries from
// that entry on while the last part of their parent folder stays the same (the first entry of
// another folder is still examined). It relies on the entries of one folder being listed
// together. Remembers its last walk, so asking for every entry of a folder costs one walk.
class MeshLookahead {
public:
    explicit MeshLookahead(const std::vector<ZipDirEntry>& entries) : entries_(entries) {}
    bool modelFolderHasMesh(std::size_t entry); // 0-based

private:
    const std::vector<ZipDirEntry>& entries_;
    std::string folder_;
    std::size_t first_ = 0;
    std::size_t walkedTo_ = 0;
    bool result_ = false;
    bool valid_ = false;
};

// The skin a model folder file names when it is a head skin ("head" ... ".skin", ignoring case):
// the name with its first five characters and the extension removed, e.g. head_blue.skin gives
// blue and head_.skin an empty name. False when it is no head skin.
bool headSkinName(std::string_view fileName, std::string& skin);

} // namespace velkarn

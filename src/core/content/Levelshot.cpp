#include "core/content/Levelshot.h"

#include "core/content/ZipArchive.h"
#include "core/setup/TextHelpers.h"

namespace velkarn {

namespace {

int findEntryNoCase(const ZipArchive& zip, const std::string& name) {
    const auto& entries = zip.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (equalsNoCase(entries[i].fileName, name))
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::vector<Levelshot> readLevelshots(const std::string& archivePath, const std::string& mapName,
                                      const ZipMessageHandler& onMessage) {
    ZipArchive zip(onMessage);
    zip.setZipFilename(archivePath);
    const std::pair<const char*, Levelshot::Format> kinds[] = {{".jpg", Levelshot::Jpeg},
                                                               {".tga", Levelshot::Tga}};
    std::vector<Levelshot> found;
    for (const auto& [extension, format] : kinds) {
        const int index = findEntryNoCase(zip, "levelshots\\" + mapName + extension);
        if (index < 0)
            continue;
        if (auto bytes = zip.readEntryAt(index, MaxLevelshotBytes))
            found.push_back(Levelshot{format, std::move(*bytes)});
    }
    return found;
}

std::optional<Levelshot> readLevelshot(const std::string& archivePath, const std::string& mapName,
                                       const ZipMessageHandler& onMessage) {
    auto found = readLevelshots(archivePath, mapName, onMessage);
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

} // namespace velkarn

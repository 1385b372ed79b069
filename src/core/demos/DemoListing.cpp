#include "core/demos/DemoListing.h"

#include "core/content/ZipArchive.h"
#include "core/demos/DemoReader.h"
#include "core/setup/DemoName.h"

#include <algorithm>

namespace velkarn {

namespace {

// Demos of long matches run to a few megabytes; an entry past this is no demo worth reading.
constexpr std::size_t MaxArchivedDemoBytes = std::size_t{64} * 1024 * 1024;

void addFileDemo(const std::string& folder, const std::string& fileName, const std::string& mod,
                 DemoCache& cache, std::vector<DemoEntry>& demos) {
    const std::string path = folder + "demos/" + fileName;
    FileState state;
    if (!fileState(path, state))
        return;
    if (const auto* known = cache.find(path, state)) {
        cache.keep(path, state, *known);
        demos.insert(demos.end(), known->begin(), known->end());
        return;
    }
    DemoEntry demo{path, {}, fileName, mod, state.size, state.modifiedSeconds, readDemoFile(path)};
    cache.keep(path, state, {demo});
    demos.push_back(std::move(demo));
}

std::vector<DemoEntry> readArchiveDemos(const std::string& path, const std::string& mod,
                                        const FileState& state) {
    std::vector<DemoEntry> found;
    ZipArchive archive;
    archive.setZipFilename(path);
    for (int i = 0; i < archive.entryCount(); ++i) {
        std::string name = archive.entries()[static_cast<std::size_t>(i)].fileName;
        std::replace(name.begin(), name.end(), '\\', '/');
        if (!name.starts_with("demos/") || !isDemoName(name))
            continue;
        DemoEntry demo{path, name, name.substr(6), mod, 0, state.modifiedSeconds, {}};
        if (const auto bytes = archive.readEntryAt(i, MaxArchivedDemoBytes)) {
            demo.size = bytes->size();
            demo.read = readDemoBytes(*bytes, demo.where());
        } else {
            demo.read = {
                DemoReadStatus::CantRead, demo.where() + ": " + archive.lastError().text, {}};
        }
        found.push_back(std::move(demo));
    }
    return found;
}

void addArchiveDemos(const std::string& path, const std::string& mod, DemoCache& cache,
                     std::vector<DemoEntry>& demos) {
    FileState state;
    if (!fileState(path, state))
        return;
    std::vector<DemoEntry> found;
    if (const auto* known = cache.find(path, state))
        found = *known;
    else
        found = readArchiveDemos(path, mod, state);
    demos.insert(demos.end(), found.begin(), found.end());
    cache.keep(path, state, std::move(found));
}

} // namespace

bool isDemoName(const std::string& name) {
    return demoNameProtocol(name).has_value();
}

void addFolderDemos(const std::string& folder, const std::string& mod, DemoCache& cache,
                    std::vector<DemoEntry>& demos) {
    for (const auto& entry : listFolder(folder + "demos/"))
        if (!entry.isFolder && isDemoName(entry.name))
            addFileDemo(folder, entry.name, mod, cache, demos);
    for (const auto& entry : listFolder(folder))
        if (!entry.isFolder && endsWithNoCase(entry.name, ".pk3"))
            addArchiveDemos(folder + entry.name, mod, cache, demos);
}

std::vector<DemoEntry> listDemos(const Installation& installation, DemoCache& cache) {
    std::vector<DemoEntry> demos;
    std::vector<FileIdentity> seen; // a folder reached twice (a link, home = base) counts once
    for (const auto& root : installation.contentFolders()) {
        for (const auto& sub : listFolder(root)) {
            const std::string folder = withTrailingSlash(root + sub.name);
            FileIdentity identity;
            if (!sub.isFolder || !fileIdentity(folder, identity) ||
                std::find(seen.begin(), seen.end(), identity) != seen.end())
                continue;
            seen.push_back(identity);
            addFolderDemos(folder, sub.name == installation.dataFolder ? "" : sub.name, cache,
                           demos);
        }
    }
    std::stable_sort(demos.begin(), demos.end(), [](const DemoEntry& a, const DemoEntry& b) {
        return a.modifiedSeconds > b.modifiedSeconds;
    });
    return demos;
}

std::vector<DemoEntry> listDemos(const Installation& installation, const std::string& cacheFile) {
    DemoCache cache(cacheFile);
    auto demos = listDemos(installation, cache);
    cache.save();
    return demos;
}

} // namespace velkarn

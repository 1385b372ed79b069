#pragma once

#include "core/demos/DemoEntry.h"
#include "core/platform/FileSystem.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// What was read of each demo, kept between runs in one file, so that a listing reads only the
// demos that are new or changed. A record counts only for the same file: path, identity, size
// and modification time; anything else is read again, so the cache never changes an answer.
namespace velkarn {

class DemoCache {
public:
    // Loads `file` when it can; a cache that cannot be read whole is started anew.
    explicit DemoCache(std::string file);
    // Where the cache of the list-file folder `appDir` lies.
    static std::string filePath(const std::string& appDir) { return appDir + "demos.cache"; }

    // The demos last read from `path` (one for a file, any number for an archive) when the
    // file is still the one they were read from.
    const std::vector<DemoEntry>* find(const std::string& path, const FileState& state) const;
    void keep(const std::string& path, const FileState& state, std::vector<DemoEntry> demos);

    // Writes the records kept since loading (so the demos gone are forgotten), atomically;
    // nothing when nothing changed. A cache that cannot be written is left as it is.
    void save();

private:
    struct Record {
        FileState state;
        std::vector<DemoEntry> demos;
    };
    std::string file_;
    std::map<std::string, Record> loaded_;
    std::map<std::string, Record> kept_;
    bool changed_ = false;
};

} // namespace velkarn

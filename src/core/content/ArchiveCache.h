#pragma once

#include "core/content/ArchiveFinds.h"
#include "core/platform/FileSystem.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace velkarn {

// What tells an archive from the one whose finds were kept: the same path with another size,
// modification time or file (replaced by a new one) is read again.
struct ArchiveKey {
    unsigned long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    unsigned long long inode = 0;
    bool operator==(const ArchiveKey&) const = default;
};

ArchiveKey archiveKey(const FileState& state);

// The finds of every archive the last search read, kept in a file beside the catalogue files so
// that the next search opens only archives that are new or changed. The catalogue is always
// made from these finds, never from what the catalogue files say, so no cache changes it.
class ArchiveCache {
public:
    ArchiveCache() = default;

    // Reads the kept finds when the file exists. A file that is not as write() writes it (cut,
    // damaged, of another version) throws FileFormatError naming the file and line, or
    // FileOpenError; the caller then starts from an empty cache, so every archive is read again.
    static ArchiveCache read(const std::string& fileName);

    // The finds kept for `path` when its key is the same; they move out of the cache.
    std::optional<ArchiveFinds> take(const std::string& path, const ArchiveKey& key);
    // Keeps an archive's finds for the next search, in the order archives were met.
    void keep(const std::string& path, const ArchiveKey& key, ArchiveFinds finds);

    // Writes what keep() was given, and nothing of archives not met again (removed ones); a
    // file read that already holds just that is left alone. Throws FileCreateError.
    void write(const std::string& fileName) const;

private:
    struct Entry {
        std::string path;
        ArchiveKey key;
        ArchiveFinds finds;
        std::size_t position = 0; // among the archives of the file, or as kept
    };
    struct Taken {
        std::string path;
        ArchiveKey key;
        std::size_t position = 0;
    };
    std::unordered_map<std::string, Entry> previous_;
    std::vector<Entry> kept_;
    std::optional<Taken> lastTaken_;
    std::size_t readArchives_ = 0;
    // True while what was kept is what the file read holds, in its order.
    bool sameAsRead_ = false;
};

} // namespace velkarn

#pragma once

#include <optional>
#include <string>
#include <vector>

// File system queries as the program needs them. Names starting with "." count as hidden and
// are never listed, as hidden entries were not on the original platform.
namespace velkarn {

// What a path names (links followed): equal for two paths of the same file or folder, so that
// walks over folder trees can tell a folder they have seen through a link.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What one look at a file tells (links followed): which file it is, its size and when it last
// changed (seconds since 1970), so that a reader can tell a file replaced or shortened.
struct FileState {
    FileIdentity identity;
    unsigned long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0; // within that second
};

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool isLink = false;                // a symbolic link, to whatever isFolder says
    std::optional<FileState> fileState; // of a file, when asked for and it could be looked at
};

// The visible entries of a folder, in the order the file system returns them. An unreadable or
// missing folder gives no entries. Symbolic links are followed; `isFolder` is true for links to
// folders. With `withFileStates` each file is looked at through the open folder, which spares a
// walk along its path for each of thousands of files.
std::vector<FolderEntry> listFolder(const std::string& folder, bool withFileStates = false);

bool fileExists(const std::string& path);   // a plain file (links followed)
bool folderExists(const std::string& path); // a folder (links followed)
bool pathExists(const std::string& path);   // anything

// Creates a folder with the folders above it; true when it is there afterwards.
bool createFolder(const std::string& path);

// Renames a file, replacing `to`; false when it could not be renamed.
bool renameFile(const std::string& from, const std::string& to);

// Case-insensitive match of a name's ending, as Windows patterns like "*.vkn" matched.
bool endsWithNoCase(const std::string& name, const std::string& suffix);

// Appends "/" unless the path already ends with one.
std::string withTrailingSlash(const std::string& path);

// The part after the last "/".
std::string fileNamePart(const std::string& path);

// The absolute form of the current folder, with a trailing "/".
std::string currentFolder();
// `path` below `folder` (by default the current one) when it is relative; as it stands when it
// is absolute or empty.
std::string absoluteFrom(const std::string& path, const std::string& folder = currentFolder());

// False when the path names nothing.
bool fileIdentity(const std::string& path, FileIdentity& identity);

// The path with every link resolved, ending with "/" for a folder; empty when it names nothing.
std::string realFolderPath(const std::string& path);
// Whether `path` (a real path ending with "/") lies in `folder` (the same) or is it.
bool isInsideFolder(const std::string& path, const std::string& folder);

// False when the path names nothing.
bool fileState(const std::string& path, FileState& state);

} // namespace velkarn

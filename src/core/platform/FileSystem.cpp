#include "core/platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace velkarn {

namespace {

FileState stateOf(const struct stat& st) {
    FileState state;
    state.identity = {static_cast<unsigned long long>(st.st_dev),
                      static_cast<unsigned long long>(st.st_ino)};
    state.size = static_cast<unsigned long long>(st.st_size);
    state.modifiedSeconds = static_cast<long long>(st.st_mtim.tv_sec);
    state.modifiedNanoseconds = static_cast<long long>(st.st_mtim.tv_nsec);
    return state;
}

bool statMode(const std::string& path, mode_t& mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    mode = st.st_mode;
    return true;
}

} // namespace

std::vector<FolderEntry> listFolder(const std::string& folder, bool withFileStates) {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return entries;
    const std::string prefix = withTrailingSlash(folder);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        // The kind the folder itself records spares a look at every file; links and file
        // systems that do not record kinds are looked at.
        if (entry->d_type == DT_DIR || entry->d_type == DT_REG) {
            entries.push_back({name, entry->d_type == DT_DIR, false, std::nullopt});
        } else {
            mode_t mode = 0;
            if (!statMode(prefix + name, mode))
                continue; // dangling link
            struct stat own {};
            const bool link = ::lstat((prefix + name).c_str(), &own) == 0 && S_ISLNK(own.st_mode);
            entries.push_back({name, S_ISDIR(mode), link, std::nullopt});
        }
        struct stat st {};
        if (withFileStates && !entries.back().isFolder &&
            ::fstatat(::dirfd(dir), name.c_str(), &st, 0) == 0)
            entries.back().fileState = stateOf(st);
    }
    ::closedir(dir);
    return entries;
}

bool fileExists(const std::string& path) {
    mode_t mode = 0;
    return statMode(path, mode) && S_ISREG(mode);
}

bool folderExists(const std::string& path) {
    mode_t mode = 0;
    return statMode(path, mode) && S_ISDIR(mode);
}

bool pathExists(const std::string& path) {
    mode_t mode = 0;
    return statMode(path, mode);
}

bool createFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return folderExists(path);
}

bool renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool endsWithNoCase(const std::string& name, const std::string& suffix) {
    if (name.size() < suffix.size())
        return false;
    return std::equal(
        suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

std::string withTrailingSlash(const std::string& path) {
    if (!path.empty() && path.back() == '/')
        return path;
    return path + "/";
}

std::string fileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string currentFolder() {
    std::string buffer(4096, '\0');
    if (!::getcwd(buffer.data(), buffer.size()))
        return "./";
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return withTrailingSlash(buffer);
}

std::string absoluteFrom(const std::string& path, const std::string& folder) {
    return path.empty() || path.front() == '/' ? path : withTrailingSlash(folder) + path;
}

bool fileIdentity(const std::string& path, FileIdentity& identity) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    identity = {static_cast<unsigned long long>(st.st_dev),
                static_cast<unsigned long long>(st.st_ino)};
    return true;
}

std::string realFolderPath(const std::string& path) {
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    return error ? std::string() : withTrailingSlash(real.string());
}

bool isInsideFolder(const std::string& path, const std::string& folder) {
    return path.compare(0, folder.size(), folder) == 0;
}

bool fileState(const std::string& path, FileState& state) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    state = stateOf(st);
    return true;
}

} // namespace velkarn

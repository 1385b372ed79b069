#include "core/content/EntryNames.h"

namespace velkarn {

std::string entryFileName(const std::string& path) {
    const auto cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string entryExtension(const std::string& path) {
    const std::string name = entryFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string parentFolder(const std::string& path) {
    const long long length = static_cast<long long>(path.size());
    for (long long position = length - 2; position >= 1; --position)
        if (path[static_cast<std::size_t>(position - 1)] == '\\')
            return path.substr(0, static_cast<std::size_t>(position));
    return {};
}

std::string lastPathPart(const std::string& path) {
    if (path.empty())
        return {};
    const long long length = static_cast<long long>(path.size());
    std::string part = path.substr(1);
    for (long long position = length - 2; position >= 2; --position) {
        if (path[static_cast<std::size_t>(position - 1)] == '\\') {
            part = path.substr(static_cast<std::size_t>(position));
            break;
        }
    }
    if (!part.empty() && part.back() == '\\')
        part.pop_back();
    return part;
}

} // namespace velkarn

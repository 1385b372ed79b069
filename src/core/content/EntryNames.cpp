#include "core/content/EntryNames.h"

namespace velkarn {

std::string_view entryFileName(std::string_view path) {
    for (std::size_t at = path.size(); at > 0; --at)
        if (path[at - 1] == '\\' || path[at - 1] == ':')
            return path.substr(at);
    return path;
}

std::string_view entryExtension(std::string_view path) {
    const std::string_view name = entryFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string_view parentFolder(std::string_view path) {
    for (std::size_t position = path.size() < 2 ? 0 : path.size() - 2; position >= 1; --position)
        if (path[position - 1] == '\\')
            return path.substr(0, position);
    return {};
}

std::string_view lastPathPart(std::string_view path) {
    if (path.empty())
        return {};
    std::string_view part = path.substr(1);
    for (std::size_t position = path.size() < 2 ? 0 : path.size() - 2; position >= 2; --position) {
        if (path[position - 1] == '\\') {
            part = path.substr(position);
            break;
        }
    }
    if (!part.empty() && part.back() == '\\')
        part.remove_suffix(1);
    return part;
}

} // namespace velkarn

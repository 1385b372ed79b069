#include "core/launch/ServedPasswordFile.h"

#include "core/launch/ServeOptions.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"

#include <exception>

namespace velkarn {

namespace {

constexpr std::string_view OptionsSuffix = ".server";

bool isLoopback(const std::string& host) {
    return host == "localhost" || host == "::1" || host.starts_with("127.") ||
           host.starts_with("::ffff:127.");
}

} // namespace

std::string servedRconPasswordFile(const std::string& setupFolder, const std::string& host,
                                   std::uint16_t port) {
    if (!isLoopback(host))
        return {};
    std::string found;
    for (const FolderEntry& entry : listFolder(setupFolder)) {
        if (entry.isFolder || !entry.name.ends_with(OptionsSuffix))
            continue;
        ServeOptions options;
        try {
            readServeOptions(withTrailingSlash(setupFolder) + entry.name, options);
        } catch (const std::exception&) {
            continue;
        }
        if (options.port != port || options.rconPasswordFile.empty())
            continue;
        const std::string file = absoluteFrom(options.rconPasswordFile, setupFolder);
        if (!found.empty() && found != file)
            return {};
        found = file;
    }
    return found;
}

} // namespace velkarn

#include "core/session/StartupFiles.h"

#include "core/content/CatalogueFiles.h"
#include "core/launch/ServerListFile.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"

#include <functional>

namespace velkarn {

namespace {

// Runs one reader; a failure is recorded instead of ending the start-up reading.
bool readRecorded(StartupFiles& result, const std::function<void()>& reader) {
    try {
        reader();
        return true;
    } catch (const Error& error) {
        result.errors.emplace_back(error.what());
        return false;
    }
}

} // namespace

std::string configsFolder(const std::string& appDir) {
    return appDir + "configs/";
}

StartupFiles readListFiles(const std::string& appDir, SetupModel& model) {
    StartupFiles result;
    const std::string pathFile = appDir + "path.txt";
    if (!pathExists(pathFile))
        result.pathFileMissing = true;
    else
        readRecorded(result, [&] { result.paths = readPathFile(pathFile); });

    const std::string mapsFile = appDir + "maps.txt";
    if (pathExists(mapsFile))
        readRecorded(result, [&] { readMapsFile(mapsFile, model.catalogue); });

    const std::string botsFile = appDir + "bots.txt";
    if (pathExists(botsFile))
        readRecorded(result, [&] { readBotsFile(botsFile, model.catalogue); });

    const std::string serversFile = appDir + "servers.txt";
    if (pathExists(serversFile))
        result.serverListReadable =
            readRecorded(result, [&] { model.servers = readServerList(serversFile); });

    createFolder(configsFolder(appDir));
    return result;
}

} // namespace velkarn

#include "core/session/Session.h"

#include "core/content/CatalogueFiles.h"
#include "core/content/PlayerModels.h"
#include "core/launch/GameLaunch.h"
#include "core/launch/ServerListFile.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/results/GameLogSource.h"
#include "core/setup/RotationOps.h"

#include <exception>
#include <functional>

namespace velkarn {

namespace {

const std::string DefaultSetupFile = "default.vkn";

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

// The results name a server's series so; its rotation has no setup file.
constexpr const char* ServerSeriesName = "(server)";

std::string setupNameOf(const std::string& fileName) {
    return endsWithNoCase(fileName, ".vkn") ? fileName.substr(0, fileName.size() - 4) : fileName;
}

CountryDatabase::Files countryFilesOf(const SystemLayout& layout) {
    const CountryDatabase::Files system;
    return {layout.system(system.ipv4), layout.system(system.ipv6), layout.system(system.flags)};
}

} // namespace

std::string setupFolder(const std::string& appDir) {
    return appDir + "configs/";
}

Session::Session(std::string appDir, std::uint32_t seed, const SystemLayout& layout)
    : game(appDir, layout), player(appDir + "options.ini"), random(seed),
      results(appDir, [this] { return resultsSource(); }), buddies(appDir),
      countries(countryFilesOf(layout)), appDir_(std::move(appDir)) {
    game.setLaunchObserver([this](LaunchPath path) { noteLaunch(path); });
    game.setJoinObserver(
        [this](const SavedServer& server) { results.recordJoin(server.address, server.name); });
    for (const auto changed :
         {&GameOptions::pathsChanged, &GameOptions::modsChanged, &GameOptions::modChosen})
        connect(&game, changed, &results, &ResultsTracker::forgetSource);
    connect(&player, &PlayerOptions::changed, &results, &ResultsTracker::forgetSource);
}

ResultsTracker::Source Session::resultsSource() const {
    const GameSettings settings = game.launchSettings();
    return {gameLogSource(settings.installation,
                          settings.mod.index >= 1 ? settings.mod.parameters : ""),
            player.settings().name};
}

void Session::noteLaunch(LaunchPath path) {
    results.recordLaunch(path == LaunchPath::Server ? ServerSeriesName : setup.setupName);
}

StartupFiles Session::readListFiles() {
    StartupFiles result;
    if (!pathExists(game.pathFile()))
        result.pathFileMissing = true;
    else
        result.pathFileRead = readRecorded(result, [&] { game.readPaths(); });

    const std::string mapsFile = appDir_ + "maps.txt";
    if (pathExists(mapsFile))
        readRecorded(result, [&] { readMapsFile(mapsFile, setup.catalogue); });

    const std::string botsFile = appDir_ + "bots.txt";
    if (pathExists(botsFile))
        readRecorded(result, [&] { readBotsFile(botsFile, setup.catalogue); });

    const std::string serversFile = appDir_ + "servers.txt";
    if (pathExists(serversFile))
        result.serverListReadable = readRecorded(
            result, [&] { setup.servers = readServerList(serversFile, &result.errors); });

    for (std::string& problem : buddies.read())
        result.errors.push_back(std::move(problem));

    result.modListReadable = readRecorded(result, [&] {
        for (std::string& problem : game.readMods())
            result.errors.push_back(std::move(problem));
    });
    // The models of readable archives are found again by the next search.
    readRecorded(result, [&] { loadModelsFile(appDir_ + "models.txt", setup.catalogue); });

    createFolder(setupFolder());
    startup_ = result;
    return result;
}

void Session::applySetup(SetupReadResult& read) {
    replaceRotation(std::move(read.maps));
    if (!read.playerLinesRead)
        return;
    player.setName(read.player.name);
    setup.modelNameFromSetup = read.player.model;
    setup.skinNameFromSetup = read.player.skin;
    player.setSimPing(read.player.simPing);
    game.chooseModByName(read.player.mod);
}

void Session::loadSetup(const std::string& fileName, SetupReadResult& read) {
    try {
        loadSetupFile(setupFolder() + fileName, setup.catalogue.mapFiles, read);
    } catch (...) {
        applySetup(read);
        throw;
    }
    applySetup(read);
    read.notes = leftOutNotes(read, setup.rotation, setup.catalogue.botNames);
    setup.setupName = setupNameOf(fileName);
}

void Session::loadDefaultSetup(SetupReadResult& read) {
    if (!fileExists(setupFolder() + DefaultSetupFile))
        return;
    try {
        loadSetup(DefaultSetupFile, read);
    } catch (...) {
        defaultSetupUnreadable_ = true;
        throw;
    }
}

void Session::replaceRotation(Rotation rotation) {
    setup.rotation = std::move(rotation);
    emit rotationReplaced();
}

void Session::saveAtClose() {
    std::exception_ptr failure;
    try {
        const std::string file = setupFolder() + DefaultSetupFile;
        if (defaultSetupUnreadable_ && renameFile(file, file + ".bak"))
            defaultSetupUnreadable_ = false;
        writeSetup(DefaultSetupFile, nullptr);
    } catch (...) {
        failure = std::current_exception();
    }
    if (startup_.serverListReadable)
        writeServerList(appDir_ + "servers.txt", setup.servers);
    if (failure)
        std::rethrow_exception(failure);
}

void Session::writeSetup(const std::string& fileName, const std::vector<std::string>* info) {
    const PlayerSettings& settings = player.settings();
    const PlayerLines lines{settings.name, settings.model, settings.skin, settings.simPing,
                            game.chosenModName()};
    saveSetupFile(setupFolder() + fileName, info, setup.rotation, lines);
    setup.setupName = setupNameOf(fileName);
}

void Session::chooseSetupModel() {
    player.chooseModel(setup.catalogue, setup.modelNameFromSetup, setup.skinNameFromSetup);
}

void Session::catalogueRebuilt() {
    resolveMapFiles(setup.rotation, setup.catalogue.mapFiles);
    resolveMapFiles(setup.serverRotation, setup.catalogue.mapFiles);
    chooseSetupModel();
    emit catalogueChanged();
}

void Session::join(const SavedServer& server) {
    requireGameStarted(joinServer(game.launchSettings(), player.settings(), server));
}

} // namespace velkarn

#pragma once

#include "core/platform/FileSystem.h"
#include "core/platform/Installation.h"
#include "core/platform/TextFile.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace velkarn::test {

// A game folder with baseq3 and, on request, the fake game installed as "quake3"; the fake game
// records its working folder and arguments when it runs.
struct GameFolder {
    TempFolder dir;
    explicit GameFolder(bool withGame = false) {
        dir.makeFolder("baseq3");
        if (withGame)
            install(FAKE_GAME_PATH, "quake3");
    }
    void install(const std::string& program, const std::string& name) {
        std::filesystem::copy_file(program, dir.file(name));
        std::filesystem::permissions(dir.file(name), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }
    // The fake dedicated server as the folder's "ioq3ded.x86_64".
    void installDedicated() { install(FAKE_DEDICATED_PATH, "ioq3ded.x86_64"); }
    // What the fake dedicated server recorded (process id, working folder, then one argument a
    // line), waiting for it a while; empty when it never ran.
    Lines dedicatedRun() const {
        const std::string file = dir.file("fake_dedicated_run.txt");
        for (int i = 0; i < 200 && !fileExists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fileExists(file) ? readTextFile(file) : Lines{};
    }
    const std::string& path() const { return dir.path(); }
    // The folder as a self-contained installation.
    Installation installation() const { return installationInFolder(dir.path(), SystemLayout{}); }
    std::string script() const { return dir.read("baseq3/velkarn.cfg"); }
    bool scriptWritten() const { return fileExists(dir.file("baseq3/velkarn.cfg")); }
    // What the fake game recorded (working folder, then one argument a line), waiting for it a
    // while; empty when it never ran.
    Lines run() const {
        const std::string file = dir.file("fake_game_run.txt");
        for (int i = 0; i < 200 && !fileExists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fileExists(file) ? readTextFile(file) : Lines{};
    }
    // Whether the fake game ran, allowing a moment for one that was wrongly started to show.
    bool ran() const {
        const std::string file = dir.file("fake_game_run.txt");
        for (int i = 0; i < 6 && !fileExists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fileExists(file);
    }
    // The recorded arguments, without the working folder.
    Lines arguments() const {
        const Lines recorded = run();
        return recorded.empty() ? Lines{} : Lines(recorded.begin() + 1, recorded.end());
    }
};

} // namespace velkarn::test

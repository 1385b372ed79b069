#pragma once

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace velkarn::test {

// A game folder with baseq3 and, on request, the fake game installed as "quake3".
struct GameFolder {
    TempFolder dir;
    explicit GameFolder(bool withGame = false) {
        dir.makeFolder("baseq3");
        if (withGame) {
            namespace fs = std::filesystem;
            fs::copy_file(FAKE_GAME_PATH, dir.file("quake3"));
            fs::permissions(dir.file("quake3"), fs::perms::owner_all, fs::perm_options::add);
        }
    }
    std::string script() const { return dir.read("baseq3/velkarn.cfg"); }
    bool scriptWritten() const { return fileExists(dir.file("baseq3/velkarn.cfg")); }
    // What the fake game recorded, waiting for it a while; empty when it never ran.
    Lines run() const {
        const std::string file = dir.file("fake_game_run.txt");
        for (int i = 0; i < 200 && !fileExists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fileExists(file) ? readTextFile(file) : Lines{};
    }
    // The recorded arguments, without the working folder.
    Lines arguments() const {
        const Lines recorded = run();
        return recorded.empty() ? Lines{} : Lines(recorded.begin() + 1, recorded.end());
    }
};

} // namespace velkarn::test

// Stands in for a dedicated server in the serve tests. Records its process id, working folder
// and arguments, one a line, in fake_dedicated_run.txt of its working folder (written aside and
// renamed, so it appears whole), prints lines as the engine does and reads console commands
// from its standard input: "quit" ends it with status 0. With FAKE_DEDICATED_EXIT=N in its
// environment it exits with N at once; with FAKE_DEDICATED_STUBBORN it ignores "quit". With
// FAKE_DEDICATED_TOURNAMENT it plays a Tournament that ends and restarts, as the engine does,
// and "vstr nextmap" then starts a Deathmatch.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    {
        std::ofstream out("fake_dedicated_run.tmp", std::ios::binary);
        out << ::getpid() << '\n' << std::filesystem::current_path().string() << '\n';
        for (int i = 1; i < argc; ++i)
            out << argv[i] << '\n';
    }
    if (std::rename("fake_dedicated_run.tmp", "fake_dedicated_run.txt") != 0)
        return 1;
    // The real engine writes its console to standard error.
    std::cerr << "tty console mode disabled\n";
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "+exec")
            std::cerr << "execing " << argv[i + 1] << ".cfg\n";
    std::cout << "------ Server Initialization ------" << std::endl;
    if (const char* status = std::getenv("FAKE_DEDICATED_EXIT"))
        return std::atoi(status);
    const bool stubborn = std::getenv("FAKE_DEDICATED_STUBBORN") != nullptr;
    const auto initGame = [](const char* gameType, const char* map) {
        std::cerr << "InitGame: \\sv_hostname\\noname\\g_gametype\\" << gameType << "\\mapname\\"
                  << map << "\\sv_maxclients\\8\n";
    };
    if (std::getenv("FAKE_DEDICATED_TOURNAMENT")) {
        initGame("1", "duel");
        std::cerr << "Exit: Fraglimit hit.\n";
        initGame("1", "duel"); // the map_restart of a finished duel
    }
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "vstr nextmap")
            initGame("0", "next");
        if (line == "quit" && !stubborn) {
            std::cerr << "----- Server Shutdown (Server quit) -----\n";
            return 0;
        }
    }
    // The engine goes on without a console when its input ends.
    for (;;)
        ::pause();
}

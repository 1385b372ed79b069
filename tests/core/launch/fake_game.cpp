// Stands in for the game in launch tests: records its working folder and arguments, one a line,
// in fake_game_run.txt of its working folder, then exits. The file appears whole (written aside
// and renamed), so a test that polls for it never reads half of it.
#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    {
        std::ofstream out("fake_game_run.tmp", std::ios::binary);
        out << std::filesystem::current_path().string() << '\n';
        for (int i = 1; i < argc; ++i)
            out << argv[i] << '\n';
    }
    return std::rename("fake_game_run.tmp", "fake_game_run.txt") == 0 ? 0 : 1;
}

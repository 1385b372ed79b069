#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

// The core's README says in a table which of its folders each one may include; every include
// of our own names its folder, so the table can be checked here.
namespace {

namespace fs = std::filesystem;

const fs::path Source = VELKARN_SOURCE_DIR "/src";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each row "| `folder/` | holds | may include |": the folders named in the last cell, "every
// folder above" meaning all the rows before it.
std::map<std::string, std::set<std::string>> allowedIncludes() {
    std::map<std::string, std::set<std::string>> allowed;
    std::set<std::string> above;
    const std::regex row(R"(^\| `([a-z]+)/` \|.*\| ([^|]*) \|$)");
    const std::regex folder("`([a-z]+)/`");
    std::istringstream readme(readAll(Source / "core" / "README.md"));
    for (std::string line; std::getline(readme, line);) {
        std::smatch cells;
        if (!std::regex_match(line, cells, row))
            continue;
        const std::string rule = cells[2];
        std::set<std::string>& mayInclude = allowed[cells[1]];
        if (rule.find("every folder above") != std::string::npos)
            mayInclude = above;
        for (std::sregex_iterator it(rule.begin(), rule.end(), folder), end; it != end; ++it)
            mayInclude.insert((*it)[1]);
        mayInclude.insert(cells[1]);
        above.insert(cells[1]);
    }
    return allowed;
}

// The quoted includes of every source file under `folder`, as "file: include".
std::multimap<std::string, std::string> includesUnder(const fs::path& folder) {
    std::multimap<std::string, std::string> found;
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".h" && extension != ".cpp")
            continue;
        std::istringstream text(readAll(entry.path()));
        for (std::string line; std::getline(text, line);) {
            std::smatch match;
            if (std::regex_search(line, match, include))
                found.emplace(fs::relative(entry.path(), Source).string(), match[1]);
        }
    }
    return found;
}

} // namespace

TEST(Layering, TheCoreReadmeNamesEveryCoreFolder) {
    const auto allowed = allowedIncludes();
    for (const auto& entry : fs::directory_iterator(Source / "core"))
        if (entry.is_directory()) {
            EXPECT_TRUE(allowed.count(entry.path().filename().string()))
                << entry.path().filename() << " has no row in src/core/README.md";
        }
    EXPECT_TRUE(allowed.at("platform") == std::set<std::string>{"platform"});
}

TEST(Layering, CoreFoldersIncludeOnlyWhatTheReadmeAllows) {
    const auto allowed = allowedIncludes();
    const std::regex ours(R"(^(core|ui|cli|packaging)/(?:([a-z]+)/)?)");
    for (const auto& [file, included] : includesUnder(Source / "core")) {
        const std::string folder = std::next(fs::path(file).begin())->string(); // core/<folder>/
        std::smatch match;
        if (!std::regex_search(included, match, ours)) {
            ADD_FAILURE() << file << " includes \"" << included << "\" without naming its folder";
            continue;
        }
        EXPECT_EQ(match[1], "core") << file << " includes \"" << included << "\"";
        if (match[1] == "core" && allowed.count(folder)) {
            EXPECT_TRUE(allowed.at(folder).count(match[2]))
                << file << " includes \"" << included << "\", which src/core/README.md does not"
                << " allow for " << folder << "/";
        }
    }
}

TEST(Layering, IncludesOfOurOwnNameTheirFolder) {
    for (const char* part : {"ui", "cli"})
        for (const auto& [file, included] : includesUnder(Source / part))
            EXPECT_NE(included.find('/'), std::string::npos)
                << file << " includes \"" << included << "\" without naming its folder";
}

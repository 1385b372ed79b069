#include "core/launch/GameScript.h"
#include "core/platform/Errors.h"
#include "core/setup/SavedServerOps.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(SavedServerOps, AddNeedsNameAndAddressNameFirst) {
    SavedServers servers;
    EXPECT_EQ(addServer(servers, {"", "", "pw"}),
              (std::vector<std::string>{"You must enter a server name!",
                                        "You must enter a server address!"}));
    EXPECT_EQ(addServer(servers, {"Home", "", ""}),
              std::vector<std::string>{"You must enter a server address!"});
    EXPECT_EQ(addServer(servers, {"", "host", ""}),
              std::vector<std::string>{"You must enter a server name!"});
    EXPECT_TRUE(servers.empty());

    EXPECT_TRUE(addServer(servers, {"Home", "host:27960", ""}).empty());
    EXPECT_TRUE(addServer(servers, {"  ", "other", "x"}).empty());  // blanks are a name
    EXPECT_TRUE(addServer(servers, {"Home", "third", ""}).empty()); // names may repeat
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[0]->address, "host:27960");
    EXPECT_EQ(servers[1]->password, "x");
}

TEST(SavedServerOps, UpdateAndDeleteNeedASelection) {
    SavedServers servers;
    addServer(servers, {"A", "a", ""});
    addServer(servers, {"B", "b", ""});
    EXPECT_FALSE(updateServer(servers, -1, {"X", "x", "x"}));
    EXPECT_FALSE(updateServer(servers, 2, {"X", "x", "x"}));
    EXPECT_TRUE(updateServer(servers, 0, {"A2", "a2", "p"}));
    EXPECT_EQ(fieldsOf(*servers[0]).name, "A2");
    EXPECT_EQ(fieldsOf(*servers[0]).password, "p");
    EXPECT_EQ(servers[1]->name, "B");

    EXPECT_FALSE(deleteServer(servers, 5));
    EXPECT_FALSE(deleteServer(servers, -1));
    EXPECT_TRUE(deleteServer(servers, 0));
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(servers[0]->name, "B");
    EXPECT_TRUE(deleteServer(servers, 0));
    EXPECT_TRUE(servers.empty());
}

TEST(SavedServerOps, JoinUsesTheStoredRecord) {
    SavedServers servers;
    addServer(servers, {"Home", "stored:27960", ""});
    // Whatever the editing fields show meanwhile, only an update changes what a join uses.
    const Lines lines = joinScriptLines(PlayerSettings{}, joinTarget(servers, 0));
    EXPECT_EQ(lines.back(), "connect stored:27960");
    EXPECT_EQ(lines[lines.size() - 2], "password ");

    try {
        joinTarget(servers, -1);
        FAIL() << "joined without a selection";
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "You must select a server!");
    }
    EXPECT_THROW(joinTarget(SavedServers{}, 0), UserMessage);
}

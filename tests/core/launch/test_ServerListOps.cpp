#include "core/launch/GameScript.h"
#include "core/launch/ServerListOps.h"
#include "core/platform/Errors.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(ServerListOps, AddNeedsNameAndAddressNameFirst) {
    ServerListType servers;
    EXPECT_EQ(AddServer(servers, {"", "", "pw"}),
              (std::vector<std::string>{"You must enter a server name!",
                                        "You must enter a server address!"}));
    EXPECT_EQ(AddServer(servers, {"Home", "", ""}),
              std::vector<std::string>{"You must enter a server address!"});
    EXPECT_EQ(AddServer(servers, {"", "host", ""}),
              std::vector<std::string>{"You must enter a server name!"});
    EXPECT_TRUE(servers.empty());

    EXPECT_TRUE(AddServer(servers, {"Home", "host:27960", ""}).empty());
    EXPECT_TRUE(AddServer(servers, {"  ", "other", "x"}).empty());  // blanks are a name
    EXPECT_TRUE(AddServer(servers, {"Home", "third", ""}).empty()); // names may repeat
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[0]->Address, "host:27960");
    EXPECT_EQ(servers[1]->Password, "x");
}

TEST(ServerListOps, UpdateAndDeleteNeedASelection) {
    ServerListType servers;
    AddServer(servers, {"A", "a", ""});
    AddServer(servers, {"B", "b", ""});
    EXPECT_FALSE(UpdateServer(servers, -1, {"X", "x", "x"}));
    EXPECT_FALSE(UpdateServer(servers, 2, {"X", "x", "x"}));
    EXPECT_TRUE(UpdateServer(servers, 0, {"A2", "a2", "p"}));
    EXPECT_EQ(FieldsOf(*servers[0]).name, "A2");
    EXPECT_EQ(FieldsOf(*servers[0]).password, "p");
    EXPECT_EQ(servers[1]->Name, "B");

    EXPECT_FALSE(DeleteServer(servers, 5));
    EXPECT_FALSE(DeleteServer(servers, -1));
    EXPECT_TRUE(DeleteServer(servers, 0));
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(servers[0]->Name, "B");
    EXPECT_TRUE(DeleteServer(servers, 0));
    EXPECT_TRUE(servers.empty());
}

TEST(ServerListOps, JoinUsesTheStoredRecord) {
    ServerListType servers;
    AddServer(servers, {"Home", "stored:27960", ""});
    // Whatever the editing fields show meanwhile, only an update changes what a join uses.
    const Lines lines = JoinScriptLines(PlayerSettings{}, JoinTarget(servers, 0));
    EXPECT_EQ(lines.back(), "connect stored:27960");
    EXPECT_EQ(lines[lines.size() - 2], "password ");

    try {
        JoinTarget(servers, -1);
        FAIL() << "joined without a selection";
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "You must select a server!");
    }
    EXPECT_THROW(JoinTarget(ServerListType{}, 0), UserMessage);
}

#include "core/network/BuddyBook.h"
#include "core/network/CommandHistory.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

LiveServer serverWith(std::vector<std::string> buddies, const std::string& address) {
    LiveServer server{address, ServerStatus{{{"sv_hostname", "^1Red"}}, {}, 0}, {}, {}, {}, {}};
    server.buddies = std::move(buddies);
    return server;
}

} // namespace

TEST(BuddyList, NamesMatchWithoutColorCodesCaseOrBlanksAround) {
    const BuddyList buddies({"^1Sarge", " hank ", "   "});
    EXPECT_TRUE(buddies.isBuddy("sarge"));
    EXPECT_TRUE(buddies.isBuddy("^3SA^7RGE"));
    EXPECT_TRUE(buddies.isBuddy("Hank"));
    EXPECT_FALSE(buddies.isBuddy("Sarge2"));
    EXPECT_FALSE(buddies.isBuddy("")) << "a blank line is nobody";
    const std::vector<PlayerLine> players{{1, 20, "^4Ha^7nk", false}, {2, 0, "Doom", true}};
    EXPECT_EQ(buddies.buddiesAmong(players), std::vector<std::string>{"Hank"});
}

TEST(BuddyFile, ReadsNamesAndNamesEachBadLine) {
    TempFolder app;
    EXPECT_TRUE(readBuddyFile(app.path()).names.empty()) << "no file, no buddies";
    app.write("buddies.txt", "^1Sarge\r\n\r\n" + std::string(129, 'x') + "\nHa\tnk\nDoom\n");
    const BuddyFileRead read = readBuddyFile(app.path());
    EXPECT_EQ(read.names, (std::vector<std::string>{"^1Sarge", "Doom"}));
    EXPECT_EQ(read.problems,
              (std::vector<std::string>{
                  app.file("buddies.txt") + ", line 3: a buddy's name is at most 128 bytes",
                  app.file("buddies.txt") +
                      ", line 4: a buddy's name must not contain a control character"}));
    EXPECT_FALSE(read.whole);

    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "p" + std::to_string(i) + "\n";
    app.write("buddies.txt", many);
    const BuddyFileRead bounded = readBuddyFile(app.path());
    EXPECT_EQ(bounded.names.size(), MaxBuddies);
    EXPECT_EQ(bounded.problems.size(), 1u);
}

TEST(BuddyFile, SavingNeverLosesWhatCouldNotBeRead) {
    TempFolder app;
    BuddyBook book(app.path());
    app.write("buddies.txt", "Sarge\n" + std::string(200, 'y') + "\n");
    EXPECT_EQ(book.read().size(), 1u);
    EXPECT_THROW(book.save({"Hank"}), UserMessage) << "smaller than the file not read whole";
    EXPECT_EQ(app.read("buddies.txt"), "Sarge\n" + std::string(200, 'y') + "\n");
    EXPECT_EQ(book.list().names(), std::vector<std::string>{"Sarge"});

    // A name cut by a crash is still read, so the file counts as read whole.
    app.write("buddies.txt", "Sarge\r\nHa");
    EXPECT_EQ(book.read(), std::vector<std::string>{app.file("buddies.txt") +
                                                    ", line 2: the file ends inside this line: "
                                                    "it may have been cut short."});
    EXPECT_EQ(book.list().names(), (std::vector<std::string>{"Sarge", "Ha"}));
    book.save({"Sarge"});
    app.write("buddies.txt", "Sarge\r\nHank\r"); // cut between the two ends of a whole line
    EXPECT_TRUE(book.read().empty());
    app.write("buddies.txt", "Sarge\n" + std::string(200, 'y') + "\n");
    book.read();

    book.save({"Sarge", std::string(120, 'z'), std::string(100, 'w')}); // larger: saved
    EXPECT_EQ(book.list().names().size(), 3u);
    book.save({"Hank"}); // read whole now: it may shrink
    EXPECT_EQ(app.read("buddies.txt"), "Hank\r\n");
    for (const std::string& bad :
         {std::string("two\nlines"), std::string(" "), std::string(129, 'n')})
        EXPECT_THROW(book.save({bad}), UserMessage);
    EXPECT_EQ(app.read("buddies.txt"), "Hank\r\n");
}

TEST(BuddyBook, TellsOnceWhenABuddyComesOntoAServer) {
    TempFolder app;
    BuddyBook book(app.path());
    std::vector<std::string> told;
    QObject::connect(
        &book, &BuddyBook::buddyAppeared,
        [&](const std::string& buddy, const std::string& host, const std::string& address) {
            told.push_back(buddy + " on " + host + " at " + address);
        });
    book.noteServer(serverWith({"Hank"}, "127.0.0.1"));
    book.noteServer(serverWith({"Hank"}, "127.0.0.1:27960")); // the same server, found
    book.noteServer(serverWith({"Hank", "Sarge"}, "127.0.0.1:27960"));
    book.noteServer(LiveServer{"127.0.0.1:27960", {}, {}, {}, {}, {}}); // an answer lost
    book.noteServer(serverWith({"Hank", "Sarge"}, "127.0.0.1:27960"));
    book.noteServer(serverWith({}, "127.0.0.1:27960")); // they left
    book.noteServer(serverWith({"hank"}, "127.0.0.1:27960"));
    EXPECT_EQ(told, (std::vector<std::string>{"Hank on Red at 127.0.0.1:27960",
                                              "Sarge on Red at 127.0.0.1:27960",
                                              "hank on Red at 127.0.0.1:27960"}));
}

TEST(CommandHistory, UpAndDownWalkTheCommandsAndComeBackToTheTypedLine) {
    CommandHistory history;
    EXPECT_EQ(history.previous("typed"), "typed");
    for (const char* command : {"status", "status", "map q3dm17", "kick Doom"})
        history.add(command);
    EXPECT_EQ(history.next("half"), "half");
    EXPECT_EQ(history.previous("half"), "kick Doom");
    EXPECT_EQ(history.previous("kick Doom"), "map q3dm17");
    EXPECT_EQ(history.previous("map q3dm17"), "status");
    EXPECT_EQ(history.previous("status"), "status") << "kept once when sent twice in a row";
    EXPECT_EQ(history.next(""), "map q3dm17");
    EXPECT_EQ(history.next(""), "kick Doom");
    EXPECT_EQ(history.next(""), "half");
    for (int i = 0; i < 300; ++i)
        history.add("c" + std::to_string(i));
    std::string oldest;
    for (std::size_t i = 0; i <= CommandHistory::MaxCommands; ++i)
        oldest = history.previous("");
    EXPECT_EQ(oldest, "c100");
}

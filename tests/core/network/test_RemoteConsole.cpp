#include "core/network/RconText.h"
#include "core/network/RemoteConsole.h"
#include "core/platform/Errors.h"
#include "support/UdpResponder.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace velkarn;
using namespace velkarn::test;

namespace {

constexpr RemoteConsoleTiming Quick{300, 100, 5000};

struct Reply {
    std::optional<std::string> text;
    bool cutOff = false;
    bool silent = false;
};

Reply ask(const ServerAddress& server, const std::string& password, const std::string& command) {
    RemoteConsole console(Quick);
    Reply reply;
    QObject::connect(&console, &RemoteConsole::answered, [&](const std::string& text, bool cut) {
        reply.text = text;
        reply.cutOff = cut;
    });
    QObject::connect(&console, &RemoteConsole::silent, [&] { reply.silent = true; });
    console.send(server, password, command);
    EXPECT_TRUE(runEventsUntil([&] { return !console.waiting(); }, 20000));
    return reply;
}

// Answers the first request with print packets of `bytes` each, a few at a time, for as long as
// anyone listens.
struct FloodingServer {
    QUdpSocket socket;
    QTimer ticker;
    QHostAddress to;
    quint16 port = 0;
    explicit FloodingServer(int bytes) {
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, [this] {
            while (socket.hasPendingDatagrams())
                socket.readDatagram(nullptr, 0, &to, &port);
            ticker.start(1);
        });
        const QByteArray packet = "\xff\xff\xff\xffprint\n" + QByteArray(bytes, 'x');
        QObject::connect(&ticker, &QTimer::timeout, [this, packet] {
            for (int i = 0; i < 8; ++i)
                socket.writeDatagram(packet, to, port);
        });
    }
};

} // namespace

TEST(RemoteConsole, TheRepliesPacketsAreJoined) {
    ensureCoreApplication();
    const auto server = rconServer("s3cret");
    const Reply status = ask(server->address(), "s3cret", "status");
    ASSERT_TRUE(status.text);
    EXPECT_EQ(*status.text, "map: oa_dm1\n"
                            "cl score ping name            address                                 "
                            "rate \n-- ----- ---- --------------- "
                            "--------------------------------------- -----\n"
                            " 0     0    0 Angelyss^7        ^7bot                                "
                            "     16384\n\n");
    EXPECT_FALSE(status.cutOff);
    EXPECT_EQ(ask(server->address(), "wrong", "status").text, "Bad rconpassword.\n");
    EXPECT_EQ(ask(server->address(), "s3cret", "set x 1").text, "") << "an empty print";
    EXPECT_EQ(server->requestsSeen(), 3) << "each command is sent once";
}

TEST(RemoteConsole, OnlyTheServerAskedIsHeard) {
    ensureCoreApplication();
    UdpResponder stranger(
        [](const QByteArray&) { return std::vector<QByteArray>{"\xff\xff\xff\xffprint\nhi\n"}; }, 0,
        true);
    EXPECT_TRUE(ask(stranger.address(), "s3cret", "status").silent);
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    EXPECT_TRUE(ask(silent.address(), "s3cret", "status").silent);
}

TEST(RemoteConsole, AFloodIsCutOff) {
    ensureCoreApplication();
    FloodingServer flood(8000);
    const Reply reply = ask({"127.0.0.1", flood.socket.localPort()}, "s3cret", "cvarlist");
    ASSERT_TRUE(reply.text);
    EXPECT_TRUE(reply.cutOff);
    EXPECT_EQ(reply.text->size(), 256u * 1024);
}

TEST(RconText, PasswordsMustBeOneWordAndCommandsOneLine) {
    for (const std::string password : {"s3cret!#", "x/y*z", "^1red"})
        EXPECT_NO_THROW(requireRconPassword(password)) << password;
    for (const std::string password :
         {"", "two words", "quo\"te", "100%", "a//b", "a/*b", "a;b", "tab\tx", "caf\xc3\xa9"})
        EXPECT_THROW(requireRconPassword(password), UserMessage) << password;
    EXPECT_NO_THROW(requireRconCommand("say \"hello there\"", "pw"));
    EXPECT_THROW(requireRconCommand("status\nquit", "pw"), UserMessage);
    EXPECT_THROW(requireRconCommand(std::string(1016, 'x'), "pw"), UserMessage);
    EXPECT_NO_THROW(requireRconCommand(std::string(1015, 'x'), "pw"));

    EXPECT_EQ(plainConsoleText(" 0 ^1Ang^7el ^7bot\n\x1b[2Jx^\n"), " 0 Angel bot\n?[2Jx\n");
    EXPECT_TRUE(isRconRefusal("Bad rconpassword.\n"));
    EXPECT_FALSE(isRconRefusal("Bad rconpassword.\nmore\n"));
}

#include "core/setup/ReadableColor.h"
#include "support/Controls.h"
#include "support/RecordingDialogs.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"
#include "ui/network/RemoteConsoleWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

constexpr RemoteConsoleTiming Quick{300, 50, 2000};

class RemoteConsoleWindowTest : public ::testing::Test {
protected:
    RecordingDialogs dialogs;
    // Takes "s3cret"; "say" comes back in colors, anything else as the server's empty print.
    UdpResponder server{[](const QByteArray& request) -> std::vector<QByteArray> {
        const QByteArray print = "\xff\xff\xff\xffprint\n";
        if (!request.startsWith("\xff\xff\xff\xffrcon s3cret "))
            return {print + "Bad rconpassword.\n"};
        if (request.endsWith(" say"))
            return {print + "^1Red ^2Green\nplain\n"};
        return {print};
    }};
    TempFolder configs;
    RemoteConsoleWindow window{configs.path(), Quick};
    QLineEdit& command = child<QLineEdit>(window, "commandEdit");
    QPlainTextEdit& replies = child<QPlainTextEdit>(window, "replyView");

    void send(const QString& text) {
        command.setText(text);
        const int lines = replies.document()->blockCount();
        child<QPushButton>(window, "sendButton").click();
        runEventsUntil([&] { return replies.document()->blockCount() > lines + 1; }, 1000);
    }
    void press(Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&command, &event);
    }
};

} // namespace

TEST_F(RemoteConsoleWindowTest, AsksThePasswordOncePerServerAndAgainAfterARefusal) {
    const std::string address = formatServerAddress(server.address());
    window.openFor(QString::fromStdString(address));
    dialogs.passwordAnswers = {std::nullopt, "wrong", "s3cret"};
    send("status"); // cancelled: nothing sent
    EXPECT_EQ(server.requestsSeen(), 0);
    EXPECT_EQ(command.text(), "status");
    send("status");
    EXPECT_NE(replies.toPlainText().indexOf("Bad rconpassword."), -1);
    send("say");
    send("map q3dm17");
    EXPECT_EQ(dialogs.passwordQuestions,
              std::vector<std::string>(3, "The remote console password of " + address + ":"));
    EXPECT_EQ(server.requestsSeen(), 3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RemoteConsoleWindowTest, ASetupServedHereTakesItsSavedPasswordFile) {
    const std::string port = std::to_string(server.address().port);
    configs.write("duel.server", "hostname=Duel\nport=" + port + "\nrconpasswordfile=duel.rcon\n");
    configs.write("duel.rcon", "s3cret\n");
    configs.write("broken.server", "port=" + port + "\nnonsense\n");
    configs.write("other.server", "port=1\nrconpasswordfile=other.rcon\n");
    window.openFor(QString::fromStdString(formatServerAddress(server.address())));
    send("say");
    EXPECT_NE(replies.toPlainText().indexOf("Green"), -1);
    EXPECT_TRUE(dialogs.passwordQuestions.empty());

    // Two setups on the port with different files: which one runs is not known.
    const std::string twin =
        configs.write("twin.server", "port=" + port + "\nrconpasswordfile=twin.rcon\n");
    dialogs.passwordAnswers = {std::nullopt};
    send("status");
    EXPECT_EQ(dialogs.passwordQuestions.size(), 1u);
    std::filesystem::remove(twin);

    configs.write("duel.rcon", "changed\n");
    dialogs.passwordAnswers = {"s3cret"};
    send("say"); // refused: the saved password is passed over from here
    send("say");
    EXPECT_EQ(dialogs.passwordQuestions.size(), 2u);
    EXPECT_EQ(server.requestsSeen(), 3);
}

TEST_F(RemoteConsoleWindowTest, RepliesShowInTheirColorsAndCommandsComeBackWithUpAndDown) {
    window.openFor(QString::fromStdString(formatServerAddress(server.address())));
    dialogs.passwordAnswers = {"s3cret"};
    send("say");
    const QString text = replies.toPlainText();
    EXPECT_NE(text.indexOf("] say\nRed Green\nplain"), -1) << text.toStdString();
    const auto colorAt = [&](qsizetype position) {
        QTextCursor cursor(replies.document());
        cursor.setPosition(static_cast<int>(position) + 1);
        return cursor.charFormat().foreground().color();
    };
    // The game's red is too dark for the console's ground: a lighter red, readable on it.
    const QColor red = colorAt(text.indexOf("Red"));
    EXPECT_GT(red.red(), 250);
    EXPECT_EQ(red.green(), red.blue());
    const QColor ground = replies.palette().color(QPalette::Base);
    EXPECT_GE(contrastRatio({red.red(), red.green(), red.blue()},
                            {ground.red(), ground.green(), ground.blue()}),
              ReadableContrast);
    EXPECT_EQ(colorAt(text.indexOf("Green")), QColor(0, 254, 0));

    send("status");
    command.setText("half typed");
    press(Qt::Key_Up);
    EXPECT_EQ(command.text(), "status");
    press(Qt::Key_Up);
    EXPECT_EQ(command.text(), "say");
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(command.text(), "half typed");
}

TEST_F(RemoteConsoleWindowTest, AServerThatIsNoAddressIsRefusedBeforeAnyPassword) {
    window.openFor("not a host");
    command.setText("status");
    child<QPushButton>(window, "sendButton").click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"'not a host' is not a server address!"});
    EXPECT_TRUE(dialogs.passwordQuestions.empty());
}

#include "NetworkPageFixture.h"
#include "support/Controls.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class ServeCommandWindowTest : public NetworkPageTest {
protected:
    QWidget& group() { return child<QWidget>(page(), "newServerGroup"); }
    template <typename Control> Control& control(QWidget& window, const char* name) {
        auto* found = window.findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    static std::string clipboard() { return QApplication::clipboard()->text().toStdString(); }
};

} // namespace

TEST_F(ServeCommandWindowTest, SavesTheOptionsBesideTheSetupAndShowsHowToServeIt) {
    app.write("configs/duel.vkn", "0\r\nAce\r\n\r\n\r\n0\r\n[None]\r\n");
    app.write("configs/duel.server", "port=27961\r\nrconpasswordfile=duel.rcon\r\n");
    control<QLineEdit>(group(), "hostNameEdit").setText("Fraggers");
    control<QSpinBox>(group(), "maxClientsSpin").setValue(12);
    std::string command, unit;
    dialogs.onModal = [&](QDialog& window) {
        EXPECT_EQ(control<QComboBox>(window, "serveSetupCombo").currentText(), "duel");
        auto& port = control<QSpinBox>(window, "servePortSpin");
        EXPECT_EQ(port.value(), 27961) << "the saved port is shown";
        port.setValue(27970);
        control<QPushButton>(window, "saveServeOptionsButton").click();
        control<QPushButton>(window, "copyServeCommandButton").click();
        command = clipboard();
        control<QPushButton>(window, "copyServiceUnitButton").click();
        unit = clipboard();
    };
    control<QPushButton>(group(), "serveButton").click();
    EXPECT_EQ(dialogs.modalWindows, std::vector<std::string>{"serveCommandWindow"});
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
    EXPECT_EQ(app.read("configs/duel.server"),
              "port=27970\r\nhostname=Fraggers\r\nmotd=\r\nmaxclients=12\r\n"
              "pure=0\r\nmaxrate=10000\r\nweaponrespawn=5\r\nallowvote=1\r\nsynchronous=0\r\n"
              "passwordfile=\r\nrconpasswordfile=duel.rcon\r\n");
    EXPECT_EQ(command, "velkarn --appdir " + app.path() + " serve duel");
    EXPECT_NE(unit.find("\nExecStart=" + QCoreApplication::applicationFilePath().toStdString() +
                        " --appdir " + app.path() + " serve duel\n"),
              std::string::npos)
        << unit;

    // A file that cannot be read whole is said and not written over.
    app.write("configs/duel.server", "port=27961\r\nport=x\r\n");
    dialogs.onModal = [&](QDialog& window) {
        control<QPushButton>(window, "saveServeOptionsButton").click();
    };
    control<QPushButton>(group(), "serveButton").click();
    ASSERT_EQ(dialogs.messages.size(), 2u) << "on opening and on saving";
    EXPECT_EQ(dialogs.messages[1], "Line 2 of " + app.file("configs/duel.server") +
                                       ": 'x' is not a valid integer value");
    EXPECT_EQ(app.read("configs/duel.server"), "port=27961\r\nport=x\r\n");
}

#include "OptionsWindowsTest.h"
#include "core/platform/FileSystem.h"
#include "core/session/TestReport.h"
#include "ui/options/TestReportWindow.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace velkarn;
using namespace velkarn::test;

namespace {

class TestReportWindowTest : public OptionsWindowsTest {
protected:
    TestReportWindow& report() { return window<TestReportWindow>(); }
    QPlainTextEdit& bugs() { return child<QPlainTextEdit>(report(), "bugsEdit"); }

    void writeListFiles() {
        for (const char* name : {"path.txt", "bots.txt", "maps.txt", "models.txt"})
            app.write(name, std::string(name) + "\r\n");
    }
    void showAndSave() {
        report().show();
        child<QPushButton>(report(), "saveReportButton").click();
    }
};

} // namespace

TEST_F(TestReportWindowTest, SavingWritesTheReportHidesTheWindowAndSaysWhereToSendIt) {
    createWindows();
    writeListFiles();
    bugs().setPlainText("crash");
    dialogs.fileAnswers.push_back(app.file("report.txt"));
    showAndSave();
    EXPECT_EQ(dialogs.fileDialogFolders, (std::vector<std::string>{app.path()}));
    EXPECT_EQ(app.read("report.txt"), testReportText("crash", "", "", app.path()));
    EXPECT_FALSE(report().isVisible());
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{reportSavedMessage()}));
    EXPECT_EQ(bugs().toPlainText(), "crash");
}

TEST_F(TestReportWindowTest, CancellingOrAnEmptyNameWritesNothing) {
    createWindows();
    writeListFiles();
    dialogs.fileAnswers.push_back(app.file("first.txt"));
    showAndSave();
    dialogs.messages.clear();
    const auto filesBefore = listFolder(app.path()).size();

    dialogs.fileAnswers.push_back(std::nullopt);
    dialogs.fileAnswers.push_back(std::string());
    showAndSave();
    showAndSave();
    EXPECT_TRUE(report().isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.fileDialogFolders.size(), 3u);
    EXPECT_EQ(listFolder(app.path()).size(), filesBefore);
}

TEST_F(TestReportWindowTest, AMissingListFileIsReportedAndTheWindowStaysOpen) {
    app.write("path.txt", "/games/q3/\r\n\r\n");
    createWindows();
    dialogs.fileAnswers.push_back(app.file("report.txt"));
    showAndSave();
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Cannot open file " + app.file("bots.txt")}));
    EXPECT_TRUE(report().isVisible());
    EXPECT_EQ(app.read("report.txt"), "");
}

TEST_F(TestReportWindowTest, AReportThatCannotBeCreatedIsReportedAndTheWindowStaysOpen) {
    createWindows();
    writeListFiles();
    dialogs.fileAnswers.push_back(app.file("no-such-folder/report.txt"));
    showAndSave();
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Invalid filename"}));
    EXPECT_TRUE(report().isVisible());
}

// The answers take the room the window is given; nothing scrolls but an answer too long for it.
TEST_F(TestReportWindowTest, TheAnswersGrowWithTheWindow) {
    createWindows();
    report().show();
    EXPECT_EQ(report().focusWidget(), &bugs());
    const int before = bugs().height();
    report().resize(report().width() + 200, report().height() + 300);
    QCoreApplication::sendPostedEvents();
    EXPECT_GT(bugs().height(), before + 50);
    for (const QScrollBar* bar : report().findChildren<QScrollBar*>())
        EXPECT_FALSE(bar->isVisible());
}

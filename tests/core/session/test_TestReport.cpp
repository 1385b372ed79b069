#include "core/platform/Errors.h"
#include "core/session/TestReport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using velkarn::test::TempFolder;

namespace {

void writeListFiles(const TempFolder& app) {
    app.write("path.txt", "/games/quake3/\r\n+set r_mode 4\r\n");
    app.write("bots.txt", "Brute\nLucy\n");   // written elsewhere with LF only
    app.write("maps.txt", "q3dm1.bsp\r END"); // lone CR, no final line end
    app.write("models.txt", "");
}

} // namespace

TEST(TestReport, LayoutOfTheTenItems) {
    TempFolder app;
    writeListFiles(app);
    writeTestReport(app.file("report.txt"), "It crashed\ntwice", "", "More maps\r\n", app.path());
    EXPECT_EQ(app.read("report.txt"), "Bug(s) to report (if any) :\r\n"
                                      "It crashed\r\ntwice\r\n"
                                      "Did you find the program useful?\r\n"
                                      "\r\n"
                                      "Any ideas, suggestions?\r\n"
                                      "More maps\r\n\r\n"
                                      "/games/quake3/\r\n+set r_mode 4\r\n\r\n"
                                      "Brute\r\nLucy\r\n\r\n"
                                      "q3dm1.bsp\r\n END\r\n"
                                      "\r\n");
}

TEST(TestReport, MissingListFileLeavesNoPartialReport) {
    TempFolder app;
    writeListFiles(app);
    app.write("report.txt", "an earlier report");
    std::remove(app.file("maps.txt").c_str());
    try {
        writeTestReport(app.file("report.txt"), "bug", "yes", "none", app.path());
        FAIL();
    } catch (const FileOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + app.file("maps.txt"));
    }
    EXPECT_EQ(app.read("report.txt"), "an earlier report");
    std::remove(app.file("report.txt").c_str());
    EXPECT_THROW(writeTestReport(app.file("report.txt"), "", "", "", app.path()), FileOpenError);
    EXPECT_EQ(app.read("report.txt"), ""); // no file at all
}

TEST(TestReport, UncreatableReportIsAnInOutError) {
    TempFolder app;
    writeListFiles(app);
    try {
        writeTestReport(app.file("missing/report.txt"), "", "", "", app.path());
        FAIL();
    } catch (const InOutError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
}

TEST(TestReport, SavedMessageAsksWhereToSendOnlyWhenAContactIsBuiltIn) {
    EXPECT_EQ(reportSavedMessage(""), "Your test report is saved.");
    EXPECT_EQ(reportSavedMessage("Ann <ann@localhost>"),
              "Your test report is saved. Please e-mail it to Ann <ann@localhost>.");
    EXPECT_EQ(reportSavedMessage().find("example"), std::string::npos);
}

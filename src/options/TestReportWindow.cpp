#include "options/TestReportWindow.h"

#include "components/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

TfmTestReport::TfmTestReport(const std::string& appDir, QWidget* parent)
    : QDialog(parent), appDir_(appDir) {
    setObjectName("fmTestReport");
    setWindowTitle("Test Report");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto memo = [this](const char* name) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(name);
        return edit;
    };
    memBugReport = memo("memBugReport");
    memProgUseful = memo("memProgUseful");
    memAnyIdeas = memo("memAnyIdeas");
    butSaveReport = new QPushButton("Save report...", this);
    butSaveReport->setObjectName("butSaveReport");
    makeBold(butSaveReport);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Bug(s) to report (if any) :", this));
    layout->addWidget(memBugReport);
    layout->addWidget(new QLabel("Did you find the program useful?", this));
    layout->addWidget(memProgUseful);
    layout->addWidget(new QLabel("Any ideas, suggestions?", this));
    layout->addWidget(memAnyIdeas);
    layout->addWidget(new QLabel("Thanks for filling out this test report form.", this));
    layout->addWidget(butSaveReport, 0, Qt::AlignHCenter);
    setMaximumSize(329, 630);
    resize(329, 560);
    centreOnScreen(this);
}

} // namespace velkarn

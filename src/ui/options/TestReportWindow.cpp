#include "ui/options/TestReportWindow.h"

#include "core/platform/Dialogs.h"
#include "core/session/TestReport.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velkarn {

TfmTestReport::TfmTestReport(const std::string& appDir, QWidget* parent)
    : QDialog(parent), appDir_(appDir) {
    setUpWindow(this, "fmTestReport", "Test Report");
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
    connectGuarded(butSaveReport, &QPushButton::clicked, this, [this] { butSaveReportClick(); });

    // The answers scroll up and down inside the window, which is never wider than its fields.
    auto* content = new QWidget;
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("reportScroll");
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* layout = new QVBoxLayout(content);
    layout->addWidget(new QLabel(ReportBugsHeading, this));
    layout->addWidget(memBugReport);
    layout->addWidget(new QLabel(ReportUsefulHeading, this));
    layout->addWidget(memProgUseful);
    layout->addWidget(new QLabel(ReportIdeasHeading, this));
    layout->addWidget(memAnyIdeas);
    layout->addWidget(new QLabel("Thanks for filling out this test report form.", this));
    layout->addWidget(butSaveReport, 0, Qt::AlignHCenter);
    setMaximumSize(329, 630);
    resize(329, 560);
    centreOnScreen(this);
}

void TfmTestReport::butSaveReportClick() {
    const auto reportPath =
        dialogs().askSaveFileName("Save report", appDir_, "Text files (*.txt)", "txt");
    if (!reportPath || reportPath->empty())
        return;
    WriteTestReport(*reportPath, bytes(memBugReport->toPlainText()),
                    bytes(memProgUseful->toPlainText()), bytes(memAnyIdeas->toPlainText()),
                    appDir_);
    hide();
    dialogs().showMessage(ReportSavedMessage());
}

} // namespace velkarn

#include "ui/options/TestReportWindow.h"

#include "ui/widgets/Dialogs.h"
#include "core/session/TestReport.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velkarn {

TestReportWindow::TestReportWindow(const std::string& appDir, QWidget* parent)
    : QDialog(parent), appDir_(appDir) {
    setUpWindow(this, "testReportWindow", "Test Report");
    auto memo = [this](const char* name) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(name);
        return edit;
    };
    bugsEdit = memo("bugsEdit");
    usefulEdit = memo("usefulEdit");
    ideasEdit = memo("ideasEdit");
    saveReportButton = new QPushButton("Save report...", this);
    saveReportButton->setObjectName("saveReportButton");
    makeBold(saveReportButton);
    connectGuarded(saveReportButton, &QPushButton::clicked, this, [this] { saveReport(); });

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
    layout->addWidget(bugsEdit);
    layout->addWidget(new QLabel(ReportUsefulHeading, this));
    layout->addWidget(usefulEdit);
    layout->addWidget(new QLabel(ReportIdeasHeading, this));
    layout->addWidget(ideasEdit);
    layout->addWidget(new QLabel("Thanks for filling out this test report form.", this));
    layout->addWidget(saveReportButton, 0, Qt::AlignHCenter);
    setMaximumSize(329, 630);
    resize(329, 560);
    centreOnScreen(this, false);
}

void TestReportWindow::saveReport() {
    const auto reportPath =
        dialogs().askSaveFileName("Save report", appDir_, "Text files (*.txt)", "txt");
    if (!reportPath || reportPath->empty())
        return;
    writeTestReport(*reportPath, bytes(bugsEdit->toPlainText()), bytes(usefulEdit->toPlainText()),
                    bytes(ideasEdit->toPlainText()), appDir_);
    hide();
    dialogs().showMessage(reportSavedMessage());
}

} // namespace velkarn

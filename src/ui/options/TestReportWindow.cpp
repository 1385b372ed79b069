#include "ui/options/TestReportWindow.h"

#include "core/session/TestReport.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace velkarn {

TestReportWindow::TestReportWindow(std::string appDir, QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)) {
    setUpWindow(this, "testReportWindow", "Test Report");
    bugsEdit_ = named(new QPlainTextEdit(this), "bugsEdit");
    usefulEdit_ = named(new QPlainTextEdit(this), "usefulEdit");
    ideasEdit_ = named(new QPlainTextEdit(this), "ideasEdit");
    // Tab moves on to the next answer rather than typing a tab into this one.
    for (QPlainTextEdit* answer : {bugsEdit_, usefulEdit_, ideasEdit_})
        answer->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = namedButton("&Save report...", "saveReportButton", this, true);
    buttons->addButton(save, QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    connectGuarded(save, &QPushButton::clicked, this, [this] { saveReport(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        namedLabel(withMnemonic(ReportBugsHeading, "Bug"), "bugsLabel", this, bugsEdit_));
    layout->addWidget(bugsEdit_, 1);
    layout->addWidget(
        namedLabel(withMnemonic(ReportUsefulHeading, "useful"), "usefulLabel", this, usefulEdit_));
    layout->addWidget(usefulEdit_, 1);
    layout->addWidget(
        namedLabel(withMnemonic(ReportIdeasHeading, "ideas"), "ideasLabel", this, ideasEdit_));
    layout->addWidget(ideasEdit_, 1);
    layout->addWidget(new QLabel("Thanks for filling out this test report form.", this));
    layout->addWidget(buttons);
    rememberPlacement(this, QSize(360, 560));
    bugsEdit_->setFocus();
}

void TestReportWindow::saveReport() {
    const auto reportPath =
        dialogs().askSaveFileName("Save report", appDir_, "Text files (*.txt)", "txt");
    if (!reportPath || reportPath->empty())
        return;
    writeTestReport(*reportPath, bytes(bugsEdit_->toPlainText()), bytes(usefulEdit_->toPlainText()),
                    bytes(ideasEdit_->toPlainText()), appDir_);
    hide();
    dialogs().showMessage(reportSavedMessage());
}

} // namespace velkarn

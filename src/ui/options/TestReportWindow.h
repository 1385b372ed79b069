#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

namespace velkarn {

// "Test Report": a short report for the maintainer, saved with the program's list files.
class TfmTestReport : public QDialog {
    Q_OBJECT
public:
    explicit TfmTestReport(const std::string& appDir, QWidget* parent = nullptr);

    QPlainTextEdit* memBugReport;
    QPlainTextEdit* memProgUseful;
    QPlainTextEdit* memAnyIdeas;
    QPushButton* butSaveReport;

    // Asks where to save, writes the report with the list files, hides the window and says
    // where to send the report. Cancelling writes nothing.
    void butSaveReportClick();

private:
    std::string appDir_;
};

} // namespace velkarn
